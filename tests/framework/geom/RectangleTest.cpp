#include "framework/geom/Rectangle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/geom/Matrix.h"

using framework::Matrix;
using framework::Point;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {
Ref<Rectangle> R(double x, double y, double w, double h) { return make<Rectangle>(x, y, w, h); }
}  // namespace

TEST(Rectangle, ContainsIsHalfOpen) {
    auto r = R(0, 0, 10, 10);
    struct Case {
        double x, y;
        bool inside;
    };
    for (const Case& c : {Case{0, 0, true}, Case{9.99, 9.99, true}, Case{10, 5, false}, Case{5, 10, false},
                          Case{10, 10, false}, Case{-0.01, 5, false}}) {
        EXPECT_EQ(r->contains(c.x, c.y), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(r->containsPoint(make<Point>(c.x, c.y)), c.inside);
    }
}

TEST(Rectangle, ContainsRect) {
    auto r = R(0, 0, 10, 10);
    EXPECT_TRUE(r->containsRect(R(2, 2, 0, 0)));   // empty: strict on every side
    EXPECT_FALSE(r->containsRect(R(0, 0, 0, 0)));
    EXPECT_TRUE(r->containsRect(r));               // inclusive otherwise
    EXPECT_FALSE(r->containsRect(R(1, 1, 10, 2)));
}

TEST(Rectangle, IntersectionAndUnion) {
    struct Case {
        Ref<Rectangle> a, b;
        bool intersects;
        const char* intersection;
        const char* unionText;
    };
    const Case cases[] = {
        // Touching along an edge is no intersection.
        {R(0, 0, 10, 10), R(10, 0, 5, 5), false, "(x=0, y=0, width=0, height=0)", "(x=0, y=0, width=15, height=10)"},
        {R(0, 0, 10, 10), R(0, 10, 5, 5), false, "(x=0, y=0, width=0, height=0)", "(x=0, y=0, width=10, height=15)"},
        {R(0, 0, 10, 10), R(5, -5, 10, 10), true, "(x=5, y=0, width=5, height=5)", "(x=0, y=-5, width=15, height=15)"},
        // An empty rectangle takes part in a union like any other.
        {R(0, 0, 0, 0), R(5, 5, 10, 10), false, "(x=0, y=0, width=0, height=0)", "(x=0, y=0, width=15, height=15)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a->toString() + " " + c.b->toString());
        EXPECT_EQ(c.a->intersects(c.b), c.intersects);
        EXPECT_EQ(c.b->intersects(c.a), c.intersects);
        EXPECT_EQ(c.a->intersection(c.b)->toString(), c.intersection);
        EXPECT_EQ(c.a->union_(c.b)->toString(), c.unionText);
    }
}

TEST(Rectangle, ExtendBoundsGrowsInPlace) {
    auto r = R(5, 5, 5, 5);
    r->extendBounds(R(0, 8, 0, 0));
    EXPECT_EQ(r->toString(), "(x=0, y=5, width=10, height=5)");
    r->extendBounds(R(12, 12, 1, 1));
    EXPECT_EQ(r->toString(), "(x=0, y=5, width=13, height=8)");
}

TEST(Rectangle, DerivedProperties) {
    auto r = R(0, 0, 10, 10);
    r->set_left(2);
    EXPECT_EQ(r->toString(), "(x=2, y=0, width=8, height=10)");
    r->set_top(-5);
    EXPECT_EQ(r->height, 15);
    r->set_right(20);
    r->set_bottom(20);
    EXPECT_EQ(r->toString(), "(x=2, y=-5, width=18, height=25)");

    // Point-valued getters hand out new points; setters copy the point they are given.
    auto tl = r->get_topLeft();
    tl->x = 100;
    EXPECT_EQ(r->x, 2);
    auto p = make<Point>(1, 2);
    auto back = r->set_bottomRight(p);
    EXPECT_NE(back.get(), p.get());
    EXPECT_EQ(r->get_bottomRight()->toString(), "(1, 2)");
    r->set_size(make<Point>(3, 4));
    EXPECT_EQ(r->get_size()->toString(), "(3, 4)");

    // By name the properties run their getters and setters.
    runtime::Value v(r);
    v.setField("left", 0);
    EXPECT_EQ(v.field("right").toFloat(), 5);
    EXPECT_EQ(v.field("topLeft").toText(), "(0, -5)");
}

TEST(Rectangle, EmptinessInflateOffset) {
    auto r = R(1, 2, 3, 4);
    r->inflate(1.5, -1);
    EXPECT_EQ(r->toString(), "(x=-0.5, y=3, width=6, height=2)");
    r->offsetPoint(make<Point>(0.5, -3));
    EXPECT_EQ(r->toString(), "(x=0, y=0, width=6, height=2)");
    EXPECT_TRUE(R(0, 0, 5, 0)->isEmpty());
    EXPECT_FALSE(R(0, 0, NAN, 1)->isEmpty());
    r->setEmpty();
    EXPECT_TRUE(r->isEmpty());
    EXPECT_EQ(make<Rectangle>()->toString(), "(x=0, y=0, width=0, height=0)");
}

TEST(Rectangle, Transform) {
    EXPECT_EQ(R(1, 2, 3, 4)->transform(make<Matrix>(-1, 0, 0, -1))->toString(), "(x=-4, y=-6, width=3, height=4)");
    EXPECT_EQ(R(1, 2, 3, 4)->transform(make<Matrix>(0, 1, -1, 0, 10, 20))->toString(),
              "(x=4, y=21, width=4, height=3)");
}

TEST(Rectangle, CreatedByNameWithMissingArguments) {
    const runtime::Value args[] = {runtime::Value(3)};
    auto r = runtime::ClassInfo::find("framework._native.geom.Rectangle")->create(args, 1).cast<Rectangle>();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->toString(), "(x=3, y=0, width=0, height=0)");
}

TEST(Point, Operations) {
    auto p = make<Point>(3, 4);
    EXPECT_EQ(p->get_length(), 5);
    EXPECT_EQ(runtime::Value(p).field("length").toFloat(), 5);
    EXPECT_EQ(p->add(make<Point>(1, 1))->toString(), "(4, 5)");
    EXPECT_EQ(p->subtract(make<Point>(1, 1))->toString(), "(2, 3)");
    EXPECT_EQ(p->toString(), "(3, 4)");
    p->normalize(10);
    EXPECT_EQ(p->toString(), "(6, 8)");
    auto o = make<Point>();
    o->normalize(10);
    EXPECT_EQ(o->toString(), "(0, 0)");
    EXPECT_FALSE(make<Point>(NAN, 0)->equals(make<Point>(NAN, 0)));
    EXPECT_EQ(Point::interpolate(make<Point>(4, 8), make<Point>(0, 0), 0.25)->toString(), "(1, 2)");
    EXPECT_EQ(Point::distance(make<Point>(0, 0), make<Point>(3, 4)), 5);
    auto polar = Point::polar(2, M_PI / 2);
    EXPECT_NEAR(polar->x, 0, 1e-12);
    EXPECT_NEAR(polar->y, 2, 1e-12);
    EXPECT_EQ(make<Point>(0.1, 1e20)->toString(), "(0.1, 1e+20)");

    // Statics are reachable by name.
    const runtime::Member* m = Point::staticClass().findStatic("distance");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ((*m->read(nullptr, true).function())(make<Point>(0, 0), make<Point>(6, 8)).toFloat(), 10);
}
