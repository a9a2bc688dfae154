#pragma once
// The push button's default picture: an 80 x 60 strip of three 80 x 20 looks (normal, highlight,
// pressed) decoded from the embedded resource, whatever size is asked.
#include "framework/display/BitmapData.h"

namespace engine {

class GraphicButton : public framework::BitmapData {
    RUNTIME_CLASS(GraphicButton)
public:
    static inline runtime::String resourceName = "__ASSET__:bitmap_engine_ui__EngTypedButton_GraphicButton";

    explicit GraphicButton(int width = 0, int height = 0, bool transparent = true, int fillColor = -1)
        : framework::BitmapData(width, height, transparent, fillColor) {
        loadEmbedded_(resourceName.str());
    }
    explicit GraphicButton(runtime::NoInit n) : framework::BitmapData(n) {}
};

}  // namespace engine
