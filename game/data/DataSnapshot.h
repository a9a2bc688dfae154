#pragma once
// The hero at the start of a run: statistics, gold, experience, level, items, gems, skills,
// hotkeys, unlocked shops and story switches. Taken when a run starts, written back when the hero
// dies, and kept in the slot save as its save object (dynamicSaveObject) so that a death after a
// reload still rolls back to the run's start.
#include <vector>

#include "Item.h"
#include "platform/runtime/DynamicObject.h"

namespace game {

class DataSnapshot : public runtime::Object {
    RUNTIME_CLASS(DataSnapshot)
public:
    using ItemList = std::vector<runtime::Ref<Item>>;

    int maxHP = 0, maxMP = 0, hp = 0, mp = 0;
    int attack = 0, defense = 0, magic = 0;
    int defFire = 0, defEarth = 0, defWind = 0, defIce = 0, defDark = 0, defLight = 0;
    int attFire = 0, attEarth = 0, attWind = 0, attIce = 0, attDark = 0, attLight = 0;
    // One entry per equipment slot; null is an empty slot.
    ItemList equippedItems;
    ItemList items;
    int attackDelay = 8;
    int dodgeChance = 0, critChance = 0, dropBonus = 0;
    double critMultiplier = 1.5;
    int goldMultiplier = 0, expMultiplier = 0, hpRegen = 0, mpRegen = 0, bleed = 0, lifeDrain = 0, killChance = 0;
    int gold = 0, exp = 0;
    int level = 1;
    int nextLevelAt = 20;
    int skillPoints = 0, skillPointsPerLevel = 0;
    std::vector<runtime::String> skillNodesUnlocked;
    // -1: not recorded (a snapshot loaded from a save), and then a restore leaves it alone.
    int deepestFloor = -1;
    int potionDuration = 1;
    double potionEfficiency = 1.0;
    double sellPercent = 0.5;
    int hpGems = 0, mpGems = 0, attGems = 0, defGems = 0, magGems = 0;
    int hpGemCost = 0, mpGemCost = 0, attGemCost = 0, defGemCost = 0, magGemCost = 0;
    ItemList hotkeySlotItems;
    std::vector<bool> shopsUnlocked;
    std::vector<bool> gameSwitches;
    // What a slot save stores: every field above but deepestFloor, items as save-item records.
    runtime::Ref<runtime::DynamicObject> dynamicSaveObject;

    DataSnapshot() = default;
    explicit DataSnapshot(runtime::NoInit) {}

    // Copies the game state in (items as new copies).
    virtual void takeSnapshot();
    // Copies the state back into GameData (again as new copies, so it can be restored again).
    virtual void restoreToGamedata();
    // Fills the snapshot from a save object read from a slot save.
    virtual void loadSavedSnapshot(const runtime::Value& obj);
};

}  // namespace game
