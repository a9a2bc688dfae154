#pragma once
// One draw batch of a camera: the tiles of one cached graphic with equal colour, blend and
// smoothing settings.
#include "engine/util/loaders/CachedGraphics.h"
#include "platform/runtime/Array.h"

namespace engine {

class DrawStackItem : public runtime::Object {
public:
    runtime::Ref<CachedGraphics> graphics;
    // The tile records; position floats of it were written this frame.
    runtime::Ref<runtime::Array> drawData = runtime::make<runtime::Array>();
    int position = 0;
    runtime::Ref<DrawStackItem> next;
    bool colored = false;
    int blending = 0;
    bool initialized = false;
    bool antialiasing = false;

    // Drops the graphic and the frame's marks; the float list keeps its capacity.
    void reset() {
        graphics = nullptr;
        initialized = false;
        antialiasing = false;
        position = 0;
    }
};

}  // namespace engine
