#pragma once
// The engine's text object: an engine sprite whose graphic is a picture of a private text field,
// redrawn at the next draw after any change of text or look. Adds borders drawn as offset copies
// of the text (a drop shadow, an eight-direction outline, a fast four-direction outline), ranges
// of characters with their own colours and styles, and filters with the room they need.
#include <vector>

#include "engine/EngSprite.h"
#include "engine/text/EngTextFormat.h"
#include "engine/util/EngPoint.h"
#include "framework/text/TextField.h"
#include "framework/text/TextFormat.h"

namespace engine {

class EngText : public EngSprite {
    RUNTIME_CLASS(EngText)
public:
    static constexpr int BORDER_NONE = 0;
    static constexpr int BORDER_SHADOW = 1;
    static constexpr int BORDER_OUTLINE = 2;
    static constexpr int BORDER_OUTLINE_FAST = 3;

    // A field width of 0 or less: no wrapping, sized to the text.
    explicit EngText(double x = 0, double y = 0, double fieldWidth = 0, const runtime::String& text = nullptr,
                     int size = 8, bool embeddedFont = true);
    explicit EngText(runtime::NoInit n) : EngSprite(n) {}

    void destroy() override;
    void updateColorTransform() override;
    // Draws the text field into the graphic: border passes, then the text once more.
    void calcFrame(bool updateFramePixels = false) override;
    void updateFrameData() override;
    int set_color(int value) override;
    runtime::Ref<CachedGraphics> set_cachedGraphics(const runtime::Ref<CachedGraphics>& value) override;

    virtual void addFormat(const runtime::Ref<EngTextFormat>& format, int start = -1, int end = -1);
    virtual void removeFormat(const runtime::Ref<EngTextFormat>& format);
    virtual void clearFormats();
    // A null embedded font id is the engine's default font; an id naming no font asset keeps the
    // default font's name.
    virtual EngText* setFormat(const runtime::String& font = nullptr, double size = 8, int color = 0xFFFFFF,
                               const runtime::String& alignment = nullptr, int borderStyle = BORDER_NONE,
                               int borderColor = 0, bool embedded = true);
    virtual void setBorderStyle(int style, int color = 0, double size = 1, double quality = 1);
    // The increments replace the earlier ones.
    virtual void addFilter(const runtime::Value& filter, int widthInc = 0, int heightInc = 0);
    virtual void removeFilter(const runtime::Value& filter);
    virtual void clearFilters();
    virtual void applyFormats(const runtime::Ref<framework::TextFormat>& formatAdjusted, bool useBorderColor = false);
    virtual double set_fieldWidth(double value);
    virtual double get_fieldWidth();
    virtual bool set_autoSize(bool value);
    virtual bool get_autoSize();
    virtual runtime::String get_text();
    virtual runtime::String set_text(const runtime::String& value);
    virtual double get_size();
    virtual double set_size(double value);
    virtual runtime::String get_font();
    virtual runtime::String set_font(const runtime::String& id);
    virtual bool get_embedded();
    virtual runtime::String get_systemFont();
    virtual runtime::String set_systemFont(const runtime::String& name);
    virtual bool get_bold();
    virtual bool set_bold(bool value);
    virtual bool get_italic();
    virtual bool set_italic(bool value);
    virtual bool get_wordWrap();
    virtual bool set_wordWrap(bool value);
    // Null until an alignment is set.
    virtual runtime::String get_alignment();
    virtual runtime::String set_alignment(const runtime::String& value);
    virtual int set_borderStyle(int value);
    virtual int set_borderColor(int value);
    virtual double set_borderSize(double value);
    virtual double set_borderQuality(double value);
    virtual runtime::Ref<framework::TextField> get_textField() { return _textField; }
    virtual void regenGraphics();
    virtual runtime::Ref<framework::TextFormat> dtfCopy();
    // "right", "center" and "justify" stay; anything else is "left".
    virtual runtime::String convertTextAlignmentFromString(const runtime::String& alignment);
    virtual void updateFormat(const runtime::Ref<framework::TextFormat>& format);

    int borderStyle = BORDER_NONE;
    int borderColor = 0;
    double borderSize = 1;
    double borderQuality = 1;
    runtime::Ref<EngPoint> shadowOffset;
    runtime::Ref<framework::TextField> _textField;
    runtime::Ref<framework::TextFormat> _defaultFormat;
    runtime::Ref<framework::TextFormat> _formatAdjusted;
    std::vector<runtime::Ref<EngTextFormat>> _formats;
    std::vector<runtime::Value> _filters;
    int _widthInc = 0;
    int _heightInc = 0;

private:
    // The default format on the field and over its whole text.
    void reapplyDefault();
    int textLength();

protected:
    // One copy of the text field into the graphic through _matrix.
    virtual void drawPass();
};

}  // namespace engine
