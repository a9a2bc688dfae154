#pragma once
// The shared animations of the one-shot and looping effects (battle strikes and spells, map
// sequences, the HUD) and the points along the hero's sword on each frame of its attack. The
// single animations exist from start-up; setup() builds the lists once.
#include <vector>

#include "framework/geom/Point.h"
#include "game/kit/Anim.h"

namespace game {

class Effects {
public:
    using AnimRef = runtime::Ref<Anim>;
    using Points = std::vector<runtime::Ref<framework::Point>>;

    // Anim(startX, startY, width, height, frames, loop, frameStep, backAndForth, pauseFrames)
    static inline const AnimRef MONSTER_FIRE_SPIT = runtime::make<Anim>(0, 0, 24, 14, 4, false, 8);
    static inline const AnimRef MONSTER_ACID_SPIT = runtime::make<Anim>(0, 0, 20, 12, 4, false, 8);
    static inline const AnimRef MONSTER_PLASMA_BLAST = runtime::make<Anim>(0, 0, 48, 48, 4, false, 4);
    static inline const AnimRef MONSTER_PIXIE_BLAST = runtime::make<Anim>(0, 0, 48, 48, 4, false, 4);
    static inline const AnimRef MONSTER_DARK_PIXIE_BLAST = runtime::make<Anim>(0, 0, 48, 48, 4, false, 4);
    static inline const AnimRef MONSTER_EMERALD_BREATH = runtime::make<Anim>(0, 0, 48, 48, 15, false, 3);
    static inline const AnimRef MONSTER_DARK_FIRE_BREATH = runtime::make<Anim>(0, 0, 48, 48, 15, false, 3);
    static inline const AnimRef MONSTER_DEMON_ORB = runtime::make<Anim>(0, 0, 32, 32, 5, true, 2);
    static inline const AnimRef MONSTER_DEMON_ORB_SMALL = runtime::make<Anim>(0, 0, 16, 16, 5, true, 2);
    static inline const AnimRef FLAMESTRIKE_ANIM = runtime::make<Anim>(0, 0, 32, 48, 15, false, 3);
    static inline const AnimRef ICESLASH_ANIM = runtime::make<Anim>(0, 0, 40, 48, 13, false, 4);
    static inline const AnimRef EARTHSPIKE_ANIM = runtime::make<Anim>(0, 0, 38, 48, 16, false, 3);
    static inline const AnimRef WINDBLAST_ANIM = runtime::make<Anim>(0, 0, 32, 40, 13, false, 3);
    static inline const AnimRef DARKBURST_ANIM = runtime::make<Anim>(0, 0, 48, 48, 12, false, 3);
    static inline const AnimRef LIGHTBEAM_ANIM = runtime::make<Anim>(0, 0, 48, 96, 10, false, 3);
    static inline const AnimRef SLOT_FLASH = runtime::make<Anim>(0, 0, 54, 54, 3, false, 3, true);
    static inline const AnimRef WINGS_ANIM = runtime::make<Anim>(0, 0, 56, 45, 12, false, 3);
    static inline const AnimRef HEAL_ANIM = runtime::make<Anim>(0, 0, 28, 32, 12, false, 3);
    static inline const AnimRef SECRET_FLASH = runtime::make<Anim>(0, 0, 6, 6, 9, true, 3, true, 10);
    static inline const AnimRef RAIN_TILE = runtime::make<Anim>(0, 0, 64, 64, 8, true, 4);

    // Three puffs of a destroyed wall, one per row of their sheet.
    static inline std::vector<AnimRef> POOFY_EXPLOSION_ANIMS;
    // Four rain splashes, one per row of their sheet.
    static inline std::vector<AnimRef> RAIN_SPLASHES;
    // One entry per frame of the hero's attack animation: points along the blade, in the attack
    // sprite's pixels (entry 5 is empty).
    static inline std::vector<Points> GUY_SWORD_POINTS;

    // Builds the three lists; each call appends to them, so the game calls it once.
    static void setup();
};

}  // namespace game
