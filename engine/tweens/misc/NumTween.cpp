#include "NumTween.h"

namespace engine {

NumTween* NumTween::tween(double fromValue, double toValue, double d, runtime::Ref<runtime::Function> fn) {
    value = _start = fromValue;
    _range = toValue - fromValue;
    duration = d;
    _tweenFunction = std::move(fn);
    start();
    return this;
}

void NumTween::update() {
    EngTween::update();
    value = _start + _range * scale;
    if (_tweenFunction) {
        runtime::Ref<runtime::Function> fn = _tweenFunction;
        (*fn)(value);
    }
}

void NumTween::destroy() {
    EngTween::destroy();
    _tweenFunction = nullptr;
}

}  // namespace engine

using engine::NumTween;

RUNTIME_DEFINE_CLASS(NumTween, "engine.tweens.misc.NumTween", engine::EngTween, (auto& b) {
    b.template field<&NumTween::value>("value").emptyInstance();
})
