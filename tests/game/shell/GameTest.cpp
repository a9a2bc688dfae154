// The game object: the screen geometry and UI scale of createUI, and the start-up from Main to
// the engine loop with the loading screen.
#include "GameFixture.h"
#include "tests/game/data/DataFixture.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "game/data/GameData.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/YesNoWindow.h"
#include "game/shell/ApplicationMain.h"
#include "game/shell/BMDCache.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/Main.h"
#include "game/town/SkillNode.h"
#include "platform/runtime/Thrown.h"

using game::Game;

class GameTest : public GameFixture {
protected:
    void TearDown() override {
        if (main) stage()->removeChild(main);
        main = nullptr;
        if (Game::gameStage) stage()->removeChild(Game::gameStage);
        if (Game::ui) stage()->removeChild(Game::ui);
        Game::ui = nullptr;
        game::DataUI::install(nullptr);
        if (Game::appLoadingScreen) stage()->removeChild(Game::appLoadingScreen);
        Game::gameStage = nullptr;
        Game::appLoadingScreen = nullptr;
        Game::gameCenter = nullptr;
        game::G::mapState = nullptr;
        game::G::frameCount = 0;
        // The windows made at start-up hold display nodes of the fake back end: gone before it.
        using game::MessageWindow;
        game::YesNoWindow::ESCAPE_WINGS_CONFIRMATION = nullptr;
        game::YesNoWindow::STAIRS_CONFIRMATION = nullptr;
        for (auto* w : {&MessageWindow::WIN_INTRO, &MessageWindow::WIN_WINGS, &MessageWindow::WIN_LOW_HEALTH,
                        &MessageWindow::WIN_NEW_SHOP, &MessageWindow::WIN_LOTSA_ITEMS, &MessageWindow::WIN_BATTLE_SPEED,
                        &MessageWindow::WIN_CRAFTING, &MessageWindow::WIN_BEAT_THE_SORCEROR,
                        &MessageWindow::WIN_BEAT_THE_DEMON, &MessageWindow::WIN_MUSEUM, &MessageWindow::WIN_ENEMY_DETAILS,
                        &MessageWindow::WIN_RUN_AWAY, &MessageWindow::WIN_NEW_GAME_PLUS,
                        &MessageWindow::WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST})
            *w = nullptr;
        for (auto* skin : {&game::SkillNode::BUTTON_BITMAPS_BLACK, &game::SkillNode::BUTTON_BITMAPS_GOLD,
                           &game::SkillNode::BUTTON_BITMAPS_GREEN})
            skin->fill(nullptr);
        DataFixture::clearTables();
        game::GameData::initializeGameStuff();
        GameFixture::TearDown();
    }
    runtime::Ref<game::Main> main;
};

TEST_F(GameTest, TheScaleFactorShrinksSmallScreensAndGrowsTheLargeInterface) {
    struct Case {
        int width, height;
        bool large;
        double scale;
        int gameWidth, gameHeight;
    };
    const Case cases[] = {
        {960, 540, false, 1, 960, 540},      {1600, 540, false, 1, 1600, 540}, {1920, 1080, false, 1, 1920, 1080},
        {1920, 1080, true, 2, 960, 540},     {1280, 1024, true, 1280.0 / 960, 960, 768},
        {800, 600, false, 800.0 / 960, 960, 720}, {960, 400, false, 400.0 / 540, 1296, 540},
        {1280, 1024, false, 1, 1280, 1024},
    };
    Game::gameStage = runtime::make<game::BitmapSprite>();
    for (const Case& c : cases) {
        Game::screenWidth = c.width;
        Game::screenHeight = c.height;
        Game::layoutScreen(c.large);
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + (c.large ? " large" : " small"));
        EXPECT_DOUBLE_EQ(Game::scaleFactor, c.scale);
        EXPECT_DOUBLE_EQ(Game::gameStage->get_scaleX(), c.scale);
        EXPECT_DOUBLE_EQ(Game::gameStage->get_scaleY(), c.scale);
        EXPECT_EQ(Game::gameWidth, c.gameWidth);
        EXPECT_EQ(Game::gameHeight, c.gameHeight);
        EXPECT_EQ(Game::gameCenter->x, c.gameWidth / 2);
        EXPECT_EQ(Game::gameCenter->y, c.gameHeight / 2);
    }
}

TEST_F(GameTest, MainStartsTheGameWhichShowsAndFadesTheLoadingScreen) {
    stageWidth = 1280;
    stageHeight = 720;
    auto& fake = media::FakeMediaModule::get();
    fake.returns("media_native_stage_get_stage_width", runtime::Value(stageWidth));
    fake.returns("media_native_stage_get_stage_height", runtime::Value(stageHeight));

    // The one town character whose picture is cut by the story's progress.
    embed("assets/x2/npcs/missingSign.png", std::string(4005, 'm'), 148, 102);
    main = runtime::make<game::Main>();
    stage()->addChild(main);
    ASSERT_EQ(main->get_numChildren(), 1);
    auto* g = dynamic_cast<Game*>(main->getChildAt(0).get());
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(Game::desktop);
    EXPECT_EQ(Game::screenWidth, 1280);
    EXPECT_EQ(Game::screenHeight, 720);
    EXPECT_FALSE(engine::EngG::sound->volumeUpKeys);
    EXPECT_FALSE(engine::EngG::sound->muteKeys);
    auto colours = fake.callsTo("media_native_display_object_set_bg");
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(static_cast<uint32_t>(colours.back().args[1].toInt()), 0xFF000000u);
    ASSERT_TRUE(game::BMDCache::blackSquare2x2);
    ASSERT_TRUE(game::G::mapState);
    EXPECT_NE(dynamic_cast<game::MapState*>(game::G::mapState.get()), nullptr);
    // The engine's reset at the first state turns the fixed step back on.
    EXPECT_TRUE(engine::EngG::fixedTimestep);
    EXPECT_FALSE(Game::ui);

    // Updates 1 to 3 only count, the 4th shows the loading screen, the 5th lays the screen out
    // and initializes the exploration state; the 6th is the first counted frame.
    auto* state = game::G::mapState.get();
    for (int i = 1; i <= 3; ++i) {
        frame(17);
        EXPECT_EQ(state->startupFrames, i);
        EXPECT_FALSE(Game::appLoadingScreen);
    }
    frame(17);
    ASSERT_TRUE(Game::appLoadingScreen);
    EXPECT_TRUE(stage()->contains(Game::appLoadingScreen));
    EXPECT_FALSE(stage()->contains(Game::gameStage));
    EXPECT_FALSE(state->hero);
    frame(17);
    EXPECT_TRUE(stage()->contains(Game::gameStage));
    EXPECT_EQ(stage()->getChildIndex(Game::appLoadingScreen), stage()->get_numChildren() - 1);
    ASSERT_TRUE(state->hero);
    EXPECT_TRUE(state->scaledIntialScreen);
    // The town is built behind the title: its start tile, no hero shown, movement off.
    EXPECT_EQ(state->currentTiledMap, game::TiledMap::TOWN);
    EXPECT_EQ(state->hero->lev_x, 10);
    EXPECT_EQ(state->hero->lev_y, 8);
    EXPECT_FALSE(state->hero->get_visible());
    EXPECT_TRUE(state->disableMovement);
    EXPECT_EQ(game::G::frameCount, 0);
    frame(17);
    EXPECT_EQ(game::G::frameCount, 1);
    // The large interface is the setting until a save says otherwise.
    EXPECT_EQ(Game::gameWidth, 960);
    EXPECT_DOUBLE_EQ(Game::scaleFactor, 1280.0 / 960);
    EXPECT_EQ(game::ItemData::ALL_ITEMS.size(), 296u);
    EXPECT_EQ(game::GameData::numTotalMuseumArtifacts, 95);
    EXPECT_EQ(game::MonsterData::MONSTERS.size(), 45u);
    ASSERT_EQ(game::NPCData::NPCS.size(), 64u);
    EXPECT_EQ(game::NPCData::NPCS[11]->name, "guard");

    // The fade takes one second; then the screen leaves the stage and frames are counted.
    for (int i = 0; i < 70; ++i) frame(17);
    EXPECT_FALSE(stage()->contains(Game::appLoadingScreen));
    EXPECT_GT(game::G::frameCount, 60);

    // Losing the focus changes nothing.
    int counted = game::G::frameCount;
    g->onFocusLost(nullptr);
    frame(17);
    EXPECT_EQ(game::G::frameCount, counted + 1);
}

TEST_F(GameTest, AnErrorEscapingStartUpIsShownInAnErrorBoxAndEndsTheProcessWithMinusOne) {
    auto& fake = media::FakeMediaModule::get();
    struct Case {
        void (*entry)();
        const char* message;
    };
    for (const Case& c : {Case{[] { throw std::runtime_error("table missing"); }, "table missing"},
                          Case{[] { throw runtime::Thrown(runtime::Value("Null Function Pointer")); },
                               "Null Function Pointer"}}) {
        const int before = fake.count("media_native_show_error_box");
        EXPECT_EQ(game::ApplicationMain::runGuarded(c.entry), -1);
        auto boxes = fake.callsTo("media_native_show_error_box");
        ASSERT_EQ(static_cast<int>(boxes.size()), before + 1);
        EXPECT_EQ(boxes.back().args[0].toText(), "Error");
        EXPECT_EQ(boxes.back().args[1].toText(), c.message);
    }
    const int before = fake.count("media_native_show_error_box");
    EXPECT_EQ(game::ApplicationMain::runGuarded([] {}), 0);
    EXPECT_EQ(fake.count("media_native_show_error_box"), before);
}
