// Damage numbers: font by type and size, the baseline shift of small numbers, the three motions
// and the hold before the fade, at both frame rates.
#include "BattleFixture.h"
#include "game/battle/DamageText.h"

using game::DamageText;
using game::TextSprite;

class DamageTextTest : public BattleFixture {};

TEST_F(DamageTextTest, FontsBySizeTypeAndCritical) {
    struct Case {
        int amount, type;
        bool crit;
        const runtime::Ref<game::SpriteFont>& font;
    };
    const Case cases[] = {
        {49, DamageText::TYPE_NORMAL, false, TextSprite::MEDIEVAL_SANS_14_OUTLINE_ORANGE},
        {50, DamageText::TYPE_NORMAL, false, TextSprite::MEDIEVAL_SANS_20_OUTLINE_ORANGE},
        {49, DamageText::TYPE_NORMAL, true, TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW},
        {50, DamageText::TYPE_NORMAL, true, TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW},
        {49, DamageText::TYPE_BLEED, true, TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED},
        {50, DamageText::TYPE_BLEED, false, TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED},
        {0, DamageText::TYPE_LIFEDRAIN, false, TextSprite::MEDIEVAL_SANS_14_OUTLINE_PURPLE},
        {50, DamageText::TYPE_LIFEDRAIN, true, TextSprite::MEDIEVAL_SANS_20_OUTLINE_PURPLE},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.font);
        if (c.type == DamageText::TYPE_LIFEDRAIN) script({0.25});
        auto t = runtime::make<DamageText>(c.amount, c.type, 100, 200, false, c.crit);
        EXPECT_EQ(t->font, c.font) << c.amount << " type " << c.type;
        EXPECT_EQ(t->get_text().toText(), std::to_string(c.amount));
        EXPECT_TRUE(t->centered);
    }
}

TEST_F(DamageTextTest, OrdinaryNumberArcsAndBounces) {
    // 49 starts 6 lower than 50; the first update has already run (velocity -4, gravity 0.4).
    auto small = runtime::make<DamageText>(49, DamageText::TYPE_NORMAL, 100, 200, true);
    auto large = runtime::make<DamageText>(50, DamageText::TYPE_NORMAL, 100, 200, false);
    EXPECT_DOUBLE_EQ(small->get_y(), 206 - 4);
    EXPECT_DOUBLE_EQ(large->get_y(), 200 - 4);
    EXPECT_DOUBLE_EQ(small->get_x(), 100 - 0.8);
    EXPECT_DOUBLE_EQ(large->get_x(), 100 + 0.8);
    EXPECT_EQ(small->xDirection, -1);
    EXPECT_DOUBLE_EQ(small->floorY, 206 + 15);
    EXPECT_TRUE(small->physics);
    // A flying monster's number bounces 23 below its start.
    auto flying = runtime::make<DamageText>(50, DamageText::TYPE_NORMAL, 0, 0, false, false, 8);
    EXPECT_DOUBLE_EQ(flying->floorY, 23);
    // It never falls through its floor.
    for (int i = 0; i < 200; ++i) {
        flying->updateAnim();
        EXPECT_LE(flying->get_y(), 23 + 1e-9);
    }
}

TEST_F(DamageTextTest, BleedDripsAndDrainSways) {
    auto bleed = runtime::make<DamageText>(60, DamageText::TYPE_BLEED, 10, 100, false);
    EXPECT_FALSE(bleed->physics);
    EXPECT_DOUBLE_EQ(bleed->get_y(), 101);
    bleed->updateAnim();
    EXPECT_DOUBLE_EQ(bleed->get_y(), 102);
    EXPECT_DOUBLE_EQ(bleed->get_x(), 10);

    script({0.0});
    auto drain = runtime::make<DamageText>(60, DamageText::TYPE_LIFEDRAIN, 10, 100, false);
    EXPECT_DOUBLE_EQ(drain->originX, 10);
    EXPECT_DOUBLE_EQ(drain->get_y(), 100.8);
    EXPECT_DOUBLE_EQ(drain->get_x(), 10);  // sin(0)
    EXPECT_DOUBLE_EQ(drain->xRads, 0.1);
    drain->updateAnim();
    EXPECT_DOUBLE_EQ(drain->get_x(), 10 + std::sin(0.1) * 8);
    EXPECT_NEAR(drain->get_y(), 101.6, 1e-9);
}

TEST_F(DamageTextTest, HoldsThenFadesAtBothFrameRates) {
    for (int rate : {60, 30}) {
        game::Game::frameRate = rate;
        auto t = runtime::make<DamageText>(5, DamageText::TYPE_BLEED, 0, 0, true);
        const int hold = rate == 60 ? 40 : 20;
        EXPECT_EQ(t->fadeDelayFrames, hold);
        EXPECT_DOUBLE_EQ(t->fadeTime, 1.0);
        EXPECT_DOUBLE_EQ(t->absYVel, rate == 60 ? 1 : 2);
        // The constructor's update counted one frame of the hold.
        for (int i = 1; i < hold - 1; ++i) t->updateAnim();
        EXPECT_TRUE(t->waitToRemove) << rate;
        t->updateAnim();
        EXPECT_FALSE(t->waitToRemove) << rate;
        EXPECT_TRUE(t->tweening) << rate;

        auto normal = runtime::make<DamageText>(5, DamageText::TYPE_NORMAL, 0, 0, true);
        EXPECT_EQ(normal->xDirection, -1);
        EXPECT_DOUBLE_EQ(normal->get_x(), rate == 60 ? -0.8 : -1.6);
        tween::Tweener::reset();
    }
}
