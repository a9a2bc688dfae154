#include "UIHudLink.h"

#include "EquipmentSlot.h"
#include "HotkeyWindow.h"
#include "ItemInventory.h"
#include "game/shell/G.h"

namespace game {

using runtime::Ref;
using runtime::Value;

void UIHudLink::call(std::initializer_list<const char*> path, const char* operation,
                     std::initializer_list<Value> args) {
    auto ui = ui_.lock();
    if (!ui) return;
    Value target(ui);
    for (const char* field : path) target = target.field(field);
    if (target.isNull()) return;
    // The method value owns the bound function: keep it alive for the call.
    const Value method = target.field(operation);
    if (auto* f = method.function()) f->callArgs(args.begin(), static_cast<int>(args.size()));
}

Ref<ItemInventory> UIHudLink::inventory() {
    auto ui = ui_.lock();
    return ui ? ui->inventory.cast<ItemInventory>() : nullptr;
}

Ref<HotkeyWindow> UIHudLink::hotkeys() {
    auto ui = ui_.lock();
    return ui ? ui->hotkeys.cast<HotkeyWindow>() : nullptr;
}

bool UIHudLink::inventoryOpen() {
    auto ui = ui_.lock();
    return ui && ui->inventoryOpen;
}

bool UIHudLink::atForge() {
    auto ui = ui_.lock();
    return ui && ui->atForge;
}

void UIHudLink::openHotkeyWindow() {
    if (auto ui = ui_.lock()) ui->openHotkeyWindow();
}

void UIHudLink::closeHotkeyWindow() {
    if (auto ui = ui_.lock()) ui->closeHotkeyWindow();
}

void UIHudLink::openMenu() {
    if (auto ui = ui_.lock()) ui->openMenu();
}

void UIHudLink::enchantEquippedItem(const Ref<Item>& item, int slot) {
    auto ui = ui_.lock();
    if (!ui) return;
    ui->openWindow(UI::WIN_CRAFTING);
    call({"crafting"}, "setEquippedItem", {Value(item), Value(slot)});
}

Ref<EquipmentSlot> UIHudLink::selectedEquipmentSlot() {
    auto ui = ui_.lock();
    if (!ui || !ui->equipment) return nullptr;
    return Ref<EquipmentSlot>(Value(ui->equipment).field("selectedSlot").as<EquipmentSlot>());
}

void UIHudLink::selectEquipmentSlot(const Ref<EquipmentSlot>& slot) { call({"equipment"}, "selectSlot", {Value(slot)}); }

void UIHudLink::deselectEquipmentSlot() { call({"equipment"}, "deselectSlot"); }

void UIHudLink::equipmentUseItem(const Ref<Item>& item) { call({"equipment"}, "useItem", {Value(item)}); }

void UIHudLink::showAdjustedStats(const Ref<Item>& newItem, const Ref<Item>& oldItem) {
    call({"equipment", "statsDetails"}, "showAdjustedStats", {Value(newItem), Value(oldItem)});
}

void UIHudLink::updateEquipmentStats() { call({"equipment", "statsDetails"}, "updateStats"); }

void UIHudLink::showEquipmentItemDetails(const Ref<Item>& item, bool hideCompareButton) {
    auto ui = ui_.lock();
    if (!ui || !ui->equipment) return;
    const Value details = Value(ui->equipment).field("itemDetails");
    if (details.isNull()) return;
    details.setField("item", Value(item));
    if (hideCompareButton)
        if (const Value hide = details.field("hideCompareButton"); auto* f = hide.function()) (*f)();
}

void UIHudLink::addToHero(const Ref<BitmapSprite>& sprite) {
    if (!G::mapState) return;
    if (auto* hero = Value(G::mapState).field("hero").as<framework::DisplayObjectContainer>()) hero->addChild(sprite);
}

}  // namespace game
