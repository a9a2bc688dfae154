#include "IGraphicsData.h"

#include "platform/runtime/Args.h"

namespace framework {

RUNTIME_DEFINE_CLASS(IGraphicsData, "framework._native.display.IGraphicsData", runtime::Object, (auto& b) {
    b.template field<&IGraphicsData::handle_>("__handle")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<IGraphicsData>(runtime::Args(v, n)[0]);
        });
})

}  // namespace framework
