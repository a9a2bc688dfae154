#pragma once
// Test set-up shared by the game's scene tests: the tables read once per process, and a save
// folder of the test program's own.
#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/floor/TiledMap.h"
#include "game/floor/ZoneData.h"
#include "game/map/NPCData.h"

namespace testing_game {

// The map files, item, monster and dialogue tables, the game's statics and the zone table.
inline void loadGameTablesOnce() {
    static bool loaded = false;
    if (loaded) return;
    game::TiledMap::createMaps();
    game::ItemData::createItems();
    game::MonsterData::createMonsters();
    game::NPCData::createNPCs();
    game::GameData::initializeStaticStuff();
    game::ZoneData::setZones();
    loaded = true;
}

// Points XDG_DATA_HOME at a fresh folder under the test temp folder named after `name`.
inline void useOwnSaveFolder(const std::string& name) {
    const std::string data = ::testing::TempDir() + name + "-" + std::to_string(getpid());
    std::filesystem::create_directories(data);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
}

}  // namespace testing_game
