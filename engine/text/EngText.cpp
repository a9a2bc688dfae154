#include "EngText.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/system/EngAssets.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/util/EngDestroyUtil.h"
#include "framework/assets/Assets.h"
#include "framework/geom/ColorTransform.h"
#include "framework/geom/Matrix.h"
#include "framework/text/Font.h"
#include "framework/text/TextFieldAutoSize.h"
#include "framework/text/TextFormatAlign.h"
#include "platform/runtime/Array.h"

namespace engine {

using framework::TextFormat;
using runtime::Ref;
using runtime::String;

namespace {

// The font name of an embedded font asset; null when there is none.
String embeddedFontName(const String& id) {
    Ref<framework::Font> font = framework::Assets::getFont(id);
    return font ? font->fontName : String(nullptr);
}

}  // namespace

EngText::EngText(double x, double y, double fieldWidth, const String& text, int size, bool embeddedFont)
    : EngSprite(x, y) {
    String initial = text.isNull() ? String("") : text;
    _textField = runtime::make<framework::TextField>();
    _textField->set_selectable(false);
    _textField->set_multiline(true);
    _textField->set_wordWrap(true);
    _defaultFormat = runtime::make<TextFormat>(EngAssets::FONT_DEFAULT, size, 0xFFFFFF);
    _formatAdjusted = runtime::make<TextFormat>();
    _textField->set_defaultTextFormat(_defaultFormat);
    _textField->set_text(initial);
    set_fieldWidth(fieldWidth);
    _textField->set_embedFonts(embeddedFont);
    _textField->set_height(initial.str().empty() ? 1 : 10);
    allowCollisions = 0;
    set_moves(false);
    String key = EngG::bitmap->getUniqueKey("text");
    makeGraphic(fieldWidth > 0 ? static_cast<int>(fieldWidth) : 1, 1, 0, false, key);
    if (!initial.str().empty()) calcFrame();
    shadowOffset = EngPoint::get(1, 1);
}

void EngText::destroy() {
    _textField = nullptr;
    _defaultFormat = nullptr;
    _formatAdjusted = nullptr;
    _filters.clear();
    for (const Ref<EngTextFormat>& format : _formats)
        if (format) format->destroy();
    _formats.clear();
    if (shadowOffset) shadowOffset->put();
    shadowOffset = nullptr;
    EngSprite::destroy();
}

int EngText::textLength() { return _textField ? static_cast<int>(_textField->get_text().str().size()) : 0; }

void EngText::reapplyDefault() {
    _textField->set_defaultTextFormat(_defaultFormat);
    _textField->setTextFormat(_defaultFormat, 0, textLength());
}

void EngText::updateFormat(const Ref<TextFormat>& format) { _textField->setTextFormat(format, 0, textLength()); }

// ---- accessors ----

String EngText::get_text() { return _textField->get_text(); }

String EngText::set_text(const String& value) {
    String before = _textField->get_text();
    _textField->set_text(value);
    String after = _textField->get_text();
    if (after != before) dirty = true;
    return after;
}

double EngText::get_size() { return _defaultFormat->size.value_or(0); }

double EngText::set_size(double value) {
    _defaultFormat->size = value;
    reapplyDefault();
    dirty = true;
    return value;
}

String EngText::get_font() { return _defaultFormat->font; }

String EngText::set_font(const String& id) {
    _textField->set_embedFonts(true);
    if (String name = embeddedFontName(id); !name.isNull()) _defaultFormat->font = name;
    reapplyDefault();
    dirty = true;
    return id;
}

bool EngText::get_embedded() { return _textField->get_embedFonts(); }

String EngText::get_systemFont() { return _defaultFormat->font; }

String EngText::set_systemFont(const String& name) {
    _textField->set_embedFonts(false);
    _defaultFormat->font = name;
    reapplyDefault();
    dirty = true;
    return name;
}

bool EngText::get_bold() { return _defaultFormat->bold.value_or(false); }

bool EngText::set_bold(bool value) {
    if (_defaultFormat->bold == value) return value;
    _defaultFormat->bold = value;
    reapplyDefault();
    dirty = true;
    return value;
}

bool EngText::get_italic() { return _defaultFormat->italic.value_or(false); }

bool EngText::set_italic(bool value) {
    if (_defaultFormat->italic == value) return value;
    _defaultFormat->italic = value;
    reapplyDefault();
    dirty = true;
    return value;
}

bool EngText::get_wordWrap() { return _textField->get_wordWrap(); }

bool EngText::set_wordWrap(bool value) {
    if (_textField->get_wordWrap() != value) {
        _textField->set_wordWrap(value);
        dirty = true;
    }
    return value;
}

String EngText::get_alignment() { return _defaultFormat->align; }

String EngText::set_alignment(const String& value) {
    _defaultFormat->align = convertTextAlignmentFromString(value);
    reapplyDefault();
    dirty = true;
    return value;
}

int EngText::set_color(int value) {
    value &= 0xFFFFFF;
    if (_defaultFormat && _defaultFormat->color == value) return value;
    color = value;
    if (!_defaultFormat) return value;
    _defaultFormat->color = value;
    reapplyDefault();
    dirty = true;
    return value;
}

double EngText::get_fieldWidth() { return _textField ? _textField->get_width() : 0; }

double EngText::set_fieldWidth(double value) {
    if (!_textField) return value;
    if (value <= 0) {
        set_wordWrap(false);
        set_autoSize(true);
    } else {
        _textField->set_width(value);
    }
    dirty = true;
    return value;
}

bool EngText::get_autoSize() { return _textField && _textField->get_autoSize() != framework::TextFieldAutoSize::NONE; }

bool EngText::set_autoSize(bool value) {
    if (_textField) {
        _textField->set_autoSize(value ? framework::TextFieldAutoSize::LEFT : framework::TextFieldAutoSize::NONE);
        dirty = true;
    }
    return value;
}

int EngText::set_borderStyle(int value) {
    if (value != borderStyle) {
        borderStyle = value;
        dirty = true;
    }
    return value;
}

int EngText::set_borderColor(int value) {
    value &= 0xFFFFFF;
    if (value != borderColor && borderStyle != BORDER_NONE) dirty = true;
    borderColor = value;
    return value;
}

double EngText::set_borderSize(double value) {
    if (value != borderSize && borderStyle != BORDER_NONE) dirty = true;
    borderSize = value;
    return value;
}

double EngText::set_borderQuality(double value) {
    value = std::clamp(value, 0.0, 1.0);
    if (value != borderQuality && borderStyle != BORDER_NONE) dirty = true;
    borderQuality = value;
    return value;
}

Ref<CachedGraphics> EngText::set_cachedGraphics(const Ref<CachedGraphics>& value) {
    EngSprite::set_cachedGraphics(value);
    if (value) value->set_destroyOnNoUse(true);
    return value;
}

// ---- formats and filters ----

EngText* EngText::setFormat(const String& font, double size, int colour, const String& alignment, int style,
                            int border, bool embedded) {
    if (embedded) {
        if (font.isNull()) {
            _defaultFormat->font = EngAssets::FONT_DEFAULT;
        } else {
            String name = embeddedFontName(font);
            _defaultFormat->font = name.isNull() ? EngAssets::FONT_DEFAULT : name;
        }
    } else if (!font.isNull()) {
        _defaultFormat->font = font;
    }
    _textField->set_embedFonts(embedded);
    _defaultFormat->size = size;
    _defaultFormat->color = colour & 0xFFFFFF;
    _defaultFormat->align = convertTextAlignmentFromString(alignment);
    _textField->set_defaultTextFormat(_defaultFormat);
    set_borderStyle(style);
    set_borderColor(border);
    _textField->setTextFormat(_defaultFormat, 0, textLength());
    dirty = true;
    return this;
}

void EngText::setBorderStyle(int style, int colour, double size, double quality) {
    set_borderStyle(style);
    set_borderColor(colour);
    set_borderSize(size);
    set_borderQuality(quality);
}

void EngText::addFormat(const Ref<EngTextFormat>& format, int start, int end) {
    if (start > -1) format->start = start;
    if (end > -1) format->end = end;
    _formats.push_back(format);
    std::stable_sort(_formats.begin(), _formats.end(),
                     [](const Ref<EngTextFormat>& a, const Ref<EngTextFormat>& b) { return a->start < b->start; });
    dirty = true;
}

void EngText::removeFormat(const Ref<EngTextFormat>& format) {
    auto it = std::find(_formats.begin(), _formats.end(), format);
    if (it != _formats.end()) _formats.erase(it);
    dirty = true;
}

void EngText::clearFormats() {
    for (const Ref<EngTextFormat>& format : _formats)
        if (format) format->destroy();
    _formats.clear();
    updateFormat(_defaultFormat);
    dirty = true;
}

void EngText::addFilter(const runtime::Value& filter, int widthInc, int heightInc) {
    _filters.push_back(filter);
    _widthInc = widthInc;
    _heightInc = heightInc;
    dirty = true;
}

void EngText::removeFilter(const runtime::Value& filter) {
    auto it = std::find(_filters.begin(), _filters.end(), filter);
    if (it == _filters.end()) return;
    _filters.erase(it);
    dirty = true;
}

void EngText::clearFilters() {
    if (!_filters.empty()) dirty = true;
    _filters.clear();
}

void EngText::applyFormats(const Ref<TextFormat>& formatAdjusted, bool useBorderColor) {
    formatAdjusted->color = useBorderColor ? borderColor : _defaultFormat->color;
    updateFormat(formatAdjusted);
    int length = textLength();
    for (const Ref<EngTextFormat>& range : _formats) {
        if (length - 1 < range->start) break;
        const TextFormat& own = *range->format;
        formatAdjusted->font = own.font;
        formatAdjusted->bold = own.bold;
        formatAdjusted->italic = own.italic;
        formatAdjusted->size = own.size;
        formatAdjusted->color = useBorderColor ? std::optional<int>(range->borderColor) : own.color;
        _textField->setTextFormat(formatAdjusted, range->start, std::min(length, range->end));
    }
}

String EngText::convertTextAlignmentFromString(const String& alignment) {
    using framework::TextFormatAlign;
    if (alignment == "right") return TextFormatAlign::RIGHT;
    if (alignment == "center") return TextFormatAlign::CENTER;
    if (alignment == "justify") return TextFormatAlign::JUSTIFY;
    return TextFormatAlign::LEFT;
}

Ref<TextFormat> EngText::dtfCopy() {
    Ref<TextFormat> d = _textField->get_defaultTextFormat();
    return runtime::make<TextFormat>(d->font, d->size, d->color, d->bold, d->italic, d->underline, d->url, d->target,
                                     d->align);
}

// ---- the picture ----

void EngText::regenGraphics() {
    const Ref<framework::BitmapData>& bitmap = cachedGraphics->bitmap;
    int oldWidth = bitmap ? bitmap->get_width() : 0;
    int oldHeight = bitmap ? bitmap->get_height() : 0;
    // An empty text has no height, whatever line height the field reports for it.
    double textHeight = textLength() == 0 ? 0 : _textField->get_textHeight();
    double newWidth = _textField->get_width() + _widthInc;
    double newHeight = textHeight == 0 ? oldHeight : textHeight + _heightInc + 4;
    if (newWidth == oldWidth && newHeight == oldHeight) {
        if (bitmap) bitmap->fillRect(_flashRect, 0);
        return;
    }
    String key = cachedGraphics->key;
    // The old graphic leaves the cache here; its last use must not take the new one, made under
    // the same key, with it.
    Ref<CachedGraphics> old = cachedGraphics;
    EngG::bitmap->remove(key);
    old->destroyOnNoUse = false;
    makeGraphic(static_cast<int>(newWidth), static_cast<int>(newHeight), 0, false, key);
    frameHeight = static_cast<int>(get_height());
    _textField->set_height(get_height() * 1.2);
    _flashRect = runtime::make<framework::Rectangle>(0, 0, newWidth, newHeight);
}

void EngText::drawPass() { cachedGraphics->bitmap->draw(_textField, _matrix); }

void EngText::calcFrame(bool updateFramePixels) {
    if (!_textField) return;
    if (!_filters.empty()) _textField->set_filters(runtime::make<runtime::Array>(_filters));
    regenGraphics();
    String text = _textField->get_text();
    if (!text.isNull() && !text.str().empty()) {
        _formatAdjusted->font = _defaultFormat->font;
        _formatAdjusted->size = _defaultFormat->size;
        _formatAdjusted->bold = _defaultFormat->bold;
        _formatAdjusted->italic = _defaultFormat->italic;
        _formatAdjusted->color = _defaultFormat->color;
        _formatAdjusted->align = _defaultFormat->align;
        _matrix->identity();
        _matrix->translate(static_cast<int>(_widthInc * 0.5), static_cast<int>(_heightInc * 0.5));
        if (_defaultFormat->align == "center" && _textField->get_numLines() == 1) {
            _formatAdjusted->align = framework::TextFormatAlign::LEFT;
            updateFormat(_formatAdjusted);
            _matrix->translate(std::floor((get_width() - _textField->get_textWidth()) * 0.5), 0);
        }
        if (borderStyle != BORDER_NONE) {
            int passes = std::max(1, static_cast<int>(borderSize * borderQuality));
            double delta = borderSize / passes;
            applyFormats(_formatAdjusted, true);
            if (borderStyle == BORDER_SHADOW) {
                for (int i = 0; i < passes; ++i) {
                    _matrix->translate(delta, delta);
                    drawPass();
                }
                _matrix->translate(-shadowOffset->x * borderSize, -shadowOffset->y * borderSize);
            } else if (borderStyle == BORDER_OUTLINE) {
                for (int i = 1; i <= passes; ++i) {
                    double d = delta * i;
                    const double steps[8][2] = {{-d, -d}, {d, 0}, {d, 0}, {0, d}, {0, d}, {-d, 0}, {-d, 0}, {0, -d}};
                    for (const auto& s : steps) {
                        _matrix->translate(s[0], s[1]);
                        drawPass();
                    }
                    _matrix->translate(d, 0);
                }
            } else if (borderStyle == BORDER_OUTLINE_FAST) {
                for (int i = 1; i <= passes; ++i) {
                    double d = delta * i;
                    const double steps[4][2] = {{-d, -d}, {2 * d, 0}, {0, 2 * d}, {-2 * d, 0}};
                    for (const auto& s : steps) {
                        _matrix->translate(s[0], s[1]);
                        drawPass();
                    }
                    _matrix->translate(d, -d);
                }
            }
        }
        applyFormats(_formatAdjusted, false);
        drawPass();
    }
    dirty = false;
    if (updateFramePixels) {
        const Ref<framework::BitmapData>& bitmap = cachedGraphics->bitmap;
        if (!framePixels || framePixels->get_width() != bitmap->get_width() ||
            framePixels->get_height() != bitmap->get_height()) {
            if (framePixels) framePixels->dispose();
            framePixels = runtime::make<framework::BitmapData>(bitmap->get_width(), bitmap->get_height(), true, 0);
        }
        framePixels->copyPixels(bitmap, _flashRect, _flashPointZero);
        if (useColorTransform) framePixels->colorTransform(_flashRect, colorTransform);
    }
}

void EngText::updateFrameData() {
    if (!cachedGraphics) return;
    framesData = cachedGraphics->get_tilesheet()->getSpriteSheetFrames(region);
    set_frame(framesData->frames.empty() ? nullptr : framesData->frames[0]);
    frames = 1;
}

void EngText::updateColorTransform() {
    if (alpha == 1) {
        if (colorTransform) colorTransform->alphaMultiplier = 1;
        useColorTransform = false;
    } else {
        if (colorTransform) colorTransform->alphaMultiplier = alpha;
        else colorTransform = runtime::make<framework::ColorTransform>(1, 1, 1, alpha);
        useColorTransform = true;
    }
    dirty = true;
}

}  // namespace engine

using engine::EngText;

RUNTIME_DEFINE_CLASS(EngText, "engine.text.EngText", engine::EngSprite, (auto& b) {
    b.template field<&EngText::borderStyle>("borderStyle")
        .template field<&EngText::borderColor>("borderColor")
        .template field<&EngText::borderSize>("borderSize")
        .template field<&EngText::borderQuality>("borderQuality")
        .template field<&EngText::shadowOffset>("shadowOffset")
        .template property<&EngText::get_text, &EngText::set_text>("text")
        .template property<&EngText::get_size, &EngText::set_size>("size")
        .template property<&EngText::get_font, &EngText::set_font>("font")
        .template property<&EngText::get_systemFont, &EngText::set_systemFont>("systemFont")
        .template property<&EngText::get_embedded>("embedded")
        .template property<&EngText::get_bold, &EngText::set_bold>("bold")
        .template property<&EngText::get_italic, &EngText::set_italic>("italic")
        .template property<&EngText::get_wordWrap, &EngText::set_wordWrap>("wordWrap")
        .template property<&EngText::get_alignment, &EngText::set_alignment>("alignment")
        .template property<&EngText::get_fieldWidth, &EngText::set_fieldWidth>("fieldWidth")
        .template property<&EngText::get_autoSize, &EngText::set_autoSize>("autoSize")
        .template property<&EngText::get_textField>("textField")
        .emptyInstance();
})
