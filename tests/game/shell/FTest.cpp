// The touch wording of texts.
#include <gtest/gtest.h>

#include "game/shell/F.h"
#include "game/shell/Game.h"

using game::F;

TEST(FTest, MobileWordingReplacesClickAfterANonLetterOnly) {
    struct Case {
        const char* text;
        const char* mobile;
    };
    const Case cases[] = {
        {"Please click, then Click", "Please tap, then Tap"},
        {"Click to start", "Click to start"},          // nothing before it
        {"Doubleclick or Clicker", "Doubleclick or Taper"},
        {"(Click) or [click]", "(Tap) or [tap]"},      // each keeps its own character
        {"", ""},
    };
    for (const Case& c : cases) {
        game::Game::mobile = false;
        EXPECT_EQ(F::setStringForMobile(c.text).str(), c.text);
        game::Game::mobile = true;
        EXPECT_EQ(F::setStringForMobile(c.text).str(), c.mobile) << c.text;
    }
    game::Game::mobile = false;
    EXPECT_TRUE(F::setStringForMobile(nullptr).isNull());
}

TEST(FTest, IntSortOrdersAscending) {
    EXPECT_GT(F::intSort(5, 3), 0);
    EXPECT_LT(F::intSort(3, 5), 0);
    EXPECT_EQ(F::intSort(4, 4), 0);
}
