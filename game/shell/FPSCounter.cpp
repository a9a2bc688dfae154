#include "FPSCounter.h"

#include <cmath>

#include "Game.h"
#include "framework/Lib.h"
#include "platform/runtime/Value.h"

namespace game {

FPSCounter::FPSCounter() {
    redDot = runtime::make<framework::BitmapData>(2, 2, false, static_cast<int>(0xFFFF0000));
    greenDot = runtime::make<framework::BitmapData>(2, 2, false, static_cast<int>(0xFF00FF00));
    yellowDot = runtime::make<framework::BitmapData>(2, 2, false, static_cast<int>(0xFFFFFF00));
    if (Game::releaseVersion) return;
    fpsText = runtime::make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    fpsText->set_x(30);
    addChild(fpsText);
    for (int i = 0; i < 50; ++i) {
        auto dot = runtime::make<framework::Bitmap>(greenDot);
        dot->set_x(2 * i);
        dot->set_y(20);
        dots.push_back(dot);
        addChild(dot);
    }
}

void FPSCounter::update() {
    timeCount += framework::Lib::getTimer() - time;
    timeFrames += 1;
    time = framework::Lib::getTimer();
    if (timeFrames != 10) return;
    rate = std::floor(100000 / (timeCount / 10.0)) / 100;
    if (fpsText) fpsText->set_text(runtime::Value(rate).toText() + " fps");
    timeFrames = 0;
    timeCount = 0;
    if (dots.size() != 50) return;
    for (int i = 0; i < 50; ++i) {
        double y = i < 49 ? dots[i + 1]->get_y() : Game::frameRate - rate + 20;
        dots[i]->set_y(y);
        dots[i]->set_bitmapData(y - 20 > 8 ? redDot : y - 20 > 1 ? yellowDot : greenDot);
    }
}

}  // namespace game

using game::FPSCounter;

RUNTIME_DEFINE_CLASS(FPSCounter, "FPSCounter", game::BitmapSprite, (auto& b) {
    b.template method<&FPSCounter::update>("update").emptyInstance();
})
