// Bitmap-surface primitives. Colours cross as straight ARGB integers; pixel bytes as A, R, G, B.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "Records.h"
#include "ImageCodec.h"
#include "Renderer.h"
#include "Surface.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"

using media::Surface;
using runtime::Value;

namespace {
Surface* surfaceOf(const Value& v) {
    auto* s = v.as<Surface>();
    return s && !s->empty() ? s : nullptr;
}

uint32_t argbOf(const Value& v) { return static_cast<uint32_t>(v.toInt()); }
Value intOf(uint32_t argb) { return Value(static_cast<int32_t>(argb)); }

// The byte storage of a byte array and its valid length.
const std::vector<uint8_t>* bytesOf(const Value& byteArray, std::size_t& length) {
    length = 0;
    if (!byteArray.isObject()) return nullptr;
    auto* storage = byteArray.field("b").as<runtime::ByteStorage>();
    if (!storage) return nullptr;
    int64_t len = byteArray.field("length").toInt();
    length = static_cast<std::size_t>(std::max<int64_t>(0, std::min<int64_t>(len, static_cast<int64_t>(storage->bytes.size()))));
    return &storage->bytes;
}

uint32_t noiseNext(uint32_t& state) {
    // Park–Miller minimal standard generator.
    state = static_cast<uint32_t>((static_cast<uint64_t>(state) * 16807u) % 2147483647u);
    return state;
}
}  // namespace

#define SURFACE_OR_NULL(argIndex, name)           \
    Surface* name = surfaceOf(MEDIA_ARG(argIndex)); \
    if (!name) return {};

MEDIA_EXPORT(media_native_bitmap_data_create, MULT) {
    int w = MEDIA_ARG(0).toInt(), h = MEDIA_ARG(1).toInt();
    if (w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > (1 << 28)) return {};
    bool transparent = (MEDIA_ARG(2).toInt() & 1) != 0;
    uint32_t rgb = argbOf(MEDIA_ARG(3)) & 0xFFFFFFu;
    uint32_t alpha = static_cast<uint32_t>(MEDIA_ARG(4).toInt()) & 0xFFu;
    return Value(runtime::make<Surface>(w, h, transparent, (alpha << 24) | rgb));
}

MEDIA_EXPORT(media_native_bitmap_data_load, 2) {
    if (MEDIA_ARG(0).isNull()) return {};
    auto s = media::ImageCodec::load(MEDIA_ARG(0).toText());
    return s ? Value(s) : Value();
}

MEDIA_EXPORT(media_native_bitmap_data_from_bytes, 2) {
    std::size_t length;
    const std::vector<uint8_t>* bytes = bytesOf(MEDIA_ARG(0), length);
    if (!bytes) return {};
    auto s = media::ImageCodec::decode(bytes->data(), length);
    if (!s) return {};
    // Raw alpha: one byte per pixel replaces the decoded alpha.
    std::size_t alphaLength;
    const std::vector<uint8_t>* alpha = bytesOf(MEDIA_ARG(1), alphaLength);
    std::size_t count = static_cast<std::size_t>(s->width()) * static_cast<std::size_t>(s->height());
    if (alpha && alphaLength >= count) {
        uint32_t* p = s->pixels();
        for (std::size_t i = 0; i < count; ++i) p[i] = (p[i] & 0xFFFFFFu) | (static_cast<uint32_t>((*alpha)[i]) << 24);
        s->touch();
    }
    return Value(s);
}

MEDIA_EXPORT(media_native_bitmap_data_clear, 2) {
    SURFACE_OR_NULL(0, s);
    s->fill({0, 0, static_cast<double>(s->width()), static_cast<double>(s->height())}, argbOf(MEDIA_ARG(1)));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_clone, 1) {
    SURFACE_OR_NULL(0, s);
    auto copy = runtime::make<Surface>(s->width(), s->height(), s->transparent(), 0);
    copy->copyFrom(*s, {0, 0, static_cast<double>(s->width()), static_cast<double>(s->height())}, 0, 0, false);
    copy->premultipliedFlag = s->premultipliedFlag;
    copy->format = s->format;
    return Value(copy);
}

// No filter kinds exist: the source area is copied as it is.
MEDIA_EXPORT(media_native_bitmap_data_apply_filter, 5) {
    SURFACE_OR_NULL(0, dst);
    SURFACE_OR_NULL(1, src);
    const Value& p = MEDIA_ARG(3);
    dst->copyFrom(*src, media::Records::rect(MEDIA_ARG(2)), p.field("x").toInt(), p.field("y").toInt(), false);
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_generate_filter_rect, 3) {
    if (MEDIA_ARG(0).isNull() || MEDIA_ARG(2).isNull()) return {};
    media::Records::writeRect(MEDIA_ARG(2), media::Records::rect(MEDIA_ARG(0)));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_color_transform, 3) {
    SURFACE_OR_NULL(0, s);
    if (MEDIA_ARG(1).isNull() || MEDIA_ARG(2).isNull()) return {};
    s->applyColorTransform(media::Records::rect(MEDIA_ARG(1)), media::Records::colorTransform(MEDIA_ARG(2)));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_copy, 5) {
    SURFACE_OR_NULL(0, src);
    SURFACE_OR_NULL(2, dst);
    if (MEDIA_ARG(1).isNull()) return {};
    const Value& p = MEDIA_ARG(3);
    dst->copyFrom(*src, media::Records::rect(MEDIA_ARG(1)), static_cast<int>(std::floor(p.field("x").toFloat())),
                  static_cast<int>(std::floor(p.field("y").toFloat())), MEDIA_ARG(4).toBool());
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_copy_channel, MULT) {
    SURFACE_OR_NULL(0, src);
    SURFACE_OR_NULL(2, dst);
    if (MEDIA_ARG(1).isNull()) return {};
    auto shiftOf = [](int channel) { return channel == 1 ? 16 : channel == 2 ? 8 : channel == 4 ? 0 : channel == 8 ? 24 : -1; };
    int from = shiftOf(MEDIA_ARG(4).toInt()), to = shiftOf(MEDIA_ARG(5).toInt());
    if (from < 0 || to < 0) return {};
    media::Rect2D r = media::Records::rect(MEDIA_ARG(1));
    int sx0, sy0, sx1, sy1;
    if (!src->clip(r, sx0, sy0, sx1, sy1)) return {};
    int dx = MEDIA_ARG(3).field("x").toInt() + (sx0 - static_cast<int>(r.x));
    int dy = MEDIA_ARG(3).field("y").toInt() + (sy0 - static_cast<int>(r.y));
    // Read everything first: source and destination may be one surface.
    std::vector<uint32_t> values;
    values.reserve(static_cast<std::size_t>(sx1 - sx0) * static_cast<std::size_t>(sy1 - sy0));
    for (int y = sy0; y < sy1; ++y)
        for (int x = sx0; x < sx1; ++x) values.push_back((src->pixel(x, y) >> from) & 0xFF);
    std::size_t k = 0;
    for (int y = sy0; y < sy1; ++y)
        for (int x = sx0; x < sx1; ++x, ++k) {
            int tx = dx + x - sx0, ty = dy + y - sy0;
            if (tx < 0 || ty < 0 || tx >= dst->width() || ty >= dst->height()) continue;
            uint32_t p = dst->pixel(tx, ty);
            dst->at(tx, ty) = (p & ~(0xFFu << to)) | (values[k] << to);
            if (!dst->transparent()) dst->at(tx, ty) |= 0xFF000000u;
        }
    dst->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_fill, 4) {
    SURFACE_OR_NULL(0, s);
    if (MEDIA_ARG(1).isNull()) return {};
    uint32_t rgb = argbOf(MEDIA_ARG(2)) & 0xFFFFFFu, alpha = static_cast<uint32_t>(MEDIA_ARG(3).toInt()) & 0xFF;
    s->fill(media::Records::rect(MEDIA_ARG(1)), (alpha << 24) | rgb);
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_get_pixels, 2) {
    SURFACE_OR_NULL(0, s);
    if (MEDIA_ARG(1).isNull()) return {};
    media::Rect2D r = media::Records::rect(MEDIA_ARG(1));
    int x0, y0, x1, y1;
    std::vector<uint8_t> out;
    if (s->clip(r, x0, y0, x1, y1)) {
        out.reserve(static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(y1 - y0) * 4);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                uint32_t p = s->pixel(x, y);
                out.push_back(static_cast<uint8_t>(p >> 24));
                out.push_back(static_cast<uint8_t>(p >> 16));
                out.push_back(static_cast<uint8_t>(p >> 8));
                out.push_back(static_cast<uint8_t>(p));
            }
    }
    return Value(runtime::make<runtime::Bytes>(std::move(out)));
}

MEDIA_EXPORT(media_native_bitmap_data_set_bytes, 4) {
    SURFACE_OR_NULL(0, s);
    if (MEDIA_ARG(1).isNull()) return {};
    std::size_t length;
    const std::vector<uint8_t>* bytes = bytesOf(MEDIA_ARG(2), length);
    if (!bytes) return {};
    int64_t offset = std::max(MEDIA_ARG(3).toInt(), 0);
    int x0, y0, x1, y1;
    if (!s->clip(media::Records::rect(MEDIA_ARG(1)), x0, y0, x1, y1)) return {};
    std::size_t at = static_cast<std::size_t>(offset);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, at += 4) {
            if (at + 4 > length) {
                s->touch();
                return {};
            }
            const uint8_t* b = bytes->data() + at;
            uint32_t p = (static_cast<uint32_t>(b[0]) << 24) | (static_cast<uint32_t>(b[1]) << 16) |
                         (static_cast<uint32_t>(b[2]) << 8) | b[3];
            s->at(x, y) = s->transparent() ? p : (p | 0xFF000000u);
        }
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_get_pixel, 3) {
    SURFACE_OR_NULL(0, s);
    return intOf(s->pixel(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt()) & 0xFFFFFFu);
}

MEDIA_EXPORT(media_native_bitmap_data_get_pixel32, 3) {
    SURFACE_OR_NULL(0, s);
    return intOf(s->pixel(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt()));
}

MEDIA_EXPORT(media_native_bitmap_data_set_pixel, 4) {
    SURFACE_OR_NULL(0, s);
    int x = MEDIA_ARG(1).toInt(), y = MEDIA_ARG(2).toInt();
    // The pixel keeps its alpha.
    s->setPixel(x, y, (s->pixel(x, y) & 0xFF000000u) | (argbOf(MEDIA_ARG(3)) & 0xFFFFFFu));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_set_pixel32, 4) {
    SURFACE_OR_NULL(0, s);
    s->setPixel(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt(), argbOf(MEDIA_ARG(3)));
    return {};
}

// The RGBA forms: red in the top byte, alpha in the lowest.
MEDIA_EXPORT(media_native_bitmap_data_get_pixel_rgba, 3) {
    SURFACE_OR_NULL(0, s);
    uint32_t p = s->pixel(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt());
    return intOf((p << 8) | (p >> 24));
}

MEDIA_EXPORT(media_native_bitmap_data_set_pixel_rgba, 4) {
    SURFACE_OR_NULL(0, s);
    uint32_t v = argbOf(MEDIA_ARG(3));
    s->setPixel(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt(), (v >> 8) | (v << 24));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_get_transparent, 1) {
    SURFACE_OR_NULL(0, s);
    return Value(s->transparent());
}

MEDIA_EXPORT(media_native_bitmap_data_get_array, 3) {
    SURFACE_OR_NULL(0, s);
    auto* vec = MEDIA_ARG(2).as<runtime::Array>();
    if (!vec || MEDIA_ARG(1).isNull()) return {};
    int x0, y0, x1, y1;
    if (!s->clip(media::Records::rect(MEDIA_ARG(1)), x0, y0, x1, y1)) return {};
    int i = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) vec->set(i++, intOf(s->pixel(x, y)));
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_set_array, 3) {
    SURFACE_OR_NULL(0, s);
    auto* vec = MEDIA_ARG(2).as<runtime::Array>();
    if (!vec || MEDIA_ARG(1).isNull()) return {};
    int x0, y0, x1, y1;
    if (!s->clip(media::Records::rect(MEDIA_ARG(1)), x0, y0, x1, y1)) return {};
    int i = 0, n = vec->length();
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1 && i < n; ++x) {
            uint32_t p = argbOf(vec->at(i++));
            s->at(x, y) = s->transparent() ? p : (p | 0xFF000000u);
        }
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_get_color_bounds_rect, 5) {
    SURFACE_OR_NULL(0, s);
    if (MEDIA_ARG(4).isNull()) return {};
    uint32_t mask = argbOf(MEDIA_ARG(1)), color = argbOf(MEDIA_ARG(2));
    bool find = MEDIA_ARG(3).toBool();
    int l = s->width(), t = s->height(), r = -1, b = -1;
    for (int y = 0; y < s->height(); ++y)
        for (int x = 0; x < s->width(); ++x) {
            bool match = (s->pixel(x, y) & mask) == color;
            if (match != find) continue;
            l = std::min(l, x);
            t = std::min(t, y);
            r = std::max(r, x);
            b = std::max(b, y);
        }
    media::Records::writeRect(MEDIA_ARG(4), r < 0 ? media::Rect2D{} : media::Rect2D{static_cast<double>(l), static_cast<double>(t),
                                                                    static_cast<double>(r - l + 1), static_cast<double>(b - t + 1)});
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_scroll, 3) {
    SURFACE_OR_NULL(0, s);
    int dx = MEDIA_ARG(1).toInt(), dy = MEDIA_ARG(2).toInt();
    // What moves in from outside keeps the old pixels.
    s->copyFrom(*s, {0, 0, static_cast<double>(s->width()), static_cast<double>(s->height())}, dx, dy, false);
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_set_format, 2) {
    SURFACE_OR_NULL(0, s);
    s->format = MEDIA_ARG(1).toInt();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_set_flags, 2) {
    SURFACE_OR_NULL(0, s);
    s->setTransparent((MEDIA_ARG(1).toInt() & 1) != 0);
    return {};
}

// Surfaces always live in memory here: hardware copies and dropping bits do nothing.
MEDIA_EXPORT(media_native_bitmap_data_create_hardware_surface, 1) { return {}; }
MEDIA_EXPORT(media_native_bitmap_data_destroy_hardware_surface, 1) { return {}; }
MEDIA_EXPORT(media_native_bitmap_data_dump_bits, 1) { return {}; }

MEDIA_EXPORT(media_native_bitmap_data_dispose, 1) {
    if (auto* s = MEDIA_ARG(0).as<Surface>()) s->dispose();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_width, 1) {
    SURFACE_OR_NULL(0, s);
    return Value(s->width());
}

MEDIA_EXPORT(media_native_bitmap_data_height, 1) {
    SURFACE_OR_NULL(0, s);
    return Value(s->height());
}

MEDIA_EXPORT(media_native_bitmap_data_encode, 3) {
    SURFACE_OR_NULL(0, s);
    double quality = MEDIA_ARG(2).isNull() ? 0.9 : MEDIA_ARG(2).toFloat();
    std::string format = MEDIA_ARG(1).isNull() ? "png" : MEDIA_ARG(1).toText();
    std::vector<uint8_t> bytes = media::ImageCodec::encode(*s, format, quality);
    if (bytes.empty()) return {};
    return Value(runtime::make<runtime::Bytes>(std::move(bytes)));
}

MEDIA_EXPORT(media_native_bitmap_data_flood_fill, 4) {
    SURFACE_OR_NULL(0, s);
    int x = MEDIA_ARG(1).toInt(), y = MEDIA_ARG(2).toInt();
    if (x < 0 || y < 0 || x >= s->width() || y >= s->height()) return {};
    uint32_t color = argbOf(MEDIA_ARG(3));
    if (!s->transparent()) color |= 0xFF000000u;
    uint32_t from = s->pixel(x, y);
    if (from == color) return {};
    std::vector<std::pair<int, int>> todo{{x, y}};
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        if (px < 0 || py < 0 || px >= s->width() || py >= s->height() || s->at(px, py) != from) continue;
        s->at(px, py) = color;
        todo.push_back({px + 1, py});
        todo.push_back({px - 1, py});
        todo.push_back({px, py + 1});
        todo.push_back({px, py - 1});
    }
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_noise, MULT) {
    SURFACE_OR_NULL(0, s);
    uint32_t state = static_cast<uint32_t>(MEDIA_ARG(1).toInt()) % 2147483647u;
    if (state == 0) state = 1;
    int low = std::clamp(MEDIA_ARG(2).isNull() ? 0 : MEDIA_ARG(2).toInt(), 0, 255);
    int high = std::clamp(MEDIA_ARG(3).isNull() ? 255 : MEDIA_ARG(3).toInt(), 0, 255);
    if (high < low) std::swap(low, high);
    int channels = MEDIA_ARG(4).isNull() ? 7 : MEDIA_ARG(4).toInt();
    bool gray = MEDIA_ARG(5).toBool();
    uint32_t span = static_cast<uint32_t>(high - low + 1);
    auto next = [&]() { return static_cast<uint32_t>(low) + noiseNext(state) % span; };
    for (int y = 0; y < s->height(); ++y)
        for (int x = 0; x < s->width(); ++x) {
            uint32_t r = 0, g = 0, b = 0, a = 255;
            if (gray) {
                r = g = b = next();
            } else {
                if (channels & 1) r = next();
                if (channels & 2) g = next();
                if (channels & 4) b = next();
            }
            if ((channels & 8) && s->transparent()) a = next();
            s->at(x, y) = (a << 24) | (r << 16) | (g << 8) | b;
        }
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_multiply_alpha, 1) {
    SURFACE_OR_NULL(0, s);
    uint32_t* p = s->pixels();
    for (std::size_t i = 0, n = static_cast<std::size_t>(s->width()) * static_cast<std::size_t>(s->height()); i < n; ++i)
        p[i] = Surface::premultiply(p[i]);
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_unmultiply_alpha, 1) {
    SURFACE_OR_NULL(0, s);
    uint32_t* p = s->pixels();
    for (std::size_t i = 0, n = static_cast<std::size_t>(s->width()) * static_cast<std::size_t>(s->height()); i < n; ++i)
        p[i] = Surface::unpremultiply(p[i]);
    s->touch();
    return {};
}

MEDIA_EXPORT(media_native_bitmap_data_get_prem_alpha, 1) {
    SURFACE_OR_NULL(0, s);
    return Value(s->premultipliedFlag);
}

MEDIA_EXPORT(media_native_bitmap_data_set_prem_alpha, 2) {
    SURFACE_OR_NULL(0, s);
    s->premultipliedFlag = MEDIA_ARG(1).toBool();
    return {};
}

MEDIA_EXPORT(media_native_render_surface_to_surface, MULT) {
    SURFACE_OR_NULL(0, dst);
    SURFACE_OR_NULL(1, src);
    media::Rect2D clip;
    bool hasClip = !MEDIA_ARG(5).isNull();
    if (hasClip) clip = media::Records::rect(MEDIA_ARG(5));
    std::string blend = MEDIA_ARG(4).isNull() ? std::string() : MEDIA_ARG(4).toText();
    media::Renderer::drawSurface(*src, *dst, media::Records::matrix(MEDIA_ARG(2)), media::Records::colorTransform(MEDIA_ARG(3)),
                                 media::Renderer::blendModeOf(blend), hasClip ? &clip : nullptr, MEDIA_ARG(6).toBool());
    return {};
}
