// The dialogue table: its reading rules on small tables, the shipped table, and choosing the
// speech that fits the story.
#include "tests/game/data/DataFixture.h"
#include "game/data/SWITCH.h"
#include "game/map/NPCData.h"
#include "game/shell/BMDCache.h"
#include "platform/runtime/Thrown.h"

using game::BMDCache;
using game::GameData;
using game::NPCData;
using game::SpeechData;
using runtime::Ref;

class NPCDataTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        embed("assets/x2/misc/shadows.png", "shadow sheet", 32, 64);
        BMDCache::load();
        GameData::gameSwitches.assign(game::SWITCH::NUM_SWITCHES, false);
        GameData::storyProgress = 0;
    }

    static Ref<NPCData> one(const std::string& npc) {
        NPCData::readNPCs("test.xml", "<?xml version=\"1.0\"?>\n<data>" + npc + "</data>");
        return NPCData::NPCS.empty() ? nullptr : NPCData::NPCS.back();
    }
    static Ref<SpeechData> speech(const std::string& attributes) {
        auto n = one("<npc id=\"0\"><speech " + attributes + "/></npc>");
        return n && n->speechDatas.size() == 1 ? n->speechDatas[0] : nullptr;
    }
    static std::string first(const Ref<NPCData>& n, const char* type = nullptr) {
        auto s = n->chooseSpeech(type ? runtime::String(type) : runtime::String());
        return s ? s->texts[0].str() : "(none)";
    }
};

TEST_F(NPCDataTest, IntegersFlagsAndDefaultsFollowTheReadingRules) {
    EXPECT_EQ(NPCData::parseInteger("12abc"), 12);
    EXPECT_EQ(NPCData::parseInteger("0x1F"), 31);
    EXPECT_EQ(NPCData::parseInteger("0XfF"), 255);
    EXPECT_EQ(NPCData::parseInteger("0x"), 0);
    EXPECT_EQ(NPCData::parseInteger(" -7"), -7);
    EXPECT_EQ(NPCData::parseInteger("abc"), 0);
    EXPECT_EQ(NPCData::parseInteger(runtime::String()), 0);
    EXPECT_EQ(NPCData::parseInteger("0x7FFFFFFFFF"), INT_MAX);

    for (const char* value : {"True", "TRUE", "1", "yes", ""}) {
        auto n = one(std::string("<npc id=\"3\" shop=\"") + value + "\" decor=\"" + value + "\"/>");
        EXPECT_FALSE(n->shop || n->decor) << value;
    }
    EXPECT_TRUE(one("<npc id=\"3\" shop=\"true\"/>")->shop);

    auto s = speech("text=\"a\" itemID=\"abc\" needSwitch=\"4x\"");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->price, 0);
    EXPECT_EQ(s->needItem, -1);
    EXPECT_EQ(s->addItem, -1);
    EXPECT_EQ(s->removeItem, -1);
    EXPECT_EQ(s->animIndex, -1);
    EXPECT_EQ(s->activateSwitch, -1);
    EXPECT_EQ(s->itemID, 0);
    EXPECT_EQ(s->needSwitch, 4);
    EXPECT_EQ(s->minRuns, -1);
    EXPECT_TRUE(s->type.isNull());
    EXPECT_TRUE(s->option1Action.isNull());
}

TEST_F(NPCDataTest, PagesSplitAtEveryBar) {
    struct Case {
        const char* text;
        std::vector<std::string> pages;
    };
    const Case cases[] = {{"one page", {"one page"}}, {"a||b", {"a", "", "b"}}, {"a|", {"a", ""}}, {"", {""}}};
    for (const Case& c : cases) {
        auto s = speech(std::string("text=\"") + c.text + "\"");
        ASSERT_TRUE(s);
        std::vector<std::string> got;
        for (auto& t : s->texts) got.push_back(t.str());
        EXPECT_EQ(got, c.pages) << c.text;
    }
    // A speech without text still has a page to show.
    EXPECT_EQ(speech("type=\"t\"")->texts.size(), 1u);
}

TEST_F(NPCDataTest, ShadowsAndAnimations) {
    struct Case {
        const char* shad;
        const Ref<framework::BitmapData>* bmd;
    };
    const Case cases[] = {{"shad=\"m\"", &BMDCache::SHADOW_M}, {"", &BMDCache::SHADOW_M},
                          {"shad=\"huge\"", &BMDCache::SHADOW_M}, {"shad=\"none\"", &BMDCache::SHADOW_NONE},
                          {"shad=\"xs\"", &BMDCache::SHADOW_XS}, {"shad=\"xxl\"", &BMDCache::SHADOW_XXL}};
    for (const Case& c : cases)
        EXPECT_EQ(one(std::string("<npc id=\"1\" ") + c.shad + "/>")->shadowBMD.get(), c.bmd->get()) << c.shad;

    auto n = one("<npc id=\"1\" width=\"23\" height=\"39\" frames=\"5\" pauseFrames=\"x\"/>");
    ASSERT_TRUE(n->anim);
    EXPECT_EQ(n->anim->width, 23);
    EXPECT_EQ(n->anim->height, 39);
    EXPECT_EQ(n->anim->frames, 5);
    EXPECT_EQ(n->anim->frameStep, 3);
    EXPECT_EQ(n->anim->pauseFrames, 0);
    EXPECT_TRUE(n->anim->loop);
    EXPECT_FALSE(one("<npc id=\"1\" frames=\"4\" frameStep=\"6\"/>")->anim);
}

TEST_F(NPCDataTest, RecordsAreStoredByIdWithHolesAndLaterEntriesWin) {
    NPCData::readNPCs("test.xml", "<root><!-- c --><npc id=\"4\" name=\"a\"/>text<npc id=\"2\" name=\"b\"/>"
                                  "<npc id=\"4\" name=\"c\"><line text=\"x\"/><!-- c --></npc><npc id=\"-1\"/></root>");
    ASSERT_EQ(NPCData::NPCS.size(), 5u);
    EXPECT_FALSE(NPCData::NPCS[0]);
    EXPECT_FALSE(NPCData::NPCS[3]);
    EXPECT_EQ(NPCData::NPCS[2]->name, "b");
    EXPECT_EQ(NPCData::NPCS[4]->name, "c");
    EXPECT_EQ(NPCData::NPCS[4]->speechDatas.size(), 1u);
    EXPECT_EQ(NPCData::NPCS[4]->minRuns, -1);
    EXPECT_EQ(NPCData::NPCS[4]->leaveSwitch, -1);

    EXPECT_THROW(NPCData::readNPCs("bad.xml", "<data><npc></data>"), runtime::Thrown);
}

TEST_F(NPCDataTest, TheShippedTableHolds61CharactersAnd211Speeches) {
    NPCData::createNPCs();
    int entries = 0, speeches = 0;
    for (auto& n : NPCData::NPCS)
        if (n) {
            ++entries;
            speeches += static_cast<int>(n->speechDatas.size());
        }
    EXPECT_EQ(entries, 61);
    EXPECT_EQ(speeches, 211);
    ASSERT_EQ(NPCData::NPCS.size(), 64u);
    for (int absent : {5, 10, 14}) EXPECT_FALSE(NPCData::NPCS[absent]);

    auto keeper = NPCData::NPCS[4];
    EXPECT_TRUE(keeper->shop && keeper->freeze);
    EXPECT_EQ(keeper->offsetY, 15);
    ASSERT_TRUE(keeper->anim);
    EXPECT_EQ(keeper->anim->frameStep, 7);
    EXPECT_EQ(keeper->anim->pauseFrames, 50);
    EXPECT_FALSE(keeper->cantBuyText.isNull());
    EXPECT_TRUE(NPCData::NPCS[63]->blank);
    EXPECT_EQ(NPCData::NPCS[62]->name, NPCData::NPCS[61]->name);
}

TEST_F(NPCDataTest, TheGuardOffersTheTourFirstAndToExplainAgainOnceStopped) {
    NPCData::createNPCs();
    auto guard = NPCData::NPCS[11];
    auto s = guard->chooseSpeech(runtime::String());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->maxRuns, 0);
    EXPECT_EQ(s->label1, "startExplain");
    EXPECT_EQ(s->label2, "noExplain");

    GameData::gameSwitches[game::SWITCH::GUARD_FIRST_STOPPED] = true;
    s = guard->chooseSpeech("");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->needSwitch, game::SWITCH::GUARD_FIRST_STOPPED);
    EXPECT_EQ(s->label1, "startExplain");

    // Later run counts have lines of their own; typed speeches ignore run counts.
    GameData::storyProgress = 10;
    EXPECT_EQ(guard->chooseSpeech("")->minRuns, 10);
    auto stop = guard->chooseSpeech("firstStop");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->texts.size(), 2u);
    EXPECT_EQ(stop->option1Text, "Ok");
    EXPECT_FALSE(guard->chooseSpeech("nothing"));
}

TEST_F(NPCDataTest, ChoosingNeedsTheSwitchTheItemAndTheRunRange) {
    auto n = one(R"(<npc id="0">
        <speech text="both" needSwitch="30" needItem="1015"/>
        <speech text="switch" needSwitch="150"/>
        <speech text="late" minRuns="3"/>
        <speech text="talk" type="talk" maxRuns="0"/>
        <speech text="early" maxRuns="2"/>
    </npc>)");
    EXPECT_EQ(first(n), "early");
    GameData::storyProgress = 3;
    EXPECT_EQ(first(n), "late");
    EXPECT_EQ(first(n, "talk"), "talk");  // typed: the run range does not count
    GameData::gameSwitches[30] = true;
    EXPECT_EQ(first(n), "late");
    GameData::items.push_back(item(1015));
    EXPECT_EQ(first(n), "both");
    GameData::storyProgress = 1;
    GameData::gameSwitches[30] = false;
    EXPECT_EQ(first(n), "early");  // switch 150 lies beyond the row: not set
}
