#include "ColorTween.h"

#include "platform/runtime/Numbers.h"

namespace engine {

ColorTween* ColorTween::tween(double d, int32_t fromColor, int32_t toColor, double fromAlpha, double toAlpha,
                              runtime::Ref<runtime::Object> target) {
    fromColor &= 0xFFFFFF;
    toColor &= 0xFFFFFF;
    color = fromColor;
    red = (fromColor >> 16) & 0xFF;
    green = (fromColor >> 8) & 0xFF;
    blue = fromColor & 0xFF;
    _startR = red / 255.0;
    _startG = green / 255.0;
    _startB = blue / 255.0;
    _rangeR = ((toColor >> 16) & 0xFF) / 255.0 - _startR;
    _rangeG = ((toColor >> 8) & 0xFF) / 255.0 - _startG;
    _rangeB = (toColor & 0xFF) / 255.0 - _startB;
    alpha = _startA = fromAlpha;
    _rangeA = toAlpha - fromAlpha;
    duration = d;
    sprite = std::move(target);
    start();
    return this;
}

void ColorTween::update() {
    EngTween::update();
    alpha = _startA + _rangeA * scale;
    red = runtime::Numbers::floatToInt((_startR + _rangeR * scale) * 255);
    green = runtime::Numbers::floatToInt((_startG + _rangeG * scale) * 255);
    blue = runtime::Numbers::floatToInt((_startB + _rangeB * scale) * 255);
    color = red << 16 | green << 8 | blue;
    if (sprite) {
        sprite->setField("color", runtime::Value(color));
        sprite->setField("alpha", runtime::Value(alpha));
    }
}

void ColorTween::destroy() {
    EngTween::destroy();
    sprite = nullptr;
}

}  // namespace engine

using engine::ColorTween;

RUNTIME_DEFINE_CLASS(ColorTween, "engine.tweens.misc.ColorTween", engine::EngTween, (auto& b) {
    b.template field<&ColorTween::color>("color").template field<&ColorTween::alpha>("alpha").emptyInstance();
})
