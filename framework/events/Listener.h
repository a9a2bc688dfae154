#pragma once
// One registration of a dispatcher: the callback, its priority and its capture flag.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Listener : public runtime::Object {
    RUNTIME_CLASS(Listener)
public:
    // Note the order: capture flag before priority.
    Listener(const runtime::Ref<runtime::Function>& callback, bool useCapture, int priority)
        : callback(callback), priority(priority), useCapture(useCapture) {}
    explicit Listener(runtime::NoInit) {}

    // Two callbacks are the same when both are empty or Function::sameAs says so.
    static bool sameFunction(const runtime::Function* a, const runtime::Function* b) {
        return a == b || (a && b && a->sameAs(*b));
    }

    // The same function and the same capture flag.
    virtual bool match(const runtime::Ref<runtime::Function>& callback, bool useCapture);

    runtime::Ref<runtime::Function> callback;
    int priority = 0;
    bool useCapture = false;
};

}  // namespace framework
