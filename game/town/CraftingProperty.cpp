#include "CraftingProperty.h"

namespace game {

namespace {

// Cell column and row of the gem sheet.
CraftingProperty::Rect gem(int column, int row) {
    return runtime::make<framework::Rectangle>(column * 8, row * 8, 8, 8);
}

}  // namespace

const CraftingProperty::Rect CraftingProperty::GEMRECT_HP = gem(0, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MP = gem(1, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ATTACK = gem(2, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DEFENSE = gem(3, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MAGIC = gem(4, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_GOLD = gem(0, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_HP_REGEN = gem(1, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MP_REGEN = gem(2, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EXP = gem(3, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DROP_CHANCE = gem(4, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIFE_DRAIN = gem(0, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_BLEED = gem(1, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_CRIT_CHANCE = gem(2, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DODGE = gem(3, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_FIRE_DEFENSE = gem(4, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ICE_DEFENSE = gem(0, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EARTH_DEFENSE = gem(1, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_WIND_DEFENSE = gem(2, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DARK_DEFENSE = gem(3, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIGHT_DEFENSE = gem(4, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_FIRE_ATTACK = gem(0, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ICE_ATTACK = gem(1, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EARTH_ATTACK = gem(2, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_WIND_ATTACK = gem(3, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DARK_ATTACK = gem(4, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIGHT_ATTACK = gem(0, 5);
const CraftingProperty::Rect CraftingProperty::GEMRECT_KILL = gem(1, 5);

}  // namespace game
