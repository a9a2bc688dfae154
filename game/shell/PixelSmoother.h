#pragma once
// The game's way to fetch a picture by asset id (the registry's shared cached bitmap), and its
// optional pixel filter: a 2x upscaler with edge rounding, a registry of re-renderable assets,
// a stepwise re-render and palette helpers.
#include <map>
#include <string>
#include <vector>

#include "framework/display/BitmapData.h"

namespace game {

class PixelSmoother {
public:
    using BMD = runtime::Ref<framework::BitmapData>;

    static inline int UPSCALE = 2;
    static inline double LERP_AMOUNT = 0.0;
    // The player's filter: when false smoothBMD only upscales.
    static inline bool smoothed = false;
    static inline std::map<std::string, BMD> cache;
    static inline std::map<std::string, int> tileSizes;
    static inline std::map<std::string, double> scales;
    static inline std::vector<std::string> keys;
    // Source RGB to game RGB; empty until loadPalettes.
    static inline std::map<int, int> gameColors;
    static inline bool gameColorsLoaded = false;
    static inline int filterChangeProgress = 0;

    // The registry's cached bitmap for the id; tileSize and smooth are ignored.
    static BMD smoothAsset(const runtime::String& id, int tileSize = -1, bool smooth = false);
    // source enlarged 2x, its inner corners rounded when smoothed is set. Null for a null source;
    // source itself when smooth is false.
    static BMD smoothBMD(const BMD& source, int tileSize = -1, bool smooth = true, const BMD& target = nullptr);
    static void setPixelFilter(bool on, bool immediate = false);
    // Re-renders up to two registered assets and reports the progress.
    static void updateFilterChange();
    static void loadPalettes();
    static void paletteSwap(const BMD& bitmap);
    // Channel-wise interpolation of two ARGB colours, each channel truncated.
    static int lerp(int from, int to, double amount);

private:
    static void reRender(const std::string& id);
};

}  // namespace game
