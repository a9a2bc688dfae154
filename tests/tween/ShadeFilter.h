#pragma once
// A filter with two numeric fields, for filter tweens.
#include "framework/filters/BitmapFilter.h"

class ShadeFilter : public framework::BitmapFilter {
    RUNTIME_CLASS(ShadeFilter)
public:
    explicit ShadeFilter(double strength = 1, double blur = 0)
        : BitmapFilter(runtime::String("shade")), strength(strength), blur(blur) {}
    explicit ShadeFilter(runtime::NoInit n) : BitmapFilter(n) {}

    runtime::Ref<framework::BitmapFilter> clone() override { return runtime::make<ShadeFilter>(strength, blur); }

    double strength = 1;
    double blur = 0;
};
