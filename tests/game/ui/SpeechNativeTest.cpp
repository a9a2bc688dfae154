// Characters speaking in the town: choosing the speech, the bubble's pages, wrap and options, keys
// and Escape, purchases, sales and the pause before the same character speaks again.
#include <string>

#include "game/data/ItemData.h"
#include "game/data/SWITCH.h"
#include "game/floor/TiledMap.h"
#include "game/map/NPC.h"
#include "game/ui/Speech.h"
#include "tests/game/map/MapStateFixture.h"

using game::GameData;
using game::MapState;
using game::NPC;
using game::Speech;
using game::SpeechData;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

constexpr int KEY_ESCAPE = 27, KEY_Q = 81, KEY_A = 65, KEY_E = 69, KEY_SPACE = 32;
// The Escape Wings and a shield of the shipped tables.
constexpr int WINGS = 0, SHIELD = 2030;

class SpeechTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        NPC::makeNPCAnimArray();
        GameData::inCave = false;
        GameData::storyProgress = 0;
        GameData::gameSwitches.assign(game::SWITCH::NUM_SWITCHES, false);
        GameData::items.clear();
        state->goToMap(game::TiledMap::TOWN, nullptr);
        state->disableMovement = false;
        guard = state->townGuard.cast<NPC>();
    }
    void TearDown() override {
        GameData::azerty = false;
        MapState::setFrameRate(60);
        Speech::OPEN_FRAMES = Speech::OPEN_FRAMES_60FPS;
        guard = nullptr;
        MapStateFixture::TearDown();
    }

    static Ref<SpeechData> record(std::vector<String> pages, const char* type = nullptr) {
        auto d = make<SpeechData>(std::move(pages));
        d->needItem = d->addItem = d->removeItem = -1;
        if (type) d->type = type;
        return d;
    }
    static Ref<SpeechData> offer(std::vector<String> pages, const char* label1, const char* label2 = nullptr) {
        auto d = record(std::move(pages));
        d->option1Text = "Yes";
        d->option2Text = "No";
        d->label1 = label1;
        if (label2) d->label2 = label2;
        return d;
    }
    // A character at (12, 12) of the town saying these speeches.
    Ref<NPC> speaker(std::vector<Ref<SpeechData>> speeches, bool freeze = false) {
        auto npc = make<NPC>(state->mapData->tileAt(12, 12), 12);
        auto data = make<game::NPCData>(12, "normalGuy");
        data->speechDatas = std::move(speeches);
        data->freeze = freeze;
        npc->npcData = data;
        return npc;
    }
    // Presses a key for one frame.
    void tap(int code) {
        press(code);
        step();
        release(code);
        step();
    }
    String shownType() const { return state->currentSpeech ? state->currentSpeech->speechData->type : "(none)"; }
    std::string firstPage() const {
        return state->currentSpeech ? state->currentSpeech->speechData->texts[0].str() : "(none)";
    }
    static bool holds(int id) { return GameData::findHeldItem(nullptr, id) != nullptr; }

    Ref<NPC> guard;
};

// n characters of words.
std::string chars(int n) {
    std::string s;
    while (static_cast<int>(s.size()) < n) s += "word ";
    s.resize(static_cast<std::size_t>(n));
    if (s.back() == ' ') s.back() = 'x';
    return s;
}

}  // namespace

TEST_F(SpeechTest, APageWrapsByItsLength) {
    struct Case {
        int n;
        int width;
    };
    for (const Case c : {Case{29, -1}, Case{30, 180}, Case{139, 398}, Case{140, 400}, Case{260, 400}}) {
        speaker({record({chars(c.n)})})->showSpeech();
        ASSERT_TRUE(state->currentSpeech) << c.n;
        const auto& text = *state->currentSpeech->textSprite;
        if (c.width == -1) {
            EXPECT_FALSE(text.wrap) << c.n;
            EXPECT_EQ(text.textHeight, game::TextSprite::MEDIEVAL_SANS_14->height) << "one line";
        } else {
            EXPECT_TRUE(text.wrap) << c.n;
            EXPECT_EQ(text.textWidth, c.width) << c.n;
        }
        EXPECT_EQ(state->currentSpeech->boxWidth, text.textWidth + 2 * Speech::MARGIN) << c.n;
    }
}

TEST_F(SpeechTest, OptionsShowOnlyOnTheLastPageWithTheirKeys) {
    for (bool azerty : {false, true}) {
        GameData::azerty = azerty;
        auto yes = record({"Good."}, "yes");
        speaker({offer({"one", "two", "three"}, "yes", "no"), yes, record({"Bad."}, "no")})->showSpeech();
        auto bubble = state->currentSpeech;
        EXPECT_FALSE(bubble->optionsOpen);
        tap(KEY_SPACE);
        EXPECT_FALSE(bubble->optionsOpen);
        // The key that turns to the last page does not choose on it.
        tap(azerty ? KEY_A : KEY_Q);
        ASSERT_EQ(state->currentSpeech, bubble);
        EXPECT_TRUE(bubble->optionsOpen);
        EXPECT_EQ(bubble->textSprite->text, "three");
        std::vector<std::string> hints;
        for (auto& holder : {bubble->option1Sprite, bubble->option2Sprite})
            for (int i = 0; i < holder->get_numChildren(); ++i)
                if (auto window = holder->getChildAt(i).cast<game::BasicWindow>())
                    if (auto key = window->getChildAt(window->get_numChildren() - 1).cast<game::TextSprite>())
                        hints.push_back(key->text.str());
        EXPECT_EQ(hints, (std::vector<std::string>{azerty ? "A" : "Q", "E"}));

        // Plain presses leave an option page alone; the first option's key chooses it.
        tap(KEY_SPACE);
        EXPECT_EQ(state->currentSpeech, bubble);
        tap(azerty ? KEY_Q : KEY_A);
        EXPECT_EQ(state->currentSpeech, bubble) << "the other layout's key does nothing";
        tap(azerty ? KEY_A : KEY_Q);
        EXPECT_EQ(state->currentSpeech->speechData, yes);
        EXPECT_FALSE(bubble->get_parent()) << "the answered bubble is gone";
        tap(KEY_SPACE);
        EXPECT_FALSE(state->currentSpeech);
    }
    speaker({offer({"pick"}, "yes", "no"), record({"Good."}, "yes"), record({"Bad."}, "no")})->showSpeech();
    tap(KEY_E);
    EXPECT_EQ(shownType(), "no");
}

TEST_F(SpeechTest, EscapeLeavesTheRemainingPages) {
    auto npc = speaker({record({"one", "two", "three"})}, true);
    npc->activate();
    EXPECT_TRUE(state->disableMovement);
    tap(KEY_ESCAPE);
    EXPECT_FALSE(state->currentSpeech);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_TRUE(state->speechCancelledThisFrame || !state->currentSpeech);
}

TEST_F(SpeechTest, EscapeOnAnOptionPageChoosesNothingButStillFinishesTheRecord) {
    // With an item to give: the item comes, the purchase does not happen.
    GameData::gold = 1000;
    auto sale = offer({"Buy it?"}, "buyItem", "no");
    sale->itemID = SHIELD;
    sale->price = 450;
    sale->addItem = WINGS;
    speaker({sale, record({"Sold."}, "buy2030"), record({"No."}, "no")})->showSpeech();
    ASSERT_TRUE(state->currentSpeech->optionsOpen);
    tap(KEY_ESCAPE);
    EXPECT_FALSE(state->currentSpeech);
    EXPECT_EQ(GameData::gold, 1000);
    EXPECT_FALSE(holds(SHIELD));
    EXPECT_TRUE(holds(WINGS));

    // With a continuation: it takes over.
    auto ask = offer({"Well?"}, "yes");
    ask->continueLabel = "after";
    speaker({ask, record({"Afterwards."}, "after"), record({"Yes."}, "yes")})->showSpeech();
    tap(KEY_ESCAPE);
    EXPECT_EQ(shownType(), "after");
}

TEST_F(SpeechTest, BuyingTakesTheGoldOrAnswersThatThereIsTooLittle) {
    auto sale = offer({"Buy it?"}, "buyItem", "no");
    sale->itemID = SHIELD;
    sale->price = 450;
    auto npc = speaker({sale, record({"Sold."}, "buy2030"), record({"Too poor."}, "notEnoughGold")});
    struct Case {
        int gold;
        int left;
        const char* answer;
        bool bought;
    };
    for (const Case c : {Case{449, 449, "notEnoughGold", false}, Case{450, 0, "buy2030", true}}) {
        GameData::items.clear();
        GameData::gold = c.gold;
        npc->showSpeech();
        state->currentSpeech->option1Click(nullptr);
        EXPECT_EQ(GameData::gold, c.left) << c.gold;
        EXPECT_EQ(shownType(), c.answer) << c.gold;
        EXPECT_EQ(holds(SHIELD), c.bought) << c.gold;
    }
    EXPECT_FALSE(state->animatedItemIcons.empty()) << "the bought item flies from the speaker";
}

TEST_F(SpeechTest, SellingTheWingsRecordsTheFloorAndTradingSwapsTheItems) {
    GameData::currentFloor = 30;
    GameData::wingsFound = true;
    GameData::gold = 5;
    GameData::addItem(make<game::Item>(game::ItemData::findDataWithID(WINGS)));
    auto sell = offer({"Sell?"}, "sellItem");
    sell->itemID = WINGS;
    sell->price = 500;
    sell->needItem = WINGS;
    speaker({sell, record({"Thanks."}, "sell0")})->showSpeech();
    state->currentSpeech->option1Click(nullptr);
    EXPECT_EQ(GameData::gold, 505);
    EXPECT_FALSE(holds(WINGS));
    EXPECT_EQ(GameData::wingsSoldFloor, 30);
    EXPECT_FALSE(GameData::wingsFound);
    EXPECT_EQ(shownType(), "sell0");

    GameData::addItem(make<game::Item>(game::ItemData::findDataWithID(8030)));
    auto trade = offer({"Trade?"}, "tradeItem");
    trade->itemID = 8030;
    trade->itemID2 = 7035;
    speaker({trade, record({"Deal."}, "trade8030")})->showSpeech();
    state->currentSpeech->option1Click(nullptr);
    EXPECT_FALSE(holds(8030));
    EXPECT_TRUE(holds(7035));
    EXPECT_EQ(shownType(), "trade8030");
    EXPECT_EQ(GameData::wingsSoldFloor, 30);
}

TEST_F(SpeechTest, TheSameCharacterWaitsBeforeSpeakingAgainAnotherDoesNot) {
    for (int rate : {60, 30}) {
        MapState::setFrameRate(rate);
        const int wait = rate == 60 ? 10 : 5;
        ASSERT_EQ(MapState::END_SPEECH_TIME, wait);
        auto npc = speaker({record({"Hello."})});
        npc->activate();
        ASSERT_TRUE(state->currentSpeech);
        tap(KEY_SPACE);  // closes it on the first of its two frames, which counts
        ASSERT_FALSE(state->currentSpeech);
        npc->activate();
        EXPECT_FALSE(state->currentSpeech) << rate;
        step(wait - 3);
        npc->activate();
        EXPECT_FALSE(state->currentSpeech) << rate << ": one frame early";
        step();
        npc->activate();
        EXPECT_EQ(firstPage(), "Hello.") << rate;
        state->advanceSpeech();
        ASSERT_FALSE(state->currentSpeech);
        speaker({record({"Me too."})})->activate();
        EXPECT_EQ(firstPage(), "Me too.") << "another character speaks at once";
        state->advanceSpeech();
        step(wait);
    }
}

TEST_F(SpeechTest, TheGuardOffersTheTourThenStopsTheHeroOnceAndOffersToExplainAgain) {
    ASSERT_TRUE(guard);
    guard->activate();
    ASSERT_TRUE(state->currentSpeech);
    EXPECT_EQ(state->currentSpeech->speechData->maxRuns, 0);
    EXPECT_EQ(state->currentSpeech->speechData->label1, "startExplain");
    EXPECT_TRUE(state->disableMovement);
    tap(KEY_ESCAPE);
    EXPECT_FALSE(state->disableMovement);

    step(MapState::END_SPEECH_TIME);
    state->guardStop();
    EXPECT_EQ(shownType(), "firstStop");
    EXPECT_EQ(guard->animSprite->anim, NPC::GUARD_BLOCK);
    EXPECT_TRUE(state->disableMovement);
    tap(KEY_SPACE);
    ASSERT_TRUE(state->currentSpeech->optionsOpen);
    tap(KEY_E);  // "No"
    EXPECT_EQ(shownType(), "notPaidEnough");
    tap(KEY_SPACE);
    EXPECT_EQ(shownType(), "notPaidEnough2");
    EXPECT_EQ(guard->animSprite->anim, NPC::GUARD_RETURN_TO_IDLE);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_TRUE(GameData::gameSwitches[game::SWITCH::GUARD_FIRST_STOPPED]);
    tap(KEY_SPACE);
    EXPECT_FALSE(state->currentSpeech);

    step(MapState::END_SPEECH_TIME);
    state->guardStop();
    EXPECT_FALSE(state->currentSpeech) << "the guard stops the hero once";
    guard->activate();
    ASSERT_TRUE(state->currentSpeech);
    EXPECT_EQ(state->currentSpeech->speechData->needSwitch, game::SWITCH::GUARD_FIRST_STOPPED);
}

TEST_F(SpeechTest, ADecorCharacterNeverSpeaksAndAShopkeeperOpensTheShopAfterwards) {
    auto bar = make<NPC>(state->mapData->tileAt(12, 12), 17);
    bar->activate();
    EXPECT_FALSE(state->currentSpeech);
    EXPECT_FALSE(state->disableMovement);

    auto keeper = make<NPC>(state->mapData->tileAt(12, 12), 3);
    keeper->activate();
    ASSERT_TRUE(state->currentSpeech);
    EXPECT_TRUE(state->disableMovement);
    tap(KEY_E);  // "Shop"
    EXPECT_FALSE(state->currentSpeech);
    EXPECT_FALSE(state->openShopAfterSpeech) << "handed to the UI root when the bubble closed";
    EXPECT_FALSE(state->disableMovement);
}

TEST_F(SpeechTest, ABubbleStaysOnScreen) {
    auto npc = speaker({record({chars(100)})});
    const double scale = state->mapCanvas->get_scaleX();
    // The speaker near the right edge: the bubble moves left, the arrow still at the speaker.
    state->mapCanvas->set_x(960 - (npc->get_x() + 16) * scale - 10);
    state->mapCanvas->set_y(300 - npc->get_y() * scale);
    npc->showSpeech();
    auto bubble = state->currentSpeech;
    EXPECT_LT(bubble->get_x(), bubble->defaultX);
    EXPECT_EQ(bubble->arrowOffsetX, static_cast<int>(2 * (bubble->defaultX - bubble->get_x())));
    EXPECT_TRUE(bubble->arrow->get_visible());
    EXPECT_EQ(bubble->arrow->get_x(), bubble->arrowOffsetX - 9);
    tap(KEY_ESCAPE);

    // Near the top edge: it moves down and loses its arrow.
    state->mapCanvas->set_x(480 - npc->get_x() * scale);
    state->mapCanvas->set_y(10 - npc->get_y() * scale);
    step(MapState::END_SPEECH_TIME);
    npc->showSpeech();
    bubble = state->currentSpeech;
    EXPECT_GT(bubble->get_y(), bubble->defaultY);
    EXPECT_FALSE(bubble->arrow->get_visible());
}

TEST_F(SpeechTest, ASwitchIsSetWhenThePageShowsAndTheBoxOpensBeforeTheText) {
    auto ask = offer({"first", "second"}, "yes", "no");
    ask->activateSwitch = 40;
    speaker({ask, record({"ok"}, "yes"), record({"no"}, "no")})->showSpeech();
    ASSERT_GT(GameData::gameSwitches.size(), 40u);
    EXPECT_TRUE(GameData::gameSwitches[40]);
    auto bubble = state->currentSpeech;
    for (int frame = 1; frame <= Speech::OPEN_FRAMES; ++frame) {
        EXPECT_TRUE(bubble->opening) << frame;
        bubble->update();
        EXPECT_EQ(bubble->box->winWidth, static_cast<int>(std::ceil(frame * bubble->boxWidth / 8.0))) << frame;
    }
    EXPECT_FALSE(bubble->opening);
    EXPECT_EQ(bubble->textSprite->nextCharIndexToShow, 0) << "the typewriter starts after the box";
    bubble->update();
    EXPECT_GT(bubble->textSprite->nextCharIndexToShow, 0);
}
