#include "MapData.h"

#include <cmath>
#include <deque>

#include "FloorRandom.h"
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
    case FloorKind::ORDINARY:
        if (!zData) runtime::Thrown::text("An ordinary floor needs the zone table (ZoneData::setZones)");
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
        break;
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

// Furniture, special rooms and the restore route are built with the floor's objects.
void MapData::loadMapFromSave() {}
void MapData::finishBossRoom() {}
void MapData::placeStairs(bool, bool) {}
void MapData::placeShop() {}
void MapData::placeForge(bool) {}
void MapData::placeSolidItems() {}
void MapData::placeRemoveableItems() {}
void MapData::placeEnemies() {}
void MapData::placeHero(bool) {}
void MapData::createSecretRoom() {}
void MapData::addItemsToSecretRoom() {}
void MapData::createSorcerorRoom() {}
void MapData::createDemonRoom() {}
void MapData::createEmptyDemonRoom() {}

}  // namespace game
