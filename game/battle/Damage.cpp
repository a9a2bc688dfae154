#include "Damage.h"

#include <algorithm>

#include "BattleRandom.h"
#include "Element.h"
#include "game/data/GameData.h"
#include "game/ui/UIActiveEffectsHUD.h"

namespace game {

namespace {
using Hud = UIActiveEffectsHUD;
using Wide = long long;

// A hit's HP, truncated; held within the 32-bit range.
int toAmount(double damage) { return static_cast<int>(std::clamp(damage, 0.0, 2147483647.0)); }

constexpr int ELEMENT_TYPES[6] = {Element::TYPE_FIRE, Element::TYPE_ICE,  Element::TYPE_EARTH,
                                  Element::TYPE_WIND, Element::TYPE_DARK, Element::TYPE_LIGHT};
}  // namespace

Damage::Elements Damage::heroAttacks() {
    return {Wide{GameData::attFire} + Hud::attFire, Wide{GameData::attIce} + Hud::attIce,
            Wide{GameData::attEarth} + Hud::attEarth, Wide{GameData::attWind} + Hud::attWind,
            Wide{GameData::attDark} + Hud::attDark, Wide{GameData::attLight} + Hud::attLight};
}

Damage::Elements Damage::heroDefences() {
    return {Wide{GameData::defFire} + Hud::defFire, Wide{GameData::defIce} + Hud::defIce,
            Wide{GameData::defEarth} + Hud::defEarth, Wide{GameData::defWind} + Hud::defWind,
            Wide{GameData::defDark} + Hud::defDark, Wide{GameData::defLight} + Hud::defLight};
}

Damage::Elements Damage::monsterAttacks(const MonsterData& m) {
    return {m.attFire, m.attIce, m.attEarth, m.attWind, m.attDark, m.attLight};
}

Damage::Elements Damage::monsterDefences(const MonsterData& m) {
    return {m.defFire, m.defIce, m.defEarth, m.defWind, m.defDark, m.defLight};
}

Damage::Elements Damage::itemAttacks(const ItemData& d) {
    return {d.attFire, d.attIce, d.attEarth, d.attWind, d.attDark, d.attLight};
}

Damage::HeroHit Damage::heroHit(const MonsterData& monster, bool killRoll, const Item* bonus) {
    HeroHit hit;
    if (killRoll && BattleRandom::next() < (Wide{GameData::killChance} + Hud::killChance) / 100.0) {
        hit.instantKill = true;
        return hit;
    }
    const ItemData* b = bonus && bonus->data ? bonus->data.get() : nullptr;
    double total = static_cast<double>(
        std::max<Wide>(0, Wide{b ? b->attack : 0} - monster.defense + Hud::attack + GameData::attack));
    const Elements bonusAttacks = b ? itemAttacks(*b) : Elements{};
    const Elements attacks = heroAttacks();
    const Elements defences = monsterDefences(monster);
    for (int i = 0; i < 6; ++i) {
        Wide term = Wide{GameData::calculateMagicPower(bonusAttacks[i])} + attacks[i] - defences[i];
        if (monster.weak == ELEMENT_TYPES[i]) term *= 2;
        total += static_cast<double>(std::max<Wide>(0, term));
    }
    double damage = total * (BattleRandom::next() * 0.2 + 0.9);
    if (BattleRandom::next() < (Wide{GameData::critChance} + Hud::critChance) / 100.0) {
        damage *= GameData::critMultiplier;
        hit.critical = true;
    }
    if (damage <= 0) damage = 1;
    hit.amount = toAmount(damage);
    return hit;
}

Damage::MonsterHit Damage::monsterHit(const MonsterData& monster, const Elements& bonus) {
    MonsterHit hit;
    if (BattleRandom::next() < (Wide{GameData::dodgeChance} + Hud::dodgeChance) / 100.0) {
        hit.dodged = true;
        return hit;
    }
    double total = static_cast<double>(std::max<Wide>(0, Wide{monster.attack} - Hud::defense - GameData::defense));
    const Elements attacks = monsterAttacks(monster);
    const Elements defences = heroDefences();
    for (int i = 0; i < 6; ++i)
        total += static_cast<double>(std::max<Wide>(0, Wide{attacks[i]} + bonus[i] - defences[i]));
    hit.amount = toAmount(total * (BattleRandom::next() * 0.2 + 0.9));
    return hit;
}

}  // namespace game
