#pragma once
// The HUD panels' way to their owners: the UI root (its inventory panel, hotkey bar, flags,
// windows and equipment tab) and the exploration state's hero. Installed by the root when it is
// made; windows of classes not made yet are reached by name and missing ones do nothing.
#include "HudLink.h"
#include "UI.h"

namespace game {

class UIHudLink : public HudLink {
public:
    explicit UIHudLink(const runtime::Ref<UI>& ui) : ui_(ui) {}

    runtime::Ref<ItemInventory> inventory() override;
    runtime::Ref<HotkeyWindow> hotkeys() override;
    bool inventoryOpen() override;
    bool atForge() override;
    void openHotkeyWindow() override;
    void closeHotkeyWindow() override;
    void openMenu() override;
    void enchantEquippedItem(const runtime::Ref<Item>& item, int slot) override;
    runtime::Ref<EquipmentSlot> selectedEquipmentSlot() override;
    void selectEquipmentSlot(const runtime::Ref<EquipmentSlot>& slot) override;
    void deselectEquipmentSlot() override;
    void equipmentUseItem(const runtime::Ref<Item>& item) override;
    void showAdjustedStats(const runtime::Ref<Item>& newItem, const runtime::Ref<Item>& oldItem) override;
    void updateEquipmentStats() override;
    void showEquipmentItemDetails(const runtime::Ref<Item>& item, bool hideCompareButton) override;
    void addToHero(const runtime::Ref<BitmapSprite>& sprite) override;

private:
    // Runs operation of the object in field (a path of field names from the root) with args.
    void call(std::initializer_list<const char*> path, const char* operation,
              std::initializer_list<runtime::Value> args = {});

    runtime::Weak<UI> ui_;
};

}  // namespace game
