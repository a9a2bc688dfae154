#include "TeleportTile.h"

#include "MapStateLink.h"
#include "game/data/DataUI.h"

namespace game {

RUNTIME_DEFINE_CLASS(TeleportTile, "TeleportTile", TileObject, (auto& b) {})

TeleportTile::TeleportTile(Tile* tile, const runtime::Ref<TiledMap>& toMap, const runtime::Ref<framework::Point>& toPoint,
                           const runtime::Ref<framework::Point>& toWalkToPoint, const runtime::Ref<Anim>& transitionFace,
                           bool newRun)
    : TileObject(tile), toMap(toMap), toPoint(toPoint), toWalkToPoint(toWalkToPoint), transitionFace(transitionFace),
      newRun(newRun) {
    nonBlocking = walkable = true;
}

void TeleportTile::activate() {
    auto* link = MapStateLink::current();
    if (link && link->ignoreTeleportTiles) return;
    if (toMap && link) {
        link->transitionToPremade = true;
        link->transitionToMap = toMap;
        link->transitionToPoint = toPoint;
        link->transitionWalkToPoint = toWalkToPoint;
        link->transitionFace = transitionFace;
    }
    if (newRun) DataUI::get().openChooseFloorWin();
    else if (link) link->startMapTransition();
}

}  // namespace game
