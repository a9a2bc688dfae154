#include "Listener.h"

#include "platform/runtime/Args.h"

namespace framework {

bool Listener::match(const runtime::Ref<runtime::Function>& f, bool capture) {
    return sameFunction(callback.get(), f.get()) && useCapture == capture;
}

}  // namespace framework

using framework::Listener;

RUNTIME_DEFINE_CLASS(Listener, "framework._native.events._EventDispatcher.Listener", runtime::Object, (auto& b) {
    b.template field<&Listener::callback>("callback")
        .template field<&Listener::priority>("priority")
        .template field<&Listener::useCapture>("useCapture")
        .template method<&Listener::match>("match")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Listener>(a.object<runtime::Function>(0), a.flag(1), a.integer(2));
        });
})
