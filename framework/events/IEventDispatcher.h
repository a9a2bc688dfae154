#pragma once
// The interface form of the dispatcher's five public operations.
#include "Event.h"
#include "platform/runtime/Function.h"

namespace framework {

class IEventDispatcher {
public:
    virtual ~IEventDispatcher() = default;
    virtual void addEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                                  bool useCapture = false, int priority = 0, bool useWeakReference = false) = 0;
    virtual bool dispatchEvent(const runtime::Ref<Event>& event) = 0;
    virtual bool hasEventListener(const runtime::String& type) = 0;
    virtual void removeEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                                     bool useCapture = false) = 0;
    virtual bool willTrigger(const runtime::String& type) = 0;

    // The interface's entry in the class registry (it has no instances of its own).
    static const runtime::ClassInfo& staticClass();
};

}  // namespace framework
