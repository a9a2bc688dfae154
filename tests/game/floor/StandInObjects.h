#pragma once
// Stand-ins for the map objects the path search treats by kind (found by the last part of their
// class name), and a plain object of another kind.
#include "game/floor/TileObject.h"

namespace tests_floor {

class Monster : public game::TileObject {
    RUNTIME_CLASS(Monster)
public:
    using TileObject::TileObject;
};
class Stairs : public game::TileObject {
    RUNTIME_CLASS(Stairs)
public:
    using TileObject::TileObject;
};
class TeleportTile : public game::TileObject {
    RUNTIME_CLASS(TeleportTile)
public:
    using TileObject::TileObject;
};
class Door : public TeleportTile {
    RUNTIME_CLASS(Door)
public:
    using TeleportTile::TeleportTile;
};
class Blocker : public game::TileObject {
    RUNTIME_CLASS(Blocker)
public:
    using TileObject::TileObject;
};

}  // namespace tests_floor
