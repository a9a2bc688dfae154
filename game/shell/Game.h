#pragma once
// The application's engine game. Its constructor fixes the engine options, reads the screen
// size, prepares every static table of the game in a fixed order, loads the saved settings and
// then starts the engine game with the exploration state first. Its statics are the game-wide
// screen geometry, UI scale, platform flags, world container, UI root and loading screen.
#include "AppLoadingScreen.h"
#include "engine/EngGame.h"
#include "framework/display/Sprite.h"
#include "framework/geom/Point.h"
#include "game/kit/BitmapSprite.h"
#include "game/ui/UI.h"

namespace game {

class Game : public engine::EngGame {
    RUNTIME_CLASS(Game)
public:
    Game();
    explicit Game(runtime::NoInit n) : engine::EngGame(n) {}

    static inline int baseGameHeight = 540;
    static inline int baseGameWidth = 960;
    // Frames per second of the game's frame counting: 60, or 30 by the player's choice.
    static inline int frameRate = 60;
    static inline int screenWidth = 0;
    static inline int screenHeight = 0;
    // The logical game area, in the scaled coordinate space.
    static inline int gameWidth = 0;
    static inline int gameHeight = 0;
    static inline runtime::Ref<framework::Point> gameCenter;
    static inline double scaleFactor = 0;
    static inline bool steam = true;
    static inline bool releaseVersion = true;
    static inline bool desktop = false;
    static inline bool mobile = false;
    static inline bool beta = false;
    static inline bool ads = false;
    static inline bool newgrounds = false;
    static inline bool isOnKong = false;
    // The container of the drawn map and world.
    static inline runtime::Ref<BitmapSprite> gameStage;
    // The UI root, made by the first createUI.
    static inline runtime::Ref<UI> ui;
    static inline bool splashPlaying = false;
    static inline runtime::Ref<AppLoadingScreen> appLoadingScreen;

    // (Re)computes the screen geometry and the UI scale, (re)builds the UI root and puts the
    // world and the UI on the stage; with isLoadingScreen, fades the start-up screen out.
    static void createUI(bool isLoadingScreen = false);
    static void showAppLoadingScreen();
    static void removeAppLoadingScreen();
    // The geometry part of createUI for the current screen size: scale factor, game area and
    // centre, and gameStage's scale.
    static void layoutScreen(bool largeGui);

    void onFocus(const runtime::Ref<framework::Event>& event) override {}
    void onFocusLost(const runtime::Ref<framework::Event>& event) override {}

private:
    struct EngineOptions {
        int width;
        int height;
        int frameRate;
        bool fullscreen;
    };
    explicit Game(const EngineOptions& options);
    // Everything the constructor does before the engine game is made.
    static EngineOptions prepare();
};

}  // namespace game
