#pragma once
// Named ARGB colours.
#include <cstdint>

namespace engine {

class EngColor {
public:
    static constexpr int32_t RED = static_cast<int32_t>(0xFFFF0000u);
    static constexpr int32_t YELLOW = static_cast<int32_t>(0xFFFFFF00u);
    static constexpr int32_t GREEN = static_cast<int32_t>(0xFF008000u);
    static constexpr int32_t BLUE = static_cast<int32_t>(0xFF0000FFu);
    static constexpr int32_t PINK = static_cast<int32_t>(0xFFFFC0CBu);
    static constexpr int32_t PURPLE = static_cast<int32_t>(0xFF800080u);
    static constexpr int32_t WHITE = static_cast<int32_t>(0xFFFFFFFFu);
    static constexpr int32_t BLACK = static_cast<int32_t>(0xFF000000u);
    static constexpr int32_t GRAY = static_cast<int32_t>(0xFF808080u);
    static constexpr int32_t BROWN = static_cast<int32_t>(0xFF964B00u);
    static constexpr int32_t TRANSPARENT = static_cast<int32_t>(0x00000000u);
    static constexpr int32_t IVORY = static_cast<int32_t>(0xFFFFFFF0u);
    static constexpr int32_t BEIGE = static_cast<int32_t>(0xFFF5F5DCu);
    static constexpr int32_t WHEAT = static_cast<int32_t>(0xFFF5DEB3u);
    static constexpr int32_t TAN = static_cast<int32_t>(0xFFD2B48Cu);
    static constexpr int32_t KHAKI = static_cast<int32_t>(0xFFC3B091u);
    static constexpr int32_t SILVER = static_cast<int32_t>(0xFFC0C0C0u);
    static constexpr int32_t CHARCOAL = static_cast<int32_t>(0xFF464646u);
    static constexpr int32_t NAVY_BLUE = static_cast<int32_t>(0xFF000080u);
    static constexpr int32_t ROYAL_BLUE = static_cast<int32_t>(0xFF084C9Eu);
    static constexpr int32_t MEDIUM_BLUE = static_cast<int32_t>(0xFF0000CDu);
    static constexpr int32_t AZURE = static_cast<int32_t>(0xFF007FFFu);
    static constexpr int32_t CYAN = static_cast<int32_t>(0xFF00FFFFu);
    static constexpr int32_t MAGENTA = static_cast<int32_t>(0xFFFF00FFu);
    static constexpr int32_t AQUAMARINE = static_cast<int32_t>(0xFF7FFFD4u);
    static constexpr int32_t TEAL = static_cast<int32_t>(0xFF008080u);
    static constexpr int32_t FOREST_GREEN = static_cast<int32_t>(0xFF228B22u);
    static constexpr int32_t OLIVE = static_cast<int32_t>(0xFF808000u);
    static constexpr int32_t CHARTREUSE = static_cast<int32_t>(0xFF7FFF00u);
    static constexpr int32_t YELLOW_GREEN = static_cast<int32_t>(0xFFBFFF00u);
    static constexpr int32_t GOLDEN = static_cast<int32_t>(0xFFFFD700u);
    static constexpr int32_t GOLDENROD = static_cast<int32_t>(0xFFDAA520u);
    static constexpr int32_t CORAL = static_cast<int32_t>(0xFFFF7F50u);
    static constexpr int32_t SALMON = static_cast<int32_t>(0xFFFA8072u);
    static constexpr int32_t HOT_PINK = static_cast<int32_t>(0xFFFC0FC0u);
    static constexpr int32_t FUCHSIA = static_cast<int32_t>(0xFFFF77FFu);
    static constexpr int32_t PUCE = static_cast<int32_t>(0xFFCC8899u);
    static constexpr int32_t MAUVE = static_cast<int32_t>(0xFFE0B0FFu);
    static constexpr int32_t LAVENDER = static_cast<int32_t>(0xFFB57EDCu);
    static constexpr int32_t PLUM = static_cast<int32_t>(0xFF843179u);
    static constexpr int32_t INDIGO = static_cast<int32_t>(0xFF4B0082u);
    static constexpr int32_t MAROON = static_cast<int32_t>(0xFF800000u);
    static constexpr int32_t CRIMSON = static_cast<int32_t>(0xFFDC143Cu);
};

}  // namespace engine
