#pragma once
// The state of one native text field: its text with a format per character, the default format
// for new text, the box and its look, the line layout measured with FreeType, scrolling, and
// the picture of the field (background, border, glyphs) made again only after a change.
//
// Layout: a 2-pixel gutter inside the box; paragraphs end at line feeds; with word wrap a line
// breaks after the last space that fits (or, with none, after the last character that fits).
// Sizes are pixels; a line's ascent and descent are the largest of its characters' fonts.
#include <cstdint>
#include <string>
#include <vector>

#include "FontLibrary.h"
#include "Surface.h"
#include "platform/runtime/Object.h"
#include "platform/runtime/Value.h"

namespace media {

class TextFieldModel : public runtime::Object {
public:
    // Every attribute of a character and of its paragraph (a paragraph takes its first
    // character's paragraph attributes).
    struct Style {
        std::string font;
        double size = 12;
        uint32_t color = 0;
        bool bold = false, italic = false, underline = false;
        std::string url, target;
        std::string align = "left";
        double leftMargin = 0, rightMargin = 0, indent = 0, leading = 0, blockIndent = 0, letterSpacing = 0;
        bool bullet = false, kerning = false;
        std::string display = "block";
        std::vector<double> tabStops;
        bool operator==(const Style&) const = default;
    };
    struct Line {
        int start = 0, end = 0;  // characters [start, end); end excludes the line feed
        double x = 0, y = 0, width = 0, ascent = 0, descent = 0, leading = 0;
        double height() const { return ascent + descent; }
    };
    enum AutoSize { CENTER = 0, LEFT = 1, NONE = 2, RIGHT = 3 };
    static constexpr double GUTTER = 2;
    static constexpr double MAX_IMAGE = 8192;

    TextFieldModel();
    std::string toString() const override { return "[native text field]"; }

    // Text as UTF-8; "\r\n" and "\r" become line feeds. New text takes the default format.
    std::string text() const;
    void setText(const std::string& utf8);
    // A small markup: <b>, <i>, <u>, <font face size color>, <a href target>, <p align>,
    // <br>, and the entities &lt; &gt; &amp; &quot; &apos; &nbsp; &#n; &#xh;. Unknown tags are
    // dropped. Line breaks read back as line feeds.
    std::string htmlText() const;
    void setHtmlText(const std::string& html);

    // Formats are framework records read and filled by field name. begin/end of -1: the
    // whole text; an end of -1 with a begin: the one character at begin.
    void readFormat(const runtime::Value& record, int begin, int end) const;
    void applyFormat(const runtime::Value& record, int begin, int end);
    void readDefaultFormat(const runtime::Value& record) const;
    void applyDefaultFormat(const runtime::Value& record);
    // The default format's colour and every character's.
    uint32_t textColor() const { return default_.color; }
    void setTextColor(uint32_t rgb);

    // The box (before the node's scale).
    double width() const { return width_; }
    double height() const { return height_; }
    void setWidth(double w);
    void setHeight(double h);
    int autoSize() const { return autoSize_; }
    void setAutoSize(int a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    bool displayAsPassword() const { return password_; }
    void setDisplayAsPassword(bool on);

    // Look; each change redraws.
    bool background = false;
    uint32_t backgroundColor = 0xFFFFFF;
    bool border = false;
    uint32_t borderColor = 0x000000;
    void changed() { dirtyImage_ = true; }

    // Kept for the framework; no behaviour here.
    bool multiline = false;
    bool selectable = true;
    bool input = false;
    bool embedFonts = false;
    int maxChars = 0;

    // Measurement (lays out first when needed).
    const std::vector<Line>& lines();
    double textWidth();
    double textHeight();
    int numLines() { return static_cast<int>(lines().size()); }
    // 1-based first shown line; clamped to 1..maxScrollV.
    int scrollV();
    void setScrollV(int v);
    int maxScrollV();
    int bottomScrollV();
    // Pixels scrolled to the left; clamped to 0..maxScrollH.
    int scrollH();
    void setScrollH(int v);
    int maxScrollH();
    // The offset of a line's first character, its text, its metrics record; a line outside
    // the field gives -1, null and zeros.
    int lineOffset(int line);
    runtime::Value lineText(int line);
    void readLineMetrics(int line, const runtime::Value& record);

    // Lays out when needed and returns how far autoSize moved the box's left edge.
    double update();
    // The field's picture, box-sized; null when the box is empty.
    Surface* image();

private:
    int styleIndex(const Style& s);
    const Style& styleAt(int i) const;
    // The face of the style of character i (the default format's outside the text), resolved
    // once per style while the font library's registrations stay the same.
    FontLibrary::Face faceAt(int i);
    char32_t shown(int i) const { return password_ ? U'*' : text_[static_cast<std::size_t>(i)]; }
    double charAdvance(int i, int next);
    void layout();
    void layoutLines(double boxWidth);
    void invalidate() {
        dirtyLayout_ = true;
        dirtyImage_ = true;
    }
    void drawGlyphs(Surface& s);

    std::u32string text_;
    std::vector<int> styleOf_;
    std::vector<Style> styles_;
    std::vector<FontLibrary::Face> faces_;  // by style index; empty face: not resolved yet
    int facesGeneration_ = -1;
    Style default_;
    double width_ = 100, height_ = 100;
    int autoSize_ = NONE;
    bool wordWrap_ = false;
    bool password_ = false;
    int scrollV_ = 1;
    int scrollH_ = 0;

    bool dirtyLayout_ = true;
    bool dirtyImage_ = true;
    double pendingShift_ = 0;
    double needWidth_ = 0;  // what the widest line needs with its margins
    std::vector<Line> lines_;
    double textWidth_ = 0, textHeight_ = 0;
    runtime::Ref<Surface> image_;
};

}  // namespace media
