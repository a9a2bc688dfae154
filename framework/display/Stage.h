#pragma once
// The root of the display list.
#include "DisplayObjectContainer.h"

namespace framework {

class Sprite;

class Stage : public DisplayObjectContainer {
    RUNTIME_CLASS(Stage)
public:
    Stage(const runtime::Value& handle, int width, int height);
    explicit Stage(runtime::NoInit n) : DisplayObjectContainer(n) {}

    runtime::Ref<Stage> get_stage() override { return runtime::Ref<Stage>(this); }

    // Dragging (pointer translation).
    virtual void startDrag_(Sprite* sprite, bool lockCenter, const runtime::Ref<Rectangle>& bounds);
    virtual void stopDrag_(Sprite* sprite);
};

}  // namespace framework
