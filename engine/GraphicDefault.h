#pragma once
// The 16 x 16 picture a sprite shows when it has no graphic: an embedded PNG, whatever size is asked.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicDefault : public framework::BitmapData {
    RUNTIME_CLASS(GraphicDefault)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine.GraphicDefault";

    GraphicDefault(int width, int height, bool transparent = true, int fillColor = static_cast<int>(0xFFFFFFFF))
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicDefault(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
