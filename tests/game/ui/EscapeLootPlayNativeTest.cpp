// The end of a successful run in the real game: the escape wings' flight brings up the loot summary,
// its "Close" (a real click) gives the town back, and the menu's loot tab shows the run's loot.
#include <gtest/gtest.h>

#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/LootDetails.h"
#include "game/ui/UI.h"
#include "game/ui/UIEscapeLoot.h"
#include "tests/game/GameDriver.h"
#include "tests/game/PlayToTown.h"

using game::G;
using game::GameData;
using game::UI;
using testing_game::GameDriver;

namespace {

UI* root() { return dynamic_cast<UI*>(game::Game::ui.get()); }

game::TileObject* entrance() { return G::mapState->mapData->tiles[10][8]->tObj.get(); }

}  // namespace

TEST(EscapeLootPlay, TheSummaryFollowsTheRunsEndAndItsCloseGivesTheTownBack) {
    GameDriver driver("escape-loot-play");
    testing_game::playToTown(driver)
        .then("step on the way into the dungeon", [] { entrance()->activate(); })
        .until("floor 0 is built", [] {
            return GameData::inCave && GameData::currentFloor == 0 && !G::mapState->building &&
                   !G::mapState->mapTransition && !G::disableMenu;
        })
        .then("gains, then the escape wings are used", [] {
            GameData::hpGemsThisRun = 2;
            GameData::gold = GameData::runStartGold + 30;
            GameData::confirmUseWings();
        })
        .until("the hero flies off and the screen goes black", [] {
            return G::mapState->wingsOverAdded && G::mapState->hero->get_alpha() < 0.01;
        }, nullptr, 300)
        .until("the summary is up in town", [] {
            return root()->escapeLootOpen && testing_game::shownFully(root()->escapeLootWindow) && G::pauseGame &&
                   !GameData::inCave && !root()->mainLayer->get_visible();
        })
        .then("it shows what the run brought", [] {
            auto panel = root()->lootDetails;
            EXPECT_EQ(panel->get_parent(), root()->escapeLootWindow.get());
            EXPECT_EQ(panel->hpGemCounter->counter->get_text().str(), "2");
            EXPECT_EQ(panel->goldValue->get_text().str(), "+30");
            EXPECT_EQ(GameData::successfulRuns, 1);
        })
        .wait(30)
        .then("the headline has appeared while paused", [] {
            EXPECT_TRUE(root()->escapeLootWindow->title->allShown);
        });
    testing_game::clickButton(driver, "Close", [] {
        return testing_game::firstButtonOf(root()->escapeLootWindow);
    });
    driver
        .until("the town is back", [] {
            return !root()->escapeLootOpen && !G::pauseGame && !G::disableMenu && !G::mapState->disableMovement &&
                   root()->mainLayer->get_visible() && root()->mainLayer->get_alpha() == 1 &&
                   !root()->overBlack->get_parent();
        })
        .then("the HUD buttons answer again", [] { EXPECT_FALSE(root()->itemsButton->disabled); });
    testing_game::clickButton(driver, "the items button", [] { return root()->itemsButton; });
    driver.until("the menu is open", [] { return root()->menuOpen; })
        .then("the loot tab", [] { root()->openWindow(UI::WIN_LOOT); })
        .until("the tab shows the panel", [] {
            return root()->currentLootOpen && root()->lootDetails->get_parent() == root()->currentLootWindow.get();
        })
        .then("in town, with the run's counters spent", [] {
            auto panel = root()->lootDetails;
            EXPECT_EQ(panel->expValue->get_text().str(), "-");
            EXPECT_EQ(panel->goldValue->get_text().str(), "-");
            EXPECT_EQ(panel->hpGemCounter->counter->get_text().str(), "");
        });
    EXPECT_EQ(driver.play(), "");
}
