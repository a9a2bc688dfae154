#pragma once
// What a slot save needs of the floor the hero is on: the map's tile grid, the fog over it, the
// objects on its tiles, the hero's tile and the floor's counters. The exploration state installs
// its own; the silent stand-in has no floor (every tile an empty floor tile).
#include "Installable.h"

namespace game {

class DataFloor : public Installable<DataFloor> {
public:
    // The tile-object kinds a save keeps more than the kind of (the floor model's numbering).
    static constexpr int TYPE_MONSTER = 0;
    static constexpr int TYPE_CHEST = 1;
    static constexpr int TYPE_STAT_GEM = 2;
    static constexpr int TYPE_GOLD = 3;
    static constexpr int TYPE_SECRET_ENTRANCE = 4;
    static constexpr int TYPE_NPC = 8;
    static constexpr int NO_OBJECT = -1;
    static constexpr int MAP_SIZE = 32;

    // One tile of the current map as a save sees it; only the fields of its object's kind count.
    struct Tile {
        bool wall = false;
        bool hole = false;
        bool hidden = false;
        bool fakeWall = false;
        double visibility = 0;  // the fog's opacity over the tile
        int objType = NO_OBJECT;
        bool activated = false;  // chest opened, gold taken, secret entrance revealed
        int monsterID = 0;
        int hp = 0;
        int statGemType = 0;
        int chestType = 0;
        int itemID = 0;  // the chest's item definition
        int amount = 0;  // the gold bag's
        int npcID = 0;
    };

    virtual ~DataFloor() = default;

    // tiles[i][j] as the map indexes them.
    virtual Tile tile(int i, int j) { return Tile{}; }
    virtual bool secretRevealed() { return false; }
    virtual int heroX() { return 0; }
    virtual int heroY() { return 0; }
    virtual int sorcererPhase() { return 0; }
    virtual int numFloorObjects() { return 0; }
    virtual int foundFloorObjects() { return 0; }
};

}  // namespace game
