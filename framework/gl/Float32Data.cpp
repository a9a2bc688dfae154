#include "Float32Data.h"

namespace framework {

runtime::Value Float32Data::fromFloat32Array(const runtime::Ref<Float32Array>& array) {
    return array ? runtime::Value(array->getByteBuffer()) : runtime::Value();
}

}  // namespace framework

using framework::Float32Data;

RUNTIME_DEFINE_CLASS(Float32Data, "framework._native.gl.Float32Data", runtime::Object, (auto& b) {
    using F = Float32Data;
    b.template staticMethod<&F::_new>("_new")
        .template staticMethod<&F::toDynamic>("toDynamic")
        .template staticMethod<&F::fromFloat32Array>("fromFloat32Array")
        .template staticMethod<&F::fromArrayFloat>("fromArrayFloat");
})
