#include "ActiveEffect.h"

using game::ActiveEffect;

RUNTIME_DEFINE_CLASS(ActiveEffect, "ActiveEffect", runtime::Object, (auto& b) {
    b.template field<&ActiveEffect::enchantment>("enchantment")
        .template field<&ActiveEffect::duration>("duration")
        .emptyInstance();
})
