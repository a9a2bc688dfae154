#include "ArgumentError.h"

#include "platform/runtime/Args.h"

using framework::ArgumentError;

RUNTIME_DEFINE_CLASS(ArgumentError, "framework.errors.ArgumentError", framework::Error, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
        return runtime::make<ArgumentError>(runtime::Args(v, n).text(0));
    });
})
