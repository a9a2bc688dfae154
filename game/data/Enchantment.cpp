#include "Enchantment.h"

#include <cmath>

#include "GameData.h"
#include "game/town/CraftingProperty.h"

namespace game {

using Rect = Enchantment::Rect;
using runtime::Ref;

namespace {

Rect statIcon(int index) {
    return runtime::make<framework::Rectangle>(27 * (index % 5), 27 * (index / 5), 27, 27);
}
Rect elemAttack(int row) { return runtime::make<framework::Rectangle>(19, 25 * row, 22, 25); }
Rect elemDefense(int row) { return runtime::make<framework::Rectangle>(0, 25 * row, 19, 25); }

}  // namespace

const Rect Enchantment::ICON_HP = statIcon(0), Enchantment::ICON_MP = statIcon(1), Enchantment::ICON_ATTACK = statIcon(2),
           Enchantment::ICON_DEFENSE = statIcon(3), Enchantment::ICON_MAGIC = statIcon(4),
           Enchantment::ICON_HPREGEN = statIcon(5), Enchantment::ICON_MPREGEN = statIcon(6),
           Enchantment::ICON_CRIT = statIcon(7), Enchantment::ICON_EXP = statIcon(8), Enchantment::ICON_GOLD = statIcon(9),
           Enchantment::ICON_DROP = statIcon(10), Enchantment::ICON_POTION_EFFICIENCY = statIcon(11),
           Enchantment::ICON_POTION_DURATION = statIcon(12), Enchantment::ICON_DODGE = statIcon(13),
           Enchantment::ICON_BLEED = statIcon(14), Enchantment::ICON_LIFEDRAIN = statIcon(15),
           Enchantment::ICON_KILL = statIcon(16), Enchantment::ICON_EMPTY1 = statIcon(17),
           Enchantment::ICON_EMPTY2 = statIcon(18), Enchantment::ICON_EMPTY3 = statIcon(19),
           Enchantment::ICON_FIRE = statIcon(20), Enchantment::ICON_ICE = statIcon(21),
           Enchantment::ICON_EARTH = statIcon(22), Enchantment::ICON_WIND = statIcon(23),
           Enchantment::ICON_DARK = statIcon(24), Enchantment::ICON_LIGHT = statIcon(25),
           Enchantment::ICON_TELEKINESIS = statIcon(26), Enchantment::ICON_REVEALER = statIcon(27),
           Enchantment::ICON_EMPTY4 = statIcon(28), Enchantment::ICON_EMPTY5 = statIcon(29);

const Rect Enchantment::ELEM_ICON_ATT_FIRE = elemAttack(0), Enchantment::ELEM_ICON_ATT_ICE = elemAttack(1),
           Enchantment::ELEM_ICON_ATT_EARTH = elemAttack(2), Enchantment::ELEM_ICON_ATT_WIND = elemAttack(3),
           Enchantment::ELEM_ICON_ATT_DARK = elemAttack(4), Enchantment::ELEM_ICON_ATT_LIGHT = elemAttack(5),
           Enchantment::ELEM_ICON_DEF_FIRE = elemDefense(0), Enchantment::ELEM_ICON_DEF_ICE = elemDefense(1),
           Enchantment::ELEM_ICON_DEF_EARTH = elemDefense(2), Enchantment::ELEM_ICON_DEF_WIND = elemDefense(3),
           Enchantment::ELEM_ICON_DEF_DARK = elemDefense(4), Enchantment::ELEM_ICON_DEF_LIGHT = elemDefense(5);

const Enchantment::TypeInfo* Enchantment::typeInfo(const runtime::String& key) {
    using E = Enchantment;
    using P = CraftingProperty;
    // In the order the crafting lookup compares the keys.
    static const TypeInfo table[] = {
        {"att", &P::LABEL_ATTACK, &E::ICON_ATTACK, &P::GEMRECT_ATTACK, false, false, 1, 42},
        {"def", &P::LABEL_DEFENSE, &E::ICON_DEFENSE, &P::GEMRECT_DEFENSE, false, false, 1, 43},
        {"mag", &P::LABEL_MAGIC, &E::ICON_MAGIC, &P::GEMRECT_MAGIC, false, false, 1, 44},
        {"attFire", &P::LABEL_FIRE_ATTACK, &E::ELEM_ICON_ATT_FIRE, &P::GEMRECT_FIRE_ATTACK, true, false, 2, 54},
        {"attIce", &P::LABEL_ICE_ATTACK, &E::ELEM_ICON_ATT_ICE, &P::GEMRECT_ICE_ATTACK, true, false, 2, 55},
        {"attEarth", &P::LABEL_EARTH_ATTACK, &E::ELEM_ICON_ATT_EARTH, &P::GEMRECT_EARTH_ATTACK, true, false, 2, 56},
        {"attWind", &P::LABEL_WIND_ATTACK, &E::ELEM_ICON_ATT_WIND, &P::GEMRECT_WIND_ATTACK, true, false, 2, 57},
        {"attDark", &P::LABEL_DARK_ATTACK, &E::ELEM_ICON_ATT_DARK, &P::GEMRECT_DARK_ATTACK, true, false, 2, 58},
        {"attLight", &P::LABEL_LIGHT_ATTACK, &E::ELEM_ICON_ATT_LIGHT, &P::GEMRECT_LIGHT_ATTACK, true, false, 2, 59},
        {"defFire", &P::LABEL_FIRE_DEFENSE, &E::ELEM_ICON_DEF_FIRE, &P::GEMRECT_FIRE_DEFENSE, true, false, 1.5, 54},
        {"defIce", &P::LABEL_ICE_DEFENSE, &E::ELEM_ICON_DEF_ICE, &P::GEMRECT_ICE_DEFENSE, true, false, 1.5, 55},
        {"defEarth", &P::LABEL_EARTH_DEFENSE, &E::ELEM_ICON_DEF_EARTH, &P::GEMRECT_EARTH_DEFENSE, true, false, 1.5, 56},
        {"defWind", &P::LABEL_WIND_DEFENSE, &E::ELEM_ICON_DEF_WIND, &P::GEMRECT_WIND_DEFENSE, true, false, 1.5, 57},
        {"defDark", &P::LABEL_DARK_DEFENSE, &E::ELEM_ICON_DEF_DARK, &P::GEMRECT_DARK_DEFENSE, true, false, 1.5, 58},
        {"defLight", &P::LABEL_LIGHT_DEFENSE, &E::ELEM_ICON_DEF_LIGHT, &P::GEMRECT_LIGHT_DEFENSE, true, false, 1.5, 59},
        {"hp", &P::LABEL_HP, &E::ICON_HP, &P::GEMRECT_HP, false, false, 10, 40},
        {"mp", &P::LABEL_MP, &E::ICON_MP, &P::GEMRECT_MP, false, false, 2, 41},
        {"hpregen", &P::LABEL_HP_REGEN, &E::ICON_HPREGEN, &P::GEMRECT_HP_REGEN, false, false, 1.6, 46},
        {"mpregen", &P::LABEL_MP_REGEN, &E::ICON_MPREGEN, &P::GEMRECT_MP_REGEN, false, false, 0.4, 47},
        {"crit", &P::LABEL_CRIT_CHANCE, &E::ICON_CRIT, &P::GEMRECT_CRIT_CHANCE, false, true, 0.7, 52},
        {"drop", &P::LABEL_DROP_CHANCE, &E::ICON_DROP, &P::GEMRECT_DROP_CHANCE, false, true, 0.4, 49},
        {"gold", &P::LABEL_GOLD, &E::ICON_GOLD, &P::GEMRECT_GOLD, false, true, 1.5, 45},
        {"exp", &P::LABEL_EXP, &E::ICON_EXP, &P::GEMRECT_EXP, false, true, 1, 48},
        {"dodge", &P::LABEL_DODGE, &E::ICON_DODGE, &P::GEMRECT_DODGE, false, true, 0.3, 53},
        {"bleed", &P::LABEL_BLEED, &E::ICON_BLEED, &P::GEMRECT_BLEED, false, false, 2, 51},
        {"lifedrain", &P::LABEL_LIFE_DRAIN, &E::ICON_LIFEDRAIN, &P::GEMRECT_LIFE_DRAIN, false, false, 1.5, 50},
        {"kill", &P::LABEL_KILL, &E::ICON_KILL, &P::GEMRECT_KILL, false, true, 1.6, 60},
    };
    if (key.isNull()) return nullptr;
    for (const TypeInfo& t : table)
        if (key.str() == t.key) return &t;
    return nullptr;
}

Enchantment::Enchantment(const runtime::String& type, int value, bool potion, int picID, bool halve)
    : type(type), value(value) {
    if (picID != -1) this->picID = picID;
    double factor = 1;
    if (const TypeInfo* t = typeInfo(type)) {
        iconScrollRect = *t->icon;
        label = *t->label;
        gemRect = *t->gem;
        elemIcon = t->elemIcon;
        isPercent = t->isPercent;
        factor = t->potionFactor;
    }
    if (potion) {
        double k = halve ? 0.5 : 1;
        this->value = static_cast<int>(std::ceil(k * std::ceil(value * factor * GameData::potionEfficiency)));
    }
}

bool Enchantment::equals(const Ref<Enchantment>& other) {
    return other && type == other->type && value == other->value;
}

Ref<Enchantment> Enchantment::clone() { return runtime::make<Enchantment>(type, value); }

}  // namespace game

using game::Enchantment;

RUNTIME_DEFINE_CLASS(Enchantment, "Enchantment", runtime::Object, (auto& b) {
    b.template field<&Enchantment::type>("type")
        .template field<&Enchantment::value>("value")
        .template field<&Enchantment::gemRect>("gemRect")
        .template field<&Enchantment::label>("label")
        .template field<&Enchantment::elemIcon>("elemIcon")
        .template field<&Enchantment::isPercent>("isPercent")
        .template field<&Enchantment::iconScrollRect>("iconScrollRect")
        .template field<&Enchantment::picID>("picID")
        .template method<&Enchantment::equals>("equals")
        .template method<&Enchantment::clone>("clone")
        .emptyInstance();
})
