#pragma once
// The game's embedded font, "assets/fonts/MedievalSharp-Bold.ttf", as a font class the font
// registry knows.
#include "framework/text/Font.h"

namespace game {

class MedievalSharpBold : public framework::Font {
    RUNTIME_CLASS(MedievalSharpBold)
public:
    static inline runtime::String resourceName = "assets/fonts/MedievalSharp-Bold.ttf";
    explicit MedievalSharpBold(const runtime::String& file = "",
                               std::optional<framework::FontStyle> style = std::nullopt,
                               std::optional<framework::FontType> type = std::nullopt)
        : framework::Font(runtime::NoInit{}) {
        construct_(file, style, type);
    }
    explicit MedievalSharpBold(runtime::NoInit n) : framework::Font(n) {}
};

}  // namespace game
