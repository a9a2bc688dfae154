#include "GraphicCloseButton.h"

using engine::GraphicCloseButton;

RUNTIME_DEFINE_CLASS(GraphicCloseButton, "engine.system.debug.GraphicCloseButton", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicCloseButton::resourceName>("resourceName").emptyInstance();
})
