#pragma once
// Bitmap-font text: a string laid out in one SpriteFont, one glyph bitmap per character, with
// optional word wrap within textWidth, centring, extra letter and line spacing. A still text is
// flattened into one bitmap (shared through STATIC_BMD_CACHE when useCache is set); an animated
// one keeps its glyphs, hidden, for a reveal. "[SIZE:...]" switches to MEDIEVAL_SANS_20 and
// "[EFFECT:name]" names an effect; both tags are taken out of the text.
#include <map>
#include <string>
#include <vector>

#include "BitmapSprite.h"
#include "SpriteFont.h"
#include "framework/geom/Point.h"

namespace game {

class TextSprite : public BitmapSprite {
    RUNTIME_CLASS(TextSprite)
public:
    static inline const runtime::String EFFECT_NONE = "";
    static inline const runtime::String EFFECT_YELL = "YELL";
    static inline const runtime::String EFFECT_SHAKE = "SHAKE";
    // Flattened bitmaps by layout key; only grows.
    static inline std::map<std::string, runtime::Ref<framework::BitmapData>> STATIC_BMD_CACHE;

    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_RED;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_GREEN;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_ORANGE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_YELLOW;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_PURPLE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_14_OUTLINE_CYAN;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE_ORANGE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE_YELLOW;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE_PURPLE;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE_RED;
    static inline runtime::Ref<SpriteFont> MEDIEVAL_SANS_20_OUTLINE_GREEN;

    explicit TextSprite(const runtime::Ref<SpriteFont>& font, const runtime::String& text = "", bool wrap = false,
                        int textWidth = -1, int lineSpacing = 2, bool centered = false, int kerning = 0,
                        bool animated = false, bool bounce = false, double bounceVelocity = -5.0,
                        int animCharsPerFrame = 2, bool useCache = false);
    explicit TextSprite(runtime::NoInit n) : BitmapSprite(n) {}

    // The fifteen fonts over their atlases, in table order (ids 0 to 14 on a fresh start).
    static void createFonts();
    // The layout key of a text under the current options.
    std::string cacheKey(const runtime::String& value) const;

    runtime::String get_text() { return text; }
    // Lays the value out and shows it.
    virtual runtime::String set_text(const runtime::String& value);
    // A null text redraws the current one.
    virtual void changeFont(const runtime::Ref<SpriteFont>& font, const runtime::String& text = nullptr,
                            bool redraw = true);
    // One update of an animated text: SHAKE jitter, the reveal of animCharsPerFrame glyphs (YELL
    // pops each in at double size) and the bounce of the revealed glyphs on their baseline.
    virtual void updateTextAnim();

    int textWidth = -1;
    int textHeight = 0;
    runtime::Ref<SpriteFont> font;
    runtime::String text = "";
    bool wrap = false;
    int lineSpacing = 2;
    bool centered = false;
    int textKerning = 0;
    bool animated = false;
    int animCharsPerFrame = 2;
    bool useCache = false;
    std::vector<runtime::Ref<framework::Bitmap>> allChars;
    std::vector<runtime::Ref<framework::Point>> allCharsOrigins;
    int nextCharIndexToShow = 0;
    bool allShown = false;
    bool bounce = false;
    double bounceVelocity = -5.0;
    std::vector<double> velocities;
    std::vector<bool> bounceStatuses;
    double bounceGravity = 0.6;
    double textBounceDamp = 0.7;
    bool doneBouncing = true;
    runtime::Ref<framework::Bitmap> staticBitmap;
    runtime::String effect = "";

private:
    // Takes the markup tags out of value (switching the font and setting effect).
    std::string readMarkup(std::string value);
    // The glyph bitmaps in line sprites; sets textWidth (unwrapped) and textHeight.
    void layout(const std::string& value);
    void flatten(const std::string& key);
};

}  // namespace game
