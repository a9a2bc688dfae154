// Text fields and fonts of the real back end: measuring with FreeType, formats over ranges, the
// small markup, font data, and glyphs drawn into surfaces (written as PNGs to
// $GLV_RENDER_OUT when set, else the test temporary folder, to look at).
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/runtime/ByteStorage.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {
const std::string DEJAVU = "/usr/share/fonts/truetype/dejavu/";

struct Text {
#define TEXT_PRIM(field, name, n) runtime::Primitive field = prim("media_native_text_field_" name, n);
    TEXT_PRIM(create, "create", 0)
    TEXT_PRIM(setText, "set_text", 2)
    TEXT_PRIM(getText, "get_text", 1)
    TEXT_PRIM(setHtml, "set_html_text", 2)
    TEXT_PRIM(getHtml, "get_html_text", 1)
    TEXT_PRIM(textWidth, "get_text_width", 1)
    TEXT_PRIM(textHeight, "get_text_height", 1)
    TEXT_PRIM(numLines, "get_num_lines", 1)
    TEXT_PRIM(lineText, "get_line_text", 2)
    TEXT_PRIM(lineOffset, "get_line_offset", 2)
    TEXT_PRIM(lineMetrics, "get_line_metrics", 3)
    TEXT_PRIM(getFormat, "get_text_format", 4)
    TEXT_PRIM(setFormat, "set_text_format", 4)
    TEXT_PRIM(getDefault, "get_def_text_format", 2)
    TEXT_PRIM(setDefault, "set_def_text_format", 2)
    TEXT_PRIM(setWordWrap, "set_word_wrap", 2)
    TEXT_PRIM(setAutoSize, "set_auto_size", 2)
    TEXT_PRIM(setBackground, "set_background", 2)
    TEXT_PRIM(setBackgroundColor, "set_background_color", 2)
    TEXT_PRIM(setBorder, "set_border", 2)
    TEXT_PRIM(setTextColor, "set_text_color", 2)
    TEXT_PRIM(setScrollV, "set_scroll_v", 2)
    TEXT_PRIM(maxScrollV, "get_max_scroll_v", 1)
    TEXT_PRIM(bottomScrollV, "get_bottom_scroll_v", 1)
    TEXT_PRIM(setPassword, "set_display_as_password", 2)
#undef TEXT_PRIM
    runtime::Primitive importFont = prim("freetype_import_font", 4);
    runtime::Primitive registerFont = prim("media_native_font_register_font", 2);
    runtime::Primitive deviceFonts = prim("media_native_font_iterate_device_fonts", 1);
    runtime::Primitive getWidth = prim("media_native_display_object_get_width", 1);
    runtime::Primitive setWidth = prim("media_native_display_object_set_width", 2);
    runtime::Primitive getHeight = prim("media_native_display_object_get_height", 1);
    runtime::Primitive setHeight = prim("media_native_display_object_set_height", 2);
    runtime::Primitive getX = prim("media_native_display_object_get_x", 1);
    runtime::Primitive setX = prim("media_native_display_object_set_x", 2);
    runtime::Primitive release = prim("media_native_display_object_release", 1);
    runtime::Primitive surfaceCreate = prim("media_native_bitmap_data_create", -1);
    runtime::Primitive getPixel32 = prim("media_native_bitmap_data_get_pixel32", 3);
    runtime::Primitive encode = prim("media_native_bitmap_data_encode", 3);
    runtime::Primitive drawToSurface = prim("media_native_display_object_draw_to_surface", -1);

    // A field with the box (w, h) and the text.
    Value field(double w, double h, const std::string& text) const {
        Value f = create();
        setWidth(f, w);
        setHeight(f, h);
        setText(f, text);
        return f;
    }
    Value surface(int w, int h, uint32_t argb) const {
        return surfaceCreate(w, h, 3, static_cast<int>(argb & 0xFFFFFF), static_cast<int>(argb >> 24), nullptr);
    }
    uint32_t px(const Value& s, int x, int y) const { return static_cast<uint32_t>(getPixel32(s, x, y).toInt()); }
    void save(const Value& s, const std::string& name) const { writeRenderPng(s, name); }
};

const Text& text() {
    static Text* t = new Text();
    return *t;
}

Value record() { return Value(runtime::make<runtime::DynamicObject>()); }

Value format(std::initializer_list<std::pair<std::string, Value>> fields) {
    return Value(runtime::make<runtime::DynamicObject>(fields));
}

// A stand-in for the framework's byte array: its fields "length" and "b".
Value fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int n = static_cast<int>(bytes.size());
    return format({{"length", n}, {"b", Value(runtime::make<runtime::ByteStorage>(std::move(bytes)))}});
}

// The box of the pixels that differ from the background.
struct Ink {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1, count = 0;
};
Ink inkOf(const Text& t, const Value& s, int w, int h, uint32_t background) {
    Ink ink;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (t.px(s, x, y) != background) {
                ink.x0 = std::min(ink.x0, x);
                ink.y0 = std::min(ink.y0, y);
                ink.x1 = std::max(ink.x1, x);
                ink.y1 = std::max(ink.y1, y);
                ++ink.count;
            }
    return ink;
}
}  // namespace

TEST(TextFieldNative, MeasuresLinesWithTheDefaultFont) {
    const Text& t = text();
    Value f = t.field(400, 100, "Hello");
    Value def = record();
    t.getDefault(f, def);
    EXPECT_EQ(def.field("font").toText(), "DejaVu Sans");
    EXPECT_EQ(def.field("size").toFloat(), 12);
    EXPECT_EQ(def.field("color").toInt(), 0);
    EXPECT_EQ(def.field("align").toText(), "left");
    EXPECT_FALSE(def.field("bold").toBool());

    double w12 = t.textWidth(f).toFloat();
    EXPECT_GT(w12, 25);
    EXPECT_LT(w12, 45);
    Value metrics = record();
    t.lineMetrics(f, 0, metrics);
    double ascent = metrics.field("ascent").toFloat(), descent = metrics.field("descent").toFloat();
    EXPECT_GT(ascent, 8);
    EXPECT_GT(descent, 1);
    EXPECT_EQ(metrics.field("height").toFloat(), ascent + descent);
    EXPECT_EQ(metrics.field("width").toFloat(), w12);
    EXPECT_EQ(metrics.field("x").toFloat(), 2);
    EXPECT_EQ(t.textHeight(f).toFloat(), ascent + descent);

    // Twice the size: about twice as wide.
    t.setFormat(f, format({{"size", 24.0}}), -1, -1);
    double w24 = t.textWidth(f).toFloat();
    EXPECT_NEAR(w24 / w12, 2.0, 0.15);

    // Lines: breaks, wrapping, offsets and text of a line.
    t.setText(f, "ab\r\ncd\nef");
    EXPECT_EQ(t.getText(f).toText(), "ab\ncd\nef");
    EXPECT_EQ(t.numLines(f).toInt(), 3);
    EXPECT_EQ(t.lineOffset(f, 1).toInt(), 3);
    EXPECT_EQ(t.lineText(f, 2).toText(), "ef");
    EXPECT_TRUE(t.lineText(f, 3).isNull());
    EXPECT_EQ(t.lineOffset(f, -1).toInt(), -1);

    t.setText(f, "one two three four five six");
    double oneLine = t.textWidth(f).toFloat();
    t.setWidth(f, 40);
    t.setWordWrap(f, true);
    int lines = t.numLines(f).toInt();
    EXPECT_GE(lines, 3);
    EXPECT_EQ(t.lineText(f, 0).toText(), "one ");
    EXPECT_EQ(t.lineOffset(f, 1).toInt(), 4);
    for (int i = 0; i < lines; ++i) {
        Value m = record();
        t.lineMetrics(f, i, m);
        EXPECT_LE(m.field("width").toFloat(), 36) << i;
    }
    EXPECT_LT(t.textWidth(f).toFloat(), oneLine);
    t.release(f);
}

TEST(TextFieldNative, AutoSizeScrollingAndTheBox) {
    const Text& t = text();
    Value f = t.field(300, 20, "Wide enough text");
    double tw = t.textWidth(f).toFloat();
    EXPECT_EQ(t.getWidth(f).toFloat(), 300);
    // LEFT keeps x; RIGHT grows leftwards.
    t.setAutoSize(f, 1);
    EXPECT_EQ(t.getWidth(f).toFloat(), std::ceil(tw) + 4);
    EXPECT_EQ(t.getHeight(f).toFloat(), std::ceil(t.textHeight(f).toFloat()) + 4);
    t.setAutoSize(f, 2);
    t.setWidth(f, 300);
    t.setX(f, 500);
    t.setAutoSize(f, 3);
    EXPECT_EQ(t.getX(f).toFloat(), 500 + 300 - (std::ceil(tw) + 4));

    // Ten lines in a box that shows about three.
    Value g = t.field(100, 50, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10");
    int maxV = t.maxScrollV(g).toInt();
    EXPECT_GT(maxV, 5);
    EXPECT_LT(maxV, 10);
    EXPECT_EQ(t.bottomScrollV(g).toInt(), 10 - maxV + 1);
    t.setScrollV(g, 99);
    EXPECT_EQ(prim("media_native_text_field_get_scroll_v", 1)(g).toInt(), maxV);
    EXPECT_EQ(t.bottomScrollV(g).toInt(), 10);
    t.release(f);
    t.release(g);
}

TEST(TextFieldNative, FormatsOverRangesAndTheMarkup) {
    const Text& t = text();
    Value f = t.field(300, 40, "Hello world");
    t.setFormat(f, format({{"bold", true}, {"color", 0x0000FF}}), 0, 5);
    Value head = record(), all = record(), one = record();
    t.getFormat(f, head, 0, 5);
    EXPECT_TRUE(head.field("bold").toBool());
    EXPECT_EQ(head.field("color").toInt(), 0x0000FF);
    t.getFormat(f, all, -1, -1);
    EXPECT_TRUE(all.field("bold").isNull());
    EXPECT_TRUE(all.field("color").isNull());
    EXPECT_EQ(all.field("size").toFloat(), 12);
    // A begin alone names one character.
    t.getFormat(f, one, 6, -1);
    EXPECT_FALSE(one.field("bold").toBool());
    // Paragraph attributes go to the whole paragraph.
    t.setFormat(f, format({{"align", "center"}}), 7, 8);
    Value para = record();
    t.getFormat(f, para, 0, 1);
    EXPECT_EQ(para.field("align").toText(), "center");

    // New text takes the default format; text colour reaches every character.
    t.setDefault(f, format({{"italic", true}, {"size", 20.0}}));
    t.setText(f, "abc");
    Value d = record();
    t.getFormat(f, d, -1, -1);
    EXPECT_TRUE(d.field("italic").toBool());
    EXPECT_EQ(d.field("size").toFloat(), 20);
    t.setTextColor(f, 0x112233);
    t.getFormat(f, d, -1, -1);
    EXPECT_EQ(d.field("color").toInt(), 0x112233);

    t.setHtml(f, "<b>Hi</b> <font color=\"#FF0000\" size=\"18\">there</font><br/>&lt;3 &amp; &#65;");
    EXPECT_EQ(t.getText(f).toText(), "Hi there\n<3 & A");
    Value b = record(), red = record();
    t.getFormat(f, b, 0, 2);
    EXPECT_TRUE(b.field("bold").toBool());
    t.getFormat(f, red, 3, 8);
    EXPECT_FALSE(red.field("bold").toBool());
    EXPECT_EQ(red.field("color").toInt(), 0xFF0000);
    EXPECT_EQ(red.field("size").toFloat(), 18);
    std::string html = t.getHtml(f).toText();
    // The default format was made italic above.
    EXPECT_NE(html.find("<b><i>Hi</i></b>"), std::string::npos) << html;
    EXPECT_NE(html.find("size=\"18\" color=\"#FF0000\"><i>there</i></font>\n"), std::string::npos) << html;
    EXPECT_NE(html.find("&lt;3 &amp; A"), std::string::npos) << html;
    // Read back as the framework hands it on (line feeds as breaks), it gives the same text.
    std::string framed;
    for (char c : html) framed += c == '\n' ? std::string("<br/>") : std::string(1, c);
    Value g = t.field(300, 40, "");
    t.setHtml(g, framed);
    EXPECT_EQ(t.getText(g).toText(), "Hi there\n<3 & A");
    Value back = record();
    t.getFormat(g, back, 3, 8);
    EXPECT_EQ(back.field("color").toInt(), 0xFF0000);
    t.setWordWrap(g, true);
    t.setWidth(g, 70);
    t.setHeight(g, 90);
    Value out = t.surface(80, 100, 0xFFFFFFFFu);
    t.drawToSurface(g, out, nullptr, nullptr, "null", nullptr);
    t.save(out, "text-markup");
    t.release(g);
    t.release(f);
}

TEST(TextFieldNative, FontFilesDataAndRegisteredFamilies) {
    const Text& t = text();
    Value bold = t.importFont(DEJAVU + "DejaVuSans-Bold.ttf", nullptr, 20480, nullptr);
    ASSERT_TRUE(bold.isObject());
    EXPECT_EQ(bold.field("family_name").toText(), "DejaVu Sans");
    EXPECT_TRUE(bold.field("is_bold").toBool());
    EXPECT_FALSE(bold.field("is_italic").toBool());
    Value serif = fileBytes(DEJAVU + "DejaVuSerif-Italic.ttf");
    Value italic = t.importFont("", nullptr, 20480, serif);
    ASSERT_TRUE(italic.isObject());
    EXPECT_EQ(italic.field("family_name").toText(), "DejaVu Serif");
    EXPECT_TRUE(italic.field("is_italic").toBool());
    EXPECT_TRUE(t.importFont("/no/such/font.ttf", nullptr, 20480, nullptr).isNull());
    EXPECT_TRUE(t.importFont("", nullptr, 20480, fileBytes("/etc/hostname")).isNull());

    // Text in a registered family, in a font file, and in the default font measure differently.
    t.registerFont("Registered Mono", fileBytes(DEJAVU + "DejaVuSansMono.ttf"));
    Value f = t.field(400, 40, "iiiiiiiiii");
    double sans = t.textWidth(f).toFloat();
    t.setFormat(f, format({{"font", "Registered Mono"}}), -1, -1);
    double mono = t.textWidth(f).toFloat();
    t.setFormat(f, format({{"font", DEJAVU + "DejaVuSerif.ttf"}}), -1, -1);
    double serifWidth = t.textWidth(f).toFloat();
    t.setFormat(f, format({{"font", "No Such Family"}}), -1, -1);
    EXPECT_EQ(t.textWidth(f).toFloat(), sans);
    EXPECT_GT(mono, sans * 1.5);
    EXPECT_NE(serifWidth, sans);
    EXPECT_NE(serifWidth, mono);

    int fonts = 0;
    bool sawDejaVuBold = false;
    t.deviceFonts(runtime::Function::of([&](const Value& name, const Value& style) {
        ++fonts;
        if (name.toText() == "DejaVu Sans" && style.toInt() == 0) sawDejaVuBold = true;
    }));
    EXPECT_GT(fonts, 0);
    EXPECT_TRUE(sawDejaVuBold);
    t.release(f);
}

TEST(TextFieldNative, GlyphsAreDrawnInTheirColourInsideTheBox) {
    const Text& t = text();
    Value f = t.field(120, 60, "HI");
    t.setFormat(f, format({{"size", 40.0}, {"color", 0xFF0000}}), -1, -1);
    Value out = t.surface(140, 80, 0xFFFFFFFFu);
    Value at = format({{"a", 1.0}, {"b", 0.0}, {"c", 0.0}, {"d", 1.0}, {"tx", 10.0}, {"ty", 10.0}});
    t.drawToSurface(f, out, at, nullptr, "null", nullptr);
    t.save(out, "text-red-hi");
    Value metrics = record();
    t.lineMetrics(f, 0, metrics);
    double ascent = metrics.field("ascent").toFloat();
    double width = metrics.field("width").toFloat();
    Ink ink = inkOf(t, out, 140, 80, 0xFFFFFFFFu);
    ASSERT_GT(ink.count, 200);
    // Inside the first line, right of the gutter, and reaching close to the baseline.
    EXPECT_GE(ink.x0, 12);
    EXPECT_LE(ink.x1, 12 + width);
    EXPECT_GE(ink.y0, 12);
    EXPECT_LE(ink.y1, 12 + ascent);
    EXPECT_GE(ink.y1, 12 + ascent - 2);
    // Stems are solid red; every other ink pixel is a red over white, never another hue.
    int solid = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 140; ++x) {
            uint32_t p = t.px(out, x, y);
            if (p == 0xFFFF0000u) ++solid;
            ASSERT_EQ(p & 0xFFFF0000u, 0xFFFF0000u) << x << "," << y;
            ASSERT_EQ((p >> 8) & 0xFF, p & 0xFF) << x << "," << y;
        }
    EXPECT_GT(solid, 100);
    // "I" is a vertical bar: one fully red column of cap height.
    int fullColumns = 0;
    for (int x = ink.x0; x <= ink.x1; ++x) {
        int run = 0;
        for (int y = ink.y0; y <= ink.y1; ++y) run += t.px(out, x, y) == 0xFFFF0000u;
        fullColumns += run >= ink.y1 - ink.y0 - 1;
    }
    EXPECT_GE(fullColumns, 6);
    t.release(f);
}

TEST(TextFieldNative, BackgroundBorderAndPassword) {
    const Text& t = text();
    Value f = t.field(60, 24, "ab");
    t.setBackground(f, true);
    t.setBackgroundColor(f, 0x00FF00);
    t.setBorder(f, true);
    t.setPassword(f, true);
    Value out = t.surface(80, 40, 0xFFFFFFFFu);
    t.drawToSurface(f, out, nullptr, nullptr, "null", nullptr);
    t.save(out, "text-box");
    EXPECT_EQ(t.px(out, 0, 0), 0xFF000000u);
    EXPECT_EQ(t.px(out, 59, 23), 0xFF000000u);
    EXPECT_EQ(t.px(out, 30, 0), 0xFF000000u);
    EXPECT_EQ(t.px(out, 58, 12), 0xFF00FF00u);
    EXPECT_EQ(t.px(out, 60, 12), 0xFFFFFFFFu);
    EXPECT_EQ(t.px(out, 30, 24), 0xFFFFFFFFu);
    // Two asterisks near the top left, in black over the green; the text itself is unchanged.
    Ink ink;
    for (int y = 1; y < 23; ++y)
        for (int x = 1; x < 59; ++x) {
            uint32_t p = t.px(out, x, y);
            if (p == 0xFF00FF00u) continue;
            EXPECT_EQ(p & 0xFFFF00FFu, 0xFF000000u) << x << "," << y;
            ink.x0 = std::min(ink.x0, x);
            ink.x1 = std::max(ink.x1, x);
            ink.y1 = std::max(ink.y1, y);
            ++ink.count;
        }
    EXPECT_GT(ink.count, 10);
    EXPECT_GE(ink.x0, 2);
    EXPECT_LT(ink.x1, 20);
    EXPECT_LT(ink.y1, 12);
    EXPECT_EQ(t.getText(f).toText(), "ab");
    t.release(f);
}
