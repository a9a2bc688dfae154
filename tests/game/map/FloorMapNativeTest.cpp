// The floor overviews: tile colours, object symbols and the secret room, fog, the hero marker,
// the minimap's frame, click and reveal flash, and the map window's layout.
#include "framework/geom/Rectangle.h"
#include "game/data/GameData.h"
#include "game/floor/Chest.h"
#include "game/floor/MapData.h"
#include "game/floor/StatGem.h"
#include "game/floor/TiledMap.h"
#include "game/map/FloorMap.h"
#include "game/map/MapState.h"
#include "game/map/MapWindow.h"
#include "game/map/MiniMap.h"
#include "game/shell/C.h"
#include "game/kit/MessageWindow.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"
#include "framework/events/MouseEvent.h"
#include "tests/game/kit/KitFixture.h"

using game::FloorMap;
using game::GameData;
using game::MapData;
using game::MiniMap;
using game::TileObject;
using runtime::make;
using runtime::Ref;

namespace {

constexpr unsigned BLACK_ALPHA_MASK = 0xFF000000u;

class FloorMapTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        state = make<game::MapState>();
        game::G::mapState = state;
        MiniMap::MAP_WIDTH = MiniMap::MAP_HEIGHT = game::C::MAP_SIZE * 3 + 16;
    }
    void TearDown() override {
        game::G::mapState = nullptr;
        KitFixture::TearDown();
    }

    // A floor of size w x h, all floor but for walls where the plan (from (0, 0)) has '#'.
    static Ref<MapData> floor(int w, int h, const std::vector<std::string>& plan = {}) {
        auto blank = make<game::TiledMap>(w, h, std::vector<Ref<game::TiledTileset>>{},
                                          std::vector<Ref<game::TiledLayer>>{}, std::vector<Ref<game::RainRect>>{});
        auto data = make<MapData>(nullptr, blank);
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                const bool wall = y < static_cast<int>(plan.size()) && x < static_cast<int>(plan[y].size()) &&
                                  plan[y][x] == '#';
                data->tiles[x][y]->wall = wall;
            }
        data->fogTilesOpacity.assign(w, std::vector<double>(h, 0.0));
        return data;
    }
    static Ref<TileObject> put(MapData& data, int x, int y, int kind) {
        auto object = make<TileObject>(data.tiles[x][y].get());
        object->objType = kind;
        data.tiles[x][y]->tObj = object;
        return object;
    }
    static unsigned pixel(FloorMap& map, int x, int y) { return static_cast<unsigned>(map.mapBMD->getPixel32(x, y)); }
    // Every pixel of tile (x, y) is the colour.
    static bool solid(FloorMap& map, int x, int y, int colour) {
        for (int i = 0; i < map.mapScale; ++i)
            for (int j = 0; j < map.mapScale; ++j)
                if (pixel(map, x * map.mapScale + i, y * map.mapScale + j) != static_cast<unsigned>(colour)) return false;
        return true;
    }
    // Tile (x, y) shows the symbol cell (column, row) merged over the floor colour.
    static bool showsSymbol(FloorMap& map, int x, int y, int column, int row, int under) {
        const int s = map.mapScale;
        bool inked = false;
        for (int i = 0; i < s; ++i)
            for (int j = 0; j < s; ++j) {
                auto sym = static_cast<unsigned>(map.symbols->getPixel32(column * s + i, row * s + j));
                auto got = pixel(map, x * s + i, y * s + j);
                if ((sym >> 24) == 0xFF) {
                    inked = true;
                    if (got != sym) return false;
                } else if ((sym >> 24) == 0 && got != static_cast<unsigned>(under)) {
                    return false;
                }
            }
        return inked;
    }

    Ref<game::MapState> state;
};

}  // namespace

TEST_F(FloorMapTest, TilesPaintWallFloorAndTheSecretRoomOnlyOnceRevealed) {
    auto data = floor(32, 32, {"#..", "..."});
    data->tiles[2][1]->hidden = true;
    put(*data, 2, 1, TileObject::TYPE_MONSTER);
    put(*data, 1, 1, TileObject::TYPE_MONSTER);
    auto map = make<FloorMap>(3, game::PixelSmoother::smoothAsset("assets/ui/minimapSymbols.png"), nullptr);
    map->drawMap(data);
    EXPECT_TRUE(solid(*map, 0, 0, FloorMap::WALL));
    EXPECT_TRUE(solid(*map, 1, 0, FloorMap::FLOOR));
    // The secret room's tile: a wall, no symbol, even with a monster on it.
    EXPECT_TRUE(solid(*map, 2, 1, FloorMap::WALL));
    EXPECT_TRUE(showsSymbol(*map, 1, 1, 3, 2, FloorMap::FLOOR));

    state->secretRevealed = true;
    map->drawMap();
    EXPECT_TRUE(showsSymbol(*map, 2, 1, 3, 2, FloorMap::HIDDEN_FLOOR));
    EXPECT_TRUE(solid(*map, 2, 0, FloorMap::FLOOR));
}

TEST_F(FloorMapTest, SymbolsFollowTheKindAndAUsedObjectLeavesPlainFloor) {
    struct Case {
        int kind;
        int column, row;  // -1: no symbol
    };
    const Case cases[] = {{TileObject::TYPE_GOLD, 0, 1},  {TileObject::TYPE_MONSTER, 3, 2},
                          {TileObject::TYPE_FORGE, 0, 3}, {TileObject::TYPE_STAIRS, 1, 3},
                          {TileObject::TYPE_NPC, -1, -1}, {TileObject::TYPE_SECRET_ENTRANCE, -1, -1},
                          {TileObject::TYPE_SOUL_CRYSTAL, -1, -1}};
    // Chests (made opened, then marked unused: no item needed) and gems by their own kind.
    const int chestCells[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    const int gemCells[][2] = {{1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}};
    for (int scale : {3, 12}) {
        auto sheet = game::PixelSmoother::smoothAsset(scale == 3 ? "assets/ui/minimapSymbols.png"
                                                                 : "assets/ui/largeMapSymbols.png");
        auto data = floor(32, 32);
        std::vector<Ref<TileObject>> objects;
        for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) objects.push_back(put(*data, i, 5, cases[i].kind));
        for (int kind = 0; kind < 4; ++kind) {
            auto chest = make<game::Chest>(data->tiles[kind][8].get(), kind, -1, true);
            chest->activated = false;
            data->tiles[kind][8]->tObj = chest;
        }
        for (int kind = 0; kind < 6; ++kind)
            data->tiles[kind][9]->tObj = make<game::StatGem>(data->tiles[kind][9].get(), kind);
        auto map = make<FloorMap>(scale, sheet, nullptr);
        map->drawMap(data);
        for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
            const Case& c = cases[i];
            if (c.column < 0) EXPECT_TRUE(solid(*map, i, 5, FloorMap::FLOOR)) << "kind " << c.kind;
            else EXPECT_TRUE(showsSymbol(*map, i, 5, c.column, c.row, FloorMap::FLOOR)) << "kind " << c.kind;
        }
        for (int kind = 0; kind < 4; ++kind)
            EXPECT_TRUE(showsSymbol(*map, kind, 8, chestCells[kind][0], chestCells[kind][1], FloorMap::FLOOR))
                << "chest " << kind << " at scale " << scale;
        for (int kind = 0; kind < 6; ++kind)
            EXPECT_TRUE(showsSymbol(*map, kind, 9, gemCells[kind][0], gemCells[kind][1], FloorMap::FLOOR))
                << "gem " << kind << " at scale " << scale;
        // An opened chest has no symbol.
        data->tiles[2][8]->tObj->activated = true;
        map->drawTile(2, 8);
        EXPECT_TRUE(solid(*map, 2, 8, FloorMap::FLOOR));
        // A killed monster (object gone) and a used gold bag repaint as plain floor.
        data->tiles[1][5]->tObj = nullptr;
        objects[0]->activated = true;
        map->drawTile(1, 5);
        map->drawTile(0, 5);
        EXPECT_TRUE(solid(*map, 1, 5, FloorMap::FLOOR));
        EXPECT_TRUE(solid(*map, 0, 5, FloorMap::FLOOR));
    }
}

TEST_F(FloorMapTest, FogIsBlackWithTheTilesOpacityAndASmallFloorLeavesTheRestClear) {
    auto data = floor(25, 25);
    data->fogTilesOpacity[3][4] = 0.5;
    data->fogTilesOpacity[0][0] = 1.0;
    // A missing entry counts as clear.
    data->fogTilesOpacity[24].resize(10);
    auto map = make<FloorMap>(3, nullptr, nullptr);
    map->drawMap(data);
    EXPECT_EQ(static_cast<unsigned>(map->fogBMD->getPixel32(3, 4)), 127u << 24);
    EXPECT_EQ(static_cast<unsigned>(map->fogBMD->getPixel32(0, 0)), BLACK_ALPHA_MASK);
    EXPECT_EQ(static_cast<unsigned>(map->fogBMD->getPixel32(5, 5)), 0u);
    EXPECT_EQ(static_cast<unsigned>(map->fogBMD->getPixel32(24, 20)), 0u);
    // The town paints its own 25 x 25 tiles; the rest of the 32 x 32 picture stays transparent.
    EXPECT_EQ(map->mapBMD->get_width(), 96);
    EXPECT_TRUE(solid(*map, 24, 24, FloorMap::FLOOR));
    EXPECT_EQ(pixel(*map, 25 * 3, 0), 0u);
    EXPECT_EQ(pixel(*map, 0, 25 * 3), 0u);
    EXPECT_EQ(pixel(*map, 95, 95), 0u);
    // The fog picture is stretched over the map, one square a tile.
    auto fogBitmap = map->getChildAt(1);
    EXPECT_EQ(fogBitmap->get_width(), 96);
    EXPECT_EQ(fogBitmap->get_height(), 96);
    // Fog updates alone.
    data->fogTilesOpacity[3][4] = 0.2;
    map->updateFog();
    EXPECT_EQ(static_cast<unsigned>(map->fogBMD->getPixel32(3, 4)), 51u << 24);
}

TEST_F(FloorMapTest, TheMinimapFramesAFloorMapWithAYellowHeroDot) {
    auto mini = make<MiniMap>();
    EXPECT_EQ(mini->button->get_parent().get(), mini.get());
    EXPECT_EQ(mini->map->mapScale, 3);
    EXPECT_EQ(mini->map->get_x(), 8);
    EXPECT_EQ(mini->map->get_y(), 8);
    EXPECT_EQ(mini->map->get_parent().get(), mini->button.get());
    EXPECT_FALSE(mini->white->get_visible());
    EXPECT_EQ(mini->white->get_width(), 96);
    // The marker: black 5 x 5 with a yellow 3 x 3 centre, centred on the hero's tile.
    auto marker = mini->map->hero.cast<game::BitmapSprite>();
    ASSERT_TRUE(marker);
    EXPECT_EQ(static_cast<unsigned>(marker->bmd->getPixel32(0, 0)), 0xFF000000u);
    EXPECT_EQ(static_cast<unsigned>(marker->bmd->getPixel32(2, 2)), 0xFFFFFF00u);
    EXPECT_EQ(static_cast<unsigned>(marker->bmd->getPixel32(4, 3)), 0xFF000000u);
    EXPECT_EQ(mini->map->getChildIndex(marker), 2);
    mini->setHeroPos(10, 4);
    EXPECT_EQ(marker->get_x(), 29);
    EXPECT_EQ(marker->get_y(), 11);

    auto data = floor(32, 32, {"#"});
    mini->updateMap(data);
    EXPECT_EQ(mini->map->mapData, data);
    EXPECT_TRUE(solid(*mini->map, 0, 0, FloorMap::WALL));
    data->tiles[0][0]->wall = false;
    mini->updateTile(0, 0);
    EXPECT_TRUE(solid(*mini->map, 0, 0, FloorMap::FLOOR));
}

TEST_F(FloorMapTest, RevealFlashesWhiteAndFadesToNothingEachTime) {
    auto mini = make<MiniMap>();
    for (int round = 0; round < 2; ++round) {
        mini->reveal();
        EXPECT_TRUE(mini->white->get_visible());
        EXPECT_EQ(mini->white->get_alpha(), 1);
        EXPECT_TRUE(runTweensUntil([&] { return mini->white->get_alpha() == 0; })) << round;
        EXPECT_TRUE(mini->white->get_visible());
    }
}

TEST_F(FloorMapTest, TheMapWindowHoldsATwelvePixelMapUnderItsTitle) {
    auto window = make<game::MapWindow>();
    EXPECT_EQ(window->winWidth, 404);
    EXPECT_EQ(window->winHeight, 444);
    EXPECT_FALSE(window->floorMap);
    window->initialize();
    ASSERT_TRUE(window->floorMap);
    EXPECT_EQ(window->floorMap->mapScale, 12);
    EXPECT_EQ(window->floorMap->get_x(), 10);
    EXPECT_EQ(window->floorMap->get_y(), 50);
    EXPECT_EQ(window->floorMap->mapBMD->get_width(), 384);
    window->floorMap->setHeroPos(3, 2);
    EXPECT_EQ(window->floorMap->hero->get_x(), 35);
    EXPECT_EQ(window->floorMap->hero->get_y(), 23);
}

namespace {

// The minimap and map window inside a real UI root at 960 x 540.
class MapWindowTest : public FloorMapTest {
protected:
    void SetUp() override {
        FloorMapTest::SetUp();
        gameArea(960, 540);
        game::Game::scaleFactor = 1;
        game::G::pauseGame = false;
        GameData::messageWins.assign(game::MessageWindow::NUM_WINS, false);
        game::MessageWindow::createStaticWindows();
        ui = make<game::UI>();
        game::Game::ui = ui;
    }
    void TearDown() override {
        game::Game::ui = nullptr;
        ui = nullptr;
        game::G::pauseGame = false;
        FloorMapTest::TearDown();
    }
    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    bool windowShown() { return ui->mapWindow->get_parent().get() == ui->overLayer.get(); }

    Ref<game::UI> ui;
};

}  // namespace

TEST_F(MapWindowTest, TheMinimapOpensTheWindowWhichRepaintsAndClosesByBackOrOverlay) {
    auto data = floor(32, 32, {"#."});
    ui->drawMiniMap(data);
    ui->miniMap->setHeroPos(3, 4);
    // The window holds the floor and the hero's place at once but paints only on opening.
    auto& windowMap = *ui->mapWindow->floorMap;
    EXPECT_EQ(windowMap.mapData, data);
    EXPECT_EQ(windowMap.hero->get_x(), 35);
    EXPECT_EQ(windowMap.hero->get_y(), 47);
    EXPECT_EQ(pixel(windowMap, 12, 0), 0u);
    EXPECT_TRUE(solid(*ui->miniMap->map, 1, 0, FloorMap::FLOOR));

    click(ui->miniMap);
    EXPECT_TRUE(ui->mapOpen);
    EXPECT_TRUE(game::G::pauseGame);
    EXPECT_TRUE(windowShown());
    EXPECT_TRUE(solid(windowMap, 0, 0, FloorMap::WALL));
    EXPECT_TRUE(solid(windowMap, 1, 0, FloorMap::FLOOR));

    // "Back" closes it; the fade ends with the window taken off.
    ui->mapWindow->closeClicked(nullptr);
    EXPECT_FALSE(ui->mapOpen);
    EXPECT_FALSE(game::G::pauseGame);
    EXPECT_TRUE(runTweensUntil([&] { return !windowShown(); }));

    // A click on the dark overlay closes it too, and stops listening.
    ui->openMap();
    EXPECT_TRUE(ui->mapOpen);
    click(ui->overBlack);
    EXPECT_FALSE(ui->mapOpen);
    EXPECT_FALSE(game::G::pauseGame);
    game::G::pauseGame = true;
    click(ui->overBlack);
    EXPECT_TRUE(game::G::pauseGame);
    game::G::pauseGame = false;

    // While the minimap's button is disabled a click does nothing.
    EXPECT_TRUE(runTweensUntil([&] { return !windowShown(); }));
    ui->disableButtons();
    click(ui->miniMap);
    EXPECT_FALSE(ui->mapOpen);
    EXPECT_FALSE(windowShown());
    ui->enableButtons();
    click(ui->miniMap);
    EXPECT_TRUE(ui->mapOpen);
}
