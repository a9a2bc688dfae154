// The run snapshot: taken, changed and restored again, kept in the slot save and loaded back.
#include "SaveFixture.h"
#include "game/data/DataSnapshot.h"
#include "game/data/SWITCH.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

using game::GameData;
using runtime::Ref;
using runtime::Value;

class DataSnapshotTest : public SaveFixture {
protected:
    // Everything a slot save holds of the game state, plus the hotkey list (the bar's own
    // items are the UI root's, rebuilt from that list).
    std::string state() {
        auto bar = std::exchange(ui->hotkeyBar, std::nullopt);
        auto obj = runtime::make<runtime::DynamicObject>();
        game::Data::saveSlotDataToObject(obj);
        ui->hotkeyBar = bar;
        std::string hotkeys;
        for (auto& i : GameData::hotkeySlotItems) hotkeys += i ? std::to_string(i->data->id) + "," : "none,";
        return obj->toString() + hotkeys;
    }

    void buildHero() {
        GameData::addItem(item(5), 4);
        auto sword = item(1038);
        sword->enchantments.push_back(runtime::make<game::Enchantment>(game::Enchantment::ATTACK, 7));
        sword->createEffectiveData();
        GameData::equipItem(sword, 0, false, false);
        GameData::skillNodesUnlocked = {"m1"};
        GameData::hpGems = 2;
        GameData::hpGemCost = 750;
        GameData::deepestFloor = 4;
        GameData::setSwitch(3, true);
        GameData::hotkeySlotItems = {item(5), nullptr};
        ui->hotkeyBar = std::vector<Ref<game::Item>>{GameData::items[0], nullptr};
    }

    static void change() {
        GameData::gold += 500;
        GameData::maxHP += 40;
        GameData::critMultiplier = 3;
        GameData::addItem(runtime::make<game::Item>(game::ItemData::findDataWithID(1015)), 1, false, false);
        GameData::items[0]->amount = 1;
        GameData::equippedItems[0] = nullptr;
        GameData::skillNodesUnlocked.push_back("m2");
        GameData::hpGemCost = 1125;
        GameData::deepestFloor = 9;
        GameData::setSwitch(3, false);
        GameData::setSwitch(40, true);
        GameData::shopsUnlocked[5] = true;
        GameData::hotkeySlotItems = {nullptr, nullptr, nullptr};
    }
};

TEST_F(DataSnapshotTest, RestoringTwiceGivesTheSameStateWithNewItems) {
    buildHero();
    auto snapshot = GameData::beforeRunSnapshot;
    snapshot->takeSnapshot();
    // The bar's slots as the UI root shows them, copied.
    ASSERT_EQ(snapshot->hotkeySlotItems.size(), 2u);
    EXPECT_NE(snapshot->hotkeySlotItems[0].get(), GameData::items[0].get());
    EXPECT_FALSE(snapshot->hotkeySlotItems[1]);
    GameData::hotkeySlotItems = {GameData::items[0], nullptr};
    std::string before = state();

    change();
    snapshot->restoreToGamedata();
    std::string after = state();
    if (after != before) {
        std::size_t i = 0;
        while (i < after.size() && after[i] == before[i]) ++i;
        ADD_FAILURE() << before.substr(i > 60 ? i - 60 : 0, 160) << "\n" << after.substr(i > 60 ? i - 60 : 0, 160);
    }
    EXPECT_EQ(GameData::deepestFloor, 4);
    auto firstItems = GameData::items;
    EXPECT_NE(firstItems[0].get(), snapshot->items[0].get());
    EXPECT_EQ(GameData::items.size(), GameData::itemIcons.size());
    EXPECT_EQ(GameData::equippedItems[0]->enchantments.size(), snapshot->equippedItems[0]->enchantments.size());

    change();
    snapshot->restoreToGamedata();
    EXPECT_TRUE(state() == before);
    EXPECT_NE(GameData::items[0].get(), firstItems[0].get());
    EXPECT_NE(GameData::equippedItems[0].get(), snapshot->equippedItems[0].get());
}

TEST_F(DataSnapshotTest, ALoadedSnapshotKeepsTheDeepestFloorTakesMissingGemCostsAndShortSwitchLists) {
    buildHero();
    GameData::beforeRunSnapshot->takeSnapshot();
    Ref<runtime::DynamicObject> saved = GameData::beforeRunSnapshot->dynamicSaveObject;
    EXPECT_TRUE(saved->getField("deepestFloor").isNull());
    EXPECT_EQ(saved->getField("hotkeySlotItems").toText().substr(0, 2), "[{");

    // Through a save object without gem costs and with three switches.
    saved->removeField("hpGemCost");
    auto shortSwitches = runtime::make<runtime::Array>();
    for (bool b : {false, false, false}) shortSwitches->push(Value(b));
    saved->setField("gameSwitches", Value(shortSwitches));
    auto loaded = runtime::make<game::DataSnapshot>();
    GameData::hpGemCost = 1687;
    loaded->loadSavedSnapshot(Value(saved));
    EXPECT_EQ(loaded->hpGemCost, 1687);
    EXPECT_EQ(loaded->dynamicSaveObject->getField("hpGemCost").toInt(), 1687);
    EXPECT_EQ(loaded->deepestFloor, -1);
    ASSERT_EQ(loaded->hotkeySlotItems.size(), 2u);
    EXPECT_FALSE(loaded->hotkeySlotItems[1]);

    GameData::deepestFloor = 11;
    GameData::setSwitch(1, true);
    GameData::setSwitch(50, true);
    loaded->restoreToGamedata();
    EXPECT_EQ(GameData::deepestFloor, 11);
    EXPECT_EQ(GameData::hpGemCost, 1687);
    EXPECT_FALSE(GameData::getSwitch(1));
    EXPECT_TRUE(GameData::getSwitch(50));
    EXPECT_EQ(GameData::gameSwitches.size(), 100u);
    ASSERT_EQ(GameData::hotkeySlotItems.size(), 2u);
    EXPECT_FALSE(GameData::hotkeySlotItems[1]);
    EXPECT_EQ(GameData::hotkeySlotItems[0]->data->id, 5);
    EXPECT_EQ(GameData::equippedItems.size(), 10u);

    // A death without a reload brings the run-start deepest floor back.
    GameData::beforeRunSnapshot->restoreToGamedata();
    EXPECT_EQ(GameData::deepestFloor, 4);
}

TEST_F(DataSnapshotTest, ASlotSavedBeforeAnyRunStoresNoSnapshot) {
    auto obj = runtime::make<runtime::DynamicObject>();
    game::Data::saveSlotDataToObject(obj);
    EXPECT_TRUE(obj->getField("snapshotData").isNull());
    EXPECT_TRUE(obj->hasField("snapshotData"));
    // And loading it leaves the fresh snapshot as it is.
    auto fresh = GameData::beforeRunSnapshot;
    GameData::loadSlotData(Value(obj));
    EXPECT_EQ(GameData::beforeRunSnapshot.get(), fresh.get());
    EXPECT_FALSE(fresh->dynamicSaveObject);
}
