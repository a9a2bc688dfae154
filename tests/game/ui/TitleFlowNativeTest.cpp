// The title and the save slots inside the real game: "Play" and "Close", the slot window's
// deletion and New Game+ buttons, and a slot saved in the dungeon rebuilt behind the curtain.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/EngG.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/events/MouseEvent.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "tests/game/PlayToTown.h"

using game::G;
using game::Game;
using game::GameData;
using game::UISlotWindow;
using runtime::make;
using runtime::Ref;
using testing_game::GameDriver;
using testing_game::untilTitle;

namespace {

Ref<UISlotWindow> slotWindow() { return Game::ui->slotWindow.cast<UISlotWindow>(); }

// Every text shown in a slot's summary, in order.
std::vector<std::string> summaryTexts(int slot) {
    std::vector<std::string> texts;
    std::function<void(const Ref<framework::DisplayObjectContainer>&)> walk = [&](const auto& c) {
        for (int i = 0; i < c->get_numChildren(); ++i) {
            auto child = c->getChildAt(i);
            if (auto t = child.template cast<game::TextSprite>()) texts.push_back(t->text.str());
            else if (auto inner = child.template cast<framework::DisplayObjectContainer>()) walk(inner);
        }
    };
    walk(slotWindow()->slotDetails[static_cast<std::size_t>(slot)]);
    return texts;
}

std::filesystem::path saveFile(const std::string& name) {
    for (const auto& e : std::filesystem::recursive_directory_iterator(std::getenv("XDG_DATA_HOME")))
        if (e.path().filename() == name + ".sol") return e.path();
    return {};
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

template <class T>
void setSlot(std::vector<T>& list, int slot, T value) {
    if (list.size() <= static_cast<std::size_t>(slot)) list.resize(static_cast<std::size_t>(slot) + 1);
    list[static_cast<std::size_t>(slot)] = value;
}

void clickOn(const Ref<framework::DisplayObject>& target) {
    target->dispatchEvent(make<framework::MouseEvent>(framework::MouseEvent::CLICK));
}

}  // namespace

TEST(TitleFlow, PlayOpensTheSlotsAndCloseSlidesTheTitleBackInHalfASecond) {
    GameDriver d("title-close");
    auto closedAt = std::make_shared<std::chrono::steady_clock::time_point>();
    auto seconds = std::make_shared<double>(0);
    untilTitle(d).then("Play", [] {
        EXPECT_TRUE(G::pauseGame);
        EXPECT_TRUE(G::disableMenu);
        EXPECT_EQ(Game::ui->titleButtons->get_y(), 540 - 225);
        Game::ui->startButtonClick();
        EXPECT_TRUE(Game::ui->slotWinOpen);
        EXPECT_FALSE(Game::ui->titleShowing);
    });
    d.until("the title has left", [] { return !Game::ui->logo->get_parent(); }, [] {
        EXPECT_EQ(slotWindow()->get_x(), 480 - 260);
        EXPECT_EQ(slotWindow()->get_y(), 270 - 250);
        // The menu lock went with the title; the slot window keeps the menu and the hero still.
        EXPECT_FALSE(G::disableMenu);
        Game::ui->itemsClick();
        EXPECT_FALSE(Game::ui->menuOpen);
        EXPECT_TRUE(G::mapState->disableMovement);
    });
    d.then("Close", [closedAt] {
        slotWindow()->closeClick();
        *closedAt = std::chrono::steady_clock::now();
        EXPECT_EQ(Game::ui->slotWindow, nullptr);
        EXPECT_FALSE(Game::ui->slotWinOpen);
        EXPECT_TRUE(Game::ui->titleShowing);
        EXPECT_EQ(Game::ui->titleButtons->get_y(), 540);
        EXPECT_TRUE(G::disableMenu);
    });
    d.until("the buttons are back", [] { return std::abs(Game::ui->titleButtons->get_y() - (540 - 225)) < 0.01; }, [closedAt, seconds] {
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - *closedAt).count();
        EXPECT_NEAR(Game::ui->logo->get_y(), static_cast<int>(540 * 0.22 - 168 * 0.5), 0.01);
        EXPECT_TRUE(Game::ui->logo->get_parent());
    }, 300);
    d.wait(40).then("the cancelled slide-away left the title up", [] {
        EXPECT_TRUE(Game::ui->logo->get_parent());
        EXPECT_TRUE(Game::ui->titleButtons->get_parent());
    });
    ASSERT_EQ(d.play(), "");
    EXPECT_GE(*seconds, 0.45);
    EXPECT_LT(*seconds, 2.0);
}

TEST(TitleFlow, DeleteSlidesTheSlotsOnceAndEmptiesOnlyTheChosenSlot) {
    GameDriver d("title-delete");
    auto sounds = std::make_shared<int>(0);
    auto settingsBefore = std::make_shared<std::string>();
    untilTitle(d).then("two saved slots besides the loaded one", [] {
        game::Data::bindSlotData(0);
        for (int s : {1, 2}) {
            setSlot(GameData::slotExists, s, true);
            setSlot(GameData::slotLevel, s, 7);
            setSlot(GameData::slotSuccessfulRuns, s, 3);
        }
        Game::ui->startButtonClick();
        EXPECT_EQ(summaryTexts(1), (std::vector<std::string>{"Level 7", "In town", "Deepest Floor: 0",
                                                             "Successful Runs: 3"}));
        EXPECT_EQ(summaryTexts(3), (std::vector<std::string>{"- Empty -"}));
        auto w = slotWindow();
        EXPECT_EQ(w->slotHolder->get_x(), 60);
        EXPECT_EQ(w->deleteButtonHolder->get_x(), 320);
        EXPECT_FALSE(w->deleteButtonHolder->get_visible());
        w->deleteToggleClick();
    });
    d.wait(10).then("a second press does not restart the slide", [] {
        auto w = slotWindow();
        const double x = w->slotHolder->get_x();
        EXPECT_LT(x, 60);
        w->deleteToggleClick();
        EXPECT_EQ(w->slotHolder->get_x(), x);
        EXPECT_TRUE(w->deleteShowing);
    });
    d.until("the slots stand at x 20", [] { return slotWindow()->slotHolder->get_x() == 20; }, [] {
        auto w = slotWindow();
        EXPECT_EQ(w->deleteButtonHolder->get_x(), 420);
        EXPECT_EQ(w->deleteButtonHolder->get_alpha(), 1);
    }, 120);
    d.then("Delete on slot 1, then Yes", [sounds, settingsBefore] {
        auto w = slotWindow();
        engine::EngG::sound = engine::EngG::sound ? engine::EngG::sound : make<engine::SoundFrontEnd>();
        *settingsBefore = contents(saveFile("GLV2GameData"));
        clickOn(w->deleteButtons[1]);
        *sounds = engine::EngG::sound->list->length;
        EXPECT_TRUE(Game::ui->yesNoWinOpen);
        EXPECT_EQ(Game::ui->yesNoWin, UISlotWindow::DELETE_SLOT_CONFIRMATION);
        EXPECT_EQ(w->chosenSlot, 1);
        UISlotWindow::DELETE_SLOT_CONFIRMATION->yes();
        EXPECT_EQ(summaryTexts(1), (std::vector<std::string>{"- Empty -"}));
        EXPECT_EQ(summaryTexts(2).front(), "Level 7");
        EXPECT_FALSE(GameData::slotExists[1]);
        EXPECT_EQ(GameData::slotLevel[1], 1);
        EXPECT_EQ(engine::EngG::sound->list->length, *sounds + 1) << "the deleteSlot sound";
        // The settings entry was written at once with the slot marked empty.
        const std::string after = contents(saveFile("GLV2GameData"));
        EXPECT_NE(after, *settingsBefore);
        // Another slot's deletion leaves the loaded game bound.
        EXPECT_EQ(GameData::currentSlot, 0);
    });
    d.then("deleting the loaded slot lets go of it", [] {
        setSlot(GameData::slotExists, 0, true);
        GameData::gold = 55;
        auto w = slotWindow();
        w->chosenSlot = 0;
        w->confirmDeleteSlot();
        EXPECT_EQ(GameData::currentSlot, -1);
        EXPECT_NE(GameData::gold, 55) << "the live game was reset";
        EXPECT_EQ(summaryTexts(0), (std::vector<std::string>{"- Empty -"}));
    });
    ASSERT_EQ(d.play(), "");
}

TEST(TitleFlow, NewGamePlusOnASlotInARunAsksToFinishTheRunFirst) {
    GameDriver d("title-ngp");
    const std::string png = ::testing::TempDir() + "slot-window.png";
    untilTitle(d).then("finished slots, one of them in a run", [] {
        for (int s : {2, 3}) {
            setSlot(GameData::slotExists, s, true);
            setSlot(GameData::slotNgpAvailable, s, true);
            setSlot(GameData::slotGameMode, s, 0);
            setSlot(GameData::slotLevel, s, 40 + s);
            setSlot(GameData::slotDeepestFloor, s, 100);
            setSlot(GameData::slotHeroType, s, s - 1);
        }
        setSlot(GameData::slotInCave, 2, true);
        setSlot(GameData::slotCurrentFloor, 2, 37);
        setSlot(GameData::slotNgpNum, 2, 1);
        setSlot(GameData::slotNgpNum, 3, 3);
        Game::ui->startButtonClick();
        auto w = slotWindow();
        EXPECT_EQ(summaryTexts(2), (std::vector<std::string>{"Level 42", "Floor 37", "Deepest Floor: 100",
                                                             "Successful Runs: 0", "New Game+"}));
        EXPECT_EQ(summaryTexts(3).back(), "New Game+ (3)");
        EXPECT_EQ(w->ngpButtons[0], nullptr);
        ASSERT_TRUE(w->ngpButtons[2]);
        EXPECT_EQ(w->ngpButtons[2]->get_alpha(), 0.5);
        EXPECT_EQ(w->ngpButtons[3]->get_alpha(), 1);
    });
    d.wait(20).then("New Game+ on the slot in a run", [] {
        clickOn(slotWindow()->ngpButtons[2]);
        EXPECT_EQ(slotWindow()->chosenSlot, 2);
        EXPECT_TRUE(Game::ui->messageWinOpen);
        EXPECT_EQ(Game::ui->messageWindow, game::MessageWindow::WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST);
        EXPECT_FALSE(Game::ui->yesNoWinOpen);
        Game::ui->closeMessageWin();
    });
    d.wait(20).then("New Game+ on the slot in town asks", [] {
        clickOn(slotWindow()->ngpButtons[3]);
        EXPECT_EQ(slotWindow()->chosenSlot, 3);
        EXPECT_TRUE(Game::ui->yesNoWinOpen);
        EXPECT_EQ(Game::ui->yesNoWin, UISlotWindow::NG_PLUS_CONFIRMATION);
        Game::ui->closeYesNoWin();
    });
    d.wait(20).snapshotTo(png);
    ASSERT_EQ(d.play(), "");
    EXPECT_TRUE(std::filesystem::exists(png));
}

TEST(TitleFlow, ASlotSavedInTheDungeonIsRebuiltBehindTheCurtainWithoutASave) {
    GameDriver d("title-dungeon");
    untilTitle(d).then("a new game in slot 1", [] { Game::ui->slotClicked(1); });
    d.until("the adventurer choice", [] { return Game::ui->chooseHeroWinOpen; }, [] {
        GameData::heroType = game::Hero::TYPE_MONK;
        Game::ui->closeChooseHeroWin();
        EXPECT_TRUE(G::mapState->titleIntroPlaying);
        EXPECT_TRUE(GameData::slotExists[1]);
    });
    d.until("in town", [] { return !G::mapState->titleIntroPlaying && !G::mapState->building; }, [] {
        Game::ui->closeMessageWin();
        G::mapState->startNewRun();
    });
    auto floor = std::make_shared<int>(0);
    d.until("the run's first floor built and saved", [] { return !G::mapState->building && GameData::inCave; }, [floor] {
        *floor = GameData::currentFloor;
        EXPECT_TRUE(GameData::floorSaveExists);
        EXPECT_TRUE(GameData::slotInCave[1]);
        G::mapState->goToTitle();
    });
    auto written = std::make_shared<std::filesystem::file_time_type>();
    d.until("back on the title", [] { return !G::mapState->building && Game::ui->titleShowing; }, [written] {
        *written = std::filesystem::last_write_time(saveFile("GLV2Slot1"));
        Game::ui->startButtonClick();
    });
    d.until("the slot window is in", [] { return testing_game::shownFully(Game::ui->slotWindow); }, [] {
        clickOn(slotWindow()->slotButtons[1]);
        // No fade of the slot window: it is gone at once and the curtain comes in from the left.
        EXPECT_EQ(Game::ui->slotWindow, nullptr);
        EXPECT_EQ(Game::ui->overBlack->get_x(), -960);
        EXPECT_EQ(Game::ui->overBlack->get_alpha(), 1);
        EXPECT_FALSE(G::mapState->hero->get_visible());
    });
    d.until("the floor is rebuilt", [] { return GameData::inCave && !G::mapState->building; }, [floor] {
        EXPECT_EQ(GameData::currentFloor, *floor);
        EXPECT_EQ(GameData::heroType, game::Hero::TYPE_MONK);
    }, 600);
    d.wait(30);
    ASSERT_EQ(d.play(), "");
    EXPECT_EQ(std::filesystem::last_write_time(saveFile("GLV2Slot1")), *written) << "the rebuilt floor was saved again";
}
