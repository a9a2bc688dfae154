#include "UIEquipment.h"

#include <string>

#include "ItemInventory.h"
#include "UI.h"
#include "framework/assets/Assets.h"
#include "framework/geom/Rectangle.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

Ref<ItemInventory> rootInventory() { return Game::ui ? Game::ui->inventory.cast<ItemInventory>() : nullptr; }

}  // namespace

UIEquipment::UIEquipment(int width, int height) {
    statsWindow = make<BasicWindow>(static_cast<int>(width * 0.55), static_cast<int>(height * 0.45));
    addChild(statsWindow);

    itemDetailsWindow = make<BasicWindow>(statsWindow->winWidth, height - statsWindow->winHeight + 180);
    itemDetailsWindow->set_y(statsWindow->winHeight);
    addChild(itemDetailsWindow);

    guyWindow = make<BasicWindow>(width - statsWindow->winWidth + 120, height + 180);
    guyWindow->set_x(statsWindow->winWidth);
    addChild(guyWindow);
    createGuyWindow(guyWindow->winWidth - 120, guyWindow->winHeight - 180);

    statsDetails = make<UIStatsDetails>(statsWindow->winWidth, statsWindow->winHeight);
    statsWindow->addChild(statsDetails);

    itemDetails = make<ItemDetails>(itemDetailsWindow->winWidth, itemDetailsWindow->winHeight - 180);
    itemDetailsWindow->addChild(itemDetails);

    selectBox = make<BitmapSprite>(framework::Assets::getBitmapData("assets/items/itemBorderSelected.png"));
    selectBox->set_x(-3);
    selectBox->set_y(-3);

    updateDisplayedData();
}

void UIEquipment::createGuyWindow(int w, int h) {
    guyPicture = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/ui/equipGuy.png"));
    const int bw = guyPicture->get_bitmapData() ? guyPicture->get_bitmapData()->get_width() : 0;
    const int bh = guyPicture->get_bitmapData() ? guyPicture->get_bitmapData()->get_height() : 0;
    const int px = static_cast<int>(0.5 * w - 0.5 * bw) - 32;
    const int py = static_cast<int>((h - bh) * 0.85);
    guyPicture->set_x(px);
    guyPicture->set_y(py);
    guyWindow->addChild(guyPicture);

    skillsButton = make<BasicButton>(70, 60);
    skillsButton->set_x(px + 95);
    skillsButton->set_y(py);
    auto skillIcons = PixelSmoother::smoothAsset("assets/ui/skillsButtonIcon.png");
    auto skillsIcon = make<framework::Bitmap>(skillIcons);
    skillsIcon->set_scrollRect(make<framework::Rectangle>(0, 0, 39, 38));
    skillsIcon->set_x(static_cast<int>(skillsButton->buttonWidth * 0.5 - 39 * 0.5));
    skillsIcon->set_y(static_cast<int>(skillsButton->buttonHeight * 0.5 - 38 * 0.5));
    skillsButton->addChild(skillsIcon);
    skillsIconGoldGlow = make<framework::Bitmap>(skillIcons);
    skillsIconGoldGlow->set_scrollRect(make<framework::Rectangle>(39, 0, 39, 38));
    skillsIconGoldGlow->set_x(skillsIcon->get_x());
    skillsIconGoldGlow->set_y(skillsIcon->get_y());
    skillsIconGoldGlow->set_alpha(0);
    skillsButton->addChild(skillsIconGoldGlow);
    skillsButton->addEventListener("click", Function::method<&UIEquipment::skillButtonClick>(this));
    guyWindow->addChild(skillsButton);

    levelText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, false, -1);
    levelText->set_y(48);
    guyWindow->addChild(levelText);

    ngPlusText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN, "", false, -1, 2, true, -1);
    ngPlusText->set_x(210);
    ngPlusText->set_y(6);
    guyWindow->addChild(ngPlusText);
    updateNGPlusText();

    auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "More Stats", false, -1, 2, true, 0, false, false,
                                  -5.0, 2, true);
    moreStatsButton = make<BasicButton>(100, 32, 0, -1, BasicButton::COLOR_BLACK, true, label);
    moreStatsButton->set_x(w - moreStatsButton->buttonWidth - 5);
    moreStatsButton->set_y(levelText->get_y() + 20);
    moreStatsButton->addEventListener("click", Function::method<&UIEquipment::moreStatsClick>(this));
    guyWindow->addChild(moreStatsButton);

    struct Place {
        Ref<EquipmentSlot>& slot;
        int id, dx, dy;
    };
    const Place places[] = {{weaponSlot, EquipmentSlot::SLOT_WEAPON, -35, 110},
                            {helmetSlot, EquipmentSlot::SLOT_HELMET, 25, -15},
                            {bodySlot, EquipmentSlot::SLOT_BODY, 25, 55},
                            {legsSlot, EquipmentSlot::SLOT_LEGS, 25, 130},
                            {bootsSlot, EquipmentSlot::SLOT_BOOTS, 25, 190},
                            {handsSlot, EquipmentSlot::SLOT_HANDS, 90, 70},
                            {shieldSlot, EquipmentSlot::SLOT_SHIELD, 90, 130},
                            {accessorySlot1, EquipmentSlot::SLOT_ACCESSORY1, 155, 70},
                            {accessorySlot2, EquipmentSlot::SLOT_ACCESSORY2, 155, 130},
                            {accessorySlot3, EquipmentSlot::SLOT_ACCESSORY3, 155, 190}};
    for (const Place& place : places) {
        place.slot = make<EquipmentSlot>(place.id);
        place.slot->set_x(px + place.dx);
        place.slot->set_y(py + place.dy);
        guyWindow->addChild(place.slot);
    }
    slots = {weaponSlot, shieldSlot, helmetSlot, bodySlot, legsSlot, bootsSlot, handsSlot,
             accessorySlot1, accessorySlot2, accessorySlot3};
}

void UIEquipment::selectItem(const Ref<Item>& item) {
    if (!item) return;
    itemDetails->set_item(item);
    if (auto parent = selectBox->get_parent()) parent->removeChild(selectBox);
    const int slot = item->data->slot;
    if (slot == EquipmentSlot::SLOT_NONE) {
        selectedSlot = nullptr;
        statsDetails->updateStats();
        return;
    }
    Ref<EquipmentSlot> target;
    if (slot == EquipmentSlot::SLOT_ACCESSORY1) {
        target = accessorySlot3;
        for (const Ref<EquipmentSlot>& candidate : {accessorySlot1, accessorySlot2, accessorySlot3})
            if (!candidate->itemIcon) {
                target = candidate;
                break;
            }
    } else if (slot >= 0 && slot < static_cast<int>(slots.size())) {
        target = slots[static_cast<std::size_t>(slot)];
    }
    if (!target) return;
    selectSlot(target);
    const auto& worn = GameData::equippedItems;
    const auto id = static_cast<std::size_t>(target->slot);
    statsDetails->showAdjustedStats(item, id < worn.size() ? worn[id] : nullptr);
}

void UIEquipment::deselectItem() {
    deselectSlot();
    itemDetails->set_item(nullptr);
    statsDetails->updateStats();
}

void UIEquipment::selectSlot(const Ref<EquipmentSlot>& slot) {
    selectedSlot = slot;
    if (slot) slot->mainHolder->addChild(selectBox);
}

void UIEquipment::deselectSlot() {
    if (!selectedSlot) return;
    selectedSlot->hideEnchantButton();
    if (auto parent = selectBox->get_parent()) parent->removeChild(selectBox);
    selectedSlot = nullptr;
}

void UIEquipment::useItem(const Ref<Item>& item) {
    if (!item) return;
    if (item->data->slot != EquipmentSlot::SLOT_NONE && selectedSlot) {
        selectedSlot->setItem(item);
        GameData::equipItem(item, selectedSlot->slot);
        deselectSlot();
        statsDetails->updateStats();
        if (auto inventory = rootInventory()) {
            inventory->deselectItem();
            inventory->updateItems();
        }
    } else if (item->data->spell) {
        GameData::useSpell(item);
    } else {
        GameData::useConsumableItem(item);
    }
}

void UIEquipment::updateDisplayedData() {
    const auto& worn = GameData::equippedItems;
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i]->setItem(i < worn.size() ? worn[i] : nullptr);
    levelText->set_text("Level " + std::to_string(GameData::level));
    levelText->set_x(guyWindow->winWidth - levelText->textWidth - 126);
}

void UIEquipment::skillButtonClick(const EventRef&) {
    if (Game::ui) Game::ui->openSkillTree();
}

void UIEquipment::moreStatsClick(const EventRef&) {
    if (Game::ui) Game::ui->openMoreStatsWin();
}

void UIEquipment::disableIconsForBattle() {
    for (const Ref<EquipmentSlot>& slot : slots)
        if (auto worn = slot->item(); worn && !worn->data->usableInBattle) slot->disable();
}

void UIEquipment::enableIconsAfterBattle() {
    for (const Ref<EquipmentSlot>& slot : slots)
        if (slot->item()) slot->enable();
}

void UIEquipment::updateNGPlusText() {
    const int n = GameData::newGamePlusNum;
    ngPlusText->set_visible(n != 0);
    if (n == 0) return;
    ngPlusText->set_text(n == 1 ? std::string("New Game+") : "New Game+ " + std::to_string(n));
}

void UIEquipment::clearItemDetails() { itemDetails->set_item(nullptr); }

void UIEquipment::refreshSelectedItem(const Ref<Item>& item) {
    if (auto inventory = rootInventory(); inventory && inventory->itemScroller)
        if (auto icon = inventory->itemScroller->selItem) icon->updateAmount();
    itemDetails->set_item(item);
}

}  // namespace game

using game::UIEquipment;

RUNTIME_DEFINE_CLASS(UIEquipment, "UIEquipment", game::BitmapSprite, (auto& b) {
    b.template field<&UIEquipment::itemDetails>("itemDetails")
        .template field<&UIEquipment::guyWindow>("guyWindow")
        .template field<&UIEquipment::itemDetailsWindow>("itemDetailsWindow")
        .template field<&UIEquipment::statsWindow>("statsWindow")
        .template field<&UIEquipment::statsDetails>("statsDetails")
        .template field<&UIEquipment::skillsIconGoldGlow>("skillsIconGoldGlow")
        .template field<&UIEquipment::levelText>("levelText")
        .template field<&UIEquipment::ngPlusText>("ngPlusText")
        .template field<&UIEquipment::selectedSlot>("selectedSlot")
        .template field<&UIEquipment::selectBox>("selectBox")
        .template method<&UIEquipment::createGuyWindow>("createGuyWindow")
        .template method<&UIEquipment::selectItem>("selectItem")
        .template method<&UIEquipment::deselectItem>("deselectItem")
        .template method<&UIEquipment::selectSlot>("selectSlot")
        .template method<&UIEquipment::deselectSlot>("deselectSlot")
        .template method<&UIEquipment::useItem>("useItem")
        .template method<&UIEquipment::updateDisplayedData>("updateDisplayedData")
        .template method<&UIEquipment::skillButtonClick>("skillButtonClick")
        .template method<&UIEquipment::disableIconsForBattle>("disableIconsForBattle")
        .template method<&UIEquipment::enableIconsAfterBattle>("enableIconsAfterBattle")
        .template method<&UIEquipment::moreStatsClick>("moreStatsClick")
        .template method<&UIEquipment::updateNGPlusText>("updateNGPlusText")
        .template method<&UIEquipment::clearItemDetails>("clearItemDetails")
        .template method<&UIEquipment::refreshSelectedItem>("refreshSelectedItem")
        .emptyInstance();
})
