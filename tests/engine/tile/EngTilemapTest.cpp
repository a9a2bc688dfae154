// Tile maps: loading from text and arrays, auto-tiling, cell edits, overlaps cell by cell,
// rays, camera bounds and path finding on small grids.
#include "../EngineFixture.h"
#include "engine/tile/EngTilemap.h"
#include "engine/util/EngBitmapDataPool.h"
#include "engine/util/EngStringUtil.h"
#include "framework/display/BitmapData.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Thrown.h"

using engine::EngObject;
using engine::EngPoint;
using engine::EngTilemap;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class TilemapTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_bitmap_data_create", [](const std::vector<Value>& a) {
            auto h = make<runtime::DynamicObject>();
            h->setField("w", a[0]);
            h->setField("h", a[1]);
            return Value(h);
        });
        fake.on("media_native_bitmap_data_width", [](const std::vector<Value>& a) { return a[0].field("w"); });
        fake.on("media_native_bitmap_data_height", [](const std::vector<Value>& a) { return a[0].field("h"); });
    }
    // A strip of tileCount square tiles of 16 pixels.
    static Value strip(int tileCount) { return Value(make<framework::BitmapData>(16 * tileCount, 16)); }

    static Ref<EngTilemap> map(const std::string& csv, int tiles = 4, int autoTile = EngTilemap::OFF) {
        auto m = make<EngTilemap>();
        m->loadMap(Value(csv), strip(tiles), 0, 0, autoTile);
        return m;
    }
};
}  // namespace

TEST_F(TilemapTest, LoadsTextRowsAndCells) {
    struct Case {
        const char* csv;
        int width, height;
        std::vector<int32_t> cells;
    } cases[] = {
        {"1,2,3\n4,5,6", 3, 2, {1, 2, 3, 4, 5, 6}},
        {"1,2,3\n4,5,6\n", 3, 3, {1, 2, 3, 4, 5, 6, 0, 0, 0}},
        {"1,2\n3,4,5\n6", 2, 3, {1, 2, 3, 4, 6, 0}},
        {" 7\r,0x1A,abc", 3, 1, {7, 26, 0}},
        {"\n1,2", 1, 2, {0, 1}},
    };
    for (const auto& c : cases) {
        auto m = map(c.csv, 32);
        EXPECT_EQ(m->widthInTiles, c.width) << c.csv;
        EXPECT_EQ(m->heightInTiles, c.height) << c.csv;
        EXPECT_EQ(m->getData(), c.cells) << c.csv;
        EXPECT_EQ(m->totalTiles, static_cast<int>(c.cells.size()));
    }
    auto m = map("0,1\n2,3");
    EXPECT_EQ(m->_tileWidth, 16);
    EXPECT_EQ(m->_tileHeight, 16);
    EXPECT_EQ(m->_tileObjects.size(), 4u);
    EXPECT_EQ(m->width, 32);
    EXPECT_EQ(m->height, 32);
    EXPECT_EQ(m->getData(true), (std::vector<int32_t>{0, 1, 1, 1}));
    EXPECT_EQ(m->cachedGraphics->useCount, 1);
}

TEST_F(TilemapTest, LoadsArraysAndRejectsOtherData) {
    auto m = make<EngTilemap>();
    m->widthInTiles = 4;
    m->heightInTiles = 3;
    std::vector<Value> values(12, Value(1));
    auto array = make<runtime::Array>(values);
    m->loadMap(Value(array), strip(2));
    array->items[0] = Value(0);
    EXPECT_EQ(m->widthInTiles, 4);
    EXPECT_EQ(m->heightInTiles, 3);
    EXPECT_EQ(m->getTile(0, 0), 1);
    try {
        m->loadMap(Value(3.5), strip(2));
        ADD_FAILURE();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(),
                  "Unexpected MapData format 'Float' passed into loadMap. Map data must be CSV string or Array<Int>.");
    }
    std::vector<int32_t> withoutChoices{1};
    EXPECT_THROW(m->setCustomTileMappings(nullptr, &withoutChoices), runtime::Thrown);
    std::vector<int32_t> remap{0, 3, 2, 1};
    std::vector<int32_t> randomIndices{2};
    std::vector<std::vector<int32_t>> choices{{0, 1}};
    m->setCustomTileMappings(&remap, &randomIndices, &choices, runtime::Function::of([] { return 0.75; }));
    m->loadMap(Value("1,2,3,9"), strip(4));
    EXPECT_EQ(m->getData(), (std::vector<int32_t>{3, 1, 1, 9}));  // 2 stays 2 after the remap, then picks 1
}

TEST_F(TilemapTest, AutoTilingShapes) {
    struct Case {
        const char* csv;
        int mode, cell, want;
    } cases[] = {
        {"0,0,0\n0,1,0\n0,0,0", EngTilemap::AUTO, 4, 1},
        {"0,1,0\n1,1,1\n0,1,0", EngTilemap::AUTO, 4, 16},
        {"1,0\n0,0", EngTilemap::AUTO, 0, 10},
        {"1,1,1\n1,1,1\n1,1,1", EngTilemap::ALT, 4, 16},
        {"1,1,1\n1,1,1\n1,1,0", EngTilemap::ALT, 4, 9},
        {"1,1,0\n1,1,1\n0,1,1", EngTilemap::ALT, 4, 5},
    };
    for (const auto& c : cases) {
        auto m = map(c.csv, 16, c.mode);
        EXPECT_EQ(m->getTileByIndex(c.cell), c.want) << c.csv;
    }
    auto m = map("0,0,0\n0,0,0\n0,0,0", 16, EngTilemap::AUTO);
    EXPECT_EQ(m->getTileCollisions(0), EngObject::NONE);
    EXPECT_FALSE(m->_tileObjects[0]->visible);
    EXPECT_EQ(m->getTileCollisions(16), EngObject::ANY);
    EXPECT_FALSE(m->setTile(3, 0, 1));
    m->setTile(1, 1, 1);
    m->setTile(2, 1, 1);
    EXPECT_EQ(m->getTile(1, 1), 1 + 2);      // only its right side filled
    EXPECT_EQ(m->getTile(2, 1), 1 + 2 + 8);  // the border counts as filled
    EXPECT_TRUE(m->getTileInstances(7).empty());
}

TEST_F(TilemapTest, CellOverlapsCallbacksAndFilters) {
    auto m = map("0,1\n0,0");
    auto object = make<EngObject>(0, 0, 16, 16);
    EXPECT_FALSE(m->overlaps(object.get()));  // right edge touches the solid cell
    object->set_x(1);
    EXPECT_TRUE(m->overlaps(object.get()));
    EXPECT_FALSE(m->overlapsWithCallback(object.get(), runtime::Function::of([](Value, Value) { return false; })));

    std::vector<int> fired;
    m->setTileProperties(0, EngObject::NONE, runtime::Function::of([&](Value tile, Value) {
                             fired.push_back(tile.field("mapIndex").toInt());
                         }),
                         &EngTilemap::staticClass());
    m->overlapsWithCallback(object.get());
    EXPECT_TRUE(fired.empty());  // the filter wants tile maps only
    m->setTileProperties(0, EngObject::NONE, runtime::Function::of([&](Value tile, Value) {
                             fired.push_back(tile.field("mapIndex").toInt());
                         }));
    m->overlapsWithCallback(object.get());
    EXPECT_EQ(fired, (std::vector<int>{0}));  // cell 2 only touches the object's bottom edge

    auto left = make<EngObject>(-20, 0, 30, 10);
    m->setTileProperties(0, EngObject::NONE);
    EXPECT_FALSE(m->overlaps(left.get()));
    EXPECT_FALSE(m->overlapsPoint(EngPoint::weak(5, -5)));
    EXPECT_TRUE(m->overlapsPoint(EngPoint::weak(20, 5)));

    auto big = map("0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n"
                   "0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0\n"
                   "0,0,0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0,0,0");
    auto camera = make<engine::EngCamera>(0, 0, 100, 100, 1);
    big->follow(camera.get(), 1, false);
    auto bounds = camera->bounds;
    EXPECT_EQ(bounds->x, 16);
    EXPECT_EQ(bounds->y, 16);
    EXPECT_EQ(bounds->width, 128);
    EXPECT_EQ(bounds->height, 128);
}

TEST_F(TilemapTest, Rays) {
    auto m = map("0,1,0\n0,0,0");
    auto hit = make<EngPoint>();
    EXPECT_FALSE(m->ray(make<EngPoint>(8, 8), make<EngPoint>(40, 8), hit));
    EXPECT_EQ(hit->x, 16);
    EXPECT_EQ(hit->y, 8);
    EXPECT_TRUE(m->ray(make<EngPoint>(8, 8), make<EngPoint>(24, 8), hit));  // the end is never sampled
    EXPECT_TRUE(m->ray(make<EngPoint>(2, 2), make<EngPoint>(12, 12)));
    EXPECT_TRUE(m->ray(make<EngPoint>(8, 8), make<EngPoint>(8, 8)));
}

TEST_F(TilemapTest, PathFinding) {
    auto route = [](const std::optional<std::vector<Ref<EngPoint>>>& points) {
        std::vector<std::pair<double, double>> out;
        if (points)
            for (const auto& p : *points) out.emplace_back(p->x, p->y);
        return out;
    };
    auto open = map("0,0,0,0,0");
    EXPECT_EQ(route(open->findPath(make<EngPoint>(8, 8), make<EngPoint>(72, 8), false)),
              (std::vector<std::pair<double, double>>{{8, 8}, {24, 8}, {40, 8}, {56, 8}, {72, 8}}));
    EXPECT_EQ(route(open->findPath(make<EngPoint>(8, 8), make<EngPoint>(72, 8))),
              (std::vector<std::pair<double, double>>{{8, 8}, {72, 8}}));
    EXPECT_EQ(route(open->findPath(make<EngPoint>(3, 3), make<EngPoint>(5, 5))),
              (std::vector<std::pair<double, double>>{{5, 5}}));

    auto corners = map("0,1\n1,0");
    EXPECT_FALSE(corners->findPath(make<EngPoint>(8, 8), make<EngPoint>(24, 24), true, false, true));
    EXPECT_EQ(route(corners->findPath(make<EngPoint>(8, 8), make<EngPoint>(24, 24), true, false, false)),
              (std::vector<std::pair<double, double>>{{8, 8}, {24, 24}}));
    EXPECT_FALSE(corners->findPath(make<EngPoint>(24, 8), make<EngPoint>(8, 8)));  // starts on a wall
    auto enclosed = map("0,1,0\n1,1,0\n0,0,0");
    EXPECT_FALSE(enclosed->findPath(make<EngPoint>(40, 40), make<EngPoint>(8, 8)));
    EXPECT_FALSE(open->findPath(make<EngPoint>(8, 8), make<EngPoint>(200, 8)));  // outside the map

    // Around a wall: the corner is kept.
    auto bend = map("0,0,0\n1,1,0\n0,0,0");
    auto r = route(bend->findPath(make<EngPoint>(8, 40), make<EngPoint>(8, 8), true, true));
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r.front(), (std::pair<double, double>{8, 40}));
    EXPECT_EQ(r.back(), (std::pair<double, double>{8, 8}));
}

TEST_F(TilemapTest, BitmapPoolReusesNewestAndEvictsOldest) {
    using engine::EngBitmapDataPool;
    EngBitmapDataPool::clear();
    auto big = make<framework::BitmapData>(20, 20);
    EngBitmapDataPool::put(big);
    auto exact = EngBitmapDataPool::get(10, 10, true, std::nullopt, true);
    EXPECT_NE(exact, big);
    EXPECT_EQ(exact->get_width(), 10);
    EXPECT_EQ(EngBitmapDataPool::length, 1);
    EXPECT_EQ(EngBitmapDataPool::get(10, 10), big);
    EXPECT_EQ(EngBitmapDataPool::length, 0);

    std::vector<Ref<framework::BitmapData>> all;
    for (int i = 0; i < 9; ++i) {
        all.push_back(make<framework::BitmapData>(4 + i, 4));
        EngBitmapDataPool::put(all.back());
    }
    EXPECT_EQ(EngBitmapDataPool::length, 8);
    EngBitmapDataPool::set_maxLength(2);
    EXPECT_EQ(EngBitmapDataPool::length, 2);
    EXPECT_EQ(EngBitmapDataPool::_head->bmd, all[8]);
    EXPECT_EQ(EngBitmapDataPool::_tail.get()->bmd, all[7]);
    EXPECT_EQ(EngBitmapDataPool::get(4, 4), all[8]);  // the newest that fits
    EngBitmapDataPool::set_maxLength(8);
    EngBitmapDataPool::clear();
    EXPECT_EQ(EngBitmapDataPool::length, 0);
    EXPECT_EQ(EngBitmapDataPool::_tail.get(), nullptr);
}

TEST_F(TilemapTest, BitmapsAsCommaSeparatedGrids) {
    // A 2 x 1 picture: black, then white.
    media::FakeMediaModule::get().on("media_native_bitmap_data_get_pixel", [](const std::vector<Value>& a) {
        return Value(a[1].toInt() == 0 ? 0 : 0xFFFFFF);
    });
    auto bitmap = make<framework::BitmapData>(2, 1);
    EXPECT_EQ(engine::EngStringUtil::bitmapToCSV(bitmap), "1, 0");
    EXPECT_EQ(engine::EngStringUtil::bitmapToCSV(bitmap, true), "0, 1");
    std::vector<int32_t> colours{0xFFFFFF};
    EXPECT_EQ(engine::EngStringUtil::bitmapToCSV(bitmap, false, 1, &colours), "-1, 0");
}
