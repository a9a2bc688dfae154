#pragma once
// The definition of one kind of item, read from one of the eleven item tables; shared by every
// item made from it and never changed after loading. The statics hold one list per table plus
// ALL_ITEMS, the type and special-power constants and the lookups by id and by spell key.
#include <vector>

#include "framework/geom/Rectangle.h"

namespace game {

class ItemData : public runtime::Object {
    RUNTIME_CLASS(ItemData)
public:
    using List = std::vector<runtime::Ref<ItemData>>;

    static constexpr int CRAFTED_POTION_ID = 1;
    static constexpr int QUESTION_MARK_ID = 500;
    static constexpr int TYPE_CONSUMABLE = 0;
    static constexpr int TYPE_WEAPON = 1000;
    static constexpr int TYPE_SHIELD = 2000;
    static constexpr int TYPE_HELMET = 3000;
    static constexpr int TYPE_BODY = 4000;
    static constexpr int TYPE_LEGS = 5000;
    static constexpr int TYPE_BOOTS = 6000;
    static constexpr int TYPE_HANDS = 7000;
    static constexpr int TYPE_ACCESSORY = 8000;
    static constexpr int TYPE_CRAFTING = 9000;
    static constexpr int TYPE_MAGIC = 10000;
    static constexpr int SPECIAL_NONE = 0;
    static constexpr int SPECIAL_PICKAXE = 1;
    static constexpr int SPECIAL_TELEKINESIS = 2;
    static constexpr int SPECIAL_REVEALER = 3;
    static constexpr int SPECIAL_TRANSMUTATION = 4;

    static inline List CONSUMABLES, WEAPONS, SHIELDS, HELMETS, BODIES, LEGS, BOOTS, HANDS, ACCESSORIES, CRAFTINGS,
        MAGICS;
    // Every definition of every table, in reading order.
    static inline List ALL_ITEMS;

    int slot = -1;
    int type = 0;
    runtime::String name;
    runtime::String description = "";
    int id = 0;
    runtime::String idName;
    int picID = 0;
    int value = 0;
    bool artifact = false;
    bool spell = false;
    bool attackMagic = false;
    int mpUse = 0;
    int minFloor = 0;
    int maxFloor = 0;
    int attack = 0;
    int defense = 0;
    int magic = 0;
    int defFire = 0, defEarth = 0, defWind = 0, defIce = 0, defDark = 0, defLight = 0;
    int attFire = 0, attEarth = 0, attWind = 0, attIce = 0, attDark = 0, attLight = 0;
    int hpRestore = 0;
    int mpRestore = 0;
    int hpRegen = 0;
    int mpRegen = 0;
    int critChance = 0;
    int dropChance = 0;
    int goldBonus = 0;
    int expBonus = 0;
    int dodge = 0;
    int bleed = 0;
    int lifeDrain = 0;
    int kill = 0;
    bool wings = false;
    bool noShop = false;
    bool usableInBattle = false;
    int duration = 0;
    // The article before the name in sentences: "a ", "an ", "some " or "The ".
    runtime::String an;
    int specialType = SPECIAL_NONE;
    bool chooseTileItem = false;
    std::vector<runtime::String> craftProps;
    std::vector<int> craftPropPowers;
    std::vector<int> craftPropPicIDs;
    std::vector<runtime::Ref<framework::Rectangle>> craftPropGemRects;
    std::vector<runtime::String> craftPropLabels;

    ItemData(int type, int slot, const runtime::String& name);
    explicit ItemData(runtime::NoInit) {}

    // Reads the eleven tables into the lists, then makes Item::ZERO. A table that is missing or
    // cannot be parsed throws a message naming its asset and the parser's position.
    static void createItems();
    static void createItemsOfType(int type, int slot, List& list, const runtime::String& path);
    // The reading of one table's text; path only names it in the error message.
    static void readItemsOfType(int type, int slot, List& list, const runtime::String& path,
                                const runtime::String& text);
    static void setSpecialType(const runtime::Ref<ItemData>& data, const runtime::String& special);
    static void setCraftingData(const runtime::Ref<ItemData>& data);
    static runtime::Ref<ItemData> findDataWithID(int id);
    static runtime::Ref<ItemData> findMagicDataByName(const runtime::String& name);

    // A table attribute read as an integer: decimal or "0x" hexadecimal after blanks and a sign,
    // up to the first character that does not belong; absent or not a number gives 0.
    static int parseInteger(const char* text);
};

}  // namespace game
