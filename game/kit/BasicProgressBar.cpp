#include "BasicProgressBar.h"

#include <cmath>

#include "framework/geom/Rectangle.h"
#include "game/data/DataMap.h"
#include "game/shell/BMDCache.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Quad.h"

namespace game {

using framework::Bitmap;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

BasicProgressBar::BasicProgressBar(const Ref<framework::BitmapData>& barBmd)
    : barWidth(barBmd->get_width()), barHeight(barBmd->get_height()) {
    auto track = make<Bitmap>(BMDCache::blackSquare2x2);
    track->set_scaleX(barWidth / 2.0);
    track->set_scaleY(barHeight / 2.0);
    addChild(track);
    stuff = make<Bitmap>(barBmd);
    stuff->set_scrollRect(make<Rectangle>(0, 0, barWidth, barHeight));
    addChild(stuff);
    whiteBitmap = make<BitmapSprite>(BMDCache::whiteSquare2x2, false, true);
}

void BasicProgressBar::update(std::optional<double> change, int maxAmount, int amount, bool flash) {
    const double old = stuff->get_scrollRect() ? stuff->get_scrollRect()->width : barWidth;
    if (change && flash && *change != 0) {
        int fw = static_cast<int>(std::ceil(std::abs(*change) / maxAmount * barWidth));
        if (fw >= 1) {
            if (*change >= 0 && fw + old > barWidth) fw = static_cast<int>(barWidth - old) + 1;
            else if (amount <= 0) fw = static_cast<int>(old);
        }
        if (fw >= 1) startFlash(fw, *change < 0 ? old - fw : old, 2, false);
    }
    const int w = static_cast<int>(std::ceil(static_cast<double>(amount) / maxAmount * barWidth));
    stuff->set_scrollRect(make<Rectangle>(0, 0, w, barHeight));
    stuff->set_visible(w != 0);
}

void BasicProgressBar::flashCurrentAmount() {
    auto rect = stuff->get_scrollRect();
    const double fill = rect ? rect->width : barWidth;
    if (fill > 0) startFlash(static_cast<int>(fill), 0, 0.3, true);
}

void BasicProgressBar::startFlash(int width, double x, double seconds, bool quadIn) {
    whiteBitmap->set_width(width);
    whiteBitmap->set_height(barHeight);
    whiteBitmap->set_alpha(1);
    whiteBitmap->set_visible(true);
    whiteBitmap->set_x(x);
    addChild(whiteBitmap);
    auto props = make<runtime::DynamicObject>();
    props->setField("alpha", runtime::Value(0));
    if (auto actuator = ::tween::Tweener::tween(whiteBitmap, seconds, props)) {
        if (quadIn) actuator->ease(::tween::Quad::get_easeIn());
        whiteBitmap->tween(actuator);
    }
    DataMap::get().addMenuEffect(whiteBitmap);
}

}  // namespace game

using game::BasicProgressBar;

RUNTIME_DEFINE_CLASS(BasicProgressBar, "BasicProgressBar", game::BitmapSprite, (auto& b) {
    b.template field<&BasicProgressBar::barWidth>("barWidth")
        .template field<&BasicProgressBar::barHeight>("barHeight")
        .template method<&BasicProgressBar::flashCurrentAmount>("flashCurrentAmount")
        .emptyInstance();
})
