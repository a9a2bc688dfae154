#include "BasicMeter.h"

#include <algorithm>

#include "Scale9BitmapSprite.h"
#include "framework/assets/Assets.h"
#include "framework/geom/Rectangle.h"
#include "game/shell/C.h"

namespace game {

using framework::Bitmap;
using framework::BitmapData;
using framework::Rectangle;
using runtime::make;

BasicMeter::BasicMeter(int meterWidth, int meterHeight, int color) : meterWidth(meterWidth), meterHeight(meterHeight) {
    stuff = make<Bitmap>(make<BitmapData>(meterWidth - 2, meterHeight - 2, true, color));
    stuff->set_x(1);
    stuff->set_y(1);
    addChild(stuff);
    if (meterHeight >= 13) {
        auto frame = make<Scale9BitmapSprite>();
        frame->drawThisSprite(framework::Assets::getBitmapData("assets/ui/sliderBorder.png"), meterWidth, meterHeight,
                              Scale9BitmapSprite::ALL_SIDES, 6, C::POINT_0);
        addChild(frame);
    } else {
        auto outline = make<BitmapData>(meterWidth, meterHeight, true, static_cast<int>(0xFFFFFFFF));
        outline->fillRect(make<Rectangle>(1, 1, meterWidth - 2, meterHeight - 2), 0);
        addChild(make<Bitmap>(outline));
    }
}

void BasicMeter::setPercent(double value) {
    percent = value;
    const double fillWidth = stuff->get_bitmapData()->get_width();
    const int w = static_cast<int>(std::max(1.0, fillWidth * percent));
    stuff->set_scrollRect(make<Rectangle>(0, 0, w, stuff->get_bitmapData()->get_height()));
}

}  // namespace game

using game::BasicMeter;

RUNTIME_DEFINE_CLASS(BasicMeter, "BasicMeter", game::BitmapSprite, (auto& b) {
    b.template field<&BasicMeter::meterWidth>("meterWidth")
        .template field<&BasicMeter::meterHeight>("meterHeight")
        .template field<&BasicMeter::percent>("percent")
        .template method<&BasicMeter::setPercent>("setPercent")
        .emptyInstance();
})
