// Text animation: the reveal rate, the bounce of a revealed glyph, YELL and SHAKE.
#include "KitFixture.h"

using game::TextSprite;
using runtime::make;
using runtime::Ref;

namespace {
Ref<TextSprite> animated(const char* text, bool bounce = false) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, text, false, -1, 2, false, 0, true, bounce);
}
int shown(const TextSprite& t) {
    int n = 0;
    for (const auto& g : t.allChars) n += g->get_visible() ? 1 : 0;
    return n;
}
}  // namespace

using TextAnimTest = KitFixture;

TEST_F(TextAnimTest, RevealShowsTwoGlyphsAnUpdateAndFourAtThirtyFps) {
    auto t = animated("abcde fghij");
    ASSERT_EQ(t->allChars.size(), 10u);
    EXPECT_EQ(shown(*t), 0);
    for (int call = 1; call <= 5; ++call) {
        EXPECT_FALSE(t->allShown);
        t->updateTextAnim();
        EXPECT_EQ(shown(*t), 2 * call);
    }
    EXPECT_TRUE(t->allShown);

    game::Game::frameRate = 30;
    auto fast = animated("abcde fghij");
    EXPECT_EQ(fast->animCharsPerFrame, 4);
    for (int call = 0; call < 2; ++call) fast->updateTextAnim();
    EXPECT_FALSE(fast->allShown);
    fast->updateTextAnim();
    EXPECT_TRUE(fast->allShown) << "10 glyphs at 4 a call";

    auto spaces = animated("   ");
    spaces->updateTextAnim();
    EXPECT_TRUE(spaces->allShown);
}

TEST_F(TextAnimTest, ARevealedGlyphBouncesOnItsBaselineAndRests) {
    auto t = animated("a", true);
    const auto& g = t->allChars.at(0);
    std::vector<int> hits;
    std::vector<double> speeds;
    double lastY = 0;
    int restedAt = 0;
    for (int update = 1; update <= 60 && !restedAt; ++update) {
        const double before = t->velocities.empty() ? 0 : t->velocities[0];
        t->updateTextAnim();
        if (update > 1 && lastY + before > 0) {
            hits.push_back(update);
            speeds.push_back(before);
        }
        if (!t->bounceStatuses[0]) restedAt = update;
        lastY = g->get_y();
    }
    EXPECT_EQ(hits, (std::vector<int>{18, 30, 38, 43, 46}));
    ASSERT_EQ(speeds.size(), 5u);
    const double expected[] = {5.2, 3.56, 2.308, 1.384, 0.831};
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(speeds[i], expected[i], 0.01) << i;
    EXPECT_EQ(restedAt, 47);
    EXPECT_EQ(g->get_y(), 0);
    EXPECT_FALSE(t->doneBouncing);
    t->updateTextAnim();
    EXPECT_TRUE(t->doneBouncing);
}

TEST_F(TextAnimTest, YellPopsInAtDoubleSizeAndShrinksIntoPlace) {
    auto t = animated("[EFFECT:YELL]ab");
    EXPECT_EQ(t->effect, TextSprite::EFFECT_YELL);
    t->updateTextAnim();
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& g = t->allChars[i];
        auto cell = g->get_scrollRect();
        EXPECT_EQ(g->get_scaleX(), 2);
        EXPECT_EQ(g->get_x(), t->allCharsOrigins[i]->x - static_cast<int>(cell->width * 0.5));
        EXPECT_EQ(g->get_y(), -static_cast<int>(cell->height * 0.5));
    }
    ASSERT_TRUE(runTweensUntil([&] { return t->allChars[1]->get_scaleX() == 1; }));
    EXPECT_EQ(t->allChars[1]->get_x(), t->allCharsOrigins[1]->x);
    EXPECT_EQ(t->allChars[1]->get_y(), 0);
}

TEST_F(TextAnimTest, ShakeStaysInsideTheSquareAboveAndLeftEvenAfterTheReveal) {
    auto t = animated("[EFFECT:SHAKE]shake it");
    double minX = 0, maxX = -3, minY = 0, maxY = -3;
    for (int call = 0; call < 200; ++call) {
        t->updateTextAnim();
        for (std::size_t i = 0; i < t->allChars.size(); ++i) {
            const double dx = t->allChars[i]->get_x() - t->allCharsOrigins[i]->x;
            const double dy = t->allChars[i]->get_y() - t->allCharsOrigins[i]->y;
            minX = std::min(minX, dx), maxX = std::max(maxX, dx);
            minY = std::min(minY, dy), maxY = std::max(maxY, dy);
        }
    }
    EXPECT_TRUE(t->allShown);
    EXPECT_GE(minX, -2);
    EXPECT_LT(maxX, 0);
    EXPECT_GE(minY, -2);
    EXPECT_LT(maxY, 0);
    EXPECT_LT(minX, -1.5) << "the jitter uses the whole square";

    auto misspelt = animated("[EFFECT:SHOUT]ab");
    EXPECT_EQ(misspelt->effect, runtime::String("SHOUT"));
    misspelt->updateTextAnim();
    EXPECT_EQ(misspelt->allChars[0]->get_scaleX(), 1);
    EXPECT_EQ(misspelt->allChars[0]->get_y(), 0);
}
