#include "EventDispatcher.h"

#include <algorithm>

#include "IOErrorEvent.h"

namespace framework {

using runtime::Ref;

EventDispatcher::EventDispatcher(runtime::Object* target) : targetDispatcher_(target) {}

int EventDispatcher::indexOf(const runtime::String& type) const {
    if (!eventMap_) return -1;
    for (std::size_t i = 0; i < eventMap_->size(); ++i)
        if ((*eventMap_)[i].type == type) return static_cast<int>(i);
    return -1;
}

int EventDispatcher::sortByPriority_(const Listener& l1, const Listener& l2) {
    if (l1.priority == l2.priority) return 0;
    return l1.priority > l2.priority ? -1 : 1;
}

void EventDispatcher::addEventListener(const runtime::String& type, const Ref<runtime::Function>& listener,
                                       bool useCapture, int priority, bool) {
    if (!eventMap_) eventMap_ = std::make_unique<std::vector<TypeEntry>>();
    int at = indexOf(type);
    if (at < 0) {
        auto list = runtime::make<ListenerList>();
        list->items.push_back(runtime::make<Listener>(listener, useCapture, priority));
        eventMap_->push_back({type, std::move(list)});
        return;
    }
    auto& items = (*eventMap_)[static_cast<std::size_t>(at)].list->items;
    for (const Ref<Listener>& l : items)
        if (Listener::sameFunction(l->callback.get(), listener.get())) return;
    items.push_back(runtime::make<Listener>(listener, useCapture, priority));
    // In place: a dispatch running over this list sees the new order.
    std::stable_sort(items.begin(), items.end(),
                     [](const Ref<Listener>& a, const Ref<Listener>& b) { return sortByPriority_(*a, *b) < 0; });
}

void EventDispatcher::removeEventListener(const runtime::String& type, const Ref<runtime::Function>& listener,
                                          bool useCapture) {
    int at = indexOf(type);
    if (at < 0) return;
    auto entry = eventMap_->begin() + at;
    auto& items = entry->list->items;
    for (auto it = items.begin(); it != items.end(); ++it) {
        if ((*it)->match(listener, useCapture)) {
            items.erase(it);
            break;
        }
    }
    if (items.empty()) eventMap_->erase(entry);
    if (eventMap_->empty()) eventMap_.reset();
}

// The list is walked by index without a copy, so changes made by listeners show at once: a
// listener removed before it is reached does not run, one added after the current position runs
// in this dispatch. The index advances only when its slot still holds the listener just called,
// so a listener removing itself does not make the next one be skipped.
bool EventDispatcher::dispatchEvent(const Ref<Event>& event) {
    if (!event) return false;
    int at = indexOf(event->type_);
    if (at < 0) return false;
    const Ref<ListenerList> list = (*eventMap_)[static_cast<std::size_t>(at)].list;

    if (!event->target_) {
        runtime::Object* target = targetDispatcher_.get();
        event->target_ = target ? target : this;
    }
    event->currentTarget_ = this;
    const bool capture = event->eventPhase_ == EventPhase::CAPTURING_PHASE;
    const runtime::Value arg(event);

    std::size_t index = 0;
    while (index < list->items.size()) {
        const Ref<Listener> listener = list->items[index];
        if (listener->useCapture == capture) {
            const Ref<runtime::Function> callback = listener->callback;
            if (!callback) runtime::Thrown::text(runtime::Thrown::NULL_FUNCTION);
            callback->callArgs(&arg, 1);
            if (event->isCancelledNow_) return true;
        }
        if (index < list->items.size() && list->items[index] == listener) ++index;
    }
    return true;
}

bool EventDispatcher::hasEventListener(const runtime::String& type) { return indexOf(type) >= 0; }

bool EventDispatcher::willTrigger(const runtime::String& type) { return hasEventListener(type); }

void EventDispatcher::dispatchCompleteEvent_() { dispatchEvent(runtime::make<Event>(Event::COMPLETE)); }

void EventDispatcher::dispatchIOErrorEvent_() { dispatchEvent(runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR)); }

std::string EventDispatcher::toString() const { return "[object " + classInfo()->shortName() + "]"; }

}  // namespace framework

using framework::EventDispatcher;

RUNTIME_DEFINE_CLASS(EventDispatcher, "framework._native.events.EventDispatcher", runtime::Object, (auto& b) {
    b.template property<&EventDispatcher::get_targetDispatcher_, &EventDispatcher::set_targetDispatcher_>(
         "__targetDispatcher")
        .template method<&EventDispatcher::addEventListener>("addEventListener")
        .template method<&EventDispatcher::dispatchEvent>("dispatchEvent")
        .template method<&EventDispatcher::hasEventListener>("hasEventListener")
        .template method<&EventDispatcher::removeEventListener>("removeEventListener")
        .template method<&EventDispatcher::willTrigger>("willTrigger")
        .template method<&EventDispatcher::dispatchCompleteEvent_>("__dispatchCompleteEvent")
        .template method<&EventDispatcher::dispatchIOErrorEvent_>("__dispatchIOErrorEvent")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<EventDispatcher>(n > 0 ? v[0].object() : nullptr);
        });
})
