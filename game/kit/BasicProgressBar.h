#pragma once
// A bar picture revealed from the left in proportion to an amount, over a black track. A change
// can be marked by a white flash over the part just gained or lost, fading out over 2 s; the
// flash sprite is handed to the exploration state's menu effects, which take it off when done.
#include <optional>

#include "BitmapSprite.h"

namespace game {

class BasicProgressBar : public BitmapSprite {
    RUNTIME_CLASS(BasicProgressBar)
public:
    // barBmd is the full bar; its size is the bar's size.
    explicit BasicProgressBar(const runtime::Ref<framework::BitmapData>& barBmd);
    explicit BasicProgressBar(runtime::NoInit n) : BitmapSprite(n) {}

    // Shows amount of maxAmount (maxAmount > 0); change is the amount just gained or lost.
    virtual void update(std::optional<double> change, int maxAmount, int amount, bool flash = true);
    // Flashes the whole filled part (0.3 s); nothing on an empty bar.
    virtual void flashCurrentAmount();

    int barWidth = 0;
    int barHeight = 0;
    runtime::Ref<framework::Bitmap> stuff;
    runtime::Ref<BitmapSprite> whiteBitmap;

private:
    void startFlash(int width, double x, double seconds, bool quadIn);
};

}  // namespace game
