#pragma once
// Framework objects the back end reads and fills by field name: rectangles (x, y, width,
// height), matrices (a, b, c, d, tx, ty) and colour transforms (the eight multipliers and offsets).
#include "ColorTransform8.h"
#include "Matrix2D.h"
#include "Rect2D.h"
#include "platform/runtime/Value.h"

namespace media {

class Records {
public:
    static Rect2D rect(const runtime::Value& v);
    static void writeRect(const runtime::Value& target, const Rect2D& r);
    // Null reads as the identity.
    static Matrix2D matrix(const runtime::Value& v);
    static void writeMatrix(const runtime::Value& target, const Matrix2D& m);
    // Null reads as the identity.
    static ColorTransform8 colorTransform(const runtime::Value& v);
    static void writeColorTransform(const runtime::Value& target, const ColorTransform8& ct);
};

}  // namespace media
