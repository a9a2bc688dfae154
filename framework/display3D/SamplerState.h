#pragma once
// How one texture sampler of a 3D context addresses, filters and mip-maps its texture. A new
// state has all three values absent; the context fills them.
#include <optional>

#include "Context3DMipFilter.h"
#include "Context3DTextureFilter.h"
#include "Context3DWrapMode.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class SamplerState : public runtime::Object {
    RUNTIME_CLASS(SamplerState)
public:
    SamplerState() = default;
    explicit SamplerState(runtime::NoInit) {}

    std::optional<Context3DWrapMode> wrap;
    std::optional<Context3DTextureFilter> filter;
    std::optional<Context3DMipFilter> mipfilter;
};

}  // namespace framework
