#pragma once
// Pixel layouts of a display mode.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class PixelFormat {
    UNKNOWN, INDEX1LSB, INDEX1MSB, INDEX4LSB, INDEX4MSB, INDEX8, RGB332, RGB444, RGB555, BGR555,
    ARGB4444, RGBA4444, ABGR4444, BGRA4444, ARGB1555, RGBA5551, ABGR1555, BGRA5551, RGB565, BGR565,
    RGB24, BGR24, RGB888, RGBX8888, BGR888, BGRX8888, ARGB8888, RGBA8888, ABGR8888, BGRA8888,
    ARGB2101010, YV12, IYUV, YUY2, UYVY, YVYU
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::PixelFormat)
