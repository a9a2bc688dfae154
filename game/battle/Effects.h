#pragma once
// The shared animations of the battle's effects; null until the battle sets them up.
#include "game/kit/Anim.h"

namespace game {

class Effects {
public:
    using AnimRef = runtime::Ref<Anim>;

    static inline AnimRef MONSTER_FIRE_SPIT, MONSTER_ACID_SPIT, MONSTER_PLASMA_BLAST, MONSTER_PIXIE_BLAST;
    static inline AnimRef MONSTER_EMERALD_BREATH, MONSTER_DARK_FIRE_BREATH, MONSTER_DARK_PIXIE_BLAST;
    static inline AnimRef ICESLASH_ANIM, LIGHTBEAM_ANIM;
    // The secret entrance's sparkle.
    static inline AnimRef SECRET_FLASH = runtime::make<Anim>(0, 0, 6, 6, 9, true, 3, true, 10);
};

}  // namespace game
