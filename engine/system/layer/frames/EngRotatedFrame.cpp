#include "EngRotatedFrame.h"

#include <cmath>

namespace engine {

using framework::BitmapData;
using runtime::Ref;

Ref<BitmapData> EngRotatedFrame::paintOnBitmap(Ref<BitmapData> bitmap) {
    if (bitmap && (bitmap->get_width() != sourceSize->x || bitmap->get_height() != sourceSize->y)) bitmap->dispose();
    auto temp = runtime::make<BitmapData>(static_cast<int>(frame->width), static_cast<int>(frame->height), true, 0);
    POINT->setTo(0, 0);
    temp->copyPixels(sheetBitmap(), frame, POINT);
    MATRIX->identity();
    MATRIX->translate(-0.5 * frame->width, -0.5 * frame->height);
    MATRIX->rotate(-M_PI / 2);
    MATRIX->translate(offset->x + 0.5 * frame->height, offset->y + 0.5 * frame->width);
    Ref<BitmapData> result = newSourceSized();
    result->draw(temp, MATRIX);
    temp->dispose();
    return result;
}

}  // namespace engine
