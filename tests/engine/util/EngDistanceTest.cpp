// Distances, angles and aiming between sprites and points, and sorting by y.
#include <cmath>

#include "tests/engine/EngineFixture.h"

#include "engine/EngSprite.h"
#include "engine/util/EngAngle.h"
#include "engine/util/EngMath.h"
#include "engine/util/EngSort.h"
#include "engine/util/EngVelocity.h"

using engine::EngMath;
using engine::EngPoint;
using engine::EngSprite;
using engine::EngVelocity;
using runtime::make;

TEST(EngDistance, DistancesAnglesAndAiming) {
    auto a = make<EngSprite>(0, 0), b = make<EngSprite>(30, 40);
    EXPECT_EQ(EngMath::distanceBetween(a.get(), b.get()), 50);
    EXPECT_FALSE(EngMath::isDistanceWithin(a.get(), b.get(), 50));
    EXPECT_TRUE(EngMath::isDistanceWithin(a.get(), b.get(), 50, true));
    EXPECT_TRUE(EngMath::mouseInEngRect(true, nullptr));
    EXPECT_NEAR(engine::EngAngle::angleBetween(a.get(), b.get(), true), std::atan2(40, 30) * 180 / M_PI, 1e-9);

    // 100 pixels away, to arrive in 500 ms: speed 200 along the line.
    auto target = EngPoint::weak(100, 0);
    EngVelocity::moveTowardsPoint(a.get(), target, 60, 500);
    EXPECT_NEAR(a->velocity->x, 200, 1e-9);
    EXPECT_NEAR(a->velocity->y, 0, 1e-9);
    EXPECT_TRUE(target->_inPool);

    a->facing = engine::EngObject::UP;
    auto v = EngVelocity::velocityFromFacing(a.get(), 10);
    EXPECT_NEAR(v->x, 0, 1e-9);
    EXPECT_NEAR(v->y, -10, 1e-9);

    EXPECT_EQ(engine::EngSort::byY(engine::EngSort::ASCENDING, a.get(), b.get()), -1);
    EXPECT_EQ(engine::EngSort::byY(engine::EngSort::ASCENDING, a.get(), a.get()), 0);
}
