// The choose-floor window at the town's way into the dungeon, and the floor-skip menu.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/floor/TeleportTile.h"
#include "game/floor/TiledMap.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/UI.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"

using game::G;
using game::GameData;
using game::MapState;
using game::UI;
using runtime::make;
using runtime::Ref;

namespace {

class ChooseFloorTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::useOwnSaveFolder("glv-choosefloor");
        testing_game::loadGameTablesOnce();
        GameData::initializeGameStuff();
        engine::EngG::keys = make<engine::EngKeyboard>();
        game::Game::gameStage = make<game::BitmapSprite>();
        gameArea(960, 540);
        MapState::setFrameRate(60);
        state = make<MapState>();
        state->create();
        MapState::loadFogTemplate();
        state->hero = make<game::Hero>();
        state->scaledIntialScreen = true;
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
        G::pauseGame = G::disableMenu = false;
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        engine::EngG::keys = nullptr;
        game::Game::gameStage = nullptr;
        game::Game::gameCenter = nullptr;
        G::pauseGame = G::disableMenu = false;
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    // The window's "Cancel": the button that is not a start point.
    Ref<game::BasicButton> cancelButton() {
        for (int i = ui->chooseFloorWin->get_numChildren() - 1; i >= 0; --i)
            if (auto b = ui->chooseFloorWin->getChildAt(i).cast<game::BasicButton>())
                if (std::find(ui->chooseFloorButtons.begin(), ui->chooseFloorButtons.end(), b) ==
                    ui->chooseFloorButtons.end())
                    return b;
        return nullptr;
    }
    std::vector<std::string> visibleLabels() {
        std::vector<std::string> labels;
        for (const auto& b : ui->chooseFloorButtons)
            if (b->get_visible()) labels.push_back(b->get_name().str());
        return labels;
    }
    bool windowUp() { return ui->chooseFloorWin->get_parent() != nullptr; }

    Ref<MapState> state;
    Ref<UI> ui;
};

}  // namespace

TEST_F(ChooseFloorTest, TheWindowHoldsOneButtonPerStartPointInColumnsOfSeven) {
    ASSERT_EQ(ui->chooseFloorButtons.size(), GameData::shopsUnlocked.size());
    ASSERT_EQ(ui->chooseFloorButtons.size(), 13u);
    EXPECT_EQ(ui->chooseFloorWin->winWidth, 300);
    EXPECT_EQ(ui->chooseFloorWin->winHeight, 400);
    EXPECT_EQ(ui->chooseFloorWin->get_x(), 480 - 150);
    EXPECT_EQ(ui->chooseFloorWin->get_y(), 270 - 200);
    struct Place {
        int i;
        const char* label;
        double x, y;
    };
    for (const Place& p : {Place{0, "0", 40, 55}, Place{2, "20", 40, 137}, Place{6, "60", 40, 301},
                           Place{7, "70", 180, 55}, Place{12, "120", 180, 260}}) {
        const auto& b = ui->chooseFloorButtons[p.i];
        EXPECT_EQ(b->get_name().str(), p.label);
        EXPECT_EQ(b->get_x(), p.x) << p.label;
        EXPECT_EQ(b->get_y(), p.y) << p.label;
    }
    auto cancel = cancelButton();
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->get_x(), 110);
    EXPECT_EQ(cancel->get_y(), 400 - 32 - 20);
}

TEST_F(ChooseFloorTest, WithOnlyTheFirstStartPointTheRunStartsWithoutTheWindow) {
    GameData::runStartFloor = 7;
    ui->openChooseFloorWin();
    EXPECT_FALSE(ui->chooseFloorWin->get_parent());
    EXPECT_EQ(GameData::runStartFloor, 0);
    EXPECT_TRUE(state->startingNewRun);
    EXPECT_TRUE(state->mapTransition);
}

TEST_F(ChooseFloorTest, WithEntriesZeroAndTwoTheWindowShowsZeroAndTwentyAndStartsThere) {
    GameData::shopsUnlocked[2] = true;
    ui->openChooseFloorWin();
    EXPECT_TRUE(ui->chooseFloorWin->get_parent());
    EXPECT_EQ(visibleLabels(), (std::vector<std::string>{"0", "20"}));
    // The place of "10" stays empty: "20" keeps its row.
    EXPECT_EQ(ui->chooseFloorButtons[2]->get_y(), 137);
    EXPECT_TRUE(G::disableMenu);
    EXPECT_TRUE(state->disableMovement);
    EXPECT_FALSE(state->mapTransition);

    click(ui->chooseFloorButtons[2]);
    EXPECT_EQ(GameData::runStartFloor, 20);
    EXPECT_TRUE(state->startingNewRun);
    EXPECT_TRUE(state->mapTransition);
    EXPECT_TRUE(state->movePath.empty()) << "a chosen start point takes no step";
    ASSERT_TRUE(runTweensUntil([&] { return !ui->chooseFloorWin->get_parent(); }));
}

TEST_F(ChooseFloorTest, CancelClosesTheWindowAndWalksTheHeroOneTileDown) {
    GameData::inCave = false;
    state->goToMap(game::TiledMap::TOWN, nullptr);
    for (int i = 0; i < 20 && state->building; ++i) state->update();
    ASSERT_TRUE(state->mapData->tiles[10][8]->tObj.cast<game::TeleportTile>());
    const int x = state->hero->lev_x, y = state->hero->lev_y;
    GameData::shopsUnlocked[1] = true;
    state->mapData->tiles[10][8]->tObj->activate();
    ASSERT_TRUE(windowUp());
    EXPECT_FALSE(state->mapTransition);

    // The hero stays put while the window is up.
    engine::EngG::keys->updateKeyStates(40, true);
    for (int i = 0; i < 30; ++i) {
        state->update();
        engine::EngG::keys->update();
    }
    engine::EngG::keys->updateKeyStates(40, false);
    EXPECT_EQ(state->hero->lev_x, x);
    EXPECT_EQ(state->hero->lev_y, y);

    click(cancelButton());
    EXPECT_FALSE(G::disableMenu);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_FALSE(state->startingNewRun);
    for (int i = 0; i < 60 && (state->moving || state->hero->lev_y == y); ++i) {
        state->update();
        engine::EngG::keys->update();
    }
    EXPECT_EQ(state->hero->lev_x, x);
    EXPECT_EQ(state->hero->lev_y, y + 1);
    EXPECT_FALSE(state->mapTransition);
    ASSERT_TRUE(runTweensUntil([&] { return !ui->chooseFloorWin->get_parent(); }));
}

TEST_F(ChooseFloorTest, TheFloorSkipMenuBuildsTheFloorClickedWithoutRaisingTheDeepest) {
    ui->createFloorSkipMenu();
    ASSERT_TRUE(ui->floorSkipMenu);
    // 101 numbers and "Cancel".
    ASSERT_EQ(ui->floorSkipMenu->get_numChildren(), 102);
    auto fifty = ui->floorSkipMenu->getChildAt(50).cast<game::TextSprite>();
    ASSERT_TRUE(fifty);
    EXPECT_EQ(fifty->text.str(), "50");
    EXPECT_EQ(fifty->get_x(), 200);
    EXPECT_EQ(fifty->get_y(), 0);
    EXPECT_TRUE(fifty->get_mouseEnabled());
    EXPECT_EQ(ui->floorSkipMenu->get_x(), 480 - 210);

    ui->showFloorSkipMenu();
    EXPECT_EQ(ui->floorSkipMenu->get_parent(), ui->overLayer.get());
    GameData::deepestFloor = 3;
    click(fifty);
    EXPECT_FALSE(ui->floorSkipMenu->get_parent());
    EXPECT_EQ(GameData::currentFloor, 50);
    EXPECT_EQ(GameData::deepestFloor, 3);
    EXPECT_TRUE(GameData::inCave);
    EXPECT_TRUE(state->building);
}

TEST_F(ChooseFloorTest, TheWindowIsDrawnWithTheUnlockedStartPoints) {
    const std::string png = (std::filesystem::path(GLV_KIT_SCENE_PNG).parent_path() / "choose-floor.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        auto stage = framework::Lib::get_stage();
        stage->addChild(make<framework::Bitmap>(
            make<framework::BitmapData>(960, 540, false, static_cast<int>(0xFF6A5A40))));
        stage->addChild(ui);
        for (int i : {0, 2, 3, 8}) GameData::shopsUnlocked[i] = true;
        ui->openChooseFloorWin();
    });
    for (int i = 0; i < 30; ++i) steps.push_back([] {});
    onStage(steps);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    auto red = [&](int x, int y) { return pixels[(y * w + x) * 4]; };
    // Half-dark around the window; the place of "10" shows the window's own face, not a button.
    EXPECT_NEAR(red(100, 270), 0x6A / 2, 3);
    const int windowX = 330, windowY = 70;
    EXPECT_NE(red(windowX + 80, windowY + 55 + 16), red(windowX + 80, windowY + 96 + 16));
    stbi_image_free(pixels);
}
