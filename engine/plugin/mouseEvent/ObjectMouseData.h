#pragma once
// One registration of the mouse event manager: an engine object, its four callbacks and flags.
#include <functional>

#include "engine/EngObject.h"
#include "engine/EngSprite.h"

namespace engine {

class ObjectMouseData : public runtime::Object {
public:
    using Callback = std::function<void(EngObject*)>;

    ObjectMouseData(const runtime::Ref<EngObject>& object, Callback onMouseDown, Callback onMouseUp,
                    Callback onMouseOver, Callback onMouseOut, bool mouseChildren, bool mouseEnabled, bool pixelPerfect)
        : object(object),
          onMouseDown(std::move(onMouseDown)),
          onMouseUp(std::move(onMouseUp)),
          onMouseOver(std::move(onMouseOver)),
          onMouseOut(std::move(onMouseOut)),
          mouseChildren(mouseChildren),
          mouseEnabled(mouseEnabled),
          pixelPerfect(pixelPerfect) {}

    // Object, sprite and callbacks let go.
    void clear() {
        object = nullptr;
        sprite = nullptr;
        onMouseDown = onMouseUp = onMouseOver = onMouseOut = nullptr;
    }

    runtime::Ref<EngObject> object;
    Callback onMouseDown;
    Callback onMouseUp;
    Callback onMouseOver;
    Callback onMouseOut;
    bool mouseChildren = false;
    bool mouseEnabled = true;
    bool pixelPerfect = true;
    // The same object when it is a sprite.
    runtime::Ref<EngSprite> sprite;
};

}  // namespace engine
