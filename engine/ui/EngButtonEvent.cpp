#include "EngButtonEvent.h"

namespace engine {

void EngButtonEvent::destroy() {
    callback = nullptr;
    if (sound) sound->destroy();
    sound = nullptr;
}

void EngButtonEvent::fire() {
    runtime::Ref<EngButtonEvent> keep(this);
    if (runtime::Ref<runtime::Function> c = callback) c->callArgs(nullptr, 0);
    if (sound) sound->play(true);
}

}  // namespace engine

using engine::EngButtonEvent;

RUNTIME_DEFINE_CLASS(EngButtonEvent, "engine.ui.EngButtonEvent", runtime::Object, (auto& b) {
    b.template field<&EngButtonEvent::callback>("callback")
        .template field<&EngButtonEvent::sound>("sound")
        .template method<&EngButtonEvent::fire>("fire")
        .emptyInstance();
})
