// The menu's settings tab and the title's options window: the button column and where it may be
// used, the quit-run and exit-to-title questions with their black fades, and the options window
// that shows the same settings panel.
#include <filesystem>

#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataSnapshot.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/kit/UIColor.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/town/UISettingsDetails.h"
#include "game/ui/UI.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"

using game::G;
using game::GameData;
using game::UI;
using runtime::make;
using runtime::Ref;

namespace {

class CountingState : public game::MapState {
public:
    int caveExits = 0, titles = 0, lockReleases = 0, cameraUpdates = 0;
    void exitCave() override {
        ++caveExits;
        GameData::inCave = false;
    }
    void goToTitle() override { ++titles; }
    void releaseBattleLocks() override { ++lockReleases; }
    void updateCamera() override { ++cameraUpdates; }
};

class SettingsTabTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::useOwnSaveFolder("settings-tab");
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::currentFloor = 0;
        GameData::inCave = false;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::hp = GameData::maxHP = 100;
        GameData::mp = GameData::maxMP = 10;
        GameData::gold = 50;
        GameData::beforeRunSnapshot = make<game::DataSnapshot>();
        GameData::beforeRunSnapshot->takeSnapshot();
        state = make<CountingState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
    }
    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::inCave = false;
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }
    void makeRoot() {
        ui = make<UI>();
        game::Game::ui = ui;
    }
    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }

    Ref<CountingState> state;
    Ref<UI> ui;
};

}  // namespace

TEST_F(SettingsTabTest, TheWindowFollowsTheGameAreaAndTheColumnTheTabArea) {
    struct Case {
        int w, h, winW, winH;
    };
    for (const Case& c : {Case{1280, 720, 960, 540}, Case{800, 450, 800, 450}}) {
        gameArea(c.w, c.h);
        makeRoot();
        EXPECT_EQ(ui->settingsWin->winWidth, c.winW) << c.w;
        EXPECT_EQ(ui->settingsWin->winHeight, c.winH) << c.w;
        // The column stands on a fifth of the tab area (the window less the panel and inventory).
        const double cx = (c.winW - 120) * 0.2;
        EXPECT_EQ(ui->changeCharButton->get_x(), std::trunc(cx - 95)) << c.w;
        EXPECT_DOUBLE_EQ(ui->changeCharButton->get_y(), (c.winH - 180) * 0.15) << c.w;
        EXPECT_EQ(ui->saveButton->get_x(), std::trunc(cx - 70));
        EXPECT_EQ(ui->charText->get_y(), ui->changeCharButton->get_y() + 43);
        EXPECT_EQ(ui->saveButton->get_y(), ui->charText->get_y() + ui->charText->textHeight + 20);
        EXPECT_EQ(ui->quitButton->get_y(), ui->saveText2->get_y() + ui->saveText2->textHeight + 20);
        EXPECT_EQ(ui->settingsExitButton->get_y(), ui->quitButton->get_y() + 60);
        EXPECT_EQ(ui->charText->get_text().str(), "(Only while in town)");
    }
}

TEST_F(SettingsTabTest, ButtonsWorkOnlyWhereTheyApply) {
    makeRoot();
    ui->openWindow(UI::WIN_SETTINGS);
    EXPECT_EQ(ui->settingsDetails->get_parent().get(), ui->settingsWin.get());

    // In town: no quitting, but the adventurer may be changed.
    click(ui->quitButton);
    EXPECT_FALSE(ui->yesNoWinOpen);
    click(ui->changeCharButton);
    EXPECT_TRUE(ui->chooseHeroWinOpen);
    ui->closeChooseHeroWin();

    // In the dungeon it is the other way round.
    GameData::inCave = true;
    ui->closeCurrentWindow();
    ui->openWindow(UI::WIN_SETTINGS);
    click(ui->changeCharButton);
    EXPECT_FALSE(ui->chooseHeroWinOpen);
    click(ui->quitButton);
    EXPECT_TRUE(ui->yesNoWinOpen);
    EXPECT_EQ(ui->yesNoWin.get(), ui->quitYesNoWin.get());
    ui->quitCancel();
    EXPECT_FALSE(ui->yesNoWinOpen);

    // No saving in the middle of a battle.
    state->inBattle = true;
    ui->closeCurrentWindow();
    ui->openWindow(UI::WIN_SETTINGS);
    EXPECT_TRUE(ui->saveButton->disabled);
}

TEST_F(SettingsTabTest, QuittingARunInBattleRollsItBackAndLetsTheBattleGo) {
    makeRoot();
    GameData::inCave = true;
    GameData::currentFloor = 7;
    GameData::gold = 900;
    state->inBattle = true;
    ui->openMenu();
    ui->openWindow(UI::WIN_SETTINGS);
    click(ui->quitButton);
    ui->quitConfirm();
    EXPECT_TRUE(G::disableMenu);
    EXPECT_FALSE(ui->yesNoWinOpen);
    ASSERT_TRUE(runTweensUntil([&] { return state->caveExits == 1; }));
    EXPECT_EQ(GameData::gold, 50);
    EXPECT_EQ(GameData::currentFloor, 0);
    EXPECT_FALSE(GameData::inCave);
    EXPECT_FALSE(state->inBattle);
    EXPECT_EQ(state->lockReleases, 1);
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(G::disableMenu);
    // The black lifts again.
    EXPECT_TRUE(runTweensUntil([&] { return ui->overBlack->get_alpha() < 0.01; }));
}

TEST_F(SettingsTabTest, LeavingForTheTitleSavesNothingAndKeepsTheGamePaused) {
    makeRoot();
    GameData::inCave = true;
    ui->openMenu();
    ui->openWindow(UI::WIN_SETTINGS);
    ui->exitButtonClicked(nullptr);
    EXPECT_EQ(ui->yesNoWin.get(), ui->exitYesNoWin.get());
    ui->exitConfirm();
    ASSERT_TRUE(runTweensUntil([&] { return state->titles == 1; }));
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(ui->exitingToTitle);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_FALSE(G::disableMenu);
    EXPECT_EQ(state->cameraUpdates, 1);
    EXPECT_EQ(state->lockReleases, 0);
    int files = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(std::getenv("XDG_DATA_HOME")))
        files += e.is_regular_file();
    EXPECT_EQ(files, 0);
}

TEST_F(SettingsTabTest, TheOptionsWindowShowsThePanelAndClosesFromTheOverlay) {
    makeRoot();
    ui->openOptions();
    EXPECT_TRUE(ui->settingsOpen);
    EXPECT_EQ(ui->settingsDetails->get_parent().get(), ui->optionsWindow.get());
    EXPECT_EQ(ui->settingsDetails->get_x(), 20);
    EXPECT_EQ(ui->settingsDetails->get_y(), 10);

    click(ui->overBlack);
    EXPECT_FALSE(ui->settingsOpen);
    EXPECT_FALSE(ui->settingsDetails->get_parent());

    // While a window fades out the overlay's click does nothing; a forced close still closes.
    ui->openOptions();
    ui->tweeningOutWindow = true;
    click(ui->overBlack);
    EXPECT_TRUE(ui->settingsOpen);
    ui->closeOptions(true);
    EXPECT_FALSE(ui->settingsOpen);
    ui->tweeningOutWindow = false;
    // The listener went with the close: a later click on the cover opens nothing and closes nothing.
    click(ui->overBlack);
    EXPECT_FALSE(ui->settingsOpen);
}
