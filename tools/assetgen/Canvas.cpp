#include "Canvas.h"

#include "tools/png/PngWriter.h"

#include <algorithm>
#include <cmath>

namespace tools {

namespace {
int clamp255(double v) { return static_cast<int>(std::clamp(std::lround(v), 0L, 255L)); }
}  // namespace

uint32_t rgb(int r, int g, int b, int a) {
    return (static_cast<uint32_t>(std::clamp(a, 0, 255)) << 24) | (static_cast<uint32_t>(std::clamp(r, 0, 255)) << 16) |
           (static_cast<uint32_t>(std::clamp(g, 0, 255)) << 8) | static_cast<uint32_t>(std::clamp(b, 0, 255));
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    auto ch = [&](int s) {
        double x = (a >> s) & 0xFF, y = (b >> s) & 0xFF;
        return static_cast<uint32_t>(clamp255(x + (y - x) * t)) << s;
    };
    return ch(24) | ch(16) | ch(8) | ch(0);
}

uint32_t shade(uint32_t c, double f) {
    auto ch = [&](int s) {
        double x = (c >> s) & 0xFF;
        double v = f <= 1 ? x * f : x + (255 - x) * (f - 1);
        return static_cast<uint32_t>(clamp255(v)) << s;
    };
    return (c & 0xFF000000u) | ch(16) | ch(8) | ch(0);
}

uint32_t withAlpha(uint32_t c, int a) { return (c & 0x00FFFFFFu) | (static_cast<uint32_t>(std::clamp(a, 0, 255)) << 24); }

Canvas::Canvas(int width, int height, uint32_t fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

uint32_t Canvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)];
}

void Canvas::set(int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)] = argb;
}

void Canvas::blend(int x, int y, uint32_t c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    int sa = alphaOf(c);
    if (sa == 255) return set(x, y, c);
    if (sa == 0) return;
    uint32_t d = get(x, y);
    double a = sa / 255.0, da = alphaOf(d) / 255.0;
    double oa = a + da * (1 - a);
    auto ch = [&](int s) {
        double sc = (c >> s) & 0xFF, dc = (d >> s) & 0xFF;
        return static_cast<uint32_t>(clamp255((sc * a + dc * da * (1 - a)) / oa)) << s;
    };
    set(x, y, (static_cast<uint32_t>(clamp255(oa * 255)) << 24) | ch(16) | ch(8) | ch(0));
}

void Canvas::fillRect(int x, int y, int w, int h, uint32_t c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) blend(i, j, c);
}

void Canvas::strokeRect(int x, int y, int w, int h, uint32_t c) {
    if (w <= 0 || h <= 0) return;
    for (int i = x; i < x + w; ++i) {
        blend(i, y, c);
        if (h > 1) blend(i, y + h - 1, c);
    }
    for (int j = y + 1; j < y + h - 1; ++j) {
        blend(x, j, c);
        if (w > 1) blend(x + w - 1, j, c);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, uint32_t c, int thickness) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (thickness <= 1) set(x0, y0, c);
        else fillRect(x0 - thickness / 2, y0 - thickness / 2, thickness, thickness, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, uint32_t c) {
    if (rx <= 0 || ry <= 0) return;
    int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0) blend(x, y, c);
        }
}

void Canvas::strokeEllipse(double cx, double cy, double rx, double ry, uint32_t c) {
    int x0 = static_cast<int>(std::floor(cx - rx - 1)), x1 = static_cast<int>(std::ceil(cx + rx + 1));
    int y0 = static_cast<int>(std::floor(cy - ry - 1)), y1 = static_cast<int>(std::ceil(cy + ry + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            double d = std::sqrt(u * u + v * v);
            double r = std::min(rx, ry);
            if (std::abs(d - 1.0) * r <= 0.6) blend(x, y, c);
        }
}

void Canvas::fillPolygon(const std::vector<std::pair<double, double>>& pts, uint32_t c) {
    if (pts.size() < 3) return;
    double minY = pts[0].second, maxY = pts[0].second;
    for (auto& p : pts) { minY = std::min(minY, p.second); maxY = std::max(maxY, p.second); }
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            auto [ax, ay] = pts[i];
            auto [bx, by] = pts[(i + 1) % pts.size()];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x <= static_cast<int>(std::floor(xs[i + 1] - 0.5)); ++x)
                blend(x, y, c);
    }
}

void Canvas::gradientRect(int x, int y, int w, int h, uint32_t top, uint32_t bottom) {
    for (int j = 0; j < h; ++j) fillRect(x, y + j, w, 1, mix(top, bottom, h > 1 ? static_cast<double>(j) / (h - 1) : 0));
}

void Canvas::outline(uint32_t c) {
    std::vector<uint32_t> copy = px_;
    auto opaque = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return false;
        return alphaOf(copy[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)]) >= 128;
    };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (!opaque(x, y) && (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1))) set(x, y, c);
}

void Canvas::rimShade(double light, double dark) {
    std::vector<uint32_t> copy = px_;
    auto at = [&](int x, int y) -> uint32_t {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
        return copy[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)];
    };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            uint32_t p = at(x, y);
            if (alphaOf(p) < 128) continue;
            if (alphaOf(at(x, y - 1)) < 128 || alphaOf(at(x - 1, y)) < 128) set(x, y, shade(p, light));
            else if (alphaOf(at(x, y + 1)) < 128 || alphaOf(at(x + 1, y)) < 128) set(x, y, shade(p, dark));
        }
}

void Canvas::blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, bool flipX) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            uint32_t p = src.get(sx + (flipX ? w - 1 - i : i), sy + j);
            blend(dx + i, dy + j, p);
        }
}

void Canvas::blitScaled(const Canvas& src, int dx, int dy, int factor) {
    for (int j = 0; j < src.h_ * factor; ++j)
        for (int i = 0; i < src.w_ * factor; ++i) blend(dx + i, dy + j, src.get(i / factor, j / factor));
}

void Canvas::multiplyAlpha(double f) {
    for (auto& p : px_) p = withAlpha(p, clamp255(alphaOf(p) * f));
}

void Canvas::tint(uint32_t c, double amount) {
    for (auto& p : px_)
        if (alphaOf(p) > 0) p = withAlpha(mix(p, c, amount), alphaOf(p));
}

bool Canvas::save(const std::string& path) const { return PngWriter::write(path, w_, h_, px_); }

}  // namespace tools
