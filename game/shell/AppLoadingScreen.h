#pragma once
// The black start-up screen with the logo that covers the window while the UI root is built.
// Sized from Game::screenWidth and Game::screenHeight.
#include "framework/display/Bitmap.h"
#include "game/kit/TextSprite.h"

namespace game {

class AppLoadingScreen : public BitmapSprite {
    RUNTIME_CLASS(AppLoadingScreen)
public:
    AppLoadingScreen();
    explicit AppLoadingScreen(runtime::NoInit n) : BitmapSprite(n) {}

    runtime::Ref<framework::Bitmap> background;
    // The logo at twice its size, centred, its bottom 30 pixels above the screen's middle line
    // plus its own height.
    runtime::Ref<BitmapSprite> logo;
    // "Loading...", centred under the logo.
    runtime::Ref<TextSprite> text;
};

}  // namespace game
