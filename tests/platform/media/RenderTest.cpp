// The renderer through the primitives, as the framework calls them, rendering headless into
// surfaces (and once through the stage into the frame buffer). Each render is also written as
// a PNG (to $GLV_RENDER_OUT when set, else the test temporary folder) to look at.
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <initializer_list>

#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {
Value record(std::initializer_list<std::pair<const char*, double>> fields) {
    auto r = runtime::make<runtime::DynamicObject>();
    for (const auto& [k, v] : fields) r->setField(k, Value(v));
    return Value(r);
}
Value rect(double x, double y, double w, double h) { return record({{"x", x}, {"y", y}, {"width", w}, {"height", h}}); }
Value point(double x, double y) { return record({{"x", x}, {"y", y}}); }
Value matrix(double a, double b, double c, double d, double tx, double ty) {
    return record({{"a", a}, {"b", b}, {"c", c}, {"d", d}, {"tx", tx}, {"ty", ty}});
}
Value colorTransform(double rm, double gm, double bm, double am, double ro, double go, double bo, double ao) {
    return record({{"redMultiplier", rm}, {"greenMultiplier", gm}, {"blueMultiplier", bm}, {"alphaMultiplier", am},
                   {"redOffset", ro}, {"greenOffset", go}, {"blueOffset", bo}, {"alphaOffset", ao}});
}
Value numbers(std::initializer_list<double> xs) {
    auto a = runtime::make<runtime::Array>();
    for (double x : xs) a->push(Value(x));
    return Value(a);
}
Value ints(std::initializer_list<int> xs) {
    auto a = runtime::make<runtime::Array>();
    for (int x : xs) a->push(Value(x));
    return Value(a);
}

// The primitives the tests use, looked up once.
struct Media {
    runtime::Primitive create = prim("media_native_bitmap_data_create", -1);
    runtime::Primitive fromBytes = prim("media_native_bitmap_data_from_bytes", 2);
    runtime::Primitive load = prim("media_native_bitmap_data_load", 2);
    runtime::Primitive encode = prim("media_native_bitmap_data_encode", 3);
    runtime::Primitive getPixel32 = prim("media_native_bitmap_data_get_pixel32", 3);
    runtime::Primitive setPixel32 = prim("media_native_bitmap_data_set_pixel32", 4);
    runtime::Primitive getPixels = prim("media_native_bitmap_data_get_pixels", 2);
    runtime::Primitive setBytes = prim("media_native_bitmap_data_set_bytes", 4);
    runtime::Primitive copy = prim("media_native_bitmap_data_copy", 5);
    runtime::Primitive fill = prim("media_native_bitmap_data_fill", 4);
    runtime::Primitive width = prim("media_native_bitmap_data_width", 1);
    runtime::Primitive dispose = prim("media_native_bitmap_data_dispose", 1);
    runtime::Primitive surfaceToSurface = prim("media_native_render_surface_to_surface", -1);
    runtime::Primitive shape = prim("media_native_create_display_object", 0);
    runtime::Primitive container = prim("media_native_create_display_object_container", 0);
    runtime::Primitive release = prim("media_native_display_object_release", 1);
    runtime::Primitive addChild = prim("media_native_doc_add_child", 2);
    runtime::Primitive graphics = prim("media_native_display_object_get_graphics", 1);
    runtime::Primitive drawToSurface = prim("media_native_display_object_draw_to_surface", -1);
    runtime::Primitive setX = prim("media_native_display_object_set_x", 2);
    runtime::Primitive setY = prim("media_native_display_object_set_y", 2);
    runtime::Primitive setScaleX = prim("media_native_display_object_set_scale_x", 2);
    runtime::Primitive setScaleY = prim("media_native_display_object_set_scale_y", 2);
    runtime::Primitive setRotation = prim("media_native_display_object_set_rotation", 2);
    runtime::Primitive setAlpha = prim("media_native_display_object_set_alpha", 2);
    runtime::Primitive setVisible = prim("media_native_display_object_set_visible", 2);
    runtime::Primitive setColorTransform = prim("media_native_display_object_set_color_transform", 2);
    runtime::Primitive setScrollRect = prim("media_native_display_object_set_scroll_rect", 2);
    runtime::Primitive setBlendMode = prim("media_native_display_object_set_blend_mode", 2);
    runtime::Primitive setMask = prim("media_native_display_object_set_mask", 2);
    runtime::Primitive getWidth = prim("media_native_display_object_get_width", 1);
    runtime::Primitive getHeight = prim("media_native_display_object_get_height", 1);
    runtime::Primitive hitTestPoint = prim("media_native_display_object_hit_test_point", 5);
    runtime::Primitive clear = prim("media_native_gfx_clear", 1);
    runtime::Primitive beginFill = prim("media_native_gfx_begin_fill", 3);
    runtime::Primitive beginBitmapFill = prim("media_native_gfx_begin_bitmap_fill", 5);
    runtime::Primitive beginGradientFill = prim("media_native_gfx_begin_gradient_fill", -1);
    runtime::Primitive endFill = prim("media_native_gfx_end_fill", 1);
    runtime::Primitive lineStyle = prim("media_native_gfx_line_style", -1);
    runtime::Primitive moveTo = prim("media_native_gfx_move_to", 3);
    runtime::Primitive lineTo = prim("media_native_gfx_line_to", 3);
    runtime::Primitive drawRect = prim("media_native_gfx_draw_rect", 5);
    runtime::Primitive drawEllipse = prim("media_native_gfx_draw_ellipse", 5);
    runtime::Primitive drawRoundRect = prim("media_native_gfx_draw_round_rect", -1);
    runtime::Primitive drawPath = prim("media_native_gfx_draw_path", 4);
    runtime::Primitive drawTiles = prim("media_native_gfx_draw_tiles", 5);
    runtime::Primitive sheetCreate = prim("media_native_tilesheet_create", 1);
    runtime::Primitive sheetAddRect = prim("media_native_tilesheet_add_rect", 3);

    // A surface (flags 3: transparent) filled with argb.
    Value surface(int w, int h, uint32_t argb, bool transparent = true) const {
        return create(w, h, transparent ? 3 : 2, static_cast<int>(argb & 0xFFFFFF), static_cast<int>(argb >> 24), nullptr);
    }
    uint32_t px(const Value& s, int x, int y) const { return static_cast<uint32_t>(getPixel32(s, x, y).toInt()); }
    // Writes s as PNG under name and checks that it decodes back to the same pixels.
    void save(const Value& s, const std::string& name) const {
        std::string path = writeRenderPng(s, name);
        Value back = load(path, 0);
        ASSERT_FALSE(back.isNull()) << path;
        EXPECT_EQ(width(back).toInt(), width(s).toInt());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) EXPECT_EQ(px(back, x, y), px(s, x, y));
    }
};

const Media& media() {
    static Media* m = new Media();
    return *m;
}

// Channels of a and b differ by at most tolerance.
::testing::AssertionResult near(uint32_t a, uint32_t b, int tolerance) {
    for (int sh = 0; sh < 32; sh += 8) {
        int ca = static_cast<int>((a >> sh) & 0xFF), cb = static_cast<int>((b >> sh) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            char text[64];
            std::snprintf(text, sizeof text, "%08X vs %08X", a, b);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(RenderSurfaces, Pixel32RoundTripsKeepStraightAlpha) {
    const Media& m = media();
    Value s = m.surface(4, 4, 0);
    for (uint32_t c : {0x80FF0000u, 0x01000000u, 0x7F123456u, 0xFF00FF00u, 0x00ABCDEFu, 0x02FFFFFFu}) {
        m.setPixel32(s, 1, 2, static_cast<int>(c));
        EXPECT_EQ(m.px(s, 1, 2), c);
    }
    // Still exact after the surface has been drawn from (premultiplied copies are separate).
    m.setPixel32(s, 0, 0, static_cast<int>(0x40804020u));
    Value d = m.surface(4, 4, 0);
    m.surfaceToSurface(d, s, nullptr, nullptr, "null", nullptr, false);
    EXPECT_EQ(m.px(s, 0, 0), 0x40804020u);
    EXPECT_TRUE(near(m.px(d, 0, 0), 0x40804020u, 2));
    // Opaque surfaces keep alpha 255; outside and null handles read 0.
    Value o = m.surface(2, 2, 0xFF000000u, false);
    m.setPixel32(o, 0, 0, static_cast<int>(0x10FF0000u));
    EXPECT_EQ(m.px(o, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(m.px(o, 5, 0), 0u);
    EXPECT_TRUE(m.getPixel32(Value(), 0, 0).isNull());
    // Bytes are A, R, G, B per pixel, and write back the same.
    m.setPixel32(s, 0, 0, static_cast<int>(0x11223344u));
    Value bytes = m.getPixels(s, rect(0, 0, 1, 1));
    auto* b = bytes.as<runtime::Bytes>();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->data(), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44}));
    m.setBytes(s, rect(3, 3, 1, 1), bytes, 0);
    EXPECT_EQ(m.px(s, 3, 3), 0x11223344u);
    m.dispose(s);
    EXPECT_TRUE(m.width(s).isNull());
    m.setPixel32(s, 0, 0, 1);  // tolerated
}

TEST(RenderSurfaces, CopyPixelsReplacesOrMergesAlpha) {
    const Media& m = media();
    Value src = m.surface(2, 2, 0x80FF0000u);
    Value blue = m.surface(2, 2, 0xFF0000FFu);
    Value clearDst = m.surface(2, 2, 0);
    m.copy(src, rect(0, 0, 2, 2), blue, point(0, 0), true);
    EXPECT_TRUE(near(m.px(blue, 0, 0), 0xFF80007Fu, 1));
    m.copy(src, rect(0, 0, 2, 2), clearDst, point(0, 0), true);
    EXPECT_EQ(m.px(clearDst, 1, 1), 0x80FF0000u);
    Value blue2 = m.surface(2, 2, 0xFF0000FFu);
    m.copy(src, rect(0, 0, 1, 1), blue2, point(1, 1), false);
    EXPECT_EQ(m.px(blue2, 1, 1), 0x80FF0000u);  // replaced, alpha included
    EXPECT_EQ(m.px(blue2, 0, 0), 0xFF0000FFu);
    // Clipped at the destination's edge.
    m.copy(src, rect(0, 0, 2, 2), blue2, point(-1, -1), false);
    EXPECT_EQ(m.px(blue2, 0, 0), 0x80FF0000u);
    m.save(blue, "copy-merged");
}

TEST(RenderSurfaces, PngAndJpegEncodeAndDecode) {
    const Media& m = media();
    Value s = m.surface(3, 2, 0x80102030u);
    m.setPixel32(s, 2, 1, static_cast<int>(0x01000000u));
    Value pngValue = m.encode(s, "png", 0.9), jpgValue = m.encode(s, "jpg", 0.8);
    auto* png = pngValue.as<runtime::Bytes>();
    ASSERT_NE(png, nullptr);
    Value back = m.fromBytes(png, nullptr);
    EXPECT_EQ(m.px(back, 0, 0), 0x80102030u);
    EXPECT_EQ(m.px(back, 2, 1), 0x01000000u);
    auto* jpg = jpgValue.as<runtime::Bytes>();
    ASSERT_NE(jpg, nullptr);
    std::vector<uint8_t> j = jpg->data();
    ASSERT_GE(j.size(), 2u);
    EXPECT_EQ(j[0], 0xFF);
    EXPECT_EQ(j[1], 0xD8);
    EXPECT_EQ(m.width(m.fromBytes(jpg, nullptr)).toInt(), 3);
    EXPECT_TRUE(m.fromBytes(runtime::make<runtime::Bytes>(std::vector<uint8_t>{1, 2, 3}), nullptr).isNull());
}

TEST(RenderGraphics, RedRectOnAShapeWithItsBounds) {
    const Media& m = media();
    Value shape = m.shape();
    Value g = m.graphics(shape);
    m.beginFill(g, 0xFF0000, 1.0);
    m.drawRect(g, 10, 10, 20, 20);
    m.endFill(g);
    EXPECT_EQ(m.getWidth(shape).toFloat(), 20);
    EXPECT_EQ(m.getHeight(shape).toFloat(), 20);
    Value out = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(shape, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "red-rect");
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            bool inside = x >= 10 && x < 30 && y >= 10 && y < 30;
            ASSERT_EQ(m.px(out, x, y), inside ? 0xFFFF0000u : 0xFFFFFFFFu) << x << "," << y;
        }
    m.clear(g);
    EXPECT_EQ(m.getWidth(shape).toFloat(), 0);
    m.release(shape);
}

TEST(RenderGraphics, CheckerPngScaledTenTimesStaysCrisp) {
    const Media& m = media();
    Value checker = m.surface(2, 2, 0xFFFFFFFFu);
    m.setPixel32(checker, 0, 0, static_cast<int>(0xFF000000u));
    m.setPixel32(checker, 1, 1, static_cast<int>(0xFF000000u));
    Value png = m.encode(checker, "png", 0.9);
    Value picture = m.fromBytes(png, nullptr);
    // Through the node's scale and through the fill's matrix.
    for (bool byMatrix : {false, true}) {
        Value root = m.container(), bitmap = m.shape();
        m.addChild(root, bitmap);
        Value g = m.graphics(bitmap);
        if (byMatrix) {
            m.beginBitmapFill(g, picture, matrix(10, 0, 0, 10, 0, 0), false, false);
            m.drawRect(g, 0, 0, 20, 20);
        } else {
            m.beginBitmapFill(g, picture, nullptr, false, false);
            m.drawRect(g, 0, 0, 2, 2);
            m.setScaleX(bitmap, 10);
            m.setScaleY(bitmap, 10);
        }
        m.endFill(g);
        Value out = m.surface(20, 20, 0xFF808080u);
        m.drawToSurface(root, out, nullptr, nullptr, "null", nullptr);
        m.save(out, byMatrix ? "checker-matrix" : "checker-scaled");
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                bool dark = (x / 10) == (y / 10);
                ASSERT_EQ(m.px(out, x, y), dark ? 0xFF000000u : 0xFFFFFFFFu) << x << "," << y << " " << byMatrix;
            }
        m.release(bitmap);
        m.release(root);
    }
}

TEST(RenderGraphics, HalfAlphaSquareAndColourTransformedBitmap) {
    const Media& m = media();
    Value root = m.container(), square = m.shape(), bitmap = m.shape();
    m.addChild(root, square);
    m.addChild(root, bitmap);
    Value g = m.graphics(square);
    m.beginFill(g, 0xFF0000, 1.0);
    m.drawRect(g, 0, 0, 10, 10);
    m.setAlpha(square, 0.5);
    // A grey picture turned blue-ish: red × 0, green × 0.5, blue + 100, alpha × 1.
    Value grey = m.surface(10, 10, 0xFF808080u);
    Value bg = m.graphics(bitmap);
    m.beginBitmapFill(bg, grey, nullptr, false, false);
    m.drawRect(bg, 0, 0, 10, 10);
    m.setX(bitmap, 10);
    m.setColorTransform(bitmap, colorTransform(0, 0.5, 1, 1, 0, 0, 100, 0));
    Value out = m.surface(20, 10, 0xFFFFFFFFu);
    m.drawToSurface(root, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "alpha-and-colour-transform");
    EXPECT_TRUE(near(m.px(out, 5, 5), 0xFFFF7F7Fu, 1));
    EXPECT_TRUE(near(m.px(out, 15, 5), 0xFF0040E4u, 1));
    // The colour transform given to draw applies on top; alpha 0 draws nothing.
    Value out2 = m.surface(20, 10, 0xFFFFFFFFu);
    m.drawToSurface(root, out2, nullptr, colorTransform(1, 1, 1, 0, 0, 0, 0, 0), "null", nullptr);
    EXPECT_EQ(m.px(out2, 5, 5), 0xFFFFFFFFu);
    // Invisible children are skipped.
    m.setVisible(square, false);
    Value out3 = m.surface(20, 10, 0xFFFFFFFFu);
    m.drawToSurface(root, out3, nullptr, nullptr, "null", nullptr);
    EXPECT_EQ(m.px(out3, 5, 5), 0xFFFFFFFFu);
    for (const Value& v : {square, bitmap, root}) m.release(v);
}

TEST(RenderGraphics, RotatedScaledChildInAScrollRectClip) {
    const Media& m = media();
    Value root = m.container(), clip = m.container(), child = m.shape();
    m.addChild(root, clip);
    m.addChild(clip, child);
    m.setX(clip, 10);
    m.setY(clip, 10);
    m.setScrollRect(clip, rect(0, 0, 20, 20));
    m.setX(child, 10);
    m.setY(child, 10);
    m.setRotation(child, 45);
    m.setScaleX(child, 2);
    m.setScaleY(child, 2);
    Value g = m.graphics(child);
    m.beginFill(g, 0x00FF00, 1.0);
    m.drawRect(g, -5, -5, 10, 10);
    Value out = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(root, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "rotated-in-scroll-rect");
    // A diamond of half-diagonal 14.1 around (20, 20), cut to the clip's 10..30.
    EXPECT_EQ(m.px(out, 20, 20), 0xFF00FF00u);
    EXPECT_EQ(m.px(out, 20, 11), 0xFF00FF00u);
    EXPECT_EQ(m.px(out, 11, 11), 0xFFFFFFFFu);  // inside the square unrotated; outside the diamond
    EXPECT_EQ(m.px(out, 20, 31), 0xFFFFFFFFu);  // inside the diamond; outside the clip
    EXPECT_EQ(m.px(out, 9, 20), 0xFFFFFFFFu);
    // The clip scrolls: showing 10..30 of the content moves the diamond up and left by 10.
    m.setScrollRect(clip, rect(10, 10, 20, 20));
    Value out2 = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(root, out2, nullptr, nullptr, "null", nullptr);
    EXPECT_EQ(m.px(out2, 10, 10), 0xFF00FF00u);
    EXPECT_EQ(m.px(out2, 20, 20), 0xFFFFFFFFu);
    for (const Value& v : {child, clip, root}) m.release(v);
}

TEST(RenderGraphics, MaskShowsTheObjectOnlyThroughTheMaskWhereItStands) {
    const Media& m = media();
    Value root = m.container(), box = m.shape(), hole = m.shape();
    m.addChild(root, box);
    m.addChild(root, hole);
    Value g = m.graphics(box);
    m.beginFill(g, 0xFF0000, 1.0);
    m.drawRect(g, 0, 0, 40, 40);
    Value h = m.graphics(hole);
    m.beginFill(h, 0x0000FF, 1.0);
    m.drawEllipse(h, 0, 0, 20, 20);
    m.setX(hole, 10);
    m.setY(hole, 10);
    m.setMask(box, hole);
    Value out = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(root, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "masked-box");
    EXPECT_EQ(m.px(out, 20, 20), 0xFFFF0000u);  // inside the circle: the box, red
    EXPECT_EQ(m.px(out, 3, 3), 0xFFFFFFFFu);     // box outside the circle: hidden
    EXPECT_EQ(m.px(out, 11, 11), 0xFFFFFFFFu);   // inside the circle's box, outside the circle
    // The mask itself is never drawn (no blue anywhere), and moving the object leaves the mask.
    m.setX(box, 15);
    Value moved = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(root, moved, nullptr, nullptr, "null", nullptr);
    EXPECT_EQ(m.px(moved, 14, 20), 0xFFFFFFFFu);
    EXPECT_EQ(m.px(moved, 20, 20), 0xFFFF0000u);
    int blueish = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            uint32_t p = m.px(moved, x, y);
            if ((p & 0xFF) > ((p >> 16) & 0xFF)) ++blueish;
        }
    EXPECT_EQ(blueish, 0);
    // Without the mask the box shows whole and the circle is drawn again.
    m.setMask(box, nullptr);
    Value plain = m.surface(40, 40, 0xFFFFFFFFu);
    m.drawToSurface(root, plain, nullptr, nullptr, "null", nullptr);
    EXPECT_EQ(m.px(plain, 16, 3), 0xFFFF0000u);
    EXPECT_EQ(m.px(plain, 20, 20), 0xFF0000FFu);
    for (const Value& v : {box, hole, root}) m.release(v);
}

TEST(RenderGraphics, SubtractAndInvertBlendAgainstWhatLiesBelow) {
    const Media& m = media();
    Value root = m.container(), back = m.shape(), top = m.shape();
    m.addChild(root, back);
    m.addChild(root, top);
    Value b = m.graphics(back);
    m.beginFill(b, 0xFF8000, 1.0);
    m.drawRect(b, 0, 0, 20, 10);
    Value t = m.graphics(top);
    m.beginFill(t, 0x404040, 1.0);
    m.drawRect(t, 0, 0, 10, 10);
    m.beginFill(t, 0x404040, 0.5);
    m.drawRect(t, 10, 0, 10, 10);
    struct Case {
        const char* mode;
        int index;
        uint32_t solid, half;
    };
    // Subtract: (FF,80,00) - (40,40,40) = (BF,40,00); half alpha takes off half the colour.
    // Invert: the backdrop's colours turned over, halfway at half alpha.
    for (const Case& c : {Case{"SUBTRACT", 8, 0xFFBF4000u, 0xFFDF6000u}, Case{"INVERT", 9, 0xFF007FFFu, 0xFF807F80u}}) {
        m.setBlendMode(top, c.index);
        Value out = m.surface(20, 10, 0xFFFFFFFFu);
        m.drawToSurface(root, out, nullptr, nullptr, "null", nullptr);
        m.save(out, std::string("blend-") + c.mode);
        EXPECT_TRUE(near(m.px(out, 5, 5), c.solid, 1)) << c.mode;
        EXPECT_TRUE(near(m.px(out, 15, 5), c.half, 2)) << c.mode;
    }
    // A surface drawn into a surface with subtract.
    Value grey = m.surface(4, 4, 0xFF202020u, false);
    Value white = m.surface(4, 4, 0xFFFFFFFFu, false);
    m.surfaceToSurface(white, grey, nullptr, nullptr, "SUBTRACT", nullptr, false);
    EXPECT_EQ(m.px(white, 1, 1), 0xFFDFDFDFu);
    for (const Value& v : {top, back, root}) m.release(v);
}

TEST(RenderGraphics, TintedTileBatch) {
    const Media& m = media();
    // Sheet: a white 2×2 tile and a red 2×2 tile side by side.
    Value image = m.surface(4, 2, 0xFFFFFFFFu);
    m.fill(image, rect(2, 0, 2, 2), 0xFF0000, 255);
    Value sheet = m.sheetCreate(image);
    EXPECT_EQ(m.sheetAddRect(sheet, rect(0, 0, 2, 2), nullptr).toInt(), 0);
    EXPECT_EQ(m.sheetAddRect(sheet, rect(2, 0, 2, 2), point(1, 1)).toInt(), 1);
    Value shape = m.shape();
    Value g = m.graphics(shape);
    const int TRANS = 16, RGB = 4, ALPHA = 8;
    // x, y, id, a, b, c, d, r, g, b, alpha.
    Value data = numbers({0, 0, 0, 1, 0, 0, 1, 1, 0.5, 0, 1,      // white → (255, 128, 0)
                          5, 5, 1, 2, 0, 0, 2, 1, 1, 1, 0.5,      // red ×2 around (5, 5), half alpha
                          8, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1,        // white → blue
                          99, 99, 7, 1, 0, 0, 1, 1, 1, 1, 1});    // no tile 7: skipped
    m.beginBitmapFill(g, image, nullptr, false, false);
    m.drawTiles(g, sheet, data, TRANS | RGB | ALPHA, 33);
    EXPECT_EQ(m.getWidth(shape).toFloat(), 10);  // tiles from x 0 to 10
    Value out = m.surface(12, 8, 0xFF000000u);
    m.drawToSurface(shape, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "tinted-tiles");
    EXPECT_TRUE(near(m.px(out, 1, 1), 0xFFFF8000u, 1));
    EXPECT_TRUE(near(m.px(out, 4, 4), 0xFF800000u, 1));  // red at half alpha over black
    EXPECT_TRUE(near(m.px(out, 6, 6), 0xFF800000u, 1));
    EXPECT_EQ(m.px(out, 7, 7), 0xFF000000u);
    EXPECT_EQ(m.px(out, 9, 1), 0xFF0000FFu);
    // Additive blending adds onto what is there.
    m.clear(g);
    m.drawTiles(g, sheet, numbers({0, 0, 1, 1, 0, 0, 1}), TRANS | 0x10000, -1);
    Value grey = m.surface(4, 4, 0xFF0080FFu);
    m.drawToSurface(shape, grey, nullptr, nullptr, "null", nullptr);
    EXPECT_EQ(m.px(grey, 0, 0), 0xFFFF80FFu);
    m.release(shape);
}

TEST(RenderGraphics, LinesEllipsesRoundRectsGradientsAndPaths) {
    const Media& m = media();
    Value shape = m.shape();
    Value g = m.graphics(shape);
    m.lineStyle(g, 4.0, 0x0000FF, 1.0, false, 0, 2, 1, 3.0);  // square caps, mitre joints
    m.moveTo(g, 5, 5);
    m.lineTo(g, 55, 5);
    m.lineStyle(g, nullptr, 0, 1.0, false, 0, 0, 0, 3.0);  // no line
    m.beginFill(g, 0x00FF00, 1.0);
    m.drawEllipse(g, 10, 20, 40, 20);
    m.beginFill(g, 0xFF00FF, 1.0);
    m.drawRoundRect(g, 60, 0, 30, 30, 20, 20);
    m.beginGradientFill(g, 1, ints({0xFF0000, 0x0000FF}), numbers({1, 1}), numbers({0, 255}),
                        matrix(60 / 1638.4, 0, 0, 20 / 1638.4, 30, 60), 0, 0, 0.0);
    m.drawRect(g, 0, 50, 60, 20);
    // Two nested squares: even-odd leaves a hole, non-zero does not.
    m.beginFill(g, 0x000000, 1.0);
    m.drawPath(g, ints({1, 2, 2, 2, 2, 1, 2, 2, 2, 2}),
               numbers({60, 40, 90, 40, 90, 70, 60, 70, 60, 40, 70, 50, 80, 50, 80, 60, 70, 60, 70, 50}), true);
    m.endFill(g);
    Value out = m.surface(100, 80, 0xFFFFFFFFu);
    m.drawToSurface(shape, out, nullptr, nullptr, "null", nullptr);
    m.save(out, "vector-shapes");
    EXPECT_EQ(m.px(out, 30, 5), 0xFF0000FFu);   // line
    EXPECT_EQ(m.px(out, 4, 5), 0xFF0000FFu);    // square cap
    EXPECT_EQ(m.px(out, 30, 30), 0xFF00FF00u);  // ellipse centre
    EXPECT_EQ(m.px(out, 11, 21), 0xFFFFFFFFu);  // outside the ellipse, inside its box
    EXPECT_EQ(m.px(out, 75, 15), 0xFFFF00FFu);  // round rect
    EXPECT_EQ(m.px(out, 60, 0), 0xFFFFFFFFu);   // its rounded corner
    uint32_t left = m.px(out, 2, 60), right = m.px(out, 57, 60);
    EXPECT_GT((left >> 16) & 0xFF, 200u);
    EXPECT_GT(right & 0xFF, 200u);
    EXPECT_EQ(m.px(out, 62, 42), 0xFF000000u);
    EXPECT_EQ(m.px(out, 75, 55), 0xFFFFFFFFu);  // the hole
    m.release(shape);
}

TEST(RenderHitTests, ContentCountsFromAlphaOneUp) {
    const Media& m = media();
    Value root = m.container(), button = m.shape();
    m.addChild(root, button);
    Value pixels = m.surface(2, 1, 0);
    m.setPixel32(pixels, 0, 0, static_cast<int>(0x01000000u));  // invisible, still a hit
    Value g = m.graphics(button);
    m.beginBitmapFill(g, pixels, nullptr, false, false);
    m.drawRect(g, 0, 0, 2, 1);
    m.setScaleX(button, 50);
    m.setScaleY(button, 50);
    EXPECT_TRUE(m.hitTestPoint(button, 25.0, 25.0, true, true).toBool());
    EXPECT_FALSE(m.hitTestPoint(button, 75.0, 25.0, true, true).toBool());  // alpha 0
    EXPECT_TRUE(m.hitTestPoint(button, 75.0, 25.0, false, true).toBool());  // bounds only
    // A circle is hit inside, not in the corners of its box.
    m.clear(g);
    m.beginFill(g, 0, 0.0);
    m.drawEllipse(g, 0, 0, 2, 2);
    EXPECT_TRUE(m.hitTestPoint(button, 50.0, 50.0, true, true).toBool());
    EXPECT_FALSE(m.hitTestPoint(button, 5.0, 5.0, true, true).toBool());
    m.release(button);
    m.release(root);
}

TEST(RenderStage, FrameShowsTheTreeAtItsSize) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto render = prim("media_native_render_stage", 1);
    auto close = prim("media_native_close", 0);
    auto setBg = prim("media_native_display_object_set_bg", 2);
    const Media& m = media();
    std::string png = ::testing::TempDir() + "stage-frame.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    Value shape = m.shape();
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        setBg(stage, static_cast<int>(0xFF000000u));
        m.addChild(stage, shape);
        Value g = m.graphics(shape);
        Value picture = m.surface(1, 1, 0xFF00FF00u);
        m.beginBitmapFill(g, picture, nullptr, false, false);
        m.drawRect(g, 0, 0, 1, 1);
        m.setX(shape, 8);
        m.setY(shape, 4);
        m.setScaleX(shape, 16);
        m.setScaleY(shape, 8);
        setHandler(stage, runtime::Function::of([&, stage](Value ev) {
            if (ev.field("type").toInt() == 9) {
                render(stage);
                close();
            }
        }), 64, 48);
    });
    create(onFrame, 64, 48, 4, "render", nullptr);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    Value frame = m.load(png, 0);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(m.width(frame).toInt(), 64);
    EXPECT_EQ(m.px(frame, 0, 0), 0xFF000000u);
    EXPECT_EQ(m.px(frame, 8, 4), 0xFF00FF00u);
    EXPECT_EQ(m.px(frame, 23, 11), 0xFF00FF00u);
    EXPECT_EQ(m.px(frame, 24, 11), 0xFF000000u);
    EXPECT_EQ(m.px(frame, 8, 12), 0xFF000000u);
    m.release(shape);
}
