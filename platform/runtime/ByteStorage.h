#pragma once
// A growable array of unsigned bytes as a runtime object: the storage of a byte buffer (its
// field "b"), which the back end reads and writes directly.
#include <cstdint>
#include <string>
#include <vector>

#include "Object.h"

namespace runtime {

class ByteStorage : public Object {
public:
    ByteStorage() = default;
    explicit ByteStorage(std::vector<uint8_t> bytes) : bytes(std::move(bytes)) {}
    ~ByteStorage() override;

    // The byte at i, or 0 outside the storage.
    uint8_t at(std::size_t i) const { return i < bytes.size() ? bytes[i] : 0; }
    std::string toString() const override;

    std::vector<uint8_t> bytes;
};

}  // namespace runtime
