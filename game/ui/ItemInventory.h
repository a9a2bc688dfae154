#pragma once
// The one inventory panel: a framed strip along the bottom of the screen showing the hero's held
// items (GameData's own icons) in a scroller, filtered by a row of thirteen tabs. It changes no
// game data: the window that shows it installs its select, use and deselect callbacks.
#include <vector>

#include "game/kit/BasicWindow.h"
#include "game/kit/ItemScroller.h"
#include "game/kit/ItemTab.h"
#include "game/kit/TextSprite.h"

namespace game {

class ItemInventory : public BasicWindow {
    RUNTIME_CLASS(ItemInventory)
public:
    static constexpr int HEIGHT = 180;
    static constexpr int NUM_TABS = 13;
    // The leftmost x of the tab label.
    static constexpr int LABEL_MIN_X = 46;

    // select and use take the Item; deselect takes nothing.
    ItemInventory(const runtime::Ref<runtime::Function>& selectItemFunction,
                  const runtime::Ref<runtime::Function>& useItemFunction,
                  const runtime::Ref<runtime::Function>& deselectItemFunction);
    explicit ItemInventory(runtime::NoInit n) : BasicWindow(n) {}

    // One frame of the scroller (drag, inertia, edge arrows).
    virtual void update();
    virtual void setScrollerFunctions(const runtime::Ref<runtime::Function>& selectFunction,
                                      const runtime::Ref<runtime::Function>& useFunction,
                                      const runtime::Ref<runtime::Function>& deselectFunction);
    // Shows the current tab's share of GameData's icons (sorted first when needed).
    virtual void updateItems();
    virtual void tabClick(const runtime::Ref<framework::Event>& event);
    virtual void swapTabs(const runtime::Ref<ItemTab>& tab);
    virtual bool isAnItemSelected();
    virtual runtime::Ref<Item> getSelectedItem();
    virtual void deselectItem();
    // Shows the tab of the item's kind (unless EVERYTHING shows) and selects its icon.
    virtual void selectSpecificItem(const runtime::Ref<Item>& item, bool scrollIntoView = true);

    // Every tab, left to right.
    std::vector<runtime::Ref<ItemTab>> tabs() const;

    runtime::Ref<ItemScroller> itemScroller;
    // Indexed by an equipment definition's slot (0 weapon ... 7 accessory).
    std::vector<runtime::Ref<ItemTab>> equipTabs;
    runtime::Ref<ItemTab> currentTab;
    runtime::Ref<runtime::Function> useItemFunction;
    runtime::Ref<runtime::Function> selectItemFunction;
    runtime::Ref<runtime::Function> deselectItemFunction;
    runtime::Ref<TextSprite> tabLabel;
    runtime::Ref<ItemTab> consumableTab;
    runtime::Ref<ItemTab> craftingTab;
    runtime::Ref<ItemTab> magicTab;
    runtime::Ref<ItemTab> allTab;

private:
    std::vector<runtime::Ref<ItemTab>> allTabs;
};

}  // namespace game
