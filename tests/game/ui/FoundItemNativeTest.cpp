// The found-item window: stat values and dimmed symbols, crafting property rows, replacing the
// item, and a click that opens the menu on the item and fades the window out of the tree.
#include <chrono>

#include "HudFixture.h"
#include "framework/events/MouseEvent.h"
#include "game/map/MapState.h"
#include "game/ui/FoundItemWindow.h"
#include "game/ui/ItemInventory.h"

using game::CraftingProperty;
using game::FoundItemWindow;
using game::GameData;
using game::Item;
using game::ItemData;
using runtime::Function;
using runtime::make;
using runtime::Ref;

class FoundItemTest : public HudFixture {
protected:
    Ref<game::MapState> state = make<game::MapState>();
    Ref<FoundItemWindow> win;
    void SetUp() override {
        HudFixture::SetUp();
        win = make<FoundItemWindow>(state.get());
    }
    static Ref<Item> weapon(int attack, int defense, int magic) {
        auto it = item(ItemData::TYPE_WEAPON, 3, "Short Sword", 0);
        it->data->attack = attack;
        it->data->defense = defense;
        it->data->magic = magic;
        return it;
    }
    std::vector<double> symbolAlphas() {
        return {win->attackIcon->get_alpha(), win->defenseIcon->get_alpha(), win->magicIcon->get_alpha()};
    }
    std::vector<std::string> texts() {
        return {win->attackText->get_text().toText(), win->defenseText->get_text().toText(),
                win->magicText->get_text().toText()};
    }
};

TEST_F(FoundItemTest, StatsShowTheirValuesAndZerosOnlyADimmedSymbol) {
    EXPECT_EQ(win->winWidth, 320);
    EXPECT_EQ(win->winHeight, 70);
    EXPECT_EQ(win->nameText->get_x(), 70);
    EXPECT_EQ((std::vector<double>{win->attackIcon->get_x(), win->defenseIcon->get_x(), win->magicIcon->get_x()}),
              (std::vector<double>{70, 150, 230}));
    EXPECT_EQ(win->magicText->get_x(), 255);
    EXPECT_EQ(win->magicIcon->get_scrollRect()->y, 40) << "the staff";

    struct Case {
        Ref<Item> item;
        std::vector<std::string> texts;
        std::vector<double> alphas;
    } cases[] = {
        {weapon(12, 0, 0), {"12", "", ""}, {1, 0.5, 0.5}},
        {weapon(0, 0, 0), {"", "", ""}, {0.5, 0.5, 0.5}},
        {weapon(3, 4, 5), {"3", "4", "5"}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        win->setItem(c.item);
        EXPECT_EQ(texts(), c.texts);
        EXPECT_EQ(symbolAlphas(), c.alphas);
        EXPECT_TRUE(win->attackIcon->get_visible());
        EXPECT_FALSE(win->craftProps[0]->get_visible());
        EXPECT_EQ(win->nameText->get_text().toText(), "Short Sword");
    }
    // Each item replaces the icon of the one before.
    int icons = 0;
    for (int i = 0; i < win->get_numChildren(); ++i) icons += win->getChildAt(i).cast<game::ItemIcon>() ? 1 : 0;
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(win->icon->get_x(), 10);
    EXPECT_EQ(win->get_alpha(), 0.5) << "fading in";
    ASSERT_TRUE(runTweensUntil([&] { return win->get_alpha() == 1; }));
}

TEST_F(FoundItemTest, CraftingMaterialsShowTheirPropertyRowsInsteadOfStats) {
    auto ore = item(ItemData::TYPE_CRAFTING, 4, "Ore");
    auto& d = *ore->data;
    d.craftProps = {"att", nullptr};
    d.craftPropLabels = {CraftingProperty::LABEL_ATTACK, ""};
    d.craftPropGemRects = {CraftingProperty::GEMRECT_ATTACK, nullptr};
    d.craftPropPowers = {3, 0};
    win->setItem(ore);
    EXPECT_FALSE(win->attackIcon->get_visible());
    EXPECT_FALSE(win->magicIcon->get_visible());
    EXPECT_TRUE(win->craftProps[0]->get_visible());
    EXPECT_FALSE(win->craftProps[1]->get_visible());
    EXPECT_EQ(win->craftProps[0]->labelText->get_text().toText(), "Attack");

    d.craftProps = {"att", "def"};
    d.craftPropLabels = {CraftingProperty::LABEL_ATTACK, CraftingProperty::LABEL_DEFENSE};
    d.craftPropGemRects = {CraftingProperty::GEMRECT_ATTACK, CraftingProperty::GEMRECT_DEFENSE};
    d.craftPropPowers = {3, 2};
    win->setItem(ore);
    EXPECT_TRUE(win->craftProps[1]->get_visible());
    EXPECT_EQ(win->craftProps[0]->get_x(), 100);
    EXPECT_EQ(win->craftProps[1]->get_x(), 220);
    EXPECT_EQ(win->craftProps[1]->get_y(), 34);

    // An ordinary item afterwards shows its stats again.
    win->setItem(weapon(1, 0, 0));
    EXPECT_TRUE(win->attackIcon->get_visible());
    EXPECT_FALSE(win->craftProps[0]->get_visible());
    EXPECT_FALSE(win->craftProps[1]->get_visible());
}

TEST_F(FoundItemTest, AClickOpensTheMenuOnTheItemAndTheWindowIsGoneASecondLater) {
    auto none = Function::of([](runtime::Value) {});
    std::vector<Ref<Item>> selected;
    auto panel = make<game::ItemInventory>(
        Function::of([&](runtime::Value v) { selected.push_back(Ref<Item>(v.as<Item>())); }), none,
        Function::of([] {}));
    root->inventoryPanel = panel;
    auto held = hold(weapon(12, 0, 0));
    panel->updateItems();

    auto layer = make<framework::Sprite>();
    layer->addChild(make<framework::Sprite>());
    layer->addChild(win);
    win->setItem(held);
    state->foundItemWinShowing = true;

    const auto start = std::chrono::steady_clock::now();
    win->dispatchEvent(make<framework::MouseEvent>("click"));
    EXPECT_EQ(layer->getChildIndex(win), 0) << "moved below its siblings";
    EXPECT_EQ(root->calls, (std::vector<std::string>{"openMenu"}));
    EXPECT_EQ(panel->getSelectedItem().get(), held.get());
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_FALSE(state->foundItemWinShowing) << "cleared as the fade starts";
    EXPECT_EQ(win->get_parent().get(), layer.get());

    ASSERT_TRUE(runTweensUntil([&] { return !win->get_parent(); }));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.95);
    EXPECT_EQ(win->get_alpha(), 0);
}
