#pragma once
// A pointer event: buttons, motion, wheel, hover and clicks. The stage builds it from a native
// record (create_) and derives the hover events from it (createSimilar_).
#include "Event.h"
#include "framework/display/InteractiveObject.h"
#include "framework/geom/Point.h"
#include "platform/media/MediaRecords.h"

namespace framework {

class MouseEvent : public Event {
    RUNTIME_CLASS(MouseEvent)
public:
    static inline runtime::String DOUBLE_CLICK = "doubleClick";
    static inline runtime::String CLICK = "click";
    static inline runtime::String MIDDLE_CLICK = "middleClick";
    static inline runtime::String MIDDLE_MOUSE_DOWN = "middleMouseDown";
    static inline runtime::String MIDDLE_MOUSE_UP = "middleMouseUp";
    static inline runtime::String MOUSE_DOWN = "mouseDown";
    static inline runtime::String MOUSE_MOVE = "mouseMove";
    static inline runtime::String MOUSE_OUT = "mouseOut";
    static inline runtime::String MOUSE_OVER = "mouseOver";
    static inline runtime::String MOUSE_UP = "mouseUp";
    static inline runtime::String MOUSE_WHEEL = "mouseWheel";
    static inline runtime::String RIGHT_CLICK = "rightClick";
    static inline runtime::String RIGHT_MOUSE_DOWN = "rightMouseDown";
    static inline runtime::String RIGHT_MOUSE_UP = "rightMouseUp";
    static inline runtime::String ROLL_OUT = "rollOut";
    static inline runtime::String ROLL_OVER = "rollOver";

    // Bits of the native record's flags.
    static inline int efLeftDown = media::MediaRecords::efLeftDown;
    static inline int efShiftDown = media::MediaRecords::efShiftDown;
    static inline int efCtrlDown = media::MediaRecords::efCtrlDown;
    static inline int efAltDown = media::MediaRecords::efAltDown;
    static inline int efCommandDown = media::MediaRecords::efCommandDown;

    explicit MouseEvent(const runtime::String& type, bool bubbles = true, bool cancelable = false, double localX = 0,
                        double localY = 0, const runtime::Ref<InteractiveObject>& relatedObject = nullptr,
                        bool ctrlKey = false, bool altKey = false, bool shiftKey = false, bool buttonDown = false,
                        int delta = 0, bool commandKey = false, int clickCount = 0);
    explicit MouseEvent(runtime::NoInit n) : Event(n) {}

    // From a native record: cancelable, modifiers from its flags, stage position from its x, y.
    static runtime::Ref<MouseEvent> create_(const runtime::String& type, const runtime::Value& record,
                                            const runtime::Ref<Point>& local,
                                            const runtime::Ref<InteractiveObject>& target);

    virtual void updateAfterEvent() {}
    // An event of another type with this one's positions, flags and delta; a null related object
    // keeps this event's.
    virtual runtime::Ref<MouseEvent> createSimilar_(const runtime::String& type,
                                                    const runtime::Ref<InteractiveObject>& related = nullptr,
                                                    const runtime::Ref<InteractiveObject>& target = nullptr);
    // A MouseEvent from the constructor's arguments (stage position not copied).
    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    bool altKey = false;
    bool buttonDown = false;
    int clickCount = 0;
    bool commandKey = false;
    bool ctrlKey = false;
    int delta = 0;
    double localX = 0;
    double localY = 0;
    runtime::Ref<InteractiveObject> relatedObject;
    bool shiftKey = false;
    double stageX = 0;
    double stageY = 0;
};

}  // namespace framework
