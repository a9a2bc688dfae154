#pragma once
// The 16 auto-tile shapes (8 x 8 each, one row) for the tile map's AUTO mode.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicAuto : public framework::BitmapData {
    RUNTIME_CLASS(GraphicAuto)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine.tile.GraphicAuto";

    // Always the 128 x 8 picture, whatever size is asked.
    GraphicAuto(int width, int height, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicAuto(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
