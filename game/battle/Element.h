#pragma once
// The element types: the weakness of a monster and the element of a strike, with the cells of
// their weakness icons on "assets/ui/elemIconsPlain.png" (two rows of three: fire, ice, earth;
// wind, dark, light). TYPE_NONE has no icon.
#include "framework/geom/Rectangle.h"

namespace game {

class Element {
public:
    static constexpr int TYPE_NONE = 0;
    static constexpr int TYPE_FIRE = 1;
    static constexpr int TYPE_ICE = 2;
    static constexpr int TYPE_EARTH = 3;
    static constexpr int TYPE_WIND = 4;
    static constexpr int TYPE_DARK = 5;
    static constexpr int TYPE_LIGHT = 6;

    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_FIRE =
        runtime::make<framework::Rectangle>(0, 0, 19, 20);
    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_ICE =
        runtime::make<framework::Rectangle>(19, 0, 19, 20);
    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_EARTH =
        runtime::make<framework::Rectangle>(38, 0, 19, 20);
    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_WIND =
        runtime::make<framework::Rectangle>(0, 20, 19, 20);
    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_DARK =
        runtime::make<framework::Rectangle>(19, 20, 19, 20);
    static inline const runtime::Ref<framework::Rectangle> ICON_RECT_LIGHT =
        runtime::make<framework::Rectangle>(38, 20, 19, 20);

    // The icon cell of an element type; null for TYPE_NONE and unknown types.
    static runtime::Ref<framework::Rectangle> iconRect(int type);
};

}  // namespace game
