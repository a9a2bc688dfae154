// The stat choice ring and the choose-floor window in the real game, with real pointer clicks.
#include <gtest/gtest.h>

#include "game/data/GameData.h"
#include "game/floor/TeleportTile.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/StatGemChooseButton.h"
#include "game/ui/UI.h"
#include "tests/game/GameDriver.h"
#include "tests/game/PlayToTown.h"

using game::G;
using game::GameData;
using game::UI;
using testing_game::GameDriver;

namespace {

UI* root() { return dynamic_cast<UI*>(game::Game::ui.get()); }

// Every button of the ring has come to rest.
bool ringAtRest() {
    if (!root() || !root()->chooseMenuOpen) return false;
    for (const auto& icon : root()->chooseIcons) {
        auto b = icon.cast<game::StatGemChooseButton>();
        if (b->get_x() != b->targetPoint->x || b->get_y() != b->targetPoint->y) return false;
    }
    return true;
}

game::TileObject* entrance() { return G::mapState->mapData->tiles[10][8]->tObj.get(); }

}  // namespace

TEST(LevelUpPlay, ARealClickOnTheRingAppliesTheBonusAndADoubleLevelUpReopensIt) {
    GameDriver driver("levelup-play");
    int maxHP = 0, magic = 0;
    driver.until("the town is up", testing_game::townReady)
        .then("experience for two levels",
              [&] {
                  maxHP = GameData::maxHP;
                  magic = GameData::magic;
                  GameData::level = 1;
                  GameData::nextLevelAt = 10;
                  GameData::exp = 1000;
                  GameData::checkForLevelUp();
              })
        .until("the ring is up and at rest", ringAtRest)
        .click(480 - 100, 270 - 16)
        .until("the ring for level 3", [&] {
            return GameData::maxHP == maxHP + 10 && GameData::level == 3 && ringAtRest() && G::pauseGame &&
                   root()->welcomeToLevelText->text.str() == "Welcome to level 3!";
        }, [] { GameData::exp = 0; })
        .click(480 + 100, 270 - 16)
        .until("the game runs again", [&] {
            return GameData::magic == magic + 1 && !root()->chooseMenuOpen && !G::pauseGame &&
                   root()->skillPointsButton->get_x() == game::Game::gameWidth - 100;
        });
    EXPECT_EQ(driver.play(), "");
}

TEST(ChooseFloorPlay, WithOnlyTheFirstStartPointTheEntranceStartsARunOnFloorZero) {
    GameDriver driver("choose-floor-play-zero");
    testing_game::playToTown(driver)
        .then("step on the way into the dungeon", [] { entrance()->activate(); })
        .until("floor 0 is built", [] {
            return GameData::inCave && GameData::currentFloor == 0 && !G::mapState->building &&
                   !G::mapState->mapTransition;
        })
        .then("no window was shown", [] {
            EXPECT_FALSE(root()->chooseFloorWin->get_parent());
            EXPECT_EQ(GameData::runStartFloor, 0);
        });
    EXPECT_EQ(driver.play(), "");
}

TEST(ChooseFloorPlay, CancelWalksTheHeroOneTileDownAndAStartPointStartsThere) {
    GameDriver driver("choose-floor-play");
    int x = 0, y = 0;
    // The window (300 x 400) is centred: its top left at (330, 70).
    testing_game::playToTown(driver)
        .then("unlock floor 20 and step on the entrance",
              [&] {
                  GameData::shopsUnlocked[2] = true;
                  x = G::mapState->hero->lev_x;
                  y = G::mapState->hero->lev_y;
                  entrance()->activate();
              })
        .until("the window is up", [] { return root()->chooseFloorWin->get_alpha() == 1 && G::disableMenu; })
        .click(330 + 150, 70 + 348 + 16)
        .until("the hero stands one tile lower", [&] {
            return !G::mapState->moving && G::mapState->hero->lev_x == x && G::mapState->hero->lev_y == y + 1 &&
                   !G::disableMenu && !root()->chooseFloorWin->get_parent();
        })
        .then("step on the entrance again", [] { entrance()->activate(); })
        .until("the window is up again", [] { return root()->chooseFloorWin->get_alpha() == 1; })
        .click(330 + 80, 70 + 137 + 16)
        .until("floor 20 is built", [] {
            return GameData::inCave && GameData::currentFloor == 20 && !G::mapState->building &&
                   !G::mapState->mapTransition;
        });
    EXPECT_EQ(driver.play(), "");
    EXPECT_EQ(GameData::runStartFloor, 20);
}
