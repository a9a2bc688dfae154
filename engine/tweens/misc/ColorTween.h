#pragma once
// Tweens a colour and an alpha, optionally applied to a sprite through its "color" and "alpha"
// properties.
#include "engine/tweens/EngTween.h"

namespace engine {

class ColorTween : public EngTween {
    RUNTIME_CLASS(ColorTween)
public:
    explicit ColorTween(runtime::Ref<runtime::Object> options = nullptr) : EngTween(std::move(options)) {}
    explicit ColorTween(runtime::NoInit n) : EngTween(n) {}

    // Colours are read as 0xRRGGBB (a top byte is ignored).
    virtual ColorTween* tween(double duration, int32_t fromColor, int32_t toColor, double fromAlpha = 1,
                              double toAlpha = 1, runtime::Ref<runtime::Object> sprite = nullptr);
    void update() override;
    void destroy() override;

    int32_t color = 0;
    double alpha = 1;
    runtime::Ref<runtime::Object> sprite;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    double _startA = 0, _startR = 0, _startG = 0, _startB = 0;
    double _rangeA = 0, _rangeR = 0, _rangeG = 0, _rangeB = 0;
};

}  // namespace engine
