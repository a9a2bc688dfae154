#include "framework/geom/Vector3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "framework/geom/Orientation3D.h"

using framework::Orientation3D;
using framework::Vector3D;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
void expectVector(const Ref<Vector3D>& v, double x, double y, double z, double w) {
    EXPECT_EQ(v->x, x);
    EXPECT_EQ(v->y, y);
    EXPECT_EQ(v->z, z);
    EXPECT_EQ(v->w, w);
}
}  // namespace

TEST(Vector3D, WhichOperationsTouchW) {
    const auto a = make<Vector3D>(1, 2, 3, 7);
    const auto b = make<Vector3D>(4, -5, 6, 9);
    struct Case {
        const char* what;
        std::function<Ref<Vector3D>()> run;
        double x, y, z, w;
    };
    const Case cases[] = {
        {"add", [&] { return a->add(b); }, 5, -3, 9, 0},
        {"subtract", [&] { return a->subtract(b); }, -3, 7, -3, 0},
        {"crossProduct", [&] { return a->crossProduct(b); }, 27, 6, -13, 1},
        {"clone", [&] { return a->clone(); }, 1, 2, 3, 7},
        {"copyFrom keeps own w", [&] { auto v = make<Vector3D>(0, 0, 0, 5); v->copyFrom(b); return v; }, 4, -5, 6, 5},
        {"incrementBy", [&] { auto v = a->clone(); v->incrementBy(b); return v; }, 5, -3, 9, 7},
        {"decrementBy", [&] { auto v = a->clone(); v->decrementBy(b); return v; }, -3, 7, -3, 7},
        {"scaleBy", [&] { auto v = a->clone(); v->scaleBy(2); return v; }, 2, 4, 6, 7},
        {"negate", [&] { auto v = a->clone(); v->negate(); return v; }, -1, -2, -3, 7},
        {"setTo", [&] { auto v = a->clone(); v->setTo(8, 9, 10); return v; }, 8, 9, 10, 7},
        {"project", [&] { auto v = make<Vector3D>(2, 4, 6, 2); v->project(); return v; }, 1, 2, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectVector(c.run(), c.x, c.y, c.z, c.w);
    }
    expectVector(a, 1, 2, 3, 7);  // the operands are left alone
    expectVector(b, 4, -5, 6, 9);
    expectVector(make<Vector3D>(), 0, 0, 0, 0);

    // Each read of an axis is a new vector.
    auto x1 = Vector3D::get_X_AXIS();
    x1->x = 5;
    expectVector(Vector3D::get_X_AXIS(), 1, 0, 0, 0);
    expectVector(Vector3D::get_Z_AXIS(), 0, 0, 1, 0);
    const auto& info = Vector3D::staticClass();
    Value byName = info.findStatic("Y_AXIS")->read(nullptr, true);
    ASSERT_TRUE(byName.as<Vector3D>());
    EXPECT_NE(byName.object(), info.findStatic("Y_AXIS")->read(nullptr, true).object());
    expectVector(Ref<Vector3D>(byName.as<Vector3D>()), 0, 1, 0, 0);
}

TEST(Vector3D, LengthsNormalizeProjectAndAngles) {
    auto v = make<Vector3D>(3, 4, 0, 9);
    EXPECT_EQ(v->get_length(), 5);
    EXPECT_EQ(v->get_lengthSquared(), 25);
    EXPECT_EQ(Value(v).field("length").toFloat(), 5);
    EXPECT_EQ(v->normalize(), 5);
    expectVector(v, 0.6, 0.8, 0, 9);

    auto zero = make<Vector3D>(0, 0, 0, 3);
    EXPECT_EQ(zero->normalize(), 0);
    expectVector(zero, 0, 0, 0, 3);

    auto p = make<Vector3D>(1, -1, 0, 0);
    p->project();
    EXPECT_EQ(p->x, std::numeric_limits<double>::infinity());
    EXPECT_EQ(p->y, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(p->z));

    EXPECT_DOUBLE_EQ(Vector3D::angleBetween(Vector3D::get_X_AXIS(), Vector3D::get_Y_AXIS()), M_PI / 2);
    EXPECT_DOUBLE_EQ(Vector3D::angleBetween(make<Vector3D>(), make<Vector3D>()), M_PI / 2);
    EXPECT_DOUBLE_EQ(Vector3D::angleBetween(make<Vector3D>(2, 0, 0), make<Vector3D>(-3, 0, 0)), M_PI);
    EXPECT_EQ(Vector3D::distance(make<Vector3D>(1, 1, 1, 50), make<Vector3D>(3, 4, 7, -50)), 7);
    EXPECT_EQ(make<Vector3D>(1, 2, 3)->dotProduct(make<Vector3D>(4, 5, 6, 100)), 32);
}

TEST(Vector3D, EqualityAndText) {
    const double nan = std::nan("");
    struct Case {
        double a[4], b[4];
        double tolerance;
        bool allFour, equals, nearEquals;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, {1, 2, 3, 0}, 0.5, false, true, true},
        {{1, 2, 3, 4}, {1, 2, 3, 0}, 0.5, true, false, false},
        {{1, 2, 3, 0}, {1, 2, 3, 0}, 0, false, true, false},  // tolerance 0 never holds
        {{1, 2, 3, 0}, {1.5, 2, 3, 0}, 0.5, false, false, false},  // a difference equal to it fails
        {{1, 2, 3, 0}, {1.25, 2, 3, 0}, 0.5, false, false, true},
        {{nan, 2, 3, 0}, {nan, 2, 3, 0}, 1, false, false, false},
        {{1, 2, 3, nan}, {1, 2, 3, nan}, 1, false, true, true},
    };
    for (const Case& c : cases) {
        auto a = make<Vector3D>(c.a[0], c.a[1], c.a[2], c.a[3]);
        auto b = make<Vector3D>(c.b[0], c.b[1], c.b[2], c.b[3]);
        SCOPED_TRACE(a->toString() + " vs " + b->toString());
        EXPECT_EQ(a->equals(b, c.allFour), c.equals);
        EXPECT_EQ(a->nearEquals(b, c.tolerance, c.allFour), c.nearEquals);
    }
    EXPECT_EQ(make<Vector3D>(1, 2.5, -3, 4)->toString(), "Vector3D(1, 2.5, -3)");
    EXPECT_EQ(make<Vector3D>(1, 2.5, -3, 0)->toString(), "Vector3D(1, 2.5, -3)");

    EXPECT_EQ(runtime::enumText(Orientation3D::QUATERNION), "Orientation3D.QUATERNION");
    EXPECT_EQ(runtime::enumFromIndex<Orientation3D>(0), Orientation3D::AXIS_ANGLE);
    EXPECT_EQ(runtime::enumFromName<Orientation3D>("EULER_ANGLES"), Orientation3D::EULER_ANGLES);
}
