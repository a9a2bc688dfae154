#pragma once
// The HUD panels over the real back end (the kit's fixture), with a clean inventory and
// recording stand-ins for the UI root and exploration-state hooks the panels call.
#include <memory>
#include <string>
#include <vector>

#include "game/data/DataMap.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/UIColor.h"
#include "game/shell/Audio.h"
#include "game/ui/HeldItemIcon.h"
#include "game/ui/EquipmentSlot.h"
#include "game/ui/HotkeyWindow.h"
#include "game/ui/HudLink.h"
#include "game/ui/ItemInventory.h"
#include "tests/game/kit/KitFixture.h"

struct HudUI : game::DataUI {
    bool useSpecial = false, crafting = false, forge = false, equipment = false, hotkeys = false, museum = false;
    int hotkeyAmountUpdates = 0, equipmentUpdates = 0;
    std::vector<std::optional<int>> hpChanges;
    bool useSpecialOpen() override { return useSpecial; }
    bool craftingOpen() override { return crafting; }
    bool forgeEnabled() override { return forge; }
    bool equipmentOpen() override { return equipment; }
    bool hotkeysOpen() override { return hotkeys; }
    bool museumOpen() override { return museum; }
    void updateHotkeyAmounts() override { ++hotkeyAmountUpdates; }
    void updateEquipmentData() override { ++equipmentUpdates; }
    void updateHPMPExp(std::optional<int> hp, std::optional<int>, std::optional<int>) override { hpChanges.push_back(hp); }
    runtime::Ref<game::InventoryIcon> createItemIcon(const runtime::Ref<game::Item>& item, bool buyPrice) override {
        return runtime::make<game::HeldItemIcon>(item, buyPrice);
    }
};

struct HudMap : game::DataMap {
    bool battle = false;
    std::vector<runtime::String> refusals;
    std::vector<runtime::Ref<game::Item>> attackSpells;
    std::vector<runtime::Ref<runtime::Object>> menuEffects;
    bool inBattle() override { return battle; }
    void useAttackSpell(const runtime::Ref<game::Item>& item) override { attackSpells.push_back(item); }
    void floatRefusal(const runtime::String& text) override { refusals.push_back(text); }
    void addMenuEffect(const runtime::Ref<runtime::Object>& sprite) override { menuEffects.push_back(sprite); }
};

// The root's side: the panels it owns and a log of the calls made on it.
struct HudRoot : game::HudLink {
    runtime::Ref<game::ItemInventory> inventoryPanel;
    runtime::Ref<game::HotkeyWindow> hotkeyBar;
    runtime::Ref<game::EquipmentSlot> selectedSlot;
    bool inventoryShown = false, forge = false;
    std::vector<std::string> calls;
    std::vector<runtime::Ref<game::BitmapSprite>> onHero;
    runtime::Ref<game::Item> detailsItem, previewNew, previewOld, enchanted;
    int enchantedSlot = -1;

    runtime::Ref<game::ItemInventory> inventory() override { return inventoryPanel; }
    runtime::Ref<game::HotkeyWindow> hotkeys() override { return hotkeyBar; }
    bool inventoryOpen() override { return inventoryShown; }
    bool atForge() override { return forge; }
    void openHotkeyWindow() override { calls.push_back("openHotkeyWindow"); }
    void closeHotkeyWindow() override { calls.push_back("closeHotkeyWindow"); }
    void openMenu() override { calls.push_back("openMenu"); }
    void enchantEquippedItem(const runtime::Ref<game::Item>& item, int slot) override {
        calls.push_back("enchant");
        enchanted = item;
        enchantedSlot = slot;
    }
    runtime::Ref<game::EquipmentSlot> selectedEquipmentSlot() override { return selectedSlot; }
    void selectEquipmentSlot(const runtime::Ref<game::EquipmentSlot>& slot) override {
        calls.push_back("selectSlot");
        selectedSlot = slot;
    }
    void deselectEquipmentSlot() override {
        calls.push_back("deselectSlot");
        selectedSlot = nullptr;
    }
    void equipmentUseItem(const runtime::Ref<game::Item>& item) override { calls.push_back("useItem"); }
    void showAdjustedStats(const runtime::Ref<game::Item>& n, const runtime::Ref<game::Item>& o) override {
        calls.push_back("preview");
        previewNew = n;
        previewOld = o;
    }
    void updateEquipmentStats() override { calls.push_back("updateStats"); }
    void showEquipmentItemDetails(const runtime::Ref<game::Item>& item, bool hideCompare) override {
        calls.push_back(hideCompare ? "details-nocompare" : "details");
        detailsItem = item;
    }
    void addToHero(const runtime::Ref<game::BitmapSprite>& sprite) override { onHero.push_back(sprite); }
};

class HudFixture : public KitFixture {
protected:
    std::shared_ptr<HudUI> ui = std::make_shared<HudUI>();
    std::shared_ptr<HudMap> map = std::make_shared<HudMap>();
    std::shared_ptr<HudRoot> root = std::make_shared<HudRoot>();

    void SetUp() override {
        KitFixture::SetUp();
        game::Game::gameWidth = 960;
        game::Game::gameHeight = 540;
        game::GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        game::GameData::inCave = true;
        game::GameData::items.clear();
        game::GameData::itemIcons.clear();
        game::GameData::hotkeySlotItems.clear();
        game::GameData::equippedItems.assign(10, nullptr);
        game::GameData::bestiaryMonsterIDs.clear();
        game::GameData::itemsNeedSorted = false;
        game::ItemIcon::createNameCaches();
        game::DataUI::install(ui);
        game::DataMap::install(map);
        game::HudLink::install(root);
    }

    void TearDown() override {
        game::DataUI::install(nullptr);
        game::DataMap::install(nullptr);
        game::HudLink::install(nullptr);
        game::GameData::items.clear();
        game::GameData::itemIcons.clear();
        game::GameData::hotkeySlotItems.clear();
        KitFixture::TearDown();
    }

    // A definition of its own (id = type base + n) and an item of it.
    static runtime::Ref<game::Item> item(int type, int n, const char* name, int slot = -1, bool artifact = false) {
        auto data = runtime::make<game::ItemData>(type, slot, name);
        data->id = type + n;
        data->value = 10;
        data->artifact = artifact;
        auto it = runtime::make<game::Item>(data, false);
        it->artifact = artifact;
        return it;
    }
    // Adds to the inventory; the held stack.
    static runtime::Ref<game::Item> hold(const runtime::Ref<game::Item>& it, int amount = 1) {
        return game::GameData::addItem(it, amount, false, false);
    }
};
