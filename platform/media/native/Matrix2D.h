#pragma once
// A 2D affine transform: x' = a·x + c·y + tx, y' = b·x + d·y + ty.
#include <cmath>

namespace media {

struct Matrix2D {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    // this applied after m: (this ∘ m)(p) = this(m(p)).
    Matrix2D after(const Matrix2D& m) const {
        return {a * m.a + c * m.b,       b * m.a + d * m.b,       a * m.c + c * m.d,
                b * m.c + d * m.d,       a * m.tx + c * m.ty + tx, b * m.tx + d * m.ty + ty};
    }
    void apply(double x, double y, double& ox, double& oy) const {
        ox = a * x + c * y + tx;
        oy = b * x + d * y + ty;
    }
    // The inverse; a singular matrix inverts to one that maps everything to its own -translation.
    Matrix2D inverted() const {
        double det = a * d - b * c;
        if (det == 0) return {1, 0, 0, 1, -tx, -ty};
        double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
        return {ia, ib, ic, id, -(ia * tx + ic * ty), -(ib * tx + id * ty)};
    }
};

}  // namespace media
