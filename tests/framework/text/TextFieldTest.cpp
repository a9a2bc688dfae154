#include "framework/text/TextField.h"

#include <gtest/gtest.h>

#include "../../support/ThrownText.h"
#include "framework/Lib.h"
#include "framework/text/Font.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
// Fonts as registerFont leaves them: one made from a path, one read from data (no path).
class PathFont : public Font {
    RUNTIME_CLASS(PathFont)
public:
    PathFont() : Font("/fonts/Serif-Path.ttf") { fontName = "Serif Family"; }
    explicit PathFont(runtime::NoInit n) : Font(n) {}
};
}  // namespace

RUNTIME_DEFINE_CLASS(PathFont, "tests.text.PathFont", framework::Font, (auto& b) {
    b.constructor([](const Value*, int) -> Ref<runtime::Object> { return make<PathFont>(); });
})

namespace {
class TextFieldTest : public ::testing::Test {
protected:
    media::FakeMediaModule& fake = media::FakeMediaModule::get();
    std::vector<Ref<Font>> savedFonts;
    std::vector<std::string> traces;

    void SetUp() override {
        fake.reset();
        savedFonts = Font::registeredFonts_;
        Font::registeredFonts_.clear();
        fake.on("media_native_text_field_create", [](const std::vector<Value>&) {
            auto h = make<runtime::DynamicObject>();
            h->setField("id", Value(7));
            return Value(h);
        });
        fake.on("media_native_display_object_get_id", [](const std::vector<Value>& a) { return a[0].field("id"); });
        runtime::Trace::setHandler([this](const Value& v, const runtime::Trace::Position&) { traces.push_back(v.toText()); });
    }
    void TearDown() override {
        Font::registeredFonts_ = savedFonts;
        runtime::Trace::setHandler(nullptr);
    }
    std::vector<Value> lastArgs(const std::string& name) const {
        auto calls = fake.callsTo(name);
        return calls.empty() ? std::vector<Value>{} : calls.back().args;
    }
};
}  // namespace

TEST_F(TextFieldTest, ConstructionSetsItsOwnFieldsAndSendsEmbedFontsFalseOnce) {
    auto tf = make<TextField>();
    EXPECT_EQ(fake.count("media_native_text_field_create"), 1);
    EXPECT_EQ(lastArgs("media_native_display_object_set_name")[1].toText(), "TextField 7");
    EXPECT_EQ(tf->gridFitType, GridFitType::PIXEL);
    EXPECT_FALSE(tf->antiAliasType.has_value());
    EXPECT_EQ(tf->sharpness, 0);
    ASSERT_EQ(fake.count("media_native_text_field_set_embed_fonts"), 1);
    auto args = lastArgs("media_native_text_field_set_embed_fonts");
    EXPECT_EQ(args[0], tf->handle_);
    EXPECT_TRUE(args[1].isBool());
    EXPECT_FALSE(args[1].toBool());
    // Read by name as the shared enumeration value.
    EXPECT_EQ(Value(tf).field("gridFitType").as<runtime::EnumValue>()->name(), "PIXEL");
    EXPECT_TRUE(Value(tf).field("antiAliasType").isNull());
}

TEST_F(TextFieldTest, MissingPrimitiveFailsWhenCalled) {
    auto tf = make<TextField>();
    runtime::Primitive saved = TextField::media_text_field_get_text;
    TextField::media_text_field_get_text = runtime::Primitive();
    EXPECT_EQ(thrownText([&] { tf->get_text(); }), "Null Function Pointer");
    EXPECT_EQ(thrownText([&] { tf->appendText("x"); }), "Null Function Pointer");
    TextField::media_text_field_get_text = saved;
}

TEST_F(TextFieldTest, AppendTextReadsOnceAndStoresTheJoinedText) {
    struct Case {
        Value current;
        const char* appended;
        const char* stored;
    };
    const Case cases[] = {{Value("ab"), "cd", "abcd"}, {Value("ab"), "", "ab"}, {Value(), "x", "x"}};
    for (const Case& c : cases) {
        auto tf = make<TextField>();
        fake.reset();
        fake.returns("media_native_text_field_get_text", c.current);
        tf->appendText(c.appended);
        EXPECT_EQ(fake.count("media_native_text_field_get_text"), 1);
        ASSERT_EQ(fake.count("media_native_text_field_set_text"), 1);
        EXPECT_EQ(lastArgs("media_native_text_field_set_text")[1].toText(), c.stored);
    }
}

TEST_F(TextFieldTest, AnswersConvertedAndSettersSendTheirValue) {
    auto tf = make<TextField>();
    // Nothing answered: 0, false, null.
    EXPECT_EQ(tf->get_numLines(), 0);
    EXPECT_EQ(tf->get_textWidth(), 0);
    EXPECT_FALSE(tf->get_border());
    EXPECT_TRUE(tf->get_text().isNull());
    EXPECT_TRUE(tf->get_htmlText().isNull());
    fake.returns("media_native_text_field_get_border", Value(1));
    fake.returns("media_native_text_field_get_text_width", Value(12.5));
    fake.returns("media_native_text_field_get_scroll_v", Value(3));
    EXPECT_TRUE(tf->get_border());
    EXPECT_EQ(tf->get_textWidth(), 12.5);
    EXPECT_EQ(tf->get_scrollV(), 3);

    EXPECT_EQ(tf->set_backgroundColor(0x123456), 0x123456);
    EXPECT_EQ(lastArgs("media_native_text_field_set_background_color")[1].toInt(), 0x123456);
    EXPECT_TRUE(tf->set_wordWrap(true));
    EXPECT_TRUE(lastArgs("media_native_text_field_set_word_wrap")[1].toBool());
    // By name, through the property.
    Value(tf).setField("maxChars", Value(9));
    EXPECT_EQ(lastArgs("media_native_text_field_set_max_chars")[1].toInt(), 9);
    EXPECT_EQ(fake.count("media_native_text_field_get_max_chars"), 0);
}

TEST_F(TextFieldTest, HtmlTextTurnsLineFeedsIntoBreaksOnlyWhenRead) {
    auto tf = make<TextField>();
    fake.returns("media_native_text_field_get_html_text", Value("one\ntwo\n"));
    EXPECT_EQ(tf->get_htmlText().str(), "one<br/>two<br/>");
    tf->set_htmlText("a\nb");
    EXPECT_EQ(lastArgs("media_native_text_field_set_html_text")[1].toText(), "a\nb");
}

TEST_F(TextFieldTest, TypeCrossesAsAFlagAndAutoSizeAsItsIndex) {
    auto tf = make<TextField>();
    tf->set_type(TextFieldType::DYNAMIC);
    EXPECT_FALSE(lastArgs("media_native_text_field_set_type")[1].toBool());
    tf->set_type(TextFieldType::INPUT);
    EXPECT_TRUE(lastArgs("media_native_text_field_set_type")[1].toBool());
    tf->set_type(std::nullopt);
    EXPECT_FALSE(lastArgs("media_native_text_field_set_type")[1].toBool());
    for (auto [answer, type] : {std::pair{Value(1), TextFieldType::INPUT}, {Value(0), TextFieldType::DYNAMIC},
                                {Value(), TextFieldType::DYNAMIC}, {Value(true), TextFieldType::INPUT}}) {
        fake.returns("media_native_text_field_get_type", answer);
        EXPECT_EQ(tf->get_type(), type) << answer.toText();
    }

    tf->set_autoSize(TextFieldAutoSize::LEFT);
    EXPECT_EQ(lastArgs("media_native_text_field_set_auto_size")[1].toInt(), 1);
    tf->set_autoSize(TextFieldAutoSize::NONE);
    EXPECT_EQ(lastArgs("media_native_text_field_set_auto_size")[1].toInt(), 2);
    fake.returns("media_native_text_field_get_auto_size", Value(2));
    EXPECT_EQ(tf->get_autoSize(), TextFieldAutoSize::NONE);
    fake.returns("media_native_text_field_get_auto_size", Value());
    EXPECT_EQ(tf->get_autoSize(), TextFieldAutoSize::CENTER);
    fake.returns("media_native_text_field_get_auto_size", Value(4));
    EXPECT_EQ(thrownText([&] { tf->get_autoSize(); }), "4 is not a valid enum constructor index");
    int sent = fake.count("media_native_text_field_set_auto_size");
    EXPECT_EQ(thrownText([&] { tf->set_autoSize(std::nullopt); }), "Null access");
    EXPECT_EQ(fake.count("media_native_text_field_set_auto_size"), sent);
}

TEST_F(TextFieldTest, FormatsAndMetricsAreFilledByTheBackEnd) {
    auto tf = make<TextField>();
    fake.on("media_native_text_field_get_text_format", [](const std::vector<Value>& a) {
        a[1].setField("size", Value(14.0));
        a[1].setField("bold", Value(true));
        return Value();
    });
    Ref<TextFormat> f = tf->getTextFormat();
    auto args = lastArgs("media_native_text_field_get_text_format");
    EXPECT_EQ(args[0], tf->handle_);
    EXPECT_EQ(args[2].toInt(), -1);
    EXPECT_EQ(args[3].toInt(), -1);
    EXPECT_EQ(f->size, 14.0);
    EXPECT_EQ(f->bold, true);
    EXPECT_FALSE(f->italic.has_value());
    EXPECT_NE(tf->getTextFormat(2, 5).get(), f.get());
    args = lastArgs("media_native_text_field_get_text_format");
    EXPECT_EQ(args[2].toInt(), 2);
    EXPECT_EQ(args[3].toInt(), 5);
    // By name, omitted indices are -1 too.
    Value byName = Value(tf).field("getTextFormat").function()->callArgs(nullptr, 0);
    EXPECT_NE(byName.as<TextFormat>(), nullptr);
    EXPECT_EQ(lastArgs("media_native_text_field_get_text_format")[2].toInt(), -1);
    const Value setArgs[] = {Value(runtime::make<TextFormat>()), Value(4)};
    Value(tf).field("setTextFormat").function()->callArgs(setArgs, 2);
    EXPECT_EQ(lastArgs("media_native_text_field_set_text_format")[2].toInt(), 4);
    EXPECT_EQ(lastArgs("media_native_text_field_set_text_format")[3].toInt(), -1);

    fake.on("media_native_text_field_get_line_metrics", [](const std::vector<Value>& a) {
        EXPECT_EQ(a[2].field("height").toFloat(), 0);
        a[2].setField("ascent", Value(11.0));
        a[2].setField("x", Value(2.0));
        return Value();
    });
    Ref<TextLineMetrics> m = tf->getLineMetrics(1);
    EXPECT_EQ(lastArgs("media_native_text_field_get_line_metrics")[1].toInt(), 1);
    EXPECT_EQ(m->ascent, 11);
    EXPECT_EQ(m->x, 2);
    EXPECT_EQ(m->width, 0);
    fake.returns("media_native_text_field_get_line_text", Value("line"));
    fake.returns("media_native_text_field_get_line_offset", Value(6));
    EXPECT_EQ(tf->getLineText(1).str(), "line");
    EXPECT_EQ(tf->getLineOffset(1), 6);
}

TEST_F(TextFieldTest, RegisteredFontNamesBecomePathsAndBack) {
    Font::registerFont(&PathFont::staticClass());
    // Read from data: a name and no path.
    auto embedded = make<Font>();
    embedded->fontName = "Embedded Sans";
    Font::registeredFonts_.push_back(embedded);
    auto tf = make<TextField>();

    // Going in: the family of a font with a path becomes the path, on the caller's object.
    auto format = make<TextFormat>("Serif Family", 12.0);
    tf->setTextFormat(format);
    auto args = lastArgs("media_native_text_field_set_text_format");
    EXPECT_EQ(args[1].field("font").toText(), "/fonts/Serif-Path.ttf");
    EXPECT_EQ(args[2].toInt(), -1);
    EXPECT_EQ(format->font.str(), "/fonts/Serif-Path.ttf");
    // A font without a path is never a translation target.
    auto other = make<TextFormat>("Embedded Sans");
    EXPECT_EQ(tf->set_defaultTextFormat(other).get(), other.get());
    EXPECT_EQ(lastArgs("media_native_text_field_set_def_text_format")[1].field("font").toText(), "Embedded Sans");
    tf->setTextFormat(nullptr, 1, 2);
    EXPECT_TRUE(lastArgs("media_native_text_field_set_text_format")[1].isNull());

    // Coming out: a reported path becomes the family; a null font the first font without a path.
    fake.on("media_native_text_field_get_def_text_format", [](const std::vector<Value>& a) {
        a[1].setField("font", Value("/fonts/Serif-Path.ttf"));
        return Value();
    });
    EXPECT_EQ(tf->get_defaultTextFormat()->font.str(), "Serif Family");
    EXPECT_EQ(tf->getTextFormat()->font.str(), "Embedded Sans");
}

TEST_F(TextFieldTest, ReplaceTextAndSetSelectionOnlyWarnOncePerName) {
    auto tf = make<TextField>();
    fake.reset();
    tf->replaceText(0, 1, "x");
    tf->replaceText(0, 1, "y");
    tf->setSelection(0, 1);
    tf->setSelection(0, 2);
    EXPECT_EQ(traces, (std::vector<std::string>{"Warning: TextField.replaceText is not implemented",
                                                "Warning: TextField.setSelection is not implemented"}));
    EXPECT_TRUE(fake.calls().empty());
}
