#pragma once
// The HUD's picture of one running potion effect: its stat or element icon with the number of
// won battles still to go written over it.
#include "game/data/ActiveEffect.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class ActiveEffectIcon : public BitmapSprite {
    RUNTIME_CLASS(ActiveEffectIcon)
public:
    static constexpr double ICON_SCALE = 0.75;

    explicit ActiveEffectIcon(const runtime::Ref<ActiveEffect>& effect);
    explicit ActiveEffectIcon(runtime::NoInit n) : BitmapSprite(n) {}

    // Rewrites the count from the effect's duration.
    virtual void updateDuration();

    runtime::Ref<ActiveEffect> effect;
    runtime::Ref<BitmapSprite> icon;
    runtime::Ref<TextSprite> durationText;
};

}  // namespace game
