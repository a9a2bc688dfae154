#include "TextLineMetrics.h"

#include "platform/runtime/Args.h"

namespace framework {

RUNTIME_DEFINE_CLASS(TextLineMetrics, "framework.text.TextLineMetrics", runtime::Object, (auto& b) {
    using T = TextLineMetrics;
    b.template field<&T::ascent>("ascent")
        .template field<&T::descent>("descent")
        .template field<&T::height>("height")
        .template field<&T::leading>("leading")
        .template field<&T::width>("width")
        .template field<&T::x>("x")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.number(0), a.number(1), a.number(2), a.number(3), a.number(4), a.number(5));
        });
})

}  // namespace framework
