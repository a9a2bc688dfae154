#include "EngFrame.h"

#include <cmath>

#include "engine/system/layer/TileSheetData.h"
#include "engine/util/EngDestroyUtil.h"

namespace engine {

using framework::BitmapData;
using runtime::Ref;

Ref<framework::Point> EngFrame::POINT = runtime::make<framework::Point>();
Ref<framework::Matrix> EngFrame::MATRIX = runtime::make<framework::Matrix>();
Ref<framework::Rectangle> EngFrame::RECT = runtime::make<framework::Rectangle>();

EngFrame::EngFrame(TileSheetData* tileSheet) : _tileSheet(tileSheet) {
    sourceSize = EngPoint::get();
    offset = EngPoint::get();
    center = EngPoint::get();
}

Ref<BitmapData> EngFrame::sheetBitmap() const {
    Ref<TileSheetData> owner = _tileSheet.lock();
    return owner ? owner->bitmap : nullptr;
}

Ref<BitmapData> EngFrame::newSourceSized() const {
    return runtime::make<BitmapData>(static_cast<int>(sourceSize->x), static_cast<int>(sourceSize->y), true, 0);
}

Ref<BitmapData> EngFrame::paintOnBitmap(Ref<BitmapData> bitmap) {
    Ref<BitmapData> result;
    if (bitmap && bitmap->get_width() == sourceSize->x && bitmap->get_height() == sourceSize->y) {
        result = bitmap;
        if (bitmap->get_width() > frame->width || bitmap->get_height() > frame->height) {
            RECT->setTo(0, 0, bitmap->get_width(), bitmap->get_height());
            bitmap->fillRect(RECT, 0);
        }
    } else if (bitmap) {
        bitmap->dispose();
    }
    if (!result) result = newSourceSized();
    POINT->setTo(offset->x, offset->y);
    result->copyPixels(sheetBitmap(), frame, POINT);
    return result;
}

Ref<BitmapData> EngFrame::getBitmap() {
    if (!_bitmapData) _bitmapData = paintOnBitmap(nullptr);
    return _bitmapData;
}

Ref<BitmapData> EngFrame::mirrored(Ref<BitmapData>& cache, double sx, double sy) {
    if (cache) return cache;
    Ref<BitmapData> upright = getBitmap();
    int w = static_cast<int>(sourceSize->x), h = static_cast<int>(sourceSize->y);
    MATRIX->identity();
    MATRIX->scale(sx, sy);
    MATRIX->translate(sx < 0 ? w : 0, sy < 0 ? h : 0);
    cache = runtime::make<BitmapData>(w, h, true, 0);
    cache->draw(upright, MATRIX);
    return cache;
}

Ref<BitmapData> EngFrame::getHReversedBitmap() { return mirrored(_hReversedBitmapData, -1, 1); }
Ref<BitmapData> EngFrame::getVReversedBitmap() { return mirrored(_vReversedBitmapData, 1, -1); }
Ref<BitmapData> EngFrame::getHVReversedBitmap() { return mirrored(_hvReversedBitmapData, -1, -1); }

void EngFrame::destroy() {
    name = nullptr;
    frame = nullptr;
    _tileSheet = nullptr;
    sourceSize = EngDestroyUtil::put(sourceSize);
    offset = EngDestroyUtil::put(offset);
    center = EngDestroyUtil::put(center);
    destroyBitmapDatas();
}

void EngFrame::destroyBitmapDatas() {
    for (Ref<BitmapData>* b : {&_bitmapData, &_hReversedBitmapData, &_vReversedBitmapData, &_hvReversedBitmapData}) {
        if (*b) (*b)->dispose();
        *b = nullptr;
    }
}

}  // namespace engine

using engine::EngFrame;

RUNTIME_DEFINE_CLASS(EngFrame, "engine.system.layer.frames.EngFrame", runtime::Object, (auto& b) {
    using T = EngFrame;
    b.template field<&T::name>("name")
        .template field<&T::frame>("frame")
        .template field<&T::trimmed>("trimmed")
        .template field<&T::tileID>("tileID")
        .template field<&T::additionalAngle>("additionalAngle")
        .template field<&T::sourceSize>("sourceSize")
        .template field<&T::offset>("offset")
        .template field<&T::center>("center")
        .template method<&T::getBitmap>("getBitmap")
        .template method<&T::destroyBitmapDatas>("destroyBitmapDatas")
        .emptyInstance();
})
