#include "UILoadingScreen.h"

#include <cmath>

#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;

UILoadingScreen::UILoadingScreen() {
    back = make<framework::Bitmap>(BMDCache::blackSquare2x2);
    addChild(back);
    label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Loading...", false, -1, 2, true, 0, false, false,
                             -5.0, 2, true);
    addChild(label);
    bar = make<BasicProgressBar>(
        make<framework::BitmapData>(BAR_WIDTH, BAR_HEIGHT, true, static_cast<int>(0xFFFFFFFF)));
    addChild(bar);
    resizeScreen();
    update(0);
}

void UILoadingScreen::resizeScreen() {
    const double cx = Game::gameCenter ? Game::gameCenter->x : 0;
    const double cy = Game::gameCenter ? Game::gameCenter->y : 0;
    back->set_width(Game::gameWidth);
    back->set_height(Game::gameHeight);
    label->set_x(cx);
    label->set_y(cy - 30);
    bar->set_x(cx - bar->barWidth * 0.5);
    bar->set_y(cy + 5);
}

void UILoadingScreen::update(double progress) {
    bar->update(std::nullopt, BAR_TOTAL, static_cast<int>(std::trunc(progress * BAR_TOTAL)), false);
}

}  // namespace game

using game::UILoadingScreen;

RUNTIME_DEFINE_CLASS(UILoadingScreen, "UILoadingScreen", game::BitmapSprite, (auto& b) {
    b.template field<&UILoadingScreen::back>("back")
        .template field<&UILoadingScreen::label>("label")
        .template field<&UILoadingScreen::bar>("bar")
        .template method<&UILoadingScreen::resizeScreen>("resizeScreen")
        .template method<&UILoadingScreen::update>("update")
        .emptyInstance();
})
