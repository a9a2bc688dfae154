#pragma once
// An atlas: one image and numbered rectangles in it (tiles), registered with the back end so
// that a whole batch of tiles is drawn by one Graphics.drawTiles call.
#include <vector>

#include "BitmapData.h"
#include "Graphics.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace framework {

class Tilesheet : public runtime::Object {
    RUNTIME_CLASS(Tilesheet)
public:
    static constexpr int TILE_SCALE = Graphics::TILE_SCALE;
    static constexpr int TILE_ROTATION = Graphics::TILE_ROTATION;
    static constexpr int TILE_RGB = Graphics::TILE_RGB;
    static constexpr int TILE_ALPHA = Graphics::TILE_ALPHA;
    static constexpr int TILE_TRANS_2x2 = Graphics::TILE_TRANS_2x2;
    static constexpr int TILE_RECT = Graphics::TILE_RECT;
    static constexpr int TILE_ORIGIN = Graphics::TILE_ORIGIN;
    static constexpr int TILE_BLEND_NORMAL = Graphics::TILE_BLEND_NORMAL;
    static constexpr int TILE_BLEND_ADD = Graphics::TILE_BLEND_ADD;
    static constexpr int TILE_BLEND_MULTIPLY = 0x20000;
    static constexpr int TILE_BLEND_SCREEN = 0x40000;
    static constexpr int TILE_BLEND_SUBTRACT = 0x80000;
    // The centre of every tile added without one, shared by all sheets.
    static const runtime::Ref<Point>& defaultRatio();

    static inline runtime::Primitive media_tilesheet_create;
    static inline runtime::Primitive media_tilesheet_add_rect;
    static void initClass();

    explicit Tilesheet(const runtime::Ref<BitmapData>& image);
    explicit Tilesheet(runtime::NoInit) {}

    // Registers a tile and returns the back end's id for it (0, 1, 2, ... per sheet).
    virtual int addTileRect(const runtime::Ref<Rectangle>& rectangle, const runtime::Ref<Point>& centerPoint = nullptr);
    virtual void drawTiles(const runtime::Ref<Graphics>& graphics, const runtime::Ref<runtime::Array>& tileData,
                           bool smooth = false, int flags = 0, int count = -1);
    // The stored objects themselves; null outside the tiles.
    virtual runtime::Ref<Point> getTileCenter(int index);
    virtual runtime::Ref<Rectangle> getTileRect(int index);
    // left / width, top / height, right / width, bottom / height of the image, held in x, y,
    // width and height.
    virtual runtime::Ref<Rectangle> getTileUVs(int index);

    runtime::Ref<BitmapData> bitmap_;
    runtime::Value handle_;
    int bitmapHeight_ = 0;
    int bitmapWidth_ = 0;
    std::vector<runtime::Ref<Point>> tilePoints_;
    std::vector<runtime::Ref<Rectangle>> tiles_;
    std::vector<runtime::Ref<Rectangle>> tileUVs_;

protected:
    // The construction body, run by derived classes on their own object.
    void construct_(const runtime::Ref<BitmapData>& image);
};

}  // namespace framework
