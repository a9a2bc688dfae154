#pragma once
// The anvil and fire: walking against it opens the crafting window with the forge available,
// every time.
#include "TileObject.h"

namespace game {

class Forge : public TileObject {
    RUNTIME_CLASS(Forge)
public:
    static inline const runtime::Ref<Anim> FORGE_ANIM = runtime::make<Anim>(0, 0, 32, 27, 3, true, 20, true, 0);

    explicit Forge(Tile* tile);

    void activate() override;
    void update() override;

    runtime::Ref<BitmapSprite> sprite;
};

}  // namespace game
