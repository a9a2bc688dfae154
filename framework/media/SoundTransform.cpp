#include "SoundTransform.h"

#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<SoundTransform> SoundTransform::clone() { return runtime::make<SoundTransform>(volume, pan); }

}  // namespace framework

using framework::SoundTransform;

RUNTIME_DEFINE_CLASS(SoundTransform, "framework.media.SoundTransform", runtime::Object, (auto& b) {
    b.template field<&SoundTransform::leftToLeft>("leftToLeft")
        .template field<&SoundTransform::leftToRight>("leftToRight")
        .template field<&SoundTransform::pan>("pan")
        .template field<&SoundTransform::rightToLeft>("rightToLeft")
        .template field<&SoundTransform::rightToRight>("rightToRight")
        .template field<&SoundTransform::volume>("volume")
        .template method<&SoundTransform::clone>("clone")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<SoundTransform>(a.number(0, 1), a.number(1, 0));
        });
})
