#pragma once
// The record of one tile index of a tile map: whether and from which sides that kind of tile
// collides, an optional overlap callback with a class filter, and whether it is drawn. The map
// moves the record onto each cell it tests.
#include "engine/EngObject.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngTilemap;

class EngTile : public EngObject {
    RUNTIME_CLASS(EngTile)
public:
    EngTile(EngTilemap* tilemap, int index, double width, double height, bool visible, int allowCollisions);
    explicit EngTile(runtime::NoInit n) : EngObject(n) {}

    void destroy() override;

    // Called as callbackFunction(tile record, object) when an object overlaps a cell of this index.
    runtime::Ref<runtime::Function> callbackFunction;
    // When set, the callback fires only for instances of this class.
    const runtime::ClassInfo* filter = nullptr;
    runtime::Weak<EngTilemap> tilemap;
    int index = 0;
    // The cell whose overlap fired the callback last.
    int mapIndex = 0;
};

}  // namespace engine
