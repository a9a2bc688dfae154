// Easing end points, the exponential and elastic ends, the bounce curve and the eases by name.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/tweens/EngEase.h"

using engine::EngEase;

TEST(EngEase, EndPointsAndMidpoints) {
    using F = double (*)(double);
    struct Family {
        const char* name;
        F in, out, inOut;
    } families[] = {
        {"quad", EngEase::quadIn, EngEase::quadOut, EngEase::quadInOut},
        {"cube", EngEase::cubeIn, EngEase::cubeOut, EngEase::cubeInOut},
        {"quart", EngEase::quartIn, EngEase::quartOut, EngEase::quartInOut},
        {"quint", EngEase::quintIn, EngEase::quintOut, EngEase::quintInOut},
        {"sine", EngEase::sineIn, EngEase::sineOut, EngEase::sineInOut},
        {"circ", EngEase::circIn, EngEase::circOut, EngEase::circInOut},
        {"back", EngEase::backIn, EngEase::backOut, EngEase::backInOut},
        {"bounce", EngEase::bounceIn, EngEase::bounceOut, EngEase::bounceInOut},
    };
    for (const auto& f : families) {
        EXPECT_NEAR(f.in(0), 0, 1e-12) << f.name;
        EXPECT_NEAR(f.in(1), 1, 1e-12) << f.name;
        EXPECT_NEAR(f.out(0), 0, 1e-12) << f.name;
        EXPECT_NEAR(f.out(1), 1, 1e-12) << f.name;
        EXPECT_NEAR(f.inOut(0.5), 0.5, 1e-12) << f.name;
    }
    EXPECT_EQ(EngEase::expoIn(0), 0.0009765625);
    EXPECT_EQ(EngEase::expoOut(1), 0.9990234375);
    EXPECT_EQ(EngEase::expoInOut(0), 0.00048828125);
    EXPECT_EQ(EngEase::expoInOut(1), 0.99951171875);
    EXPECT_NEAR(EngEase::elasticIn(0), -0.0009765625, 1e-15);
    EXPECT_NEAR(EngEase::elasticOut(1), 1.0009765625, 1e-15);
    EXPECT_NEAR(EngEase::elasticOut(0), 0, 1e-15);
    EXPECT_NEAR(EngEase::elasticIn(1), 1, 1e-15);
    EXPECT_EQ(EngEase::bounceOut(0.5), 0.765625);
    EXPECT_LT(EngEase::backIn(0.42), -0.09);
    EXPECT_GT(EngEase::backOut(0.58), 1.09);
    EXPECT_TRUE(std::isnan(EngEase::circIn(2)));
}

TEST(EngEase, ElasticPeriodAndNamedFunctions) {
    double before = EngEase::elasticOut(0.3);
    EngEase::ELASTIC_PERIOD = 0.8;
    EXPECT_NE(EngEase::elasticOut(0.3), before);
    EngEase::ELASTIC_PERIOD = 0.4;
    EXPECT_EQ(EngEase::elasticOut(0.3), before);

    auto quadOut = EngEase::ease("quadOut");
    ASSERT_TRUE(quadOut);
    EXPECT_EQ((*quadOut)(0.5).toFloat(), 0.75);
    EXPECT_EQ((*quadOut)(runtime::Value()).toFloat(), 0);  // a null argument computes with 0
    EXPECT_EQ(EngEase::ease("noSuchEase"), nullptr);
    EngEase::staticClass().findStatic("ELASTIC_AMPLITUDE")->set(nullptr, runtime::Value(2.0));
    EXPECT_EQ(EngEase::ELASTIC_AMPLITUDE, 2.0);
    EngEase::ELASTIC_AMPLITUDE = 1;
}
