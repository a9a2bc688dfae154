#pragma once
// A teleport with a wooden door that swings open and shut, with its sound, whenever the hero
// steps onto it.
#include "TeleportTile.h"

namespace game {

class Door : public TeleportTile {
    RUNTIME_CLASS(Door)
public:
    static inline const runtime::Ref<Anim> ANIM_WOOD = runtime::make<Anim>(0, 0, 23, 37, 5, false, 6, true, 15);

    // id is the map file's object id; it is not used.
    Door(Tile* tile, int id, const runtime::Ref<TiledMap>& toMap, const runtime::Ref<framework::Point>& toPoint,
         const runtime::Ref<framework::Point>& toWalkToPoint, const runtime::Ref<Anim>& transitionFace);

    // Sound and animation, also while teleports are ignored; then the teleport.
    void activate() override;
    // Restarts the door's swing and hands the picture to the map's effect list.
    virtual void playAnim();

    runtime::Ref<BitmapSprite> animSprite;
};

}  // namespace game
