#include "Door.h"

#include "MapStateLink.h"
#include "Tile.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(Door, "Door", TeleportTile, (auto& b) {})

Door::Door(Tile* tile, int, const runtime::Ref<TiledMap>& toMap, const runtime::Ref<framework::Point>& toPoint,
           const runtime::Ref<framework::Point>& toWalkToPoint, const runtime::Ref<Anim>& transitionFace)
    : TeleportTile(tile, toMap, toPoint, toWalkToPoint, transitionFace, false) {
    animSprite = runtime::make<BitmapSprite>();
    animSprite->set_bmd(PixelSmoother::smoothAsset("assets/x2/misc/woodDoor.png"));
    animSprite->setNewAnim(ANIM_WOOD);
    animSprite->set_x(5);
    animSprite->set_y(-11);
    addChild(animSprite);
    animSprite->removeEffect = false;
    if (tile) {
        set_x(tile->lev_x * C::TILE_SIZE);
        set_y(tile->lev_y * C::TILE_SIZE);
    }
}

void Door::activate() {
    MapStateLink::sound("door");
    playAnim();
    TeleportTile::activate();
}

void Door::playAnim() {
    animSprite->setNewAnim(ANIM_WOOD);
    if (auto* link = MapStateLink::current()) link->addMapEffect(animSprite);
}

}  // namespace game
