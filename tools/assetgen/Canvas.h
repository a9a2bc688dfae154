#pragma once
// A small RGBA pixel canvas with the drawing operations the asset generator needs.
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, uint32_t fill = 0);

    int width() const { return w_; }
    int height() const { return h_; }
    const std::vector<uint32_t>& pixels() const { return px_; }

    uint32_t get(int x, int y) const;
    void set(int x, int y, uint32_t argb);
    // Source-over blend of a non-premultiplied colour.
    void blend(int x, int y, uint32_t argb);

    void fillRect(int x, int y, int w, int h, uint32_t argb);
    void strokeRect(int x, int y, int w, int h, uint32_t argb);
    void line(int x0, int y0, int x1, int y1, uint32_t argb, int thickness = 1);
    void fillEllipse(double cx, double cy, double rx, double ry, uint32_t argb);
    void fillCircle(double cx, double cy, double r, uint32_t argb) { fillEllipse(cx, cy, r, r, argb); }
    void strokeEllipse(double cx, double cy, double rx, double ry, uint32_t argb);
    void fillPolygon(const std::vector<std::pair<double, double>>& points, uint32_t argb);
    // Vertical gradient over a rectangle.
    void gradientRect(int x, int y, int w, int h, uint32_t top, uint32_t bottom);
    // Rings every opaque region with a one-pixel line of `argb` (pixels whose alpha is below 128
    // and that touch an opaque one).
    void outline(uint32_t argb);
    // Darkens the lower right and lightens the upper left of every opaque pixel, for a simple
    // sense of volume: pixels with a transparent neighbour above get `light`, below get `dark`.
    void rimShade(double light, double dark);
    void blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, bool flipX = false);
    void blit(const Canvas& src, int dx, int dy, bool flipX = false) { blit(src, 0, 0, src.w_, src.h_, dx, dy, flipX); }
    // Copies `src` scaled by an integer factor (nearest neighbour).
    void blitScaled(const Canvas& src, int dx, int dy, int factor);
    void multiplyAlpha(double f);
    void tint(uint32_t argb, double amount);
    bool save(const std::string& path) const;

private:
    int w_ = 0;
    int h_ = 0;
    std::vector<uint32_t> px_;
};

// Colour helpers over 0xAARRGGBB.
uint32_t rgb(int r, int g, int b, int a = 255);
uint32_t mix(uint32_t a, uint32_t b, double t);
uint32_t shade(uint32_t c, double f);  // f < 1 darkens, f > 1 lightens
uint32_t withAlpha(uint32_t c, int a);
inline int alphaOf(uint32_t c) { return static_cast<int>(c >> 24); }

}  // namespace tools
