#pragma once
// The basic byte buffer: `length` bytes held in the storage `b` (richer buffers derive from it).
// The back end reads both fields by name.
#include <cstdint>
#include <string>
#include <vector>

#include "ByteStorage.h"
#include "Value.h"

namespace runtime {

class Bytes : public Object {
public:
    // The text thrown when a range lies outside a buffer.
    static constexpr const char* OUTSIDE_BOUNDS = "OutsideBounds";

    Bytes() : b(make<ByteStorage>()) {}
    explicit Bytes(std::vector<uint8_t> bytes) : b(make<ByteStorage>(std::move(bytes))), length_(static_cast<int>(b->bytes.size())) {}
    // Around an existing storage (shared, not copied).
    Bytes(Ref<ByteStorage> storage, int length) : b(std::move(storage)), length_(length) {}
    // The UTF-8 bytes of a text.
    static Ref<Bytes> ofString(const std::string& text);

    int length() const { return length_; }
    // Sets the count of valid bytes as it is; the storage is not touched.
    void setRawLength(int n) { length_ = n; }
    // The first length() bytes of the storage.
    std::vector<uint8_t> data() const;

    // Copies len bytes of src's storage from srcpos to pos in this storage. Throws OUTSIDE_BOUNDS
    // when pos, srcpos or len is negative, pos + len > length() or srcpos + len > src.length().
    void blit(int pos, const Bytes& src, int srcpos, int len);
    // A new buffer holding a copy of the range (same bounds rule).
    Ref<Bytes> sub(int pos, int len) const;
    // The range as text, bytes unchecked (same bounds rule).
    std::string getString(int pos, int len) const;

    Value getField(std::string_view name, bool propertyAccess = true) override;
    std::string toString() const override;  // getString(0, length())

    Ref<ByteStorage> b;

protected:
    int length_ = 0;
};

}  // namespace runtime
