// The display tree over the real back end's node store.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/Lib.h"
#include "framework/display/Shape.h"
#include "framework/display/Sprite.h"

using framework::Lib;
using framework::Point;
using framework::Shape;
using framework::Sprite;
using runtime::make;
using runtime::Value;

TEST(DisplayTreeNative, LocalGlobalRoundTripsThroughRotatedAndScaledParents) {
    auto outer = make<Sprite>(), inner = make<Sprite>();
    auto shape = make<Shape>();
    outer->addChild(inner);
    inner->addChild(shape);
    outer->set_x(100);
    outer->set_rotation(90);
    inner->set_scaleX(2);
    inner->set_scaleY(-0.5);
    inner->set_x(10);
    shape->set_y(3);
    auto global = shape->localToGlobal(make<Point>(3, 1));
    // shape: (3, 1) -> (3, 4); inner: -> (16, -2); outer: (x, y) -> (100 - y, x)
    EXPECT_NEAR(global->x, 102, 1e-9);
    EXPECT_NEAR(global->y, 16, 1e-9);
    auto back = shape->globalToLocal(global);
    EXPECT_NEAR(back->x, 3, 1e-9);
    EXPECT_NEAR(back->y, 1, 1e-9);
    EXPECT_NEAR(global->x, 102, 1e-9);  // the caller's point is untouched
    auto m = shape->getConcatenatedMatrix_();
    EXPECT_NEAR(m->tx, 100 - (-0.5 * 3), 1e-9);
}

TEST(DisplayTreeNative, ByNameWritesReachTheNativeNode) {
    auto sprite = make<Sprite>();
    Value(sprite).setField("alpha", Value(0.25));
    Value(sprite).setField("x", Value(12));
    EXPECT_EQ(sprite->get_alpha(), 0.25);
    EXPECT_EQ(Value(sprite).field("x").toFloat(), 12);
    const runtime::Member* y = sprite->classInfo()->findMember("y");
    y->writeNumber(sprite.get(), 7.5);
    EXPECT_EQ(sprite->get_y(), 7.5);
    EXPECT_EQ(sprite->get_name().str(), "Sprite " + std::to_string(sprite->id_));
}

TEST(DisplayTreeNative, DroppingATreeReleasesEveryNode) {
    auto getId = Lib::load("media-native", "media_native_display_object_get_id", 1);
    std::vector<Value> handles;
    {
        auto root = make<Sprite>();
        for (int i = 0; i < 3; ++i) {
            auto child = make<Sprite>();
            child->addChild(make<Shape>());
            root->addChild(child);
            handles.push_back(child->handle_);
            handles.push_back(child->getChildAt(0)->handle_);
        }
        handles.push_back(root->handle_);
        for (const Value& h : handles) EXPECT_GT(getId(h).toInt(), 0);
    }
    for (const Value& h : handles) EXPECT_TRUE(getId(h).isNull());
}
