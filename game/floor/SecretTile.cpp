#include "SecretTile.h"

#include "FloorRandom.h"
#include "MapStateLink.h"
#include "game/shell/C.h"

namespace game {

RUNTIME_DEFINE_CLASS(SecretTile, "SecretTile", BitmapSprite, (auto& b) {})

namespace {
runtime::Ref<framework::BitmapData> wallPicture(int x, int y) {
    auto picture = runtime::make<framework::BitmapData>(C::TILE_SIZE, C::TILE_SIZE, true, 0);
    if (auto* link = MapStateLink::current()) link->drawWall(picture, x, y, 0, 0, true);
    return picture;
}
}  // namespace

SecretTile::SecretTile(int lev_x, int lev_y) : BitmapSprite(wallPicture(lev_x, lev_y), true), lev_x(lev_x), lev_y(lev_y) {
    set_x(lev_x * C::TILE_SIZE);
    set_y(lev_y * C::TILE_SIZE);
}

void SecretTile::update(int frame) {
    if (frame > REVEAL_TIME) {
        destroy();
        return;
    }
    const double d = 1 - static_cast<double>(frame) / REVEAL_TIME;
    set_alpha(d * 0.8 + d * 0.2 * FloorRandom::next());
}

}  // namespace game
