#pragma once
// A view of 8-bit integers: elements read sign-extended (a stored 0xFF reads -1) and are written
// as their low 8 bits.
#include "ArrayBufferView.h"

namespace framework {

class UInt8Array : public ArrayBufferView {
    RUNTIME_CLASS(UInt8Array)
public:
    static inline int SBYTES_PER_ELEMENT = 1;

    // first: an element count (a new zero-filled buffer); an array of numbers, whose element
    // start + i (0 outside the array) becomes element i of a new buffer, length elements in all
    // (by default the array's length − start); or a ByteArray viewed from byte start for length
    // elements. Throws the texts of ArrayBufferView.
    explicit UInt8Array(const runtime::Value& first, int start = 0, std::optional<int> length = std::nullopt);
    explicit UInt8Array(runtime::NoInit n) : ArrayBufferView(n) {}

    // Element index at byte byteOffset + index × BYTES_PER_ELEMENT.
    virtual int get_(int index);
    virtual void set_(int index, int value);

    int BYTES_PER_ELEMENT = 1;
    int length = 0;
};

}  // namespace framework
