#pragma once
// The picture of one fake wall cell over a secret room: drawn as the walls around it, it flickers
// and fades out during the reveal and is destroyed when the reveal is over.
#include "game/kit/BitmapSprite.h"

namespace game {

class SecretTile : public BitmapSprite {
    RUNTIME_CLASS(SecretTile)
public:
    static constexpr int REVEAL_TIME_60FPS = 60;
    // The reveal's length in frames; the frame-rate switch sets it (30 at 30 frames per second).
    static inline int REVEAL_TIME = 60;

    SecretTile(int lev_x, int lev_y);

    // One step of the reveal, frame counted from 0.
    virtual void update(int frame);

    int lev_x = 0;
    int lev_y = 0;
};

}  // namespace game
