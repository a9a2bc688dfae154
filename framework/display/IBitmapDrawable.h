#pragma once
// Something BitmapData.draw can render into a surface.
#include "platform/runtime/Value.h"

namespace framework {

class ColorTransform;
class Matrix;
class Rectangle;

class IBitmapDrawable {
public:
    virtual ~IBitmapDrawable() = default;
    virtual void drawToSurface_(const runtime::Value& surface, const runtime::Ref<Matrix>& matrix,
                                const runtime::Ref<ColorTransform>& colorTransform, const runtime::String& blendMode,
                                const runtime::Ref<Rectangle>& clipRect, bool smoothing) = 0;
};

}  // namespace framework
