#pragma once
// The engine's bitmap font: glyphs cut out of one picture, each a tile of the picture's tile sheet,
// with offsets and advances. Loaded either from a picture whose glyphs stand in rows on a uniform
// background plus the string of its characters in order, or from a picture plus a character
// description in XML (font > chars > char with x, y, width, height, xoffset, yoffset, xadvance, id).
// render appends tile records (id, x, y, red, green, blue) to a caller's array; the font never
// draws. Characters are single bytes. Fonts can be stored by name; the store is emptied on every engine reset and state switch.
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/system/layer/Region.h"
#include "engine/system/layer/TileSheetData.h"
#include "engine/text/HelperSymbol.h"
#include "engine/text/PxFontSymbol.h"
#include "engine/util/loaders/CachedGraphics.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class PxBitmapFont : public runtime::Object {
    RUNTIME_CLASS(PxBitmapFont)
public:
    PxBitmapFont();
    explicit PxBitmapFont(runtime::NoInit) {}

    // A null image leaves the font empty. The image itself loses the background connected to its
    // top-left corner.
    virtual PxBitmapFont* loadPixelizer(const runtime::Ref<framework::BitmapData>& image, const runtime::String& letters);
    // description: the document (or a node) whose child element is "font". A null image or an
    // empty description leaves the font empty.
    virtual PxBitmapFont* loadAngelCode(const runtime::Ref<framework::BitmapData>& image, const pugi::xml_node& description);
    virtual void updateGlyphData(const runtime::Ref<TileSheetData>& tiles);
    virtual void reset();
    // Appends the glyph cells found in reading order to rects, then makes the background
    // connected to the top-left corner transparent; returns the image.
    virtual runtime::Ref<framework::BitmapData> preparePixelizerBitmapData(
        const runtime::Ref<framework::BitmapData>& image, std::vector<runtime::Ref<framework::Rectangle>>& rects);
    virtual runtime::Ref<framework::BitmapData> prepareAngelCodeBitmapData(
        const runtime::Ref<framework::BitmapData>& image, const pugi::xml_node& description,
        std::vector<runtime::Ref<HelperSymbol>>& symbols);
    // A disposed font must be loaded again before use.
    virtual void dispose();
    virtual void setGlyph(const runtime::Ref<TileSheetData>& tiles, int charCode,
                          const runtime::Ref<framework::Rectangle>& rect, int offsetX = 0, int offsetY = 0,
                          int advance = 0);
    // One line; characters without a glyph append nothing and do not move the pen. With useColor
    // the multipliers are the glyph colour's channels times color's channels / 255.
    virtual void render(std::vector<double>& drawData, const runtime::String& text, int color, int glyphColor,
                        double spare, double offsetX, double offsetY, int letterSpacing, double scale,
                        bool useColor = true);
    virtual int getTextWidth(const runtime::String& text, int letterSpacing = 0, double fontScale = 1);
    virtual int getFontHeight() { return _maxHeight; }
    virtual runtime::Ref<framework::BitmapData> get_pixels();
    virtual int get_bgTileID() { return _bgTileID; }
    virtual int get_numLetters() { return _num_letters; }
    // Counts the font as one user of the graphic.
    virtual void setCachedGraphics(const runtime::Ref<CachedGraphics>& value);

    // Replaces, without disposing, a font stored under the key.
    static void store(const std::string& key, const runtime::Ref<PxBitmapFont>& font);
    static runtime::Ref<PxBitmapFont> fetch(const std::string& key);
    // Disposes every stored font and empties the store.
    static void clearStorage();

    // Null after dispose.
    std::map<int, runtime::Ref<PxFontSymbol>>* glyphs() { return _hasGlyphs ? &_glyphs : nullptr; }

    std::map<int, runtime::Ref<PxFontSymbol>> _glyphs;
    bool _hasGlyphs = true;
    int _num_letters = 0;
    int _bgTileID = -1;
    runtime::String _glyphString;
    int _maxHeight = 0;
    runtime::Ref<framework::Point> _point;
    std::vector<runtime::Ref<framework::Rectangle>> _tileRects;
    bool _hasTileRects = false;
    std::vector<runtime::Ref<HelperSymbol>> _symbols;
    bool _hasSymbols = false;
    runtime::Ref<Region> _region;
    runtime::Ref<CachedGraphics> cachedGraphics;

    static inline std::map<std::string, runtime::Ref<PxBitmapFont>> _storedFonts;
    static inline runtime::Ref<framework::Point> ZERO_POINT = runtime::make<framework::Point>(0, 0);

private:
    void cacheImage(const runtime::Ref<framework::BitmapData>& image);
};

}  // namespace engine
