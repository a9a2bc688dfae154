#include "framework/text/Font.h"

#include <gtest/gtest.h>

#include "../../support/ThrownText.h"
#include "framework/assets/AssetCache.h"
#include "framework/assets/Assets.h"
#include "framework/errors/Error.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
// An embedded font: its data is an embedded resource of the test program (the fake back end
// reads nothing of it).
class EmbeddedTestFont : public Font {
    RUNTIME_CLASS(EmbeddedTestFont)
public:
    static inline runtime::String resourceName = "assets/test/hello.txt";
    explicit EmbeddedTestFont(const runtime::String& file = "", std::optional<FontStyle> style = std::nullopt,
                              std::optional<FontType> type = std::nullopt)
        : Font(runtime::NoInit{}) {
        construct_(file, style, type);
    }
};
}  // namespace

RUNTIME_DEFINE_CLASS(EmbeddedTestFont, "tests.text.EmbeddedTestFont", framework::Font, (auto& b) {
    b.template staticField<&EmbeddedTestFont::resourceName>("resourceName")
        .constructor([](const Value*, int) -> Ref<runtime::Object> { return make<EmbeddedTestFont>(); });
})

namespace {
Value info(const char* family, Value bold, Value italic) {
    auto r = make<runtime::DynamicObject>();
    r->setField("family_name", Value(family));
    r->setField("is_bold", bold);
    r->setField("is_italic", italic);
    return Value(r);
}

class FontTest : public ::testing::Test {
protected:
    media::FakeMediaModule& fake = media::FakeMediaModule::get();
    std::vector<Ref<Font>> savedFonts;
    std::optional<std::vector<Ref<Font>>> savedDevice;

    void SetUp() override {
        fake.reset();
        savedFonts = Font::registeredFonts_;
        savedDevice = Font::deviceFonts_;
        Font::registeredFonts_.clear();
        Font::deviceFonts_.reset();
    }
    void TearDown() override {
        Font::registeredFonts_ = savedFonts;
        Font::deviceFonts_ = savedDevice;
    }
};
}  // namespace

TEST_F(FontTest, MadeFromNothingOrFromAPath) {
    auto none = make<Font>();
    EXPECT_TRUE(none->fontName.isNull() && none->fontPath_.isNull());
    EXPECT_FALSE(none->fontStyle || none->fontType);
    EXPECT_EQ(none->toString(), "{ name=null, style=null, type=null }");

    auto path = make<Font>("/x/Some.ttf");
    EXPECT_EQ(path->fontName.str(), "/x/Some.ttf");
    EXPECT_EQ(path->fontPath_.str(), "/x/Some.ttf");
    EXPECT_EQ(path->toString(), "{ name=/x/Some.ttf, style=REGULAR, type=EMBEDDED }");
    auto styled = make<Font>("/x/Some.ttf", FontStyle::BOLD, FontType::DEVICE);
    EXPECT_EQ(styled->fontStyle, FontStyle::BOLD);
    EXPECT_EQ(styled->fontType, FontType::DEVICE);
    EXPECT_EQ(fake.count("freetype_import_font"), 0);
    // By name, with the internal path field.
    EXPECT_EQ(Value(styled).field("__fontPath").toText(), "/x/Some.ttf");
}

TEST_F(FontTest, StyleComesFromTheInformationRecord) {
    struct Case {
        Value bold, italic;
        FontStyle style;
    };
    const Case cases[] = {{true, true, FontStyle::BOLD_ITALIC}, {true, false, FontStyle::BOLD},
                          {Value(), true, FontStyle::ITALIC},   {1, 1, FontStyle::REGULAR},
                          {Value(), Value(), FontStyle::REGULAR}};
    for (const Case& c : cases) {
        fake.returns("freetype_import_font", info("Fam", c.bold, c.italic));
        Ref<Font> f = Font::fromFile("/a/b.ttf");
        EXPECT_EQ(f->fontStyle, c.style) << c.bold.toText() << " " << c.italic.toText();
        EXPECT_EQ(f->fontName.str(), "Fam");
        EXPECT_EQ(f->fontType, FontType::EMBEDDED);
        EXPECT_EQ(f->fontPath_.str(), "/a/b.ttf");
    }
    auto args = fake.callsTo("freetype_import_font").back().args;
    EXPECT_EQ(args[0].toText(), "/a/b.ttf");
    EXPECT_TRUE(args[1].isNull());
    EXPECT_EQ(args[2].toInt(), 20480);
    EXPECT_TRUE(args[3].isNull());

    auto bytes = make<ByteArray>(4);
    fake.returns("freetype_import_font", info("Data Fam", false, true));
    Ref<Font> d = Font::fromBytes(bytes);
    EXPECT_TRUE(d->fontPath_.isNull());
    EXPECT_EQ(d->fontStyle, FontStyle::ITALIC);
    args = fake.callsTo("freetype_import_font").back().args;
    EXPECT_EQ(args[0].toText(), "");
    EXPECT_EQ(args[3].as<ByteArray>(), bytes.get());
}

TEST_F(FontTest, NullPathAndUnreadableFonts) {
    int before = fake.count("freetype_import_font");
    Ref<Font> f = Font::fromFile(nullptr);
    EXPECT_TRUE(f->fontPath_.isNull() && f->fontName.isNull());
    EXPECT_EQ(fake.count("freetype_import_font"), before);
    // The back end could not read it: an Error, not a nameless font.
    fake.returns("freetype_import_font", Value());
    EXPECT_EQ(thrownText([] { Font::fromFile("/missing.ttf"); }), "Could not load font \"/missing.ttf\"");
    EXPECT_EQ(thrownText([] { Font::fromBytes(make<ByteArray>()); }), "Could not read font data");
}

TEST_F(FontTest, EmbeddedFontReadsItsResourceAndIgnoresStyleArguments) {
    fake.returns("freetype_import_font", info("Test Sans", true, true));
    auto f = make<EmbeddedTestFont>("", FontStyle::REGULAR, FontType::DEVICE);
    EXPECT_EQ(f->fontName.str(), "Test Sans");
    EXPECT_EQ(f->fontStyle, FontStyle::BOLD_ITALIC);
    EXPECT_EQ(f->fontType, FontType::EMBEDDED);
    EXPECT_TRUE(f->fontPath_.isNull());
    auto* data = fake.callsTo("freetype_import_font").back().args[3].as<ByteArray>();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->asString().str().substr(0, 5), "Hello");
}

TEST_F(FontTest, RegisteringHandsTheDataOverAndListsEveryInstance) {
    fake.returns("freetype_import_font", info("Test Sans", false, false));
    Font::registerFont(&EmbeddedTestFont::staticClass());
    Font::registerFont(&EmbeddedTestFont::staticClass());
    Font::registerFont(nullptr);
    Font::registerFont(&AssetCache::staticClass());
    ASSERT_EQ(Font::registeredFonts_.size(), 2u);
    EXPECT_NE(Font::registeredFonts_[0].get(), Font::registeredFonts_[1].get());
    auto calls = fake.callsTo("media_native_font_register_font");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].args[0].toText(), "Test Sans");
    EXPECT_NE(calls[0].args[1].as<ByteArray>(), nullptr);
    // A plain font class registers without data.
    Font::registerFont(&Font::staticClass());
    EXPECT_EQ(Font::registeredFonts_.size(), 3u);
    EXPECT_EQ(fake.count("media_native_font_register_font"), 2);
}

TEST_F(FontTest, EnumerationCopiesTheRegistryAndAsksForDeviceFontsOnce) {
    Font::registeredFonts_.push_back(make<Font>("/r.ttf"));
    fake.on("media_native_font_iterate_device_fonts", [](const std::vector<Value>& a) {
        runtime::Function* report = a[0].function();
        (*report)("Dev Three", 3);
        (*report)("Dev Seven", 7);
        (*report)("Dev Zero", 0);
        (*report)("", 1);
        return Value();
    });
    Ref<runtime::Array> plain = Font::enumerateFonts();
    EXPECT_EQ(plain->length(), 1);
    plain->push(Value());
    EXPECT_EQ(Font::registeredFonts_.size(), 1u);
    EXPECT_EQ(fake.count("media_native_font_iterate_device_fonts"), 0);

    Ref<runtime::Array> all = Font::enumerateFonts(true);
    ASSERT_EQ(all->length(), 5);
    EXPECT_EQ(all->at(0).as<Font>()->fontName.str(), "/r.ttf");
    const char* expected[] = {"{ name=Dev Three, style=REGULAR, type=DEVICE }",
                              "{ name=Dev Seven, style=REGULAR, type=DEVICE }",
                              "{ name=Dev Zero, style=BOLD, type=DEVICE }", "{ name=null, style=null, type=null }"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(all->at(i + 1).as<Font>()->toString(), expected[i]);
    EXPECT_EQ(Font::enumerateFonts(true)->length(), 5);
    EXPECT_EQ(fake.count("media_native_font_iterate_device_fonts"), 1);
}

TEST_F(FontTest, AssetsHandBackTypedFontsFromTheCache) {
    auto cache = make<AssetCache>();
    Ref<runtime::Object> saved = Assets::get_cache();
    Assets::setCache(cache);
    auto font = make<Font>("/f.ttf");
    cache->setFont("default:f", font);
    EXPECT_EQ(Assets::getFont("default:f").get(), font.get());
    Assets::setCache(saved);
}
