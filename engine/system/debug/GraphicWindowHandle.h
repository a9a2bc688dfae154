#pragma once
// The debugger window's resize grip: a 10 x 10 picture decoded from the embedded resource.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicWindowHandle : public framework::BitmapData {
    RUNTIME_CLASS(GraphicWindowHandle)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine_system_debug__Window_GraphicWindowHandle";

    explicit GraphicWindowHandle(int width = 0, int height = 0, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicWindowHandle(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
