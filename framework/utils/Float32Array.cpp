#include "Float32Array.h"

#include <climits>


namespace framework {

Float32Array::Float32Array(const runtime::Value& first, int start, std::optional<int> count) {
    length = initElements(first, start, count, 4, false, [](ArrayBufferView& view, int i, const runtime::Value& v) {
        static_cast<Float32Array&>(view).set_(i, v.toFloat());
    });
}

void Float32Array::setLength_(int n) {
    if (n < 0 || byteOffset + 4 * static_cast<int64_t>(n) > INT_MAX) runtime::Thrown::text("Invalid buffer length");
    length = n;
    byteLength = 4 * n;
    buffer->setLength(byteOffset + byteLength);
}

runtime::Ref<Float32Array> Float32Array::fromMatrix(const runtime::Ref<Matrix3D>& m) {
    return runtime::make<Float32Array>(m ? runtime::Value(m->rawData) : runtime::Value());
}

double Float32Array::get_(int index) { return load<float>(static_cast<int64_t>(index) * 4); }

void Float32Array::set_(int index, double value) {
    store<float>(static_cast<int64_t>(index) * 4, static_cast<float>(value));
}

}  // namespace framework

using framework::Float32Array;

RUNTIME_DEFINE_CLASS(Float32Array, "framework._native.utils.Float32Array", framework::ArrayBufferView, (auto& b) {
    using V = Float32Array;
    framework::typedArrayMembers<V>(b)
        .template method<&V::setLength_>("__setLength")
        .template staticMethod<&V::fromMatrix>("fromMatrix");
})
