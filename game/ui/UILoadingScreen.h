#pragma once
// The black "Loading..." cover with a progress bar, shown while something is built over several
// frames (the skill tree, the pixel-filter switch). It changes only when a builder calls update.
#include "game/kit/BasicProgressBar.h"
#include "game/kit/TextSprite.h"

namespace game {

class UILoadingScreen : public BitmapSprite {
    RUNTIME_CLASS(UILoadingScreen)
public:
    static constexpr int BAR_WIDTH = 300;
    static constexpr int BAR_HEIGHT = 15;
    static constexpr int BAR_TOTAL = 1000;

    UILoadingScreen();
    explicit UILoadingScreen(runtime::NoInit n) : BitmapSprite(n) {}

    // Lays the cover, text and bar out for the current game area.
    virtual void resizeScreen();
    // progress is a fraction from 0 to 1; the bar shows it truncated to thousandths.
    virtual void update(double progress);

    runtime::Ref<framework::Bitmap> back;
    runtime::Ref<TextSprite> label;
    runtime::Ref<BasicProgressBar> bar;
};

}  // namespace game
