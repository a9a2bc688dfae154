#include "Matrix3D.h"

#include "platform/runtime/Args.h"

namespace framework {

Matrix3D::Matrix3D(const runtime::Ref<runtime::Array>& v) {
    if (v && v->length() == 16) {
        rawData = v;
        return;
    }
    rawData = runtime::make<runtime::Array>();
    for (int i = 0; i < 16; ++i) rawData->push(runtime::Value(i % 5 == 0 ? 1.0 : 0.0));
}

}  // namespace framework

using framework::Matrix3D;

RUNTIME_DEFINE_CLASS(Matrix3D, "framework._native.geom.Matrix3D", runtime::Object, (auto& b) {
    b.template field<&Matrix3D::rawData>("rawData")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<Matrix3D>(runtime::Args(v, n).object<runtime::Array>(0));
        });
})
