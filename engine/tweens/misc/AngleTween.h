#pragma once
// Tweens an angle in degrees the shorter way round, optionally applied to a sprite's "angle".
#include "engine/tweens/EngTween.h"

namespace engine {

class AngleTween : public EngTween {
    RUNTIME_CLASS(AngleTween)
public:
    explicit AngleTween(runtime::Ref<runtime::Object> options = nullptr) : EngTween(std::move(options)) {}
    explicit AngleTween(runtime::NoInit n) : EngTween(n) {}

    virtual AngleTween* tween(double fromAngle, double toAngle, double duration,
                              runtime::Ref<runtime::Object> sprite = nullptr);
    void update() override;
    void destroy() override;

    // 0 <= angle < 360 after each update.
    double angle = 0;
    runtime::Ref<runtime::Object> sprite;
    double _start = 0;
    double _range = 0;
};

}  // namespace engine
