#include "SoulCrystal.h"

#include <cmath>

#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(SoulCrystal, "SoulCrystal", TileObjectMisc, (auto& b) {})

SoulCrystal::SoulCrystal(Tile* tile) : TileObjectMisc(tile, false) {
    objType = TYPE_SOUL_CRYSTAL;
    if (const auto& shadowBMD = BMDCache::SHADOW_M) {
        auto shadow = runtime::make<framework::Bitmap>(shadowBMD);
        shadow->set_x(C::TILE_SIZE * 0.5 - shadowBMD->get_width() * 0.5);
        shadow->set_y(C::TILE_SIZE * 0.5 - shadowBMD->get_height() * 0.5);
        addChild(shadow);
    }
    crystal = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/misc/soulCrystal.png"));
    crystal->setNewAnim(runtime::make<Anim>(0, 0, 26, 61, 10, true, 3));
    crystal->set_x(C::TILE_SIZE * 0.5 - 26 * 0.5);
    originY = C::TILE_SIZE * 0.5 - 61 - 15;
    crystal->set_y(originY);
    addChild(crystal);
    blackCrystal = runtime::make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/x2/misc/soulCrystalBlack.png"));
    blackCrystal->set_alpha(0);
    crystal->addChild(blackCrystal);
}

void SoulCrystal::update() {
    if (falling) return;
    crystal->set_y(std::sin(static_cast<double>(G::frameCount) / HOVER_PERIOD) * 5 + originY);
    crystal->updateAnim();
}

}  // namespace game
