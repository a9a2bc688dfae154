#include "UIDataHook.h"

#include "HeldItemIcon.h"
#include "HotkeyWindow.h"
#include "UIActiveEffectsHUD.h"
#include "game/floor/StatGem.h"
#include "game/kit/YesNoWindow.h"

namespace game {

using runtime::Ref;
using runtime::Value;

Value UIDataHook::send(const char* window, const char* operation, std::initializer_list<Value> args) {
    auto ui = ui_.lock();
    if (!ui) return Value();
    const Value target = Value(ui).field(window);
    if (target.isNull()) return Value();
    const Value method = target.field(operation);
    if (auto* f = method.function()) return f->callArgs(args.begin(), static_cast<int>(args.size()));
    return Value();
}

void UIDataHook::updateHPMPExp(std::optional<int> hpChange, std::optional<int> mpChange,
                               std::optional<int> expChange) {
    if (auto ui = ui_.lock()) ui->updateHPMPExp(hpChange, mpChange, expChange);
}
void UIDataHook::updateGold() {
    if (auto ui = ui_.lock()) ui->updateGold();
}
void UIDataHook::showGoldAnim(int change) {
    if (auto ui = ui_.lock()) ui->showGoldAnim(change);
}
void UIDataHook::showExpAnim(int change) {
    if (auto ui = ui_.lock()) ui->showExpAnim(change);
}
void UIDataHook::updateFloor() {
    if (auto ui = ui_.lock()) ui->updateFloor();
}
void UIDataHook::showStatChooseMenu() {
    if (auto ui = ui_.lock()) ui->showStatChooseMenu();
}
void UIDataHook::showStatChooseMenu(const Ref<StatGem>& gem) {
    if (auto ui = ui_.lock()) ui->showStatChooseMenu(gem);
}
void UIDataHook::openChooseFloorWin() {
    if (auto ui = ui_.lock()) ui->openChooseFloorWin();
}
void UIDataHook::setStartButtonText() {
    if (auto ui = ui_.lock()) ui->setStartButtonText();
}
void UIDataHook::updateEquipmentData() { send("equipment", "updateDisplayedData"); }
void UIDataHook::updateEquipmentStats() {
    auto ui = ui_.lock();
    if (!ui || !ui->equipment) return;
    const Value stats = Value(ui->equipment).field("statsDetails");
    if (const Value update = stats.field("updateStats"); auto* f = update.function()) (*f)();
}
void UIDataHook::updateNGPlusText() { send("equipment", "updateNGPlusText"); }
void UIDataHook::clearItemDetails() { send("equipment", "clearItemDetails"); }
void UIDataHook::refreshSelectedItem(const Ref<Item>& item) { send("equipment", "refreshSelectedItem", {Value(item)}); }
void UIDataHook::updateInventory() { send("inventory", "updateItems"); }
bool UIDataHook::inventoryOpen() {
    auto ui = ui_.lock();
    return ui && ui->inventoryOpen;
}
bool UIDataHook::menuOpen() {
    auto ui = ui_.lock();
    return ui && ui->menuOpen;
}
void UIDataHook::closeMenu() {
    if (auto ui = ui_.lock()) ui->closeMenu();
}
void UIDataHook::initializeHotkeySlots() { send("hotkeys", "initializeHotkeySlots"); }
void UIDataHook::updateHotkeyAmounts() { send("hotkeys", "updateAmounts"); }
void UIDataHook::putItemInFirstOpenSlot(const Ref<Item>& item) {
    send("hotkeys", "putItemInFirstOpenSlot", {Value(item)});
}
void UIDataHook::addNewEffect(const Ref<Enchantment>& enchantment, int duration) {
    auto ui = ui_.lock();
    auto hud = ui ? ui->activeEffectsHUD.cast<UIActiveEffectsHUD>() : nullptr;
    // The effect gets its own copy: merging rewrites its value, which must not reach the item's.
    if (hud && enchantment) hud->addNewEffect(runtime::make<ActiveEffect>(enchantment->clone(), duration));
}
void UIDataHook::updateActiveEffects() { send("activeEffectsHUD", "update"); }
void UIDataHook::updateLootStats() {
    if (auto ui = ui_.lock(); ui && ui->lootDetails) ui->lootDetails->updateStats();
}
void UIDataHook::openWingsConfirmation() {
    if (auto ui = ui_.lock(); ui && YesNoWindow::ESCAPE_WINGS_CONFIRMATION)
        ui->openYesNoWin(YesNoWindow::ESCAPE_WINGS_CONFIRMATION);
}
void UIDataHook::openUseSpecialWindow(const Ref<Item>& item) {
    if (auto ui = ui_.lock()) ui->openUseSpecialWindow(item);
}
void UIDataHook::showSaveText() {
    if (auto ui = ui_.lock()) ui->showSaveText();
}
bool UIDataHook::useSpecialOpen() {
    auto ui = ui_.lock();
    return ui && ui->useSpecialOpen;
}
bool UIDataHook::craftingOpen() {
    auto ui = ui_.lock();
    return ui && ui->craftingOpen;
}
bool UIDataHook::forgeEnabled() {
    auto ui = ui_.lock();
    return ui && ui->crafting && Value(ui->crafting).field("forgeEnabled").toBool();
}
bool UIDataHook::equipmentOpen() {
    auto ui = ui_.lock();
    return ui && ui->equipmentOpen;
}
bool UIDataHook::hotkeysOpen() {
    auto ui = ui_.lock();
    return ui && ui->hotkeysOpen;
}
bool UIDataHook::museumOpen() {
    auto ui = ui_.lock();
    return ui && ui->museumOpen;
}
void UIDataHook::openCompareScreen(const Ref<Item>& item) {
    if (auto ui = ui_.lock()) ui->openCompareScreen(item);
}

std::optional<std::vector<Ref<Item>>> UIDataHook::hotkeyBarItems() {
    auto ui = ui_.lock();
    auto bar = ui ? ui->hotkeys.cast<HotkeyWindow>() : nullptr;
    if (!bar) return std::nullopt;
    std::vector<Ref<Item>> items;
    for (const Ref<HotkeySlot>& slot : bar->slots) items.push_back(slot->item());
    return items;
}
Ref<InventoryIcon> UIDataHook::createItemIcon(const Ref<Item>& item, bool buyPrice) {
    return runtime::make<HeldItemIcon>(item, buyPrice);
}

}  // namespace game
