#pragma once
// The frame-rate overlay of the UI root: the measured rate over every 10 frames and a scrolling
// graph of 50 dots coloured by the drop from Game::frameRate. Empty in a release build.
#include <vector>

#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "game/kit/TextSprite.h"

namespace game {

class FPSCounter : public BitmapSprite {
    RUNTIME_CLASS(FPSCounter)
public:
    FPSCounter();
    explicit FPSCounter(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void update();

    int time = 0;
    int timeCount = 0;
    int timeFrames = 0;
    // The last measured rate, shown by fpsText followed by " fps".
    double rate = 0;
    runtime::Ref<TextSprite> fpsText;
    std::vector<runtime::Ref<framework::Bitmap>> dots;
    runtime::Ref<framework::BitmapData> yellowDot;
    runtime::Ref<framework::BitmapData> greenDot;
    runtime::Ref<framework::BitmapData> redDot;
};

}  // namespace game
