#include "TextField.h"

#include "Font.h"
#include "framework/Lib.h"

namespace framework {

using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {
Value newTextField() {
    TextField::initClass();
    return TextField::media_text_field_create();
}

// Two null texts count as equal.
bool sameText(const String& a, const String& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    return a.str() == b.str();
}
}  // namespace

void TextField::initClass() {
    static const bool done = [] {
#define FRAMEWORK_LOAD_SLOT(slot, primitive) slot = MEDIA_LOAD(primitive);
        FRAMEWORK_TEXT_FIELD_PRIMITIVES(FRAMEWORK_LOAD_SLOT)
#undef FRAMEWORK_LOAD_SLOT
        return true;
    }();
    (void)done;
}

TextField::TextField() : InteractiveObject(newTextField(), "TextField") {
    gridFitType = GridFitType::PIXEL;
    sharpness = 0;
    set_embedFonts(false);
}

// ---- fonts ----

void TextField::fontPathToName_(TextFormat& format) {
    for (const auto& f : Font::registeredFonts_)
        if (sameText(f->fontPath_, format.font)) format.font = f->fontName;
}

void TextField::fontNameToPath_(TextFormat& format) {
    for (const auto& f : Font::registeredFonts_) {
        if (f->fontPath_.isNull()) continue;
        if (sameText(f->fontName, format.font)) format.font = f->fontPath_;
    }
}

// ---- operations ----

void TextField::appendText(const String& text) {
    String current = media_text_field_get_text(handle_).toStringValue();
    std::string joined = (current.isNull() ? std::string() : current.str()) + (text.isNull() ? std::string() : text.str());
    media_text_field_set_text(handle_, joined);
}

int TextField::getLineOffset(int lineIndex) { return media_text_field_get_line_offset(handle_, lineIndex).toInt(); }

String TextField::getLineText(int lineIndex) {
    return media_text_field_get_line_text(handle_, lineIndex).toStringValue();
}

Ref<TextLineMetrics> TextField::getLineMetrics(int lineIndex) {
    auto metrics = runtime::make<TextLineMetrics>();
    media_text_field_get_line_metrics(handle_, lineIndex, metrics);
    return metrics;
}

Ref<TextFormat> TextField::getTextFormat(int beginIndex, int endIndex) {
    auto format = runtime::make<TextFormat>();
    media_text_field_get_text_format(handle_, format, beginIndex, endIndex);
    fontPathToName_(*format);
    return format;
}

void TextField::setTextFormat(const Ref<TextFormat>& format, int beginIndex, int endIndex) {
    if (format) fontNameToPath_(*format);
    media_text_field_set_text_format(handle_, format, beginIndex, endIndex);
}

namespace {
int indexOr(const Value& v) { return v.isNull() ? -1 : v.toInt(); }
}  // namespace

Ref<TextFormat> TextField::getTextFormatByName_(const Value& beginIndex, const Value& endIndex) {
    return getTextFormat(indexOr(beginIndex), indexOr(endIndex));
}

void TextField::setTextFormatByName_(const Ref<TextFormat>& format, const Value& beginIndex, const Value& endIndex) {
    setTextFormat(format, indexOr(beginIndex), indexOr(endIndex));
}

void TextField::replaceText(int, int, const String&) { Lib::notImplemented("TextField.replaceText"); }

void TextField::setSelection(int, int) { Lib::notImplemented("TextField.setSelection"); }

// ---- properties ----

TextFieldAutoSize TextField::get_autoSize() {
    return runtime::enumFromIndex<TextFieldAutoSize>(media_text_field_get_auto_size(handle_).toInt());
}

std::optional<TextFieldAutoSize> TextField::set_autoSize(std::optional<TextFieldAutoSize> value) {
    if (!value) runtime::Thrown::text("Null access");
    media_text_field_set_auto_size(handle_, static_cast<int>(*value));
    return value;
}

Ref<TextFormat> TextField::get_defaultTextFormat() {
    auto format = runtime::make<TextFormat>();
    media_text_field_get_def_text_format(handle_, format);
    fontPathToName_(*format);
    return format;
}

Ref<TextFormat> TextField::set_defaultTextFormat(const Ref<TextFormat>& value) {
    if (value) fontNameToPath_(*value);
    media_text_field_set_def_text_format(handle_, value);
    return value;
}

String TextField::get_htmlText() {
    String html = media_text_field_get_html_text(handle_).toStringValue();
    if (html.isNull()) return html;
    std::string out;
    for (char c : html.str()) {
        if (c == '\n') out += "<br/>";
        else out += c;
    }
    return out;
}

String TextField::set_htmlText(const String& value) {
    media_text_field_set_html_text(handle_, value);
    return value;
}

TextFieldType TextField::get_type() {
    return media_text_field_get_type(handle_).toBool() ? TextFieldType::INPUT : TextFieldType::DYNAMIC;
}

std::optional<TextFieldType> TextField::set_type(std::optional<TextFieldType> value) {
    media_text_field_set_type(handle_, value == TextFieldType::INPUT);
    return value;
}

#define TEXT_FIELD_FLAG(NAME, GET, SET)                                                \
    bool TextField::get_##NAME() { return GET(handle_).toBool(); }                    \
    bool TextField::set_##NAME(bool value) {                                           \
        SET(handle_, value);                                                           \
        return value;                                                                  \
    }
#define TEXT_FIELD_INT(NAME, GET, SET)                                                 \
    int TextField::get_##NAME() { return GET(handle_).toInt(); }                      \
    int TextField::set_##NAME(int value) {                                             \
        SET(handle_, value);                                                           \
        return value;                                                                  \
    }

TEXT_FIELD_FLAG(background, media_text_field_get_background, media_text_field_set_background)
TEXT_FIELD_INT(backgroundColor, media_text_field_get_background_color, media_text_field_set_background_color)
TEXT_FIELD_FLAG(border, media_text_field_get_border, media_text_field_set_border)
TEXT_FIELD_INT(borderColor, media_text_field_get_border_color, media_text_field_set_border_color)
TEXT_FIELD_FLAG(displayAsPassword, media_text_field_get_display_as_password, media_text_field_set_display_as_password)
TEXT_FIELD_FLAG(embedFonts, media_text_field_get_embed_fonts, media_text_field_set_embed_fonts)
TEXT_FIELD_INT(maxChars, media_text_field_get_max_chars, media_text_field_set_max_chars)
TEXT_FIELD_FLAG(multiline, media_text_field_get_multiline, media_text_field_set_multiline)
TEXT_FIELD_INT(scrollH, media_text_field_get_scroll_h, media_text_field_set_scroll_h)
TEXT_FIELD_INT(scrollV, media_text_field_get_scroll_v, media_text_field_set_scroll_v)
TEXT_FIELD_FLAG(selectable, media_text_field_get_selectable, media_text_field_set_selectable)
TEXT_FIELD_INT(textColor, media_text_field_get_text_color, media_text_field_set_text_color)
TEXT_FIELD_FLAG(wordWrap, media_text_field_get_word_wrap, media_text_field_set_word_wrap)
#undef TEXT_FIELD_FLAG
#undef TEXT_FIELD_INT

int TextField::get_bottomScrollV() { return media_text_field_get_bottom_scroll_v(handle_).toInt(); }
int TextField::get_maxScrollH() { return media_text_field_get_max_scroll_h(handle_).toInt(); }
int TextField::get_maxScrollV() { return media_text_field_get_max_scroll_v(handle_).toInt(); }
int TextField::get_numLines() { return media_text_field_get_num_lines(handle_).toInt(); }
double TextField::get_textWidth() { return media_text_field_get_text_width(handle_).toFloat(); }
double TextField::get_textHeight() { return media_text_field_get_text_height(handle_).toFloat(); }

String TextField::get_text() { return media_text_field_get_text(handle_).toStringValue(); }

String TextField::set_text(const String& value) {
    media_text_field_set_text(handle_, value);
    return value;
}

RUNTIME_DEFINE_CLASS(TextField, "framework.text.TextField", InteractiveObject, (auto& b) {
    using T = TextField;
    b.template field<&T::antiAliasType>("antiAliasType")
        .template field<&T::gridFitType>("gridFitType")
        .template field<&T::sharpness>("sharpness")
        .template property<&T::get_autoSize, &T::set_autoSize>("autoSize")
        .template property<&T::get_background, &T::set_background>("background")
        .template property<&T::get_backgroundColor, &T::set_backgroundColor>("backgroundColor")
        .template property<&T::get_border, &T::set_border>("border")
        .template property<&T::get_borderColor, &T::set_borderColor>("borderColor")
        .template property<&T::get_bottomScrollV>("bottomScrollV")
        .template property<&T::get_defaultTextFormat, &T::set_defaultTextFormat>("defaultTextFormat")
        .template property<&T::get_displayAsPassword, &T::set_displayAsPassword>("displayAsPassword")
        .template property<&T::get_embedFonts, &T::set_embedFonts>("embedFonts")
        .template property<&T::get_htmlText, &T::set_htmlText>("htmlText")
        .template property<&T::get_maxChars, &T::set_maxChars>("maxChars")
        .template property<&T::get_maxScrollH>("maxScrollH")
        .template property<&T::get_maxScrollV>("maxScrollV")
        .template property<&T::get_multiline, &T::set_multiline>("multiline")
        .template property<&T::get_numLines>("numLines")
        .template property<&T::get_scrollH, &T::set_scrollH>("scrollH")
        .template property<&T::get_scrollV, &T::set_scrollV>("scrollV")
        .template property<&T::get_selectable, &T::set_selectable>("selectable")
        .template property<&T::get_text, &T::set_text>("text")
        .template property<&T::get_textColor, &T::set_textColor>("textColor")
        .template property<&T::get_textHeight>("textHeight")
        .template property<&T::get_textWidth>("textWidth")
        .template property<&T::get_type, &T::set_type>("type")
        .template property<&T::get_wordWrap, &T::set_wordWrap>("wordWrap")
        .template method<&T::appendText>("appendText")
        .template method<&T::getLineOffset>("getLineOffset")
        .template method<&T::getLineText>("getLineText")
        .template method<&T::getLineMetrics>("getLineMetrics")
        .template method<&T::getTextFormatByName_>("getTextFormat")
        .template method<&T::setTextFormatByName_>("setTextFormat")
        .template method<&T::replaceText>("replaceText")
        .template method<&T::setSelection>("setSelection")
        .emptyInstance()
        .constructor([](const Value*, int) -> Ref<runtime::Object> { return runtime::make<T>(); });
})

}  // namespace framework
