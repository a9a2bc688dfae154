#pragma once
// The large crystal hovering over its cell on the sorcerer's floor; the sorcerer sequence darkens
// it (blackCrystal) and lets it sink (falling).
#include "TileObjectMisc.h"
#include "framework/display/Bitmap.h"

namespace game {

class SoulCrystal : public TileObjectMisc {
    RUNTIME_CLASS(SoulCrystal)
public:
    static constexpr int HOVER_PERIOD_60FPS = 60;
    // The hover's divisor in use; the frame-rate switch sets it (30 at 30 frames per second).
    static inline int HOVER_PERIOD = 60;

    explicit SoulCrystal(Tile* tile);

    void update() override;

    runtime::Ref<framework::Bitmap> blackCrystal;
    runtime::Ref<BitmapSprite> crystal;
    double originY = 0;
    bool falling = false;
};

}  // namespace game
