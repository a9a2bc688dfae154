#include "GraphicWindowHandle.h"

using engine::GraphicWindowHandle;

RUNTIME_DEFINE_CLASS(GraphicWindowHandle, "engine.system.debug.GraphicWindowHandle", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicWindowHandle::resourceName>("resourceName").emptyInstance();
})
