#include "Float32Array.h"

#include <climits>

#include "platform/runtime/Args.h"

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
    b.template field<&V::BYTES_PER_ELEMENT>("BYTES_PER_ELEMENT")
        .template field<&V::length>("length")
        .template staticField<&V::SBYTES_PER_ELEMENT>("SBYTES_PER_ELEMENT")
        .template method<&V::setLength_>("__setLength")
        .template staticMethod<&V::fromMatrix>("fromMatrix")
        .template method<&V::get_>("__get")
        .template method<&V::set_>("__set")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            std::optional<int> length;
            if (a.given(2)) length = a.integer(2);
            return runtime::make<V>(a[0], a.integer(1), length);
        });
})
