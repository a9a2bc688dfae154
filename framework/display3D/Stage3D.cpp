#include "Stage3D.h"

#include "framework/events/Event.h"

namespace framework {

void Stage3D::requestContext3D(const runtime::String&) {
    context3D = runtime::make<Context3D>();
    dispatchEvent(runtime::make<Event>(Event::CONTEXT3D_CREATE));
}

}  // namespace framework

using framework::Stage3D;

RUNTIME_DEFINE_CLASS(Stage3D, "framework._native.display.Stage3D", framework::EventDispatcher, (auto& b) {
    b.template field<&Stage3D::context3D>("context3D")
        .template field<&Stage3D::visible>("visible")
        .template field<&Stage3D::x>("x")
        .template field<&Stage3D::y>("y")
        .template method<&Stage3D::requestContext3D>("requestContext3D")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<Stage3D>();
        });
})
