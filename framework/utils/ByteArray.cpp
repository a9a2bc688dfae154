#include "ByteArray.h"

#include <algorithm>

#include "framework/Lib.h"
#include "framework/errors/EOFError.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Function.h"
#include "platform/system/Zlib.h"

namespace framework {

namespace {
constexpr int COMPRESSION_LEVEL = 8;

// Callbacks the back end makes and reaches byte arrays through.
runtime::Value factory(int length) { return runtime::Value(runtime::make<ByteArray>(length)); }
runtime::Value lengthOf(const runtime::Value& bytes) {
    return bytes.isNull() ? runtime::Value(0) : runtime::Value(bytes.field("length").toInt());
}
void resize(const runtime::Value& bytes, int length) {
    if (length > 0) {
        runtime::Value ensure = bytes.field("ensureElem");
        if (runtime::Function* f = ensure.function()) (*f)(length - 1, true);
    }
    bytes.setField("length", length);
}
runtime::Value storageOf(const runtime::Value& bytes) {
    return bytes.isNull() ? runtime::Value() : bytes.field("b");
}
}  // namespace

ByteArray::ByteArray(int size) {
    if (size > 0) {
        b->bytes.assign(static_cast<std::size_t>(size), 0);
        length_ = size;
    }
}

void ByteArray::initClass() {
    static const bool done = [] {
        media_byte_array_init = MEDIA_LOAD(media_native_byte_array_init);
        auto callbacks = backEndCallbacks();
        media_byte_array_init(callbacks[0], callbacks[1], callbacks[2], callbacks[3]);
        media_byte_array_overwrite_file = MEDIA_LOAD(media_native_byte_array_overwrite_file);
        media_byte_array_read_file = MEDIA_LOAD(media_native_byte_array_read_file);
        media_byte_array_get_native_pointer = MEDIA_LOAD(media_native_byte_array_get_native_pointer);
        media_lzma_encode = MEDIA_LOAD(media_native_lzma_encode);
        media_lzma_decode = MEDIA_LOAD(media_native_lzma_decode);
        return true;
    }();
    (void)done;
}

std::array<runtime::Ref<runtime::Function>, 4> ByteArray::backEndCallbacks() {
    return {runtime::Function::of<&factory>(), runtime::Function::of<&lengthOf>(), runtime::Function::of<&resize>(),
            runtime::Function::of<&storageOf>()};
}

runtime::Ref<ByteArray> ByteArray::fromBytes(const runtime::Ref<runtime::Bytes>& bytes) {
    auto out = runtime::make<ByteArray>(-1);
    out->fromBytes_(bytes);
    return out;
}

runtime::Ref<ByteArray> ByteArray::readFile(const runtime::String& path) {
    initClass();
    runtime::Value v = media_byte_array_read_file(path);
    return runtime::Ref<ByteArray>(v.as<ByteArray>());
}

void ByteArray::writeFile(const runtime::String& path) {
    initClass();
    media_byte_array_overwrite_file(path, runtime::Value(this));
}

runtime::Value ByteArray::getNativePointer() {
    initClass();
    return media_byte_array_get_native_pointer(runtime::Value(this));
}

void ByteArray::fromBytes_(const runtime::Ref<runtime::Bytes>& bytes) {
    b = bytes->b;
    length_ = bytes->length();
}

// --- whole buffer -------------------------------------------------------------------------

void ByteArray::grow(int64_t needed) {
    if (needed <= static_cast<int64_t>(b->bytes.size())) return;
    b->bytes.resize(static_cast<std::size_t>(needed * 3 / 2 + 10), 0);
}

void ByteArray::ensureElem(int size, bool updateLength) {
    int64_t needed = static_cast<int64_t>(size) + 1;
    grow(needed);
    if (updateLength && length_ < needed) length_ = static_cast<int>(needed);
}

void ByteArray::clear() {
    length_ = 0;
    position = 0;
}

void ByteArray::setLength(int value) {
    if (value > 0) ensureElem(value - 1, false);
    length_ = value;
}

void ByteArray::checkData(int len) {
    if (length_ < static_cast<int64_t>(position) + len) throwEOFi_();
}

void ByteArray::throwEOFi_() { throw runtime::Thrown(runtime::Value(runtime::make<EOFError>())); }

runtime::String ByteArray::get_endian() { return bigEndian ? "bigEndian" : "littleEndian"; }

runtime::String ByteArray::set_endian(const runtime::String& value) {
    bigEndian = value == "bigEndian";
    return value;
}

int ByteArray::get_(int pos) { return pos < 0 ? 0 : b->at(static_cast<std::size_t>(pos)); }

void ByteArray::set_(int pos, int v) {
    if (pos < 0) return;
    grow(static_cast<int64_t>(pos) + 1);
    b->bytes[static_cast<std::size_t>(pos)] = static_cast<uint8_t>(v);
}

runtime::Ref<ByteArray> ByteArray::slice(int begin, std::optional<int> end) {
    if (begin < 0) begin = std::max(begin + length_, 0);
    int e = end.value_or(length_);
    if (e < 0) e = std::max(e + length_, 0);
    if (e <= begin) return runtime::make<ByteArray>();
    auto out = runtime::make<ByteArray>(e - begin);
    out->blit(0, *this, begin, e - begin);
    return out;
}

void ByteArray::replaceContent(std::vector<uint8_t> bytes) {
    int n = static_cast<int>(bytes.size());
    b = runtime::make<runtime::ByteStorage>(std::move(bytes));
    length_ = n;
}

// The storage may hold bytes past the length (capacity kept after a shrink): they are not content
// and must not reach the compressor.
runtime::Ref<runtime::ByteStorage> ByteArray::validStorage() {
    if (!b) return runtime::make<runtime::ByteStorage>();
    if (b->bytes.size() == static_cast<std::size_t>(length_)) return b;
    return runtime::make<runtime::ByteStorage>(data());
}

void ByteArray::compress(std::optional<CompressionAlgorithm> algorithm) {
    CompressionAlgorithm a = algorithm.value_or(CompressionAlgorithm::ZLIB);
    if (a == CompressionAlgorithm::LZMA) {
        initClass();
        runtime::Value out = media_lzma_encode(runtime::Value(validStorage()));
        auto* storage = out.as<runtime::ByteStorage>();
        if (!storage) runtime::Thrown::text("Compression failed");
        replaceContent(storage->bytes);
    } else {
        std::vector<uint8_t> in = data();
        replaceContent(sys::Zlib::compress(in.data(), in.size(), COMPRESSION_LEVEL));
    }
    position = length_;
}

void ByteArray::uncompress(std::optional<CompressionAlgorithm> algorithm) {
    CompressionAlgorithm a = algorithm.value_or(CompressionAlgorithm::ZLIB);
    if (a == CompressionAlgorithm::LZMA) {
        initClass();
        runtime::Value out = media_lzma_decode(runtime::Value(validStorage()));
        auto* storage = out.as<runtime::ByteStorage>();
        if (!storage) runtime::Thrown::text("Decompression failed");
        replaceContent(storage->bytes);
    } else {
        std::vector<uint8_t> in = data();
        replaceContent(sys::Zlib::uncompress(in.data(), in.size()));
    }
    position = 0;
}

runtime::String ByteArray::asString() { return readUTFBytes(length_); }

// --- reading ------------------------------------------------------------------------------

int ByteArray::nextByte() {
    if (position >= length_) throwEOFi_();
    int v = get_(position);
    ++position;
    return v;
}

bool ByteArray::readBoolean() { return nextByte() != 0; }

int ByteArray::readByte() {
    int v = nextByte();
    return v >= 128 ? v - 256 : v;
}

int ByteArray::readUnsignedByte() { return nextByte(); }

int ByteArray::readUnsignedShort() {
    int b0 = nextByte();
    int b1 = nextByte();
    return bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0;
}

int ByteArray::readShort() {
    int v = readUnsignedShort();
    return v >= 32768 ? v - 65536 : v;
}

int ByteArray::readInt() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        auto byte = static_cast<uint32_t>(nextByte());
        v |= bigEndian ? byte << (8 * (3 - i)) : byte << (8 * i);
    }
    return static_cast<int32_t>(v);
}

int ByteArray::readUnsignedInt() { return readInt(); }

runtime::Value ByteArray::takeStorage(int n) {
    checkData(n);
    std::vector<uint8_t> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) out[static_cast<std::size_t>(i)] = static_cast<uint8_t>(get_(position + i));
    position += n;
    return runtime::Value(runtime::make<runtime::ByteStorage>(std::move(out)));
}

double ByteArray::readFloat() {
    checkData(4);
    int start = position;
    runtime::Value storage = takeStorage(4);
    try {
        return _float_of_bytes(storage, bigEndian).toFloat();
    } catch (...) {
        position = start;
        throw;
    }
}

double ByteArray::readDouble() {
    checkData(8);
    int start = position;
    runtime::Value storage = takeStorage(8);
    try {
        return _double_of_bytes(storage, bigEndian).toFloat();
    } catch (...) {
        position = start;
        throw;
    }
}

runtime::String ByteArray::readUTFBytes(int length) {
    checkData(length);
    std::string out(static_cast<std::size_t>(std::max(length, 0)), '\0');
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<char>(get_(position + static_cast<int>(i)));
    position += length;
    return runtime::String(std::move(out));
}

runtime::String ByteArray::readUTF() { return readUTFBytes(readUnsignedShort()); }

runtime::String ByteArray::readMultiByte(int length, const runtime::String&) { return readUTFBytes(length); }

// Steps: a missing or zero length takes everything after position; a span past the end throws
// before anything moves; the target grows to offset + length; a negative length copies nothing
// and moves position back.
void ByteArray::readBytes(const runtime::Ref<ByteArray>& target, int offset, int length) {
    if (!target) runtime::Thrown::text("Null access");
    if (length == 0) length = length_ - position;
    checkData(length);
    int64_t end = static_cast<int64_t>(offset) + length;
    if (target->length_ < end) target->ensureElem(static_cast<int>(end - 1), true);
    std::vector<uint8_t> copy(static_cast<std::size_t>(std::max(length, 0)));
    for (std::size_t i = 0; i < copy.size(); ++i) copy[i] = static_cast<uint8_t>(get_(position + static_cast<int>(i)));
    for (std::size_t i = 0; i < copy.size(); ++i) {
        int at = offset + static_cast<int>(i);
        if (at >= 0) target->set_(at, copy[i]);
    }
    position += length;
}

// --- writing ------------------------------------------------------------------------------

void ByteArray::write_uncheck(int byte) {
    if (position >= 0 && static_cast<std::size_t>(position) < b->bytes.size())
        b->bytes[static_cast<std::size_t>(position)] = static_cast<uint8_t>(byte);
    ++position;
}

void ByteArray::writeInteger(uint32_t value, int n) {
    ensureElem(position + n - 1, true);
    for (int i = 0; i < n; ++i) {
        int shift = bigEndian ? 8 * (n - 1 - i) : 8 * i;
        int at = position + i;
        if (at >= 0) b->bytes[static_cast<std::size_t>(at)] = static_cast<uint8_t>(value >> shift);
    }
    position += n;
}

void ByteArray::writeBoolean(bool value) { writeInteger(value ? 1 : 0, 1); }
void ByteArray::writeByte(int value) { writeInteger(static_cast<uint32_t>(value), 1); }
void ByteArray::writeShort(int value) { writeInteger(static_cast<uint32_t>(value), 2); }
void ByteArray::writeInt(int value) { writeInteger(static_cast<uint32_t>(value), 4); }
void ByteArray::writeUnsignedInt(int value) { writeInteger(static_cast<uint32_t>(value), 4); }

// The primitive already ordered the bytes.
void ByteArray::writeStorage(const runtime::Value& storage, int n) {
    auto* s = storage.as<runtime::ByteStorage>();
    ensureElem(position + n - 1, true);
    for (int i = 0; i < n; ++i) {
        int at = position + i;
        if (at >= 0) b->bytes[static_cast<std::size_t>(at)] = s ? s->at(static_cast<std::size_t>(i)) : 0;
    }
    position += n;
}

void ByteArray::writeFloat(double value) { writeStorage(_float_bytes(value, bigEndian), 4); }
void ByteArray::writeDouble(double value) { writeStorage(_double_bytes(value, bigEndian), 8); }

void ByteArray::writeUTFBytes(const runtime::String& value) {
    const std::string& s = value.str();
    int n = static_cast<int>(s.size());
    if (n == 0) return;
    ensureElem(position + n - 1, true);
    for (int i = 0; i < n; ++i) {
        int at = position + i;
        if (at >= 0) b->bytes[static_cast<std::size_t>(at)] = static_cast<uint8_t>(s[static_cast<std::size_t>(i)]);
    }
    position += n;
}

void ByteArray::writeUTF(const runtime::String& value) {
    writeShort(static_cast<int>(value.str().size()));
    writeUTFBytes(value);
}

void ByteArray::writeMultiByte(const runtime::String& value, const runtime::String&) { writeUTFBytes(value); }

// A source range outside source's length throws OutsideBounds after length and position moved.
void ByteArray::writeBytes(const runtime::Ref<runtime::Bytes>& source, int offset, int length) {
    if (!source) runtime::Thrown::text("Null access");
    if (length == 0) length = source->length() - offset;
    ensureElem(position + length - 1, true);
    int p = position;
    position = p + length;
    blit(p, *source, offset, length);
}

}  // namespace framework

using framework::ByteArray;

RUNTIME_DEFINE_CLASS(ByteArray, "framework._native.utils.ByteArray", runtime::Bytes, (auto& b) {
    b.template property<&ByteArray::length, &ByteArray::setRawLength>("length")
        .template field<&ByteArray::b>("b")
        .template field<&ByteArray::bigEndian>("bigEndian")
        .template field<&ByteArray::position>("position")
        .template property<&ByteArray::get_endian, &ByteArray::set_endian>("endian")
        .template property<&ByteArray::get_bytesAvailable>("bytesAvailable")
        .template property<&ByteArray::get_byteLength>("byteLength")
        .template method<&ByteArray::ensureElem>("ensureElem")
        .template method<&ByteArray::clear>("clear")
        .template method<&ByteArray::setLength>("setLength")
        .template method<&ByteArray::readUnsignedByte>("readUnsignedByte")
        .template method<&ByteArray::readInt>("readInt")
        .template method<&ByteArray::readUTFBytes>("readUTFBytes")
        .template method<&ByteArray::writeByte>("writeByte")
        .template method<&ByteArray::writeInt>("writeInt")
        .template method<&ByteArray::writeUTFBytes>("writeUTFBytes")
        .template method<&ByteArray::asString>("asString")
        .template staticMethod<&ByteArray::readFile>("readFile")
        .template staticMethod<&ByteArray::fromBytes>("fromBytes")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<ByteArray>(a.integer(0));
        });
})
