#pragma once
// The player's side of the game state, all static: the hero's statistics (running totals), the
// current run, inventory, equipment and shop stock, the slot's progress and story switches, the
// settings, the four slot summaries, and the rules that change them: health, magic, gold,
// experience and levels, items and equipment, item use and spells. Other parts read and write
// the fields directly; the UI, the map and the achievements are reached through DataUI, DataMap
// and DataAchievements.
#include <optional>
#include <vector>

#include "InventoryIcon.h"
#include "Item.h"

namespace game {

class GameData : public runtime::Object {
    RUNTIME_CLASS(GameData)
public:
    template <class T>
    using Array = std::vector<T>;
    using ItemList = Array<runtime::Ref<Item>>;
    using IconList = Array<runtime::Ref<InventoryIcon>>;

    static constexpr int START_FLOOR = 0;
    static constexpr int BASE_HP = 500;
    static constexpr int BASE_MP = 60;
    static constexpr int BASE_ATTACK = 10;
    static constexpr int BASE_DEFENSE = 10;
    static constexpr int BASE_MAGIC = 10;
    static constexpr int BASE_DODGE_CHANCE = 5;
    static constexpr int BASE_CRIT_CHANCE = 5;
    static constexpr int BASE_DROP_BONUS = 0;
    static constexpr int BASE_GOLD_MULTIPLIER = 100;
    static constexpr int BASE_EXP_MULTIPLIER = 100;
    static constexpr int BASE_KILL_CHANCE = 0;
    static constexpr int BASE_HP_REGEN = 0;
    static constexpr int BASE_MP_REGEN = 0;
    static constexpr int BASE_BLEED = 0;
    static constexpr int BASE_LIFEDRAIN = 0;
    static constexpr double BASE_CRIT_MULTIPLIER = 1.5;
    static constexpr int BASE_SKILL_POINTS_PER_LEVEL = 3;
    static constexpr int BASE_GOLD = 50;
    static constexpr int BASE_POTION_DURATION = 1;
    static constexpr double BASE_POTION_EFFICIENCY = 1.0;
    static constexpr double BASE_SELL_PERCENT = 0.3;
    static constexpr int BASE_ATTACK_DELAY = 40;
    static constexpr int START_NEXT_LEVEL_AT = 20;
    static constexpr double MAGIC_FACTOR = 0.02;
    static constexpr int START_GEM_COST = 500;
    static constexpr double START_GEM_COST_MULTIPLIER = 1.5;
    static constexpr int GAME_MODE_NORMAL = 0;
    static constexpr int GAME_MODE_HARDCORE_INFINITE = 1;
    // The number of one-time hint windows, one flag each in messageWins.
    static constexpr int NUM_MESSAGE_WINS = 50;

    // Run and location.
    static inline bool floorSaveExists = false;
    static inline bool inCave = false;
    static inline bool wingsFound = false;
    static inline int currentFloor = 0;
    static inline int runStartFloor = 1;
    static inline int runStartGold = 0;
    static inline int runStartLevel = 1;
    static inline int expThisRun = 0;
    static inline int shopsFoundThisRun = 0;
    static inline int wingsSoldFloor = 0;
    static inline bool secretTheseFiveFloors = false;
    static inline Array<int> artifactsThisRun;
    static inline int hpGemsThisRun = 0, mpGemsThisRun = 0, attGemsThisRun = 0, defGemsThisRun = 0,
                      magGemsThisRun = 0;
    // The running potion effects (the active-effects HUD's records).
    static inline Array<runtime::Ref<runtime::Object>> activeEffects;
    // The copy of the hero taken at the start of a run (the run snapshot).
    static inline runtime::Ref<runtime::Object> beforeRunSnapshot;
    static inline runtime::Ref<Item> wingsItemRef;

    // Hero statistics: first-play base plus every permanent gain plus the equipped items.
    static inline int maxHP = 0, maxMP = 0, hp = 0, mp = 0;
    static inline int attack = 0, defense = 0, magic = 0;
    static inline int defFire = 0, defEarth = 0, defWind = 0, defIce = 0, defDark = 0, defLight = 0;
    static inline int attFire = 0, attEarth = 0, attWind = 0, attIce = 0, attDark = 0, attLight = 0;
    static inline int attackDelay = 0;
    static inline int dodgeChance = 0;
    static inline int critChance = 0;
    static inline double critMultiplier = 1.5;
    static inline int dropBonus = 0;
    static inline int goldMultiplier = 0;
    static inline int expMultiplier = 0;
    static inline int hpRegen = 0, mpRegen = 0;
    static inline int bleed = 0;
    static inline int lifeDrain = 0;
    static inline int killChance = 0;
    static inline int potionDuration = 1;
    static inline double potionEfficiency = 1.0;

    // Gold, experience, levels and skills.
    static inline int gold = 0;
    static inline double sellPercent = 0.3;
    static inline int exp = 0;
    static inline int level = 1;
    static inline int nextLevelAt = 0;
    static inline double EXP_CURVE = 1.3;
    static inline int skillPoints = 0;
    static inline int skillPointsPerLevel = 0;
    static inline Array<runtime::String> skillNodesUnlocked;

    // Long-term progress of the slot.
    static inline int successfulRuns = 0;
    static inline int storyProgress = 0;
    static inline int deepestFloor = 0;
    static inline int potionsCrafted = 0;
    static inline int itemsEnchanted = 0;
    static inline int secretRoomsFound = 0;
    static inline int runsToBeatTheGame = 999;
    // Story switches, indexed by SWITCH.
    static inline Array<bool> gameSwitches;
    static inline Array<int> bestiaryMonsterIDs;
    static inline Array<bool> messageWins;
    static inline Array<bool> shopsUnlocked;
    static inline ItemList museumItems;
    static inline int numTotalMuseumArtifacts = 0;
    static inline int newGamePlusNum = 0;
    static inline int gameMode = 0;
    static inline int heroType = 0;

    // Gems.
    static inline int hpGems = 0, mpGems = 0, attGems = 0, defGems = 0, magGems = 0;
    static inline int hpGemCost = 0, mpGemCost = 0, attGemCost = 0, defGemCost = 0, magGemCost = 0;

    // Inventory, equipment and shop; items[i] and itemIcons[i] are one stack, as are
    // shopItems[i] and shopIcons[i].
    static inline ItemList items;
    static inline IconList itemIcons;
    // Indexed by equipment slot 0..9; null is an empty slot.
    static inline ItemList equippedItems;
    static inline ItemList hotkeySlotItems;
    static inline ItemList shopItems;
    static inline IconList shopIcons;
    static inline ItemList freeShopItems;
    static inline IconList freeShopIcons;
    static inline std::optional<ItemList> tempShopItems;
    static inline std::optional<IconList> tempShopIcons;
    static inline bool itemsNeedSorted = false;
    static inline bool shopItemsNeedSorted = false;

    // Settings.
    static inline bool slowSpeed = false;
    static inline bool stairsConfirm = true;
    static inline bool azerty = false;
    static inline bool fps60 = true;
    static inline bool fullscreen = false;
    static inline bool guiSizeLarge = true;
    // The palette of item icons and slots.
    static inline runtime::Ref<runtime::Object> uiColor;
    static inline bool firstPlay = false;

    // Save slots 0..3.
    static inline int currentSlot = -1;
    static inline Array<bool> slotExists;
    static inline Array<int> slotHeroType;
    static inline Array<int> slotDeepestFloor;
    static inline Array<int> slotCurrentFloor;
    static inline Array<int> slotLevel;
    static inline Array<bool> slotInCave;
    static inline Array<int> slotSuccessfulRuns;
    static inline Array<int> slotNgpNum;
    static inline Array<bool> slotNgpAvailable;
    static inline Array<int> slotGameMode;

    // The shared refusal texts.
    static inline const runtime::String notEnoughMPText = "Not enough MP!";
    static inline const runtime::String cantUseText = "Can't use that now!";
    static inline const runtime::String cantRunText = "Can't Run!";

    // Set-up: what stays for the process, the lists of one game, and the first-play hero.
    static void initializeStaticStuff();
    static void initializeGameStuff(bool newGamePlus = false);
    static void setupFirstPlay(bool skipFirstPlayFlag = false, bool keepStats = false);

    // Story switches: an index beyond the row reads false; setting one there grows the row.
    static bool getSwitch(int id);
    static void setSwitch(int id, bool on);

    // value + value * magic * MAGIC_FACTOR, truncated.
    static int calculateMagicPower(int value);
    // Every panel of the UI shows the model again.
    static void updateEverything();

    static void gainHP(int n);
    static void loseHP(int n);
    static void gainMP(int n);
    static void loseMP(int n);
    static void gainGold(int n);
    static void adjustGold(int n);
    static void loseGold(int n);
    // At most one level per call.
    static void gainExp(int n);
    static void checkForLevelUp();
    static void gainLevel();
    // One of the stat gem kinds: 0 HP, 1 MP, 2 attack, 3 defence, 4 magic.
    static void gainStatBonus(int type);
    // The tween target {y, alpha 0} of a floating label.
    static runtime::Ref<runtime::Object> floatUpFadeTarget(double y);

    // Returns the held stack that now carries the units; the caller's object is never stored.
    static runtime::Ref<Item> addItem(const runtime::Ref<Item>& item, int amount = 1, bool addToHotkeys = false,
                                      bool countArtifact = true);
    static void removeItem(const runtime::Ref<Item>& item, int amount = 1, bool countArtifact = true);
    static void addShopItem(const runtime::Ref<Item>& item, int amount = 1);
    static void removeShopItem(const runtime::Ref<Item>& item, int amount = 1);
    static runtime::Ref<Item> findHeldItem(const runtime::Ref<Item>& item, int id = -1);
    static void sortItems();
    static void sortShopItems();
    static int itemIDSort(const runtime::Ref<Item>& a, const runtime::Ref<Item>& b);
    static int itemIconIDSort(const runtime::Ref<InventoryIcon>& a, const runtime::Ref<InventoryIcon>& b);
    static void equipItem(const runtime::Ref<Item>& item, int slot, bool playSound = true,
                          bool returnToInventory = true);
    static void unequipNonArtifacts();

    static void useConsumableItem(const runtime::Ref<Item>& item, bool consume = true);
    static void useSpell(const runtime::Ref<Item>& item);
    static void confirmUseWings();

    // A new item from a save-item record; null for null.
    static runtime::Ref<Item> createItemFromSaveItem(const runtime::Value& record);
};

}  // namespace game
