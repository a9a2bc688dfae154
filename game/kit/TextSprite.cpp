#include "TextSprite.h"

#include <cmath>
#include <random>

#include "framework/assets/Assets.h"
#include "game/shell/Game.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Quad.h"

namespace game {

using framework::Bitmap;
using framework::BitmapData;
using runtime::make;
using runtime::Ref;

namespace {
int roundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

double uniform() {
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}
}  // namespace

TextSprite::TextSprite(const Ref<SpriteFont>& font, const runtime::String& text, bool wrap, int textWidth,
                       int lineSpacing, bool centered, int kerning, bool animated, bool bounce, double bounceVelocity,
                       int animCharsPerFrame, bool useCache)
    : textWidth(textWidth), font(font), wrap(wrap), lineSpacing(lineSpacing), centered(centered),
      textKerning(kerning), animated(animated), animCharsPerFrame(animCharsPerFrame), useCache(useCache),
      bounce(bounce), bounceVelocity(bounceVelocity) {
    if (Game::frameRate == 30) this->animCharsPerFrame *= 2;
    set_text(text.isNull() ? runtime::String("") : text);
    set_mouseEnabled(false);
    set_mouseChildren(false);
}

void TextSprite::createFonts() {
    struct Row {
        Ref<SpriteFont>* font;
        const char* atlas;
        const std::vector<int>* table;
        int height;
        int spaceWidth;
        uint32_t color;
    };
    const char* const plain14 = "assets/fonts/mediSans14.png";
    const char* const outline14 = "assets/fonts/mediSansOutline14.png";
    const char* const plain20 = "assets/fonts/mediSans20.png";
    const char* const outline20 = "assets/fonts/mediSansOutline20.png";
    const auto* o14 = &SpriteFont::MAP_MEDIEVAL_SANS_14_OUTLINE;
    const auto* o20 = &SpriteFont::MAP_MEDIEVAL_SANS_20_OUTLINE;
    const Row rows[] = {
        {&MEDIEVAL_SANS_14, plain14, &SpriteFont::MAP_MEDIEVAL_SANS_14, 14, 5, 0},
        {&MEDIEVAL_SANS_14_OUTLINE, outline14, o14, 16, 5, 0},
        {&MEDIEVAL_SANS_14_OUTLINE_RED, outline14, o14, 16, 5, 0xFFFF0000},
        {&MEDIEVAL_SANS_14_OUTLINE_GREEN, outline14, o14, 16, 5, 0xFF00FF00},
        {&MEDIEVAL_SANS_14_OUTLINE_ORANGE, outline14, o14, 16, 5, 0xFFFF8543},
        {&MEDIEVAL_SANS_14_OUTLINE_YELLOW, outline14, o14, 16, 5, 0xFFFFFD73},
        {&MEDIEVAL_SANS_14_OUTLINE_PURPLE, outline14, o14, 16, 5, 0xFF913FB7},
        {&MEDIEVAL_SANS_14_OUTLINE_CYAN, outline14, o14, 16, 5, 0xFF86FCFD},
        {&MEDIEVAL_SANS_20, plain20, &SpriteFont::MAP_MEDIEVAL_SANS_20, 20, 6, 0},
        {&MEDIEVAL_SANS_20_OUTLINE, outline20, o20, 22, 7, 0},
        {&MEDIEVAL_SANS_20_OUTLINE_ORANGE, outline20, o20, 22, 7, 0xFFFF8543},
        {&MEDIEVAL_SANS_20_OUTLINE_YELLOW, outline20, o20, 22, 7, 0xFFFFFD73},
        {&MEDIEVAL_SANS_20_OUTLINE_PURPLE, outline20, o20, 22, 7, 0xFF913FB7},
        {&MEDIEVAL_SANS_20_OUTLINE_RED, outline20, o20, 22, 7, 0xFFFF0000},
        {&MEDIEVAL_SANS_20_OUTLINE_GREEN, outline20, o20, 22, 7, 0xFF00FF00},
    };
    for (const Row& row : rows)
        *row.font = make<SpriteFont>(framework::Assets::getBitmapData(row.atlas), *row.table, row.height,
                                     row.spaceWidth, 0, row.color);
}

std::string TextSprite::cacheKey(const runtime::String& value) const {
    auto flag = [](bool b) { return b ? "true" : "false"; };
    return std::to_string(font->id) + "," + value.str() + "," + flag(wrap) + "," + flag(centered) + "," +
           std::to_string(textWidth) + "," + std::to_string(lineSpacing) + "," + std::to_string(textKerning);
}

runtime::String TextSprite::set_text(const runtime::String& value) {
    removeChildren();
    if (value.empty()) {
        text = value.isNull() ? runtime::String("") : value;
        return text;
    }
    const std::string key = cacheKey(value);
    if (useCache && !animated) {
        auto cached = STATIC_BMD_CACHE.find(key);
        if (cached != STATIC_BMD_CACHE.end()) {
            destroyAndRemoveChildren();
            staticBitmap = make<Bitmap>(cached->second);
            addChild(staticBitmap);
            textHeight = cached->second->get_height();
            textWidth = cached->second->get_width() - 2;
            if (centered && !wrap) staticBitmap->set_x(-roundHalfUp(cached->second->get_width() * 0.5));
            text = value;
            return text;
        }
    }
    std::string plain = readMarkup(value.str());
    allChars.clear();
    allCharsOrigins.clear();
    nextCharIndexToShow = 0;
    allShown = false;
    if (bounce) {
        velocities.clear();
        bounceStatuses.clear();
        doneBouncing = false;
    }
    layout(plain);
    if (!animated) flatten(key);
    text = runtime::String(plain);
    return text;
}

void TextSprite::changeFont(const Ref<SpriteFont>& newFont, const runtime::String& newText, bool redraw) {
    font = newFont;
    if (redraw) set_text(newText.isNull() ? text : newText);
}

void TextSprite::updateTextAnim() {
    if (effect == EFFECT_SHAKE)
        for (std::size_t i = 0; i < allChars.size() && i < allCharsOrigins.size(); ++i) {
            allChars[i]->set_x(allCharsOrigins[i]->x - 2 + 2 * uniform());
            allChars[i]->set_y(allCharsOrigins[i]->y - 2 + 2 * uniform());
        }
    if (text.empty() || (allShown && doneBouncing)) return;
    if (!allShown) {
        if (allChars.empty()) allShown = true;
        for (int k = 0; k < animCharsPerFrame && !allShown; ++k) {
            const Ref<Bitmap>& g = allChars[static_cast<std::size_t>(nextCharIndexToShow)];
            g->set_visible(true);
            if (effect == EFFECT_YELL) {
                auto cell = g->get_scrollRect();
                const int hw = cell ? static_cast<int>(cell->width * 0.5) : 0;
                const int hh = cell ? static_cast<int>(cell->height * 0.5) : 0;
                const double x = g->get_x(), y = g->get_y();
                g->set_x(x - hw);
                g->set_y(y - hh);
                g->set_scaleX(2);
                g->set_scaleY(2);
                auto props = make<runtime::DynamicObject>();
                props->setField("x", runtime::Value(x));
                props->setField("y", runtime::Value(y));
                props->setField("scaleX", runtime::Value(1));
                props->setField("scaleY", runtime::Value(1));
                if (auto actuator = ::tween::Tweener::tween(g, 0.1, props)) actuator->ease(::tween::Quad::get_easeIn());
            }
            if (bounce) {
                velocities.push_back(bounceVelocity);
                bounceStatuses.push_back(true);
            }
            if (++nextCharIndexToShow >= static_cast<int>(allChars.size())) allShown = true;
        }
    }
    if (!bounce) return;
    doneBouncing = true;
    for (std::size_t i = 0; i < allChars.size() && i < bounceStatuses.size(); ++i) {
        const Ref<Bitmap>& g = allChars[i];
        if (!g->get_visible() || !bounceStatuses[i]) continue;
        double y = g->get_y() + velocities[i];
        if (y > 0) {
            y = -(y * textBounceDamp);
            velocities[i] = -textBounceDamp * velocities[i];
        }
        if (std::abs(y) < 0.5 && std::abs(velocities[i]) < 0.5) {
            y = 0;
            bounceStatuses[i] = false;
        }
        g->set_y(y);
        velocities[i] += bounceGravity;
        doneBouncing = false;
    }
}

std::string TextSprite::readMarkup(std::string value) {
    // A tag without its closing bracket is left as text.
    auto size = value.find("[SIZE:");
    if (size != std::string::npos) {
        auto end = value.find(']', size);
        if (end != std::string::npos) {
            changeFont(MEDIEVAL_SANS_20, nullptr, false);
            value.erase(size, end - size + 1);
        }
    }
    effect = EFFECT_NONE;
    auto tag = value.find("[EFFECT:");
    if (tag != std::string::npos) {
        auto end = value.find(']', tag);
        if (end != std::string::npos) {
            effect = runtime::String(value.substr(tag + 8, end - tag - 8));
            value.erase(tag, end - tag + 1);
        }
    }
    return value;
}

void TextSprite::layout(const std::string& value) {
    const SpriteFont& f = *font;
    int penX = 0, lineY = 0, w = 0, n = 0;
    Ref<BitmapSprite> line = make<BitmapSprite>();
    std::size_t length = 1;
    for (std::size_t pos = 0; pos < value.size(); pos += length) {
        const int index = SpriteFont::glyphIndex(value, pos, &length);
        if (index < 0) {
            penX += f.spaceWidth + f.kerning + textKerning;
            w += f.spaceWidth;
            n = 0;
            continue;
        }
        Ref<framework::Rectangle> cell = f.glyphCell(index);
        const int cellWidth = static_cast<int>(cell->width);
        auto glyph = make<Bitmap>(f.bmd);
        glyph->set_scrollRect(cell);
        if (wrap && penX + cellWidth > textWidth) {
            const int first = line->get_numChildren() - n;
            // A word that starts its line stays there and overflows.
            if (n == 0 || line->getChildAt(first)->get_x() != 0) {
                lineY += f.height + lineSpacing;
                auto next = make<BitmapSprite>();
                next->set_y(lineY);
                penX = 0;
                for (int i = 0; i < n; ++i) {
                    Ref<framework::DisplayObject> moved = line->getChildAt(first);
                    next->addChild(moved);
                    moved->set_x(penX);
                    if (animated) allCharsOrigins[allCharsOrigins.size() - static_cast<std::size_t>(n - i)]->x = penX;
                    penX += f.kerning + static_cast<int>(moved->get_scrollRect()->width) + textKerning;
                }
                if (centered) {
                    line->set_x(static_cast<int>((f.spaceWidth - w + penX + textWidth) * 0.5));
                    w = penX;
                }
                addChild(line);
                line = next;
            }
        }
        glyph->set_x(penX);
        line->addChild(glyph);
        const int advance = f.kerning + cellWidth + textKerning;
        penX += advance;
        w += advance;
        if (animated) {
            glyph->set_visible(false);
            allChars.push_back(glyph);
            allCharsOrigins.push_back(make<framework::Point>(glyph->get_x(), glyph->get_y()));
        }
        ++n;
    }
    if (!wrap) textWidth = penX;
    textHeight = f.height + lineY;
    if (centered) line->set_x(static_cast<int>(((wrap ? textWidth : 0) - w) * 0.5));
    addChild(line);
}

void TextSprite::flatten(const std::string& key) {
    if (staticBitmap && !useCache)
        if (auto old = staticBitmap->get_bitmapData()) old->dispose();
    auto data = make<BitmapData>(textWidth + 2, textHeight, true, 0);
    staticBitmap = make<Bitmap>(data);
    const int shift = centered && !wrap ? roundHalfUp(textWidth * 0.5) : 0;
    for (int i = 0; i < get_numChildren(); ++i) {
        auto line = getChildAt(i).cast<framework::DisplayObjectContainer>();
        if (!line) continue;
        for (int j = 0; j < line->get_numChildren(); ++j) {
            Ref<framework::DisplayObject> glyph = line->getChildAt(j);
            auto at = make<framework::Point>(line->get_x() + glyph->get_x() + 1 + shift, line->get_y() + glyph->get_y());
            data->copyPixels(font->bmd, glyph->get_scrollRect(), at, nullptr, nullptr, true);
        }
    }
    destroyAndRemoveChildren();
    addChild(staticBitmap);
    if (centered && !wrap) staticBitmap->set_x(-roundHalfUp(data->get_width() * 0.5));
    if (useCache) STATIC_BMD_CACHE[key] = data;
}

}  // namespace game

using game::TextSprite;

RUNTIME_DEFINE_CLASS(TextSprite, "TextSprite", game::BitmapSprite, (auto& b) {
    b.template field<&TextSprite::textWidth>("textWidth")
        .template field<&TextSprite::textHeight>("textHeight")
        .template field<&TextSprite::font>("font")
        .template property<&TextSprite::get_text, &TextSprite::set_text>("text")
        .template field<&TextSprite::wrap>("wrap")
        .template field<&TextSprite::lineSpacing>("lineSpacing")
        .template field<&TextSprite::centered>("centered")
        .template field<&TextSprite::textKerning>("textKerning")
        .template field<&TextSprite::animated>("animated")
        .template field<&TextSprite::animCharsPerFrame>("animCharsPerFrame")
        .template field<&TextSprite::useCache>("useCache")
        .template field<&TextSprite::nextCharIndexToShow>("nextCharIndexToShow")
        .template field<&TextSprite::allShown>("allShown")
        .template field<&TextSprite::bounce>("bounce")
        .template field<&TextSprite::doneBouncing>("doneBouncing")
        .template field<&TextSprite::staticBitmap>("staticBitmap")
        .template field<&TextSprite::effect>("effect")
        .template method<&TextSprite::updateTextAnim>("updateTextAnim")
        .emptyInstance();
})
