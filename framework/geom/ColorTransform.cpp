#include "ColorTransform.h"

#include <cstdint>

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

void ColorTransform::concat(const runtime::Ref<ColorTransform>& s) {
    redMultiplier += s->redMultiplier;
    greenMultiplier += s->greenMultiplier;
    blueMultiplier += s->blueMultiplier;
    alphaMultiplier += s->alphaMultiplier;
}

int ColorTransform::get_color() {
    using runtime::Numbers;
    // Shifts on unsigned: an offset out of 0..255 spills into its neighbours' bits.
    const uint32_t r = static_cast<uint32_t>(Numbers::floatToInt(redOffset));
    const uint32_t g = static_cast<uint32_t>(Numbers::floatToInt(greenOffset));
    const uint32_t b = static_cast<uint32_t>(Numbers::floatToInt(blueOffset));
    return static_cast<int32_t>((r << 16) | (g << 8) | b);
}

int ColorTransform::set_color(int value) {
    redOffset = (value >> 16) & 0xFF;
    greenOffset = (value >> 8) & 0xFF;
    blueOffset = value & 0xFF;
    redMultiplier = 0;
    greenMultiplier = 0;
    blueMultiplier = 0;
    return get_color();
}

}  // namespace framework

using framework::ColorTransform;

RUNTIME_DEFINE_CLASS(ColorTransform, "framework._native.geom.ColorTransform", runtime::Object, (auto& b) {
    b.template field<&ColorTransform::alphaMultiplier>("alphaMultiplier")
        .template field<&ColorTransform::alphaOffset>("alphaOffset")
        .template field<&ColorTransform::blueMultiplier>("blueMultiplier")
        .template field<&ColorTransform::blueOffset>("blueOffset")
        .template field<&ColorTransform::greenMultiplier>("greenMultiplier")
        .template field<&ColorTransform::greenOffset>("greenOffset")
        .template field<&ColorTransform::redMultiplier>("redMultiplier")
        .template field<&ColorTransform::redOffset>("redOffset")
        .template property<&ColorTransform::get_color, &ColorTransform::set_color>("color")
        .template method<&ColorTransform::concat>("concat")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<ColorTransform>(a.number(0, 1), a.number(1, 1), a.number(2, 1), a.number(3, 1),
                                                 a.number(4), a.number(5), a.number(6), a.number(7));
        });
})
