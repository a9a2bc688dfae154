// The UI root: its layers and layout for the game area, the menu and its locks, the modal
// windows and notices, the HUD figures and the fades.
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

using game::G;
using game::GameData;
using game::MessageWindow;
using game::UI;
using runtime::make;
using runtime::Ref;

namespace {

class UITest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        setGameArea(960, 540);
        GameData::gold = 0;
        GameData::inCave = false;
        GameData::currentFloor = 0;
        GameData::messageWins.assign(MessageWindow::NUM_WINS, false);
        G::pauseGame = false;
        G::disableMenu = false;
        G::mapState = make<game::MapState>();
        MessageWindow::createStaticWindows();
        ui = make<UI>();
    }

    void TearDown() override {
        ui = nullptr;
        G::mapState = nullptr;
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    static void setGameArea(int w, int h) {
        game::Game::screenWidth = game::Game::gameWidth = w;
        game::Game::screenHeight = game::Game::gameHeight = h;
        game::Game::gameCenter = make<framework::Point>(w / 2, h / 2);
        game::Game::scaleFactor = 1;
    }

    int indexIn(const Ref<framework::DisplayObject>& child) { return ui->getChildIndex(child); }

    Ref<UI> ui;
};

}  // namespace

TEST_F(UITest, AtNineSixtyByFiveFortyTheHudSitsInItsPlaces) {
    // Layers bottom to top.
    ASSERT_EQ(ui->get_numChildren(), 5);
    EXPECT_EQ(indexIn(ui->transitionLayer), 0);
    EXPECT_EQ(indexIn(ui->rainLayer), 1);
    EXPECT_EQ(indexIn(ui->caveLayer), 2);
    EXPECT_EQ(indexIn(ui->mainLayer), 3);
    EXPECT_EQ(indexIn(ui->overLayer), 4);
    EXPECT_FALSE(ui->get_mouseEnabled());
    EXPECT_FALSE(ui->caveLayer->get_mouseEnabled());
    EXPECT_FALSE(ui->overLayer->get_mouseEnabled());
    EXPECT_FALSE(ui->rainLayer->get_visible());
    EXPECT_EQ(ui->selectedWindow, -1);

    // Hotkey bar 675 x 60 at (92, 480), centred left of the minimap's column, with the items button
    // 70 x 66 right of it on the bottom edge.
    EXPECT_EQ(UI::hotkeyBarWidth(), 675);
    EXPECT_EQ(ui->itemsButton->get_x(), 92 + 675);
    EXPECT_EQ(ui->itemsButton->get_y(), 474);
    EXPECT_EQ(ui->itemsButton->buttonWidth, 70);
    EXPECT_EQ(ui->itemsButton->buttonHeight, 66);

    // Minimap 112 x 112 in the top right corner; the gold number ends 10 units left of it.
    EXPECT_EQ(game::MiniMap::MAP_WIDTH, 112);
    EXPECT_EQ(game::MiniMap::MAP_HEIGHT, 112);
    EXPECT_EQ(ui->miniMap->get_x(), 848);
    EXPECT_EQ(ui->miniMap->get_y(), 0);
    EXPECT_EQ(ui->miniMap->get_parent().get(), ui->caveLayer.get());
    EXPECT_EQ(ui->goldSprite->get_x() + ui->goldText->get_x() + ui->goldText->textWidth, 838);
    EXPECT_EQ(ui->goldSprite->get_y(), 5);
    EXPECT_EQ(ui->goldText->text.str(), "0");

    EXPECT_EQ(ui->floorText->get_x(), 480);
    EXPECT_EQ(ui->floorText->get_y(), 5);
    EXPECT_EQ(ui->floorText->text.str(), "Town");
    EXPECT_EQ(ui->skillPointsButton->get_x(), 960);
    EXPECT_EQ(ui->skillPointsButton->get_y(), 122);
    EXPECT_EQ(ui->gameSavedText->get_y(), 450);
    EXPECT_EQ(ui->gameSavedText->get_alpha(), 0);
    EXPECT_EQ(ui->deathText->get_x(), 480);
    EXPECT_EQ(ui->deathText->get_y(), 261);
    EXPECT_EQ(ui->deathText2->get_y(), 470);
    EXPECT_EQ(ui->transitionBarThickness, 36);
    EXPECT_EQ(ui->UIWinHolder->get_x(), 0);
    EXPECT_EQ(ui->UIWinHolder->get_y(), 0);
    EXPECT_EQ(ui->mapWindow->get_x(), 480 - game::MapWindow::WIDTH * 0.5);
    EXPECT_EQ(ui->overBlack->get_width(), 960);
    EXPECT_EQ(ui->overBlack->get_height(), 540);
}

TEST_F(UITest, ReLayoutCentresTheMenuHolderAndNarrowsTheHotkeyBar) {
    struct Case {
        int w, h;
        double holderX, holderY;
        int barWidth;
    };
    for (const Case& c : {Case{1280, 720, 160, 90, 675}, Case{960, 540, 0, 0, 675}, Case{800, 500, -80, -20, 675},
                          Case{775, 540, -92, 0, 675}, Case{700, 540, -130, 0, 600}}) {
        SCOPED_TRACE(c.w);
        setGameArea(c.w, c.h);
        ui->reCreateUI();
        EXPECT_EQ(ui->UIWinHolder->get_x(), c.holderX);
        EXPECT_EQ(ui->UIWinHolder->get_y(), c.holderY);
        // The window background covers exactly the game area whatever the holder's offset.
        EXPECT_EQ(ui->UIWinBG->get_x(), -c.holderX);
        EXPECT_EQ(ui->UIWinBG->get_y(), -c.holderY);
        EXPECT_EQ(ui->UIWinBG->get_width(), c.w);
        EXPECT_EQ(ui->UIWinBG->get_height(), c.h);
        EXPECT_EQ(UI::hotkeyBarWidth(), c.barWidth);
        EXPECT_EQ(ui->itemsButton->get_x(), static_cast<int>((c.w - 100) * 0.5 - c.barWidth * 0.5) + c.barWidth);
        EXPECT_EQ(ui->itemsButton->get_y(), c.h - 66);
        EXPECT_EQ(ui->miniMap->get_x(), c.w - 112);
        // Layers are not doubled by a re-layout.
        EXPECT_EQ(ui->get_numChildren(), 5);
    }
}

TEST_F(UITest, OpeningTheMenuTwiceGivesOneMenuAndClosingGivesTheHudBack) {
    GameData::inCave = true;
    ui->openMenu();
    ui->openMenu();
    EXPECT_TRUE(ui->menuOpen);
    EXPECT_TRUE(ui->inventoryOpen);
    EXPECT_TRUE(ui->equipmentOpen);
    EXPECT_EQ(ui->selectedWindow, UI::WIN_EQUIPMENT);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_FALSE(ui->caveLayer->get_visible());
    EXPECT_TRUE(ui->UIWinBG->get_visible());
    // The background, the equipment tab, the tab bar and the inventory strip.
    EXPECT_EQ(ui->UIWinHolder->get_numChildren(), 4);
    EXPECT_EQ(ui->inventory->get_parent().get(), ui->UIWinHolder.get());
    EXPECT_EQ(ui->miniMap->get_parent(), nullptr);

    ui->closeMenu();
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(ui->inventoryOpen);
    EXPECT_FALSE(ui->equipmentOpen);
    EXPECT_EQ(ui->selectedWindow, -1);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_TRUE(ui->caveLayer->get_visible());
    EXPECT_FALSE(ui->UIWinBG->get_visible());
    EXPECT_EQ(ui->miniMap->get_parent().get(), ui->caveLayer.get());
    EXPECT_EQ(ui->goldSprite->get_parent().get(), ui->caveLayer.get());

    // In town the dungeon HUD stays hidden after the menu; leaving for the title keeps the pause.
    GameData::inCave = false;
    ui->openMenu();
    ui->exitingToTitle = true;
    ui->closeMenu();
    EXPECT_FALSE(ui->caveLayer->get_visible());
    EXPECT_TRUE(G::pauseGame);
    EXPECT_FALSE(ui->exitingToTitle);
}

TEST_F(UITest, TheItemsButtonAndModalWindowsKeepTheMenuShut) {
    G::disableMenu = true;
    ui->itemsClick();
    EXPECT_FALSE(ui->menuOpen);
    G::disableMenu = false;
    ui->itemsButton->disable();
    ui->itemsClick();
    EXPECT_FALSE(ui->menuOpen);
    ui->itemsButton->enable();

    // Slot choice, hero choice, level-up ring, question, death screen: the menu stays shut.
    for (bool UI::*flag : {&UI::slotWinOpen, &UI::chooseHeroWinOpen, &UI::chooseMenuOpen, &UI::yesNoWinOpen}) {
        (*ui).*flag = true;
        ui->openMenu();
        EXPECT_FALSE(ui->menuOpen);
        (*ui).*flag = false;
    }
    ui->overLayer->addChild(ui->deathText);
    ui->openMenu();
    EXPECT_FALSE(ui->menuOpen);
    ui->overLayer->removeChild(ui->deathText);
    ui->itemsClick();
    EXPECT_TRUE(ui->menuOpen);
}

TEST_F(UITest, AMessageWindowGivesBackOnlyTheLocksItTook) {
    // Free play: the hint locks menu and movement and its close frees both.
    ui->openMessageWin(MessageWindow::WIN_INTRO);
    EXPECT_TRUE(ui->messageWinOpen);
    EXPECT_TRUE(G::disableMenu);
    EXPECT_TRUE(G::mapState->disableMovement);
    EXPECT_EQ(ui->messageWindow->get_x(), static_cast<int>(480 - ui->messageWindow->winWidth * 0.5));
    ui->closeMessageWin();
    EXPECT_FALSE(ui->messageWinOpen);
    EXPECT_FALSE(G::disableMenu);
    EXPECT_FALSE(G::mapState->disableMovement);

    // Inside a scripted scene the scene's locks stay after the hint closes.
    G::disableMenu = true;
    G::mapState->disableMovement = true;
    ui->openMessageWin(MessageWindow::WIN_INTRO);
    ui->closeMessageWin();
    EXPECT_TRUE(G::disableMenu);
    EXPECT_TRUE(G::mapState->disableMovement);

    // Beating the demon leads straight into the new-game-plus message; the menu stays blocked
    // until that one closes.
    G::disableMenu = false;
    G::mapState->disableMovement = false;
    ui->openMessageWin(MessageWindow::WIN_BEAT_THE_DEMON);
    ui->closeMessageWin();
    EXPECT_EQ(ui->messageWindow, MessageWindow::WIN_NEW_GAME_PLUS);
    EXPECT_TRUE(ui->messageWinOpen);
    EXPECT_TRUE(G::disableMenu);
    ui->closeMessageWin();
    EXPECT_FALSE(G::disableMenu);
    EXPECT_FALSE(G::mapState->disableMovement);
}

TEST_F(UITest, LoadingAndResizeNoticesLockAndUnlock) {
    ui->openLoadingScreen(true);
    EXPECT_EQ(ui->loadingScreen->get_parent().get(), ui->overLayer.get());
    EXPECT_EQ(ui->loadingScreen->get_alpha(), 1);
    EXPECT_TRUE(ui->loadingScreenOpen);
    EXPECT_TRUE(G::disableMenu);
    EXPECT_TRUE(G::mapState->disableMovement);
    // Progress shows in thousandths, truncated: 0.0625 is 62 of 1000 (the bar's 300 pixels: 19).
    struct Case {
        double progress;
        double width;
    };
    for (const Case& c : {Case{0.5, 150}, Case{1, 300}, Case{0.0625, 19}}) {
        ui->loadingScreen->update(c.progress);
        EXPECT_EQ(ui->loadingScreen->bar->stuff->get_scrollRect()->width, c.width);
    }
    ui->closeLoadingScreen(true);
    EXPECT_EQ(ui->loadingScreen->get_parent(), nullptr);
    EXPECT_FALSE(ui->loadingScreenOpen);
    EXPECT_FALSE(G::disableMenu);

    // On the title screen the locks stay after the resize notice closes.
    for (bool title : {false, true}) {
        ui->titleShowing = title;
        ui->openResizeScreen();
        EXPECT_TRUE(ui->resizeScreenOpen);
        EXPECT_EQ(ui->resizeScreen->get_parent().get(), ui->overLayer.get());
        ui->closeResizeScreen();
        EXPECT_FALSE(ui->resizeScreenOpen);
        EXPECT_EQ(ui->resizeScreen->get_parent(), nullptr);
        EXPECT_EQ(G::disableMenu, title);
        EXPECT_EQ(G::mapState->disableMovement, title);
    }
}

TEST_F(UITest, HudFiguresFollowTheGameData) {
    GameData::gold = 12345;
    game::DataUI::get().updateGold();
    EXPECT_EQ(ui->goldText->text.str(), "12345");
    EXPECT_EQ(ui->goldSprite->get_x() + ui->goldText->get_x() + ui->goldText->textWidth, 838);

    GameData::currentFloor = 7;
    game::DataUI::get().updateFloor();
    EXPECT_EQ(ui->floorText->text.str(), "Town");
    GameData::inCave = true;
    ui->updateFloor();
    EXPECT_EQ(ui->floorText->text.str(), "Floor 7");

    // Low health strictly below a fifth.
    GameData::maxHP = 100;
    for (auto [hp, low] : {std::pair{20, false}, std::pair{19, true}, std::pair{100, false}}) {
        GameData::hp = hp;
        ui->updateHPMPExp();
        EXPECT_EQ(G::mapState->healthIsLow, low) << hp;
    }

    // Gold changes float next to the number: gains in yellow with a plus, losses in red.
    struct Case {
        int amount;
        const char* text;
        Ref<game::SpriteFont> font;
    };
    for (const Case& c : {Case{0, "+0", game::TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW},
                          Case{-50, "-50", game::TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED}}) {
        const std::size_t effects = G::mapState->menuEffects.size();
        ui->showGoldAnim(c.amount);
        auto text = G::mapState->menuEffects.back().cast<game::TextSprite>();
        ASSERT_EQ(G::mapState->menuEffects.size(), effects + 1);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->text.str(), c.text);
        EXPECT_EQ(text->font, c.font);
        EXPECT_EQ(text->get_parent().get(), ui->goldSprite.get());
        EXPECT_EQ(text->get_x() + text->textWidth, ui->goldText->get_x() + ui->goldText->textWidth);
        EXPECT_EQ(text->get_y(), 9);
    }
    ui->showExpAnim(30);
    auto exp = G::mapState->menuEffects.back().cast<game::TextSprite>();
    EXPECT_EQ(exp->text.str(), "Exp + 30");
    EXPECT_EQ(exp->get_parent().get(), ui->mainLayer.get());

    // "Game Saved" slides in from just outside the left edge to x 4.
    ui->showSaveText();
    EXPECT_EQ(ui->gameSavedText->get_x(), -ui->gameSavedText->textWidth);
    EXPECT_EQ(ui->gameSavedText->get_alpha(), 1);
    EXPECT_TRUE(runTweensUntil([&] { return ui->gameSavedText->get_x() == 4; }));
}

TEST_F(UITest, AFadedOutWindowLeavesItsParentWhenTheFadeEnds) {
    auto win = MessageWindow::WIN_INTRO;
    ui->tweenInSprite(win);
    EXPECT_EQ(win->get_parent().get(), ui->overLayer.get());
    EXPECT_EQ(ui->overBlack->get_parent().get(), ui->overLayer.get());
    EXPECT_TRUE(runTweensUntil([&] { return win->get_alpha() == 1 && ui->overBlack->get_alpha() == 0.5; }));
    ui->tweenOutSprite(win);
    EXPECT_TRUE(ui->tweeningOutWindow);
    EXPECT_TRUE(runTweensUntil([&] { return !win->get_parent() && !ui->overBlack->get_parent(); }));
    EXPECT_FALSE(ui->tweeningOutWindow);
    EXPECT_EQ(win->get_alpha(), 0);
}
