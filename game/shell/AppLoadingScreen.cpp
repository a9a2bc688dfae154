#include "AppLoadingScreen.h"

#include <cmath>

#include "BMDCache.h"
#include "Game.h"
#include "PixelSmoother.h"

namespace game {

AppLoadingScreen::AppLoadingScreen() {
    background = runtime::make<framework::Bitmap>(BMDCache::blackSquare2x2);
    addChild(background);

    auto logoBitmap = PixelSmoother::smoothAsset("assets/ui/glv2logo.png");
    int logoWidth = logoBitmap ? logoBitmap->get_width() : 0;
    int logoHeight = logoBitmap ? logoBitmap->get_height() : 0;
    logo = runtime::make<framework::Bitmap>(logoBitmap);
    logo->set_scaleX(2);
    logo->set_scaleY(2);
    logo->set_x(std::trunc(Game::screenWidth * 0.5 - logoWidth));
    logo->set_y(std::trunc(Game::screenHeight * 0.5 - logoHeight) - 30);
    addChild(logo);

    // The "Loading..." text goes here (centred at screen middle x, at y = trunc(screenHeight / 2) +
    // logo height + 30) once the bitmap-font text exists.

    background->set_width(Game::screenWidth);
    background->set_height(Game::screenHeight);
}

}  // namespace game

using game::AppLoadingScreen;

RUNTIME_DEFINE_CLASS(AppLoadingScreen, "AppLoadingScreen", framework::Sprite, (auto& b) { b.emptyInstance(); })
