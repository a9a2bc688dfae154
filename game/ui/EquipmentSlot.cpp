#include "EquipmentSlot.h"

#include "HudLink.h"
#include "ItemInventory.h"
#include "framework/geom/Rectangle.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/UIColor.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<runtime::DynamicObject> props(double alpha, double y) {
    auto p = make<runtime::DynamicObject>();
    p->setField("alpha", runtime::Value(alpha));
    p->setField("y", runtime::Value(y));
    return p;
}

// The column of the slot kind's pictogram in "assets/items/itemBlankIcons.png".
int pictogramX(int slot) { return slot >= EquipmentSlot::SLOT_ACCESSORY1 ? 288 : 64 + 32 * slot; }
}  // namespace

int EquipmentSlot::typeOfSlot(int slot) {
    if (slot < SLOT_WEAPON) return -1;
    return slot >= SLOT_ACCESSORY1 ? ItemData::TYPE_ACCESSORY : ItemData::TYPE_WEAPON + 1000 * slot;
}

EquipmentSlot::EquipmentSlot(int slot) : slot(slot) {
    emptyBitmap = make<BitmapSprite>();
    auto back = make<Bitmap>(GameData::uiColor.cast<UIColor>()->itemBackNormal);
    back->set_x(1);
    back->set_y(1);
    emptyBitmap->addChild(back);
    emptyBitmap->addChild(make<Bitmap>(PixelSmoother::smoothAsset("assets/items/itemBorder.png")));
    auto pictogram = make<Bitmap>(PixelSmoother::smoothAsset("assets/items/itemBlankIcons.png"));
    pictogram->set_scrollRect(make<framework::Rectangle>(pictogramX(slot), 0, 32, 32));
    pictogram->set_x((C::ITEM_SIZE - 32) / 2);
    pictogram->set_y((C::ITEM_SIZE - 32) / 2);
    emptyBitmap->addChild(pictogram);
    type = typeOfSlot(slot);

    mainHolder = make<BitmapSprite>();
    addChild(mainHolder);
    mainHolder->addChild(emptyBitmap);

    auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "ENCHANT", false, -1, 2, true, -1, false,
                                    false, -5.0, 2, true);
    enchantButton = make<BasicButton>(C::ITEM_SIZE + 26, 24, 0, BasicButton::CORNER_SIZE_SMALL, BasicButton::COLOR_YELLOW,
                                      true, caption);
    enchantButton->set_x(-13);
    enchantButton->set_visible(false);
    enchantButton->addEventListener("click", Function::method<&EquipmentSlot::enchantClicked>(this));
    addChild(enchantButton);
    mainHolder->addEventListener("click", Function::method<&EquipmentSlot::onClick>(this));
}

void EquipmentSlot::setItem(const Ref<Item>& value) {
    if (emptyBitmap->get_parent().get() == mainHolder.get()) mainHolder->removeChild(emptyBitmap);
    if (itemIcon && itemIcon->get_parent().get() == mainHolder.get()) mainHolder->removeChild(itemIcon);
    if (!value) {
        mainHolder->addChild(emptyBitmap);
        itemIcon = nullptr;
        return;
    }
    Ref<Item> copy = value->clone();
    copy->amount = 1;
    itemIcon = make<ItemIcon>(copy);
    mainHolder->addChild(itemIcon);
}

void EquipmentSlot::onClick(const Ref<framework::Event>& event) {
    if (disabled) return;
    HudLink& link = HudLink::get();
    Ref<ItemInventory> inventory = link.inventory();
    const bool itemSelected = inventory && inventory->isAnItemSelected();
    const bool isSelected = link.selectedEquipmentSlot().get() == this;
    if (isSelected && !itemSelected) {
        unequip();
        return;
    }
    const Ref<Item> chosen = itemSelected ? inventory->getSelectedItem() : nullptr;
    if (chosen && chosen->data->slot == SLOT_ACCESSORY1 && type == ItemData::TYPE_ACCESSORY) {
        if (isSelected) {
            link.equipmentUseItem(chosen);
        } else {
            link.deselectEquipmentSlot();
            if (itemIcon) showEnchantButton();
            link.selectEquipmentSlot(Ref<EquipmentSlot>(this));
            link.showAdjustedStats(chosen, item());
        }
        return;
    }
    if (!itemIcon) return;
    showEnchantButton();
    if (inventory) inventory->deselectItem();
    link.selectEquipmentSlot(Ref<EquipmentSlot>(this));
    link.showEquipmentItemDetails(item(), true);
    link.showAdjustedStats(nullptr, item());
}

void EquipmentSlot::unequip(bool keepOut) {
    setItem(nullptr);
    if (keepOut) GameData::equipItem(nullptr, slot, false, false);
    else GameData::equipItem(nullptr, slot);
    HudLink& link = HudLink::get();
    link.deselectEquipmentSlot();
    link.updateEquipmentStats();
    link.showEquipmentItemDetails(nullptr, false);
    if (auto inventory = link.inventory()) inventory->updateItems();
}

void EquipmentSlot::disable() {
    disabled = true;
    set_alpha(0.5);
}

void EquipmentSlot::enable() {
    disabled = false;
    set_alpha(1.0);
}

void EquipmentSlot::showEnchantButton() {
    if (!HudLink::get().atForge()) return;
    enchantButton->set_visible(true);
    enchantButton->set_alpha(0);
    enchantButton->set_y(0);
    ::tween::Tweener::tween(enchantButton, ENCHANT_FADE_SECONDS, props(1, -3 - enchantButton->buttonHeight));
}

void EquipmentSlot::hideEnchantButton() {
    ::tween::Tweener::tween(enchantButton, ENCHANT_FADE_SECONDS, props(0, 0));
}

void EquipmentSlot::enchantClicked(const Ref<framework::Event>& event) {
    const Ref<Item> taken = item();
    if (!taken) return;
    unequip(true);
    HudLink::get().enchantEquippedItem(taken, slot);
}

}  // namespace game

using game::EquipmentSlot;

RUNTIME_DEFINE_CLASS(EquipmentSlot, "EquipmentSlot", game::BitmapSprite, (auto& b) {
    b.template field<&EquipmentSlot::type>("type")
        .template field<&EquipmentSlot::slot>("slot")
        .template field<&EquipmentSlot::disabled>("disabled")
        .template method<&EquipmentSlot::disable>("disable")
        .template method<&EquipmentSlot::enable>("enable")
        .template method<&EquipmentSlot::hideEnchantButton>("hideEnchantButton")
        .emptyInstance();
})
