#include "TiledMap.h"

#include <pugixml.hpp>

#include <charconv>

#include "Base64.h"
#include "framework/assets/Assets.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/Thrown.h"

namespace game {

using runtime::Ref;

namespace {

[[noreturn]] void fail(const std::string& file, const std::string& message) {
    runtime::Thrown::text("Map file " + file + ": " + message);
}

// A decimal attribute; 0 when it does not parse.
int decimal(const pugi::xml_node& node, const char* name) {
    const char* text = node.attribute(name).value();
    int value = 0;
    const char* end = text + std::char_traits<char>::length(text);
    std::from_chars(text, end, value);
    return value;
}

std::string fileName(const std::string& source) {
    const size_t slash = source.rfind('/');
    return slash == std::string::npos ? source : source.substr(slash + 1);
}

std::vector<uint32_t> layerData(const std::string& file, const pugi::xml_node& layer, int width, int height) {
    const std::string name = layer.attribute("name").value();
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        fail(file, "layer \"" + name + "\" has the size " + std::to_string(width) + " x " + std::to_string(height));
    auto bytes = Base64::decode(layer.first_child().text().get());
    try {
        bytes->uncompress();
    } catch (const std::exception& e) {
        fail(file, "layer \"" + name + "\" holds no readable compressed data (" + e.what() + ")");
    }
    const int64_t want = int64_t{width} * height * 4;
    if (bytes->getLength() != want)
        fail(file, "layer \"" + name + "\" holds " + std::to_string(bytes->getLength()) + " bytes, " +
                       std::to_string(want) + " expected for " + std::to_string(width) + " x " + std::to_string(height));
    return TiledMap::convert(bytes, width, height);
}

// Every id must belong to a tile of its tileset.
void checkIds(const std::string& file, const TiledMap& map) {
    for (const auto& layer : map.layers)
        for (size_t k = 0; k < layer->tileData.size(); ++k) {
            const uint32_t gid = layer->tileData[k];
            if (gid == 0) continue;
            const TiledTileset* owner = nullptr;
            for (const auto& t : map.tilesets)
                if (t->firstID >= 0 && static_cast<uint32_t>(t->firstID) <= gid) owner = t.get();
            if (!owner || gid - static_cast<uint32_t>(owner->firstID) >= static_cast<uint32_t>(owner->tileCount()))
                fail(file, "layer \"" + layer->name + "\" cell (" + std::to_string(k % map.width) + ", " +
                               std::to_string(k / map.width) + ") holds tile id " + std::to_string(gid) +
                               ", which no tileset holds");
        }
}

}  // namespace

TiledMap::TiledMap(int width, int height, std::vector<Ref<TiledTileset>> tilesets, std::vector<Ref<TiledLayer>> layers,
                   std::vector<Ref<RainRect>> rainRects)
    : width(width), height(height), tilesets(std::move(tilesets)), layers(std::move(layers)),
      rainRects(std::move(rainRects)) {}

void TiledMap::createMaps() {
    ImageLoader load = [](const std::string& id) { return PixelSmoother::smoothAsset(runtime::String(id)); };
    std::vector<Ref<TiledMap>> maps;
    for (const char* file : {"assets/tiled/town.tmx", "assets/tiled/bar.tmx"}) {
        runtime::String text = framework::Assets::getText(runtime::String(file));
        if (text.isNull()) fail(file, "not found among the assets");
        maps.push_back(read(file, text.str(), load));
    }
    TOWN = maps[0];
    BAR = maps[1];
}

Ref<TiledMap> TiledMap::read(const std::string& file, std::string_view text, const ImageLoader& loadImage) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
    if (!parsed) fail(file, std::string("not readable XML (") + parsed.description() + ")");
    const pugi::xml_node map = doc.child("map");
    if (!map) fail(file, "has no map element");

    std::vector<Ref<TiledTileset>> tilesets;
    for (const pugi::xml_node& t : map.children("tileset")) {
        const std::string id = "assets/x2/tiled/" + fileName(t.first_child().attribute("source").value());
        Ref<framework::BitmapData> image = loadImage(id);
        if (!image) fail(file, "tileset \"" + std::string(t.attribute("name").value()) + "\" has no picture " + id);
        tilesets.push_back(runtime::make<TiledTileset>(t.attribute("name").value(), decimal(t, "firstgid"), image));
    }

    std::vector<Ref<TiledLayer>> layers;
    int width = 0, height = 0;
    for (const pugi::xml_node& l : map.children("layer")) {
        const int w = decimal(l, "width"), h = decimal(l, "height");
        if (!layers.empty() && (w != width || h != height))
            fail(file, "layer \"" + std::string(l.attribute("name").value()) + "\" is " + std::to_string(w) + " x " +
                           std::to_string(h) + ", the layers before it " + std::to_string(width) + " x " +
                           std::to_string(height));
        width = w;
        height = h;
        layers.push_back(runtime::make<TiledLayer>(l.attribute("name").value(), layerData(file, l, w, h)));
    }

    if (layers.empty()) fail(file, "has no layers");

    std::vector<Ref<RainRect>> rain;
    int total = 0;
    for (const pugi::xml_node& g : map.children("objectgroup")) {
        if (std::string_view(g.attribute("name").value()) != "rain") continue;
        for (const pugi::xml_node& o : g.children("object")) {
            const int ow = decimal(o, "width"), oh = decimal(o, "height");
            if (ow <= 6 || oh <= 6) fail(file, "a rain area of " + std::to_string(ow) + " x " + std::to_string(oh) + " pixels is too small");
            auto r = runtime::make<RainRect>(decimal(o, "x") + 3, decimal(o, "y") + 3, ow - 6, oh - 6);
            r->weight = total;
            total += static_cast<int>(r->width * r->height);
            rain.push_back(r);
        }
    }

    auto result = runtime::make<TiledMap>(width, height, std::move(tilesets), std::move(layers), std::move(rain));
    checkIds(file, *result);
    return result;
}

std::vector<uint32_t> TiledMap::convert(const Ref<framework::ByteArray>& bytes, int width, int height) {
    std::vector<uint32_t> ids(static_cast<size_t>(std::max(0, width)) * static_cast<size_t>(std::max(0, height)));
    for (size_t k = 0; k < ids.size(); ++k) {
        const int at = static_cast<int>(k * 4);
        ids[k] = static_cast<uint32_t>(bytes->get_(at)) | static_cast<uint32_t>(bytes->get_(at + 1)) << 8 |
                 static_cast<uint32_t>(bytes->get_(at + 2)) << 16 | static_cast<uint32_t>(bytes->get_(at + 3)) << 24;
    }
    return ids;
}

}  // namespace game
