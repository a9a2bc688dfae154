#include "HotkeyWindow.h"

#include <algorithm>
#include <cmath>

#include "HudLink.h"
#include "ItemInventory.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<BitmapSprite> pictureAt(const char* asset, double x, double y) {
    auto sprite = make<BitmapSprite>(PixelSmoother::smoothAsset(asset));
    sprite->set_x(x);
    sprite->set_y(y);
    return sprite;
}

Ref<runtime::DynamicObject> alphaTo(double alpha) {
    auto p = make<runtime::DynamicObject>();
    p->setField("alpha", runtime::Value(alpha));
    return p;
}

void removeFromParent(const Ref<framework::DisplayObject>& child) {
    if (auto parent = child->get_parent()) parent->removeChild(child);
}
}  // namespace

HotkeyWindow::HotkeyWindow(int winWidth, int winHeight) : winHeight(winHeight), winWidth(winWidth) {
    if (!MAGIC_QUEUED_ANIM) MAGIC_QUEUED_ANIM = make<Anim>(0, 0, 54, 54, 4, true, 3);

    editButton = make<BasicWindow>(winHeight, winHeight, false, 0, true);
    auto icon = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/editSlotsIcon.png"));
    icon->set_x(static_cast<int>(winHeight * 0.5 - icon->get_width() * 0.5));
    icon->set_y(static_cast<int>(winHeight * 0.5 - icon->get_height() * 0.5));
    editButton->addChild(icon);
    editButton->addEventListener("click", Function::method<&HotkeyWindow::editButtonClick>(this));
    addChild(editButton);

    mainWindow = make<BasicWindow>(winWidth - winHeight, winHeight);
    mainWindow->set_x(winHeight);
    slotHolder = make<BitmapSprite>();
    mainWindow->addChild(slotHolder);
    addChild(mainWindow);

    const int detailsWidth = static_cast<int>((std::min(Game::gameWidth, 960) - 120) * 0.55);
    const int detailsHeight = static_cast<int>((std::min(Game::gameHeight, 540) - 180) * 0.55 + 180);
    itemDetailsWindow = make<BasicWindow>(detailsWidth, detailsHeight);
    itemDetailsWindow->set_y(-detailsHeight);
    itemDetailsWindow->set_visible(false);
    addChild(itemDetailsWindow);
    itemDetails = make<ItemDetails>(detailsWidth, detailsHeight - 180, false, false, nullptr);
    itemDetails->set_x(static_cast<int>((detailsWidth - 280) * 0.5));
    itemDetailsWindow->addChild(itemDetails);

    selectBox = pictureAt("assets/items/itemBorderSelected.png", -3, -3);
    selectBoxMagic = pictureAt("assets/items/magicBorderSelected.png", -3, -3);

    instructionsText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Edit Hotkeys", false, -1, 2, true, 0,
                                        false, false, -5.0, 2, true);
    instructionsText->set_x(winWidth * 0.5 + 35);
    instructionsText->set_y(-210);

    magicQueueSprite = pictureAt("assets/items/magicQueued.png", -3, -3);
    magicQueueSprite->setNewAnim(MAGIC_QUEUED_ANIM);

    set_x(static_cast<int>((Game::gameWidth - 100) * 0.5 - winWidth * 0.5));
}

void HotkeyWindow::update() {
    if (queuedMagicSlot) magicQueueSprite->updateAnim();
    for (const Ref<HotkeySlot>& slot : slots) slot->update();
}

void HotkeyWindow::initializeHotkeySlots() {
    if (queuedMagicSlot) dequeueMagic();
    selectedSlot = nullptr;
    slotHolder->destroyAndRemoveChildren();
    slots.clear();
    const int stripWidth = mainWindow->winWidth;
    const int count = static_cast<int>(
        std::min(std::floor((stripWidth - 20) / static_cast<double>(C::ITEM_SIZE + 5)) - 1, 10.0));
    for (int i = 0; i < count; ++i) {
        auto slot = make<HotkeySlot>(i);
        slot->set_x(static_cast<int>(static_cast<double>(i) / count * stripWidth) + 10);
        slot->set_y(static_cast<int>((winHeight - C::ITEM_SIZE) * 0.5));
        slots.push_back(slot);
        slotHolder->addChild(slot);
    }
    for (int i = 0; i < count; ++i) {
        if (static_cast<std::size_t>(i) >= GameData::hotkeySlotItems.size()) break;
        const Ref<Item> saved = GameData::hotkeySlotItems[i];
        if (!saved) continue;
        for (const Ref<Item>& held : GameData::items)
            if (held->equals(saved)) {
                slots[i]->setItem(held);
                break;
            }
    }
}

void HotkeyWindow::editButtonClick(const Ref<framework::Event>& event) {
    if (editButton->disabled) return;
    HudLink& link = HudLink::get();
    if (!link.inventoryOpen()) {
        link.openHotkeyWindow();
        editButton->selectWindow();
    } else {
        link.closeHotkeyWindow();
    }
}

void HotkeyWindow::showInstructions() {
    instructionsText->set_alpha(1);
    instructionsText->set_visible(true);
    addChild(instructionsText);
    if (auto actuator = ::tween::Tweener::tween(instructionsText, 1, alphaTo(1)))
        actuator->onComplete(Function::method<&HotkeyWindow::fadeOutInstructions>(this));
}

void HotkeyWindow::fadeOutInstructions() { ::tween::Tweener::tween(instructionsText, 1, alphaTo(0)); }

void HotkeyWindow::hideInstructions() { removeFromParent(instructionsText); }

Ref<HotkeySlot> HotkeyWindow::slotHolding(const Ref<Item>& item) const {
    for (const Ref<HotkeySlot>& slot : slots)
        if (item && slot->item().get() == item.get()) return slot;
    return nullptr;
}

void HotkeyWindow::selectItem(const Ref<Item>& item) {
    deselectItem();
    itemDetails->set_item(item);
    itemDetailsWindow->set_visible(true);
    if (slotHolding(item) || slots.empty()) return;
    auto empty = std::find_if(slots.begin(), slots.end(), [](const Ref<HotkeySlot>& s) { return !s->item(); });
    selectSlot(empty != slots.end() ? *empty : slots[0]);
}

void HotkeyWindow::deselectItem() {
    itemDetailsWindow->set_visible(false);
    removeSelectBox();
    itemDetails->set_item(nullptr);
    selectedSlot = nullptr;
}

void HotkeyWindow::removeSelectBox() {
    removeFromParent(selectBox);
    removeFromParent(selectBoxMagic);
}

void HotkeyWindow::selectSlot(const Ref<HotkeySlot>& slot) {
    selectedSlot = slot;
    const Ref<Item> held = slot->item();
    slot->addChild(held && held->data->spell ? selectBoxMagic : selectBox);
}

void HotkeyWindow::deselectSlot() {
    if (!selectedSlot) return;
    removeSelectBox();
    selectedSlot = nullptr;
}

void HotkeyWindow::useItem(const Ref<Item>& item) {
    if (!item) return;
    if (auto holder = slotHolding(item)) {
        holder->flashSlot();
        return;
    }
    if (!selectedSlot || item->data->type == ItemData::TYPE_CRAFTING) return;
    selectedSlot->setItem(item);
    deselectSlot();
    if (auto inventory = HudLink::get().inventory()) inventory->deselectItem();
}

void HotkeyWindow::updateAmounts() {
    for (const Ref<HotkeySlot>& slot : std::vector<Ref<HotkeySlot>>(slots)) {
        const Ref<Item> held = slot->item();
        if (!held) continue;
        if (held->amount < 1) slot->setItem(nullptr);
        else slot->itemIcon->updateAmount();
    }
}

void HotkeyWindow::useSlotByNumber(int n) {
    if (n >= 0 && n < static_cast<int>(slots.size())) slots[n]->useSlot();
}

void HotkeyWindow::putItemInFirstOpenSlot(const Ref<Item>& item) {
    for (const Ref<HotkeySlot>& slot : slots)
        if (!slot->item()) {
            slot->setItem(item);
            return;
        }
}

void HotkeyWindow::queueMagic(const Ref<HotkeySlot>& slot) {
    if (queuedMagicSlot && queuedMagicSlot.get() == slot.get()) {
        dequeueMagic();
        return;
    }
    queuedMagicSlot = slot;
    slot->addChild(magicQueueSprite);
}

void HotkeyWindow::dequeueMagic() {
    removeFromParent(magicQueueSprite);
    queuedMagicSlot = nullptr;
}

void HotkeyWindow::useQueuedMagic() {
    if (!queuedMagicSlot) return;
    if (const Ref<Item> spell = queuedMagicSlot->item()) GameData::useSpell(spell);
    dequeueMagic();
}

void HotkeyWindow::disableBattleUnusable() {
    for (const Ref<HotkeySlot>& slot : slots) {
        const Ref<Item> held = slot->item();
        if (held && held->data && !held->data->usableInBattle) slot->disable();
    }
}

void HotkeyWindow::enableAllSlots() {
    for (const Ref<HotkeySlot>& slot : slots) slot->enable();
}

}  // namespace game

using game::HotkeyWindow;

RUNTIME_DEFINE_CLASS(HotkeyWindow, "HotkeyWindow", game::BitmapSprite, (auto& b) {
    b.template field<&HotkeyWindow::winHeight>("winHeight")
        .template field<&HotkeyWindow::winWidth>("winWidth")
        .template field<&HotkeyWindow::editButton>("editButton")
        .template field<&HotkeyWindow::itemDetailsWindow>("itemDetailsWindow")
        .template method<&HotkeyWindow::initializeHotkeySlots>("initializeHotkeySlots")
        .template method<&HotkeyWindow::updateAmounts>("updateAmounts")
        .template method<&HotkeyWindow::update>("update")
        .template method<&HotkeyWindow::useSlotByNumber>("useSlotByNumber")
        .template method<&HotkeyWindow::putItemInFirstOpenSlot>("putItemInFirstOpenSlot")
        .template method<&HotkeyWindow::selectItem>("selectItem")
        .template method<&HotkeyWindow::useItem>("useItem")
        .template method<&HotkeyWindow::deselectItem>("deselectItem")
        .template method<&HotkeyWindow::useQueuedMagic>("useQueuedMagic")
        .template method<&HotkeyWindow::disableBattleUnusable>("disableBattleUnusable")
        .template method<&HotkeyWindow::enableAllSlots>("enableAllSlots")
        .template method<&HotkeyWindow::deselectSlot>("deselectSlot")
        .template method<&HotkeyWindow::showInstructions>("showInstructions")
        .template method<&HotkeyWindow::hideInstructions>("hideInstructions")
        .template method<&HotkeyWindow::fadeOutInstructions>("fadeOutInstructions")
        .emptyInstance();
})
