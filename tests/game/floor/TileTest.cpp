// Map cells: the edge ring, and which objects a cell lets the hero and the path search through.
#include <gtest/gtest.h>

#include "game/map/MapState.h"
#include "game/floor/Tile.h"
#include "game/shell/G.h"
#include "StandInObjects.h"

namespace tests_floor {

class HeroState : public game::MapState {
public:
    std::optional<std::pair<int, int>> heroCell() const override { return hero; }
    std::optional<std::pair<int, int>> hero;
};

}  // namespace tests_floor

using game::Tile;
using game::TileObject;

TEST(Tile, EdgeRingIsTheOuterRingOfThe32Grid) {
    for (auto [x, y] : {std::pair{0, 5}, {7, 0}, {31, 12}, {12, 31}}) EXPECT_TRUE(Tile(x, y).edgeTile) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 1}, {30, 30}, {24, 24}, {19, 16}}) EXPECT_FALSE(Tile(x, y).edgeTile) << x << "," << y;
    Tile t(3, 4);
    EXPECT_TRUE(t.wall);
    EXPECT_FALSE(t.hole || t.hidden || t.fakeWall || t.upBlocked || t.leftBlocked);
    EXPECT_FALSE(t.hasObj());
}

TEST(Tile, WhatEachObjectLetsThrough) {
    struct Case {
        const char* what;
        std::function<runtime::Ref<TileObject>(Tile*)> make;
        bool nonBlocking, walkable;
        bool passable, isWalkable, goodPath;
    };
    auto plain = [](Tile* t) { return runtime::make<TileObject>(t); };
    const std::vector<Case> cases = {
        {"nothing", nullptr, true, false, true, false, true},
        {"chest", plain, false, false, false, false, false},
        {"stairs", [](Tile* t) { return runtime::make<tests_floor::Stairs>(t); }, false, true, false, true, false},
        {"teleport", [](Tile* t) { return runtime::make<tests_floor::TeleportTile>(t); }, true, true, true, true, false},
        {"door", [](Tile* t) { return runtime::make<tests_floor::Door>(t); }, true, true, true, true, false},
        {"monster", [](Tile* t) { return runtime::make<tests_floor::Monster>(t); }, true, true, true, true, false},
        {"gold bag", plain, true, true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tile t(5, 5);
        t.wall = false;
        if (c.make) {
            t.tObj = c.make(&t);
            t.tObj->nonBlocking = c.nonBlocking;
            t.tObj->walkable = c.walkable;
        }
        // Blocked edges change none of the answers.
        t.upBlocked = t.leftBlocked = true;
        EXPECT_EQ(t.isPassable(), c.passable);
        EXPECT_EQ(t.isWalkable(), c.isWalkable);
        EXPECT_EQ(t.isAGoodPath(), c.goodPath);
        EXPECT_EQ(t.hasObj(), c.make != nullptr);
    }
    Tile pit(2, 2);
    pit.wall = false;
    pit.hole = true;
    EXPECT_FALSE(pit.isPassable());
    EXPECT_FALSE(pit.isAGoodPath());
}

TEST(Tile, TheHerosOwnCellIsAlwaysAGoodPath) {
    Tile t(4, 6);
    t.wall = false;
    t.tObj = runtime::make<tests_floor::Monster>(&t);
    auto state = runtime::make<tests_floor::HeroState>();
    game::G::mapState = state;
    EXPECT_FALSE(t.isAGoodPath());  // no hero yet
    state->hero = std::pair{4, 6};
    EXPECT_TRUE(t.isAGoodPath());
    state->hero = std::pair{4, 7};
    EXPECT_FALSE(t.isAGoodPath());
    game::G::mapState = nullptr;
}

TEST(TileObject, BaseActivationMarksAndCallsBack) {
    Tile t(3, 5);
    TileObject o(&t);
    EXPECT_TRUE(o.nonBlocking);
    EXPECT_FALSE(o.walkable || o.activated);
    EXPECT_EQ(o.objType, -1);
    o.activate();  // no function: only the flag
    EXPECT_TRUE(o.activated);
    int calls = 0;
    o.activated = false;
    o.oneTimeActivation = false;
    o.activationFunction = [&](TileObject& self) { calls += &self == &o; };
    o.activate();
    o.activate();
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(o.activated);
}
