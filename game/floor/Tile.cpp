#include "Tile.h"

#include <string_view>

#include "MapStateLink.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "platform/runtime/ClassInfo.h"

namespace game {

namespace {

// The object's class or one of its bases is named so (last part of the class path).
bool isKindOf(const TileObject& o, std::string_view name) {
    for (const runtime::ClassInfo* c = o.classInfo(); c; c = c->base())
        if (c->shortName() == name) return true;
    return false;
}

}  // namespace

Tile::Tile(int lev_x, int lev_y)
    : lev_x(lev_x), lev_y(lev_y),
      edgeTile(lev_x == 0 || lev_y == 0 || lev_x == C::MAP_SIZE - 1 || lev_y == C::MAP_SIZE - 1) {}

bool Tile::isPassable() { return !wall && !hole && (!tObj || tObj->nonBlocking); }

bool Tile::isAGoodPath() {
    if (isPassable() &&
        (!tObj || (!isKindOf(*tObj, "Monster") && !isKindOf(*tObj, "Stairs") && !isKindOf(*tObj, "TeleportTile"))))
        return true;
    if (auto* link = dynamic_cast<MapStateLink*>(G::mapState.get())) {
        auto hero = link->heroCell();
        if (hero && hero->first == lev_x && hero->second == lev_y) return true;
    }
    return false;
}

bool Tile::isWalkable() { return tObj && tObj->walkable; }

bool Tile::hasObj() { return static_cast<bool>(tObj); }

}  // namespace game
