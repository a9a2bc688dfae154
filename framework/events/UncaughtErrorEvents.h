#pragma once
// The dispatcher on which uncaught errors are offered to listeners.
#include "EventDispatcher.h"

namespace framework {

class UncaughtErrorEvents : public EventDispatcher {
    RUNTIME_CLASS(UncaughtErrorEvents)
public:
    explicit UncaughtErrorEvents(runtime::Object* target = nullptr) : EventDispatcher(target) {}
    explicit UncaughtErrorEvents(runtime::NoInit n) : EventDispatcher(n) {}
};

}  // namespace framework
