// The pixel effects computed in the framework, over real surfaces.
#include <gtest/gtest.h>

#include "framework/display/BitmapData.h"
#include "framework/display/OptimizedPerlin.h"

using framework::BitmapData;
using framework::OptimizedPerlin;
using framework::Point;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {
constexpr uint64_t GOLDEN_PERLIN_SUM = 16867341124485540080ull;
std::vector<uint32_t> words(const Ref<BitmapData>& b) {
    std::vector<uint8_t> d = b->getPixels(b->get_rect())->data();
    std::vector<uint32_t> out;
    for (std::size_t i = 0; i + 3 < d.size(); i += 4)
        out.push_back((uint32_t{d[i]} << 24) | (uint32_t{d[i + 1]} << 16) | (uint32_t{d[i + 2]} << 8) | d[i + 3]);
    return out;
}
Ref<BitmapData> filled(int w, int h, uint32_t c) { return make<BitmapData>(w, h, true, static_cast<int>(c)); }
Ref<Point> origin() { return make<Point>(0, 0); }
Ref<runtime::Array> ints(std::vector<int> v) {
    auto a = make<runtime::Array>();
    for (int i : v) a->push(i);
    return a;
}
}  // namespace

TEST(PerlinNoise, TablesAndAGoldenChecksum) {
    auto p = make<OptimizedPerlin>();
    EXPECT_EQ(p->aOctFreq, (std::vector<double>{1, 2, 4, 8}));
    EXPECT_EQ(p->aOctPers, (std::vector<double>{1, 0.5, 0.25, 0.125}));
    EXPECT_DOUBLE_EQ(p->fPersMax, 1 / 1.875);
    EXPECT_EQ(p->iXoffset, 2067261);
    EXPECT_EQ(p->iYoffset, 384717275);
    EXPECT_EQ(p->iZoffset, 2017463455);

    auto a = filled(32, 24, 0);
    a->perlinNoise(3, 5, 4, 42, false, false);
    auto b = filled(32, 24, 0);
    b->perlinNoise(3, 5, 4, 42, true, true, 1, true, ints({1, 2}));
    std::vector<uint32_t> pa = words(a);
    EXPECT_EQ(pa, words(b));
    uint64_t sum = 0;
    for (uint32_t w : pa) {
        EXPECT_EQ(w >> 24, 0xFFu);
        EXPECT_TRUE(((w >> 16) & 0xFF) == (w & 0xFF) && ((w >> 8) & 0xFF) == (w & 0xFF));
        sum = sum * 31 + w;
    }
    EXPECT_EQ(sum, GOLDEN_PERLIN_SUM);
}

TEST(Threshold, SameSurfaceAndGeneralPaths) {
    struct Case {
        const char* op;
        uint32_t pixel, threshold, mask;
        bool hit;
    };
    const Case cases[] = {
        {"==", 0xFF102030, 0xFF102030, 0xFFFFFFFF, true}, {"!=", 0xFF102030, 0xFF102030, 0xFFFFFFFF, false},
        {"<", 0xFF102030, 0xFF102031, 0xFFFFFFFF, true},  {">", 0xFF102030, 0xFF102031, 0xFFFFFFFF, false},
        {"<=", 0xFF102030, 0xFF102030, 0xFFFFFFFF, true}, {">=", 0xFF102031, 0xFF102030, 0xFFFFFFFF, true},
        // The mask applies to the byte-reversed word: its top byte is blue.
        {"==", 0xFF000030, 0x00000030, 0xFF000000, true}, {"==", 0xFF300000, 0x00300010, 0xFF000000, false},
        {"~", 0xFF102030, 0xFF102030, 0xFFFFFFFF, false},
    };
    for (const auto& c : cases) {
        auto b = filled(4, 3, c.pixel);
        int hits = b->threshold(b, b->get_rect(), origin(), c.op, static_cast<int>(c.threshold), 0xFF00FF00,
                                static_cast<int>(c.mask));
        EXPECT_EQ(hits, c.hit ? 12 : 0) << c.op;
        EXPECT_EQ(words(b)[5], c.hit ? 0xFF00FF00u : c.pixel) << c.op;
    }
    // General path: another source copied to a destination point.
    auto src = filled(2, 2, 0xFF0000FF);
    auto dst = filled(4, 4, 0xFF000000);
    EXPECT_EQ(dst->threshold(src, src->get_rect(), make<Point>(1, 1), "==", 0xFF0000FF, 0xFFFFFFFF), 4);
    std::vector<uint32_t> d = words(dst);
    EXPECT_EQ(d[5], 0xFFFFFFFFu);
    EXPECT_EQ(d[0], 0xFF000000u);
    // A source rectangle smaller than the source stays inside the surface.
    auto big = filled(16, 16, 0xFF0000FF);
    auto small = filled(16, 16, 0);
    int hits = small->threshold(big, make<Rectangle>(12, 12, 2, 2), origin(), "==", 0xFF0000FF, 0xFFFFFFFF);
    EXPECT_EQ(hits, 4);
}

TEST(PaletteMapAndMerge, Tables) {
    auto src = filled(2, 1, 0x80C01020);
    auto dst = filled(3, 1, 0);
    dst->paletteMap(src, src->get_rect(), make<Point>(1, 0));
    EXPECT_EQ(words(dst), (std::vector<uint32_t>{0, 0x80C01020, 0x80C01020}));
    // Red 0xC0 is beyond the 10 entries of the red table: its contribution is 0.
    auto mapped = filled(1, 1, 0);
    mapped->paletteMap(src, make<Rectangle>(0, 0, 1, 1), origin(), ints({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), nullptr,
                       ints(std::vector<int>(256, 0x000000AA)));
    EXPECT_EQ(words(mapped)[0], 0x800010AAu);

    struct Case {
        int m;
        uint32_t expected;
    };
    for (Case c : {Case{256, 0xFF804020u}, Case{0, 0xFF204080u}, Case{128, 0xFF504050u}}) {
        auto s = filled(1, 1, 0xFF804020), d = filled(1, 1, 0xFF204080);
        d->merge(s, s->get_rect(), origin(), c.m, c.m, c.m, c.m);
        EXPECT_EQ(words(d)[0], c.expected) << c.m;
    }
}
