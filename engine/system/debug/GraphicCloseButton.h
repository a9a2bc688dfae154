#pragma once
// The debugger window's close cross: an 8 x 8 picture decoded from the embedded resource.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicCloseButton : public framework::BitmapData {
    RUNTIME_CLASS(GraphicCloseButton)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine_system_debug__Window_GraphicCloseButton";

    explicit GraphicCloseButton(int width = 0, int height = 0, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicCloseButton(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
