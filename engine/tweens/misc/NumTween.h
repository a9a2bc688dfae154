#pragma once
// A tween of one number, handed to a function after every update.
#include "engine/tweens/EngTween.h"

namespace engine {

class NumTween : public EngTween {
    RUNTIME_CLASS(NumTween)
public:
    explicit NumTween(runtime::Ref<runtime::Object> options = nullptr) : EngTween(std::move(options)) {}
    explicit NumTween(runtime::NoInit n) : EngTween(n) {}

    virtual NumTween* tween(double fromValue, double toValue, double duration,
                            runtime::Ref<runtime::Function> tweenFunction = nullptr);
    void update() override;
    void destroy() override;

    double value = 0;
    runtime::Ref<runtime::Function> _tweenFunction;
    double _start = 0;
    double _range = 0;
};

}  // namespace engine
