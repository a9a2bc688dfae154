#pragma once
// A cell that sends the hero elsewhere when he steps onto it: to a premade map at a given cell,
// or (the dungeon entrance) into the choice of the floor a new run starts on. It works every time.
#include "TileObject.h"
#include "TiledMap.h"
#include "framework/geom/Point.h"

namespace game {

class TeleportTile : public TileObject {
    RUNTIME_CLASS(TeleportTile)
public:
    TeleportTile(Tile* tile, const runtime::Ref<TiledMap>& toMap, const runtime::Ref<framework::Point>& toPoint,
                 const runtime::Ref<framework::Point>& toWalkToPoint, const runtime::Ref<Anim>& transitionFace,
                 bool newRun = false);

    void activate() override;

    runtime::Ref<TiledMap> toMap;
    runtime::Ref<framework::Point> toPoint;
    runtime::Ref<framework::Point> toWalkToPoint;
    runtime::Ref<Anim> transitionFace;
    bool newRun = false;
};

}  // namespace game
