// Overlap and collision queries through the quad tree, and the separation of colliding objects.
#include <gtest/gtest.h>

#include "engine/EngG.h"
#include "engine/EngObject.h"
#include "engine/group/EngGroup.h"
#include "engine/system/EngList.h"
#include "engine/system/EngQuadTree.h"
#include "engine/util/EngRect.h"

using engine::EngG;
using engine::EngGroup;
using engine::EngObject;
using engine::EngQuadTree;
using runtime::make;
using runtime::Ref;

namespace {
class EngQuadTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngG::staticInit();
        EngG::worldBounds->set(-10, -10, 980, 560);
    }
    static Ref<EngObject> box(double x, double y, double w = 10, double h = 10) {
        return make<EngObject>(x, y, w, h);
    }
    int pairs(engine::EngBasic* a, engine::EngBasic* b = nullptr) {
        int n = 0;
        EngG::overlap(a, b, [&](EngObject*, EngObject*) { ++n; });
        return n;
    }
};
}  // namespace

TEST_F(EngQuadTreeTest, PairsAreFoundByMovementHulls) {
    auto group = make<EngGroup>();
    auto a = box(100, 100), touching = box(110, 100), far = box(500, 300);
    group->add(a);
    group->add(touching);
    group->add(far);
    EXPECT_FALSE(EngG::overlap(group.get(), group.get()));  // edges only touch
    EXPECT_EQ(pairs(group.get()), 0);

    // An object that passed through another since its last step meets it.
    auto mover = box(520, 300);
    mover->last->set(480, 300);
    group->add(mover);
    EXPECT_EQ(pairs(group.get()), 1);

    // Switched off or gone: never compared.
    mover->allowCollisions = 0;
    EXPECT_EQ(pairs(group.get()), 0);
    mover->allowCollisions = EngObject::ANY;
    mover->exists = false;
    EXPECT_EQ(pairs(group.get()), 0);
    mover->exists = true;

    // The processing callback decides whether a pair counts.
    int notified = 0;
    EXPECT_FALSE(EngG::overlap(group.get(), nullptr, [&](EngObject*, EngObject*) { ++notified; },
                               [](EngObject*, EngObject*) { return false; }));
    EXPECT_EQ(notified, 0);

    // Two groups: every object of the first against every object of the second; nested groups
    // are walked. The box meets a and touching; it and touching both straddle a node border at
    // x 112.5, so their pair is counted in two nodes.
    auto other = make<EngGroup>();
    auto inner = make<EngGroup>();
    inner->add(box(105, 105));
    other->add(inner);
    EXPECT_EQ(pairs(group.get(), other.get()), 3);
}

TEST_F(EngQuadTreeTest, NodesAreReusedAndSplitDownToTheMinimum) {
    EngQuadTree::clearCache();
    EngQuadTree::divisions = 6;
    auto root = EngQuadTree::recycle(-10, -10, 980, 560);
    EXPECT_EQ(EngQuadTree::_min, 128);
    EXPECT_TRUE(root->_canSubdivide);
    auto group = make<EngGroup>();
    group->add(box(12, 12, 4, 4));  // deep in one corner
    root->load(group.get());
    EXPECT_TRUE(root->_northWestTree);
    auto third = root->_northWestTree->_northWestTree;
    ASSERT_TRUE(third);
    EXPECT_TRUE(third->_canSubdivide);  // 245 x 140
    ASSERT_TRUE(third->_northWestTree);
    EXPECT_FALSE(third->_northWestTree->_canSubdivide);  // 122.5 x 70
    third = nullptr;
    root->destroy();
    EXPECT_EQ(EngQuadTree::_NUM_CACHED_QUAD_TREES, 4);
    EXPECT_EQ(EngQuadTree::recycle(0, 0, 10, 10), root);  // the root was destroyed last

    auto node = engine::EngList::recycle();
    int before = engine::EngList::_NUM_CACHED_FLX_LIST;
    node->destroy();
    node->destroy();
    EXPECT_EQ(engine::EngList::_NUM_CACHED_FLX_LIST, before + 1);
}

TEST_F(EngQuadTreeTest, SeparationStopsAFallOnAFloor) {
    auto floor = box(0, 100, 100, 10);
    floor->immovable = true;
    auto faller = box(10, 87, 10, 16);  // bottom 3 units into the floor after moving down 5
    faller->last->set(10, 82);
    faller->velocity->set(0, 300);
    EXPECT_TRUE(EngG::collide(faller.get(), floor.get()));
    EXPECT_EQ(faller->y, 84);
    EXPECT_EQ(faller->velocity->y, 0);
    EXPECT_TRUE(faller->touching & EngObject::FLOOR);
    EXPECT_TRUE(floor->touching & EngObject::CEILING);

    auto deep = box(10, 94, 10, 16);  // 10 units in: more than 5 + 0 + 4
    deep->last->set(10, 89);
    EXPECT_FALSE(EngObject::separateY(deep.get(), floor.get()));
    EXPECT_EQ(deep->touching, EngObject::NONE);

    // Equal masses without elasticity stop; with elasticity 1 they exchange velocities.
    for (double elasticity : {0.0, 1.0}) {
        auto left = box(0, 0, 10, 10), right = box(9, 0, 10, 10);
        left->last->set(-1, 0);
        right->last->set(10, 0);
        left->velocity->set_x(100);
        right->velocity->set_x(-100);
        left->elasticity = right->elasticity = elasticity;
        EXPECT_TRUE(EngObject::separateX(left.get(), right.get()));
        EXPECT_EQ(left->velocity->x, elasticity == 0 ? 0 : -100);
        EXPECT_EQ(right->velocity->x, elasticity == 0 ? 0 : 100);
    }

    // Riding a moving platform.
    auto platform = box(0, 100, 100, 10);
    platform->immovable = true;
    platform->last->set(-2, 100);
    auto rider = box(10, 92, 10, 10);
    rider->last->set(10, 90);
    EXPECT_TRUE(EngObject::separateY(rider.get(), platform.get()));
    EXPECT_EQ(rider->x, 12);
}
