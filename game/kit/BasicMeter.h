#pragma once
// A framed horizontal fill showing a fraction: a one-pixel white outline below 13 pixels of
// height, the slider-border nine-slice frame from 13 up. A new meter shows its fill whole.
#include "BitmapSprite.h"

namespace game {

class BasicMeter : public BitmapSprite {
    RUNTIME_CLASS(BasicMeter)
public:
    BasicMeter(int meterWidth, int meterHeight, int color);
    explicit BasicMeter(runtime::NoInit n) : BitmapSprite(n) {}

    // The fill shows percent of its width, never less than one pixel.
    virtual void setPercent(double percent);

    int meterWidth = 0;
    int meterHeight = 0;
    double percent = 0;
    runtime::Ref<framework::Bitmap> stuff;
};

}  // namespace game
