// The asset registry, its cache and the library base, against the recording fake. The test
// program's "default" library is tests/support/TestAssetLibrary (embedded test assets).
#include <gtest/gtest.h>

#include "framework/assets/AssetCache.h"
#include "framework/assets/AssetData.h"
#include "framework/assets/Assets.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"

using framework::AssetCache;
using framework::AssetLibrary;
using framework::Assets;
using framework::AssetType;
using framework::BitmapData;
using framework::Sound;
using media::FakeMediaModule;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {
const char* QUAD = "assets/test/quad.png";

class AssetsFake : public ::testing::Test {
protected:
    void SetUp() override {
        FakeMediaModule::get().reset();
        FakeMediaModule::get().on("media_native_bitmap_data_from_bytes",
                                  [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
        Assets::reset_();
        runtime::Trace::setHandler([this](const Value& v, const runtime::Trace::Position&) { lines.push_back(v.toText()); });
    }
    void TearDown() override {
        runtime::Trace::setHandler({});
        Assets::reset_();
    }
    static AssetCache& cache() { return *Assets::get_cache().cast<AssetCache>(); }
    std::vector<std::string> lines;
};

// A library that holds every id of one kind, answering a new object per fetch.
class StubLibrary : public AssetLibrary {
public:
    bool local = true;
    int fetches = 0;
    bool exists(const String&, std::optional<AssetType>) override { return true; }
    bool isLocal(const String&, std::optional<AssetType>) override { return local; }
    Ref<BitmapData> getBitmapData(const String&) override {
        ++fetches;
        return make<BitmapData>(2, 2);
    }
    Ref<runtime::Array> list(std::optional<AssetType>) override {
        return make<runtime::Array>(std::vector<Value>{Value("a"), Value("b")});
    }
    void change(const String& type) {
        if (eventCallback) (*eventCallback)(Ref<AssetLibrary>(this), type);
    }
};
}  // namespace

TEST(AssetCache, MapsAndPrefixClearing) {
    auto c = make<AssetCache>();
    c->setBitmapData("x", nullptr);
    EXPECT_TRUE(c->hasBitmapData("x"));
    EXPECT_EQ(c->getBitmapData("x"), nullptr);
    EXPECT_FALSE(c->removeFont("x"));
    auto font = make<framework::Font>();
    c->setFont("lib:a", font);
    c->setFont("Lib:b", font);
    c->setSound("lib:c", nullptr);
    c->setBitmapData("my lib:d", nullptr);
    c->setBitmapData("lib:e", nullptr);
    c->clear("lib:");
    EXPECT_FALSE(c->hasFont("lib:a"));
    EXPECT_FALSE(c->hasSound("lib:c"));
    EXPECT_FALSE(c->hasBitmapData("lib:e"));
    EXPECT_TRUE(c->hasFont("Lib:b"));
    EXPECT_TRUE(c->hasBitmapData("my lib:d"));
    c->clear("");
    EXPECT_TRUE(c->bitmapData.empty() && c->font.empty() && c->sound.empty());

    EXPECT_FALSE(c->set_enabled(false));
    EXPECT_FALSE(c->get_enabled());
    EXPECT_FALSE(Value(c).field("enabled").toBool());
    c->setFont("f", font);
    EXPECT_EQ(c->getFont("f").get(), font.get());
    EXPECT_TRUE(c->removeFont("f"));
}

TEST(AssetLibrary, BaseIsAnEmptyLibrary) {
    auto lib = make<AssetLibrary>();
    EXPECT_FALSE(lib->exists("a", AssetType::IMAGE));
    EXPECT_TRUE(lib->isLocal("a", std::nullopt));
    EXPECT_EQ(lib->getMusic("a"), nullptr);
    EXPECT_TRUE(lib->getText("a").isNull());
    EXPECT_EQ(lib->list(std::nullopt), nullptr);
    int calls = 0;
    Value got = Value("unset");
    lib->loadText("a", Function::of([&](const Value& v) { ++calls, got = v; }));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(got.isNull());
    lib->load(Function::of([&](const Value& v) { got = v; }));
    EXPECT_EQ(got.object(), lib.get());
}

TEST(AssetTypes, RegisteredByPath) {
    auto* e = runtime::EnumInfo::find("framework._native.AssetType");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->byName("MOVIE_CLIP")->index(), 3);
    EXPECT_EQ(e->byIndex(7)->toString(), "AssetType.TEXT");
    EXPECT_NE(AssetType::MUSIC, AssetType::SOUND);
    auto data = runtime::ClassInfo::find("framework._native.AssetData")->create(nullptr, 0);
    EXPECT_TRUE(Value(data).field("id").isNull());
    EXPECT_NE(Assets::resolveClass("framework._native.AssetLibrary"), nullptr);
    EXPECT_EQ(Assets::resolveClass("framework._native.AssetType"), nullptr);
    EXPECT_NE(Assets::resolveEnum("framework._native.AssetType"), nullptr);
}

TEST_F(AssetsFake, TheSameIdGivesTheSameCachedBitmap) {
    auto a = Assets::getBitmapData(QUAD);
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->handle_.isNull());
    EXPECT_EQ(Assets::getBitmapData(QUAD).get(), a.get());
    // A leading colon selects "default" too, but is another cache key.
    auto b = Assets::getBitmapData(std::string(":") + QUAD);
    EXPECT_NE(b.get(), a.get());
    EXPECT_TRUE(cache().hasBitmapData(std::string(":") + QUAD));
    EXPECT_EQ(FakeMediaModule::get().count("media_native_bitmap_data_from_bytes"), 2);
    EXPECT_TRUE(Assets::isLocal(QUAD, AssetType::IMAGE));
    EXPECT_TRUE(lines.empty());
}

TEST_F(AssetsFake, WithoutTheCacheEveryCallFetchesAndTheCacheIsLeftAlone) {
    auto a = Assets::getBitmapData(QUAD, false);
    auto b = Assets::getBitmapData(QUAD, false);
    EXPECT_NE(a.get(), b.get());
    EXPECT_TRUE(cache().bitmapData.empty());
    cache().set_enabled(false);
    Assets::getBitmapData(QUAD);
    EXPECT_TRUE(cache().bitmapData.empty());
    cache().setBitmapData(QUAD, a);
    EXPECT_NE(Assets::getBitmapData(QUAD).get(), a.get());
}

TEST_F(AssetsFake, InvalidCachedBitmapsAreFetchedAgain) {
    auto a = Assets::getBitmapData(QUAD);
    a->dispose();
    auto b = Assets::getBitmapData(QUAD);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(cache().getBitmapData(QUAD).get(), b.get());
}

TEST_F(AssetsFake, TextsAndPathsOfTheManifest) {
    EXPECT_EQ(Assets::getText("assets/test/hello.txt"), String("Hello, assets\n"));
    EXPECT_EQ(Assets::getPath("libraries/plain.json"), String("assets/test/libraries/plain.json"));
    EXPECT_TRUE(Assets::exists("assets/test/hello.txt"));
    EXPECT_FALSE(Assets::exists("assets/test/hello.txt", AssetType::IMAGE));
    String loaded;
    Assets::loadText("assets/test/hello.txt", Function::of([&](const String& s) { loaded = s; }));
    EXPECT_EQ(loaded, String("Hello, assets\n"));
    auto images = Assets::list(AssetType::IMAGE);
    ASSERT_EQ(images->length(), 1);
    EXPECT_EQ(images->at(0).toText(), QUAD);
    EXPECT_TRUE(lines.empty());
}

TEST_F(AssetsFake, EveryMissWritesItsLine) {
    auto stub = make<StubLibrary>();
    stub->local = false;
    Assets::registerLibrary("late", stub);
    auto ignore = Function::of([](const Value&) {});
    struct Case {
        std::function<void()> call;
        std::string line;
    };
    const std::string P = "[framework.Assets] ";
    std::vector<Case> cases = {
        {[] { Assets::getBitmapData("nope:x"); }, P + "There is no asset library named \"nope\""},
        {[] { Assets::getPath("nope:a:b"); }, P + "There is no asset library named \"nope\""},
        {[] { Assets::getBitmapData("x"); }, P + "There is no BitmapData asset with an ID of \"x\""},
        {[] { Assets::getBytes("x"); }, P + "There is no String or ByteArray asset with an ID of \"x\""},
        {[] { Assets::getFont("x"); }, P + "There is no Font asset with an ID of \"x\""},
        {[] { Assets::getMovieClip("x"); }, P + "There is no MovieClip asset with an ID of \"x\""},
        {[] { Assets::getMusic("x"); }, P + "There is no Sound asset with an ID of \"x\""},
        {[] { Assets::getSound("x"); }, P + "There is no Sound asset with an ID of \"x\""},
        {[] { Assets::getText("x"); }, P + "There is no String asset with an ID of \"x\""},
        {[] { Assets::getPath("x"); }, P + "There is no asset with an ID of \"x\""},
        {[&] { Assets::loadFont("x", ignore); }, P + "There is no Font asset with an ID of \"x\""},
        {[&] { Assets::loadSound("nope:x", ignore); }, P + "There is no asset library named \"nope\""},
        {[] { Assets::getBitmapData("late:y"); }, P + "BitmapData asset \"late:y\" exists, but only asynchronously"},
        {[] { Assets::getBytes("late:y"); }, P + "String or ByteArray asset \"late:y\" exists, but only asynchronously"},
        {[] { Assets::getFont("late:y"); }, P + "Font asset \"late:y\" exists, but only asynchronously"},
        {[] { Assets::getMovieClip("late:y"); }, P + "MovieClip asset \"late:y\" exists, but only asynchronously"},
        {[] { Assets::getMusic("late:y"); }, P + "Sound asset \"late:y\" exists, but only asynchronously"},
        {[] { Assets::getText("late:y"); }, P + "String asset \"late:y\" exists, but only asynchronously"},
    };
    for (auto& c : cases) {
        lines.clear();
        c.call();
        EXPECT_EQ(lines, std::vector<std::string>{c.line});
    }
    // The load operations never ask isLocal.
    lines.clear();
    Value got;
    Assets::loadBitmapData("late:y", Function::of([&](const Value& v) { got = v; }));
    EXPECT_TRUE(lines.empty());
    EXPECT_NE(got.as<BitmapData>(), nullptr);
    EXPECT_TRUE(cache().hasBitmapData("late:y"));
    // Without "default" an id without a library name names the empty library.
    Assets::unloadLibrary("default");
    lines.clear();
    Assets::getSound("s");
    EXPECT_EQ(lines, std::vector<std::string>{P + "There is no asset library named \"\""});
    lines.clear();
    EXPECT_FALSE(Assets::exists("s"));
    EXPECT_FALSE(Assets::isLocal("s"));
    EXPECT_TRUE(lines.empty());
}

TEST_F(AssetsFake, ChangeEmptiesTheCacheAndNotifiesListeners) {
    auto stub = make<StubLibrary>();
    Assets::registerLibrary("lib", stub);
    Assets::getBitmapData("lib:a");
    Assets::getBitmapData(QUAD);
    int events = 0;
    auto listener = Function::of([&](const Value& e) {
        ++events;
        EXPECT_EQ(e.field("type").toText(), "change");
    });
    Assets::addEventListener("change", listener);
    stub->change("progress");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(cache().bitmapData.size(), 2u);
    stub->change("change");
    EXPECT_EQ(events, 1);
    EXPECT_TRUE(cache().bitmapData.empty());
    Assets::removeEventListener("change", listener);
    EXPECT_FALSE(Assets::hasEventListener("change"));
}

TEST_F(AssetsFake, UnloadingClearsOnlyItsOwnPrefix) {
    auto stub = make<StubLibrary>();
    Assets::registerLibrary("lib", stub);
    auto kept = Assets::getBitmapData(QUAD);
    Assets::getBitmapData("default:" + std::string(QUAD));
    Assets::getBitmapData("lib:a");
    Assets::unloadLibrary("default");
    EXPECT_FALSE(cache().hasBitmapData("default:" + std::string(QUAD)));
    EXPECT_TRUE(cache().hasBitmapData("lib:a"));
    EXPECT_EQ(Assets::getBitmapData(QUAD).get(), kept.get());  // still served from the cache
    // Registering over a name unloads the earlier library first.
    auto next = make<StubLibrary>();
    Assets::registerLibrary("lib", next);
    EXPECT_FALSE(cache().hasBitmapData("lib:a"));
    EXPECT_EQ(stub->eventCallback, nullptr);
    EXPECT_NE(next->eventCallback, nullptr);
    auto all = Assets::list();
    EXPECT_EQ(all->length(), 2);  // "default" is gone; the stub lists two
}

TEST_F(AssetsFake, DefaultRegisteredBeforeInitialisationIsReplacedOnce) {
    auto stub = make<StubLibrary>();
    Assets::registerLibrary("default", stub);
    EXPECT_FALSE(Assets::initialized());
    Assets::getBitmapData("a");
    EXPECT_TRUE(Assets::initialized());
    EXPECT_EQ(stub->eventCallback, nullptr);
    EXPECT_NE(Assets::getLibrary("").cast<AssetLibrary>().get(), stub.get());
}

TEST_F(AssetsFake, LibrariesFromDescriptions) {
    Value got;
    Assets::loadLibrary("plain", Function::of([&](const Value& v) { got = v; }));
    ASSERT_NE(got.as<AssetLibrary>(), nullptr);
    EXPECT_EQ(Assets::getLibrary("plain").get(), got.as<AssetLibrary>());
    EXPECT_TRUE(lines.empty());
    int calls = 0;
    Assets::loadLibrary("missing", Function::of([&](const Value&) { ++calls; }));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "[framework.Assets] There is no String asset with an ID of \"libraries/missing.json\"",
                         "[framework.Assets] There is no asset library named \"missing\""}));
}
