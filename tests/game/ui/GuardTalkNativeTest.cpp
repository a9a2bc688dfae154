// The real game, headless, from a fresh save folder: the title's "Play", an empty slot and an
// adventurer lead to the town; the hero walks by arrow keys up to the guard's post, where the guard
// stops him with the dialogue table's first-visit speech and then makes his offer, drawn to a picture.
#include <gtest/gtest.h>

#include <cstdio>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/map/NPCData.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "tests/game/PlayToTown.h"

namespace {

game::MapState* scene() { return game::G::mapState.get(); }

int heroX() { return scene()->hero->lev_x; }
int heroY() { return scene()->hero->lev_y; }

runtime::String shownType() {
    auto* s = scene();
    return s && s->currentSpeech ? s->currentSpeech->speechData->type : runtime::String("(none)");
}

runtime::String shownText() {
    auto* s = scene();
    return s && s->currentSpeech && s->currentSpeech->textSprite ? s->currentSpeech->textSprite->get_text()
                                                                 : runtime::String("(none)");
}

// The guard's first-visit speech as the dialogue table has it: the table row whose speech is
// named "firstStop".
runtime::Ref<game::SpeechData> tableFirstStop() {
    for (const auto& npc : game::NPCData::NPCS)
        if (npc)
            for (const auto& speech : npc->speechDatas)
                if (speech->type == "firstStop") return speech;
    return nullptr;
}

}  // namespace

TEST(GuardTalk, FromTheTitleTheHeroWalksToTheGuardAndHearsHisFirstOffer) {
    const std::string png = ::testing::TempDir() + "guard-talk.png";
    std::remove(png.c_str());
    struct Seen {
        std::string firstPage, secondPage;
        int guardNpcId = -1, speakerId = -2;
    };
    auto seen = std::make_shared<Seen>();
    testing_game::GameDriver driver("guard-talk");
    testing_game::playToTown(driver);
    driver.until("the hero stands at the bar door", [] { return heroX() == 14 && heroY() == 12; });
    // Round the townsfolk: down to row 14, left to column 9, up to row 10, right to column 10 and
    // up onto the tile below the guard's post.
    testing_game::walkUntil(driver, "to row 14", SDLK_DOWN, [] { return heroY() == 14; });
    testing_game::walkUntil(driver, "to column 9", SDLK_LEFT, [] { return heroX() == 9; });
    testing_game::walkUntil(driver, "to row 10", SDLK_UP, [] { return heroY() == 10; });
    testing_game::walkUntil(driver, "to column 10", SDLK_RIGHT, [] { return heroX() == 10; });
    testing_game::walkUntil(driver, "until the guard stops the hero", SDLK_UP,
                            [] { return shownType() == "firstStop"; });
    driver
        .until("the guard's first page is read", [] { return !scene()->currentSpeech->opening; },
               [seen] {
                   seen->firstPage = shownText().toText();
                   auto guard = scene()->townGuard.cast<game::NPC>();
                   if (guard) seen->guardNpcId = guard->npcData->id;
                   auto speaker = scene()->currentSpeech->npc.lock();
                   if (speaker) seen->speakerId = speaker->npcData->id;
               })
        .wait(60)
        .tap(SDLK_SPACE)
        .until("the offer's options show",
               [] { return scene()->currentSpeech && scene()->currentSpeech->optionsOpen; },
               [seen] { seen->secondPage = shownText().toText(); }, 60)
        .wait(60)
        .snapshotTo(png);
    ASSERT_EQ(driver.play(), "");

    auto table = tableFirstStop();
    ASSERT_TRUE(table) << "the dialogue table has the guard's first-visit speech";
    ASSERT_EQ(table->texts.size(), 2u);
    EXPECT_EQ(seen->firstPage, table->texts[0].toText());
    EXPECT_EQ(seen->firstPage, "Halt! Nobody goes into the cave without hearing the rules.");
    EXPECT_EQ(seen->secondPage, table->texts[1].toText());
    EXPECT_EQ(seen->speakerId, seen->guardNpcId) << "the guard himself speaks";
    EXPECT_EQ(table->option1Text, "Ok");
    EXPECT_EQ(table->option2Text, "No");
    EXPECT_EQ(heroX(), 10);
    EXPECT_EQ(heroY(), 9);
    EXPECT_TRUE(scene()->disableMovement) << "the hero waits for his answer";
    EXPECT_EQ(game::GameData::currentSlot, 0);

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
