// The generator's sequence and ranges, scale modes, the version text and web addresses.
#include <gtest/gtest.h>

#include "../EngineFixture.h"
#include "engine/EngVersion.h"
#include "engine/system/scaleModes/BaseScaleMode.h"
#include "engine/system/scaleModes/RatioScaleMode.h"
#include "engine/util/EngRandom.h"
#include "engine/util/EngSort.h"

using engine::EngG;
using engine::EngRandom;

TEST(EngRandom, SequenceWrapsLikeThirtyTwoBitArithmetic) {
    EngRandom::set_globalSeed(1);
    EXPECT_EQ(EngRandom::generate(), 48271);
    // 48271 * 48271 wraps to a negative 32-bit product before the remainder and the mask.
    int64_t exact = (int64_t{48271} * 48271) % 2147483647;
    EXPECT_EQ(EngRandom::generate(), exact - 1);
    EXPECT_EQ(EngRandom::set_globalSeed(0), 1);
    EXPECT_EQ(EngRandom::set_globalSeed(-5), 1);
    EXPECT_EQ(EngRandom::_internalSeed, 1);

    EXPECT_EQ(EngRandom::intRanged(5, 5), 5);
    EXPECT_EQ(EngRandom::_internalSeed, 1);  // no step taken
    for (int i = 0; i < 200; ++i) {
        int v = EngRandom::intRanged(10, 3);
        EXPECT_TRUE(v >= 3 && v <= 10) << v;
        EXPECT_GE(EngRandom::intRanged(), 0);
        double f = EngRandom::floatRanged(180, -180);
        EXPECT_TRUE(f >= -180 && f < 180) << f;
    }
    std::vector<runtime::Ref<runtime::Object>> none, three{runtime::make<runtime::Object>(), runtime::make<runtime::Object>(),
                                                            runtime::make<runtime::Object>()};
    int32_t state = EngRandom::_internalSeed;
    EXPECT_EQ(EngRandom::getObject(none), nullptr);
    EXPECT_EQ(EngRandom::_internalSeed, state);
    for (int i = 0; i < 50; ++i) {
        auto picked = EngRandom::getObject(three, 1);  // positions 0 and 1 only
        EXPECT_TRUE(picked == three[0] || picked == three[1]);
    }
    EXPECT_EQ(engine::EngSort::byValues(engine::EngSort::ASCENDING, 1, 2), -1);
    EXPECT_EQ(engine::EngSort::byValues(engine::EngSort::DESCENDING, 1, 2), 1);
    EXPECT_EQ(engine::EngSort::byValues(engine::EngSort::ASCENDING, 3, 3), 0);
}

TEST(EngScaleMode, RatioKeepsTheShapeAndCentres) {
    EngG::staticInit();
    EngG::width = 960;
    EngG::height = 540;
    struct Case {
        int w, h;
        double gameW, gameH, offX, offY;
    };
    for (Case c : {Case{1280, 1024, 1280, 720, 0, 152}, Case{1920, 1000, 1777, 1000, 72, 0}, Case{960, 540, 960, 540, 0, 0}}) {
        auto mode = runtime::make<engine::RatioScaleMode>();
        mode->onMeasure(c.w, c.h);
        EXPECT_EQ(mode->gameSize->x, c.gameW) << c.w;
        EXPECT_EQ(mode->gameSize->y, c.gameH) << c.w;
        EXPECT_EQ(mode->offset->x, c.offX) << c.w;
        EXPECT_EQ(mode->offset->y, c.offY) << c.w;
        EXPECT_DOUBLE_EQ(mode->scale->x, c.gameW / 960);
    }
    auto stretched = runtime::make<engine::BaseScaleMode>();
    stretched->onMeasure(1000, 700);
    EXPECT_DOUBLE_EQ(stretched->scale->y, 700.0 / 540);
    EXPECT_EQ(stretched->offset->x, 0);
    EngG::width = EngG::height = 0;
}

TEST_F(EngineFixture, VersionTextAndWebAddresses) {
    EXPECT_TRUE(EngG::VERSION->toString().ends_with(" 3.3.8"));
    EXPECT_EQ(engine::EngVersion(1, 2, 3, "beta").toString().substr(EngG::VERSION->toString().size() - 5), "1.2.3-beta");
    auto& fake = media::FakeMediaModule::get();
    for (auto [in, out] : std::vector<std::pair<std::string, std::string>>{
             {"example.org/x", "http://example.org/x"},
             {"https://example.org/", "https://example.org/"},
             {"HTTP://example.org/", "http://HTTP://example.org/"}}) {
        EngG::openURL(in);
        auto calls = fake.callsTo("media_native_get_url");
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().args[0].str(), out);
    }
}
