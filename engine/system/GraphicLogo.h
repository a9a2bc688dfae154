#pragma once
// The engine's logo: a 100 x 100 picture of the splash's five pieces decoded from the embedded
// resource, whatever size is asked.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicLogo : public framework::BitmapData {
    RUNTIME_CLASS(GraphicLogo)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine_system_GraphicLogo";

    explicit GraphicLogo(int width = 0, int height = 0, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicLogo(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
