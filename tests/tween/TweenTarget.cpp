#include "TweenTarget.h"

RUNTIME_DEFINE_CLASS(TweenTarget, "tests.tween.TweenTarget", runtime::Object, (auto& b) {
    b.template property<&TweenTarget::get_x, &TweenTarget::set_x>("x")
        .template property<&TweenTarget::get_rotation, &TweenTarget::set_rotation>("rotation")
        .template field<&TweenTarget::y>("y")
        .template field<&TweenTarget::n>("n")
        .template field<&TweenTarget::flag>("flag")
        .template field<&TweenTarget::label>("label");
})
