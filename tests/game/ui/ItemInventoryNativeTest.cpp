// The inventory panel: its size and tab row, the filter of each tab, greying by the open window
// and the battle, tab clicks and pointing at one item from elsewhere.
#include "HudFixture.h"
#include <functional>

#include "framework/events/MouseEvent.h"

using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemInventory;
using game::ItemTab;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
struct Calls {
    std::vector<Ref<Item>> selected, used;
    int deselected = 0;
    Ref<Function> select() {
        return Function::of([this](runtime::Value v) { selected.push_back(v.as<Item>() ? Ref<Item>(v.as<Item>()) : nullptr); });
    }
    Ref<Function> use() {
        return Function::of([this](runtime::Value v) { used.push_back(Ref<Item>(v.as<Item>())); });
    }
    Ref<Function> deselect() {
        return Function::of([this] { ++deselected; });
    }
};

// The names shown by the scroller, in order.
std::vector<std::string> shown(ItemInventory& panel) {
    std::vector<std::string> names;
    for (const auto& entry : panel.itemScroller->currentItems)
        names.push_back(entry.cast<game::ItemIcon>()->item->data->name.toText());
    return names;
}
}  // namespace

class ItemInventoryTest : public HudFixture {
protected:
    Calls calls;
    Ref<ItemInventory> panel;
    void SetUp() override {
        HudFixture::SetUp();
        panel = make<ItemInventory>(calls.select(), calls.use(), calls.deselect());
        root->inventoryPanel = panel;
    }
    Ref<ItemTab> tab(int type) {
        for (const auto& t : panel->tabs())
            if (t->type == type) return t;
        return nullptr;
    }
};

TEST_F(ItemInventoryTest, ThePanelIsAsWideAsTheMenuWithThirteenTabs) {
    EXPECT_EQ(panel->winWidth, 960);
    EXPECT_EQ(panel->winHeight, 180);
    auto tabs = panel->tabs();
    ASSERT_EQ(tabs.size(), 13u);
    EXPECT_EQ(tabs[0]->get_x(), 1);
    EXPECT_EQ(tabs[0]->buttonWidth, 82);
    for (int k = 1; k < 13; ++k) {
        EXPECT_EQ(tabs[k]->get_x(), 82 + (k - 1) * 73) << k;
        EXPECT_EQ(tabs[k]->buttonWidth, 73);
        EXPECT_EQ(tabs[k]->get_y(), 0);
    }
    EXPECT_EQ(tabs[12]->get_x() + tabs[12]->buttonWidth, 958) << "the last tab ends at W - 2";
    std::vector<std::string> labels;
    for (const auto& t : tabs) labels.push_back(t->label.toText());
    EXPECT_EQ(labels, (std::vector<std::string>{"EVERYTHING", "ITEMS", "WEAPONS", "SHIELDS", "HELMETS", "BODY ARMOR",
                                                "LEG ARMOR", "BOOTS", "HAND ARMOR", "ACCESSORIES", "CRAFTING",
                                                "ARTIFACTS", "MAGIC"}));
    EXPECT_EQ(panel->equipTabs.size(), 8u);
    EXPECT_EQ(panel->equipTabs[7]->type, ItemData::TYPE_ACCESSORY);
    EXPECT_EQ(panel->currentTab.get(), panel->allTab.get());
    EXPECT_EQ(panel->tabLabel->get_text().toText(), "EVERYTHING");
    EXPECT_EQ(panel->tabLabel->get_x(), 46) << "its centre 42 is below the minimum";
    EXPECT_EQ(panel->tabLabel->get_y(), 54);
    EXPECT_EQ(panel->itemScroller->get_x(), 20);
    EXPECT_EQ(panel->itemScroller->get_y(), 68);
    EXPECT_EQ(panel->itemScroller->areaWidth, 920);

    // A wider game area keeps the panel at 960.
    game::Game::gameWidth = 1400;
    EXPECT_EQ(make<ItemInventory>(calls.select(), calls.use(), calls.deselect())->winWidth, 960);
}

TEST_F(ItemInventoryTest, EachTabListsItsKindAndArtifactsListEveryArtifact) {
    hold(item(ItemData::TYPE_MAGIC, 1, "Heal"));
    hold(item(ItemData::TYPE_WEAPON, 7, "Old Sword", 0, true));
    hold(item(ItemData::TYPE_WEAPON, 3, "Club", 0));
    hold(item(ItemData::TYPE_CONSUMABLE, 5, "Potion"), 3);
    hold(item(ItemData::TYPE_ACCESSORY, 2, "Ring", 7, true));
    panel->updateItems();
    EXPECT_FALSE(GameData::itemsNeedSorted) << "sorted first";
    EXPECT_EQ(shown(*panel), (std::vector<std::string>{"Potion", "Club", "Old Sword", "Ring", "Heal"}));
    EXPECT_EQ(ui->hotkeyAmountUpdates, 1) << "the bar follows every refresh";

    struct Case {
        int type;
        std::vector<std::string> names;
    } cases[] = {
        {ItemData::TYPE_WEAPON, {"Club", "Old Sword"}},
        {ItemTab::ARTIFACTS, {"Old Sword", "Ring"}},
        {ItemData::TYPE_CONSUMABLE, {"Potion"}},
        {ItemData::TYPE_MAGIC, {"Heal"}},
        {ItemData::TYPE_SHIELD, {}},
    };
    for (const Case& c : cases) {
        panel->swapTabs(tab(c.type));
        EXPECT_EQ(shown(*panel), c.names) << c.type;
        EXPECT_EQ(panel->itemScroller->nothingText->get_visible(), c.names.empty()) << c.type;
    }
    EXPECT_EQ(panel->itemScroller->nothingText->get_text().toText(), "Nothing Here!");
    // The panel borrows the inventory's icons: the same objects every time, never destroyed.
    panel->swapTabs(panel->allTab);
    auto first = panel->itemScroller->currentItems[0];
    panel->updateItems();
    EXPECT_EQ(panel->itemScroller->currentItems[0].get(), first.get());
    EXPECT_FALSE(first->destroyed);
    EXPECT_EQ(game::HeldItemIcon::widgetOf(GameData::itemIcons[0]).get(), first.get());
}

TEST_F(ItemInventoryTest, IconsAreGreyedByTheOpenWindowAndTheBattle) {
    auto potion = hold(item(ItemData::TYPE_CONSUMABLE, 5, "Potion"));
    auto ore = hold(item(ItemData::TYPE_CRAFTING, 2, "Ore"));
    auto sword = hold(item(ItemData::TYPE_WEAPON, 3, "Sword", 0));
    auto heal = hold(item(ItemData::TYPE_MAGIC, 1, "Heal"));
    heal->data->usableInBattle = true;
    heal->data->spell = true;
    potion->data->usableInBattle = true;
    // Greyed: disabled (alpha 0.3), which the scroller's fade shows as half its place's alpha.
    auto alphaOf = [&](const Ref<Item>& it) {
        for (const auto& entry : panel->itemScroller->currentItems) {
            auto icon = entry.cast<game::ItemIcon>();
            if (icon->item.get() != it.get()) continue;
            EXPECT_EQ(icon->get_alpha(), icon->disabled ? 0.5 : 1.0);
            return icon->disabled ? 0.3 : 1.0;
        }
        return -1.0;
    };
    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::vector<double> alphas;  // potion, ore, sword, heal
    } cases[] = {
        {"dungeon, nothing open", [] {}, {1, 1, 1, 1}},
        {"battle", [&] { map->battle = true; }, {1, 0.3, 0.3, 1}},
        {"town", [] { GameData::inCave = false; }, {0.3, 1, 1, 1}},
        {"equipment tab", [&] { ui->equipment = true; }, {1, 0.3, 1, 1}},
        {"hotkey editor", [&] { ui->hotkeys = true; }, {1, 0.3, 1, 1}},
    };
    for (const Case& c : cases) {
        map->battle = false;
        ui->equipment = ui->hotkeys = false;
        GameData::inCave = true;
        c.setUp();
        panel->updateItems();
        EXPECT_EQ((std::vector<double>{alphaOf(potion), alphaOf(ore), alphaOf(sword), alphaOf(heal)}), c.alphas)
            << c.what;
    }
    // In battle a greyed icon cannot be selected; a usable one can.
    map->battle = true;
    panel->updateItems();
    auto iconOf = [&](const Ref<Item>& it) {
        for (const auto& entry : panel->itemScroller->currentItems)
            if (auto icon = entry.cast<game::ItemIcon>(); icon->item.get() == it.get()) return icon;
        return Ref<game::ItemIcon>();
    };
    panel->itemScroller->selectItem(iconOf(sword));
    EXPECT_FALSE(panel->isAnItemSelected());
    panel->itemScroller->selectItem(iconOf(potion));
    EXPECT_EQ(panel->getSelectedItem().get(), potion.get());
    // Outside battle a greyed icon stays selectable.
    map->battle = false;
    ui->equipment = true;
    panel->updateItems();
    panel->itemScroller->selectItem(iconOf(ore));
    EXPECT_EQ(panel->getSelectedItem().get(), ore.get());
}

TEST_F(ItemInventoryTest, ATabClickClearsTheSelectionOnceMoreThanSwapping) {
    hold(item(ItemData::TYPE_WEAPON, 3, "Sword", 0));
    panel->updateItems();
    auto weapons = tab(ItemData::TYPE_WEAPON);
    weapons->dispatchEvent(make<framework::MouseEvent>("mouseDown"));
    EXPECT_EQ(calls.deselected, 2) << "from swapTabs and from the click";
    EXPECT_EQ(panel->currentTab.get(), weapons.get());
    EXPECT_TRUE(weapons->selectedIcon->get_visible());
    EXPECT_FALSE(panel->allTab->selectedIcon->get_visible());
    EXPECT_EQ(panel->tabLabel->get_text().toText(), "WEAPONS");
    EXPECT_EQ(panel->tabLabel->get_x(), weapons->get_x() + 36.5);
    calls.deselected = 0;
    weapons->dispatchEvent(make<framework::MouseEvent>("mouseDown"));
    EXPECT_EQ(calls.deselected, 1) << "the tab already shown";
    EXPECT_EQ(calls.selected.size(), 0u);
}

TEST_F(ItemInventoryTest, PointingAtAnItemShowsItsKindUnlessEverythingShows) {
    auto potion = hold(item(ItemData::TYPE_CONSUMABLE, 5, "Potion"));
    auto ring = hold(item(ItemData::TYPE_ACCESSORY, 2, "Ring", 7, true));
    auto ore = hold(item(ItemData::TYPE_CRAFTING, 2, "Ore"));
    panel->updateItems();

    panel->selectSpecificItem(ring);
    EXPECT_EQ(panel->currentTab.get(), panel->allTab.get()) << "EVERYTHING keeps its tab";
    EXPECT_EQ(panel->getSelectedItem().get(), ring.get());
    ASSERT_EQ(calls.selected.size(), 1u);
    EXPECT_EQ(calls.selected[0].get(), ring.get());

    struct Case {
        Ref<Item> item;
        Ref<ItemTab> expected;
    } cases[] = {{ring, panel->equipTabs[7]}, {potion, panel->consumableTab}, {ore, panel->craftingTab}};
    for (const Case& c : cases) {
        panel->swapTabs(tab(ItemTab::ARTIFACTS));
        panel->selectSpecificItem(c.item, false);
        EXPECT_EQ(panel->currentTab.get(), c.expected.get()) << c.item->data->name.toText();
        EXPECT_EQ(panel->getSelectedItem().get(), c.item.get());
    }
    // An item that is not held: the tab changes, nothing is selected.
    panel->swapTabs(tab(ItemTab::ARTIFACTS));
    panel->selectSpecificItem(item(ItemData::TYPE_MAGIC, 9, "Unknown"));
    EXPECT_EQ(panel->currentTab.get(), panel->magicTab.get());
    EXPECT_FALSE(panel->isAnItemSelected());
    EXPECT_EQ(panel->getSelectedItem().get(), nullptr);
}

TEST_F(ItemInventoryTest, InstalledCallbacksReplaceTheScrollersOnly) {
    auto potion = hold(item(ItemData::TYPE_CONSUMABLE, 5, "Potion"));
    panel->updateItems();
    Calls other;
    panel->setScrollerFunctions(other.select(), other.use(), other.deselect());
    auto icon = panel->itemScroller->currentItems[0].cast<game::ItemIcon>();
    panel->itemScroller->selectItem(icon);
    EXPECT_EQ(other.selected.size(), 1u);
    EXPECT_EQ(calls.selected.size(), 0u);
    // The second tap on the selected icon is the use gesture.
    icon->dispatchEvent(make<framework::MouseEvent>("click"));
    ASSERT_EQ(other.used.size(), 1u);
    EXPECT_EQ(other.used[0].get(), potion.get());
    panel->deselectItem();
    EXPECT_EQ(other.deselected, 2);
}
