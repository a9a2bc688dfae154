#pragma once
// A plain object whose behaviour its creator gives: picture, type code, activation function and
// flags; passable sets both nonBlocking and walkable.
#include "TileObject.h"

namespace game {

class TileObjectMisc : public TileObject {
    RUNTIME_CLASS(TileObjectMisc)
public:
    TileObjectMisc(Tile* tile, bool passable);
};

}  // namespace game
