#pragma once
// The sparkling mouth of a secret room's tunnel: it blocks like a wall until the hero bumps into
// it, which reveals the room once.
#include "TileObject.h"

namespace game {

class SecretEntrance : public TileObject {
    RUNTIME_CLASS(SecretEntrance)
public:
    explicit SecretEntrance(Tile* tile);

    void activate() override;
    void update() override;

    runtime::Ref<BitmapSprite> flashy;
};

}  // namespace game
