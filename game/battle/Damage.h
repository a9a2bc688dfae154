#pragma once
// The arithmetic of a hit, apart from what it shows: the hero's strike on a monster and a
// monster's strike on the hero, from the hero's stats in GameData plus the potion sums of
// UIActiveEffectsHUD against the monster's definition. Every draw comes from BattleRandom, in
// the order the rules take them, so scripted draws replay a fight.
#include <array>

#include "game/data/Item.h"
#include "game/data/MonsterData.h"

namespace game {

class Damage {
public:
    // One value per element, in the order fire, ice, earth, wind, dark, light.
    using Elements = std::array<long long, 6>;

    struct HeroHit {
        bool instantKill = false;
        bool critical = false;
        // HP the monster loses (0 for an instant kill, which sets its HP to 0 instead).
        int amount = 0;
    };
    struct MonsterHit {
        bool dodged = false;
        int amount = 0;
    };

    // The hero's strike. The instant kill is rolled only when killRoll (before the battle's
    // first resolved hit, never against a boss); bonus adds its attack and, scaled by the
    // hero's magic, its elemental attacks (null for none). At least 1 unless instant.
    static HeroHit heroHit(const MonsterData& monster, bool killRoll, const Item* bonus);
    // A monster's strike with the battle's extra elemental attack; it may deal 0.
    static MonsterHit monsterHit(const MonsterData& monster, const Elements& bonus);

    // The hero's and the potions' elemental attacks, and defences.
    static Elements heroAttacks();
    static Elements heroDefences();
    static Elements monsterAttacks(const MonsterData& monster);
    static Elements monsterDefences(const MonsterData& monster);
    static Elements itemAttacks(const ItemData& data);
};

}  // namespace game
