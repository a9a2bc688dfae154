#pragma once
// The engine's default cursor picture: a 24 x 32 arrow decoded from the embedded resource.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicCursor : public framework::BitmapData {
    RUNTIME_CLASS(GraphicCursor)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine_input_mouse__EngMouse_GraphicCursor";

    // The surface of the given size is replaced by the decoded picture when the program embeds it.
    explicit GraphicCursor(int width = 0, int height = 0, bool transparent = true, int fillColor = -1);
    explicit GraphicCursor(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
