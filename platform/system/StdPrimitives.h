#pragma once
// The system's "std" number primitives: IEEE 754 encodings of a number in a given byte order
// and back. They have the primitive signature, so framework slots hold them directly.
#include "platform/runtime/Primitive.h"

namespace sys {

class StdPrimitives {
public:
    // (value, bigEndian) -> a runtime::ByteStorage of 8 bytes.
    static void doubleBytes(const runtime::Value* args, int argc, runtime::Value* result);
    // (storage, bigEndian) -> the double held by its first 8 bytes (missing bytes read as 0).
    static void doubleOfBytes(const runtime::Value* args, int argc, runtime::Value* result);
    // (value, bigEndian) -> a runtime::ByteStorage of 4 bytes (single precision).
    static void floatBytes(const runtime::Value* args, int argc, runtime::Value* result);
    // (storage, bigEndian) -> the single held by its first 4 bytes, widened.
    static void floatOfBytes(const runtime::Value* args, int argc, runtime::Value* result);
};

}  // namespace sys
