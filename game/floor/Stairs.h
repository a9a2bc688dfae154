#pragma once
// The way down: the hero steps onto it and the exploration state asks whether to descend. Its
// picture is the first cell of the floor tileset's eighth row.
#include "TileObject.h"

namespace game {

class Stairs : public TileObject {
    RUNTIME_CLASS(Stairs)
public:
    explicit Stairs(Tile* tile);

    void drawImage(const runtime::Ref<framework::BitmapData>& tileset) override;
    // Stepping on stairs changes nothing on the object.
    void activate() override {}
};

}  // namespace game
