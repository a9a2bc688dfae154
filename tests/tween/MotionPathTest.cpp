// Motion paths and their tweens (Tweener::motionPath).
#include <cmath>

#include "TweenFixture.h"
#include "TweenTarget.h"
#include "tween/MotionPath.h"
#include "tween/easing/Back.h"
#include "tween/easing/Linear.h"

using runtime::make;
using runtime::Ref;
using runtime::Value;
using tween::ComponentPath;
using tween::MotionPath;
using tween::Tweener;

namespace {
Ref<tween::IEasing> linear() { return tween::Linear::get_easeNone(); }
}  // namespace

class MotionPathTween : public TweenFixture {};

TEST(MotionPath, PointsAtChosenProgress) {
    struct Case {
        const char* what;
        double startX, startY;
        Ref<MotionPath> path;
        double k, x, y;
    };
    auto line = [] { return make<MotionPath>()->line(100, 0); };
    auto curve = [] { return make<MotionPath>()->bezier(100, 0, 50, 100); };
    // Strengths 1 and 3: the first segment takes a quarter of the progress.
    auto twoSegments = [] { return make<MotionPath>()->line(10, 0, 1)->line(10, 30, 3); };
    const Case cases[] = {
        {"line from 20", 20, 0, line(), 0.5, 60, 0},
        {"line end", 20, 0, line(), 1, 100, 0},
        {"bezier middle", 0, 0, curve(), 0.5, 50, 50},
        {"bezier quarter", 0, 0, curve(), 0.25, 25, 37.5},
        {"bezier end", 0, 0, curve(), 1, 100, 0},
        {"end of the first segment", 0, 0, twoSegments(), 0.25, 10, 0},
        {"second segment at a third", 0, 0, twoSegments(), 0.5, 10, 10},
        {"chain end", 0, 0, twoSegments(), 1, 10, 30},
        {"one segment extrapolates", 20, 0, line(), 1.1, 108, 0},
        {"the last segment extrapolates", 0, 0, twoSegments(), 1.1, 10, 34},
        {"before the start", 0, 0, twoSegments(), -0.25, -10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.path->get_x()->start = c.startX;
        c.path->get_y()->start = c.startY;
        EXPECT_NEAR(c.path->get_x()->calculate(c.k), c.x, 1e-9);
        EXPECT_NEAR(c.path->get_y()->calculate(c.k), c.y, 1e-9);
    }
    auto empty = make<ComponentPath>();
    empty->start = 5;
    EXPECT_EQ(empty->calculate(0.5), 0);
    EXPECT_EQ(empty->get_end(), 5);
}

TEST(MotionPath, RotationIsTheHeadingFromTheLookAheadPoint) {
    auto alongX = make<MotionPath>()->line(100, 0);
    auto alongY = make<MotionPath>()->line(0, 100);
    EXPECT_DOUBLE_EQ(alongX->get_rotation()->calculate(0.5), 180);
    EXPECT_DOUBLE_EQ(alongY->get_rotation()->calculate(0.5), -90);
    EXPECT_EQ(alongX->get_rotation().get(), alongX->get_rotation().get());
    alongX->get_rotation()->offset = 180;
    EXPECT_DOUBLE_EQ(alongX->get_rotation()->calculate(0.5), 0);
    // At the end the look-ahead point lies beyond the last segment, which goes on straight.
    auto turn = make<MotionPath>()->line(100, 0)->line(100, 100);
    EXPECT_DOUBLE_EQ(turn->get_rotation()->get_end(), -90);
}

TEST_F(MotionPathTween, TheTargetRunsThePathFromWhereItIsAtItsFirstUpdate) {
    auto t = make<TweenTarget>();
    t->set_x(20);
    auto path = make<MotionPath>()->line(100, 0)->bezier(100, 100, 200, 50);
    Tweener::motionPath(t, 1,
                        record({{"x", Value(path->get_x())},
                                {"y", Value(path->get_y())},
                                {"rotation", Value(path->get_rotation())},
                                {"label", Value(path->get_x())}}))
        ->ease(linear())
        ->delay(0.5);
    t->set_x(0);  // before the first update: the path starts here
    t->writes.clear();
    frame(0.75);
    EXPECT_DOUBLE_EQ(t->get_x(), 50);
    EXPECT_DOUBLE_EQ(t->y, 0);
    EXPECT_DOUBLE_EQ(t->get_rotation(), 180);
    frame(1.25);  // the curve at progress 0.5
    EXPECT_DOUBLE_EQ(t->get_x(), 150);
    EXPECT_DOUBLE_EQ(t->y, 50);
    frame(1.5);
    EXPECT_DOUBLE_EQ(t->get_x(), 100);
    EXPECT_DOUBLE_EQ(t->y, 100);
    EXPECT_EQ(t->label, "");  // a text property is not moved
    EXPECT_EQ(t->writes.size(), 3u);
    EXPECT_FALSE(Tweener::isActive());
}

TEST_F(MotionPathTween, ReverseOvershootSnappingAndDurationZero) {
    auto t = make<TweenTarget>();
    auto path = make<MotionPath>()->line(10, 0);
    Tweener::motionPath(t, 1, record({{"x", Value(path->get_x())}}))->ease(linear())->reverse();
    frame(0.25);
    frame(1);
    EXPECT_EQ(t->writes, (std::vector<double>{7.5, 0}));

    // An overshooting ease carries a single segment beyond its end.
    t->writes.clear();
    clock = 0;
    Tweener::motionPath(t, 1, record({{"x", Value(path->get_x())}}))->ease(tween::Back::get_easeOut())->snapping();
    frame(0.5);
    EXPECT_EQ(t->writes, std::vector<double>{11});  // 10.877 rounded

    // Duration 0 writes the end of each path at once; other values are left out.
    Tweener::motionPath(t, 0, record({{"x", Value(make<MotionPath>()->line(3, 0)->line(42, 0)->get_x())},
                                      {"rotation", Value(5)}}));
    EXPECT_DOUBLE_EQ(t->get_x(), 42);
    EXPECT_DOUBLE_EQ(t->get_rotation(), 0);
}
