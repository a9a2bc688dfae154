// The time-sliced path search and the flood test between two cells.
#include "FloorFixture.h"

#include "StandInObjects.h"

using Cells = std::vector<std::pair<int, int>>;

namespace {

// Every step of a path joins side-by-side cells.
void expectSteps(const Cells& path, std::pair<int, int> from) {
    for (const auto& c : path) {
        EXPECT_EQ(std::abs(c.first - from.first) + std::abs(c.second - from.second), 1);
        from = c;
    }
}

}  // namespace

using tests_floor::Blocker;

TEST_F(FloorTest, NextToTheTargetThePathIsTheTargetAlone) {
    auto floor = carve({"....", "...."});
    floor->getMovePath(pt(2, 2), pt(3, 2));
    floor->updateGetMovePath();
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0], (Cells{{3, 2}}));
    EXPECT_TRUE(recorder.targets[0]->equals(pt(3, 2)));
}

TEST_F(FloorTest, StartEqualToTargetStartsNothing) {
    auto floor = carve({"...."});
    floor->getMovePath(pt(2, 1), pt(2, 1));
    EXPECT_TRUE(floor->nodes.empty());
    floor->updateGetMovePath();
    EXPECT_TRUE(recorder.results.empty());
}

TEST_F(FloorTest, PathsGoRoundMonstersStairsAndTeleportsButMayEndOnThem) {
    const std::vector<std::pair<const char*, std::function<runtime::Ref<game::TileObject>(game::Tile*)>>> kinds = {
        {"monster", [](game::Tile* t) { return runtime::make<tests_floor::Monster>(t); }},
        {"stairs", [](game::Tile* t) { return runtime::make<tests_floor::Stairs>(t); }},
        {"teleport", [](game::Tile* t) { return runtime::make<tests_floor::TeleportTile>(t); }},
        {"door", [](game::Tile* t) { return runtime::make<tests_floor::Door>(t); }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        recorder.results.clear();
        // A corridor with the object in its middle and a detour below.
        auto floor = carve({".......",
                            ".#####.",
                            "......."});
        auto& cell = floor->tiles[4][1];
        cell->tObj = make(cell.get());
        cell->tObj->walkable = true;
        cell->tObj->nonBlocking = true;  // passable, yet never a waypoint
        floor->getMovePath(pt(1, 1), pt(7, 1));
        floor->updateGetMovePath();
        ASSERT_EQ(recorder.results.size(), 1u);
        const Cells path = recorder.results[0];
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path.back(), std::pair(7, 1));
        for (const auto& c : path) EXPECT_NE(c, std::pair(4, 1));
        expectSteps(path, {1, 1});

        // Ending on it is allowed.
        floor->getMovePath(pt(1, 1), pt(4, 1));
        floor->updateGetMovePath();
        ASSERT_EQ(recorder.results.size(), 2u);
        EXPECT_EQ(recorder.results[1], (Cells{{2, 1}, {3, 1}, {4, 1}}));
    }
}

TEST_F(FloorTest, ClosedRoomReportsAnEmptyPathOnceAfterTwoAttempts) {
    auto floor = carve({"...#...",
                        "...#...",
                        "...#..."});
    floor->getMovePath(pt(1, 1), pt(6, 2));
    floor->updateGetMovePath();  // the first attempt runs out and starts the second
    EXPECT_TRUE(recorder.results.empty());
    EXPECT_TRUE(floor->nextClosest);
    ASSERT_EQ(floor->nodes.size(), 1u);  // started over from the seed
    floor->updateGetMovePath();
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_TRUE(recorder.results[0].empty());
}

TEST_F(FloorTest, EachUpdateWorksForOneTimeSlice) {
    auto floor = carve({"..........................."});
    // A clock that moves 40 ms at every read: one step per update.
    int reads = 0;
    game::MapData::timer = [&] { return 1000 + 40 * reads++; };
    floor->getMovePath(pt(1, 1), pt(27, 1));
    int updates = 0;
    while (recorder.results.empty() && updates < 100) {
        const size_t before = floor->nodes.size();
        const int readsBefore = reads;
        floor->updateGetMovePath();
        ++updates;
        if (recorder.results.empty()) {
            EXPECT_EQ(reads - readsBefore, 2);
            EXPECT_EQ(floor->nodes.size(), before + 1);
        }
    }
    EXPECT_EQ(updates, 26);
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0].size(), 26u);

    // A frozen clock: one call finishes the search.
    recorder.results.clear();
    game::MapData::timer = [] { return 5000; };
    floor->getMovePath(pt(27, 1), pt(1, 1));
    floor->updateGetMovePath();
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0].back(), std::pair(1, 1));
    expectSteps(recorder.results[0], {27, 1});
}

TEST_F(FloorTest, TiesGoToTheNodeReachedFirstAndBordersAreSkipped) {
    auto floor = carve({"...", "...", "..."});
    // The whole floor open to the border: searching along the edge must not step outside.
    for (int x = 0; x < 32; ++x) floor->tiles[x][0]->wall = false;
    floor->getMovePath(pt(0, 0), pt(31, 0));
    floor->updateGetMovePath();
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0].size(), 31u);
    expectSteps(recorder.results[0], {0, 0});
}

TEST_F(FloorTest, GetPathFromListWalksTheCountsBack) {
    auto floor = carve({"."});
    std::vector<game::PathNode> nodes = {{5, 5, 0, 0, false}, {4, 5, 1, 0, false}, {5, 4, 1, 0, false},
                                         {4, 4, 2, 0, false}, {3, 4, 3, 0, false}};
    auto path = floor->getPathFromList(nodes, pt(3, 4));
    Cells cells;
    for (auto& p : path) cells.emplace_back(p->x, p->y);
    EXPECT_EQ(cells, (Cells{{3, 4}, {4, 4}, {4, 5}, {5, 5}}));
    EXPECT_TRUE(floor->indexOfPntInArr(pt(4, 4), nodes));
    EXPECT_FALSE(floor->indexOfPntInArr(pt(3, 3), nodes));
}

TEST_F(FloorTest, PathBetweenFloodsPassableCellsOnly) {
    auto floor = carve({"..#..",
                        "..#..",
                        "....."});
    EXPECT_TRUE(floor->pathBetween(pt(1, 1), pt(5, 1)));
    EXPECT_TRUE(floor->pathBetween(pt(3, 1), pt(3, 1)));  // itself, even a wall
    EXPECT_FALSE(floor->pathBetween(pt(3, 1), pt(1, 1)));  // towards a wall
    // A blocking object cuts the only way.
    auto& gate = floor->tiles[3][3];
    gate->tObj = runtime::make<Blocker>(gate.get());
    gate->tObj->nonBlocking = false;
    EXPECT_FALSE(floor->pathBetween(pt(1, 1), pt(5, 1)));
    gate->tObj->nonBlocking = true;
    EXPECT_TRUE(floor->pathBetween(pt(1, 1), pt(5, 1)));
    // A blocked edge on either side of it cuts it too.
    floor->tiles[2][3]->rightBlocked = true;
    EXPECT_FALSE(floor->pathBetween(pt(1, 1), pt(5, 1)));
    floor->tiles[2][3]->rightBlocked = false;
    floor->tiles[3][3]->leftBlocked = true;
    EXPECT_FALSE(floor->pathBetween(pt(1, 1), pt(5, 1)));
}

TEST_F(FloorTest, TheWalkingSearchCrossesBlockedEdges) {
    auto floor = carve({"...."});
    floor->tiles[2][1]->rightBlocked = true;
    floor->getMovePath(pt(1, 1), pt(4, 1));
    floor->updateGetMovePath();
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0], (Cells{{2, 1}, {3, 1}, {4, 1}}));
}
