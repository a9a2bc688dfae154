#include "BMDCache.h"

#include "C.h"
#include "PixelSmoother.h"
#include "framework/geom/Rectangle.h"

namespace game {

using framework::BitmapData;
using runtime::Ref;

namespace {

BMDCache::BMD asset(const char* id, int tileSize = -1) { return PixelSmoother::smoothAsset(id, tileSize, false); }

// A band of the shadow sheet: the rows from y, height high, the sheet's full width of 32.
BMDCache::BMD cut(const BMDCache::BMD& sheet, int y, int height) {
    auto shadow = runtime::make<BitmapData>(32, height, true, 0);
    if (sheet)
        shadow->copyPixels(sheet, runtime::make<framework::Rectangle>(0, y, 32, height), C::POINT_0, nullptr, nullptr,
                           false);
    return shadow;
}

BMDCache::BMD square(int size, int color, bool transparent = false) {
    return runtime::make<BitmapData>(size, size, transparent, color);
}

}  // namespace

void BMDCache::load() {
    BMD sheet = asset("assets/x2/misc/shadows.png");
    SHADOW_XXL = cut(sheet, 0, 20);
    SHADOW_XL = cut(sheet, 20, 14);
    SHADOW_L = cut(sheet, 34, 11);
    SHADOW_M = cut(sheet, 45, 9);
    SHADOW_S = cut(sheet, 54, 6);
    SHADOW_XS = cut(sheet, 60, 4);

    SHADOW_NONE = square(1, 0x00000000, true);
    whiteSquare4x4 = square(4, static_cast<int>(0xFFFFFFFF));
    whiteSquare2x2 = square(2, static_cast<int>(0xFFFFFFFF));
    goldSquare4x4 = square(4, static_cast<int>(0xFFF0C600));
    goldSquare2x2 = square(2, static_cast<int>(0xFFF0C600));
    blackSquare2x2 = square(2, static_cast<int>(0xFF000000));
    invisPixel = square(1, 0x01000000, true);

    FIRE_SPIT = asset("assets/x2/monsters/fireSpit.png");
    ACID_SPIT = asset("assets/x2/monsters/acidSpit.png");
    POOFY_EXPLOSION = asset("assets/x2/misc/poofyExplosion.png");
    BLACK_BUTTON = asset("assets/ui/buttonBlack.png");
    BLACK_BUTTON_OVER = asset("assets/ui/buttonBlackOver.png");
    BLACK_BUTTON_SELECTED = asset("assets/ui/buttonBlackSelected.png");
    BLACK_BUTTON_SMALL = asset("assets/ui/buttonBlackSmall.png");
    BLACK_BUTTON_SMALL_OVER = asset("assets/ui/buttonBlackSmallOver.png");
    BLACK_BUTTON_SMALL_SELECTED = asset("assets/ui/buttonBlackSmallSelected.png");
    RED_BUTTON = asset("assets/ui/buttonRed.png");
    RED_BUTTON_OVER = asset("assets/ui/buttonRedOver.png");
    RED_BUTTON_SELECTED = asset("assets/ui/buttonRedSelected.png");
    YELLOW_BUTTON = asset("assets/ui/buttonYellowSmall.png");
    YELLOW_BUTTON_OVER = asset("assets/ui/buttonYellowSmallOver.png");
    YELLOW_BUTTON_SELECTED = asset("assets/ui/buttonYellowSmallSelected.png");
    missingAsset = asset("assets/misc/missingAsset.png");
    secretStuffBMD = asset("assets/x2/tilesets/secretStuff.png", C::TILE_SIZE);
    rainSplashes = asset("assets/x2/misc/rainSplash.png", 16);
    rainTile = asset("assets/x2/misc/rainTile.png", 128);
}

}  // namespace game
