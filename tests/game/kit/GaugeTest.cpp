// The meter, the progress bar with its flashes, and the slider.
#include "KitFixture.h"
#include "KitHooks.h"
#include "game/kit/BasicMeter.h"
#include "game/kit/BasicProgressBar.h"
#include "game/kit/UISlider.h"

using game::BasicMeter;
using game::BasicProgressBar;
using game::UISlider;
using runtime::make;
using runtime::Ref;

using GaugeTest = KitFixture;

TEST_F(GaugeTest, AMeterFillsItsInsideAndNeverLessThanOnePixel) {
    auto m = make<BasicMeter>(30, 3, static_cast<int>(0xFFFF0000));
    EXPECT_EQ(m->stuff->get_x(), 1);
    EXPECT_EQ(m->stuff->get_bitmapData()->get_width(), 28);
    EXPECT_EQ(m->stuff->get_bitmapData()->get_height(), 1);
    auto outline = m->getChildAt(1).cast<framework::Bitmap>();
    ASSERT_TRUE(outline);
    EXPECT_EQ(static_cast<uint32_t>(outline->get_bitmapData()->getPixel32(0, 1)), 0xFFFFFFFFu);
    EXPECT_EQ(outline->get_bitmapData()->getPixel32(5, 1), 0);
    m->setPercent(0);
    EXPECT_EQ(m->stuff->get_scrollRect()->width, 1);
    m->setPercent(0.5);
    EXPECT_EQ(m->stuff->get_scrollRect()->width, 14);
    EXPECT_TRUE(make<BasicMeter>(200, 13, -1)->getChildAt(1).cast<game::Scale9BitmapSprite>());
    EXPECT_FALSE(make<BasicMeter>(200, 12, -1)->getChildAt(1).cast<game::Scale9BitmapSprite>());
}

TEST_F(GaugeTest, TheBarFlashesOverWhatWasGainedOrLost) {
    InstalledHooks hooks;
    auto bar = make<BasicProgressBar>(make<framework::BitmapData>(300, 15, true, static_cast<int>(0xFFFFFFFF)));
    auto fill = [&] { return static_cast<int>(bar->stuff->get_scrollRect()->width); };
    auto flashing = [&] { return bar->whiteBitmap->get_parent().get() == bar.get(); };
    struct Case {
        int before;                 // the fill shown before, out of 300
        std::optional<double> change;
        int max, amount;
        bool flash;
        int flashWidth, flashX, after;  // flashWidth 0: no flash
    };
    const Case cases[] = {
        {290, 20.0, 300, 300, true, 11, 290, 300},
        {300, 5.0, 300, 300, true, 1, 300, 300},
        {300, -50.0, 100, 50, true, 150, 150, 150},
        {120, -30.0, 100, 0, true, 120, 0, 0},
        {300, std::nullopt, 1000, 1, true, 0, 0, 1},
        {300, 5.0, 100, 50, false, 0, 0, 150},
        {300, 0.0, 100, 50, true, 0, 0, 150},
    };
    for (const Case& c : cases) {
        bar->update(std::nullopt, 300, c.before);
        if (flashing()) bar->removeChild(bar->whiteBitmap);
        hooks.map->menuEffects.clear();
        bar->update(c.change, c.max, c.amount, c.flash);
        EXPECT_EQ(fill(), c.after);
        EXPECT_EQ(bar->stuff->get_visible(), c.after != 0);
        if (c.flashWidth == 0) {
            EXPECT_FALSE(flashing()) << c.before;
            continue;
        }
        ASSERT_TRUE(flashing()) << c.before;
        EXPECT_EQ(bar->whiteBitmap->get_width(), c.flashWidth) << c.before;
        EXPECT_EQ(bar->whiteBitmap->get_x(), c.flashX) << c.before;
        EXPECT_EQ(bar->whiteBitmap->get_height(), 15);
        EXPECT_EQ(hooks.map->menuEffects.size(), 1u) << "handed to the menu effects";
        EXPECT_TRUE(bar->whiteBitmap->tweening);
    }
    bar->update(std::nullopt, 1000, 0);
    EXPECT_FALSE(bar->stuff->get_visible());
    bar->removeChild(bar->whiteBitmap);
    bar->flashCurrentAmount();
    EXPECT_FALSE(flashing()) << "nothing to flash on an empty bar";
    bar->update(std::nullopt, 100, 40);
    bar->flashCurrentAmount();
    EXPECT_TRUE(flashing());
    EXPECT_EQ(bar->whiteBitmap->get_width(), 120);
    EXPECT_EQ(bar->whiteBitmap->get_x(), 0);
}

TEST_F(GaugeTest, TheSliderHandleRunsAlongItsTrackAndShowsAWholePercentage) {
    auto s = make<UISlider>();
    EXPECT_EQ(s->meter->meterWidth, 200);
    EXPECT_EQ(s->meter->meterHeight, 13);
    EXPECT_EQ(s->minPos, 3);
    EXPECT_EQ(s->maxPos, 188);
    EXPECT_EQ(s->handle->get_x(), 188);
    EXPECT_EQ(s->handle->get_y(), -3);
    s->setPercent(0.5, true);
    EXPECT_EQ(s->handle->get_x(), 95.5);
    EXPECT_EQ(s->textLabel->text, runtime::String("50"));
    EXPECT_EQ(s->meter->stuff->get_scrollRect()->width, 99);
    s->setPercent(0.005);
    EXPECT_EQ(s->textLabel->text, runtime::String("1"));
    s->setPercent(0.004);
    EXPECT_EQ(s->textLabel->text, runtime::String("0"));
    EXPECT_EQ(s->handle->get_x(), 95.5) << "moveHandle off leaves the handle";

    auto frame = [&] { return static_cast<int>(s->handlePic->get_scrollRect()->x); };
    auto event = make<framework::Event>("mouseOver");
    s->handleOver(event);
    EXPECT_EQ(frame(), 9);
    s->handleDown(event);
    EXPECT_EQ(frame(), 18);
    s->handleOut(event);
    EXPECT_EQ(frame(), 18) << "held";
    s->mouseUp(event);
    EXPECT_EQ(frame(), 0);
    EXPECT_FALSE(s->dragging);

    // Held and dragged far right, then far left (the grab point stands in for the pointer).
    s->dragging = true;
    s->handleMousePoint = make<framework::Point>(-10000, 0);
    s->update();
    EXPECT_EQ(s->handle->get_x(), 188);
    EXPECT_EQ(s->percent, 1);
    s->handleMousePoint = make<framework::Point>(10000, 0);
    s->update();
    EXPECT_EQ(s->handle->get_x(), 3);
    EXPECT_EQ(s->percent, 0);
    s->percent = 0.25;
    s->handleMousePoint = make<framework::Point>(s->get_mouseX() - s->handle->get_x(), 0);
    s->update();
    EXPECT_EQ(s->percent, 0.25) << "a step without movement sets nothing";

    game::Game::mobile = true;
    auto touch = make<UISlider>();
    EXPECT_FALSE(touch->hitArea->hasEventListener("mouseOver"));
    EXPECT_TRUE(touch->hitArea->hasEventListener("mouseDown"));
}
