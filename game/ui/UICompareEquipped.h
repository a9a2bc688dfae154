#pragma once
// The comparison screen: one item beside what the hero wears in the slot it would take (all
// three accessory slots for an accessory), the hero's figures as they would be after the
// exchange, and an Equip Here (in a shop, Buy + Equip) button on each worn item. Built once by
// the UI root and reused.
#include "UIStatsDetails.h"
#include "game/data/Item.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/TextSprite.h"

namespace game {

class UICompareEquipped : public BitmapSprite {
    RUNTIME_CLASS(UICompareEquipped)
public:
    UICompareEquipped();
    explicit UICompareEquipped(runtime::NoInit n) : BitmapSprite(n) {}

    // Places the windows for the current game size.
    virtual void positionWindows();
    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);
    // Shows item against the worn item or items; the first candidate slot starts chosen.
    virtual void setItem(const runtime::Ref<Item>& item);
    // Equip Here callbacks of the three worn-item panels; the panel's own item is not used.
    virtual void replace1(const runtime::Ref<Item>& item = nullptr);
    virtual void replace2(const runtime::Ref<Item>& item = nullptr);
    virtual void replace3(const runtime::Ref<Item>& item = nullptr);
    // Equips (in a shop with a stock item selected: buys and equips) the selected item into slot,
    // refreshes the menu and closes the screen. Nothing happens once the screen is closing.
    virtual void itemReplaced(int slot);
    virtual void win1Click(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void win2Click(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void win3Click(const runtime::Ref<framework::Event>& event = nullptr);

    runtime::Ref<ItemDetails> selItemDetails;
    runtime::Ref<UIStatsDetails> statsDetails;
    runtime::Ref<BasicWindow> statsWindow;
    runtime::Ref<BasicWindow> selItemWindow;
    runtime::Ref<BasicWindow> equippedWindow1;
    runtime::Ref<BasicWindow> equippedWindow2;
    runtime::Ref<BasicWindow> equippedWindow3;
    runtime::Ref<ItemDetails> equippedDetails1;
    runtime::Ref<ItemDetails> equippedDetails2;
    runtime::Ref<ItemDetails> equippedDetails3;
    runtime::Ref<TextSprite> equippedLabel;
    runtime::Ref<BasicButton> closeButton;
    // Set once an item was equipped, until the screen is opened again: the worn-item windows
    // and their buttons ignore clicks while it fades out.
    bool closingWindow = false;

private:
    // Makes window n the one compared.
    void chooseWindow(int n);
};

}  // namespace game
