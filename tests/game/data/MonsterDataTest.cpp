// Monster definitions: the embedded monster table, the reading rules on small tables, and
// new-game-plus scaling.
#include <climits>

#include "tests/game/shell/GameFixture.h"
#include "game/battle/Element.h"
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/shell/BMDCache.h"
#include "game/shell/DefaultAssetLibrary.h"
#include "platform/runtime/Thrown.h"

using game::BMDCache;
using game::Element;
using game::MonsterData;
using runtime::Ref;

class MonsterDataTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        embed("assets/x2/misc/shadows.png", "shadow sheet", 32, 64);
        BMDCache::load();
    }
    void TearDown() override {
        MonsterData::MONSTERS.clear();
        GameFixture::TearDown();
    }

    // Reads a table of the given monster elements.
    static const MonsterData::List& read(const std::string& monsters) {
        MonsterData::readMonsters("test.xml", "<?xml version=\"1.0\"?>\n<data>" + monsters + "</data>");
        return MonsterData::MONSTERS;
    }
    static Ref<MonsterData> one(const std::string& attributes) {
        const auto& list = read("<monster " + attributes + "/>");
        return list.size() == 1 ? list[0] : nullptr;
    }
    static Ref<MonsterData> named(const std::string& name) {
        for (const auto& m : MonsterData::MONSTERS)
            if (m->name == name.c_str()) return m;
        return nullptr;
    }
    static void expectAnim(const MonsterData::AnimRef& a, int x, int y, int w, int h, int frames, bool loop, int step) {
        ASSERT_TRUE(a);
        EXPECT_EQ(a->startX, x);
        EXPECT_EQ(a->startY, y);
        EXPECT_EQ(a->width, w);
        EXPECT_EQ(a->height, h);
        EXPECT_EQ(a->frames, frames);
        EXPECT_EQ(a->loop, loop);
        EXPECT_EQ(a->frameStep, step);
        EXPECT_FALSE(a->backAndForth);
        EXPECT_EQ(a->pauseFrames, 0);
    }
};

TEST_F(MonsterDataTest, TheTableHolds45MonstersAndReadingItAgainReplacesThem) {
    game::Monster::FLY_HEIGHT = 0;
    MonsterData::createMonsters();
    ASSERT_EQ(MonsterData::MONSTERS.size(), 45u);
    Ref<MonsterData> firstRat = MonsterData::MONSTERS[0];
    MonsterData::createMonsters();
    ASSERT_EQ(MonsterData::MONSTERS.size(), 45u);
    EXPECT_NE(MonsterData::MONSTERS[0].get(), firstRat.get());
    EXPECT_EQ(game::Monster::FLY_HEIGHT, 8);

    auto wyvern = named("Wyvern");
    ASSERT_TRUE(wyvern);
    EXPECT_EQ(wyvern->drops, (std::vector<int>{5, 10, 15}));
    EXPECT_EQ(wyvern->dropChances, (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(named("Bat")->drops.empty());
    EXPECT_TRUE(named("Bat")->dropChances.empty());

    auto yeti = MonsterData::findDataWithID(2150);
    ASSERT_TRUE(yeti);
    EXPECT_EQ(yeti->name, "Yeti");
    EXPECT_EQ(yeti->minFloor, 50);
    EXPECT_EQ(yeti->maxFloor, 50);
    EXPECT_FALSE(MonsterData::findDataWithID(2151));

    auto rat = MonsterData::findDataWithID(0);
    EXPECT_EQ(rat->maxHP, 12);
    EXPECT_EQ(rat->weak, Element::TYPE_FIRE);
    EXPECT_TRUE(rat->bleed);
    EXPECT_FALSE(named("Angry Shroom")->bleed);

    // The sorcerer's gold and experience are left empty.
    auto sorcerer = MonsterData::findDataWithID(3300);
    EXPECT_EQ(sorcerer->gold, 0);
    EXPECT_EQ(sorcerer->exp, 0);
    EXPECT_TRUE(sorcerer->randomAtack);

    // The two spiders have no shadow; the others one of the six sizes.
    for (const auto& m : MonsterData::MONSTERS) {
        bool none = m->name == "Spider" || m->name == "Blood Spider" || m->id == game::Monster::DEMON_ID;
        EXPECT_EQ(m->shadowBMD == BMDCache::SHADOW_NONE, none) << m->name.str();
    }
}

TEST_F(MonsterDataTest, TheSummonedHasNoPictureOfItsOwn) {
    MonsterData::createMonsters();
    auto demon = MonsterData::findDataWithID(game::Monster::DEMON_ID);
    ASSERT_TRUE(demon);
    EXPECT_EQ(demon->name, "The Summoned");
    EXPECT_EQ(demon->maxHP, 15000);
    EXPECT_EQ(demon->bmd, BMDCache::invisPixel);
    EXPECT_EQ(demon->attackBMD, BMDCache::invisPixel);
    EXPECT_EQ(demon->frameWidth, 32);
    EXPECT_EQ(demon->frameHeight, 32);
    EXPECT_EQ(demon->attackFrameWidth, 32);
    EXPECT_EQ(demon->attackFrameHeight, 32);
    EXPECT_EQ(demon->idleAnim, MonsterData::MISSING_GRAPHIC_ANIM);
    EXPECT_EQ(demon->attackIdleAnim, MonsterData::MISSING_GRAPHIC_ANIM);
    EXPECT_EQ(demon->attackAnim, MonsterData::MISSING_GRAPHIC_ANIM);
    EXPECT_EQ(demon->groundPoint->x, 16);
    EXPECT_EQ(demon->groundPoint->y, 28);
    EXPECT_EQ(demon->shadowBMD, BMDCache::SHADOW_NONE);
    expectAnim(MonsterData::MISSING_GRAPHIC_ANIM, 0, 0, 1, 1, 1, false, 3);
}

TEST_F(MonsterDataTest, EveryPictureAndSoundTheTableNamesIsAnAsset) {
    MonsterData::createMonsters();
    std::set<std::string> ids;
    for (const auto& e : game::DefaultAssetLibrary::embedded()) ids.insert(e.id);
    for (const auto& m : MonsterData::MONSTERS) {
        if (m->id == game::Monster::DEMON_ID) continue;
        std::string stem = m->name.str();
        std::erase(stem, ' ');
        EXPECT_TRUE(ids.count("assets/x2/monsters/" + stem + "Idle.png")) << stem;
        EXPECT_TRUE(ids.count("assets/x2/monsters/" + stem + "Attack.png")) << stem;
        ASSERT_FALSE(m->attackSound.isNull()) << stem;
        EXPECT_TRUE(ids.count("assets/audio/oggs/" + m->attackSound.str() + ".ogg")) << m->attackSound.str();
    }
}

TEST_F(MonsterDataTest, AttributesAreReadByTheTableRules) {
    auto m = one(R"(name="Bat" id="7" hp="-12" att="" def="4x" gold="abc" exp=" +9" defIce="30" attDark="-1"
                    weak="Fire" flying="True" stationary="true" attSound="chomp")");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->id, 7);
    EXPECT_EQ(m->maxHP, -12);
    EXPECT_EQ(m->attack, 0);
    EXPECT_EQ(m->defense, 4);
    EXPECT_EQ(m->gold, 0);
    EXPECT_EQ(m->exp, 9);
    EXPECT_EQ(m->defIce, 30);
    EXPECT_EQ(m->attDark, -1);
    EXPECT_EQ(m->minFloor, 0);
    EXPECT_EQ(m->weak, Element::TYPE_NONE);
    EXPECT_FALSE(m->flying);
    EXPECT_TRUE(m->stationary);
    EXPECT_EQ(m->attackSound, "chomp");
    EXPECT_TRUE(one(R"(name="A" id="1")")->attackSound.isNull());

    struct Bleed {
        const char* attribute;
        bool bleeds;
    };
    for (const Bleed& b : {Bleed{R"(bleed="false")", false}, Bleed{R"(bleed="False")", true},
                           Bleed{R"(bleed="")", true}, Bleed{"", true}, Bleed{R"(bleed="no")", true}})
        EXPECT_EQ(one(std::string(R"(name="A" id="1" )") + b.attribute)->bleed, b.bleeds) << b.attribute;

    // Every child element is a monster, whatever its tag; comments and text are skipped.
    const auto& list = read(R"(<monster name="A" id="1"/><!-- a note -->text<beast name="B" id="2"/>)");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1]->name, "B");
}

TEST_F(MonsterDataTest, DropListsAreSplitAtCommas) {
    auto m = one(R"(name="A" id="1" drops="5,x,15" dropChances="3")");
    EXPECT_EQ(m->drops, (std::vector<int>{5, 0, 15}));
    EXPECT_EQ(m->dropChances, (std::vector<int>{3}));
    m = one(R"(name="A" id="1")");
    EXPECT_TRUE(m->drops.empty());
    EXPECT_TRUE(m->dropChances.empty());
}

TEST_F(MonsterDataTest, WeaknessTexts) {
    struct Case {
        runtime::String text;
        int type;
    };
    for (const Case& c : {Case{"fire", Element::TYPE_FIRE}, Case{"ice", Element::TYPE_ICE},
                          Case{"earth", Element::TYPE_EARTH}, Case{"wind", Element::TYPE_WIND},
                          Case{"dark", Element::TYPE_DARK}, Case{"light", Element::TYPE_LIGHT},
                          Case{"Fire", Element::TYPE_NONE}, Case{"", Element::TYPE_NONE},
                          Case{nullptr, Element::TYPE_NONE}})
        EXPECT_EQ(MonsterData::getWeaknessType(c.text), c.type) << c.text.toText();
}

TEST_F(MonsterDataTest, AnimationsOfOrdinaryFlyingAndPosedMonsters) {
    // The strip's first cell is the pose; the attack starts one cell in. Steps default to 3.
    auto m = one(R"(name="A" id="1" width="40" height="36" attWidth="56" attHeight="40" idleFrames="4"
                    backAndForth="true" pauseFrames="5" attFrames="6" groundX="30" groundY="38")");
    ASSERT_TRUE(m->idleAnim);
    EXPECT_EQ(m->idleAnim->width, 40);
    EXPECT_EQ(m->idleAnim->height, 36);
    EXPECT_EQ(m->idleAnim->frames, 4);
    EXPECT_TRUE(m->idleAnim->loop);
    EXPECT_EQ(m->idleAnim->frameStep, 3);
    EXPECT_TRUE(m->idleAnim->backAndForth);
    EXPECT_EQ(m->idleAnim->pauseFrames, 5);
    expectAnim(m->attackIdleAnim, 0, 0, 56, 40, 1, false, 3);
    expectAnim(m->attackAnim, 56, 0, 56, 40, 6, false, 3);
    EXPECT_EQ(m->groundPoint->x, 30);
    EXPECT_EQ(m->groundPoint->y, 38);

    // A flyer without attIdleFrames gets a pose of 0 frames; its attack starts where it says.
    m = one(R"(name="A" id="1" width="32" height="32" attWidth="48" attHeight="32" flying="true" idleStep="8"
               attIdleStep="6" attStartX="0" attStartY="32" attFrames="6" attStep="4")");
    EXPECT_EQ(m->idleAnim->frameStep, 8);
    expectAnim(m->attackIdleAnim, 0, 0, 48, 32, 0, true, 6);
    expectAnim(m->attackAnim, 0, 32, 48, 32, 6, false, 4);
    EXPECT_EQ(m->groundPoint->x, 0);

    m = one(R"(name="A" id="1" width="32" height="32" attWidth="48" attHeight="32" attackHasIdleAnim="true"
               attIdleFrames="3" attStartX="96" attFrames="2")");
    expectAnim(m->attackIdleAnim, 0, 0, 48, 32, 3, true, 3);
    expectAnim(m->attackAnim, 96, 0, 48, 32, 2, false, 3);
}

TEST_F(MonsterDataTest, ShadowsAndEffectsByName) {
    struct Shadow {
        const char* size;
        const BMDCache::BMD& bmd;
    };
    for (const Shadow& s : {Shadow{"xs", BMDCache::SHADOW_XS}, Shadow{"s", BMDCache::SHADOW_S},
                            Shadow{"m", BMDCache::SHADOW_M}, Shadow{"l", BMDCache::SHADOW_L},
                            Shadow{"xl", BMDCache::SHADOW_XL}, Shadow{"xxl", BMDCache::SHADOW_XXL},
                            Shadow{"XL", BMDCache::SHADOW_NONE}, Shadow{"", BMDCache::SHADOW_NONE}}) {
        ASSERT_TRUE(s.bmd);
        EXPECT_EQ(one(std::string(R"(name="A" id="1" shad=")") + s.size + "\"")->shadowBMD, s.bmd) << s.size;
    }
    EXPECT_NE(BMDCache::SHADOW_L, BMDCache::SHADOW_XL);
    // A monster without a picture gets its shadow all the same.
    EXPECT_EQ(one(R"(name="A" id="1" shad="m")")->shadowBMD, BMDCache::SHADOW_M);

    embed("assets/x2/monsters/plasmablast.png", "plasma", 192, 48);
    auto m = one(R"(name="A" id="1" effect="plasmablast")");
    ASSERT_TRUE(m->effectBMD);
    EXPECT_EQ(m->effectBMD->get_width(), 192);
    EXPECT_FALSE(m->randomAtack);
    m = one(R"(name="A" id="1" effect="random")");
    EXPECT_TRUE(m->randomAtack);
    for (const char* other : {R"(effect="Random")", R"(effect="")", ""}) {
        m = one(std::string(R"(name="A" id="1" )") + other);
        EXPECT_FALSE(m->randomAtack) << other;
        EXPECT_FALSE(m->effectBMD) << other;
        EXPECT_FALSE(m->effectAnim) << other;
    }
    MonsterData::setEffect(m, "firespit");
    EXPECT_EQ(m->effectBMD, BMDCache::FIRE_SPIT);
}

TEST_F(MonsterDataTest, ATableThatIsNotXmlStopsWithItsPosition) {
    try {
        MonsterData::readMonsters("assets/xml/monsters.xml", "<data>\n  <monster name=\"A\"\n</data>");
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        std::string text = t.value().toText();
        EXPECT_NE(text.find("assets/xml/monsters.xml"), std::string::npos) << text;
        EXPECT_NE(text.find("line 3"), std::string::npos) << text;
    }
}

TEST_F(MonsterDataTest, NewGamePlusScalesFromTheTableNumbers) {
    auto rat = [] {
        return one(R"(name="Rat" id="0" hp="12" att="18" def="5" gold="1" exp="2" defFire="30" attIce="-1"
                      defDark="0" weak="fire" min="1" max="4")");
    };
    struct Case {
        int n;
        int hp, att, def, gold, exp, defFire, attIce;
    };
    for (const Case& c : {Case{0, 12, 18, 5, 1, 2, 30, -1}, Case{1, 266, 175, 47, 11, 152, 31, -1},
                          Case{2, 523, 335, 89, 21, 303, 66, -2}, Case{3, 0, 0, 0, 0, 0, 104, -5}}) {
        auto m = rat();
        MonsterData::adjustForNewGamePlus(c.n);
        EXPECT_EQ(m->defFire, c.defFire) << c.n;
        EXPECT_EQ(m->attIce, c.attIce) << c.n;
        EXPECT_EQ(m->defDark, 0) << c.n;
        EXPECT_EQ(m->minFloor, 1);
        EXPECT_EQ(m->weak, Element::TYPE_FIRE);
        if (c.n == 3) continue;
        EXPECT_EQ(m->maxHP, c.hp) << c.n;
        EXPECT_EQ(m->attack, c.att) << c.n;
        EXPECT_EQ(m->defense, c.def) << c.n;
        EXPECT_EQ(m->gold, c.gold) << c.n;
        EXPECT_EQ(m->exp, c.exp) << c.n;
    }

    MonsterData::createMonsters();
    MonsterData::adjustForNewGamePlus(1);
    EXPECT_EQ(MonsterData::findDataWithID(game::Monster::DEMON_ID)->maxHP, 21250);
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 266);
    // Reading the table again starts from its own numbers; the count is the saved one.
    MonsterData::createMonsters();
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 12);
    game::GameData::newGamePlusNum = 2;
    MonsterData::adjustForNewGamePlus();
    game::GameData::newGamePlusNum = 0;
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 523);
    MonsterData::createMonsters();

    // Past the 32-bit range the numbers stay at its end.
    MonsterData::adjustForNewGamePlus(36);
    EXPECT_EQ(MonsterData::findDataWithID(game::Monster::DEMON_ID)->maxHP, INT_MAX);
    EXPECT_LT(MonsterData::findDataWithID(0)->maxHP, INT_MAX);
}
