#include "GraphicLogo.h"

using engine::GraphicLogo;

RUNTIME_DEFINE_CLASS(GraphicLogo, "engine.system.GraphicLogo", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicLogo::resourceName>("resourceName").emptyInstance();
})
