#include "JPEGEncoderOptions.h"

#include "platform/runtime/Args.h"

namespace framework {

RUNTIME_DEFINE_CLASS(JPEGEncoderOptions, "framework._native.display.JPEGEncoderOptions", runtime::Object, (auto& b) {
    b.template field<&JPEGEncoderOptions::quality>("quality")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<JPEGEncoderOptions>(runtime::Args(v, n).integer(0, 80));
        });
})

}  // namespace framework
