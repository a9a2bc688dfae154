// The gem shop in the town: its layout and price tags, the price rule, buying with enough and too
// little gold, the gem set off on the hero's cell, and opening it from the salesman's question.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>


#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/floor/StatGem.h"
#include "game/floor/TiledMap.h"
#include "game/map/NPC.h"
#include "game/town/UIGemShop.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "tests/game/kit/StagePicture.h"
#include "tests/game/map/MapStateFixture.h"

using game::G;
using game::GameData;
using game::StatGem;
using game::UI;
using game::UIGemShop;
using runtime::make;
using runtime::Ref;

namespace {

const char* const WELCOME = "I got the gems if you got the gold!";
const char* const THANKS = "Thanks a lot!";
const char* const TOO_POOR = "Sorry, you're gonna need more gold!";

class GemShopTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        game::Game::screenWidth = 960;
        game::Game::screenHeight = 540;
        game::NPC::makeNPCAnimArray();
        GameData::inCave = false;
        GameData::currentFloor = 0;
        state->goToMap(game::TiledMap::TOWN, nullptr);
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
        shop = ui->gemShop.cast<UIGemShop>();
        G::pauseGame = false;
    }

    void TearDown() override {
        shop = nullptr;
        ui = nullptr;
        game::DataUI::install(nullptr);
        MapStateFixture::TearDown();
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    // The window's buttons: the five gems by name, then "Close".
    Ref<game::BasicButton> gemButton(int type) {
        return shop->getChildByName(std::to_string(type)).cast<game::BasicButton>();
    }
    Ref<game::BasicButton> closeButton() {
        for (int i = shop->get_numChildren() - 1; i >= 0; --i)
            if (auto b = shop->getChildAt(i).cast<game::BasicButton>())
                if (b->get_name().str().size() != 1) return b;
        return nullptr;
    }
    static int prices(int type) { return *UIGemShop::priceOf(type); }
    static void setPrices(int hp, int mp, int att, int def, int mag) {
        GameData::hpGemCost = hp;
        GameData::mpGemCost = mp;
        GameData::attGemCost = att;
        GameData::defGemCost = def;
        GameData::magGemCost = mag;
    }

    Ref<UI> ui;
    Ref<UIGemShop> shop;
};

}  // namespace

TEST_F(GemShopTest, TheWindowHoldsFiveGemButtonsLeftToRightAndCloseBelow) {
    ASSERT_TRUE(shop);
    EXPECT_EQ(shop->winWidth, 520);
    EXPECT_EQ(shop->winHeight, 184);
    // Centred on the game area by the root's layout.
    EXPECT_EQ(shop->get_x(), 480 - 260);
    EXPECT_EQ(shop->get_y(), 270 - 92);
    EXPECT_EQ(shop->message->get_text().str(), WELCOME);
    EXPECT_EQ(shop->message->get_x(), 260);
    EXPECT_EQ(shop->message->get_y(), 10);
    EXPECT_TRUE(shop->message->animated);

    const char* labels[] = {"HP", "MP", "Attack", "Defense", "Magic"};
    const Ref<game::BitmapSprite> tags[] = {shop->hpCostSprite, shop->mpCostSprite, shop->attackCostSprite,
                                            shop->defenseCostSprite, shop->magicCostSprite};
    for (int type = 0; type < 5; ++type) {
        auto button = gemButton(type);
        ASSERT_TRUE(button) << type;
        EXPECT_EQ(button->buttonWidth, UIGemShop::BUTTON_WIDTH);
        EXPECT_EQ(button->buttonHeight, UIGemShop::BUTTON_HEIGHT);
        EXPECT_EQ(button->get_x(), 20 + 100 * type);
        EXPECT_EQ(button->get_y(), 40);
        EXPECT_EQ(tags[type]->get_parent(), button.get()) << type;
        EXPECT_EQ(tags[type]->get_y(), 56);
        // Label, price tag, and the doubled gem drawn last, centred over the label.
        Ref<game::TextSprite> label;
        for (int i = 0; i < button->get_numChildren() && !label; ++i) label = button->getChildAt(i).cast<game::TextSprite>();
        ASSERT_TRUE(label);
        EXPECT_EQ(label->get_text().str(), labels[type]);
        auto gem = button->getChildAt(button->get_numChildren() - 1).cast<game::BitmapSprite>();
        ASSERT_TRUE(gem);
        EXPECT_EQ(gem->get_scaleX(), 2);
        EXPECT_EQ(gem->get_x(), 40 - 14);
        EXPECT_EQ(gem->get_y(), 20);
        EXPECT_EQ(gem->anim->startY, 17 * type) << "the gem of its own kind";
    }
    auto close = closeButton();
    ASSERT_TRUE(close);
    EXPECT_EQ(close->buttonWidth, 80);
    EXPECT_EQ(close->get_x(), 220);
    EXPECT_EQ(close->get_y(), 134);
}

TEST_F(GemShopTest, PricesRiseByHalfCutToWholeHundreds) {
    const std::pair<int, int> steps[] = {{500, 700},     {700, 1000},    {1000, 1500},   {1500, 2200},
                                         {2200, 3300},   {3300, 4900},   {4900, 7300},   {7300, 10900},
                                         {10900, 16300}, {16300, 24400}, {0, 0},         {99, 100}};
    for (auto [from, to] : steps) EXPECT_EQ(UIGemShop::nextPrice(from), to) << from;
    // A price past what an Int holds stays at the dearest whole hundred instead of wrapping.
    EXPECT_EQ(UIGemShop::nextPrice(2000000000), 2147483600);
    EXPECT_EQ(UIGemShop::nextPrice(2147483600), 2147483600);
}

TEST_F(GemShopTest, PriceTagsCentreIconAndNumberOnTheButton) {
    setPrices(500, 700, 1000, 24400, 10900);
    shop->updateCosts();
    const Ref<game::TextSprite> texts[] = {shop->hpCostText, shop->mpCostText, shop->attackCostText,
                                           shop->defenseCostText, shop->magicCostText};
    const Ref<game::BitmapSprite> tags[] = {shop->hpCostSprite, shop->mpCostSprite, shop->attackCostSprite,
                                            shop->defenseCostSprite, shop->magicCostSprite};
    const char* shown[] = {"500", "700", "1000", "24400", "10900"};
    for (int type = 0; type < 5; ++type) {
        EXPECT_EQ(texts[type]->get_text().str(), shown[type]);
        EXPECT_EQ(texts[type]->get_x(), 20);
        EXPECT_EQ(texts[type]->get_y(), 1);
        EXPECT_DOUBLE_EQ(tags[type]->get_x(), 30 - texts[type]->textWidth * 0.5) << type;
    }
    // Longer numbers sit further left.
    EXPECT_LT(tags[2]->get_x(), tags[0]->get_x());
    EXPECT_LT(tags[3]->get_x(), tags[2]->get_x());
}

TEST_F(GemShopTest, OpeningPausesShowsGoldOnTopAndClosingPutsItBack) {
    GameData::gold = 1234;
    setPrices(500, 700, 1000, 1500, 2200);
    shop->message->set_text(THANKS);
    ui->openGemShop();
    EXPECT_TRUE(ui->gemShopOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_EQ(shop->get_parent(), ui->overLayer.get());
    EXPECT_EQ(ui->overBlack->get_parent(), ui->overLayer.get());
    // The gold display leaves the HUD for the top of the root.
    EXPECT_EQ(ui->goldSprite->get_parent(), ui.get());
    EXPECT_EQ(ui->getChildIndex(ui->goldSprite), ui->get_numChildren() - 1);
    EXPECT_EQ(shop->mpCostText->get_text().str(), "700");
    // The welcome is typed out again from its first letter, a frame at a time while paused.
    EXPECT_EQ(shop->message->get_text().str(), WELCOME);
    EXPECT_EQ(shop->message->nextCharIndexToShow, 0);
    ui->updatePausedStuff();
    ui->updatePausedStuff();
    EXPECT_EQ(shop->message->nextCharIndexToShow, 4);
    EXPECT_TRUE(runTweensUntil([&] { return shop->get_alpha() > 0.99; }));

    click(closeButton());
    EXPECT_FALSE(ui->gemShopOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_EQ(ui->goldSprite->get_parent(), ui->caveLayer.get());
    EXPECT_TRUE(runTweensUntil([&] { return !shop->get_parent(); }));
    // Not typed while closed.
    const int shownChars = shop->message->nextCharIndexToShow;
    ui->updatePausedStuff();
    EXPECT_EQ(shop->message->nextCharIndexToShow, shownChars);
}

TEST_F(GemShopTest, ExactGoldBuysTheGemOnTheHerosCellAndOnlyItsPriceRises) {
    setPrices(500, 700, 1000, 1500, 2200);
    GameData::gold = 1000;
    GameData::attGems = GameData::attGemsThisRun = 0;
    const int attack = GameData::attack;
    ui->openGemShop();
    auto holder = state->hero->get_parent();
    ASSERT_TRUE(holder);
    const int before = holder->get_numChildren();
    state->foundFloorObjects = 0;

    click(gemButton(StatGem::TYPE_ATTACK));
    EXPECT_EQ(GameData::gold, 0);
    EXPECT_EQ(shop->message->get_text().str(), THANKS);
    EXPECT_EQ(prices(StatGem::TYPE_ATTACK), 1500);
    EXPECT_EQ(shop->attackCostText->get_text().str(), "1500");
    const int unchanged[] = {500, 700, 1000, 1500, 2200};
    for (int other : {0, 1, 3, 4}) EXPECT_EQ(prices(other), unchanged[other]) << other;
    // The gem itself gives the stat and counts, then bursts into dots beside the hero.
    EXPECT_EQ(GameData::attack, attack + 1);
    EXPECT_EQ(GameData::attGems, 1);
    EXPECT_EQ(GameData::attGemsThisRun, 1);
    ASSERT_EQ(state->boughtGems.size(), 1u);
    auto gem = state->boughtGems[0];
    EXPECT_EQ(gem->type, StatGem::TYPE_ATTACK);
    EXPECT_TRUE(gem->exploding);
    ASSERT_TRUE(gem->tile);
    EXPECT_EQ(gem->tile->lev_x, state->hero->lev_x);
    EXPECT_EQ(gem->tile->lev_y, state->hero->lev_y);
    EXPECT_EQ(gem->dots.size(), 10u);
    EXPECT_EQ(gem->dots[0]->get_parent(), holder.get());
    EXPECT_EQ(holder->get_numChildren(), before + 10);
    // A bought gem is no find of the floor: buying cannot count toward sweeping it (the town's
    // count of objects to find is 0, so one count would already call it swept).
    EXPECT_EQ(state->foundFloorObjects, 0);
    // The bought gem is not left standing on the cell.
    EXPECT_NE(state->mapData->tileAt(state->hero->lev_x, state->hero->lev_y)->tObj, Ref<game::TileObject>(gem));

    // The gems burst while the shop keeps the map paused, and leave the list when done.
    for (int i = 0; i < 200 && !state->boughtGems.empty(); ++i) state->update();
    EXPECT_TRUE(state->boughtGems.empty());
    EXPECT_EQ(holder->get_numChildren(), before);
    EXPECT_TRUE(G::pauseGame);
}

TEST_F(GemShopTest, TooLittleGoldOnlyChangesTheLineAndTheNextPurchaseIsThankedAnew) {
    setPrices(500, 700, 1000, 1500, 2200);
    GameData::gold = 699;
    const int maxMP = GameData::maxMP;
    ui->openGemShop();
    for (int i = 0; i < 40; ++i) ui->updatePausedStuff();

    click(gemButton(StatGem::TYPE_MP));
    EXPECT_EQ(shop->message->get_text().str(), TOO_POOR);
    EXPECT_EQ(shop->message->nextCharIndexToShow, 0);
    EXPECT_EQ(GameData::gold, 699);
    EXPECT_EQ(prices(StatGem::TYPE_MP), 700);
    EXPECT_EQ(GameData::maxMP, maxMP);
    EXPECT_TRUE(state->boughtGems.empty());

    for (int i = 0; i < 40; ++i) ui->updatePausedStuff();
    click(gemButton(StatGem::TYPE_HP));
    EXPECT_EQ(shop->message->get_text().str(), THANKS);
    EXPECT_EQ(shop->message->nextCharIndexToShow, 0) << "typed out anew";
    EXPECT_EQ(GameData::gold, 199);
    EXPECT_EQ(prices(StatGem::TYPE_HP), 700);
    EXPECT_EQ(state->boughtGems.size(), 1u);
}

TEST_F(GemShopTest, ReopeningGreetsAgainWithTheCurrentPrices) {
    setPrices(500, 500, 500, 500, 500);
    GameData::gold = 5000;
    ui->openGemShop();
    click(gemButton(StatGem::TYPE_MAGIC));
    click(gemButton(StatGem::TYPE_MAGIC));
    EXPECT_EQ(GameData::magGemCost, 1000);
    ui->closeGemShop();
    shop->magicCostText->set_text("");

    ui->openGemShop();
    EXPECT_EQ(shop->message->get_text().str(), WELCOME);
    EXPECT_EQ(shop->message->nextCharIndexToShow, 0);
    EXPECT_EQ(shop->magicCostText->get_text().str(), "1000");
    EXPECT_EQ(shop->hpCostText->get_text().str(), "500");
    EXPECT_EQ(GameData::gold, 5000 - 500 - 700);
}

TEST_F(GemShopTest, TheSalesmansYesOpensTheShop) {
    auto salesman = make<game::NPC>(state->mapData->tileAt(12, 12), 55);
    salesman->activate();
    ASSERT_TRUE(state->currentSpeech);
    EXPECT_EQ(state->currentSpeech->speechData->texts[0].str(), "Look at all these fantastic gems! Want to buy some?");
    EXPECT_EQ(state->currentSpeech->speechData->label1.str(), "openGemShop");
    state->currentSpeech->option1Click(nullptr);
    EXPECT_FALSE(state->currentSpeech);
    EXPECT_TRUE(ui->gemShopOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_EQ(shop->get_parent(), ui->overLayer.get());
}

TEST_F(GemShopTest, TheOpenShopIsDrawnOverTheDimmedMap) {
    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        auto stage = framework::Lib::get_stage();
        stage->addChild(make<framework::Bitmap>(
            make<framework::BitmapData>(960, 540, false, static_cast<int>(0xFF6A5A40))));
        stage->addChild(ui);
        GameData::gold = 2345;
        setPrices(500, 700, 1000, 1500, 16300);
        ui->updateGold();
        ui->openGemShop();
    });
    for (int i = 0; i < 40; ++i) steps.push_back([&] { ui->updatePausedStuff(); });
    auto picture = testing_game::StagePicture::of("gem-shop.png", [&] { onStage(steps); });
    ASSERT_TRUE(picture.loaded()) << picture.path;
    auto red = [&](int x, int y) { return picture.red(x, y); };
    // Half-dark around the window; the window's own face differs from a gem button's.
    EXPECT_NEAR(red(100, 100), 0x6A / 2, 3);
    EXPECT_NE(red(220 + 8, 178 + 100), red(220 + 20 + 40, 178 + 40 + 60));
}

TEST_F(GemShopTest, EscapeClosesTheShopWithoutOpeningTheMenu) {
    ui->openGemShop();
    press(27);
    step();
    release(27);
    step();
    EXPECT_FALSE(ui->gemShopOpen);
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_EQ(ui->goldSprite->get_parent(), ui->caveLayer.get());
}
