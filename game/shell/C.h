#pragma once
// Game constants: map, tile and item sizes, a shared zero point and a do-nothing callback.
#include "framework/geom/Point.h"

namespace game {

class C {
public:
    static constexpr int ITEM_SIZE = 48;
    static constexpr int MAP_SIZE = 32;
    static constexpr int TILE_SIZE = 32;
    // Shared destination point (0, 0); never change it.
    static const runtime::Ref<framework::Point> POINT_0;

    static void NULL_FUNC() {}
};

}  // namespace game
