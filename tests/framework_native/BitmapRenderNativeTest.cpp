// Bitmaps, vector drawing and tile batches rendered by the real back end through the framework
// classes. Each render is written as a PNG (into "framework-renders/" beside the program), read
// back and compared pixel by pixel with the expected picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/BitmapDataChannel.h"
#include "framework/display/Shape.h"
#include "framework/display/Sprite.h"
#include "framework/display/Tilesheet.h"

using framework::Bitmap;
using framework::BitmapData;
using framework::ColorTransform;
using framework::Point;
using framework::Rectangle;
using framework::Shape;
using framework::Sprite;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
using Expected = std::function<uint32_t(int x, int y)>;

std::vector<uint32_t> pixelsOf(const Ref<BitmapData>& b) {
    Ref<runtime::Bytes> bytes = b->getPixels(b->get_rect());
    std::vector<uint8_t> d = bytes->data();
    std::vector<uint32_t> out;
    for (std::size_t i = 0; i + 3 < d.size(); i += 4)
        out.push_back((uint32_t{d[i]} << 24) | (uint32_t{d[i + 1]} << 16) | (uint32_t{d[i + 2]} << 8) | d[i + 3]);
    return out;
}

int channelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return worst;
}

// Writes the render as a PNG, reads the file back, and checks that it holds the render exactly
// and that every pixel is within tolerance of expected.
void expectRender(const Ref<BitmapData>& render, const std::string& name, const Expected& expected, int tolerance = 0) {
    std::filesystem::create_directories("framework-renders");
    std::string path = "framework-renders/" + name + ".png";
    Ref<runtime::Bytes> png = render->encode(Value(BitmapData::PNG));
    ASSERT_TRUE(png);
    {
        std::vector<uint8_t> bytes = png->data();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Ref<BitmapData> read = BitmapData::load(runtime::String(path));
    ASSERT_EQ(read->get_width(), render->get_width());
    ASSERT_EQ(read->get_height(), render->get_height());
    std::vector<uint32_t> rendered = pixelsOf(render), fromFile = pixelsOf(read);
    ASSERT_EQ(fromFile, rendered) << path;
    int w = render->get_width(), mismatches = 0;
    for (std::size_t i = 0; i < fromFile.size(); ++i) {
        int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
        uint32_t want = expected(x, y);
        if (channelDistance(fromFile[i], want) > tolerance && ++mismatches <= 5)
            ADD_FAILURE() << name << " (" << x << ", " << y << "): " << std::hex << fromFile[i] << " != " << want;
    }
}

bool inside(int x, int y, int left, int top, int width, int height) {
    return x >= left && y >= top && x < left + width && y < top + height;
}
}  // namespace

TEST(BitmapRenderNative, RedRectangleOnAShape) {
    auto shape = make<Shape>();
    auto g = shape->get_graphics();
    g->beginFill(0xFF0000);
    g->drawRect(3, 2, 6, 4);
    g->endFill();
    auto target = make<BitmapData>(12, 10, true, 0);
    target->draw(shape);
    expectRender(target, "red-rect", [](int x, int y) { return inside(x, y, 3, 2, 6, 4) ? 0xFFFF0000u : 0u; });
}

TEST(BitmapRenderNative, CheckerPngShownByABitmapScaledTenTimesHasCrispEdges) {
    // The 2 x 2 checker, made and encoded here, then decoded from its PNG bytes.
    auto checker = make<BitmapData>(2, 2, true, 0);
    const uint32_t dark = 0xFF202020u, light = 0xFFE0E0E0u;
    checker->setPixel32(0, 0, static_cast<int>(dark));
    checker->setPixel32(1, 0, static_cast<int>(light));
    checker->setPixel32(0, 1, static_cast<int>(light));
    checker->setPixel32(1, 1, static_cast<int>(dark));
    Ref<runtime::Bytes> png = checker->encode(Value("png"));
    ASSERT_TRUE(png);
    auto decoded = BitmapData::loadFromBytes(png);
    ASSERT_EQ(decoded->get_width(), 2);

    // draw() leaves out the drawn object's own transform, so the scaled Bitmap sits in a holder.
    auto holder = make<Sprite>();
    auto bitmap = make<Bitmap>(decoded);
    holder->addChild(bitmap);
    bitmap->set_scaleX(10);
    bitmap->set_scaleY(10);
    auto target = make<BitmapData>(20, 20, true, 0);
    target->draw(holder);
    expectRender(target, "checker-x10",
                 [&](int x, int y) { return ((x / 10) + (y / 10)) % 2 == 0 ? dark : light; });
}

TEST(BitmapRenderNative, HalfAlphaSquare) {
    auto shape = make<Shape>();
    auto g = shape->get_graphics();
    g->beginFill(0x0000FF, 0.5);
    g->drawRect(2, 2, 4, 4);
    g->endFill();
    // Over nothing: straight alpha keeps the colour whole.
    auto clear = make<BitmapData>(8, 8, true, 0);
    clear->draw(shape);
    expectRender(clear, "half-alpha-clear", [](int x, int y) { return inside(x, y, 2, 2, 4, 4) ? 0x800000FFu : 0u; }, 1);
    // Over opaque white: half blue, half white.
    auto white = make<BitmapData>(8, 8, false, static_cast<int>(0xFFFFFFFF));
    white->draw(shape);
    expectRender(white, "half-alpha-white",
                 [](int x, int y) { return inside(x, y, 2, 2, 4, 4) ? 0xFF7F7FFFu : 0xFFFFFFFFu; }, 1);
}

TEST(BitmapRenderNative, ColourTransformedBitmap) {
    auto grey = make<BitmapData>(4, 4, true, static_cast<int>(0xFF808080));
    // Red halved, blue pushed to full, alpha halved.
    auto ct = make<ColorTransform>(0.5, 1, 1, 0.5, 0, 0, 255, 0);

    auto inPlace = grey->clone();
    inPlace->colorTransform(make<Rectangle>(0, 0, 2, 4), ct);
    expectRender(inPlace, "color-transform-in-place",
                 [](int x, int) { return x < 2 ? 0x804080FFu : 0xFF808080u; }, 1);

    // Shown by a Bitmap whose node carries the transform, drawn through its parent.
    auto holder = make<Sprite>();
    auto bitmap = make<Bitmap>(grey);
    bitmap->setColorTransform_(ct);
    holder->addChild(bitmap);
    auto target = make<BitmapData>(4, 4, true, 0);
    target->draw(holder);
    expectRender(target, "color-transform-node", [](int, int) { return 0x804080FFu; }, 1);

    // Given to draw.
    auto drawn = make<BitmapData>(4, 4, true, 0);
    drawn->draw(grey, nullptr, ct);
    expectRender(drawn, "color-transform-draw", [](int, int) { return 0x804080FFu; }, 1);
}

TEST(BitmapRenderNative, CopyPixelsWithAndWithoutMergedAlpha) {
    auto source = make<BitmapData>(4, 4, true, static_cast<int>(0x80FF0000));
    auto rect = make<Rectangle>(0, 0, 4, 4);

    auto replaced = make<BitmapData>(6, 6, true, static_cast<int>(0xFFFFFFFF));
    replaced->copyPixels(source, rect, make<Point>(2, 2));
    expectRender(replaced, "copy-replace",
                 [](int x, int y) { return inside(x, y, 2, 2, 4, 4) ? 0x80FF0000u : 0xFFFFFFFFu; });

    auto merged = make<BitmapData>(6, 6, true, static_cast<int>(0xFFFFFFFF));
    merged->copyPixels(source, rect, make<Point>(2, 2), nullptr, nullptr, true);
    expectRender(merged, "copy-merge",
                 [](int x, int y) { return inside(x, y, 2, 2, 4, 4) ? 0xFFFF7F7Fu : 0xFFFFFFFFu; }, 1);
}

TEST(BitmapRenderNative, PixelValuesRoundTripWithStraightAlpha) {
    auto b = make<BitmapData>(3, 2, true, 0);
    const uint32_t values[] = {0x80FF8040u, 0x01020304u, 0x00000000u, 0xFFFFFFFFu, 0x7F10E0A0u, 0x00FFFFFFu};
    for (int i = 0; i < 6; ++i) b->setPixel32(i % 3, i / 3, static_cast<int>(values[i]));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(static_cast<uint32_t>(b->getPixel32(i % 3, i / 3)), values[i]) << i;
    EXPECT_EQ(b->getPixel(0, 0), 0xFF8040);

    // Bytes are A, R, G, B per pixel; setPixels puts them back exactly.
    Ref<runtime::Bytes> bytes = b->getPixels(b->get_rect());
    ASSERT_EQ(bytes->length(), 24);
    std::vector<uint8_t> d = bytes->data();
    EXPECT_EQ((std::vector<uint8_t>(d.begin(), d.begin() + 4)), (std::vector<uint8_t>{0x80, 0xFF, 0x80, 0x40}));
    auto copy = make<BitmapData>(3, 2, true, 0);
    copy->setPixels(copy->get_rect(), bytes);
    EXPECT_EQ(pixelsOf(copy), pixelsOf(b));
    auto v = b->getVector(b->get_rect());
    auto fromVector = make<BitmapData>(3, 2, true, 0);
    fromVector->setVector(fromVector->get_rect(), v);
    EXPECT_EQ(pixelsOf(fromVector), pixelsOf(b));

    // An opaque bitmap keeps its alpha full.
    auto opaque = make<BitmapData>(1, 1, false, 0);
    opaque->setPixel32(0, 0, 0x10203040);
    EXPECT_EQ(static_cast<uint32_t>(opaque->getPixel32(0, 0)), 0xFF203040u);

    auto red = make<BitmapData>(1, 1, true, static_cast<int>(0xFFFF0000));
    EXPECT_EQ(BitmapData::getRGBAPixels(red)->data(), (std::vector<uint8_t>{255, 0, 0, 255}));
}

TEST(BitmapRenderNative, TileBatchDrawsTilesOfTheSheet) {
    auto image = make<BitmapData>(8, 4, true, 0);
    image->fillRect(make<Rectangle>(0, 0, 4, 4), static_cast<int>(0xFFFF0000));
    image->fillRect(make<Rectangle>(4, 0, 4, 4), static_cast<int>(0xFF00FF00));
    auto sheet = make<framework::Tilesheet>(image);
    EXPECT_EQ(sheet->addTileRect(make<Rectangle>(0, 0, 4, 4)), 0);
    EXPECT_EQ(sheet->addTileRect(make<Rectangle>(4, 0, 4, 4)), 1);
    auto shape = make<Shape>();
    auto data = make<runtime::Array>(std::vector<Value>{Value(0.0), Value(0.0), Value(1.0),   // green at (0, 0)
                                                        Value(6.0), Value(2.0), Value(0.0)}); // red at (6, 2)
    sheet->drawTiles(shape->get_graphics(), data);
    auto target = make<BitmapData>(10, 6, true, 0);
    target->draw(shape);
    expectRender(target, "tiles", [](int x, int y) {
        if (inside(x, y, 0, 0, 4, 4)) return 0xFF00FF00u;
        if (inside(x, y, 6, 2, 4, 4)) return 0xFFFF0000u;
        return 0u;
    });
}
