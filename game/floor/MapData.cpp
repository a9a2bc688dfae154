#include "MapData.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "Chest.h"
#include "FloorRandom.h"
#include "Forge.h"
#include "GoldBag.h"
#include "SecretEntrance.h"
#include "SoulCrystal.h"
#include "Stairs.h"
#include "StatGem.h"
#include "TileObjectMisc.h"
#include "framework/geom/Rectangle.h"
#include "game/battle/Monster.h"
#include "game/data/Data.h"
#include "game/data/DataUI.h"
#include "game/kit/MessageWindow.h"
#include "game/map/NPC.h"
#include "game/shell/BMDCache.h"
#include "game/shell/PixelSmoother.h"
#include "game/data/GameData.h"
#include "game/data/SWITCH.h"
#include "framework/Lib.h"
#include "game/shell/C.h"
#include "platform/runtime/Thrown.h"
#include "platform/runtime/Trace.h"

namespace game {

using framework::Point;
using runtime::Ref;

namespace {

// A story switch is set (an index beyond the row reads as not set).
bool switchSet(int index) {
    const auto& s = GameData::gameSwitches;
    return index >= 0 && index < static_cast<int>(s.size()) && s[index];
}

// The search's per-call budget in milliseconds, and the distances it starts from.
constexpr int SEARCH_SLICE_MS = 32;
constexpr double SEED_DISTANCE = 9999998;
constexpr double NO_DISTANCE = 9999999;

double random() { return FloorRandom::next(); }

// Thrown inside generation when a floor cannot place what it must.
struct CannotPlace {};

// A draw that must succeed gives up after MAX_DRAWS tries.
void countDraw(int& draws) {
    if (++draws > MapData::MAX_DRAWS) throw CannotPlace{};
}

void trace(const std::string& text) { RUNTIME_TRACE(runtime::Value(text)); }

// Blocked edges by hit code 2..15: up, down, left, right.
constexpr bool HIT_EDGES[16][4] = {
    {}, {},
    {false, false, true, false}, {true, false, false, false}, {true, false, true, false}, {true, false, false, true},
    {false, true, false, false}, {false, false, false, true}, {false, true, true, false}, {false, true, false, true},
    {true, true, false, false}, {false, false, true, true}, {true, true, true, false}, {true, true, false, true},
    {true, false, true, true}, {false, true, true, true}};

}  // namespace

std::function<int()> MapData::timer = [] { return framework::Lib::getTimer(); };

MapData::MapData(MapStateLink* mapState, const Ref<TiledMap>& tiledMap, bool fromSave) : mapState(mapState) {
    width = tiledMap ? tiledMap->width : C::MAP_SIZE;
    height = tiledMap ? tiledMap->height : C::MAP_SIZE;
    tiles.resize(width);
    fogTilesOpacity.resize(width);
    for (int x = 0; x < width; ++x) {
        tiles[x].reserve(height);
        for (int y = 0; y < height; ++y) tiles[x].push_back(runtime::make<Tile>(x, y));
        fogTilesOpacity[x].assign(height, tiledMap ? 0.0 : 1.0);
    }
    if (tiledMap) createTiledMap(tiledMap);
    else if (fromSave) loadMapFromSave();
    else generateLevel();
}

Tile* MapData::tileAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    return tiles[x][y].get();
}

void MapData::createTiledMap(const Ref<TiledMap>& tiledMap) {
    preMade = true;
    rainRects = tiledMap->rainRects;
    if (!rainRects.empty()) {
        const RainRect& last = *rainRects.back();
        totalRainWeight = static_cast<int>(last.weight + last.width * last.height);
    }
    for (const auto& layer : tiledMap->layers) {
        if (layer->name != "Hit") continue;
        size_t k = 0;
        for (int y = 0; y < tiledMap->height; ++y)
            for (int x = 0; x < tiledMap->width; ++x, ++k) {
                Tile* tile = tileAt(x, y);
                if (!tile || k >= layer->tileData.size()) continue;
                tile->wall = false;
                const int64_t gid = layer->tileData[k];
                if (gid == 0) continue;
                // The reader refuses ids no tileset holds; such a cell would stay open.
                const int index = determineTileset(tiledMap->tilesets, gid);
                if (index < 0) continue;
                const TiledTileset& set = *tiledMap->tilesets[index];
                if (set.numTilesInRow <= 0) continue;
                const int code = static_cast<int>((gid - set.firstID) % set.numTilesInRow);
                if (code == 1) {
                    tile->wall = true;
                } else if (code >= 2 && code <= 15) {
                    tile->upBlocked = HIT_EDGES[code][0];
                    tile->downBlocked = HIT_EDGES[code][1];
                    tile->leftBlocked = HIT_EDGES[code][2];
                    tile->rightBlocked = HIT_EDGES[code][3];
                }
            }
    }
}

int MapData::determineTileset(const std::vector<Ref<TiledTileset>>& tilesets, int64_t gid) {
    for (size_t i = 0; i < tilesets.size(); ++i)
        if (tilesets[i]->firstID > gid) return static_cast<int>(i) - 1;
    return static_cast<int>(tilesets.size()) - 1;
}

MapData::FloorKind MapData::floorKind(int floor) {
    if ((floor == 25 && !switchSet(SWITCH::SPIDER_DEAD)) || (floor == 50 && !switchSet(SWITCH::YETI_DEAD)))
        return FloorKind::BOSS;
    if (floor == 80 && !switchSet(SWITCH::SORCERER_DEAD)) return FloorKind::SORCERER;
    if (floor == 100) return switchSet(SWITCH::DEMON_KILLED) ? FloorKind::EMPTY_DEMON : FloorKind::DEMON;
    if (floor % 10 == 0 && floor != 50) return FloorKind::SHOP;
    return FloorKind::ORDINARY;
}

void MapData::generateLevel() {
    const int t0 = timer();
    hasSecret = false;
    lostKidThisFloor = false;
    const int floor = GameData::currentFloor;
    if (floor % 5 == 0) GameData::secretTheseFiveFloors = false;
    // Floors past the table's last row grow like its last row.
    zData = ZoneData::forFloor(floor);
    if (!zData && !ZoneData::ZONES.empty()) zData = floor < 0 ? ZoneData::ZONES.front() : ZoneData::ZONES.back();

    switch (floorKind(floor)) {
    case FloorKind::BOSS:
        expandZones(false, true);
        placeStairs(false, true);
        break;
    case FloorKind::SORCERER: createSorcerorRoom(); break;
    case FloorKind::DEMON: createDemonRoom(); break;
    case FloorKind::EMPTY_DEMON: createEmptyDemonRoom(); break;
    case FloorKind::SHOP: {
        auto& shops = GameData::shopsUnlocked;
        const int shop = floor / 10;
        if (shop >= static_cast<int>(shops.size()) || !shops[shop]) {
            if (shop >= static_cast<int>(shops.size())) shops.resize(shop + 1, false);
            shops[shop] = true;
            ++GameData::shopsFoundThisRun;
        }
        expandZones(true);
        placeShop();
        placeStairs(true);
        placeHero(true);
        placeForge(true);
        break;
    }
    case FloorKind::ORDINARY: {
        if (!zData) runtime::Thrown::text("An ordinary floor needs the zone table (ZoneData::setZones)");
        MapStateLink* state = link();
        const bool wingsBefore = state && state->wingsExistOnFloor;
        for (;;) {
            try {
                generateOrdinary();
                break;
            } catch (const CannotPlace&) {
                // A floor that cannot hold what it must is drawn again from solid rock.
                if (++regenerations > MAX_REGENERATIONS) runtime::Thrown::text("A dungeon floor could not be generated");
                trace("floor regenerated");
                if (state) state->wingsExistOnFloor = wingsBefore;
                clearFloor();
            }
        }
        break;
    }
    }
    trace("Map Build took " + std::to_string(timer() - t0) + " ms");
}

void MapData::expandZones(bool shop, bool boss) {
    const int c = C::MAP_SIZE / 2;
    int n = 1, r = 0, forced = 0;
    if (shop) {
        r = SHOP_ZONE_MAX_RADIUS;
        forced = 3;
    } else if (boss) {
        r = BOSS_ZONE_MAX_RADIUS;
        forced = 3;
        numFloorObjects = -1;
    } else {
        n = zData->minZones + static_cast<int>((zData->maxZones - zData->minZones) * random());
        r = zData->zoneMaxRadius;
        if (n < 1) return;
    }
    const int inner = C::MAP_SIZE - 2;
    for (int zone = 0; zone < n; ++zone) {
        int x = c, y = c;
        if (!shop && !boss) {
            x = static_cast<int>(std::floor(random() * (C::MAP_SIZE - 2 * r) + r));
            y = static_cast<int>(std::floor(random() * (C::MAP_SIZE - 2 * r) + r));
        } else if (shop) {
            shopCenter = runtime::make<Point>(c, c);
        }
        zones.push_back(runtime::make<Point>(x, y));
        double chance = random() * (r * ZONE_EXPAND_CHANCE);
        int f = forced;
        std::vector<Tile*> frontier{tiles[x][y].get()};
        floorTiles.push_back(tiles[x][y]);
        tiles[x][y]->wall = false;
        while (!frontier.empty()) {
            std::vector<Tile*> opened;
            auto look = [&](int nx, int ny) {
                Tile* t = tiles[nx][ny].get();
                if (t->wall && (f > 0 || random() < chance)) {
                    t->wall = false;
                    opened.push_back(t);
                }
            };
            for (Tile* cell : frontier) {
                const int cx = cell->lev_x, cy = cell->lev_y;
                if (cy - 1 >= 1) look(cx, cy - 1);
                if (cx - 1 >= 1) look(cx - 1, cy);
                if (cy + 1 <= inner) look(cx, cy + 1);
                if (cx + 1 <= inner) look(cx + 1, cy);
            }
            for (Tile* t : opened) floorTiles.emplace_back(t);
            frontier = std::move(opened);
            chance -= 0.1;
            --f;
        }
    }
    if (boss && !shop) finishBossRoom();
}

void MapData::deleteExtraZones() {
    size_t i = 0;
    while (i < zones.size()) {
        bool connected = false;
        const size_t n = zones.size();
        for (size_t j = 0; j < n; ++j)
            if (zones[j] != zones[i] && pathBetween(zones[i], zones[j])) connected = true;
        if (connected) zones.erase(zones.begin() + static_cast<std::ptrdiff_t>(i));
        else ++i;
    }
}

void MapData::connectZones() {
    if (zones.empty()) return;
    auto digger = runtime::make<Point>(zones[0]->x, zones[0]->y);
    PointRef target = zones.size() > 1 ? zones[1] : nullptr;
    while (zones.size() >= 2) {
        const bool alongX = random() < 0.5 ? digger->x != target->x : digger->y == target->y;
        if (alongX) digger->x += target->x > digger->x ? 1 : -1;
        else digger->y += target->y > digger->y ? 1 : -1;
        Tile* cell = tileAt(static_cast<int>(digger->x), static_cast<int>(digger->y));
        cell->wall = false;
        floorTiles.emplace_back(cell);
        if (pathBetween(runtime::make<Point>(digger->x, digger->y), target)) {
            zones.erase(zones.begin());
            if (zones.size() >= 2) {
                digger = runtime::make<Point>(zones[0]->x, zones[0]->y);
                target = zones[1];
            }
        }
    }
}

bool MapData::pathBetween(const PointRef& p1, const PointRef& p2, bool goodPathOnly) {
    if (p1->equals(p2)) return true;
    const int gx = static_cast<int>(p1->x), gy = static_cast<int>(p1->y);
    Tile* start = tileAt(static_cast<int>(p2->x), static_cast<int>(p2->y));
    if (!start) return false;
    // A flood fill over the grid's own size (premade maps are smaller than 32 x 32).
    std::vector<char> seen(static_cast<size_t>(width) * height, 0);
    auto mark = [&](Tile* t) { seen[static_cast<size_t>(t->lev_x) * height + t->lev_y] = 1; };
    auto isSeen = [&](Tile* t) { return seen[static_cast<size_t>(t->lev_x) * height + t->lev_y] != 0; };
    std::deque<Tile*> open{start};
    mark(start);
    while (!open.empty()) {
        Tile* c = open.front();
        open.pop_front();
        Tile* next[4] = {
            c->lev_x != 0 && !c->leftBlocked ? tileAt(c->lev_x - 1, c->lev_y) : nullptr,
            c->lev_y != 0 && !c->upBlocked ? tileAt(c->lev_x, c->lev_y - 1) : nullptr,
            c->lev_x != width - 1 && !c->rightBlocked ? tileAt(c->lev_x + 1, c->lev_y) : nullptr,
            c->lev_y != height - 1 && !c->downBlocked ? tileAt(c->lev_x, c->lev_y + 1) : nullptr};
        if (next[0] && next[0]->rightBlocked) next[0] = nullptr;
        if (next[1] && next[1]->downBlocked) next[1] = nullptr;
        if (next[2] && next[2]->leftBlocked) next[2] = nullptr;
        if (next[3] && next[3]->upBlocked) next[3] = nullptr;
        for (Tile* t : next) {
            if (!t || isSeen(t)) continue;
            if (!(goodPathOnly ? t->isAGoodPath() : t->isPassable())) continue;
            if (t->lev_x == gx && t->lev_y == gy) return true;
            mark(t);
            open.push_back(t);
        }
    }
    return false;
}

void MapData::getMovePath(const PointRef& from, const PointRef& to, bool retry) {
    if (!from || !to || from->equals(to)) return;
    pnt1 = from;
    pnt2 = to;
    path.clear();
    nodes.clear();
    timeTest = timer();
    const int sx = static_cast<int>(to->x), sy = static_cast<int>(to->y);
    nodes.push_back(PathNode{sx, sy, 0, SEED_DISTANCE, false});
    reached_.assign(static_cast<size_t>(width) * height, 0);
    if (tileAt(sx, sy)) reached_[static_cast<size_t>(sx) * height + sy] = 1;
    nextClosest = retry;
}

void MapData::updateGetMovePath() {
    if (!pnt1 || !pnt2) return;
    const int t0 = timer();
    // A step that has begun completes; the first always runs.
    do {
        if (!searchStep()) return;
    } while (timer() - t0 < SEARCH_SLICE_MS);
}

bool MapData::searchStep() {
    prev_len = static_cast<int>(nodes.size());
    int picked = -1;
    double best = NO_DISTANCE;
    for (size_t i = 0; i < nodes.size(); ++i)
        if (!nodes[i].dead && nodes[i].distance < best) {
            best = nodes[i].distance;
            picked = static_cast<int>(i);
        }
    if (picked < 0) {
        if (!nextClosest) {
            getMovePath(pnt1, pnt2, true);
        } else if (mapState) {
            PointRef target = pnt2;
            mapState->setFoundMovePath(path, target);
        }
        return false;
    }
    const PathNode n = nodes[picked];
    count = n.count;
    std::vector<PathNode> added;
    const int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
    for (int d = 0; d < 4; ++d) {
        Tile* t = tileAt(n.x + dx[d], n.y + dy[d]);
        if (!t) continue;
        char& seen = reached_[static_cast<size_t>(t->lev_x) * height + t->lev_y];
        if (seen || !t->isAGoodPath()) continue;
        const double ddx = t->lev_x - pnt1->x, ddy = t->lev_y - pnt1->y;
        added.push_back(PathNode{t->lev_x, t->lev_y, n.count + 1, std::sqrt(ddx * ddx + ddy * ddy), false});
        seen = 1;
        if (t->lev_x == pnt1->x && t->lev_y == pnt1->y) {
            path = getPathFromList(nodes, runtime::make<Point>(n.x, n.y));
            if (mapState) {
                std::vector<PointRef> found = path;
                PointRef target = pnt2;
                mapState->setFoundMovePath(found, target);
            }
            return false;
        }
    }
    nodes.insert(nodes.end(), added.begin(), added.end());
    if (added.empty()) nodes[picked].dead = true;
    count = n.count + 1;
    return true;
}

bool MapData::indexOfPntInArr(const PointRef& pnt, const std::vector<PathNode>& arr) const {
    for (const PathNode& n : arr)
        if (n.x == pnt->x && n.y == pnt->y) return true;
    return false;
}

std::vector<MapData::PointRef> MapData::getPathFromList(const std::vector<PathNode>& list, const PointRef& from) const {
    std::vector<PointRef> result;
    int current = 0;
    for (const PathNode& n : list)
        if (n.x == from->x && n.y == from->y) {
            if (result.empty()) result.push_back(runtime::make<Point>(n.x, n.y));
            else result[0] = runtime::make<Point>(n.x, n.y);
            current = n.count;
        }
    while (current > 0 && !result.empty()) {
        const Point& last = *result.back();
        const PathNode* step = nullptr;
        for (const PathNode& n : list)
            if (n.count == current - 1 && std::abs(n.x - last.x) <= 1 && std::abs(n.y - last.y) <= 1) {
                step = &n;
                break;
            }
        // Counts along the search tree always leave a neighbour one step closer to the seed.
        if (!step) break;
        result.push_back(runtime::make<Point>(step->x, step->y));
        --current;
    }
    return result;
}

void MapData::generateOrdinary() {
    const int floor = GameData::currentFloor;
    expandZones();
    deleteExtraZones();
    connectZones();
    if (!GameData::secretTheseFiveFloors && (floor < 5 || floor % 5 == 4 || random() < 0.2)) {
        createSecretRoom();
        addItemsToSecretRoom();
        hasSecret = true;
        trace("secret");
    }
    placeStairs();
    if (floor % 5 == 0) placeForge();
    placeSolidItems();
    placeRemoveableItems();
    placeEnemies();
    placeHero();
}

void MapData::clearFloor() {
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) tiles[x][y] = runtime::make<Tile>(x, y);
    floorTiles.clear();
    fakeWalls.clear();
    tileObjects.clear();
    hiddenObjects.clear();
    stairsTiles.clear();
    zones.clear();
    secretEntranceTile = nullptr;
    startPoint = nullptr;
    hasSecret = false;
    lostKidThisFloor = false;
    numFloorObjects = 0;
}

MapStateLink* MapData::link() const { return mapState ? mapState : MapStateLink::current(); }

void MapData::place(const Ref<TileObject>& object, Tile* tile) {
    tile->tObj = object;
    tileObjects.push_back(object);
    if (tile->hidden) {
        object->set_alpha(0);
        hiddenObjects.push_back(object);
    }
}

std::vector<MapData::PointRef> MapData::getAdjacentFloorTiles(Tile* tile) {
    std::vector<PointRef> out;
    const int x = tile->lev_x, y = tile->lev_y;
    const int dx[4] = {-1, 1, 0, 0}, dy[4] = {0, 0, -1, 1};
    for (int d = 0; d < 4; ++d) {
        Tile* t = tileAt(x + dx[d], y + dy[d]);
        if (t && !t->wall) out.push_back(runtime::make<Point>(x + dx[d], y + dy[d]));
    }
    return out;
}

bool MapData::tilesAreConnected(const std::vector<PointRef>& adjacent, Tile* tile) {
    if (adjacent.size() == 1) return true;
    const bool wasWall = tile->wall;
    tile->wall = true;
    bool result = true;
    for (size_t i = 1; i < adjacent.size(); ++i)
        if (!pathBetween(adjacent[0], adjacent[i])) {
            result = false;
            break;
        }
    tile->wall = wasWall;
    return result;
}

namespace {

// The neighbour-count acceptance of chests, gold bags and gems.
bool acceptByNeighbours(size_t k) {
    switch (k) {
    case 0:
    case 1: return true;
    case 2: return random() * 15 < 1;
    case 3: return random() * 20 < 1;
    default: return random() * 100 < 1;
    }
}

bool holdsWings() {
    for (const auto& item : GameData::items)
        if (item && item->data && item->data->id == 0) return true;
    return false;
}

}  // namespace

void MapData::placeStairs(bool shop, bool boss) {
    Tile* cell = nullptr;
    if (shop) {
        cell = tileAt(static_cast<int>(shopCenter->x), static_cast<int>(shopCenter->y - 3));
    } else if (boss) {
        for (const auto& t : floorTiles)
            if (!cell || t->lev_x > cell->lev_x) cell = t.get();
    } else {
        int draws = 0;
        // A floor without open ground has nowhere for stairs.
        if (floorTiles.empty()) return;
        for (;;) {
            const size_t i = static_cast<size_t>(random() * static_cast<double>(floorTiles.size()));
            Tile* t = floorTiles[i].get();
            if (!t->hidden) {
                auto adjacent = getAdjacentFloorTiles(t);
                if (adjacent.size() == 1 || tilesAreConnected(adjacent, t)) {
                    cell = t;
                    floorTiles.erase(floorTiles.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                }
            }
            countDraw(draws);
        }
    }
    if (!cell) return;
    auto stairs = runtime::make<Stairs>(cell);
    cell->tObj = stairs;
    stairsTiles.emplace_back(cell);
    tileObjects.push_back(stairs);
}

void MapData::placeForge(bool shop) {
    for (int trial = 0; trial < 100 && !floorTiles.empty(); ++trial) {
        const size_t i = static_cast<size_t>(random() * static_cast<double>(floorTiles.size()));
        Tile* cell = floorTiles[i].get();
        Tile* above = tileAt(cell->lev_x, cell->lev_y - 1);
        if (above && above->wall && !cell->hasObj() && !cell->hidden &&
            tilesAreConnected(getAdjacentFloorTiles(cell), cell) &&
            (!shop || (cell->lev_y >= shopCenter->y - 3 && cell->lev_y < shopCenter->y))) {
            floorTiles.erase(floorTiles.begin() + static_cast<std::ptrdiff_t>(i));
            auto forge = runtime::make<Forge>(cell);
            cell->tObj = forge;
            tileObjects.push_back(forge);
            return;
        }
    }
    trace("couldn't place forge");
}

void MapData::placeSolidItems() {
    int count = static_cast<int>(static_cast<double>(floorTiles.size()) * CHESTS_PERCENT);
    if (count < 1) return;
    int trials = 0, redraws = 0;
    for (;;) {
        const size_t i = static_cast<size_t>(random() * static_cast<double>(floorTiles.size()));
        Tile* cell = floorTiles[i].get();
        if (cell->hasObj()) {
            // Every listed cell may be taken: the placer stops as at its trial limit.
            if (++redraws > MAX_DRAWS) break;
            continue;
        }
        auto adjacent = getAdjacentFloorTiles(cell);
        if (adjacent.empty()) trace("island? " + std::to_string(cell->lev_x) + ", " + std::to_string(cell->lev_y));
        if (acceptByNeighbours(adjacent.size()) && tilesAreConnected(adjacent, cell)) {
            floorTiles.erase(floorTiles.begin() + static_cast<std::ptrdiff_t>(i));
            Ref<TileObject> object;
            if (!switchSet(SWITCH::LOST_KID_DONE) && !lostKidThisFloor && GameData::currentFloor > 15 && holdsWings()) {
                object = runtime::make<NPC>(cell, NPC::LOST_KID);
                lostKidThisFloor = true;
            } else {
                object = runtime::make<Chest>(cell);
                ++numFloorObjects;
            }
            place(object, cell);
            --count;
        }
        if (++trials > 100) {
            trace("trials limit for solid items " + std::to_string(count));
            break;
        }
        if (count < 1) break;
    }
}

void MapData::placeRemoveableItems() {
    int count = static_cast<int>(static_cast<double>(floorTiles.size()) * GEMS_PERCENT);
    if (count < 1) return;
    int trials = 0, redraws = 0;
    for (;;) {
        const size_t i = static_cast<size_t>(random() * static_cast<double>(floorTiles.size()));
        Tile* cell = floorTiles[i].get();
        if (cell->hasObj()) {
            if (++redraws > MAX_DRAWS) break;
            continue;
        }
        auto adjacent = getAdjacentFloorTiles(cell);
        if (adjacent.empty()) trace("island tile?");
        if (acceptByNeighbours(adjacent.size())) {
            Ref<TileObject> object;
            if (GameData::deepestFloor - GameData::currentFloor > 9 || random() >= 0.2)
                object = runtime::make<GoldBag>(cell);
            else
                object = runtime::make<StatGem>(cell);
            ++numFloorObjects;
            place(object, cell);
            --count;
        }
        if (++trials > 100) {
            trace("trials limit for removeable items " + std::to_string(count));
            break;
        }
        if (count < 1) break;
    }
}

void MapData::placeEnemies() {
    for (size_t n = floorTiles.size(); n-- > 0;) {
        Tile* cell = floorTiles[n].get();
        if (cell->hasObj() || cell->hidden) continue;
        auto adjacent = getAdjacentFloorTiles(cell);
        double factor = 1.0;
        for (const auto& p : adjacent) {
            Tile* t = tileAt(static_cast<int>(p->x), static_cast<int>(p->y));
            if (t->tObj && t->tObj->objType != TileObject::TYPE_MONSTER) factor *= 0.2;
        }
        const size_t k = adjacent.size();
        bool placeIt = false;
        if (k == 0) {
            trace("island tile?");
            placeIt = true;
        } else {
            placeIt = random() * 4.0 * static_cast<double>(k) * factor < 1;
        }
        if (!placeIt) continue;
        floorTiles.erase(floorTiles.begin() + static_cast<std::ptrdiff_t>(n));
        auto monster = runtime::make<Monster>(cell);
        cell->tObj = monster;
        tileObjects.push_back(monster);
        ++numFloorObjects;
    }
}

void MapData::placeHero(bool shop, bool) {
    if (shop) {
        startPoint = runtime::make<Point>(shopCenter->x, shopCenter->y + 3);
        return;
    }
    if (floorTiles.empty()) return;
    int draws = 0;
    for (;;) {
        const size_t i = static_cast<size_t>(std::floor(random() * static_cast<double>(floorTiles.size())));
        Tile* cell = floorTiles[i].get();
        if (!cell->hasObj() && !cell->hidden) {
            startPoint = runtime::make<Point>(cell->lev_x, cell->lev_y);
            return;
        }
        countDraw(draws);
    }
}

void MapData::finishBossRoom() {
    const int c = C::MAP_SIZE / 2;
    for (int x = c - BOSS_TUNNEL_LENGTH; x <= c - 1; ++x) {
        Tile* t = tileAt(x, c);
        if (t->wall) {
            t->wall = false;
            floorTiles.emplace_back(t);
        }
    }
    startPoint = runtime::make<Point>(c - BOSS_TUNNEL_LENGTH, c);
    Tile* bossCell = tileAt(c - 5, c);
    place(runtime::make<Monster>(bossCell, -1, true), bossCell);
    Tile* gemCell = tileAt(c - 1, c);
    place(runtime::make<StatGem>(gemCell, StatGem::TYPE_CHOOSE), gemCell);
    Tile* chestCell = tileAt(c, c);
    place(runtime::make<Chest>(chestCell, Chest::TYPE_ARTIFACT), chestCell);
    for (auto [x, y] : {std::pair{c, c - 1}, std::pair{c, c + 1}, std::pair{c + 1, c}}) {
        Tile* t = tileAt(x, y);
        place(determineBossTreasure(t), t);
    }
}

Ref<TileObject> MapData::determineBossTreasure(Tile* tile) {
    if (random() < 0.4) return runtime::make<Chest>(tile);
    if (random() < 0.8) return runtime::make<StatGem>(tile);
    return runtime::make<GoldBag>(tile);
}

void MapData::placeShop() {
    const int floor = GameData::currentFloor;
    const int c = C::MAP_SIZE / 2;
    Tile* keeperCell = tileAt(c, c);
    place(runtime::make<NPC>(keeperCell, floor / 10), keeperCell);
    if (MapStateLink* state = link()) state->setShopInventory();
    auto& wins = GameData::messageWins;
    const auto id = static_cast<size_t>(MessageWindow::ID_NEW_SHOP);
    if (floor != 0 && !(id < wins.size() && wins[id])) {
        if (id >= wins.size()) wins.resize(id + 1, false);
        wins[id] = true;
        DataUI::get().openMessageWin(MessageWindow::ID_NEW_SHOP);
    }
    if (!switchSet(SWITCH::SORCERER_DEAD) && floor > 59 && !switchSet(SWITCH::WINGS_SOLD)) {
        Tile* t = tileAt(c + 2, c);
        place(runtime::make<NPC>(t, NPC::SORCEROR_WINGS_ID), t);
    }
    if (GameData::deepestFloor > 50) {
        Tile* t = tileAt(c - 2, c);
        place(runtime::make<NPC>(t, 55), t);
    }
}

Ref<TileObject> MapData::makeTrigger(Tile* tile, int type) {
    auto trigger = runtime::make<TileObjectMisc>(tile, true);
    trigger->objType = type;
    using Step = void (MapStateLink::*)(TileObject&);
    Step step = nullptr;
    switch (type) {
    case TileObject::TYPE_SORCEROR_TRIGGER_1: step = &MapStateLink::sorcerorFirstTrigger; break;
    case TileObject::TYPE_SORCEROR_TRIGGER_2: step = &MapStateLink::sorcerorSecondTrigger; break;
    case TileObject::TYPE_SORCEROR_TRIGGER_3: step = &MapStateLink::sorcerorThirdTrigger; break;
    case TileObject::TYPE_SORCEROR_TRIGGER_4: step = &MapStateLink::sorcerorFourthTrigger; break;
    default: step = &MapStateLink::activateDemonTrigger; break;
    }
    trigger->activationFunction = [step](TileObject& o) {
        if (MapStateLink* state = MapStateLink::current()) (state->*step)(o);
    };
    return trigger;
}

void MapData::createSorcerorRoom() {
    const int c = C::MAP_SIZE / 2;
    auto open = [this](int x, int y) {
        Tile* t = tileAt(x, y);
        t->wall = false;
        floorTiles.emplace_back(t);
    };
    for (int x = c - SORCEROR_TUNNEL_LENGTH; x <= c - 1; ++x) open(x, c);
    for (int x = 14; x <= 19; ++x)
        for (int y = 14; y <= 18; ++y) open(x, y);
    startPoint = runtime::make<Point>(c - SORCEROR_TUNNEL_LENGTH, c);
    Tile* npcCell = tileAt(8, c);
    sorcererNPC = runtime::make<NPC>(npcCell, NPC::SORCEROR_ID);
    place(sorcererNPC, npcCell);
    Tile* monsterCell = tileAt(c, c);
    sorcererMonster = runtime::make<Monster>(monsterCell, -1, true);
    sorcererMonster->set_visible(false);
    place(sorcererMonster, monsterCell);
    for (int y = 0; y < height; ++y)
        for (int k = 0; k < 4; ++k) {
            Tile* t = tileAt(k == 0 ? 5 : 3 * k + 6, y);
            place(makeTrigger(t, TileObject::TYPE_SORCEROR_TRIGGER_1 + k), t);
        }
    Tile* crystalCell = tileAt(18, c);
    soulCrystal = runtime::make<SoulCrystal>(crystalCell);
    place(soulCrystal, crystalCell);
    numFloorObjects = -1;
}

void MapData::createDemonRoom() {
    for (int x = 15; x <= 17; ++x)
        for (int y = 14; y <= 18; ++y) {
            Tile* t = tileAt(x, y);
            t->wall = false;
            if (y <= 16) t->hole = true;
        }
    tileAt(16, 19)->wall = false;
    startPoint = runtime::make<Point>(16, 19);
    Tile* demonCell = tileAt(16, 16);
    demonNPC = runtime::make<NPC>(demonCell, NPC::DEMON);
    place(demonNPC, demonCell);
    Tile* triggerCell = tileAt(16, 17);
    place(makeTrigger(triggerCell, TileObject::TYPE_DEMON_TRIGGER), triggerCell);
    numFloorObjects = -1;
}

void MapData::createEmptyDemonRoom() {
    for (int x = 10; x <= 22; ++x)
        for (int y = 14; y <= 18; ++y) {
            Tile* t = tileAt(x, y);
            t->wall = false;
            t->hole = true;
        }
    tileAt(16, 17)->hole = false;
    tileAt(16, 18)->hole = false;
    tileAt(16, 19)->wall = false;
    startPoint = runtime::make<Point>(16, 19);
    numFloorObjects = -1;
}

Ref<framework::BitmapData> MapData::createBookshelf() {
    const int T = C::TILE_SIZE;
    auto picture = runtime::make<framework::BitmapData>(T, static_cast<int>(T * 1.5), true, 0);
    const auto& sheet = BMDCache::secretStuffBMD;
    auto copy = [&](int sx, int sy, int w, int h, int dx, int dy) {
        if (sheet)
            picture->copyPixels(sheet, runtime::make<framework::Rectangle>(sx, sy, w, h), runtime::make<Point>(dx, dy),
                                nullptr, nullptr, true);
    };
    copy(3 * T, 0, T, static_cast<int>(1.5 * T), 0, 0);
    const int h = static_cast<int>(T * 0.5);
    int firstI = -1, firstJ = -1;
    if (random() < 0.9) {
        firstI = static_cast<int>(std::floor(random() * 3));
        firstJ = static_cast<int>(std::floor(random() * 2));
        copy(96 + h * firstI, 48 + h * firstJ, h, h, 0, 0);
    }
    if (random() < 0.9) {
        const int i = static_cast<int>(std::floor(random() * 3));
        const int j = static_cast<int>(std::floor(random() * 2));
        if (i != firstI || j != firstJ) copy(96 + h * i, 48 + h * j, h, h, h, 0);
    }
    for (int s = 0; s < 2; ++s) {
        const int y = 11 * s + 21;
        double r = random();
        if (r < 0.4) {
            copy(96, 80, 7, 9, 3, y);
        } else if (r < 0.8) {
            const int n = static_cast<int>(std::floor(random() * 4 + 2));
            for (int b = 0; b < n; ++b) copy(103 + 2 * static_cast<int>(std::floor(random() * 9)), 80, 2, 9, 3 + 2 * b, y);
        }
        r = random();
        if (r < 0.4) {
            copy(111, 80, 12, 9, 16, y);
        } else if (r < 0.8) {
            const int n = static_cast<int>(std::floor(random() * 4 + 2));
            for (int b = 0; b < n; ++b) copy(103 + 2 * static_cast<int>(std::floor(random() * 9)), 80, 2, 9, 26 - 2 * b, y);
        }
    }
    return picture;
}

Ref<TileObject> MapData::makeBookshelf(Tile* tile) {
    auto shelf = runtime::make<TileObjectMisc>(tile, true);
    shelf->set_bmd(createBookshelf());
    shelf->objType = TileObject::TYPE_BOOKSHELF;
    shelf->set_y(tile->lev_y * C::TILE_SIZE - C::TILE_SIZE);
    return shelf;
}

Ref<TileObject> MapData::makeDesk(Tile* tile) {
    auto desk = runtime::make<TileObjectMisc>(tile, true);
    const int T = C::TILE_SIZE;
    auto picture = runtime::make<framework::BitmapData>(T, static_cast<int>(T * 1.5), true, 0);
    if (BMDCache::secretStuffBMD)
        picture->copyPixels(BMDCache::secretStuffBMD, runtime::make<framework::Rectangle>(4 * T, 0, T, 48), C::POINT_0,
                            nullptr, nullptr, true);
    desk->set_bmd(picture);
    desk->objType = TileObject::TYPE_DESK;
    desk->oneTimeActivation = false;
    desk->activateOnStop = true;
    desk->set_y(tile->lev_y * C::TILE_SIZE - T);
    return desk;
}

namespace {

// Open and not hidden.
bool visibleGround(const Tile* t) { return t && !t->wall && !t->hidden; }

}  // namespace

void MapData::createSecretRoom() {
    const int size = C::MAP_SIZE;
    // A floor without visible ground has nowhere for the tunnel to open.
    if (std::none_of(floorTiles.begin(), floorTiles.end(), [](const auto& t) { return !t->hidden; })) return;
    int x = static_cast<int>(random() * (size - 4)) + 2;
    int y = static_cast<int>(random() * (size - 4)) + 2;
    int bx = -1, by = -1;
    for (int tries = 1;; ++tries) {
        if (!tileAt(x, y)->wall) {
            ++x;
        } else {
            const int cbx = x <= 2 ? 2 : (x >= size - 3 ? x - 4 : x - 2);
            const int cby = y <= 2 ? 2 : (y >= size - 3 ? y - 4 : y - 2);
            int walls = 0;
            for (int i = cbx; i <= cbx + 4; ++i)
                for (int j = cby; j <= cby + 4; ++j) {
                    if (!tileAt(i, j)->wall) break;
                    ++walls;
                }
            if (walls == 25) {
                bx = cbx;
                by = cby;
                break;
            }
        }
        if (tries >= 300) return;
        // The open-cell step above and this one move the scan on by two columns together.
        if (++x >= size - 1) {
            x = 1;
            if (++y >= size - 1) y = 1;
        }
        if (x >= size - 1) x = 1;
    }
    hasSecret = true;
    std::vector<Tile*> generation;
    auto hide = [this](Tile* t) {
        t->wall = false;
        t->hidden = true;
        floorTiles.emplace_back(t);
    };
    for (int i = bx + 1; i <= bx + 3; ++i)
        for (int j = by + 1; j <= by + 3; ++j) {
            Tile* t = tileAt(i, j);
            hide(t);
            generation.push_back(t);
        }
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<Tile*> next;
        for (Tile* cell : generation) {
            const int dx[4] = {-1, 1, 0, 0}, dy[4] = {0, 0, -1, 1};
            for (int d = 0; d < 4; ++d) {
                const int nx = cell->lev_x + dx[d], ny = cell->lev_y + dy[d];
                if (!(nx > 0 && nx < size - 1 && ny > 0 && ny < size - 1)) continue;
                if (random() < 0.5) continue;
                bool nearVisible = false;
                for (int i = nx - 1; i <= nx + 1 && !nearVisible; ++i)
                    for (int j = ny - 1; j <= ny + 1; ++j)
                        if (visibleGround(tileAt(i, j))) {
                            nearVisible = true;
                            break;
                        }
                if (nearVisible) continue;
                Tile* t = tileAt(nx, ny);
                if (t->hidden) continue;
                hide(t);
                next.push_back(t);
            }
        }
        generation = std::move(next);
    }

    // The tunnel's target: a cell of the visible floor.
    Tile* target = nullptr;
    int draws = 0;
    for (;;) {
        Tile* t = floorTiles[static_cast<size_t>(random() * static_cast<double>(floorTiles.size()))].get();
        if (!t->hidden) {
            target = t;
            break;
        }
        countDraw(draws);
    }
    secretEntranceTile = target;
    // The digger starts in the room: at the scan position, moved into the core when the block was
    // pushed in at the border (a start outside the core can dig a tunnel that misses the room).
    int cx = std::clamp(x, bx + 1, bx + 3), cy = std::clamp(y, by + 1, by + 3);
    Tile* previous = tileAt(cx, cy);
    Tile* entrance = nullptr;
    for (int steps = 0; !entrance; ++steps) {
        if (cx != target->lev_x) {
            cx += target->lev_x < cx ? -1 : 1;
        } else if (cy != target->lev_y) {
            cy += target->lev_y < cy ? -1 : 1;
        } else {
            // At the target without breaking out beside visible ground: the last cell is the mouth.
            entrance = previous;
            break;
        }
        Tile* cell = tileAt(cx, cy);
        if (cell->wall && !cell->hidden) {
            hide(cell);
            int n = 0;
            for (Tile* s : {tileAt(cx - 1, cy), tileAt(cx + 1, cy), tileAt(cx, cy - 1), tileAt(cx, cy + 1)})
                if (visibleGround(s)) ++n;
            if (n == 1) {
                entrance = cell;
            } else if (n >= 2) {
                cell->hidden = false;
                entrance = previous;
            }
        }
        previous = cell;
        if (steps > 4 * size) throw CannotPlace{};
    }
    secretEntranceTile = entrance;
    entrance->wall = false;
    auto secret = runtime::make<SecretEntrance>(entrance);
    entrance->tObj = secret;
    tileObjects.push_back(secret);

    for (const auto& t : floorTiles) {
        if (!t->hidden) continue;
        for (int i = t->lev_x - 1; i <= t->lev_x + 1; ++i)
            for (int j = t->lev_y - 1; j <= t->lev_y + 1; ++j) {
                Tile* w = tileAt(i, j);
                if (w && w->wall && !w->fakeWall) {
                    w->fakeWall = true;
                    fakeWalls.emplace_back(w);
                }
            }
        fakeWalls.push_back(t);
    }
}

void MapData::addItemsToSecretRoom() {
    std::vector<int> decorations{TileObject::TYPE_BOOKSHELF, TileObject::TYPE_DESK};
    bool chestPlaced = false, stairsPlaced = false, archaeologistPlaced = true;
    if (!switchSet(SWITCH::ARCHAEOLOGIST_DENIED) && !switchSet(SWITCH::ARCHAEOLOGIST_SAVED) &&
        GameData::currentFloor >= 25 && holdsWings())
        archaeologistPlaced = false;
    for (size_t i = 0; i < floorTiles.size(); ++i) {
        Tile* cell = floorTiles[i].get();
        // The entrance's own cell keeps its object.
        if (!cell->hidden || cell->hasObj()) continue;
        Ref<TileObject> object;
        Tile* above = tileAt(cell->lev_x, cell->lev_y - 1);
        if (!decorations.empty() && cell->lev_y != 0 && above && above->wall) {
            const size_t k = static_cast<size_t>(std::floor(random() * static_cast<double>(decorations.size())));
            object = decorations[k] == TileObject::TYPE_BOOKSHELF ? makeBookshelf(cell) : makeDesk(cell);
            decorations.erase(decorations.begin() + static_cast<std::ptrdiff_t>(k));
        } else if ((!chestPlaced || !archaeologistPlaced || !stairsPlaced) &&
                   tilesAreConnected(getAdjacentFloorTiles(cell), cell)) {
            if (!chestPlaced) {
                object = runtime::make<Chest>(cell, Chest::TYPE_ARTIFACT);
                ++numFloorObjects;
                chestPlaced = true;
            } else if (!archaeologistPlaced) {
                object = runtime::make<NPC>(cell, NPC::ARCHAEOLOGIST);
                archaeologistPlaced = true;
            } else {
                object = runtime::make<Stairs>(cell);
                stairsTiles.emplace_back(cell);
                stairsPlaced = true;
            }
        }
        if (object) {
            object->set_alpha(0);
            cell->tObj = object;
            tileObjects.push_back(object);
            hiddenObjects.push_back(object);
            if (decorations.empty() && chestPlaced && stairsPlaced) break;
        }
    }
}

void MapData::loadMapFromSave() { loadMapFromSave(Data::slotData ? Data::slotData->data : nullptr); }

void MapData::loadMapFromSave(const Ref<runtime::Object>& save) {
    const runtime::Value data = save ? runtime::Value(save) : runtime::Value();
    auto* grid = data.field("floorTiles").as<runtime::Array>();
    if (!grid || grid->length() < width) {
        // Nothing to restore: the floor is generated as on arrival.
        trace("no saved floor; generating");
        generateLevel();
        return;
    }
    const bool secretRevealed = data.field("secretRevealed").toBool();
    const runtime::Value phaseValue = data.field("sorcerorPhase");
    const int phase = phaseValue.toInt();
    // A missing object value falls back to the object's own default.
    auto optionalInt = [](const runtime::Value& v, int fallback) { return v.isNull() ? fallback : v.toInt(); };
    for (int x = 0; x < width; ++x) {
        auto* column = grid->at(x).as<runtime::Array>();
        for (int y = 0; y < height; ++y) {
            const runtime::Value rec = column && y < column->length() ? column->at(y) : runtime::Value();
            if (rec.isNull()) continue;
            Tile* cell = tileAt(x, y);
            cell->wall = rec.field("wall").toBool();
            cell->hole = rec.field("hole").toBool();
            cell->hidden = rec.field("hidden").toBool();
            cell->fakeWall = rec.field("fakeWall").toBool();
            fogTilesOpacity[x][y] = rec.field("visibility").toFloat();
            const runtime::Value typeValue = rec.field("objType");
            Ref<TileObject> object;
            const int type = typeValue.isNull() ? -1 : NPCData::parseInteger(typeValue.toStringValue());
            switch (typeValue.isNull() ? -1 : type) {
            case TileObject::TYPE_MONSTER: {
                auto monster = runtime::make<Monster>(cell, optionalInt(rec.field("monsterID"), -1));
                if (!rec.field("hp").isNull()) monster->hp = rec.field("hp").toInt();
                if (monster->data && monster->data->id == Monster::SORCEROR_ID) {
                    sorcererMonster = monster;
                    if (phaseValue.isNumber() && phase < 3) monster->set_visible(false);
                }
                object = monster;
                break;
            }
            case TileObject::TYPE_STAT_GEM:
                object = runtime::make<StatGem>(cell, optionalInt(rec.field("statGemType"), -1));
                break;
            case TileObject::TYPE_CHEST:
                object = runtime::make<Chest>(cell, optionalInt(rec.field("chestType"), -1),
                                              optionalInt(rec.field("itemID"), -1), rec.field("activated").toBool());
                break;
            case TileObject::TYPE_GOLD:
                object =
                    runtime::make<GoldBag>(cell, optionalInt(rec.field("amount"), -1), rec.field("activated").toBool());
                break;
            case TileObject::TYPE_SECRET_ENTRANCE:
                if (!secretRevealed) {
                    object = runtime::make<SecretEntrance>(cell);
                    hasSecret = true;
                    secretEntranceTile = cell;
                }
                break;
            case TileObject::TYPE_BOOKSHELF: object = makeBookshelf(cell); break;
            case TileObject::TYPE_DESK: object = makeDesk(cell); break;
            case TileObject::TYPE_STAIRS:
                object = runtime::make<Stairs>(cell);
                stairsTiles.emplace_back(cell);
                break;
            case TileObject::TYPE_NPC: {
                const int id = rec.field("id").toInt();
                if (id == NPC::SORCEROR_ID && phase == 3) {
                    sorcererMonster = runtime::make<Monster>(cell, Monster::SORCEROR_ID);
                    object = sorcererMonster;
                    break;
                }
                object = runtime::make<NPC>(cell, id);
                if (id == NPC::SORCEROR_ID) sorcererNPC = object;
                if (id == NPC::DEMON) demonNPC = object;
                break;
            }
            case TileObject::TYPE_FORGE: object = runtime::make<Forge>(cell); break;
            case TileObject::TYPE_SORCEROR_TRIGGER_1:
            case TileObject::TYPE_SORCEROR_TRIGGER_2:
            case TileObject::TYPE_SORCEROR_TRIGGER_3:
            case TileObject::TYPE_SORCEROR_TRIGGER_4:
            case TileObject::TYPE_DEMON_TRIGGER: object = makeTrigger(cell, type); break;
            case TileObject::TYPE_SOUL_CRYSTAL:
                soulCrystal = runtime::make<SoulCrystal>(cell);
                object = soulCrystal;
                break;
            case TileObject::TYPE_CRYSTAL_HOLE: {
                auto hole = runtime::make<TileObjectMisc>(cell, false);
                hole->objType = TileObject::TYPE_CRYSTAL_HOLE;
                hole->set_bmd(PixelSmoother::smoothAsset("assets/x2/misc/forestHole.png"));
                if (hole->bitmap) {
                    hole->bitmap->set_x(-24);
                    hole->bitmap->set_y(-24);
                }
                object = hole;
                break;
            }
            default: break;
            }
            if (object) {
                cell->tObj = object;
                tileObjects.push_back(object);
            }
            if (cell->hidden) {
                fakeWalls.emplace_back(cell);
                if (object) {
                    if (!secretRevealed && cell != secretEntranceTile.get()) object->set_alpha(0);
                    hiddenObjects.push_back(object);
                }
            }
            if (cell->fakeWall) fakeWalls.emplace_back(cell);
        }
    }
    MapStateLink* state = link();
    if (state) state->secretRevealed = secretRevealed;
    const runtime::Value start = data.field("startPoint");
    if (start.isNull()) {
        // No saved start: the first free cell of the visible floor.
        for (int x = 0; x < width && !startPoint; ++x)
            for (int y = 0; y < height; ++y) {
                Tile* t = tileAt(x, y);
                if (t->isPassable() && !t->hidden) {
                    startPoint = runtime::make<Point>(x, y);
                    break;
                }
            }
        if (!startPoint) startPoint = runtime::make<Point>(0, 0);
    } else {
        startPoint = runtime::make<Point>(start.field("x").toInt(), start.field("y").toInt());
    }
    if (state) state->sorcererPhase = phase;
    DataUI::get().updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
    numFloorObjects = static_cast<int>(data.field("numFloorObjects").toFloat());
    if (state) state->foundFloorObjects = static_cast<int>(data.field("foundFloorObjects").toFloat());
}

}  // namespace game
