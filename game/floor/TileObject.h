#pragma once
// Something that stands on a floor cell, drawn as a game sprite at the cell's pixel position:
// whether it blocks the cell, whether the hero may step onto it, and what happens when he
// reaches it. The kinds (chests, stairs, monsters, ...) derive from it; the floor's object list
// owns the objects, the cell only points at its one object. The path search knows monsters,
// stairs and teleports by the last part of their registered class name ("Monster", "Stairs",
// "TeleportTile"), subclasses included.
#include <functional>
#include <string>

#include "game/kit/BitmapSprite.h"

namespace game {

class Tile;
class MapStateLink;

class TileObject : public BitmapSprite {
    RUNTIME_CLASS(TileObject)
public:
    // Placed at the cell's pixel position; neither stored in the cell nor listed: the creator
    // does both.
    explicit TileObject(Tile* tile, bool exists = true);

    // Called once when the floor is drawn, with the floor's tileset picture.
    virtual void drawImage(const runtime::Ref<framework::BitmapData>& tileset) {}
    // The base runs activationFunction, marking the object used first when it works once. It
    // does not look at activated: skipping used objects is the caller's job.
    virtual void activate();
    // Once per game frame.
    virtual void update() {}

    // The object does not make its cell impassable.
    bool nonBlocking = true;
    // The hero may step onto the object's cell.
    bool walkable = false;
    // Only existing objects are drawn and wired by the exploration state.
    bool exists = true;
    // The cell the object stands on; owned by the floor.
    Tile* tile = nullptr;
    bool activated = false;
    // The exploration state, stored when it draws the floor.
    MapStateLink* mapState = nullptr;
    int objType = -1;
    std::function<void(TileObject&)> activationFunction;
    bool oneTimeActivation = true;
    bool activateOnStop = false;
    // The name the tile-targeting overlay shows; empty for none.
    std::string chooseLabel;

    static constexpr int TYPE_MONSTER = 0;
    static constexpr int TYPE_CHEST = 1;
    static constexpr int TYPE_STAT_GEM = 2;
    static constexpr int TYPE_GOLD = 3;
    static constexpr int TYPE_SECRET_ENTRANCE = 4;
    static constexpr int TYPE_BOOKSHELF = 5;
    static constexpr int TYPE_DESK = 6;
    static constexpr int TYPE_STAIRS = 7;
    static constexpr int TYPE_NPC = 8;
    static constexpr int TYPE_FORGE = 9;
    static constexpr int TYPE_SORCEROR_TRIGGER_1 = 10;
    static constexpr int TYPE_SORCEROR_TRIGGER_2 = 11;
    static constexpr int TYPE_SORCEROR_TRIGGER_3 = 12;
    static constexpr int TYPE_SORCEROR_TRIGGER_4 = 13;
    static constexpr int TYPE_SOUL_CRYSTAL = 14;
    static constexpr int TYPE_CRYSTAL_HOLE = 15;
    static constexpr int TYPE_DEMON_TRIGGER = 16;
};

}  // namespace game
