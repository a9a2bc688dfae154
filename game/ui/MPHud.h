#pragma once
// A single MP bar in its own small frame, for the windows that spend MP outside battle.
#include <optional>

#include "game/kit/BasicProgressBar.h"
#include "game/kit/TextSprite.h"

namespace game {

class MPHud : public BitmapSprite {
    RUNTIME_CLASS(MPHud)
public:
    static constexpr int BAR_WIDTH = 120;
    static constexpr int BAR_HEIGHT_LARGE = 15;

    MPHud();
    explicit MPHud(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void update(std::optional<int> mpChange);

    runtime::Ref<framework::Bitmap> largeHUD;
    runtime::Ref<BasicProgressBar> largeMagic;
    runtime::Ref<framework::Sprite> largeHolder;
    runtime::Ref<TextSprite> mpText;
};

}  // namespace game
