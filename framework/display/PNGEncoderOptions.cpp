#include "PNGEncoderOptions.h"

#include "platform/runtime/Args.h"

namespace framework {

RUNTIME_DEFINE_CLASS(PNGEncoderOptions, "framework._native.display.PNGEncoderOptions", runtime::Object, (auto& b) {
    b.template field<&PNGEncoderOptions::fastCompression>("fastCompression")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<PNGEncoderOptions>(runtime::Args(v, n).flag(0, false));
        });
})

}  // namespace framework
