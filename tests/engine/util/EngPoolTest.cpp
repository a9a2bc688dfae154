// Pooled points and rectangles: taking and giving back, weak points, and the geometry.
#include <gtest/gtest.h>

#include "engine/util/EngPoint.h"
#include "engine/util/EngRect.h"

using engine::EngPoint;
using engine::EngRect;
using runtime::Ref;

namespace {
// Each test starts with empty pools.
class EngPoolTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngPoint::_pool()->clear();
        EngRect::_pool()->clear();
    }
    int points() const { return EngPoint::_pool()->get_length(); }
};
}  // namespace

TEST_F(EngPoolTest, GetPutAndDoublePut) {
    Ref<EngPoint> p = EngPoint::get(1, 2);
    EXPECT_EQ(p->x, 1);
    EXPECT_FALSE(p->_inPool);
    p->put();
    p->put();
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(EngPoint::get(), p);  // the same object again
    EXPECT_EQ(points(), 0);
    EXPECT_EQ(p->toString(), "(x: 0 | y: 0)");
    EXPECT_EQ(EngPoint::get(1.23456, 2)->toString(), "(x: 1.235 | y: 2)");

    auto pool = EngRect::_pool();
    Ref<EngRect> r = EngRect::get(1, 2, 3, 4);
    pool->put(r);
    pool->put(r);  // the pool's own put searches
    EXPECT_EQ(pool->get_length(), 1);
    pool->putUnsafe(r);
    EXPECT_EQ(pool->get_length(), 2);
    EXPECT_EQ(pool->clear().size(), 2u);
    EXPECT_EQ(pool->get_length(), 0);
    pool->preAllocate(4);
    EXPECT_EQ(pool->get_length(), 4);
}

TEST_F(EngPoolTest, WeakPointsGoBackWhenConsumed) {
    EXPECT_DOUBLE_EQ(EngPoint::weak(3, 4)->distanceTo(EngPoint::weak(0, 0)), 5);
    EXPECT_EQ(points(), 2);
    EngPoint::_pool()->clear();
    EXPECT_DOUBLE_EQ(EngPoint::get(3, 4)->distanceTo(EngPoint::get()), 5);
    EXPECT_EQ(points(), 0);

    auto p = EngPoint::get();
    p->addPoint(EngPoint::weak(1, 1));  // a new weak point, given back after use
    EXPECT_EQ(points(), 1);
    // A point that weak took out of the pool still counts as pooled: it is not given back twice.
    auto fromPool = EngPoint::weak(7, 7);
    EXPECT_EQ(points(), 0);
    p->copyFrom(fromPool);
    EXPECT_EQ(p->x, 7);
    fromPool->putWeak();
    EXPECT_EQ(points(), 0);
    p->copyFrom(EngPoint::weak(2, 2));  // copyFrom never gives its argument back
    EXPECT_EQ(points(), 0);
    // A point given back is no longer weak when it is handed out again.
    auto w = EngPoint::weak(1, 1);
    w->put();
    auto again = EngPoint::get();
    EXPECT_EQ(again, w);
    EXPECT_FALSE(again->_weak);
}

TEST_F(EngPoolTest, Geometry) {
    auto p = EngPoint::get(-0.5, 2.5);
    p->floor();
    EXPECT_EQ(p->x, -1);
    EXPECT_EQ(p->y, 2);
    p->set(-0.5, 2.5)->ceil();
    EXPECT_EQ(p->x, 0);
    EXPECT_EQ(p->y, 3);

    auto a = EngRect::get(0, 0, 10, 10), b = EngRect::get(10, 0, 5, 5);
    EXPECT_FALSE(a->overlaps(b));
    EXPECT_TRUE(a->containsEngPoint(EngPoint::get(10, 10)));
    EXPECT_TRUE(EngPoint::get(10, 10)->inEngRect(a));
    auto r = EngRect::get(10, 0, 20, 5);
    r->set_left(15);
    EXPECT_EQ(r->x, 15);
    EXPECT_EQ(r->width, 15);
    r->set_bottom(2);
    EXPECT_EQ(r->height, 2);
    auto u = EngRect::get(0, 0, 2, 2);
    u->union_(EngRect::get(5, -1, 1, 1));
    EXPECT_EQ(u->toString(), "(x: 0 | y: -1 | w: 6 | h: 3)");
}
