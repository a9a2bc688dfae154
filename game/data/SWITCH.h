#pragma once
// The indexes of the named story switches in GameData::gameSwitches. The dialogue table names
// switches by these numbers, so they never change.
namespace game {

class SWITCH {
public:
    // The length of the switch row; only the first 30 have names.
    static constexpr int NUM_SWITCHES = 100;

    static constexpr int SHOPKEEP_0_TALKED = 0;
    static constexpr int SHOPKEEP_1_TALKED = 1;
    static constexpr int SHOPKEEP_4_TALKED = 2;
    static constexpr int GUARD_FIRST_STOPPED = 3;
    static constexpr int BOUGHT_OBSIDIAN_SHIELD = 4;
    static constexpr int BOUGHT_EMERALD_BOOTS = 5;
    static constexpr int BOUGHT_WOLF_GOLVES = 6;
    static constexpr int BOUGHT_EAGLES_TALON = 7;
    static constexpr int BOUGHT_PIXIE_PANTS = 8;
    static constexpr int BOUGHT_REGENERATION_RING = 9;
    static constexpr int GIVE_BERRIES = 10;
    static constexpr int POTION_READY = 11;
    static constexpr int SCIENTIST_LEAVE = 12;
    static constexpr int SPIDER_DEAD = 13;
    static constexpr int YETI_DEAD = 14;
    static constexpr int SORCERER_DEAD = 15;
    static constexpr int ESCAPED_WITH_ARTIFACT = 16;
    static constexpr int CREATED_A_POTION = 17;
    static constexpr int ENCHANTED_AN_ITEM = 18;
    static constexpr int DEMON_KILLED = 19;
    static constexpr int WINGS_SOLD = 20;
    static constexpr int FIRE_DAGGER_DENY_SELL = 21;
    static constexpr int FIRE_DAGGER_SOLD = 22;
    static constexpr int PEARL_RING_TRADED = 23;
    static constexpr int DRAGON_ARMOR_TRADED = 24;
    static constexpr int LOST_KID_DONE = 25;
    static constexpr int ARCHAEOLOGIST_TALKED = 26;
    static constexpr int ARCHAEOLOGIST_DENIED = 27;
    static constexpr int ARCHAEOLOGIST_SAVED = 28;
    static constexpr int ARCHAEOLOGIST_REWARD = 29;
};

}  // namespace game
