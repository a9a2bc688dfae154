#pragma once
// The exploration state over the real back end with the game's tables, a hero, a scripted build
// clock and key helpers; each test starts from a fresh state.
#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "framework/Lib.h"
#include "game/data/GameData.h"
#include "game/battle/Monster.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"

namespace testing_game {

// An open room of floor tiles around (16, 16) with no objects, the hero in its middle.
inline void openRoom(game::MapState& state) {
    for (auto& column : state.mapData->tiles)
        for (auto& t : column) {
            const bool inside = t->lev_x >= 8 && t->lev_x <= 24 && t->lev_y >= 8 && t->lev_y <= 24;
            t->wall = !inside;
            t->hole = t->hidden = t->fakeWall = false;
            t->tObj = nullptr;
        }
    state.mapData->tileObjects.clear();
    state.hero->lev_x = state.hero->lev_y = 16;
    state.correctHeroPostion();
}

// A monster on (18, 16) and the pointer held down on it, as the hold-to-inspect starts.
inline runtime::Ref<game::Monster> holdOnMonsterAt18x16(game::MapState& state) {
    game::Tile* tile = state.mapData->tiles[18][16].get();
    auto monster = runtime::make<game::Monster>(tile);
    tile->tObj = monster;
    state.mapData->tileObjects.push_back(monster);
    state.mouseIsDown = true;
    state.lastTileFlashX = 18;
    state.lastTileFlashY = 16;
    return monster;
}

}  // namespace testing_game

class MapStateFixture : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::useOwnSaveFolder("glv-mapstate");
        testing_game::loadGameTablesOnce();
        game::GameData::initializeGameStuff();
        engine::EngG::keys = runtime::make<engine::EngKeyboard>();
        game::Game::gameStage = runtime::make<game::BitmapSprite>();
        game::Game::gameWidth = 960;
        game::Game::gameHeight = 540;
        game::Game::gameCenter = runtime::make<framework::Point>(480, 270);
        game::MapState::timer = [this] { return clock; };
        game::MapState::setFrameRate(60);
        state = runtime::make<game::MapState>();
        state->create();
        game::MapState::loadFogTemplate();
        state->hero = runtime::make<game::Hero>();
        state->scaledIntialScreen = true;
    }

    void TearDown() override {
        state = nullptr;
        game::G::mapState = nullptr;
        engine::EngG::keys = nullptr;
        game::Game::gameStage = nullptr;
        game::Game::gameCenter = nullptr;
        game::MapState::timer = [] { return framework::Lib::getTimer(); };
        game::G::pauseGame = game::G::disableMenu = false;
        KitFixture::TearDown();
    }

    // A dungeon floor built to the end, frame by frame; returns the frames it took.
    int buildFloor(int floor) {
        game::GameData::currentFloor = floor;
        game::GameData::inCave = true;
        state->goToMap(nullptr, nullptr);
        int frames = 0;
        while (state->building && frames < 100) {
            state->update();
            ++frames;
        }
        return frames;
    }

    // Holds a key for the next update (just pressed on the first).
    void press(int code) {
        engine::EngG::keys->updateKeyStates(code, true);
    }
    void release(int code) { engine::EngG::keys->updateKeyStates(code, false); }
    void step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            state->update();
            engine::EngG::keys->update();
        }
    }

    void openRoom() { testing_game::openRoom(*state); }

    int clock = 0;
    runtime::Ref<game::MapState> state;
};

