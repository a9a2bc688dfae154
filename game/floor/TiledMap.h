#pragma once
// A premade map (the town, the bar) read from its map file: tilesets, layers bottom first and
// the weighted rain areas. TOWN and BAR are read once at start-up by createMaps.
#include <functional>
#include <string>
#include <vector>

#include "RainRect.h"
#include "TiledLayer.h"
#include "TiledTileset.h"
#include "framework/utils/ByteArray.h"

namespace game {

class TiledMap : public runtime::Object {
public:
    using ImageLoader = std::function<runtime::Ref<framework::BitmapData>(const std::string& assetId)>;

    TiledMap(int width, int height, std::vector<runtime::Ref<TiledTileset>> tilesets,
             std::vector<runtime::Ref<TiledLayer>> layers, std::vector<runtime::Ref<RainRect>> rainRects);

    int width;
    int height;
    std::vector<runtime::Ref<TiledTileset>> tilesets;
    std::vector<runtime::Ref<TiledLayer>> layers;
    std::vector<runtime::Ref<RainRect>> rainRects;

    static inline runtime::Ref<TiledMap> TOWN;
    static inline runtime::Ref<TiledMap> BAR;

    // Reads "assets/tiled/town.tmx" and "assets/tiled/bar.tmx" into TOWN and BAR.
    static void createMaps();
    // The map file text of `file` (the name errors carry) read into a map; tileset images come
    // from loadImage by asset id ("assets/x2/tiled/" + the file name of their source). A file the
    // game could not draw or walk (bad XML, base64 or zlib data, layers of different sizes, a
    // missing image, a tile id no tileset holds) throws one error naming the file.
    static runtime::Ref<TiledMap> read(const std::string& file, std::string_view text, const ImageLoader& loadImage);
    // width x height little-endian 32-bit values from the start of bytes, whatever its position.
    static std::vector<uint32_t> convert(const runtime::Ref<framework::ByteArray>& bytes, int width, int height);
};

}  // namespace game
