// The exploration state's rain: the choice of a rain area by weight, splashes only where the
// screen shows them, 20 a frame from a pool of 160, and the thunder timer.
#include <deque>

#include "game/battle/Effects.h"
#include "game/floor/RainRect.h"
#include "tests/game/map/MapStateFixture.h"

using game::MapState;
using game::RainRect;
using runtime::make;
using runtime::Ref;

namespace {

Ref<RainRect> area(int x, int y, int w, int h, int weight) {
    auto a = make<RainRect>(x, y, w, h);
    a->weight = weight;
    return a;
}

class RainTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        if (game::Effects::RAIN_SPLASHES.empty()) game::Effects::setup();
        buildFloor(3);
        state->mapCanvas->set_x(0);
        state->mapCanvas->set_y(0);
        state->mapCanvas->set_scaleX(1);
        state->mapCanvas->set_scaleY(1);
        state->createCachedRainSplashes();
    }
    std::function<double()> savedRandom = game::MapState::random;
    void TearDown() override {
        MapState::random = savedRandom;
        MapStateFixture::TearDown();
    }
    int splashesShown() const {
        int n = 0;
        for (const auto& s : state->rainSplashes) n += s->get_parent().get() == state->overSprite.get();
        return n;
    }
};

}  // namespace

TEST_F(RainTest, AnAreaIsChosenByItsWeightRange) {
    const std::vector<Ref<RainRect>> areas = {area(0, 0, 10, 10, 0), area(0, 0, 10, 20, 100), area(0, 0, 5, 5, 300)};
    struct Case {
        int n;
        int index;
    };
    for (const Case& c : {Case{0, 0}, Case{99, 0}, Case{100, 1}, Case{299, 1}, Case{300, 2}, Case{5000, 2}})
        EXPECT_EQ(MapState::rainAreaFor(areas, c.n).get(), areas[c.index].get()) << c.n;
    const std::vector<Ref<RainRect>> one = {area(0, 0, 10, 10, 0)};
    for (int n : {0, 50, 99}) EXPECT_EQ(MapState::rainAreaFor(one, n).get(), one[0].get());
    EXPECT_FALSE(MapState::rainAreaFor({}, 3));
}

TEST_F(RainTest, SplashesFallOnScreenTwentyAFrameAndThunderComes) {
    state->mapData->rainRects = {area(100, 100, 200, 100, 0)};
    state->mapData->totalRainWeight = 200 * 100;
    MapState::random = [] { return 0.5; };
    state->thunderTime = 5;
    state->updateRain();
    EXPECT_EQ(splashesShown(), 20);
    EXPECT_EQ(state->rainSplashIndex, 20);
    EXPECT_EQ(state->rainSplashes[0]->get_x(), 200);
    EXPECT_EQ(state->rainSplashes[0]->get_y(), 150);
    const auto effects = state->menuEffects.size();
    for (int i = 0; i < 7; ++i) state->updateRain();
    EXPECT_EQ(state->rainSplashIndex, 0);
    EXPECT_EQ(splashesShown(), 160);
    // Reused splashes are not listed twice.
    EXPECT_LE(state->menuEffects.size(), effects + 140);
    // The timer ran out on the fifth frame: the next thunder is 300 + 0.5 * 800 frames later, less three.
    EXPECT_EQ(state->thunderTime, 700 - 3);

    // Scrolled away from every rain area: nothing shows, thunder still counts down.
    state->mapCanvas->set_x(-5000);
    for (int i = 0; i < 8; ++i) state->updateRain();
    EXPECT_EQ(splashesShown(), 0);
    EXPECT_EQ(state->thunderTime, 700 - 11);
}

TEST_F(RainTest, TheGuiSizeSwitchShowsTheLoadingScreenFirst) {
    state->changeGUISize();
    EXPECT_TRUE(state->changingGUISize);
    EXPECT_EQ(state->changingGUITime, 0);
}
