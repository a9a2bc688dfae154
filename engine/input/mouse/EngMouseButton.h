#pragma once
// One mouse button: fed by the stage's down and up events, settled once per engine step by the
// mouse, so that a just-pressed or just-released state lasts one step. A release after a press
// that a step saw appends a swipe to the engine's swipe list.
#include "engine/interfaces/IEngDestroyable.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {
class MouseEvent;
}

namespace engine {

class EngPoint;

class EngMouseButton : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngMouseButton)
public:
    // Button ids.
    static constexpr int LEFT = -1;
    static constexpr int MIDDLE = -2;
    static constexpr int RIGHT = -3;
    // States.
    static constexpr int FAST_PRESS_RELEASE = -2;
    static constexpr int JUST_RELEASED = -1;
    static constexpr int RELEASED = 0;
    static constexpr int PRESSED = 1;
    static constexpr int JUST_PRESSED = 2;

    explicit EngMouseButton(int id);
    explicit EngMouseButton(runtime::NoInit) {}

    virtual void update();
    void destroy() override;
    virtual void onDown(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onUp(const runtime::Ref<framework::MouseEvent>& event);
    virtual void reset();
    virtual bool pressed() { return current > RELEASED; }
    virtual bool justPressed() { return current == JUST_PRESSED || current == FAST_PRESS_RELEASE; }
    virtual bool justReleased() { return current == JUST_RELEASED || current == FAST_PRESS_RELEASE; }

    int current = RELEASED;
    int last = RELEASED;
    int _ID = 0;
    runtime::Ref<EngPoint> _justPressedPosition;
    double _justPressedTimeInTicks = 0;
};

}  // namespace engine
