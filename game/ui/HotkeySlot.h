#pragma once
// One quick-use slot of the hotkey bar: the inventory's own item with its number label, its name
// (and a spell's MP cost) over it while the pointer rests there, and the use of the item on a
// click or its number key: equip (the slot then holds what was worn), drink, cast, or queue an
// attack spell for the next battle. While the hotkey editor shows the inventory, a click selects
// the slot, assigns the inventory's selected item or clears the slot instead.
#include "game/kit/ItemIcon.h"
#include "game/kit/TextSprite.h"

namespace game {

class HotkeySlot : public BitmapSprite {
    RUNTIME_CLASS(HotkeySlot)
public:
    // Frames a touch press is held before the name shows (the same at 30 frames per second).
    static constexpr int HOLD_FRAMES = 20;
    // Ids of the items refused while the menu is disabled: escape wings, magic pickaxe,
    // telekinesis and transmute.
    static constexpr int BLOCKED_WHILE_MENU_DISABLED[] = {0, 200, 10040, 10045};

    explicit HotkeySlot(int index);
    explicit HotkeySlot(runtime::NoInit n) : BitmapSprite(n) {}

    // The flash played over a slot: three 54-pixel cells, back and forth, once.
    static runtime::Ref<Anim> flashAnim();

    virtual void update();
    // The inventory's own item, or null to clear; recorded in GameData::hotkeySlotItems.
    virtual void setItem(const runtime::Ref<Item>& item);
    virtual void onClick(const runtime::Ref<framework::Event>& event);
    virtual void useSlot();
    virtual void flashSlot();
    virtual void disable();
    virtual void enable();
    virtual void showName();
    virtual void hideName();
    virtual void mouseOver(const runtime::Ref<framework::Event>& event);
    virtual void mouseOut(const runtime::Ref<framework::Event>& event);
    virtual void mouseDown(const runtime::Ref<framework::Event>& event);
    virtual void mouseUp(const runtime::Ref<framework::Event>& event);

    // The assigned item; null when empty.
    runtime::Ref<Item> item() const { return itemIcon ? itemIcon->item : nullptr; }

    runtime::Ref<ItemIcon> itemIcon;
    runtime::Ref<BitmapSprite> emptyBorder;
    bool disabled = false;
    runtime::Ref<TextSprite> numLabel;
    runtime::Ref<TextSprite> nameLabel;
    int holdTime = 0;
    bool holding = false;
    runtime::Ref<framework::Sprite> mpUseSprite;

private:
    void useEquipment(const runtime::Ref<Item>& item);
    // Tweens a label (name or MP badge) in from 10 pixels lower.
    void riseIn(const runtime::Ref<framework::DisplayObject>& label, double y);
};

}  // namespace game
