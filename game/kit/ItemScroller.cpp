#include "ItemScroller.h"

#include <cmath>

#include "game/data/DataMap.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/shell/Audio.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<BitmapSprite> selectionFrame(const char* asset, int x, int y) {
    auto box = make<BitmapSprite>(PixelSmoother::smoothAsset(asset), false, true);
    box->set_x(x);
    box->set_y(y);
    return box;
}
}  // namespace

ItemScroller::ItemScroller(int areaWidth, const Ref<Function>& selectItemFunction, const Ref<Function>& itemUseFunction,
                           const Ref<Function>& deselectItemFunction, bool showPrice, bool showSellPrice,
                           bool translucentBack)
    : BaseScroller(areaWidth, SCROLLER_HEIGHT, SCROLL_WIN_SIZE, SCROLL_WIN_EDGE_SIZE, ITEM_SPACING,
                   nullptr, nullptr,
                   translucentBack),
      selectItemFunction(selectItemFunction), itemUseFunction(itemUseFunction),
      deselectItemFunction(deselectItemFunction), showPrice(showPrice), showSellPrice(showSellPrice) {
    // The base stores its callbacks only; they are bound once this object is whole.
    tapItemFunction = Function::method<&ItemScroller::tapItem>(this);
    subDeselectItem = Function::method<&ItemScroller::deselectItem>(this);
    selectBox = showPrice ? selectionFrame("assets/items/itemBorderValueSelected.png", -9, -11)
                          : selectionFrame("assets/items/itemBorderSelected.png", -3, -3);
    selectBoxMagic = selectionFrame("assets/items/magicBorderSelected.png", -3, -3);
}

bool ItemScroller::usable(const Ref<Item>& item) {
    const ItemData& data = *item->data;
    DataUI& ui = DataUI::get();
    const bool useSpecial = ui.useSpecialOpen();
    if (DataMap::get().inBattle() && !data.usableInBattle) return false;
    if (useSpecial && (item->artifact || data.spell)) return false;
    if (ui.craftingOpen() &&
        (data.type == ItemData::TYPE_MAGIC || data.type == ItemData::TYPE_CONSUMABLE ||
         (!ui.forgeEnabled() && data.slot != -1)))
        return false;
    if ((ui.equipmentOpen() || ui.hotkeysOpen()) && !useSpecial && data.type == ItemData::TYPE_CRAFTING) return false;
    if (ui.museumOpen() && (data.slot == -1 || !data.artifact)) return false;
    if (!GameData::inCave && data.type == ItemData::TYPE_CONSUMABLE) return false;
    return true;
}

void ItemScroller::setItems(const std::vector<Ref<Item>>& items) {
    std::vector<Ref<BitmapSprite>> icons;
    for (const Ref<Item>& item : items) {
        auto icon = make<ItemIcon>(item, true, true, showPrice ? ItemIcon::BUY_PRICE : 0, showSellPrice);
        if (!usable(item)) icon->disable();
        icons.push_back(icon);
    }
    populateScroller(icons);
}

void ItemScroller::setItemIcons(const std::vector<Ref<ItemIcon>>& icons, bool skipDisable) {
    std::vector<Ref<BitmapSprite>> entries;
    for (const Ref<ItemIcon>& icon : icons) {
        icon->enable();
        if (!skipDisable && !usable(icon->item)) icon->disable();
        entries.push_back(icon);
    }
    populateScroller(entries);
}

void ItemScroller::tapItem(const Ref<framework::Event>& event) {
    if (std::abs(scrollStart - scrollAmount) > 2) return;
    Ref<ItemIcon> target = event->get_currentTarget().cast<ItemIcon>();
    if (selItem && target.get() == selItem.get() && itemUseFunction) {
        (*itemUseFunction)(selItem->item);
        return;
    }
    Audio::playSound("simpleClickHighPitch", 0.1);
    if (target) selectItem(target, false);
}

void ItemScroller::selectItem(const Ref<ItemIcon>& icon, bool forceCenter) {
    if (icon->disabled && DataMap::get().inBattle()) return;
    deselectItem();
    selItem = icon;
    icon->select();
    icon->addChild(icon->item->data->spell ? selectBoxMagic : selectBox);
    (*selectItemFunction)(icon->item);
    const double x = icon->get_x();
    if (forceCenter || x < areaWidth * 0.1 || x + 50 > areaWidth * 0.9) centerSelectedItem(icon);
}

void ItemScroller::deselectItem() {
    if (selItem) {
        selItem->deselect();
        selItem = nullptr;
    }
    removeSelectBox();
    (*deselectItemFunction)();
}

void ItemScroller::removeSelectBox() {
    for (const Ref<BitmapSprite>& box : {selectBox, selectBoxMagic})
        if (auto parent = box->get_parent()) parent->removeChild(box);
}

void ItemScroller::findAndSelectItem(const Ref<Item>& item, bool forceCenter) {
    const std::vector<Ref<BitmapSprite>> entries = currentItems;
    for (const Ref<BitmapSprite>& entry : entries) {
        auto icon = entry.cast<ItemIcon>();
        if (icon && icon->item->equals(item)) selectItem(icon, forceCenter);
    }
}

}  // namespace game

using game::ItemScroller;

RUNTIME_DEFINE_CLASS(ItemScroller, "ItemScroller", game::BaseScroller, (auto& b) {
    b.template field<&ItemScroller::selItem>("selItem")
        .template field<&ItemScroller::showPrice>("showPrice")
        .template field<&ItemScroller::showSellPrice>("showSellPrice")
        .template method<&ItemScroller::deselectItem>("deselectItem")
        .emptyInstance();
})
