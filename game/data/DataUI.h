#pragma once
// What the data model asks of the UI root: refreshing bars, texts and panels after a change,
// opening windows and making item icons. Until the UI root installs its own, a silent stand-in
// answers (no panel is open, icons are plain records).
#include <optional>
#include <vector>

#include "Installable.h"
#include "InventoryIcon.h"

namespace game {

class StatGem;

class DataUI : public Installable<DataUI> {
public:
    virtual ~DataUI() = default;

    
    // HP, MP and experience bars; each change is shown when given.
    virtual void updateHPMPExp(std::optional<int> hpChange, std::optional<int> mpChange,
                               std::optional<int> expChange) {}
    virtual void updateGold() {}
    virtual void showGoldAnim(int change) {}
    virtual void showExpAnim(int change) {}
    virtual void updateFloor() {}
    // The level-up stat choice (no gem).
    virtual void showStatChooseMenu() {}
    // The stat choice of a choose gem; the answer goes to the gem's statChosen.
    virtual void showStatChooseMenu(const runtime::Ref<StatGem>& gem) {}
    // A one-time hint window (MessageWindow's WIN_ ids).
    virtual void openMessageWin(int id) {}
    // The crafting window with the forge available (menu opened, crafting tab selected).
    virtual void openForgeCrafting() {}
    // The choice of the floor a new run starts on.
    virtual void openChooseFloorWin() {}
    // The minimap redraws one cell, or all of itself.
    virtual void updateMiniMapTile(int x, int y) {}
    virtual void drawMiniMap() {}
    virtual void setStartButtonText() {}
    // The equipment tab: level text and slots, its statistics panel, its new-game-plus text and
    // its item details panel (cleared, or showing the inventory's selected stack again after a
    // partial use, whose icon also refreshes its amount).
    virtual void updateEquipmentData() {}
    virtual void updateEquipmentStats() {}
    virtual void updateNGPlusText() {}
    virtual void clearItemDetails() {}
    virtual void refreshSelectedItem(const runtime::Ref<Item>& item) {}
    // Refills the inventory list (sorting first when the inventory needs it).
    virtual void updateInventory() {}
    virtual bool inventoryOpen() { return false; }
    virtual bool menuOpen() { return false; }
    virtual void closeMenu() {}
    // The hotkey bar: rebuilt from GameData::hotkeySlotItems, amounts refreshed, or an item put
    // into its first free slot.
    virtual void initializeHotkeySlots() {}
    virtual void updateHotkeyAmounts() {}
    virtual void putItemInFirstOpenSlot(const runtime::Ref<Item>& item) {}
    // The active-effects HUD: a new potion effect (replacing one of the same name), or a re-lay
    // and recount of its bonuses from GameData::activeEffects.
    virtual void addNewEffect(const runtime::Ref<Enchantment>& enchantment, int duration) {}
    virtual void updateActiveEffects() {}
    virtual void updateLootStats() {}
    // The escape-wings question, whose yes-answer calls GameData::confirmUseWings.
    virtual void openWingsConfirmation() {}
    // The use-special window, applying item.
    virtual void openUseSpecialWindow(const runtime::Ref<Item>& item) {}
    // The "Game Saved" notice.
    virtual void showSaveText() {}
    // The items shown by the hotkey bar's slots, in slot order (null for an empty slot); none
    // while the UI root does not exist.
    virtual std::optional<std::vector<runtime::Ref<Item>>> hotkeyBarItems() { return std::nullopt; }
    // Which windows are open, for the item lists' usability rule; forgeEnabled is the crafting
    // tab's forge flag.
    virtual bool useSpecialOpen() { return false; }
    virtual bool craftingOpen() { return false; }
    virtual bool forgeEnabled() { return false; }
    virtual bool equipmentOpen() { return false; }
    virtual bool hotkeysOpen() { return false; }
    virtual bool museumOpen() { return false; }
    // The compare screen for item.
    virtual void openCompareScreen(const runtime::Ref<Item>& item) {}
    // The icon of a new inventory stack, or of a shop stack showing its buy price.
    virtual runtime::Ref<InventoryIcon> createItemIcon(const runtime::Ref<Item>& item, bool buyPrice) {
        return runtime::make<InventoryIcon>(item);
    }
};

}  // namespace game
