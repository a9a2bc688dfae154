#pragma once
// The byte-order names of ByteArray::endian.
#include <endian.h>

#include "platform/runtime/String.h"

// The C library's byte-order macros of the same names would hide the constants.
#undef BIG_ENDIAN
#undef LITTLE_ENDIAN

namespace framework {

class Endian {
public:
    static inline const runtime::String BIG_ENDIAN = "bigEndian";
    static inline const runtime::String LITTLE_ENDIAN = "littleEndian";
};

}  // namespace framework
