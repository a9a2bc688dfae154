// Loader and LoaderInfo against the recording fake.
#include "tests/support/ThrownText.h"
#include <gtest/gtest.h>

#include "framework/display/Loader.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

using framework::Bitmap;
using framework::ByteArray;
using framework::Loader;
using framework::LoaderInfo;
using framework::URLRequest;
using media::FakeMediaModule;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

class LoaderFake : public ::testing::Test {
protected:
    void SetUp() override {
        FakeMediaModule::get().reset();
        FakeMediaModule::get().on("media_native_bitmap_data_from_bytes",
                                  [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
    }
    static Ref<ByteArray> png() {
        auto b = make<ByteArray>();
        for (int v : {0x89, 0x50, 0x4E, 0x47}) b->writeByte(v);
        return b;
    }
};

}  // namespace

TEST_F(LoaderFake, LoadBytesCompletesBeforeReturningWithOneBitmapChild) {
    auto loader = make<Loader>();
    std::vector<std::string> seen;
    loader->contentLoaderInfo->addEventListener(
        "complete", Function::of([&](const Value& e) {
            seen.push_back(e.field("type").toText());
            EXPECT_EQ(loader->get_numChildren(), 1);  // built before listeners run
        }));
    loader->contentLoaderInfo->addEventListener("ioError", Function::of([&](const Value&) { seen.push_back("ioError"); }));
    loader->loadBytes(png());
    EXPECT_EQ(seen, std::vector<std::string>{"complete"});
    loader->loadBytes(png());
    ASSERT_EQ(loader->get_numChildren(), 1);
    auto* child = loader->getChildAt(0).get();
    EXPECT_EQ(child, loader->content.get());
    EXPECT_NE(dynamic_cast<Bitmap*>(child), nullptr);
    EXPECT_EQ(loader->contentLoaderInfo->content.get(), child);
    EXPECT_EQ(dynamic_cast<Bitmap*>(child)->bitmapData.get(), loader->image_.get());

    loader->loadBytes(nullptr);
    EXPECT_EQ(seen.back(), "ioError");
    EXPECT_EQ(loader->get_numChildren(), 1);

    int unloads = 0;
    loader->addEventListener("unload", Function::of([&](const Value&) { ++unloads; }));
    loader->unload();
    loader->unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(loader->get_numChildren(), 0);
    EXPECT_EQ(loader->contentLoaderInfo->content, nullptr);
}

TEST_F(LoaderFake, ContentTypesAndUnknownExtensions) {
    struct Case {
        const char* url;
        const char* type;  // null: throws
    };
    const Case cases[] = {
        {"pics/Hero.PNG?v=2", "image/png"}, {"a.jpeg", "image/jpeg"}, {"a.JPG", "image/jpeg"},
        {"anim.swf", "application/x-shockwave-flash"}, {"x.gif", "image/gif"}, {".png", nullptr},
        {"notes.txt", nullptr}, {"noextension", nullptr},
    };
    for (const auto& c : cases) {
        auto info = LoaderInfo::create(nullptr);
        if (c.type) {
            EXPECT_EQ(LoaderInfo::contentTypeOf(c.url), runtime::String(c.type)) << c.url;
        } else {
            EXPECT_EQ(thrownText([&] { info->load(make<URLRequest>(c.url)); }), std::string("Unrecognized file ") + c.url);
            EXPECT_EQ(info->pendingURL_, runtime::String(c.url));
            EXPECT_TRUE(info->contentType.isNull());
        }
    }
    auto loader = make<Loader>();
    EXPECT_EQ(thrownText([&] { loader->load(make<URLRequest>("data/map.tmx")); }), "Unrecognized file data/map.tmx");
}

TEST_F(LoaderFake, CreatedInfos) {
    auto root = LoaderInfo::create(nullptr);
    EXPECT_EQ(root->url, runtime::String(""));
    EXPECT_EQ(root->get_loader(), nullptr);
    EXPECT_NE(Value(root).field("uncaughtErrorEvents").as<framework::UncaughtErrorEvents>(), nullptr);
    EXPECT_EQ(root->dataFormat, framework::URLLoaderDataFormat::BINARY);
    auto loader = make<Loader>();
    EXPECT_TRUE(loader->contentLoaderInfo->url.isNull());
    EXPECT_EQ(loader->contentLoaderInfo->get_loader().get(), loader.get());
    // The first completion records the pending URL; later ones leave url alone.
    root->pendingURL_ = "a.png";
    root->dispatchEvent(make<framework::Event>("complete"));
    EXPECT_EQ(root->url, runtime::String("a.png"));
    root->url = nullptr;
    root->dispatchEvent(make<framework::Event>("complete"));
    EXPECT_TRUE(root->url.isNull());
    root->data = Value(png());
    EXPECT_EQ(Value(root).field("bytes").object(), root->data.object());
}
