#pragma once
// A pixel surface of the back end. The pixels live there; this object holds the surface handle
// and the transparency chosen at construction, and forwards nearly every operation to one
// primitive. Colours are 32-bit ARGB integers (straight alpha); pixel bytes hold A, R, G, B per
// pixel, rows top to bottom.
//
// Byte buffers are plain runtime::Bytes here (position 0 for setPixels); they become the
// framework's byte array once it exists.
#include <optional>

#include "BlendMode.h"
#include "IBitmapDrawable.h"
#include "framework/filters/BitmapFilter.h"
#include "framework/geom/ColorTransform.h"
#include "framework/geom/Matrix.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

// Slot name (primitive name without "native_"), primitive.
#define FRAMEWORK_BITMAP_DATA_PRIMITIVES(X)                                                              \
    X(media_bitmap_data_create, media_native_bitmap_data_create)                                        \
    X(media_bitmap_data_load, media_native_bitmap_data_load)                                            \
    X(media_bitmap_data_from_bytes, media_native_bitmap_data_from_bytes)                                \
    X(media_bitmap_data_clear, media_native_bitmap_data_clear)                                          \
    X(media_bitmap_data_clone, media_native_bitmap_data_clone)                                          \
    X(media_bitmap_data_apply_filter, media_native_bitmap_data_apply_filter)                            \
    X(media_bitmap_data_color_transform, media_native_bitmap_data_color_transform)                      \
    X(media_bitmap_data_copy, media_native_bitmap_data_copy)                                            \
    X(media_bitmap_data_copy_channel, media_native_bitmap_data_copy_channel)                            \
    X(media_bitmap_data_fill, media_native_bitmap_data_fill)                                            \
    X(media_bitmap_data_get_pixels, media_native_bitmap_data_get_pixels)                                \
    X(media_bitmap_data_get_pixel, media_native_bitmap_data_get_pixel)                                  \
    X(media_bitmap_data_get_pixel32, media_native_bitmap_data_get_pixel32)                              \
    X(media_bitmap_data_get_pixel_rgba, media_native_bitmap_data_get_pixel_rgba)                        \
    X(media_bitmap_data_get_array, media_native_bitmap_data_get_array)                                  \
    X(media_bitmap_data_get_color_bounds_rect, media_native_bitmap_data_get_color_bounds_rect)          \
    X(media_bitmap_data_scroll, media_native_bitmap_data_scroll)                                        \
    X(media_bitmap_data_set_pixel, media_native_bitmap_data_set_pixel)                                  \
    X(media_bitmap_data_set_pixel32, media_native_bitmap_data_set_pixel32)                              \
    X(media_bitmap_data_set_pixel_rgba, media_native_bitmap_data_set_pixel_rgba)                        \
    X(media_bitmap_data_set_bytes, media_native_bitmap_data_set_bytes)                                  \
    X(media_bitmap_data_set_format, media_native_bitmap_data_set_format)                                \
    X(media_bitmap_data_set_array, media_native_bitmap_data_set_array)                                  \
    X(media_bitmap_data_create_hardware_surface, media_native_bitmap_data_create_hardware_surface)      \
    X(media_bitmap_data_destroy_hardware_surface, media_native_bitmap_data_destroy_hardware_surface)    \
    X(media_bitmap_data_dispose, media_native_bitmap_data_dispose)                                      \
    X(media_bitmap_data_generate_filter_rect, media_native_bitmap_data_generate_filter_rect)            \
    X(media_render_surface_to_surface, media_native_render_surface_to_surface)                          \
    X(media_bitmap_data_width, media_native_bitmap_data_width)                                          \
    X(media_bitmap_data_height, media_native_bitmap_data_height)                                        \
    X(media_bitmap_data_get_transparent, media_native_bitmap_data_get_transparent)                      \
    X(media_bitmap_data_set_flags, media_native_bitmap_data_set_flags)                                  \
    X(media_bitmap_data_encode, media_native_bitmap_data_encode)                                        \
    X(media_bitmap_data_dump_bits, media_native_bitmap_data_dump_bits)                                  \
    X(media_bitmap_data_flood_fill, media_native_bitmap_data_flood_fill)                                \
    X(media_bitmap_data_noise, media_native_bitmap_data_noise)                                          \
    X(media_bitmap_data_multiply_alpha, media_native_bitmap_data_multiply_alpha)                        \
    X(media_bitmap_data_unmultiply_alpha, media_native_bitmap_data_unmultiply_alpha)                    \
    X(media_bitmap_data_get_prem_alpha, media_native_bitmap_data_get_prem_alpha)                        \
    X(media_bitmap_data_set_prem_alpha, media_native_bitmap_data_set_prem_alpha)

class BitmapData : public runtime::Object, public IBitmapDrawable {
    RUNTIME_CLASS(BitmapData)
public:
    static constexpr int createColor(int rgb, int alpha = 0xFF) {
        return static_cast<int>(static_cast<uint32_t>(rgb) | (static_cast<uint32_t>(alpha) << 24));
    }
    static inline const int CLEAR = createColor(0, 0);
    static inline const int BLACK = createColor(0x000000, 0xFF);
    static inline const int RED = createColor(0xFF0000, 0xFF);
    static inline const int GREEN = createColor(0x00FF00, 0xFF);
    static inline const int BLUE = createColor(0x0000FF, 0xFF);
    static constexpr const char* PNG = "png";
    static constexpr const char* JPG = "jpg";
    static constexpr int TRANSPARENT = 1;
    static constexpr int HARDWARE = 2;
    static constexpr int FORMAT_8888 = 0;
    static constexpr int FORMAT_4444 = 1;
    static constexpr int FORMAT_565 = 2;

#define FRAMEWORK_DECLARE_SLOT(slot, primitive) static inline runtime::Primitive slot;
    FRAMEWORK_BITMAP_DATA_PRIMITIVES(FRAMEWORK_DECLARE_SLOT)
#undef FRAMEWORK_DECLARE_SLOT
    static void initClass();

    // Width or height below 1 makes no surface (the handle stays null).
    BitmapData(int width, int height, bool transparent = true, int fillColor = -1 /* 0xFFFFFFFF */,
               std::optional<int> gpuMode = std::nullopt);
    explicit BitmapData(runtime::NoInit) {}

    // A new bitmap over the surface decoded from the file (null handle when it cannot be read).
    static runtime::Ref<BitmapData> load(const runtime::String& filename, int format = 0);
    // A new bitmap over the surface decoded from image file bytes; rawAlpha (one byte per pixel)
    // replaces the decoded alpha.
    static runtime::Ref<BitmapData> loadFromBytes(const runtime::Ref<runtime::Bytes>& bytes,
                                                  const runtime::Ref<runtime::Bytes>& rawAlpha = nullptr);
    static runtime::Ref<BitmapData> loadFromPlainBytes(const runtime::Ref<runtime::Bytes>& bytes,
                                                       const runtime::Ref<runtime::Bytes>& rawAlpha = nullptr);
    static int extractAlpha(int argb) { return static_cast<int>(static_cast<uint32_t>(argb) >> 24); }
    static int extractColor(int argb) { return argb & 0xFFFFFF; }
    static bool sameValue(int a, int b) { return a == b; }
    // The four bytes in reverse order.
    static int flipPixel_(int value);
    // Unsigned comparison: 1, -1 or 0.
    static int ucompare_(int a, int b);
    // The pixels with each pixel's bytes in the order R, G, B, A.
    static runtime::Ref<runtime::Bytes> getRGBAPixels(const runtime::Ref<BitmapData>& bitmapData);

    virtual void applyFilter(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                             const runtime::Ref<Point>& destPoint, const runtime::Ref<BitmapFilter>& filter);
    virtual void clear(int color);
    virtual runtime::Ref<BitmapData> clone();
    virtual void colorTransform(const runtime::Ref<Rectangle>& rect, const runtime::Ref<ColorTransform>& colorTransform);
    virtual void copyChannel(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                             const runtime::Ref<Point>& destPoint, int sourceChannel, int destChannel);
    // alphaBitmapData and alphaPoint are accepted and ignored.
    virtual void copyPixels(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                            const runtime::Ref<Point>& destPoint, const runtime::Ref<BitmapData>& alphaBitmapData = nullptr,
                            const runtime::Ref<Point>& alphaPoint = nullptr, bool mergeAlpha = false);
    virtual void createHardwareSurface();
    virtual void destroyHardwareSurface();
    // Releases the surface once; the handle is null afterwards.
    virtual void dispose();
    // Renders source (a display object or a bitmap) into this bitmap. source is an IBitmapDrawable.
    virtual void draw(const runtime::Ref<runtime::Object>& source, const runtime::Ref<Matrix>& matrix = nullptr,
                      const runtime::Ref<ColorTransform>& colorTransform = nullptr,
                      std::optional<BlendMode> blendMode = std::nullopt,
                      const runtime::Ref<Rectangle>& clipRect = nullptr, bool smoothing = false);
    virtual void dumpBits();
    // rectOrFormat: "png"/"jpg" with a quality number, or a rectangle with an encoder options
    // record; anything else gives null. byteArray is not used.
    virtual runtime::Ref<runtime::Bytes> encode(const runtime::Value& rectOrFormat,
                                                const runtime::Value& compressorOrQuality = runtime::Value(),
                                                const runtime::Ref<runtime::Bytes>& byteArray = nullptr);
    virtual void fillRect(const runtime::Ref<Rectangle>& rect, int color);
    virtual void fillRectEx(const runtime::Ref<Rectangle>& rect, int color, int alpha = 255);
    virtual void floodFill(int x, int y, int color);
    virtual runtime::Ref<Rectangle> generateFilterRect(const runtime::Ref<Rectangle>& sourceRect,
                                                       const runtime::Ref<BitmapFilter>& filter);
    virtual runtime::Ref<Rectangle> getColorBoundsRect(int mask, int color, bool findColor = true);
    virtual int getPixel(int x, int y);
    virtual int getPixel32(int x, int y);
    virtual runtime::Ref<runtime::Bytes> getPixels(const runtime::Ref<Rectangle>& rect);
    virtual runtime::Ref<runtime::Array> getVector(const runtime::Ref<Rectangle>& rect);
    virtual void lock() {}
    virtual void multiplyAlpha();
    // Computed here over pixel words: opaque grey Perlin noise over the whole bitmap (baseX and
    // baseY shift the pattern; the stitch, fractal, channel, grey and offset arguments are
    // ignored).
    virtual void perlinNoise(double baseX, double baseY, int numOctaves, int randomSeed, bool stitch, bool fractalNoise,
                             int channelOptions = 7, bool grayScale = false,
                             const runtime::Ref<runtime::Array>& offsets = nullptr);
    // Pixels whose masked byte-reversed word passes the test against the byte-reversed
    // threshold become color; returns the count. Only pixels inside sourceRect and the source
    // surface are visited.
    virtual int threshold(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                          const runtime::Ref<Point>& destPoint, const runtime::String& operation, int threshold,
                          int color = 0, int mask = -1 /* 0xFFFFFFFF */, bool copySource = false);
    // Each channel looked up in its array (null keeps it); the four results summed bytewise.
    virtual void paletteMap(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                            const runtime::Ref<Point>& destPoint, const runtime::Ref<runtime::Array>& redArray = nullptr,
                            const runtime::Ref<runtime::Array>& greenArray = nullptr,
                            const runtime::Ref<runtime::Array>& blueArray = nullptr,
                            const runtime::Ref<runtime::Array>& alphaArray = nullptr);
    // Per channel (source * m + dest * (256 - m)) / 256, rounded down.
    virtual void merge(const runtime::Ref<BitmapData>& sourceBitmapData, const runtime::Ref<Rectangle>& sourceRect,
                       const runtime::Ref<Point>& destPoint, int redMultiplier, int greenMultiplier, int blueMultiplier,
                       int alphaMultiplier);
    virtual void noise(int randomSeed, int low = 0, int high = 255, int channelOptions = 7, bool grayScale = false);
    virtual void scroll(int x, int y);
    virtual void setFlags(int flags);
    virtual void setFormat(int format);
    virtual void setPixel(int x, int y, int color);
    virtual void setPixel32(int x, int y, int color);
    // Throws EOFError, writing nothing, when bytes holds fewer than width * height * 4 bytes.
    virtual void setPixels(const runtime::Ref<Rectangle>& rect, const runtime::Ref<runtime::Bytes>& bytes);
    // A vector shorter than the rectangle writes nothing.
    virtual void setVector(const runtime::Ref<Rectangle>& rect, const runtime::Ref<runtime::Array>& inputVector);
    virtual void unlock() {}
    virtual void unmultiplyAlpha();
    void drawToSurface_(const runtime::Value& surface, const runtime::Ref<Matrix>& matrix,
                        const runtime::Ref<ColorTransform>& colorTransform, const runtime::String& blendMode,
                        const runtime::Ref<Rectangle>& clipRect, bool smoothing) override;
    // Replaces the handle (the earlier surface is dropped, not disposed).
    virtual void loadFromBytes_(const runtime::Ref<runtime::Bytes>& bytes,
                                const runtime::Ref<runtime::Bytes>& rawAlpha = nullptr);

    virtual bool get_premultipliedAlpha();
    virtual bool set_premultipliedAlpha(bool value);
    virtual runtime::Ref<Rectangle> get_rect();
    virtual int get_width();
    virtual int get_height();
    virtual bool get_transparent() { return transparent_; }

    runtime::Value handle_;
    bool transparent_ = false;

protected:
    // For embedded pictures: the surface decoded from the embedded resource named resourceName
    // (a null handle when there is no such resource).
    void loadEmbedded_(std::string_view resourceName);
};

}  // namespace framework
