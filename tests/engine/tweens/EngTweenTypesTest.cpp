// Value, motion and path tweens driven by the tween manager with fixed step times.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngG.h"
#include "engine/EngObject.h"
#include "engine/plugin/TweenManager.h"
#include "engine/tweens/EngTween.h"
#include "engine/tweens/misc/AngleTween.h"
#include "engine/tweens/misc/ColorTween.h"
#include "engine/tweens/misc/NumTween.h"
#include "engine/tweens/misc/VarTween.h"
#include "engine/tweens/motion/CircularMotion.h"
#include "engine/tweens/motion/LinearMotion.h"
#include "engine/tweens/motion/LinearPath.h"
#include "engine/tweens/motion/QuadMotion.h"
#include "engine/tweens/motion/QuadPath.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Thrown.h"

using engine::EngG;
using engine::EngObject;
using engine::EngPoint;
using engine::EngTween;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class TweenTypes : public ::testing::Test {
protected:
    void SetUp() override {
        EngG::staticInit();
        manager = EngTween::manager;
    }
    void TearDown() override {
        manager->clear();
        EngG::elapsed = 0;
    }
    void step(double seconds, int times = 1) {
        EngG::elapsed = seconds;
        for (int i = 0; i < times; ++i) manager->update();
    }
    static Ref<runtime::DynamicObject> record(std::initializer_list<std::pair<const char*, Value>> fields) {
        auto r = make<runtime::DynamicObject>();
        for (const auto& [k, v] : fields) r->setField(k, v);
        return r;
    }
    static std::vector<Ref<EngPoint>> points(std::initializer_list<std::pair<double, double>> xy) {
        std::vector<Ref<EngPoint>> out;
        for (auto [x, y] : xy) out.push_back(make<EngPoint>(x, y));
        return out;
    }
    Ref<engine::TweenManager> manager;
};
}  // namespace

TEST_F(TweenTypes, VarTweenReadsStartAfterDelayAndReportsBadFields) {
    auto target = record({{"x", Value(20.0)}});
    EngTween::tween(target, record({{"x", Value(100.0)}}), 1, record({{"startDelay", Value(0.5)}}));
    step(0.25);
    EXPECT_EQ(target->getField("x").toFloat(), 20);
    target->setField("x", Value(60.0));  // changed during the delay: the tween starts from here
    step(0.25);
    step(0.5);
    EXPECT_DOUBLE_EQ(target->getField("x").toFloat(), 80);
    step(0.5);
    EXPECT_EQ(target->getField("x").toFloat(), 100);
    EXPECT_TRUE(manager->_tweens.empty());

    struct Case {
        Ref<runtime::Object> properties;
        const char* error;
    } cases[] = {
        {record({{"missing", Value(1)}}), "The Object does not have the property \"missing\", or it is not accessible."},
        {record({{"name", Value(1)}}), "The property \"name\" is not numeric."},
        {nullptr, "Unsupported properties container - use an object containing key/value pairs."},
    };
    for (const auto& c : cases) {
        auto object = record({{"name", Value("text")}});
        auto tween = EngTween::tween(object, c.properties, 1);  // no error at creation
        try {
            step(0.1);
            ADD_FAILURE() << "no error for " << c.error;
        } catch (const runtime::Thrown& t) {
            EXPECT_EQ(t.value().toText(), c.error);
        }
        manager->remove(tween);
    }
}

TEST_F(TweenTypes, ColorAndAngleTweens) {
    auto colour = EngTween::color(nullptr, 1, 0x12FF0000, 0x0000FF, 1, 0);
    step(0.5);
    EXPECT_EQ(colour->red, 127);
    EXPECT_EQ(colour->green, 0);
    EXPECT_EQ(colour->blue, 127);
    EXPECT_EQ(colour->color, 127 * 65536 + 127);
    EXPECT_DOUBLE_EQ(colour->alpha, 0.5);

    // A sprite-like object takes the values through its properties.
    auto sprite = record({{"angle", Value(0.0)}});
    std::vector<double> seen;
    EngTween::angle(sprite, 350, 10, 1);
    for (int i = 0; i < 4; ++i) {
        step(0.25);
        seen.push_back(sprite->getField("angle").toFloat());
    }
    EXPECT_EQ(seen, (std::vector<double>{355, 0, 5, 10}));

    struct Case {
        double from, to, range, end;
    } cases[] = {{10, 100, 90, 100}, {0, 181.5, -178.5, 181.5}, {0, -90, -90, 270}, {350, 10, 20, 10}};
    for (const auto& c : cases) {
        auto a = EngTween::angle(nullptr, c.from, c.to, 1);
        EXPECT_DOUBLE_EQ(a->_range, c.range);
        step(1);
        EXPECT_DOUBLE_EQ(a->angle, c.end);
    }
}

TEST_F(TweenTypes, LinearMotionLagsOneStepAndLandsOnTheEnd) {
    auto object = make<EngObject>();
    auto speedBased = EngTween::linearMotion(object, 0, 0, 30, 40, 10, false);
    EXPECT_EQ(speedBased->get_distance(), 50);
    EXPECT_EQ(speedBased->duration, 5);
    EXPECT_TRUE(object->immovable);
    manager->remove(speedBased);

    EngTween::linearMotion(object, 0, 0, 30, 0, 1);
    std::vector<double> xs;
    for (int i = 0; i < 3; ++i) {
        step(1.0 / 3);
        xs.push_back(object->x);
    }
    EXPECT_EQ(xs[0], 0);
    EXPECT_NEAR(xs[1], 10, 1e-9);
    EXPECT_EQ(xs[2], 30);
}

TEST_F(TweenTypes, CurvesAndCircles) {
    auto object = make<EngObject>();
    auto quad = EngTween::quadMotion(object, 0, 0, 0, 10, 10, 0, 10, false);
    EXPECT_NEAR(quad->get_distance(), 15.40298, 1e-5);
    EXPECT_NEAR(quad->duration, 1.540298, 1e-6);
    manager->remove(quad);

    auto circle = EngTween::circularMotion(object, 100, 100, 50, 90, true, 2);
    EXPECT_NEAR(circle->x, 100, 1e-9);
    EXPECT_NEAR(circle->y, 50, 1e-9);
    step(0.5);
    EXPECT_NEAR(circle->x, 150, 1e-9);
    EXPECT_NEAR(circle->y, 100, 1e-9);
    EXPECT_DOUBLE_EQ(circle->get_circumference(), 2 * M_PI * 50);
}

TEST_F(TweenTypes, LinearPathEvenSpeedBothDirections) {
    auto object = make<EngObject>();
    auto path = EngTween::linearPath(object, points({{0, 0}, {30, 40}, {30, 100}}), 1);
    EXPECT_EQ(path->distance, 110);
    EXPECT_EQ(path->_pointD, (std::vector<double>{0, 50, 110}));
    EXPECT_NEAR(path->_pointT[1], 50.0 / 110, 1e-12);
    step(0.25);
    EXPECT_NEAR(object->x, 16.5, 1e-9);
    EXPECT_NEAR(object->y, 22, 1e-9);
    step(0.25);
    EXPECT_NEAR(object->x, 30, 1e-9);
    EXPECT_NEAR(object->y, 45, 1e-9);
    EXPECT_EQ(path->getPoint(4), path->points[1]);
    EXPECT_EQ(path->getPoint(-1), nullptr);
    manager->remove(path);

    auto bySpeed = EngTween::linearPath(object, points({{0, 0}, {30, 40}, {30, 100}}), 55, false);
    EXPECT_EQ(bySpeed->duration, 2);
    EXPECT_EQ(bySpeed->_speed, 55);
    manager->remove(bySpeed);

    EngTween::linearPath(object, points({{0, 0}, {30, 40}, {30, 100}}), 1, true,
                         record({{"type", Value(EngTween::ONESHOT | EngTween::BACKWARD)}}));
    step(0.01);
    EXPECT_NEAR(object->x, 30, 1e-9);
    EXPECT_NEAR(object->y, 100 - 1.1, 1e-9);  // 1.1 units of 110 back from the last point
    step(1);
    EXPECT_EQ(object->x, 0);
    EXPECT_EQ(object->y, 0);

    try {
        EngTween::linearPath(object, points({{1, 1}}), 1);
        ADD_FAILURE();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "A LinearPath must have at least 2 points to operate.");
    }
    EXPECT_TRUE(manager->_tweens.empty());
}

TEST_F(TweenTypes, QuadPathSegments) {
    auto object = make<EngObject>();
    try {
        EngTween::quadPath(object, points({{0, 0}, {0, 10}, {10, 0}, {20, 0}}), 1);
        ADD_FAILURE();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(),
                  "A QuadPath must have at least 3 points to operate and number of points must be a odd.");
    }
    auto one = EngTween::quadPath(object, points({{0, 0}, {0, 10}, {10, 0}}), 1);
    EXPECT_EQ(one->_curveT, (std::vector<double>{0, 1}));
    EXPECT_NEAR(one->_distance, 15.40298, 1e-5);
    manager->remove(one);

    // Two mirrored segments of equal length: half way is the middle point.
    auto two = EngTween::quadPath(object, points({{0, 0}, {0, 10}, {10, 0}, {20, -10}, {20, 0}}), 1);
    ASSERT_EQ(two->_curveT.size(), 3u);
    EXPECT_NEAR(two->_curveT[1], 0.5, 1e-12);
    EXPECT_EQ(two->_curveT[2], 1);
    step(0.5);
    EXPECT_NEAR(object->x, 10, 1e-9);
    EXPECT_NEAR(object->y, 0, 1e-9);
    step(0.5);
    EXPECT_NEAR(object->x, 20, 1e-9);
}

TEST_F(TweenTypes, KindsAtTheEndOfARun) {
    // Ping-pong: forward, backward, forward.
    auto pingpong = EngTween::num(0, 1, 1, record({{"type", Value(EngTween::PINGPONG)}}));
    std::vector<double> ends;
    for (int run = 0; run < 3; ++run) {
        step(0.5);
        ends.push_back(pingpong->value);
        step(0.5);
        EXPECT_EQ(pingpong->executions, run + 1);
    }
    EXPECT_EQ(ends, (std::vector<double>{0.5, 0.5, 0.5}));
    auto startsBack = EngTween::num(0, 1, 1, record({{"type", Value(EngTween::PINGPONG | EngTween::BACKWARD)}}));
    step(0.25);
    EXPECT_DOUBLE_EQ(startsBack->value, 0.75);

    // Looping with a start delay of 1 and a loop delay of 0.5 on a run of 2 seconds.
    auto looping = EngTween::num(0, 1, 2,
                                 record({{"type", Value(EngTween::LOOPING)}, {"startDelay", Value(-1.0)},
                                         {"loopDelay", Value(0.5)}}));
    EXPECT_EQ(looping->startDelay, 1);  // a negative delay counts by its size
    step(0.5, 5);
    EXPECT_EQ(looping->executions, 0);
    step(0.5);
    EXPECT_EQ(looping->executions, 1);
    step(0.5, 4);
    EXPECT_EQ(looping->executions, 1);
    step(0.5);
    EXPECT_EQ(looping->executions, 2);

    // Type 16 alone runs backward once and stays listed, inactive.
    auto persist = EngTween::num(0, 10, 1, record({{"type", Value(EngTween::BACKWARD)}}));
    EXPECT_EQ(persist->type, EngTween::PERSIST | EngTween::BACKWARD);
    step(1);
    EXPECT_EQ(persist->value, 0);
    EXPECT_FALSE(persist->active);
    EXPECT_NE(std::find(manager->_tweens.begin(), manager->_tweens.end(), persist), manager->_tweens.end());

    // Cancelling calls nothing and leaves the manager at once.
    int completed = 0;
    auto cancelled = EngTween::num(0, 1, 1, record({{"complete", Value(runtime::Function::of([&] { ++completed; }))}}));
    cancelled->cancel();
    step(1);
    EXPECT_EQ(completed, 0);
    EXPECT_TRUE(cancelled->finished);
    EXPECT_EQ(std::find(manager->_tweens.begin(), manager->_tweens.end(), cancelled), manager->_tweens.end());
}

TEST_F(TweenTypes, FactoriesByNameTakeDefaults) {
    const runtime::Member* num = EngTween::staticClass().findStatic("num");
    ASSERT_NE(num, nullptr);
    Ref<runtime::Function> factory(num->get(nullptr).function());
    Value made = (*factory)(Value(0), Value(10));  // duration 1, no options, no function
    auto* tween = dynamic_cast<engine::NumTween*>(made.object());
    ASSERT_NE(tween, nullptr);
    EXPECT_EQ(tween->duration, 1);
    EXPECT_EQ(tween->type, EngTween::ONESHOT);
    step(0.5);
    EXPECT_EQ(tween->value, 5);

    auto object = make<EngObject>();
    auto list = make<runtime::Array>(std::vector<Value>{Value(make<EngPoint>(0, 0)), Value(make<EngPoint>(10, 0))});
    Ref<runtime::Function> path(EngTween::staticClass().findStatic("linearPath")->get(nullptr).function());
    auto* linear = dynamic_cast<engine::LinearPath*>((*path)(Value(object), Value(list)).object());
    ASSERT_NE(linear, nullptr);
    EXPECT_EQ(linear->distance, 10);
    for (const char* name : {"tween", "angle", "color", "linearMotion", "quadMotion", "cubicMotion", "circularMotion",
                             "quadPath"})
        EXPECT_NE(EngTween::staticClass().findStatic(name), nullptr) << name;
}
