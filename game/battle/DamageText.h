#pragma once
// The floating number of a hit or of a bleed or drain tick. An ordinary hit's number jumps off
// sideways in an arc and bounces on a floor below its start; a bleed number drips straight
// down; a drain number sinks while swaying. Each stays fully visible for 40 frames (20 at 30
// frames per second), then fades over one second; its owner calls updateAnim every frame.
#include "game/kit/TextSprite.h"

namespace game {

class DamageText : public TextSprite {
    RUNTIME_CLASS(DamageText)
public:
    static constexpr int TYPE_NORMAL = 1;
    static constexpr int TYPE_BLEED = 2;
    static constexpr int TYPE_LIFEDRAIN = 3;
    // Amounts from here on are drawn in the 20-pixel fonts.
    static constexpr int LARGE_AMOUNT = 50;

    // leftward sends an ordinary number to the left, crit draws it yellow; floorOffset lowers
    // its bounce floor (a flying monster's number lands on the ground below it).
    DamageText(int amount, int textType, double x, double y, bool leftward, bool crit = false, int floorOffset = 0);
    explicit DamageText(runtime::NoInit n) : TextSprite(n) {}

    // The font of an amount of that type.
    static runtime::Ref<SpriteFont> fontFor(int amount, int textType, bool crit);

    void updateAnim() override;

    int xDirection = 1;
    double absYVel = 0;
    double xRads = 0;
    int textType = TYPE_NORMAL;
    double originX = 0;
};

}  // namespace game
