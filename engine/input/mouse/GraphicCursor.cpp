#include "GraphicCursor.h"

#include "platform/runtime/Resources.h"

namespace engine {

GraphicCursor::GraphicCursor(int width, int height, bool transparent, int fillColor)
    : framework::BitmapData(width, height, transparent, fillColor) {
    if (runtime::Resources::exists(resourceName.str())) loadEmbedded_(resourceName.str());
}

}  // namespace engine

using engine::GraphicCursor;

RUNTIME_DEFINE_CLASS(GraphicCursor, "engine.input.mouse.GraphicCursor", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicCursor::resourceName>("resourceName").emptyInstance();
})
