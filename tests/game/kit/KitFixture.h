#pragma once
// The widget kit over the real back end: the generated assets, the shared bitmaps, the palette
// and the fifteen fonts made fresh for each test, kit caches emptied, 60 frames per second.
// onStage runs steps on a real stage, one per frame; tweens advance on the real clock.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "framework/geom/Point.h"
#include "game/data/GameData.h"
#include "game/kit/Scale9BitmapSprite.h"
#include "game/kit/SpriteFont.h"
#include "game/kit/TextSprite.h"
#include "game/kit/UIColor.h"
#include "game/shell/BMDCache.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "tween/Tweener.h"
#include "tween/actuators/SimpleActuator.h"
#include "tests/game/NativeInput.h"

class KitFixture : public ::testing::Test {
protected:
    void SetUp() override {
        game::Game::frameRate = 60;
        game::Game::mobile = false;
        game::G::frameCount = 0;
        game::TextSprite::STATIC_BMD_CACHE.clear();
        game::Scale9BitmapSprite::BUTTON_BMD_CACHE.clear();
        game::Scale9BitmapSprite::MAP_IDS.clear();
        game::Scale9BitmapSprite::mapPiecesCache.clear();
        game::SpriteFont::LAST_ID = 0;
        game::BMDCache::load();
        game::UIColor::createColors();
        // The palette start-up chooses; the UI root's equipment slots read it.
        game::GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        game::SpriteFont::createFonts();
    }

    void TearDown() override {
        tween::Tweener::reset();
        game::Game::ui = nullptr;
        game::Game::frameRate = 60;
        game::Game::mobile = false;
    }

    // The screen and game area at w x h (no scaling), centred.
    static void gameArea(int w, int h) {
        game::Game::screenWidth = game::Game::gameWidth = w;
        game::Game::screenHeight = game::Game::gameHeight = h;
        game::Game::gameCenter = runtime::make<framework::Point>(w / 2, h / 2);
    }

    // Runs each step on its own frame of a real w x h stage, then closes it.
    static void onStage(std::vector<std::function<void()>> steps, int w = 960, int h = 540) {
        std::size_t next = 0;
        auto onLoaded = runtime::Function::of([&] {
            framework::Lib::get_stage()->addEventListener("enterFrame", runtime::Function::of([&](runtime::Value) {
                if (next < steps.size()) steps[next++]();
                else framework::Lib::close();
            }));
        });
        framework::Lib::create(onLoaded, w, h, 60, 0x000000, 0, "kit");
    }

    // Queues a real pointer event at (x, y) on the window: motion, or a left-button press or release.
    static void pointer(Uint32 type, int x, int y) { testing_game::pushPointer(type, x, y); }

    // Advances every tween on the real clock until done() holds, for at most two seconds.
    template <class Done>
    static bool runTweensUntil(Done done) {
        const auto start = std::chrono::steady_clock::now();
        while (!done()) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(2)) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            tween::SimpleActuator::stage_onEnterFrame(runtime::make<framework::Event>("enterFrame"));
        }
        return true;
    }
};
