#include "Item.h"

#include "platform/runtime/Args.h"

namespace game {

using runtime::Ref;
using runtime::String;

namespace {

using Field = int ItemData::*;

// Definition fields that become enchantments, in order; the first twelve only without a slot.
struct FromField {
    Field field;
    const String* type;
};
const FromField ENCHANTMENT_FIELDS[] = {
    {&ItemData::attFire, &Enchantment::FIRE_ATTACK},    {&ItemData::attIce, &Enchantment::ICE_ATTACK},
    {&ItemData::attEarth, &Enchantment::EARTH_ATTACK},  {&ItemData::attWind, &Enchantment::WIND_ATTACK},
    {&ItemData::attDark, &Enchantment::DARK_ATTACK},    {&ItemData::attLight, &Enchantment::LIGHT_ATTACK},
    {&ItemData::defFire, &Enchantment::FIRE_DEFENSE},   {&ItemData::defIce, &Enchantment::ICE_DEFENSE},
    {&ItemData::defEarth, &Enchantment::EARTH_DEFENSE}, {&ItemData::defWind, &Enchantment::WIND_DEFENSE},
    {&ItemData::defDark, &Enchantment::DARK_DEFENSE},   {&ItemData::defLight, &Enchantment::LIGHT_DEFENSE},
    {&ItemData::hpRestore, &Enchantment::HP},           {&ItemData::mpRestore, &Enchantment::MP},
    {&ItemData::hpRegen, &Enchantment::HP_REGEN},       {&ItemData::mpRegen, &Enchantment::MP_REGEN},
    {&ItemData::critChance, &Enchantment::CRIT_CHANCE}, {&ItemData::dropChance, &Enchantment::DROP_CHANCE},
    {&ItemData::goldBonus, &Enchantment::GOLD},         {&ItemData::expBonus, &Enchantment::EXP},
    {&ItemData::dodge, &Enchantment::DODGE},            {&ItemData::bleed, &Enchantment::BLEED},
    {&ItemData::lifeDrain, &Enchantment::LIFE_DRAIN},   {&ItemData::kill, &Enchantment::INSTA_KILL},
};
constexpr int ELEMENTAL_ROWS = 12;

// The fields copied from the definition into the effective one.
constexpr Field COPIED[] = {&ItemData::attack,  &ItemData::defense,  &ItemData::magic,   &ItemData::defFire,
                            &ItemData::defEarth, &ItemData::defWind, &ItemData::defIce,  &ItemData::defDark,
                            &ItemData::defLight, &ItemData::attFire, &ItemData::attEarth, &ItemData::attWind,
                            &ItemData::attIce,  &ItemData::attDark,  &ItemData::attLight};

// What an enchantment adds to the effective definition: the field and the worth of one point
// (HP counts 1.5 a point, truncated).
struct Effect {
    const String* type;
    Field field;
    double worth;
};
const Effect NON_ELEMENTAL[] = {
    {&Enchantment::ATTACK, &ItemData::attack, 15},         {&Enchantment::DEFENSE, &ItemData::defense, 15},
    {&Enchantment::MAGIC, &ItemData::magic, 15},           {&Enchantment::HP, &ItemData::hpRestore, 1.5},
    {&Enchantment::MP, &ItemData::mpRestore, 15},          {&Enchantment::HP_REGEN, &ItemData::hpRegen, 15},
    {&Enchantment::MP_REGEN, &ItemData::mpRegen, 150},     {&Enchantment::CRIT_CHANCE, &ItemData::critChance, 12},
    {&Enchantment::DROP_CHANCE, &ItemData::dropChance, 14}, {&Enchantment::GOLD, &ItemData::goldBonus, 15},
    {&Enchantment::EXP, &ItemData::expBonus, 13},          {&Enchantment::DODGE, &ItemData::dodge, 12},
    {&Enchantment::BLEED, &ItemData::bleed, 10},           {&Enchantment::LIFE_DRAIN, &ItemData::lifeDrain, 12},
    {&Enchantment::INSTA_KILL, &ItemData::kill, 25},
};
const Effect ELEMENTAL[] = {
    {&Enchantment::FIRE_ATTACK, &ItemData::attFire, 10},   {&Enchantment::ICE_ATTACK, &ItemData::attIce, 10},
    {&Enchantment::EARTH_ATTACK, &ItemData::attEarth, 10}, {&Enchantment::WIND_ATTACK, &ItemData::attWind, 10},
    {&Enchantment::DARK_ATTACK, &ItemData::attDark, 10},   {&Enchantment::LIGHT_ATTACK, &ItemData::attLight, 10},
    {&Enchantment::FIRE_DEFENSE, &ItemData::defFire, 10},  {&Enchantment::ICE_DEFENSE, &ItemData::defIce, 10},
    {&Enchantment::EARTH_DEFENSE, &ItemData::defEarth, 10}, {&Enchantment::WIND_DEFENSE, &ItemData::defWind, 10},
    {&Enchantment::DARK_DEFENSE, &ItemData::defDark, 10},  {&Enchantment::LIGHT_DEFENSE, &ItemData::defLight, 10},
};

template <std::size_t N>
void addEnchantments(ItemData& effective, const std::vector<Ref<Enchantment>>& list, const Effect (&table)[N]) {
    for (const Ref<Enchantment>& e : list) {
        for (const Effect& t : table) {
            if (!(e->type == *t.type)) continue;
            effective.*t.field += e->value;
            effective.value += static_cast<int>(e->value * t.worth);
            break;
        }
    }
}

}  // namespace

Item::Item(const Ref<ItemData>& data, bool createEnchantments) : data(data) {
    duration = data->duration;
    artifact = data->artifact;
    if (createEnchantments) {
        int row = 0;
        for (const FromField& f : ENCHANTMENT_FIELDS) {
            bool elemental = row++ < ELEMENTAL_ROWS;
            if (elemental && data->slot != -1) continue;
            int v = (*data).*f.field;
            if (v != 0) enchantments.push_back(runtime::make<Enchantment>(*f.type, v));
        }
    }
    createEffectiveData();
}

bool Item::equals(const Ref<Item>& other) {
    if (!other || artifact != other->artifact || duration != other->duration) return false;
    bool sameData = data == other->data ||
                    (data && other->data && data->id == ItemData::CRAFTED_POTION_ID &&
                     other->data->id == ItemData::CRAFTED_POTION_ID);
    if (!sameData || enchantments.size() != other->enchantments.size()) return false;
    for (std::size_t i = 0; i < enchantments.size(); ++i)
        if (!enchantments[i]->equals(other->enchantments[i])) return false;
    return true;
}

Ref<Item> Item::clone(bool copyEnchantments) {
    auto copy = runtime::make<Item>(data, false);
    if (copyEnchantments)
        for (const Ref<Enchantment>& e : enchantments) copy->enchantments.push_back(e->clone());
    copy->amount = amount;
    copy->artifact = artifact;
    copy->duration = duration;
    copy->secondaryPicID = secondaryPicID;
    copy->effectiveData = effectiveData;
    return copy;
}

void Item::createEffectiveData(bool skipSpellElements) {
    auto effective = runtime::make<ItemData>(data->type, data->slot, data->name);
    for (Field f : COPIED) (*effective).*f = (*data).*f;
    addEnchantments(*effective, enchantments, NON_ELEMENTAL);
    if (!(skipSpellElements && data->spell)) addEnchantments(*effective, enchantments, ELEMENTAL);
    effectiveData = effective;
}

}  // namespace game

using game::Item;

RUNTIME_DEFINE_CLASS(Item, "Item", runtime::Object, (auto& b) {
    b.template field<&Item::data>("data")
        .template field<&Item::effectiveData>("effectiveData")
        .template field<&Item::amount>("amount")
        .template field<&Item::artifact>("artifact")
        .template field<&Item::duration>("duration")
        .template field<&Item::secondaryPicID>("secondaryPicID")
        .template method<&Item::equals>("equals")
        .template method<&Item::createEffectiveData>("createEffectiveData")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> Ref<runtime::Object> {
            runtime::Args a(v, n);
            auto data = a.object<game::ItemData>(0);
            if (!data) return nullptr;
            return runtime::make<Item>(data, a.flag(1, true));
        });
})
