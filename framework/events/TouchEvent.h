#pragma once
// A touch-point event. Text form and clone are those of MouseEvent: a clone is a MouseEvent.
#include "MouseEvent.h"

namespace framework {

class TouchEvent : public MouseEvent {
    RUNTIME_CLASS(TouchEvent)
public:
    static inline runtime::String TOUCH_BEGIN = "touchBegin";
    static inline runtime::String TOUCH_END = "touchEnd";
    static inline runtime::String TOUCH_MOVE = "touchMove";
    static inline runtime::String TOUCH_OUT = "touchOut";
    static inline runtime::String TOUCH_OVER = "touchOver";
    static inline runtime::String TOUCH_ROLL_OUT = "touchRollOut";
    static inline runtime::String TOUCH_ROLL_OVER = "touchRollOver";
    static inline runtime::String TOUCH_TAP = "touchTap";

    explicit TouchEvent(const runtime::String& type, bool bubbles = true, bool cancelable = false, double localX = 0,
                        double localY = 0, double sizeX = 1, double sizeY = 1,
                        const runtime::Ref<InteractiveObject>& relatedObject = nullptr, bool ctrlKey = false,
                        bool altKey = false, bool shiftKey = false, bool buttonDown = false, int delta = 0,
                        bool commandKey = false, int clickCount = 0);
    explicit TouchEvent(runtime::NoInit n) : MouseEvent(n) {}

    // As MouseEvent::create_, but not cancelable; carries the contact size.
    static runtime::Ref<TouchEvent> create_(const runtime::String& type, const runtime::Value& record,
                                            const runtime::Ref<Point>& local,
                                            const runtime::Ref<InteractiveObject>& target, double sizeX,
                                            double sizeY);

    // A TouchEvent with this one's touch point; the stage position is not copied.
    runtime::Ref<MouseEvent> createSimilar_(const runtime::String& type,
                                            const runtime::Ref<InteractiveObject>& related = nullptr,
                                            const runtime::Ref<InteractiveObject>& target = nullptr) override;

    bool isPrimaryTouchPoint = true;
    double pressure = 1;
    double sizeX = 1;
    double sizeY = 1;
    int touchPointID = 0;
};

}  // namespace framework
