#include "DataSnapshot.h"

#include <variant>

#include "DataUI.h"
#include "GameData.h"
#include "SaveItem.h"
#include "platform/runtime/Array.h"

namespace game {

using runtime::Ref;
using runtime::Value;

namespace {

// A scalar the snapshot holds and the GameData field it mirrors.
struct Scalar {
    const char* name;
    std::variant<std::pair<int DataSnapshot::*, int*>, std::pair<double DataSnapshot::*, double*>> field;
};

template <class T>
Scalar scalar(const char* name, T DataSnapshot::*member, T* game) {
    return Scalar{name, std::pair<T DataSnapshot::*, T*>(member, game)};
}

// In declaration order; the item, text and flag lists and deepestFloor are handled apart.
const std::vector<Scalar>& scalars() {
    using S = DataSnapshot;
    using G = GameData;
    static const std::vector<Scalar> rows = {
        scalar("maxHP", &S::maxHP, &G::maxHP), scalar("maxMP", &S::maxMP, &G::maxMP), scalar("hp", &S::hp, &G::hp),
        scalar("mp", &S::mp, &G::mp), scalar("attack", &S::attack, &G::attack),
        scalar("defense", &S::defense, &G::defense), scalar("magic", &S::magic, &G::magic),
        scalar("defFire", &S::defFire, &G::defFire), scalar("defEarth", &S::defEarth, &G::defEarth),
        scalar("defWind", &S::defWind, &G::defWind), scalar("defIce", &S::defIce, &G::defIce),
        scalar("defDark", &S::defDark, &G::defDark), scalar("defLight", &S::defLight, &G::defLight),
        scalar("attFire", &S::attFire, &G::attFire), scalar("attEarth", &S::attEarth, &G::attEarth),
        scalar("attWind", &S::attWind, &G::attWind), scalar("attIce", &S::attIce, &G::attIce),
        scalar("attDark", &S::attDark, &G::attDark), scalar("attLight", &S::attLight, &G::attLight),
        scalar("attackDelay", &S::attackDelay, &G::attackDelay),
        scalar("dodgeChance", &S::dodgeChance, &G::dodgeChance),
        scalar("critChance", &S::critChance, &G::critChance), scalar("dropBonus", &S::dropBonus, &G::dropBonus),
        scalar("critMultiplier", &S::critMultiplier, &G::critMultiplier),
        scalar("goldMultiplier", &S::goldMultiplier, &G::goldMultiplier),
        scalar("expMultiplier", &S::expMultiplier, &G::expMultiplier),
        scalar("hpRegen", &S::hpRegen, &G::hpRegen), scalar("mpRegen", &S::mpRegen, &G::mpRegen),
        scalar("bleed", &S::bleed, &G::bleed), scalar("lifeDrain", &S::lifeDrain, &G::lifeDrain),
        scalar("killChance", &S::killChance, &G::killChance), scalar("gold", &S::gold, &G::gold),
        scalar("exp", &S::exp, &G::exp), scalar("level", &S::level, &G::level),
        scalar("nextLevelAt", &S::nextLevelAt, &G::nextLevelAt),
        scalar("skillPoints", &S::skillPoints, &G::skillPoints),
        scalar("skillPointsPerLevel", &S::skillPointsPerLevel, &G::skillPointsPerLevel),
        scalar("potionDuration", &S::potionDuration, &G::potionDuration),
        scalar("potionEfficiency", &S::potionEfficiency, &G::potionEfficiency),
        scalar("sellPercent", &S::sellPercent, &G::sellPercent), scalar("hpGems", &S::hpGems, &G::hpGems),
        scalar("mpGems", &S::mpGems, &G::mpGems), scalar("attGems", &S::attGems, &G::attGems),
        scalar("defGems", &S::defGems, &G::defGems), scalar("magGems", &S::magGems, &G::magGems),
        scalar("hpGemCost", &S::hpGemCost, &G::hpGemCost), scalar("mpGemCost", &S::mpGemCost, &G::mpGemCost),
        scalar("attGemCost", &S::attGemCost, &G::attGemCost),
        scalar("defGemCost", &S::defGemCost, &G::defGemCost),
        scalar("magGemCost", &S::magGemCost, &G::magGemCost),
    };
    return rows;
}

bool isGemCost(const Scalar& s) { return std::string_view(s.name).ends_with("GemCost"); }

DataSnapshot::ItemList copies(const DataSnapshot::ItemList& list) {
    DataSnapshot::ItemList out;
    out.reserve(list.size());
    for (const Ref<Item>& item : list) out.push_back(item ? item->clone() : nullptr);
    return out;
}

template <class T>
Ref<runtime::Array> valueList(const std::vector<T>& list) {
    auto out = runtime::make<runtime::Array>();
    for (const T& v : list) out->push(Value(v));
    return out;
}

DataSnapshot::ItemList readItems(const Value& list) {
    DataSnapshot::ItemList out;
    if (auto* a = list.as<runtime::Array>())
        for (const Value& v : a->items) out.push_back(GameData::createItemFromSaveItem(v));
    return out;
}

}  // namespace

void DataSnapshot::takeSnapshot() {
    dynamicSaveObject = runtime::make<runtime::DynamicObject>();
    for (const Scalar& s : scalars()) {
        std::visit(
            [this, &s](auto& f) {
                this->*f.first = *f.second;
                dynamicSaveObject->setField(s.name, Value(*f.second));
            },
            s.field);
    }
    equippedItems = copies(GameData::equippedItems);
    dynamicSaveObject->setField("equippedItems", Value(SaveItem::createList(equippedItems)));
    items = copies(GameData::items);
    dynamicSaveObject->setField("items", Value(SaveItem::createList(items)));
    skillNodesUnlocked = GameData::skillNodesUnlocked;
    dynamicSaveObject->setField("skillNodesUnlocked", Value(valueList(skillNodesUnlocked)));
    deepestFloor = GameData::deepestFloor;
    hotkeySlotItems = copies(DataUI::get().hotkeyBarItems().value_or(ItemList{}));
    dynamicSaveObject->setField("hotkeySlotItems", Value(SaveItem::createList(hotkeySlotItems)));
    shopsUnlocked = GameData::shopsUnlocked;
    dynamicSaveObject->setField("shopsUnlocked", Value(valueList(shopsUnlocked)));
    gameSwitches = GameData::gameSwitches;
    dynamicSaveObject->setField("gameSwitches", Value(valueList(gameSwitches)));
}

void DataSnapshot::restoreToGamedata() {
    for (const Scalar& s : scalars()) std::visit([this](auto& f) { *f.second = this->*f.first; }, s.field);
    GameData::equippedItems = copies(equippedItems);
    // A snapshot loaded without equipment still leaves every slot in place.
    if (GameData::equippedItems.size() < 10) GameData::equippedItems.resize(10);
    for (const Ref<InventoryIcon>& icon : GameData::itemIcons)
        if (icon) icon->destroy(true);
    GameData::items = copies(items);
    GameData::itemIcons.clear();
    for (const Ref<Item>& item : GameData::items) GameData::itemIcons.push_back(DataUI::get().createItemIcon(item, false));
    GameData::skillNodesUnlocked = skillNodesUnlocked;
    if (deepestFloor != -1) GameData::deepestFloor = deepestFloor;
    GameData::hotkeySlotItems = copies(hotkeySlotItems);
    GameData::shopsUnlocked = shopsUnlocked;
    for (std::size_t i = 0; i < gameSwitches.size(); ++i) GameData::setSwitch(static_cast<int>(i), gameSwitches[i]);
}

void DataSnapshot::loadSavedSnapshot(const Value& obj) {
    dynamicSaveObject = runtime::make<runtime::DynamicObject>();
    runtime::Object* source = obj.object();
    auto has = [source](const char* key) { return source && source->hasField(key); };
    auto stored = [&obj](const char* key) { return obj.isObject() ? obj.field(key) : Value(); };
    for (const Scalar& s : scalars()) {
        std::visit(
            [&](auto& f) {
                using T = std::remove_reference_t<decltype(*f.second)>;
                Value v = stored(s.name);
                if (isGemCost(s) && !has(s.name)) v = Value(*f.second);
                dynamicSaveObject->setField(s.name, v);
                if constexpr (std::is_same_v<T, int>) this->*f.first = v.toInt();
                else this->*f.first = v.toFloat();
            },
            s.field);
    }
    // The record's keys in the order takeSnapshot writes them.
    auto itemList = [&](const char* key, ItemList& list) {
        Value v = stored(key);
        dynamicSaveObject->setField(key, v);
        list = readItems(v);
    };
    itemList("equippedItems", equippedItems);
    itemList("items", items);
    Value nodes = stored("skillNodesUnlocked");
    dynamicSaveObject->setField("skillNodesUnlocked", nodes);
    skillNodesUnlocked.clear();
    if (auto* a = nodes.as<runtime::Array>())
        for (const Value& v : a->items) skillNodesUnlocked.push_back(v.toStringValue());
    itemList("hotkeySlotItems", hotkeySlotItems);
    for (auto [key, list] : {std::pair{"shopsUnlocked", &shopsUnlocked}, std::pair{"gameSwitches", &gameSwitches}}) {
        Value v = stored(key);
        dynamicSaveObject->setField(key, v);
        list->clear();
        if (auto* a = v.as<runtime::Array>())
            for (const Value& e : a->items) list->push_back(e.toBool());
    }
    if (has("deepestFloor")) deepestFloor = stored("deepestFloor").toInt();
}

}  // namespace game

using game::DataSnapshot;

RUNTIME_DEFINE_CLASS(DataSnapshot, "DataSnapshot", runtime::Object, (auto& b) {
    b.template field<&DataSnapshot::maxHP>("maxHP")
        .template field<&DataSnapshot::hp>("hp")
        .template field<&DataSnapshot::gold>("gold")
        .template field<&DataSnapshot::level>("level")
        .template field<&DataSnapshot::deepestFloor>("deepestFloor")
        .template field<&DataSnapshot::dynamicSaveObject>("dynamicSaveObject")
        .template method<&DataSnapshot::takeSnapshot>("takeSnapshot")
        .template method<&DataSnapshot::restoreToGamedata>("restoreToGamedata")
        .template method<&DataSnapshot::loadSavedSnapshot>("loadSavedSnapshot")
        .emptyInstance();
})
