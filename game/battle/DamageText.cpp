#include "DamageText.h"

#include <cmath>
#include <numbers>

#include "BattleRandom.h"
#include "game/shell/Game.h"

namespace game {

DamageText::DamageText(int amount, int textType, double x, double y, bool leftward, bool crit, int floorOffset)
    : TextSprite(fontFor(amount, textType, crit), runtime::String(std::to_string(amount)), false, -1, 2, true, 0) {
    absYVel = 0;
    originX = x;
    this->textType = textType;
    set_x(x);
    // The small font sits on the large one's baseline.
    set_y(amount < LARGE_AMOUNT ? y + 6 : y);
    if (textType == TYPE_NORMAL) {
        physics = true;
        xDirection = leftward ? -1 : 1;
        velX = xDirection * 0.8;
        velY = -4;
        floorY = get_y() + 15 + floorOffset;
    } else if (textType == TYPE_BLEED) {
        absYVel = 1;
    } else if (textType == TYPE_LIFEDRAIN) {
        absYVel = 0.8;
        xRads = BattleRandom::next() * 2 * std::numbers::pi;
    }
    fadeDelayFrames = 40;
    if (Game::frameRate == 30) {
        velX *= 2;
        velY *= 2;
        absYVel *= 2;
        fadeDelayFrames = static_cast<int>(40 * 0.5);
    }
    fadeTime = 1.0;
    waitToRemove = true;
    updateAnim();
}

runtime::Ref<SpriteFont> DamageText::fontFor(int amount, int textType, bool crit) {
    const bool large = amount >= LARGE_AMOUNT;
    switch (textType) {
        case TYPE_BLEED:
            return large ? MEDIEVAL_SANS_20_OUTLINE_RED : MEDIEVAL_SANS_14_OUTLINE_RED;
        case TYPE_LIFEDRAIN:
            return large ? MEDIEVAL_SANS_20_OUTLINE_PURPLE : MEDIEVAL_SANS_14_OUTLINE_PURPLE;
        default:
            if (crit) return large ? MEDIEVAL_SANS_20_OUTLINE_YELLOW : MEDIEVAL_SANS_14_OUTLINE_YELLOW;
            return large ? MEDIEVAL_SANS_20_OUTLINE_ORANGE : MEDIEVAL_SANS_14_OUTLINE_ORANGE;
    }
}

void DamageText::updateAnim() {
    TextSprite::updateAnim();
    if (!grounded) set_y(get_y() + absYVel);
    if (textType == TYPE_LIFEDRAIN) {
        set_x(originX + std::sin(xRads) * 8);
        xRads += 0.1;
    }
}

}  // namespace game

using game::DamageText;

RUNTIME_DEFINE_CLASS(DamageText, "DamageText", game::TextSprite, (auto& b) {
    b.template field<&DamageText::xDirection>("xDirection")
        .template field<&DamageText::absYVel>("absYVel")
        .template field<&DamageText::xRads>("xRads")
        .template field<&DamageText::textType>("textType")
        .template field<&DamageText::originX>("originX")
        .emptyInstance();
})
