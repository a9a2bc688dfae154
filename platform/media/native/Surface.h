#pragma once
// A bitmap surface: straight (not premultiplied) ARGB pixels, one uint32 each, rows top to
// bottom. The premultiplied copy that cairo composites from is made only when the pixels have
// changed since it was last made, so a static surface costs nothing per frame.
#include <cairo.h>
#include <pixman.h>

#include <cstdint>
#include <vector>

#include "ColorTransform8.h"
#include "Rect2D.h"
#include "platform/runtime/Object.h"

namespace media {

class Surface : public runtime::Object {
public:
    // An opaque surface keeps every alpha at 255.
    Surface(int width, int height, bool transparent, uint32_t fill);
    ~Surface() override;
    std::string toString() const override { return "[native surface]"; }

    int width() const { return width_; }
    int height() const { return height_; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    void dispose();

    uint32_t* pixels() { return pixels_.data(); }
    const uint32_t* pixels() const { return pixels_.data(); }
    uint32_t& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]; }
    uint32_t pixel(int x, int y) const;  // 0 outside
    void setPixel(int x, int y, uint32_t argb);
    // Call after writing pixels() directly.
    void touch();

    // Integer area of r clipped to the surface; false when nothing is left.
    bool clip(const Rect2D& r, int& x0, int& y0, int& x1, int& y1) const;
    void fill(const Rect2D& r, uint32_t argb);
    // Copies src's area r to (dx, dy); with mergeAlpha the source is blended over.
    void copyFrom(const Surface& src, const Rect2D& r, int dx, int dy, bool mergeAlpha);
    void applyColorTransform(const Rect2D& r, const ColorTransform8& ct);

    // The premultiplied image cairo reads, current with the pixels.
    cairo_surface_t* cairoSurface();
    // A pattern over cairoSurface(), shared by every draw of this surface.
    cairo_pattern_t* pattern();
    // The premultiplied image of the pixels under a colour transform; cached for the last
    // transform asked.
    cairo_surface_t* transformedSurface(const ColorTransform8& ct);
    cairo_pattern_t* transformedPattern(const ColorTransform8& ct);
    // The same two images for compositing with pixman directly (null for an empty surface).
    pixman_image_t* pixmanImage();
    pixman_image_t* transformedPixmanImage(const ColorTransform8& ct);
    // pixmanImage() with every channel already multiplied by alpha8/255 as a solid mask of
    // that alpha multiplies it, for surfaces drawn again and again at one alpha: null the first
    // time an alpha is asked for (draw with the mask then), the image from the second time on.
    pixman_image_t* fadedPixmanImage(unsigned alpha8);
    // Whether every pixel is opaque, as of the last premultiplied image made (always for an
    // opaque surface).
    bool opaquePixels() const { return !transparent_ || opaquePixels_; }

    // Renders into this surface through cr, then takes the result back into the pixels.
    // Begin returns null for an empty surface. opaqueKept: the drawing used only operators
    // that leave opaque pixels opaque, so an opaque surface needs no alpha repair.
    cairo_t* beginDrawing();
    void endDrawing(cairo_t* cr, bool opaqueKept = false);

    // Straight ↔ premultiplied for one pixel.
    static uint32_t premultiply(uint32_t argb);
    static uint32_t unpremultiply(uint32_t argb);
    // v·m + o per channel, clamped to 0..255.
    static uint32_t transform(uint32_t argb, const ColorTransform8& ct);

    bool premultipliedFlag = false;
    int format = 0;

private:
    void releaseCache();

    int width_;
    int height_;
    bool transparent_;
    std::vector<uint32_t> pixels_;
    uint64_t version_ = 1;

    std::vector<uint32_t> premul_;
    cairo_surface_t* premulSurface_ = nullptr;
    cairo_pattern_t* pattern_ = nullptr;
    pixman_image_t* premulImage_ = nullptr;
    uint64_t premulVersion_ = 0;
    bool opaquePixels_ = false;  // of a transparent surface's premultiplied image

    std::vector<uint32_t> transformed_;
    cairo_surface_t* transformedSurface_ = nullptr;
    cairo_pattern_t* transformedPattern_ = nullptr;
    pixman_image_t* transformedImage_ = nullptr;

    std::vector<uint32_t> faded_;
    pixman_image_t* fadedImage_ = nullptr;
    uint64_t fadedVersion_ = 0;
    unsigned fadedAlpha_ = 0;
    uint64_t askedVersion_ = 0;
    unsigned askedAlpha_ = 0;
    uint64_t transformedVersion_ = 0;
    ColorTransform8 transformedCt_;
};

}  // namespace media
