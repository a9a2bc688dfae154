#pragma once
// Small shared helpers: the touch wording of texts, an integer comparator and a thick line
// drawn into a bitmap.
#include "framework/display/BitmapData.h"
#include "framework/geom/Point.h"

namespace game {

class F {
public:
    // Unchanged unless Game::mobile; then "Click"/"click" after a non-letter become "Tap"/"tap"
    // (the character before stays).
    static runtime::String setStringForMobile(const runtime::String& text);
    // a - b: ascending order.
    static int intSort(int a, int b) { return a - b; }
    // A line of size-pixel brushes from one point to the other: an outline stamp along the walk
    // (when outlineColor is not 0), then the line colour over it, the end point included.
    static void drawLine(const runtime::Ref<framework::BitmapData>& target, const runtime::Ref<framework::Point>& from,
                         const runtime::Ref<framework::Point>& to, int lineColor, int outlineColor, int size = 3);
};

}  // namespace game
