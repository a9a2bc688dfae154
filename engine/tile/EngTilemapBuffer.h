#pragma once
// What a tile map draws for one camera: how many rows and columns of tiles cover the camera's view
// and where the covered block starts. No pixels are kept.
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngCamera;

class EngTilemapBuffer : public runtime::Object {
    RUNTIME_CLASS(EngTilemapBuffer)
public:
    // A null camera means the engine's main camera.
    EngTilemapBuffer(int tileWidth, int tileHeight, int widthInTiles, int heightInTiles, EngCamera* camera = nullptr,
                     double scaleX = 1.0, double scaleY = 1.0);
    explicit EngTilemapBuffer(runtime::NoInit) {}

    virtual void destroy() {}
    // columns = ceil(camera width / (scale x * tile width)) + 1, at most the map's width in tiles.
    virtual void updateColumns(int tileWidth, int widthInTiles, double scaleX = 1.0, EngCamera* camera = nullptr);
    virtual void updateRows(int tileHeight, int heightInTiles, double scaleY = 1.0, EngCamera* camera = nullptr);

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool dirty = false;
    int rows = 0;
    int columns = 0;
    bool pixelPerfectRender = true;
};

}  // namespace engine
