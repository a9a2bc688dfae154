#pragma once
// One kind of stat gem in the loot summary: the animated gem, its name, how many were taken this
// run and, for HP and MP, the bonus they amount to. Dim (alpha 0.5) while the count is 0.
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class LootGemCounter : public BitmapSprite {
    RUNTIME_CLASS(LootGemCounter)
public:
    // HP and MP bonus per gem as shown in the bonus text.
    static constexpr int HP_PER_GEM = 10;
    static constexpr int MP_PER_GEM = 2;

    // type: a StatGem kind (0 HP to 4 magic); any other shows no name and the HP gem.
    explicit LootGemCounter(int type);
    explicit LootGemCounter(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void update();
    virtual void setValue(int value);

    int type = 0;
    runtime::Ref<BitmapSprite> gem;
    runtime::Ref<TextSprite> label;
    runtime::Ref<TextSprite> counter;
    runtime::Ref<TextSprite> effectiveValueCounter;
};

}  // namespace game
