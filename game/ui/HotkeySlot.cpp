#include "HotkeySlot.h"

#include <algorithm>
#include <string>

#include "HotkeyWindow.h"
#include "HudLink.h"
#include "ItemInventory.h"
#include "framework/geom/Rectangle.h"
#include "game/data/DataMap.h"
#include "game/data/DataUI.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/UIColor.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/kit/TweenProps.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Quad.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

void stopAndRemove(const Ref<framework::DisplayObject>& label) {
    if (!label) return;
    ::tween::Tweener::stop(label);
    if (auto parent = label->get_parent()) parent->removeChild(label);
}

Ref<ItemInventory> inventoryPanel() { return HudLink::get().inventory(); }

}  // namespace

HotkeySlot::HotkeySlot(int index) {
    emptyBorder = make<BitmapSprite>();
    auto back = make<Bitmap>(GameData::uiColor.cast<UIColor>()->itemBackNormal);
    back->set_x(1);
    back->set_y(1);
    emptyBorder->addChild(back);
    emptyBorder->addChild(make<Bitmap>(PixelSmoother::smoothAsset("assets/items/itemBorder.png")));
    addChild(emptyBorder);

    runtime::String number = "";
    if (!Game::mobile && index >= 0 && index <= 9) number = std::to_string((index + 1) % 10);
    numLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, number, false, -1, 2, false, 0, false, false,
                                -5.0, 2, true);
    numLabel->set_x(5);
    numLabel->set_y(5);
    numLabel->set_alpha(0.5);
    if (!Game::mobile) addChild(numLabel);

    addEventListener("click", Function::method<&HotkeySlot::onClick>(this));
    if (Game::mobile) {
        addEventListener("mouseDown", Function::method<&HotkeySlot::mouseDown>(this));
        addEventListener("mouseUp", Function::method<&HotkeySlot::mouseUp>(this));
    } else {
        addEventListener("mouseOver", Function::method<&HotkeySlot::mouseOver>(this));
        addEventListener("mouseOut", Function::method<&HotkeySlot::mouseOut>(this));
    }
    nameLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, -1);
}

Ref<Anim> HotkeySlot::flashAnim() { return make<Anim>(0, 0, 54, 54, 3, false, 3, true); }

void HotkeySlot::update() {
    if (holding && holdTime > 0) {
        --holdTime;
        if (holdTime == 0) showName();
    }
}

void HotkeySlot::setItem(const Ref<Item>& value) {
    Ref<HotkeyWindow> bar = HudLink::get().hotkeys();
    if (bar) {
        const auto& slots = bar->slots;
        auto it = std::find_if(slots.begin(), slots.end(), [&](const Ref<HotkeySlot>& s) { return s.get() == this; });
        if (it != slots.end()) {
            auto& entries = GameData::hotkeySlotItems;
            const std::size_t index = static_cast<std::size_t>(it - slots.begin());
            if (entries.size() <= index) entries.resize(index + 1);
            entries[index] = value;
        }
        if (bar->queuedMagicSlot.get() == this) bar->dequeueMagic();
    }
    if (itemIcon && itemIcon->get_parent().get() == this) removeChild(itemIcon);
    if (!value) {
        itemIcon = nullptr;
        emptyBorder->set_visible(true);
        numLabel->set_alpha(0.5);
        stopAndRemove(nameLabel);
        stopAndRemove(mpUseSprite);
        return;
    }
    itemIcon = make<ItemIcon>(value);
    addChild(itemIcon);
    emptyBorder->set_visible(false);
    if (!Game::mobile) {
        addChild(numLabel);
        numLabel->set_alpha(1);
    }
    nameLabel->set_text(value->data->name);
    nameLabel->set_x(C::ITEM_SIZE * 0.5);
    stopAndRemove(mpUseSprite);
    mpUseSprite = nullptr;
    if (value->data->mpUse != 0) {
        mpUseSprite = make<framework::Sprite>();
        auto icon = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/skillIcons.png"));
        icon->set_scrollRect(Enchantment::ICON_MP);
        icon->set_y(-1);
        mpUseSprite->addChild(icon);
        auto cost = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, std::to_string(value->data->mpUse));
        cost->set_x(26);
        cost->set_y(6);
        mpUseSprite->addChild(cost);
        mpUseSprite->set_x(C::ITEM_SIZE * 0.5 - (cost->textWidth + 30) * 0.5);
    }
}

void HotkeySlot::onClick(const Ref<framework::Event>& event) {
    if (!Game::mobile || holdTime > 0) useSlot();
}

void HotkeySlot::useSlot() {
    if (disabled) return;
    const Ref<Item> held = item();
    if (G::disableMenu && held) {
        const int id = held->data->id;
        if (std::find(std::begin(BLOCKED_WHILE_MENU_DISABLED), std::end(BLOCKED_WHILE_MENU_DISABLED), id) !=
            std::end(BLOCKED_WHILE_MENU_DISABLED))
            return;
    }
    HudLink& link = HudLink::get();
    Ref<HotkeyWindow> bar = link.hotkeys();
    Ref<ItemInventory> inventory = inventoryPanel();
    if (link.inventoryOpen() && bar && inventory) {
        if (bar->selectedSlot.get() != this) {
            bar->deselectSlot();
            if (inventory->isAnItemSelected() || held) bar->selectSlot(Ref<HotkeySlot>(this));
            return;
        }
        if (inventory->isAnItemSelected()) bar->useItem(inventory->getSelectedItem());
        else setItem(nullptr);
        bar->deselectSlot();
        inventory->deselectItem();
        return;
    }
    if (!held) return;
    const ItemData& data = *held->data;
    if (data.slot == -1) {
        if (data.type == ItemData::TYPE_MAGIC) {
            if (!DataMap::get().inBattle() && data.attackMagic) {
                if (bar) bar->queueMagic(Ref<HotkeySlot>(this));
            } else {
                GameData::useSpell(held);
            }
        } else if (data.type == ItemData::TYPE_CONSUMABLE) {
            GameData::useConsumableItem(held);
        }
    } else {
        useEquipment(held);
    }
    if (link.inventoryOpen() && inventory) inventory->updateItems();
    else if (bar) bar->updateAmounts();
}

void HotkeySlot::useEquipment(const Ref<Item>& held) {
    const ItemData& data = *held->data;
    auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, data.name + " equipped", false, -1, 2, true);
    text->set_x(static_cast<int>(C::TILE_SIZE * 0.5));
    text->set_y(-40);
    HudLink::get().addToHero(text);
    if (auto actuator = ::tween::Tweener::tween(text, 1, TweenProps::of({{"y", -80}, {"alpha", 0}}))) {
        actuator->ease(::tween::Quad::get_easeOut());
        text->tween(actuator);
    }
    DataMap::get().addMenuEffect(text);

    const int slot = data.slot;
    const auto& worn = GameData::equippedItems;
    Ref<Item> previous = slot >= 0 && slot < static_cast<int>(worn.size()) ? worn[slot] : nullptr;
    GameData::equipItem(held, slot);
    DataUI::get().updateEquipmentData();
    if (previous)
        for (const Ref<Item>& candidate : GameData::items)
            if (candidate->equals(previous)) {
                setItem(candidate);
                break;
            }
}

void HotkeySlot::flashSlot() {
    auto flash = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/misc/slotFlash.png"));
    flash->set_x(-3);
    flash->set_y(-3);
    addChild(flash);
    flash->setNewAnim(flashAnim(), true, 2);
    DataMap::get().addMenuEffect(flash);
}

void HotkeySlot::disable() {
    disabled = true;
    set_alpha(0.5);
}

void HotkeySlot::enable() {
    disabled = false;
    set_alpha(1.0);
}

void HotkeySlot::riseIn(const Ref<framework::DisplayObject>& label, double y) {
    label->set_y(y);
    addChild(label);
    label->set_visible(true);
    label->set_alpha(0);
    ::tween::Tweener::tween(label, 0.2, TweenProps::of({{"y", y - 10}, {"alpha", 1}}));
}

void HotkeySlot::showName() {
    if (!itemIcon) return;
    double nameY = -16;
    if (mpUseSprite) {
        riseIn(mpUseSprite, -27);
        nameY = -45;
    }
    riseIn(nameLabel, nameY);
}

void HotkeySlot::hideName() {
    if (!itemIcon) return;
    ::tween::Tweener::tween(nameLabel, 0.2, TweenProps::of({{"alpha", 0}}));
    if (mpUseSprite) ::tween::Tweener::tween(mpUseSprite, 0.2, TweenProps::of({{"alpha", 0}}));
}

void HotkeySlot::mouseOver(const Ref<framework::Event>& event) { showName(); }

void HotkeySlot::mouseOut(const Ref<framework::Event>& event) { hideName(); }

void HotkeySlot::mouseDown(const Ref<framework::Event>& event) {
    if (Ref<HotkeyWindow> bar = HudLink::get().hotkeys())
        for (const Ref<HotkeySlot>& slot : bar->slots) slot->hideName();
    holdTime = HOLD_FRAMES;
    holding = true;
}

void HotkeySlot::mouseUp(const Ref<framework::Event>& event) {
    holding = false;
    if (!itemIcon) return;
    for (const Ref<framework::DisplayObject>& label : {Ref<framework::DisplayObject>(nameLabel), Ref<framework::DisplayObject>(mpUseSprite)})
        if (label)
            if (auto actuator = ::tween::Tweener::tween(label, 3, TweenProps::of({{"alpha", 0}})))
                actuator->ease(::tween::Quad::get_easeIn());
}

}  // namespace game

using game::HotkeySlot;

RUNTIME_DEFINE_CLASS(HotkeySlot, "HotkeySlot", game::BitmapSprite, (auto& b) {
    b.template field<&HotkeySlot::itemIcon>("itemIcon")
        .template field<&HotkeySlot::disabled>("disabled")
        .template method<&HotkeySlot::useSlot>("useSlot")
        .template method<&HotkeySlot::disable>("disable")
        .template method<&HotkeySlot::enable>("enable")
        .emptyInstance();
})
