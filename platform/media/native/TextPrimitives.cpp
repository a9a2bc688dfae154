// Text-field and font primitives. A text field is a node of kind Text carrying a TextFieldModel;
// after every change the node's content bounds follow the field's box (and autoSize may move it).
#include "ByteArrayView.h"
#include "FontLibrary.h"
#include "NodeHandle.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"

using media::FontLibrary;
using media::NodeStore;
using media::TextFieldModel;
using runtime::Value;

namespace {
NodeStore& store() { return NodeStore::get(); }

// The text node of a handle argument, or -1.
int textNodeOf(const Value& v) {
    auto* h = v.as<media::NodeHandle>();
    return h && store().valid(h->index) && store().at(h->index).text ? h->index : -1;
}

void sync(int n) {
    NodeStore::Node& node = store().at(n);
    double shift = node.text->update();
    if (shift != 0) node.x += shift * node.scaleX;
    media::Rect2D box{0, 0, node.text->width(), node.text->height()};
    node.contentBounds = node.graphics.empty() ? box : box.united(node.graphics.bounds());
}

Value fontInfo(const FontLibrary::Info& info) {
    auto r = runtime::make<runtime::DynamicObject>();
    r->setField("family_name", Value(info.familyName));
    r->setField("style_name", Value(info.styleName));
    r->setField("is_bold", Value(info.bold));
    r->setField("is_italic", Value(info.italic));
    return Value(r);
}
}  // namespace

// Getters answer null for anything but a live text field; setters then do nothing.
#define TEXT_OR_NULL()                  \
    int n = textNodeOf(MEDIA_ARG(0));   \
    if (n < 0) return {};               \
    TextFieldModel& t = *store().at(n).text;

#define TEXT_GET(NAME, EXPR)                                \
    MEDIA_EXPORT(media_native_text_field_get_##NAME, 1) {   \
        TEXT_OR_NULL();                                     \
        return Value(EXPR);                                 \
    }

// STATEMENT sees the value as `v`.
#define TEXT_SET(NAME, STATEMENT)                           \
    MEDIA_EXPORT(media_native_text_field_set_##NAME, 2) {   \
        TEXT_OR_NULL();                                     \
        const Value& v = MEDIA_ARG(1);                      \
        STATEMENT;                                          \
        sync(n);                                            \
        return {};                                          \
    }

MEDIA_EXPORT(media_native_text_field_create, 0) {
    auto h = runtime::make<media::NodeHandle>(NodeStore::Kind::Text);
    store().at(h->index).text = runtime::make<TextFieldModel>();
    sync(h->index);
    return Value(h);
}

TEXT_GET(auto_size, t.autoSize())
TEXT_SET(auto_size, t.setAutoSize(v.toInt()))
TEXT_GET(background, t.background)
TEXT_SET(background, (t.background = v.toBool(), t.changed()))
TEXT_GET(background_color, static_cast<int>(t.backgroundColor))
TEXT_SET(background_color, (t.backgroundColor = static_cast<uint32_t>(v.toInt()) & 0xFFFFFF, t.changed()))
TEXT_GET(border, t.border)
TEXT_SET(border, (t.border = v.toBool(), t.changed()))
TEXT_GET(border_color, static_cast<int>(t.borderColor))
TEXT_SET(border_color, (t.borderColor = static_cast<uint32_t>(v.toInt()) & 0xFFFFFF, t.changed()))
TEXT_GET(bottom_scroll_v, t.bottomScrollV())
TEXT_GET(display_as_password, t.displayAsPassword())
TEXT_SET(display_as_password, t.setDisplayAsPassword(v.toBool()))
TEXT_GET(embed_fonts, t.embedFonts)
TEXT_SET(embed_fonts, t.embedFonts = v.toBool())
TEXT_GET(html_text, t.htmlText())
TEXT_SET(html_text, t.setHtmlText(v.isNull() ? std::string() : v.toText()))
TEXT_GET(max_chars, t.maxChars)
TEXT_SET(max_chars, t.maxChars = std::max(0, v.toInt()))
TEXT_GET(max_scroll_h, t.maxScrollH())
TEXT_GET(max_scroll_v, t.maxScrollV())
TEXT_GET(multiline, t.multiline)
TEXT_SET(multiline, t.multiline = v.toBool())
TEXT_GET(num_lines, t.numLines())
TEXT_GET(scroll_h, t.scrollH())
TEXT_SET(scroll_h, t.setScrollH(v.toInt()))
TEXT_GET(scroll_v, t.scrollV())
TEXT_SET(scroll_v, t.setScrollV(v.toInt()))
TEXT_GET(selectable, t.selectable)
TEXT_SET(selectable, t.selectable = v.toBool())
TEXT_GET(text, t.text())
TEXT_SET(text, t.setText(v.isNull() ? std::string() : v.toText()))
TEXT_GET(text_color, static_cast<int>(t.textColor()))
TEXT_SET(text_color, t.setTextColor(static_cast<uint32_t>(v.toInt())))
TEXT_GET(text_height, t.textHeight())
TEXT_GET(text_width, t.textWidth())
TEXT_GET(type, t.input)
TEXT_SET(type, t.input = v.toBool())
TEXT_GET(word_wrap, t.wordWrap())
TEXT_SET(word_wrap, t.setWordWrap(v.toBool()))

MEDIA_EXPORT(media_native_text_field_get_line_offset, 2) {
    TEXT_OR_NULL();
    return Value(t.lineOffset(MEDIA_ARG(1).toInt()));
}

MEDIA_EXPORT(media_native_text_field_get_line_text, 2) {
    TEXT_OR_NULL();
    return t.lineText(MEDIA_ARG(1).toInt());
}

MEDIA_EXPORT(media_native_text_field_get_line_metrics, 3) {
    TEXT_OR_NULL();
    t.readLineMetrics(MEDIA_ARG(1).toInt(), MEDIA_ARG(2));
    return {};
}

MEDIA_EXPORT(media_native_text_field_get_text_format, 4) {
    TEXT_OR_NULL();
    t.readFormat(MEDIA_ARG(1), MEDIA_ARG(2).isNull() ? -1 : MEDIA_ARG(2).toInt(),
                 MEDIA_ARG(3).isNull() ? -1 : MEDIA_ARG(3).toInt());
    return {};
}

MEDIA_EXPORT(media_native_text_field_set_text_format, 4) {
    TEXT_OR_NULL();
    t.applyFormat(MEDIA_ARG(1), MEDIA_ARG(2).isNull() ? -1 : MEDIA_ARG(2).toInt(),
                  MEDIA_ARG(3).isNull() ? -1 : MEDIA_ARG(3).toInt());
    sync(n);
    return {};
}

MEDIA_EXPORT(media_native_text_field_get_def_text_format, 2) {
    TEXT_OR_NULL();
    t.readDefaultFormat(MEDIA_ARG(1));
    return {};
}

MEDIA_EXPORT(media_native_text_field_set_def_text_format, 2) {
    TEXT_OR_NULL();
    t.applyDefaultFormat(MEDIA_ARG(1));
    sync(n);
    return {};
}

// (file name or "", unused, unused, font bytes or null) → {family_name, style_name, is_bold,
// is_italic}, or null when the font can't be read.
MEDIA_EXPORT(freetype_import_font, 4) {
    std::optional<FontLibrary::Info> info;
    if (MEDIA_ARG(3).isObject()) info = FontLibrary::get().inspectBytes(media::ByteArrayView::copy(MEDIA_ARG(3)));
    else if (!MEDIA_ARG(0).isNull()) info = FontLibrary::get().inspectFile(MEDIA_ARG(0).toText());
    return info ? fontInfo(*info) : Value();
}

MEDIA_EXPORT(media_native_font_register_font, 2) {
    if (MEDIA_ARG(0).isNull() || !MEDIA_ARG(1).isObject()) return {};
    FontLibrary::get().registerFont(MEDIA_ARG(0).toText(), media::ByteArrayView::copy(MEDIA_ARG(1)));
    return {};
}

MEDIA_EXPORT(media_native_font_iterate_device_fonts, 1) {
    Value callback = MEDIA_ARG(0);
    if (!callback.isFunction()) return {};
    for (const FontLibrary::DeviceFont& d : FontLibrary::get().deviceFonts()) {
        const Value args[2] = {Value(d.name), Value(d.style)};
        try {
            callback.function()->callArgs(args, 2);
        } catch (...) {
            // The framework's failures stay on its side.
        }
    }
    return {};
}
