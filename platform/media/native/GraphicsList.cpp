#include "GraphicsList.h"

#include <algorithm>
#include <cmath>

#include "Rasterizer.h"

namespace media {

void GraphicsList::clear() {
    commands_.clear();
    bounds_ = {};
    hasBounds_ = false;
    penX_ = penY_ = 0;
    halfLine_ = 0;
}

void GraphicsList::cover(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    double l = x - halfLine_, t = y - halfLine_, r = x + halfLine_, b = y + halfLine_;
    if (!hasBounds_) {
        bounds_ = {l, t, r - l, b - t};
        hasBounds_ = true;
        return;
    }
    double l0 = std::min(bounds_.x, l), t0 = std::min(bounds_.y, t);
    double r0 = std::max(bounds_.x + bounds_.width, r), b0 = std::max(bounds_.y + bounds_.height, b);
    bounds_ = {l0, t0, r0 - l0, b0 - t0};
}

void GraphicsList::coverRect(double x, double y, double w, double h) {
    cover(x, y);
    cover(x + w, y + h);
}

void GraphicsList::add(Command c) {
    const double* v = c.v;
    switch (c.op) {
        case Op::LineStyle:
        case Op::LineBitmapStyle:
        case Op::LineGradientStyle:
            if (c.op != Op::LineStyle) halfLine_ = std::max(halfLine_, 0.5);
            else halfLine_ = (c.flags & 1) ? std::max(std::fabs(v[0]), 1.0) / 2 : 0;
            break;
        case Op::MoveTo:
            penX_ = v[0];
            penY_ = v[1];
            break;
        case Op::LineTo:
            cover(penX_, penY_);
            cover(v[0], v[1]);
            penX_ = v[0];
            penY_ = v[1];
            break;
        case Op::CurveTo:
            cover(penX_, penY_);
            cover(v[0], v[1]);
            cover(v[2], v[3]);
            penX_ = v[2];
            penY_ = v[3];
            break;
        case Op::Rect:
        case Op::RoundRect:
        case Op::Ellipse:
            coverRect(v[0], v[1], v[2], v[3]);
            break;
        case Op::Path: {
            // Commands: 1 move, 2 line, 3 quadratic curve, 4 wide move, 5 wide line (a pair of
            // unused values first), 6 cubic curve. Every point named lies in the bounds.
            std::size_t di = 0;
            for (int cmd : c.ints) {
                int pairs = cmd == 1 || cmd == 2 ? 1 : cmd == 3 || cmd == 4 || cmd == 5 ? 2 : cmd == 6 ? 3 : 0;
                if (di + 2 * static_cast<std::size_t>(pairs) > c.data.size()) break;
                int skip = cmd == 4 || cmd == 5 ? 1 : 0;
                bool move = cmd == 1 || cmd == 4;
                if (!move && pairs > 0) cover(penX_, penY_);
                for (int k = skip; k < pairs; ++k) cover(c.data[di + 2 * k], c.data[di + 2 * k + 1]);
                if (pairs > 0) {
                    penX_ = c.data[di + 2 * (pairs - 1)];
                    penY_ = c.data[di + 2 * (pairs - 1) + 1];
                }
                di += 2 * static_cast<std::size_t>(pairs);
            }
            break;
        }
        case Op::Tiles:
            if (c.sheet) {
                TileSheet::Placed t;
                std::size_t pos = 0, end = c.data.size();
                while (pos < end) {
                    if (!c.sheet->place(c.data, c.flags, pos, end, t)) continue;
                    Rect2D r = Rect2D{0, 0, t.source.width, t.source.height}.transformed(t.matrix);
                    coverRect(r.x, r.y, r.width, r.height);
                }
            }
            break;
        case Op::Points:
            for (std::size_t i = 0; i + 1 < c.data.size(); i += 2) {
                double s = std::max(v[1], 1.0) / 2;
                coverRect(c.data[i] - s, c.data[i + 1] - s, 2 * s, 2 * s);
            }
            break;
        case Op::Triangles: {
            std::size_t nv = static_cast<std::size_t>(c.flags);
            for (std::size_t i = 0; i + 1 < nv && i + 1 < c.data.size(); i += 2) cover(c.data[i], c.data[i + 1]);
            break;
        }
        default: break;
    }
    commands_.push_back(std::move(c));
}

bool GraphicsList::hits(double x, double y) const {
    if (commands_.empty() || !hasBounds_) return false;
    // Stroke ends and antialiased edges can reach a little past the bounds.
    if (x < bounds_.x - 1 || y < bounds_.y - 1 || x > bounds_.x + bounds_.width + 1 || y > bounds_.y + bounds_.height + 1)
        return false;
    return Rasterizer::hitTest(*this, x, y);
}

}  // namespace media
