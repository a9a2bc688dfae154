#pragma once
// The data model with its saves in a fresh storage folder of the test's own, a stand-in floor,
// and the save service forgotten before and after.
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>

#include "DataFixture.h"
#include "game/data/Data.h"
#include "game/data/DataFloor.h"
#include "platform/system/FileSystem.h"

// A floor whose tiles a test sets; every other tile is an empty floor tile.
class FakeFloor : public game::DataFloor {
public:
    Tile tile(int i, int j) override {
        auto it = tiles.find({i, j});
        return it == tiles.end() ? Tile{} : it->second;
    }
    bool secretRevealed() override { return revealed; }
    int heroX() override { return 5; }
    int heroY() override { return 7; }
    int sorcererPhase() override { return 2; }
    int numFloorObjects() override { return 12; }
    int foundFloorObjects() override { return 4; }

    std::map<std::pair<int, int>, Tile> tiles;
    bool revealed = true;
};

class SaveFixture : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        storage = ::testing::TempDir() + "glv-saves-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::system(("rm -rf '" + storage + "'").c_str());
        media::FakeMediaModule::get().returns("media_native_filesystem_get_special_dir", runtime::Value(storage));
        floor = std::make_shared<FakeFloor>();
        game::DataFloor::install(floor);
        game::Data::reset_();
        game::GameData::currentSlot = -1;
        game::GameData::firstPlay = false;
    }

    void TearDown() override {
        game::Data::reset_();
        game::DataFloor::install(nullptr);
        game::GameData::currentSlot = -1;
        game::GameData::newGamePlusNum = 0;
        game::GameData::fps60 = true;
        std::system(("rm -rf '" + storage + "'").c_str());
        DataFixture::TearDown();
    }

    std::string file(const std::string& name) const { return storage + "//" + name + ".sol"; }
    bool exists(const std::string& name) const { return sys::FileSystem::exists(file(name)); }
    std::string read(const std::string& name) const { return sys::FileSystem::readFile(file(name)).value_or(""); }
    void write(const std::string& name, const std::string& text) const {
        if (!sys::FileSystem::exists(storage)) sys::FileSystem::createDirectory(storage);
        sys::FileSystem::writeFileAtomic(file(name), text);
    }
    // The entry as a fresh start reads it.
    static runtime::Value entry(const std::string& name) {
        auto save = runtime::make<engine::EngSave>();
        save->bind(name);
        return runtime::Value(save->data);
    }

    // A fresh process up to the save loader: defaults, then the saves.
    static void restart() {
        using game::GameData;
        game::Data::reset_();
        GameData::currentSlot = -1;
        GameData::initializeStaticStuff();
        GameData::initializeGameStuff();
        GameData::clearAllGameData();
        game::Data::loadSaveData();
    }

    std::string storage;
    std::shared_ptr<FakeFloor> floor;
};
