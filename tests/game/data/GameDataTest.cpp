// The hero's rules: first-play values, health, magic, gold, experience and levels, stat gems,
// magic power, equipment totals, the inventory and shop lists, item use and spells.
#include "DataFixture.h"
#include "game/data/SWITCH.h"
#include "game/shell/Game.h"
#include "platform/runtime/DynamicObject.h"

using game::GameData;
using game::Item;
using game::ItemData;
using runtime::Ref;

class GameDataTest : public DataFixture {
protected:
    // The 25 totals equipment moves.
    static std::vector<int> totals() {
        return {GameData::attack,   GameData::defense,  GameData::magic,     GameData::attFire,  GameData::attIce,
                GameData::attEarth, GameData::attWind,  GameData::attDark,   GameData::attLight, GameData::defFire,
                GameData::defIce,   GameData::defEarth, GameData::defWind,   GameData::defDark,  GameData::defLight,
                GameData::dodgeChance, GameData::critChance, GameData::dropBonus, GameData::goldMultiplier,
                GameData::expMultiplier, GameData::hpRegen, GameData::mpRegen, GameData::bleed, GameData::lifeDrain,
                GameData::killChance};
    }
};

TEST_F(GameDataTest, FirstPlayAndSetUpValues) {
    EXPECT_EQ(GameData::level, 1);
    EXPECT_EQ(GameData::hp, 500);
    EXPECT_EQ(GameData::maxHP, 500);
    EXPECT_EQ(GameData::mp, 60);
    EXPECT_EQ(GameData::maxMP, 60);
    EXPECT_EQ(GameData::attack, 10);
    EXPECT_EQ(GameData::defense, 10);
    EXPECT_EQ(GameData::magic, 10);
    EXPECT_EQ(GameData::gold, 50);
    EXPECT_EQ(GameData::nextLevelAt, 20);
    EXPECT_EQ(GameData::attackDelay, 40);
    EXPECT_DOUBLE_EQ(GameData::critMultiplier, 1.5);
    EXPECT_DOUBLE_EQ(GameData::sellPercent, 0.3);
    for (int cost : {GameData::hpGemCost, GameData::mpGemCost, GameData::attGemCost, GameData::defGemCost,
                     GameData::magGemCost})
        EXPECT_EQ(cost, 500);
    EXPECT_TRUE(GameData::firstPlay);
    EXPECT_EQ(GameData::equippedItems.size(), 10u);
    EXPECT_EQ(GameData::gameSwitches.size(), 100u);
    EXPECT_EQ(GameData::shopsUnlocked, (std::vector<bool>{true, false, false, false, false, false, false, false,
                                                          false, false, false, false, false}));
    EXPECT_EQ(GameData::slotLevel, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(GameData::slotExists.size(), 4u);
    EXPECT_EQ(GameData::messageWins.size(), 50u);
    EXPECT_EQ(GameData::numTotalMuseumArtifacts, 95);
    EXPECT_EQ(GameData::runStartFloor, 0);
    EXPECT_EQ(GameData::currentSlot, -1);
    // The release build has no developer shop; the developer build lists every definition.
    EXPECT_TRUE(GameData::freeShopItems.empty());
    game::Game::releaseVersion = false;
    GameData::initializeStaticStuff();
    game::Game::releaseVersion = true;
    ASSERT_EQ(GameData::freeShopItems.size(), 296u);
    ASSERT_EQ(GameData::freeShopIcons.size(), 296u);
    EXPECT_EQ(GameData::freeShopItems[0]->amount, 999);
    EXPECT_EQ(GameData::freeShopIcons[295]->item, GameData::freeShopItems[295]);

    // By name, with the kinds kept.
    const runtime::ClassInfo& ci = GameData::staticClass();
    EXPECT_TRUE(ci.findStatic("critMultiplier")->get(nullptr).isFloat());
    EXPECT_TRUE(ci.findStatic("gold")->get(nullptr).isInt());
    ci.findStatic("gold")->set(nullptr, runtime::Value(75));
    EXPECT_EQ(GameData::gold, 75);

    // A new game plus keeps the hero's lists.
    GameData::addItem(item(5));
    GameData::gameSwitches[3] = true;
    GameData::initializeGameStuff(true);
    EXPECT_EQ(GameData::items.size(), 1u);
    EXPECT_FALSE(GameData::gameSwitches[3]);
    GameData::initializeGameStuff();
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_TRUE(GameData::itemIcons.empty());
}

TEST_F(GameDataTest, SwitchesBeyondTheRow) {
    EXPECT_EQ(game::SWITCH::ARCHAEOLOGIST_REWARD, 29);
    EXPECT_EQ(game::SWITCH::NUM_SWITCHES, 100);
    GameData::gameSwitches.assign(20, false);
    EXPECT_FALSE(GameData::getSwitch(game::SWITCH::WINGS_SOLD));
    GameData::setSwitch(game::SWITCH::DEMON_KILLED, true);
    EXPECT_TRUE(GameData::getSwitch(19));
    GameData::setSwitch(40, true);
    EXPECT_EQ(GameData::gameSwitches.size(), 41u);
    EXPECT_TRUE(GameData::getSwitch(40));
    EXPECT_FALSE(GameData::getSwitch(-1));
}

TEST_F(GameDataTest, HealthMagicAndGoldClampAndReportTheAskedChange) {
    GameData::loseHP(600);
    EXPECT_EQ(GameData::hp, 0);
    GameData::gainHP(30);
    EXPECT_EQ(GameData::hp, 30);
    GameData::gainHP(1000);
    EXPECT_EQ(GameData::hp, 500);
    GameData::loseMP(5);
    GameData::gainMP(100);
    EXPECT_EQ(GameData::mp, 60);
    GameData::loseGold(80);
    EXPECT_EQ(GameData::gold, 0);
    GameData::gainGold(40);
    GameData::adjustGold(-100);
    EXPECT_EQ(GameData::gold, 0);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"bars:-600,-,-", "bars:30,-,-", "bars:1000,-,-", "bars:-,-5,-", "bars:-,100,-",
                                        "updateGold", "goldAnim:-80", "updateGold", "goldAnim:40", "updateGold",
                                        "goldAnim:-100"}));
}

TEST_F(GameDataTest, ExperienceRaisesOneLevelAtATime) {
    std::vector<int> thresholds;
    for (int i = 0; i < 10; ++i) {
        thresholds.push_back(GameData::nextLevelAt);
        GameData::gainExp(GameData::nextLevelAt);
    }
    EXPECT_EQ(thresholds, (std::vector<int>{20, 46, 79, 122, 178, 251, 346, 469, 629, 837}));
    EXPECT_EQ(GameData::level, 11);
    EXPECT_EQ(GameData::skillPoints, 30);
    EXPECT_EQ(GameData::expThisRun, 2977);
    EXPECT_EQ(recorder.count("submitLevel"), 10);
    EXPECT_EQ(recorder.count("statChoose"), 10);
    EXPECT_TRUE(game::G::pauseGame);

    // Enough for two levels takes one; the next check takes the other.
    GameData::level = 1;
    GameData::exp = 0;
    GameData::nextLevelAt = 20;
    recorder.calls.clear();
    GameData::gainExp(70);
    EXPECT_EQ(GameData::level, 2);
    EXPECT_EQ(GameData::exp, 50);
    EXPECT_EQ(GameData::nextLevelAt, 46);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"expAnim:70", "bars:-,-,70", "equipmentData", "statChoose",
                                                        "submitLevel"}));
    GameData::checkForLevelUp();
    EXPECT_EQ(GameData::level, 3);
    EXPECT_EQ(GameData::exp, 4);
    GameData::checkForLevelUp();
    EXPECT_EQ(GameData::level, 3);
}

TEST_F(GameDataTest, StatBonusesAndMagicPower) {
    for (int type : {0, 1, 2, 3, 4, 9}) GameData::gainStatBonus(type);
    EXPECT_EQ(GameData::maxHP, 510);
    EXPECT_EQ(GameData::hp, 510);
    EXPECT_EQ(GameData::maxMP, 62);
    EXPECT_EQ(GameData::mp, 62);
    EXPECT_EQ(GameData::attack, 11);
    EXPECT_EQ(GameData::defense, 11);
    EXPECT_EQ(GameData::magic, 11);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"bars:-,-,-", "statLabel:MAX HP + 10", "bars:-,-,-", "statLabel:MAX MP + 2",
                                        "statLabel:ATTACK + 1", "statLabel:DEFENSE + 1", "statLabel:MAGIC + 1",
                                        "statLabel:"}));

    struct Case {
        int value, magic, power;
    } cases[] = {{60, 10, 72}, {8, 15, 10}, {7, 12, 8}, {0, 10, 0}, {25, 0, 25}, {-7, 12, -8}};
    for (const Case& c : cases) {
        GameData::magic = c.magic;
        EXPECT_EQ(GameData::calculateMagicPower(c.value), c.power) << c.value << " at " << c.magic;
    }

    auto target = GameData::floatUpFadeTarget(-30);
    EXPECT_DOUBLE_EQ(runtime::Value(target).field("y").toFloat(), -30);
    EXPECT_EQ(runtime::Value(target).field("alpha").toFloat(), 0);
}

TEST_F(GameDataTest, EquippingMovesTheTotalsAndTakingOffRestoresThem) {
    std::vector<int> before = totals();
    Ref<Item> ragnarok = GameData::addItem(item(1165));
    Ref<Item> kris = item(1038);
    kris->enchantments.push_back(runtime::make<game::Enchantment>("defIce", 4));
    kris->createEffectiveData();
    kris = GameData::addItem(kris, 2);

    GameData::equipItem(ragnarok, 0);
    EXPECT_EQ(GameData::attack, 130);
    EXPECT_EQ(GameData::magic, 30);
    EXPECT_EQ(GameData::attLight, 30);
    EXPECT_EQ(GameData::goldMultiplier, 130);
    EXPECT_EQ(GameData::lifeDrain, 15);
    EXPECT_EQ(GameData::equippedItems[0], ragnarok);
    EXPECT_EQ(GameData::items.size(), 1u);

    // A stack of two: the same object goes on and stays in the inventory with one less.
    GameData::equipItem(kris, 7);
    EXPECT_EQ(GameData::equippedItems[7], kris);
    EXPECT_EQ(kris->amount, 1);
    EXPECT_EQ(GameData::findHeldItem(kris), kris);
    EXPECT_EQ(GameData::defIce, 4);
    EXPECT_EQ(GameData::critChance, 15);

    // Replacing returns the old item to the inventory.
    Ref<Item> knife = GameData::addItem(item(1000));
    GameData::equipItem(knife, 0);
    EXPECT_EQ(GameData::attack, 10 + 1 + 23);
    EXPECT_TRUE(GameData::findHeldItem(nullptr, 1165));

    GameData::equipItem(nullptr, 0);
    GameData::equipItem(nullptr, 7);
    GameData::equipItem(nullptr, 3);
    EXPECT_EQ(totals(), before);
    EXPECT_FALSE(GameData::equippedItems[0]);
    EXPECT_EQ(GameData::findHeldItem(kris)->amount, 2);
    EXPECT_EQ(GameData::findHeldItem(nullptr, 1000)->amount, 1);
    // A slot outside the ten does nothing.
    GameData::equipItem(knife, 10);
    GameData::equipItem(knife, -1);
    EXPECT_EQ(totals(), before);

    // Only non-artifacts go back to the inventory.
    GameData::equipItem(GameData::findHeldItem(nullptr, 1000), 0, false);
    GameData::equipItem(GameData::findHeldItem(nullptr, 1038), 7, false);
    GameData::unequipNonArtifacts();
    EXPECT_FALSE(GameData::equippedItems[0]);
    EXPECT_TRUE(GameData::equippedItems[7]);
}

TEST_F(GameDataTest, StacksIconsAndArtifactsOfTheRun) {
    Ref<Item> potion = item(5);
    Ref<Item> held = GameData::addItem(potion, 3, true);
    EXPECT_NE(held, potion);
    EXPECT_EQ(held->amount, 3);
    EXPECT_EQ(potion->amount, 1);
    ASSERT_EQ(GameData::itemIcons.size(), 1u);
    Ref<game::InventoryIcon> icon = GameData::itemIcons[0];
    EXPECT_EQ(icon->item, held);
    EXPECT_TRUE(GameData::itemsNeedSorted);
    EXPECT_EQ(recorder.count("hotkeyPut:Small Health Potion"), 1);

    GameData::itemsNeedSorted = false;
    EXPECT_EQ(GameData::addItem(item(5), 2), held);
    EXPECT_EQ(held->amount, 5);
    EXPECT_EQ(GameData::items.size(), 1u);
    EXPECT_EQ(GameData::itemIcons[0], icon);
    EXPECT_FALSE(GameData::itemsNeedSorted);

    for (int i = 0; i < 3; ++i) GameData::addItem(item(1165));
    EXPECT_EQ(GameData::artifactsThisRun, (std::vector<int>{1165, 1165, 1165}));
    GameData::artifactsThisRun.clear();
    GameData::removeItem(item(1165), 3, false);
    GameData::addItem(item(1165), 3);
    GameData::addItem(item(0), 2);
    EXPECT_EQ(GameData::artifactsThisRun, (std::vector<int>{1165, 1165, 1165}));
    GameData::removeItem(item(1165), 2);
    EXPECT_EQ(GameData::artifactsThisRun, (std::vector<int>{1165}));
    EXPECT_EQ(GameData::findHeldItem(nullptr, 1165)->amount, 1);
    GameData::removeItem(item(1165), 5);
    EXPECT_TRUE(GameData::artifactsThisRun.empty());
    EXPECT_FALSE(GameData::findHeldItem(nullptr, 1165));

    // Removing more than a stack holds removes it with its icon; an unheld item only gets 0.
    GameData::removeItem(item(5), 7);
    EXPECT_FALSE(GameData::findHeldItem(nullptr, 5));
    EXPECT_EQ(held->amount, 0);
    std::size_t stacks = GameData::items.size();
    Ref<Item> stranger = item(10);
    GameData::removeItem(stranger);
    EXPECT_EQ(stranger->amount, 0);
    EXPECT_EQ(GameData::items.size(), stacks);
    EXPECT_EQ(GameData::itemIcons.size(), stacks);
    EXPECT_FALSE(GameData::findHeldItem(nullptr, -1));

    // Sorting by id keeps each icon with its item and equal ids in order.
    GameData::items.clear();
    GameData::itemIcons.clear();
    Ref<Item> crafted = item(5);
    crafted->enchantments.push_back(runtime::make<game::Enchantment>("att", 1));
    for (int id : {10000, 3020, 5, 9010, 1000}) GameData::addItem(item(id));
    GameData::addItem(crafted);
    GameData::sortItems();
    std::vector<int> ids;
    for (std::size_t i = 0; i < GameData::items.size(); ++i) {
        ids.push_back(GameData::items[i]->data->id);
        EXPECT_EQ(GameData::itemIcons[i]->item, GameData::items[i]);
    }
    EXPECT_EQ(ids, (std::vector<int>{5, 5, 1000, 3020, 9010, 10000}));
    EXPECT_TRUE(GameData::items[0]->enchantments.size() == 1 && GameData::items[1]->enchantments.size() == 2);
    EXPECT_FALSE(GameData::itemsNeedSorted);
}

TEST_F(GameDataTest, ShopStock) {
    GameData::addShopItem(item(5), 0);
    EXPECT_TRUE(GameData::shopItems.empty());
    GameData::addShopItem(item(5), 2);
    GameData::addShopItem(item(5), 3);
    GameData::addShopItem(item(1000));
    ASSERT_EQ(GameData::shopItems.size(), 2u);
    EXPECT_EQ(GameData::shopItems[0]->amount, 5);
    EXPECT_EQ(GameData::shopIcons.size(), 2u);
    GameData::removeShopItem(item(5), 4);
    EXPECT_EQ(GameData::shopItems[0]->amount, 1);
    GameData::removeShopItem(item(5));
    ASSERT_EQ(GameData::shopItems.size(), 1u);
    EXPECT_EQ(GameData::shopIcons[0]->item, GameData::shopItems[0]);
    EXPECT_EQ(recorder.count("hotkeyAmounts"), 0);
}

TEST_F(GameDataTest, ItemUseInTheCave) {
    // In town nothing happens.
    Ref<Item> potion = GameData::addItem(item(5), 2);
    GameData::hp = 100;
    GameData::useConsumableItem(potion);
    EXPECT_EQ(GameData::hp, 100);
    EXPECT_EQ(potion->amount, 2);
    EXPECT_TRUE(recorder.calls.empty());

    GameData::inCave = true;
    GameData::potionEfficiency = 1.25;
    ui->inventoryIsOpen = true;
    GameData::useConsumableItem(potion);
    EXPECT_EQ(GameData::hp, 194);
    EXPECT_EQ(potion->amount, 1);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"bars:94,-,-", "restoreLabel:HP +94@-25", "healAnim",
                                                        "hotkeyAmounts", "refreshSelected"}));
    recorder.calls.clear();
    GameData::useConsumableItem(potion);
    EXPECT_EQ(recorder.calls.back(), "clearDetails");
    EXPECT_FALSE(GameData::findHeldItem(nullptr, 5));

    // A crafted potion ignores potionEfficiency and starts one effect for two of a kind.
    auto data = runtime::make<ItemData>(0, -1, "Crafted Potion");
    data->id = ItemData::CRAFTED_POTION_ID;
    Ref<Item> crafted = runtime::make<Item>(data);
    crafted->duration = 3;
    crafted->enchantments.push_back(runtime::make<game::Enchantment>("att", 4));
    crafted->enchantments.push_back(runtime::make<game::Enchantment>("att", 6));
    crafted->createEffectiveData();
    GameData::mp = 10;
    recorder.calls.clear();
    ui->inventoryIsOpen = false;
    GameData::useConsumableItem(GameData::addItem(crafted));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"effect:att=10x3", "hotkeyAmounts"}));

    // Specials.
    recorder.calls.clear();
    ui->menuIsOpen = true;
    GameData::useConsumableItem(item(200));
    GameData::useConsumableItem(item(10035));
    GameData::useConsumableItem(item(10045));
    GameData::useConsumableItem(item(9010));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"closeMenu", "chooseTile:Magic Pickaxe", "revealMap",
                                                        "useSpecial:Transmute"}));
}

TEST_F(GameDataTest, SpellsPayTheirMP) {
    GameData::inCave = true;
    GameData::hp = 100;
    Ref<Item> heal = item(10000);
    GameData::useSpell(heal);
    EXPECT_EQ(GameData::hp, 172);
    EXPECT_EQ(GameData::mp, 40);
    EXPECT_EQ(recorder.calls.back(), "bars:-,-20,-");

    GameData::mp = 19;
    recorder.calls.clear();
    GameData::useSpell(heal);
    EXPECT_EQ(GameData::hp, 172);
    EXPECT_EQ(GameData::mp, 19);
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"refusal:Not enough MP!"});

    // Attack spells: outside a battle refused; in one charged once until the hit.
    GameData::mp = 60;
    recorder.calls.clear();
    Ref<Item> fire = item(10005);
    GameData::useSpell(fire);
    EXPECT_EQ(GameData::mp, 60);
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"refusal:Can't use that now!"});
    map->battle = true;
    GameData::useSpell(fire);
    GameData::useSpell(fire);
    EXPECT_EQ(GameData::mp, 52);
    EXPECT_EQ(recorder.count("attackSpell:Flamestrike"), 1);

    // Telekinesis waits for its tile; the revealer pays at once, even in town.
    GameData::useSpell(item(10040));
    EXPECT_EQ(GameData::mp, 52);
    GameData::inCave = false;
    GameData::useSpell(item(10035));
    EXPECT_EQ(GameData::mp, 37);
}

TEST_F(GameDataTest, EscapeWingsAskFirst) {
    GameData::inCave = true;
    Ref<Item> wings = GameData::addItem(item(0));
    map->battle = true;
    GameData::useConsumableItem(wings);
    EXPECT_TRUE(recorder.calls.empty());
    map->battle = false;
    GameData::useConsumableItem(wings);
    EXPECT_EQ(GameData::wingsItemRef, wings);
    EXPECT_EQ(GameData::items.size(), 1u);
    ui->menuIsOpen = true;
    GameData::confirmUseWings();
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"wingsQuestion", "hotkeyAmounts", "updateInventory",
                                                        "clearDetails", "closeMenu", "useWings"}));
}

TEST_F(GameDataTest, UpdateEverythingRefreshesEveryPanelInOrder) {
    GameData::updateEverything();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"equipmentData", "equipmentStats", "updateInventory",
                                                        "hotkeySlots", "activeEffects", "lootStats", "updateFloor",
                                                        "updateGold", "startButtonText", "bars:-,-,-"}));
}

TEST_F(GameDataTest, EquipmentSoundsBySlot) {
    // Every sound decodes to a native sound made from bytes that name it.
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_sound_from_data", [](const std::vector<runtime::Value>&) {
        return runtime::Value(runtime::make<runtime::DynamicObject>());
    });
    for (const char* name : {"equipWeapon", "unequipWeapon", "equipHead", "unequipHeadBodyHands", "equipRing",
                             "unequipRing", "equipBoots"})
        embed(std::string("assets/audio/oggs/") + name + ".ogg", std::string("ogg ") + name);
    auto played = [&fake] {
        std::vector<std::string> names;
        for (auto& call : fake.callsTo("media_native_sound_from_data"))
            if (auto* bytes = call.args[0].as<runtime::Bytes>()) names.push_back(bytes->toString().substr(4));
        return names;
    };
    Ref<Item> sword = GameData::addItem(item(1020));
    Ref<Item> helmet = GameData::addItem(item(3020));
    Ref<Item> ring = GameData::addItem(item(8000));
    GameData::equipItem(sword, 0);
    GameData::equipItem(helmet, 2);
    GameData::equipItem(ring, 9);
    GameData::equipItem(nullptr, 2);
    GameData::equipItem(nullptr, 9);
    GameData::equipItem(nullptr, 5);
    // A replacement plays only the put-on sound (decoded once, so not listed again); silent
    // equips play nothing.
    GameData::equipItem(GameData::addItem(item(1000)), 0);
    GameData::equipItem(nullptr, 0, false);
    EXPECT_EQ(played(), (std::vector<std::string>{"equipWeapon", "equipHead", "equipRing", "unequipHeadBodyHands",
                                                  "unequipRing"}));
}
