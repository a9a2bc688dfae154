#include "ItemData.h"

#include <pugixml.hpp>

#include <climits>
#include <cstdlib>
#include <string>

#include "DataTable.h"
#include "Enchantment.h"
#include "Item.h"
#include "framework/assets/Assets.h"
#include "platform/runtime/Thrown.h"

namespace game {

using runtime::Ref;
using runtime::String;

namespace {

// Equipment slot codes of the tables (the equipment slots' own numbering).
constexpr int SLOT_NONE = -1, SLOT_WEAPON = 0, SLOT_SHIELD = 1, SLOT_HELMET = 2, SLOT_BODY = 3, SLOT_LEGS = 4,
              SLOT_BOOTS = 5, SLOT_HANDS = 6, SLOT_ACCESSORY1 = 7;

// The integer attributes after `id` and `picID`, in reading order.
struct IntAttribute {
    const char* name;
    int ItemData::*field;
};
struct FlagAttribute {
    const char* name;
    bool ItemData::*field;
};

constexpr IntAttribute NUMBERS[] = {
    {"att", &ItemData::attack},         {"def", &ItemData::defense},       {"mag", &ItemData::magic},
    {"defFire", &ItemData::defFire},    {"defEarth", &ItemData::defEarth}, {"defWind", &ItemData::defWind},
    {"defIce", &ItemData::defIce},      {"defDark", &ItemData::defDark},   {"defLight", &ItemData::defLight},
    {"attFire", &ItemData::attFire},    {"attEarth", &ItemData::attEarth}, {"attWind", &ItemData::attWind},
    {"attIce", &ItemData::attIce},      {"attDark", &ItemData::attDark},   {"attLight", &ItemData::attLight},
    {"hpRestore", &ItemData::hpRestore}, {"mpRestore", &ItemData::mpRestore}, {"hpregen", &ItemData::hpRegen},
    {"mpregen", &ItemData::mpRegen},    {"crit", &ItemData::critChance},   {"drop", &ItemData::dropChance},
    {"gold", &ItemData::goldBonus},     {"exp", &ItemData::expBonus},      {"dodge", &ItemData::dodge},
    {"bleed", &ItemData::bleed},        {"lifedrain", &ItemData::lifeDrain}, {"kill", &ItemData::kill},
    {"mpUse", &ItemData::mpUse},
};
constexpr FlagAttribute LATE_FLAGS[] = {
    {"wings", &ItemData::wings}, {"noShop", &ItemData::noShop}, {"inBattle", &ItemData::usableInBattle}};

int number(const pugi::xml_node& node, const char* name) {
    pugi::xml_attribute a = node.attribute(name);
    return a ? ItemData::parseInteger(a.value()) : 0;
}

}  // namespace

ItemData::ItemData(int type, int slot, const String& name) : slot(slot), type(type), name(name) {
    if (type == TYPE_LEGS || type == TYPE_BOOTS || type == TYPE_HANDS) an = "some ";
    else if (name == "Escape Wings") an = "The ";
    else if (!name.empty() && std::string("AEIOU").find(name.str()[0]) != std::string::npos) an = "an ";
    else an = "a ";
}

int ItemData::parseInteger(const char* s) {
    if (!s) return 0;
    while (*s == ' ' || *s == '\t' || *s == '\n' || *s == '\r' || *s == '\f' || *s == '\v') ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    int base = 10;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s += 2;
    }
    long long v = 0;
    for (;; ++s) {
        int digit;
        if (*s >= '0' && *s <= '9') digit = *s - '0';
        else if (base == 16 && *s >= 'a' && *s <= 'f') digit = *s - 'a' + 10;
        else if (base == 16 && *s >= 'A' && *s <= 'F') digit = *s - 'A' + 10;
        else break;
        // Out-of-range texts keep the nearest 32-bit value.
        if (v <= static_cast<long long>(INT_MAX) + 1) v = v * base + digit;
    }
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

void ItemData::createItems() {
    createItemsOfType(TYPE_CONSUMABLE, SLOT_NONE, CONSUMABLES, "assets/xml/consumables.xml");
    createItemsOfType(TYPE_WEAPON, SLOT_WEAPON, WEAPONS, "assets/xml/weapons.xml");
    createItemsOfType(TYPE_SHIELD, SLOT_SHIELD, SHIELDS, "assets/xml/shields.xml");
    createItemsOfType(TYPE_HELMET, SLOT_HELMET, HELMETS, "assets/xml/helmets.xml");
    createItemsOfType(TYPE_BODY, SLOT_BODY, BODIES, "assets/xml/bodies.xml");
    createItemsOfType(TYPE_LEGS, SLOT_LEGS, LEGS, "assets/xml/legs.xml");
    createItemsOfType(TYPE_BOOTS, SLOT_BOOTS, BOOTS, "assets/xml/boots.xml");
    createItemsOfType(TYPE_HANDS, SLOT_HANDS, HANDS, "assets/xml/hands.xml");
    createItemsOfType(TYPE_ACCESSORY, SLOT_ACCESSORY1, ACCESSORIES, "assets/xml/accessories.xml");
    createItemsOfType(TYPE_CRAFTING, SLOT_NONE, CRAFTINGS, "assets/xml/craftings.xml");
    createItemsOfType(TYPE_MAGIC, SLOT_NONE, MAGICS, "assets/xml/magics.xml");
    Item::ZERO = runtime::make<Item>(runtime::make<ItemData>(TYPE_CONSUMABLE, SLOT_NONE, ""));
}

void ItemData::createItemsOfType(int type, int slot, List& list, const String& path) {
    String source = framework::Assets::getText(path);
    if (source.isNull()) runtime::Thrown::text("Item table " + path.toText() + " is missing");
    readItemsOfType(type, slot, list, path, source);
}

void ItemData::readItemsOfType(int type, int slot, List& list, const String& path, const String& source) {
    pugi::xml_document doc;
    pugi::xml_node root = DataTable::open(doc, "Item table " + path.toText(), source);

    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        auto d = runtime::make<ItemData>(type, slot, DataTable::text(node, "name"));
        d->id = number(node, "id") + type;
        d->picID = number(node, "picID");
        if (String desc = DataTable::text(node, "desc"); !desc.isNull()) d->description = desc;
        d->idName = DataTable::text(node, "idName");
        d->value = number(node, "value");
        d->minFloor = number(node, "min");
        d->maxFloor = number(node, "max");
        d->artifact = DataTable::flag(node, "art");
        d->spell = DataTable::flag(node, "spell");
        d->attackMagic = DataTable::flag(node, "attMagic");
        for (const IntAttribute& a : NUMBERS) (*d).*a.field = number(node, a.name);
        for (const FlagAttribute& a : LATE_FLAGS) (*d).*a.field = DataTable::flag(node, a.name);
        d->duration = number(node, "duration");
        setSpecialType(d, DataTable::text(node, "special"));
        if (d->type == TYPE_CRAFTING) {
            d->craftProps.push_back(DataTable::text(node, "e1"));
            d->craftPropPowers.push_back(number(node, "e1power"));
            if (node.attribute("e2")) {
                d->craftProps.push_back(DataTable::text(node, "e2"));
                d->craftPropPowers.push_back(number(node, "e2power"));
            }
            setCraftingData(d);
        }
        list.push_back(d);
        ALL_ITEMS.push_back(d);
    }
}

void ItemData::setSpecialType(const Ref<ItemData>& data, const String& special) {
    if (special.isNull()) data->specialType = SPECIAL_NONE;
    else if (special == "pickaxe") {
        data->specialType = SPECIAL_PICKAXE;
        data->chooseTileItem = true;
    } else if (special == "telekinesis") {
        data->specialType = SPECIAL_TELEKINESIS;
        data->chooseTileItem = true;
    } else if (special == "revealer") {
        data->specialType = SPECIAL_REVEALER;
    } else if (special == "transmute") {
        data->specialType = SPECIAL_TRANSMUTATION;
    }
}

void ItemData::setCraftingData(const Ref<ItemData>& data) {
    for (std::size_t i = 0; i < 2 && i < data->craftProps.size(); ++i) {
        const Enchantment::TypeInfo* t = Enchantment::typeInfo(data->craftProps[i]);
        if (!t) continue;
        if (data->craftPropLabels.size() <= i) data->craftPropLabels.resize(i + 1);
        if (data->craftPropGemRects.size() <= i) data->craftPropGemRects.resize(i + 1);
        if (data->craftPropPicIDs.size() <= i) data->craftPropPicIDs.resize(i + 1);
        data->craftPropLabels[i] = *t->label;
        data->craftPropGemRects[i] = *t->gem;
        data->craftPropPicIDs[i] = t->potionPicID;
    }
}

Ref<ItemData> ItemData::findDataWithID(int id) {
    const List* list = &CONSUMABLES;
    switch (id / 1000) {
        case 1: list = &WEAPONS; break;
        case 2: list = &SHIELDS; break;
        case 3: list = &HELMETS; break;
        case 4: list = &BODIES; break;
        case 5: list = &LEGS; break;
        case 6: list = &BOOTS; break;
        case 7: list = &HANDS; break;
        case 8: list = &ACCESSORIES; break;
        case 9: list = &CRAFTINGS; break;
        case 10: list = &MAGICS; break;
        default: break;
    }
    for (const Ref<ItemData>& d : *list)
        if (d->id == id) return d;
    return nullptr;
}

Ref<ItemData> ItemData::findMagicDataByName(const String& name) {
    for (const Ref<ItemData>& d : MAGICS)
        if (!d->idName.isNull() && d->idName == name) return d;
    return nullptr;
}

}  // namespace game

using game::ItemData;

RUNTIME_DEFINE_CLASS(ItemData, "ItemData", runtime::Object, (auto& b) {
    b.template field<&ItemData::slot>("slot")
        .template field<&ItemData::type>("type")
        .template field<&ItemData::name>("name")
        .template field<&ItemData::description>("description")
        .template field<&ItemData::id>("id")
        .template field<&ItemData::idName>("idName")
        .template field<&ItemData::picID>("picID")
        .template field<&ItemData::value>("value")
        .template field<&ItemData::artifact>("artifact")
        .template field<&ItemData::spell>("spell")
        .template field<&ItemData::attackMagic>("attackMagic")
        .template field<&ItemData::mpUse>("mpUse")
        .template field<&ItemData::minFloor>("minFloor")
        .template field<&ItemData::maxFloor>("maxFloor")
        .template field<&ItemData::attack>("attack")
        .template field<&ItemData::defense>("defense")
        .template field<&ItemData::magic>("magic")
        .template field<&ItemData::defFire>("defFire")
        .template field<&ItemData::defEarth>("defEarth")
        .template field<&ItemData::defWind>("defWind")
        .template field<&ItemData::defIce>("defIce")
        .template field<&ItemData::defDark>("defDark")
        .template field<&ItemData::defLight>("defLight")
        .template field<&ItemData::attFire>("attFire")
        .template field<&ItemData::attEarth>("attEarth")
        .template field<&ItemData::attWind>("attWind")
        .template field<&ItemData::attIce>("attIce")
        .template field<&ItemData::attDark>("attDark")
        .template field<&ItemData::attLight>("attLight")
        .template field<&ItemData::hpRestore>("hpRestore")
        .template field<&ItemData::mpRestore>("mpRestore")
        .template field<&ItemData::hpRegen>("hpRegen")
        .template field<&ItemData::mpRegen>("mpRegen")
        .template field<&ItemData::critChance>("critChance")
        .template field<&ItemData::dropChance>("dropChance")
        .template field<&ItemData::goldBonus>("goldBonus")
        .template field<&ItemData::expBonus>("expBonus")
        .template field<&ItemData::dodge>("dodge")
        .template field<&ItemData::bleed>("bleed")
        .template field<&ItemData::lifeDrain>("lifeDrain")
        .template field<&ItemData::kill>("kill")
        .template field<&ItemData::wings>("wings")
        .template field<&ItemData::noShop>("noShop")
        .template field<&ItemData::usableInBattle>("usableInBattle")
        .template field<&ItemData::duration>("duration")
        .template field<&ItemData::an>("an")
        .template field<&ItemData::specialType>("specialType")
        .template field<&ItemData::chooseTileItem>("chooseTileItem")
        .template staticMethod<&ItemData::createItems>("createItems")
        .template staticMethod<&ItemData::findDataWithID>("findDataWithID")
        .template staticMethod<&ItemData::findMagicDataByName>("findMagicDataByName")
        .emptyInstance();
})
