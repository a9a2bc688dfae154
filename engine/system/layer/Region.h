#pragma once
// A grid of equal tiles inside a bitmap: where it starts, the area it covers, the tile size (0: the
// whole area) and the gaps between tiles.
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class Region : public runtime::Object {
    RUNTIME_CLASS(Region)
public:
    // Note the order: the area size comes last.
    explicit Region(int startX = 0, int startY = 0, int tileWidth = 0, int tileHeight = 0, int spacingX = 0,
                    int spacingY = 0, int width = 0, int height = 0)
        : startX(startX), startY(startY), width(width), height(height), tileWidth(tileWidth), tileHeight(tileHeight),
          spacingX(spacingX), spacingY(spacingY) {}
    explicit Region(runtime::NoInit) {}

    virtual int get_numTiles() const { return get_numRows() * get_numCols(); }
    virtual int get_numRows() const;
    virtual int get_numCols() const;
    virtual runtime::Ref<Region> clone() const;

    int startX = 0;
    int startY = 0;
    int width = 0;
    int height = 0;
    int tileWidth = 0;
    int tileHeight = 0;
    int spacingX = 0;
    int spacingY = 0;
};

}  // namespace engine
