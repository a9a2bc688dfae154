// The UI root's floor transition (bars closing, the held midpoint, bars opening) and the 30/60
// frames-per-second switch.
#include "game/battle/Battle.h"
#include "game/floor/SecretTile.h"
#include "game/map/MapState.h"
#include "game/shell/BMDCache.h"
#include "game/ui/UI.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"

using game::Game;
using game::UI;
using runtime::make;

class FloorTransitionTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        // The midpoint builds the next floor: the tables, a save folder and a game stage.
        testing_game::useOwnSaveFolder("glv-transition");
        testing_game::loadGameTablesOnce();
        game::GameData::initializeGameStuff();
        Game::gameStage = make<game::BitmapSprite>();
        Game::gameCenter = make<framework::Point>(480, 270);
        Game::screenWidth = Game::gameWidth = 960;
        Game::screenHeight = Game::gameHeight = 540;
    }
    void TearDown() override {
        UI::adjustConstantsFor60FPS();
        game::G::mapState = nullptr;
        KitFixture::TearDown();
    }
};

TEST_F(FloorTransitionTest, FrameRateSwitchIsIdempotentAndReversible) {
    for (int round = 0; round < 2; ++round) {
        UI::adjustConstantsFor30FPS();
        UI::adjustConstantsFor30FPS();
        EXPECT_EQ(Game::frameRate, 30);
        EXPECT_DOUBLE_EQ(game::BitmapSprite::GRAVITY, 0.4 * 3);
        EXPECT_EQ(UI::NUM_TRANSITION_BARS, 20);
        EXPECT_EQ(UI::SKILL_POINTS_BUTTON_TIME, 300);
        EXPECT_EQ(game::Battle::RUN_AWAY_FRAMES, 40);
        EXPECT_EQ(game::Battle::BLEED_DRAIN_FRAMES, 20);
        EXPECT_EQ(game::SecretTile::REVEAL_TIME, 30);
        EXPECT_EQ(game::MapState::WALK_TIME, 6);
        EXPECT_EQ(UI::barThickness(), 100);
        UI::adjustConstantsFor60FPS();
        EXPECT_EQ(Game::frameRate, 60);
        EXPECT_DOUBLE_EQ(game::BitmapSprite::GRAVITY, 0.4);
        EXPECT_EQ(UI::NUM_TRANSITION_BARS, 40);
        EXPECT_EQ(game::Battle::RUN_AWAY_FRAMES, 80);
        EXPECT_EQ(UI::barThickness(), 36);
    }
}

TEST_F(FloorTransitionTest, BarsCloseHoldWhileWalkingThenOpen) {
    for (int rate : {60, 30}) {
        if (rate == 30) UI::adjustConstantsFor30FPS();
        auto state = make<game::MapState>();
        game::G::mapState = state;
        auto root = make<UI>();
        root->transitionBarThickness = UI::barThickness();
        state->mapTransition = true;
        state->moving = true;
        const int n = UI::NUM_TRANSITION_BARS;
        for (int i = 0; i < n; ++i) root->updateFloorTransition();
        EXPECT_EQ(root->transitionLayer->get_numChildren(), 4 * n) << rate;
        // The last frame of bars meets in the middle.
        auto left = root->transitionLayer->getChildAt(4 * n - 4);
        EXPECT_DOUBLE_EQ(left->get_x() + left->get_width(), 480) << rate;
        // Held black while the hero still walks.
        for (int i = 0; i < 5; ++i) root->updateFloorTransition();
        EXPECT_EQ(root->transitionProgress, n) << rate;
        state->moving = false;
        root->updateFloorTransition();
        EXPECT_EQ(root->transitionProgress, n + 1) << rate;
        int opening = 0;
        while (root->transitionLayer->get_numChildren() > 0 && opening < 100) {
            root->updateFloorTransition();
            ++opening;
        }
        EXPECT_EQ(opening, n) << rate;
        EXPECT_TRUE(state->mapTransition);
        root->updateFloorTransition();
        EXPECT_FALSE(state->mapTransition) << rate;
        EXPECT_FALSE(game::G::disableMenu);
        game::G::mapState = nullptr;
    }
}
