// The exploration state over the real back end: dungeon builds over frames, the wall picture
// table, the fog, walking by keys, hold-to-inspect and the town's objects.
#include <cstdlib>
#include <filesystem>

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "game/battle/Monster.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/floor/Chest.h"
#include "game/floor/Door.h"
#include "game/floor/TeleportTile.h"
#include "game/map/MiniMap.h"
#include "framework/events/MouseEvent.h"
#include "game/floor/TiledMap.h"
#include "game/floor/ZoneData.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/map/NPCData.h"
#include "game/data/SWITCH.h"
#include "game/ui/Speech.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"
#include "tests/game/GameTables.h"
#include "tests/game/map/MapStateFixture.h"

using game::C;
using game::GameData;
using game::MapState;
using game::Tile;
using runtime::make;
using runtime::Ref;

namespace {

constexpr int T = C::TILE_SIZE;

// Counts its updates: shows whether the map frame ran.
class CountingObject : public game::TileObject {
public:
    using TileObject::TileObject;
    void update() override { ++updates; }
    int updates = 0;
};

using MapStateTest = MapStateFixture;

}  // namespace

TEST_F(MapStateTest, ADungeonBuildOverBudgetDrawsOneColumnPerFrameAndSavesOnce) {
    GameData::currentFloor = 1;
    GameData::inCave = true;
    // Every clock reading is 60 ms later than the one before.
    MapState::timer = [this] { return clock += 60; };
    state->goToMap(nullptr, nullptr);
    ASSERT_TRUE(state->building);
    auto counter = make<CountingObject>(state->mapData->tiles[1][1].get());
    state->mapData->tileObjects.push_back(counter);
    game::Data::showSavedText = false;
    for (int frame = 1; frame <= 32; ++frame) {
        ASSERT_TRUE(state->building) << frame;
        state->update();
        EXPECT_EQ(state->buildX, frame);
    }
    EXPECT_FALSE(state->building);
    EXPECT_EQ(counter->updates, 0);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_TRUE(game::Data::showSavedText);  // the build's save shows its notice
    state->update();
    EXPECT_EQ(counter->updates, 1);

    // Rebuilt from the save: no save.
    game::Data::showSavedText = false;
    state->startBuild(nullptr, nullptr, false, false);
    while (state->building) state->update();
    EXPECT_FALSE(game::Data::showSavedText);
}

TEST_F(MapStateTest, WallPiecesFollowTheirNeighbours) {
    buildFloor(1);
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> walls;  // walls around (10, 10) besides itself
        int column, row;
    };
    std::vector<std::pair<int, int>> all;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy) all.push_back({dx, dy});
    auto allBut = [&](std::pair<int, int> gap) {
        auto v = all;
        v.erase(std::find(v.begin(), v.end(), gap));
        return v;
    };
    const Case cases[] = {
        {"enclosed", all, 2, 1},
        {"lone", {}, 6, 0},
        {"top of a vertical run", {{0, 1}}, 7, 0},
        {"middle of a vertical run", {{0, -1}, {0, 1}}, 7, 1},
        {"bottom of a vertical run", {{0, -1}}, 7, 2},
        {"open only at the lower right", allBut({1, 1}), 4, 0},
        {"left end of a horizontal run", {{1, 0}}, 1, 3},
        {"inside a horizontal run", {{-1, 0}, {1, 0}}, 2, 3},
    };
    auto tileset = state->tilesetBMD;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int x = 8; x <= 12; ++x)
            for (int y = 8; y <= 12; ++y) {
                auto& t = state->mapData->tiles[x][y];
                t->wall = false;
                t->hidden = t->fakeWall = t->hole = false;
                t->tObj = nullptr;
            }
        state->mapData->tiles[10][10]->wall = true;
        for (auto [dx, dy] : c.walls) state->mapData->tiles[10 + dx][10 + dy]->wall = true;
        auto out = make<framework::BitmapData>(T, T, true, 0);
        state->drawWall(out, 10, 10, 0, 0);
        int differing = 0;
        for (int x = 0; x < T; ++x)
            for (int y = 0; y < T; ++y)
                differing += out->getPixel32(x, y) != tileset->getPixel32(c.column * T + x, c.row * T + y);
        EXPECT_EQ(differing, 0);
    }
    // A corner of the map counts the outside as wall: floor only at its lower right.
    for (auto& column : state->mapData->tiles)
        for (auto& t : column) t->wall = true;
    state->mapData->tiles[1][1]->wall = false;
    auto out = make<framework::BitmapData>(T, T, true, 0);
    state->drawWall(out, 0, 0, 0, 0);
    EXPECT_EQ(out->getPixel32(5, 5), tileset->getPixel32(4 * T + 5, 5));
    EXPECT_EQ(out->getPixel32(30, 30), tileset->getPixel32(4 * T + 30, 30));
    // A floor tile gets no wall piece.
    auto floor = make<framework::BitmapData>(T, T, true, 0);
    state->mapData->tiles[1][1]->wall = false;
    state->drawWall(floor, 1, 1, 0, 0);
    EXPECT_EQ(floor->getPixel32(16, 16), 0);
}

TEST_F(MapStateTest, FogIsTheTemplateAroundTheHeroAndNeverRises) {
    buildFloor(1);
    const int hx = state->hero->lev_x, hy = state->hero->lev_y;
    const auto& fog = state->mapData->fogTilesOpacity;
    const int r = game::MiniMap::FOG_RADIUS;
    for (int i = 0; i < C::MAP_SIZE; ++i)
        for (int j = 0; j < C::MAP_SIZE; ++j) {
            if (std::abs(i - hx) <= r && std::abs(j - hy) <= r) {
                EXPECT_DOUBLE_EQ(fog[i][j], MapState::FOG_TEMPLATE[r + i - hx][r + j - hy]) << i << "," << j;
                const uint32_t pixel = static_cast<uint32_t>(state->fogData->getPixel32(i, j));
                EXPECT_EQ(pixel >> 24, static_cast<uint32_t>(fog[i][j] * 255)) << i << "," << j;
            } else {
                EXPECT_DOUBLE_EQ(fog[i][j], 1.0) << i << "," << j;
            }
        }
    // Moving away keeps what was seen.
    auto before = fog;
    state->hero->lev_x = std::min(hx + 5, C::MAP_SIZE - 1);
    state->revealFog();
    for (int i = 0; i < C::MAP_SIZE; ++i)
        for (int j = 0; j < C::MAP_SIZE; ++j) EXPECT_LE(fog[i][j], before[i][j]);

    // Floor 100 and map files are clear from the start.
    buildFloor(100);
    for (auto& column : state->mapData->fogTilesOpacity)
        for (double f : column) ASSERT_EQ(f, 0.0);
    state->goToMap(game::TiledMap::TOWN, nullptr);
    for (auto& column : state->mapData->fogTilesOpacity)
        for (double f : column) ASSERT_EQ(f, 0.0);
}

TEST_F(MapStateTest, KeysWalkOneTileInTwelveFramesWithTheirPriority) {
    buildFloor(1);
    openRoom();
    struct Case {
        const char* what;
        std::vector<int> keys;
        bool azerty;
        int dx, dy;
    };
    const Case cases[] = {
        {"left over right", {39, 37}, false, -1, 0},   {"right over down", {40, 39}, false, 1, 0},
        {"down over up", {38, 40}, false, 0, 1},        {"W is up", {87}, false, 0, -1},
        {"A is left", {65}, false, -1, 0},              {"AZERTY Q is left", {81}, true, -1, 0},
        {"AZERTY Z is up", {90}, true, 0, -1},          {"AZERTY A does not move", {65}, true, 0, 0},
        {"AZERTY W does not move", {87}, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameData::azerty = c.azerty;
        openRoom();
        for (int k : c.keys) press(k);
        step();  // the key's search ends at once and the step starts on the same frame
        for (int k : c.keys) release(k);
        int frames = 1;
        while (state->moving && frames < 40) {
            step();
            ++frames;
        }
        EXPECT_EQ(state->hero->lev_x, 16 + c.dx);
        EXPECT_EQ(state->hero->lev_y, 16 + c.dy);
        if (c.dx || c.dy) {
            EXPECT_EQ(frames, MapState::WALK_TIME);
            EXPECT_FALSE(state->midMove);
            EXPECT_EQ(state->hero->get_x(), (16 + c.dx) * T);
            EXPECT_EQ(state->hero->get_y(), (16 + c.dy) * T);
        }
    }
    GameData::azerty = false;
    // At 30 frames per second a step takes 6.
    MapState::setFrameRate(30);
    EXPECT_EQ(MapState::WALK_TIME, 6);
    MapState::setFrameRate(60);
}

TEST_F(MapStateTest, HoldingOnAMonsterInspectsItAndTheReleaseDoesNotMove) {
    buildFloor(1);
    openRoom();
    testing_game::holdOnMonsterAt18x16(*state);
    step(MapState::INFO_HOLD_TIME - 1);
    EXPECT_FALSE(state->infoShownForTile);
    step();
    EXPECT_TRUE(state->infoShownForTile);
    EXPECT_FALSE(state->mouseIsDown);  // the release will not move the hero
    state->mapMouseUp(make<framework::MouseEvent>("mouseUp"));
    step(3);
    EXPECT_FALSE(state->moving);
    EXPECT_FALSE(state->findingPath);
    EXPECT_EQ(state->hero->lev_x, 16);
}

TEST_F(MapStateTest, TheHeroStopsBesideAChestOpensItAndFacesIt) {
    buildFloor(1);
    openRoom();
    Tile* tile = state->mapData->tiles[18][16].get();
    auto chest = make<game::Chest>(tile);
    tile->tObj = chest;
    state->mapData->tileObjects.push_back(chest);
    state->tryToMoveToTile(tile, false);
    for (int i = 0; i < 60 && (state->findingPath || state->moving); ++i) step();
    EXPECT_EQ(state->hero->lev_x, 17);
    EXPECT_EQ(state->hero->lev_y, 16);
    EXPECT_TRUE(chest->activated);
    EXPECT_FALSE(state->hero->runSprite->get_flipped());
    EXPECT_EQ(state->hero->runSprite->anim, game::Hero::IDLE_RIGHT);
}

TEST_F(MapStateTest, NoKeyMovesTheHeroWhileMovementIsDisabled) {
    buildFloor(1);
    openRoom();
    state->disableMovement = true;
    press(37);
    step(3);
    release(37);
    EXPECT_EQ(state->hero->lev_x, 16);
    EXPECT_FALSE(state->findingPath);
}

TEST_F(MapStateTest, TheTownPlacesItsObjectsAndOnlyTheCharactersWhoseConditionsHold) {
    GameData::inCave = false;
    state->goToMap(game::TiledMap::TOWN, nullptr);
    EXPECT_EQ(state->hero->lev_x, 10);
    EXPECT_EQ(state->hero->lev_y, 8);
    auto& tiles = state->mapData->tiles;
    ASSERT_TRUE(tiles[10][9]->tObj);
    EXPECT_TRUE(tiles[10][9]->tObj->walkable);
    EXPECT_TRUE(tiles[10][9]->tObj->oneTimeActivation);
    ASSERT_TRUE(tiles[5][11]->tObj);
    EXPECT_TRUE(tiles[5][11]->tObj->activateOnStop);
    EXPECT_FALSE(tiles[5][11]->tObj->oneTimeActivation);
    EXPECT_TRUE(tiles[14][11]->tObj.cast<game::Door>());
    EXPECT_EQ(state->titleDoor, tiles[14][11]->tObj);
    EXPECT_TRUE(tiles[10][8]->tObj.cast<game::TeleportTile>());
    auto guard = tiles[11][9]->tObj.cast<game::NPC>();
    ASSERT_TRUE(guard);
    EXPECT_EQ(state->townGuard, guard);

    // The guard's placement fails once the story has gone past his last run.
    auto& data = *game::NPCData::NPCS[11];
    const int maxRuns = data.maxRuns;
    data.maxRuns = 0;
    GameData::storyProgress = 1;
    state->goToMap(game::TiledMap::TOWN, nullptr);
    EXPECT_FALSE(state->mapData->tiles[11][9]->tObj);
    for (auto& o : state->mapData->tileObjects) EXPECT_NE(o->tile, state->mapData->tiles[11][9].get());
    data.maxRuns = maxRuns;
    GameData::storyProgress = 0;
}

TEST_F(MapStateTest, TheBeatenSorcererWalksOutSpeaksStabsHimselfAndLeavesTheReward) {
    game::GameData::gameSwitches.clear();  // a short switch list still records his end
    game::GameData::items.clear();
    game::GameData::storyProgress = 8;
    buildFloor(80);
    auto& floor = *state->mapData;
    ASSERT_TRUE(floor.soulCrystal) << "the sorcerer's hall";
    state->hero->lev_x = 15;
    state->hero->lev_y = 16;
    state->hero->set_x(15 * 32);
    state->hero->set_y(16 * 32);
    state->addToObjectRow(16, state->hero);
    state->sorcererDied = true;
    state->endBattle(false);

    ASSERT_GT(game::GameData::gameSwitches.size(), static_cast<size_t>(game::SWITCH::SORCERER_DEAD));
    EXPECT_TRUE(game::GameData::gameSwitches[game::SWITCH::SORCERER_DEAD]);
    EXPECT_EQ(game::GameData::storyProgress, 9);
    EXPECT_TRUE(state->sorcererWounded);
    EXPECT_TRUE(state->disableMovement);
    EXPECT_TRUE(game::G::disableMenu);
    auto dying = state->dieingSorcererNPC.cast<game::NPC>();
    ASSERT_TRUE(dying);
    EXPECT_EQ(dying->npcData->id, game::NPC::SORCEROR_DIEING_ID);
    auto row = state->objectRows[16];
    EXPECT_LT(row->getChildIndex(dying), row->getChildIndex(state->hero)) << "behind the hero";
    EXPECT_DOUBLE_EQ(dying->get_x(), 15 * 32);

    // The walk-in: one tile right in 1.5 s, then his speech.
    ASSERT_TRUE(runTweensUntil([&] { return state->currentSpeech != nullptr; }));
    EXPECT_DOUBLE_EQ(dying->get_x(), 16 * 32);
    EXPECT_EQ(state->currentSpeech->speechData->type, "speech");
    EXPECT_EQ(state->currentSpeech->speechData->event, "sorcererSacrifice");

    // The speech's event: the dagger, a second's pause, the stab.
    state->sorcererSacrifice();
    EXPECT_EQ(dying->animSprite->anim.get(), game::MapState::SORCERER_DAGGER_DRAWN.get());
    EXPECT_FALSE(state->sorcererDieing);
    ASSERT_TRUE(runTweensUntil([&] { return state->sorcererDieing; }));
    EXPECT_FALSE(state->sorcererWounded);
    EXPECT_EQ(dying->animSprite->anim.get(), game::MapState::SORCERER_STAB.get());

    // The death: soul dots stream until his animation ends, the crystal sinks into a hole and
    // the reward appears at frame 400; then the hero is free again.
    auto crystal = floor.soulCrystal;
    Tile* crystalTile = crystal->tile;
    int dotsSeen = 0;
    for (int t = 0; t <= game::MapState::CRYSTAL_FALL_TIME; ++t) {
        ++game::G::frameCount;
        state->updateSorcererDeath();
        dotsSeen = std::max(dotsSeen, static_cast<int>(state->dots.size()));
    }
    EXPECT_GT(dotsSeen, 0);
    EXPECT_EQ(state->dieingSorcererNPC, nullptr) << "gone once his 13 cells have played";
    EXPECT_EQ(crystal->get_parent(), nullptr);
    ASSERT_TRUE(crystalTile->tObj);
    EXPECT_EQ(crystalTile->tObj->objType, game::TileObject::TYPE_CRYSTAL_HOLE);
    EXPECT_FALSE(state->sorcererDieing);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_FALSE(game::G::disableMenu);
    const int c = floor.width / 2;
    auto kind = [&](int x, int y) { return floor.tileAt(x, y)->tObj ? floor.tileAt(x, y)->tObj->objType : -1; };
    EXPECT_EQ(kind(c + 1, c - 2), game::TileObject::TYPE_CHEST) << "escape wings: the hero held none";
    EXPECT_EQ(kind(c, c - 2), game::TileObject::TYPE_CHEST);
    EXPECT_EQ(kind(c + 3, c + 2), game::TileObject::TYPE_STAIRS);
    EXPECT_NE(std::find(floor.stairsTiles.begin(), floor.stairsTiles.end(), floor.tileAt(c + 3, c + 2)),
              floor.stairsTiles.end());
}
