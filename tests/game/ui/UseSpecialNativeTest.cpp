// The transmute window: opened by using the transmutation spell, the inventory borrowed over the
// dark cover, an item turned into an artifact for the spell's MP, the refusals, and the way back
// to the map or to the open menu.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>


#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/MouseEvent.h"
#include "game/data/DataUI.h"
#include "game/data/Enchantment.h"
#include "game/data/ItemData.h"
#include "game/floor/TiledMap.h"
#include "game/ui/ItemInventory.h"
#include "game/ui/UI.h"
#include "game/ui/UseSpecialWindow.h"
#include "tests/game/kit/StagePicture.h"
#include "tests/game/map/MapStateFixture.h"

using game::Enchantment;
using game::G;
using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemInventory;
using game::UI;
using game::UseSpecialWindow;
using runtime::make;
using runtime::Ref;

namespace {

// The transmutation spell, a plain sword and the escape wings of the shipped tables.
constexpr int TRANSMUTE = 10045, SWORD = 1000;
constexpr int PRICE = 25;

class UseSpecialTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        game::Game::screenWidth = 960;
        game::Game::screenHeight = 540;
        GameData::inCave = false;
        state->goToMap(game::TiledMap::TOWN, nullptr);
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
        GameData::inCave = true;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::artifactsThisRun.clear();
        GameData::maxMP = 100;
        G::pauseGame = false;
        spell = GameData::addItem(make<Item>(ItemData::findDataWithID(TRANSMUTE)));
        panel = ui->inventory.cast<ItemInventory>();
    }

    void TearDown() override {
        spell = nullptr;
        panel = nullptr;
        ui = nullptr;
        GameData::items.clear();
        GameData::itemIcons.clear();
        game::DataUI::install(nullptr);
        MapStateFixture::TearDown();
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    // Casts the spell as the hotkey bar or the menu does, with mp to spend.
    Ref<UseSpecialWindow> castTransmute(int mp) {
        GameData::mp = mp;
        GameData::useSpell(spell);
        return ui->useSpecialWin.cast<UseSpecialWindow>();
    }
    // What the inventory does with a double click on item.
    void useFromInventory(const Ref<Item>& item) { (*panel->itemScroller->itemUseFunction)(runtime::Value(item)); }
    static Ref<Item> hold(int id, int amount = 1, bool artifact = false) {
        auto item = make<Item>(ItemData::findDataWithID(id));
        item->artifact = artifact;
        return GameData::addItem(item, amount, false, false);
    }
    static int countHeld(bool artifact) {
        int n = 0;
        for (auto& it : GameData::items)
            if (it->data->id == SWORD && it->artifact == artifact) n += it->amount;
        return n;
    }
    Ref<game::TextSprite> refusalOnOverLayer() {
        for (int i = 0; i < ui->overLayer->get_numChildren(); ++i)
            if (auto t = ui->overLayer->getChildAt(i).cast<game::TextSprite>())
                if (t->get_text().str() == "Not enough MP!") return t;
        return nullptr;
    }

    Ref<UI> ui;
    Ref<Item> spell;
    Ref<ItemInventory> panel;
};

}  // namespace

TEST_F(UseSpecialTest, CastingTransmuteOpensTheWindowOverTheBorrowedInventory) {
    ASSERT_TRUE(spell);
    ASSERT_EQ(spell->data->specialType, ItemData::SPECIAL_TRANSMUTATION);
    auto window = castTransmute(40);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->specialItem, spell);
    EXPECT_EQ(GameData::mp, 40) << "the price is paid per item, not for opening";
    EXPECT_TRUE(ui->useSpecialOpen);
    EXPECT_TRUE(ui->inventoryOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_EQ(window->get_parent(), ui->overLayer.get());
    EXPECT_EQ(ui->overBlack->get_parent(), ui->overLayer.get());
    EXPECT_TRUE(runTweensUntil([&] { return ui->overBlack->get_alpha() > 0.79; }));
    EXPECT_NEAR(ui->overBlack->get_alpha(), 0.8, 0.01);
    // The inventory sits over the window, halfway down.
    EXPECT_EQ(panel->get_parent(), ui->overLayer.get());
    EXPECT_GT(ui->overLayer->getChildIndex(panel), ui->overLayer->getChildIndex(window));
    EXPECT_EQ(panel->get_x(), 0);
    EXPECT_EQ(panel->get_y(), 270);

    // Laid out around the inventory.
    EXPECT_EQ(window->itemDetailsWindow->winWidth, 462);
    EXPECT_EQ(window->itemDetailsWindow->winHeight, 198);
    EXPECT_EQ(window->itemDetailsWindow->get_x(), 0);
    EXPECT_EQ(window->itemDetailsWindow->get_y(), 270 - 198);
    EXPECT_FALSE(window->itemDetailsWindow->get_visible());
    EXPECT_EQ(window->itemDetails->get_x(), 91);
    EXPECT_EQ(window->titleText->get_text().str(), "Transmute");
    EXPECT_EQ(window->titleText->get_x(), 960 * 0.6);
    EXPECT_EQ(window->titleText->get_y(), 270 - 60);
    EXPECT_EQ(window->promptText->get_text().str(), "Choose an Item:");
    EXPECT_EQ(window->promptText->get_y(), 270 - 30);
    EXPECT_EQ(window->backButton->get_x(), 960 - 80);
    EXPECT_EQ(window->backButton->get_y(), 0);
    EXPECT_EQ(window->mpHud->get_x(), 960 - 154);
    EXPECT_EQ(window->mpHud->get_y(), 270 - 30);
    EXPECT_EQ(window->mpHud->mpText->get_text().str(), "40/100");

    // The inventory's selection now feeds this window's details panel.
    auto sword = hold(SWORD);
    (*panel->itemScroller->selectItemFunction)(runtime::Value(sword));
    EXPECT_TRUE(window->itemDetailsWindow->get_visible());
    EXPECT_EQ(window->itemDetails->item, sword);
    (*panel->itemScroller->deselectItemFunction)();
    EXPECT_FALSE(window->itemDetailsWindow->get_visible());
    EXPECT_FALSE(window->itemDetails->item);
}

TEST_F(UseSpecialTest, TransmutingCostsTheSpellsMPOrRefusesWithOneLess) {
    struct Case {
        int mp;
        bool done;
    };
    for (const Case c : {Case{PRICE, true}, Case{PRICE - 1, false}, Case{PRICE + 10, true}, Case{0, false}}) {
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::artifactsThisRun.clear();
        spell = GameData::addItem(make<Item>(ItemData::findDataWithID(TRANSMUTE)));
        // The spell is cast with its price in hand; earlier transmutations may leave less.
        auto window = castTransmute(PRICE);
        ASSERT_TRUE(window) << c.mp;
        GameData::mp = c.mp;
        auto sword = hold(SWORD);
        useFromInventory(sword);
        EXPECT_EQ(GameData::mp, c.done ? c.mp - PRICE : c.mp) << c.mp;
        EXPECT_EQ(countHeld(true), c.done ? 1 : 0) << c.mp;
        EXPECT_EQ(countHeld(false), c.done ? 0 : 1) << c.mp;
        if (c.done) EXPECT_EQ(window->mpHud->mpText->get_text().str(), std::to_string(GameData::mp) + "/100");
        EXPECT_EQ(GameData::artifactsThisRun.size(), c.done ? 1u : 0u) << c.mp;
        auto refusal = refusalOnOverLayer();
        EXPECT_EQ(refusal != nullptr, !c.done) << c.mp;
        if (refusal) {
            EXPECT_EQ(refusal->get_alpha(), 1);
            EXPECT_TRUE(std::find(state->menuEffects.begin(), state->menuEffects.end(),
                                  Ref<game::BitmapSprite>(refusal)) != state->menuEffects.end());
            const double startY = refusal->get_y();
            EXPECT_EQ(startY, window->get_mouseY() - 40);
            // Rising 60 and fading out over 2 s, most of it early.
            EXPECT_TRUE(runTweensUntil([&] { return refusal->get_alpha() < 0.05; }));
            EXPECT_LT(refusal->get_y(), startY - 55);
            EXPECT_GE(refusal->get_y(), startY - 60);
        }
        // The window stays for more.
        EXPECT_TRUE(ui->useSpecialOpen) << c.mp;
        ui->closeUseSpecialWindow();
        for (int i = 0; i < 5; ++i) state->update();
        state->menuEffects.clear();
        if (auto left = refusalOnOverLayer()) ui->overLayer->removeChild(left);
    }
}

TEST_F(UseSpecialTest, ArtifactsAndSpellsAreLeftAlone) {
    auto window = castTransmute(100);
    auto kept = hold(SWORD, 1, true);
    auto other = GameData::addItem(make<Item>(ItemData::findDataWithID(TRANSMUTE)));
    const std::size_t held = GameData::items.size();
    for (const Ref<Item>& chosen : {kept, spell}) {
        useFromInventory(chosen);
        EXPECT_EQ(GameData::mp, 100);
        EXPECT_EQ(GameData::items.size(), held);
        EXPECT_FALSE(refusalOnOverLayer()) << "no message either";
    }
    // Even with no MP at all: nothing to refuse.
    GameData::mp = 0;
    useFromInventory(kept);
    EXPECT_FALSE(refusalOnOverLayer());
    EXPECT_EQ(other, spell) << "one stack of the spell";
}

TEST_F(UseSpecialTest, TheArtifactCopyKeepsEnchantmentsAndOnlyOneUnitOfAStackTurns) {
    auto window = castTransmute(100);
    auto base = make<Item>(ItemData::findDataWithID(SWORD));
    base->enchantments.push_back(make<Enchantment>(Enchantment::FIRE_ATTACK, 7));
    base->enchantments.push_back(make<Enchantment>(Enchantment::CRIT_CHANCE, 3));
    base->createEffectiveData();
    auto stack = GameData::addItem(base, 3, false, false);
    ASSERT_EQ(stack->amount, 3);
    useFromInventory(stack);
    EXPECT_EQ(GameData::mp, 100 - PRICE);
    EXPECT_EQ(countHeld(false), 2);
    EXPECT_EQ(countHeld(true), 1);
    Ref<Item> copy;
    for (auto& it : GameData::items)
        if (it->artifact) copy = it;
    ASSERT_TRUE(copy);
    ASSERT_EQ(copy->enchantments.size(), 2u);
    EXPECT_EQ(copy->enchantments[0]->type, Enchantment::FIRE_ATTACK);
    EXPECT_EQ(copy->enchantments[0]->value, 7);
    EXPECT_EQ(copy->enchantments[1]->value, 3);
    EXPECT_NE(copy->enchantments[0], stack->enchantments[0]) << "a copy, not shared";
    EXPECT_EQ(copy->effectiveData->attFire, stack->effectiveData->attFire);
    EXPECT_EQ(copy->duration, stack->duration);

    // The new artifact cannot be chosen again; the rest of the stack can, while MP lasts.
    useFromInventory(copy);
    EXPECT_EQ(countHeld(true), 1);
    useFromInventory(stack);
    useFromInventory(stack);
    EXPECT_EQ(countHeld(true), 3);
    EXPECT_EQ(countHeld(false), 0);
    EXPECT_EQ(GameData::mp, 100 - 3 * PRICE);
}

TEST_F(UseSpecialTest, ClosingWithTheMapBehindUnpausesAndGivesTheInventoryBack) {
    for (int round = 0; round < 2; ++round) {
        auto window = castTransmute(30);
        ASSERT_TRUE(window);
        // The first round closes by the cover, the second by "Back".
        click(round == 0 ? Ref<framework::DisplayObject>(ui->overBlack)
                         : Ref<framework::DisplayObject>(window->backButton));
        EXPECT_FALSE(ui->useSpecialOpen) << round;
        EXPECT_FALSE(ui->useSpecialWin) << round;
        EXPECT_FALSE(G::pauseGame) << round;
        EXPECT_FALSE(ui->inventoryOpen) << round;
        EXPECT_FALSE(panel->get_parent()) << round;
        EXPECT_EQ(panel->get_x(), 0);
        EXPECT_EQ(panel->get_y(), 540 - 180);
        EXPECT_TRUE(runTweensUntil([&] { return !window->get_parent() && !ui->overBlack->get_parent(); }));
    }
    // The cover's listener went with the window.
    ui->overLayer->addChild(ui->overBlack);
    castTransmute(30);
    ui->closeUseSpecialWindow();
    G::pauseGame = true;
    click(ui->overBlack);
    EXPECT_TRUE(G::pauseGame);
    // A second close finds nothing left to drop.
    ui->closeUseSpecialWindow();
    EXPECT_FALSE(ui->useSpecialOpen);
}

TEST_F(UseSpecialTest, ClosingWithTheMenuOpenHandsTheInventoryBackToTheMenu) {
    ui->openMenu();
    ASSERT_TRUE(ui->menuOpen);
    ASSERT_EQ(panel->get_parent(), ui->UIWinHolder.get());
    auto window = castTransmute(60);
    EXPECT_EQ(panel->get_parent(), ui->overLayer.get());

    click(window->backButton);
    EXPECT_FALSE(ui->useSpecialOpen);
    EXPECT_TRUE(G::pauseGame) << "the menu keeps the map paused";
    EXPECT_TRUE(ui->inventoryOpen);
    EXPECT_EQ(panel->get_parent(), ui->UIWinHolder.get());
    EXPECT_TRUE(ui->UIWinBG->get_visible());
    EXPECT_EQ(panel->get_y(), 540 - 180);
    // Using an item from the menu's inventory no longer transmutes.
    auto sword = hold(SWORD);
    useFromInventory(sword);
    EXPECT_EQ(GameData::mp, 60);
    EXPECT_EQ(countHeld(true), 0);
    ui->closeMenu();
}

TEST_F(UseSpecialTest, TheWindowIsDrawnAboveTheInventory) {
    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        auto stage = framework::Lib::get_stage();
        stage->addChild(make<framework::Bitmap>(
            make<framework::BitmapData>(960, 540, false, static_cast<int>(0xFF6A5A40))));
        stage->addChild(ui);
        auto sword = hold(SWORD);
        hold(SWORD + 5, 2);
        auto window = castTransmute(60);
        (*panel->itemScroller->selectItemFunction)(runtime::Value(sword));
    });
    for (int i = 0; i < 30; ++i) steps.push_back([] {});
    auto picture = testing_game::StagePicture::of("use-special.png", [&] { onStage(steps); });
    ASSERT_TRUE(picture.loaded()) << picture.path;
    auto red = [&](int x, int y) { return picture.red(x, y); };
    // Dark at 0.8 beside the texts; the details frame stands above the inventory.
    EXPECT_NEAR(red(700, 100), 0x6A / 5, 3);
    EXPECT_NE(red(700, 100), red(230, 150));
}

TEST_F(UseSpecialTest, EscapeClosesTheWindowFirstAndTheMenuNext) {
    ui->openMenu();
    castTransmute(30);
    press(27);
    step();
    release(27);
    step();
    EXPECT_FALSE(ui->useSpecialOpen);
    EXPECT_TRUE(ui->menuOpen);
    EXPECT_EQ(panel->get_parent(), ui->UIWinHolder.get());
    press(27);
    step();
    release(27);
    step();
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(G::pauseGame);
}
