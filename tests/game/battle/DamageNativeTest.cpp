// The damage rules with scripted draws: weakness, clamping, spread, critical hits, the minimum on
// the hero's side only, dodging, spell bonuses and the instant kill.
#include <functional>
#include <string>

#include "BattleFixture.h"
#include "game/battle/Damage.h"
#include "game/battle/Element.h"
#include "game/data/ItemData.h"

using game::Damage;
using game::Element;
using game::GameData;
using game::UIActiveEffectsHUD;

class DamageTest : public BattleFixture {};

TEST_F(DamageTest, HeroHitTable) {
    struct Case {
        const char* name;
        std::function<void(game::MonsterData&)> set;
        std::initializer_list<double> draws;  // spread, critical
        int amount;
        bool critical;
    };
    const Case cases[] = {
        {"physical only", [](auto&) { GameData::attack = 100; }, {0.5, 0.99}, 100, false},
        {"spread low end", [](auto&) { GameData::attack = 100; }, {0.0, 0.99}, 90, false},
        {"spread high end", [](auto&) { GameData::attack = 100; }, {0.999, 0.99}, 109, false},
        {"defence above attack clamps to 0, then the minimum 1",
         [](auto& m) {
             GameData::attack = 10;
             m.defense = 50;
         },
         {0.5, 0.99}, 1, false},
        {"weakness doubles the element",
         [](auto& m) {
             GameData::attFire = 10;
             m.weak = Element::TYPE_FIRE;
         },
         {0.5, 0.99}, 20, false},
        {"a negative term doubled stays 0",
         [](auto& m) {
             GameData::attack = 7;
             GameData::attFire = 2;
             m.defFire = 5;
             m.weak = Element::TYPE_FIRE;
         },
         {0.5, 0.99}, 7, false},
        {"weakness to another element changes nothing",
         [](auto& m) {
             GameData::attIce = 10;
             m.weak = Element::TYPE_LIGHT;
         },
         {0.5, 0.99}, 10, false},
        {"six elements add up",
         [](auto& m) {
             GameData::attFire = GameData::attIce = GameData::attEarth = 5;
             GameData::attWind = GameData::attDark = GameData::attLight = 5;
             m.defDark = 3;
         },
         {0.5, 0.99}, 27, false},
        {"potion sums add like the hero's own",
         [](auto&) {
             UIActiveEffectsHUD::attack = 4;
             UIActiveEffectsHUD::attFire = 6;
         },
         {0.5, 0.99}, 10, false},
        {"critical hit multiplies",
         [](auto&) {
             GameData::attack = 100;
             GameData::critChance = 10;
         },
         {0.5, 0.05}, 150, true},
        {"critical chance from the potion sum",
         [](auto&) {
             GameData::attack = 100;
             UIActiveEffectsHUD::critChance = 10;
         },
         {0.5, 0.0999}, 150, true},
        {"a roll at the chance is no critical",
         [](auto&) {
             GameData::attack = 100;
             GameData::critChance = 10;
         },
         {0.5, 0.1}, 100, false},
        {"total 1 spread below 1 truncates to 0", [](auto&) { GameData::attack = 1; }, {0.49, 0.99}, 0, false},
        {"total 1 spread at 1 gives 1", [](auto&) { GameData::attack = 1; }, {0.5, 0.99}, 1, false},
        {"total 0 always deals 1", [](auto&) {}, {0.0, 0.99}, 1, false},
    };
    for (const Case& c : cases) {
        zeroHero();
        UIActiveEffectsHUD::recomputeSums();
        auto m = blankMonster();
        c.set(*m);
        script(c.draws);
        Damage::HeroHit hit = Damage::heroHit(*m, false, nullptr);
        EXPECT_EQ(hit.amount, c.amount) << c.name;
        EXPECT_EQ(hit.critical, c.critical) << c.name;
        EXPECT_FALSE(hit.instantKill) << c.name;
        EXPECT_EQ(drawsLeft(), 0u) << c.name;
    }
}

TEST_F(DamageTest, InstantKillRollsFirstAndOnlyWhenAsked) {
    auto m = blankMonster();
    GameData::attack = 10;
    GameData::killChance = 30;
    // Asked: the roll comes first; a success skips the spread and critical draws.
    script({0.29});
    Damage::HeroHit hit = Damage::heroHit(*m, true, nullptr);
    EXPECT_TRUE(hit.instantKill);
    EXPECT_EQ(hit.amount, 0);
    EXPECT_EQ(drawsLeft(), 0u);
    // A failed roll goes on to an ordinary hit.
    script({0.3, 0.5, 0.99});
    hit = Damage::heroHit(*m, true, nullptr);
    EXPECT_FALSE(hit.instantKill);
    EXPECT_EQ(hit.amount, 10);
    // Not asked (after the first hit, or a boss): no roll at all.
    script({0.5, 0.99});
    hit = Damage::heroHit(*m, false, nullptr);
    EXPECT_FALSE(hit.instantKill);
    EXPECT_EQ(drawsLeft(), 0u);
}

TEST_F(DamageTest, SpellBonusIsScaledByMagicBeforeDefenceAndWeakness) {
    game::ItemData::createItems();
    auto spell = game::ItemData::findMagicDataByName("ice");
    ASSERT_TRUE(spell);
    auto item = runtime::make<game::Item>(spell);
    GameData::magic = 10;  // int(25 * 10 * 0.02 + 25) = 30
    auto m = blankMonster();
    m->defIce = 4;
    m->weak = Element::TYPE_ICE;
    script({0.5, 0.99});
    EXPECT_EQ(Damage::heroHit(*m, false, item.get()).amount, (30 - 4) * 2);
    // A spell adds nothing to the physical part.
    m->weak = Element::TYPE_NONE;
    m->defIce = 0;
    GameData::attack = 5;
    script({0.5, 0.99});
    EXPECT_EQ(Damage::heroHit(*m, false, item.get()).amount, 35);
}

TEST_F(DamageTest, MonsterHitTable) {
    struct Case {
        const char* name;
        std::function<void(game::MonsterData&)> set;
        Damage::Elements bonus;
        std::initializer_list<double> draws;  // dodge, spread
        int amount;
        bool dodged;
    };
    const Case cases[] = {
        {"physical", [](auto& m) { m.attack = 100; }, {}, {0.99, 0.5}, 100, false},
        {"defence and potion defence",
         [](auto& m) {
             m.attack = 100;
             GameData::defense = 30;
             UIActiveEffectsHUD::defense = 20;
         },
         {}, {0.99, 0.0}, 45, false},
        {"defences covering everything deal 0: no minimum",
         [](auto& m) {
             m.attack = 10;
             m.attFire = 10;
             GameData::defense = 50;
             GameData::defFire = 50;
         },
         {}, {0.99, 0.5}, 0, false},
        {"no weakness doubling on this side",
         [](auto& m) {
             m.attFire = 10;
             m.weak = Element::TYPE_FIRE;
         },
         {}, {0.99, 0.5}, 10, false},
        {"the battle's element bonus adds to the element",
         [](auto& m) {
             m.attack = 10;
             GameData::defEarth = 20;
         },
         {0, 0, 50, 0, 0, 0}, {0.99, 0.5}, 40, false},
        {"dodge by the hero's chance", [](auto& m) { m.attack = 100; GameData::dodgeChance = 5; }, {}, {0.04}, 0,
         true},
        {"dodge by the potion's chance", [](auto& m) { m.attack = 100; UIActiveEffectsHUD::dodgeChance = 5; }, {},
         {0.0499}, 0, true},
        {"a roll at the chance is no dodge", [](auto& m) { m.attack = 100; GameData::dodgeChance = 5; }, {},
         {0.05, 0.5}, 100, false},
    };
    for (const Case& c : cases) {
        zeroHero();
        UIActiveEffectsHUD::recomputeSums();
        auto m = blankMonster();
        c.set(*m);
        script(c.draws);
        Damage::MonsterHit hit = Damage::monsterHit(*m, c.bonus);
        EXPECT_EQ(hit.amount, c.amount) << c.name;
        EXPECT_EQ(hit.dodged, c.dodged) << c.name;
        EXPECT_EQ(drawsLeft(), 0u) << c.name;
    }
}

TEST_F(DamageTest, HugeNumbersStayWithinRange) {
    auto m = blankMonster();
    GameData::attack = 2147483647;
    GameData::attFire = 2147483647;
    m->weak = Element::TYPE_FIRE;
    GameData::critChance = 100;
    script({0.99, 0.0});
    EXPECT_EQ(Damage::heroHit(*m, false, nullptr).amount, 2147483647);
    m->attack = 2147483647;
    m->attIce = 2147483647;
    GameData::defense = -2147483647;
    script({0.99, 0.99});
    EXPECT_EQ(Damage::monsterHit(*m, {0, 2147483647, 0, 0, 0, 0}).amount, 2147483647);
}
