// The map-file reader, the town and bar files as shipped, and floors built from them.
#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/floor/Base64.h"
#include "game/floor/MapData.h"
#include "platform/runtime/Thrown.h"
#include "tests/fuzz/MapReaderFuzzTarget.h"
#include "tests/game/shell/GameFixture.h"

using game::Base64;
using game::MapData;
using game::TiledMap;

namespace {

std::vector<int> bytesOf(const runtime::Ref<framework::ByteArray>& b) {
    std::vector<int> out;
    for (int i = 0; i < b->getLength(); ++i) out.push_back(b->get_(i));
    return out;
}

std::string zipped(const std::vector<uint32_t>& ids) {
    std::string raw;
    for (uint32_t v : ids)
        for (int k = 0; k < 4; ++k) raw += static_cast<char>((v >> (8 * k)) & 0xFF);
    uLongf size = compressBound(raw.size());
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()), raw.size());
    out.resize(size);
    auto bytes = runtime::make<framework::ByteArray>();
    for (char c : out) bytes->writeByte(static_cast<unsigned char>(c));
    return Base64::encode(bytes);
}

std::string layer(const std::string& name, int w, int h, const std::string& data) {
    return "<layer name=\"" + name + "\" width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) +
           "\">\n  <data encoding=\"base64\" compression=\"zlib\">\n   " + data + "\n  </data>\n </layer>";
}

const std::string TILESET = R"(<tileset firstgid="1" name="bar tileset"><image source="../../../Art/tilesets/bar.png"/></tileset>)";

std::string mapText(const std::string& body) { return "<?xml version=\"1.0\"?>\n<map>" + body + "</map>"; }

}  // namespace

TEST(Base64, DecodesSkippingOtherCharacters) {
    struct Case { const char* text; std::vector<int> bytes; };
    for (const Case& c : {Case{"QUJD", {65, 66, 67}}, Case{"QUI=", {65, 66}}, Case{"QQ==", {65}}, Case{"Q Q\n= =", {65}},
                          Case{"", {}}, Case{"QU\nJD", {65, 66, 67}}, Case{"Q", {}}, Case{"QUJ", {65, 66}},
                          Case{"==QUJD", {65, 66, 67}}, Case{"\xC3\xA9QUJD", {65, 66, 67}}}) {
        auto b = Base64::decode(c.text);
        EXPECT_EQ(bytesOf(b), c.bytes) << '"' << c.text << '"';
        EXPECT_EQ(b->position, b->getLength());
    }
    EXPECT_EQ(Base64::decodeChars['='], -1);
    EXPECT_EQ(Base64::decodeChars['/'], 63);
    EXPECT_EQ(Base64::encodeChars[26], 'a');
}

TEST(Base64, EncodesWithPadding) {
    for (const char* text : {"", "A", "AB", "ABC", "ABCD"}) {
        auto b = runtime::make<framework::ByteArray>();
        for (const char* p = text; *p; ++p) b->writeByte(*p);
        const std::string encoded = Base64::encode(b);
        EXPECT_EQ(encoded.size() % 4, 0u);
        EXPECT_EQ(bytesOf(Base64::decode(encoded)), bytesOf(b));
    }
    auto abc = runtime::make<framework::ByteArray>();
    for (int v : {65, 66}) abc->writeByte(v);
    EXPECT_EQ(Base64::encode(abc), "QUI=");
}

TEST(TiledMap, ConvertReadsLittleEndianWithoutMasking) {
    auto b = runtime::make<framework::ByteArray>();
    for (int v : {1, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}) b->writeByte(v);
    EXPECT_EQ(TiledMap::convert(b, 2, 1), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(TiledMap::convert(b, 3, 1)[2], 0xFFFFFFFFu);  // read by index, whatever the position
}

class TiledMapFiles : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        TiledMap::createMaps();
    }
    void TearDown() override {
        TiledMap::TOWN = nullptr;
        TiledMap::BAR = nullptr;
        GameFixture::TearDown();
    }

    // Reads a map whose pictures are all 256 x 512; the ids asked for are kept.
    runtime::Ref<TiledMap> read(const std::string& text) {
        return TiledMap::read("assets/tiled/test.tmx", text, [this](const std::string& id) {
            imageIds.push_back(id);
            return runtime::make<framework::BitmapData>(256, 512, true, 0);
        });
    }
    // The error a refused map gives.
    std::string refusal(const std::string& text) {
        try {
            read(text);
        } catch (const runtime::Thrown& e) {
            return e.what();
        }
        return "";
    }

    std::vector<std::string> imageIds;
};

TEST_F(TiledMapFiles, TheTownAsShipped) {
    const auto& town = TiledMap::TOWN;
    ASSERT_TRUE(town);
    EXPECT_EQ(town->width, 25);
    EXPECT_EQ(town->height, 25);
    ASSERT_EQ(town->tilesets.size(), 3u);
    std::vector<int> firsts;
    for (const auto& t : town->tilesets) firsts.push_back(t->firstID);
    EXPECT_EQ(firsts, (std::vector<int>{1, 385, 401}));
    EXPECT_EQ(town->tilesets[0]->name, "town tileset");
    EXPECT_EQ(town->tilesets[0]->numTilesInRow, 16);
    EXPECT_EQ(town->tilesets[1]->numTilesInRow, 4);
    EXPECT_EQ(town->tilesets[2]->numTilesInRow, 8);
    EXPECT_EQ(town->tilesets[0]->bmd, framework::Assets::getBitmapData("assets/x2/tiled/town.png"));
    EXPECT_EQ(town->tilesets[2]->bmd, framework::Assets::getBitmapData("assets/x2/tiled/objectsTset.png"));
    ASSERT_EQ(town->layers.size(), 9u);
    int over = 0, objects = 0, hit = 0;
    for (const auto& l : town->layers) {
        EXPECT_EQ(l->tileData.size(), 625u);
        over += l->name.find("Over") != std::string::npos;
        objects += l->name == "Objects";
        hit += l->name == "Hit";
    }
    EXPECT_EQ(std::tuple(over, hit, objects), std::tuple(1, 1, 2));
    ASSERT_EQ(town->rainRects.size(), 43u);
    // Each area inset by 3 pixels; weights are the running sums of the areas before.
    int total = 0;
    for (const auto& r : town->rainRects) {
        EXPECT_EQ(static_cast<int>(r->x) % 32, 3);
        EXPECT_EQ(static_cast<int>(r->y) % 32, 3);
        EXPECT_EQ(r->weight, total);
        total += static_cast<int>(r->width * r->height);
    }
    EXPECT_EQ(town->rainRects[0]->weight, 0);

    // The fixed objects, in either object layer.
    auto objectsAt = [&](int x, int y) {
        std::set<int> ids;
        for (const auto& l : town->layers)
            if (l->name == "Objects" && l->tileData[y * 25 + x]) ids.insert(static_cast<int>(l->tileData[y * 25 + x]) - 401);
        return ids;
    };
    EXPECT_EQ(objectsAt(10, 8), (std::set<int>{0, 2}));
    EXPECT_EQ(objectsAt(10, 9), (std::set<int>{3}));
    EXPECT_EQ(objectsAt(11, 9), (std::set<int>{11}));
    EXPECT_EQ(objectsAt(5, 11), (std::set<int>{4}));
    EXPECT_EQ(objectsAt(14, 11), (std::set<int>{14}));
    std::set<int> npcs;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            for (int id : objectsAt(x, y))
                if (id >= 11 && id != 14) npcs.insert(id);
    EXPECT_EQ(npcs, (std::set<int>{11, 12, 13, 23, 24, 27, 28, 37, 38, 39, 42, 43, 57, 58}));
}

TEST_F(TiledMapFiles, TheBarAsShipped) {
    const auto& bar = TiledMap::BAR;
    ASSERT_TRUE(bar);
    EXPECT_EQ(std::pair(bar->width, bar->height), std::pair(20, 17));
    std::vector<int> firsts;
    for (const auto& t : bar->tilesets) firsts.push_back(t->firstID);
    EXPECT_EQ(firsts, (std::vector<int>{1, 129, 145}));
    std::vector<std::string> names;
    for (const auto& l : bar->layers) names.push_back(l->name);
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[4], "Objects");
    EXPECT_EQ(names[7], "Hit");
    EXPECT_NE(names[5].find("Over"), std::string::npos);
    EXPECT_NE(names[6].find("Over"), std::string::npos);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Objects"), 3);
    EXPECT_TRUE(bar->rainRects.empty());
    std::set<int> ids;
    bool exit = false;
    for (const auto& l : bar->layers)
        if (l->name == "Objects")
            for (int k = 0; k < 20 * 17; ++k)
                if (l->tileData[k]) {
                    ids.insert(static_cast<int>(l->tileData[k]) - 145);
                    exit |= k == 8 * 20 + 3 && l->tileData[k] == 146;
                }
    EXPECT_TRUE(exit);
    std::set<int> want{1, 25, 26, 40, 41, 44, 45, 59, 61};
    for (int i = 15; i <= 22; ++i) want.insert(i);
    for (int i = 29; i <= 36; ++i) want.insert(i);
    for (int i = 47; i <= 53; ++i) want.insert(i);
    EXPECT_EQ(ids, want);

    auto floor = runtime::make<MapData>(nullptr, bar);
    EXPECT_FALSE(floor->tiles[3][8]->wall);  // the exit
    EXPECT_FALSE(floor->tiles[3][7]->wall);  // where the hero walks in
    EXPECT_TRUE(floor->tiles[0][0]->wall);
    EXPECT_EQ(floor->totalRainWeight, 0);
    // edgeTile follows the 32-cell grid: only the first column and row.
    EXPECT_TRUE(floor->tiles[0][5]->edgeTile);
    EXPECT_FALSE(floor->tiles[19][5]->edgeTile);
}

TEST_F(TiledMapFiles, TheTownFloorFollowsItsHitLayer) {
    auto town = TiledMap::TOWN;
    auto floor = runtime::make<MapData>(nullptr, town, true);  // a map wins over the save
    EXPECT_TRUE(floor->preMade);
    EXPECT_EQ(std::pair(floor->width, floor->height), std::pair(25, 25));
    const game::TiledLayer* hit = nullptr;
    for (const auto& l : town->layers)
        if (l->name == "Hit") hit = l.get();
    ASSERT_TRUE(hit);
    int walls = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            EXPECT_EQ(floor->fogTilesOpacity[x][y], 0.0);
            const uint32_t gid = hit->tileData[y * 25 + x];
            EXPECT_EQ(floor->tiles[x][y]->wall, gid != 0 && (gid - 385) % 4 == 1) << x << "," << y;
            walls += floor->tiles[x][y]->wall;
        }
    EXPECT_GT(walls, 100);
    for (auto [x, y] : {std::pair{10, 8}, {10, 9}, {11, 9}, {5, 11}, {14, 11}, {14, 12}})
        EXPECT_FALSE(floor->tiles[x][y]->wall) << x << "," << y;
    EXPECT_EQ(floor->rainRects.size(), 43u);
    const auto& last = *town->rainRects.back();
    EXPECT_EQ(floor->totalRainWeight, static_cast<int>(last.weight + last.width * last.height));
    EXPECT_TRUE(floor->tileObjects.empty());
    EXPECT_FALSE(floor->startPoint);
    // The whole town can be walked between its doors and the dungeon's mouth.
    EXPECT_TRUE(floor->pathBetween(runtime::make<framework::Point>(5, 11), runtime::make<framework::Point>(10, 8)));
    EXPECT_TRUE(floor->pathBetween(runtime::make<framework::Point>(14, 11), runtime::make<framework::Point>(22, 22)));
}

TEST_F(TiledMapFiles, DetermineTileset) {
    const auto& sets = TiledMap::TOWN->tilesets;
    for (auto [gid, index] : {std::pair{1, 0}, {384, 0}, {385, 1}, {400, 1}, {401, 2}, {5000, 2}, {0, -1}})
        EXPECT_EQ(MapData::determineTileset(sets, gid), index) << gid;
    EXPECT_EQ(MapData::determineTileset({}, 7), -1);
}

TEST_F(TiledMapFiles, HitCodesBlockEdges) {
    // A hit picture 512 wide: 16 codes a row; code 11 blocks left and right, 1 is a wall.
    const std::string text = mapText(TILESET + layer("Hit", 3, 1, zipped({0, 1 + 11, 1 + 1 + 16})));
    auto map = TiledMap::read("assets/tiled/test.tmx", text, [](const std::string&) {
        return runtime::make<framework::BitmapData>(512, 128, true, 0);
    });
    auto floor = runtime::make<MapData>(nullptr, map);
    const auto& t = floor->tiles;
    EXPECT_FALSE(t[0][0]->wall);
    EXPECT_FALSE(t[1][0]->wall);
    EXPECT_TRUE(t[1][0]->leftBlocked && t[1][0]->rightBlocked);
    EXPECT_FALSE(t[1][0]->upBlocked || t[1][0]->downBlocked);
    EXPECT_TRUE(t[2][0]->wall);  // the second row's tile 1 is code 1 too
}

TEST_F(TiledMapFiles, RainAreasAreInsetAndOnlyFromTheLowerCaseGroup) {
    const std::string text = mapText(TILESET + layer("Ground", 1, 1, zipped({1})) +
                                     R"(<objectgroup name="rain"><object x="10" y="20" width="10" height="10"/>
                                        <object x="0" y="0" width="20" height="8"/></objectgroup>
                                        <objectgroup name="Rain"><object x="0" y="0" width="50" height="50"/></objectgroup>)");
    auto map = read(text);
    EXPECT_EQ(imageIds, (std::vector<std::string>{"assets/x2/tiled/bar.png"}));
    ASSERT_EQ(map->rainRects.size(), 2u);
    const auto& r = *map->rainRects[0];
    EXPECT_EQ(std::tuple(r.x, r.y, r.width, r.height, r.weight), std::tuple(13.0, 23.0, 4.0, 4.0, 0));
    EXPECT_EQ(map->rainRects[1]->weight, 16);
    auto floor = runtime::make<MapData>(nullptr, map);
    EXPECT_EQ(floor->totalRainWeight, 16 + 14 * 2);
}

TEST_F(TiledMapFiles, BadFilesGiveOneErrorNamingTheFile) {
    struct Case { const char* what; std::string text; const char* says; };
    const std::vector<Case> cases = {
        {"broken base64", mapText(TILESET + layer("Hit", 2, 2, "!!!@@@###")), "compressed"},
        {"broken zlib", mapText(TILESET + layer("Hit", 2, 2, "QUJDREVGR0hJSktMTU5PUA==")), "compressed"},
        {"short layer", mapText(TILESET + layer("Hit", 3, 3, zipped({0, 0, 0, 0}))), "16 bytes, 36 expected"},
        {"sizes differ", mapText(TILESET + layer("A", 2, 2, zipped({0, 0, 0, 0})) + layer("Hit", 3, 2, zipped({0, 0, 0, 0, 0, 0}))), "3 x 2"},
        {"gid past the last tileset", mapText(TILESET + layer("Hit", 2, 1, zipped({1, 129}))), "tile id 129"},
        {"flag bits", mapText(TILESET + layer("Hit", 1, 1, zipped({0x80000001u}))), "tile id 2147483649"},
        {"gid before the first tileset", mapText(R"(<tileset firstgid="5" name="t"><image source="t.png"/></tileset>)" +
                                                 layer("Hit", 1, 1, zipped({3}))), "tile id 3"},
        {"not XML", "<map><layer", "XML"},
        {"no map", "<?xml version=\"1.0\"?><mop/>", "no map"},
        {"no layers", mapText(TILESET), "no layers"},
        {"tiny rain", mapText(TILESET + layer("G", 1, 1, zipped({0})) + R"(<objectgroup name="rain"><object x="0" y="0" width="6" height="40"/></objectgroup>)"), "rain"},
        {"huge layer", mapText(TILESET + layer("Hit", 100000, 100000, "eJw=")), "size"},
    };
    for (const Case& c : cases) {
        const std::string error = refusal(c.text);
        EXPECT_NE(error.find("assets/tiled/test.tmx"), std::string::npos) << c.what << ": " << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.what << ": " << error;
    }
    // A picture the assets lack.
    try {
        TiledMap::read("assets/tiled/x.tmx", mapText(TILESET + layer("G", 1, 1, zipped({0}))),
                       [](const std::string&) { return runtime::Ref<framework::BitmapData>(); });
        ADD_FAILURE() << "read a map without its picture";
    } catch (const runtime::Thrown& e) {
        EXPECT_NE(std::string(e.what()).find("assets/x2/tiled/bar.png"), std::string::npos) << e.what();
    }
}

TEST_F(TiledMapFiles, FuzzCorpusReadsOrFailsCleanly) {
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLV_MAP_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string bytes = ss.str();
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(fuzzMapReader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
        // Truncated files, at a stride.
        for (size_t n = 0; n < bytes.size(); n += 97) fuzzMapReader(reinterpret_cast<const uint8_t*>(bytes.data()), n);
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}
