#include "TileObjectMisc.h"

namespace game {

RUNTIME_DEFINE_CLASS(TileObjectMisc, "TileObjectMisc", TileObject, (auto& b) {})

TileObjectMisc::TileObjectMisc(Tile* tile, bool passable) : TileObject(tile) { nonBlocking = walkable = passable; }

}  // namespace game
