#pragma once
// Floors for the tests: the run state of the game data reset, a recorder of path-search results, floors
// carved from text plans, and a scripted clock and random source restored after each test.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "game/data/GameData.h"
#include "game/data/SWITCH.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"

class PathRecorder : public game::MapStateLink {
public:
    void setFoundMovePath(const std::vector<runtime::Ref<framework::Point>>& path,
                          const runtime::Ref<framework::Point>& target) override {
        std::vector<std::pair<int, int>> cells;
        for (const auto& p : path) cells.emplace_back(static_cast<int>(p->x), static_cast<int>(p->y));
        results.push_back(cells);
        targets.push_back(target);
    }
    std::optional<std::pair<int, int>> heroCell() const override { return hero; }

    std::vector<std::vector<std::pair<int, int>>> results;
    std::vector<runtime::Ref<framework::Point>> targets;
    std::optional<std::pair<int, int>> hero;
};

class FloorTest : public ::testing::Test {
protected:
    void SetUp() override {
        game::ZoneData::setZones();
        GameData::currentFloor = 1;
        GameData::gameSwitches.assign(game::SWITCH::NUM_SWITCHES, false);
        GameData::shopsUnlocked.clear();
        GameData::shopsFoundThisRun = 0;
        GameData::secretTheseFiveFloors = false;
        savedTimer = game::MapData::timer;
        game::MapData::timer = [this] { return clock; };
    }
    void TearDown() override {
        GameData::gameSwitches.clear();
        GameData::shopsUnlocked.clear();
        GameData::currentFloor = 0;
        game::MapData::timer = savedTimer;
        game::FloorRandom::setSource({});
    }

    // A 32 x 32 floor, all wall but for the plan drawn from (1, 1): '.' floor, '#' wall.
    runtime::Ref<game::MapData> carve(const std::vector<std::string>& plan) {
        auto blank = runtime::make<game::TiledMap>(32, 32, std::vector<runtime::Ref<game::TiledTileset>>{},
                                                   std::vector<runtime::Ref<game::TiledLayer>>{},
                                                   std::vector<runtime::Ref<game::RainRect>>{});
        auto floor = runtime::make<game::MapData>(&recorder, blank);
        for (size_t y = 0; y < plan.size(); ++y)
            for (size_t x = 0; x < plan[y].size(); ++x)
                floor->tiles[x + 1][y + 1]->wall = plan[y][x] == '#';
        return floor;
    }

    static runtime::Ref<framework::Point> pt(int x, int y) { return runtime::make<framework::Point>(x, y); }

    using GameData = game::GameData;
    PathRecorder recorder;
    int clock = 1000;
    std::function<int()> savedTimer;
};
