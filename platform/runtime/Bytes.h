#pragma once
// The basic byte buffer: a fixed run of bytes (richer buffers derive from it).
#include <cstdint>
#include <vector>

#include "Value.h"

namespace runtime {

class Bytes : public Object {
public:
    Bytes() = default;
    explicit Bytes(std::vector<uint8_t> data) : data(std::move(data)) {}

    int length() const { return static_cast<int>(data.size()); }
    std::string toString() const override;  // the bytes as text

    std::vector<uint8_t> data;
};

}  // namespace runtime
