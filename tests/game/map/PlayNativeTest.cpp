// The real game played headless through injected keys: a walk from the town to the dungeon
// entrance, down the first floor's stairs to floor 1 and ten steps there; a battle on floor 1 won
// with a scripted generator, then the stairs to floor 2 (the nearest stairs the hero can walk to:
// a secret room's own stairs lie behind its hidden entrance); a dungeon frame with the inventory
// open.
// The walk and the inventory frame are written to play-floor1.png and play-inventory.png in the
// build folder.
//
// Each play starts from the title as a player does: "Play", an empty slot, an adventurer and the
// town intro. A run begins on floor 0, the entrance's shop floor, whose stairs lead to floor 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <vector>
#include <memory>
#include <set>
#include <string>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "framework/geom/Point.h"
#include "game/battle/Battle.h"
#include "game/battle/BattleRandom.h"
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/Tile.h"
#include "game/floor/TiledMap.h"
#include "game/map/MapState.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/ItemInventory.h"
#include "game/ui/UI.h"
#include "tests/game/GameDriver.h"
#include "tests/game/PlayToTown.h"

using game::GameData;
using game::MapState;
using game::Tile;
using testing_game::GameDriver;

namespace {

MapState* map() { return game::G::mapState.get(); }
game::UI* ui() { return game::Game::ui.get(); }

int heroX() { return map()->hero->lev_x; }
int heroY() { return map()->hero->lev_y; }

// The four arrow keys and their steps.
struct Dir {
    SDL_Keycode key;
    int dx, dy;
};
constexpr Dir DIRS[] = {{SDLK_LEFT, -1, 0}, {SDLK_RIGHT, 1, 0}, {SDLK_DOWN, 0, 1}, {SDLK_UP, 0, -1}};

// A tile the hero can step on without meeting anything.
bool freeTile(int x, int y) {
    const Tile* t = map()->mapData ? map()->mapData->tileAt(x, y) : nullptr;
    return t && !t->wall && !t->hole && !t->hidden && !t->fakeWall && !t->tObj;
}

// The hero stands still and the keys are his.
bool heroFree() {
    return !map()->moving && !map()->midMove && !map()->findingPath && !map()->disableMovement &&
           !map()->mapTransition && !game::G::pauseGame && !ui()->messageWinOpen;
}

bool onBuiltFloor(int floor) {
    return GameData::inCave && GameData::currentFloor == floor && map()->mapData && !map()->building &&
           !map()->mapTransition && heroFree();
}

// Title to town as a player goes: "Play", an empty slot, an adventurer, the intro and its hint.
// The dungeon's floors are seeded once the town stands behind the title.
void startInTown(GameDriver& d) {
    testing_game::untilTitle(d).then("seed the dungeon's floors",
                                     [] { game::FloorRandom::setSource(game::FloorRandom::seeded(24)); });
    testing_game::playToTown(d).until("the hero is free in town", [] { return heroFree() && !GameData::inCave; });
}

// Holds `key` until `arrived` holds, then lets go and waits for the step to end.
void walk(GameDriver& d, const std::string& what, SDL_Keycode key, std::function<bool()> arrived) {
    d.then("hold " + std::string(SDL_GetKeyName(key)) + " " + what, [key] { GameDriver::sendKey(key, true); })
        .until(what, std::move(arrived), [key] { GameDriver::sendKey(key, false); }, 600)
        .until("the hero stops " + what, [] { return !map()->moving && !map()->midMove; });
}

// After the dungeon entrance: the run starts on its first floor, 0, the entrance's shop floor.
void enterTheDungeon(GameDriver& d) {
    d.then("the run starts as the choose-floor window does with one start point",
           [] {
               if (map()->mapTransition) return;
               GameData::runStartFloor = 0;
               map()->startingNewRun = true;
               map()->startMapTransition();
           })
        .until("the run's first floor is built and drawn", [] { return onBuiltFloor(0); });
}

// Every stairs tile of the floor (a secret room may have stairs of its own, behind its entrance).
std::vector<Tile*> stairsTiles() {
    std::vector<Tile*> out;
    for (const auto& o : map()->mapData->tileObjects)
        if (o->objType == game::TileObject::TYPE_STAIRS) out.push_back(o->tile);
    return out;
}

// Where a player clicks next on the way down: the nearest stairs the hero can walk to, or the
// first monster on the shortest way to them when monsters bar every way (the walk's own search
// goes round monsters). Null when no stairs can be reached.
Tile* nextStopTowardTheStairs() {
    const std::vector<Tile*> stairs = stairsTiles();
    EXPECT_FALSE(stairs.empty());
    auto& floor = *map()->mapData;
    const int w = floor.width, h = floor.height;
    auto isStairs = [&stairs](Tile* t) { return std::find(stairs.begin(), stairs.end(), t) != stairs.end(); };
    std::vector<int> from(static_cast<size_t>(w * h), -2);
    std::deque<int> open{heroX() * h + heroY()};
    from[static_cast<size_t>(open.front())] = -1;
    int goal = -1;
    while (!open.empty() && goal < 0) {
        const int at = open.front();
        open.pop_front();
        for (const Dir& dir : DIRS) {
            Tile* t = floor.tileAt(at / h + dir.dx, at % h + dir.dy);
            if (!t) continue;
            const int k = t->lev_x * h + t->lev_y;
            if (from[static_cast<size_t>(k)] != -2) continue;
            if (!t->isAGoodPath() && !t->tObj.cast<game::Monster>() && !isStairs(t)) continue;
            from[static_cast<size_t>(k)] = at;
            if (isStairs(t)) {
                goal = k;
                break;
            }
            open.push_back(k);
        }
    }
    if (goal < 0) return nullptr;
    std::vector<int> route;
    for (int k = goal; k >= 0; k = from[static_cast<size_t>(k)]) route.push_back(k);
    for (auto it = route.rbegin(); it != route.rend(); ++it) {
        Tile* t = floor.tileAt(*it / h, *it % h);
        if (t->tObj.cast<game::Monster>()) return t;
    }
    return floor.tileAt(goal / h, goal % h);
}

// To the stairs as a click on them does (they lie off screen), "yes" by key to the question, and
// the next floor built. A monster in the way is fought and the walk taken up again.
void takeTheStairs(GameDriver& d, int nextFloor) {
    const std::string to = "floor " + std::to_string(nextFloor);
    d.until("the hero reaches the stairs to " + to,
            [] {
                if (map()->stairsWinOpen || map()->mapTransition) return true;
                if (heroFree() && !map()->inBattle)
                    if (Tile* stop = nextStopTowardTheStairs()) map()->tryToMoveToTile(stop, true);
                return false;
            },
            {}, 6000)
        .then("Q, yes, to the stairs question",
              [] {
                  if (map()->stairsWinOpen) GameDriver::sendKey(SDLK_q, true);
              })
        .then("release Q", [] { GameDriver::sendKey(SDLK_q, false); })
        .until(to + " is built and drawn", [nextFloor] { return onBuiltFloor(nextFloor); });
}

// One step by arrow key onto a free tile, never back onto `previous` unless nothing else is free.
void stepOnce(GameDriver& d, std::shared_ptr<std::pair<int, int>> previous, int n) {
    auto target = std::make_shared<Dir>(Dir{0, 0, 0});
    d.until("the hero is free for step " + std::to_string(n), heroFree, [previous, target] {
         const Dir* back = nullptr;
         const Dir* choice = nullptr;
         for (const Dir& dir : DIRS) {
             const int x = heroX() + dir.dx, y = heroY() + dir.dy;
             if (!freeTile(x, y)) continue;
             if (std::make_pair(x, y) == *previous) back = &dir;
             else if (!choice) choice = &dir;
         }
         if (!choice) choice = back;
         ASSERT_TRUE(choice) << "the hero is walled in at " << heroX() << "," << heroY();
         *target = *choice;
         *previous = {heroX(), heroY()};
         GameDriver::sendKey(target->key, true);
     }).until("step " + std::to_string(n) + " taken", [previous] {
        return std::make_pair(heroX(), heroY()) != *previous;
    }, [target] { GameDriver::sendKey(target->key, false); }, 120);
}

// Pixels of a PNG read back.
struct Picture {
    int w = 0, h = 0;
    unsigned char* px = nullptr;
    explicit Picture(const std::string& path) {
        int n = 0;
        px = stbi_load(path.c_str(), &w, &h, &n, 4);
    }
    ~Picture() { stbi_image_free(px); }
    uint32_t at(int x, int y) const {
        const unsigned char* p = px + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    }
    std::set<uint32_t> colours(int x0, int y0, int x1, int y1) const {
        std::set<uint32_t> out;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) out.insert(at(x, y));
        return out;
    }
};

// The stage rectangle of a tile of the floor.
struct TileOnScreen {
    int x = 0, y = 0, size = 0;
};
TileOnScreen tileOnScreen(int tx, int ty) {
    auto canvas = map()->mapCanvas;
    auto p = canvas->localToGlobal(runtime::make<framework::Point>(tx * game::C::TILE_SIZE, ty * game::C::TILE_SIZE));
    return {static_cast<int>(p->x), static_cast<int>(p->y),
            static_cast<int>(game::C::TILE_SIZE * canvas->get_scaleX())};
}

std::string buildFile(const char* name) { return std::string(GLV_PLAY_PNG_DIR) + "/" + name; }

}  // namespace

TEST(Play, FromTheTownStartToTenStepsOnFloorOne) {
    const std::string png = buildFile("play-floor1.png");
    std::remove(png.c_str());
    GameDriver d("play-walk");
    startInTown(d);
    d.until("the hero stands at the bar door", [] { return heroX() == 14 && heroY() == 12; });
    // Round the townsfolk and the guard's post: down two rows, left to column 9, up to row 8 and
    // right onto the entrance at (10, 8).
    walk(d, "to row 14", SDLK_DOWN, [] { return heroY() == 14; });
    walk(d, "to column 9", SDLK_LEFT, [] { return heroX() == 9; });
    walk(d, "to row 8", SDLK_UP, [] { return heroY() == 8; });
    walk(d, "onto the entrance", SDLK_RIGHT, [] { return heroX() == 10; });
    d.until("the hero is on the dungeon entrance", [] { return heroX() == 10 && heroY() == 8; });
    enterTheDungeon(d);
    takeTheStairs(d, 1);
    auto previous = std::make_shared<std::pair<int, int>>(-1, -1);
    for (int n = 1; n <= 10; ++n) stepOnce(d, previous, n);
    auto heroRect = std::make_shared<TileOnScreen>();
    auto floorRect = std::make_shared<TileOnScreen>();
    d.until("the tenth step ends", heroFree, [=] {
         *heroRect = tileOnScreen(heroX(), heroY());
         *floorRect = tileOnScreen(previous->first, previous->second);
     })
        .wait(2)
        .snapshotTo(png);
    ASSERT_EQ(d.play(), "");
    EXPECT_EQ(GameData::currentFloor, 1);
    EXPECT_TRUE(GameData::inCave);
    EXPECT_FALSE(ui()->titleShowing);
    EXPECT_FALSE(ui()->logo && ui()->logo->get_parent()) << "the title left with the first run";

    Picture pic(png);
    ASSERT_NE(pic.px, nullptr) << png;
    ASSERT_EQ(pic.w, 960);
    ASSERT_EQ(pic.h, 540);
    // The camera follows the hero: his tile is at the middle of the screen.
    EXPECT_NEAR(heroRect->x + heroRect->size / 2, 480, heroRect->size);
    EXPECT_NEAR(heroRect->y + heroRect->size / 2, 270, heroRect->size);
    // The tile he came from is floor, drawn and clear of fog: lit, textured pixels.
    const auto& f = *floorRect;
    auto floorColours = pic.colours(f.x, f.y, f.x + f.size, f.y + f.size);
    EXPECT_GE(floorColours.size(), 3u) << "a textured floor tile";
    EXPECT_FALSE(floorColours.count(0) && floorColours.size() == 1) << "not fog";
    int lit = 0;
    for (uint32_t c : floorColours) lit += c != 0 ? 1 : 0;
    EXPECT_GE(lit, 3);
    // The hero's tile shows colours the floor tile does not have: his sprite.
    const auto& h = *heroRect;
    int own = 0;
    for (uint32_t c : pic.colours(h.x, h.y - h.size / 2, h.x + h.size, h.y + h.size))
        own += floorColours.count(c) ? 0 : 1;
    EXPECT_GE(own, 5) << "the hero is drawn";
}

TEST(Play, AFloorOneBattleWonWithAScriptedGenerator) {
    struct Fight {
        SDL_Keycode key = 0;
        int gold = 0, exp = 0, level = 0, monsterGold = 0, monsterExp = 0;
        runtime::Ref<game::Monster> monster;
        runtime::Ref<game::Battle> battle;
    };
    auto fight = std::make_shared<Fight>();
    GameDriver d("play-battle");
    startInTown(d);
    enterTheDungeon(d);
    takeTheStairs(d, 1);
    d.then("a monster of this floor's kinds beside the hero", [fight] {
         int kind = -1;
         for (const auto& o : map()->mapData->tileObjects)
             if (auto m = o.cast<game::Monster>()) {
                 kind = m->data->id;
                 break;
             }
         ASSERT_NE(kind, -1) << "floor 1 has monsters";
         for (const Dir& dir : DIRS)
             if (freeTile(heroX() + dir.dx, heroY() + dir.dy)) {
                 Tile* tile = map()->mapData->tileAt(heroX() + dir.dx, heroY() + dir.dy);
                 fight->monster = runtime::make<game::Monster>(tile, kind);
                 tile->tObj = fight->monster;
                 map()->mapData->tileObjects.push_back(fight->monster);
                 map()->addToObjectRow(tile->lev_y, fight->monster);
                 fight->key = dir.key;
                 break;
             }
         ASSERT_TRUE(fight->monster) << "a free tile beside the hero";
         fight->monsterGold = fight->monster->data->gold;
         fight->monsterExp = fight->monster->data->exp;
         fight->gold = GameData::gold;
         fight->exp = GameData::exp;
         fight->level = GameData::level;
         // The fight replays: the same short script of draws over and over.
         auto draws = std::make_shared<int>(0);
         game::BattleRandom::setSource([draws] {
             static constexpr double script[] = {0.95, 0.5, 0.75, 0.25};
             return script[(*draws)++ % 4];
         });
         GameDriver::sendKey(fight->key, true);
     })
        .until("the hero walks into the monster", [] { return map()->inBattle; },
               [fight] {
                   GameDriver::sendKey(fight->key, false);
                   fight->battle = map()->battle.cast<game::Battle>();
               })
        .until("the battle is won and hands back", [] { return !map()->inBattle; }, {}, 4000)
        .then("rewards noted",
              [fight] {
                  ASSERT_TRUE(fight->battle);
                  EXPECT_TRUE(fight->battle->victory);
                  EXPECT_EQ(GameData::gold - fight->gold, fight->monsterGold);
                  if (GameData::level == fight->level) {
                      EXPECT_EQ(GameData::exp - fight->exp, fight->monsterExp);
                  }
                  EXPECT_EQ(fight->monster->tile ? fight->monster->tile->tObj.get() : nullptr, nullptr)
                      << "the monster's tile is freed";
              });
    takeTheStairs(d, 2);
    const std::string outcome = d.play();
    game::BattleRandom::setSource({});
    ASSERT_EQ(outcome, "");
    EXPECT_EQ(GameData::currentFloor, 2);
    EXPECT_FALSE(stairsTiles().empty()) << "floor 2 is built with its stairs";
    EXPECT_GT(GameData::exp + GameData::level, fight->exp + fight->level);
}

TEST(Play, ADungeonFrameWithTheInventoryOpen) {
    const std::string png = buildFile("play-inventory.png");
    std::remove(png.c_str());
    GameDriver d("play-inventory");
    startInTown(d);
    enterTheDungeon(d);
    takeTheStairs(d, 1);
    d.then("a few finds in the pack", [] {
         // Three healing potions (to the hotkey bar, as a chest's would go) and a weapon.
         runtime::Ref<game::ItemData> potion;
         for (const auto& data : game::ItemData::CONSUMABLES)
             if (!potion && data->hpRestore > 0) potion = data;
         ASSERT_TRUE(potion);
         GameData::addItem(runtime::make<game::Item>(potion), 3, true);
         GameData::addItem(runtime::make<game::Item>(game::ItemData::WEAPONS.at(0)));
     })
        .tap(SDLK_i)
        .until("the menu shows the inventory", [] { return ui()->menuOpen && ui()->inventoryOpen; })
        .wait(40)
        .snapshotTo(png);
    ASSERT_EQ(d.play(), "");
    auto panel = ui()->inventory.cast<game::ItemInventory>();
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->itemScroller->currentItems.size(), 2u);

    Picture pic(png);
    ASSERT_NE(pic.px, nullptr) << png;
    ASSERT_EQ(pic.w, 960);
    ASSERT_EQ(pic.h, 540);
    // The panel along the bottom: a row of thirteen tab icons, then its plain body with the icons.
    EXPECT_GE(pic.colours(0, 362, 960, 405).size(), 20u) << "the tab icons";
    std::map<uint32_t, int> body;
    for (int y = 500; y < 530; ++y)
        for (int x = 300; x < 940; ++x) ++body[pic.at(x, y)];
    int most = 0;
    for (auto& [c, n] : body) most = std::max(most, n);
    EXPECT_GT(most, 30 * 640 / 2) << "the panel's own fill under the icons";
    EXPECT_GE(pic.colours(20, 425, 940, 505).size(), 20u) << "item icons in the row";
}
