#pragma once
// A sprite filled once with tiles chosen at random from a tile picture, some positions possibly
// left empty; the camera walls are tile blocks without tiles.
#include "engine/EngSprite.h"

namespace engine {

class EngTileblock : public EngSprite {
    RUNTIME_CLASS(EngTileblock)
public:
    EngTileblock(int x, int y, int width, int height);
    explicit EngTileblock(runtime::NoInit n) : EngSprite(n) {}

    // Each position shows a random frame of the graphic or, with probability empties / (frames +
    // empties), stays transparent. A null graphic changes nothing.
    virtual EngTileblock* loadTiles(const runtime::Value& tileGraphic, int tileWidth = 0, int tileHeight = 0,
                                    int empties = 0);
};

}  // namespace engine
