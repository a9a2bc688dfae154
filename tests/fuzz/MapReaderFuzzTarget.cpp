#include "MapReaderFuzzTarget.h"

#include <string_view>

#include "game/floor/MapData.h"
#include "platform/runtime/Thrown.h"

int fuzzMapReader(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto picture = [](const std::string&) { return runtime::make<framework::BitmapData>(512, 768, true, 0); };
    runtime::Ref<game::TiledMap> map;
    try {
        map = game::TiledMap::read("fuzz.tmx", text, picture);
    } catch (const runtime::Thrown& e) {
        // The one error a refused file gives names it.
        if (std::string_view(e.what()).find("fuzz.tmx") == std::string_view::npos) __builtin_trap();
        return 0;
    }
    // What reads also builds a floor.
    if (map->width <= 64 && map->height <= 64) auto floor = runtime::make<game::MapData>(nullptr, map);
    return 0;
}
