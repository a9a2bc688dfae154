// Furnished floors: stairs, forge, chests, gold, gems, monsters and the hero's start on generated
// floors, checked over many seeded floors; the special floors' fixed layouts.
#include <map>
#include <queue>
#include <set>

#include "ObjectFixture.h"
#include "game/battle/Monster.h"
#include "game/floor/Chest.h"
#include "game/floor/Forge.h"
#include "game/floor/GoldBag.h"
#include "game/floor/SecretEntrance.h"
#include "game/floor/SoulCrystal.h"
#include "game/floor/Stairs.h"
#include "game/floor/Tile.h"
#include "game/floor/TileObjectMisc.h"
#include "game/kit/MessageWindow.h"
#include "game/map/NPC.h"
#include "platform/media/fake/FakeMediaModule.h"

using game::MapData;
using game::Tile;
using game::TileObject;

namespace {

template <class T>
bool is(const runtime::Ref<TileObject>& o) {
    return dynamic_cast<T*>(o.get()) != nullptr;
}

// The cells reachable from (x, y) over passable visible cells.
std::set<std::pair<int, int>> reachable(MapData& floor, int x, int y) {
    std::set<std::pair<int, int>> seen{{x, y}};
    std::queue<std::pair<int, int>> open;
    open.push({x, y});
    while (!open.empty()) {
        auto [cx, cy] = open.front();
        open.pop();
        for (auto [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
            Tile* t = floor.tileAt(cx + dx, cy + dy);
            if (!t || t->hidden || !t->isPassable() || seen.count({t->lev_x, t->lev_y})) continue;
            seen.insert({t->lev_x, t->lev_y});
            open.push({t->lev_x, t->lev_y});
        }
    }
    return seen;
}

runtime::Ref<framework::Point> pt(int x, int y) { return runtime::make<framework::Point>(x, y); }

}  // namespace

TEST_F(ObjectFixture, ThousandOrdinaryFloorsKeepThePlacementRules) {
    std::vector<int> ordinary;
    for (int f = 1; f <= 99; ++f)
        if (MapData::floorKind(f) == MapData::FloorKind::ORDINARY) ordinary.push_back(f);
    int withGems = 0, noGemFloors = 0;
    for (int n = 0; n < 1000; ++n) {
        media::FakeMediaModule::get().forgetCalls();
        game::FloorRandom::setSource(game::FloorRandom::seeded(1000 + n));
        const int f = ordinary[static_cast<size_t>(n) % ordinary.size()];
        // Every third floor lies ten below the deepest floor reached: no gems there.
        const bool shallow = n % 3 == 0;
        GameData::deepestFloor = shallow ? f + 10 : f;
        GameData::secretTheseFiveFloors = n % 2 == 0;
        auto floor = generate(f);
        SCOPED_TRACE("floor " + std::to_string(f) + " seed " + std::to_string(1000 + n));
        ASSERT_TRUE(floor->startPoint);
        const int sx = static_cast<int>(floor->startPoint->x), sy = static_cast<int>(floor->startPoint->y);
        Tile* start = floor->tileAt(sx, sy);
        ASSERT_TRUE(start);
        EXPECT_FALSE(start->wall || start->hidden || start->hasObj()) << "the start cell is free";

        // Passable visible cells form one component holding the start.
        const auto seen = reachable(*floor, sx, sy);
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y) {
                Tile* t = floor->tileAt(x, y);
                if (!t->hidden && t->isPassable()) ASSERT_TRUE(seen.count({x, y})) << x << "," << y;
            }

        // Exactly one stairs reachable now (the secret room's own waits behind its entrance).
        int reachableStairs = 0;
        for (const auto& t : floor->stairsTiles)
            if (floor->pathBetween(floor->startPoint, pt(t->lev_x, t->lev_y))) ++reachableStairs;
        EXPECT_EQ(reachableStairs, 1);

        std::map<std::string, int> counts;
        std::set<Tile*> cells;
        int roomChest = 0;
        for (const auto& o : floor->tileObjects) {
            ASSERT_TRUE(o->tile);
            EXPECT_EQ(o->tile->tObj.get(), o.get()) << "each object stands in its own cell";
            EXPECT_TRUE(cells.insert(o->tile).second) << "two objects on " << o->tile->lev_x << "," << o->tile->lev_y;
            if (is<game::Chest>(o)) {
                ++counts["chest"];
                // The furnished room's chest is listed before any placer ran.
                if (o->tile->hidden && counts["chest"] == 1 && floor->secretEntranceTile) roomChest = 1;
            }
            if (is<game::GoldBag>(o)) ++counts["gold"];
            if (is<game::StatGem>(o)) ++counts["gem"];
            if (is<game::Monster>(o)) {
                ++counts["monster"];
                EXPECT_FALSE(o->tile->hidden) << "no monster in a secret room";
            }
            if (is<game::NPC>(o) && o->tile->hidden == false) ++counts["kid"];
            if (o->tile->hidden && !is<game::SecretEntrance>(o))
                EXPECT_EQ(o->get_alpha(), 0) << "hidden objects start invisible";
        }
        EXPECT_EQ(floor->numFloorObjects, counts["chest"] + counts["gold"] + counts["gem"] + counts["monster"]);
        // Each placer takes at most 5 % of the listed cells at its start.
        const int solid = counts["chest"] - roomChest + counts["kid"];
        const int beforeSolid = static_cast<int>(floor->floorTiles.size()) + counts["monster"] + solid;
        EXPECT_LE(solid, static_cast<int>(beforeSolid * 0.05));
        EXPECT_LE(counts["gold"] + counts["gem"], static_cast<int>((beforeSolid - solid) * 0.05));
        if (shallow) {
            EXPECT_EQ(counts["gem"], 0);
            ++noGemFloors;
        }
        withGems += counts["gem"] > 0;
        EXPECT_EQ(floor->regenerations, 0);
    }
    EXPECT_GT(withGems, 100);
    EXPECT_GT(noGemFloors, 300);
}

TEST_F(ObjectFixture, AFloorThatCannotPlaceItsStartIsDrawnAgain) {
    // A constant draw plants every seed on one cell that never grows: the stairs take the only
    // cell and the hero has nowhere to stand, so the floor is generated again.
    auto rest = game::FloorRandom::seeded(9);
    int draws = 0;
    game::FloorRandom::setSource([&draws, rest] { return ++draws <= 200 ? 0.99 : rest(); });
    GameData::secretTheseFiveFloors = true;
    auto floor = generate(6);
    EXPECT_GE(floor->regenerations, 1);
    ASSERT_TRUE(floor->startPoint);
    EXPECT_EQ(floor->stairsTiles.size(), 1u);
    Tile* start = floor->tileAt(static_cast<int>(floor->startPoint->x), static_cast<int>(floor->startPoint->y));
    EXPECT_FALSE(start->wall || start->hasObj());
}

TEST_F(ObjectFixture, NeighbourTestsSeeTheFloorsOpenCells) {
    auto blank = runtime::make<game::TiledMap>(32, 32, std::vector<runtime::Ref<game::TiledTileset>>{},
                                               std::vector<runtime::Ref<game::TiledLayer>>{},
                                               std::vector<runtime::Ref<game::RainRect>>{});
    auto floor = runtime::make<MapData>(state.get(), blank);
    // A plus-shaped crossing at (5, 5) and a ring around (10, 10).
    for (int d = -2; d <= 2; ++d) floor->tileAt(5 + d, 5)->wall = floor->tileAt(5, 5 + d)->wall = false;
    for (int x = 9; x <= 11; ++x)
        for (int y = 9; y <= 11; ++y) floor->tileAt(x, y)->wall = false;
    Tile* cross = floor->tileAt(5, 5);
    auto adjacent = floor->getAdjacentFloorTiles(cross);
    ASSERT_EQ(adjacent.size(), 4u);
    EXPECT_TRUE(adjacent[0]->equals(pt(4, 5)));
    EXPECT_TRUE(adjacent[3]->equals(pt(5, 6)));
    EXPECT_FALSE(floor->tilesAreConnected(adjacent, cross)) << "closing the crossing cuts its arms apart";
    EXPECT_FALSE(cross->wall);
    Tile* edge = floor->tileAt(10, 9);
    EXPECT_TRUE(floor->tilesAreConnected(floor->getAdjacentFloorTiles(edge), edge));
    EXPECT_TRUE(floor->tilesAreConnected(floor->getAdjacentFloorTiles(floor->tileAt(7, 5)), floor->tileAt(7, 5)));

    // Reachability runs from the second cell to the first: a blocking object must be the second.
    floor->tileAt(11, 11)->tObj = runtime::make<game::Stairs>(floor->tileAt(11, 11));
    EXPECT_TRUE(floor->pathBetween(pt(9, 9), pt(11, 11)));
    EXPECT_FALSE(floor->pathBetween(pt(11, 11), pt(9, 9)));
}

TEST_F(ObjectFixture, BossFloorLayout) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(4));
    auto floor = generate(25);
    EXPECT_TRUE(floor->startPoint->equals(pt(6, 16)));
    for (int x = 6; x <= 15; ++x) EXPECT_FALSE(floor->tileAt(x, 16)->wall) << x;
    auto at = [&](int x, int y) { return floor->tileAt(x, y)->tObj; };
    auto boss = (at(11, 16).template cast<game::Monster>());
    ASSERT_TRUE(boss);
    EXPECT_EQ(boss->data->id, game::Monster::GIANT_SPIDER_ID);
    auto gem = (at(15, 16).template cast<game::StatGem>());
    ASSERT_TRUE(gem);
    EXPECT_EQ(gem->type, game::StatGem::TYPE_CHOOSE);
    auto chest = (at(16, 16).template cast<game::Chest>());
    ASSERT_TRUE(chest);
    EXPECT_EQ(chest->type, game::Chest::TYPE_ARTIFACT);
    for (auto [x, y] : {std::pair{16, 15}, std::pair{16, 17}, std::pair{17, 16}}) {
        auto o = at(x, y);
        EXPECT_TRUE(is<game::Chest>(o) || is<game::StatGem>(o) || is<game::GoldBag>(o)) << x << "," << y;
    }
    EXPECT_EQ(floor->numFloorObjects, -1);
    ASSERT_EQ(floor->stairsTiles.size(), 1u);
    int east = 0;
    for (const auto& t : floor->floorTiles) east = std::max(east, t->lev_x);
    EXPECT_EQ(floor->stairsTiles[0]->lev_x, east);
}

TEST_F(ObjectFixture, BossTreasureSplit) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(77));
    auto blank = runtime::make<game::TiledMap>(32, 32, std::vector<runtime::Ref<game::TiledTileset>>{},
                                               std::vector<runtime::Ref<game::TiledLayer>>{},
                                               std::vector<runtime::Ref<game::RainRect>>{});
    auto floor = runtime::make<MapData>(state.get(), blank);
    Tile* t = floor->tileAt(3, 3);
    int chest = 0, gem = 0, gold = 0;
    for (int n = 0; n < 10000; ++n) {
        if (n % 500 == 0) media::FakeMediaModule::get().forgetCalls();
        auto o = floor->determineBossTreasure(t);
        chest += is<game::Chest>(o);
        gem += is<game::StatGem>(o);
        gold += is<game::GoldBag>(o);
    }
    EXPECT_NEAR(chest / 10000.0, 0.40, 0.01);
    EXPECT_NEAR(gem / 10000.0, 0.48, 0.01);
    EXPECT_NEAR(gold / 10000.0, 0.12, 0.01);
    EXPECT_FALSE(t->tObj) << "the treasure is not stored by the draw";
}

TEST_F(ObjectFixture, ShopFloorLayout) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(8));
    GameData::deepestFloor = 51;
    auto floor = generate(60);
    auto npcAt = [&](int x, int y) { return (floor->tileAt(x, y)->tObj).template cast<game::NPC>(); };
    ASSERT_TRUE(npcAt(16, 16));
    EXPECT_EQ(npcAt(16, 16)->npcData->id, 6);
    ASSERT_TRUE(npcAt(18, 16));
    EXPECT_EQ(npcAt(18, 16)->npcData->id, game::NPC::SORCEROR_WINGS_ID);
    ASSERT_TRUE(npcAt(14, 16));
    EXPECT_EQ(npcAt(14, 16)->npcData->id, 55);
    EXPECT_TRUE(is<game::Stairs>(floor->tileAt(16, 13)->tObj));
    EXPECT_TRUE(floor->startPoint->equals(pt(16, 19)));
    EXPECT_EQ(floor->numFloorObjects, 0);
    EXPECT_EQ(recorder.count("setShopInventory"), 1);
    EXPECT_EQ(recorder.count("messageWin:" + std::to_string(game::MessageWindow::ID_NEW_SHOP)), 1);
    for (const auto& o : floor->tileObjects) {
        EXPECT_FALSE(is<game::Chest>(o) || is<game::Monster>(o) || is<game::GoldBag>(o) || is<game::StatGem>(o));
        if (is<game::Forge>(o)) {
            EXPECT_GE(o->tile->lev_y, 13);
            EXPECT_LE(o->tile->lev_y, 15);
            EXPECT_TRUE(floor->tileAt(o->tile->lev_x, o->tile->lev_y - 1)->wall);
        }
    }
    // The hint is shown once per slot; the wings seller leaves once the wings are sold.
    GameData::gameSwitches[game::SWITCH::WINGS_SOLD] = true;
    GameData::deepestFloor = 50;
    auto again = generate(60);
    EXPECT_EQ(recorder.count("messageWin:" + std::to_string(game::MessageWindow::ID_NEW_SHOP)), 1);
    EXPECT_FALSE(again->tileAt(18, 16)->tObj);
    EXPECT_FALSE(again->tileAt(14, 16)->tObj);
}

TEST_F(ObjectFixture, SorcererFloorLayout) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(12));
    auto floor = generate(80);
    EXPECT_TRUE(floor->startPoint->equals(pt(4, 16)));
    EXPECT_EQ(floor->floorTiles.size(), 42u);
    ASSERT_TRUE(floor->sorcererNPC);
    EXPECT_EQ(floor->sorcererNPC->tile, floor->tileAt(8, 16));
    auto monster = (floor->sorcererMonster).template cast<game::Monster>();
    ASSERT_TRUE(monster);
    EXPECT_EQ(monster->tile, floor->tileAt(16, 16));
    EXPECT_EQ(monster->data->id, game::Monster::SORCEROR_ID);
    EXPECT_FALSE(monster->get_visible());
    ASSERT_TRUE(floor->soulCrystal);
    EXPECT_EQ(floor->soulCrystal->tile, floor->tileAt(18, 16));
    int triggers = 0;
    for (const auto& o : floor->tileObjects)
        if (o->objType >= TileObject::TYPE_SORCEROR_TRIGGER_1 && o->objType <= TileObject::TYPE_SORCEROR_TRIGGER_4) {
            ++triggers;
            const int k = o->objType - TileObject::TYPE_SORCEROR_TRIGGER_1;
            EXPECT_EQ(o->tile->lev_x, k == 0 ? 5 : 3 * k + 6);
            EXPECT_TRUE(o->walkable && o->nonBlocking);
        }
    EXPECT_EQ(triggers, 128);
    EXPECT_EQ(floor->numFloorObjects, -1);
    floor->tileAt(12, 16)->tObj->activate();
    EXPECT_EQ(recorder.count("sorceror3"), 1);
}

TEST_F(ObjectFixture, DemonFloorLayouts) {
    auto floor = generate(100);
    for (int x = 15; x <= 17; ++x)
        for (int y = 14; y <= 18; ++y) {
            EXPECT_FALSE(floor->tileAt(x, y)->wall);
            EXPECT_EQ(floor->tileAt(x, y)->hole, y <= 16) << x << "," << y;
        }
    ASSERT_TRUE(floor->demonNPC);
    EXPECT_EQ(floor->demonNPC->tile, floor->tileAt(16, 16));
    auto trigger = floor->tileAt(16, 17)->tObj;
    ASSERT_TRUE(trigger);
    EXPECT_EQ(trigger->objType, TileObject::TYPE_DEMON_TRIGGER);
    trigger->activate();
    EXPECT_EQ(recorder.count("demonTrigger"), 1);
    EXPECT_TRUE(floor->startPoint->equals(pt(16, 19)));
    EXPECT_FALSE(floor->tileAt(16, 19)->wall);
    EXPECT_EQ(floor->tileObjects.size(), 2u);
    EXPECT_TRUE(floor->floorTiles.empty());

    GameData::gameSwitches[game::SWITCH::DEMON_KILLED] = true;
    auto empty = generate(100);
    for (int x = 10; x <= 22; ++x)
        for (int y = 14; y <= 18; ++y) {
            const bool ground = x == 16 && (y == 17 || y == 18);
            EXPECT_FALSE(empty->tileAt(x, y)->wall);
            EXPECT_EQ(empty->tileAt(x, y)->hole, !ground) << x << "," << y;
        }
    EXPECT_FALSE(empty->tileAt(16, 19)->wall);
    EXPECT_TRUE(empty->tileObjects.empty());
    EXPECT_EQ(empty->numFloorObjects, -1);
    int open = 0;
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) open += !empty->tileAt(x, y)->wall;
    EXPECT_EQ(open, 13 * 5 + 1);
}
