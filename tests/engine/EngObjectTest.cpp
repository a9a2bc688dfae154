// The engine object's motion step, screen and world tests, and the separation of colliding pairs
// (object against object, and an object against a tile map's solid cells).
#include <cmath>

#include "tests/engine/EngineFixture.h"

#include "engine/EngObject.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/group/EngGroup.h"
#include "engine/tile/EngTilemap.h"
#include "framework/display/BitmapData.h"

using engine::EngCamera;
using engine::EngG;
using engine::EngObject;
using runtime::make;
using runtime::Ref;

namespace {
class EngObjectTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        soleCamera(320, 240);
        sizedSurfaces();
    }
    // One update of e seconds.
    static void step(EngObject& o, double e) {
        EngG::elapsed = e;
        o.update();
    }
};
}  // namespace

TEST_F(EngObjectTest, MotionIntegratesTheMeanOfOldAndNewVelocity) {
    struct Case {
        const char* name;
        double velocity, acceleration, drag, max, e, moved, velocityAfter;
    };
    const Case cases[] = {
        {"from rest under acceleration", 0, 40, 0, 10000, 0.5, 40 * 0.25 / 2, 20},
        {"capped by the maximum", 300, 0, 0, 100, 0.1, 200 * 0.1, 100},
        {"drag over a 1-s step", 100, 0, 50, 10000, 1, 75, 50},
        {"drag stops at 0", 20, 0, 50, 10000, 1, 10, 0},
        {"maximum 0 is no limit", 300, 0, 0, 0, 0.1, 30, 300},
    };
    for (const Case& c : cases) {
        EngObject o(10, 0, 8, 8);
        o.velocity->set_x(c.velocity);
        o.acceleration->set_x(c.acceleration);
        o.drag->set_x(c.drag);
        o.maxVelocity->set_x(c.max);
        step(o, c.e);
        EXPECT_NEAR(o.x - 10, c.moved, 1e-9) << c.name;
        EXPECT_NEAR(o.velocity->x, c.velocityAfter, 1e-9) << c.name;
        EXPECT_EQ(o.last->x, 10) << c.name;
    }
}

TEST_F(EngObjectTest, WithoutMotionUpdateStillRollsLastAndTouching) {
    EngObject o(5, 6, 8, 8);
    o.moves = false;
    o.velocity->set(100, 100);
    o.angularVelocity = 90;
    o.touching = EngObject::FLOOR;
    o.set_x(7);
    step(o, 1);
    EXPECT_EQ(o.x, 7);
    EXPECT_EQ(o.angle, 0);
    EXPECT_EQ(o.last->x, 7);
    EXPECT_EQ(o.wasTouching, EngObject::FLOOR);
    EXPECT_EQ(o.touching, EngObject::NONE);
}

TEST_F(EngObjectTest, HealthScreenAndTouchingQueries) {
    EngObject o(10, 20, 16, 16);
    EXPECT_EQ(o.toString(), "(x: 10 | y: 20 | w: 16 | h: 16 | visible: true | velocity: (x: 0 | y: 0))");
    o.hurt(1);
    EXPECT_FALSE(o.alive);
    EngObject n;
    n.health = std::nan("");
    n.hurt(1);
    EXPECT_TRUE(n.alive);


    EngG::camera->scroll->set(100, 50);
    o.scrollFactor->set(0, 0);
    Ref<engine::EngPoint> p = o.getScreenXY();
    EXPECT_EQ(p->x, 10);
    EXPECT_EQ(p->y, 20);
    o.scrollFactor->set(1, 1);
    EXPECT_FALSE(o.isOnScreen());  // at (-90, -30) on screen: left of and above the view
    o.setPosition(100, 60);
    EXPECT_TRUE(o.isOnScreen());

    EXPECT_TRUE(o.overlapsPoint(engine::EngPoint::get(105, 65)));
    EXPECT_FALSE(o.overlapsPoint(engine::EngPoint::get(100, 65)));  // an edge is outside

    o.touching = EngObject::FLOOR;
    o.wasTouching = EngObject::FLOOR;
    EXPECT_TRUE(o.isTouching(EngObject::FLOOR));
    EXPECT_FALSE(o.justTouched(EngObject::FLOOR));

    EXPECT_EQ(o.get_camera(), EngG::camera);
    auto other = make<EngCamera>(0, 0, 10, 10, 1);
    o.set_camera(other);
    EXPECT_EQ(o.get_cameras().size(), 1u);
    EXPECT_EQ(o.get_camera(), other);
}

TEST_F(EngObjectTest, SeparationPushesOutSetsFlagsAndExchangesVelocities) {
    // A falling object 3 units into an immovable floor.
    EngObject body(0, 0, 16, 16), floor(-50, 19, 200, 10);
    floor.immovable = true;
    body.last->set(0, 1);
    body.set_y(6);  // moved 5 this step: its bottom at 22 lies 3 into the floor
    body.velocity->set_y(300);
    ASSERT_TRUE(EngObject::separate(&body, &floor));
    EXPECT_EQ(body.y, 3);
    EXPECT_TRUE(body.touching & EngObject::FLOOR);
    EXPECT_TRUE(floor.touching & EngObject::CEILING);
    EXPECT_EQ(body.velocity->y, 0);

    // The same fall 10 units deep is past the bias and not separated.
    EngObject deep(0, 0, 16, 16), floor2(-50, 19, 200, 10);
    floor2.immovable = true;
    deep.last->set(0, 8);
    deep.set_y(13);
    EXPECT_FALSE(EngObject::separate(&deep, &floor2));
    EXPECT_EQ(deep.touching, EngObject::NONE);

    // Equal masses head-on: elasticity 0 stops both, 1 swaps them.
    for (double elasticity : {0.0, 1.0}) {
        EngObject a(0, 0, 10, 10), b(12, 0, 10, 10);
        a.last->set(-2, 0);
        a.set_x(3);
        b.last->set(14, 0);
        b.set_x(11);
        a.velocity->set_x(100);
        b.velocity->set_x(-100);
        a.elasticity = b.elasticity = elasticity;
        ASSERT_TRUE(EngObject::separateX(&a, &b));
        EXPECT_EQ(a.velocity->x, elasticity == 0 ? 0 : -100);
        EXPECT_EQ(b.velocity->x, elasticity == 0 ? 0 : 100);
        EXPECT_EQ(a.x + a.width, b.x);
    }

    // No relative motion: never separated.
    EngObject still1(0, 0, 10, 10), still2(5, 0, 10, 10);
    EXPECT_FALSE(EngObject::separate(&still1, &still2));
}

TEST_F(EngObjectTest, ObjectInsideASolidTileMapCellIsPushedOut) {
    auto map = make<engine::EngTilemap>();
    // A 4 x 3 map with a solid bottom row; tiles of 16 from a 32 x 16 picture of 2 tiles.
    auto picture = make<framework::BitmapData>(32, 16);
    map->loadMap(runtime::Value(runtime::String("0,0,0,0\n0,0,0,0\n1,1,1,1")), runtime::Value(picture), 16, 16);
    ASSERT_EQ(map->heightInTiles, 3);
    EngObject body(20, 20, 10, 10);
    body.last->set(20, 18);
    body.set_y(25);  // bottom at 35: 3 into the row
    body.velocity->set_y(200);
    EXPECT_TRUE(EngObject::separate(&body, map.get()));
    EXPECT_EQ(body.y, 22);
    EXPECT_TRUE(body.touching & EngObject::FLOOR);
    EXPECT_EQ(body.velocity->y, 0);
    // The tile map holds its graphic counted once.
    EXPECT_EQ(map->cachedGraphics->useCount, 1);
}

TEST_F(EngObjectTest, OverlapsGroupsAndScreenSpace) {
    EngObject o(0, 0, 10, 10);
    auto group = make<engine::EngGroup>();
    group->add(make<EngObject>(100, 100, 5, 5));
    EXPECT_FALSE(o.overlaps(group.get()));
    group->add(make<EngObject>(5, 5, 5, 5));
    EXPECT_TRUE(o.overlaps(group.get()));
    EngObject far(30, 0, 10, 10);
    EXPECT_TRUE(o.overlapsAt(25, 0, &far));
    EXPECT_FALSE(o.overlapsAt(40, 0, &far));
    // In screen space a scroll factor of 0 keeps the object where it is while the other scrolls.
    EngG::camera->scroll->set(30, 0);
    far.scrollFactor->set(1, 1);
    o.scrollFactor->set(0, 0);
    EXPECT_TRUE(o.overlaps(&far, true));
}
