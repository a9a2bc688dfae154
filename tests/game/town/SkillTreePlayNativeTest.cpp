// The skill tree in the real game: opened in town, a node bought with two real clicks, closed
// with the Escape key.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/town/SkillTreeMenu.h"
#include "game/ui/UI.h"
#include "tests/game/GameDriver.h"
#include "tests/game/PlayToTown.h"

using game::G;
using game::GameData;
using game::UI;
using testing_game::GameDriver;

namespace {

UI* root() { return dynamic_cast<UI*>(game::Game::ui.get()); }

// Built, and the loading cover, which takes clicks while it fades out, is gone.
bool treeBuilt() {
    return root() && root()->skillTreeOpen && root()->skillTreeMenu && !root()->skillTreeMenu->building &&
           !root()->loadingScreenOpen && !root()->loadingScreen->get_parent();
}

// Clicks the middle of the node with this id, found at the moment of the click.
GameDriver& clickNode(GameDriver& d, const char* id) {
    auto at = std::make_shared<framework::Point>();
    d.then(std::string("find node ") + id, [id, at] {
        if (auto node = root()->skillTreeMenu->findNode(id))
            *at = testing_game::centreOnStage(node, node->nodeSize, node->nodeSize);
    });
    d.then("pointer down on the node", [at] {
        GameDriver::sendPointer(SDL_MOUSEMOTION, static_cast<int>(at->x), static_cast<int>(at->y));
        GameDriver::sendPointer(SDL_MOUSEBUTTONDOWN, static_cast<int>(at->x), static_cast<int>(at->y));
    });
    return d.then("pointer up on the node", [at] {
        GameDriver::sendPointer(SDL_MOUSEBUTTONUP, static_cast<int>(at->x), static_cast<int>(at->y));
    });
}

}  // namespace

TEST(SkillTreePlay, TwoClicksBuyANodeAndEscapeClosesTheTree) {
    GameDriver driver("skill-tree-play");
    int magic = 0;
    driver.until("the town is up", testing_game::townReady)
        .then("a point to spend, and the tree opened",
              [&] {
                  magic = GameData::magic;
                  GameData::skillPoints = 1;
                  GameData::skillNodesUnlocked.clear();
                  root()->openSkillTree(false);
              })
        .until("the tree is built", treeBuilt)
        .then("press on the tree",
              [] {
                  GameDriver::sendPointer(SDL_MOUSEMOTION, 600, 470);
                  GameDriver::sendPointer(SDL_MOUSEBUTTONDOWN, 600, 470);
              })
        .wait(2)
        .then("drag up and left", [] { GameDriver::sendPointer(SDL_MOUSEMOTION, 500, 370); })
        .wait(3)
        .then("release", [] { GameDriver::sendPointer(SDL_MOUSEBUTTONUP, 500, 370); })
        .until("the tree followed the pointer and the drag ended", [] {
            const auto& menu = root()->skillTreeMenu;
            return !menu->mouseIsDown && menu->skillTree->get_x() < (960 - 1360) * 0.5 &&
                   menu->skillTree->get_y() < (540 - 1300) * 0.5 + 100 && menu->skillTree->get_x() >= 960 - 1360 &&
                   menu->skillTree->get_y() >= 540 - 1300;
        });
    clickNode(driver, "47").until("the node is selected", [] {
        return root()->skillTreeMenu->selectedNode == root()->skillTreeMenu->findNode("47");
    });
    clickNode(driver, "47")
        .until("the node is bought",
               [&] {
                   const auto& ids = GameData::skillNodesUnlocked;
                   return GameData::skillPoints == 0 && GameData::magic == magic + 2 && ids.size() == 1 &&
                          ids[0] == "47" && root()->skillTreeMenu->skillPoints->text == "0";
               })
        .wait(2)
        .tap(SDLK_ESCAPE)
        .until("the tree is closed and the game stays paused", [] {
            return !root()->skillTreeOpen && !root()->skillTreeMenu && G::pauseGame;
        });
    EXPECT_EQ(driver.play(), "");
}
