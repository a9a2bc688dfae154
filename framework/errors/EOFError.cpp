#include "EOFError.h"

using framework::EOFError;

RUNTIME_DEFINE_CLASS(EOFError, "framework.errors.EOFError", framework::Error, (auto& b) {
    b.emptyInstance().constructor(
        [](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<EOFError>(); });
})
