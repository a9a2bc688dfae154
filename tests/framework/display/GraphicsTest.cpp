// Graphics, Tilesheet and Bitmap against the recording fake: the commands they send.
#include "DisplayFixture.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Graphics.h"
#include "framework/display/IGraphicsData.h"
#include "framework/display/Tilesheet.h"
#include "platform/runtime/Trace.h"

using framework::Bitmap;
using framework::BitmapData;
using framework::Graphics;
using framework::PixelSnapping;
using framework::Point;
using framework::Rectangle;
using framework::Tilesheet;
using media::FakeMediaModule;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class GraphicsFake : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        fake().on("media_native_bitmap_data_create",
                  [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
        fake().on("media_native_tilesheet_create",
                  [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
        g = make<Graphics>(gfxHandle);
    }
    static FakeMediaModule& fake() { return FakeMediaModule::get(); }
    static std::vector<Value> last(const char* name) { return fake().callsTo(name).back().args; }
    static Ref<runtime::Array> list(std::vector<Value> v = {}) { return make<runtime::Array>(std::move(v)); }

    Value gfxHandle = Value(make<runtime::DynamicObject>());
    Ref<Graphics> g;
};

std::vector<double> numbers(const std::vector<Value>& args, std::size_t from) {
    std::vector<double> out;
    for (std::size_t i = from; i < args.size(); ++i) out.push_back(args[i].isNull() ? -999 : args[i].toFloat());
    return out;
}
}  // namespace

TEST_F(GraphicsFake, ShapesAndDefaults) {
    g->drawCircle(10, 20, 5);
    EXPECT_EQ(numbers(last("media_native_gfx_draw_ellipse"), 1), (std::vector<double>{5, 15, 10, 10}));
    g->drawRoundRect(0, 0, 50, 30, 8);
    EXPECT_EQ(numbers(last("media_native_gfx_draw_round_rect"), 1), (std::vector<double>{0, 0, 50, 30, 8, 8}));
    g->beginFill(0x000000);
    EXPECT_EQ(last("media_native_gfx_begin_fill")[2].toFloat(), 1.0);
    g->drawRect(1, 2, 3, 4);
    auto a = last("media_native_gfx_draw_rect");
    EXPECT_EQ(a[0], gfxHandle);
    EXPECT_EQ(numbers(a, 1), (std::vector<double>{1, 2, 3, 4}));

    g->lineStyle();
    a = last("media_native_gfx_line_style");
    EXPECT_TRUE(a[1].isNull());
    EXPECT_EQ(numbers(a, 2), (std::vector<double>{0, 1.0, 0, 0, 0, 0, 3.0}));
    g->lineStyle(2, 0xFF0000, 0.5, false, framework::LineScaleMode::NONE, framework::CapsStyle::SQUARE,
                 framework::JointStyle::BEVEL, 5);
    EXPECT_EQ(numbers(last("media_native_gfx_line_style"), 1),
              (std::vector<double>{2, 0xFF0000, 0.5, 0, 1, 2, 2, 5}));

    auto xy = list({Value(1.0), Value(2.0)});
    g->drawPoints(xy);
    a = last("media_native_gfx_draw_points");
    EXPECT_EQ(a[1].object(), xy.get());
    EXPECT_TRUE(a[2].isNull());
    EXPECT_EQ(a[3].toInt(), -1);
    EXPECT_FALSE(a[4].toBool());
    EXPECT_EQ(a[5].toFloat(), -1.0);
}

TEST_F(GraphicsFake, GradientsWithoutAMatrixUseTheDefaultBox) {
    auto colors = list({Value(0xFF0000), Value(0x0000FF)}), alphas = list({Value(1), Value(1)}),
         ratios = list({Value(0), Value(255)});
    g->beginGradientFill(framework::GradientType::LINEAR, colors, alphas, ratios);
    auto a = last("media_native_gfx_begin_gradient_fill");
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[1].toInt(), 1);
    EXPECT_EQ(a[2].object(), colors.get());
    auto* box = a[5].as<framework::Matrix>();
    ASSERT_NE(box, nullptr);
    auto expected = make<framework::Matrix>();
    expected->createGradientBox(200, 200, 0, -100, -100);
    EXPECT_DOUBLE_EQ(box->a, expected->a);
    EXPECT_DOUBLE_EQ(box->d, expected->d);
    EXPECT_DOUBLE_EQ(box->tx, 0);  // the box is centred on the origin
    EXPECT_DOUBLE_EQ(box->ty, 0);
    EXPECT_EQ(numbers(a, 6), (std::vector<double>{0, 0, 0}));

    auto m = make<framework::Matrix>(2, 0, 0, 2, 5, 5);
    g->lineGradientStyle(framework::GradientType::RADIAL, colors, alphas, ratios, m,
                         framework::SpreadMethod::REFLECT, framework::InterpolationMethod::LINEAR_RGB, 0.5);
    a = last("media_native_gfx_line_gradient_fill");
    EXPECT_EQ(a[1].toInt(), 0);
    EXPECT_EQ(a[5].object(), m.get());
    EXPECT_EQ(numbers(a, 6), (std::vector<double>{2, 1, 0.5}));
}

TEST_F(GraphicsFake, TrianglesCullingAndPathWinding) {
    auto v = list({Value(0.0), Value(0.0), Value(1.0), Value(0.0), Value(0.0), Value(1.0)});
    struct Case {
        std::optional<framework::TriangleCulling> culling;
        int code;
    };
    for (Case c : {Case{std::nullopt, 0}, Case{framework::TriangleCulling::POSITIVE, -1},
                   Case{framework::TriangleCulling::NONE, 0}, Case{framework::TriangleCulling::NEGATIVE, 1}}) {
        g->drawTriangles(v, nullptr, nullptr, c.culling);
        auto a = last("media_native_gfx_draw_triangles");
        EXPECT_EQ(a[4].toInt(), c.code);
        EXPECT_TRUE(a[2].isNull() && a[3].isNull() && a[5].isNull());
        EXPECT_EQ(a[6].toInt(), 0);
    }
    auto indices = list({Value(0), Value(1), Value(2)});
    g->drawTriangles(v, indices);
    EXPECT_EQ(last("media_native_gfx_draw_triangles")[2].object(), indices.get());

    auto commands = list({Value(1), Value(2)}), data = list({Value(0.0), Value(0.0), Value(4.0), Value(4.0)});
    g->drawPath(commands, data);
    EXPECT_FALSE(last("media_native_gfx_draw_path")[3].toBool());
    g->drawPath(commands, data, framework::GraphicsPathWinding::NON_ZERO);
    EXPECT_FALSE(last("media_native_gfx_draw_path")[3].toBool());
    g->drawPath(commands, data, framework::GraphicsPathWinding::EVEN_ODD);
    EXPECT_TRUE(last("media_native_gfx_draw_path")[3].toBool());
}

TEST_F(GraphicsFake, GraphicsDataSendsAFreshListOfHandles) {
    Value h1(make<runtime::DynamicObject>()), h2(make<runtime::DynamicObject>());
    auto given = list({Value(make<framework::IGraphicsData>(h1)), Value(make<framework::IGraphicsData>(h2))});
    g->drawGraphicsData(given);
    auto* sent = last("media_native_gfx_draw_data")[1].as<runtime::Array>();
    ASSERT_NE(sent, nullptr);
    EXPECT_NE(sent, given.get());
    ASSERT_EQ(sent->length(), 2);
    EXPECT_EQ(sent->at(0), h1);
    EXPECT_EQ(sent->at(1), h2);
    g->drawGraphicsData(list());
    EXPECT_EQ(last("media_native_gfx_draw_data")[1].as<runtime::Array>()->length(), 0);
}

TEST_F(GraphicsFake, UnimplementedCommandsWarnOnce) {
    std::vector<std::string> lines;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position&) { lines.push_back(v.toText()); });
    std::size_t from = mark();
    g->copyFrom(g);
    g->copyFrom(g);
    g->cubicCurveTo(0, 0, 1, 1, 2, 2);
    g->drawRoundRectComplex(0, 0, 1, 1, 1, 1, 1, 1);
    runtime::Trace::setHandler(nullptr);
    EXPECT_EQ(lines, (std::vector<std::string>{"Warning: Graphics.copyFrom is not implemented",
                                               "Warning: Graphics.cubicCurveTo is not implemented",
                                               "Warning: Graphics.drawRoundRectComplex is not implemented"}));
    EXPECT_TRUE(calls(from).empty());  // nothing is drawn
}

TEST_F(GraphicsFake, RgbaDoesNotMask) {
    EXPECT_EQ(Graphics::RGBA(0x123456), static_cast<int>(0xFF123456));
    EXPECT_EQ(Graphics::RGBA(0x123456, 0x80), static_cast<int>(0x80123456));
    EXPECT_EQ(Graphics::RGBA(static_cast<int>(0x11000000), 0), 0x11000000);
    EXPECT_EQ(Graphics::RGBA(0, 0x1FF), static_cast<int>(0xFF000000));
}

TEST_F(GraphicsFake, TileBatchesBeginASmoothNonRepeatingFillAndSetFlags) {
    auto image = make<BitmapData>(16, 16);
    auto sheet = make<Tilesheet>(image);
    auto data = list({Value(0.0), Value(0.0), Value(0.0)});
    sheet->drawTiles(g, data, true, Tilesheet::TILE_ALPHA);
    auto fill = last("media_native_gfx_begin_bitmap_fill");
    EXPECT_EQ(fill[1], image->handle_);
    EXPECT_TRUE(fill[2].isNull());
    EXPECT_FALSE(fill[3].toBool());
    EXPECT_TRUE(fill[4].toBool());
    auto a = last("media_native_gfx_draw_tiles");
    EXPECT_EQ(a[1], sheet->handle_);
    EXPECT_EQ(a[2].object(), data.get());
    EXPECT_EQ(a[3].toInt(), 4104);
    EXPECT_EQ(a[4].toInt(), -1);
    EXPECT_EQ(fake().count("media_native_gfx_end_fill"), 0);

    g->drawTiles(sheet, data);
    EXPECT_EQ(last("media_native_gfx_draw_tiles")[3].toInt(), 0);
    EXPECT_FALSE(last("media_native_gfx_begin_bitmap_fill")[4].toBool());
    // Three tinted tiles with additive blending, as the engine's camera sends them.
    g->drawTiles(sheet, data, false, Tilesheet::TILE_BLEND_ADD | 28, 33);
    a = last("media_native_gfx_draw_tiles");
    EXPECT_EQ(a[3].toInt(), 0x1001C);
    EXPECT_EQ(a[4].toInt(), 33);

    auto b = make<BitmapData>(4, 4);
    g->beginBitmapFill(b);
    fill = last("media_native_gfx_begin_bitmap_fill");
    EXPECT_TRUE(fill[3].toBool());
    EXPECT_FALSE(fill[4].toBool());
}

TEST_F(GraphicsFake, TilesKeepRectanglesCentresAndTextureEdges) {
    fake().returns("media_native_bitmap_data_width", Value(256));
    fake().returns("media_native_bitmap_data_height", Value(128));
    int nextTile = 0;
    fake().on("media_native_tilesheet_add_rect", [&](const std::vector<Value>&) { return Value(nextTile++); });
    auto sheet = make<Tilesheet>(make<BitmapData>(256, 128));
    auto r0 = make<Rectangle>(32, 16, 16, 8);
    EXPECT_EQ(sheet->addTileRect(r0), 0);
    auto uv = sheet->getTileUVs(0);
    EXPECT_DOUBLE_EQ(uv->x, 0.125);
    EXPECT_DOUBLE_EQ(uv->y, 0.125);
    EXPECT_DOUBLE_EQ(uv->width, 0.1875);
    EXPECT_DOUBLE_EQ(uv->height, 0.1875);
    EXPECT_EQ(sheet->getTileRect(0).get(), r0.get());
    EXPECT_EQ(sheet->getTileCenter(0).get(), Tilesheet::defaultRatio().get());
    EXPECT_TRUE(last("media_native_tilesheet_add_rect")[2].isNull());

    auto centre = make<Point>(8, 4);
    EXPECT_EQ(sheet->addTileRect(make<Rectangle>(0, 0, 16, 8), centre), 1);
    EXPECT_EQ(last("media_native_tilesheet_add_rect")[2].object(), centre.get());
    EXPECT_DOUBLE_EQ(sheet->getTileCenter(1)->x, 0.5);
    EXPECT_DOUBLE_EQ(sheet->getTileCenter(1)->y, 0.5);
    sheet->addTileRect(make<Rectangle>(0, 0, 1, 1));
    EXPECT_EQ(sheet->getTileCenter(2).get(), sheet->getTileCenter(0).get());

    EXPECT_EQ(sheet->getTileRect(-1).get(), nullptr);
    EXPECT_EQ(sheet->getTileRect(3).get(), nullptr);
    // Without an answer the tile still counts and its id reads as 0.
    fake().returns("media_native_tilesheet_add_rect", Value());
    EXPECT_EQ(sheet->addTileRect(make<Rectangle>(0, 0, 2, 2)), 0);
    EXPECT_NE(sheet->getTileRect(3).get(), nullptr);
}

TEST_F(GraphicsFake, BitmapDrawsOneFilledRectangleOfItsPicture) {
    auto gfx = Value(make<runtime::DynamicObject>());
    fake().returns("media_native_display_object_get_graphics", gfx);
    fake().returns("media_native_bitmap_data_width", Value(12));
    fake().returns("media_native_bitmap_data_height", Value(7));
    std::size_t from = mark();
    auto empty = make<Bitmap>();
    EXPECT_EQ(calls(from), (std::vector<std::string>{"create_display_object", "display_object_set_pixel_snapping",
                                                     "display_object_get_graphics", "gfx_clear"}));
    EXPECT_EQ(last("media_native_display_object_set_pixel_snapping")[1].toInt(), 1);
    EXPECT_EQ(empty->bitmapData.get(), nullptr);
    EXPECT_FALSE(empty->smoothing);

    auto picture = make<BitmapData>(12, 7);
    from = mark();
    auto shown = make<Bitmap>(picture);
    auto sent = calls(from);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "gfx_clear"), 2);
    auto fill = last("media_native_gfx_begin_bitmap_fill");
    EXPECT_EQ(fill[0], gfx);
    EXPECT_EQ(fill[1], picture->handle_);
    EXPECT_FALSE(fill[3].toBool());
    EXPECT_FALSE(fill[4].toBool());
    EXPECT_EQ(numbers(last("media_native_gfx_draw_rect"), 1), (std::vector<double>{0, 0, 12, 7}));
    EXPECT_EQ(fake().count("media_native_gfx_end_fill"), 1);

    // The same picture again redraws; a by-name write without property access only stores.
    shown->set_bitmapData(picture);
    EXPECT_EQ(fake().count("media_native_gfx_draw_rect"), 2);
    Value(shown).setField("bitmapData", Value(), false);
    EXPECT_EQ(shown->bitmapData.get(), nullptr);
    EXPECT_EQ(fake().count("media_native_gfx_clear"), 4);
    Value(shown).setField("smoothing", Value(true), true);
    EXPECT_EQ(fake().count("media_native_gfx_clear"), 5);

    EXPECT_EQ(shown->set_pixelSnapping(std::nullopt), std::nullopt);
    EXPECT_EQ(last("media_native_display_object_set_pixel_snapping")[1].toInt(), 0);
    fake().returns("media_native_display_object_get_pixel_snapping", Value(2));
    EXPECT_EQ(shown->get_pixelSnapping(), PixelSnapping::ALWAYS);
    fake().returns("media_native_display_object_get_pixel_snapping", Value(3));
    try {
        shown->get_pixelSnapping();
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "3 is not a valid enum constructor index");
    }
    EXPECT_EQ(runtime::enumText(PixelSnapping::AUTO), "PixelSnapping.AUTO");
    EXPECT_EQ(runtime::enumText(framework::TriangleCulling::NEGATIVE), "TriangleCulling.NEGATIVE");
}
