#pragma once
// The black start-up screen with the logo that covers the window while the UI root is built.
// Sized from Game::screenWidth and Game::screenHeight.
#include "framework/display/Bitmap.h"
#include "framework/display/Sprite.h"

namespace game {

class AppLoadingScreen : public framework::Sprite {
    RUNTIME_CLASS(AppLoadingScreen)
public:
    AppLoadingScreen();
    explicit AppLoadingScreen(runtime::NoInit n) : framework::Sprite(n) {}

    runtime::Ref<framework::Bitmap> background;
    // The logo at twice its size, centred, its bottom 30 pixels above the screen's middle line
    // plus its own height.
    runtime::Ref<framework::Bitmap> logo;
};

}  // namespace game
