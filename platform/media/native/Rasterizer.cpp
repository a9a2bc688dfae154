#include "Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <immintrin.h>

namespace media {

namespace {
constexpr double KAPPA = 0.5522847498307936;  // cubic approximation of a quarter circle
constexpr double GRADIENT_HALF = 819.2;       // half the side of the unit gradient square

inline double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : (v == v ? v : 0); }

// The colour of rgb and alpha (0..1) under ct, as cairo's 0..1 components.
void colorOf(uint32_t rgb, double alpha, const ColorTransform8& ct, double out[4]) {
    out[0] = clamp01((((rgb >> 16) & 0xFF) * ct.redMultiplier + ct.redOffset) / 255.0);
    out[1] = clamp01((((rgb >> 8) & 0xFF) * ct.greenMultiplier + ct.greenOffset) / 255.0);
    out[2] = clamp01(((rgb & 0xFF) * ct.blueMultiplier + ct.blueOffset) / 255.0);
    out[3] = clamp01((alpha * 255.0 * ct.alphaMultiplier + ct.alphaOffset) / 255.0);
}

bool colorsOnlyScaleAlpha(const ColorTransform8& ct) {
    return ct.redMultiplier == 1 && ct.greenMultiplier == 1 && ct.blueMultiplier == 1 && ct.redOffset == 0 &&
           ct.greenOffset == 0 && ct.blueOffset == 0 && ct.alphaOffset == 0;
}

void setMatrix(cairo_t* cr, const Matrix2D& m) {
    cairo_matrix_t cm = Rasterizer::toCairo(m);
    cairo_set_matrix(cr, &cm);
}

// Paints the current source through the current path with alpha.
void fillWithAlpha(cairo_t* cr, double alpha) {
    if (alpha >= 1) {
        cairo_fill(cr);
        return;
    }
    cairo_save(cr);
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

// Coordinates cairo holds exactly as whole pixels (its fixed point has 24 integer bits).
inline bool wholePixel(double v) { return v == std::floor(v) && std::fabs(v) <= 4194304.0; }

// Whether m moves by whole pixels only.
inline bool integerTranslation(const Matrix2D& m) {
    return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && wholePixel(m.tx) && wholePixel(m.ty);
}

// x·a/255 rounded as the compositor rounds it.
inline uint32_t mul255(uint32_t x, uint32_t a) {
    uint32_t t = x * a + 0x80;
    return (t + (t >> 8)) >> 8;
}

// Premultiplied s over d, n pixels: each byte of s plus the byte of d times (255 − alpha of
// s)/255, saturated; byte for byte what pixman's over gives.
void overRow(uint32_t* d, const uint32_t* s, int n) {
    for (int i = 0; i < n; ++i) {
        uint32_t sp = s[i], ia = 255 - (sp >> 24);
        if (ia == 255) {
            if (sp == 0) continue;
        } else if (ia == 0) {
            d[i] = sp;
            continue;
        }
        uint32_t dp = d[i], out = 0;
        for (int sh = 0; sh < 32; sh += 8) {
            uint32_t c = ((sp >> sh) & 0xFF) + mul255((dp >> sh) & 0xFF, ia);
            out |= std::min<uint32_t>(c, 255) << sh;
        }
        d[i] = out;
    }
}

// The same, eight pixels at a time.
__attribute__((target("avx2"))) void overRowAvx2(uint32_t* d, const uint32_t* s, int n) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i round = _mm256_set1_epi16(0x80);
    const __m256i div = _mm256_set1_epi16(0x101);
    const __m256i ones = _mm256_set1_epi16(0xFF);
    const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        if (_mm256_testz_si256(sv, sv)) continue;
        __m256i* dp = reinterpret_cast<__m256i*>(d + i);
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(sv, alphaBits), alphaBits)) == -1) {
            _mm256_storeu_si256(dp, sv);
            continue;
        }
        __m256i dv = _mm256_loadu_si256(dp);
        // Alphas of 0 and 255 only (hard-edged sprites): d + s where clear, s where opaque.
        __m256i sa = _mm256_and_si256(sv, alphaBits);
        __m256i full = _mm256_cmpeq_epi32(sa, alphaBits);
        if (_mm256_movemask_epi8(_mm256_or_si256(full, _mm256_cmpeq_epi32(sa, zero))) == -1) {
            _mm256_storeu_si256(dp, _mm256_blendv_epi8(_mm256_adds_epu8(dv, sv), sv, full));
            continue;
        }
        __m256i sl = _mm256_unpacklo_epi8(sv, zero), sh = _mm256_unpackhi_epi8(sv, zero);
        __m256i il = _mm256_xor_si256(_mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sl, 0xFF), 0xFF), ones);
        __m256i ih = _mm256_xor_si256(_mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sh, 0xFF), 0xFF), ones);
        __m256i dl = _mm256_mulhi_epu16(_mm256_adds_epu16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), il), round), div);
        __m256i dh = _mm256_mulhi_epu16(_mm256_adds_epu16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), ih), round), div);
        _mm256_storeu_si256(dp, _mm256_adds_epu8(_mm256_packus_epi16(dl, dh), sv));
    }
    overRow(d + i, s + i, n - i);
}

// overRowAvx2 over h rows of w pixels.
__attribute__((target("avx2"))) void overRectAvx2(uint32_t* to, int toStride, const uint32_t* from, int fromStride, int w,
                                                  int h) {
    // Small images land anywhere on the target: ask for all their rows at once.
    if (h <= 64)
        for (int y = 0; y < h; ++y) {
            const uint32_t* row = to + static_cast<std::ptrdiff_t>(y) * toStride;
            _mm_prefetch(reinterpret_cast<const char*>(row), _MM_HINT_T0);
            _mm_prefetch(reinterpret_cast<const char*>(row + w - 1), _MM_HINT_T0);
        }
    for (int y = 0; y < h; ++y)
        overRowAvx2(to + static_cast<std::ptrdiff_t>(y) * toStride, from + static_cast<std::ptrdiff_t>(y) * fromStride, w);
}

const bool HAS_AVX2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

// The pixman operator of a cairo operator the direct path handles; false for the rest.
inline bool directOperator(cairo_operator_t op, pixman_op_t& out) {
    if (op == CAIRO_OPERATOR_OVER) out = PIXMAN_OP_OVER;
    else if (op == CAIRO_OPERATOR_ADD) out = PIXMAN_OP_ADD;
    else return false;
    return true;
}
}  // namespace

Rasterizer::~Rasterizer() {
    if (scratchPattern_) cairo_pattern_destroy(scratchPattern_);
    if (scratchSurface_) cairo_surface_destroy(scratchSurface_);
    for (pixman_image_t* m : masks_)
        if (m) pixman_image_unref(m);
}

void Rasterizer::Backdrop::settle() {
    if (!pixels) return;
    // pixman's fill runs at memory speed whatever the compiler makes of a loop here.
    if (!pixman_fill(pixels, stride, 32, 0, 0, width, height, color)) {
        for (int y = 0; y < height; ++y) {
            uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
            std::fill(row, row + width, color);
        }
    }
    pixels = nullptr;
}

void Rasterizer::useCairo() {
    if (backdrop_) backdrop_->settle();
    if (!keepsOpaque(op_)) alphaTouched_ = true;
    if (cairoReady_) return;
    setMatrix(cr_, toDevice_);
    cairo_set_operator(cr_, op_);
    cairo_new_path(cr_);
    cairoReady_ = true;
}

const Rasterizer::AxisMap& Rasterizer::axisMap(AxisMap* cache, double t, double scale, int u0, int u1, int lo,
                                                int hi) {
    uint64_t tb, sb;
    std::memcpy(&tb, &t, 8);
    std::memcpy(&sb, &scale, 8);
    uint64_t key = (tb ^ (sb * 0x9E3779B97F4A7C15ull)) + static_cast<uint64_t>(u0) * 131 + static_cast<uint64_t>(u1) * 7 +
                   static_cast<uint64_t>(lo);
    AxisMap& a = cache[(key ^ (key >> 29) ^ (key >> 41)) % AXIS_CACHE];
    if (a.valid && a.t == t && a.scale == scale && a.u0 == u0 && a.u1 == u1 && a.lo == lo && a.hi == hi) return a;
    a.valid = true;
    a.t = t;
    a.scale = scale;
    a.u0 = u0;
    a.u1 = u1;
    a.lo = lo;
    a.hi = hi;
    int n = hi - lo;
    a.map.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        // Truncation is the floor here: anything below u0 is clamped to it.
        a.map[static_cast<std::size_t>(i)] = std::clamp(static_cast<int>((lo + i + 0.5 - t) / scale), u0, u1 - 1);
    // Runs of device pixels showing consecutive source pixels.
    a.runs.clear();
    for (int i = 0; i < n; ++i) {
        int u = a.map[static_cast<std::size_t>(i)];
        if (!a.runs.empty() && a.runs.back().from + a.runs.back().length == u && a.runs.back().at + a.runs.back().length == i)
            ++a.runs.back().length;
        else
            a.runs.push_back({i, u, 1});
    }
    return a;
}

bool Rasterizer::compositeScaled(Surface* s, const Matrix2D& m, int sx, int sy, int w, int h) {
    if (m.b != 0 || m.c != 0 || !(m.a > 0) || !(m.d > 0) || (m.a == 1 && m.d == 1)) return false;
    pixman_image_t* src = s->pixmanImage();
    // The part of the region inside the sheet (outside it nothing shows), in tile pixels.
    int u0 = std::max(0, -sx), v0 = std::max(0, -sy);
    int u1 = std::min(w, pixman_image_get_width(src) - sx), v1 = std::min(h, pixman_image_get_height(src) - sy);
    if (u0 >= u1 || v0 >= v1) return true;
    // Device pixels whose centres fall in [tx + u0·a, tx + u1·a) × [ty + v0·d, ty + v1·d).
    double left = m.tx + u0 * m.a, right = m.tx + u1 * m.a, top = m.ty + v0 * m.d, bottom = m.ty + v1 * m.d;
    if (!(std::fabs(left) < 1e7 && std::fabs(right) < 1e7 && std::fabs(top) < 1e7 && std::fabs(bottom) < 1e7)) return false;
    int x0 = std::max(static_cast<int>(std::ceil(left - 0.5)), target_->x0);
    int x1 = std::min(static_cast<int>(std::ceil(right - 0.5)), target_->x1);
    int y0 = std::max(static_cast<int>(std::ceil(top - 0.5)), target_->y0);
    int y1 = std::min(static_cast<int>(std::ceil(bottom - 0.5)), target_->y1);
    if (x0 >= x1 || y0 >= y1) return true;
    if (backdrop_) backdrop_->settle();
    // The tile column of each device column and the tile row of each device row; a map's tiles
    // share them along its columns and rows, so they are kept.
    if (columnMaps_.empty()) {
        columnMaps_.resize(AXIS_CACHE);
        rowMaps_.resize(AXIS_CACHE);
    }
    const AxisMap& cols = axisMap(columnMaps_.data(), m.tx, m.a, u0, u1, x0, x1);
    const AxisMap& rows = axisMap(rowMaps_.data(), m.ty, m.d, v0, v1, y0, y1);
    const uint32_t* from = pixman_image_get_data(src) + sx;
    int fromStride = pixman_image_get_stride(src) / 4;
    uint32_t* to = pixman_image_get_data(target_->image);
    int toStride = pixman_image_get_stride(target_->image) / 4;
    int n = x1 - x0;
    // Runs of device columns showing consecutive sheet columns (nearly the whole row when the
    // scale is close to 1) are copied or blended straight from the sheet's row.
    bool byRuns = cols.runs.size() * 4 <= static_cast<std::size_t>(n);
    if (!byRuns) row_.resize(static_cast<std::size_t>(n));
    bool opaque = s->opaquePixels();
    // Device rows showing the same sheet row gather it once.
    bool doubled = HAS_AVX2 && m.a == 2 && wholePixel(m.tx);
    int gatheredV = -1;
    const uint32_t* gatheredRow = nullptr;
    for (int y = y0; y < y1; ++y) {
        int v = rows.map[static_cast<std::size_t>(y - y0)];
        const uint32_t* line = from + static_cast<std::ptrdiff_t>(sy + v) * fromStride;
        uint32_t* out = to + static_cast<std::ptrdiff_t>(y) * toStride + x0;
        if (byRuns) {
            for (const Run& r : cols.runs) {
                if (opaque) std::memcpy(out + r.at, line + r.from, static_cast<std::size_t>(r.length) * 4);
                else if (HAS_AVX2) overRowAvx2(out + r.at, line + r.from, r.length);
                else overRow(out + r.at, line + r.from, r.length);
            }
            continue;
        }
        uint32_t* gathered = opaque ? out : row_.data();
        if (v != gatheredV) {
            if (doubled) gatherDoubled(gathered, line, n, x0 - static_cast<int>(m.tx));
            else
                for (int i = 0; i < n; ++i) gathered[i] = line[cols.map[static_cast<std::size_t>(i)]];
            gatheredV = v;
            gatheredRow = gathered;
            if (!opaque && HAS_AVX2) chunkSpans(gathered, n, spans_);
        } else if (opaque) {
            std::memcpy(out, gatheredRow, static_cast<std::size_t>(n) * 4);
        }
        if (opaque) continue;
        if (!HAS_AVX2) {
            overRow(out, gathered, n);
            continue;
        }
        // The gathered row's clear stretches leave the target as it is and its opaque ones
        // cover it: only the rest is blended.
        for (const Span& sp : spans_) {
            if (sp.kind == Span::Copy) std::memcpy(out + sp.at, gathered + sp.at, static_cast<std::size_t>(sp.length) * 4);
            else overRowAvx2(out + sp.at, gathered + sp.at, sp.length);
        }
    }
    return true;
}

// Device pixel i of out (n pixels) shows pixel (start + i) / 2 of line; start >= 0.
__attribute__((target("avx2"))) void Rasterizer::gatherDoubled(uint32_t* out, const uint32_t* line, int n, int start) {
    const uint32_t* src = line + start / 2;
    int i = 0;
    if (start % 2 != 0 && n > 0) {
        out[0] = *src++;
        i = 1;
    }
    const __m256i pairs = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
    for (; i + 8 <= n; i += 8, src += 4) {
        __m256i four = _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_permutevar8x32_epi32(four, pairs));
    }
    for (int j = 0; i < n; ++i, ++j) out[i] = src[j / 2];
}

// Splits row (n pixels) into stretches of whole 8-pixel chunks: clear ones (all zero, left
// out), opaque ones (copied) and the rest (blended, with the tail).
__attribute__((target("avx2"))) void Rasterizer::chunkSpans(const uint32_t* row, int n, std::vector<Span>& spans) {
    const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    spans.clear();
    auto add = [&](int at, int length, Span::Kind kind) {
        if (!spans.empty() && spans.back().kind == kind && spans.back().at + spans.back().length == at)
            spans.back().length += length;
        else
            spans.push_back({at, length, kind});
    };
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
        if (_mm256_testz_si256(sv, sv)) continue;
        bool full = _mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(sv, alphaBits), alphaBits)) == -1;
        add(i, 8, full ? Span::Copy : Span::Blend);
    }
    if (i < n) add(i, n - i, Span::Blend);
}

pixman_image_t* Rasterizer::solidMask(unsigned alpha8) {
    pixman_image_t*& m = masks_[alpha8];
    if (!m) {
        // What cairo masks with for alpha a: a solid colour of alpha a·65535, read as its top byte.
        pixman_color_t c = {0, 0, 0, static_cast<uint16_t>(alpha8 * 257)};
        m = pixman_image_create_solid_fill(&c);
    }
    return m;
}

bool Rasterizer::composite(pixman_image_t* src, Surface* plain, bool repeat, pixman_op_t op, double alpha, int x0, int y0,
                           int x1, int y1, int ox, int oy) {
    if (alpha != alpha) return false;
    unsigned alpha8 = 255;
    if (alpha < 1) {
        // cairo paints with a mask of alpha as 16 bits; 8 bits of it reach the pixels.
        if (alpha <= 0) return true;
        alpha8 = static_cast<unsigned>(alpha * 65535.0 + 0.5) >> 8;
        if (alpha8 == 0) return true;
    }
    x0 = std::max(x0, target_->x0);
    y0 = std::max(y0, target_->y0);
    x1 = std::min(x1, target_->x1);
    y1 = std::min(y1, target_->y1);
    if (!repeat) {
        x0 = std::max(x0, ox);
        y0 = std::max(y0, oy);
        x1 = std::min(x1, ox + pixman_image_get_width(src));
        y1 = std::min(y1, oy + pixman_image_get_height(src));
    }
    if (x0 >= x1 || y0 >= y1) return true;
    if (alpha8 != 255 && plain) {
        // A surface drawn at this alpha before: its pixels already faded, no mask.
        if (pixman_image_t* faded = plain->fadedPixmanImage(alpha8)) {
            src = faded;
            alpha8 = 255;
        }
    }
    if (alpha8 == 255 && op == PIXMAN_OP_OVER && plain && src == plain->pixmanImage() && plain->opaquePixels()) {
        // Opaque pixels at full alpha cover what is under them: over is a copy.
        if (!repeat) {
            // A copy over the whole frame leaves nothing of its background to see.
            if (backdrop_ && backdrop_->pixels == pixman_image_get_data(target_->image)) {
                if (x0 == 0 && y0 == 0 && x1 == backdrop_->width && y1 == backdrop_->height) backdrop_->pixels = nullptr;
                else backdrop_->settle();
            }
            const uint32_t* from = pixman_image_get_data(src);
            int fromStride = pixman_image_get_stride(src) / 4;
            uint32_t* to = pixman_image_get_data(target_->image);
            int toStride = pixman_image_get_stride(target_->image) / 4;
            std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 4;
            for (int y = y0; y < y1; ++y)
                std::memcpy(to + static_cast<std::ptrdiff_t>(y) * toStride + x0,
                            from + static_cast<std::ptrdiff_t>(y - oy) * fromStride + (x0 - ox), bytes);
            return true;
        }
        op = PIXMAN_OP_SRC;
    }
    if (backdrop_) backdrop_->settle();
    if (HAS_AVX2 && alpha8 == 255 && op == PIXMAN_OP_OVER && !repeat) {
        const uint32_t* from = pixman_image_get_data(src);
        int fromStride = pixman_image_get_stride(src) / 4;
        uint32_t* to = pixman_image_get_data(target_->image);
        int toStride = pixman_image_get_stride(target_->image) / 4;
        overRectAvx2(to + static_cast<std::ptrdiff_t>(y0) * toStride + x0, toStride,
                     from + static_cast<std::ptrdiff_t>(y0 - oy) * fromStride + (x0 - ox), fromStride, x1 - x0, y1 - y0);
        return true;
    }
    pixman_image_set_repeat(src, repeat ? PIXMAN_REPEAT_NORMAL : PIXMAN_REPEAT_NONE);
    pixman_image_composite32(op, src, alpha8 == 255 ? nullptr : solidMask(alpha8), target_->image, x0 - ox, y0 - oy, 0,
                             0, x0, y0, x1 - x0, y1 - y0);
    return true;
}

namespace {
// Whether v is 2^k for 0 <= k <= 16: its inverse is exact in the compositor's 16.16 fixed point.
inline bool exactScale(double v) {
    int e;
    return v >= 1 && v <= 65536 && std::frexp(v, &e) == 0.5;
}
}  // namespace

bool Rasterizer::scaledBitmapRect(const Command& paint, pixman_op_t op, const Matrix2D& m, double xa, double ya,
                                  double xb, double yb) {
    // Enlarged by powers of two along the axes (or a single column or row by any factor),
    // nearest, whole device pixels: every device pixel centre maps strictly inside one bitmap
    // pixel, so the sampling has no ties to round and the
    // rectangle's edges cover whole pixels; the result is cairo's to the byte.
    if (op != PIXMAN_OP_OVER || (paint.flags & 6) || !colorsOnlyScaleAlpha(ct_) || !(ct_.alphaMultiplier >= 1))
        return false;
    Matrix2D b = toDevice_.after(m);  // bitmap pixels to device pixels
    if (b.b != 0 || b.c != 0 || !(b.a >= 1) || !(b.d >= 1) || !wholePixel(b.tx) || !wholePixel(b.ty)) return false;
    double dxa, dya, dxb, dyb;
    toDevice_.apply(xa, ya, dxa, dya);
    toDevice_.apply(xb, yb, dxb, dyb);
    if (!wholePixel(dxa) || !wholePixel(dya) || !wholePixel(dxb) || !wholePixel(dyb)) return false;
    // The rectangle in bitmap pixels, whole ones only.
    double u0 = (std::min(dxa, dxb) - b.tx) / b.a, u1 = (std::max(dxa, dxb) - b.tx) / b.a;
    double v0 = (std::min(dya, dyb) - b.ty) / b.d, v1 = (std::max(dya, dyb) - b.ty) / b.d;
    if (!wholePixel(u0) || !wholePixel(u1) || !wholePixel(v0) || !wholePixel(v1)) return false;
    // Any enlargement of a single bitmap column or row (a stretched line or pixel) samples
    // that column or row only.
    auto sampledExactly = [](double scale, double span) { return exactScale(scale) || (span == 1 && scale <= 1024); };
    if (!sampledExactly(b.a, u1 - u0) || !sampledExactly(b.d, v1 - v0)) return false;
    Surface* s = paint.surface.get();
    pixman_image_t* src = s->pixmanImage();
    if (!src || pixman_image_get_data(src) == pixman_image_get_data(target_->image)) return false;
    if (u0 == u1 || v0 == v1) return true;
    int sx = static_cast<int>(u0), sy = static_cast<int>(v0);
    return compositeScaled(s, Matrix2D{b.a, 0, 0, b.d, b.tx + sx * b.a, b.ty + sy * b.d}, sx, sy,
                           static_cast<int>(u1) - sx, static_cast<int>(v1) - sy);
}

bool Rasterizer::fastBitmapRect(const Command& paint) {
    pixman_op_t op;
    if (!target_ || hitMode_ || paint.op != Op::BeginBitmapFill || !directOperator(op_, op)) return false;
    // The path must be one axis-aligned rectangle: a move, three lines, a close.
    if (path_.size() != 5 || path_[0].kind != PathOp::Move || path_[1].kind != PathOp::Line ||
        path_[2].kind != PathOp::Line || path_[3].kind != PathOp::Line || path_[4].kind != PathOp::Close)
        return false;
    double xa = path_[0].p[0], ya = path_[0].p[1], xb = path_[2].p[0], yb = path_[2].p[1];
    bool across = path_[1].p[0] == xb && path_[1].p[1] == ya && path_[3].p[0] == xa && path_[3].p[1] == yb;
    bool down = path_[1].p[0] == xa && path_[1].p[1] == yb && path_[3].p[0] == xb && path_[3].p[1] == ya;
    if (!across && !down) return false;
    Surface* s = paint.surface.get();
    if (!s || s->empty()) return true;  // nothing to paint, as through cairo
    Matrix2D m = (paint.flags & 1) ? Matrix2D{paint.v[0], paint.v[1], paint.v[2], paint.v[3], paint.v[4], paint.v[5]}
                                   : Matrix2D{};
    if (!integerTranslation(toDevice_) || !integerTranslation(m)) return scaledBitmapRect(paint, op, m, xa, ya, xb, yb);
    // The rectangle's corners in device space, as cairo maps them.
    double dxa, dya, dxb, dyb;
    toDevice_.apply(xa, ya, dxa, dya);
    toDevice_.apply(xb, yb, dxb, dyb);
    if (!wholePixel(dxa) || !wholePixel(dya) || !wholePixel(dxb) || !wholePixel(dyb)) return false;
    double alpha = 1;
    pixman_image_t* src;
    Surface* plain = nullptr;
    if (colorsOnlyScaleAlpha(ct_)) {
        src = s->pixmanImage();
        plain = s;
        alpha = ct_.alphaMultiplier;
    } else {
        src = s->transformedPixmanImage(ct_);
    }
    if (!src) return true;
    // Drawing a surface into itself stays with cairo.
    if (pixman_image_get_data(src) == pixman_image_get_data(target_->image)) return false;
    int x0 = static_cast<int>(std::min(dxa, dxb)), x1 = static_cast<int>(std::max(dxa, dxb));
    int y0 = static_cast<int>(std::min(dya, dyb)), y1 = static_cast<int>(std::max(dya, dyb));
    return composite(src, plain, (paint.flags & 2) != 0, op, alpha, x0, y0, x1, y1, static_cast<int>(toDevice_.tx + m.tx),
                     static_cast<int>(toDevice_.ty + m.ty));
}

bool Rasterizer::fastSolidRect(const Command& paint) {
    pixman_op_t op;
    if (!target_ || hitMode_ || paint.op != Op::BeginFill || !directOperator(op_, op)) return false;
    if (toDevice_.b != 0 || toDevice_.c != 0 || path_.size() != 5 || path_[0].kind != PathOp::Move ||
        path_[1].kind != PathOp::Line || path_[2].kind != PathOp::Line || path_[3].kind != PathOp::Line ||
        path_[4].kind != PathOp::Close)
        return false;
    double xa = path_[0].p[0], ya = path_[0].p[1], xb = path_[2].p[0], yb = path_[2].p[1];
    bool across = path_[1].p[0] == xb && path_[1].p[1] == ya && path_[3].p[0] == xa && path_[3].p[1] == yb;
    bool down = path_[1].p[0] == xa && path_[1].p[1] == yb && path_[3].p[0] == xb && path_[3].p[1] == ya;
    if (!across && !down) return false;
    double dxa, dya, dxb, dyb;
    toDevice_.apply(xa, ya, dxa, dya);
    toDevice_.apply(xb, yb, dxb, dyb);
    if (!wholePixel(dxa) || !wholePixel(dya) || !wholePixel(dxb) || !wholePixel(dyb)) return false;
    double c[4];
    colorOf(static_cast<uint32_t>(static_cast<int64_t>(paint.v[0])), paint.v[1], ct_, c);
    if (c[3] <= 0) return true;
    int x0 = std::max(static_cast<int>(std::min(dxa, dxb)), target_->x0);
    int x1 = std::min(static_cast<int>(std::max(dxa, dxb)), target_->x1);
    int y0 = std::max(static_cast<int>(std::min(dya, dyb)), target_->y0);
    int y1 = std::min(static_cast<int>(std::max(dya, dyb)), target_->y1);
    if (x0 >= x1 || y0 >= y1) return true;
    if (backdrop_) backdrop_->settle();
    // The colour as cairo keeps it: premultiplied, 16 bits a channel, of which the compositor
    // takes the top 8.
    auto toShort = [](double v) { return static_cast<uint16_t>(v * 65535.0 + 0.5); };
    pixman_color_t colour = {toShort(c[0] * c[3]), toShort(c[1] * c[3]), toShort(c[2] * c[3]), toShort(c[3])};
    pixman_image_t* solid = pixman_image_create_solid_fill(&colour);
    if (!solid) return false;
    pixman_image_composite32(op, solid, nullptr, target_->image, 0, 0, 0, 0, x0, y0, x1 - x0, y1 - y0);
    pixman_image_unref(solid);
    return true;
}

bool Rasterizer::usable(const Matrix2D& m) {
    double det = m.a * m.d - m.b * m.c;
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
           std::isfinite(m.tx) && std::isfinite(m.ty) && std::isfinite(det) && std::fabs(det) > 1e-12;
}

cairo_operator_t Rasterizer::blendOperator(int mode) {
    switch (mode) {
        case 2: return CAIRO_OPERATOR_MULTIPLY;
        case 3: return CAIRO_OPERATOR_SCREEN;
        case 4: return CAIRO_OPERATOR_LIGHTEN;
        case 5: return CAIRO_OPERATOR_DARKEN;
        case 6: return CAIRO_OPERATOR_DIFFERENCE;
        case 7: return CAIRO_OPERATOR_ADD;
        // Subtract (8) and invert (9) have no operator: the renderer composites them from a
        // layer; a draw that reaches here with them blends normally.
        case 10: return CAIRO_OPERATOR_DEST_IN;
        case 11: return CAIRO_OPERATOR_DEST_OUT;
        case 12: return CAIRO_OPERATOR_OVERLAY;
        case 13: return CAIRO_OPERATOR_HARD_LIGHT;
        default: return CAIRO_OPERATOR_OVER;
    }
}

// --- path building: the fill path goes to cairo, line segments to stroke_ ---

void Rasterizer::moveTo(double x, double y) {
    path_.push_back({PathOp::Move, {x, y}, nullptr, nullptr});
    current_ = true;
    penX_ = startX_ = x;
    penY_ = startY_ = y;
    if (lineStyle_) stroke_.push_back({PathOp::Move, {x, y}, lineStyle_, linePaint_});
}

void Rasterizer::lineTo(double x, double y) {
    if (!current_) moveTo(penX_, penY_);
    else if (lineStyle_ && (stroke_.empty() || stroke_.back().style != lineStyle_ || stroke_.back().paint != linePaint_))
        stroke_.push_back({PathOp::Move, {penX_, penY_}, lineStyle_, linePaint_});
    path_.push_back({PathOp::Line, {x, y}, nullptr, nullptr});
    hasPath_ = true;
    penX_ = x;
    penY_ = y;
    if (lineStyle_) stroke_.push_back({PathOp::Line, {x, y}, lineStyle_, linePaint_});
}

void Rasterizer::curveTo(double x1, double y1, double x2, double y2, double x, double y) {
    if (!current_) moveTo(penX_, penY_);
    else if (lineStyle_ && (stroke_.empty() || stroke_.back().style != lineStyle_ || stroke_.back().paint != linePaint_))
        stroke_.push_back({PathOp::Move, {penX_, penY_}, lineStyle_, linePaint_});
    path_.push_back({PathOp::Curve, {x1, y1, x2, y2, x, y}, nullptr, nullptr});
    hasPath_ = true;
    penX_ = x;
    penY_ = y;
    if (lineStyle_) stroke_.push_back({PathOp::Curve, {x1, y1, x2, y2, x, y}, lineStyle_, linePaint_});
}

void Rasterizer::quadTo(double cx, double cy, double x, double y) {
    double x0 = penX_, y0 = penY_;
    curveTo(x0 + 2.0 / 3.0 * (cx - x0), y0 + 2.0 / 3.0 * (cy - y0), x + 2.0 / 3.0 * (cx - x), y + 2.0 / 3.0 * (cy - y),
            x, y);
}

void Rasterizer::closePath() {
    if (!current_) return;
    path_.push_back({PathOp::Close, {}, nullptr, nullptr});
    penX_ = startX_;
    penY_ = startY_;
    if (lineStyle_) stroke_.push_back({PathOp::Close, {}, lineStyle_, linePaint_});
}

void Rasterizer::rect(double x, double y, double w, double h) {
    moveTo(x, y);
    lineTo(x + w, y);
    lineTo(x + w, y + h);
    lineTo(x, y + h);
    closePath();
}

void Rasterizer::ellipse(double x, double y, double w, double h) {
    double rx = w / 2, ry = h / 2, cx = x + rx, cy = y + ry, kx = rx * KAPPA, ky = ry * KAPPA;
    moveTo(cx + rx, cy);
    curveTo(cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry);
    curveTo(cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy);
    curveTo(cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry);
    curveTo(cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy);
    closePath();
}

void Rasterizer::roundRect(double x, double y, double w, double h, double ew, double eh) {
    double rx = std::min(std::fabs(ew) / 2, std::fabs(w) / 2), ry = std::min(std::fabs(eh) / 2, std::fabs(h) / 2);
    if (!(rx > 0) || !(ry > 0)) {
        rect(x, y, w, h);
        return;
    }
    if (w < 0) rx = -rx;
    if (h < 0) ry = -ry;
    double kx = rx * KAPPA, ky = ry * KAPPA, r = x + w, b = y + h;
    moveTo(x + rx, y);
    lineTo(r - rx, y);
    curveTo(r - rx + kx, y, r, y + ry - ky, r, y + ry);
    lineTo(r, b - ry);
    curveTo(r, b - ry + ky, r - rx + kx, b, r - rx, b);
    lineTo(x + rx, b);
    curveTo(x + rx - kx, b, x, b - ry + ky, x, b - ry);
    lineTo(x, y + ry);
    curveTo(x, y + ry - ky, x + rx - kx, y, x + rx, y);
    closePath();
}

void Rasterizer::path(const Command& c) {
    if (c.flags & 1) evenOdd_ = true;
    else evenOdd_ = false;
    std::size_t di = 0, n = c.data.size();
    const auto& d = c.data;
    for (int cmd : c.ints) {
        switch (cmd) {
            case 1:
                if (di + 2 > n) return;
                moveTo(d[di], d[di + 1]);
                di += 2;
                break;
            case 2:
                if (di + 2 > n) return;
                lineTo(d[di], d[di + 1]);
                di += 2;
                break;
            case 3:
                if (di + 4 > n) return;
                quadTo(d[di], d[di + 1], d[di + 2], d[di + 3]);
                di += 4;
                break;
            case 4:
                if (di + 4 > n) return;
                moveTo(d[di + 2], d[di + 3]);
                di += 4;
                break;
            case 5:
                if (di + 4 > n) return;
                lineTo(d[di + 2], d[di + 3]);
                di += 4;
                break;
            case 6:
                if (di + 6 > n) return;
                curveTo(d[di], d[di + 1], d[di + 2], d[di + 3], d[di + 4], d[di + 5]);
                di += 6;
                break;
            default: break;
        }
    }
}

// --- paints ---

double Rasterizer::setPaint(const Command& paint, cairo_pattern_t** made) {
    *made = nullptr;
    switch (paint.op) {
        case Op::BeginFill:
        case Op::LineStyle: {
            // A fill keeps its colour in v[0], v[1]; a line style in v[1], v[2].
            bool line = paint.op == Op::LineStyle;
            double c[4];
            colorOf(static_cast<uint32_t>(static_cast<int64_t>(paint.v[line ? 1 : 0])), paint.v[line ? 2 : 1], ct_, c);
            if (hitMode_) c[3] = 1;
            if (c[3] <= 0) return -1;
            cairo_set_source_rgba(cr_, c[0], c[1], c[2], c[3]);
            return 1;
        }
        case Op::BeginBitmapFill:
        case Op::LineBitmapStyle: {
            Surface* s = paint.surface.get();
            if (!s || s->empty()) return -1;
            Matrix2D m = (paint.flags & 1) ? Matrix2D{paint.v[0], paint.v[1], paint.v[2], paint.v[3], paint.v[4], paint.v[5]}
                                           : Matrix2D{};
            if (!usable(m)) return -1;
            double alpha = 1;
            cairo_pattern_t* p;
            if (hitMode_ || colorsOnlyScaleAlpha(ct_)) {
                p = s->pattern();
                alpha = hitMode_ ? 1 : ct_.alphaMultiplier;
            } else {
                p = s->transformedPattern(ct_);
            }
            if (!p || alpha <= 0) return -1;
            cairo_matrix_t cm = toCairo(m.inverted());
            cairo_pattern_set_matrix(p, &cm);
            cairo_pattern_set_extend(p, (paint.flags & 2) ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_NONE);
            cairo_pattern_set_filter(p, (paint.flags & 4) && !hitMode_ ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
            cairo_set_source(cr_, p);
            return alpha;
        }
        case Op::BeginGradientFill:
        case Op::LineGradientStyle: {
            Matrix2D m{paint.v[0], paint.v[1], paint.v[2], paint.v[3], paint.v[4], paint.v[5]};
            if (!usable(m) || paint.colors.empty()) return -1;
            int type = paint.ints.size() > 0 ? paint.ints[0] : 1;
            int spread = paint.ints.size() > 1 ? paint.ints[1] : 0;
            cairo_pattern_t* p;
            if (type == 0) {
                double focal = std::clamp(paint.v[6], -1.0, 1.0) * GRADIENT_HALF;
                p = cairo_pattern_create_radial(focal, 0, 0, 0, 0, GRADIENT_HALF);
            } else {
                p = cairo_pattern_create_linear(-GRADIENT_HALF, 0, GRADIENT_HALF, 0);
            }
            std::size_t n = paint.colors.size();
            for (std::size_t i = 0; i < n; ++i) {
                // data holds the n alphas, then the n ratios (0..255).
                double alpha = paint.data.size() >= 2 * n ? paint.data[i] : 1;
                double at = paint.data.size() >= 2 * n ? clamp01(paint.data[n + i] / 255.0)
                                                       : (n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0);
                double c[4];
                colorOf(paint.colors[i], alpha, ct_, c);
                if (hitMode_) c[3] = 1;
                cairo_pattern_add_color_stop_rgba(p, at, c[0], c[1], c[2], c[3]);
            }
            cairo_matrix_t cm = toCairo(m.inverted());
            cairo_pattern_set_matrix(p, &cm);
            cairo_pattern_set_extend(p, spread == 1   ? CAIRO_EXTEND_REPEAT
                                        : spread == 2 ? CAIRO_EXTEND_REFLECT
                                                      : CAIRO_EXTEND_PAD);
            cairo_set_source(cr_, p);
            *made = p;
            return 1;
        }
        default: return -1;
    }
}

void Rasterizer::fillPath(const Command& paint) {
    cairo_pattern_t* made = nullptr;
    double alpha = setPaint(paint, &made);
    if (alpha > 0) {
        cairo_set_fill_rule(cr_, evenOdd_ ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        fillWithAlpha(cr_, alpha);
    }
    if (made) cairo_pattern_destroy(made);
}

void Rasterizer::replayPath() {
    useCairo();
    for (const PathOp& o : path_) {
        switch (o.kind) {
            case PathOp::Move: cairo_move_to(cr_, o.p[0], o.p[1]); break;
            case PathOp::Line: cairo_line_to(cr_, o.p[0], o.p[1]); break;
            case PathOp::Curve: cairo_curve_to(cr_, o.p[0], o.p[1], o.p[2], o.p[3], o.p[4], o.p[5]); break;
            case PathOp::Close: cairo_close_path(cr_); break;
        }
    }
}

void Rasterizer::strokeAll() {
    useCairo();
    std::size_t i = 0, n = stroke_.size();
    while (i < n) {
        const Command* style = stroke_[i].style;
        const Command* paintCmd = stroke_[i].paint;
        cairo_new_path(cr_);
        std::size_t j = i;
        for (; j < n && stroke_[j].style == style && stroke_[j].paint == paintCmd; ++j) {
            const PathOp& o = stroke_[j];
            switch (o.kind) {
                case PathOp::Move: cairo_move_to(cr_, o.p[0], o.p[1]); break;
                case PathOp::Line: cairo_line_to(cr_, o.p[0], o.p[1]); break;
                case PathOp::Curve: cairo_curve_to(cr_, o.p[0], o.p[1], o.p[2], o.p[3], o.p[4], o.p[5]); break;
                case PathOp::Close: cairo_close_path(cr_); break;
            }
        }
        i = j;
        double thickness = style->v[0];
        int scaleMode = style->ints.size() > 1 ? style->ints[1] : 0;
        int caps = style->ints.size() > 2 ? style->ints[2] : 0;
        int joints = style->ints.size() > 3 ? style->ints[3] : 0;
        cairo_set_line_cap(cr_, caps == 1 ? CAIRO_LINE_CAP_BUTT : caps == 2 ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr_, joints == 1 ? CAIRO_LINE_JOIN_MITER
                                 : joints == 2 ? CAIRO_LINE_JOIN_BEVEL
                                               : CAIRO_LINE_JOIN_ROUND);
        cairo_set_miter_limit(cr_, std::max(style->v[3], 1.0));
        cairo_pattern_t* made = nullptr;
        double alpha = setPaint(paintCmd ? *paintCmd : *style, &made);
        if (alpha > 0) {
            // A hairline (thickness 0) and unscaled lines keep their width in device pixels.
            bool device = thickness <= 0 || scaleMode == 1;
            if (device) {
                cairo_identity_matrix(cr_);
                cairo_set_line_width(cr_, thickness <= 0 ? 1.0 : thickness);
            } else {
                cairo_set_line_width(cr_, thickness);
            }
            if (alpha >= 1) {
                cairo_stroke(cr_);
            } else {
                cairo_save(cr_);
                cairo_push_group(cr_);
                cairo_stroke(cr_);
                cairo_pop_group_to_source(cr_);
                cairo_paint_with_alpha(cr_, alpha);
                cairo_restore(cr_);
            }
            if (device) setMatrix(cr_, toDevice_);
        }
        cairo_new_path(cr_);
        if (made) cairo_pattern_destroy(made);
    }
    stroke_.clear();
}

void Rasterizer::flush() {
    if (fill_ && hasPath_ && !fastBitmapRect(*fill_) && !fastSolidRect(*fill_)) {
        replayPath();
        fillPath(*fill_);
        cairo_new_path(cr_);
    }
    path_.clear();
    current_ = false;
    hasPath_ = false;
    if (!stroke_.empty()) strokeAll();
    evenOdd_ = true;
}

// --- tiles, points, triangles ---

cairo_pattern_t* Rasterizer::scratchPattern(int w, int h) {
    if (w > scratchW_ || h > scratchH_ || !scratchSurface_) {
        if (scratchPattern_) cairo_pattern_destroy(scratchPattern_);
        if (scratchSurface_) cairo_surface_destroy(scratchSurface_);
        scratchW_ = std::max(w, scratchW_);
        scratchH_ = std::max(h, scratchH_);
        scratch_.assign(static_cast<std::size_t>(scratchW_) * static_cast<std::size_t>(scratchH_), 0);
        scratchSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(scratch_.data()),
                                                              CAIRO_FORMAT_ARGB32, scratchW_, scratchH_, scratchW_ * 4);
        scratchPattern_ = cairo_pattern_create_for_surface(scratchSurface_);
    }
    return scratchPattern_;
}

void Rasterizer::tiles(const Command& c) {
    Surface* s = c.sheet ? c.sheet->surface.get() : nullptr;
    if (!s || s->empty()) return;
    cairo_pattern_t* base = s->pattern();
    if (!base) return;
    cairo_operator_t op = op_;
    int blend = c.flags & 0xF0000;
    if (blend == TileSheet::TILE_BLEND_ADD) op = CAIRO_OPERATOR_ADD;
    else if (blend == TileSheet::TILE_BLEND_MULTIPLY) op = CAIRO_OPERATOR_MULTIPLY;
    else if (blend == TileSheet::TILE_BLEND_SCREEN) op = CAIRO_OPERATOR_SCREEN;
    else if (blend == TileSheet::TILE_BLEND_SUBTRACT) op = CAIRO_OPERATOR_DIFFERENCE;
    cairo_filter_t filter = (c.flags & TileSheet::TILE_SMOOTH) && !hitMode_ ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST;
    bool plainColors = colorsOnlyScaleAlpha(ct_);
    // Untinted tiles at whole-pixel offsets go straight to the target, unless the sheet is it.
    pixman_op_t directOp = PIXMAN_OP_OVER;
    pixman_image_t* direct = target_ && !hitMode_ && directOperator(op, directOp) ? s->pixmanImage() : nullptr;
    if (direct && pixman_image_get_data(direct) == pixman_image_get_data(target_->image)) direct = nullptr;
    bool cairoSet = false;

    TileSheet::Placed t;
    std::size_t pos = 0, end = c.data.size();
    while (pos < end) {
        if (!c.sheet->place(c.data, c.flags, pos, end, t)) continue;
        int sx = static_cast<int>(std::floor(t.source.x)), sy = static_cast<int>(std::floor(t.source.y));
        int w = static_cast<int>(std::ceil(t.source.width)), h = static_cast<int>(std::ceil(t.source.height));
        if (w <= 0 || h <= 0) continue;
        Matrix2D m = toDevice_.after(t.matrix);
        if (!usable(m)) continue;
        double alpha = hitMode_ ? 1 : t.alpha * ct_.alphaMultiplier;
        bool tinted = !hitMode_ && (t.red != 1 || t.green != 1 || t.blue != 1 || !plainColors);
        if (!tinted && alpha <= 0) continue;
        if (direct && !tinted && integerTranslation(m)) {
            // Device pixel (x, y) shows sheet pixel (x − tx + sx, y − ty + sy).
            int tx = static_cast<int>(m.tx), ty = static_cast<int>(m.ty);
            if (composite(direct, s, false, directOp, alpha, tx, ty, tx + w, ty + h, tx - sx, ty - sy)) continue;
        }
        if (direct && !tinted && alpha == 1 && directOp == PIXMAN_OP_OVER && filter == CAIRO_FILTER_NEAREST &&
            compositeScaled(s, m, sx, sy, w, h))
            continue;
        if (!cairoSet) {
            useCairo();
            if (!keepsOpaque(op)) alphaTouched_ = true;
            cairo_set_operator(cr_, op);
            cairo_pattern_set_extend(base, CAIRO_EXTEND_NONE);
            cairo_pattern_set_filter(base, filter);
            cairoSet = true;
        }
        setMatrix(cr_, m);
        cairo_matrix_t pm;
        if (tinted) {
            // The tile's pixels under the tint and the node's colour transform, premultiplied.
            ColorTransform8 tint;
            tint.redMultiplier = t.red;
            tint.greenMultiplier = t.green;
            tint.blueMultiplier = t.blue;
            tint.alphaMultiplier = t.alpha;
            ColorTransform8 full = ct_.after(tint);
            cairo_pattern_t* p = scratchPattern(w, h);
            cairo_surface_flush(scratchSurface_);
            for (int y = 0; y < h; ++y) {
                uint32_t* dst = scratch_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(scratchW_);
                for (int x = 0; x < w; ++x) dst[x] = Surface::premultiply(Surface::transform(s->pixel(sx + x, sy + y), full));
            }
            cairo_surface_mark_dirty(scratchSurface_);
            cairo_matrix_init_translate(&pm, 0, 0);
            cairo_pattern_set_matrix(p, &pm);
            cairo_pattern_set_extend(p, CAIRO_EXTEND_NONE);
            cairo_pattern_set_filter(p, filter);
            cairo_set_source(cr_, p);
            alpha = 1;
        } else {
            cairo_matrix_init_translate(&pm, sx, sy);
            cairo_pattern_set_matrix(base, &pm);
            cairo_set_source(cr_, base);
        }
        cairo_new_path(cr_);
        cairo_rectangle(cr_, 0, 0, w, h);
        fillWithAlpha(cr_, alpha);
    }
    if (cairoSet) {
        cairo_new_path(cr_);
        setMatrix(cr_, toDevice_);
        cairo_set_operator(cr_, op_);
    }
}

void Rasterizer::points(const Command& c) {
    useCairo();
    double size = c.v[1] > 0 ? c.v[1] : 1;
    uint32_t fallback = static_cast<uint32_t>(static_cast<int64_t>(c.v[0]));
    for (std::size_t i = 0; i + 1 < c.data.size(); i += 2) {
        std::size_t k = i / 2;
        uint32_t argb = (c.flags & 1) && k < c.colors.size() ? c.colors[k] : fallback;
        double col[4];
        colorOf(argb & 0xFFFFFF, ((argb >> 24) & 0xFF) / 255.0, ct_, col);
        if (hitMode_) col[3] = 1;
        if (col[3] <= 0) continue;
        cairo_set_source_rgba(cr_, col[0], col[1], col[2], col[3]);
        cairo_rectangle(cr_, c.data[i] - size / 2, c.data[i + 1] - size / 2, size, size);
        cairo_fill(cr_);
    }
}

void Rasterizer::triangles(const Command& c) {
    std::size_t nv = static_cast<std::size_t>(std::max(c.flags, 0));
    std::size_t vertices = nv / 2;
    std::size_t nuv = static_cast<std::size_t>(c.v[1]);
    int culling = static_cast<int>(c.v[0]);
    std::size_t uvStride = nuv == vertices * 3 ? 3 : 2;
    bool mapped = fill_ && fill_->op == Op::BeginBitmapFill && fill_->surface && !fill_->surface->empty() &&
                  nuv >= vertices * 2;
    std::size_t count = c.ints.empty() ? vertices / 3 * 3 : c.ints.size() / 3 * 3;
    auto vertex = [&](std::size_t k) -> std::size_t { return c.ints.empty() ? k : static_cast<std::size_t>(c.ints[k]); };
    const double* uv = c.data.data() + nv;
    useCairo();
    for (std::size_t k = 0; k < count; k += 3) {
        std::size_t i0 = vertex(k), i1 = vertex(k + 1), i2 = vertex(k + 2);
        if (i0 >= vertices || i1 >= vertices || i2 >= vertices) continue;
        double x0 = c.data[2 * i0], y0 = c.data[2 * i0 + 1], x1 = c.data[2 * i1], y1 = c.data[2 * i1 + 1];
        double x2 = c.data[2 * i2], y2 = c.data[2 * i2 + 1];
        double cross = (x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0);
        if ((culling < 0 && cross > 0) || (culling > 0 && cross < 0)) continue;
        cairo_new_path(cr_);
        cairo_move_to(cr_, x0, y0);
        cairo_line_to(cr_, x1, y1);
        cairo_line_to(cr_, x2, y2);
        cairo_close_path(cr_);
        if (!mapped) {
            if (fill_) fillPath(*fill_);
            continue;
        }
        // The affine map from texture pixels to the triangle.
        Surface* s = fill_->surface.get();
        double W = s->width(), H = s->height();
        double u0 = uv[uvStride * i0] * W, v0 = uv[uvStride * i0 + 1] * H;
        double u1 = uv[uvStride * i1] * W, v1 = uv[uvStride * i1 + 1] * H;
        double u2 = uv[uvStride * i2] * W, v2 = uv[uvStride * i2 + 1] * H;
        Matrix2D tex{u1 - u0, v1 - v0, u2 - u0, v2 - v0, u0, v0};
        Matrix2D pos{x1 - x0, y1 - y0, x2 - x0, y2 - y0, x0, y0};
        if (!usable(tex) || !usable(pos)) continue;
        Matrix2D map = pos.after(tex.inverted());
        Command paint = {};
        paint.op = Op::BeginBitmapFill;
        paint.flags = 1 | (fill_->flags & 6);
        paint.v[0] = map.a;
        paint.v[1] = map.b;
        paint.v[2] = map.c;
        paint.v[3] = map.d;
        paint.v[4] = map.tx;
        paint.v[5] = map.ty;
        paint.surface = fill_->surface;
        fillPath(paint);
    }
    cairo_new_path(cr_);
}

// --- the command list ---

void Rasterizer::draw(cairo_t* cr, const GraphicsList& list, const Matrix2D& toDevice, const ColorTransform8& ct,
                      cairo_operator_t op, const Target* target) {
    if (list.empty() || !usable(toDevice)) return;
    cr_ = cr;
    toDevice_ = toDevice;
    ct_ = ct;
    op_ = op;
    target_ = target && target->image && target->boxClip ? target : nullptr;
    backdrop_ = target ? target->backdrop : nullptr;
    fill_ = lineStyle_ = linePaint_ = nullptr;
    evenOdd_ = true;
    hasPath_ = false;
    current_ = false;
    cairoReady_ = false;
    penX_ = penY_ = startX_ = startY_ = 0;
    stroke_.clear();
    path_.clear();
    for (const Command& c : list.commands()) {
        const double* v = c.v;
        switch (c.op) {
            case Op::BeginFill:
            case Op::BeginBitmapFill:
            case Op::BeginGradientFill:
                flush();
                fill_ = &c;
                break;
            case Op::EndFill:
                flush();
                fill_ = nullptr;
                break;
            case Op::LineStyle: lineStyle_ = (c.flags & 1) ? &c : nullptr; linePaint_ = nullptr; break;
            case Op::LineBitmapStyle:
            case Op::LineGradientStyle:
                if (lineStyle_) linePaint_ = &c;
                break;
            case Op::MoveTo: moveTo(v[0], v[1]); break;
            case Op::LineTo: lineTo(v[0], v[1]); break;
            case Op::CurveTo: quadTo(v[0], v[1], v[2], v[3]); break;
            case Op::Rect: rect(v[0], v[1], v[2], v[3]); break;
            case Op::RoundRect: roundRect(v[0], v[1], v[2], v[3], v[4], v[5]); break;
            case Op::Ellipse: ellipse(v[0], v[1], v[2], v[3]); break;
            case Op::Path: path(c); break;
            case Op::Tiles:
                flush();
                tiles(c);
                break;
            case Op::Points:
                flush();
                points(c);
                break;
            case Op::Triangles:
                flush();
                triangles(c);
                break;
        }
    }
    flush();
    // Let go of the last source, so no surface stays referenced by the context.
    if (cairoReady_) cairo_set_source_rgb(cr, 0, 0, 0);
    cr_ = nullptr;
    target_ = nullptr;
    backdrop_ = nullptr;
}

bool Rasterizer::hitTest(const GraphicsList& list, double x, double y) {
    static Rasterizer* probe = new Rasterizer();
    static uint32_t pixel = 0;
    static cairo_surface_t* target =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(&pixel), CAIRO_FORMAT_ARGB32, 1, 1, 4);
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    pixel = 0;
    cairo_surface_mark_dirty(target);
    cairo_t* cr = cairo_create(target);
    // Pixel centres are sampled: the probe pixel's centre is the local point.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    probe->hitMode_ = true;
    probe->draw(cr, list, Matrix2D{1, 0, 0, 1, 0.5 - x, 0.5 - y}, ColorTransform8{}, CAIRO_OPERATOR_OVER);
    probe->hitMode_ = false;
    cairo_destroy(cr);
    cairo_surface_flush(target);
    return (pixel >> 24) != 0;
}

}  // namespace media
