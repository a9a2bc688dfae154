#include "UICompareEquipped.h"

#include <string>

#include "EquipmentSlot.h"
#include "HotkeyWindow.h"
#include "ItemInventory.h"
#include "UI.h"
#include "game/data/GameData.h"
#include "game/shell/Game.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

// Runs an operation of a window reached by name (the equipment tab, the shop); a missing
// window or operation gives null.
Value call(const Value& target, const char* operation, std::initializer_list<Value> args = {}) {
    if (target.isNull()) return Value();
    const Value method = target.field(operation);
    if (auto* f = method.function()) return f->callArgs(args.begin(), static_cast<int>(args.size()));
    return Value();
}

Ref<Item> worn(int slot) {
    if (slot < 0 || slot >= static_cast<int>(GameData::equippedItems.size())) return nullptr;
    return GameData::equippedItems[static_cast<std::size_t>(slot)];
}

bool isAccessorySlot(int slot) {
    return slot == EquipmentSlot::SLOT_ACCESSORY1 || slot == EquipmentSlot::SLOT_ACCESSORY2 ||
           slot == EquipmentSlot::SLOT_ACCESSORY3;
}

// The shop is open with an item of its own stock selected.
bool buyingFromShop() {
    const Ref<UI>& ui = Game::ui;
    return ui && ui->shopOpen && ui->shop && Value(ui->shop).field("shopItemSelected").toBool();
}

Ref<TextSprite> caption(const char* text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text, false, -1, 2, true, 0, false, false, -5.0, 2,
                            true);
}

}  // namespace

UICompareEquipped::UICompareEquipped() {
    closingWindow = false;
    statsWindow = make<BasicWindow>(340, 162);
    statsDetails = make<UIStatsDetails>(statsWindow->winWidth, statsWindow->winHeight);
    statsWindow->addChild(statsDetails);

    selItemWindow = make<BasicWindow>(statsWindow->winWidth, 200);
    selItemDetails = make<ItemDetails>(selItemWindow->winWidth, selItemWindow->winHeight, false, false);
    selItemWindow->addChild(selItemDetails);

    struct Worn {
        Ref<BasicWindow>& window;
        Ref<ItemDetails>& details;
        Ref<Function> replace;
        Ref<Function> click;
    };
    const Worn worns[] = {
        {equippedWindow1, equippedDetails1, Function::method<&UICompareEquipped::replace1>(this),
         Function::method<&UICompareEquipped::win1Click>(this)},
        {equippedWindow2, equippedDetails2, Function::method<&UICompareEquipped::replace2>(this),
         Function::method<&UICompareEquipped::win2Click>(this)},
        {equippedWindow3, equippedDetails3, Function::method<&UICompareEquipped::replace3>(this),
         Function::method<&UICompareEquipped::win3Click>(this)},
    };
    for (const Worn& w : worns) {
        w.window = make<BasicWindow>(300, 180, false, 0, true);
        w.details = make<ItemDetails>(w.window->winWidth, w.window->winHeight - 10, false, true, w.replace, true);
        w.window->addChild(w.details);
        w.window->addEventListener("click", w.click);
    }

    equippedLabel =
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Equipped:", false, -1, 2, false, 0, false, false, -5.0,
                         2, true);
    closeButton = make<BasicButton>(80, 40, 0, -1, BasicButton::COLOR_RED, true, caption("Back"));
    closeButton->addEventListener("click", Function::method<&UICompareEquipped::closeClick>(this));

    for (const Ref<ItemDetails>& details : {equippedDetails1, equippedDetails2, equippedDetails3})
        details->enableReplaceButton();

    for (const Ref<framework::DisplayObject>& child : std::initializer_list<Ref<framework::DisplayObject>>{
             statsWindow, selItemWindow, equippedWindow1, equippedWindow2, equippedWindow3, equippedLabel,
             closeButton})
        addChild(child);
    positionWindows();
}

void UICompareEquipped::positionWindows() {
    const double cx = Game::gameCenter ? Game::gameCenter->x : 0;
    const double cy = Game::gameCenter ? Game::gameCenter->y : 0;
    statsWindow->set_x(cx - statsWindow->winWidth - 15);
    statsWindow->set_y(cy - statsWindow->winHeight - 5);
    selItemWindow->set_x(statsWindow->get_x());
    selItemWindow->set_y(cy + 5);
    equippedWindow1->set_x(cx);
    equippedWindow1->set_y(static_cast<int>((Game::gameHeight - 540) * 0.5));
    equippedWindow2->set_x(cx);
    equippedWindow2->set_y(equippedWindow1->get_y() + 180);
    equippedWindow3->set_x(cx);
    equippedWindow3->set_y(equippedWindow2->get_y() + 180);
    for (const Ref<ItemDetails>& details : {equippedDetails1, equippedDetails2, equippedDetails3}) details->set_y(5);
    closeButton->set_x(Game::gameWidth - closeButton->buttonWidth);
    closeButton->set_y(0);
}

void UICompareEquipped::closeClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeCompareScreen();
}

void UICompareEquipped::setItem(const Ref<Item>& item) {
    for (const Ref<BasicWindow>& window : {equippedWindow1, equippedWindow2, equippedWindow3}) window->deselectWindow();
    selItemDetails->set_item(item);
    statsDetails->updateStats();
    const int slot = item && item->data ? item->data->slot : EquipmentSlot::SLOT_NONE;
    if (isAccessorySlot(slot)) {
        equippedWindow1->set_visible(true);
        equippedWindow3->set_visible(true);
        equippedDetails1->set_item(worn(EquipmentSlot::SLOT_ACCESSORY1));
        equippedDetails2->set_item(worn(EquipmentSlot::SLOT_ACCESSORY2));
        equippedDetails3->set_item(worn(EquipmentSlot::SLOT_ACCESSORY3));
        equippedLabel->set_x(equippedWindow1->get_x() - 10 - equippedLabel->textWidth);
        equippedLabel->set_y(equippedWindow1->get_y() + 10);
        statsDetails->showAdjustedStats(item, equippedDetails1->get_item());
        equippedDetails1->enableReplaceButton();
        equippedWindow1->selectWindow();
    } else {
        equippedWindow1->set_visible(false);
        equippedWindow3->set_visible(false);
        equippedDetails2->set_item(worn(slot));
        equippedLabel->set_x(equippedWindow2->get_x() + 5);
        equippedLabel->set_y(equippedWindow2->get_y() - 25);
        statsDetails->showAdjustedStats(item, equippedDetails2->get_item());
        equippedDetails2->enableReplaceButton();
        equippedWindow2->selectWindow();
    }
    const char* label = buyingFromShop() ? "Buy + Equip" : "Equip Here";
    for (const Ref<ItemDetails>& details : {equippedDetails1, equippedDetails2, equippedDetails3})
        if (details->replaceText && details->replaceText->get_text() != label) details->replaceText->set_text(label);
}

void UICompareEquipped::chooseWindow(int n) {
    if (closingWindow) return;
    const Ref<BasicWindow> windows[] = {equippedWindow1, equippedWindow2, equippedWindow3};
    const Ref<ItemDetails> details[] = {equippedDetails1, equippedDetails2, equippedDetails3};
    for (int i = 0; i < 3; ++i)
        if (i != n - 1) windows[i]->deselectWindow();
    statsDetails->showAdjustedStats(selItemDetails->get_item(), details[n - 1]->get_item());
    details[n - 1]->enableReplaceButton();
    windows[n - 1]->selectWindow();
}

void UICompareEquipped::win1Click(const Ref<framework::Event>&) { chooseWindow(1); }
void UICompareEquipped::win2Click(const Ref<framework::Event>&) { chooseWindow(2); }
void UICompareEquipped::win3Click(const Ref<framework::Event>&) { chooseWindow(3); }

void UICompareEquipped::replace1(const Ref<Item>&) { itemReplaced(EquipmentSlot::SLOT_ACCESSORY1); }

void UICompareEquipped::replace2(const Ref<Item>&) {
    const Ref<Item> selected = selItemDetails->get_item();
    if (!selected) return;
    itemReplaced(selected->data->type == ItemData::TYPE_ACCESSORY ? EquipmentSlot::SLOT_ACCESSORY2
                                                                   : selected->data->slot);
}

void UICompareEquipped::replace3(const Ref<Item>&) { itemReplaced(EquipmentSlot::SLOT_ACCESSORY3); }

void UICompareEquipped::itemReplaced(int slot) {
    // A second Equip Here during the fade-out would equip (or buy) the item once more.
    if (closingWindow) return;
    const Ref<UI> ui = Game::ui;
    const Ref<Item> selected = selItemDetails->get_item();
    auto inventory = ui ? ui->inventory.cast<ItemInventory>() : nullptr;
    bool equipped = true;
    if (buyingFromShop()) {
        equipped = call(Value(ui->shop), "buyOne", {Value(slot)}).toBool();
    } else if (selected) {
        if (inventory) inventory->updateItems();
        GameData::equipItem(selected, slot);
    } else {
        equipped = false;
    }
    if (equipped && ui) {
        const Value equipment(ui->equipment);
        call(equipment, "updateDisplayedData");
        call(equipment, "deselectSlot");
        if (!equipment.isNull())
            if (const Value details = equipment.field("itemDetails"); !details.isNull())
                details.setField("item", Value());
        if (!equipment.isNull()) call(equipment.field("statsDetails"), "updateStats");
        if (inventory) inventory->updateItems();
        if (auto hotkeys = ui->hotkeys.cast<HotkeyWindow>()) hotkeys->updateAmounts();
        if (inventory) inventory->deselectItem();
    }
    if (ui) ui->closeCompareScreen();
    closingWindow = true;
}

}  // namespace game

using game::UICompareEquipped;

RUNTIME_DEFINE_CLASS(UICompareEquipped, "UICompareEquipped", game::BitmapSprite, (auto& b) {
    b.template field<&UICompareEquipped::selItemDetails>("selItemDetails")
        .template field<&UICompareEquipped::statsDetails>("statsDetails")
        .template field<&UICompareEquipped::statsWindow>("statsWindow")
        .template field<&UICompareEquipped::selItemWindow>("selItemWindow")
        .template field<&UICompareEquipped::equippedWindow1>("equippedWindow1")
        .template field<&UICompareEquipped::equippedWindow2>("equippedWindow2")
        .template field<&UICompareEquipped::equippedWindow3>("equippedWindow3")
        .template field<&UICompareEquipped::equippedDetails1>("equippedDetails1")
        .template field<&UICompareEquipped::equippedDetails2>("equippedDetails2")
        .template field<&UICompareEquipped::equippedDetails3>("equippedDetails3")
        .template field<&UICompareEquipped::equippedLabel>("equippedLabel")
        .template field<&UICompareEquipped::closeButton>("closeButton")
        .template field<&UICompareEquipped::closingWindow>("closingWindow")
        .template method<&UICompareEquipped::positionWindows>("positionWindows")
        .template method<&UICompareEquipped::closeClick>("closeClick")
        .template method<&UICompareEquipped::setItem>("setItem")
        .template method<&UICompareEquipped::replace1>("replace1")
        .template method<&UICompareEquipped::replace2>("replace2")
        .template method<&UICompareEquipped::replace3>("replace3")
        .template method<&UICompareEquipped::itemReplaced>("itemReplaced")
        .template method<&UICompareEquipped::win1Click>("win1Click")
        .template method<&UICompareEquipped::win2Click>("win2Click")
        .template method<&UICompareEquipped::win3Click>("win3Click")
        .emptyInstance();
})
