#pragma once
// The 16 auto-tile shapes (8 x 8 each, one row) with the open inner corners of the ALT mode.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicAutoAlt : public framework::BitmapData {
    RUNTIME_CLASS(GraphicAutoAlt)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine.tile.GraphicAutoAlt";

    // Always the 128 x 8 picture, whatever size is asked.
    GraphicAutoAlt(int width, int height, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicAutoAlt(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
