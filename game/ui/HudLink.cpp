#include "HudLink.h"

#include "EquipmentSlot.h"
#include "HotkeyWindow.h"
#include "ItemInventory.h"

namespace game {

runtime::Ref<ItemInventory> HudLink::inventory() { return nullptr; }

runtime::Ref<HotkeyWindow> HudLink::hotkeys() { return nullptr; }

runtime::Ref<EquipmentSlot> HudLink::selectedEquipmentSlot() { return nullptr; }

}  // namespace game
