// The equipment slot: its empty look by kind, select then unequip, moving an accessory choice
// between the accessory slots, the "ENCHANT" button at a forge and the enchant hand-over.
#include "HudFixture.h"
#include "engine/EngG.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/events/MouseEvent.h"
#include "game/ui/EquipmentSlot.h"
#include "game/ui/ItemInventory.h"

using game::EquipmentSlot;
using game::GameData;
using game::Item;
using game::ItemData;
using runtime::Function;
using runtime::make;
using runtime::Ref;

class EquipmentSlotTest : public HudFixture {
protected:
    Ref<game::ItemInventory> panel;
    void SetUp() override {
        HudFixture::SetUp();
        auto none = Function::of([](runtime::Value) {});
        panel = make<game::ItemInventory>(none, none, Function::of([] {}));
        root->inventoryPanel = panel;
    }
    void TearDown() override {
        engine::EngG::sound = nullptr;
        HudFixture::TearDown();
    }
    static void click(const Ref<EquipmentSlot>& slot) {
        slot->mainHolder->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    // Wears item in slot through the model and shows it, as the equipment tab does.
    static Ref<EquipmentSlot> wearing(int slot, const Ref<Item>& it) {
        auto s = make<EquipmentSlot>(slot);
        if (it) {
            GameData::equipItem(hold(it), slot, false);
            s->setItem(GameData::equippedItems[slot]);
        }
        return s;
    }
    void choose(const Ref<Item>& held) {
        panel->updateItems();
        panel->itemScroller->findAndSelectItem(held);
        ASSERT_TRUE(panel->isAnItemSelected());
    }
};

TEST_F(EquipmentSlotTest, AnEmptySlotShowsThePictogramOfItsKind) {
    const int cellX[] = {64, 96, 128, 160, 192, 224, 256, 288, 288, 288};
    const int types[] = {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 8000, 8000};
    for (int slot = 0; slot < 10; ++slot) {
        auto s = make<EquipmentSlot>(slot);
        EXPECT_EQ(s->type, types[slot]) << slot;
        ASSERT_EQ(s->emptyBitmap->get_numChildren(), 3);
        auto pictogram = s->emptyBitmap->getChildAt(2);
        EXPECT_EQ(pictogram->get_scrollRect()->x, cellX[slot]) << slot;
        EXPECT_EQ(pictogram->get_scrollRect()->y, 0);
        EXPECT_EQ(pictogram->get_x(), 8);
        EXPECT_EQ(pictogram->get_y(), 8);
        EXPECT_EQ(s->emptyBitmap->getChildAt(0)->get_x(), 1) << "the item background at (1, 1)";
        EXPECT_EQ(s->emptyBitmap->get_parent().get(), s->mainHolder.get());
        EXPECT_EQ(s->enchantButton->buttonWidth, 74);
        EXPECT_EQ(s->enchantButton->buttonHeight, 24);
        EXPECT_EQ(s->enchantButton->get_x(), -13);
        EXPECT_FALSE(s->enchantButton->get_visible());
    }
    // An empty slot ignores clicks without an accessory chosen.
    auto empty = make<EquipmentSlot>(EquipmentSlot::SLOT_WEAPON);
    click(empty);
    EXPECT_TRUE(root->calls.empty());
}

TEST_F(EquipmentSlotTest, TheFirstClickSelectsAndTheSecondReturnsTheItemWithItsSound) {
    engine::EngG::sound = make<engine::SoundFrontEnd>();
    auto sword = item(ItemData::TYPE_WEAPON, 4, "Sword", 0);
    hold(sword, 2);
    auto slot = wearing(EquipmentSlot::SLOT_WEAPON, sword);
    ASSERT_TRUE(slot->itemIcon);
    EXPECT_EQ(slot->item()->amount, 1) << "a copy: no count is drawn";
    EXPECT_FALSE(slot->itemIcon->amountText && slot->itemIcon->amountText->get_visible() &&
                 slot->itemIcon->amountText->get_parent());
    EXPECT_EQ(slot->emptyBitmap->get_parent().get(), nullptr);

    click(slot);
    EXPECT_EQ(root->selectedSlot.get(), slot.get());
    EXPECT_EQ(root->calls, (std::vector<std::string>{"selectSlot", "details-nocompare", "preview"}));
    EXPECT_EQ(root->detailsItem.get(), slot->item().get());
    EXPECT_EQ(root->previewNew.get(), nullptr);
    EXPECT_EQ(root->previewOld.get(), slot->item().get());
    EXPECT_FALSE(slot->enchantButton->get_visible()) << "away from a forge";

    const int before = engine::EngG::sound->list->length;
    root->calls.clear();
    click(slot);
    EXPECT_EQ(GameData::equippedItems[0].get(), nullptr);
    ASSERT_TRUE(GameData::findHeldItem(sword));
    EXPECT_EQ(GameData::findHeldItem(sword)->amount, 3) << "back in the inventory";
    EXPECT_EQ(slot->itemIcon.get(), nullptr);
    EXPECT_EQ(slot->emptyBitmap->get_parent().get(), slot->mainHolder.get());
    EXPECT_EQ(root->calls, (std::vector<std::string>{"deselectSlot", "updateStats", "details"}));
    EXPECT_EQ(root->detailsItem.get(), nullptr);
    EXPECT_EQ(engine::EngG::sound->list->length, before + 1) << "the slot kind's unequip sound";
}

TEST_F(EquipmentSlotTest, AnAccessoryChoiceMovesBetweenAccessorySlots) {
    auto worn = item(ItemData::TYPE_ACCESSORY, 1, "Ring", 7);
    auto acc1 = wearing(EquipmentSlot::SLOT_ACCESSORY1, worn);
    auto acc2 = make<EquipmentSlot>(EquipmentSlot::SLOT_ACCESSORY2);
    auto weapon = wearing(EquipmentSlot::SLOT_WEAPON, item(ItemData::TYPE_WEAPON, 4, "Sword", 0));
    auto amulet = hold(item(ItemData::TYPE_ACCESSORY, 2, "Amulet", 7));
    choose(amulet);

    // An empty accessory slot: selected, previewed against nothing, no button even at a forge.
    root->forge = true;
    click(acc2);
    EXPECT_EQ(root->selectedSlot.get(), acc2.get());
    EXPECT_EQ(root->previewNew.get(), amulet.get());
    EXPECT_EQ(root->previewOld.get(), nullptr);
    EXPECT_FALSE(acc2->enchantButton->get_visible());
    // A filled one: previewed against its item; its button shows at the forge.
    click(acc1);
    EXPECT_EQ(root->selectedSlot.get(), acc1.get());
    EXPECT_EQ(root->previewOld.get(), acc1->item().get());
    EXPECT_TRUE(acc1->enchantButton->get_visible());
    // A second click on the selected accessory slot equips the choice there.
    root->calls.clear();
    click(acc1);
    EXPECT_EQ(root->calls, (std::vector<std::string>{"useItem"}));
    EXPECT_NE(GameData::equippedItems[7].get(), nullptr) << "not unequipped";

    // The selected weapon slot with an item chosen: re-selected, its own item shown.
    root->selectedSlot = weapon;
    root->calls.clear();
    click(weapon);
    EXPECT_EQ(root->calls, (std::vector<std::string>{"selectSlot", "details-nocompare", "preview"}));
    EXPECT_NE(GameData::equippedItems[0].get(), nullptr);
    EXPECT_FALSE(panel->isAnItemSelected()) << "the inventory choice is cleared";
}

TEST_F(EquipmentSlotTest, DisabledSlotsIgnoreClicks) {
    auto slot = wearing(EquipmentSlot::SLOT_WEAPON, item(ItemData::TYPE_WEAPON, 4, "Sword", 0));
    slot->disable();
    EXPECT_EQ(slot->get_alpha(), 0.5);
    click(slot);
    EXPECT_TRUE(root->calls.empty());
    slot->enable();
    EXPECT_EQ(slot->get_alpha(), 1);
    click(slot);
    EXPECT_FALSE(root->calls.empty());
}

TEST_F(EquipmentSlotTest, AtAForgeEnchantHandsTheItemToCraftingOnly) {
    root->forge = true;
    auto sword = item(ItemData::TYPE_WEAPON, 4, "Sword", 0);
    auto slot = wearing(EquipmentSlot::SLOT_WEAPON, sword);
    click(slot);
    auto& button = *slot->enchantButton;
    EXPECT_TRUE(button.get_visible());
    EXPECT_EQ(button.get_alpha(), 0);
    ASSERT_TRUE(runTweensUntil([&] { return button.get_alpha() == 1; }));
    EXPECT_EQ(button.get_y(), -27);

    button.dispatchEvent(make<framework::MouseEvent>("click"));
    EXPECT_EQ(root->calls.back(), "enchant");
    ASSERT_TRUE(root->enchanted);
    EXPECT_EQ(root->enchanted->data.get(), sword->data.get());
    EXPECT_EQ(root->enchantedSlot, 0);
    EXPECT_EQ(GameData::equippedItems[0].get(), nullptr);
    EXPECT_EQ(GameData::findHeldItem(sword).get(), nullptr) << "not back in the inventory";

    slot->hideEnchantButton();
    ASSERT_TRUE(runTweensUntil([&] { return button.get_alpha() == 0; }));
    EXPECT_FALSE(button.get_visible());
    EXPECT_EQ(button.get_y(), 0);
}
