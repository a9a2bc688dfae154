// The back end's native display tree: through its primitives (as the framework reaches it)
// and, for what no primitive reports, through the store itself.
#include "NativeModule.h"
#include "platform/media/native/NodeStore.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/DynamicObject.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {
Value point(double x, double y) {
    auto p = runtime::make<runtime::DynamicObject>();
    p->setField("x", Value(x));
    p->setField("y", Value(y));
    return Value(p);
}
}  // namespace

TEST(NodeStorePrimitives, PropertiesRoundTripAndIdsAreUnique) {
    auto create = prim("media_native_create_display_object", 0);
    auto getId = prim("media_native_display_object_get_id", 1);
    auto setAlpha = prim("media_native_display_object_set_alpha", 2);
    auto getAlpha = prim("media_native_display_object_get_alpha", 1);
    auto setBg = prim("media_native_display_object_set_bg", 2);
    auto getBg = prim("media_native_display_object_get_bg", 1);
    auto setRotation = prim("media_native_display_object_set_rotation", 2);
    auto getRotation = prim("media_native_display_object_get_rotation", 1);
    Value a = create(), b = create();
    EXPECT_NE(getId(a).toInt(), getId(b).toInt());
    setAlpha(a, 0.25);
    EXPECT_EQ(getAlpha(a).toFloat(), 0.25);
    setBg(a, 0xFF000000);
    EXPECT_EQ(getBg(a).toInt(), 0x01000000);  // black, present
    setBg(a, 0);
    EXPECT_EQ(getBg(a).toInt(), 0);
    setRotation(a, 270);
    EXPECT_EQ(getRotation(a).toFloat(), -90);
    // Null and released handles are tolerated.
    EXPECT_TRUE(getAlpha(Value()).isNull());
    prim("media_native_display_object_release", 1)(a);
    EXPECT_TRUE(getId(a).isNull());
    setAlpha(a, 1.0);
}

TEST(NodeStorePrimitives, LocalGlobalRoundTripThroughRotatedAndScaledParents) {
    auto container = prim("media_native_create_display_object_container", 0);
    auto add = prim("media_native_doc_add_child", 2);
    auto setX = prim("media_native_display_object_set_x", 2);
    auto setScaleX = prim("media_native_display_object_set_scale_x", 2);
    auto setScaleY = prim("media_native_display_object_set_scale_y", 2);
    auto setRotation = prim("media_native_display_object_set_rotation", 2);
    auto toGlobal = prim("media_native_display_object_local_to_global", 2);
    auto toLocal = prim("media_native_display_object_global_to_local", 2);
    Value outer = container(), inner = container();
    add(outer, inner);
    setX(outer, 100);
    setRotation(outer, 90);
    setScaleX(inner, 2);
    setScaleY(inner, -0.5);
    setX(inner, 10);
    Value p = point(3, 4);
    toGlobal(inner, p);
    // inner: (3,4) -> (16,-2); outer rotated 90° then moved: (x,y) -> (-y, x) + (100, 0).
    EXPECT_NEAR(p.field("x").toFloat(), 102, 1e-9);
    EXPECT_NEAR(p.field("y").toFloat(), 16, 1e-9);
    toLocal(inner, p);
    EXPECT_NEAR(p.field("x").toFloat(), 3, 1e-9);
    EXPECT_NEAR(p.field("y").toFloat(), 4, 1e-9);
}

TEST(NodeStore, ChildListsInsertMoveSwapAndRelease) {
    auto& s = media::NodeStore::get();
    int before = s.liveCount();
    int root = s.create(media::NodeStore::Kind::Container);
    int a = s.create(media::NodeStore::Kind::Object);
    int b = s.create(media::NodeStore::Kind::Object);
    int c = s.create(media::NodeStore::Kind::Object);
    for (int n : {a, b, c}) s.addChild(root, n);
    s.setChildIndex(root, c, 0);
    EXPECT_EQ(s.at(root).children, (std::vector<int>{c, a, b}));
    s.swapChildren(root, 0, 2);
    EXPECT_EQ(s.at(root).children, (std::vector<int>{b, a, c}));
    s.removeChildAt(root, 1);
    EXPECT_EQ(s.at(a).parent, -1);
    int other = s.create(media::NodeStore::Kind::Container);
    s.addChild(other, b);  // moving a child takes it out of its old parent
    EXPECT_EQ(s.at(root).children, (std::vector<int>{c}));
    s.release(root);
    EXPECT_EQ(s.at(c).parent, -1);
    for (int n : {a, b, c, other}) s.release(n);
    EXPECT_EQ(s.liveCount(), before);
}

TEST(NodeStore, BoundsAndHitTestsFollowContentTransformsAndScrollRects) {
    auto& s = media::NodeStore::get();
    int parent = s.create(media::NodeStore::Kind::Container);
    int child = s.create(media::NodeStore::Kind::Object);
    s.addChild(parent, child);
    s.at(child).contentBounds = {0, 0, 10, 20};
    s.at(child).x = 5;
    s.at(parent).scaleX = 2;
    media::Rect2D r = s.bounds(child, -1, true);
    EXPECT_DOUBLE_EQ(r.x, 10);
    EXPECT_DOUBLE_EQ(r.width, 20);
    EXPECT_DOUBLE_EQ(r.height, 20);
    EXPECT_TRUE(s.hitTestPoint(parent, 21, 5, true));
    EXPECT_FALSE(s.hitTestPoint(parent, 9, 5, true));
    EXPECT_DOUBLE_EQ(s.displayWidth(parent), 20);  // content 5..15, scaled by 2
    s.setDisplayWidth(parent, 60);
    EXPECT_DOUBLE_EQ(s.at(parent).scaleX, 6);
    // A scroll rect clips and shifts: only 4×4 from (6,0) of the child's parent space shows.
    s.at(parent).hasScrollRect = true;
    s.at(parent).scrollRect = {6, 0, 4, 4};
    s.at(parent).scaleX = 1;
    EXPECT_TRUE(s.hitTestPoint(parent, 0.5, 0.5, true));   // content (6.5, 0.5) is inside the child
    EXPECT_FALSE(s.hitTestPoint(parent, 5, 0.5, true));    // outside the clip
    EXPECT_DOUBLE_EQ(s.displayWidth(parent), 4);
    s.at(child).visible = false;
    EXPECT_FALSE(s.hitTestPoint(parent, 0.5, 0.5, true));
    s.release(child);
    s.release(parent);
}
