// The hotkey bar and its slots: layout, number keys, drinking, equipping and swapping back, the
// queued attack spell, battle and menu refusals, the editor's selection and assignment, binding
// saved entries, and the name shown over a slot.
#include <functional>

#include "HudFixture.h"
#include "framework/events/MouseEvent.h"
#include "game/shell/G.h"
#include "game/ui/HotkeyWindow.h"
#include "game/ui/ItemInventory.h"

using game::GameData;
using game::HotkeySlot;
using game::HotkeyWindow;
using game::Item;
using game::ItemData;
using runtime::Function;
using runtime::make;
using runtime::Ref;

class HotkeyBarTest : public HudFixture {
protected:
    Ref<HotkeyWindow> bar;
    Ref<game::ItemInventory> panel;
    void SetUp() override {
        HudFixture::SetUp();
        game::G::disableMenu = false;
        GameData::hp = 50;
        GameData::maxHP = 100;
        GameData::mp = 30;
        GameData::maxMP = 30;
        GameData::magic = 0;
        GameData::potionEfficiency = 1;
        auto none = Function::of([](runtime::Value) {});
        panel = make<game::ItemInventory>(none, none, Function::of([] {}));
        root->inventoryPanel = panel;
        bar = make<HotkeyWindow>(675, 60);
        root->hotkeyBar = bar;
        bar->initializeHotkeySlots();
    }
    void TearDown() override {
        game::G::disableMenu = false;
        HudFixture::TearDown();
    }
    static Ref<Item> potion(int n = 1, int restore = 20) {
        auto data = make<ItemData>(ItemData::TYPE_CONSUMABLE, -1, "Potion");
        data->id = 100 + n;
        data->hpRestore = restore;
        data->usableInBattle = true;
        return make<Item>(data, true);
    }
    static Ref<Item> spell(const char* name, bool attack, int mpUse) {
        auto it = item(ItemData::TYPE_MAGIC, attack ? 20 : 10, name);
        it->data->spell = true;
        it->data->attackMagic = attack;
        it->data->mpUse = mpUse;
        it->data->usableInBattle = true;
        it->effectiveData->mpUse = mpUse;
        return it;
    }
    Ref<Item> slotItem(int i) { return bar->slots[i]->item(); }
    // The press of a slot's number key.
    void press(int n) { bar->useSlotByNumber(n); }
};

TEST_F(HotkeyBarTest, TenSlotsSpreadOverTheStripWithTheirNumbers) {
    ASSERT_EQ(bar->slots.size(), 10u);
    std::vector<int> xs;
    for (const auto& slot : bar->slots) {
        xs.push_back(static_cast<int>(slot->get_x()));
        EXPECT_EQ(slot->get_y(), 6);
        EXPECT_EQ(slot->numLabel->get_alpha(), 0.5) << "dim on an empty slot";
    }
    EXPECT_EQ(xs, (std::vector<int>{10, 71, 133, 194, 256, 317, 379, 440, 502, 563}));
    EXPECT_EQ(bar->slots[0]->numLabel->get_text().toText(), "1");
    EXPECT_EQ(bar->slots[8]->numLabel->get_text().toText(), "9");
    EXPECT_EQ(bar->slots[9]->numLabel->get_text().toText(), "0");
    EXPECT_EQ(bar->get_x(), 92) << "int((960 - 100) x 0.5 - 675 x 0.5)";
    EXPECT_EQ(bar->editButton->winWidth, 60);
    EXPECT_EQ(bar->mainWindow->get_x(), 60);
    EXPECT_EQ(bar->mainWindow->winWidth, 615);
    EXPECT_EQ(bar->itemDetailsWindow->winWidth, 462);
    EXPECT_EQ(bar->itemDetailsWindow->winHeight, 378);
    EXPECT_EQ(bar->itemDetailsWindow->get_y(), -378);
    EXPECT_FALSE(bar->itemDetailsWindow->get_visible());
    EXPECT_EQ(bar->itemDetails->get_x(), 91);

    // A filled slot lights its number; indexes outside the bar do nothing.
    bar->slots[2]->setItem(hold(potion()));
    EXPECT_EQ(bar->slots[2]->numLabel->get_alpha(), 1);
    press(10);
    press(-1);
}

TEST_F(HotkeyBarTest, NumberKeysDrinkAndTheLastPotionEmptiesItsSlotOnTheSamePress) {
    auto stack = hold(potion(), 2);
    bar->slots[3]->setItem(stack);
    EXPECT_EQ(GameData::hotkeySlotItems.size(), 4u);
    EXPECT_EQ(GameData::hotkeySlotItems[3].get(), stack.get());
    press(3);
    EXPECT_EQ(GameData::hp, 70);
    EXPECT_EQ(stack->amount, 1);
    EXPECT_EQ(slotItem(3).get(), stack.get()) << "one left";
    press(3);
    EXPECT_EQ(GameData::hp, 90);
    EXPECT_EQ(slotItem(3).get(), nullptr) << "emptied by the same press";
    EXPECT_EQ(GameData::hotkeySlotItems[3].get(), nullptr);
    EXPECT_EQ(bar->slots[3]->numLabel->get_alpha(), 0.5);
    press(3);
    EXPECT_EQ(GameData::hp, 90) << "an empty slot does nothing";

    // A new consumable from a chest goes to the first empty slot, here slot 0.
    GameData::addItem(potion(2), 1, true);
    EXPECT_EQ(slotItem(0).get(), nullptr) << "the stand-in UI puts nothing";
    bar->putItemInFirstOpenSlot(GameData::items.back());
    EXPECT_EQ(slotItem(0).get(), GameData::items.back().get());
}

TEST_F(HotkeyBarTest, AWeaponKeyEquipsAndASecondPressSwapsBack) {
    auto club = hold(item(ItemData::TYPE_WEAPON, 1, "Club", 0));
    auto sword = hold(item(ItemData::TYPE_WEAPON, 2, "Sword", 0));
    GameData::equipItem(club, 0, false);
    ASSERT_EQ(GameData::equippedItems[0].get(), club.get());
    bar->slots[1]->setItem(sword);

    press(1);
    EXPECT_EQ(GameData::equippedItems[0].get(), sword.get());
    ASSERT_TRUE(slotItem(1));
    EXPECT_EQ(slotItem(1)->data.get(), club->data.get()) << "the slot holds what was worn";
    ASSERT_EQ(root->onHero.size(), 1u);
    auto label = root->onHero[0].cast<game::TextSprite>();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->get_text().toText(), "Sword equipped");
    EXPECT_EQ(label->get_x(), 16);
    EXPECT_EQ(label->get_y(), -40);
    EXPECT_TRUE(label->tweening);
    EXPECT_NE(std::find(map->menuEffects.begin(), map->menuEffects.end(), Ref<runtime::Object>(label)),
              map->menuEffects.end());
    EXPECT_EQ(ui->equipmentUpdates, 1);

    press(1);
    EXPECT_EQ(GameData::equippedItems[0]->data.get(), club->data.get());
    EXPECT_EQ(slotItem(1)->data.get(), sword->data.get());
    EXPECT_EQ(root->onHero.back().cast<game::TextSprite>()->get_text().toText(), "Club equipped");

    // Nothing worn and nothing left after equipping: the slot empties.
    auto helmet = hold(item(ItemData::TYPE_HELMET, 1, "Cap", 2));
    bar->slots[2]->setItem(helmet);
    press(2);
    EXPECT_EQ(GameData::equippedItems[2].get(), helmet.get());
    EXPECT_EQ(slotItem(2).get(), nullptr);
}

TEST_F(HotkeyBarTest, AnAttackSpellOutsideBattleIsQueuedUntilTheBattleStarts) {
    auto fire = hold(spell("Fire", true, 10));
    auto ice = hold(spell("Ice", true, 10));
    bar->slots[0]->setItem(fire);
    bar->slots[1]->setItem(ice);

    press(0);
    EXPECT_EQ(bar->queuedMagicSlot.get(), bar->slots[0].get());
    EXPECT_EQ(bar->magicQueueSprite->get_parent().get(), bar->slots[0].get());
    EXPECT_EQ(GameData::mp, 30) << "queueing spends no MP";
    press(0);
    EXPECT_EQ(bar->queuedMagicSlot.get(), nullptr) << "a second press cancels";
    EXPECT_EQ(bar->magicQueueSprite->get_parent().get(), nullptr);
    press(0);
    press(1);
    EXPECT_EQ(bar->queuedMagicSlot.get(), bar->slots[1].get()) << "another spell takes the marker";
    EXPECT_EQ(bar->magicQueueSprite->get_parent().get(), bar->slots[1].get());

    // The battle begins: the queued spell is cast and the queue is gone.
    map->battle = true;
    bar->useQueuedMagic();
    ASSERT_EQ(map->attackSpells.size(), 1u);
    EXPECT_EQ(map->attackSpells[0].get(), ice.get());
    EXPECT_EQ(GameData::mp, 20);
    EXPECT_EQ(bar->queuedMagicSlot.get(), nullptr);
    // In battle the key casts at once.
    press(0);
    EXPECT_EQ(map->attackSpells.size(), 2u);
    EXPECT_EQ(GameData::mp, 10);

    // Queued without enough MP at the battle's start: refused, and the queue is gone.
    map->battle = false;
    GameData::mp = 5;
    press(0);
    map->battle = true;
    bar->useQueuedMagic();
    EXPECT_EQ(map->attackSpells.size(), 2u);
    EXPECT_EQ(map->refusals, (std::vector<runtime::String>{"Not enough MP!"}));
    EXPECT_EQ(bar->queuedMagicSlot.get(), nullptr);

    // Re-binding the slots clears a queue.
    map->battle = false;
    GameData::mp = 30;
    press(1);
    bar->initializeHotkeySlots();
    EXPECT_EQ(bar->queuedMagicSlot.get(), nullptr);
}

TEST_F(HotkeyBarTest, HealingSpellsAreCastAtOnceOnTheMap) {
    auto heal = item(ItemData::TYPE_MAGIC, 1, "Heal");
    heal->data->spell = true;
    heal->data->mpUse = 8;
    heal->data->hpRestore = 30;
    heal = hold(make<Item>(heal->data, true));
    bar->slots[4]->setItem(heal);
    press(4);
    EXPECT_EQ(GameData::hp, 80);
    EXPECT_EQ(GameData::mp, 22);
    EXPECT_EQ(slotItem(4).get(), heal.get()) << "a spell is not used up";
}

TEST_F(HotkeyBarTest, RefusedUsesChangeNothing) {
    auto stack = hold(potion(), 3);
    bar->slots[0]->setItem(stack);
    auto wings = hold(potion(0, 0));
    wings->data->id = 0;
    wings->data->name = "Escape Wings";
    bar->slots[1]->setItem(wings);

    // Battle: the slot of an item not usable in battle is half transparent and ignores keys.
    bar->slots[0]->disable();
    EXPECT_EQ(bar->slots[0]->get_alpha(), 0.5);
    press(0);
    bar->slots[0]->dispatchEvent(make<framework::MouseEvent>("click"));
    EXPECT_EQ(stack->amount, 3);
    bar->slots[0]->enable();
    EXPECT_EQ(bar->slots[0]->get_alpha(), 1);

    // With the menu disabled the wings (id 0) are refused, a potion is not.
    game::G::disableMenu = true;
    press(1);
    EXPECT_EQ(wings->amount, 1);
    press(0);
    EXPECT_EQ(stack->amount, 2);

    // Town: the model refuses consumables; the bar stays as it was.
    game::G::disableMenu = false;
    GameData::inCave = false;
    press(0);
    EXPECT_EQ(stack->amount, 2);
    EXPECT_EQ(slotItem(0).get(), stack.get());
}

TEST_F(HotkeyBarTest, TheEditorSelectsAssignsFlashesAndClears) {
    root->inventoryShown = true;
    auto a = hold(potion(1));
    auto b = hold(potion(2));
    auto ore = hold(item(ItemData::TYPE_CRAFTING, 1, "Ore"));
    bar->slots[0]->setItem(a);

    // Selecting an item shows its details and pre-selects the first empty slot.
    bar->selectItem(b);
    EXPECT_TRUE(bar->itemDetailsWindow->get_visible());
    EXPECT_EQ(bar->itemDetails->get_item().get(), b.get());
    EXPECT_EQ(bar->selectedSlot.get(), bar->slots[1].get());
    EXPECT_EQ(bar->selectBox->get_parent().get(), bar->slots[1].get());
    bar->useItem(b);
    EXPECT_EQ(slotItem(1).get(), b.get());
    EXPECT_EQ(bar->selectedSlot.get(), nullptr);

    // An item already on the bar: details, no slot; its use flashes the slot that has it.
    bar->selectItem(a);
    EXPECT_TRUE(bar->itemDetailsWindow->get_visible());
    EXPECT_EQ(bar->selectedSlot.get(), nullptr);
    const std::size_t effects = map->menuEffects.size();
    bar->useItem(a);
    ASSERT_EQ(map->menuEffects.size(), effects + 1);
    auto flash = map->menuEffects.back().cast<game::BitmapSprite>();
    EXPECT_EQ(flash->get_parent().get(), bar->slots[0].get());
    EXPECT_EQ(flash->get_x(), -3);
    EXPECT_EQ(flash->anim->width, 54);
    EXPECT_EQ(flash->loopsLeft, 2);
    EXPECT_EQ(slotItem(2).get(), nullptr) << "never in two slots";

    // Crafting ingredients are refused.
    bar->selectItem(ore);
    EXPECT_EQ(bar->selectedSlot.get(), bar->slots[2].get());
    bar->useItem(ore);
    EXPECT_EQ(slotItem(2).get(), nullptr);
    bar->deselectItem();
    EXPECT_FALSE(bar->itemDetailsWindow->get_visible());
    EXPECT_EQ(bar->selectBox->get_parent().get(), nullptr);

    // Clicks: the first selects a filled slot, a second with nothing chosen clears it, and an
    // empty slot is selected only while an inventory item is chosen.
    auto click = [&](int i) { bar->slots[i]->dispatchEvent(make<framework::MouseEvent>("click")); };
    click(5);
    EXPECT_EQ(bar->selectedSlot.get(), nullptr);
    click(1);
    EXPECT_EQ(bar->selectedSlot.get(), bar->slots[1].get());
    EXPECT_EQ(b->amount, 1) << "a click in the editor never uses";
    click(1);
    EXPECT_EQ(slotItem(1).get(), nullptr);
    EXPECT_EQ(bar->selectedSlot.get(), nullptr);
    // With an inventory item chosen: select the slot, then assign on the second click.
    panel->updateItems();
    panel->itemScroller->findAndSelectItem(b);
    click(6);
    EXPECT_EQ(bar->selectedSlot.get(), bar->slots[6].get());
    click(6);
    EXPECT_EQ(slotItem(6).get(), b.get());
    EXPECT_FALSE(panel->isAnItemSelected());

    // A full bar: a new item selects slot 0 and its use replaces slot 0's item.
    for (int i = 0; i < 10; ++i) bar->slots[i]->setItem(hold(potion(10 + i)));
    auto extra = hold(potion(30));
    bar->selectItem(extra);
    EXPECT_EQ(bar->selectedSlot.get(), bar->slots[0].get());
    bar->useItem(extra);
    EXPECT_EQ(slotItem(0).get(), extra.get());
}

TEST_F(HotkeyBarTest, SavedEntriesBindToEqualHeldItems) {
    auto sword = hold(item(ItemData::TYPE_WEAPON, 2, "Sword", 0));
    auto stack = hold(potion(4), 5);
    // Saved records are other objects equal to the held ones; one matches nothing.
    auto gone = potion(9);
    GameData::hotkeySlotItems = {nullptr, stack->clone(), nullptr, sword->clone(), gone};
    bar->initializeHotkeySlots();
    EXPECT_EQ(slotItem(1).get(), stack.get()) << "the inventory's own object";
    EXPECT_EQ(slotItem(3).get(), sword.get());
    EXPECT_EQ(slotItem(4).get(), nullptr);
    EXPECT_EQ(GameData::hotkeySlotItems[1].get(), stack.get());
    EXPECT_EQ(GameData::hotkeySlotItems[4].get(), gone.get()) << "an unmatched entry keeps its value";
    EXPECT_EQ(bar->slots[1]->itemIcon->amountText->get_text().toText(), "5");
}

TEST_F(HotkeyBarTest, TheNameRisesOverTheSlotWithASpellsCost) {
    auto stack = hold(potion());
    auto fire = hold(spell("Fire", true, 12));
    bar->slots[0]->setItem(stack);
    bar->slots[1]->setItem(fire);
    auto& plain = *bar->slots[0];
    auto& magic = *bar->slots[1];
    EXPECT_EQ(plain.mpUseSprite.get(), nullptr);
    ASSERT_TRUE(magic.mpUseSprite);

    plain.dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    magic.dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    EXPECT_EQ(plain.nameLabel->get_parent().get(), &plain);
    EXPECT_EQ(plain.nameLabel->get_text().toText(), "Potion");
    EXPECT_EQ(plain.nameLabel->get_x(), 24);
    ASSERT_TRUE(runTweensUntil([&] { return plain.nameLabel->get_alpha() == 1 && magic.nameLabel->get_alpha() == 1; }));
    EXPECT_EQ(plain.nameLabel->get_y(), -26);
    EXPECT_EQ(magic.nameLabel->get_y(), -55);
    EXPECT_EQ(magic.mpUseSprite->get_y(), -37);
    EXPECT_EQ(magic.mpUseSprite->get_parent().get(), &magic);

    plain.dispatchEvent(make<framework::MouseEvent>("mouseOut"));
    ASSERT_TRUE(runTweensUntil([&] { return plain.nameLabel->get_alpha() == 0; }));
    // Clearing the slot takes the name and the badge off the screen.
    magic.setItem(nullptr);
    EXPECT_EQ(magic.nameLabel->get_parent().get(), nullptr);
    EXPECT_EQ(magic.mpUseSprite ? magic.mpUseSprite->get_parent().get() : nullptr, nullptr);
    magic.dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    EXPECT_EQ(magic.nameLabel->get_parent().get(), nullptr) << "an empty slot shows no name";
}

TEST_F(HotkeyBarTest, TheEditButtonOpensAndClosesTheEditor) {
    auto click = [&] { bar->editButton->dispatchEvent(make<framework::MouseEvent>("click")); };
    click();
    EXPECT_EQ(root->calls, (std::vector<std::string>{"openHotkeyWindow"}));
    EXPECT_TRUE(bar->editButton->selectedLayer->get_visible());
    root->inventoryShown = true;
    click();
    EXPECT_EQ(root->calls.back(), "closeHotkeyWindow");
    bar->editButton->disable();
    root->calls.clear();
    click();
    EXPECT_TRUE(root->calls.empty()) << "a disabled button does nothing";

    bar->showInstructions();
    EXPECT_EQ(bar->instructionsText->get_parent().get(), bar.get());
    EXPECT_EQ(bar->instructionsText->get_text().toText(), "Edit Hotkeys");
    EXPECT_EQ(bar->instructionsText->get_y(), -210);
    EXPECT_EQ(bar->instructionsText->get_x(), 675 * 0.5 + 35);
    bar->hideInstructions();
    EXPECT_EQ(bar->instructionsText->get_parent().get(), nullptr);
}
