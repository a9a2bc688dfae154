// Math helpers, angles and velocity integration.
#include <gtest/gtest.h>

#include <cmath>

#include "../EngineFixture.h"
#include "engine/util/EngAngle.h"
#include "engine/util/EngMath.h"
#include "engine/util/EngPoint.h"
#include "engine/util/EngVelocity.h"

using engine::EngAngle;
using engine::EngG;
using engine::EngMath;
using engine::EngPoint;
using engine::EngVelocity;

TEST(EngVelocity, AccelerationDragAndLimit) {
    struct Case {
        double velocity, acceleration, drag, max, elapsed, want;
    } cases[] = {
        {10, 0, 100, 0, 0.05, 5},      {3, 0, 100, 0, 0.05, 0},       {-3, 0, 100, 0, 0.05, 0},
        {100, 50, 0, 120, 1, 120},     {-100, -50, 0, 120, 1, -120},  {500, 0, 0, 0, 1, 500},
        {-10, 0, 100, 0, 0.05, -5},    {10, 5, 1000, 0, 1, 15},  // drag only acts without acceleration
    };
    for (const auto& c : cases) {
        EngG::elapsed = c.elapsed;
        EXPECT_DOUBLE_EQ(EngVelocity::computeVelocity(c.velocity, c.acceleration, c.drag, c.max), c.want)
            << c.velocity << " " << c.acceleration << " " << c.drag;
    }
    EngG::elapsed = 0;
    auto v = EngVelocity::velocityFromAngle(90, 10);
    EXPECT_NEAR(v->x, 0, 1e-9);
    EXPECT_NEAR(v->y, 10, 1e-9);
    v->put();
}

TEST(EngMath, RoundingBoundsAndWrapping) {
    EXPECT_EQ(EngMath::roundDecimal(2.5, 0), 3);
    EXPECT_EQ(EngMath::roundDecimal(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(EngMath::roundDecimal(3.14159, 2), 3.14);
    EXPECT_FALSE(EngMath::inBounds(5, 5, 10));
    EXPECT_TRUE(EngMath::pointInCoordinates(5, 5, 5, 5, 0, 0));
    EXPECT_EQ(EngMath::maxAdd(8, 5, 10), 10);
    EXPECT_EQ(EngMath::maxAdd(2, -5, 10), 0);
    EXPECT_EQ(EngMath::maxAdd(2, -5, 10, -1), -1);
    EXPECT_EQ(EngMath::wrapValue(-350, 20, 359), 11);
    EXPECT_EQ(EngMath::signOf(0), 1);
    EXPECT_FALSE(EngMath::sameSign(0, -0.5));
    EXPECT_EQ(EngMath::getDecimals(1.25), 2);
    EXPECT_EQ(EngMath::getDecimals(3), 0);
    EXPECT_EQ(EngMath::bound(12, 0, 10), 10);
    EXPECT_TRUE(EngMath::isOdd(-3.7));
    EXPECT_TRUE(EngMath::equal(1, 1.000001));
    EXPECT_EQ(EngMath::numericComparison(1, 2), -1);

    // Weak points go back to the pool once measured.
    auto a = EngPoint::weak(0, 0), b = EngPoint::weak(3, 4);
    EXPECT_EQ(EngMath::getDistance(a, b), 5);
    EXPECT_TRUE(a->_inPool);
    EXPECT_TRUE(b->_inPool);
}

TEST(EngAngle, FastAngleWrapRotationAndTables) {
    struct Case {
        double x, y, want;
    } cases[] = {{1, 0, 90}, {0, 1, 180}, {0, -1, 0}, {-1, 0, -90}, {0, 0, 0}};
    for (const auto& c : cases) {
        auto from = EngPoint::get(0, 0), to = EngPoint::get(c.x, c.y);
        EXPECT_NEAR(EngAngle::getAngle(from, to), c.want, 1e-9) << c.x << "," << c.y;
        from->put();
        to->put();
    }
    EXPECT_EQ(EngAngle::wrapAngle(190), -180);
    EXPECT_EQ(EngAngle::wrapAngle(-190), 180);
    EXPECT_EQ(EngAngle::angleLimit(50, -10, 10), 10);

    // A rotation keeps the distance to the pivot and is the identity at angle 0.
    auto p = EngAngle::rotatePoint(10, 0, 0, 0, 0);
    EXPECT_NEAR(p->x, 10, 1e-2);
    EXPECT_NEAR(p->y, 0, 1e-2);
    EngAngle::rotatePoint(10, 0, 0, 0, 90, p);
    EXPECT_NEAR(std::hypot(p->x, p->y), 10, 0.1);
    EXPECT_NEAR(p->x, 0, 0.1);
    EXPECT_NEAR(std::fabs(p->y), 10, 0.1);
    EngAngle::getPolarCoords(0, 2, p);
    EXPECT_DOUBLE_EQ(p->x, 2);
    EXPECT_DOUBLE_EQ(p->y, 90);
    p->put();

    EngAngle::sinCosGenerator(4);
    EXPECT_EQ(EngAngle::sinTable.size(), 4u);
    EXPECT_EQ(EngAngle::cosTable.size(), 4u);
    EngAngle::sinCosGenerator(0);
    EXPECT_TRUE(EngAngle::sinTable.empty());
    EXPECT_TRUE(EngAngle::cosTable.empty());
}
