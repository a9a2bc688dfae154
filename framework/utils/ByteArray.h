#pragma once
// The framework's growable byte buffer with a read/write position and a byte order (big-endian
// when new). Reads past `length` throw EOFError. The storage `b` only grows: clear and a smaller
// setLength lower `length` and keep the bytes behind it. The back end reads `length`, `b` and
// `ensureElem` by name and makes byte arrays through the callbacks registered by initClass.
#include <array>
#include <optional>

#include "CompressionAlgorithm.h"
#include "IDataInput.h"
#include "IDataOutput.h"
#include "IMemoryRange.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Primitive.h"
#include "platform/system/StdPrimitives.h"

namespace framework {

class ByteArray : public runtime::Bytes, public IDataInput, public IDataOutput, public IMemoryRange {
    RUNTIME_CLASS(ByteArray)
public:
    // Zero-filled storage of size bytes; size 0 gives an empty storage, a negative size an
    // empty one too, with length 0.
    explicit ByteArray(int size = 0);
    explicit ByteArray(runtime::NoInit) {}

    bool bigEndian = true;
    int position = 0;

    // Number encodings of the system's "std" layer, held directly.
    static inline runtime::Primitive _double_bytes{&sys::StdPrimitives::doubleBytes};
    static inline runtime::Primitive _double_of_bytes{&sys::StdPrimitives::doubleOfBytes};
    static inline runtime::Primitive _float_bytes{&sys::StdPrimitives::floatBytes};
    static inline runtime::Primitive _float_of_bytes{&sys::StdPrimitives::floatOfBytes};
    static inline runtime::Primitive media_byte_array_overwrite_file;
    static inline runtime::Primitive media_byte_array_read_file;
    static inline runtime::Primitive media_byte_array_get_native_pointer;
    static inline runtime::Primitive media_lzma_encode;
    static inline runtime::Primitive media_lzma_decode;
    static inline runtime::Primitive media_byte_array_init;

    // Registers the factory, length reader, resize and storage reader callbacks with the back
    // end (once), then looks up the primitives. Run at start-up (Lib::initClass) so that the
    // back end can make byte arrays before the framework asks for one.
    static void initClass();
    // The four callbacks initClass registers, in order: factory(length) -> a new ByteArray;
    // length reader(array or null) -> its length by name, 0 for null; resize(array, length) ->
    // ensureElem(length - 1, true) by name when length > 0, then length set by name; storage
    // reader(array or null) -> its `b` by name, null for null.
    static std::array<runtime::Ref<runtime::Function>, 4> backEndCallbacks();

    // Shares bytes's storage and length (nothing is copied).
    static runtime::Ref<ByteArray> fromBytes(const runtime::Ref<runtime::Bytes>& bytes);
    // The whole file through the back end, or null.
    static runtime::Ref<ByteArray> readFile(const runtime::String& path);

    virtual runtime::String asString();
    // Throws EOFError when fewer than len bytes lie after position.
    virtual void checkData(int len);
    virtual void clear();
    // null means ZLIB. DEFLATE, ZLIB and GZIP all write one zlib stream at level 8; position
    // then is length. "Compression failed" leaves the content unchanged.
    virtual void compress(std::optional<CompressionAlgorithm> algorithm = std::nullopt);
    virtual void deflate() { compress(CompressionAlgorithm::DEFLATE); }
    // Grows the storage to at least size + 1 bytes; with updateLength also length.
    virtual void ensureElem(int size, bool updateLength);
    runtime::Ref<ByteArray> getByteBuffer() override { return runtime::Ref<ByteArray>(this); }
    int getLength() override { return length_; }
    virtual runtime::Value getNativePointer();
    int getStart() override { return 0; }
    virtual void inflate() { uncompress(CompressionAlgorithm::DEFLATE); }
    bool readBoolean() override;
    int readByte() override;
    // Copies length bytes (0: all remaining) to target at offset; see the .cpp.
    void readBytes(const runtime::Ref<ByteArray>& target, int offset = 0, int length = 0) override;
    double readDouble() override;
    double readFloat() override;
    int readInt() override;
    virtual runtime::String readMultiByte(int length, const runtime::String& charSet = nullptr);
    virtual void writeMultiByte(const runtime::String& value, const runtime::String& charSet = nullptr);
    int readShort() override;
    int readUnsignedByte() override;
    int readUnsignedInt() override;
    int readUnsignedShort() override;
    runtime::String readUTF() override;
    runtime::String readUTFBytes(int length) override;
    virtual void setLength(int value);
    // New big-endian array with the range; a null end means length, negative ends count from the
    // end. An end beyond length throws the byte buffer's OutsideBounds.
    virtual runtime::Ref<ByteArray> slice(int begin, std::optional<int> end = std::nullopt);
    // null means ZLIB; position then is 0. Damaged data throws zlib's message, content unchanged.
    virtual void uncompress(std::optional<CompressionAlgorithm> algorithm = std::nullopt);
    // Stores one byte at position with no growth: the caller keeps position inside the storage.
    virtual void write_uncheck(int byte);
    void writeBoolean(bool value) override;
    virtual void writeObject(const runtime::Value& object) {}
    void writeByte(int value) override;
    void writeBytes(const runtime::Ref<runtime::Bytes>& source, int offset = 0, int length = 0) override;
    void writeDouble(double value) override;
    virtual void writeFile(const runtime::String& path);
    void writeFloat(double value) override;
    void writeInt(int value) override;
    void writeShort(int value) override;
    void writeUnsignedInt(int value) override;
    void writeUTF(const runtime::String& value) override;
    void writeUTFBytes(const runtime::String& value) override;
    // Takes bytes's storage and length; position and byte order stay.
    virtual void fromBytes_(const runtime::Ref<runtime::Bytes>& bytes);
    // The storage byte at pos, 0 outside it; length and position are ignored.
    virtual int get_(int pos);
    // Stores the low 8 bits at pos (growing the storage); a negative pos is ignored.
    virtual void set_(int pos, int v);
    [[noreturn]] virtual void throwEOFi_();
    int get_bytesAvailable() override { return length_ - position; }
    virtual int get_byteLength() { return length_; }
    virtual runtime::String get_endian();
    virtual runtime::String set_endian(const runtime::String& value);

private:
    // Makes the storage at least `needed` bytes (3/2 of it plus 10 when it grows).
    void grow(int64_t needed);
    // The step each integer read repeats: EOFError at the end, else the byte.
    int nextByte();
    // n bytes of value in the current order, growing length as needed.
    void writeInteger(uint32_t value, int n);
    void writeStorage(const runtime::Value& storage, int n);
    runtime::Value takeStorage(int n);
    void replaceContent(std::vector<uint8_t> bytes);
    runtime::Ref<runtime::ByteStorage> validStorage();
};

}  // namespace framework
