#pragma once
// One picture a sprite can show: a rectangle of a tile sheet's bitmap, its tile id, and where that
// rectangle lies inside the whole (untrimmed) picture. Upright and mirrored copies of the picture
// are made on demand and kept.
#include "engine/system/layer/frames/FrameType.h"
#include "engine/util/EngPoint.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Matrix.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class TileSheetData;

class EngFrame : public runtime::Object {
    RUNTIME_CLASS(EngFrame)
public:
    // Scratch objects shared by all frames.
    static runtime::Ref<framework::Point> POINT;
    static runtime::Ref<framework::Matrix> MATRIX;
    static runtime::Ref<framework::Rectangle> RECT;

    explicit EngFrame(TileSheetData* tileSheet);
    explicit EngFrame(runtime::NoInit) {}

    // The upright picture at its source size, painted into bitmap when that has the source size,
    // else into a new bitmap (a bitmap of another size is disposed).
    virtual runtime::Ref<framework::BitmapData> paintOnBitmap(runtime::Ref<framework::BitmapData> bitmap = nullptr);
    virtual runtime::Ref<framework::BitmapData> getBitmap();
    virtual runtime::Ref<framework::BitmapData> getHReversedBitmap();
    virtual runtime::Ref<framework::BitmapData> getVReversedBitmap();
    virtual runtime::Ref<framework::BitmapData> getHVReversedBitmap();
    virtual void destroy();
    virtual void destroyBitmapDatas();

    runtime::String name;
    runtime::Ref<framework::Rectangle> frame;
    bool trimmed = false;
    int tileID = -1;
    double additionalAngle = 0;
    runtime::Ref<EngPoint> sourceSize;
    runtime::Ref<EngPoint> offset;
    runtime::Ref<EngPoint> center;
    FrameType type = FrameType::REGULAR;
    runtime::Ref<framework::BitmapData> _bitmapData;
    runtime::Ref<framework::BitmapData> _hReversedBitmapData;
    runtime::Ref<framework::BitmapData> _vReversedBitmapData;
    runtime::Ref<framework::BitmapData> _hvReversedBitmapData;
    runtime::Weak<TileSheetData> _tileSheet;

protected:
    runtime::Ref<framework::BitmapData> sheetBitmap() const;
    runtime::Ref<framework::BitmapData> newSourceSized() const;
    runtime::Ref<framework::BitmapData> mirrored(runtime::Ref<framework::BitmapData>& cache, double sx, double sy);
};

}  // namespace engine
