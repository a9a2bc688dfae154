#pragma once
// The base record of every event: type, the bubbles and cancelable flags, target, current
// target, phase and the two stop flags.
#include <string>
#include <string_view>

#include "EventPhase.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Event : public runtime::Object {
    RUNTIME_CLASS(Event)
public:
    static inline runtime::String ACTIVATE = "activate";
    static inline runtime::String ADDED = "added";
    static inline runtime::String ADDED_TO_STAGE = "addedToStage";
    static inline runtime::String CANCEL = "cancel";
    static inline runtime::String CHANGE = "change";
    static inline runtime::String CLOSE = "close";
    static inline runtime::String COMPLETE = "complete";
    static inline runtime::String CONNECT = "connect";
    static inline runtime::String CONTEXT3D_CREATE = "context3DCreate";
    static inline runtime::String DEACTIVATE = "deactivate";
    static inline runtime::String ENTER_FRAME = "enterFrame";
    static inline runtime::String ID3 = "id3";
    static inline runtime::String INIT = "init";
    static inline runtime::String MOUSE_LEAVE = "mouseLeave";
    static inline runtime::String OPEN = "open";
    static inline runtime::String REMOVED = "removed";
    static inline runtime::String REMOVED_FROM_STAGE = "removedFromStage";
    static inline runtime::String RENDER = "render";
    static inline runtime::String RESIZE = "resize";
    static inline runtime::String SCROLL = "scroll";
    static inline runtime::String SELECT = "select";
    static inline runtime::String SOUND_COMPLETE = "soundComplete";
    static inline runtime::String TAB_CHILDREN_CHANGE = "tabChildrenChange";
    static inline runtime::String TAB_ENABLED_CHANGE = "tabEnabledChange";
    static inline runtime::String TAB_INDEX_CHANGE = "tabIndexChange";
    static inline runtime::String UNLOAD = "unload";

    explicit Event(const runtime::String& type, bool bubbles = false, bool cancelable = false);
    explicit Event(runtime::NoInit) {}

    // A new event of the same class, type and flags; target, phase and stop flags start afresh.
    virtual runtime::Ref<Event> clone();
    // True when either stop flag is set.
    virtual bool isDefaultPrevented();
    // Both only act on a cancelable event.
    virtual void stopImmediatePropagation();
    virtual void stopPropagation();
    virtual bool getIsCancelled_() { return isCancelled_; }
    virtual bool getIsCancelledNow_() { return isCancelledNow_; }
    virtual void setPhase_(EventPhase phase) { eventPhase_ = phase; }

    virtual bool get_bubbles() { return bubbles_; }
    virtual bool get_cancelable() { return cancelable_; }
    virtual runtime::Ref<runtime::Object> get_currentTarget() { return currentTarget_; }
    virtual runtime::Ref<runtime::Object> set_currentTarget(const runtime::Ref<runtime::Object>& value);
    virtual EventPhase get_eventPhase() { return eventPhase_; }
    virtual runtime::Ref<runtime::Object> get_target() { return target_; }
    virtual runtime::Ref<runtime::Object> set_target(const runtime::Ref<runtime::Object>& value);
    virtual runtime::String get_type() { return type_; }

    // "[Event type=… bubbles=… cancelable=…]"
    std::string toString() const override;

protected:
    // "[" + className + " type=… bubbles=… cancelable=…" + fields + "]"; fields starts with a blank.
    std::string textForm(std::string_view className, const std::string& fields = std::string()) const;

    bool bubbles_ = false;
    bool cancelable_ = false;
    runtime::Ref<runtime::Object> currentTarget_;
    EventPhase eventPhase_ = EventPhase::AT_TARGET;
    bool isCancelled_ = false;
    bool isCancelledNow_ = false;
    runtime::Ref<runtime::Object> target_;
    runtime::String type_;

    friend class EventDispatcher;
};

}  // namespace framework
