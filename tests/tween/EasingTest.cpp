// Every easing curve against values computed separately from the curve formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tween/easing/Back.h"
#include "tween/easing/BackEaseIn.h"
#include "tween/easing/BackEaseInOut.h"
#include "tween/easing/BackEaseOut.h"
#include "tween/easing/Bounce.h"
#include "tween/easing/BounceEaseIn.h"
#include "tween/easing/BounceEaseOut.h"
#include "tween/easing/Cubic.h"
#include "tween/easing/Expo.h"
#include "tween/easing/ExpoEaseIn.h"
#include "tween/easing/ExpoEaseInOut.h"
#include "tween/easing/ExpoEaseOut.h"
#include "tween/easing/Linear.h"
#include "tween/easing/Quad.h"
#include "tween/easing/QuadEaseOut.h"
#include "tween/easing/Quart.h"
#include "tween/easing/Quint.h"
#include "tween/easing/Sine.h"

using runtime::Ref;
using tween::IEasing;

namespace {

// Each family property, by the name of the class it makes.
const std::map<std::string, std::function<Ref<IEasing>()>>& curves() {
    static const std::map<std::string, std::function<Ref<IEasing>()>> m = {
        {"LinearEaseNone", tween::Linear::get_easeNone},
        {"QuadEaseIn", tween::Quad::get_easeIn},     {"QuadEaseOut", tween::Quad::get_easeOut},
        {"QuadEaseInOut", tween::Quad::get_easeInOut}, {"CubicEaseIn", tween::Cubic::get_easeIn},
        {"CubicEaseOut", tween::Cubic::get_easeOut},   {"CubicEaseInOut", tween::Cubic::get_easeInOut},
        {"QuartEaseIn", tween::Quart::get_easeIn},     {"QuartEaseOut", tween::Quart::get_easeOut},
        {"QuartEaseInOut", tween::Quart::get_easeInOut}, {"QuintEaseIn", tween::Quint::get_easeIn},
        {"QuintEaseOut", tween::Quint::get_easeOut},   {"QuintEaseInOut", tween::Quint::get_easeInOut},
        {"SineEaseIn", tween::Sine::get_easeIn},       {"SineEaseOut", tween::Sine::get_easeOut},
        {"SineEaseInOut", tween::Sine::get_easeInOut}, {"ExpoEaseIn", tween::Expo::get_easeIn},
        {"ExpoEaseOut", tween::Expo::get_easeOut},     {"ExpoEaseInOut", tween::Expo::get_easeInOut},
        {"BounceEaseOut", tween::Bounce::get_easeOut}, {"BounceEaseIn", tween::Bounce::get_easeIn},
        {"BounceEaseInOut", tween::Bounce::get_easeInOut}, {"BackEaseIn", tween::Back::get_easeIn},
        {"BackEaseOut", tween::Back::get_easeOut},     {"BackEaseInOut", tween::Back::get_easeInOut},
    };
    return m;
}

const std::vector<double> POINTS = {0, 0.1, 0.25, 0.3, 0.5, 0.6, 0.75, 0.9, 1};

const std::map<std::string, std::vector<double>> EXPECTED = {
    {"LinearEaseNone", {0, 0.10000000000000001, 0.25, 0.29999999999999999, 0.5, 0.59999999999999998, 0.75, 0.90000000000000002, 1}},
    {"QuadEaseIn", {0, 0.010000000000000002, 0.0625, 0.089999999999999997, 0.25, 0.35999999999999999, 0.5625, 0.81000000000000005, 1}},
    {"QuadEaseOut", {0, 0.19, 0.4375, 0.51000000000000001, 0.75, 0.83999999999999997, 0.9375, 0.9900000000000001, 1}},
    {"QuadEaseInOut", {0, 0.020000000000000004, 0.125, 0.17999999999999999, 0.5, 0.67999999999999994, 0.875, 0.97999999999999998, 1}},
    {"CubicEaseIn", {0, 0.0010000000000000002, 0.015625, 0.026999999999999996, 0.125, 0.21599999999999997, 0.421875, 0.72900000000000009, 1}},
    {"CubicEaseOut", {0, 0.27099999999999991, 0.578125, 0.65700000000000003, 0.875, 0.93599999999999994, 0.984375, 0.999, 1}},
    {"CubicEaseInOut", {0, 0.004000000000000001, 0.0625, 0.10799999999999998, 0.5, 0.74399999999999999, 0.9375, 0.996, 1}},
    {"QuartEaseIn", {0, 0.00010000000000000002, 0.00390625, 0.0080999999999999996, 0.0625, 0.12959999999999999, 0.31640625, 0.65610000000000002, 1}},
    {"QuartEaseOut", {0, 0.34389999999999998, 0.68359375, 0.75990000000000002, 0.9375, 0.97440000000000004, 0.99609375, 0.99990000000000001, 1}},
    {"QuartEaseInOut", {0, 0.00080000000000000015, 0.03125, 0.064799999999999996, 0.5, 0.79519999999999991, 0.96875, 0.99919999999999998, 1}},
    {"QuintEaseIn", {0, 1.0000000000000003e-05, 0.0009765625, 0.0024299999999999994, 0.03125, 0.077759999999999982, 0.2373046875, 0.59049000000000007, 1}},
    {"QuintEaseOut", {0, 0.40950999999999993, 0.7626953125, 0.83193000000000006, 0.96875, 0.98975999999999997, 0.9990234375, 0.99999000000000005, 1}},
    {"QuintEaseInOut", {0, 0.00016000000000000004, 0.015625, 0.038879999999999991, 0.5, 0.83616000000000001, 0.984375, 0.99983999999999995, 1}},
    {"SineEaseIn", {0, 0.01231165940486223, 0.076120467488713262, 0.1089934758116321, 0.29289321881345243, 0.41221474770752686, 0.61731656763491016, 0.84356553495976905, 0.99999999999999989}},
    {"SineEaseOut", {0, 0.15643446504023087, 0.38268343236508978, 0.45399049973954675, 0.70710678118654746, 0.80901699437494745, 0.92387953251128674, 0.98768834059513777, 1}},
    {"SineEaseInOut", {-0, 0.024471741852423234, 0.14644660940672621, 0.20610737385376343, 0.49999999999999994, 0.65450849718747373, 0.85355339059327373, 0.97552825814757682, 1}},
    {"ExpoEaseIn", {0, 0.001953125, 0.0055242717280199029, 0.0078125, 0.03125, 0.0625, 0.17677669529663689, 0.50000000000000011, 1}},
    {"ExpoEaseOut", {0, 0.5, 0.82322330470336313, 0.875, 0.96875, 0.984375, 0.99447572827198005, 0.998046875, 1}},
    {"ExpoEaseInOut", {0, 0.001953125, 0.015625, 0.03125, 0.5, 0.875, 0.984375, 0.998046875, 1}},
    {"BounceEaseOut", {0, 0.075625000000000012, 0.47265625, 0.68062499999999992, 0.765625, 0.77249999999999996, 0.97265625, 0.98812499999999992, 1}},
    {"BounceEaseIn", {0, 0.01187500000000008, 0.02734375, 0.069374999999999964, 0.234375, 0.09000000000000008, 0.52734375, 0.92437500000000006, 1}},
    {"BounceEaseInOut", {0, 0.030000000000000027, 0.1171875, 0.04500000000000004, 0.5, 0.65124999999999988, 0.8828125, 0.96999999999999997, 1}},
    {"BackEaseIn", {-0, -0.014314220000000002, -0.064136562500000008, -0.080199540000000014, -0.087697500000000039, -0.029027520000000091, 0.18259031249999991, 0.59117201999999991, 0.99999999999999978}},
    {"BackEaseOut", {2.2204460492503131e-16, 0.40882798000000009, 0.81740968750000009, 0.90713226000000025, 1.0876975, 1.0993516800000001, 1.0641365625000001, 1.0143142199999999, 1}},
    {"BackEaseInOut", {-0, -0.037518552000000004, -0.099681843749999999, -0.078833483999999981, 0.5, 0.91007420799999994, 1.09968184375, 1.0375185519999999, 1}},
};

}  // namespace

TEST(Easing, EveryCurveMatchesItsFormulaAtEveryPoint) {
    ASSERT_EQ(curves().size(), 25u);
    for (const auto& [name, make] : curves()) {
        Ref<IEasing> e = make();
        EXPECT_EQ(e->classInfo()->shortName(), name);
        const std::vector<double>& want = EXPECTED.at(name);
        for (std::size_t i = 0; i < POINTS.size(); ++i)
            EXPECT_NEAR(e->calculate(POINTS[i]), want[i], 1e-12) << name << " at k = " << POINTS[i];
    }
}

TEST(Easing, EaseAgreesWithCalculateOverTimeAndChange) {
    const double b = -3, c = 40, d = 2.5;
    for (const auto& [name, make] : curves()) {
        Ref<IEasing> e = make();
        for (double k : POINTS) {
            double t = k * d;
            EXPECT_NEAR(e->ease(t, b, c, d), b + c * e->calculate(t / d), 1e-12) << name << " at t = " << t;
        }
    }
    EXPECT_DOUBLE_EQ(tween::BounceEaseOut::_ease(1, 2, 10, 2), 2 + 10 * 0.765625);
    EXPECT_DOUBLE_EQ(tween::BounceEaseIn::_ease(1, 2, 10, 2), 2 + 10 * 0.234375);
}

TEST(Easing, ExactEndsOfTheExpoCurvesAndTheirJumps) {
    tween::ExpoEaseIn in;
    tween::ExpoEaseOut out;
    tween::ExpoEaseInOut inOut;
    EXPECT_EQ(in.calculate(0), 0.0);
    EXPECT_GE(in.calculate(1e-300), 0.0009765625);
    EXPECT_EQ(out.calculate(1), 1.0);
    EXPECT_LE(out.calculate(std::nextafter(1.0, 0.0)), 0.9990234375);
    EXPECT_EQ(inOut.calculate(0), 0.0);
    EXPECT_EQ(inOut.calculate(1), 1.0);
    EXPECT_EQ(out.ease(3, 5, 7, 3), 12.0);
    // Duration 0: the end tests come before any division.
    EXPECT_EQ(in.ease(0, 5, 7, 0), 5.0);
    EXPECT_EQ(inOut.ease(0, 5, 7, 0), 5.0);
    EXPECT_EQ(out.ease(0, 5, 7, 0), 12.0);
}

TEST(Easing, BounceSegmentsTouchOneAtTheirEnds) {
    tween::BounceEaseOut out;
    for (double x : {1 / 2.75, 2 / 2.75, 2.5 / 2.75, 1.0}) EXPECT_NEAR(out.calculate(x), 1.0, 1e-12) << x;
    // At a threshold the following segment starts again from its low point.
    EXPECT_NEAR(tween::BounceEaseOut::bounce(std::nextafter(1 / 2.75, 0.0)), 1.0, 1e-12);
    EXPECT_NEAR(tween::BounceEaseOut::bounce(1 / 2.75), 1.0, 1e-12);
}

TEST(Easing, InputsAreNotClamped) {
    EXPECT_EQ(tween::Quad::get_easeIn()->calculate(2), 4.0);
    EXPECT_EQ(tween::Linear::get_easeNone()->calculate(1.5), 1.5);
    EXPECT_TRUE(std::isnan(tween::Quad::get_easeOut()->calculate(std::nan(""))));
}

TEST(Easing, FamilyPropertiesMakeANewObjectOnEveryRead) {
    Ref<IEasing> a = tween::Quad::get_easeOut(), b = tween::Quad::get_easeOut();
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(a->classInfo(), b->classInfo());
    EXPECT_EQ(a->classInfo(), &tween::QuadEaseOut::staticClass());
    for (auto get : {tween::Back::get_easeIn, tween::Back::get_easeOut, tween::Back::get_easeInOut}) {
        Ref<IEasing> e = get();
        EXPECT_EQ(e->getField("s").toFloat(), 1.70158);
    }
    // The back in-out curve keeps its overshoot: the same k gives the same value every time.
    tween::BackEaseInOut backInOut(1.70158);
    EXPECT_EQ(backInOut.calculate(0.25), backInOut.calculate(0.25));
    EXPECT_EQ(backInOut.s, 1.70158);
    // By name, as any registered class.
    const runtime::ClassInfo* ci = runtime::ClassInfo::find("tween.easing.Quad");
    ASSERT_NE(ci, nullptr);
    runtime::Value getter = ci->findStatic("get_easeIn")->read(nullptr, true);
    runtime::Value made = (*getter.function())();
    EXPECT_EQ(made.object()->getField("calculate").function()->operator()(0.5).toFloat(), 0.25);
}
