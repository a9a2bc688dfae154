#pragma once
// One draw batch of a camera: the tiles of one cached graphic with equal colour, blend and
// smoothing settings. Each tile takes 8 numbers (x, y, tile id, a, b, c, d, alpha), 11 when
// coloured (red, green and blue before alpha).
#include "engine/util/loaders/CachedGraphics.h"
#include "platform/runtime/Array.h"

namespace engine {

class DrawStackItem : public runtime::Object {
public:
    runtime::Ref<CachedGraphics> graphics;
    // The tile records; the first position values were written this frame.
    runtime::Ref<runtime::Array> drawData = runtime::make<runtime::Array>();
    int position = 0;
    runtime::Ref<DrawStackItem> next;
    bool colored = false;
    int blending = 0;
    bool initialized = false;
    bool antialiasing = false;

    // Writes value at index at of drawData, growing the list when needed.
    void write(int at, double value) {
        auto& items = drawData->items;
        if (at < static_cast<int>(items.size())) items[static_cast<std::size_t>(at)] = runtime::Value(value);
        else items.push_back(runtime::Value(value));
    }
    // Drops the graphic and the frame's marks; the number list keeps its length and values.
    virtual void reset() {
        graphics = nullptr;
        initialized = false;
        antialiasing = false;
        position = 0;
    }
    virtual void dispose() {
        graphics = nullptr;
        drawData = nullptr;
        next = nullptr;
    }
};

}  // namespace engine
