#pragma once
// Tweens a display object's colour transform (a tint of one colour with a strength, and
// optionally its alpha multiplier) and the sound transform of an object with a "soundTransform"
// property (a sound channel's volume and pan). The details records animate working transforms,
// which are assigned to the target after every update.
//
// Record keys: "colorValue" (0xRRGGBB; selects the colour part), "colorStrength" (0 when absent),
// "colorAlpha" (optional end alpha multiplier), "soundVolume" and "soundPan" (either selects the
// sound part). No other key is animated or written. A part's fields that are not tweened keep the
// target's values (alpha multiplier = the object's alpha; volume, pan) while it runs.
#include "SimpleActuator.h"
#include "framework/geom/ColorTransform.h"
#include "framework/media/SoundTransform.h"

namespace tween {

class TransformActuator : public SimpleActuator {
    RUNTIME_CLASS(TransformActuator)
public:
    TransformActuator(const runtime::Ref<runtime::Object>& target, double duration,
                      const runtime::Ref<runtime::Object>& properties);
    explicit TransformActuator(runtime::NoInit n) : SimpleActuator(n) {}

    // The actuator kind.
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    // Computes the end transforms from the record and the target's state now, and assigns them.
    void apply() override;
    void initialize() override;
    // Also assigns the working transforms in every call: while paused and after completing too.
    void update(double t) override;

    virtual void initializeColor();
    // A target without a "soundTransform" property has no sound part.
    virtual void initializeSound();

    runtime::Ref<framework::ColorTransform> endColorTransform;
    runtime::Ref<framework::SoundTransform> endSoundTransform;
    runtime::Ref<framework::ColorTransform> tweenColorTransform;
    runtime::Ref<framework::SoundTransform> tweenSoundTransform;

private:
    void writeColorTransform(runtime::Object* target, const runtime::Ref<framework::ColorTransform>& value);
    void addDetails(const runtime::Ref<runtime::Object>& owner, const char* name, double start, double end);
};

}  // namespace tween
