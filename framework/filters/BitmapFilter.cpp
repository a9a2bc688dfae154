#include "BitmapFilter.h"

#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<BitmapFilter> BitmapFilter::clone() { return runtime::make<BitmapFilter>(type); }

}  // namespace framework

using framework::BitmapFilter;

RUNTIME_DEFINE_CLASS(BitmapFilter, "framework._native.filters.BitmapFilter", runtime::Object, (auto& b) {
    b.template field<&BitmapFilter::type>("type")
        .template method<&BitmapFilter::clone>("clone")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<BitmapFilter>(runtime::Args(v, n).text(0));
        });
})
