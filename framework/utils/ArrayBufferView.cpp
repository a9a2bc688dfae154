#include "ArrayBufferView.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstring>

#include "platform/runtime/Array.h"
#include "platform/runtime/Args.h"

namespace framework {

using runtime::Value;

static_assert(std::endian::native == std::endian::little, "views store the host's order as little-endian");

namespace {

// An integer count: an Int, or a Float holding a whole number in the 32-bit range.
std::optional<int64_t> countOf(const Value& v) {
    if (v.isInt()) return v.toInt();
    if (v.isFloat()) {
        const double d = v.toFloat();
        if (std::isfinite(d) && d == std::trunc(d) && d >= INT_MIN && d <= INT_MAX) return static_cast<int64_t>(d);
    }
    return std::nullopt;
}

[[noreturn]] void fail(const char* message) { runtime::Thrown::text(message); }

int checkedSize(int64_t n) {
    if (n < 0 || n > INT_MAX) fail("Invalid buffer length");
    return static_cast<int>(n);
}

}  // namespace

ArrayBufferView::ArrayBufferView(const Value& first, int offset, std::optional<int> length) {
    init(first, offset, length);
}

void ArrayBufferView::init(const Value& first, int offset, std::optional<int> length) {
    runtime::Ref<ByteArray> b;
    int start = 0, size = 0;
    if (auto n = countOf(first)) {
        size = checkedSize(*n);
        b = runtime::make<ByteArray>(size);
    } else {
        b = runtime::Ref<ByteArray>(first.as<ByteArray>());
        if (!b) fail("Invalid input buffer");
        if (offset < 0 || offset > b->length()) fail("Invalid starting position");
        start = offset;
        if (!length) size = b->length() - offset;
        else if (*length < 0 || static_cast<int64_t>(offset) + *length > b->length()) fail("Invalid buffer length");
        else size = *length;
    }
    buffer = b;
    byteOffset = start;
    byteLength = size;
    buffer->bigEndian = false;
    bytes = buffer->b;
}

int ArrayBufferView::initElements(const Value& first, int start, std::optional<int> length, int elementSize,
                                  bool startSkipsSource, void (*write)(ArrayBufferView&, int, const Value&)) {
    if (auto n = countOf(first)) {
        init(Value(checkedSize(*n * elementSize)), 0, std::nullopt);
        return static_cast<int>(*n);
    }
    if (auto* source = first.as<runtime::Array>()) {
        const int64_t count = length ? *length : static_cast<int64_t>(source->length()) - start;
        init(Value(checkedSize(count * elementSize)), 0, std::nullopt);
        for (int i = 0; i < count; ++i) {
            const int64_t k = startSkipsSource ? static_cast<int64_t>(start) + i : i;
            write(*this, i, k >= 0 && k < source->length() ? source->at(static_cast<int>(k)) : Value(0));
        }
        return static_cast<int>(count);
    }
    std::optional<int> byteCount;
    if (length) byteCount = checkedSize(static_cast<int64_t>(*length) * elementSize);
    init(first, start, byteCount);
    if (byteLength % elementSize != 0) fail("Invalid array size");
    return byteLength / elementSize;
}

uint8_t* ArrayBufferView::address(int64_t i, int size) {
    const int64_t at = byteOffset + i;
    if (i < 0 || i + size > byteLength || !bytes || at + size > static_cast<int64_t>(bytes->bytes.size()))
        runtime::Thrown::text(std::string(invalidDataIndex.str()));
    return bytes->bytes.data() + at;
}

Value ArrayBufferView::getNativePointer() { return buffer->getNativePointer(); }

double ArrayBufferView::getFloat32(int i) { return load<float>(i); }
int ArrayBufferView::getInt16(int i) { return load<int16_t>(i); }
int ArrayBufferView::getInt32(int i) { return load<int32_t>(i); }
int ArrayBufferView::getUInt8(int i) { return load<int8_t>(i); }
void ArrayBufferView::setFloat32(int i, double v) { store(i, static_cast<float>(v)); }
void ArrayBufferView::setInt16(int i, int v) { store(i, static_cast<uint16_t>(v)); }
void ArrayBufferView::setInt32(int i, int v) { store(i, static_cast<uint32_t>(v)); }
void ArrayBufferView::setUInt8(int i, int v) { store(i, static_cast<uint8_t>(v)); }

}  // namespace framework

using framework::ArrayBufferView;

RUNTIME_DEFINE_CLASS(ArrayBufferView, "framework._native.utils.ArrayBufferView", runtime::Object, (auto& b) {
    using V = ArrayBufferView;
    b.template field<&V::buffer>("buffer")
        .template field<&V::byteOffset>("byteOffset")
        .template field<&V::byteLength>("byteLength")
        .template internalField<&V::bytes>("bytes")
        .template staticField<&V::invalidDataIndex>("invalidDataIndex")
        .template method<&V::getByteBuffer>("getByteBuffer")
        .template method<&V::getFloat32>("getFloat32")
        .template method<&V::getInt16>("getInt16")
        .template method<&V::getInt32>("getInt32")
        .template method<&V::getLength>("getLength")
        .template method<&V::getNativePointer>("getNativePointer")
        .template method<&V::getStart>("getStart")
        .template method<&V::getUInt8>("getUInt8")
        .template method<&V::setFloat32>("setFloat32")
        .template method<&V::setInt16>("setInt16")
        .template method<&V::setInt32>("setInt32")
        .template method<&V::setUInt8>("setUInt8")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            std::optional<int> length;
            if (a.given(2)) length = a.integer(2);
            return runtime::make<ArrayBufferView>(a[0], a.integer(1), length);
        });
})
