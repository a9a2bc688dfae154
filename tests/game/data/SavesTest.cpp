// Save entries and slots: first start, the settings and slot entries written and read back,
// the defaults of missing keys, a corrupt slot, and the legacy entry's migration.
#include "SaveFixture.h"
#include "game/data/ActiveEffect.h"
#include "game/data/SWITCH.h"
#include "game/shell/Audio.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

using game::Data;
using game::GameData;
using runtime::Value;

class SavesTest : public SaveFixture {};

TEST_F(SavesTest, FirstStartWritesOnlyTheSettingsAndTheNextStartBindsSlotMinusOne) {
    restart();
    EXPECT_TRUE(GameData::firstPlay);
    EXPECT_EQ(GameData::hp, 500);
    ASSERT_TRUE(exists("GLV2GameData"));
    Value settings = entry("GLV2GameData");
    EXPECT_TRUE(settings.field("exists").toBool());
    EXPECT_EQ(settings.field("lastSlot").toInt(), -1);
    EXPECT_EQ(settings.field("slotLevel").toText(), "[1,1,1,1]");
    for (const char* slot : {"GLV2Slot0", "GLV2Slot1", "GLV2Slot2", "GLV2Slot3", "GLV2Slot-1"})
        EXPECT_FALSE(exists(slot)) << slot;
    EXPECT_EQ(recorder.count("saveText"), 0);
    EXPECT_FALSE(exists("TheGlintvault2"));

    // Next start: the entry for slot -1 is bound and holds nothing; a save writes it and the
    // settings, with no notice, and no real slot.
    GameData::firstPlay = false;
    restart();
    EXPECT_FALSE(GameData::firstPlay);
    EXPECT_EQ(GameData::currentSlot, -1);
    ASSERT_TRUE(Data::slotData);
    EXPECT_EQ(Data::slotData->name, runtime::String("GLV2Slot-1"));
    Data::saveAllData(false);
    EXPECT_TRUE(exists("GLV2Slot-1"));
    EXPECT_FALSE(exists("GLV2Slot0"));
    EXPECT_EQ(recorder.count("saveText"), 0);
}

TEST_F(SavesTest, NoticeFollowsTheLatestRequestAndOnlyTheBoundSlotsSummaryIsRefreshed) {
    restart();
    // No bound slot: the settings alone, no notice.
    Data::saveAllData();
    EXPECT_EQ(recorder.count("saveText"), 0);
    EXPECT_EQ(entry("GLV2GameData").field("lastSlot").toInt(), -1);

    Data::bindSlotData(2);
    EXPECT_FALSE(exists("GLV2Slot2"));  // binding writes nothing
    GameData::level = 9;
    GameData::setSwitch(game::SWITCH::DEMON_KILLED, true);
    GameData::floorSaveExists = true;
    Data::saveAllData();
    EXPECT_EQ(recorder.count("saveText"), 1);
    Data::saveAllData(false);
    EXPECT_EQ(recorder.count("saveText"), 1);
    Data::saveAllData();
    EXPECT_EQ(recorder.count("saveText"), 2);

    Value settings = entry("GLV2GameData");
    EXPECT_EQ(settings.field("lastSlot").toInt(), 2);
    EXPECT_EQ(settings.field("slotExists").toText(), "[false,false,true,false]");
    EXPECT_EQ(settings.field("slotLevel").toText(), "[1,1,9,1]");
    EXPECT_EQ(settings.field("slotNgpAvailable").toText(), "[false,false,true,false]");
    EXPECT_EQ(settings.field("slotInCave").toText(), "[false,false,true,false]");
    EXPECT_TRUE(entry("GLV2Slot2").field("exists").toBool());
}

TEST_F(SavesTest, SettingsDefaultsFromHandMadeEntries) {
    // A summary element that is none keeps the slot's summary; fps60 absent means on.
    write("GLV2GameData",
          "oy6:existsty8:lastSloti-1y10:slotExistsatnttthy9:slotLevelai3ni4i5hy11:musicVolumed0.25g");
    GameData::slotLevel = {1, 7, 1, 1};
    GameData::fps60 = false;
    Data::loadSaveData();
    EXPECT_TRUE(GameData::fps60);
    EXPECT_FALSE(GameData::guiSizeLarge);
    EXPECT_FALSE(GameData::stairsConfirm);
    EXPECT_DOUBLE_EQ(game::Audio::globalMusicVolume, 0.25);
    EXPECT_DOUBLE_EQ(game::Audio::globalSoundVolume, 0.0);
    EXPECT_EQ(GameData::slotLevel, (std::vector<int>{3, 7, 4, 5}));
    EXPECT_EQ(GameData::slotExists, (std::vector<bool>{true, false, true, true}));

    write("GLV2GameData", "oy6:existsty5:fps60fg");
    Data::reset_();
    Data::loadSaveData();
    EXPECT_FALSE(GameData::fps60);
    // No "lastSlot": slot 0 is bound, and with no entry of it nothing is loaded.
    EXPECT_EQ(GameData::currentSlot, 0);
    EXPECT_FALSE(exists("GLV2Slot0"));
    game::Audio::set_globalMusicVolume(1.0);
    game::Audio::globalSoundVolume = 1.0;
}

TEST_F(SavesTest, SlotDefaultsFromAHandMadeEntry) {
    // Table: stored text → runsToBeatTheGame, hpGemCost, gameMode.
    struct Case {
        const char* text;
        int runs, gemCost, mode;
    };
    for (const Case& c : {Case{"oy6:existsty17:runsToBeatTheGamei0y9:hpGemCostd749.7g", 999, 749, 0},
                          Case{"oy6:existstg", 999, 0, 0},
                          Case{"oy6:existsty17:runsToBeatTheGamei4y9:hpGemCosti600y8:gameModed1.9g", 4, 600, 1}}) {
        write("GLV2Slot1", c.text);
        GameData::museumItems = {item(2000)};
        GameData::messageWins.assign(50, true);
        GameData::loadSlotData(entry("GLV2Slot1"));
        EXPECT_EQ(GameData::runsToBeatTheGame, c.runs) << c.text;
        EXPECT_EQ(GameData::hpGemCost, c.gemCost) << c.text;
        EXPECT_EQ(GameData::gameMode, c.mode) << c.text;
        EXPECT_TRUE(GameData::museumItems.empty());
        EXPECT_TRUE(GameData::messageWins.empty());
        EXPECT_FALSE(GameData::floorSaveExists);
    }
    // Without "exists" nothing changes.
    GameData::gold = 77;
    write("GLV2Slot1", "oy4:goldi5g");
    GameData::loadSlotData(entry("GLV2Slot1"));
    EXPECT_EQ(GameData::gold, 77);
}

namespace {

// A hero in the middle of a run on a floor with a monster, two chests and gold.
void playIntoARun(FakeFloor& floor, RecordingUI& ui) {
    using T = game::DataFloor;
    GameData::heroType = 2;
    GameData::deepestFloor = 3;
    ui.hotkeyBar = std::vector<runtime::Ref<game::Item>>{nullptr, nullptr};
    GameData::addItem(runtime::make<game::Item>(game::ItemData::findDataWithID(5)), 3);
    GameData::startNewRun();
    GameData::deepestFloor = 5;
    GameData::inCave = true;
    GameData::currentFloor = 4;
    GameData::gainGold(120);
    GameData::hp = 321;
    GameData::addItem(runtime::make<game::Item>(game::ItemData::findDataWithID(1038)), 1);
    GameData::activeEffects.push_back(
        runtime::make<game::ActiveEffect>(runtime::make<game::Enchantment>(game::Enchantment::ATTACK, 5), 3));
    GameData::setSwitch(game::SWITCH::YETI_DEAD, true);
    GameData::skillNodesUnlocked = {"a1", "b2"};
    GameData::critMultiplier = 1.75;
    T::Tile monster{};
    monster.objType = T::TYPE_MONSTER;
    monster.monsterID = 150;
    monster.hp = 42;
    T::Tile opened{};
    opened.objType = T::TYPE_CHEST;
    opened.chestType = 1;
    opened.activated = true;
    opened.itemID = 1038;
    T::Tile closed = opened;
    closed.activated = false;
    T::Tile wall{};
    wall.wall = true;
    wall.visibility = 0.5;
    floor.tiles = {{{3, 4}, monster}, {{5, 6}, opened}, {{6, 5}, closed}, {{0, 0}, wall}};
}

}  // namespace

TEST_F(SavesTest, ASlotSavedMidRunReloadsIdentical) {
    restart();
    Data::bindSlotData(1);
    playIntoARun(*floor, *ui);
    Data::saveAllData();
    std::string saved = read("GLV2Slot1");
    ASSERT_FALSE(saved.empty());

    Value slot = entry("GLV2Slot1");
    Value tiles = slot.field("floorTiles");
    ASSERT_EQ(tiles.as<runtime::Array>()->length(), 32);
    Value monster = tiles.as<runtime::Array>()->at(3).as<runtime::Array>()->at(4);
    EXPECT_EQ(monster.toText(), "{ wall : false, hole : false, hidden : false, fakeWall : false, visibility : 0, "
                                "objType : 0, monsterID : 150, hp : 42 }");
    Value opened = tiles.as<runtime::Array>()->at(5).as<runtime::Array>()->at(6);
    Value closed = tiles.as<runtime::Array>()->at(6).as<runtime::Array>()->at(5);
    EXPECT_TRUE(opened.field("itemID").isNull());
    EXPECT_TRUE(opened.field("activated").toBool());
    EXPECT_EQ(closed.field("itemID").toInt(), 1038);
    EXPECT_EQ(slot.field("startPoint").toText(), "{ x : 5, y : 7 }");
    EXPECT_EQ(slot.field("sorcerorPhase").toInt(), 2);
    EXPECT_EQ(slot.field("activeEffects").toText(), "[{ type : att, value : 5, duration : 3 }]");
    EXPECT_FALSE(slot.field("snapshotData").isNull());
    EXPECT_EQ(slot.field("hotkeyItems").toText(), "[null,null]");

    // A fresh process loads the slot; back on its floor, saving again writes the same entry.
    int gold = GameData::gold;
    restart();
    EXPECT_EQ(GameData::currentSlot, 1);
    EXPECT_TRUE(GameData::floorSaveExists);
    EXPECT_EQ(GameData::gold, gold);
    EXPECT_EQ(GameData::hp, 321);
    EXPECT_EQ(GameData::currentFloor, 4);
    EXPECT_DOUBLE_EQ(GameData::critMultiplier, 1.75);
    ASSERT_EQ(GameData::activeEffects.size(), 1u);
    EXPECT_EQ(GameData::activeEffects[0]->duration, 3);
    EXPECT_EQ(GameData::items.size(), GameData::itemIcons.size());
    ASSERT_TRUE(GameData::equippedItems[0]);
    EXPECT_EQ(GameData::slotHeroType[1], 2);
    EXPECT_TRUE(GameData::getSwitch(game::SWITCH::YETI_DEAD));
    GameData::inCave = true;
    Data::saveAllData(false);
    EXPECT_TRUE(read("GLV2Slot1") == saved);

    // A death after the reload rolls back to the run's start from the saved snapshot.
    GameData::youDied();
    EXPECT_EQ(GameData::gold, 50);
    EXPECT_EQ(GameData::hp, 500);
    EXPECT_EQ(GameData::deepestFloor, 5);
}

TEST_F(SavesTest, SavedInTownHasNoFloorAndKeepsTheLastFloorCounters) {
    restart();
    Data::bindSlotData(0);
    playIntoARun(*floor, *ui);
    Data::saveAllData(false);
    GameData::inCave = false;
    GameData::floorSaveExists = false;
    Data::saveAllData(false);
    Value slot = entry("GLV2Slot0");
    EXPECT_TRUE(slot.field("floorTiles").isNull());
    EXPECT_TRUE(slot.field("startPoint").isNull());
    EXPECT_FALSE(slot.field("secretRevealed").toBool());
    EXPECT_EQ(slot.field("numFloorObjects").toInt(), 12);
    GameData::floorSaveExists = true;
    GameData::loadSlotData(slot);
    EXPECT_FALSE(GameData::floorSaveExists);
}

TEST_F(SavesTest, ACorruptSlotReadsEmptyAndNothingIsWritten) {
    restart();
    Data::bindSlotData(0);
    GameData::gold = 900;
    Data::saveAllData(false);
    Data::bindSlotData(3);
    Data::saveAllData(false);
    write("GLV2Slot3", "oy4:goldi12y5:items");  // cut off
    std::string settings = read("GLV2GameData"), slot0 = read("GLV2Slot0"), slot3 = read("GLV2Slot3");

    traces.clear();
    restart();
    EXPECT_EQ(GameData::currentSlot, 3);
    EXPECT_EQ(GameData::gold, 50);
    EXPECT_EQ(tracesContaining("Could not unserialize SharedObject"), 1);
    EXPECT_TRUE(GameData::slotExists[0]);
    EXPECT_EQ(read("GLV2GameData"), settings);
    EXPECT_EQ(read("GLV2Slot0"), slot0);
    EXPECT_EQ(read("GLV2Slot3"), slot3);
    // Slot 0 still loads.
    Data::bindSlotData(0);
    GameData::clearAllGameData();
    GameData::loadSlotData(Value(Data::slotData->data));
    EXPECT_EQ(GameData::gold, 900);
}

TEST_F(SavesTest, LegacyOnlyStartMigratesIntoSlotZeroAndNeverWritesTheLegacyEntry) {
    // An older game, saved on a floor, its sorcerer in phase 3.
    auto legacy = runtime::make<engine::EngSave>();
    legacy->bind("TheGlintvault2");
    auto l = legacy->data;
    l->setField("exists", Value(true));
    l->setField("level", Value(6));
    l->setField("gold", Value(345));
    l->setField("heroType", Value(1));
    l->setField("deepestFloor", Value(8));
    l->setField("currentFloor", Value(7));
    l->setField("fps60", Value(false));
    auto switches = runtime::make<runtime::Array>();
    for (int i = 0; i < 100; ++i) switches->push(Value(i == game::SWITCH::DEMON_KILLED));
    l->setField("gameSwitches", Value(switches));
    auto tiles = runtime::make<runtime::Array>();
    tiles->push(Value(runtime::make<runtime::Array>()));
    l->setField("floorTiles", Value(tiles));
    l->setField("sorcererPhase", Value(3));
    l->setField("numFloorObjects", Value(9));
    auto hotkeys = runtime::make<runtime::Array>();
    hotkeys->push(Value(Data::createSaveItem(item(5))));
    l->setField("hotkeyItems", Value(hotkeys));
    legacy->flush();
    legacy = nullptr;
    std::string before = read("TheGlintvault2");

    restart();
    EXPECT_EQ(GameData::currentSlot, 0);
    EXPECT_EQ(GameData::level, 6);
    EXPECT_FALSE(GameData::fps60);
    ASSERT_FALSE(GameData::hotkeySlotItems.empty());
    EXPECT_TRUE(GameData::hotkeySlotItems[0]);
    Value settings = entry("GLV2GameData");
    EXPECT_EQ(settings.field("lastSlot").toInt(), 0);
    EXPECT_EQ(settings.field("slotExists").toText(), "[true,false,false,false]");
    EXPECT_EQ(settings.field("slotInCave").toText(), "[true,false,false,false]");
    EXPECT_EQ(settings.field("slotNgpAvailable").toText(), "[true,false,false,false]");
    EXPECT_EQ(settings.field("slotDeepestFloor").toText(), "[8,0,0,0]");
    Value slot = entry("GLV2Slot0");
    EXPECT_EQ(slot.field("sorcerorPhase").toInt(), 3);
    EXPECT_TRUE(slot.field("sorcererPhase").isNull());
    EXPECT_EQ(slot.field("numFloorObjects").toInt(), 9);
    EXPECT_TRUE(slot.field("foundFloorObjects").isNull());
    EXPECT_FALSE(slot.field("floorTiles").isNull());
    EXPECT_EQ(slot.field("hotkeyItems").toText(), "[]");
    EXPECT_EQ(read("TheGlintvault2"), before);

    // The next start loads slot 0 and leaves the legacy entry alone.
    restart();
    EXPECT_EQ(GameData::currentSlot, 0);
    EXPECT_EQ(GameData::gold, 345);
    EXPECT_TRUE(GameData::floorSaveExists);
    EXPECT_EQ(read("TheGlintvault2"), before);
}
