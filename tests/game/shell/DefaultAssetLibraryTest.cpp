// The asset manifest: the embedded table, the kind rules, the external manifest file and what a
// missing embedded asset gives.
#include "GameFixture.h"
#include "framework/serialization/Serializer.h"
#include "framework/utils/ByteArray.h"
#include "game/shell/DefaultAssetLibrary.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Resources.h"

using framework::AssetType;
using game::DefaultAssetLibrary;
using runtime::Value;

namespace {

// A manifest record in the save text format's array.
Value record(const char* id, const char* path, const char* type) {
    auto r = runtime::make<runtime::DynamicObject>();
    r->setField("id", Value(id));
    r->setField("path", Value(path));
    r->setField("type", Value(type));
    return Value(r);
}

runtime::Ref<framework::ByteArray> bytesOf(const std::string& text) {
    auto b = runtime::make<framework::ByteArray>();
    b->writeUTFBytes(text);
    b->position = 0;
    return b;
}

}  // namespace

class DefaultAssetLibraryTest : public GameFixture {
protected:
    // The answer of the back end when the library reads the file "manifest".
    void manifestFile(const std::string& text) {
        media::FakeMediaModule::get().on("media_native_byte_array_read_file", [text](const std::vector<Value>& a) {
            return a[0].toText() == "manifest" ? Value(bytesOf(text)) : Value();
        });
    }
    void manifestRecords(std::initializer_list<Value> records) {
        auto array = runtime::make<runtime::Array>();
        for (auto& r : records) array->push(r);
        manifestFile(framework::Serializer::run(Value(array)));
    }
};

TEST_F(DefaultAssetLibraryTest, TheTableHoldsEveryAssetOnceWithItsKind) {
    std::map<AssetType, int> perKind;
    std::set<std::string> ids;
    for (auto& e : DefaultAssetLibrary::embedded()) {
        ++perKind[e.type];
        ids.insert(e.id);
    }
    EXPECT_EQ(ids.size(), 448u);
    EXPECT_EQ(perKind[AssetType::IMAGE], 346);
    EXPECT_EQ(perKind[AssetType::SOUND], 76);
    EXPECT_EQ(perKind[AssetType::MUSIC], 8);
    EXPECT_EQ(perKind[AssetType::TEXT], 17);
    EXPECT_EQ(perKind[AssetType::FONT], 1);

    // list answers by the kind rules: the sound kinds for each other, bytes for everything.
    auto lib = runtime::make<DefaultAssetLibrary>();
    EXPECT_EQ(lib->list(AssetType::IMAGE)->length(), 346);
    EXPECT_EQ(lib->list(AssetType::SOUND)->length(), 84);
    EXPECT_EQ(lib->list(AssetType::MUSIC)->length(), 84);
    EXPECT_EQ(lib->list(AssetType::TEXT)->length(), 17);
    EXPECT_EQ(lib->list(AssetType::FONT)->length(), 1);
    EXPECT_EQ(lib->list(std::nullopt)->length(), 448);
    EXPECT_EQ(lib->list(AssetType::BINARY)->length(), 448);
    // In the table's order: sorted without regard to case.
    auto all = lib->list(std::nullopt);
    for (int i = 1; i < all->length(); ++i) {
        std::string a = all->at(i - 1).toText(), b = all->at(i).toText();
        std::transform(a.begin(), a.end(), a.begin(), ::tolower);
        std::transform(b.begin(), b.end(), b.begin(), ::tolower);
        EXPECT_LT(a, b);
    }
}

TEST_F(DefaultAssetLibraryTest, ExistsFollowsTheKindRules) {
    auto lib = runtime::make<DefaultAssetLibrary>();
    struct Case {
        const char* id;
        std::optional<AssetType> kind;
        bool exists;
    };
    const Case cases[] = {
        {"assets/audio/oggs/musicLong/musicShopLoop.ogg", AssetType::SOUND, true},
        {"assets/audio/oggs/musicLong/musicShopLoop.ogg", AssetType::MUSIC, true},
        {"assets/audio/oggs/stab.ogg", AssetType::MUSIC, true},
        {"assets/audio/oggs/musicLong/musicShopIntro.ogg", AssetType::SOUND, true},
        {"assets/xml/monsters.xml", AssetType::IMAGE, false},
        {"assets/xml/monsters.xml", AssetType::TEXT, true},
        {"assets/tiled/town.tmx", AssetType::TEXT, true},
        {"assets/ui/buttonBlack.png", AssetType::IMAGE, true},
        {"assets/ui/buttonBlack.png", AssetType::TEXT, false},
        {"assets/ui/buttonBlack.png", AssetType::SOUND, false},
        {"assets/ui/buttonBlack.png", AssetType::BINARY, true},
        {"assets/ui/buttonBlack.png", std::nullopt, true},
        {"assets/fonts/MedievalSharp-Bold.ttf", AssetType::FONT, true},
        {"assets/fonts/MedievalSharp-Bold.ttf", AssetType::IMAGE, false},
        {"assets/ui/buttonblack.png", std::nullopt, false},  // ids keep their case
        {"assets/nothing.png", AssetType::IMAGE, false},
        {"assets/nothing.png", AssetType::BINARY, false},
        {"assets/nothing.png", std::nullopt, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lib->exists(c.id, c.kind), c.exists)
            << c.id << " as " << (c.kind ? runtime::enumText(*c.kind) : std::string("null"));
    for (auto& e : DefaultAssetLibrary::embedded()) EXPECT_TRUE(lib->getPath(e.id).isNull()) << e.id;
}

TEST_F(DefaultAssetLibraryTest, AnEmbeddedAssetIsMadeFromItsBytesAndAMissingOneGivesNullWithATrace) {
    embed("assets/x2/misc/shadows.png", "picture bytes", 32, 64);
    auto shadows = framework::Assets::getBitmapData("assets/x2/misc/shadows.png");
    ASSERT_TRUE(shadows);
    EXPECT_EQ(shadows->get_width(), 32);
    EXPECT_EQ(shadows->get_height(), 64);
    EXPECT_EQ(framework::Assets::getBitmapData("assets/x2/misc/shadows.png").get(), shadows.get());

    // In the table, but its bytes are not in this program.
    traces.clear();
    EXPECT_FALSE(framework::Assets::getBitmapData("assets/ui/buttonBlack.png"));
    EXPECT_FALSE(framework::Assets::getSound("assets/audio/oggs/stab.ogg", false));
    EXPECT_EQ(tracesContaining("Warning: No embedded data for asset \"assets/ui/buttonBlack.png\""), 1);
    EXPECT_EQ(tracesContaining("Warning: No embedded data for asset \"assets/audio/oggs/stab.ogg\""), 1);

    // Text assets are read whole, byte for byte.
    const auto bytes = runtime::Resources::data("assets/xml/skillTree.xml");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(framework::Assets::getText("assets/xml/skillTree.xml").str(),
              std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TEST_F(DefaultAssetLibraryTest, WithoutAManifestFileConstructionTracesAndGoesOn) {
    auto lib = runtime::make<DefaultAssetLibrary>();
    EXPECT_EQ(traces, std::vector<std::string>{"Warning: Could not load asset manifest (bytes was null)"});
    EXPECT_EQ(lib->list(std::nullopt)->length(), 448);
    EXPECT_EQ(lib->timer.get(), nullptr);

    // An empty file adds nothing and traces nothing.
    traces.clear();
    manifestFile("");
    lib->loadManifest();
    EXPECT_TRUE(traces.empty());
    EXPECT_EQ(lib->list(std::nullopt)->length(), 448);
}

TEST_F(DefaultAssetLibraryTest, ManifestRecordsAddNewIdsButNeverReplaceEmbeddedOnes) {
    manifestRecords({record("assets/ui/buttonBlack.png", "mods/other.ogg", "SOUND"),
                     record("mods/hero.png", "mods/hero.png", "IMAGE"),
                     record("mods/theme.ogg", "mods/theme.ogg", "MUSIC")});
    auto lib = runtime::make<DefaultAssetLibrary>();
    EXPECT_TRUE(traces.empty());
    EXPECT_TRUE(lib->exists("assets/ui/buttonBlack.png", AssetType::IMAGE));
    EXPECT_FALSE(lib->exists("assets/ui/buttonBlack.png", AssetType::SOUND));
    EXPECT_TRUE(lib->getPath("assets/ui/buttonBlack.png").isNull());
    EXPECT_TRUE(lib->exists("mods/hero.png", AssetType::IMAGE));
    EXPECT_EQ(lib->getPath("mods/hero.png").str(), "mods/hero.png");
    EXPECT_TRUE(lib->exists("mods/theme.ogg", AssetType::SOUND));
    EXPECT_EQ(lib->list(std::nullopt)->length(), 450);
    EXPECT_EQ(lib->list(AssetType::IMAGE)->at(346).toText(), "mods/hero.png");

    // A file entry loads from its path: through the back end's file loader, as music for MUSIC.
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_bitmap_data_load", [](const std::vector<Value>&) { return surface(4, 2, 3, 0, 0); });
    auto hero = framework::Assets::getBitmapData("mods/hero.png");
    ASSERT_TRUE(hero);
    EXPECT_EQ(hero->get_width(), 4);
    ASSERT_EQ(fake.count("media_native_bitmap_data_load"), 1);
    EXPECT_EQ(fake.callsTo("media_native_bitmap_data_load")[0].args[0].toText(), "mods/hero.png");
    lib->getSound("mods/theme.ogg");
    auto loads = fake.callsTo("media_native_sound_from_file");
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0].args[0].toText(), "mods/theme.ogg");
    EXPECT_TRUE(loads[0].args[1].toBool());
}

TEST_F(DefaultAssetLibraryTest, AFaultyManifestIsTracedAndKeepsTheEntriesReadBeforeTheFault) {
    manifestRecords({record("mods/a.png", "mods/a.png", "IMAGE"), record("mods/b.png", "mods/b.png", "PICTURE"),
                     record("mods/c.png", "mods/c.png", "IMAGE")});
    auto lib = runtime::make<DefaultAssetLibrary>();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].rfind("Warning: Could not load asset manifest (", 0), 0u) << traces[0];
    EXPECT_NE(traces[0].find("PICTURE"), std::string::npos) << traces[0];
    EXPECT_EQ(traces[0].back(), ')');
    EXPECT_TRUE(lib->exists("mods/a.png", AssetType::IMAGE));
    EXPECT_FALSE(lib->exists("mods/b.png", std::nullopt));
    EXPECT_FALSE(lib->exists("mods/c.png", std::nullopt));

    traces.clear();
    manifestFile("this is not serialised text");
    lib->loadManifest();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].rfind("Warning: Could not load asset manifest (", 0), 0u) << traces[0];
    EXPECT_TRUE(lib->exists("mods/a.png", AssetType::IMAGE));
}

TEST_F(DefaultAssetLibraryTest, TheRegistryMakesItsDefaultLibraryFromThisClass) {
    framework::Assets::initialize();
    auto lib = framework::Assets::getLibrary("default");
    ASSERT_TRUE(lib);
    EXPECT_NE(dynamic_cast<DefaultAssetLibrary*>(lib.get()), nullptr);
    EXPECT_TRUE(framework::Assets::exists("assets/xml/weapons.xml", AssetType::TEXT));
    EXPECT_FALSE(framework::Assets::exists("assets/xml/weapons.xml", AssetType::IMAGE));
}
