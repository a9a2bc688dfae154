// Text fields and fonts of the framework over the real back end.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/display/Sprite.h"
#include "framework/text/Font.h"
#include "framework/text/TextField.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
const std::string SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

// A font registered by path whose name is its family, as a game's font class would make it.
class SerifBold : public Font {
    RUNTIME_CLASS(SerifBold)
public:
    SerifBold() : Font(runtime::NoInit{}) { fromFile_(SERIF); }
};
}  // namespace

RUNTIME_DEFINE_CLASS(SerifBold, "tests.native.SerifBold", framework::Font, (auto& b) {
    b.constructor([](const Value*, int) -> Ref<runtime::Object> { return make<SerifBold>(); });
})

TEST(TextNative, AFieldMeasuresItsTextAndKeepsItsBox) {
    auto holder = make<Sprite>();
    auto tf = make<TextField>();
    holder->addChild(tf);
    EXPECT_FALSE(tf->get_embedFonts());
    EXPECT_EQ(tf->get_autoSize(), TextFieldAutoSize::NONE);
    EXPECT_EQ(tf->get_type(), TextFieldType::DYNAMIC);
    tf->set_width(200);
    tf->set_height(30);
    tf->set_text("Gold: 120");
    tf->appendText(" coins");
    EXPECT_EQ(tf->get_text().str(), "Gold: 120 coins");
    EXPECT_GT(tf->get_textWidth(), 60);
    EXPECT_EQ(tf->get_numLines(), 1);
    EXPECT_EQ(tf->get_width(), 200);
    EXPECT_EQ(holder->get_width(), 200);
    Ref<TextLineMetrics> m = tf->getLineMetrics(0);
    EXPECT_EQ(m->width, tf->get_textWidth());
    EXPECT_EQ(m->height, m->ascent + m->descent);

    tf->set_autoSize(TextFieldAutoSize::LEFT);
    EXPECT_EQ(tf->get_autoSize(), TextFieldAutoSize::LEFT);
    EXPECT_EQ(tf->get_width(), std::ceil(tf->get_textWidth()) + 4);
    tf->set_type(TextFieldType::INPUT);
    EXPECT_EQ(tf->get_type(), TextFieldType::INPUT);
    tf->set_htmlText("a<br>b");
    EXPECT_EQ(tf->get_numLines(), 2);
    EXPECT_NE(tf->get_htmlText().str().find("</font><br/><font"), std::string::npos) << tf->get_htmlText().str();
}

TEST(TextNative, RegisteredFontPathsCrossAsFamilyNames) {
    auto saved = Font::registeredFonts_;
    Ref<Font> read = Font::fromFile(SERIF);
    EXPECT_EQ(read->toString(), "{ name=DejaVu Serif, style=BOLD, type=EMBEDDED }");
    Font::registerFont(&SerifBold::staticClass());
    ASSERT_EQ(Font::registeredFonts_.back()->fontPath_.str(), SERIF);

    auto tf = make<TextField>();
    tf->set_text("Serif");
    double sans = tf->get_textWidth();
    auto format = make<TextFormat>("DejaVu Serif");
    tf->setTextFormat(format);
    EXPECT_EQ(format->font.str(), SERIF);
    EXPECT_NE(tf->get_textWidth(), sans);
    // The back end reports the path it was given; the field turns it back into the family.
    EXPECT_EQ(tf->getTextFormat()->font.str(), "DejaVu Serif");
    EXPECT_EQ(tf->get_defaultTextFormat()->font.str(), "DejaVu Sans");
    Font::registeredFonts_ = saved;
}
