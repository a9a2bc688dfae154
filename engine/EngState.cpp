#include "EngState.h"

#include "engine/EngG.h"
#include "engine/EngSubState.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "platform/runtime/Args.h"

namespace engine {

using runtime::Ref;

EngState::EngState(int maxSize) : EngGroup(maxSize) {}
EngState::EngState(runtime::NoInit n) : EngGroup(n) {}
EngState::~EngState() = default;

void EngState::openSubState(const Ref<EngSubState>& requested) {
    _requestedSubState = requested;
    _requestSubStateReset = true;
}

void EngState::closeSubState() { _requestSubStateReset = true; }

void EngState::resetSubState() {
    if (Ref<EngSubState> old = subState) {
        if (old->closeCallback) {
            Ref<runtime::Function> cb = old->closeCallback;
            (*cb)();
        }
        if (destroySubStates) old->destroy();
    }
    subState = _requestedSubState;
    _requestedSubState = nullptr;
    if (!subState) return;
    if (!persistentUpdate && EngG::inputs) EngG::inputs->reset();
    if (subState->_created) return;
    subState->_created = true;
    subState->_parentState = this;
    Ref<EngSubState>(subState)->create();
}

void EngState::tryUpdate() {
    Ref<EngState> keep(this);
    if (persistentUpdate || !subState) update();
    if (_requestSubStateReset) {
        _requestSubStateReset = false;
        resetSubState();
    } else if (Ref<EngSubState> sub = subState) {
        sub->tryUpdate();
    }
}

int EngState::get_bgColor() { return EngG::cameras->get_bgColor(); }

int EngState::set_bgColor(int color) { return EngG::cameras->set_bgColor(color); }

void EngState::draw() {
    if (persistentDraw || !subState) EngGroup::draw();
    if (Ref<EngSubState> sub = subState) sub->draw();
}

void EngState::destroy() {
    if (Ref<EngSubState> sub = subState) {
        subState = nullptr;
        sub->destroy();
    }
    EngGroup::destroy();
}

}  // namespace engine

using engine::EngState;

RUNTIME_DEFINE_CLASS(EngState, "engine.EngState", engine::EngGroup, (auto& b) {
    b.template field<&EngState::persistentUpdate>("persistentUpdate")
        .template field<&EngState::persistentDraw>("persistentDraw")
        .template field<&EngState::destroySubStates>("destroySubStates")
        .template property<&EngState::get_bgColor, &EngState::set_bgColor>("bgColor")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<EngState>(runtime::Args(args, argc).integer(0));
        });
})
