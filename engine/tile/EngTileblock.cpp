#include "EngTileblock.h"

#include <cmath>

#include "engine/util/EngRandom.h"
#include "engine/util/EngSpriteUtil.h"
#include "platform/runtime/Args.h"

namespace engine {

EngTileblock::EngTileblock(int x_, int y_, int w, int h) : EngSprite(x_, y_) {
    makeGraphic(w, h, 0, true);
    set_active(false);
    set_immovable(true);
    set_moves(false);
}

EngTileblock* EngTileblock::loadTiles(const runtime::Value& tileGraphic, int tileWidth, int tileHeight, int empties) {
    if (tileGraphic.isNull()) return this;
    auto brush = runtime::make<EngSprite>();
    brush->loadGraphic(tileGraphic, true, tileWidth, tileHeight);
    int spriteWidth = static_cast<int>(brush->get_width()), spriteHeight = static_cast<int>(brush->get_height());
    int total = brush->frames + empties;
    double w = width, h = height;
    bool resized = false;
    if (std::fmod(w, spriteWidth) != 0) {
        w = std::trunc(w / spriteWidth + 1) * spriteWidth;
        resized = true;
    }
    if (std::fmod(h, spriteHeight) != 0) {
        h = std::trunc(h / spriteHeight + 1) * spriteHeight;
        resized = true;
    }
    if (resized) makeGraphic(static_cast<int>(w), static_cast<int>(h), 0, true);
    else EngSpriteUtil::fill(this, 0);
    int columns = static_cast<int>(w / spriteWidth), rows = static_cast<int>(h / spriteHeight);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            if (EngRandom::float_() * total > empties) {
                brush->animation->randomFrame();
                brush->drawFrame(true);
                stamp(brush, c * spriteWidth, r * spriteHeight);
            }
        }
    brush->destroy();
    dirty = true;
    return this;
}

}  // namespace engine

using engine::EngTileblock;

RUNTIME_DEFINE_CLASS(EngTileblock, "engine.tile.EngTileblock", engine::EngSprite, (auto& b) {
    b.template method<&EngTileblock::loadTiles>("loadTiles")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<EngTileblock>(a.integer(0), a.integer(1), a.integer(2), a.integer(3));
        });
})
