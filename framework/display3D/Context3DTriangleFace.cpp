#include "Context3DTriangleFace.h"

#include "Constant3D.h"

using framework::Context3DTriangleFace;
using framework::constant3D;

RUNTIME_DEFINE_CLASS(Context3DTriangleFace, "framework._native.display3D.Context3DTriangleFace", runtime::Object,
                     (auto& b) {
    using F = Context3DTriangleFace;
    b.template staticMethod<&F::_new>("_new")
        .template staticMethod<&F::fromInt>("fromInt")
        .template staticMethod<&F::toInt>("toInt");
    b.info().addStatic(constant3D<F::BACK>("BACK"));
    b.info().addStatic(constant3D<F::FRONT>("FRONT"));
    b.info().addStatic(constant3D<F::FRONT_AND_BACK>("FRONT_AND_BACK"));
    b.info().addStatic(constant3D<F::NONE>("NONE"));
})
