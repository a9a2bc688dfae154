#include "ItemInventory.h"

#include <algorithm>

#include "HeldItemIcon.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/shell/Audio.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
// The tab types, left to right.
constexpr int TAB_TYPES[ItemInventory::NUM_TABS] = {
    ItemTab::ALL,         ItemData::TYPE_CONSUMABLE, ItemData::TYPE_WEAPON, ItemData::TYPE_SHIELD,
    ItemData::TYPE_HELMET, ItemData::TYPE_BODY,      ItemData::TYPE_LEGS,   ItemData::TYPE_BOOTS,
    ItemData::TYPE_HANDS, ItemData::TYPE_ACCESSORY, ItemData::TYPE_CRAFTING, ItemTab::ARTIFACTS,
    ItemData::TYPE_MAGIC,
};

int panelWidth() { return static_cast<int>(std::min(Game::gameWidth, 960)); }
}  // namespace

ItemInventory::ItemInventory(const Ref<Function>& selectItemFunction, const Ref<Function>& useItemFunction,
                             const Ref<Function>& deselectItemFunction)
    : BasicWindow(panelWidth(), HEIGHT),
      useItemFunction(useItemFunction),
      selectItemFunction(selectItemFunction),
      deselectItemFunction(deselectItemFunction) {
    tabLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "", false, -1, 2, true, 0, false, false, -5.0, 2, true);
    const int w = winWidth;
    const int m = w / NUM_TABS;
    auto onMouseDown = Function::method<&ItemInventory::tabClick>(this);
    for (int i = 0; i < NUM_TABS; ++i) {
        const bool first = i == 0;
        auto tab = make<ItemTab>(first ? w - 12 * m - 2 : m, C::ITEM_SIZE, TAB_TYPES[i]);
        tab->set_x(first ? 1 : allTabs[0]->buttonWidth + (i - 1) * m);
        tab->set_y(0);
        tab->addEventListener("mouseDown", onMouseDown);
        addChild(tab);
        allTabs.push_back(tab);
    }
    allTab = allTabs[0];
    consumableTab = allTabs[1];
    equipTabs.assign(allTabs.begin() + 2, allTabs.begin() + 10);
    craftingTab = allTabs[10];
    magicTab = allTabs[12];

    currentTab = allTab;
    allTab->select();
    tabLabel->set_text(allTab->label);
    tabLabel->set_x(LABEL_MIN_X);
    tabLabel->set_y(54);
    addChild(tabLabel);

    itemScroller = make<ItemScroller>(w - 40, selectItemFunction, useItemFunction, deselectItemFunction);
    itemScroller->set_x(20);
    itemScroller->set_y(68);
    addChild(itemScroller);
}

std::vector<Ref<ItemTab>> ItemInventory::tabs() const { return allTabs; }

void ItemInventory::update() { itemScroller->update(); }

void ItemInventory::setScrollerFunctions(const Ref<Function>& selectFunction, const Ref<Function>& useFunction,
                                         const Ref<Function>& deselectFunction) {
    itemScroller->selectItemFunction = selectFunction;
    itemScroller->itemUseFunction = useFunction;
    itemScroller->deselectItemFunction = deselectFunction;
}

void ItemInventory::updateItems() {
    if (GameData::itemsNeedSorted) GameData::sortItems();
    HeldItemIcon::adoptAll(GameData::itemIcons);
    const int type = currentTab->type;
    std::vector<Ref<ItemIcon>> kept;
    for (const Ref<InventoryIcon>& icon : GameData::itemIcons) {
        Ref<ItemIcon> widget = HeldItemIcon::widgetOf(icon);
        if (!widget) continue;
        const Ref<Item>& item = widget->item;
        if (type == ItemTab::ALL || (type == ItemTab::ARTIFACTS && item->artifact) || item->data->type == type)
            kept.push_back(widget);
    }
    itemScroller->setItemIcons(kept);
    DataUI::get().updateHotkeyAmounts();
}

void ItemInventory::tabClick(const Ref<framework::Event>& event) {
    if (auto tab = event->get_currentTarget().cast<ItemTab>()) swapTabs(tab);
    deselectItem();
    Audio::playSound("simpleClickHighPitch", 0.1);
}

void ItemInventory::swapTabs(const Ref<ItemTab>& tab) {
    if (!tab || tab.get() == currentTab.get()) return;
    currentTab->deselect();
    currentTab = tab;
    tab->select();
    tabLabel->set_text(tab->label);
    tabLabel->set_x(std::max(static_cast<double>(LABEL_MIN_X), tab->get_x() + 0.5 * tab->buttonWidth));
    updateItems();
    deselectItem();
}

bool ItemInventory::isAnItemSelected() { return itemScroller->selItem != nullptr; }

Ref<Item> ItemInventory::getSelectedItem() { return itemScroller->selItem ? itemScroller->selItem->item : nullptr; }

void ItemInventory::deselectItem() { itemScroller->deselectItem(); }

void ItemInventory::selectSpecificItem(const Ref<Item>& item, bool scrollIntoView) {
    if (!item) return;
    if (currentTab.get() != allTab.get()) {
        const ItemData& data = *item->data;
        Ref<ItemTab> tab;
        if (data.slot >= 0 && data.slot < static_cast<int>(equipTabs.size())) tab = equipTabs[data.slot];
        else if (data.type == ItemData::TYPE_CONSUMABLE) tab = consumableTab;
        else if (data.type == ItemData::TYPE_CRAFTING) tab = craftingTab;
        else if (data.type == ItemData::TYPE_MAGIC) tab = magicTab;
        if (tab) swapTabs(tab);
    }
    itemScroller->findAndSelectItem(item, scrollIntoView);
}

}  // namespace game

using game::ItemInventory;

RUNTIME_DEFINE_CLASS(ItemInventory, "ItemInventory", game::BasicWindow, (auto& b) {
    b.template field<&ItemInventory::itemScroller>("itemScroller")
        .template field<&ItemInventory::currentTab>("currentTab")
        .template field<&ItemInventory::tabLabel>("tabLabel")
        .template method<&ItemInventory::update>("update")
        .template method<&ItemInventory::setScrollerFunctions>("setScrollerFunctions")
        .template method<&ItemInventory::updateItems>("updateItems")
        .template method<&ItemInventory::deselectItem>("deselectItem")
        .template method<&ItemInventory::isAnItemSelected>("isAnItemSelected")
        .emptyInstance();
})
