// Spell sparks: their starting velocity by type, burst and frame rate, and their drift.
#include "BattleFixture.h"
#include "game/battle/Particle.h"

using game::Particle;

class ParticleTest : public BattleFixture {
protected:
    void SetUp() override {
        BattleFixture::SetUp();
        Particle::setupAnims();
    }
};

TEST_F(ParticleTest, AnimationsFollowTheTypeValues) {
    ASSERT_EQ(Particle::ANIMS.size(), 8u);
    EXPECT_EQ(Particle::ANIMS[Particle::ICE_FAST], Particle::ANIM_ICE_FAST);
    EXPECT_EQ(Particle::ANIMS[Particle::EARTH], Particle::ANIM_EARTH);
    struct Row {
        int type, startY, step;
    };
    for (Row r : {Row{Particle::FIRE, 0, 3}, Row{Particle::ICE_SLOW, 4, 9}, Row{Particle::EARTH, 8, 3},
                  Row{Particle::WIND, 12, 3}, Row{Particle::DARK, 16, 3}, Row{Particle::LIGHT, 20, 3},
                  Row{Particle::ICE_FAST, 4, 6}, Row{Particle::ICE_SWORD, 4, 3}}) {
        const auto& a = Particle::ANIMS[r.type];
        EXPECT_EQ(a->startY, r.startY) << r.type;
        EXPECT_EQ(a->frameStep, r.step) << r.type;
        EXPECT_EQ(a->frames, 8);
        EXPECT_EQ(a->width, 4);
        EXPECT_FALSE(a->loop);
    }
}

TEST_F(ParticleTest, StartingVelocityRanges) {
    struct Case {
        int type;
        bool burst;
        int rate;
        double xLow, xHigh, yLow, yHigh;  // at draws 0 and 1
    };
    const Case cases[] = {
        {Particle::FIRE, false, 60, -2, 2, -0.5, 1.5},
        {Particle::ICE_SWORD, false, 60, -2, 2, -0.5, 1.5},
        {Particle::FIRE, true, 30, -8, 8, -2, 6},
        {Particle::ICE_SLOW, false, 60, -2, 2, -2, 1},
        {Particle::ICE_FAST, false, 60, -4, 4, -4, 1},
        {Particle::ICE_FAST, true, 60, -8, 8, -8, 2},
    };
    for (const Case& c : cases) {
        game::Game::frameRate = c.rate;
        script({0.0, 0.0});
        auto low = runtime::make<Particle>(c.type, c.burst);
        script({1.0, 1.0});  // held just below 1
        auto high = runtime::make<Particle>(c.type, c.burst);
        EXPECT_DOUBLE_EQ(low->xMovement, c.xLow) << c.type;
        EXPECT_DOUBLE_EQ(low->yMovement, c.yLow) << c.type;
        EXPECT_NEAR(high->xMovement, c.xHigh, 1e-9) << c.type;
        EXPECT_NEAR(high->yMovement, c.yHigh, 1e-9) << c.type;
        EXPECT_LT(high->xMovement, c.xHigh) << c.type;
    }
}

TEST_F(ParticleTest, SwordSparksRiseAndIceGlidesToAStop) {
    script({0.75, 0.25});  // x 1, y 0
    auto fire = runtime::make<Particle>(Particle::FIRE);
    fire->update();
    EXPECT_DOUBLE_EQ(fire->get_x(), 1);
    EXPECT_DOUBLE_EQ(fire->xMovement, 0.96);
    EXPECT_DOUBLE_EQ(fire->yMovement, -0.2);

    script({0.75, 0.0});  // x 1, y -2
    auto ice = runtime::make<Particle>(Particle::ICE_SLOW);
    ice->update();
    EXPECT_DOUBLE_EQ(ice->get_y(), -2);
    EXPECT_DOUBLE_EQ(ice->yMovement, -2 * 0.96);

    // A sword spark lives 24 frames, a slow ice spark 72.
    for (auto [type, life] : {std::pair{Particle::EARTH, 24}, std::pair{Particle::ICE_SLOW, 72}}) {
        int frames = 0;
        script({0.5, 0.5});
        auto spark = runtime::make<Particle>(type);
        while (!spark->animCompleted && frames < 200) {
            ++game::G::frameCount;
            spark->update();
            ++frames;
        }
        EXPECT_NEAR(frames, life, type == Particle::EARTH ? 3 : 9) << type;
    }
}
