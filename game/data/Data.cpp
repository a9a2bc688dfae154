#include "Data.h"

#include <string>

#include "ActiveEffect.h"
#include "DataFloor.h"
#include "DataSnapshot.h"
#include "DataUI.h"
#include "GameData.h"
#include "SWITCH.h"
#include "SaveFields.h"
#include "SaveItem.h"
#include "game/shell/Audio.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

namespace game {

using runtime::Ref;
using runtime::Value;

namespace {

bool written(const Ref<runtime::Object>& obj) { return obj && !obj->getField("exists").isNull(); }

Ref<engine::EngSave> bound(const std::string& name) {
    auto save = runtime::make<engine::EngSave>();
    save->bind(name);
    return save;
}

std::string slotName(int slot) { return std::string(Data::SLOT_PREFIX) + std::to_string(slot); }

template <class T>
Ref<runtime::Array> copyOf(const std::vector<T>& list) {
    auto out = runtime::make<runtime::Array>();
    for (const T& v : list) out->push(Value(v));
    return out;
}

void writeFields(const Ref<runtime::Object>& obj, const std::vector<SaveFields::Field>& fields) {
    for (const SaveFields::Field& f : fields)
        std::visit([&](auto* target) { obj->setField(f.name, Value(*target)); }, f.target);
}

Ref<runtime::Object> tileRecord(const DataFloor::Tile& t) {
    auto r = runtime::make<runtime::DynamicObject>();
    r->setField("wall", Value(t.wall));
    r->setField("hole", Value(t.hole));
    r->setField("hidden", Value(t.hidden));
    r->setField("fakeWall", Value(t.fakeWall));
    r->setField("visibility", Value(t.visibility));
    if (t.objType == DataFloor::NO_OBJECT) return r;
    r->setField("objType", Value(t.objType));
    switch (t.objType) {
        case DataFloor::TYPE_MONSTER:
            r->setField("monsterID", Value(t.monsterID));
            r->setField("hp", Value(t.hp));
            break;
        case DataFloor::TYPE_STAT_GEM: r->setField("statGemType", Value(t.statGemType)); break;
        case DataFloor::TYPE_CHEST:
            r->setField("chestType", Value(t.chestType));
            r->setField("activated", Value(t.activated));
            if (!t.activated) r->setField("itemID", Value(t.itemID));
            break;
        case DataFloor::TYPE_GOLD:
            r->setField("amount", Value(t.amount));
            r->setField("activated", Value(t.activated));
            break;
        case DataFloor::TYPE_SECRET_ENTRANCE: r->setField("secretRevealed", Value(t.activated)); break;
        case DataFloor::TYPE_NPC: r->setField("id", Value(t.npcID)); break;
        default: break;
    }
    return r;
}

void writeFloor(const Ref<runtime::Object>& obj) {
    if (!GameData::inCave) {
        obj->setField("floorTiles", Value());
        obj->setField("secretRevealed", Value(false));
        obj->setField("startPoint", Value());
        return;
    }
    DataFloor& floor = DataFloor::get();
    auto tiles = runtime::make<runtime::Array>();
    for (int i = 0; i < DataFloor::MAP_SIZE; ++i) {
        auto row = runtime::make<runtime::Array>();
        for (int j = 0; j < DataFloor::MAP_SIZE; ++j) row->push(Value(tileRecord(floor.tile(i, j))));
        tiles->push(Value(row));
    }
    obj->setField("floorTiles", Value(tiles));
    obj->setField("secretRevealed", Value(floor.secretRevealed()));
    auto start = runtime::make<runtime::DynamicObject>();
    start->setField("x", Value(floor.heroX()));
    start->setField("y", Value(floor.heroY()));
    obj->setField("startPoint", Value(start));
    obj->setField("sorcerorPhase", Value(floor.sorcererPhase()));
    obj->setField("numFloorObjects", Value(floor.numFloorObjects()));
    obj->setField("foundFloorObjects", Value(floor.foundFloorObjects()));
}

}  // namespace

void Data::reset_() {
    gameData = nullptr;
    slotData = nullptr;
    showSavedText = false;
}

void Data::loadSaveData() {
    gameData = bound(GAME_DATA_NAME);
    Ref<runtime::Object> settings = gameData->data;
    if (!written(settings)) {
        settings->setField("exists", Value(true));
        settings->setField("lastSlot", Value(0));
        Ref<engine::EngSave> legacy = bound(LEGACY_NAME);
        if (!written(legacy->data)) {
            GameData::setupFirstPlay();
            saveAllData(false);
        } else {
            migrateToSlotSaves(legacy->data);
        }
        return;
    }
    GameData::loadGameData(Value(settings));
    int last = settings->getField("lastSlot").toInt();
    slotData = bound(slotName(last));
    GameData::currentSlot = last;
    if (written(slotData->data)) GameData::loadSlotData(Value(slotData->data));
}

void Data::migrateToSlotSaves(const Ref<runtime::Object>& legacy) {
    Value l(legacy);
    auto one = [](const Value& v) {
        auto list = runtime::make<runtime::Array>();
        list->push(v);
        return Value(list);
    };
    Value switches = l.field("gameSwitches");
    bool ngpAvailable = false;
    if (auto* a = switches.as<runtime::Array>()) ngpAvailable = a->at(SWITCH::DEMON_KILLED).toBool();
    legacy->setField("slotExists", one(Value(true)));
    legacy->setField("slotHeroType", one(Value(l.field("heroType").toInt())));
    legacy->setField("slotDeepestFloor", one(Value(l.field("deepestFloor").toInt())));
    legacy->setField("slotCurrentFloor", one(Value(l.field("currentFloor").toInt())));
    legacy->setField("slotLevel", one(Value(l.field("level").toInt())));
    legacy->setField("slotInCave", one(Value(!l.field("floorTiles").isNull())));
    legacy->setField("slotSuccessfulRuns", one(Value(l.field("successfulRuns").toInt())));
    legacy->setField("slotNgpNum", one(Value(l.field("newGamePlusNum").toInt())));
    legacy->setField("slotNgpAvailable", one(Value(ngpAvailable)));
    legacy->setField("slotGameMode", one(Value(0)));
    GameData::loadGameData(l);
    GameData::loadSlotData(l);
    slotData = bound(slotName(0));
    GameData::currentSlot = 0;
    saveAllData(false);
    Ref<runtime::Object> slot = slotData->data;
    for (const char* key : {"floorTiles", "secretRevealed", "startPoint"}) slot->setField(key, l.field(key));
    slot->setField("sorcerorPhase", l.field("sorcererPhase"));
    for (const char* key : {"numFloorObjects", "foundFloorObjects"}) slot->setField(key, l.field(key));
    slotData->flush();
}

void Data::bindSlotData(int slot) {
    slotData = bound(slotName(slot));
    GameData::currentSlot = slot;
}

void Data::saveAllData(bool showText) {
    showSavedText = showText;
    if (gameData && gameData->data) saveGameDataToObject(gameData->data);
    if (slotData && slotData->checkBinding()) {
        saveSlotDataToObject(slotData->data);
        slotData->flush(0, runtime::Function::of<&Data::flushComplete>());
    }
}

void Data::saveGameDataToObject(const Ref<runtime::Object>& obj) {
    obj->setField("musicVolume", Value(Audio::globalMusicVolume));
    obj->setField("sfxVolume", Value(Audio::globalSoundVolume));
    writeFields(obj, SaveFields::settingsFlags());
    obj->setField("fps60", Value(GameData::fps60));
    int current = GameData::currentSlot;
    if (current >= 0 && current < NUM_SLOTS) {
        auto set = []<class T>(std::vector<T>& list, int i, T v) {
            if (list.size() <= static_cast<std::size_t>(i)) list.resize(i + 1);
            list[i] = v;
        };
        set(GameData::slotExists, current, true);
        set(GameData::slotHeroType, current, GameData::heroType);
        set(GameData::slotDeepestFloor, current, GameData::deepestFloor);
        set(GameData::slotCurrentFloor, current, GameData::currentFloor);
        set(GameData::slotLevel, current, GameData::level);
        set(GameData::slotInCave, current, GameData::floorSaveExists);
        set(GameData::slotSuccessfulRuns, current, GameData::successfulRuns);
        set(GameData::slotNgpNum, current, GameData::newGamePlusNum);
        set(GameData::slotNgpAvailable, current, GameData::getSwitch(SWITCH::DEMON_KILLED));
        set(GameData::slotGameMode, current, GameData::gameMode);
    }
    for (const SaveFields::Summary& s : SaveFields::summaries()) {
        std::visit(
            [&](auto* list) {
                using T = typename std::decay_t<decltype(*list)>::value_type;
                auto out = runtime::make<runtime::Array>();
                for (std::size_t i = 0; i < NUM_SLOTS; ++i)
                    out->push(Value(i < list->size() ? static_cast<T>((*list)[i]) : T{}));
                obj->setField(s.name, Value(out));
            },
            s.list);
    }
    obj->setField("lastSlot", Value(current));
    if (gameData) gameData->flush();
}

void Data::saveSlotDataToObject(const Ref<runtime::Object>& obj) {
    obj->setField("exists", Value(true));
    writeFields(obj, SaveFields::slotScalars());
    obj->setField("items", Value(SaveItem::createList(GameData::items)));
    obj->setField("museumItems", Value(SaveItem::createList(GameData::museumItems)));
    obj->setField("shopItems", Value(SaveItem::createList(GameData::shopItems)));
    obj->setField("equippedItems", Value(SaveItem::createList(GameData::equippedItems)));
    obj->setField("hotkeyItems", Value(SaveItem::createList(DataUI::get().hotkeyBarItems().value_or(GameData::ItemList{}))));
    obj->setField("skillNodesUnlocked", Value(copyOf(GameData::skillNodesUnlocked)));
    writeFloor(obj);
    auto effects = runtime::make<runtime::Array>();
    for (const Ref<ActiveEffect>& effect : GameData::activeEffects) {
        if (!effect || !effect->enchantment) continue;
        auto r = runtime::make<runtime::DynamicObject>();
        r->setField("type", Value(effect->enchantment->type));
        r->setField("value", Value(effect->enchantment->value));
        r->setField("duration", Value(effect->duration));
        effects->push(Value(r));
    }
    obj->setField("activeEffects", Value(effects));
    obj->setField("shopsUnlocked", Value(copyOf(GameData::shopsUnlocked)));
    Ref<DataSnapshot> snapshot = GameData::beforeRunSnapshot;
    obj->setField("snapshotData", snapshot ? Value(snapshot->dynamicSaveObject) : Value());
    obj->setField("gameSwitches", Value(copyOf(GameData::gameSwitches)));
    obj->setField("artifactsThisRun", Value(copyOf(GameData::artifactsThisRun)));
    obj->setField("bestiaryMonsterIDs", Value(copyOf(GameData::bestiaryMonsterIDs)));
    obj->setField("messageWins", Value(copyOf(GameData::messageWins)));
    writeFields(obj, SaveFields::slotTail());
}

Ref<runtime::Object> Data::createSaveItem(const Ref<Item>& item) { return SaveItem::create(item); }

void Data::flushComplete(bool) {
    if (showSavedText) DataUI::get().showSaveText();
}

}  // namespace game

using game::Data;

RUNTIME_DEFINE_CLASS(Data, "Data", runtime::Object, (auto& b) {
    b.template staticField<&Data::gameData>("gameData")
        .template staticField<&Data::slotData>("slotData")
        .template staticField<&Data::showSavedText>("showSavedText")
        .template staticMethod<&Data::loadSaveData>("loadSaveData")
        .template staticMethod<&Data::migrateToSlotSaves>("migrateToSlotSaves")
        .template staticMethod<&Data::bindSlotData>("bindSlotData")
        .template staticMethod<&Data::saveAllData>("saveAllData")
        .template staticMethod<&Data::saveGameDataToObject>("saveGameDataToObject")
        .template staticMethod<&Data::saveSlotDataToObject>("saveSlotDataToObject")
        .template staticMethod<&Data::createSaveItem>("createSaveItem")
        .template staticMethod<&Data::flushComplete>("flushComplete");
})
