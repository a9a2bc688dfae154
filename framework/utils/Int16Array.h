#pragma once
// A view of 16-bit integers, little-endian: elements read sign-extended and are written as their
// low 16 bits.
#include "ArrayBufferView.h"

namespace framework {

class Int16Array : public ArrayBufferView {
    RUNTIME_CLASS(Int16Array)
public:
    static inline int SBYTES_PER_ELEMENT = 2;

    // first: an element count (a new zero-filled buffer); an array of numbers, whose element
    // start + i (0 outside the array) becomes element i of a new buffer, length elements in all
    // (by default the array's length − start); or a ByteArray viewed from byte start for length
    // elements. Throws the texts of ArrayBufferView, and "Invalid array size" when the byte
    // range is not a whole number of elements.
    // Unlike UInt8Array, element i of an array source always comes from index i: start only
    // shortens the default length.
    explicit Int16Array(const runtime::Value& first, int start = 0, std::optional<int> length = std::nullopt);
    explicit Int16Array(runtime::NoInit n) : ArrayBufferView(n) {}

    // Element index at byte byteOffset + index × BYTES_PER_ELEMENT.
    virtual int get_(int index);
    virtual void set_(int index, int value);

    int BYTES_PER_ELEMENT = 2;
    int length = 0;
};

}  // namespace framework
