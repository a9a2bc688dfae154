#pragma once
// One of the ten item slots of the equipment tab: the item worn in one position of the hero (a
// copy, so no count shows) or an empty frame with the grey pictogram of the kind that fits. A
// first click selects it and shows the item, a second takes it off; an accessory chosen in the
// inventory is moved between the three accessory slots by clicking them; at a forge an "ENCHANT"
// button above the slot hands the item to the crafting tab.
#include "game/kit/BasicButton.h"
#include "game/kit/ItemIcon.h"

namespace game {

class EquipmentSlot : public BitmapSprite {
    RUNTIME_CLASS(EquipmentSlot)
public:
    static constexpr int SLOT_NONE = -1;
    static constexpr int SLOT_WEAPON = 0;
    static constexpr int SLOT_SHIELD = 1;
    static constexpr int SLOT_HELMET = 2;
    static constexpr int SLOT_BODY = 3;
    static constexpr int SLOT_LEGS = 4;
    static constexpr int SLOT_BOOTS = 5;
    static constexpr int SLOT_HANDS = 6;
    static constexpr int SLOT_ACCESSORY1 = 7;
    static constexpr int SLOT_ACCESSORY2 = 8;
    static constexpr int SLOT_ACCESSORY3 = 9;
    static constexpr double ENCHANT_FADE_SECONDS = 0.2;

    explicit EquipmentSlot(int slot);
    explicit EquipmentSlot(runtime::NoInit n) : BitmapSprite(n) {}

    // The item type a slot holds (accessory slots: 8000).
    static int typeOfSlot(int slot);

    virtual void setItem(const runtime::Ref<Item>& item);
    virtual void onClick(const runtime::Ref<framework::Event>& event);
    // keepOut: the item leaves the hero without returning to the inventory, silently.
    virtual void unequip(bool keepOut = false);
    virtual void disable();
    virtual void enable();
    virtual void showEnchantButton();
    virtual void hideEnchantButton();
    virtual void enchantClicked(const runtime::Ref<framework::Event>& event);

    // The equipped item's copy; null when empty.
    runtime::Ref<Item> item() const { return itemIcon ? itemIcon->item : nullptr; }

    int type = 0;
    int slot = SLOT_NONE;
    runtime::Ref<ItemIcon> itemIcon;
    bool disabled = false;
    runtime::Ref<BitmapSprite> emptyBitmap;
    runtime::Ref<BasicButton> enchantButton;
    runtime::Ref<BitmapSprite> mainHolder;
};

}  // namespace game
