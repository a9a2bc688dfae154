#include "Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace media {

namespace {
inline uint32_t channel(double v) {
    if (!(v > 0)) return 0;
    if (v >= 255) return 255;
    return static_cast<uint32_t>(v);
}
inline int toInt(double v) {
    if (!(v == v)) return 0;
    if (v > 1e9) return 1000000000;
    if (v < -1e9) return -1000000000;
    return static_cast<int>(v);
}
}  // namespace

Surface::Surface(int width, int height, bool transparent, uint32_t fillColor)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), transparent_(transparent) {
    if (!transparent_) fillColor |= 0xFF000000u;
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fillColor);
}

Surface::~Surface() { releaseCache(); }

void Surface::releaseCache() {
    if (pattern_) cairo_pattern_destroy(pattern_);
    if (premulSurface_) cairo_surface_destroy(premulSurface_);
    if (transformedPattern_) cairo_pattern_destroy(transformedPattern_);
    if (transformedSurface_) cairo_surface_destroy(transformedSurface_);
    if (premulImage_) pixman_image_unref(premulImage_);
    if (transformedImage_) pixman_image_unref(transformedImage_);
    if (fadedImage_) pixman_image_unref(fadedImage_);
    premulImage_ = nullptr;
    transformedImage_ = nullptr;
    fadedImage_ = nullptr;
    fadedVersion_ = askedVersion_ = 0;
    pattern_ = nullptr;
    premulSurface_ = nullptr;
    transformedPattern_ = nullptr;
    transformedSurface_ = nullptr;
    premulVersion_ = 0;
    transformedVersion_ = 0;
}

void Surface::dispose() {
    releaseCache();
    width_ = height_ = 0;
    std::vector<uint32_t>().swap(pixels_);
    std::vector<uint32_t>().swap(premul_);
    std::vector<uint32_t>().swap(transformed_);
    std::vector<uint32_t>().swap(faded_);
    ++version_;
}

void Surface::setTransparent(bool t) {
    if (t == transparent_) return;
    releaseCache();
    transparent_ = t;
    if (!t)
        for (uint32_t& p : pixels_) p |= 0xFF000000u;
    ++version_;
}

void Surface::touch() { ++version_; }

uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Surface::setPixel(int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    at(x, y) = transparent_ ? argb : (argb | 0xFF000000u);
    ++version_;
}

bool Surface::clip(const Rect2D& r, int& x0, int& y0, int& x1, int& y1) const {
    x0 = std::max(toInt(r.x), 0);
    y0 = std::max(toInt(r.y), 0);
    x1 = std::min(toInt(r.x + r.width), width_);
    y1 = std::min(toInt(r.y + r.height), height_);
    return x0 < x1 && y0 < y1;
}

void Surface::fill(const Rect2D& r, uint32_t argb) {
    int x0, y0, x1, y1;
    if (!clip(r, x0, y0, x1, y1)) return;
    if (!transparent_) argb |= 0xFF000000u;
    for (int y = y0; y < y1; ++y) std::fill(&at(x0, y), &at(x0, y) + (x1 - x0), argb);
    ++version_;
}

namespace {
// Straight-alpha "over": src on dst.
inline uint32_t over(uint32_t s, uint32_t d) {
    uint32_t sa = s >> 24;
    if (sa == 255) return s;
    if (sa == 0) return d;
    uint32_t da = d >> 24;
    // Weights in 0..255·255.
    uint32_t ws = sa * 255, wd = da * (255 - sa);
    uint32_t wa = ws + wd;
    uint32_t oa = (wa + 127) / 255;
    uint32_t out = oa << 24;
    for (int sh = 0; sh <= 16; sh += 8) {
        uint32_t c = (((s >> sh) & 0xFF) * ws + ((d >> sh) & 0xFF) * wd + wa / 2) / wa;
        out |= std::min<uint32_t>(c, 255) << sh;
    }
    return out;
}
}  // namespace

void Surface::copyFrom(const Surface& src, const Rect2D& r, int dx, int dy, bool mergeAlpha) {
    int sx0, sy0, sx1, sy1;
    if (!src.clip(r, sx0, sy0, sx1, sy1)) return;
    // Where the clipped source lands, shifted by what clipping took off the source rect.
    int ox = dx + (sx0 - toInt(r.x)), oy = dy + (sy0 - toInt(r.y));
    int w = sx1 - sx0, h = sy1 - sy0;
    int x0 = std::max(ox, 0), y0 = std::max(oy, 0);
    int x1 = std::min(ox + w, width_), y1 = std::min(oy + h, height_);
    if (x0 >= x1 || y0 >= y1) return;
    // Copying a surface onto itself: go through a copy of the rows.
    std::vector<uint32_t> tmp;
    const uint32_t* base = src.pixels_.data();
    int stride = src.width_;
    if (&src == this) {
        tmp = pixels_;
        base = tmp.data();
    }
    for (int y = y0; y < y1; ++y) {
        const uint32_t* s = base + static_cast<std::size_t>(y - oy + sy0) * static_cast<std::size_t>(stride) + (x0 - ox + sx0);
        uint32_t* d = &at(x0, y);
        int n = x1 - x0;
        if (!mergeAlpha || !src.transparent_) {
            if (transparent_) std::memcpy(d, s, static_cast<std::size_t>(n) * 4);
            else
                for (int i = 0; i < n; ++i) d[i] = s[i] | 0xFF000000u;
        } else {
            for (int i = 0; i < n; ++i) {
                uint32_t o = over(s[i], d[i]);
                d[i] = transparent_ ? o : (o | 0xFF000000u);
            }
        }
    }
    ++version_;
}

void Surface::applyColorTransform(const Rect2D& r, const ColorTransform8& ct) {
    int x0, y0, x1, y1;
    if (!clip(r, x0, y0, x1, y1)) return;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            uint32_t p = transform(at(x, y), ct);
            at(x, y) = transparent_ ? p : (p | 0xFF000000u);
        }
    ++version_;
}

uint32_t Surface::premultiply(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return 0;
    uint32_t r = (((p >> 16) & 0xFF) * a + 127) / 255;
    uint32_t g = (((p >> 8) & 0xFF) * a + 127) / 255;
    uint32_t b = ((p & 0xFF) * a + 127) / 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

uint32_t Surface::unpremultiply(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return 0;
    uint32_t r = std::min<uint32_t>((((p >> 16) & 0xFF) * 255 + a / 2) / a, 255);
    uint32_t g = std::min<uint32_t>((((p >> 8) & 0xFF) * 255 + a / 2) / a, 255);
    uint32_t b = std::min<uint32_t>(((p & 0xFF) * 255 + a / 2) / a, 255);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

uint32_t Surface::transform(uint32_t p, const ColorTransform8& ct) {
    uint32_t a = channel(((p >> 24) & 0xFF) * ct.alphaMultiplier + ct.alphaOffset);
    uint32_t r = channel(((p >> 16) & 0xFF) * ct.redMultiplier + ct.redOffset);
    uint32_t g = channel(((p >> 8) & 0xFF) * ct.greenMultiplier + ct.greenOffset);
    uint32_t b = channel((p & 0xFF) * ct.blueMultiplier + ct.blueOffset);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

cairo_surface_t* Surface::cairoSurface() {
    if (empty()) return nullptr;
    if (premulSurface_ && premulVersion_ == version_) return premulSurface_;
    int stride = width_ * 4;
    if (!transparent_) {
        // Opaque pixels are their own premultiplied image.
        if (!premulSurface_)
            premulSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()),
                                                                 CAIRO_FORMAT_ARGB32, width_, height_, stride);
        else
            cairo_surface_mark_dirty(premulSurface_);
    } else {
        if (premul_.size() != pixels_.size()) {
            if (pattern_) cairo_pattern_destroy(pattern_);
            if (premulSurface_) cairo_surface_destroy(premulSurface_);
            if (premulImage_) pixman_image_unref(premulImage_);
            pattern_ = nullptr;
            premulSurface_ = nullptr;
            premulImage_ = nullptr;
            premul_.resize(pixels_.size());
        }
        uint32_t common = 0xFFFFFFFFu;
        for (std::size_t i = 0, n = pixels_.size(); i < n; ++i) {
            premul_[i] = premultiply(pixels_[i]);
            common &= pixels_[i];
        }
        opaquePixels_ = (common >> 24) == 0xFF;
        if (!premulSurface_)
            premulSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(premul_.data()),
                                                                 CAIRO_FORMAT_ARGB32, width_, height_, stride);
        else
            cairo_surface_mark_dirty(premulSurface_);
    }
    premulVersion_ = version_;
    return premulSurface_;
}

cairo_pattern_t* Surface::pattern() {
    cairo_surface_t* s = cairoSurface();
    if (!s) return nullptr;
    if (!pattern_) pattern_ = cairo_pattern_create_for_surface(s);
    return pattern_;
}

namespace {
bool sameTransform(const ColorTransform8& a, const ColorTransform8& b) {
    return a.redMultiplier == b.redMultiplier && a.greenMultiplier == b.greenMultiplier &&
           a.blueMultiplier == b.blueMultiplier && a.alphaMultiplier == b.alphaMultiplier &&
           a.redOffset == b.redOffset && a.greenOffset == b.greenOffset && a.blueOffset == b.blueOffset &&
           a.alphaOffset == b.alphaOffset;
}
}  // namespace

cairo_surface_t* Surface::transformedSurface(const ColorTransform8& ct) {
    if (empty()) return nullptr;
    if (transformedSurface_ && transformedVersion_ == version_ && sameTransform(ct, transformedCt_))
        return transformedSurface_;
    if (transformed_.size() != pixels_.size()) {
        if (transformedPattern_) cairo_pattern_destroy(transformedPattern_);
        if (transformedSurface_) cairo_surface_destroy(transformedSurface_);
        if (transformedImage_) pixman_image_unref(transformedImage_);
        transformedPattern_ = nullptr;
        transformedSurface_ = nullptr;
        transformedImage_ = nullptr;
        transformed_.resize(pixels_.size());
    }
    for (std::size_t i = 0, n = pixels_.size(); i < n; ++i) transformed_[i] = premultiply(transform(pixels_[i], ct));
    if (!transformedSurface_)
        transformedSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(transformed_.data()),
                                                                  CAIRO_FORMAT_ARGB32, width_, height_, width_ * 4);
    else
        cairo_surface_mark_dirty(transformedSurface_);
    transformedVersion_ = version_;
    transformedCt_ = ct;
    return transformedSurface_;
}

cairo_pattern_t* Surface::transformedPattern(const ColorTransform8& ct) {
    cairo_surface_t* s = transformedSurface(ct);
    if (!s) return nullptr;
    if (!transformedPattern_) transformedPattern_ = cairo_pattern_create_for_surface(s);
    return transformedPattern_;
}

pixman_image_t* Surface::pixmanImage() {
    cairo_surface_t* s = cairoSurface();
    if (!s) return nullptr;
    if (!premulImage_)
        premulImage_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, width_, height_,
                                                reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s)), width_ * 4);
    return premulImage_;
}

pixman_image_t* Surface::transformedPixmanImage(const ColorTransform8& ct) {
    cairo_surface_t* s = transformedSurface(ct);
    if (!s) return nullptr;
    if (!transformedImage_)
        transformedImage_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, width_, height_, transformed_.data(), width_ * 4);
    return transformedImage_;
}

pixman_image_t* Surface::fadedPixmanImage(unsigned alpha8) {
    if (fadedImage_ && fadedVersion_ == version_ && fadedAlpha_ == alpha8) return fadedImage_;
    if (askedVersion_ != version_ || askedAlpha_ != alpha8) {
        askedVersion_ = version_;
        askedAlpha_ = alpha8;
        return nullptr;
    }
    pixman_image_t* src = pixmanImage();
    if (!src) return nullptr;
    if (!fadedImage_) {
        faded_.resize(pixels_.size());
        fadedImage_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, width_, height_, faded_.data(), width_ * 4);
    }
    // The very multiplication compositing through the mask does.
    pixman_color_t c = {0, 0, 0, static_cast<uint16_t>(alpha8 * 257)};
    pixman_image_t* mask = pixman_image_create_solid_fill(&c);
    pixman_image_set_repeat(src, PIXMAN_REPEAT_NONE);
    pixman_image_composite32(PIXMAN_OP_SRC, src, mask, fadedImage_, 0, 0, 0, 0, 0, 0, width_, height_);
    pixman_image_unref(mask);
    fadedVersion_ = version_;
    fadedAlpha_ = alpha8;
    return fadedImage_;
}

cairo_t* Surface::beginDrawing() {
    cairo_surface_t* s = cairoSurface();
    if (!s) return nullptr;
    return cairo_create(s);
}

void Surface::endDrawing(cairo_t* cr, bool opaqueKept) {
    if (!cr) return;
    cairo_surface_flush(cairo_get_target(cr));
    cairo_destroy(cr);
    if (!transparent_) {
        if (!opaqueKept)
            for (uint32_t& p : pixels_) p |= 0xFF000000u;
    } else {
        for (std::size_t i = 0, n = pixels_.size(); i < n; ++i) {
            uint32_t p = premul_[i];
            // Pixels the drawing left alone keep their exact straight value.
            if (premultiply(pixels_[i]) != p) pixels_[i] = unpremultiply(p);
        }
    }
    ++version_;
    // The premultiplied image already shows the new pixels.
    if (transparent_) {
        uint32_t common = 0xFFFFFFFFu;
        for (std::size_t i = 0, n = pixels_.size(); i < n; ++i) {
            premul_[i] = premultiply(pixels_[i]);
            common &= pixels_[i];
        }
        opaquePixels_ = (common >> 24) == 0xFF;
    }
    if (premulSurface_) cairo_surface_mark_dirty(premulSurface_);
    premulVersion_ = version_;
}

}  // namespace media
