#include "EngTilemapBuffer.h"

#include <algorithm>
#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"

namespace engine {

EngTilemapBuffer::EngTilemapBuffer(int tileWidth, int tileHeight, int widthInTiles, int heightInTiles,
                                   EngCamera* camera, double scaleX, double scaleY) {
    updateColumns(tileWidth, widthInTiles, scaleX, camera);
    updateRows(tileHeight, heightInTiles, scaleY, camera);
    dirty = true;
}

void EngTilemapBuffer::updateColumns(int tileWidth, int widthInTiles, double scaleX, EngCamera* camera) {
    if (widthInTiles < 0) widthInTiles = 0;
    if (!camera) camera = EngG::camera.get();
    columns = static_cast<int>(std::ceil(camera->width / (scaleX * tileWidth))) + 1;
    columns = std::min(columns, widthInTiles);
    width = std::trunc(tileWidth * columns * scaleX);
}

void EngTilemapBuffer::updateRows(int tileHeight, int heightInTiles, double scaleY, EngCamera* camera) {
    if (heightInTiles < 0) heightInTiles = 0;
    if (!camera) camera = EngG::camera.get();
    rows = static_cast<int>(std::ceil(camera->height / (scaleY * tileHeight))) + 1;
    rows = std::min(rows, heightInTiles);
    height = std::trunc(tileHeight * rows * scaleY);
}

}  // namespace engine

using engine::EngTilemapBuffer;

RUNTIME_DEFINE_CLASS(EngTilemapBuffer, "engine.tile.EngTilemapBuffer", runtime::Object, (auto& b) {
    using T = EngTilemapBuffer;
    b.template field<&T::x>("x")
        .template field<&T::y>("y")
        .template field<&T::width>("width")
        .template field<&T::height>("height")
        .template field<&T::dirty>("dirty")
        .template field<&T::rows>("rows")
        .template field<&T::columns>("columns")
        .template field<&T::pixelPerfectRender>("pixelPerfectRender")
        .emptyInstance();
})
