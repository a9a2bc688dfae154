#pragma once
// What the HUD panels ask of the UI root and the exploration state, which own them: the shared
// inventory panel and hotkey bar, the open flags they read, the windows they open, the equipment
// tab they report to and the hero they write above. The root installs the real link; until then
// (and in tests that replace it) a silent stand-in answers: no panel, nothing open.
#include "game/data/Installable.h"
#include "game/data/Item.h"
#include "game/kit/BitmapSprite.h"

namespace game {

class EquipmentSlot;
class HotkeyWindow;
class ItemInventory;

class HudLink : public Installable<HudLink> {
public:
    virtual ~HudLink() = default;

    // The root's one inventory panel and hotkey bar; null before the root exists.
    virtual runtime::Ref<ItemInventory> inventory();
    virtual runtime::Ref<HotkeyWindow> hotkeys();
    // The inventory panel is on screen (menu, editor and item windows).
    virtual bool inventoryOpen() { return false; }
    // The menu was opened from a forge.
    virtual bool atForge() { return false; }

    // The hotkey editor: the inventory panel above the bar, the game paused.
    virtual void openHotkeyWindow() {}
    virtual void closeHotkeyWindow() {}
    // The in-game menu on its equipment tab; nothing when it is open already.
    virtual void openMenu() {}
    // The crafting tab, holding item taken off the hero from slot.
    virtual void enchantEquippedItem(const runtime::Ref<Item>& item, int slot) {}

    // The equipment tab: its selected slot, the selection, equipping the inventory's item into
    // the selected slot, the stats panel (a preview with newItem in place of oldItem, or the
    // current figures) and the item details panel.
    virtual runtime::Ref<EquipmentSlot> selectedEquipmentSlot();
    virtual void selectEquipmentSlot(const runtime::Ref<EquipmentSlot>& slot) {}
    virtual void deselectEquipmentSlot() {}
    virtual void equipmentUseItem(const runtime::Ref<Item>& item) {}
    virtual void showAdjustedStats(const runtime::Ref<Item>& newItem, const runtime::Ref<Item>& oldItem) {}
    virtual void updateEquipmentStats() {}
    virtual void showEquipmentItemDetails(const runtime::Ref<Item>& item, bool hideCompareButton) {}

    // A sprite put on the hero's map figure (a floating label).
    virtual void addToHero(const runtime::Ref<BitmapSprite>& sprite) {}
};

}  // namespace game
