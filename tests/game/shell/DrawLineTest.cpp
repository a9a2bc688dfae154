// The thick line helper: outline stamps along the walk, then the line brush over every point.
#include "GameFixture.h"
#include "framework/geom/Point.h"
#include "game/shell/F.h"

using runtime::Value;

class DrawLineTest : public GameFixture {
protected:
    // (x, y, merge) of every brush copy into the target, in order.
    std::vector<std::tuple<double, double, bool>> stamps(const runtime::Ref<framework::BitmapData>& target) {
        std::vector<std::tuple<double, double, bool>> out;
        for (auto& c : media::FakeMediaModule::get().callsTo("media_native_bitmap_data_copy"))
            if (c.args[2].object() == target->handle_.object())
                out.emplace_back(c.args[3].field("x").toFloat(), c.args[3].field("y").toFloat(), c.args[4].toBool());
        return out;
    }
};

TEST_F(DrawLineTest, AHorizontalLineStampsItsWalkThenTheEndPoint) {
    auto target = runtime::make<framework::BitmapData>(20, 20, true, 0);
    game::F::drawLine(target, runtime::make<framework::Point>(0, 0), runtime::make<framework::Point>(10, 0),
                      static_cast<int>(0xFFFFFFFF), static_cast<int>(0x88FFFFFF));
    auto s = stamps(target);
    ASSERT_EQ(s.size(), 21u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(std::get<0>(s[i]), i - 2, 1e-9);
        EXPECT_NEAR(std::get<1>(s[i]), -2, 1e-9);
        EXPECT_FALSE(std::get<2>(s[i]));
    }
    for (int i = 0; i <= 10; ++i) {
        EXPECT_NEAR(std::get<0>(s[10 + i]), i - 2, 1e-9);
        EXPECT_TRUE(std::get<2>(s[10 + i]));
    }
    // The line brush: a transparent ring around one line pixel; both brushes are released.
    auto& fake = media::FakeMediaModule::get();
    EXPECT_EQ(fake.count("media_native_bitmap_data_set_pixel32"), 9 + 1);
    EXPECT_EQ(fake.count("media_native_bitmap_data_dispose"), 2);
}

TEST_F(DrawLineTest, EqualPointsOrNoOutlineStampOnlyTheLineBrush) {
    auto target = runtime::make<framework::BitmapData>(20, 20, true, 0);
    game::F::drawLine(target, runtime::make<framework::Point>(5, 5), runtime::make<framework::Point>(5, 5),
                      static_cast<int>(0xFFFFFFFF), static_cast<int>(0x88FFFFFF));
    auto s = stamps(target);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0], std::make_tuple(3.0, 3.0, true));

    auto other = runtime::make<framework::BitmapData>(20, 20, true, 0);
    game::F::drawLine(other, runtime::make<framework::Point>(0, 0), runtime::make<framework::Point>(0, 4),
                      static_cast<int>(0xFFFFFFFF), 0);
    s = stamps(other);
    ASSERT_EQ(s.size(), 5u);
    for (auto& st : s) EXPECT_TRUE(std::get<2>(st));
}
