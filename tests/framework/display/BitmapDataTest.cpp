// BitmapData against the recording fake: what each operation sends to the back end.
#include <gtest/gtest.h>

#include <array>

#include "framework/display/BitmapData.h"
#include "framework/display/JPEGEncoderOptions.h"
#include "framework/display/PNGEncoderOptions.h"
#include "framework/display/Shape.h"
#include "framework/errors/EOFError.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Resources.h"

using framework::BitmapData;
using framework::Rectangle;
using media::FakeMediaModule;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class BitmapDataFake : public ::testing::Test {
protected:
    void SetUp() override {
        FakeMediaModule::get().reset();
        // Every create answers a fresh handle object.
        FakeMediaModule::get().on("media_native_bitmap_data_create",
                                  [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
    }
    static FakeMediaModule& fake() { return FakeMediaModule::get(); }
    static std::vector<Value> lastArgs(const char* name) { return fake().callsTo(name).back().args; }
};

Ref<runtime::Bytes> bytesOf(std::size_t n) { return make<runtime::Bytes>(std::vector<uint8_t>(n, 7)); }
}  // namespace

TEST_F(BitmapDataFake, ConstructionSplitsTheFillIntoRgbAndAlpha) {
    struct Case {
        int w, h;
        bool transparent;
        std::optional<int> fill;
        int flags, rgb, alpha;
    };
    const Case cases[] = {
        {4, 3, true, std::nullopt, 3, 0xFFFFFF, 255},
        {4, 3, true, 0x00FF0000, 3, 0, 0},           // a fully transparent fill has no colour
        {4, 3, false, 0x00FF0000, 2, 0xFF0000, 0},   // opaque: the colour is kept
        {4, 3, false, static_cast<int>(0x80123456), 2, 0x123456, 0x80},
    };
    for (const Case& c : cases) {
        fake().reset();
        auto b = c.fill ? make<BitmapData>(c.w, c.h, c.transparent, *c.fill) : make<BitmapData>(c.w, c.h);
        auto a = lastArgs("media_native_bitmap_data_create");
        ASSERT_EQ(a.size(), 6u);
        EXPECT_EQ(a[0].toInt(), c.w);
        EXPECT_EQ(a[1].toInt(), c.h);
        EXPECT_EQ(a[2].toInt(), c.flags);
        EXPECT_EQ(a[3].toInt(), c.rgb);
        EXPECT_EQ(a[4].toInt(), c.alpha);
        EXPECT_TRUE(a[5].isNull());
        EXPECT_EQ(b->get_transparent(), c.transparent);
    }
}

TEST_F(BitmapDataFake, ZeroSizeMakesNoSurfaceAndDisposeReleasesOnce) {
    auto empty = make<BitmapData>(0, 5, false);
    auto negative = make<BitmapData>(5, -1);
    EXPECT_EQ(fake().count("media_native_bitmap_data_create"), 0);
    EXPECT_TRUE(empty->handle_.isNull());
    EXPECT_FALSE(empty->get_transparent());
    EXPECT_TRUE(negative->get_transparent());
    empty->dispose();
    EXPECT_EQ(fake().count("media_native_bitmap_data_dispose"), 0);

    auto b = make<BitmapData>(2, 2);
    Value handle = b->handle_;
    b->dispose();
    b->dispose();
    EXPECT_EQ(fake().count("media_native_bitmap_data_dispose"), 1);
    EXPECT_EQ(lastArgs("media_native_bitmap_data_dispose")[0], handle);
    EXPECT_TRUE(b->handle_.isNull());
    // A disposed bitmap passes its null handle on.
    b->clone();
    EXPECT_TRUE(lastArgs("media_native_bitmap_data_clone")[0].isNull());
}

TEST_F(BitmapDataFake, FillsPassColourAndAlphaAsEachOperationSays) {
    auto b = make<BitmapData>(8, 8);
    auto r = make<Rectangle>(1, 2, 3, 4);
    b->fillRect(r, static_cast<int>(0xFFFF0000));
    auto a = lastArgs("media_native_bitmap_data_fill");
    EXPECT_EQ(a[1].object(), r.get());
    EXPECT_EQ(a[2].toInt(), 0xFF0000);
    EXPECT_EQ(a[3].toInt(), 255);
    b->fillRectEx(r, static_cast<int>(0xFFFF0000));
    a = lastArgs("media_native_bitmap_data_fill");
    EXPECT_EQ(a[2].toInt(), static_cast<int>(0xFFFF0000));
    EXPECT_EQ(a[3].toInt(), 255);
    b->clear(0x7F00FF00);
    EXPECT_EQ(lastArgs("media_native_bitmap_data_clear")[1].toInt(), 0x7F00FF00);
}

TEST_F(BitmapDataFake, SetPixelsReadsTheWholeRectangleOrNothing) {
    auto b = make<BitmapData>(4, 4);
    auto r = make<Rectangle>(1, 1, 2, 2);
    auto bytes = bytesOf(16);
    b->setPixels(r, bytes);
    auto a = lastArgs("media_native_bitmap_data_set_bytes");
    EXPECT_EQ(a[1].object(), r.get());
    EXPECT_EQ(a[2].object(), bytes.get());
    EXPECT_EQ(a[3].toInt(), 0);

    // One byte short: the end-of-file error, nothing written.
    try {
        b->setPixels(r, bytesOf(15));
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        EXPECT_NE(t.value().as<framework::EOFError>(), nullptr);
    }
    EXPECT_EQ(fake().count("media_native_bitmap_data_set_bytes"), 1);
}

TEST_F(BitmapDataFake, GetPixelsPassesTheBackEndsBytesThrough) {
    auto b = make<BitmapData>(4, 4);
    auto answer = bytesOf(8);
    fake().returns("media_native_bitmap_data_get_pixels", Value(answer));
    auto r = make<Rectangle>(0, 0, 2, 1);
    EXPECT_EQ(b->getPixels(r).get(), answer.get());
    EXPECT_EQ(lastArgs("media_native_bitmap_data_get_pixels")[1].object(), r.get());
    fake().returns("media_native_bitmap_data_get_pixels", Value());
    EXPECT_EQ(b->getPixels(r).get(), nullptr);
}

TEST_F(BitmapDataFake, VectorsOfTheRectanglesSize) {
    auto b = make<BitmapData>(4, 4);
    auto v = b->getVector(make<Rectangle>(0, 0, 3, 2));
    EXPECT_EQ(v->length(), 6);
    EXPECT_EQ(lastArgs("media_native_bitmap_data_get_array")[2].object(), v.get());
    EXPECT_EQ(b->getVector(make<Rectangle>(0, 0, 0.5, 1))->length(), 0);
    EXPECT_EQ(fake().count("media_native_bitmap_data_get_array"), 1);

    auto r = make<Rectangle>(0, 0, 3, 3);
    b->setVector(r, make<runtime::Array>(std::vector<Value>(8, Value(1))));
    EXPECT_EQ(fake().count("media_native_bitmap_data_set_array"), 0);  // too short: nothing
    b->setVector(r, make<runtime::Array>(std::vector<Value>(10, Value(1))));
    EXPECT_EQ(fake().count("media_native_bitmap_data_set_array"), 1);
}

TEST_F(BitmapDataFake, EncodeChoosesFormatAndQuality) {
    auto b = make<BitmapData>(2, 2);
    auto file = bytesOf(3);
    fake().returns("media_native_bitmap_data_encode", Value(file));
    EXPECT_EQ(b->encode(Value("png")).get(), file.get());
    auto a = lastArgs("media_native_bitmap_data_encode");
    EXPECT_EQ(a[1].str(), "png");
    EXPECT_TRUE(a[2].isFloat());
    EXPECT_DOUBLE_EQ(a[2].toFloat(), 0.9);
    b->encode(Value("jpg"), Value(1));
    EXPECT_DOUBLE_EQ(lastArgs("media_native_bitmap_data_encode")[2].toFloat(), 1.0);

    auto rect = Value(make<Rectangle>(0, 0, 2, 2));
    EXPECT_EQ(b->encode(rect, Value(make<framework::JPEGEncoderOptions>())).get(), file.get());
    a = lastArgs("media_native_bitmap_data_encode");
    EXPECT_EQ(a[1].str(), "jpg");
    EXPECT_DOUBLE_EQ(a[2].toFloat(), 0.8);
    b->encode(rect, Value(make<framework::PNGEncoderOptions>()));
    a = lastArgs("media_native_bitmap_data_encode");
    EXPECT_EQ(a[1].str(), "png");
    EXPECT_EQ(a[2].toFloat(), 0);

    int before = fake().count("media_native_bitmap_data_encode");
    EXPECT_EQ(b->encode(rect, Value(0.5)).get(), nullptr);
    EXPECT_EQ(b->encode(Value(), Value(make<framework::PNGEncoderOptions>())).get(), nullptr);
    EXPECT_EQ(fake().count("media_native_bitmap_data_encode"), before);
    try {
        b->encode(Value("png"), Value("high"));
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Invalid Cast");
    }
}

TEST_F(BitmapDataFake, CopiesAndDrawsPassHandlesInTheBackEndsOrder) {
    auto src = make<BitmapData>(4, 4), dst = make<BitmapData>(4, 4);
    auto r = make<Rectangle>(0, 0, 2, 2);
    auto p = make<framework::Point>(1, 1);
    dst->copyPixels(src, r, p, nullptr, nullptr, true);
    auto a = lastArgs("media_native_bitmap_data_copy");
    EXPECT_EQ(a[0], src->handle_);
    EXPECT_EQ(a[2], dst->handle_);
    EXPECT_TRUE(a[4].toBool());

    dst->draw(src);
    a = lastArgs("media_native_render_surface_to_surface");
    EXPECT_EQ(a[0], dst->handle_);
    EXPECT_EQ(a[1], src->handle_);
    EXPECT_EQ(a[4].str(), "null");
    dst->draw(src, nullptr, nullptr, framework::BlendMode::ADD, nullptr, true);
    a = lastArgs("media_native_render_surface_to_surface");
    EXPECT_EQ(a[4].str(), "ADD");
    EXPECT_TRUE(a[6].toBool());

    // A display object renders itself through its node.
    fake().on("media_native_create_display_object",
              [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
    auto shape = make<framework::Shape>();
    dst->draw(shape);
    a = lastArgs("media_native_display_object_draw_to_surface");
    EXPECT_EQ(a[0], shape->handle_);
    EXPECT_EQ(a[1], dst->handle_);

    auto clone = src->clone();
    EXPECT_EQ(lastArgs("media_native_bitmap_data_clone")[0], src->handle_);
    EXPECT_TRUE(clone->get_transparent());
}

TEST_F(BitmapDataFake, MissingAnswersReadAsZero) {
    auto b = make<BitmapData>(2, 2);
    EXPECT_EQ(b->get_width(), 0);
    EXPECT_EQ(b->getPixel32(0, 0), 0);
    EXPECT_FALSE(b->get_premultipliedAlpha());
    EXPECT_TRUE(b->set_premultipliedAlpha(true));
    fake().returns("media_native_bitmap_data_width", Value(7));
    fake().returns("media_native_bitmap_data_height", Value(5));
    auto rect = b->get_rect();
    EXPECT_EQ(rect->width, 7);
    EXPECT_EQ(rect->height, 5);
}

TEST_F(BitmapDataFake, ColourHelpers) {
    EXPECT_EQ(BitmapData::createColor(0xFF0000), static_cast<int>(0xFFFF0000));
    EXPECT_EQ(BitmapData::createColor(0xFF0000, 0x180), static_cast<int>(0x80FF0000));
    EXPECT_EQ(BitmapData::createColor(static_cast<int>(0x12000001), 0), 0x12000001);  // rgb not masked
    EXPECT_EQ(BitmapData::extractAlpha(static_cast<int>(0xFF0000FF)), 255);
    EXPECT_EQ(BitmapData::extractColor(static_cast<int>(0xFF123456)), 0x123456);
    EXPECT_EQ(BitmapData::flipPixel_(static_cast<int>(0xFF0000FF)), static_cast<int>(0xFF0000FF));
    EXPECT_EQ(BitmapData::flipPixel_(static_cast<int>(0xFFFF0000)), 0x0000FFFF);
    EXPECT_EQ(BitmapData::ucompare_(static_cast<int>(0xFF000000), 1), 1);
    EXPECT_EQ(BitmapData::ucompare_(1, static_cast<int>(0x80000000)), -1);
    EXPECT_EQ(BitmapData::ucompare_(-1, -1), 0);
    EXPECT_EQ(BitmapData::RED, static_cast<int>(0xFFFF0000));
    EXPECT_EQ(BitmapData::CLEAR, 0);
}

TEST_F(BitmapDataFake, ByNameAccessKeepsSizeWritesApart) {
    auto b = make<BitmapData>(2, 2);
    fake().returns("media_native_bitmap_data_width", Value(2));
    Value v(b);
    EXPECT_EQ(v.field("width").toInt(), 2);
    v.setField("width", Value(40), false);
    EXPECT_EQ(b->get_width(), 2);
    EXPECT_EQ(v.field("width", false).toInt(), 40);
    v.setField("__transparent", Value(false));
    EXPECT_FALSE(b->get_transparent());
    EXPECT_TRUE(v.field("clone").isFunction());
}

TEST_F(BitmapDataFake, EmbeddedPicturesDecodeTheirResource) {
    static const uint8_t png[] = {1, 2, 3, 4, 5};
    static const runtime::Resources::Entry entries[] = {{"tests/picture.png", png, sizeof png}};
    runtime::Resources::add(entries, 1);
    struct Picture : BitmapData {
        Picture() : BitmapData(0, 0) { loadEmbedded_("tests/picture.png"); }
    };
    fake().returns("media_native_bitmap_data_from_bytes", Value(make<runtime::DynamicObject>()));
    auto picture = make<Picture>();
    runtime::Resources::remove(entries, 1);
    auto a = lastArgs("media_native_bitmap_data_from_bytes");
    auto* bytes = a[0].as<runtime::Bytes>();
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->data(), std::vector<uint8_t>(png, png + 5));
    EXPECT_TRUE(a[1].isNull());
    EXPECT_FALSE(picture->handle_.isNull());
    EXPECT_EQ(fake().count("media_native_bitmap_data_create"), 0);
}
