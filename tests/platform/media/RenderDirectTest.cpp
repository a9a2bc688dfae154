// Bitmaps and tiles composited straight onto the target must give exactly the pixels cairo
// gives: every case is drawn both ways and the premultiplied results compared byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/media/native/NodeStore.h"
#include "platform/media/native/Rasterizer.h"
#include "platform/media/native/Renderer.h"
#include "platform/media/native/Surface.h"
#include "platform/media/native/TileSheet.h"

namespace {
using media::GraphicsList;
using media::Rasterizer;
using media::Surface;
using Op = GraphicsList::Op;

struct Random {
    uint32_t state;
    uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
    template <class T>
    T pick(std::initializer_list<T> xs) {
        return xs.begin()[below(static_cast<int>(xs.size()))];
    }
};

// Pixels with the alphas that round differently: 0, 1, 2, 127, 128, 254, 255 and others; some
// rows wholly opaque and some wholly clear.
runtime::Ref<Surface> noise(int w, int h, bool transparent, Random& rnd) {
    auto s = runtime::make<Surface>(w, h, transparent, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t a = rnd.pick<uint32_t>({0, 1, 2, 127, 128, 200, 254, 255, 255});
            if (rnd.below(3) == 0) a = rnd.next() & 0xFF;
            if (y % 5 == 1) a = 255;
            uint32_t rgb = y % 5 == 3 ? 0 : rnd.next() & 0xFFFFFF;
            if (y % 5 == 3) a = 0;
            s->at(x, y) = (transparent ? a << 24 : 0xFF000000u) | rgb;
        }
    s->touch();
    return s;
}

GraphicsList::Command command(Op op, std::initializer_list<double> v = {}) {
    GraphicsList::Command c;
    c.op = op;
    int i = 0;
    for (double x : v) c.v[i++] = x;
    return c;
}

// Draws list into a copy of base, through cairo only or with the direct path, under an
// optional clip box; answers the premultiplied pixels.
std::vector<uint32_t> drawn(const Surface& base, const GraphicsList& list, const media::Matrix2D& m,
                            const media::ColorTransform8& ct, cairo_operator_t op, const int* clip, bool direct) {
    Surface target(base.width(), base.height(), base.transparent(), 0);
    target.copyFrom(base, {0, 0, static_cast<double>(base.width()), static_cast<double>(base.height())}, 0, 0, false);
    cairo_t* cr = target.beginDrawing();
    Rasterizer::Target fast;
    fast.image = target.pixmanImage();
    fast.x1 = target.width();
    fast.y1 = target.height();
    fast.boxClip = true;
    if (clip) {
        cairo_rectangle(cr, clip[0], clip[1], clip[2] - clip[0], clip[3] - clip[1]);
        cairo_clip(cr);
        fast.x0 = std::max(clip[0], 0);
        fast.y0 = std::max(clip[1], 0);
        fast.x1 = std::min(clip[2], target.width());
        fast.y1 = std::min(clip[3], target.height());
    }
    Rasterizer raster;
    raster.draw(cr, list, m, ct, op, direct ? &fast : nullptr);
    cairo_surface_flush(cairo_get_target(cr));
    const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(cairo_get_target(cr)));
    std::vector<uint32_t> out(data, data + static_cast<std::size_t>(target.width()) * target.height());
    target.endDrawing(cr);
    return out;
}

// The first differing pixel, or "" when a and b agree.
std::string difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int w) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "at %d,%d: direct %08X, cairo %08X", static_cast<int>(i % w),
                          static_cast<int>(i / w), a[i], b[i]);
            return text;
        }
    return "";
}

// Alphas at cairo's rounding edges: below 0.5/255 nothing shows, from 255/256 everything does.
const double ALPHAS[] = {1, 0.5, 1.0 / 255, 0.5 / 255, 0.0038, 0.0039, 0.00389, 0.25, 254.0 / 255, 0.996, 0.9961,
                         0.99, 0, -0.5, 1.5, 0.333};
}  // namespace

TEST(RenderDirect, BitmapRectanglesMatchCairo) {
    Random rnd{12345};
    const int W = 23, H = 17;
    for (int round = 0; round < 600; ++round) {
        bool transparentTarget = rnd.below(4) != 0;
        auto base = noise(W, H, transparentTarget, rnd);
        auto picture = noise(1 + rnd.below(19), 1 + rnd.below(9), rnd.below(3) != 0, rnd);
        auto fill = command(Op::BeginBitmapFill);
        fill.surface = picture;
        fill.flags = rnd.pick({0, 0, 2, 4, 1, 3});  // matrix, repeat, smooth
        if (fill.flags & 1) {
            fill.v[0] = fill.v[3] = 1;
            fill.v[4] = rnd.below(9) - 4;
            fill.v[5] = rnd.below(9) - 4;
        }
        double x = rnd.below(30) - 10, y = rnd.below(24) - 8, w = rnd.below(26) - 2, h = rnd.below(16) - 2;
        if (rnd.below(8) == 0) x += 0.5;  // off the pixel grid: cairo's own path
        GraphicsList list;
        auto again = fill;
        list.add(std::move(fill));
        list.add(command(Op::Rect, {x, y, w, h}));
        // Drawn again at the same alpha, the picture comes from its faded copy.
        if (rnd.below(2) == 0) {
            list.add(std::move(again));
            list.add(command(Op::Rect, {y, x, h, w}));
        }
        list.add(command(Op::EndFill));
        media::Matrix2D m{1, 0, 0, 1, static_cast<double>(rnd.below(9) - 4), static_cast<double>(rnd.below(9) - 4)};
        if (rnd.below(10) == 0) m.a = m.d = 2;  // scaled: cairo's own path
        media::ColorTransform8 ct;
        ct.alphaMultiplier = ALPHAS[rnd.below(static_cast<int>(std::size(ALPHAS)))];
        if (rnd.below(4) == 0) {
            ct.redMultiplier = 0.5;
            ct.blueOffset = 40;
            ct.alphaOffset = rnd.pick<double>({0, -20, 1});
        }
        cairo_operator_t op = rnd.pick({CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_ADD});
        int clip[4] = {rnd.below(12) - 2, rnd.below(10) - 2, 0, 0};
        clip[2] = clip[0] + rnd.below(20);
        clip[3] = clip[1] + rnd.below(16);
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, op, c, true), drawn(*base, list, m, ct, op, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round << " rect " << x << "," << y << " " << w << "x" << h << " alpha "
                            << ct.alphaMultiplier << " flags " << list.commands()[0].flags;
    }
}

// Bitmaps enlarged by powers of two along the axes and sampled nearest are composited directly
// when they land on whole device pixels; other scales, smoothing, alpha and off-grid places stay
// with cairo. Both give the same bytes.
TEST(RenderDirect, ScaledBitmapRectanglesMatchCairo) {
    Random rnd{2727};
    const int W = 41, H = 29;
    for (int round = 0; round < 500; ++round) {
        auto base = noise(W, H, rnd.below(4) != 0, rnd);
        auto picture = noise(1 + rnd.below(12), 1 + rnd.below(9), rnd.below(3) != 0, rnd);
        auto fill = command(Op::BeginBitmapFill);
        fill.surface = picture;
        fill.flags = rnd.pick({0, 0, 0, 1, 2, 4});  // matrix, repeat, smooth
        if (fill.flags & 1) {
            fill.v[0] = fill.v[3] = 1;
            fill.v[4] = rnd.below(5) - 2;
            fill.v[5] = rnd.below(5) - 2 + (rnd.below(8) == 0 ? 0.5 : 0);
        }
        double sx = rnd.pick<double>({2, 2, 4, 32, 1, 3, 0.5}), sy = rnd.below(3) == 0 ? rnd.pick<double>({1, 2, 8, 1.5}) : sx;
        // The picture's own rectangle, or one cut from it or reaching past it, on or off the grid.
        double x = 0, y = 0, w = picture->width(), h = picture->height();
        if (rnd.below(2) == 0) {
            x = rnd.below(6) - 2;
            y = rnd.below(6) - 2;
            w = rnd.below(14) - 1;
            h = rnd.below(10) - 1;
        }
        if (rnd.below(8) == 0) x += 0.5;
        GraphicsList list;
        list.add(std::move(fill));
        list.add(command(Op::Rect, {x, y, w, h}));
        list.add(command(Op::EndFill));
        media::Matrix2D m{sx, 0, 0, sy, static_cast<double>(rnd.below(40) - 20), static_cast<double>(rnd.below(30) - 15)};
        if (rnd.below(8) == 0) m.tx += 0.5;
        media::ColorTransform8 ct;
        ct.alphaMultiplier = rnd.pick<double>({1, 1, 1, 0.5, 1.5});
        if (rnd.below(8) == 0) ct.redOffset = 30;
        cairo_operator_t op = rnd.pick({CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_ADD});
        int clip[4] = {rnd.below(20) - 2, rnd.below(14) - 2, 0, 0};
        clip[2] = clip[0] + rnd.below(30);
        clip[3] = clip[1] + rnd.below(20);
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, op, c, true), drawn(*base, list, m, ct, op, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round << " scale " << sx << "x" << sy << " at " << m.tx << "," << m.ty
                            << " rect " << x << "," << y << " " << w << "x" << h;
    }
}

// An opaque target stays opaque: draws that cannot lower its alpha leave it as drawn, and a blend
// that does (erase, alpha) is repaired after the drawing.
TEST(RenderDirect, OpaqueTargetsStayOpaque) {
    Random rnd{31};
    for (int blend : {0, 2, 7, 10, 11}) {
        auto picture = noise(12, 9, true, rnd);
        Surface target(16, 12, false, 0xFF204060u);
        media::Renderer::drawSurface(*picture, target, media::Matrix2D{1, 0, 0, 1, 2, 1}, media::ColorTransform8{},
                                     blend, nullptr, false);
        media::Renderer::drawSurface(*picture, target, media::Matrix2D{1.5, 0, 0, 1, 0.5, 2}, media::ColorTransform8{},
                                     blend, nullptr, true);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                ASSERT_EQ(target.at(x, y) >> 24, 255u) << "blend " << blend << " at " << x << "," << y;
        // What a cairo draw reads back agrees with the pixels.
        cairo_t* cr = target.beginDrawing();
        cairo_surface_flush(cairo_get_target(cr));
        const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(cairo_get_target(cr)));
        EXPECT_EQ(std::memcmp(data, target.pixels(), 16 * 12 * 4), 0) << "blend " << blend;
        target.endDrawing(cr);
    }
}

TEST(RenderDirect, TilesMatchCairo) {
    Random rnd{777};
    const int W = 29, H = 21;
    using media::TileSheet;
    for (int round = 0; round < 400; ++round) {
        auto base = noise(W, H, rnd.below(4) != 0, rnd);
        auto sheet = runtime::make<TileSheet>(noise(20, 10, rnd.below(3) != 0, rnd));
        // Tiles inside the sheet, reaching past its edges, and at fractional places in it.
        sheet->addTile({0, 0, 4, 4}, 0, 0);
        sheet->addTile({8, 6, 6, 6}, 2, 1);
        sheet->addTile({-2, 3, 5, 3}, 0, 0);
        sheet->addTile({2.5, 1.25, 13.5, 2.5}, 0.5, 0);
        auto tiles = command(Op::Tiles);
        tiles.sheet = sheet;
        int flags = TileSheet::TILE_ALPHA | rnd.pick({0, TileSheet::TILE_TRANS_2x2, TileSheet::TILE_RGB,
                                                      TileSheet::TILE_SCALE});
        flags |= rnd.pick({0, 0, TileSheet::TILE_BLEND_ADD, TileSheet::TILE_BLEND_MULTIPLY, TileSheet::TILE_SMOOTH});
        tiles.flags = flags;
        for (int i = 0; i < 12; ++i) {
            double x = rnd.below(40) - 8, y = rnd.below(30) - 8;
            if (rnd.below(10) == 0) y += 0.25;
            tiles.data.insert(tiles.data.end(), {x, y, static_cast<double>(rnd.below(5))});  // id 4: no tile
            if (flags & TileSheet::TILE_TRANS_2x2) tiles.data.insert(tiles.data.end(), {1, 0, 0, rnd.pick<double>({1, 1, -1})});
            if (flags & TileSheet::TILE_SCALE) tiles.data.push_back(rnd.pick<double>({1, 1, 2}));
            if (flags & TileSheet::TILE_RGB) tiles.data.insert(tiles.data.end(), {1, rnd.pick<double>({1, 0.5}), 1});
            tiles.data.push_back(ALPHAS[rnd.below(static_cast<int>(std::size(ALPHAS)))]);
        }
        GraphicsList list;
        list.add(std::move(tiles));
        media::Matrix2D m{1, 0, 0, 1, static_cast<double>(rnd.below(7) - 3), static_cast<double>(rnd.below(7) - 3)};
        media::ColorTransform8 ct;
        ct.alphaMultiplier = rnd.pick<double>({1, 1, 0.5, 0.7});
        if (rnd.below(5) == 0) ct.greenOffset = 30;
        cairo_operator_t op = rnd.pick({CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_ADD, CAIRO_OPERATOR_SCREEN});
        int clip[4] = {rnd.below(10) - 2, rnd.below(10) - 2, 0, 0};
        clip[2] = clip[0] + rnd.below(30);
        clip[3] = clip[1] + rnd.below(22);
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, op, c, true), drawn(*base, list, m, ct, op, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round << " flags " << flags;
    }
}

// Tiles scaled along the axes and sampled nearest are composited directly with hard edges: a
// device pixel is covered when its centre lies inside the placed tile (and inside the sheet),
// and shows the sheet pixel under that centre.
TEST(RenderDirect, ScaledTilesCoverPixelCentres) {
    Random rnd{4242};
    const int W = 40, H = 30;
    using media::TileSheet;
    for (int round = 0; round < 200; ++round) {
        auto base = noise(W, H, false, rnd);
        auto sheetPixels = noise(20, 10, round % 2 == 1, rnd);
        auto sheet = runtime::make<TileSheet>(sheetPixels);
        sheet->addTile({8, 6, 6, 6}, 2, 1);   // reaches past the sheet's bottom
        sheet->addTile({-2, 3, 5, 3}, 0, 0);  // and past its left edge
        sheet->addTile({1, 1, 7, 4}, 0.5, 0);
        int id = rnd.below(3);
        double scale = rnd.pick<double>({1.01, 1.5, 0.7, 3});
        double x = rnd.below(300) / 10.0 - 5, y = rnd.below(250) / 10.0 - 5;
        auto tiles = command(Op::Tiles);
        tiles.sheet = sheet;
        tiles.flags = TileSheet::TILE_SCALE;
        tiles.data = {x, y, static_cast<double>(id), scale};
        GraphicsList list;
        list.add(std::move(tiles));
        const int clip[4] = {3, 2, 33, 27};
        const int* c = round % 3 == 0 ? clip : nullptr;
        media::Matrix2D identity;
        media::ColorTransform8 ct;
        auto direct = drawn(*base, list, identity, ct, CAIRO_OPERATOR_OVER, c, true);
        const media::TileSheet::Tile& t = sheet->tiles[static_cast<std::size_t>(id)];
        double tx = x - scale * t.centerX, ty = y - scale * t.centerY;
        int sx = static_cast<int>(std::floor(t.rect.x)), sy = static_cast<int>(std::floor(t.rect.y));
        int w = static_cast<int>(std::ceil(t.rect.width)), h = static_cast<int>(std::ceil(t.rect.height));
        int u0 = std::max(0, -sx), v0 = std::max(0, -sy), u1 = std::min(w, 20 - sx), v1 = std::min(h, 10 - sy);
        double left = tx + u0 * scale, right = tx + u1 * scale, top = ty + v0 * scale, bottom = ty + v1 * scale;
        for (int py = 0; py < H; ++py)
            for (int px = 0; px < W; ++px) {
                std::size_t i = static_cast<std::size_t>(py) * W + px;
                bool clipped = c && (px < c[0] || py < c[1] || px >= c[2] || py >= c[3]);
                double cx = px + 0.5, cy = py + 0.5;
                bool covered = !clipped && cx >= left && cx < right && cy >= top && cy < bottom;
                uint32_t want = base->at(px, py);
                if (covered) {
                    int u = static_cast<int>(std::floor((cx - tx) / scale)), v = static_cast<int>(std::floor((cy - ty) / scale));
                    uint32_t p = sheetPixels->at(sx + u, sy + v), alpha = p >> 24;
                    if (alpha == 255) want = p;
                    else if (alpha != 0) continue;  // a blend: the over rule is checked against cairo above
                }
                ASSERT_EQ(direct[i], want) << "round " << round << " at " << px << "," << py;
            }
    }
}

// Whole trees: scroll rects on and off the pixel grid, scaled parents, alpha and colour
// transforms, rendered into the frame and into a surface under a clip.
TEST(RenderDirect, TreesWithScrollRectsMatchCairo) {
    media::NodeStore& store = media::NodeStore::get();
    Random rnd{99};
    const int W = 48, H = 36;
    for (int round = 0; round < 60; ++round) {
        std::vector<int> nodes;
        int stage = store.create(media::NodeStore::Kind::Stage);
        store.at(stage).background = 0x01336699;
        nodes.push_back(stage);
        auto picture = noise(10, 8, true, rnd);
        auto sheet = runtime::make<media::TileSheet>(noise(8, 8, false, rnd));
        sheet->addTile({0, 0, 4, 4}, 0, 0);
        sheet->addTile({4, 2, 4, 6}, 1, 1);
        // A backdrop picture first: opaque over the whole frame (the background fill never
        // shows), one pixel short of it, or translucent.
        if (round % 4 != 3) {
            int back = store.create(media::NodeStore::Kind::Object);
            store.addChild(stage, back);
            nodes.push_back(back);
            auto fill = command(Op::BeginBitmapFill);
            fill.surface = noise(W, H, round % 4 == 2, rnd);
            store.at(back).graphics.add(std::move(fill));
            store.at(back).graphics.add(command(Op::Rect, {0, 0, W - (round % 4 == 1 ? 1.0 : 0.0), H}));
            store.at(back).graphics.add(command(Op::EndFill));
        }
        for (int i = 0; i < 10; ++i) {
            int parent = nodes[static_cast<std::size_t>(rnd.below(static_cast<int>(nodes.size())))];
            int n = store.create(media::NodeStore::Kind::Object);
            store.addChild(parent, n);
            nodes.push_back(n);
            media::NodeStore::Node& node = store.at(n);
            node.x = rnd.below(30) - 5 + (rnd.below(8) == 0 ? 0.5 : 0);
            node.y = rnd.below(24) - 5;
            if (rnd.below(8) == 0) node.scaleX = node.scaleY = 2;
            node.color.alphaMultiplier = rnd.pick<double>({1, 1, 0.5, 0.2});
            if (rnd.below(6) == 0) node.color.redOffset = 50;
            if (rnd.below(3) == 0) {
                node.hasScrollRect = true;
                node.scrollRect = {static_cast<double>(rnd.below(6)), static_cast<double>(rnd.below(6)),
                                   static_cast<double>(4 + rnd.below(20)), static_cast<double>(4 + rnd.below(16))};
                if (rnd.below(4) == 0) node.scrollRect.width += 0.5;
            }
            GraphicsList& g = node.graphics;
            if (rnd.below(3) == 0) {
                auto tiles = command(Op::Tiles);
                tiles.sheet = sheet;
                tiles.flags = media::TileSheet::TILE_ALPHA;
                for (int k = 0; k < 6; ++k)
                    tiles.data.insert(tiles.data.end(), {static_cast<double>(rnd.below(20) - 4),
                                                         static_cast<double>(rnd.below(20) - 4),
                                                         static_cast<double>(rnd.below(2)), rnd.pick<double>({1, 0.5})});
                g.add(std::move(tiles));
            } else {
                auto fill = command(Op::BeginBitmapFill);
                fill.surface = picture;
                g.add(std::move(fill));
                g.add(command(Op::Rect, {0, 0, 10, 8}));
                g.add(command(Op::EndFill));
            }
            node.contentBounds = g.bounds();
        }
        std::vector<uint32_t> frames[2];
        for (int direct = 0; direct < 2; ++direct) {
            media::Renderer renderer;
            renderer.setDirect(direct == 1);
            frames[direct].assign(static_cast<std::size_t>(W) * H, 0);
            renderer.renderFrame(store, stage, frames[direct].data(), W, H, W);
        }
        ASSERT_EQ(difference(frames[1], frames[0], W), "") << "frame, round " << round;
        // Into a surface, under a clip box and under a clip off the grid.
        for (const media::Rect2D& clip : {media::Rect2D{3, 2, 30, 25}, media::Rect2D{3.5, 2, 30, 25}}) {
            std::vector<uint32_t> pixels[2];
            for (int direct = 0; direct < 2; ++direct) {
                media::Renderer renderer;
                renderer.setDirect(direct == 1);
                Surface target(W, H, true, 0x40808080u);
                renderer.drawTree(store, stage, target, media::Matrix2D{1, 0, 0, 1, 1, 2}, media::ColorTransform8{}, 0,
                                  &clip);
                pixels[direct].assign(target.pixels(), target.pixels() + W * H);
            }
            ASSERT_EQ(difference(pixels[1], pixels[0], W), "") << "surface, round " << round << " clip x " << clip.x;
        }
        for (int n : nodes) store.release(n);
    }
}

// Pictures whose alphas are all 255 or only 0 and 255 in transparent surfaces (hard-edged
// sprites, tile sheets with no clear pixel) take shorter paths; the bytes are still cairo's.
TEST(RenderDirect, HardEdgedPicturesMatchCairo) {
    Random rnd{9090};
    const int W = 45, H = 23;
    using media::TileSheet;
    for (int round = 0; round < 300; ++round) {
        auto base = noise(W, H, rnd.below(4) != 0, rnd);
        bool allOpaque = round % 2 == 0;
        auto pixels = runtime::make<Surface>(24, 12, true, 0);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 24; ++x) {
                uint32_t a = allOpaque || rnd.below(3) != 0 ? 255u : 0u;
                pixels->at(x, y) = a << 24 | (rnd.next() & 0xFFFFFF);
            }
        pixels->touch();
        auto sheet = runtime::make<TileSheet>(pixels);
        sheet->addTile({0, 0, 16, 12}, 0, 0);
        sheet->addTile({3, 2, 21, 9}, 0, 0);
        auto tiles = command(Op::Tiles);
        tiles.sheet = sheet;
        tiles.flags = TileSheet::TILE_ALPHA;
        for (int i = 0; i < 6; ++i)
            tiles.data.insert(tiles.data.end(), {static_cast<double>(rnd.below(50) - 8), static_cast<double>(rnd.below(28) - 6),
                                                 static_cast<double>(rnd.below(2)), rnd.pick<double>({1, 1, 1, 0.5})});
        auto fill = command(Op::BeginBitmapFill);
        fill.surface = pixels;
        GraphicsList list;
        list.add(std::move(tiles));
        list.add(std::move(fill));
        list.add(command(Op::Rect, {static_cast<double>(rnd.below(30) - 4), static_cast<double>(rnd.below(16) - 4), 24, 12}));
        list.add(command(Op::EndFill));
        media::Matrix2D m{1, 0, 0, 1, static_cast<double>(rnd.below(5) - 2), static_cast<double>(rnd.below(5) - 2)};
        media::ColorTransform8 ct;
        int clip[4] = {rnd.below(10) - 2, rnd.below(8) - 2, 0, 0};
        clip[2] = clip[0] + rnd.below(45);
        clip[3] = clip[1] + rnd.below(23);
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, CAIRO_OPERATOR_OVER, c, true),
                                      drawn(*base, list, m, ct, CAIRO_OPERATOR_OVER, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round << (allOpaque ? " opaque" : " hard-edged");
    }
}

// A map of scaled tiles drawn in one batch gives the pixels of its tiles drawn one batch each:
// what the direct path keeps from tile to tile changes nothing.
TEST(RenderDirect, ScaledTileMapsMatchTilesDrawnAlone) {
    Random rnd{5151};
    const int W = 90, H = 60;
    using media::TileSheet;
    auto sheetPixels = noise(32, 8, true, rnd);
    auto sheet = runtime::make<TileSheet>(sheetPixels);
    for (int t = 0; t < 4; ++t) sheet->addTile({t * 8.0, 0, 8, 8}, 0, 0);
    for (double scale : {1.01, 1.25, 0.9}) {
        auto base = noise(W, H, false, rnd);
        auto batch = command(Op::Tiles);
        batch.sheet = sheet;
        batch.flags = TileSheet::TILE_SCALE;
        std::vector<std::vector<double>> alone;
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 12; ++col) {
                std::vector<double> tile = {col * 8 * scale - 3, row * 8 * scale - 2, static_cast<double>(rnd.below(4)), scale};
                batch.data.insert(batch.data.end(), tile.begin(), tile.end());
                alone.push_back(tile);
            }
        GraphicsList list;
        list.add(std::move(batch));
        media::Matrix2D identity;
        media::ColorTransform8 ct;
        auto together = drawn(*base, list, identity, ct, CAIRO_OPERATOR_OVER, nullptr, true);
        for (const auto& tile : alone) {
            auto one = command(Op::Tiles);
            one.sheet = sheet;
            one.flags = TileSheet::TILE_SCALE;
            one.data = tile;
            GraphicsList single;
            single.add(std::move(one));
            auto out = drawn(*base, single, identity, ct, CAIRO_OPERATOR_OVER, nullptr, true);
            std::memcpy(base->pixels(), out.data(), out.size() * 4);
            base->touch();
        }
        std::vector<uint32_t> separate(base->pixels(), base->pixels() + W * H);
        ASSERT_EQ(difference(together, separate, W), "") << "scale " << scale;
    }
}

// Solid rectangles whose corners land on whole device pixels are filled directly, in cairo's
// colour to the byte: every alpha, colour transforms, both operators, scaled and off-grid ones.
TEST(RenderDirect, SolidRectanglesMatchCairo) {
    Random rnd{6060};
    const int W = 31, H = 19;
    for (int round = 0; round < 600; ++round) {
        auto base = noise(W, H, rnd.below(4) != 0, rnd);
        GraphicsList list;
        for (int i = 0; i < 3; ++i) {
            list.add(command(Op::BeginFill, {static_cast<double>(rnd.next() & 0xFFFFFF),
                                             ALPHAS[rnd.below(static_cast<int>(std::size(ALPHAS)))]}));
            double x = rnd.below(36) - 6, y = rnd.below(24) - 5, w = rnd.below(30) - 4, h = rnd.below(20) - 4;
            if (rnd.below(8) == 0) w += 0.5;
            list.add(command(Op::Rect, {x, y, w, h}));
            list.add(command(Op::EndFill));
        }
        media::Matrix2D m{1, 0, 0, 1, static_cast<double>(rnd.below(7) - 3), static_cast<double>(rnd.below(7) - 3)};
        if (rnd.below(6) == 0) m.a = m.d = rnd.pick<double>({2, 0.5});
        if (rnd.below(10) == 0) m.b = 0.25;
        media::ColorTransform8 ct;
        ct.alphaMultiplier = rnd.pick<double>({1, 1, 0.5, 0.3, 1.5});
        if (rnd.below(4) == 0) {
            ct.redMultiplier = 0.4;
            ct.greenOffset = rnd.pick<double>({30, -60});
            ct.alphaOffset = rnd.pick<double>({0, -20, 7});
        }
        cairo_operator_t op = rnd.pick({CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_ADD});
        int clip[4] = {rnd.below(10) - 2, rnd.below(8) - 2, 0, 0};
        clip[2] = clip[0] + rnd.below(30);
        clip[3] = clip[1] + rnd.below(20);
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, op, c, true), drawn(*base, list, m, ct, op, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round;
    }
}

// A single bitmap column or row (a line or a pixel, as panels are built from) stretched by any
// factor is composited directly, including the far ends of long stretches.
TEST(RenderDirect, StretchedLinesMatchCairo) {
    Random rnd{7373};
    const int W = 37, H = 27;
    for (int round = 0; round < 500; ++round) {
        auto base = noise(W, H, rnd.below(4) != 0, rnd);
        bool column = rnd.below(2) == 0;
        int length = 1 + rnd.below(8);
        auto picture = noise(column ? 1 : length, column ? length : 1, rnd.below(3) != 0, rnd);
        const double SCALES[] = {1, 2, 3, 7.5, 45.5, 60, 70, 189, 603, 604, 1000, 1024, 1500};
        double stretch = SCALES[rnd.below(static_cast<int>(std::size(SCALES)))];
        double along = rnd.pick<double>({1, 1, 2, 3});
        double sx = column ? stretch : along, sy = column ? along : stretch;
        auto fill = command(Op::BeginBitmapFill);
        fill.surface = picture;
        fill.flags = rnd.pick({0, 0, 0, 4});
        GraphicsList list;
        list.add(std::move(fill));
        list.add(command(Op::Rect, {0, 0, static_cast<double>(picture->width()), static_cast<double>(picture->height())}));
        list.add(command(Op::EndFill));
        // The far end of the stretch lands inside the target as often as its start.
        double tx = rnd.below(2) == 0 ? rnd.below(30) - 5 : W - sx * picture->width() + rnd.below(20) - 5;
        double ty = rnd.below(2) == 0 ? rnd.below(20) - 5 : H - sy * picture->height() + rnd.below(14) - 5;
        media::Matrix2D m{sx, 0, 0, sy, std::floor(tx), std::floor(ty)};
        media::ColorTransform8 ct;
        ct.alphaMultiplier = rnd.pick<double>({1, 1, 1, 0.5});
        const int clip[4] = {2, 3, 30, 22};
        const int* c = rnd.below(3) == 0 ? clip : nullptr;
        std::string diff = difference(drawn(*base, list, m, ct, CAIRO_OPERATOR_OVER, c, true),
                                      drawn(*base, list, m, ct, CAIRO_OPERATOR_OVER, c, false), W);
        ASSERT_EQ(diff, "") << "round " << round << " scale " << sx << "x" << sy << " at " << m.tx << "," << m.ty
                            << " picture " << picture->width() << "x" << picture->height();
    }
}
