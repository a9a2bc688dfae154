#pragma once
// One tileset of a map file: its name, first global id and image (tiles of 32 x 32).
#include <string>

#include "framework/display/BitmapData.h"

namespace game {

class TiledTileset : public runtime::Object {
public:
    TiledTileset(std::string name, int firstID, runtime::Ref<framework::BitmapData> bmd);

    std::string name;
    // Tiles per row of the image.
    int numTilesInRow = 0;
    runtime::Ref<framework::BitmapData> bmd;
    int firstID;

    // Whole tiles the image holds.
    int tileCount() const;
};

}  // namespace game
