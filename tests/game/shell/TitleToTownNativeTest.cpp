// From a fresh save folder the player reaches the town through the title, a save slot and an
// adventurer, clicking as a player does; the new game is saved in the chosen slot.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "tests/game/PlayToTown.h"

TEST(TitleToTown, PlayAnEmptySlotAndAHeroLeadToTheTownIntro) {
    const std::string png = ::testing::TempDir() + "title-to-town.png";
    std::remove(png.c_str());
    testing_game::GameDriver driver("title-to-town");
    testing_game::playToTown(driver).snapshotTo(png);
    ASSERT_EQ(driver.play(), "");

    using game::GameData;
    EXPECT_EQ(GameData::currentSlot, 0);
    ASSERT_FALSE(GameData::slotExists.empty());
    EXPECT_TRUE(GameData::slotExists[0]);
    EXPECT_EQ(GameData::heroType, game::Hero::TYPE_GUY);
    EXPECT_FALSE(GameData::inCave);
    EXPECT_EQ(GameData::currentFloor, 0);
    // The start saved the slot quietly.
    EXPECT_FALSE(game::Data::showSavedText);
    bool slotFile = false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::getenv("XDG_DATA_HOME")))
        slotFile = slotFile || entry.path().filename() == "GLV2Slot0.sol";
    EXPECT_TRUE(slotFile);
    EXPECT_TRUE(std::filesystem::exists(png));
}
