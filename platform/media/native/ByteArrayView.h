#pragma once
// Reads a framework byte array through its fields: "length" (valid bytes) and "b" (the
// storage, a runtime::ByteStorage). Storage shorter than the length reads as zeros.
#include <cstdint>
#include <vector>

#include "platform/runtime/Value.h"

namespace media {

class ByteArrayView {
public:
    // The first `count` bytes (all valid bytes when count < 0, never more than the length);
    // empty for null or anything without storage.
    static std::vector<uint8_t> copy(const runtime::Value& byteArray, int64_t count = -1);
};

}  // namespace media
