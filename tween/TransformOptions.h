#pragma once
// What Tweener::transform returns: color and sound build the record that TransformActuator
// reads and start its tween. With duration 0 the end transform is assigned at once.
#include <optional>

#include "tween/actuators/IGenericActuator.h"

namespace tween {

class TransformOptions : public runtime::Object {
    RUNTIME_CLASS(TransformOptions)
public:
    TransformOptions(const runtime::Ref<runtime::Object>& target, double duration, bool overwrite)
        : duration(duration), overwrite(overwrite), target(target) {}
    explicit TransformOptions(runtime::NoInit) {}

    // A tint towards value (0xRRGGBB): strength 1 replaces the object's colours, 0.5 adds the
    // colour in full, 0 removes any tint. alpha, when given, is the end alpha multiplier.
    virtual runtime::Ref<IGenericActuator> color(int value = 0x000000, double strength = 1,
                                                 std::optional<double> alpha = std::nullopt);
    // End volume and pan of the target's sound transform; a value not given is not tweened.
    virtual runtime::Ref<IGenericActuator> sound(std::optional<double> volume = std::nullopt,
                                                 std::optional<double> pan = std::nullopt);

    double duration = 0;
    bool overwrite = true;
    runtime::Ref<runtime::Object> target;
};

}  // namespace tween
