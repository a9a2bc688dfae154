#pragma once
// The data model's way to the UI root: each request of DataUI forwarded to the root or to the
// window that answers it. Installed by the root when it is made.
#include "UI.h"
#include "game/data/DataUI.h"

namespace game {

class UIDataHook : public DataUI {
public:
    explicit UIDataHook(const runtime::Ref<UI>& ui) : ui_(ui) {}

    void updateHPMPExp(std::optional<int> hpChange, std::optional<int> mpChange, std::optional<int> expChange) override;
    void updateGold() override;
    void showGoldAnim(int change) override;
    void showExpAnim(int change) override;
    void updateFloor() override;
    void showStatChooseMenu() override;
    void showStatChooseMenu(const runtime::Ref<StatGem>& gem) override;
    void openChooseFloorWin() override;
    void setStartButtonText() override;
    void updateEquipmentData() override;
    void updateEquipmentStats() override;
    void updateNGPlusText() override;
    void clearItemDetails() override;
    void refreshSelectedItem(const runtime::Ref<Item>& item) override;
    void updateInventory() override;
    bool inventoryOpen() override;
    bool menuOpen() override;
    void closeMenu() override;
    void initializeHotkeySlots() override;
    void updateHotkeyAmounts() override;
    void putItemInFirstOpenSlot(const runtime::Ref<Item>& item) override;
    void addNewEffect(const runtime::Ref<Enchantment>& enchantment, int duration) override;
    void updateActiveEffects() override;
    void updateLootStats() override;
    void openWingsConfirmation() override;
    void openUseSpecialWindow(const runtime::Ref<Item>& item) override;
    void showSaveText() override;
    bool useSpecialOpen() override;
    bool craftingOpen() override;
    bool forgeEnabled() override;
    bool equipmentOpen() override;
    bool hotkeysOpen() override;
    bool museumOpen() override;
    void openCompareScreen(const runtime::Ref<Item>& item) override;
    std::optional<std::vector<runtime::Ref<Item>>> hotkeyBarItems() override;
    runtime::Ref<InventoryIcon> createItemIcon(const runtime::Ref<Item>& item, bool buyPrice) override;

private:
    // Runs operation of the root's field window with args; nothing when either is missing.
    runtime::Value send(const char* window, const char* operation, std::initializer_list<runtime::Value> args = {});

    runtime::Weak<UI> ui_;
};

}  // namespace game
