// The real game, headless: in the town of a fresh save the hero walks up to the guard's post, the
// guard stops him and makes his first offer in a speech bubble, drawn to a picture.
#include <gtest/gtest.h>

#include <cstdio>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "tests/game/GameDriver.h"

namespace {

game::MapState* scene() { return game::G::mapState.get(); }

runtime::String shownType() {
    auto* s = scene();
    return s && s->currentSpeech ? s->currentSpeech->speechData->type : runtime::String("(none)");
}

}  // namespace

TEST(GuardTalk, WalkingToTheGuardShowsHisFirstOffer) {
    const std::string png = ::testing::TempDir() + "guard-talk.png";
    std::remove(png.c_str());
    testing_game::GameDriver driver("guard-talk");
    driver
        .until("the town stands behind the title",
               [] { return scene() && game::Game::ui && scene()->townGuard && !scene()->building; })
        .then("the game starts in town", [] { scene()->titleStartGame(); })
        .until("the intro ends", [] { return !scene()->titleIntroPlaying; })
        .then("the hint is closed and the hero stands below the guard's post",
              [] {
                  if (game::Game::ui->messageWinOpen) game::Game::ui->closeMessageWin();
                  auto& hero = *scene()->hero;
                  hero.lev_x = 10;
                  hero.lev_y = 10;
                  scene()->correctHeroPostion();
              })
        .until("the hero may walk", [] { return !scene()->disableMovement; }, {}, 10)
        .hold(SDLK_UP, 3)
        .until("the guard stops the hero", [] { return shownType() == "firstStop"; })
        .until("the guard's first page is read", [] { return !scene()->currentSpeech->opening; })
        .wait(60)
        .tap(SDLK_SPACE)
        .until("the offer's options show",
               [] { return scene()->currentSpeech && scene()->currentSpeech->optionsOpen; }, {}, 60)
        .wait(60)
        .snapshotTo(png);
    ASSERT_EQ(driver.play(), "");

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    // The bubble's frame and options sit above the middle of the screen: many dark pixels there.
    int dark = 0;
    for (int y = 150; y < 300; ++y)
        for (int x = 330; x < 630; ++x) {
            const unsigned char* p = pixels + (y * w + x) * 4;
            dark += p[0] < 60 && p[1] < 60 && p[2] < 60;
        }
    stbi_image_free(pixels);
    EXPECT_GT(dark, 500);
}
