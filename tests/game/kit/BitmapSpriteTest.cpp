// Frame-strip animation on the global update clock, bounce physics, the delayed fade, the
// completion callback, destruction and the scroller edge fade.
#include "KitFixture.h"
#include "game/kit/BitmapSprite.h"
#include "platform/runtime/DynamicObject.h"

using framework::BitmapData;
using game::Anim;
using game::BitmapSprite;
using game::G;
using game::Game;
using runtime::make;
using runtime::Ref;

namespace {
class BitmapSpriteTest : public KitFixture {
protected:
    // One game update of the sprite, as its owners run it.
    static void update(BitmapSprite& s) {
        ++G::frameCount;
        s.updateAnim();
    }
    static std::string cell(BitmapSprite& s) {
        auto r = s.bitmap->get_scrollRect();
        return std::to_string(static_cast<int>(r->x)) + "," + std::to_string(static_cast<int>(r->y));
    }
    // The cells shown, one entry per change, over n updates.
    static std::vector<std::string> cellsOver(BitmapSprite& s, int n) {
        std::vector<std::string> seen{cell(s)};
        for (int i = 0; i < n && !s.animCompleted; ++i) {
            update(s);
            if (cell(s) != seen.back()) seen.push_back(cell(s));
        }
        return seen;
    }
    static Ref<BitmapSprite> sheet(int w, int h) { return make<BitmapSprite>(make<BitmapData>(w, h, true, 0)); }
};
}  // namespace

TEST_F(BitmapSpriteTest, StripsPlayWrapAndTurnOnTheUpdateClock) {
    struct Case {
        const char* what;
        int sheetW, sheetH;
        Ref<Anim> anim;
        int updates;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"one play of four cells", 128, 32, make<Anim>(0, 0, 32, 32, 4, false), 40, {"0,0", "32,0", "64,0", "96,0"}},
        {"six cells wrap below", 128, 64, make<Anim>(0, 0, 32, 32, 6, false), 40,
         {"0,0", "32,0", "64,0", "96,0", "0,32", "32,32"}},
        {"back and forth", 128, 32, make<Anim>(0, 0, 32, 32, 4, true, 1, true), 7,
         {"0,0", "32,0", "64,0", "96,0", "64,0", "32,0", "0,0", "32,0"}},
    };
    for (const Case& c : cases) {
        G::frameCount = 0;
        auto s = sheet(c.sheetW, c.sheetH);
        s->setNewAnim(c.anim);
        EXPECT_EQ(cellsOver(*s, c.updates), c.cells) << c.what;
    }
}

TEST_F(BitmapSpriteTest, ANonLoopingStripCompletesOnTheTickAfterItsLastCellAndSkipsPhysicsThen) {
    auto s = sheet(128, 32);
    s->setNewAnim(make<Anim>(0, 0, 32, 32, 4, false));
    s->physics = true;
    s->grounded = true;
    s->velX = 0.25;  // below the friction threshold: moves by exactly 0.25 an update
    s->waitToRemove = true;
    s->fadeDelayFrames = 1000;
    for (int i = 1; i <= 11; ++i) update(*s);
    EXPECT_EQ(s->frame, 4);
    EXPECT_FALSE(s->animCompleted);
    EXPECT_DOUBLE_EQ(s->get_x(), 11 * 0.25);
    EXPECT_EQ(s->fadeDelayCounter, 11);
    update(*s);  // update 12, the fourth tick
    EXPECT_TRUE(s->animCompleted);
    EXPECT_TRUE(s->animPaused);
    EXPECT_EQ(cell(*s), "96,0");  // the last cell stays
    EXPECT_DOUBLE_EQ(s->get_x(), 11 * 0.25);
    EXPECT_EQ(s->fadeDelayCounter, 11);
    update(*s);
    EXPECT_DOUBLE_EQ(s->get_x(), 12 * 0.25);

    // Loops 1: two plays.
    G::frameCount = 0;
    auto twice = sheet(128, 32);
    twice->setNewAnim(make<Anim>(0, 0, 32, 32, 4, false, 1), true, 1);
    int updates = 0;
    while (!twice->animCompleted && updates < 100) update(*twice), ++updates;
    EXPECT_EQ(updates, 8);
}

TEST_F(BitmapSpriteTest, ThirtyFramesPerSecondHalvesStepsAndHoldsRoundingHalfUp) {
    Game::frameRate = 30;
    const std::pair<int, int> halves[] = {{3, 2}, {1, 1}, {4, 2}, {5, 3}, {15, 8}, {10, 5}};
    for (auto [at60, at30] : halves) EXPECT_EQ(BitmapSprite::scaledFrames(at60), at30) << at60;

    // A looping 2-cell strip, step 3 and a hold of 15: the cell changes every second update and
    // the first cell of a repeat is held 8 extra ticks.
    auto s = sheet(64, 32);
    s->setNewAnim(make<Anim>(0, 0, 32, 32, 2, true, 3, false, 15));
    std::vector<int> changes;
    std::string last = cell(*s);
    for (int u = 1; u <= 30; ++u) {
        update(*s);
        if (cell(*s) != last) changes.push_back(u), last = cell(*s);
    }
    // Cell 1 at update 2, back to cell 0 at 4, held for 8 ticks (to update 20), cell 1 at 22.
    EXPECT_EQ(changes, (std::vector<int>{2, 4, 22, 24}));
    Game::frameRate = 60;
    EXPECT_EQ(BitmapSprite::scaledFrames(15), 15);
}

TEST_F(BitmapSpriteTest, ATossedSpriteBouncesSettlesAndSlides) {
    auto s = make<BitmapSprite>();
    s->physics = true;
    s->velY = -5;
    s->velX = 3;
    s->floorY = 0;
    std::vector<double> impacts;
    int groundedAt = 0, stoppedAt = 0;
    double velXAtLanding = 0;
    for (int u = 1; u <= 120; ++u) {
        double before = s->velY;
        bool wasGrounded = s->grounded;
        update(*s);
        if (!wasGrounded && s->velY < 0 && before > 0) impacts.push_back(before);
        if (s->grounded && !groundedAt) groundedAt = u, velXAtLanding = s->velX;
        if (s->velX == 0 && !stoppedAt) stoppedAt = u;
    }
    ASSERT_GE(impacts.size(), 7u);
    const double expected[] = {5.4, 3.82, 2.526, 1.832, 1.518, 1.338, 1.064};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(impacts[static_cast<std::size_t>(i)], expected[i], 0.001) << i;
    EXPECT_EQ(groundedAt, 89);
    EXPECT_NEAR(velXAtLanding, 1.435 * 0.9, 0.001);  // landed at 1.435, then the update's friction
    EXPECT_EQ(stoppedAt, 99);
    EXPECT_EQ(s->get_y(), 0);
}

TEST_F(BitmapSpriteTest, TweenOnCompleteFiresOnceWhicheverOfAnimationAndTweenEndsLast) {
    for (bool tweenLast : {false, true}) {
        G::frameCount = 0;
        auto s = sheet(64, 32);
        int fired = 0;
        s->tweenOnComplete = runtime::Function::of([&] { ++fired; });
        s->setNewAnim(make<Anim>(0, 0, 32, 32, 2, false, 1));
        if (!tweenLast) {
            s->waitToRemove = true;
            s->fadeDelayFrames = 1;
            s->fadeTime = 0.05;
            update(*s);  // the fade starts, the animation goes on
            EXPECT_TRUE(s->tweening);
            ASSERT_TRUE(runTweensUntil([&] { return !s->tweening; }));
            EXPECT_EQ(fired, 0) << "the animation is still running";
            while (!s->animCompleted) update(*s);
        } else {
            auto props = make<runtime::DynamicObject>();
            props->setField("alpha", runtime::Value(0.5));
            s->tween(tween::Tweener::tween(s, 0.05, props));
            while (!s->animCompleted) update(*s);
            EXPECT_EQ(fired, 0) << "the tween is still running";
            ASSERT_TRUE(runTweensUntil([&] { return !s->tweening; }));
        }
        EXPECT_EQ(fired, 1) << (tweenLast ? "tween last" : "animation last");
        EXPECT_FALSE(s->tweenOnComplete);
        s->completeAnimation();
        s->endTween();
        EXPECT_EQ(fired, 1);
    }
}

TEST_F(BitmapSpriteTest, AFadeStartsAfterItsDelayAndAZeroLengthFadeStillEnds) {
    auto s = make<BitmapSprite>();
    s->waitToRemove = true;
    s->fadeDelayFrames = 30;
    s->fadeTime = 0.5;
    for (int i = 0; i < 29; ++i) update(*s);
    EXPECT_TRUE(s->waitToRemove);
    EXPECT_FALSE(s->tweening);
    update(*s);
    EXPECT_FALSE(s->waitToRemove);
    EXPECT_TRUE(s->tweening);

    // A fade of no length ends inside its own start: the sprite is not left tweening for ever.
    auto quick = make<BitmapSprite>();
    int fired = 0;
    quick->tweenOnComplete = runtime::Function::of([&] { ++fired; });
    quick->waitToRemove = true;
    quick->fadeDelayFrames = 1;
    update(*quick);
    EXPECT_FALSE(quick->tweening);
    EXPECT_EQ(quick->get_alpha(), 0);
    EXPECT_EQ(fired, 1);

    auto never = make<BitmapSprite>();
    never->waitToRemove = true;
    for (int i = 0; i < 50; ++i) update(*never);
    EXPECT_TRUE(never->waitToRemove);
}

TEST_F(BitmapSpriteTest, DestroySparesIgnoreDestroyUnlessForcedAndEmptiesChildren) {
    auto owned = make<BitmapData>(4, 4, true, 0);
    auto kept = make<BitmapSprite>(make<BitmapData>(4, 4, true, 0), false, true);
    kept->destroy();
    EXPECT_FALSE(kept->destroyed);
    EXPECT_TRUE(kept->bitmap);
    EXPECT_EQ(kept->get_numChildren(), 1);

    auto parent = make<BitmapSprite>(owned, true);
    auto plainChild = make<BitmapSprite>(make<BitmapData>(2, 2, true, 0));
    parent->addChild(kept);
    parent->addChild(plainChild);
    parent->addChild(make<framework::Sprite>());
    parent->destroy();
    EXPECT_TRUE(parent->destroyed);
    EXPECT_EQ(parent->get_numChildren(), 0);
    EXPECT_FALSE(parent->bmd);
    EXPECT_FALSE(parent->bitmap);
    EXPECT_EQ(owned->get_width(), 0) << "an owned picture is disposed";
    EXPECT_TRUE(plainChild->destroyed);
    EXPECT_FALSE(kept->destroyed) << "removed but spared";
    EXPECT_FALSE(kept->get_parent());

    kept->destroy(true);
    EXPECT_TRUE(kept->destroyed);
    EXPECT_EQ(kept->get_numChildren(), 0);
}

TEST_F(BitmapSpriteTest, ScrollerEdgeFadeAndIdentity) {
    const std::pair<double, double> cases[] = {{0.05, 0.09}, {0.5, 1}, {0.95, 0.09}, {0.02, 0}, {0.1, 1}};
    auto s = make<BitmapSprite>();
    for (auto [position, alpha] : cases) {
        s->updateAlphaForScroller(position);
        EXPECT_TRUE(s->get_visible()) << position;
        EXPECT_NEAR(s->get_alpha(), alpha, 1e-9) << position;
    }
    for (double edge : {0.0, 1.0, -0.5}) {
        s->updateAlphaForScroller(edge);
        EXPECT_FALSE(s->get_visible()) << edge;
    }
    EXPECT_TRUE(s->equals(s));
    EXPECT_FALSE(s->equals(nullptr));
    EXPECT_FALSE(s->equals(make<BitmapSprite>()));
}

TEST_F(BitmapSpriteTest, FlippingMirrorsTheCellInPlace) {
    auto s = sheet(128, 32);
    s->setNewAnim(make<Anim>(0, 0, 32, 32, 4));
    s->set_flipped(true);
    EXPECT_EQ(s->bitmap->get_scaleX(), -1);
    EXPECT_EQ(s->bitmap->get_x(), 32);
    s->frame = 3;
    s->setNewAnim(make<Anim>(0, 0, 16, 16, 4), false);
    EXPECT_EQ(cell(*s), "32,0");  // the third cell of the new strip
    EXPECT_EQ(s->bitmap->get_x(), 16);
    s->set_flipped(false);
    EXPECT_EQ(s->bitmap->get_scaleX(), 1);
    EXPECT_EQ(s->bitmap->get_x(), 0);
}
