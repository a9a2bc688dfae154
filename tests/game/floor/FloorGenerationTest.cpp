// Generated floors: the zone table, the floor kinds, zone growth, thinning and corridors.
#include "FloorFixture.h"

#include <set>
#include <stdexcept>

using game::MapData;
using game::ZoneData;
using Kind = MapData::FloorKind;

TEST(ZoneData, TableRowsByFloor) {
    ZoneData::setZones();
    ASSERT_EQ(ZoneData::ZONES.size(), 121u);
    struct Row { int floor, min, max, radius; };
    for (const Row& r : {Row{1, 4, 7, 5}, Row{0, 6, 9, 6}, Row{5, 6, 9, 6}, Row{6, 7, 10, 6}, Row{10, 7, 10, 6},
                         Row{20, 8, 12, 6}, Row{21, 8, 10, 4}, Row{31, 10, 12, 4}, Row{40, 10, 12, 4},
                         Row{41, 8, 12, 6}, Row{120, 8, 12, 6}}) {
        auto z = ZoneData::forFloor(r.floor);
        ASSERT_TRUE(z) << r.floor;
        EXPECT_EQ(std::tuple(z->minZones, z->maxZones, z->zoneMaxRadius), std::tuple(r.min, r.max, r.radius)) << r.floor;
    }
    EXPECT_FALSE(ZoneData::forFloor(121));
    EXPECT_FALSE(ZoneData::forFloor(-1));
}

TEST_F(FloorTest, FloorKindsByNumberAndSwitches) {
    struct Case { int floor; std::vector<int> switches; Kind kind; };
    const std::vector<Case> cases = {
        {25, {}, Kind::BOSS},          {25, {13}, Kind::ORDINARY},   {50, {}, Kind::BOSS},
        {50, {14}, Kind::ORDINARY},    {50, {13, 14, 15, 19}, Kind::ORDINARY},
        {80, {}, Kind::SORCERER},      {80, {15}, Kind::SHOP},       {100, {}, Kind::DEMON},
        {100, {19}, Kind::EMPTY_DEMON}, {100, {13, 14, 15}, Kind::DEMON},
        {10, {}, Kind::SHOP},          {90, {}, Kind::SHOP},         {1, {}, Kind::ORDINARY},
        {45, {}, Kind::ORDINARY},      {99, {}, Kind::ORDINARY},     {24, {}, Kind::ORDINARY},
    };
    for (const Case& c : cases) {
        GameData::gameSwitches.assign(game::SWITCH::NUM_SWITCHES, false);
        for (int s : c.switches) GameData::gameSwitches[s] = true;
        EXPECT_EQ(MapData::floorKind(c.floor), c.kind) << "floor " << c.floor;
    }
    // A switch row shorter than the index reads as not set.
    GameData::gameSwitches.clear();
    EXPECT_EQ(MapData::floorKind(25), Kind::BOSS);
}

TEST_F(FloorTest, AShopFloorUnlocksItsShopOnce) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(7));
    GameData::currentFloor = 10;
    auto first = runtime::make<MapData>(&recorder);
    ASSERT_EQ(GameData::shopsUnlocked.size(), 2u);
    EXPECT_TRUE(GameData::shopsUnlocked[1]);
    EXPECT_FALSE(GameData::shopsUnlocked[0]);
    EXPECT_EQ(GameData::shopsFoundThisRun, 1);
    auto again = runtime::make<MapData>(&recorder);
    EXPECT_EQ(GameData::shopsFoundThisRun, 1);
    // The one centred zone: its first three rings open completely.
    ASSERT_TRUE(first->shopCenter);
    EXPECT_TRUE(first->shopCenter->equals(pt(16, 16)));
    for (int x = 13; x <= 19; ++x)
        for (int y = 13; y <= 19; ++y)
            if (std::abs(x - 16) + std::abs(y - 16) <= 3) EXPECT_FALSE(first->tiles[x][y]->wall) << x << "," << y;
}

TEST_F(FloorTest, EveryFifthFloorClearsTheSecretFlag) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(3));
    GameData::secretTheseFiveFloors = true;
    GameData::currentFloor = 14;
    runtime::make<MapData>(&recorder);
    EXPECT_TRUE(GameData::secretTheseFiveFloors);
    GameData::currentFloor = 15;
    runtime::make<MapData>(&recorder);
    EXPECT_FALSE(GameData::secretTheseFiveFloors);
}

TEST_F(FloorTest, ANewDungeonFloorIsFoggedWall) {
    // No zones at all: nothing is opened.
    ZoneData::ZONES[3] = runtime::make<ZoneData>(0, 0, 6);
    GameData::currentFloor = 3;
    auto floor = runtime::make<MapData>(&recorder);
    EXPECT_EQ(floor->width, 32);
    EXPECT_EQ(floor->height, 32);
    ASSERT_EQ(floor->tiles.size(), 32u);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) {
            EXPECT_TRUE(floor->tiles[x][y]->wall);
            EXPECT_EQ(floor->fogTilesOpacity[x][y], 1.0);
            EXPECT_EQ(floor->tiles[x][y]->lev_x, x);
        }
    EXPECT_TRUE(floor->zones.empty());
    EXPECT_FALSE(floor->preMade);
}

TEST_F(FloorTest, FloorOnePlantsFourToSixSeedsInsideTheRadius) {
    std::set<size_t> counts;
    for (uint64_t seed = 0; seed < 60; ++seed) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(seed));
        // expandZones alone on a fresh grid, to see every seed before thinning.
        auto probe = runtime::make<MapData>(&recorder, runtime::make<game::TiledMap>(32, 32, std::vector<runtime::Ref<game::TiledTileset>>{},
                                                                                    std::vector<runtime::Ref<game::TiledLayer>>{},
                                                                                    std::vector<runtime::Ref<game::RainRect>>{}));
        probe->zData = ZoneData::forFloor(1);
        probe->expandZones();
        counts.insert(probe->zones.size());
        for (const auto& z : probe->zones) {
            EXPECT_GE(z->x, 5);
            EXPECT_LE(z->x, 26);
            EXPECT_GE(z->y, 5);
            EXPECT_LE(z->y, 26);
        }
    }
    EXPECT_EQ(counts, (std::set<size_t>{4, 5, 6}));
}

TEST_F(FloorTest, JoinedZonesKeepTheirLastSeedAndDigNothing) {
    auto floor = carve({"..........", ".........."});
    floor->zones = {pt(1, 1), pt(5, 2), pt(9, 1)};
    auto last = floor->zones.back();
    floor->deleteExtraZones();
    ASSERT_EQ(floor->zones.size(), 1u);
    EXPECT_EQ(floor->zones[0], last);
    floor->connectZones();
    EXPECT_TRUE(floor->floorTiles.empty());
}

TEST_F(FloorTest, CorridorsAreMonotoneStaircasesBetweenSeeds) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(11));
    auto floor = carve({});
    floor->tiles[3][4]->wall = false;
    floor->tiles[20][25]->wall = false;
    floor->zones = {pt(3, 4), pt(20, 25)};
    floor->connectZones();
    EXPECT_EQ(floor->zones.size(), 1u);
    // 17 steps right and 21 down, each opening one cell inside the rectangle, but for the last:
    // the cell next to the target already joins it.
    EXPECT_EQ(floor->floorTiles.size(), 37u);
    for (const auto& t : floor->floorTiles) {
        EXPECT_GE(t->lev_x, 3);
        EXPECT_LE(t->lev_x, 20);
        EXPECT_GE(t->lev_y, 4);
        EXPECT_LE(t->lev_y, 25);
    }
    EXPECT_TRUE(floor->pathBetween(pt(3, 4), pt(20, 25)));
}

namespace {

// The open cells form one 4-connected piece.
bool oneComponent(const MapData& floor) {
    std::vector<std::pair<int, int>> open;
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            if (!floor.tiles[x][y]->wall && !floor.tiles[x][y]->hidden) open.emplace_back(x, y);
    if (open.empty()) return false;
    std::vector<char> seen(32 * 32, 0);
    std::vector<std::pair<int, int>> todo{open[0]};
    seen[open[0].first * 32 + open[0].second] = 1;
    size_t reached = 1;
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        const int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
        for (int d = 0; d < 4; ++d) {
            const int nx = x + dx[d], ny = y + dy[d];
            if (nx < 0 || ny < 0 || nx > 31 || ny > 31 || seen[nx * 32 + ny]) continue;
            const auto& t = floor.tiles[nx][ny];
            if (t->wall || t->hidden) continue;
            seen[nx * 32 + ny] = 1;
            ++reached;
            todo.emplace_back(nx, ny);
        }
    }
    return reached == open.size();
}

}  // namespace

TEST_F(FloorTest, SeededOrdinaryFloorsAreClosedJoinedAndFinish) {
    int floors = 0;
    for (int f = 1; f <= 100; ++f) {
        if (MapData::floorKind(f) != Kind::ORDINARY) continue;
        for (uint64_t seed = 0; seed < 12; ++seed) {
            SCOPED_TRACE("floor " + std::to_string(f) + " seed " + std::to_string(seed));
            // A watchdog on the draws: a generation that never ends stops here.
            auto source = game::FloorRandom::seeded(seed * 1000 + f);
            long draws = 0;
            game::FloorRandom::setSource([&] {
                if (++draws > 200000) throw std::runtime_error("generation does not end");
                return source();
            });
            GameData::currentFloor = f;
            auto floor = runtime::make<MapData>(&recorder);
            ++floors;
            for (int k = 0; k < 32; ++k)
                for (auto [x, y] : {std::pair{k, 0}, {k, 31}, {0, k}, {31, k}}) ASSERT_TRUE(floor->tiles[x][y]->wall);
            ASSERT_TRUE(oneComponent(*floor));
            ASSERT_EQ(floor->zones.size(), 1u);
            ASSERT_FALSE(floor->floorTiles.empty());
        }
    }
    EXPECT_GE(floors, 1000);
}

TEST_F(FloorTest, TheSameSeedGivesTheSameFloor) {
    auto layout = [&](uint64_t seed) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(seed));
        GameData::currentFloor = 33;
        auto floor = runtime::make<MapData>(&recorder);
        std::string cells;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) cells += floor->tiles[x][y]->wall ? '#' : '.';
        return cells;
    };
    EXPECT_EQ(layout(42), layout(42));
    EXPECT_NE(layout(42), layout(43));
}

TEST_F(FloorTest, FloorsBeyondTheTableUseItsLastRow) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(5));
    GameData::currentFloor = 130;
    auto floor = runtime::make<MapData>(&recorder);
    EXPECT_EQ(floor->zData, ZoneData::ZONES.back());
    EXPECT_EQ(floor->zones.size(), 1u);
}
