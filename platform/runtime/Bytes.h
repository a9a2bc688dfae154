#pragma once
// The basic byte buffer: `length` bytes held in the storage `b` (richer buffers derive from it).
// The back end reads both fields by name.
#include <cstdint>
#include <vector>

#include "ByteStorage.h"
#include "Value.h"

namespace runtime {

class Bytes : public Object {
public:
    Bytes() : b(make<ByteStorage>()) {}
    explicit Bytes(std::vector<uint8_t> bytes) : b(make<ByteStorage>(std::move(bytes))), length_(static_cast<int>(b->bytes.size())) {}

    int length() const { return length_; }
    // The first length() bytes of the storage.
    std::vector<uint8_t> data() const;

    Value getField(std::string_view name, bool propertyAccess = true) override;
    std::string toString() const override;  // the bytes as text

    Ref<ByteStorage> b;

protected:
    int length_ = 0;
};

}  // namespace runtime
