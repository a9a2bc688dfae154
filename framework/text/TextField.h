#pragma once
// A display object showing text through a native text field: every property and operation goes
// to one text-field primitive with the node's handle. Formats crossing it have a registered
// font's name turned into its file path on the way in and back on the way out.
#include <optional>

#include "AntiAliasType.h"
#include "GridFitType.h"
#include "TextFieldAutoSize.h"
#include "TextFieldType.h"
#include "TextFormat.h"
#include "TextLineMetrics.h"
#include "framework/display/InteractiveObject.h"

namespace framework {

// Slot name (primitive name without "native_"), primitive.
#define FRAMEWORK_TEXT_FIELD_PRIMITIVES(X)                                                             \
    X(media_text_field_create, media_native_text_field_create)                                         \
    X(media_text_field_get_auto_size, media_native_text_field_get_auto_size)                           \
    X(media_text_field_set_auto_size, media_native_text_field_set_auto_size)                           \
    X(media_text_field_get_background, media_native_text_field_get_background)                         \
    X(media_text_field_set_background, media_native_text_field_set_background)                         \
    X(media_text_field_get_background_color, media_native_text_field_get_background_color)             \
    X(media_text_field_set_background_color, media_native_text_field_set_background_color)             \
    X(media_text_field_get_border, media_native_text_field_get_border)                                 \
    X(media_text_field_set_border, media_native_text_field_set_border)                                 \
    X(media_text_field_get_border_color, media_native_text_field_get_border_color)                     \
    X(media_text_field_set_border_color, media_native_text_field_set_border_color)                     \
    X(media_text_field_get_bottom_scroll_v, media_native_text_field_get_bottom_scroll_v)               \
    X(media_text_field_get_def_text_format, media_native_text_field_get_def_text_format)               \
    X(media_text_field_set_def_text_format, media_native_text_field_set_def_text_format)               \
    X(media_text_field_get_display_as_password, media_native_text_field_get_display_as_password)       \
    X(media_text_field_set_display_as_password, media_native_text_field_set_display_as_password)       \
    X(media_text_field_get_embed_fonts, media_native_text_field_get_embed_fonts)                       \
    X(media_text_field_set_embed_fonts, media_native_text_field_set_embed_fonts)                       \
    X(media_text_field_get_html_text, media_native_text_field_get_html_text)                           \
    X(media_text_field_set_html_text, media_native_text_field_set_html_text)                           \
    X(media_text_field_get_max_chars, media_native_text_field_get_max_chars)                           \
    X(media_text_field_set_max_chars, media_native_text_field_set_max_chars)                           \
    X(media_text_field_get_max_scroll_h, media_native_text_field_get_max_scroll_h)                     \
    X(media_text_field_get_max_scroll_v, media_native_text_field_get_max_scroll_v)                     \
    X(media_text_field_get_multiline, media_native_text_field_get_multiline)                           \
    X(media_text_field_set_multiline, media_native_text_field_set_multiline)                           \
    X(media_text_field_get_num_lines, media_native_text_field_get_num_lines)                           \
    X(media_text_field_get_scroll_h, media_native_text_field_get_scroll_h)                             \
    X(media_text_field_set_scroll_h, media_native_text_field_set_scroll_h)                             \
    X(media_text_field_get_scroll_v, media_native_text_field_get_scroll_v)                             \
    X(media_text_field_set_scroll_v, media_native_text_field_set_scroll_v)                             \
    X(media_text_field_get_selectable, media_native_text_field_get_selectable)                         \
    X(media_text_field_set_selectable, media_native_text_field_set_selectable)                         \
    X(media_text_field_get_text, media_native_text_field_get_text)                                     \
    X(media_text_field_set_text, media_native_text_field_set_text)                                     \
    X(media_text_field_get_text_color, media_native_text_field_get_text_color)                         \
    X(media_text_field_set_text_color, media_native_text_field_set_text_color)                         \
    X(media_text_field_get_text_height, media_native_text_field_get_text_height)                       \
    X(media_text_field_get_text_width, media_native_text_field_get_text_width)                         \
    X(media_text_field_get_type, media_native_text_field_get_type)                                     \
    X(media_text_field_set_type, media_native_text_field_set_type)                                     \
    X(media_text_field_get_word_wrap, media_native_text_field_get_word_wrap)                           \
    X(media_text_field_set_word_wrap, media_native_text_field_set_word_wrap)                           \
    X(media_text_field_get_line_offset, media_native_text_field_get_line_offset)                       \
    X(media_text_field_get_line_text, media_native_text_field_get_line_text)                           \
    X(media_text_field_get_line_metrics, media_native_text_field_get_line_metrics)                     \
    X(media_text_field_get_text_format, media_native_text_field_get_text_format)                       \
    X(media_text_field_set_text_format, media_native_text_field_set_text_format)

class TextField : public InteractiveObject {
    RUNTIME_CLASS(TextField)
public:
#define FRAMEWORK_DECLARE_SLOT(slot, primitive) static inline runtime::Primitive slot;
    FRAMEWORK_TEXT_FIELD_PRIMITIVES(FRAMEWORK_DECLARE_SLOT)
#undef FRAMEWORK_DECLARE_SLOT
    static void initClass();

    TextField();
    explicit TextField(runtime::NoInit n) : InteractiveObject(n) {}

    // Reads the text and stores it with text appended (straight through the primitives).
    virtual void appendText(const runtime::String& text);
    virtual int getLineOffset(int lineIndex);
    virtual runtime::String getLineText(int lineIndex);
    virtual runtime::Ref<TextLineMetrics> getLineMetrics(int lineIndex);
    // A new format filled by the back end; -1 means the whole text.
    virtual runtime::Ref<TextFormat> getTextFormat(int beginIndex = -1, int endIndex = -1);
    // Not provided: warns once.
    virtual void replaceText(int beginIndex, int endIndex, const runtime::String& newText);
    virtual void setSelection(int beginIndex, int endIndex);
    // Changes the caller's format in place (registered font name to path) before passing it on.
    virtual void setTextFormat(const runtime::Ref<TextFormat>& format, int beginIndex = -1, int endIndex = -1);

    virtual TextFieldAutoSize get_autoSize();
    // Null throws "Null access".
    virtual std::optional<TextFieldAutoSize> set_autoSize(std::optional<TextFieldAutoSize> value);
    virtual bool get_background();
    virtual bool set_background(bool value);
    virtual int get_backgroundColor();
    virtual int set_backgroundColor(int value);
    virtual bool get_border();
    virtual bool set_border(bool value);
    virtual int get_borderColor();
    virtual int set_borderColor(int value);
    virtual int get_bottomScrollV();
    virtual runtime::Ref<TextFormat> get_defaultTextFormat();
    virtual runtime::Ref<TextFormat> set_defaultTextFormat(const runtime::Ref<TextFormat>& value);
    virtual bool get_displayAsPassword();
    virtual bool set_displayAsPassword(bool value);
    virtual bool get_embedFonts();
    virtual bool set_embedFonts(bool value);
    // Line feeds read back as "<br/>".
    virtual runtime::String get_htmlText();
    virtual runtime::String set_htmlText(const runtime::String& value);
    virtual int get_maxChars();
    virtual int set_maxChars(int value);
    virtual int get_maxScrollH();
    virtual int get_maxScrollV();
    virtual bool get_multiline();
    virtual bool set_multiline(bool value);
    virtual int get_numLines();
    virtual int get_scrollH();
    virtual int set_scrollH(int value);
    virtual int get_scrollV();
    virtual int set_scrollV(int value);
    virtual bool get_selectable();
    virtual bool set_selectable(bool value);
    virtual runtime::String get_text();
    virtual runtime::String set_text(const runtime::String& value);
    virtual int get_textColor();
    virtual int set_textColor(int value);
    virtual double get_textWidth();
    virtual double get_textHeight();
    virtual TextFieldType get_type();
    // INPUT sends true; anything else, null included, false.
    virtual std::optional<TextFieldType> set_type(std::optional<TextFieldType> value);
    virtual bool get_wordWrap();
    virtual bool set_wordWrap(bool value);

    // Kept here only, never sent to the back end.
    std::optional<AntiAliasType> antiAliasType;
    std::optional<GridFitType> gridFitType;
    double sharpness = 0;

    // getTextFormat and setTextFormat as called by name: an omitted or null index is -1.
    runtime::Ref<TextFormat> getTextFormatByName_(const runtime::Value& beginIndex, const runtime::Value& endIndex);
    void setTextFormatByName_(const runtime::Ref<TextFormat>& format, const runtime::Value& beginIndex,
                              const runtime::Value& endIndex);

    // Font translations through the registered fonts (in registration order).
    static void fontPathToName_(TextFormat& format);
    static void fontNameToPath_(TextFormat& format);
};

}  // namespace framework
