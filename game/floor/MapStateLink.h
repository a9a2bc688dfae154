#pragma once
// What a floor and the objects on it need of the exploration state that owns them: the hero's
// cell and position, where a finished path search delivers its result, the state's flags and
// transition fields that the objects set, and the state's operations they call (shop stock, map
// transition, story triggers, effect lists). The exploration state implements it; until it does,
// the defaults do nothing. current() is the one installed as the game's exploration state
// (G::mapState), or null.
#include <optional>
#include <utility>
#include <vector>

#include "framework/display/DisplayObject.h"
#include "framework/geom/Point.h"
#include "TiledMap.h"
#include "game/kit/Anim.h"

namespace game {

class Item;
class MapData;
class StatGem;
class TileObject;

class MapStateLink {
public:
    virtual ~MapStateLink() = default;

    // The exploration state installed in G::mapState, when it implements this link.
    static MapStateLink* current();
    // Plays an effect through the current exploration state, or straight through Audio.
    static void sound(const runtime::String& name, double volume = 1.0);

    // The path from the cell next to the hero to the target (empty when none was found).
    virtual void setFoundMovePath(const std::vector<runtime::Ref<framework::Point>>& path,
                                  const runtime::Ref<framework::Point>& target) = 0;
    // The hero's column and row, or nothing while there is no hero.
    virtual std::optional<std::pair<int, int>> heroCell() const = 0;
    // The hero sprite's pixel position on the map, or nothing while there is no hero.
    virtual std::optional<std::pair<double, double>> heroPosition() const { return std::nullopt; }
    // The floor the hero is on.
    virtual MapData* currentMapData() { return nullptr; }

    // Fills the shop's stock for this floor.
    virtual void setShopInventory() {}
    // Starts the transition to transitionToMap (or the last destination received).
    virtual void startMapTransition() {}
    // The story steps of the sorcerer's and the demon's floors, called with the trigger.
    virtual void sorcerorFirstTrigger(TileObject& trigger) {}
    virtual void sorcerorSecondTrigger(TileObject& trigger) {}
    virtual void sorcerorThirdTrigger(TileObject& trigger) {}
    virtual void sorcerorFourthTrigger(TileObject& trigger) {}
    virtual void activateDemonTrigger(TileObject& trigger) {}
    // A chest, gold bag, gem or monster of the floor was dealt with.
    virtual void findFloorObject() {}
    // A choose gem was stepped on: its menu opens once the hero stands still.
    virtual void openStatChooseMenuThisTile(const runtime::Ref<StatGem>& gem) {}
    virtual void showFoundItemWindow(const runtime::Ref<Item>& item) {}
    // Adds a sprite to the row sprite of the floor's row `row` (objects and hero overlap by row).
    virtual void addToObjectRow(int row, const runtime::Ref<framework::DisplayObject>& sprite) {}
    // Adds a sprite to the map canvas, above the objects.
    virtual void addToMapCanvas(const runtime::Ref<framework::DisplayObject>& sprite) {}
    // The effect lists: each member is updated every frame and dropped when finished.
    virtual void addMenuEffect(const runtime::Ref<framework::DisplayObject>& sprite) {}
    virtual void addMapEffect(const runtime::Ref<framework::DisplayObject>& sprite) {}
    // A chest's item icon, moved towards the hero and removed at the end.
    virtual void addAnimatedItemIcon(const runtime::Ref<framework::DisplayObject>& icon) {}
    // Draws the wall picture of cell (x, y) into target at (dx, dy), as the floor's own walls.
    virtual void drawWall(const runtime::Ref<framework::BitmapData>& target, int x, int y, int dx, int dy,
                          bool forceWall) {}
    // Plays a sound effect by name (the game's Audio by default).
    virtual void playSound(const runtime::String& name, double volume = 1.0);

    // A chest of this floor holds the escape wings.
    bool wingsExistOnFloor = false;
    // Teleports and doors do not move the hero.
    bool ignoreTeleportTiles = false;
    // The destination a teleport hands the map transition.
    bool transitionToPremade = false;
    runtime::Ref<TiledMap> transitionToMap;
    runtime::Ref<framework::Point> transitionToPoint;
    runtime::Ref<framework::Point> transitionWalkToPoint;
    runtime::Ref<Anim> transitionFace;
    // The secret room: its reveal runs, or has run.
    bool revealSecret = false;
    bool secretRevealed = false;
    int sorcererPhase = 0;
    int foundFloorObjects = 0;
};

}  // namespace game
