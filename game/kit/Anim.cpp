#include "Anim.h"

using game::Anim;

RUNTIME_DEFINE_CLASS(Anim, "Anim", runtime::Object, (auto& b) {
    b.template field<&Anim::startX>("startX")
        .template field<&Anim::startY>("startY")
        .template field<&Anim::width>("width")
        .template field<&Anim::height>("height")
        .template field<&Anim::frames>("frames")
        .template field<&Anim::loop>("loop")
        .template field<&Anim::frameStep>("frameStep")
        .template field<&Anim::backAndForth>("backAndForth")
        .template field<&Anim::pauseFrames>("pauseFrames")
        .emptyInstance();
})
