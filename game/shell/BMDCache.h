#pragma once
// Bitmaps that many game objects share: drop shadows, button skins, small solid squares, a
// 1-pixel hit area and a few effect and tile sheets. Built once by load; never drawn into.
#include "framework/display/BitmapData.h"

namespace game {

class BMDCache {
public:
    using BMD = runtime::Ref<framework::BitmapData>;

    static inline BMD BLACK_BUTTON, BLACK_BUTTON_OVER, BLACK_BUTTON_SELECTED;
    static inline BMD BLACK_BUTTON_SMALL, BLACK_BUTTON_SMALL_OVER, BLACK_BUTTON_SMALL_SELECTED;
    static inline BMD RED_BUTTON, RED_BUTTON_OVER, RED_BUTTON_SELECTED;
    static inline BMD YELLOW_BUTTON, YELLOW_BUTTON_OVER, YELLOW_BUTTON_SELECTED;
    static inline BMD SHADOW_XXL, SHADOW_XL, SHADOW_L, SHADOW_M, SHADOW_S, SHADOW_XS, SHADOW_NONE;
    static inline BMD FIRE_SPIT, ACID_SPIT, POOFY_EXPLOSION;
    static inline BMD whiteSquare4x4, whiteSquare2x2, goldSquare4x4, goldSquare2x2, blackSquare2x2;
    // Alpha 1, not 0: unseen, but hit by the pointer.
    static inline BMD invisPixel;
    static inline BMD missingAsset, secretStuffBMD, rainSplashes, rainTile;

    // Builds every static. An asset the registry cannot resolve leaves its static null.
    static void load();
};

}  // namespace game
