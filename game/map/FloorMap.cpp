#include "FloorMap.h"

#include "MapState.h"

#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "game/floor/Chest.h"
#include "game/floor/StatGem.h"
#include "game/shell/C.h"
#include "game/shell/G.h"

namespace game {

using framework::BitmapData;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {

// The secret room shows once the exploration state has revealed it.
bool secretRevealed() {
    auto* state = dynamic_cast<MapState*>(G::mapState.get());
    return state && state->secretRevealed;
}

// A chest's or stat gem's own kind; -1 for another object.
int subKind(TileObject& object) {
    if (auto* chest = dynamic_cast<Chest*>(&object)) return chest->type;
    if (auto* gem = dynamic_cast<StatGem*>(&object)) return gem->type;
    return -1;
}

}  // namespace

FloorMap::FloorMap(int mapScale, const Ref<BitmapData>& symbols, const Ref<framework::DisplayObject>& hero)
    : hero(hero), symbols(symbols), mapScale(mapScale) {
    const int side = mapScale * C::MAP_SIZE;
    mapBMD = make<BitmapData>(side, side, true, 0);
    addChild(make<framework::Bitmap>(mapBMD));
    fogBMD = make<BitmapData>(C::MAP_SIZE, C::MAP_SIZE, true, 0);
    auto fog = make<framework::Bitmap>(fogBMD);
    fog->set_smoothing(false);
    fog->set_width(side);
    fog->set_height(side);
    addChild(fog);
    if (hero) addChild(hero);
}

bool FloorMap::symbolCell(TileObject& object, int& column, int& row) {
    // Chest kinds (normal, artifact, crafting, consumable) and gem kinds (HP, MP, attack,
    // defence, magic, of choice) run along the sheet in reading order.
    static_assert(Chest::TYPE_NORMAL == 0 && Chest::TYPE_ARTIFACT == 1 && Chest::TYPE_CRAFT == 2 &&
                  Chest::TYPE_CONSUMABLE == 3);
    static_assert(StatGem::TYPE_HP == 0 && StatGem::TYPE_MAGIC == 4 && StatGem::TYPE_CHOOSE == 5);
    static constexpr int CHEST[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    static constexpr int GEM[][2] = {{1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}};
    auto pick = [&](const int (*cells)[2], int count, int kind) {
        if (kind < 0 || kind >= count) return false;
        column = cells[kind][0];
        row = cells[kind][1];
        return true;
    };
    switch (object.objType) {
    case TileObject::TYPE_CHEST: return pick(CHEST, 4, subKind(object));
    case TileObject::TYPE_STAT_GEM: return pick(GEM, 6, subKind(object));
    case TileObject::TYPE_GOLD: column = 0, row = 1; return true;
    case TileObject::TYPE_MONSTER: column = 3, row = 2; return true;
    case TileObject::TYPE_FORGE: column = 0, row = 3; return true;
    case TileObject::TYPE_STAIRS: column = 1, row = 3; return true;
    default: return false;
    }
}

void FloorMap::drawMap(const Ref<MapData>& data) {
    if (data) mapData = data;
    mapBMD->fillRect(make<Rectangle>(0, 0, mapBMD->get_width(), mapBMD->get_height()), 0);
    if (!mapData) return;
    for (int x = 0; x < mapData->width; ++x)
        for (int y = 0; y < mapData->height; ++y) drawTile(x, y);
    updateFog();
}

void FloorMap::drawTile(int x, int y) {
    if (!mapData || x < 0 || y < 0 || x >= mapData->width || y >= mapData->height) return;
    Tile& tile = *mapData->tiles[x][y];
    const bool revealed = !tile.hidden || secretRevealed();
    int colour = FLOOR;
    if (tile.wall) colour = WALL;
    else if (tile.hidden) colour = revealed ? HIDDEN_FLOOR : WALL;
    mapBMD->fillRect(make<Rectangle>(x * mapScale, y * mapScale, mapScale, mapScale), colour);

    if (!tile.hasObj() || tile.tObj->activated || !revealed || !symbols) return;
    int column = 0, row = 0;
    if (!symbolCell(*tile.tObj, column, row)) return;
    mapBMD->copyPixels(symbols, make<Rectangle>(column * mapScale, row * mapScale, mapScale, mapScale),
                       make<framework::Point>(x * mapScale, y * mapScale), nullptr, nullptr, true);
}

void FloorMap::updateFog() {
    if (!mapData) return;
    const auto& fog = mapData->fogTilesOpacity;
    for (int x = 0; x < mapData->width; ++x)
        for (int y = 0; y < mapData->height; ++y) {
            double opacity = 0;
            if (x < static_cast<int>(fog.size()) && y < static_cast<int>(fog[x].size())) opacity = fog[x][y];
            fogBMD->setPixel32(x, y, static_cast<int>(static_cast<unsigned>(static_cast<int>(opacity * 255)) << 24));
        }
}

void FloorMap::setHeroPos(int x, int y) {
    if (!hero) return;
    hero->set_x(x * mapScale - 1);
    hero->set_y(y * mapScale - 1);
}

}  // namespace game

using game::FloorMap;

RUNTIME_DEFINE_CLASS(FloorMap, "FloorMap", game::BitmapSprite, (auto& b) {
    b.template field<&FloorMap::mapData>("mapData")
        .template field<&FloorMap::hero>("hero")
        .template field<&FloorMap::mapBMD>("mapBMD")
        .template field<&FloorMap::fogBMD>("fogBMD")
        .template field<&FloorMap::symbols>("symbols")
        .template field<&FloorMap::mapScale>("mapScale")
        .template method<&FloorMap::updateFog>("updateFog")
        .template method<&FloorMap::drawTile>("drawTile")
        .template method<&FloorMap::setHeroPos>("setHeroPos")
        .emptyInstance();
})
