#pragma once
// One cell of a floor's grid: wall or floor, pit, secret-room flags, the blocked edges of premade
// maps, and the one object standing on it.
#include "TileObject.h"

namespace game {

class Tile : public runtime::Object {
public:
    Tile(int lev_x, int lev_y);

    // Neither wall nor hole, and no object or a non-blocking one.
    virtual bool isPassable();
    // The path search may lead the hero through the cell: passable and holding no monster, stairs
    // or teleport; the hero's own cell always is.
    virtual bool isAGoodPath();
    // The object on the cell lets the hero in.
    virtual bool isWalkable();
    virtual bool hasObj();

    bool wall = true;
    bool hole = false;
    int lev_x;
    int lev_y;
    runtime::Ref<TileObject> tObj;
    bool upBlocked = false;
    bool downBlocked = false;
    bool leftBlocked = false;
    bool rightBlocked = false;
    // On the outermost ring of a 32 x 32 grid (also on smaller premade maps).
    bool edgeTile;
    bool hidden = false;
    bool fakeWall = false;
};

}  // namespace game
