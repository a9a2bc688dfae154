#include "framework/geom/ColorTransform.h"

#include <gtest/gtest.h>

#include "framework/filters/BitmapFilter.h"
#include "framework/geom/Matrix3D.h"

using framework::ColorTransform;
using runtime::make;

TEST(ColorTransform, Color) {
    auto ct = make<ColorTransform>();
    EXPECT_EQ(ct->get_color(), 0);
    ct->alphaMultiplier = 0.5;
    EXPECT_EQ(ct->set_color(0xFF8000), 0xFF8000);
    EXPECT_EQ(ct->redOffset, 255);
    EXPECT_EQ(ct->greenOffset, 128);
    EXPECT_EQ(ct->blueOffset, 0);
    EXPECT_EQ(ct->redMultiplier, 0);
    EXPECT_EQ(ct->greenMultiplier, 0);
    EXPECT_EQ(ct->blueMultiplier, 0);
    EXPECT_EQ(ct->alphaMultiplier, 0.5);
    EXPECT_EQ(runtime::Value(ct).field("color").toInt(), 0xFF8000);

    // Offsets out of 0..255 spill into the neighbouring bits.
    auto spill = make<ColorTransform>(1, 1, 1, 1, 256);
    EXPECT_EQ(spill->get_color(), 1 << 24);
    EXPECT_EQ(make<ColorTransform>(1, 1, 1, 1, 0, 0, -1)->get_color(), -1);
    EXPECT_EQ(make<ColorTransform>(1, 1, 1, 1, 1.9, 0, 0)->get_color(), 0x10000);  // truncation
}

TEST(ColorTransform, ConcatAddsMultipliersOnly) {
    auto ct = make<ColorTransform>(2, 1, 1, 1, 10, 0, 0, 0);
    ct->concat(make<ColorTransform>());
    EXPECT_EQ(ct->redMultiplier, 3);
    EXPECT_EQ(ct->greenMultiplier, 2);
    EXPECT_EQ(ct->blueMultiplier, 2);
    EXPECT_EQ(ct->alphaMultiplier, 2);
    EXPECT_EQ(ct->redOffset, 10);
    EXPECT_EQ(ct->greenOffset + ct->blueOffset + ct->alphaOffset, 0);
    const std::vector<std::string> fields = {"alphaMultiplier", "alphaOffset", "blueMultiplier", "blueOffset",
                                             "greenMultiplier", "greenOffset", "redMultiplier",  "redOffset",
                                             "color"};
    EXPECT_EQ(ct->fieldNames(), fields);
}

TEST(BitmapFilter, NullTypeAndClone) {
    auto f = make<framework::BitmapFilter>(nullptr);
    EXPECT_EQ(f->type, runtime::String(""));
    auto g = make<framework::BitmapFilter>("blur");
    auto c = g->clone();
    EXPECT_NE(c.get(), g.get());
    EXPECT_EQ(c->type, "blur");
}

TEST(Matrix3D, SixteenEntriesAreSharedAnythingElseIsIdentity) {
    auto raw = make<runtime::Array>();
    for (int i = 0; i < 16; ++i) raw->push(i);
    EXPECT_EQ(make<framework::Matrix3D>(raw)->rawData.get(), raw.get());
    raw->push(16);
    auto id = make<framework::Matrix3D>(raw);
    EXPECT_NE(id->rawData.get(), raw.get());
    EXPECT_EQ(id->rawData->toString(), "[1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1]");
    EXPECT_EQ(make<framework::Matrix3D>()->rawData->length(), 16);
}
