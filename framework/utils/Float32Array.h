#pragma once
// A view of IEEE single-precision floats, little-endian: elements read widened to double and are
// written rounded to single precision.
#include "ArrayBufferView.h"
#include "framework/geom/Matrix3D.h"

namespace framework {

class Float32Array : public ArrayBufferView {
    RUNTIME_CLASS(Float32Array)
public:
    static inline int SBYTES_PER_ELEMENT = 4;

    // first: an element count (a new zero-filled buffer); an array of numbers, whose element
    // start + i (0 outside the array) becomes element i of a new buffer, length elements in all
    // (by default the array's length − start); or a ByteArray viewed from byte start for length
    // elements. Throws the texts of ArrayBufferView, and "Invalid array size" when the byte
    // range is not a whole number of elements.
    // Unlike UInt8Array, element i of an array source always comes from index i: start only
    // shortens the default length.
    explicit Float32Array(const runtime::Value& first, int start = 0, std::optional<int> length = std::nullopt);
    explicit Float32Array(runtime::NoInit n) : ArrayBufferView(n) {}

    // Sets length to n and the buffer's length to byteOffset + 4n (growing its storage in place).
    virtual void setLength_(int n);
    // A new view of a copy of m's rawData, in stored order.
    static runtime::Ref<Float32Array> fromMatrix(const runtime::Ref<Matrix3D>& m);

    // Element index at byte byteOffset + index × BYTES_PER_ELEMENT.
    virtual double get_(int index);
    virtual void set_(int index, double value);

    int BYTES_PER_ELEMENT = 4;
    int length = 0;
};

}  // namespace framework
