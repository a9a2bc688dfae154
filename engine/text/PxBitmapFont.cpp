#include "PxBitmapFont.h"

#include <cmath>

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/system/layer/TileSheetExt.h"
#include "platform/runtime/Numbers.h"

namespace engine {

using framework::BitmapData;
using framework::Rectangle;
using runtime::Ref;

PxBitmapFont::PxBitmapFont() : _point(runtime::make<framework::Point>(0, 0)) {}

PxBitmapFont* PxBitmapFont::loadPixelizer(const Ref<BitmapData>& image, const runtime::String& letters) {
    reset();
    _glyphString = letters.isNull() ? runtime::String("") : letters;
    if (!image) return this;
    _tileRects.clear();
    _hasTileRects = true;
    Ref<BitmapData> prepared = preparePixelizerBitmapData(image, _tileRects);
    cacheImage(prepared);
    _region = runtime::make<Region>();
    _region->width = cachedGraphics->bitmap->get_width();
    _region->height = cachedGraphics->bitmap->get_height();
    updateGlyphData(cachedGraphics->get_tilesheet());
    return this;
}

PxBitmapFont* PxBitmapFont::loadAngelCode(const Ref<BitmapData>& image, const pugi::xml_node& description) {
    reset();
    if (!image || !description) return this;
    _symbols.clear();
    _hasSymbols = true;
    Ref<BitmapData> prepared = prepareAngelCodeBitmapData(image, description, _symbols);
    cacheImage(prepared);
    updateGlyphData(cachedGraphics->get_tilesheet());
    return this;
}

void PxBitmapFont::cacheImage(const Ref<BitmapData>& image) {
    runtime::String key = EngG::bitmap->getUniqueKey("font");
    setCachedGraphics(EngG::bitmap->add(runtime::Value(image), false, key));
}

void PxBitmapFont::updateGlyphData(const Ref<TileSheetData>& tiles) {
    _glyphs.clear();
    _hasGlyphs = true;
    if (_hasSymbols) {
        std::string letters;
        for (const Ref<HelperSymbol>& symbol : _symbols) {
            auto rect = runtime::make<Rectangle>(symbol->x, symbol->y, symbol->width, symbol->height);
            int offsetX = symbol->xoffset;
            char ch = static_cast<char>(symbol->charCode);
            letters += ch;
            int advance = symbol->xadvance;
            if (rect->width > advance) {
                advance = symbol->width;
                offsetX = 0;
            }
            if (ch == ' ' || symbol->charCode == 0) setGlyph(tiles, symbol->charCode, rect, offsetX, 1, advance);
            else setGlyph(tiles, symbol->charCode, rect, offsetX, symbol->yoffset, advance);
        }
        _glyphString = runtime::String(letters);
    } else if (_hasTileRects) {
        const std::string& letters = _glyphString.str();
        for (std::size_t i = 0; i < _tileRects.size(); ++i) {
            int code = i < letters.size() ? static_cast<unsigned char>(letters[i]) : 0;
            setGlyph(tiles, code, _tileRects[i], 0, 0, static_cast<int>(_tileRects[i]->width));
        }
    }
}

void PxBitmapFont::reset() {
    dispose();
    _maxHeight = 0;
    _glyphs.clear();
    _hasGlyphs = true;
    _bgTileID = -1;
    _glyphString = "";
}

Ref<BitmapData> PxBitmapFont::preparePixelizerBitmapData(const Ref<BitmapData>& image,
                                                          std::vector<Ref<Rectangle>>& rects) {
    const int width = image->get_width();
    const int height = image->get_height();
    const int background = image->getPixel(0, 0);
    int cy = 0;
    while (cy < height) {
        int rowHeight = 0;
        for (int cx = 0; cx < width; ++cx) {
            if (image->getPixel(cx, cy) != background) {
                int gx = cx;
                while (gx < width && image->getPixel(gx, cy) != background) ++gx;
                int gy = cy;
                while (gy < height && image->getPixel(cx, gy) != background) ++gy;
                int cellWidth = gx - cx;
                int cellHeight = gy - cy;
                rects.push_back(runtime::make<Rectangle>(cx, cy, cellWidth, cellHeight));
                if (cellHeight > rowHeight) rowHeight = cellHeight;
                if (cellHeight > _maxHeight) _maxHeight = cellHeight;
                cx += cellWidth;
            }
        }
        cy += rowHeight + 1;
    }
    image->floodFill(0, 0, 0);
    return image;
}

Ref<BitmapData> PxBitmapFont::prepareAngelCodeBitmapData(const Ref<BitmapData>& image, const pugi::xml_node& description,
                                                          std::vector<Ref<HelperSymbol>>& symbols) {
    pugi::xml_node chars;
    for (pugi::xml_node font : description.children("font"))
        if (pugi::xml_node found = font.child("chars")) chars = found;
    if (!chars) return image;
    for (pugi::xml_node ch : chars.children("char")) {
        auto symbol = runtime::make<HelperSymbol>();
        auto attr = [&](const char* name) {
            return runtime::Numbers::parseInt(ch.attribute(name).value()).value_or(0);
        };
        symbol->x = attr("x");
        symbol->y = attr("y");
        symbol->width = attr("width");
        symbol->height = attr("height");
        symbol->xoffset = attr("xoffset");
        symbol->yoffset = attr("yoffset");
        symbol->xadvance = attr("xadvance");
        symbol->charCode = attr("id");
        symbols.push_back(symbol);
    }
    return image;
}

void PxBitmapFont::dispose() {
    _symbols.clear();
    _hasSymbols = false;
    _tileRects.clear();
    _hasTileRects = false;
    setCachedGraphics(nullptr);
    _region = nullptr;
    _glyphs.clear();
    _hasGlyphs = false;
}

void PxBitmapFont::setGlyph(const Ref<TileSheetData>& tiles, int charCode, const Ref<Rectangle>& rect, int offsetX,
                            int offsetY, int advance) {
    auto symbol = runtime::make<PxFontSymbol>();
    symbol->tileID = tiles->tileSheet->addTileRectID(rect, ZERO_POINT);
    symbol->xoffset = offsetX;
    symbol->yoffset = offsetY;
    symbol->xadvance = advance;
    _glyphs[charCode] = symbol;
    ++_num_letters;
    int bottom = offsetY + static_cast<int>(std::floor(rect->height));
    if (bottom > _maxHeight) _maxHeight = bottom;
}

void PxBitmapFont::render(std::vector<double>& drawData, const runtime::String& text, int color, int glyphColor,
                          double, double offsetX, double offsetY, int letterSpacing, double scale, bool useColor) {
    if (!_hasGlyphs) return;
    _point->x = offsetX;
    _point->y = offsetY;
    constexpr double unit = 0.00392156862745098;
    double red = ((glyphColor >> 16) & 0xFF) * unit;
    double green = ((glyphColor >> 8) & 0xFF) * unit;
    double blue = (glyphColor & 0xFF) * unit;
    if (useColor) {
        // color's channels scale the glyph colour's (both in 0..255), giving multipliers in 0..1.
        red *= ((color >> 16) & 0xFF) * unit;
        green *= ((color >> 8) & 0xFF) * unit;
        blue *= (color & 0xFF) * unit;
    }
    for (char ch : text.str()) {
        auto it = _glyphs.find(static_cast<unsigned char>(ch));
        if (it == _glyphs.end()) continue;
        const PxFontSymbol& glyph = *it->second;
        drawData.push_back(glyph.tileID);
        drawData.push_back(glyph.xoffset * scale + _point->x);
        drawData.push_back(glyph.yoffset * scale + _point->y);
        drawData.push_back(red);
        drawData.push_back(green);
        drawData.push_back(blue);
        _point->x += glyph.xadvance * scale + letterSpacing;
    }
}

int PxBitmapFont::getTextWidth(const runtime::String& text, int letterSpacing, double fontScale) {
    const std::string& chars = text.str();
    double w = 0;
    if (_hasGlyphs)
        for (char ch : chars) {
            auto it = _glyphs.find(static_cast<unsigned char>(ch));
            if (it != _glyphs.end()) w += it->second->xadvance;
        }
    int width = static_cast<int>(std::floor(w * fontScale + 0.5));
    if (chars.size() > 1) width += static_cast<int>(chars.size() - 1) * letterSpacing;
    return width;
}

Ref<BitmapData> PxBitmapFont::get_pixels() {
    if (!cachedGraphics || cachedGraphics->isDumped) return nullptr;
    return cachedGraphics->bitmap;
}

void PxBitmapFont::setCachedGraphics(const Ref<CachedGraphics>& value) {
    if (cachedGraphics && cachedGraphics != value) cachedGraphics->set_useCount(cachedGraphics->useCount - 1);
    if (value && value != cachedGraphics) value->set_useCount(value->useCount + 1);
    cachedGraphics = value;
}

void PxBitmapFont::store(const std::string& key, const Ref<PxBitmapFont>& font) { _storedFonts[key] = font; }

Ref<PxBitmapFont> PxBitmapFont::fetch(const std::string& key) {
    auto it = _storedFonts.find(key);
    return it == _storedFonts.end() ? nullptr : it->second;
}

void PxBitmapFont::clearStorage() {
    std::map<std::string, Ref<PxBitmapFont>> fonts;
    fonts.swap(_storedFonts);
    for (auto& [key, font] : fonts)
        if (font) font->dispose();
}

}  // namespace engine

using engine::PxBitmapFont;

RUNTIME_DEFINE_CLASS(PxBitmapFont, "engine.text.pxText.PxBitmapFont", runtime::Object, (auto& b) {
    b.template property<&PxBitmapFont::get_numLetters>("numLetters")
        .template property<&PxBitmapFont::get_bgTileID>("bgTileID")
        .template property<&PxBitmapFont::get_pixels>("pixels")
        .template method<&PxBitmapFont::getFontHeight>("getFontHeight")
        .template method<&PxBitmapFont::dispose>("dispose")
        .emptyInstance();
})
