#pragma once
// The data model over the game fixture: the real item tables read afresh, a first-play hero, and
// recording stand-ins for the UI root, the exploration state and the achievements.
#include <memory>
#include <string>
#include <vector>

#include "game/data/DataAchievements.h"
#include "game/data/DataMap.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/shell/G.h"
#include "tests/game/shell/GameFixture.h"

// Every call, as "name" or "name:argument".
class DataRecorder {
public:
    std::vector<std::string> calls;
    void record(const std::string& call) { calls.push_back(call); }
    int count(const std::string& call) const {
        int n = 0;
        for (auto& c : calls) n += c == call;
        return n;
    }
};

class RecordingUI : public game::DataUI {
public:
    explicit RecordingUI(DataRecorder& r) : r(r) {}
    static std::string opt(std::optional<int> v) { return v ? std::to_string(*v) : "-"; }
    void updateHPMPExp(std::optional<int> hp, std::optional<int> mp, std::optional<int> exp) override {
        r.record("bars:" + opt(hp) + "," + opt(mp) + "," + opt(exp));
    }
    void updateGold() override { r.record("updateGold"); }
    void showGoldAnim(int change) override { r.record("goldAnim:" + std::to_string(change)); }
    void showExpAnim(int change) override { r.record("expAnim:" + std::to_string(change)); }
    void updateFloor() override { r.record("updateFloor"); }
    void showStatChooseMenu() override { r.record("statChoose"); }
    void setStartButtonText() override { r.record("startButtonText"); }
    void updateEquipmentData() override { r.record("equipmentData"); }
    void updateEquipmentStats() override { r.record("equipmentStats"); }
    void clearItemDetails() override { r.record("clearDetails"); }
    void refreshSelectedItem(const runtime::Ref<game::Item>&) override { r.record("refreshSelected"); }
    void updateInventory() override { r.record("updateInventory"); }
    bool inventoryOpen() override { return inventoryIsOpen; }
    bool menuOpen() override { return menuIsOpen; }
    void closeMenu() override { r.record("closeMenu"); }
    void initializeHotkeySlots() override { r.record("hotkeySlots"); }
    void updateHotkeyAmounts() override { r.record("hotkeyAmounts"); }
    void putItemInFirstOpenSlot(const runtime::Ref<game::Item>& item) override {
        r.record("hotkeyPut:" + item->data->name.str());
    }
    void addNewEffect(const runtime::Ref<game::Enchantment>& e, int duration) override {
        r.record("effect:" + e->type.str() + "=" + std::to_string(e->value) + "x" + std::to_string(duration));
    }
    void updateActiveEffects() override { r.record("activeEffects"); }
    void updateLootStats() override { r.record("lootStats"); }
    void openWingsConfirmation() override { r.record("wingsQuestion"); }
    void openUseSpecialWindow(const runtime::Ref<game::Item>& item) override {
        r.record("useSpecial:" + item->data->name.str());
    }

    DataRecorder& r;
    bool inventoryIsOpen = false;
    bool menuIsOpen = false;
};

class RecordingMap : public game::DataMap {
public:
    explicit RecordingMap(DataRecorder& r) : r(r) {}
    bool inBattle() override { return battle; }
    runtime::String battleMagicEffect() override { return magicEffect; }
    void useAttackSpell(const runtime::Ref<game::Item>& item) override {
        magicEffect = item->data->name;
        r.record("attackSpell:" + item->data->name.str());
    }
    void revealMap() override { r.record("revealMap"); }
    void startChooseTileMode(const runtime::Ref<game::Item>& item) override {
        r.record("chooseTile:" + item->data->name.str());
    }
    void useWings() override { r.record("useWings"); }
    void floatStatLabel(const runtime::String& text) override { r.record("statLabel:" + text.str()); }
    void floatRestoreLabel(const runtime::String& text, int y) override {
        r.record("restoreLabel:" + text.str() + "@" + std::to_string(y));
    }
    void playHealAnimation() override { r.record("healAnim"); }
    void floatRefusal(const runtime::String& text) override { r.record("refusal:" + text.str()); }

    DataRecorder& r;
    bool battle = false;
    runtime::String magicEffect = "";
};

class RecordingAchievements : public game::DataAchievements {
public:
    explicit RecordingAchievements(DataRecorder& r) : r(r) {}
    void submitLevel() override { r.record("submitLevel"); }
    void submitEscapedWithArtifact() override { r.record("submitEscaped"); }
    DataRecorder& r;
};

class DataFixture : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        clearTables();
        game::ItemData::createItems();
        ui = std::make_shared<RecordingUI>(recorder);
        map = std::make_shared<RecordingMap>(recorder);
        game::DataUI::install(ui);
        game::DataMap::install(map);
        game::DataAchievements::install(std::make_shared<RecordingAchievements>(recorder));
        using game::GameData;
        GameData::initializeStaticStuff();
        GameData::initializeGameStuff();
        GameData::setupFirstPlay();
        GameData::level = 1;
        GameData::exp = GameData::expThisRun = GameData::skillPoints = 0;
        GameData::artifactsThisRun.clear();
        GameData::itemsNeedSorted = GameData::shopItemsNeedSorted = false;
        GameData::wingsItemRef = nullptr;
        for (int* v : {&GameData::defFire, &GameData::defEarth, &GameData::defWind, &GameData::defIce,
                       &GameData::defDark, &GameData::defLight, &GameData::attFire, &GameData::attEarth,
                       &GameData::attWind, &GameData::attIce, &GameData::attDark, &GameData::attLight})
            *v = 0;
        game::G::pauseGame = false;
    }

    void TearDown() override {
        game::DataUI::install(nullptr);
        game::DataMap::install(nullptr);
        game::DataAchievements::install(nullptr);
        using game::GameData;
        GameData::initializeGameStuff();
        GameData::freeShopItems.clear();
        GameData::freeShopIcons.clear();
        GameData::wingsItemRef = nullptr;
        GameData::potionEfficiency = 1.0;
        GameData::inCave = false;
        clearTables();
        game::G::pauseGame = false;
        GameFixture::TearDown();
    }

public:
    // Empties the item lists (the start-up appends to them).
    static void clearTables() {
        using game::ItemData;
        for (auto* l : {&ItemData::CONSUMABLES, &ItemData::WEAPONS, &ItemData::SHIELDS, &ItemData::HELMETS,
                        &ItemData::BODIES, &ItemData::LEGS, &ItemData::BOOTS, &ItemData::HANDS,
                        &ItemData::ACCESSORIES, &ItemData::CRAFTINGS, &ItemData::MAGICS, &ItemData::ALL_ITEMS})
            l->clear();
        game::Item::ZERO = nullptr;
        game::MonsterData::MONSTERS.clear();
    }

protected:
    // A new item of the definition with that id.
    static runtime::Ref<game::Item> item(int id) {
        auto data = game::ItemData::findDataWithID(id);
        EXPECT_TRUE(data) << "no definition " << id;
        return runtime::make<game::Item>(data);
    }

    DataRecorder recorder;
    std::shared_ptr<RecordingUI> ui;
    std::shared_ptr<RecordingMap> map;
};
