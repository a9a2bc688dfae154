// The game started as the executable starts it, driven headless: it reaches its first state and
// draws a picture of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "tests/game/GameDriver.h"

TEST(GameStart, ReachesItsFirstStateAndDrawsIt) {
    const std::string png = ::testing::TempDir() + "game-start.png";
    std::remove(png.c_str());
    testing_game::GameDriver driver("game-start");
    driver.until("the map state runs", [] { return game::G::mapState != nullptr && game::G::frameCount > 30; })
        .snapshotTo(png);
    ASSERT_EQ(driver.play(), "");

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    EXPECT_EQ(w, 960);
    EXPECT_EQ(h, 540);
    // A drawn scene, not a cleared frame: many colours.
    std::set<uint32_t> colours;
    for (int i = 0; i < w * h; i += 97) {
        const unsigned char* p = pixels + i * 4;
        colours.insert((uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2]);
    }
    stbi_image_free(pixels);
    EXPECT_GT(colours.size(), 20u);
}
