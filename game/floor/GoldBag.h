#pragma once
// A sack of coins: walking onto it adds its gold to the purse and floats the amount up from the
// cell. The amount grows with the floor and is fixed when the bag is made.
#include "TileObject.h"

namespace game {

class GoldBag : public TileObject {
    RUNTIME_CLASS(GoldBag)
public:
    static inline const runtime::Ref<Anim> OPEN_ANIM = runtime::make<Anim>(0, 0, 20, 20, 6, false, 4);
    static inline const runtime::Ref<Anim> OPENED = runtime::make<Anim>(40, 20, 20, 20, 1, false);

    // amount -1 computes it from the current floor; activated rebuilds an opened bag.
    explicit GoldBag(Tile* tile, int amount = -1, bool activated = false);

    // The floating text for an amount: "+7 Gold".
    static runtime::String amountText(int amount);

    void activate() override;
    void update() override;

    int amount = 0;
    runtime::Ref<BitmapSprite> bag;
};

}  // namespace game
