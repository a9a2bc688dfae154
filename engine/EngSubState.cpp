#include "EngSubState.h"

#include "engine/system/layer/EngBGSprite.h"
#include "framework/display/BitmapData.h"
#include "platform/runtime/Args.h"

namespace engine {

EngSubState::EngSubState(int bgColor) : _bgSprite(runtime::make<EngBGSprite>()) { set_bgColor(bgColor); }

void EngSubState::close() {
    runtime::Ref<EngState> parent = _parentState.lock();
    if (parent && parent->subState.get() == this) parent->_requestSubStateReset = true;
}

void EngSubState::draw() {
    // A destroyed sub-state has no background left to draw.
    if (_bgSprite) _bgSprite->draw();
    EngState::draw();
}

void EngSubState::destroy() {
    EngState::destroy();
    closeCallback = nullptr;
    _parentState = nullptr;
    _bgSprite = nullptr;
}

int EngSubState::set_bgColor(int color) {
    if (_bgSprite && _bgSprite->get_pixels()) _bgSprite->get_pixels()->setPixel32(0, 0, color);
    _bgColor = color;
    return color;
}

}  // namespace engine

using engine::EngSubState;

RUNTIME_DEFINE_CLASS(EngSubState, "engine.EngSubState", engine::EngState, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<EngSubState>(runtime::Args(args, argc).integer(0));
    });
})
