// The generated game assets: every id of the asset table (less the data tables and map files)
// is embedded, decodes, and has the size and layout the game reads.
#include "game/shell/DefaultAssetLibrary.h"
#include "platform/runtime/Resources.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The manifest's ids less the data tables and map files (text assets authored elsewhere).
std::set<std::string> expectedIds() {
    std::set<std::string> ids;
    for (const auto& e : game::DefaultAssetLibrary::embedded())
        if (e.type != framework::AssetType::TEXT) ids.insert(e.id);
    return ids;
}

struct Inventoried {
    int width = 0, height = 0, cellWidth = 0, cellHeight = 0, cells = 0;
    std::string kind;
};

std::map<std::string, Inventoried> inventory() {
    auto bytes = runtime::Resources::data("__game_assets__:inventory.txt");
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::map<std::string, Inventoried> out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::istringstream cols(line);
        for (std::string c; std::getline(cols, c, '\t');) f.push_back(c);
        Inventoried e;
        e.kind = f.at(1);
        if (e.kind == "IMAGE") {
            e.width = std::stoi(f.at(2));
            e.height = std::stoi(f.at(3));
            if (f.at(4) != "-" && f.at(4).rfind("row", 0) != 0) std::sscanf(f.at(4).c_str(), "%dx%d", &e.cellWidth, &e.cellHeight);
            e.cells = std::stoi(f.at(5));
        }
        out[f.at(0)] = e;
    }
    return out;
}

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    uint32_t at(int x, int y) const {
        const uint8_t* p = &rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4];
        return static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    }
};

bool decodePng(std::span<const uint8_t> bytes, Picture& out) {
    int n = 0;
    stbi_uc* px = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &out.width, &out.height, &n, 4);
    if (!px) return false;
    out.rgba.assign(px, px + static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 4);
    stbi_image_free(px);
    return true;
}

struct Memory {
    std::span<const uint8_t> bytes;
    std::size_t at = 0;
};

struct Audio {
    int channels = 0;
    long rate = 0;
    double seconds = 0;
    double peak = 0;
    std::vector<float> first, last;  // the first and last frame, one sample per channel
};

bool decodeOgg(std::span<const uint8_t> bytes, Audio& out) {
    Memory mem{bytes};
    ov_callbacks cb{};
    cb.read_func = [](void* dst, size_t size, size_t n, void* src) -> size_t {
        auto* m = static_cast<Memory*>(src);
        size_t k = std::min(size * n, m->bytes.size() - m->at);
        if (k > 0) std::memcpy(dst, m->bytes.data() + m->at, k);
        m->at += k;
        return k / size;
    };
    OggVorbis_File vf;
    if (ov_open_callbacks(&mem, &vf, nullptr, 0, cb) != 0) return false;
    vorbis_info* info = ov_info(&vf, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    long frames = 0;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&vf);
            return false;
        }
        if (n == 0) break;
        for (int c = 0; c < out.channels; ++c)
            for (long i = 0; i < n; ++i) out.peak = std::max(out.peak, static_cast<double>(std::abs(pcm[c][i])));
        if (out.first.empty())
            for (int c = 0; c < out.channels; ++c) out.first.push_back(pcm[c][0]);
        out.last.clear();
        for (int c = 0; c < out.channels; ++c) out.last.push_back(pcm[c][n - 1]);
        frames += n;
    }
    out.seconds = static_cast<double>(frames) / static_cast<double>(out.rate);
    ov_clear(&vf);
    return true;
}

TEST(GameAssets, EveryAssetOfTheTableIsEmbeddedAndNothingElse) {
    std::set<std::string> expected = expectedIds();
    EXPECT_EQ(expected.size(), 448u - 17u);
    std::set<std::string> embedded;
    for (const auto& name : runtime::Resources::names())
        if (name.rfind("assets/", 0) == 0) embedded.insert(name);
    for (const auto& id : expected) EXPECT_TRUE(embedded.count(id)) << "missing " << id;
    for (const auto& id : embedded) EXPECT_TRUE(expected.count(id)) << "not in the asset table: " << id;
    auto inv = inventory();
    for (const auto& id : expected) EXPECT_TRUE(inv.count(id)) << "not in the inventory: " << id;
}

TEST(GameAssets, PicturesDecodeAtTheirInventorySizeAndCellGrid) {
    int pictures = 0;
    for (const auto& [id, e] : inventory()) {
        if (e.kind != "IMAGE") continue;
        ++pictures;
        Picture p;
        ASSERT_TRUE(decodePng(runtime::Resources::data(id), p)) << id;
        EXPECT_EQ(p.width, e.width) << id;
        EXPECT_EQ(p.height, e.height) << id;
        if (e.cellWidth > 0) {
            EXPECT_EQ(p.width % e.cellWidth, 0) << id;
            int perRow = p.width / e.cellWidth;
            int rows = e.cellHeight > 0 ? p.height / e.cellHeight : 1;
            EXPECT_LE(e.cells, perRow * rows) << id;
        }
        bool visible = false;
        for (std::size_t i = 3; i < p.rgba.size() && !visible; i += 4) visible = p.rgba[i] != 0;
        if (id != "assets/x2/misc/blankPixel.png") {
            EXPECT_TRUE(visible) << id << " is blank";
        }
    }
    EXPECT_EQ(pictures, 346);
}

// Sizes the game's code states for itself, checked against the pictures as well as the inventory.
TEST(GameAssets, PicturesHaveTheSizesTheGameCodeAssumes) {
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"assets/fonts/mediSans14.png", {241, 42}},        {"assets/fonts/mediSansOutline14.png", {249, 48}},
        {"assets/fonts/mediSans20.png", {302, 60}},        {"assets/fonts/mediSansOutline20.png", {328, 66}},
        {"assets/items/itemBlankIcons.png", {416, 64}},    {"assets/items/weapons.png", {480, 192}},
        {"assets/items/consumables.png", {480, 480}},      {"assets/items/magics.png", {480, 48}},
        {"assets/ui/elemIcons.png", {60, 150}},            {"assets/ui/skillIcons.png", {135, 162}},
        {"assets/ui/enchantmentGems.png", {40, 48}},       {"assets/ui/blackSliderHandle.png", {27, 19}},
        {"assets/x2/heroes/guy.png", {288, 144}},          {"assets/x2/heroes/girlAttack.png", {304, 37}},
        {"assets/x2/heroes/velixDie.png", {600, 37}},      {"assets/x2/treasure/chests.png", {80, 88}},
        {"assets/x2/treasure/statgems.png", {84, 102}},    {"assets/x2/misc/soulCrystal.png", {130, 122}},
        {"assets/x2/misc/woodDoor.png", {115, 37}},        {"assets/x2/misc/shadows.png", {32, 64}},
        {"assets/x2/tilesets/cave.png", {256, 288}},       {"assets/x2/tilesets/demonTiles.png", {256, 320}},
        {"assets/x2/tilesets/secretStuff.png", {160, 96}}, {"assets/x2/tiled/town.png", {512, 768}},
        {"assets/x2/tiled/bar.png", {256, 512}},           {"assets/x2/npcs/guard.png", {108, 70}},
        {"assets/ui/skillTreeMap.png", {70, 70}},          {"assets/x2/magic/lightbeam.png", {480, 96}},
        {"assets/misc/fogTemplate.png", {13, 13}},         {"assets/ui/skillIcons50.png", {160, 120}},
    };
    for (const auto& [id, size] : sizes) {
        Picture p;
        ASSERT_TRUE(decodePng(runtime::Resources::data(id), p)) << id;
        EXPECT_EQ(std::make_pair(p.width, p.height), size) << id;
    }
}

// The fog template holds the fog's opacity around the hero: clear where he stands, thick at the
// rim of the 13 x 13 square.
TEST(GameAssets, FogTemplateClearsTheHerosTile) {
    Picture p;
    ASSERT_TRUE(decodePng(runtime::Resources::data("assets/misc/fogTemplate.png"), p));
    EXPECT_EQ(p.at(6, 6) >> 24, 0u);
    EXPECT_EQ(p.at(0, 0) >> 24, 255u);
    EXPECT_EQ(p.at(12, 6) >> 24, 255u);
}

TEST(GameAssets, EveryFontGlyphCellHoldsAGlyph) {
    // Right edges of the first cells of each row of the 14-pixel plain atlas; every cell has ink.
    Picture p;
    ASSERT_TRUE(decodePng(runtime::Resources::data("assets/fonts/mediSans14.png"), p));
    const int edges[3][3] = {{11, 19, 28}, {7, 15, 22}, {9, 13, 21}};
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 3; ++k) {
            int x0 = k == 0 ? 0 : edges[row][k - 1];
            int ink = 0;
            for (int y = row * 14; y < row * 14 + 14; ++y)
                for (int x = x0; x < edges[row][k]; ++x) ink += (p.at(x, y) >> 24) > 128;
            EXPECT_GT(ink, 5) << "row " << row << " cell " << k;
        }
}

TEST(GameAssets, SkillTreePictureHoldsEachBranchsNodesAndOneCentre) {
    Picture p;
    ASSERT_TRUE(decodePng(runtime::Resources::data("assets/ui/skillTreeMap.png"), p));
    int white = 0, combat = 0, misc = 0, magic = 0;
    std::vector<std::pair<int, int>> magicOrder;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            uint32_t c = p.at(x, y) & 0xFFFFFF;
            if (c == 0) continue;
            if (c == 0xFFFFFF) ++white;
            else if (c & 0xFF0000) ++combat;
            else if (c & 0x00FF00) ++misc;
            else {
                ++magic;
                magicOrder.emplace_back(x, y);
            }
        }
    EXPECT_EQ(white, 1);
    EXPECT_EQ(magic, 49);
    EXPECT_EQ(combat, 41);
    EXPECT_EQ(misc, 44);
    EXPECT_EQ(p.at(34, 35) & 0xFFFFFF, 0xFFFFFFu);
    // The table pairs pixels with nodes by scan order: the fourth magic node stands at (51, 13),
    // the last one, next to the centre, at (34, 32).
    ASSERT_EQ(magicOrder.size(), 49u);
    EXPECT_EQ(magicOrder[3], std::make_pair(51, 13));
    EXPECT_EQ(magicOrder[48], std::make_pair(34, 32));
    EXPECT_EQ(p.at(58, 35) & 0xFFFFFF, 0xFF0000u);  // a large combat node
    EXPECT_EQ(p.at(31, 37) & 0xFFFFFF, 0x004400u);  // a normal misc node
}

TEST(GameAssets, SoundsAndMusicDecodeWithFittingLengths) {
    int effects = 0, music = 0;
    for (const auto& [id, e] : inventory()) {
        if (e.kind != "SOUND" && e.kind != "MUSIC") continue;
        Audio a;
        ASSERT_TRUE(decodeOgg(runtime::Resources::data(id), a)) << id;
        EXPECT_GT(a.peak, 0.05) << id << " is silent";
        EXPECT_EQ(a.rate, 44100) << id;
        if (id.find("musicLong/") == std::string::npos) {
            ++effects;
            EXPECT_EQ(a.channels, 1) << id;
            EXPECT_GT(a.seconds, 0.05) << id;
            EXPECT_LT(a.seconds, 4.0) << id;
        } else if (e.kind == "MUSIC") {
            ++music;
            EXPECT_EQ(a.channels, 2) << id;
            EXPECT_GE(a.seconds, 20.0) << id;
            EXPECT_LE(a.seconds, 40.0) << id;
            // The loop joins its own start without a click.
            for (int c = 0; c < a.channels; ++c) EXPECT_NEAR(a.last[static_cast<std::size_t>(c)], a.first[static_cast<std::size_t>(c)], 0.08) << id;
        } else {
            EXPECT_EQ(a.channels, 2) << id;
            EXPECT_GT(a.seconds, 2.0) << id;
            EXPECT_LT(a.seconds, 15.0) << id;
        }
    }
    EXPECT_EQ(effects, 67);
    EXPECT_EQ(music, 8);
}

// The inventory and the skill tree's pixel list are kept in the sources for the table authors;
// they must say what the generator makes.
TEST(GameAssets, CommittedListsMatchTheGenerator) {
    for (std::string name : {"inventory.txt", "skill-tree.txt"}) {
        auto made = runtime::Resources::data("__game_assets__:" + name);
        auto kept = runtime::Resources::data("__game_assets__:committed/" + name);
        EXPECT_TRUE(std::equal(made.begin(), made.end(), kept.begin(), kept.end()))
            << "tools/assetgen/" << name << " is out of date: copy it from the build's game-assets folder";
    }
}

TEST(GameAssets, TheFontIsATrueTypeFile) {
    auto ttf = runtime::Resources::data("assets/fonts/MedievalSharp-Bold.ttf");
    ASSERT_GT(ttf.size(), 1000u);
    EXPECT_EQ(ttf[0], 0);
    EXPECT_EQ(ttf[1], 1);
    EXPECT_EQ(ttf[2], 0);
    EXPECT_EQ(ttf[3], 0);
}

// The monster table's sprite geometry fits the generated strips: cell sizes, cell counts, the
// flyer's two-row attack sheet, the frames of the blow and the effect, and the ground point.
TEST(GameAssets, TheMonsterTableFitsTheMonsterStrips) {
    auto bytes = runtime::Resources::data("__game_assets__:monsters.xml");
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(bytes.data(), bytes.size()));
    auto inv = inventory();
    int pictured = 0;
    for (pugi::xml_node m : doc.document_element().children()) {
        std::string stem = m.attribute("name").value();
        std::erase(stem, ' ');
        auto num = [&](const char* a) { return m.attribute(a).as_int(); };
        if (num("width") == 0) continue;
        ++pictured;
        const Inventoried& idle = inv["assets/x2/monsters/" + stem + "Idle.png"];
        const Inventoried& attack = inv["assets/x2/monsters/" + stem + "Attack.png"];
        EXPECT_EQ(std::make_pair(num("width"), num("height")), std::make_pair(idle.cellWidth, idle.cellHeight)) << stem;
        EXPECT_EQ(num("idleFrames"), idle.cells) << stem;
        EXPECT_EQ(std::make_pair(num("attWidth"), num("attHeight")), std::make_pair(attack.cellWidth, attack.cellHeight)) << stem;
        int w = num("attWidth"), h = num("attHeight"), frames = num("attFrames");
        ASSERT_GT(frames, 0) << stem;
        if (std::string(m.attribute("flying").value()) == "true") {
            // Pose on row 0, attack on its own row further down.
            EXPECT_EQ(num("attStartX"), 0) << stem;
            EXPECT_GE(num("attStartY"), h) << stem;
            EXPECT_LE(num("attStartY") + h, attack.height) << stem;
            EXPECT_LE(frames * w, attack.width) << stem;
            EXPECT_EQ(num("attIdleFrames") + frames, attack.cells) << stem;
        } else {
            EXPECT_EQ(frames + 1, attack.cells) << stem;
            EXPECT_LE((frames + 1) * w, attack.width) << stem;
        }
        EXPECT_GE(num("dmgFrame"), 1) << stem;
        EXPECT_LE(num("dmgFrame"), frames) << stem;
        if (m.attribute("effect")) {
            EXPECT_GE(num("effectFrame"), 1) << stem;
            EXPECT_LE(num("effectFrame"), frames) << stem;
        }
        EXPECT_GT(num("groundX"), 0) << stem;
        EXPECT_LT(num("groundX"), w) << stem;
        EXPECT_GT(num("groundY"), 0) << stem;
        EXPECT_LT(num("groundY"), h) << stem;
    }
    EXPECT_EQ(pictured, 44);
}

}  // namespace
