#pragma once
// A window of bytes over a shared ByteArray: byteLength bytes from byteOffset. Multi-byte values
// are little-endian (the constructor switches the buffer to little-endian so that its own reads
// agree). Every access goes through the buffer's storage, so views of one buffer see each
// other's writes and stay valid when the buffer grows in place. Base of the element views.
#include <cstring>
#include <optional>

#include "ByteArray.h"
#include "IMemoryRange.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/ByteStorage.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class ArrayBufferView : public runtime::Object, public IMemoryRange {
    RUNTIME_CLASS(ArrayBufferView)
public:
    // The text thrown by an access outside the view.
    static inline runtime::String invalidDataIndex = "Invalid data index";

    // first: an integer byte count gives a new zero-filled buffer of that size (byteOffset and
    // length are then ignored); a ByteArray is viewed from byteOffset for length bytes (the rest
    // of the buffer when absent). Throws the texts "Invalid input buffer" (anything else),
    // "Invalid starting position" (byteOffset negative or past the buffer's length) and
    // "Invalid buffer length" (a negative size, or a range past the buffer's end); the buffer
    // is untouched then.
    explicit ArrayBufferView(const runtime::Value& first, int byteOffset = 0, std::optional<int> length = std::nullopt);
    explicit ArrayBufferView(runtime::NoInit) {}

    runtime::Ref<ByteArray> getByteBuffer() override { return buffer; }
    int getLength() override { return byteLength; }
    int getStart() override { return byteOffset; }
    // The native address of the buffer's whole storage (byteOffset is not added).
    virtual runtime::Value getNativePointer();

    // i counts bytes from byteOffset, unaligned. Narrow integers read sign-extended; writes keep
    // the low bits; floats are single precision. An access that does not lie wholly inside the
    // view throws invalidDataIndex.
    virtual double getFloat32(int i);
    virtual int getInt16(int i);
    virtual int getInt32(int i);
    virtual int getUInt8(int i);
    virtual void setFloat32(int i, double v);
    virtual void setInt16(int i, int v);
    virtual void setInt32(int i, int v);
    virtual void setUInt8(int i, int v);

    runtime::Ref<ByteArray> buffer;
    int byteOffset = 0;
    int byteLength = 0;
    // The buffer's storage, taken once at construction.
    runtime::Ref<runtime::ByteStorage> bytes;

protected:
    ArrayBufferView() = default;
    void init(const runtime::Value& first, int byteOffset, std::optional<int> length);
    // Shared construction of the element views (see UInt8Array); returns the element count.
    // write stores a source value as element i; with startSkipsSource element i comes from
    // source index start + i, else from index i (start then only shortens the default length).
    int initElements(const runtime::Value& first, int start, std::optional<int> length, int elementSize,
                     bool startSkipsSource, void (*write)(ArrayBufferView&, int, const runtime::Value&));
    // The storage address of `size` bytes at view byte i; throws invalidDataIndex outside.
    uint8_t* address(int64_t i, int size);
    // The value of type T at view byte i, in the host's order, which is little-endian.
    template <class T>
    T load(int64_t i) {
        T v;
        std::memcpy(&v, address(i, sizeof v), sizeof v);
        return v;
    }
    template <class T>
    void store(int64_t i, T v) {
        std::memcpy(address(i, sizeof v), &v, sizeof v);
    }
};

// The members every typed array registers by name: its element size, length, element access
// and the (first, start, count) constructor. Returns the builder for further members.
template <class V, class Builder>
Builder& typedArrayMembers(Builder& b) {
    b.template field<&V::BYTES_PER_ELEMENT>("BYTES_PER_ELEMENT")
        .template field<&V::length>("length")
        .template staticField<&V::SBYTES_PER_ELEMENT>("SBYTES_PER_ELEMENT")
        .template method<&V::get_>("__get")
        .template method<&V::set_>("__set")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            std::optional<int> length;
            if (a.given(2)) length = a.integer(2);
            return runtime::make<V>(a[0], a.integer(1), length);
        });
    return b;
}

}  // namespace framework
