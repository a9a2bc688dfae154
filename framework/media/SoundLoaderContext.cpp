#include "SoundLoaderContext.h"

#include "platform/runtime/Args.h"

using framework::SoundLoaderContext;

RUNTIME_DEFINE_CLASS(SoundLoaderContext, "framework.media.SoundLoaderContext", runtime::Object, (auto& b) {
    b.template field<&SoundLoaderContext::bufferTime>("bufferTime")
        .template field<&SoundLoaderContext::checkPolicyFile>("checkPolicyFile")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<SoundLoaderContext>(a.number(0, 0), a.flag(1, false));
        });
})
