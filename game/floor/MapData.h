#pragma once
// One floor: the grid of cells (tiles[x][y]), the objects on them, the fog opacity of every cell
// and what generation, restoring and the path search keep. The constructor builds the whole
// floor along one of three routes: a premade map, the save, or generation from the floor number.
#include <functional>
#include <vector>

#include "MapStateLink.h"
#include "PathNode.h"
#include "Tile.h"
#include "TiledMap.h"
#include "ZoneData.h"

namespace game {

class MapData : public runtime::Object {
public:
    using PointRef = runtime::Ref<framework::Point>;

    // The kinds of dungeon floor, chosen by the floor number and the story switches.
    enum class FloorKind { BOSS, SORCERER, DEMON, EMPTY_DEMON, SHOP, ORDINARY };

    // mapState receives the path search's results and outlives the floor; it may be null.
    explicit MapData(MapStateLink* mapState, const runtime::Ref<TiledMap>& tiledMap = nullptr, bool fromSave = false);

    static constexpr int SHOP_ZONE_MAX_RADIUS = 6;
    static constexpr int BOSS_ZONE_MAX_RADIUS = 5;
    static constexpr int BOSS_TUNNEL_LENGTH = 10;
    static constexpr int SORCEROR_TUNNEL_LENGTH = 12;
    static constexpr double ZONE_EXPAND_CHANCE = 0.14;
    static constexpr double CHESTS_PERCENT = 0.05;
    static constexpr double GEMS_PERCENT = 0.05;

    // The millisecond clock of the path search's time slice (the framework's timer).
    static std::function<int()> timer;

    int width = 0;
    int height = 0;
    std::vector<std::vector<runtime::Ref<Tile>>> tiles;
    std::vector<std::vector<double>> fogTilesOpacity;
    // Generation's open cells, in the order opened, with repetitions.
    std::vector<runtime::Ref<Tile>> floorTiles;
    std::vector<runtime::Ref<Tile>> fakeWalls;
    std::vector<runtime::Ref<TileObject>> tileObjects;
    std::vector<runtime::Ref<TileObject>> hiddenObjects;
    runtime::Ref<Tile> secretEntranceTile;
    PointRef startPoint;
    bool preMade = false;
    bool hasSecret = false;
    runtime::Ref<TileObject> sorcererNPC;
    runtime::Ref<TileObject> sorcererMonster;
    runtime::Ref<TileObject> soulCrystal;
    std::vector<runtime::Ref<Tile>> stairsTiles;
    // The premade map's own list; empty elsewhere.
    std::vector<runtime::Ref<RainRect>> rainRects;
    int totalRainWeight = 0;
    runtime::Ref<TileObject> demonNPC;
    int numFloorObjects = 0;
    std::vector<PointRef> zones;
    int frameStart = 0;
    std::vector<PointRef> path;
    std::vector<PathNode> nodes;
    int prev_len = 0;
    int count = 0;
    int timeTest = 0;
    bool nextClosest = false;
    PointRef pnt1;
    PointRef pnt2;
    PointRef shopCenter;
    MapStateLink* mapState = nullptr;
    runtime::Ref<ZoneData> zData;
    bool lostKidThisFloor = false;

    // The grid cell at (x, y), null outside the grid.
    Tile* tileAt(int x, int y) const;

    void createTiledMap(const runtime::Ref<TiledMap>& tiledMap);
    void generateLevel();
    void expandZones(bool shop = false, bool boss = false);
    void deleteExtraZones();
    void connectZones();
    // Rebuilds the floor from the current slot's save data (Data::slotData).
    void loadMapFromSave();

    // Cells a and b are joined by side-by-side passable cells (good-path cells with goodPathOnly),
    // crossing no blocked edge. The goal a itself must pass the test, the start b need not.
    bool pathBetween(const PointRef& pnt1, const PointRef& pnt2, bool goodPathOnly = false);
    // Starts a search from pnt1 (the hero) to pnt2 (the target); nothing when they are equal.
    void getMovePath(const PointRef& pnt1, const PointRef& pnt2, bool nextClosest = false);
    // Search steps for up to 32 ms of the timer (at least one); hands the result to mapState.
    void updateGetMovePath();
    bool indexOfPntInArr(const PointRef& pnt, const std::vector<PathNode>& arr) const;
    // The walking path from `from` back to the search's seed.
    std::vector<PointRef> getPathFromList(const std::vector<PathNode>& nodes, const PointRef& from) const;

    // The index of the tileset holding gid: the last one whose firstID is at most gid; -1 when
    // none is (also for an empty list).
    static int determineTileset(const std::vector<runtime::Ref<TiledTileset>>& tilesets, int64_t gid);
    // The kind of dungeon floor `floor` is, by the story switches.
    static FloorKind floorKind(int floor);

    // Floors redrawn from scratch because one could not place what it must (stairs, the hero's
    // start, the secret tunnel's target) within MAX_DRAWS draws.
    int regenerations = 0;
    static constexpr int MAX_DRAWS = 10000;
    static constexpr int MAX_REGENERATIONS = 100;

    // Furnishing (in generateLevel's order).
    void placeStairs(bool shop = false, bool boss = false);
    void placeShop();
    void placeForge(bool shop = false);
    void placeSolidItems();
    void placeRemoveableItems();
    void placeEnemies();
    void placeHero(bool shop = false, bool unused = false);
    // The positions of the cell's open side neighbours: left, right, up, down.
    std::vector<PointRef> getAdjacentFloorTiles(Tile* tile);
    // The neighbours stay joined to one another with tile closed.
    bool tilesAreConnected(const std::vector<PointRef>& adjacent, Tile* tile);
    // Special floors and secret rooms.
    runtime::Ref<TileObject> determineBossTreasure(Tile* tile);
    void createSecretRoom();
    void addItemsToSecretRoom();
    void createSorcerorRoom();
    void createDemonRoom();
    void createEmptyDemonRoom();
    // A 32 x 48 bookshelf picture with random ornaments and books.
    runtime::Ref<framework::BitmapData> createBookshelf();
    // The restore route from a slot's save data object (see loadMapFromSave).
    void loadMapFromSave(const runtime::Ref<runtime::Object>& save);

private:
    // One search step: false when the call of updateGetMovePath ends (found, or no node left).
    bool searchStep();
    // Marks cells as reached by the running search.
    std::vector<char> reached_;

    void finishBossRoom();
    // The exploration state the floor calls: mapState, else the installed one.
    MapStateLink* link() const;
    // Stores the object in its cell and lists it; one on a hidden cell starts invisible.
    void place(const runtime::Ref<TileObject>& object, Tile* tile);
    // Back to solid rock with nothing listed, for a fresh generation.
    void clearFloor();
    // The ordinary floor's builders.
    void generateOrdinary();
    runtime::Ref<TileObject> makeDesk(Tile* tile);
    runtime::Ref<TileObject> makeBookshelf(Tile* tile);
    // The story trigger of that type (sorcerer 1 to 4, demon) bound to the exploration state.
    runtime::Ref<TileObject> makeTrigger(Tile* tile, int type);
};

}  // namespace game
