#include "RangeError.h"

#include "platform/runtime/Args.h"

using framework::RangeError;

RUNTIME_DEFINE_CLASS(RangeError, "framework.errors.RangeError", framework::Error, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
        return runtime::make<RangeError>(runtime::Args(v, n).text(0));
    });
})
