#include "GameData.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "DataAchievements.h"
#include "DataMap.h"
#include "DataUI.h"
#include "SWITCH.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

namespace game {

using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {

constexpr int NUM_SLOTS = 10;
constexpr int NUM_SAVE_SLOTS = 4;
constexpr int NUM_SHOP_BUTTONS = 13;

// The stat gem kinds.
constexpr int GEM_HP = 0, GEM_MP = 1, GEM_ATTACK = 2, GEM_DEFENSE = 3, GEM_MAGIC = 4;

// The GameData field each effective item field moves while the item is equipped.
struct Contribution {
    int ItemData::*from;
    int* to;
};
const Contribution CONTRIBUTIONS[] = {
    {&ItemData::attack, &GameData::attack},          {&ItemData::defense, &GameData::defense},
    {&ItemData::magic, &GameData::magic},            {&ItemData::attFire, &GameData::attFire},
    {&ItemData::attIce, &GameData::attIce},          {&ItemData::attEarth, &GameData::attEarth},
    {&ItemData::attWind, &GameData::attWind},        {&ItemData::attDark, &GameData::attDark},
    {&ItemData::attLight, &GameData::attLight},      {&ItemData::defFire, &GameData::defFire},
    {&ItemData::defIce, &GameData::defIce},          {&ItemData::defEarth, &GameData::defEarth},
    {&ItemData::defWind, &GameData::defWind},        {&ItemData::defDark, &GameData::defDark},
    {&ItemData::defLight, &GameData::defLight},      {&ItemData::dodge, &GameData::dodgeChance},
    {&ItemData::critChance, &GameData::critChance},  {&ItemData::dropChance, &GameData::dropBonus},
    {&ItemData::goldBonus, &GameData::goldMultiplier}, {&ItemData::expBonus, &GameData::expMultiplier},
    {&ItemData::hpRegen, &GameData::hpRegen},        {&ItemData::mpRegen, &GameData::mpRegen},
    {&ItemData::bleed, &GameData::bleed},            {&ItemData::lifeDrain, &GameData::lifeDrain},
    {&ItemData::kill, &GameData::killChance},
};

// Sounds of putting on and taking off, by slot.
struct SlotSounds {
    const char* on;
    const char* off;
};
constexpr SlotSounds SLOT_SOUNDS[NUM_SLOTS] = {
    {"equipWeapon", "unequipWeapon"}, {"equipShield", "unequipShield"},
    {"equipHead", "unequipHeadBodyHands"}, {"equipBody", "unequipHeadBodyHands"},
    {"equipLegs", "unequipLegs"},     {"equipBoots", "unequipBoots"},
    {"equipHands", "unequipHeadBodyHands"}, {"equipRing", "unequipRing"},
    {"equipRing", "unequipRing"},     {"equipRing", "unequipRing"},
};

// Sums in 64 bits and keeps the 32-bit range.
int clampSum(long long a, long long b) {
    return static_cast<int>(std::clamp<long long>(a + b, INT_MIN, INT_MAX));
}

int negated(int n) { return clampSum(0, -static_cast<long long>(n)); }

void applyContribution(const Ref<Item>& item, int sign) {
    const ItemData& e = *item->effectiveData;
    for (const Contribution& c : CONTRIBUTIONS) *c.to = clampSum(*c.to, static_cast<long long>(sign) * (e.*c.from));
}

void ensureEquipmentSlots() {
    if (GameData::equippedItems.size() < NUM_SLOTS) GameData::equippedItems.resize(NUM_SLOTS);
}

int findStack(const GameData::ItemList& list, const Ref<Item>& item) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->equals(item)) return static_cast<int>(i);
    return -1;
}

// Steps 2 and 3 of removing units from an inventory or shop list; true when a stack was found.
void removeFromList(GameData::ItemList& list, GameData::IconList& icons, const Ref<Item>& item, int amount,
                    bool inventory, bool& needSorted) {
    int i = findStack(list, item);
    if (i < 0) {
        item->amount = 0;
        return;
    }
    Ref<Item> stack = list[i];
    Ref<InventoryIcon> icon = static_cast<std::size_t>(i) < icons.size() ? icons[i] : nullptr;
    if (stack->amount > 1) {
        stack->amount = clampSum(stack->amount, -static_cast<long long>(amount));
        if (icon) icon->updateAmount();
        if (stack->amount > 0) {
            if (inventory) DataUI::get().updateHotkeyAmounts();
            return;
        }
    }
    stack->amount = 0;
    list.erase(list.begin() + i);
    if (icon) {
        icons.erase(icons.begin() + i);
        icon->destroy(true);
    }
    if (inventory) DataUI::get().updateHotkeyAmounts();
    needSorted = true;
}

// Halves round upward.
int roundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// A restore's amount: spells scale with magic; table potions with potionEfficiency.
int restoreAmount(const Item& item, int restore) {
    int amount = item.data->spell ? GameData::calculateMagicPower(restore) : restore;
    if (item.data->type == ItemData::TYPE_CONSUMABLE && item.data->id != ItemData::CRAFTED_POTION_ID)
        amount = roundHalfUp(amount * GameData::potionEfficiency);
    return amount;
}

void fillSlotSummaries() {
    GameData::slotExists.assign(NUM_SAVE_SLOTS, false);
    GameData::slotHeroType.assign(NUM_SAVE_SLOTS, 0);
    GameData::slotDeepestFloor.assign(NUM_SAVE_SLOTS, 0);
    GameData::slotCurrentFloor.assign(NUM_SAVE_SLOTS, 0);
    GameData::slotLevel.assign(NUM_SAVE_SLOTS, 1);
    GameData::slotInCave.assign(NUM_SAVE_SLOTS, false);
    GameData::slotSuccessfulRuns.assign(NUM_SAVE_SLOTS, 0);
    GameData::slotNgpNum.assign(NUM_SAVE_SLOTS, 0);
    GameData::slotNgpAvailable.assign(NUM_SAVE_SLOTS, false);
    GameData::slotGameMode.assign(NUM_SAVE_SLOTS, 0);
}

void destroyIcons(GameData::IconList& icons) {
    for (const Ref<InventoryIcon>& icon : icons)
        if (icon) icon->destroy(true);
    icons.clear();
}

}  // namespace

void GameData::initializeStaticStuff() {
    runStartFloor = 0;
    freeShopItems.clear();
    freeShopIcons.clear();
    if (!Game::releaseVersion) {
        for (const Ref<ItemData>& d : ItemData::ALL_ITEMS) {
            auto item = runtime::make<Item>(d);
            item->amount = 999;
            freeShopItems.push_back(item);
            freeShopIcons.push_back(DataUI::get().createItemIcon(item, true));
        }
    }
    messageWins.assign(NUM_MESSAGE_WINS, false);
    numTotalMuseumArtifacts = 0;
    for (const Ref<ItemData>& d : ItemData::ALL_ITEMS)
        if (d->artifact && d->slot != -1) ++numTotalMuseumArtifacts;
    fillSlotSummaries();
}

void GameData::initializeGameStuff(bool newGamePlus) {
    beforeRunSnapshot = nullptr;
    gameSwitches.assign(SWITCH::NUM_SWITCHES, false);
    gameMode = GAME_MODE_NORMAL;
    shopsUnlocked.assign(NUM_SHOP_BUTTONS, false);
    shopsUnlocked[0] = true;
    activeEffects.clear();
    shopItems.clear();
    bestiaryMonsterIDs.clear();
    if (newGamePlus) return;
    hotkeySlotItems.clear();
    skillNodesUnlocked.clear();
    equippedItems.assign(NUM_SLOTS, nullptr);
    items.clear();
    destroyIcons(itemIcons);
    destroyIcons(shopIcons);
    museumItems.clear();
}

void GameData::setupFirstPlay(bool skipFirstPlayFlag, bool keepStats) {
    if (!skipFirstPlayFlag) firstPlay = true;
    inCave = false;
    floorSaveExists = false;
    if (keepStats) return;
    maxMP = mp = BASE_MP;
    critMultiplier = BASE_CRIT_MULTIPLIER;
    potionEfficiency = BASE_POTION_EFFICIENCY;
    attack = BASE_ATTACK;
    defense = BASE_DEFENSE;
    magic = BASE_MAGIC;
    sellPercent = BASE_SELL_PERCENT;
    dodgeChance = BASE_DODGE_CHANCE;
    critChance = BASE_CRIT_CHANCE;
    maxHP = hp = BASE_HP;
    goldMultiplier = BASE_GOLD_MULTIPLIER;
    expMultiplier = BASE_EXP_MULTIPLIER;
    dropBonus = BASE_DROP_BONUS;
    hpRegen = BASE_HP_REGEN;
    mpRegen = BASE_MP_REGEN;
    bleed = BASE_BLEED;
    lifeDrain = BASE_LIFEDRAIN;
    killChance = BASE_KILL_CHANCE;
    skillPointsPerLevel = BASE_SKILL_POINTS_PER_LEVEL;
    gold = BASE_GOLD;
    nextLevelAt = START_NEXT_LEVEL_AT;
    potionDuration = BASE_POTION_DURATION;
    attackDelay = BASE_ATTACK_DELAY;
    hpGems = mpGems = attGems = defGems = magGems = 0;
    hpGemCost = mpGemCost = attGemCost = defGemCost = magGemCost = START_GEM_COST;
}

bool GameData::getSwitch(int id) {
    return id >= 0 && static_cast<std::size_t>(id) < gameSwitches.size() && gameSwitches[id];
}

void GameData::setSwitch(int id, bool on) {
    if (id < 0) return;
    if (static_cast<std::size_t>(id) >= gameSwitches.size()) gameSwitches.resize(id + 1, false);
    gameSwitches[id] = on;
}

int GameData::calculateMagicPower(int value) {
    // The product wraps as 32-bit integer arithmetic does.
    auto p = static_cast<int32_t>(static_cast<uint32_t>(value) * static_cast<uint32_t>(magic));
    double r = p * MAGIC_FACTOR + value;
    return static_cast<int>(std::clamp(std::trunc(r), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void GameData::updateEverything() {
    DataUI& ui = DataUI::get();
    ui.updateEquipmentData();
    ui.updateEquipmentStats();
    ui.updateInventory();
    ui.initializeHotkeySlots();
    ui.updateActiveEffects();
    ui.updateLootStats();
    ui.updateFloor();
    ui.updateGold();
    ui.setStartButtonText();
    ui.updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
}

void GameData::gainHP(int n) {
    hp = std::min(clampSum(hp, n), maxHP);
    DataUI::get().updateHPMPExp(n, std::nullopt, std::nullopt);
}

void GameData::loseHP(int n) {
    hp = std::max(clampSum(hp, -static_cast<long long>(n)), 0);
    DataUI::get().updateHPMPExp(negated(n), std::nullopt, std::nullopt);
}

void GameData::gainMP(int n) {
    mp = std::min(clampSum(mp, n), maxMP);
    DataUI::get().updateHPMPExp(std::nullopt, n, std::nullopt);
}

void GameData::loseMP(int n) {
    mp = std::max(clampSum(mp, -static_cast<long long>(n)), 0);
    DataUI::get().updateHPMPExp(std::nullopt, negated(n), std::nullopt);
}

void GameData::gainGold(int n) {
    gold = std::max(clampSum(gold, n), 0);
    DataUI::get().updateGold();
    DataUI::get().showGoldAnim(n);
}

void GameData::adjustGold(int n) { gainGold(n); }

void GameData::loseGold(int n) {
    gold = std::max(clampSum(gold, -static_cast<long long>(n)), 0);
    DataUI::get().updateGold();
    DataUI::get().showGoldAnim(negated(n));
}

void GameData::gainExp(int n) {
    exp = clampSum(exp, n);
    expThisRun = clampSum(expThisRun, n);
    DataUI::get().showExpAnim(n);
    DataUI::get().updateHPMPExp(std::nullopt, std::nullopt, n);
    checkForLevelUp();
}

void GameData::checkForLevelUp() {
    if (exp < nextLevelAt) return;
    exp -= nextLevelAt;
    gainLevel();
}

void GameData::gainLevel() {
    level += 1;
    DataUI::get().updateEquipmentData();
    double next = std::trunc(nextLevelAt * EXP_CURVE) + 20;
    nextLevelAt = static_cast<int>(std::min(next, static_cast<double>(INT_MAX)));
    skillPoints = clampSum(skillPoints, skillPointsPerLevel);
    DataUI::get().showStatChooseMenu();
    G::pauseGame = true;
    DataAchievements::get().submitLevel();
}

void GameData::gainStatBonus(int type) {
    String label = "";
    switch (type) {
        case GEM_HP:
            maxHP += 10;
            hp += 10;
            DataUI::get().updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
            label = "MAX HP + 10";
            break;
        case GEM_MP:
            maxMP += 2;
            mp += 2;
            DataUI::get().updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
            label = "MAX MP + 2";
            break;
        case GEM_ATTACK: attack += 1; label = "ATTACK + 1"; break;
        case GEM_DEFENSE: defense += 1; label = "DEFENSE + 1"; break;
        case GEM_MAGIC: magic += 1; label = "MAGIC + 1"; break;
        default: break;
    }
    DataMap::get().floatStatLabel(label);
}

Ref<runtime::Object> GameData::floatUpFadeTarget(double y) {
    auto target = runtime::make<runtime::DynamicObject>();
    target->setField("y", Value(y));
    target->setField("alpha", Value(0));
    return target;
}

Ref<Item> GameData::addItem(const Ref<Item>& item, int amount, bool addToHotkeys, bool countArtifact) {
    if (!item) return nullptr;
    if (countArtifact && item->artifact && item->data->id != 0 && amount > 0)
        artifactsThisRun.insert(artifactsThisRun.end(), amount, item->data->id);
    int i = findStack(items, item);
    if (i >= 0) {
        Ref<Item> stack = items[i];
        stack->amount = clampSum(stack->amount, amount);
        if (static_cast<std::size_t>(i) < itemIcons.size() && itemIcons[i]) itemIcons[i]->updateAmount();
        DataUI::get().updateHotkeyAmounts();
        return stack;
    }
    Ref<Item> copy = item->clone();
    copy->amount = amount;
    items.push_back(copy);
    itemIcons.push_back(DataUI::get().createItemIcon(copy, false));
    if (addToHotkeys) DataUI::get().putItemInFirstOpenSlot(copy);
    itemsNeedSorted = true;
    return copy;
}

void GameData::removeItem(const Ref<Item>& item, int amount, bool countArtifact) {
    if (!item) return;
    if (countArtifact && item->artifact && amount > 0) {
        for (int n = 0; n < amount; ++n) {
            auto it = std::find(artifactsThisRun.begin(), artifactsThisRun.end(), item->data->id);
            if (it == artifactsThisRun.end()) break;
            artifactsThisRun.erase(it);
        }
    }
    removeFromList(items, itemIcons, item, amount, true, itemsNeedSorted);
}

void GameData::addShopItem(const Ref<Item>& item, int amount) {
    if (!item || amount < 1) return;
    int i = findStack(shopItems, item);
    if (i >= 0) {
        shopItems[i]->amount = clampSum(shopItems[i]->amount, amount);
        if (static_cast<std::size_t>(i) < shopIcons.size() && shopIcons[i]) shopIcons[i]->updateAmount();
        return;
    }
    Ref<Item> copy = item->clone();
    copy->amount = amount;
    shopItems.push_back(copy);
    shopIcons.push_back(DataUI::get().createItemIcon(copy, true));
    shopItemsNeedSorted = true;
}

void GameData::removeShopItem(const Ref<Item>& item, int amount) {
    if (!item) return;
    removeFromList(shopItems, shopIcons, item, amount, false, shopItemsNeedSorted);
}

Ref<Item> GameData::findHeldItem(const Ref<Item>& item, int id) {
    if (item) {
        int i = findStack(items, item);
        return i >= 0 ? items[i] : nullptr;
    }
    if (id == -1) return nullptr;
    for (const Ref<Item>& stack : items)
        if (stack->data->id == id) return stack;
    return nullptr;
}

int GameData::itemIDSort(const Ref<Item>& a, const Ref<Item>& b) { return a->data->id - b->data->id; }

int GameData::itemIconIDSort(const Ref<InventoryIcon>& a, const Ref<InventoryIcon>& b) {
    return itemIDSort(a->item, b->item);
}

void GameData::sortItems() {
    std::stable_sort(items.begin(), items.end(), [](auto& a, auto& b) { return itemIDSort(a, b) < 0; });
    std::stable_sort(itemIcons.begin(), itemIcons.end(), [](auto& a, auto& b) { return itemIconIDSort(a, b) < 0; });
    itemsNeedSorted = false;
}

void GameData::sortShopItems() {
    std::stable_sort(shopItems.begin(), shopItems.end(), [](auto& a, auto& b) { return itemIDSort(a, b) < 0; });
    std::stable_sort(shopIcons.begin(), shopIcons.end(), [](auto& a, auto& b) { return itemIconIDSort(a, b) < 0; });
    shopItemsNeedSorted = false;
}

void GameData::equipItem(const Ref<Item>& item, int slot, bool playSound, bool returnToInventory) {
    if (slot < 0 || slot >= NUM_SLOTS) return;
    ensureEquipmentSlots();
    if (Ref<Item> old = equippedItems[slot]) {
        applyContribution(old, -1);
        if (returnToInventory) addItem(old, 1, false, false);
        if (playSound && !item) Audio::playSound(SLOT_SOUNDS[slot].off);
    }
    if (item) {
        applyContribution(item, 1);
        removeItem(item, 1, false);
        if (playSound) Audio::playSound(SLOT_SOUNDS[slot].on);
    }
    equippedItems[slot] = item;
}

void GameData::unequipNonArtifacts() {
    ensureEquipmentSlots();
    for (int slot = 0; slot < NUM_SLOTS; ++slot)
        if (equippedItems[slot] && !equippedItems[slot]->artifact) equipItem(nullptr, slot, false, true);
}

void GameData::useConsumableItem(const Ref<Item>& item, bool consume) {
    if (!item || item->data->type == ItemData::TYPE_CRAFTING || !inCave) return;
    const ItemData& data = *item->data;
    DataUI& ui = DataUI::get();
    DataMap& map = DataMap::get();
    if (data.wings) {
        if (!map.inBattle()) {
            ui.openWingsConfirmation();
            wingsItemRef = item;
        }
        return;
    }
    if (data.specialType != ItemData::SPECIAL_NONE) {
        if (data.chooseTileItem) {
            if (ui.menuOpen()) ui.closeMenu();
            map.startChooseTileMode(item);
        } else if (data.specialType == ItemData::SPECIAL_REVEALER) {
            map.revealMap();
        } else if (data.specialType == ItemData::SPECIAL_TRANSMUTATION) {
            ui.openUseSpecialWindow(item);
        }
        return;
    }
    bool used = false;
    if (int restore = item->effectiveData->hpRestore; restore > 0) {
        int amount = restoreAmount(*item, restore);
        gainHP(amount);
        map.floatRestoreLabel("HP +" + std::to_string(amount), -25);
        map.playHealAnimation();
        used = true;
    }
    if (int restore = item->effectiveData->mpRestore; restore > 0) {
        int amount = restoreAmount(*item, restore);
        gainMP(amount);
        map.floatRestoreLabel("MP +" + std::to_string(amount), -15);
        used = true;
    }
    auto& list = item->enchantments;
    if (list.size() == 2 && list[0]->type == list[1]->type) {
        list[0]->value = clampSum(list[0]->value, list[1]->value);
        list.pop_back();
    }
    for (const Ref<Enchantment>& e : std::vector<Ref<Enchantment>>(list))
        if (!(e->type == Enchantment::HP) && !(e->type == Enchantment::MP)) ui.addNewEffect(e, item->duration);
    if (used) Audio::playSound("heal");
    else if (!list.empty()) Audio::playSound("potionEffect");
    if (consume) removeItem(item);
    if (ui.inventoryOpen()) {
        if (item->amount < 1) {
            ui.updateInventory();
            ui.clearItemDetails();
        } else {
            ui.refreshSelectedItem(item);
        }
    }
}

void GameData::useSpell(const Ref<Item>& item) {
    if (!item) return;
    const ItemData& data = *item->data;
    if (data.mpUse > mp) {
        DataMap::get().floatRefusal(notEnoughMPText);
        return;
    }
    auto pay = [&data] {
        mp -= data.mpUse;
        DataUI::get().updateHPMPExp(std::nullopt, -data.mpUse, std::nullopt);
    };
    if (!data.attackMagic) {
        useConsumableItem(item, false);
        if (data.specialType == ItemData::SPECIAL_TELEKINESIS || data.specialType == ItemData::SPECIAL_TRANSMUTATION)
            return;
        pay();
        return;
    }
    DataMap& map = DataMap::get();
    if (!map.inBattle()) {
        map.floatRefusal(cantUseText);
        return;
    }
    if (map.battleMagicEffect() == data.name) return;
    map.useAttackSpell(item);
    pay();
}

void GameData::confirmUseWings() {
    removeItem(wingsItemRef);
    DataUI& ui = DataUI::get();
    ui.updateInventory();
    ui.clearItemDetails();
    if (ui.menuOpen()) ui.closeMenu();
    DataMap::get().useWings();
}

Ref<Item> GameData::createItemFromSaveItem(const Value& record) {
    if (!record.isObject()) return nullptr;
    Value id = record.field("id");
    Ref<Item> item;
    if (id.isNumber() && id.toFloat() == ItemData::CRAFTED_POTION_ID) {
        auto data = runtime::make<ItemData>(ItemData::TYPE_CONSUMABLE, -1, "Crafted Potion");
        item = runtime::make<Item>(data);
        data->id = ItemData::CRAFTED_POTION_ID;
        item->duration = record.field("duration").toInt();
        data->picID = record.field("picID").toInt();
        data->value = record.field("value").toInt();
        item->secondaryPicID = record.field("secondaryPicID").toInt();
    } else {
        Ref<ItemData> data = ItemData::findDataWithID(id.toInt());
        // A record naming no definition gives no item rather than an item without one.
        if (!data) return nullptr;
        item = runtime::make<Item>(data, false);
    }
    item->amount = record.field("amount").toInt();
    item->artifact = record.field("artifact").toBool();
    if (auto* list = record.field("enchantments").as<runtime::Array>()) {
        for (const Value& e : list->items)
            item->enchantments.push_back(
                runtime::make<Enchantment>(e.field("type").toStringValue(), e.field("value").toInt()));
    }
    item->createEffectiveData(true);
    return item;
}

}  // namespace game

using game::GameData;

RUNTIME_DEFINE_CLASS(GameData, "GameData", runtime::Object, (auto& b) {
    b.template staticField<&GameData::floorSaveExists>("floorSaveExists")
        .template staticField<&GameData::inCave>("inCave")
        .template staticField<&GameData::wingsFound>("wingsFound")
        .template staticField<&GameData::currentFloor>("currentFloor")
        .template staticField<&GameData::runStartFloor>("runStartFloor")
        .template staticField<&GameData::runStartGold>("runStartGold")
        .template staticField<&GameData::runStartLevel>("runStartLevel")
        .template staticField<&GameData::expThisRun>("expThisRun")
        .template staticField<&GameData::shopsFoundThisRun>("shopsFoundThisRun")
        .template staticField<&GameData::wingsSoldFloor>("wingsSoldFloor")
        .template staticField<&GameData::secretTheseFiveFloors>("secretTheseFiveFloors")
        .template staticField<&GameData::hpGemsThisRun>("hpGemsThisRun")
        .template staticField<&GameData::mpGemsThisRun>("mpGemsThisRun")
        .template staticField<&GameData::attGemsThisRun>("attGemsThisRun")
        .template staticField<&GameData::defGemsThisRun>("defGemsThisRun")
        .template staticField<&GameData::magGemsThisRun>("magGemsThisRun")
        .template staticField<&GameData::wingsItemRef>("wingsItemRef")
        .template staticField<&GameData::maxHP>("maxHP")
        .template staticField<&GameData::maxMP>("maxMP")
        .template staticField<&GameData::hp>("hp")
        .template staticField<&GameData::mp>("mp")
        .template staticField<&GameData::attack>("attack")
        .template staticField<&GameData::defense>("defense")
        .template staticField<&GameData::magic>("magic")
        .template staticField<&GameData::defFire>("defFire")
        .template staticField<&GameData::defEarth>("defEarth")
        .template staticField<&GameData::defWind>("defWind")
        .template staticField<&GameData::defIce>("defIce")
        .template staticField<&GameData::defDark>("defDark")
        .template staticField<&GameData::defLight>("defLight")
        .template staticField<&GameData::attFire>("attFire")
        .template staticField<&GameData::attEarth>("attEarth")
        .template staticField<&GameData::attWind>("attWind")
        .template staticField<&GameData::attIce>("attIce")
        .template staticField<&GameData::attDark>("attDark")
        .template staticField<&GameData::attLight>("attLight")
        .template staticField<&GameData::attackDelay>("attackDelay")
        .template staticField<&GameData::dodgeChance>("dodgeChance")
        .template staticField<&GameData::critChance>("critChance")
        .template staticField<&GameData::critMultiplier>("critMultiplier")
        .template staticField<&GameData::dropBonus>("dropBonus")
        .template staticField<&GameData::goldMultiplier>("goldMultiplier")
        .template staticField<&GameData::expMultiplier>("expMultiplier")
        .template staticField<&GameData::hpRegen>("hpRegen")
        .template staticField<&GameData::mpRegen>("mpRegen")
        .template staticField<&GameData::bleed>("bleed")
        .template staticField<&GameData::lifeDrain>("lifeDrain")
        .template staticField<&GameData::killChance>("killChance")
        .template staticField<&GameData::potionDuration>("potionDuration")
        .template staticField<&GameData::potionEfficiency>("potionEfficiency")
        .template staticField<&GameData::gold>("gold")
        .template staticField<&GameData::sellPercent>("sellPercent")
        .template staticField<&GameData::exp>("exp")
        .template staticField<&GameData::level>("level")
        .template staticField<&GameData::nextLevelAt>("nextLevelAt")
        .template staticField<&GameData::EXP_CURVE>("EXP_CURVE")
        .template staticField<&GameData::skillPoints>("skillPoints")
        .template staticField<&GameData::skillPointsPerLevel>("skillPointsPerLevel")
        .template staticField<&GameData::successfulRuns>("successfulRuns")
        .template staticField<&GameData::storyProgress>("storyProgress")
        .template staticField<&GameData::deepestFloor>("deepestFloor")
        .template staticField<&GameData::potionsCrafted>("potionsCrafted")
        .template staticField<&GameData::itemsEnchanted>("itemsEnchanted")
        .template staticField<&GameData::secretRoomsFound>("secretRoomsFound")
        .template staticField<&GameData::runsToBeatTheGame>("runsToBeatTheGame")
        .template staticField<&GameData::numTotalMuseumArtifacts>("numTotalMuseumArtifacts")
        .template staticField<&GameData::newGamePlusNum>("newGamePlusNum")
        .template staticField<&GameData::gameMode>("gameMode")
        .template staticField<&GameData::heroType>("heroType")
        .template staticField<&GameData::hpGems>("hpGems")
        .template staticField<&GameData::mpGems>("mpGems")
        .template staticField<&GameData::attGems>("attGems")
        .template staticField<&GameData::defGems>("defGems")
        .template staticField<&GameData::magGems>("magGems")
        .template staticField<&GameData::hpGemCost>("hpGemCost")
        .template staticField<&GameData::mpGemCost>("mpGemCost")
        .template staticField<&GameData::attGemCost>("attGemCost")
        .template staticField<&GameData::defGemCost>("defGemCost")
        .template staticField<&GameData::magGemCost>("magGemCost")
        .template staticField<&GameData::itemsNeedSorted>("itemsNeedSorted")
        .template staticField<&GameData::shopItemsNeedSorted>("shopItemsNeedSorted")
        .template staticField<&GameData::slowSpeed>("slowSpeed")
        .template staticField<&GameData::stairsConfirm>("stairsConfirm")
        .template staticField<&GameData::azerty>("azerty")
        .template staticField<&GameData::fps60>("fps60")
        .template staticField<&GameData::fullscreen>("fullscreen")
        .template staticField<&GameData::guiSizeLarge>("guiSizeLarge")
        .template staticField<&GameData::uiColor>("uiColor")
        .template staticField<&GameData::firstPlay>("firstPlay")
        .template staticField<&GameData::currentSlot>("currentSlot")
        .template staticMethod<&GameData::initializeStaticStuff>("initializeStaticStuff")
        .template staticMethod<&GameData::initializeGameStuff>("initializeGameStuff")
        .template staticMethod<&GameData::setupFirstPlay>("setupFirstPlay")
        .template staticMethod<&GameData::calculateMagicPower>("calculateMagicPower")
        .template staticMethod<&GameData::updateEverything>("updateEverything")
        .template staticMethod<&GameData::gainHP>("gainHP")
        .template staticMethod<&GameData::loseHP>("loseHP")
        .template staticMethod<&GameData::gainMP>("gainMP")
        .template staticMethod<&GameData::loseMP>("loseMP")
        .template staticMethod<&GameData::gainGold>("gainGold")
        .template staticMethod<&GameData::adjustGold>("adjustGold")
        .template staticMethod<&GameData::loseGold>("loseGold")
        .template staticMethod<&GameData::gainExp>("gainExp")
        .template staticMethod<&GameData::checkForLevelUp>("checkForLevelUp")
        .template staticMethod<&GameData::gainLevel>("gainLevel")
        .template staticMethod<&GameData::gainStatBonus>("gainStatBonus")
        .template staticMethod<&GameData::floatUpFadeTarget>("floatUpFadeTarget")
        .template staticMethod<&GameData::sortItems>("sortItems")
        .template staticMethod<&GameData::sortShopItems>("sortShopItems")
        .template staticMethod<&GameData::unequipNonArtifacts>("unequipNonArtifacts")
        .template staticMethod<&GameData::useSpell>("useSpell")
        .template staticMethod<&GameData::confirmUseWings>("confirmUseWings")
        .template staticMethod<&GameData::createItemFromSaveItem>("createItemFromSaveItem");
})
