#pragma once
// Keeps, per event type, one list of listeners ordered by priority (highest first, equal
// priorities in registration order) and calls them when an event of that type is dispatched.
// Capture and ordinary listeners share the list; a dispatch runs those whose capture flag
// matches the event's phase.
#include <memory>
#include <vector>

#include "IEventDispatcher.h"
#include "Listener.h"

namespace framework {

class EventDispatcher : public runtime::Object, public IEventDispatcher {
    RUNTIME_CLASS(EventDispatcher)
public:
    // target: reported as the target of dispatched events that have none (held weakly);
    // null means the dispatcher itself.
    explicit EventDispatcher(runtime::Object* target = nullptr);
    explicit EventDispatcher(runtime::NoInit) {}

    // A callback already registered for the type (whatever its capture flag or priority) is not
    // added again. The weak-reference flag has no effect.
    void addEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                          bool useCapture = false, int priority = 0, bool useWeakReference = false) override;
    // Runs the matching listeners; false when nothing is registered for the event's type.
    // Listeners added or removed during the dispatch take effect at once (see the .cpp).
    bool dispatchEvent(const runtime::Ref<Event>& event) override;
    bool hasEventListener(const runtime::String& type) override;
    // Removes the first registration whose callback and capture flag both match.
    void removeEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                             bool useCapture = false) override;
    // Same answer as hasEventListener: ancestors are not consulted.
    bool willTrigger(const runtime::String& type) override;
    // Dispatches a new "complete" event / a default IO-error event through dispatchEvent.
    virtual void dispatchCompleteEvent_();
    virtual void dispatchIOErrorEvent_();

    // "[object " + the class's short name + "]"
    std::string toString() const override;

    // 0 for equal priorities, -1 when l1 runs first, 1 otherwise.
    static int sortByPriority_(const Listener& l1, const Listener& l2);

    runtime::Ref<runtime::Object> get_targetDispatcher_() const { return targetDispatcher_.lock(); }
    runtime::Ref<runtime::Object> set_targetDispatcher_(const runtime::Ref<runtime::Object>& t) {
        targetDispatcher_ = t.get();
        return t;
    }

private:
    // A type's listeners; shared with a running dispatch so that it survives the type's removal.
    class ListenerList : public runtime::Object {
    public:
        std::vector<runtime::Ref<Listener>> items;
    };
    struct TypeEntry {
        runtime::String type;
        runtime::Ref<ListenerList> list;
    };

    // Index in the map, or -1.
    int indexOf(const runtime::String& type) const;

    runtime::Weak<runtime::Object> targetDispatcher_;
    // Null until the first registration and again once the last list is gone. Dispatchers hold
    // few types: a short vector searched in order beats a hash map here.
    std::unique_ptr<std::vector<TypeEntry>> eventMap_;
};

}  // namespace framework
