// The 3D context's textures against the recording fake back end: what their constructors and
// uploads send, and the channel copies that turn a bitmap's pixels into RGBA.
#include <gtest/gtest.h>

#include "Context3DFixture.h"
#include "tests/support/ThrownText.h"

using framework::ByteArray;
using framework::Context3D;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using Calls = std::vector<std::string>;

namespace {

const Calls renderTargetState = {"pixel_storei(37440,1)", "tex_parameteri(3553,10240,9728)",
                                 "tex_parameteri(3553,10241,9728)", "tex_parameteri(3553,10242,33071)",
                                 "tex_parameteri(3553,10243,33071)"};

class Textures3D : public Context3DFixture {
protected:
    void SetUp() override {
        Context3DFixture::SetUp();
        context = make<Context3D>();
    }
    static Calls without(Calls calls, const std::string& prefix) {
        std::erase_if(calls, [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
        return calls;
    }
    Ref<Context3D> context;
};

}  // namespace

TEST_F(Textures3D, ConstructorsIssueTheRenderTargetState) {
    auto calls = [&](auto make) { return without(glCallsOf(make), "create_texture"); };
    EXPECT_TRUE(calls([&] { context->createTexture(4, 4, std::nullopt, false); }).empty());
    EXPECT_EQ(calls([&] { context->createTexture(4, 4, std::nullopt, true); }), renderTargetState);
    EXPECT_EQ(calls([&] { context->createRectangleTexture(4, 4, std::nullopt, false); }),
              Calls(renderTargetState.begin() + 1, renderTargetState.end()));
    EXPECT_EQ(calls([&] { context->createRectangleTexture(4, 4, std::nullopt, true); }), renderTargetState);
}

TEST_F(Textures3D, ByteUploadsSendTheWholeArrayAtTheTextureSize) {
    auto texture = context->createTexture(2, 1, std::nullopt, false);
    const std::string T = texture->glTexture->id.toText();
    auto data = make<ByteArray>(8);
    EXPECT_EQ(glCallsOf([&] { texture->uploadFromByteArray(data, 100, 1); }),
              (Calls{"bind_texture(3553," + T + ")", "tex_image_2d(3553,1,6408,2,1,0,6408,5121,bytes,0)",
                     "bind_texture(3553,null)"}));
    EXPECT_EQ(media::FakeMediaModule::get().callsTo("media_native_gl_tex_image_2d").back().args[8].object(),
              data.get());
    // A view from its own start.
    auto view = make<framework::UInt8Array>(Value(data), 4, 4);
    EXPECT_EQ(glCallsOf([&] { texture->uploadFromUInt8Array(view); }).at(1),
              "tex_image_2d(3553,0,6408,2,1,0,6408,5121,bytes,4)");
    // No data: a 2D texture sends nothing; a rectangle texture has bound itself first.
    std::string thrown;
    EXPECT_TRUE(glCallsOf([&] { thrown = thrownText([&] { texture->uploadFromByteArray(nullptr, 0); }); }).empty());
    EXPECT_EQ(thrown, "Invalid input buffer");
    auto rectangle = context->createRectangleTexture(2, 1, std::nullopt, true);
    Calls expected{"bind_texture(3553," + rectangle->glTexture->id.toText() + ")"};
    expected.insert(expected.end(), renderTargetState.begin(), renderTargetState.end());
    EXPECT_EQ(glCallsOf([&] { thrown = thrownText([&] { rectangle->uploadFromByteArray(nullptr, 0); }); }), expected);
    EXPECT_EQ(thrown, "Invalid input buffer");
}

TEST_F(Textures3D, BitmapUploadsReorderTheChannelsAndTakeTheBitmapSize) {
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_bitmap_data_create",
            [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
    fake.returns("media_native_bitmap_data_width", Value(64));
    fake.returns("media_native_bitmap_data_height", Value(32));
    auto pixels = make<ByteArray>(64 * 32 * 4);
    fake.returns("media_native_bitmap_data_get_pixels", Value(pixels));
    auto source = make<framework::BitmapData>(64, 32);
    auto texture = context->createTexture(1, 1, std::nullopt, false);
    const auto from = mark();
    texture->uploadFromBitmapData(source, 2);
    // Green into red, blue into green, alpha into blue, red into alpha: bytes A R G B of each
    // pixel then hold the source's R G B A.
    std::vector<std::pair<int, int>> copies;
    const auto& all = fake.calls();
    for (std::size_t i = from; i < all.size(); ++i)
        if (all[i].name == "media_native_bitmap_data_copy_channel") {
            EXPECT_EQ(all[i].args[0].object(), source->handle_.object());
            copies.emplace_back(all[i].args[4].toInt(), all[i].args[5].toInt());
        }
    EXPECT_EQ(copies, (std::vector<std::pair<int, int>>{{2, 1}, {4, 2}, {8, 4}, {1, 8}}));
    EXPECT_EQ(texture->width, 64);
    EXPECT_EQ(texture->height, 32);
    auto image = fake.callsTo("media_native_gl_tex_image_2d").back().args;
    EXPECT_EQ(image[1].toInt(), 2);
    EXPECT_EQ(image[3].toInt(), 64);
    EXPECT_EQ(image[8].object(), pixels.get());
    // The next byte upload keeps the bitmap's size.
    texture->uploadFromByteArray(pixels, 0);
    EXPECT_EQ(fake.callsTo("media_native_gl_tex_image_2d").back().args[4].toInt(), 32);

    // A cube face by side number, at the bitmap's size; the cube's own size stays.
    auto cube = context->createCubeTexture(16, std::nullopt, false);
    const std::string C = cube->glTexture->id.toText();
    Calls face = without(glCallsOf([&] { cube->uploadFromBitmapData(source, 5); }), "bitmap");
    EXPECT_EQ(face, (Calls{"bind_texture(34067," + C + ")", "tex_image_2d(34074,0,6408,64,32,0,6408,5121,bytes,0)",
                           "bind_texture(34067,null)"}));
    EXPECT_EQ(cube->width, 16);
    std::string thrown;
    EXPECT_EQ(glCallsOf([&] { thrown = thrownText([&] { cube->uploadFromBitmapData(source, 6); }); }),
              (Calls{"bind_texture(34067," + C + ")"}));
    EXPECT_EQ(thrown, "unknown side type");
}

TEST_F(Textures3D, CubeTexturesHoldSixFurtherHandles) {
    auto cube = context->createCubeTexture(8, std::nullopt, true);
    EXPECT_EQ(cube->size, 8);
    EXPECT_EQ(cube->width, 8);
    EXPECT_EQ(cube->height, 8);
    EXPECT_EQ(cube->glTextureAt(6), nullptr);
    EXPECT_EQ(cube->glTextureAt(-1), nullptr);
    ASSERT_NE(cube->glTextureAt(0), nullptr);
    EXPECT_EQ(cube->glTextureAt(0)->id.toInt(), cube->glTexture->id.toInt() + 1);
    EXPECT_EQ(cube->glTextureAt(5)->id.toInt(), cube->glTexture->id.toInt() + 6);
    auto data = make<ByteArray>(16);
    EXPECT_TRUE(glCallsOf([&] {
                    cube->uploadFromByteArray(data, 0, 1);
                    cube->uploadCompressedTextureFromByteArray(data, 0);
                    context->createTexture(2, 2, std::nullopt, false)->uploadCompressedTextureFromByteArray(data, 0);
                }) == Calls{"create_texture()"});
    // Disposing deletes the cube's own texture only.
    const std::string C = cube->glTexture->id.toText();
    EXPECT_EQ(glCallsOf([&] { cube->dispose(); }), (Calls{"delete_texture(" + C + ")"}));
    EXPECT_TRUE(cube->glTextureAt(0)->isValid());
}
