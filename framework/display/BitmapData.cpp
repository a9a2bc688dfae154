#include "BitmapData.h"

#include <algorithm>

#include "OptimizedPerlin.h"
#include "framework/utils/ByteArray.h"
#include "framework/utils/Memory.h"
#include "platform/runtime/Trace.h"
#include "BitmapDataChannel.h"
#include "JPEGEncoderOptions.h"
#include "PNGEncoderOptions.h"
#include "framework/Lib.h"
#include "framework/errors/EOFError.h"
#include "framework/utils/Vector.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Resources.h"
#include "platform/runtime/Thrown.h"

namespace framework {

using runtime::Bytes;
using runtime::Ref;
using runtime::Value;

void BitmapData::initClass() {
    static const bool done = [] {
#define FRAMEWORK_LOAD_SLOT(slot, primitive) slot = MEDIA_LOAD(primitive);
        FRAMEWORK_BITMAP_DATA_PRIMITIVES(FRAMEWORK_LOAD_SLOT)
#undef FRAMEWORK_LOAD_SLOT
        return true;
    }();
    (void)done;
}

BitmapData::BitmapData(int width, int height, bool transparent, int fillColor, std::optional<int> gpuMode) {
    initClass();
    transparent_ = transparent;
    if (width < 1 || height < 1) return;
    int flags = HARDWARE | (transparent ? TRANSPARENT : 0);
    int alpha = extractAlpha(fillColor);
    if (transparent && alpha == 0) fillColor = 0;
    handle_ = media_bitmap_data_create(width, height, flags, fillColor & 0xFFFFFF, alpha,
                                       gpuMode ? Value(*gpuMode) : Value());
}

void BitmapData::loadEmbedded_(std::string_view resourceName) {
    loadFromBytes_(runtime::Resources::get(resourceName));
}

// ---- statics ----

Ref<BitmapData> BitmapData::load(const runtime::String& filename, int format) {
    auto result = runtime::make<BitmapData>(0, 0);
    result->handle_ = media_bitmap_data_load(filename, format);
    return result;
}

Ref<BitmapData> BitmapData::loadFromBytes(const Ref<Bytes>& bytes, const Ref<Bytes>& rawAlpha) {
    auto result = runtime::make<BitmapData>(0, 0, true);
    result->loadFromBytes_(bytes, rawAlpha);
    return result;
}

Ref<BitmapData> BitmapData::loadFromPlainBytes(const Ref<Bytes>& bytes, const Ref<Bytes>& rawAlpha) {
    return loadFromBytes(bytes, rawAlpha);
}

int BitmapData::flipPixel_(int value) {
    auto v = static_cast<uint32_t>(value);
    return static_cast<int>((v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24));
}

int BitmapData::ucompare_(int a, int b) {
    auto ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    return ua > ub ? 1 : ua < ub ? -1 : 0;
}

Ref<Bytes> BitmapData::getRGBAPixels(const Ref<BitmapData>& bitmapData) {
    auto data = runtime::make<BitmapData>(bitmapData->get_width(), bitmapData->get_height(),
                                          bitmapData->get_transparent());
    Ref<Rectangle> r = bitmapData->get_rect();
    auto p = runtime::make<Point>(0, 0);
    data->copyChannel(bitmapData, r, p, BitmapDataChannel::GREEN, BitmapDataChannel::RED);
    data->copyChannel(bitmapData, r, p, BitmapDataChannel::BLUE, BitmapDataChannel::GREEN);
    data->copyChannel(bitmapData, r, p, BitmapDataChannel::ALPHA, BitmapDataChannel::BLUE);
    data->copyChannel(bitmapData, r, p, BitmapDataChannel::RED, BitmapDataChannel::ALPHA);
    return data->getPixels(r);
}

// ---- operations ----

void BitmapData::applyFilter(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect,
                             const Ref<Point>& destPoint, const Ref<BitmapFilter>& filter) {
    media_bitmap_data_apply_filter(handle_, source ? source->handle_ : Value(), sourceRect, destPoint, filter);
}

void BitmapData::clear(int color) { media_bitmap_data_clear(handle_, color); }

Ref<BitmapData> BitmapData::clone() {
    auto copy = runtime::make<BitmapData>(0, 0, transparent_);
    copy->handle_ = media_bitmap_data_clone(handle_);
    return copy;
}

void BitmapData::colorTransform(const Ref<Rectangle>& rect, const Ref<ColorTransform>& colorTransform) {
    media_bitmap_data_color_transform(handle_, rect, colorTransform);
}

void BitmapData::copyChannel(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect,
                             const Ref<Point>& destPoint, int sourceChannel, int destChannel) {
    media_bitmap_data_copy_channel(source ? source->handle_ : Value(), sourceRect, handle_, destPoint, sourceChannel,
                                   destChannel);
}

void BitmapData::copyPixels(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect,
                            const Ref<Point>& destPoint, const Ref<BitmapData>&, const Ref<Point>&, bool mergeAlpha) {
    media_bitmap_data_copy(source ? source->handle_ : Value(), sourceRect, handle_, destPoint, mergeAlpha);
}

void BitmapData::createHardwareSurface() { media_bitmap_data_create_hardware_surface(handle_); }

void BitmapData::destroyHardwareSurface() { media_bitmap_data_destroy_hardware_surface(handle_); }

void BitmapData::dispose() {
    if (!handle_.isNull()) media_bitmap_data_dispose(handle_);
    handle_ = Value();
}

void BitmapData::draw(const Ref<runtime::Object>& source, const Ref<Matrix>& matrix,
                      const Ref<ColorTransform>& colorTransform, std::optional<BlendMode> blendMode,
                      const Ref<Rectangle>& clipRect, bool smoothing) {
    auto* drawable = dynamic_cast<IBitmapDrawable*>(source.get());
    if (!drawable) return;
    runtime::String blendText(blendMode ? runtime::EnumTraits<BlendMode>::info().nameOf(static_cast<int>(*blendMode))
                                        : std::string("null"));
    drawable->drawToSurface_(handle_, matrix, colorTransform, blendText, clipRect, smoothing);
}

void BitmapData::dumpBits() { media_bitmap_data_dump_bits(handle_); }

Ref<Bytes> BitmapData::encode(const Value& rectOrFormat, const Value& compressorOrQuality, const Ref<Bytes>&) {
    Value quality = compressorOrQuality.isNull() ? Value(0.9) : compressorOrQuality;
    if (rectOrFormat.isString()) {
        if (!quality.isNumber()) runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
        return Ref<Bytes>(media_bitmap_data_encode(handle_, rectOrFormat, quality.toFloat()).as<Bytes>());
    }
    if (rectOrFormat.isNull()) return nullptr;
    if (quality.as<PNGEncoderOptions>())
        return Ref<Bytes>(media_bitmap_data_encode(handle_, PNG, 0).as<Bytes>());
    if (auto* jpeg = quality.as<JPEGEncoderOptions>())
        return Ref<Bytes>(media_bitmap_data_encode(handle_, JPG, jpeg->quality / 100.0).as<Bytes>());
    return nullptr;
}

void BitmapData::fillRect(const Ref<Rectangle>& rect, int color) {
    media_bitmap_data_fill(handle_, rect, color & 0xFFFFFF, extractAlpha(color));
}

void BitmapData::fillRectEx(const Ref<Rectangle>& rect, int color, int alpha) {
    media_bitmap_data_fill(handle_, rect, color, alpha);
}

void BitmapData::floodFill(int x, int y, int color) { media_bitmap_data_flood_fill(handle_, x, y, color); }

Ref<Rectangle> BitmapData::generateFilterRect(const Ref<Rectangle>& sourceRect, const Ref<BitmapFilter>& filter) {
    auto result = runtime::make<Rectangle>();
    media_bitmap_data_generate_filter_rect(sourceRect, filter, result);
    return result;
}

Ref<Rectangle> BitmapData::getColorBoundsRect(int mask, int color, bool findColor) {
    auto result = runtime::make<Rectangle>();
    media_bitmap_data_get_color_bounds_rect(handle_, mask, color, findColor, result);
    return result;
}

int BitmapData::getPixel(int x, int y) { return media_bitmap_data_get_pixel(handle_, x, y).toInt(); }

int BitmapData::getPixel32(int x, int y) { return media_bitmap_data_get_pixel32(handle_, x, y).toInt(); }

Ref<Bytes> BitmapData::getPixels(const Ref<Rectangle>& rect) {
    // Plain bytes have no position; a byte array's position goes to its end here.
    return Ref<Bytes>(media_bitmap_data_get_pixels(handle_, rect).as<Bytes>());
}

Ref<runtime::Array> BitmapData::getVector(const Ref<Rectangle>& rect) {
    int count = runtime::Value(rect->width * rect->height).toInt();
    if (count < 1) return Vector::_new();
    Ref<runtime::Array> result = Vector::_new(count);
    for (Value& v : result->items) v = Value(0);
    media_bitmap_data_get_array(handle_, rect, result);
    return result;
}

namespace {
int truncInt(double v) { return Value(v).toInt(); }

// A byte array holding a copy of plain pixel bytes, position 0.
Ref<framework::ByteArray> byteArrayOf(const Ref<Bytes>& bytes) {
    auto out = runtime::make<framework::ByteArray>();
    if (bytes) {
        std::vector<uint8_t> d = bytes->data();
        out->b->bytes = std::move(d);
        out->setRawLength(static_cast<int>(out->b->bytes.size()));
    }
    out->position = 0;
    return out;
}

bool thresholdHolds(const runtime::String& op, int i) {
    const std::string& o = op.str();
    if (op.isNull()) return false;
    if (o == "==") return i == 0;
    if (o == "!=") return i != 0;
    if (o == "<") return i == -1;
    if (o == ">") return i == 1;
    if (o == "<=") return i == 0 || i == -1;
    if (o == ">=") return i == 0 || i == 1;
    return false;
}
}  // namespace

void BitmapData::perlinNoise(double baseX, double baseY, int numOctaves, int randomSeed, bool, bool, int, bool,
                             const Ref<runtime::Array>&) {
    auto perlin = runtime::make<OptimizedPerlin>(randomSeed, numOctaves);
    perlin->fill(Ref<BitmapData>(this), baseX, baseY, 0);
}

int BitmapData::threshold(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect, const Ref<Point>& destPoint,
                          const runtime::String& operation, int thresholdValue, int color, int mask, bool copySource) {
    const int flippedColor = flipPixel_(color);
    const int t = flipPixel_(thresholdValue) & mask;
    int hits = 0;
    if (source.get() == this && sourceRect && sourceRect->equals(get_rect()) && destPoint && destPoint->x == 0 &&
        destPoint->y == 0) {
        Ref<Rectangle> rect = get_rect();
        auto buffer = byteArrayOf(getPixels(rect));
        Memory::select(buffer);
        const int height = get_height();
        for (int y = 0; y < height; ++y) {
            const int width = get_width();
            for (int x = 0; x < width; ++x) {
                int offset = (width * y + x) * 4;
                if (offset + 4 > Memory::len) break;  // a short answer of the back end
                int p = Memory::getI32(offset);
                if (thresholdHolds(operation, ucompare_(p & mask, t))) {
                    Memory::setI32(offset, flippedColor);
                    ++hits;
                }
            }
        }
        buffer->position = 0;
        setPixels(rect, buffer);
        Memory::select(nullptr);
        return hits;
    }
    // General path. The pixels visited are those of sourceRect clipped to the source surface,
    // indexed within the buffer getPixels returns (sourceRect's pixels, its width a row).
    auto copy = source->clone();
    Ref<Bytes> pixels = copy->getPixels(sourceRect);
    const int canvas = pixels ? pixels->length() : 0;
    int sx = truncInt(sourceRect->x), sy = truncInt(sourceRect->y);
    int sw = source->get_width(), sh = source->get_height();
    int rw = std::min(truncInt(sourceRect->width), sw - std::max(sx, 0));
    int rh = std::min(truncInt(sourceRect->height), sh - std::max(sy, 0));
    int dx = truncInt(destPoint->x), dy = truncInt(destPoint->y);
    int dw = std::min(rw, get_width() - dx), dh = std::min(rh, get_height() - dy);
    int rowLength = truncInt(sourceRect->width);
    auto array = runtime::make<framework::ByteArray>();
    std::vector<uint8_t> data = pixels ? pixels->data() : std::vector<uint8_t>{};
    array->b->bytes = data;
    if (copySource) array->b->bytes.insert(array->b->bytes.end(), data.begin(), data.end());
    array->setRawLength(static_cast<int>(array->b->bytes.size()));
    Memory::select(array);
    for (int yy = 0; yy < dh; ++yy) {
        for (int xx = 0; xx < dw; ++xx) {
            int offset = (xx + yy * rowLength) * 4;
            if (offset < 0 || offset + 4 > canvas) continue;
            int p = Memory::getI32(offset);
            if (thresholdHolds(operation, ucompare_(p & mask, t))) {
                Memory::setI32(offset, flippedColor);
                ++hits;
            } else if (copySource) {
                Memory::setI32(offset, Memory::getI32(offset + canvas));
            }
        }
    }
    array->position = 0;
    if (canvas > 0) copy->setPixels(sourceRect, array);
    copyPixels(copy, copy->get_rect(), destPoint);
    Memory::select(nullptr);
    return hits;
}

void BitmapData::paletteMap(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect, const Ref<Point>& destPoint,
                            const Ref<runtime::Array>& redArray, const Ref<runtime::Array>& greenArray,
                            const Ref<runtime::Array>& blueArray, const Ref<runtime::Array>& alphaArray) {
    int sw = truncInt(sourceRect->width), sh = truncInt(sourceRect->height);
    auto buffer = byteArrayOf(source->getPixels(sourceRect));
    auto lookup = [](const Ref<runtime::Array>& a, uint32_t index, uint32_t keep) -> uint32_t {
        if (!a) return keep;
        return static_cast<uint32_t>(a->at(static_cast<int>(index)).toInt());
    };
    int count = std::min(sw * sh, buffer->length() / 4);
    for (int i = 0; i < count; ++i) {
        buffer->position = i * 4;
        auto word = static_cast<uint32_t>(buffer->readUnsignedInt());
        uint32_t r = lookup(redArray, (word >> 16) & 0xFF, word & 0xFF0000u);
        uint32_t g = lookup(greenArray, (word >> 8) & 0xFF, word & 0xFF00u);
        uint32_t b = lookup(blueArray, word & 0xFF, word & 0xFFu);
        uint32_t a = lookup(alphaArray, (word >> 24) & 0xFF, word & 0xFF000000u);
        auto byteSum = [&](int shift) { return ((a >> shift) & 0xFF) + ((r >> shift) & 0xFF) + ((g >> shift) & 0xFF) + ((b >> shift) & 0xFF); };
        uint32_t result = (((((byteSum(24) << 8) | byteSum(16)) << 8) | byteSum(8)) << 8) | byteSum(0);
        buffer->position = i * 4;
        buffer->writeUnsignedInt(static_cast<int>(result));
    }
    buffer->position = 0;
    setPixels(runtime::make<Rectangle>(destPoint->x, destPoint->y, sw, sh), buffer);
}

void BitmapData::merge(const Ref<BitmapData>& source, const Ref<Rectangle>& sourceRect, const Ref<Point>& destPoint,
                       int redMultiplier, int greenMultiplier, int blueMultiplier, int alphaMultiplier) {
    if (!source) return;
    int sw = truncInt(sourceRect->width), sh = truncInt(sourceRect->height);
    Ref<Bytes> srcBytes = source->getPixels(sourceRect);
    if (!srcBytes) return;
    auto src = byteArrayOf(srcBytes);
    auto destRect = runtime::make<Rectangle>(destPoint->x, destPoint->y, sw, sh);
    Ref<Bytes> dstBytes = getPixels(destRect);
    if (!dstBytes) return;
    auto dst = byteArrayOf(dstBytes);
    auto mix = [](uint32_t s, uint32_t d, int m) -> uint32_t {
        auto sum = static_cast<uint32_t>(static_cast<int64_t>(s) * m + static_cast<int64_t>(d) * (256 - m));
        return static_cast<uint32_t>(truncInt(static_cast<double>(sum) / 256));
    };
    int count = std::min({sw * sh, src->length() / 4, dst->length() / 4});
    for (int i = 0; i < count; ++i) {
        src->position = dst->position = i * 4;
        auto s = static_cast<uint32_t>(src->readUnsignedInt());
        auto d = static_cast<uint32_t>(dst->readUnsignedInt());
        uint32_t A = mix(s >> 24, d >> 24, alphaMultiplier);
        uint32_t R = mix((s >> 16) & 0xFF, (d >> 16) & 0xFF, redMultiplier);
        uint32_t G = mix((s >> 8) & 0xFF, (d >> 8) & 0xFF, greenMultiplier);
        uint32_t B = mix(s & 0xFF, d & 0xFF, blueMultiplier);
        if (A > 255 || R > 255 || G > 255 || B > 255)
            RUNTIME_TRACE(Value(std::to_string(A) + ", " + std::to_string(R) + ", " + std::to_string(G) + ", " +
                                std::to_string(B)));
        dst->position = i * 4;
        dst->writeUnsignedInt(static_cast<int>(A << 24 | R << 16 | G << 8 | B));
    }
    dst->position = 0;
    setPixels(destRect, dst);
}

void BitmapData::multiplyAlpha() { media_bitmap_data_multiply_alpha(handle_); }

void BitmapData::noise(int randomSeed, int low, int high, int channelOptions, bool grayScale) {
    media_bitmap_data_noise(handle_, randomSeed, low, high, channelOptions, grayScale);
}

void BitmapData::scroll(int x, int y) { media_bitmap_data_scroll(handle_, x, y); }

void BitmapData::setFlags(int flags) { media_bitmap_data_set_flags(handle_, flags); }

void BitmapData::setFormat(int format) { media_bitmap_data_set_format(handle_, format); }

void BitmapData::setPixel(int x, int y, int color) { media_bitmap_data_set_pixel(handle_, x, y, color); }

void BitmapData::setPixel32(int x, int y, int color) { media_bitmap_data_set_pixel32(handle_, x, y, color); }

void BitmapData::setPixels(const Ref<Rectangle>& rect, const Ref<Bytes>& bytes) {
    int size = runtime::Value(rect->width * rect->height * 4).toInt();
    const int position = 0;
    if (!bytes || bytes->length() - position < size) throw runtime::Thrown(Value(runtime::make<EOFError>()));
    media_bitmap_data_set_bytes(handle_, rect, bytes, position);
}

void BitmapData::setVector(const Ref<Rectangle>& rect, const Ref<runtime::Array>& inputVector) {
    int count = runtime::Value(rect->width * rect->height).toInt();
    if (inputVector && count <= inputVector->length()) media_bitmap_data_set_array(handle_, rect, inputVector);
}

void BitmapData::unmultiplyAlpha() { media_bitmap_data_unmultiply_alpha(handle_); }

void BitmapData::drawToSurface_(const Value& surface, const Ref<Matrix>& matrix,
                                const Ref<ColorTransform>& colorTransform, const runtime::String& blendMode,
                                const Ref<Rectangle>& clipRect, bool smoothing) {
    media_render_surface_to_surface(surface, handle_, matrix, colorTransform, blendMode, clipRect, smoothing);
}

void BitmapData::loadFromBytes_(const Ref<Bytes>& bytes, const Ref<Bytes>& rawAlpha) {
    handle_ = media_bitmap_data_from_bytes(bytes, rawAlpha);
}

// ---- properties ----

bool BitmapData::get_premultipliedAlpha() { return media_bitmap_data_get_prem_alpha(handle_).toBool(); }

bool BitmapData::set_premultipliedAlpha(bool value) {
    media_bitmap_data_set_prem_alpha(handle_, value);
    return value;
}

Ref<Rectangle> BitmapData::get_rect() { return runtime::make<Rectangle>(0, 0, get_width(), get_height()); }

int BitmapData::get_width() { return media_bitmap_data_width(handle_).toInt(); }

int BitmapData::get_height() { return media_bitmap_data_height(handle_).toInt(); }

namespace {
int CLEAR_ = BitmapData::CLEAR, BLACK_ = BitmapData::BLACK, RED_ = BitmapData::RED, GREEN_ = BitmapData::GREEN,
    BLUE_ = BitmapData::BLUE, TRANSPARENT_ = BitmapData::TRANSPARENT, HARDWARE_ = BitmapData::HARDWARE,
    FORMAT_8888_ = BitmapData::FORMAT_8888, FORMAT_4444_ = BitmapData::FORMAT_4444,
    FORMAT_565_ = BitmapData::FORMAT_565;
runtime::String PNG_(BitmapData::PNG), JPG_(BitmapData::JPG);

void addStaticsByName(runtime::ClassBuilder<BitmapData>& b) {
    using B = BitmapData;
    b.staticField<&CLEAR_>("CLEAR")
        .staticField<&BLACK_>("BLACK")
        .staticField<&RED_>("RED")
        .staticField<&GREEN_>("GREEN")
        .staticField<&BLUE_>("BLUE")
        .staticField<&PNG_>("PNG")
        .staticField<&JPG_>("JPG")
        .staticField<&TRANSPARENT_>("TRANSPARENT")
        .staticField<&HARDWARE_>("HARDWARE")
        .staticField<&FORMAT_8888_>("FORMAT_8888")
        .staticField<&FORMAT_4444_>("FORMAT_4444")
        .staticField<&FORMAT_565_>("FORMAT_565")
        .staticMethod<&B::load>("load")
        .staticMethod<&B::loadFromBytes>("loadFromBytes")
        .staticMethod<&B::loadFromPlainBytes>("loadFromPlainBytes")
        .staticMethod<&B::createColor>("createColor")
        .staticMethod<&B::extractAlpha>("extractAlpha")
        .staticMethod<&B::extractColor>("extractColor")
        .staticMethod<&B::sameValue>("sameValue")
        .staticMethod<&B::flipPixel_>("__flipPixel")
        .staticMethod<&B::ucompare_>("__ucompare")
        .staticMethod<&B::getRGBAPixels>("getRGBAPixels");
#define FRAMEWORK_SLOT_BY_NAME(slot, primitive) b.staticField<&BitmapData::slot>(#slot);
    FRAMEWORK_BITMAP_DATA_PRIMITIVES(FRAMEWORK_SLOT_BY_NAME)
#undef FRAMEWORK_SLOT_BY_NAME
}
}  // namespace

RUNTIME_DEFINE_CLASS(BitmapData, "framework._native.display.BitmapData", runtime::Object, (auto& b) {
    using B = BitmapData;
    b.template readOnlyProperty<&B::get_height>("height")
        .template property<&B::get_premultipliedAlpha, &B::set_premultipliedAlpha>("premultipliedAlpha")
        .template readOnlyProperty<&B::get_rect>("rect")
        .template readOnlyProperty<&B::get_transparent>("transparent")
        .template readOnlyProperty<&B::get_width>("width")
        .template field<&B::handle_>("__handle")
        .template field<&B::transparent_>("__transparent")
        .template method<&B::applyFilter>("applyFilter")
        .template method<&B::clear>("clear")
        .template method<&B::clone>("clone")
        .template method<&B::colorTransform>("colorTransform")
        .template method<&B::copyChannel>("copyChannel")
        .template method<&B::copyPixels>("copyPixels")
        .template method<&B::createHardwareSurface>("createHardwareSurface")
        .template method<&B::destroyHardwareSurface>("destroyHardwareSurface")
        .template method<&B::dispose>("dispose")
        .template method<&B::draw>("draw")
        .template method<&B::dumpBits>("dumpBits")
        .template method<&B::encode>("encode")
        .template method<&B::fillRect>("fillRect")
        .template method<&B::fillRectEx>("fillRectEx")
        .template method<&B::floodFill>("floodFill")
        .template method<&B::generateFilterRect>("generateFilterRect")
        .template method<&B::getColorBoundsRect>("getColorBoundsRect")
        .template method<&B::getPixel>("getPixel")
        .template method<&B::getPixel32>("getPixel32")
        .template method<&B::getPixels>("getPixels")
        .template method<&B::perlinNoise>("perlinNoise")
        .template method<&B::threshold>("threshold")
        .template method<&B::paletteMap>("paletteMap")
        .template method<&B::merge>("merge")
        .template method<&B::getVector>("getVector")
        .template method<&B::lock>("lock")
        .template method<&B::multiplyAlpha>("multiplyAlpha")
        .template method<&B::noise>("noise")
        .template method<&B::scroll>("scroll")
        .template method<&B::setFlags>("setFlags")
        .template method<&B::setFormat>("setFormat")
        .template method<&B::setPixel>("setPixel")
        .template method<&B::setPixel32>("setPixel32")
        .template method<&B::setPixels>("setPixels")
        .template method<&B::setVector>("setVector")
        .template method<&B::unlock>("unlock")
        .template method<&B::unmultiplyAlpha>("unmultiplyAlpha")
        .template method<&B::drawToSurface_>("__drawToSurface")
        .template method<&B::loadFromBytes_>("__loadFromBytes")
        .emptyInstance()
        .constructor([](const Value* v, int n) -> Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<B>(a.integer(0), a.integer(1), a.flag(2, true), a.integer(3, -1),
                                    a.given(4) ? std::optional<int>(a.integer(4)) : std::nullopt);
        });
    addStaticsByName(b);
})

}  // namespace framework
