// The menu's tab bar: its column of buttons for the UI root's height, the highlight that follows
// the open tab, and the clicks that switch tabs and close the menu through the UI root.
#include "MenuFixture.h"
#include "game/ui/UIButtonPanel.h"

using game::UI;
using game::UIButtonPanel;
using runtime::make;
using runtime::Ref;

namespace {

class UIButtonPanelTest : public MenuFixture {};

struct Box {
    double x, y;
    int w, h;
};

Box boxOf(const Ref<game::BasicButton>& b) { return {b->get_x(), b->get_y(), b->buttonWidth, b->buttonHeight}; }

}  // namespace

TEST_F(UIButtonPanelTest, TheColumnFillsTheRootsHeightFromCloseToSettings) {
    // The root's bar at 960 x 540: 116 x 352 at (840, 4).
    Ref<UIButtonPanel> bar = ui->panel;
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->get_x(), 840);
    EXPECT_EQ(bar->get_y(), 4);
    struct Case {
        const char* name;
        Ref<game::BasicButton> button;
        Box box;
    };
    // tabH = 58; crafting and equipment 87 tall; close takes what is left above them.
    for (const Case& c : {Case{"close", bar->closeButton, {0, 0, 116, 62}},
                          Case{"equipment", bar->equipmentButton, {0, 62, 116, 87}},
                          Case{"crafting", bar->craftingButton, {0, 149, 116, 87}},
                          Case{"loot", bar->statsButton, {0, 236, 116, 58}},
                          Case{"bestiary", bar->bestiaryButton, {0, 294, 58, 58}},
                          Case{"settings", bar->settingsButton, {58, 294, 58, 58}}}) {
        SCOPED_TRACE(c.name);
        const Box b = boxOf(c.button);
        EXPECT_EQ(b.x, c.box.x);
        EXPECT_EQ(b.y, c.box.y);
        EXPECT_EQ(b.w, c.box.w);
        EXPECT_EQ(b.h, c.box.h);
        EXPECT_EQ(c.button->get_parent().get(), bar.get());
        ASSERT_TRUE(c.button->icon);
        EXPECT_EQ(c.button->icon->get_parent().get(), c.button.get());
        EXPECT_EQ(c.button->icon->get_alpha(), 0.5) << "icons start dimmed on desktop";
        EXPECT_FALSE(c.button->selected);
    }
    // The two cuts of the settings-and-bestiary picture, centred on their half-width buttons.
    EXPECT_EQ(bar->book->get_scrollRect()->x, 46);
    EXPECT_EQ(bar->book->get_scrollRect()->width, 45);
    EXPECT_EQ(bar->book->get_x(), 6);
    EXPECT_EQ(bar->book->get_y(), 5);
    EXPECT_EQ(bar->gear->get_scrollRect()->x, 0);
    EXPECT_EQ(bar->gear->get_scrollRect()->width, 46);
    EXPECT_EQ(bar->gear->get_x(), 6);
    EXPECT_EQ(bar->selectedTab, 0);
    EXPECT_EQ(bar->selectedButton.get(), nullptr);

    // A smaller area shrinks the column: 116 x (500 - 188) = 312, tabH 52, tall tabs 78.
    auto small = make<UIButtonPanel>(116, 312);
    EXPECT_EQ(small->bestiaryButton->get_y(), 260);
    EXPECT_EQ(small->statsButton->get_y(), 208);
    EXPECT_EQ(small->craftingButton->buttonHeight, 78);
    EXPECT_EQ(small->equipmentButton->get_y(), 52);
    EXPECT_EQ(small->closeButton->buttonHeight, 52);
}

TEST_F(UIButtonPanelTest, TheHighlightFollowsSelectTab) {
    auto bar = make<UIButtonPanel>(116, 352);
    bar->selectTab(UI::WIN_LOOT);
    EXPECT_TRUE(bar->statsButton->selected);
    EXPECT_EQ(bar->statsIcon->get_alpha(), 1);
    EXPECT_EQ(bar->selectedButton.get(), bar->statsButton.get());

    // Moving on deselects the previous tab only.
    bar->selectTab(UI::WIN_SETTINGS);
    EXPECT_FALSE(bar->statsButton->selected);
    EXPECT_EQ(bar->statsIcon->get_alpha(), 0.5);
    EXPECT_TRUE(bar->settingsButton->selected);

    // The same tab again stays selected.
    bar->selectTab(UI::WIN_SETTINGS);
    EXPECT_TRUE(bar->settingsButton->selected);
    EXPECT_EQ(bar->selectedTab, UI::WIN_SETTINGS);

    // No tab: nothing highlighted, but the last button is remembered.
    bar->selectTab(UI::WIN_LOOT);
    bar->selectTab(0);
    EXPECT_EQ(bar->selectedTab, 0);
    for (const auto& b : {bar->equipmentButton, bar->craftingButton, bar->statsButton, bar->bestiaryButton,
                          bar->settingsButton, bar->closeButton})
        EXPECT_FALSE(b->selected);
    EXPECT_EQ(bar->selectedButton.get(), bar->statsButton.get());

    // An id outside the five (the root's -1) neither highlights nor fails; the next real tab does.
    bar->selectTab(-1);
    bar->selectTab(UI::WIN_EQUIPMENT);
    EXPECT_TRUE(bar->equipmentButton->selected);
    EXPECT_EQ(bar->selectedButton.get(), bar->equipmentButton.get());
}

TEST_F(UIButtonPanelTest, TabClicksSwitchTheMenusPageAndCloseShutsIt) {
    ui->openMenu();
    auto bar = ui->panel;
    EXPECT_EQ(bar->selectedTab, UI::WIN_EQUIPMENT);
    EXPECT_TRUE(bar->equipmentButton->selected);

    struct Case {
        Ref<game::BasicButton> button;
        int id;
        bool UI::*flag;
    };
    // Loot, settings and bestiary windows are made elsewhere; the protocol still records the tab.
    for (const Case& c : {Case{bar->craftingButton, UI::WIN_CRAFTING, &UI::craftingOpen},
                          Case{bar->statsButton, UI::WIN_LOOT, nullptr},
                          Case{bar->bestiaryButton, UI::WIN_BESTIARY, &UI::bestiaryOpen},
                          Case{bar->bestiaryButton, UI::WIN_BESTIARY, &UI::bestiaryOpen},
                          Case{bar->equipmentButton, UI::WIN_EQUIPMENT, &UI::equipmentOpen}}) {
        SCOPED_TRACE(c.id);
        click(c.button);
        EXPECT_EQ(ui->selectedWindow, c.id);
        EXPECT_EQ(bar->selectedTab, c.id);
        EXPECT_TRUE(c.button->selected);
        int selected = 0;
        for (const auto& b : {bar->equipmentButton, bar->craftingButton, bar->statsButton, bar->bestiaryButton,
                              bar->settingsButton})
            selected += b->selected ? 1 : 0;
        EXPECT_EQ(selected, 1);
        if (c.flag) EXPECT_TRUE((*ui).*c.flag);
        EXPECT_EQ(ui->equipmentOpen, c.id == UI::WIN_EQUIPMENT) << "the previous tab was closed";
        // The bar and the inventory stay on top, the inventory topmost.
        const int n = ui->UIWinHolder->get_numChildren();
        EXPECT_EQ(ui->UIWinHolder->getChildAt(n - 1).get(), ui->inventory.get());
        EXPECT_EQ(ui->UIWinHolder->getChildAt(n - 2).get(), bar.get());
        EXPECT_TRUE(ui->menuOpen);
    }

    click(bar->closeButton);
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(ui->equipmentOpen);
    EXPECT_EQ(ui->selectedWindow, -1);
    EXPECT_EQ(bar->get_parent(), nullptr);
    EXPECT_FALSE(game::G::pauseGame);
}
