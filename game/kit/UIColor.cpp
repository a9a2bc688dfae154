#include "UIColor.h"

#include <algorithm>

#include "framework/geom/Rectangle.h"
#include "game/shell/C.h"

namespace game {

using framework::BitmapData;
using runtime::make;
using runtime::Ref;

namespace {
constexpr int argb(uint32_t c) { return static_cast<int>(c); }

Ref<BitmapData> square(int color) { return make<BitmapData>(C::ITEM_SIZE - 2, C::ITEM_SIZE - 2, true, color); }
Ref<BitmapData> strip(uint32_t color) {
    return UIColor::fadeOutBottom(make<BitmapData>(56, 18, true, argb(color)));
}
}  // namespace

void UIColor::createColors() {
    DARK_PURPLE_GRAY = make<UIColor>();
    UIColor& c = *DARK_PURPLE_GRAY;
    c.outlines = argb(0xCCFFFFFF);
    c.background = argb(0xCC060509);
    c.selected = argb(0xCC464549);
    c.tab = argb(0xDD060509);
    c.backgroundGold = argb(0xDD5C552D);
    c.backgroundRed = argb(0xDD3D0909);
    c.backgroundPurple = argb(0xDD473853);
    c.backgroundGoldSelected = argb(0xDDA6790E);
    c.backgroundRedSelected = argb(0xDD6A0606);
    c.backgroundPurpleSelected = argb(0xDD633580);
    c.itemBackNormal = square(c.tab);
    c.itemBackNormalSelected = square(argb(0xDD666569));
    c.itemBackArtifact = square(c.backgroundGold);
    c.itemBackArtifactSelected = square(c.backgroundGoldSelected);
    c.itemBackValueNormal = strip(0xEE060509);
    c.itemBackValueNormalSelected = strip(0xEE666569);
    c.itemBackValueArtifact = strip(0xEE5C552D);
    c.itemBackValueArtifactSelected = strip(0xEEA6790E);
    c.windowEdge = argb(0xFFAAAAAA);
    c.windowInner1 = argb(0xEE000000);
    c.windowInner2 = argb(0xDD000000);
    c.windowInner3 = argb(0xBB000000);
}

Ref<BitmapData> UIColor::fadeOutBottom(const Ref<BitmapData>& bmd) {
    const int h = bmd->get_height(), w = bmd->get_width();
    for (int y = std::max(0, h - 8); y < h; ++y) {
        const auto pixel = static_cast<uint32_t>(bmd->getPixel32(0, y));
        const int distance = h - y;
        const auto alpha = static_cast<uint32_t>(distance * 0.1 * (pixel >> 24));
        bmd->fillRect(make<framework::Rectangle>(0, y, w, 1), argb((pixel & 0xFFFFFF) | (alpha << 24)));
    }
    return bmd;
}

}  // namespace game

using game::UIColor;

RUNTIME_DEFINE_CLASS(UIColor, "UIColor", runtime::Object, (auto& b) {
    b.template field<&UIColor::outlines>("outlines")
        .template field<&UIColor::background>("background")
        .template field<&UIColor::selected>("selected")
        .template field<&UIColor::tab>("tab")
        .template field<&UIColor::backgroundGold>("backgroundGold")
        .template field<&UIColor::backgroundRed>("backgroundRed")
        .template field<&UIColor::backgroundPurple>("backgroundPurple")
        .template field<&UIColor::backgroundGoldSelected>("backgroundGoldSelected")
        .template field<&UIColor::backgroundRedSelected>("backgroundRedSelected")
        .template field<&UIColor::backgroundPurpleSelected>("backgroundPurpleSelected")
        .template field<&UIColor::itemBackNormal>("itemBackNormal")
        .template field<&UIColor::itemBackNormalSelected>("itemBackNormalSelected")
        .template field<&UIColor::itemBackArtifact>("itemBackArtifact")
        .template field<&UIColor::itemBackArtifactSelected>("itemBackArtifactSelected")
        .template field<&UIColor::itemBackValueNormal>("itemBackValueNormal")
        .template field<&UIColor::itemBackValueNormalSelected>("itemBackValueNormalSelected")
        .template field<&UIColor::itemBackValueArtifact>("itemBackValueArtifact")
        .template field<&UIColor::itemBackValueArtifactSelected>("itemBackValueArtifactSelected")
        .template field<&UIColor::windowEdge>("windowEdge")
        .template field<&UIColor::windowInner1>("windowInner1")
        .template field<&UIColor::windowInner2>("windowInner2")
        .template field<&UIColor::windowInner3>("windowInner3")
        .template staticField<&UIColor::DARK_PURPLE_GRAY>("DARK_PURPLE_GRAY")
        .emptyInstance();
})
