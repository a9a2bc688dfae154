#include "SamplerState.h"

using framework::SamplerState;

RUNTIME_DEFINE_CLASS(SamplerState, "framework._native.display3D.SamplerState", runtime::Object, (auto& b) {
    b.template field<&SamplerState::wrap>("wrap")
        .template field<&SamplerState::filter>("filter")
        .template field<&SamplerState::mipfilter>("mipfilter")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<SamplerState>();
        });
})
