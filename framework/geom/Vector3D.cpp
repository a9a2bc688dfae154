#include "Vector3D.h"

#include "platform/runtime/Args.h"

using framework::Vector3D;

RUNTIME_DEFINE_CLASS(Vector3D, "framework._native.geom.Vector3D", runtime::Object, (auto& b) {
    b.template field<&Vector3D::x>("x")
        .template field<&Vector3D::y>("y")
        .template field<&Vector3D::z>("z")
        .template field<&Vector3D::w>("w")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Vector3D>(a.number(0), a.number(1), a.number(2), a.number(3));
        });
})
