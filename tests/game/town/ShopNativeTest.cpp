// The shop screen inside the real UI root: its layout, buying and selling with their prices and
// refusals, the keeper's lines, the junk sale, and the root's opening and closing of the shop
// (inventory callbacks, gold display, the scrolling hint, the free shop, a rebuilt UI).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/UIColor.h"
#include "game/map/MapState.h"
#include "game/map/MiniMap.h"
#include "game/shell/G.h"
#include "game/town/UIShop.h"
#include "game/ui/DiaryEntry.h"
#include "game/ui/HeldItemIcon.h"
#include "game/ui/ItemInventory.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"
#include "tests/game/kit/StagePicture.h"

using game::G;
using game::GameData;
using game::Item;
using game::ItemData;
using game::UI;
using game::UIShop;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

class ShopState : public game::MapState {
public:
    int freeShopCloses = 0;
    void closeFreeShop() override {
        ++freeShopCloses;
        MapState::closeFreeShop();
    }
};

class ShopTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::hp = GameData::maxHP = 100;
        GameData::mp = GameData::maxMP = 10;
        GameData::inCave = true;
        GameData::currentFloor = 10;
        GameData::sellPercent = 0.3;
        GameData::gold = 0;
        GameData::messageWins.clear();
        clearGoods();
        game::DiaryEntry::initialize();
        game::MessageWindow::createStaticWindows();
        state = make<ShopState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
        shop = ui->shop;
    }

    void TearDown() override {
        clearGoods();
        shop = nullptr;
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::messageWins.clear();
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    static void clearGoods() {
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::shopItems.clear();
        GameData::shopIcons.clear();
        GameData::freeShopItems.clear();
        GameData::freeShopIcons.clear();
        GameData::tempShopItems.reset();
        GameData::tempShopIcons.reset();
        GameData::hotkeySlotItems.clear();
        GameData::equippedItems.assign(10, nullptr);
        GameData::itemsNeedSorted = GameData::shopItemsNeedSorted = false;
    }

    // An item of a definition of its own.
    static Ref<Item> item(int id, int value, int type = ItemData::TYPE_HELMET, bool artifact = false) {
        const int slot = type >= ItemData::TYPE_WEAPON && type < ItemData::TYPE_CRAFTING ? type / 1000 - 1 : -1;
        auto data = make<ItemData>(type, slot, "Thing " + std::to_string(id));
        data->id = id;
        data->value = value;
        data->artifact = artifact;
        auto it = make<Item>(data, false);
        it->artifact = artifact;
        return it;
    }
    // Puts amount of it in the stock; the stock entry.
    static Ref<Item> stock(const Ref<Item>& it, int amount) {
        GameData::addShopItem(it, amount);
        for (const Ref<Item>& entry : GameData::shopItems)
            if (entry->equals(it)) return entry;
        return nullptr;
    }
    static Ref<Item> hold(const Ref<Item>& it, int amount) { return GameData::addItem(it, amount, false, false); }
    static int amountIn(const GameData::ItemList& list, int id) {
        for (const Ref<Item>& entry : list)
            if (entry->data->id == id) return entry->amount;
        return 0;
    }
    static std::vector<int> ids(const GameData::ItemList& list) {
        std::vector<int> out;
        for (const Ref<Item>& entry : list) out.push_back(entry->data->id);
        return out;
    }
    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }

    Ref<game::ItemInventory> panel() { return ui->inventory.cast<game::ItemInventory>(); }
    std::string line() { return shop->message->text.str(); }
    std::string price(const Ref<game::TextSprite>& text) { return text->text.str(); }
    void selectInStock(const Ref<Item>& entry) { shop->shopScroller->findAndSelectItem(entry); }
    void selectHeld(const Ref<Item>& held) { panel()->selectSpecificItem(held); }

    void setLines() {
        shop->setShopDialogue("Welcome!", "Good pick.", "Selling?", "Bought one.", "Bought all.", "Sold one.",
                              "Sold all.", "Junk gone.", "No gold!", "Won't buy.");
    }

    Ref<ShopState> state;
    Ref<UI> ui;
    Ref<UIShop> shop;
};

}  // namespace

TEST_F(ShopTest, TheScreenIsLaidOutForTheFullSizeGameArea) {
    ASSERT_TRUE(shop);
    EXPECT_EQ(shop->shopInvWin->winWidth, 960);
    EXPECT_EQ(shop->shopInvWin->winHeight, 150);
    EXPECT_EQ(shop->buttonWidth, 217);
    EXPECT_EQ(shop->buttonHeight, 54);
    struct Case {
        const char* what;
        Ref<framework::DisplayObject> object;
        double x, y;
    } cases[] = {
        {"message", shop->message, 480, 8},
        {"stock list", shop->shopScroller, 20, 37},
        {"back", shop->backButton, 876, 4},
        {"details window", shop->itemDetailsWin, 0, 150},
        {"middle window", shop->middleWin, 480, 150},
        {"buy one", shop->buyOneButton, 15, 15},
        {"buy all", shop->buyAllButton, 247, 15},
        {"sell junk", shop->sellJunkButton, 15, 84},
        {"sell one", shop->sellOneButton, 15, 141},
        {"sell all", shop->sellAllButton, 247, 141},
        {"junk window", shop->junkWindow, 0, 145},
        {"sell junk (junk window)", shop->junkSellButton, 371, 180},
        {"cancel", shop->junkCancelButton, 723, 180},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.object->get_x(), c.x) << c.what;
        EXPECT_EQ(c.object->get_y(), c.y) << c.what;
    }
    EXPECT_EQ(shop->itemDetailsWin->winHeight, 390);
    EXPECT_EQ(shop->middleWin->winHeight, 390);
    EXPECT_EQ(shop->sellJunkButton->buttonWidth, 450);
    EXPECT_EQ(shop->sellJunkButton->buttonHeight, 42);
    EXPECT_EQ(shop->shopScroller->areaWidth, 850);
    EXPECT_TRUE(shop->shopScroller->showPrice);
    EXPECT_TRUE(shop->junkScroller->showSellPrice);
    // A new screen: the four trade buttons off at price 0, the default lines.
    for (const auto& b : {shop->buyOneButton, shop->buyAllButton, shop->sellOneButton, shop->sellAllButton})
        EXPECT_TRUE(b->disabled);
    EXPECT_FALSE(shop->sellJunkButton->disabled);
    EXPECT_EQ(price(shop->buyOneGoldText), "0");
    EXPECT_EQ(shop->welcomeDialogue.str(), "WELCOME NOT SET");
    EXPECT_EQ(shop->cantBuyDialogue.str(), "CANT BUY NOT SET");
}

TEST_F(ShopTest, BuyingOnePieceNeedsTheWholePriceUnlessTheShopIsFree) {
    setLines();
    struct Case {
        const char* what;
        int gold;
        bool free;
        bool bought;
        int goldAfter;
    } cases[] = {
        {"gold exactly the price", 40, false, true, 0},
        {"one short", 39, false, false, 39},
        {"free shop with no gold", 0, true, true, 0},
        {"free shop with gold keeps it", 100, true, true, 100},
    };
    for (const Case& c : cases) {
        clearGoods();
        shop->updateShopItems();
        GameData::gold = c.gold;
        shop->cheatShop = c.free;
        auto entry = stock(item(1001, 40), 2);
        shop->updateShopItems();
        selectInStock(entry);
        ASSERT_TRUE(shop->shopItemSelected) << c.what;
        EXPECT_EQ(price(shop->buyOneGoldText), "40") << c.what;
        EXPECT_EQ(price(shop->buyAllGoldText), "80") << c.what;

        EXPECT_EQ(shop->buyOne(), c.bought) << c.what;
        EXPECT_EQ(GameData::gold, c.goldAfter) << c.what;
        EXPECT_EQ(amountIn(GameData::shopItems, 1001), c.bought ? 1 : 2) << c.what;
        EXPECT_EQ(amountIn(GameData::items, 1001), c.bought ? 1 : 0) << c.what;
        EXPECT_EQ(line(), c.bought ? "Bought one." : "No gold!") << c.what;
    }
    shop->cheatShop = false;
}

TEST_F(ShopTest, BuyingOneOfSeveralKeepsTheEntryAndTheLastOneEmptiesTheDetails) {
    setLines();
    GameData::gold = 1000;
    auto entry = stock(item(1001, 10), 3);
    stock(item(1002, 5), 1);
    shop->updateShopItems();
    selectInStock(entry);
    ASSERT_TRUE(shop->buyOne());
    // Still selected, with the smaller Buy All price.
    EXPECT_EQ(shop->itemDetails->item.get(), entry.get());
    EXPECT_EQ(price(shop->buyAllGoldText), "20");
    EXPECT_FALSE(shop->buyAllButton->disabled);
    ASSERT_TRUE(shop->shopScroller->selItem);
    EXPECT_EQ(shop->shopScroller->selItem->item.get(), entry.get());
    // Bought into one stack.
    click(shop->buyOneButton);
    click(shop->buyOneButton);
    EXPECT_EQ(amountIn(GameData::items, 1001), 3);
    EXPECT_EQ(GameData::items.size(), 1u);
    EXPECT_EQ(ids(GameData::shopItems), std::vector<int>{1002});
    EXPECT_EQ(shop->shopScroller->currentItems.size(), 1u);
    EXPECT_FALSE(shop->itemDetails->item);
    EXPECT_FALSE(shop->shopItemSelected);
    EXPECT_TRUE(shop->buyOneButton->disabled);
    EXPECT_TRUE(shop->buyAllButton->disabled);
    EXPECT_EQ(price(shop->buyOneGoldText), "0");
    EXPECT_EQ(price(shop->buyAllGoldText), "0");
    EXPECT_EQ(GameData::gold, 970);
    // Without a selection, Buy One answers false and a click on the disabled button does nothing.
    EXPECT_FALSE(shop->buyOne());
    click(shop->buyOneButton);
    click(shop->buyAllButton);
    EXPECT_EQ(GameData::gold, 970);
    EXPECT_EQ(line(), "Bought one.");
}

TEST_F(ShopTest, BuyAllTakesTheWholeStackOrNothing) {
    setLines();
    auto entry = stock(item(1001, 10), 3);
    shop->updateShopItems();
    GameData::gold = 29;
    selectInStock(entry);
    click(shop->buyAllButton);
    EXPECT_EQ(line(), "No gold!");
    EXPECT_EQ(GameData::gold, 29);
    EXPECT_EQ(amountIn(GameData::shopItems, 1001), 3);
    EXPECT_TRUE(GameData::items.empty());

    GameData::gold = 30;
    click(shop->buyAllButton);
    EXPECT_EQ(line(), "Bought all.");
    EXPECT_EQ(GameData::gold, 0);
    EXPECT_TRUE(GameData::shopItems.empty());
    EXPECT_EQ(amountIn(GameData::items, 1001), 3);
    EXPECT_FALSE(shop->itemDetails->item);
    EXPECT_TRUE(shop->buyAllButton->disabled);

    // The free shop hands over the whole stack for nothing.
    auto gift = stock(item(1002, 500), 4);
    shop->updateShopItems();
    shop->cheatShop = true;
    selectInStock(gift);
    click(shop->buyAllButton);
    shop->cheatShop = false;
    EXPECT_EQ(GameData::gold, 0);
    EXPECT_EQ(amountIn(GameData::items, 1002), 4);
    EXPECT_TRUE(GameData::shopItems.empty());
}

TEST_F(ShopTest, SellingPaysTheTruncatedShareOfTheValue) {
    setLines();
    ui->openShop();
    // Value 5 at 0.3: 1 a piece, 3 for a stack of 3 sold whole.
    auto held = hold(item(3001, 5), 3);
    panel()->updateItems();
    selectHeld(held);
    EXPECT_EQ(price(shop->sellOneGoldText), "1");
    EXPECT_EQ(price(shop->sellAllGoldText), "3");
    EXPECT_EQ(line(), "Selling?");
    click(shop->sellOneButton);
    EXPECT_EQ(GameData::gold, 1);
    EXPECT_EQ(line(), "Sold one.");
    // One of several: the stack stays selected.
    EXPECT_EQ(shop->itemDetails->item.get(), held.get());
    EXPECT_FALSE(shop->sellOneButton->disabled);
    EXPECT_EQ(price(shop->sellAllGoldText), "2");
    click(shop->sellAllButton);
    EXPECT_EQ(GameData::gold, 3);
    EXPECT_EQ(line(), "Sold all.");
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_EQ(amountIn(GameData::shopItems, 3001), 3) << "sold pieces stack onto one stock entry";
    EXPECT_FALSE(shop->itemDetails->item);
    EXPECT_TRUE(shop->sellOneButton->disabled);
    EXPECT_FALSE(panel()->isAnItemSelected());

    // Value 3 at 0.3 brings nothing and is still taken; selling the last piece ends the selection.
    auto cheap = hold(item(3002, 3), 1);
    panel()->updateItems();
    selectHeld(cheap);
    EXPECT_EQ(price(shop->sellOneGoldText), "0");
    shop->useItem(cheap);
    EXPECT_EQ(GameData::gold, 3);
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_FALSE(shop->itemDetails->item);
    EXPECT_TRUE(shop->sellAllButton->disabled);
    EXPECT_EQ(price(shop->sellOneGoldText), "0");
    EXPECT_FALSE(panel()->isAnItemSelected());
}

TEST_F(ShopTest, AnItemSoldOntoANewEntryIsSortedIntoTheStockById) {
    stock(item(1005, 10), 1);
    stock(item(1001, 10), 1);
    shop->updateShopItems();
    EXPECT_EQ(ids(GameData::shopItems), (std::vector<int>{1001, 1005}));
    ui->openShop();
    auto held = hold(item(1003, 10), 1);
    panel()->updateItems();
    selectHeld(held);
    shop->sellOne();
    EXPECT_EQ(ids(GameData::shopItems), (std::vector<int>{1001, 1003, 1005}));
    EXPECT_FALSE(GameData::shopItemsNeedSorted);
    std::vector<int> shown;
    for (const auto& entry : shop->shopScroller->currentItems)
        shown.push_back(entry.cast<game::ItemIcon>()->item->data->id);
    EXPECT_EQ(shown, (std::vector<int>{1001, 1003, 1005}));
}

TEST_F(ShopTest, WingsAndSpellsAreRefusedHoweverTheyAreSold) {
    setLines();
    ui->openShop();
    auto wings = item(42, 100, ItemData::TYPE_CONSUMABLE);
    wings->data->wings = true;
    auto spell = item(10001, 100, ItemData::TYPE_MAGIC);
    for (const Ref<Item>& proto : {wings, spell}) {
        clearGoods();
        auto held = hold(proto, 2);
        panel()->updateItems();
        GameData::gold = 0;
        const std::string name = proto->data->name.str();
        for (int way = 0; way < 3; ++way) {
            selectHeld(held);
            if (way == 0) click(shop->sellOneButton);
            else if (way == 1) click(shop->sellAllButton);
            else shop->useItem(held);
            EXPECT_EQ(line(), "Won't buy.") << name << " way " << way;
            EXPECT_EQ(GameData::gold, 0) << name << " way " << way;
            EXPECT_EQ(amountIn(GameData::items, proto->data->id), 2) << name << " way " << way;
            EXPECT_TRUE(GameData::shopItems.empty()) << name << " way " << way;
        }
    }
}

TEST_F(ShopTest, SelectingKeepsOneSideSelectedAndDoesNotRetypeTheSameLine) {
    setLines();
    ui->openShop();
    auto a = stock(item(1001, 10), 1);
    auto b = stock(item(1002, 20), 1);
    shop->updateShopItems();
    auto held = hold(item(3001, 10), 1);
    panel()->updateItems();

    selectInStock(a);
    for (int i = 0; i < 5; ++i) shop->update();
    const int typed = shop->message->nextCharIndexToShow;
    ASSERT_GT(typed, 0);
    selectInStock(b);
    EXPECT_EQ(line(), "Good pick.");
    EXPECT_EQ(shop->message->nextCharIndexToShow, typed) << "the shown line is not typed again";
    EXPECT_EQ(price(shop->buyOneGoldText), "20");

    // The inventory side clears the stock side, and the other way round.
    selectHeld(held);
    EXPECT_FALSE(shop->shopScroller->selItem);
    EXPECT_FALSE(shop->shopItemSelected);
    EXPECT_TRUE(shop->buyOneButton->disabled);
    EXPECT_EQ(price(shop->buyOneGoldText), "0");
    EXPECT_FALSE(shop->sellOneButton->disabled);
    EXPECT_EQ(shop->itemDetails->item.get(), held.get());
    selectInStock(a);
    EXPECT_FALSE(panel()->isAnItemSelected());
    EXPECT_TRUE(shop->sellOneButton->disabled);
    EXPECT_EQ(price(shop->sellOneGoldText), "0");
    EXPECT_TRUE(shop->shopItemSelected);
}

TEST_F(ShopTest, TheJunkSaleListsUnequippedPlainEquipmentAndSellsItWhole) {
    setLines();
    ui->openShop();
    auto mainLayer = ui->mainLayer;
    // Nothing to sell: an empty list, total 0 and a disabled "Sell Junk".
    hold(item(1, 50, ItemData::TYPE_CONSUMABLE), 2);
    shop->sellJunkClick();
    EXPECT_TRUE(shop->junkWindowOpen);
    EXPECT_EQ(shop->junkWindow->get_parent(), mainLayer.get());
    EXPECT_EQ(shop->blackTint->get_parent(), mainLayer.get());
    EXPECT_TRUE(shop->junkItems->empty());
    EXPECT_EQ(price(shop->junkSellGoldText), "0");
    EXPECT_TRUE(shop->junkSellButton->disabled);
    click(shop->junkCancelButton);
    EXPECT_FALSE(shop->junkWindowOpen);
    EXPECT_FALSE(shop->junkWindow->get_parent());
    EXPECT_FALSE(shop->blackTint->get_parent());

    hold(item(9001, 50, ItemData::TYPE_CRAFTING), 1);
    hold(item(10001, 50, ItemData::TYPE_MAGIC), 1);
    hold(item(2001, 50, ItemData::TYPE_SHIELD, true), 1);
    auto helmets = hold(item(3001, 5), 3);
    auto sword = hold(item(1001, 11), 1);
    auto worn = item(4001, 100, ItemData::TYPE_BODY);
    GameData::equippedItems[3] = worn;
    shop->sellJunkClick();
    std::vector<int> listed;
    for (const Ref<Item>& j : *shop->junkItems) listed.push_back(j->data->id);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<int>{1001, 3001}));
    // trunc(5 x 0.3 x 3) = 4 for the stack, trunc(11 x 0.3) = 3.
    EXPECT_EQ(shop->totalGold, 7);
    EXPECT_EQ(price(shop->junkSellGoldText), "7");
    EXPECT_FALSE(shop->junkSellButton->disabled);

    // Using an entry takes it off the list only.
    shop->useJunkItem(sword);
    EXPECT_EQ(shop->junkItems->size(), 1u);
    EXPECT_EQ(shop->totalGold, 4);
    EXPECT_EQ(amountIn(GameData::items, 1001), 1);

    GameData::gold = 0;
    click(shop->junkSellButton);
    EXPECT_EQ(GameData::gold, 4);
    EXPECT_EQ(amountIn(GameData::items, 3001), 0);
    EXPECT_EQ(amountIn(GameData::shopItems, 3001), 3);
    EXPECT_EQ(amountIn(GameData::items, 1001), 1);
    EXPECT_EQ(line(), "Junk gone.");
    EXPECT_FALSE(shop->junkWindowOpen);
    EXPECT_FALSE(shop->junkWindow->get_parent());

    // Removing every listed item leaves the empty state.
    shop->sellJunkClick();
    ASSERT_EQ(shop->junkItems->size(), 1u);
    shop->useJunkItem(sword);
    EXPECT_EQ(shop->totalGold, 0);
    EXPECT_TRUE(shop->junkSellButton->disabled);
    click(shop->junkSellButton);
    EXPECT_TRUE(shop->junkWindowOpen) << "a disabled Sell Junk does nothing";
    EXPECT_EQ(GameData::gold, 4);
    shop->cancelJunkSell();
}

TEST_F(ShopTest, OpeningLendsTheInventoryAndTheGoldDisplayAndClosingGivesThemBack) {
    setLines();
    GameData::gold = 123;
    ui->updateGold();
    const double hudGoldX = ui->goldSprite->get_x();
    EXPECT_EQ(ui->goldSprite->get_parent(), ui->caveLayer.get());
    auto entry = stock(item(1001, 10), 1);
    auto held = hold(item(3001, 10), 1);

    ui->openShop();
    EXPECT_TRUE(ui->shopOpen);
    EXPECT_TRUE(ui->inventoryOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_TRUE(ui->UIWinBG->get_visible());
    ASSERT_EQ(shop->get_parent(), ui->UIWinHolder.get());
    ASSERT_EQ(ui->inventory->get_parent(), ui->UIWinHolder.get());
    EXPECT_GT(ui->UIWinHolder->getChildIndex(ui->inventory), ui->UIWinHolder->getChildIndex(shop))
        << "the panel lies over the shop's lower windows";
    EXPECT_EQ(ui->inventory->get_y(), 360);
    EXPECT_EQ(line(), "Welcome!");
    EXPECT_EQ(shop->shopScroller->currentItems.size(), 1u);
    EXPECT_EQ(ui->goldSprite->get_parent(), shop.get());
    EXPECT_EQ(ui->goldSprite->get_y(), 126);
    EXPECT_EQ(ui->goldSprite->get_x(), 960 - ui->goldText->textWidth - 20 - 10);

    // The panel reports to the shop now; then a stock choice.
    selectHeld(held);
    EXPECT_EQ(line(), "Selling?");
    EXPECT_FALSE(shop->sellOneButton->disabled);
    selectInStock(entry);
    EXPECT_TRUE(shop->shopItemSelected);

    ui->closeShop();
    EXPECT_FALSE(ui->shopOpen);
    EXPECT_FALSE(ui->inventoryOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_FALSE(shop->get_parent());
    EXPECT_FALSE(ui->UIWinBG->get_visible());
    EXPECT_EQ(ui->goldSprite->get_parent(), ui->caveLayer.get());
    EXPECT_EQ(ui->goldSprite->get_x(), hudGoldX);
    EXPECT_EQ(ui->goldSprite->get_y(), 5);
    EXPECT_FALSE(shop->shopItemSelected);
    EXPECT_FALSE(shop->itemDetails->item);
    EXPECT_TRUE(shop->buyOneButton->disabled);
    EXPECT_EQ(state->freeShopCloses, 0);

    // The Back button closes through the root as well.
    ui->openShop();
    click(shop->backButton);
    EXPECT_FALSE(ui->shopOpen);
}

TEST_F(ShopTest, TheScrollingHintComesWithTheFirstShopOnFloorZeroOnly) {
    const auto id = static_cast<std::size_t>(game::MessageWindow::ID_LOTSA_ITEMS);
    auto hintShown = [&] { return ui->messageWinOpen && ui->messageWindow == game::MessageWindow::WIN_LOTSA_ITEMS; };
    // A deeper shop marks it seen without showing it; floor 0 then shows nothing either.
    GameData::currentFloor = 10;
    ui->openShop();
    EXPECT_FALSE(hintShown());
    ASSERT_GT(GameData::messageWins.size(), id);
    EXPECT_TRUE(GameData::messageWins[id]);
    ui->closeShop();
    GameData::currentFloor = 0;
    GameData::inCave = false;
    ui->openShop();
    EXPECT_FALSE(hintShown());
    ui->closeShop();

    // A fresh save: the first shop on floor 0 shows it, the next visit does not.
    GameData::messageWins.clear();
    ui->openShop();
    EXPECT_TRUE(hintShown());
    EXPECT_TRUE(GameData::messageWins[id]);
    ui->closeMessageWin();
    ui->closeShop();
    ui->openShop();
    EXPECT_FALSE(hintShown());
    ui->closeShop();
}

TEST_F(ShopTest, TheSpeechEndAndTheFreeShopReachTheShopByName) {
    // A shopkeeper's "openShop" option opens the shop when the bubble closes.
    state->openShopAfterSpeech = true;
    state->closeLastSpeechText();
    EXPECT_TRUE(ui->shopOpen);
    EXPECT_FALSE(ui->cheatShopOpen);
    EXPECT_FALSE(state->openShopAfterSpeech);
    ui->closeShop();

    // The free shop: its own stock and lines, no gold needed, the kept stock back on closing.
    auto kept = stock(item(1001, 10), 1);
    auto freeItem = item(1002, 500, ItemData::TYPE_WEAPON);
    GameData::freeShopItems = {freeItem};
    GameData::freeShopIcons = {make<game::HeldItemIcon>(freeItem, true)};
    GameData::gold = 0;
    state->openFreeShop();
    EXPECT_TRUE(ui->shopOpen);
    EXPECT_TRUE(ui->cheatShopOpen);
    EXPECT_TRUE(shop->cheatShop);
    EXPECT_EQ(line(), "Everything's free!");
    EXPECT_EQ(shop->cantBuyDialogue.str(), "I don't want that!");
    selectInStock(freeItem);
    ASSERT_TRUE(shop->shopItemSelected);
    // What other windows read and call by name is there.
    EXPECT_TRUE(Value(shop).field("shopItemSelected").toBool());
    EXPECT_EQ(Value(shop).field("shopScroller").as<runtime::Object>(), shop->shopScroller.get());
    for (const char* name : {"buyOne", "selectInventoryItem", "useItem", "deselectInvItem", "updateShopItems", "open",
                             "update", "setShopDialogue"})
        EXPECT_TRUE(Value(shop).field(name).function()) << name;
    // The item comparison buys by name with an equipment slot.
    const Value bought = Value(shop).field("buyOne").function()->callArgs(std::vector<Value>{Value(0)}.data(), 1);
    EXPECT_TRUE(bought.toBool());
    EXPECT_EQ(GameData::gold, 0);
    ASSERT_TRUE(GameData::equippedItems[0]);
    EXPECT_EQ(GameData::equippedItems[0]->data->id, 1002);
    ui->closeShop();
    EXPECT_EQ(state->freeShopCloses, 1);
    EXPECT_FALSE(shop->cheatShop);
    EXPECT_EQ(ids(GameData::shopItems), std::vector<int>{1001});
    EXPECT_EQ(GameData::shopItems[0].get(), kept.get());
}

TEST_F(ShopTest, RebuildingTheUIMakesANewScreenAndLeavesNoJunkCoverBehind) {
    setLines();
    ui->openShop();
    hold(item(3001, 5), 1);
    shop->sellJunkClick();
    auto oldShop = shop;
    ASSERT_EQ(oldShop->junkWindow->get_parent(), ui->mainLayer.get());
    ui->reCreateUI();
    EXPECT_FALSE(ui->shopOpen);
    EXPECT_NE(ui->shop.get(), oldShop.get());
    EXPECT_FALSE(oldShop->junkWindow->get_parent());
    EXPECT_FALSE(oldShop->blackTint->get_parent());
    EXPECT_EQ(ui->shop->welcomeDialogue.str(), "WELCOME NOT SET");
    shop = ui->shop;
}

TEST_F(ShopTest, TheJunkWindowIsDrawnCentredOverADarkenedShop) {
    auto picture = testing_game::StagePicture::of("shop-junk.png", [&] {
        onStage({[&] {
                     ui = make<UI>();
                     game::Game::ui = ui;
                     shop = ui->shop;
                     framework::Lib::get_stage()->addChild(ui);
                     setLines();
                     stock(item(1001, 10), 2);
                     hold(item(3001, 5), 3);
                     hold(item(1002, 11), 1);
                     ui->openShop();
                     shop->sellJunkClick();
                 },
                 [] {}, [] {}});
    });
    ASSERT_TRUE(picture.loaded()) << picture.path;
    auto brightIn = [&](int x0, int y0, int x1, int y1) { return picture.brighter(x0, y0, x1, y1, 400); };
    // The shop's "Back", stock and keeper's line lie under the opaque cover (the outermost
    // columns left aside); the window (960 x 250 at y 145) shows its title, its two listed stacks
    // and its buttons.
    EXPECT_EQ(brightIn(4, 0, 956, 140), 0);
    EXPECT_EQ(brightIn(4, 400, 956, 540), 0);
    EXPECT_GT(brightIn(400, 149, 560, 172), 30) << "title";
    EXPECT_GT(brightIn(20, 200, 400, 310), 30) << "listed items";
    EXPECT_GT(brightIn(371, 325, 371 + 217, 379), 30) << "Sell Junk with its total";
    EXPECT_GT(brightIn(723, 325, 723 + 217, 365), 30) << "Cancel";
}
