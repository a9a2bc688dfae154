#include "OpenGLView.h"

using framework::OpenGLView;

RUNTIME_DEFINE_CLASS(OpenGLView, "framework._native.display.OpenGLView", framework::DirectRenderer, (auto& b) {
    using V = OpenGLView;
    b.template staticField<&V::CONTEXT_LOST>("CONTEXT_LOST")
        .template staticField<&V::CONTEXT_RESTORED>("CONTEXT_RESTORED")
        .template staticMethod<&V::get_isSupported>("get_isSupported");
    runtime::Member m;
    m.name = "isSupported";
    m.kind = runtime::Member::Kind::Property;
    m.get = [](runtime::Object*) -> runtime::Value { return runtime::Value(V::get_isSupported()); };
    b.info().addStatic(std::move(m));
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<V>(); });
})
