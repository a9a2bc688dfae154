// One game frame on floor 5 with the HUD shown, over the real back end, side by side in one run
// with a plain fill of the same 960×540 bitmap: the exploration state's update and the UI root's,
// then the game stage and the UI root drawn into the bitmap. The goal is within 10× of the fill.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "game/battle/Hero.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/floor/TiledMap.h"
#include "game/floor/ZoneData.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/SpriteFont.h"
#include "game/kit/UIColor.h"
#include "game/map/MapState.h"
#include "game/map/NPCData.h"
#include "game/shell/BMDCache.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/UI.h"

namespace {

using runtime::make;
using runtime::Ref;

constexpr int WIDTH = 960;
constexpr int HEIGHT = 540;

// The game's tables and pictures, a dungeon floor 5 built to the end with the hero on it, and the
// UI root over it; saves go to a folder of the run's own.
struct GameScene {
    GameScene() {
        const std::string data = std::filesystem::temp_directory_path().string() + "/glv-frame-bench-" +
                                 std::to_string(getpid());
        std::filesystem::create_directories(data);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        game::Game::frameRate = 60;
        game::BMDCache::load();
        game::UIColor::createColors();
        game::GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        game::SpriteFont::createFonts();
        game::TiledMap::createMaps();
        game::ItemData::createItems();
        game::MonsterData::createMonsters();
        game::NPCData::createNPCs();
        game::GameData::initializeStaticStuff();
        game::ZoneData::setZones();
        game::GameData::initializeGameStuff();
        game::MessageWindow::createStaticWindows();
        engine::EngG::keys = make<engine::EngKeyboard>();
        game::Game::screenWidth = game::Game::gameWidth = WIDTH;
        game::Game::screenHeight = game::Game::gameHeight = HEIGHT;
        game::Game::gameCenter = make<framework::Point>(WIDTH / 2, HEIGHT / 2);
        game::Game::scaleFactor = 1;
        game::Game::gameStage = make<game::BitmapSprite>();
        state = make<game::MapState>();
        game::G::mapState = state;
        state->create();
        game::MapState::loadFogTemplate();
        state->hero = make<game::Hero>();
        state->scaledIntialScreen = true;
        game::Game::ui = make<game::UI>();
        game::GameData::currentFloor = 5;
        game::GameData::inCave = true;
        state->goToMap(nullptr, nullptr);
        for (int frames = 0; state->building && frames < 200; ++frames) state->update();
        frame = make<framework::BitmapData>(WIDTH, HEIGHT, false, static_cast<int>(0xFF000000));
    }

    void step() {
        state->update();
        game::Game::ui->update();
        frame->fillRect(whole, static_cast<int>(0xFF000000));
        frame->draw(game::Game::gameStage);
        frame->draw(game::Game::ui);
    }

    Ref<game::MapState> state;
    Ref<framework::BitmapData> frame;
    Ref<framework::Rectangle> whole = make<framework::Rectangle>(0, 0, WIDTH, HEIGHT);
};

GameScene& scene() {
    static GameScene s;
    return s;
}

void BM_FillFrame(benchmark::State& st) {
    auto frame = make<framework::BitmapData>(WIDTH, HEIGHT, false, static_cast<int>(0xFF000000));
    auto rect = make<framework::Rectangle>(0, 0, WIDTH, HEIGHT);
    int colour = 0;
    for (auto _ : st) {
        frame->fillRect(rect, static_cast<int>(0xFF000000) | (colour++ & 0xFF));
        benchmark::DoNotOptimize(frame->getPixel32(0, 0));
    }
}
BENCHMARK(BM_FillFrame)->Unit(benchmark::kMicrosecond);

void BM_GameFrameFloor5(benchmark::State& st) {
    GameScene& s = scene();
    for (auto _ : st) {
        s.step();
        benchmark::DoNotOptimize(s.frame->getPixel32(0, 0));
    }
    // The share of a 16-unit grid of the frame that is not black: the floor was really drawn.
    int lit = 0, all = 0;
    for (int y = 8; y < HEIGHT; y += 16)
        for (int x = 8; x < WIDTH; x += 16, ++all)
            if ((s.frame->getPixel32(x, y) & 0xFFFFFF) != 0) ++lit;
    st.counters["drawn"] = static_cast<double>(lit) / all;
}
BENCHMARK(BM_GameFrameFloor5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
