// In the town the menu key opens the in-game menu on the equipment tab with the tab bar at its
// right edge; the bar's buttons switch pages under the pointer.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "game/data/GameData.h"
#include "tests/game/PlayToTown.h"

TEST(MenuKey, EscapeInTownOpensTheEquipmentTabBesideTheTabBar) {
    using game::Game;
    using game::UI;
    using testing_game::clickButton;
    const std::string png = ::testing::TempDir() + "menu-equipment-tab.png";
    std::remove(png.c_str());
    testing_game::GameDriver driver("menu-key");
    testing_game::playToTown(driver);
    driver.tap(SDLK_ESCAPE);
    driver.until("the menu is open on the equipment tab", [] {
        auto ui = Game::ui;
        return ui->menuOpen && ui->equipmentOpen && ui->selectedWindow == UI::WIN_EQUIPMENT &&
               ui->equipment->get_stage() && ui->panel->get_stage() && ui->panel->equipmentButton->selected &&
               !ui->overBlack2->get_parent();  // the hint's fading cover takes clicks until it leaves
    });
    clickButton(driver, "the loot tab", [] { return Game::ui->panel->statsButton; });
    driver.until("the loot page replaced the tab", [] {
        return Game::ui->selectedWindow == UI::WIN_LOOT && !Game::ui->equipmentOpen &&
               !Game::ui->equipment->get_parent();
    });
    clickButton(driver, "the equipment tab", [] { return Game::ui->panel->equipmentButton; });
    driver.until("the equipment tab is back with the HUD in the hero's window", [] {
        auto ui = Game::ui;
        return ui->equipmentOpen && ui->panel->equipmentButton->selected && !ui->panel->statsButton->selected &&
               ui->hpmpHud->get_parent().get() == ui->equipment->guyWindow.get();
    });
    driver.wait(20).snapshotTo(png);
    ASSERT_EQ(driver.play(), "");
    EXPECT_TRUE(std::filesystem::exists(png));
}
