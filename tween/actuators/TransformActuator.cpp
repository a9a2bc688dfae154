#include "TransformActuator.h"

#include "framework/display/DisplayObject.h"

namespace tween {

using framework::ColorTransform;
using framework::SoundTransform;
using runtime::Ref;
using runtime::Value;

namespace {
constexpr std::string_view COLOR_VALUE = "colorValue";
constexpr std::string_view COLOR_STRENGTH = "colorStrength";
constexpr std::string_view COLOR_ALPHA = "colorAlpha";
constexpr std::string_view SOUND_VOLUME = "soundVolume";
constexpr std::string_view SOUND_PAN = "soundPan";
constexpr std::string_view SOUND_TRANSFORM = "soundTransform";
constexpr std::string_view TRANSFORM = "transform";
constexpr std::string_view COLOR_TRANSFORM = "colorTransform";
}  // namespace

TransformActuator::TransformActuator(const Ref<runtime::Object>& target, double duration,
                                     const Ref<runtime::Object>& properties)
    : SimpleActuator(target, duration, properties) {}

Ref<GenericActuator> TransformActuator::create(const Ref<runtime::Object>& target, double duration,
                                               const Ref<runtime::Object>& properties) {
    return runtime::make<TransformActuator>(target, duration, properties);
}

void TransformActuator::addDetails(const Ref<runtime::Object>& owner, const char* name, double start, double end) {
    // The working transforms are class-based: their fields are written through their members.
    propertyDetails.emplace_back(owner, name, start, end - start, false);
}

void TransformActuator::initialize() {
    Ref<runtime::Object> t = target.lock();
    if (properties) {
        if (properties->hasField(COLOR_VALUE) && dynamic_cast<framework::DisplayObject*>(t.get())) initializeColor();
        if (properties->hasField(SOUND_VOLUME) || properties->hasField(SOUND_PAN)) initializeSound();
    }
    detailsLength = static_cast<int>(propertyDetails.size());
    initialized = true;
}

void TransformActuator::initializeColor() {
    Ref<runtime::Object> t = target.lock();
    endColorTransform = runtime::make<ColorTransform>();
    int32_t c = getField(properties.get(), COLOR_VALUE).toInt();
    double r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    double s = getField(properties.get(), COLOR_STRENGTH).toFloat();
    ColorTransform& end = *endColorTransform;
    if (s >= 1) {
        end.redMultiplier = end.greenMultiplier = end.blueMultiplier = 0;
        end.redOffset = r;
        end.greenOffset = g;
        end.blueOffset = b;
    } else {
        // From 0 to 0.5 the colour is added up to its full value; from 0.5 to 1 the object's own
        // colours fade out under it.
        double m = s < 0.5 ? 1 : 1 - (s - 0.5) * 2;
        double f = s < 0.5 ? s * 2 : 1;
        end.redMultiplier = end.greenMultiplier = end.blueMultiplier = m;
        end.redOffset = f * r;
        end.greenOffset = f * g;
        end.blueOffset = f * b;
    }
    bool tweenAlpha = properties->hasField(COLOR_ALPHA);
    end.alphaMultiplier = tweenAlpha ? getField(properties.get(), COLOR_ALPHA).toFloat()
                                     : getField(t.get(), "alpha").toFloat();

    Ref<runtime::Object> transform = getField(t.get(), TRANSFORM).ref();
    Ref<ColorTransform> begin(getField(transform.get(), COLOR_TRANSFORM).as<ColorTransform>());
    if (!begin) begin = runtime::make<ColorTransform>();
    tweenColorTransform = runtime::make<ColorTransform>();
    // The alpha multiplier is the object's alpha: when it is not tweened it keeps its value.
    tweenColorTransform->alphaMultiplier = end.alphaMultiplier;
    Ref<runtime::Object> work = tweenColorTransform;
    addDetails(work, "redMultiplier", begin->redMultiplier, end.redMultiplier);
    addDetails(work, "greenMultiplier", begin->greenMultiplier, end.greenMultiplier);
    addDetails(work, "blueMultiplier", begin->blueMultiplier, end.blueMultiplier);
    addDetails(work, "redOffset", begin->redOffset, end.redOffset);
    addDetails(work, "greenOffset", begin->greenOffset, end.greenOffset);
    addDetails(work, "blueOffset", begin->blueOffset, end.blueOffset);
    if (tweenAlpha) addDetails(work, "alphaMultiplier", begin->alphaMultiplier, end.alphaMultiplier);
}

void TransformActuator::initializeSound() {
    Ref<runtime::Object> t = target.lock();
    if (!t) return;
    if (getField(t.get(), SOUND_TRANSFORM).isNull())
        setField(t.get(), SOUND_TRANSFORM, Value(runtime::make<SoundTransform>()));
    Ref<SoundTransform> start(getField(t.get(), SOUND_TRANSFORM).as<SoundTransform>());
    if (!start) return;
    Ref<SoundTransform> end(getField(t.get(), SOUND_TRANSFORM).as<SoundTransform>());
    // A target that hands out its own transform rather than a copy must not see the end values
    // before the tween ends.
    if (end == start) end = start->clone();
    endSoundTransform = end;
    // A field that is not tweened keeps the target's value while the tween runs.
    tweenSoundTransform = start->clone();
    Ref<runtime::Object> work = tweenSoundTransform;
    if (properties->hasField(SOUND_VOLUME)) {
        end->volume = getField(properties.get(), SOUND_VOLUME).toFloat();
        addDetails(work, "volume", start->volume, end->volume);
    }
    if (properties->hasField(SOUND_PAN)) {
        end->pan = getField(properties.get(), SOUND_PAN).toFloat();
        addDetails(work, "pan", start->pan, end->pan);
    }
}

void TransformActuator::writeColorTransform(runtime::Object* t, const Ref<ColorTransform>& value) {
    Ref<runtime::Object> transform = getField(t, TRANSFORM).ref();
    if (transform) setField(transform.get(), COLOR_TRANSFORM, Value(value));
}

void TransformActuator::apply() {
    Ref<runtime::Object> t = target.lock();
    initialize();
    if (!t) return;
    if (endColorTransform) writeColorTransform(t.get(), endColorTransform);
    if (endSoundTransform) setField(t.get(), SOUND_TRANSFORM, Value(endSoundTransform));
}

void TransformActuator::update(double time) {
    Ref<TransformActuator> keep(this);
    Ref<runtime::Object> t = target.lock();
    SimpleActuator::update(time);
    if (!t) return;
    if (endColorTransform) writeColorTransform(t.get(), tweenColorTransform);
    if (endSoundTransform) setField(t.get(), SOUND_TRANSFORM, Value(tweenSoundTransform));
}

RUNTIME_DEFINE_CLASS(TransformActuator, "tween.actuators.TransformActuator", SimpleActuator, (auto& b) {
    b.template field<&TransformActuator::endColorTransform>("endColorTransform")
        .template field<&TransformActuator::endSoundTransform>("endSoundTransform")
        .template field<&TransformActuator::tweenColorTransform>("tweenColorTransform")
        .template field<&TransformActuator::tweenSoundTransform>("tweenSoundTransform")
        .template method<&TransformActuator::initializeColor>("initializeColor")
        .template method<&TransformActuator::initializeSound>("initializeSound");
})

}  // namespace tween
