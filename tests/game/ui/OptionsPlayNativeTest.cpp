// The real game, headless, from a fresh save folder: the title's "Options" shows the settings
// panel over a dark cover; "Slow" battle speed takes effect at once, "Close" takes the window
// away, and opened again the panel shows the choice.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/data/GameData.h"
#include "game/shell/Game.h"
#include "game/town/UISettingsDetails.h"
#include "game/ui/UI.h"
#include "tests/game/PlayToTown.h"

namespace {

runtime::Ref<game::UISettingsDetails> panel() {
    return game::Game::ui ? game::Game::ui->settingsDetails : nullptr;
}

runtime::Ref<game::BasicButton> optionsClose() {
    return game::Game::ui ? testing_game::firstButtonOf(game::Game::ui->optionsWindow) : nullptr;
}

}  // namespace

TEST(OptionsPlay, TheTitlesOptionsChangeTheBattleSpeedAndCloseBackToTheTitle) {
    const std::string png = ::testing::TempDir() + "title-options.png";
    std::remove(png.c_str());
    auto speedBefore = std::make_shared<bool>(true);
    testing_game::GameDriver driver("title-options");
    testing_game::untilTitle(driver).then("note the speed", [speedBefore] { *speedBefore = game::GameData::slowSpeed; });
    testing_game::clickButton(driver, "Options", [] { return game::Game::ui->optionsButton; });
    driver.until("the options window is shown", [] {
        return game::Game::ui->settingsOpen && testing_game::shownFully(game::Game::ui->optionsWindow);
    });
    testing_game::clickButton(driver, "Slow", [] { return panel()->speedSlowButton; });
    driver.until("the battle speed is slow", [] { return game::GameData::slowSpeed; });
    testing_game::clickButton(driver, "Close", [] { return optionsClose(); });
    driver.until("the options window has gone", [] {
        return !game::Game::ui->settingsOpen && !game::Game::ui->optionsWindow->get_parent();
    });
    // Open again for the picture: the panel shows the choice just made.
    testing_game::clickButton(driver, "Options again", [] { return game::Game::ui->optionsButton; });
    driver.until("the options window is shown again", [] {
        return game::Game::ui->settingsOpen && testing_game::shownFully(game::Game::ui->optionsWindow);
    }).wait(10).snapshotTo(png);
    ASSERT_EQ(driver.play(), "");
    EXPECT_FALSE(*speedBefore);
    EXPECT_TRUE(panel()->speedSlowButton->selected);
    EXPECT_FALSE(panel()->speedFastButton->selected);
    EXPECT_TRUE(game::Game::ui->titleShowing);
    EXPECT_EQ(panel()->get_parent().get(), game::Game::ui->optionsWindow.get());
    FILE* f = std::fopen(png.c_str(), "rb");
    EXPECT_NE(f, nullptr) << png;
    if (f) std::fclose(f);
}
