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
    logo = runtime::make<BitmapSprite>(logoBitmap);
    logo->set_scaleX(2);
    logo->set_scaleY(2);
    logo->set_x(std::trunc(Game::screenWidth * 0.5 - logoWidth));
    logo->set_y(std::trunc(Game::screenHeight * 0.5 - logoHeight) - 30);
    addChild(logo);

    text = runtime::make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Loading...", false, -1, 2, true, 0, false,
                                     false, -5.0, 2, true);
    addChild(text);

    background->set_width(Game::screenWidth);
    background->set_height(Game::screenHeight);
    text->set_x(std::trunc(Game::screenWidth * 0.5));
    text->set_y(std::trunc(Game::screenHeight * 0.5) + logoHeight + 30);
}

}  // namespace game

using game::AppLoadingScreen;

RUNTIME_DEFINE_CLASS(AppLoadingScreen, "AppLoadingScreen", game::BitmapSprite, (auto& b) { b.emptyInstance(); })
