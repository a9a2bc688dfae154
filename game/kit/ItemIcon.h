#pragma once
// The picture of an item in every list and slot: a 48-pixel square with the item's cell from the
// sheet of its type, an optional framed background (normal and selected), the stack amount, an
// optional name under it (pooled in twenty name caches), gems for its enchantments and an
// optional price tag above it. Every bitmap it shows is shared; an icon owns none.
#include <map>
#include <string>
#include <vector>

#include "BitmapSprite.h"
#include "TextSprite.h"
#include "game/data/Item.h"

namespace game {

class ItemIcon : public BitmapSprite {
    RUNTIME_CLASS(ItemIcon)
public:
    static constexpr int BUY_PRICE = 1;
    static constexpr int SELL_PRICE = 2;
    static constexpr int NUM_NAME_CACHES = 20;
    // Item name to name text, one map per cache.
    static inline std::vector<std::map<std::string, runtime::Ref<TextSprite>>> nameSpriteCaches;

    // A priceType other than 0 adds the price tag; sellPrice shows the selling price.
    explicit ItemIcon(const runtime::Ref<Item>& item, bool showName = false, bool showBackground = true,
                      int priceType = 0, bool sellPrice = false, bool ignoreDestroy = false);
    explicit ItemIcon(runtime::NoInit n) : BitmapSprite(n) {}

    // A new bitmap on the sheet of data's type, cut to the cell of its picture number (empty for
    // a type without a sheet).
    static runtime::Ref<framework::Bitmap> getPicForITemData(const runtime::Ref<ItemData>& data);
    static void createNameCaches();

    // Edge fade in a scroller: the icon fades in the outer 1 %, its name between 30 % and 10 %.
    void updateAlphaForScroller(double position, int unused = 0) override;
    // Same item (Item::equals) and the same amount; other must be an ItemIcon.
    bool equals(const runtime::Ref<BitmapSprite>& other) override;
    virtual void select();
    virtual void showSelectedBack();
    virtual void deselect();
    virtual void showUnselectedBack();
    virtual void updateAmount();
    virtual void mouseOver(const runtime::Ref<framework::Event>& event);
    virtual void mouseOut(const runtime::Ref<framework::Event>& event);
    virtual void disable();
    virtual void enable();

    runtime::Ref<Item> item;
    bool disabled = false;
    runtime::Ref<framework::Bitmap> deselectedBack;
    runtime::Ref<framework::Bitmap> selectedBack;
    runtime::Ref<framework::Bitmap> deselectedValueBack;
    runtime::Ref<framework::Bitmap> selectedValueBack;
    runtime::Ref<TextSprite> amountText;
    runtime::Ref<TextSprite> nameText;
    bool priceShowing = false;
    runtime::Ref<framework::Sprite> nameHolder;
    bool isSelected = false;

private:
    void showBacks(bool selectedLook);
    void addBackground();
    void addGems();
    void addPriceTag(bool sellPrice);
    // A free cached name sprite for the item's name, or an uncached one when all are in use.
    runtime::Ref<TextSprite> nameSprite();
};

}  // namespace game
