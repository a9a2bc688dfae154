#include "ShadeFilter.h"

RUNTIME_DEFINE_CLASS(ShadeFilter, "tests.tween.ShadeFilter", framework::BitmapFilter, (auto& b) {
    b.template field<&ShadeFilter::strength>("strength")
        .template field<&ShadeFilter::blur>("blur")
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<ShadeFilter>();
        });
})
