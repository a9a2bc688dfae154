#pragma once
// An axis-aligned rectangle.
#include <cmath>

#include "Matrix2D.h"

namespace media {

struct Rect2D {
    double x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    // The union; an empty side is ignored.
    Rect2D united(const Rect2D& o) const {
        if (o.empty()) return *this;
        if (empty()) return o;
        double l = std::fmin(x, o.x), t = std::fmin(y, o.y);
        double r = std::fmax(x + width, o.x + o.width), bm = std::fmax(y + height, o.y + o.height);
        return {l, t, r - l, bm - t};
    }
    // The axis-aligned bounds of this rectangle under m.
    Rect2D transformed(const Matrix2D& m) const {
        if (m.b == 0 && m.c == 0) {
            // Along the axes two corners decide; with finite ends min and max agree with fmin and fmax.
            double xa = m.a * x + m.tx, xb = m.a * (x + width) + m.tx;
            double ya = m.d * y + m.ty, yb = m.d * (y + height) + m.ty;
            if (std::isfinite(xa) && std::isfinite(xb) && std::isfinite(ya) && std::isfinite(yb)) {
                double l = std::min(xa, xb), t = std::min(ya, yb);
                return {l, t, std::max(xa, xb) - l, std::max(ya, yb) - t};
            }
        }
        double xs[4], ys[4];
        m.apply(x, y, xs[0], ys[0]);
        m.apply(x + width, y, xs[1], ys[1]);
        m.apply(x, y + height, xs[2], ys[2]);
        m.apply(x + width, y + height, xs[3], ys[3]);
        double l = xs[0], r = xs[0], t = ys[0], bm = ys[0];
        for (int i = 1; i < 4; ++i) {
            l = std::fmin(l, xs[i]);
            r = std::fmax(r, xs[i]);
            t = std::fmin(t, ys[i]);
            bm = std::fmax(bm, ys[i]);
        }
        return {l, t, r - l, bm - t};
    }
    bool contains(double px, double py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

}  // namespace media
