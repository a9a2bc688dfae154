#include "EngTile.h"

#include "engine/tile/EngTilemap.h"

namespace engine {

EngTile::EngTile(EngTilemap* map, int i, double w, double h, bool vis, int collisions) : EngObject(0, 0, w, h) {
    immovable = true;
    moves = false;
    tilemap = runtime::Weak<EngTilemap>(map);
    index = i;
    set_visible(vis);
    allowCollisions = collisions;
}

void EngTile::destroy() {
    callbackFunction = nullptr;
    tilemap = runtime::Weak<EngTilemap>();
    EngObject::destroy();
}

}  // namespace engine

using engine::EngTile;

RUNTIME_DEFINE_CLASS(EngTile, "engine.tile.EngTile", engine::EngObject, (auto& b) {
    b.template field<&EngTile::index>("index").template field<&EngTile::mapIndex>("mapIndex").emptyInstance();
})
