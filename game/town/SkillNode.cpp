#include "SkillNode.h"

#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;

void SkillNode::setupButtonRects() {
    auto black = PixelSmoother::smoothAsset("assets/ui/skillButtonBlack.png");
    auto gold = PixelSmoother::smoothAsset("assets/ui/skillButtonGold.png");
    auto green = PixelSmoother::smoothAsset("assets/ui/skillButtonGreen.png");
    auto cut = [](const runtime::Ref<framework::BitmapData>& strip, const runtime::Ref<framework::Rectangle>& cell) {
        auto bitmap = make<framework::Bitmap>(strip);
        bitmap->set_scrollRect(cell->clone());
        return bitmap;
    };
    for (int s = 0; s < STATE_COUNT; ++s) {
        const int column = s % 3, row = s / 3;
        BUTTON_RECTS_NORMAL[s] = make<framework::Rectangle>(column * NODE_SIZE_NORMAL, row * NODE_SIZE_NORMAL,
                                                            NODE_SIZE_NORMAL, NODE_SIZE_NORMAL);
        BUTTON_RECTS_LARGE[s] = make<framework::Rectangle>(column * NODE_SIZE_LARGE, row * NODE_SIZE_LARGE,
                                                           NODE_SIZE_LARGE, NODE_SIZE_LARGE);
        BUTTON_BITMAPS_BLACK[s] = cut(black, BUTTON_RECTS_NORMAL[s]);
        BUTTON_BITMAPS_GOLD[s] = cut(gold, BUTTON_RECTS_LARGE[s]);
        BUTTON_BITMAPS_GREEN[s] = cut(green, BUTTON_RECTS_LARGE[s]);
    }
}

}  // namespace game

using game::SkillNode;

RUNTIME_DEFINE_CLASS(SkillNode, "SkillNode", framework::Sprite, (auto& b) {
    b.template staticMethod<&SkillNode::setupButtonRects>("setupButtonRects").emptyInstance();
})
