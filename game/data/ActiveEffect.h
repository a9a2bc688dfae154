#pragma once
// One running potion effect: an enchantment and its remaining duration in won battles. The
// active-effects HUD keeps the list (GameData::activeEffects) and counts it down.
#include "Enchantment.h"

namespace game {

class ActiveEffect : public runtime::Object {
    RUNTIME_CLASS(ActiveEffect)
public:
    runtime::Ref<Enchantment> enchantment;
    int duration = 0;

    ActiveEffect(const runtime::Ref<Enchantment>& enchantment, int duration)
        : enchantment(enchantment), duration(duration) {}
    explicit ActiveEffect(runtime::NoInit) {}
};

}  // namespace game
