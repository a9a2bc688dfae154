#pragma once
// The strip of item icons with one selected icon: builds icons from items, greys out the ones
// that cannot be used in the window open now, selects on a tap and uses on a second tap. It
// reports only through its three callbacks (select and use take the Item, deselect nothing);
// deselect always runs before select.
#include "BaseScroller.h"
#include "ItemIcon.h"

namespace game {

class ItemScroller : public BaseScroller {
    RUNTIME_CLASS(ItemScroller)
public:
    static constexpr int SCROLLER_HEIGHT = 108;
    static constexpr double SCROLL_WIN_SIZE = 0.8;
    static constexpr double SCROLL_WIN_EDGE_SIZE = 0.1;
    static constexpr int ITEM_SPACING = 90;

    // itemUseFunction may be null: a second tap then selects again.
    ItemScroller(int areaWidth, const runtime::Ref<runtime::Function>& selectItemFunction,
                 const runtime::Ref<runtime::Function>& itemUseFunction,
                 const runtime::Ref<runtime::Function>& deselectItemFunction, bool showPrice = false,
                 bool showSellPrice = false, bool translucentBack = false);
    explicit ItemScroller(runtime::NoInit n) : BaseScroller(n) {}

    // Whether an item can be used with the windows open now (battle, use-special, crafting,
    // equipment or hotkeys, museum, town).
    static bool usable(const runtime::Ref<Item>& item);

    // New icons (named, with background, priced when showPrice) that die with the next list.
    virtual void setItems(const std::vector<runtime::Ref<Item>>& items);
    // Icons the owner keeps: each enabled, then disabled when unusable unless skipDisable.
    virtual void setItemIcons(const std::vector<runtime::Ref<ItemIcon>>& icons, bool skipDisable = false);
    virtual void tapItem(const runtime::Ref<framework::Event>& event);
    virtual void selectItem(const runtime::Ref<ItemIcon>& icon, bool forceCenter = false);
    virtual void deselectItem();
    virtual void removeSelectBox();
    // Selects every icon whose item equals item, in turn.
    virtual void findAndSelectItem(const runtime::Ref<Item>& item, bool forceCenter = true);

    runtime::Ref<ItemIcon> selItem;
    runtime::Ref<runtime::Function> selectItemFunction;
    runtime::Ref<runtime::Function> itemUseFunction;
    runtime::Ref<runtime::Function> deselectItemFunction;
    runtime::Ref<BitmapSprite> selectBox;
    runtime::Ref<BitmapSprite> selectBoxMagic;
    bool showPrice = false;
    bool showSellPrice = false;
};

}  // namespace game
