// The equipment tab: its windows and the hero's slots for the root's tab area, the slot an
// inventory choice marks, wearing through the inventory's use and through the slots, potions and
// spells used from the tab, the battle locks, the level and new-game-plus texts, and the tab's
// place in the menu protocol.
#include <cmath>
#include <string>

#include "MenuFixture.h"
#include "game/ui/UIEquipment.h"

using game::EquipmentSlot;
using game::GameData;
using game::Item;
using game::ItemData;
using game::UI;
using game::UIEquipment;
using runtime::make;
using runtime::Ref;

namespace {

class UIEquipmentTest : public MenuFixture {
protected:
    static Ref<Item> sword(int n = 4) { return item(ItemData::TYPE_WEAPON, n, "Sword", EquipmentSlot::SLOT_WEAPON); }
    static Ref<Item> ring(int n) { return item(ItemData::TYPE_ACCESSORY, n, "Ring", EquipmentSlot::SLOT_ACCESSORY1); }
    static Ref<Item> potion() { return item(ItemData::TYPE_CONSUMABLE, 3, "Potion"); }

    // The slot whose main holder holds the marker frame; null when it is nowhere in a slot.
    Ref<EquipmentSlot> markedSlot() {
        for (const auto& slot : tab()->slots)
            if (tab()->selectBox->get_parent().get() == slot->mainHolder.get()) return slot;
        return nullptr;
    }
};

}  // namespace

TEST_F(UIEquipmentTest, TheTabIsLaidOutForTheRootsTabArea) {
    auto t = tab();
    ASSERT_TRUE(t);
    // 840 x 360: stats 462 x 162, details below it reaching under the inventory, the hero's
    // window right of both and 120 beyond the tab bar's edge.
    EXPECT_EQ(t->statsWindow->winWidth, 462);
    EXPECT_EQ(t->statsWindow->winHeight, 162);
    EXPECT_EQ(t->itemDetailsWindow->winWidth, 462);
    EXPECT_EQ(t->itemDetailsWindow->winHeight, 378);
    EXPECT_EQ(t->itemDetailsWindow->get_y(), 162);
    EXPECT_EQ(t->guyWindow->winWidth, 498);
    EXPECT_EQ(t->guyWindow->winHeight, 540);
    EXPECT_EQ(t->guyWindow->get_x(), 462);
    EXPECT_EQ(t->itemDetails->get_parent().get(), t->itemDetailsWindow.get());
    EXPECT_EQ(t->itemDetails->item.get(), nullptr);

    // Contents laid out in 378 x 360; the 100 x 240 figure at px = 189 - 50 - 32, py = 120 * 0.85.
    const int px = 107, py = 102;
    EXPECT_EQ(t->guyPicture->get_x(), px);
    EXPECT_EQ(t->guyPicture->get_y(), py);
    EXPECT_EQ(t->skillsButton->get_x(), px + 95);
    EXPECT_EQ(t->skillsButton->get_y(), py);
    EXPECT_EQ(t->skillsIconGoldGlow->get_alpha(), 0);
    EXPECT_EQ(t->skillsIconGoldGlow->get_scrollRect()->x, 39);
    EXPECT_EQ(t->skillsIconGoldGlow->get_x(), 15);
    EXPECT_EQ(t->skillsIconGoldGlow->get_y(), 11);
    EXPECT_EQ(t->moreStatsButton->get_x(), 378 - 100 - 5);
    EXPECT_EQ(t->moreStatsButton->get_y(), 68);
    EXPECT_EQ(t->ngPlusText->get_x(), 210);
    EXPECT_EQ(t->ngPlusText->get_y(), 6);

    struct Place {
        int id, dx, dy;
    };
    // In the order they are drawn.
    const Place places[] = {{0, -35, 110}, {2, 25, -15}, {3, 25, 55},   {4, 25, 130},  {5, 25, 190},
                            {6, 90, 70},   {1, 90, 130}, {7, 155, 70}, {8, 155, 130}, {9, 155, 190}};
    int lastIndex = -1;
    for (const Place& p : places) {
        SCOPED_TRACE(p.id);
        const auto& slot = t->slots[static_cast<std::size_t>(p.id)];
        EXPECT_EQ(slot->slot, p.id) << "slots is indexed by slot id";
        EXPECT_EQ(slot->get_x(), px + p.dx);
        EXPECT_EQ(slot->get_y(), py + p.dy);
        const int index = t->guyWindow->getChildIndex(slot);
        EXPECT_GT(index, lastIndex);
        lastIndex = index;
    }
    EXPECT_EQ(t->weaponSlot.get(), t->slots[0].get());
    EXPECT_EQ(t->shieldSlot.get(), t->slots[1].get());
    EXPECT_EQ(t->accessorySlot3.get(), t->slots[9].get());
    EXPECT_EQ(t->selectBox->get_x(), -3);
    EXPECT_EQ(t->selectBox->get_parent(), nullptr);
}

TEST_F(UIEquipmentTest, TheLevelTextKeepsItsRightEdgeAsDigitsGrow) {
    for (int level : {1, 9, 10, 100, 4321}) {
        SCOPED_TRACE(level);
        GameData::level = level;
        tab()->updateDisplayedData();
        EXPECT_EQ(tab()->levelText->text.str(), "Level " + std::to_string(level));
        EXPECT_EQ(tab()->levelText->get_x() + tab()->levelText->textWidth, 498 - 126);
    }
}

TEST_F(UIEquipmentTest, TheNewGamePlusMarkerFollowsTheCount) {
    struct Case {
        int n;
        bool shown;
        const char* text;
    };
    for (const Case& c : {Case{3, true, "New Game+ 3"}, Case{1, true, "New Game+"}, Case{0, false, nullptr},
                          Case{12, true, "New Game+ 12"}}) {
        SCOPED_TRACE(c.n);
        GameData::newGamePlusNum = c.n;
        tab()->updateNGPlusText();
        EXPECT_EQ(tab()->ngPlusText->get_visible(), c.shown);
        if (c.text) EXPECT_EQ(tab()->ngPlusText->text.str(), c.text);
    }
}

TEST_F(UIEquipmentTest, AChoiceInTheInventoryMarksTheSlotItWouldGoTo) {
    struct Case {
        const char* name;
        std::vector<int> wornAccessories;  // slot ids already holding a ring
        Ref<Item> chosen;
        int marked;  // -1: no slot
    };
    auto boots = item(ItemData::TYPE_BOOTS, 2, "Boots", EquipmentSlot::SLOT_BOOTS);
    const Case cases[] = {
        {"a weapon", {}, sword(), EquipmentSlot::SLOT_WEAPON},
        {"boots", {}, boots, EquipmentSlot::SLOT_BOOTS},
        {"a ring, all three free: the first, not the second", {}, ring(10), EquipmentSlot::SLOT_ACCESSORY1},
        {"a ring, the first worn", {7}, ring(11), EquipmentSlot::SLOT_ACCESSORY2},
        {"a ring, the middle free", {7, 9}, ring(12), EquipmentSlot::SLOT_ACCESSORY2},
        {"a ring, all three worn: the third", {7, 8, 9}, ring(13), EquipmentSlot::SLOT_ACCESSORY3},
        {"a potion", {}, potion(), -1},
    };
    int n = 20;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameData::equippedItems.assign(10, nullptr);
        for (int slot : c.wornAccessories) wear(slot, ring(n++));
        tab()->updateDisplayedData();
        // Start from a marked weapon slot so a wrong "no slot" result shows.
        tab()->selectSlot(tab()->weaponSlot);
        tab()->selectItem(c.chosen);
        EXPECT_EQ(tab()->itemDetails->item.get(), c.chosen.get());
        if (c.marked < 0) {
            EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
            EXPECT_EQ(tab()->selectBox->get_parent(), nullptr);
        } else {
            ASSERT_TRUE(tab()->selectedSlot);
            EXPECT_EQ(tab()->selectedSlot->slot, c.marked);
            EXPECT_EQ(markedSlot().get(), tab()->selectedSlot.get());
        }
    }
    // Nothing marked: deselecting the slot does nothing and does not fail.
    tab()->deselectSlot();
    tab()->deselectSlot();
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
}

TEST_F(UIEquipmentTest, TheStatsPanelPreviewsTheExchangeInTheMarkedSlot) {
    ui->openMenu();
    // Three rings worn, the third the strongest: a new ring is weighed against the third.
    int n = 1;
    for (int defense : {1, 1, 4}) {
        auto r = ring(n++);
        r->effectiveData->defense = defense;
        wear(EquipmentSlot::SLOT_ACCESSORY1 + n - 2, r);
    }
    tab()->updateDisplayedData();
    const int stored = GameData::defense;
    auto& defense = *tab()->statsDetails->defenseText;

    auto held = hold(ring(9));
    held->effectiveData->defense = 6;
    choose(held);
    EXPECT_EQ(tab()->selectedSlot.get(), tab()->accessorySlot3.get());
    EXPECT_EQ(defense.text.str(), std::to_string(stored + 6 - 4));
    EXPECT_EQ(defense.font.get(), game::TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN.get());

    // A potion shows the plain figures.
    auto drink = hold(potion());
    choose(drink);
    EXPECT_EQ(defense.text.str(), std::to_string(stored));
    EXPECT_EQ(defense.font.get(), game::TextSprite::MEDIEVAL_SANS_20_OUTLINE.get());

    // A worn ring clicked: the figures without it, in red.
    inventory()->deselectItem();
    click(tab()->accessorySlot3);
    EXPECT_EQ(defense.text.str(), std::to_string(stored - 4));
    EXPECT_EQ(defense.font.get(), game::TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED.get());
}

TEST_F(UIEquipmentTest, UsingAChosenItemWearsItAndReturnsTheOneItReplaces) {
    ui->openMenu();
    auto old = sword(1);
    wear(EquipmentSlot::SLOT_WEAPON, old);
    tab()->updateDisplayedData();
    auto held = hold(sword(2), 2);
    choose(held);  // the inventory's select callback is the tab's
    EXPECT_EQ(tab()->selectedSlot.get(), tab()->weaponSlot.get());
    EXPECT_EQ(tab()->itemDetails->item.get(), held.get());

    tab()->useItem(held);
    ASSERT_TRUE(GameData::equippedItems[0]);
    EXPECT_EQ(GameData::equippedItems[0]->data.get(), held->data.get());
    EXPECT_EQ(tab()->weaponSlot->item()->data.get(), held->data.get());
    EXPECT_EQ(GameData::findHeldItem(held)->amount, 1) << "one of the two went on";
    ASSERT_TRUE(GameData::findHeldItem(old)) << "the replaced sword is back in the inventory";
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
    EXPECT_EQ(tab()->selectBox->get_parent(), nullptr);
    EXPECT_FALSE(inventory()->isAnItemSelected());
}

TEST_F(UIEquipmentTest, AnotherAccessorySlotIsPickedByClickingItTwice) {
    ui->openMenu();
    auto worn = ring(1);
    wear(EquipmentSlot::SLOT_ACCESSORY1, worn);
    wear(EquipmentSlot::SLOT_ACCESSORY2, ring(2));
    tab()->updateDisplayedData();
    auto held = hold(ring(3));
    choose(held);
    EXPECT_EQ(tab()->selectedSlot.get(), tab()->accessorySlot3.get()) << "the first free one";

    // The first click moves the mark onto the worn ring's slot, the second wears the choice there.
    click(tab()->accessorySlot1);
    EXPECT_EQ(tab()->selectedSlot.get(), tab()->accessorySlot1.get());
    EXPECT_EQ(markedSlot().get(), tab()->accessorySlot1.get());
    click(tab()->accessorySlot1);
    ASSERT_TRUE(GameData::equippedItems[7]);
    EXPECT_EQ(GameData::equippedItems[7]->data.get(), held->data.get());
    EXPECT_EQ(GameData::equippedItems[9].get(), nullptr);
    EXPECT_TRUE(GameData::findHeldItem(worn)) << "the ring taken off went back";
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
}

TEST_F(UIEquipmentTest, ClickingAWornItemShowsItThenTakesItOff) {
    ui->openMenu();
    auto worn = sword();
    wear(EquipmentSlot::SLOT_WEAPON, worn);
    tab()->updateDisplayedData();
    auto slot = tab()->weaponSlot;

    click(slot);
    EXPECT_EQ(tab()->selectedSlot.get(), slot.get());
    EXPECT_EQ(markedSlot().get(), slot.get());
    ASSERT_TRUE(tab()->itemDetails->item);
    EXPECT_EQ(tab()->itemDetails->item->data.get(), worn->data.get());
    EXPECT_FALSE(tab()->itemDetails->compareButton->get_visible()) << "no Compare for what is worn";

    click(slot);
    EXPECT_EQ(GameData::equippedItems[0].get(), nullptr);
    EXPECT_TRUE(GameData::findHeldItem(worn));
    EXPECT_EQ(slot->item().get(), nullptr);
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
    EXPECT_EQ(tab()->itemDetails->item.get(), nullptr);

    // An empty slot ignores the click.
    click(slot);
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
}

TEST_F(UIEquipmentTest, PotionsAndSpellsUsedFromTheTabGoToTheModel) {
    GameData::maxHP = 100;
    GameData::hp = 40;
    GameData::maxMP = 50;
    GameData::mp = 30;
    ui->openMenu();

    GameData::potionEfficiency = 1;
    auto drink = potion();
    auto held = hold(drink, 2);
    held->effectiveData->hpRestore = 20;  // as its HP enchantment gives it
    choose(held);
    EXPECT_EQ(tab()->selectedSlot.get(), nullptr);
    tab()->useItem(held);
    EXPECT_EQ(GameData::hp, 60);
    ASSERT_TRUE(GameData::findHeldItem(drink));
    EXPECT_EQ(GameData::findHeldItem(drink)->amount, 1);
    EXPECT_EQ(tab()->itemDetails->item.get(), held.get()) << "still shown while some are left";
    tab()->useItem(held);
    EXPECT_EQ(GameData::findHeldItem(drink).get(), nullptr);
    EXPECT_EQ(tab()->itemDetails->item.get(), nullptr) << "cleared with the last one";

    // A healing spell costs its MP and is not used up.
    auto heal = item(ItemData::TYPE_MAGIC, 1, "Heal");
    heal->data->spell = true;
    heal->data->mpUse = 10;
    auto spell = hold(heal);
    spell->effectiveData->hpRestore = 5;
    tab()->useItem(spell);
    EXPECT_EQ(GameData::mp, 20);
    EXPECT_GT(GameData::hp, 60);
    EXPECT_TRUE(GameData::findHeldItem(heal));
}

TEST_F(UIEquipmentTest, InABattleOnlySlotsWithBattleItemsStayUsable) {
    auto blade = sword();
    auto charm = ring(1);
    charm->data->usableInBattle = true;
    wear(EquipmentSlot::SLOT_WEAPON, blade);
    wear(EquipmentSlot::SLOT_ACCESSORY1, charm);
    wear(EquipmentSlot::SLOT_HELMET, item(ItemData::TYPE_HELMET, 1, "Cap", EquipmentSlot::SLOT_HELMET));
    auto t = tab();
    t->updateDisplayedData();

    t->disableIconsForBattle();
    EXPECT_TRUE(t->weaponSlot->disabled);
    EXPECT_TRUE(t->helmetSlot->disabled);
    EXPECT_FALSE(t->accessorySlot1->disabled);
    EXPECT_FALSE(t->bootsSlot->disabled) << "empty slots are left alone";

    // A disabled slot emptied before the battle ends stays disabled.
    GameData::equipItem(nullptr, EquipmentSlot::SLOT_HELMET, false);
    t->updateDisplayedData();
    t->enableIconsAfterBattle();
    EXPECT_FALSE(t->weaponSlot->disabled);
    EXPECT_TRUE(t->helmetSlot->disabled);
}

TEST_F(UIEquipmentTest, TheMenuOpensOnTheTabWithTheHudInsideTheHeroWindow) {
    auto t = tab();
    ui->openMenu();
    EXPECT_TRUE(ui->equipmentOpen);
    EXPECT_EQ(ui->selectedWindow, UI::WIN_EQUIPMENT);
    EXPECT_TRUE(ui->panel->equipmentButton->selected);
    // Background, tab, bar, inventory, in this order.
    ASSERT_EQ(ui->UIWinHolder->get_numChildren(), 4);
    EXPECT_EQ(ui->UIWinHolder->getChildAt(1).get(), t.get());
    EXPECT_EQ(ui->UIWinHolder->getChildAt(2).get(), ui->panel.get());
    EXPECT_EQ(ui->UIWinHolder->getChildAt(3).get(), ui->inventory.get());
    EXPECT_EQ(t->guyWindow->getChildIndex(ui->hpmpHud), 1);
    EXPECT_EQ(ui->floorText->get_parent().get(), t->guyWindow.get());
    EXPECT_EQ(ui->goldSprite->get_parent().get(), t->guyWindow.get());

    // The skills icon pulses while skill points are left, on this tab only.
    GameData::skillPoints = 2;
    game::G::frameCount = 20;
    ui->update();
    EXPECT_NEAR(t->skillsIconGoldGlow->get_alpha(), (std::sin(20 / 15.0) + 1) * 0.4, 1e-9);
    GameData::skillPoints = 0;
    ui->update();
    EXPECT_EQ(t->skillsIconGoldGlow->get_alpha(), 0);

    // A marked slot and a chosen item are cleared when the tab closes for another one.
    auto held = hold(sword());
    choose(held);
    ASSERT_TRUE(t->selectedSlot);
    ui->openWindow(UI::WIN_CRAFTING);
    EXPECT_FALSE(ui->equipmentOpen);
    EXPECT_EQ(t->get_parent(), nullptr);
    EXPECT_EQ(ui->hpmpHud->get_parent(), nullptr);
    EXPECT_NE(ui->floorText->get_parent().get(), t->guyWindow.get());
    EXPECT_EQ(t->selectedSlot.get(), nullptr);
    EXPECT_EQ(t->selectBox->get_parent(), nullptr);
    EXPECT_EQ(t->itemDetails->item.get(), nullptr);
    EXPECT_TRUE(ui->panel->craftingButton->selected);
    EXPECT_FALSE(ui->panel->equipmentButton->selected);
    ui->closeMenu();
    EXPECT_EQ(ui->hpmpHud->get_parent().get(), ui->caveLayer.get());
}

TEST_F(UIEquipmentTest, TheButtonsOpenMoreStatsAndTheBattleLocksComeWithTheMenu) {
    ui->openMenu();
    click(tab()->moreStatsButton);
    EXPECT_TRUE(ui->moreStatsOpen);
    ui->closeMoreStatsWin();
    ui->closeMenu();

    // Opened during a battle, the menu locks slots whose items are not for battles.
    wear(EquipmentSlot::SLOT_WEAPON, sword());
    tab()->updateDisplayedData();
    game::G::mapState->inBattle = true;
    ui->openMenu();
    EXPECT_TRUE(tab()->weaponSlot->disabled);
    ui->closeMenu();
    game::G::mapState->inBattle = false;
}
