#pragma once
// The menu's equipment tab: the stats panel (upper left), the details of the item in focus
// (lower left) and, on the right, the hero's figure with the ten equipment slots around it, the
// level and new-game-plus texts, the skill tree and "More Stats" buttons. Choosing an item in the
// inventory marks the slot it would go into and previews the figures; using it wears it there.
#include <array>

#include "EquipmentSlot.h"
#include "UIStatsDetails.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/TextSprite.h"

namespace game {

class UIEquipment : public BitmapSprite {
    RUNTIME_CLASS(UIEquipment)
public:
    using EventRef = runtime::Ref<framework::Event>;

    UIEquipment(int width, int height);
    explicit UIEquipment(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void createGuyWindow(int width, int height);
    // The inventory's select, deselect and use callbacks.
    virtual void selectItem(const runtime::Ref<Item>& item);
    virtual void deselectItem();
    virtual void selectSlot(const runtime::Ref<EquipmentSlot>& slot);
    virtual void deselectSlot();
    virtual void useItem(const runtime::Ref<Item>& item);
    // Slots from GameData.equippedItems and the level text.
    virtual void updateDisplayedData();
    virtual void skillButtonClick(const EventRef& event = nullptr);
    virtual void disableIconsForBattle();
    virtual void enableIconsAfterBattle();
    virtual void moreStatsClick(const EventRef& event = nullptr);
    virtual void updateNGPlusText();
    // After a consumable was used from the tab: the details emptied when the last piece went, or
    // the selected inventory icon's count and the details refreshed.
    virtual void clearItemDetails();
    virtual void refreshSelectedItem(const runtime::Ref<Item>& item);

    runtime::Ref<ItemDetails> itemDetails;
    runtime::Ref<BasicWindow> guyWindow;
    runtime::Ref<BasicWindow> itemDetailsWindow;
    runtime::Ref<BasicWindow> statsWindow;
    runtime::Ref<UIStatsDetails> statsDetails;
    runtime::Ref<framework::Bitmap> skillsIconGoldGlow;
    runtime::Ref<TextSprite> levelText;
    runtime::Ref<TextSprite> ngPlusText;
    runtime::Ref<EquipmentSlot> weaponSlot;
    runtime::Ref<EquipmentSlot> shieldSlot;
    runtime::Ref<EquipmentSlot> helmetSlot;
    runtime::Ref<EquipmentSlot> bodySlot;
    runtime::Ref<EquipmentSlot> legsSlot;
    runtime::Ref<EquipmentSlot> bootsSlot;
    runtime::Ref<EquipmentSlot> handsSlot;
    runtime::Ref<EquipmentSlot> accessorySlot1;
    runtime::Ref<EquipmentSlot> accessorySlot2;
    runtime::Ref<EquipmentSlot> accessorySlot3;
    // Indexed by slot id.
    std::array<runtime::Ref<EquipmentSlot>, 10> slots;
    runtime::Ref<EquipmentSlot> selectedSlot;
    runtime::Ref<BitmapSprite> selectBox;
    // The hero picture and the two buttons of the hero window.
    runtime::Ref<framework::Bitmap> guyPicture;
    runtime::Ref<BasicButton> skillsButton;
    runtime::Ref<BasicButton> moreStatsButton;
};

}  // namespace game
