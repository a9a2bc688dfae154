#include "Context3DClearMask.h"

#include "Constant3D.h"

using framework::Context3DClearMask;
using framework::constant3D;

RUNTIME_DEFINE_CLASS(Context3DClearMask, "framework._native.display3D.Context3DClearMask", runtime::Object, (auto& b) {
    using M = Context3DClearMask;
    b.info().addStatic(constant3D<M::ALL>("ALL"));
    b.info().addStatic(constant3D<M::COLOR>("COLOR"));
    b.info().addStatic(constant3D<M::DEPTH>("DEPTH"));
    b.info().addStatic(constant3D<M::STENCIL>("STENCIL"));
})
