#include "StandInObjects.h"

namespace tests_floor {

RUNTIME_DEFINE_CLASS(Monster, "tests.floor.Monster", game::TileObject, (auto& b) {})
RUNTIME_DEFINE_CLASS(Stairs, "tests.floor.Stairs", game::TileObject, (auto& b) {})
RUNTIME_DEFINE_CLASS(TeleportTile, "tests.floor.TeleportTile", game::TileObject, (auto& b) {})
RUNTIME_DEFINE_CLASS(Door, "tests.floor.Door", TeleportTile, (auto& b) {})
RUNTIME_DEFINE_CLASS(Blocker, "tests.floor.Blocker", game::TileObject, (auto& b) {})

}  // namespace tests_floor
