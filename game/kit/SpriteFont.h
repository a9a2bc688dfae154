#pragma once
// A bitmap font: one glyph atlas (three rows: A-Z, a-z, then digits and signs, each `height`
// pixels tall) and the right edge of every glyph cell, with the advance of a space and an extra
// letter spacing. A colour variant repaints a private copy of the atlas.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/display/BitmapData.h"
#include "framework/geom/Rectangle.h"

namespace game {

class SpriteFont : public runtime::Object {
    RUNTIME_CLASS(SpriteFont)
public:
    // The 82 glyphs in atlas order.
    static inline std::vector<runtime::String> CHARACTERS;
    static inline std::vector<int> MAP_MEDIEVAL_SANS_14;
    static inline std::vector<int> MAP_MEDIEVAL_SANS_14_OUTLINE;
    static inline std::vector<int> MAP_MEDIEVAL_SANS_20;
    static inline std::vector<int> MAP_MEDIEVAL_SANS_20_OUTLINE;
    static inline int LAST_ID = 0;

    // recolor 0: the atlas as it is; otherwise every pixel of a copy whose alpha and red are not
    // 0 becomes that ARGB colour (the fill; the black outline and the background stay).
    SpriteFont(const runtime::Ref<framework::BitmapData>& bmd, std::vector<int> mapping, int height, int spaceWidth,
               int kerning, uint32_t recolor = 0);
    explicit SpriteFont(runtime::NoInit) {}

    // Fills CHARACTERS and the edge tables, then makes the fifteen fonts (TextSprite::createFonts).
    static void createFonts();
    // The glyph index of the character starting text at pos (its length in bytes goes to
    // length); -1 for a character the fonts lack (spaces, line breaks, anything outside
    // CHARACTERS, accented letters included).
    static int glyphIndex(const std::string& text, std::size_t pos, std::size_t* length = nullptr);
    // The atlas cell of a glyph: (left edge, row * height, width, height).
    runtime::Ref<framework::Rectangle> glyphCell(int index) const;
    int glyphLeft(int index) const;
    int glyphWidth(int index) const { return mapping[static_cast<std::size_t>(index)] - glyphLeft(index); }

    runtime::Ref<framework::BitmapData> bmd;
    std::vector<int> mapping;
    int height = 0;
    int spaceWidth = 0;
    int kerning = 0;
    int id = 0;

private:
    void repaint(uint32_t color);
};

}  // namespace game
