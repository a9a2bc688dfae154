#include "SecretEntrance.h"

#include "MapStateLink.h"
#include "game/battle/Effects.h"
#include "game/data/DataAchievements.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(SecretEntrance, "SecretEntrance", TileObject, (auto& b) {})

SecretEntrance::SecretEntrance(Tile* tile) : TileObject(tile) {
    nonBlocking = false;
    objType = TYPE_SECRET_ENTRANCE;
    flashy = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/misc/secretFlash.png"));
    flashy->setNewAnim(Effects::SECRET_FLASH);
    const double offset = C::TILE_SIZE * 0.5 - Effects::SECRET_FLASH->width * 0.5;
    flashy->set_x(offset);
    flashy->set_y(offset);
    addChild(flashy);
}

void SecretEntrance::activate() {
    if (activated) return;
    MapStateLink::sound("secret");
    activated = true;
    if (auto* link = MapStateLink::current()) link->revealSecret = true;
    GameData::secretTheseFiveFloors = true;
    DataUI::get().drawMiniMap();
    nonBlocking = true;
    if (flashy->get_parent()) removeChild(flashy);
    ++GameData::secretRoomsFound;
    DataAchievements::get().submitSecretRoomsFound();
}

void SecretEntrance::update() {
    if (!activated) flashy->updateAnim();
}

}  // namespace game
