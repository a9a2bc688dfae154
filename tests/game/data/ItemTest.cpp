// Items and enchantments: enchantments made from a definition, effective numbers and their worth,
// equality and clones, the potion scaling of crafted enchantments, and the save-item record.
#include "DataFixture.h"
#include "game/data/Enchantment.h"
#include "game/data/Item.h"
#include "game/data/SaveItem.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

using game::Enchantment;
using game::GameData;
using game::Item;
using game::ItemData;
using runtime::Ref;
using runtime::make;

class ItemTest : public DataFixture {
protected:
    static std::vector<std::pair<std::string, int>> listed(const Item& item) {
        std::vector<std::pair<std::string, int>> out;
        for (auto& e : item.enchantments) out.emplace_back(e->type.str(), e->value);
        return out;
    }
};

TEST_F(ItemTest, DefinitionNumbersBecomeEnchantmentsAndEffectiveNumbers) {
    Ref<Item> potion = item(5);  // Small Health Potion
    EXPECT_EQ(listed(*potion), (std::vector<std::pair<std::string, int>>{{"hp", 75}}));
    EXPECT_EQ(potion->effectiveData->hpRestore, 75);
    EXPECT_EQ(potion->effectiveData->value, 112);
    EXPECT_EQ(potion->data->value, 200);

    Ref<Item> kris = item(1038);
    EXPECT_EQ(listed(*kris), (std::vector<std::pair<std::string, int>>{{"crit", 10}, {"bleed", 5}}));
    EXPECT_EQ(kris->effectiveData->attack, 23);
    EXPECT_EQ(kris->effectiveData->critChance, 10);
    EXPECT_EQ(kris->effectiveData->bleed, 5);
    EXPECT_EQ(kris->effectiveData->value, 170);
    EXPECT_TRUE(kris->artifact);

    // Equipment keeps its elements in the definition.
    Ref<Item> fireDagger = item(1015);
    EXPECT_TRUE(fireDagger->enchantments.empty());
    EXPECT_EQ(fireDagger->effectiveData->attFire, 6);
    EXPECT_EQ(fireDagger->effectiveData->value, 0);

    // A spell counts its element twice unless rebuilt skipping spell elements.
    Ref<Item> flamestrike = item(10005);
    EXPECT_EQ(listed(*flamestrike), (std::vector<std::pair<std::string, int>>{{"attFire", 25}}));
    EXPECT_EQ(flamestrike->effectiveData->attFire, 50);
    EXPECT_EQ(flamestrike->effectiveData->value, 250);
    flamestrike->createEffectiveData(true);
    EXPECT_EQ(flamestrike->effectiveData->attFire, 25);
    EXPECT_EQ(flamestrike->effectiveData->value, 0);

    Ref<Item> ultimate = item(17);
    EXPECT_EQ(listed(*ultimate), (std::vector<std::pair<std::string, int>>{{"hp", 800}, {"hpregen", 25}}));
    EXPECT_EQ(ultimate->duration, 5);
}

TEST_F(ItemTest, EnchantmentWorthByType) {
    const std::pair<const char*, int> worth[] = {
        {"att", 30},  {"def", 30},  {"mag", 30},   {"hp", 3},       {"mp", 30},    {"hpregen", 30},
        {"mpregen", 300}, {"crit", 24}, {"drop", 28}, {"gold", 30}, {"exp", 26},   {"dodge", 24},
        {"bleed", 20}, {"lifedrain", 24}, {"kill", 50}, {"attIce", 20}, {"defLight", 20}, {"loot", 0}};
    for (auto& [type, expected] : worth) {
        auto it = make<Item>(runtime::make<ItemData>(1000, 0, "Sword"), false);
        it->enchantments.push_back(make<Enchantment>(type, 2));
        it->createEffectiveData();
        EXPECT_EQ(it->effectiveData->value, expected) << type;
    }
    auto odd = make<Item>(runtime::make<ItemData>(1000, 0, "Sword"), false);
    odd->enchantments.push_back(make<Enchantment>("hp", 3));
    odd->createEffectiveData();
    EXPECT_EQ(odd->effectiveData->value, 4);  // 4.5 truncated
    EXPECT_EQ(odd->effectiveData->hpRestore, 3);
}

TEST_F(ItemTest, EqualityAndClones) {
    auto potion = [](std::vector<std::pair<const char*, int>> list) {
        auto data = make<ItemData>(0, -1, "Crafted Potion");
        data->id = ItemData::CRAFTED_POTION_ID;
        auto it = make<Item>(data);
        for (auto& [t, v] : list) it->enchantments.push_back(make<Enchantment>(t, v));
        it->createEffectiveData();
        return it;
    };
    Ref<Item> a = potion({{"att", 4}, {"crit", 2}});
    Ref<Item> b = potion({{"att", 4}, {"crit", 2}});
    b->amount = 7;
    b->secondaryPicID = 72;
    EXPECT_TRUE(a->equals(b));
    EXPECT_FALSE(a->equals(potion({{"crit", 2}, {"att", 4}})));
    EXPECT_FALSE(a->equals(potion({{"att", 4}})));
    b->duration = 3;
    EXPECT_FALSE(a->equals(b));
    EXPECT_FALSE(item(5)->equals(item(10)));
    EXPECT_TRUE(item(5)->equals(item(5)));
    Ref<Item> artifact = item(5);
    artifact->artifact = true;
    EXPECT_FALSE(item(5)->equals(artifact));
    EXPECT_FALSE(a->equals(nullptr));

    Ref<Item> kris = item(1038);
    kris->amount = 4;
    Ref<Item> copy = kris->clone();
    EXPECT_TRUE(copy->equals(kris));
    EXPECT_EQ(copy->amount, 4);
    EXPECT_EQ(copy->effectiveData, kris->effectiveData);
    EXPECT_NE(copy->enchantments[0], kris->enchantments[0]);
    copy->enchantments.push_back(make<Enchantment>("att", 5));
    copy->createEffectiveData();
    EXPECT_EQ(copy->effectiveData->attack, 28);
    EXPECT_EQ(kris->effectiveData->attack, 23);

    Ref<Item> bare = kris->clone(false);
    EXPECT_TRUE(bare->enchantments.empty());
    EXPECT_EQ(bare->effectiveData, kris->effectiveData);
}

TEST_F(ItemTest, PotionScalingOfCraftedEnchantments) {
    struct Case {
        const char* type;
        int power;
        double efficiency;
        int potion, halved;
    } cases[] = {
        {"def", 4, 1.0, 4, 2},   {"hp", 4, 1.0, 40, 20},    {"defFire", 3, 1.0, 5, 3}, {"mpregen", 3, 1.0, 2, 1},
        {"crit", 8, 1.0, 6, 3},  {"kill", 10, 1.0, 16, 8},  {"bleed", 10, 1.0, 20, 10}, {"exp", 1, 1.0, 1, 1},
        {"exp", 1, 1.05, 2, 1},  {"hp", 4, 1.05, 42, 21},   {"hp", 4, 1.25, 50, 25},   {"loot", 3, 1.0, 3, 2},
    };
    for (const Case& c : cases) {
        GameData::potionEfficiency = c.efficiency;
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.power) + " at " + std::to_string(c.efficiency));
        EXPECT_EQ(make<Enchantment>(c.type, c.power, true, 43)->value, c.potion);
        EXPECT_EQ(make<Enchantment>(c.type, c.power, true, 43, true)->value, c.halved);
        EXPECT_EQ(make<Enchantment>(c.type, c.power, false, -1, true)->value, c.power);
    }
    GameData::potionEfficiency = 1.25;
    auto scaled = make<Enchantment>("hp", 4, true, 40);
    EXPECT_EQ(scaled->picID, 40);
    Ref<Enchantment> clone = scaled->clone();
    EXPECT_EQ(clone->value, 50);
    EXPECT_EQ(clone->picID, 0);
    EXPECT_TRUE(clone->equals(scaled));
}

TEST_F(ItemTest, PresentationFollowsTheType) {
    auto crit = make<Enchantment>("crit", 10);
    EXPECT_TRUE(crit->isPercent);
    EXPECT_FALSE(crit->elemIcon);
    EXPECT_EQ(crit->iconScrollRect, Enchantment::ICON_CRIT);
    EXPECT_EQ(crit->label.str(), "Critical Hit Chance");
    EXPECT_EQ(make<Enchantment>("lifedrain", 1)->label.str(), "Decimate");
    auto attFire = make<Enchantment>("attFire", 6);
    EXPECT_TRUE(attFire->elemIcon);
    EXPECT_EQ(attFire->iconScrollRect, Enchantment::ELEM_ICON_ATT_FIRE);
    EXPECT_EQ(make<Enchantment>("defFire", 6)->iconScrollRect, Enchantment::ELEM_ICON_DEF_FIRE);
    auto loot = make<Enchantment>("loot", 2);
    EXPECT_FALSE(loot->iconScrollRect);
    EXPECT_FALSE(loot->gemRect);
    EXPECT_TRUE(loot->label.isNull());
    EXPECT_TRUE(crit->equals(make<Enchantment>("crit", 10, false, 52)));
    EXPECT_FALSE(crit->equals(make<Enchantment>("crit", 11)));
    EXPECT_FALSE(make<Enchantment>("hp", 5)->equals(make<Enchantment>("mp", 5)));

    auto rect = [](const Enchantment::Rect& r) {
        return std::to_string(int(r->x)) + "," + std::to_string(int(r->y)) + "," + std::to_string(int(r->width)) +
               "," + std::to_string(int(r->height));
    };
    EXPECT_EQ(rect(Enchantment::ICON_HP), "0,0,27,27");
    EXPECT_EQ(rect(Enchantment::ICON_DROP), "0,54,27,27");
    EXPECT_EQ(rect(Enchantment::ICON_EMPTY5), "108,135,27,27");
    EXPECT_EQ(rect(Enchantment::ELEM_ICON_ATT_LIGHT), "19,125,22,25");
    EXPECT_EQ(rect(Enchantment::ELEM_ICON_DEF_ICE), "0,25,19,25");
}

TEST_F(ItemTest, SaveItemRecordsRoundTrip) {
    // A crafted potion keeps duration, pictures, value and enchantments.
    auto data = make<ItemData>(0, -1, "Crafted Potion");
    data->id = ItemData::CRAFTED_POTION_ID;
    data->picID = 43;
    data->value = 90;
    auto potion = make<Item>(data);
    potion->duration = 3;
    potion->secondaryPicID = 74;
    potion->amount = 2;
    potion->enchantments.push_back(make<Enchantment>("def", 4, true, 43));
    potion->enchantments.push_back(make<Enchantment>("mag", 1, true, 44));
    potion->createEffectiveData();

    Ref<runtime::Object> record = game::SaveItem::create(potion);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->fieldNames(), (std::vector<std::string>{"id", "amount", "artifact", "duration", "picID", "secondaryPicID",
                                              "value", "enchantments"}));
    Ref<Item> back = GameData::createItemFromSaveItem(runtime::Value(record));
    ASSERT_TRUE(back);
    EXPECT_NE(back->data, potion->data);
    EXPECT_EQ(back->data->id, 1);
    EXPECT_EQ(back->data->name.str(), "Crafted Potion");
    EXPECT_EQ(back->data->picID, 43);
    EXPECT_EQ(back->data->value, 90);
    EXPECT_EQ(back->duration, 3);
    EXPECT_EQ(back->secondaryPicID, 74);
    EXPECT_EQ(back->amount, 2);
    EXPECT_TRUE(back->equals(potion));
    EXPECT_EQ(back->effectiveData->defense, 4);

    // A table item: saved amount, artifact flag and enchantments only.
    Ref<Item> kris = item(1038);
    kris->amount = 3;
    kris->artifact = false;
    kris->duration = 9;
    kris->enchantments.push_back(make<Enchantment>("att", 5));
    kris->createEffectiveData();
    Ref<Item> krisBack = GameData::createItemFromSaveItem(runtime::Value(game::SaveItem::create(kris)));
    ASSERT_TRUE(krisBack);
    EXPECT_EQ(krisBack->data, ItemData::findDataWithID(1038));
    EXPECT_EQ(krisBack->amount, 3);
    EXPECT_FALSE(krisBack->artifact);
    EXPECT_EQ(krisBack->duration, 0);
    EXPECT_EQ(listed(*krisBack), (std::vector<std::pair<std::string, int>>{{"crit", 10}, {"bleed", 5}, {"att", 5}}));
    EXPECT_EQ(krisBack->effectiveData->attack, 28);
    EXPECT_EQ(krisBack->effectiveData->critChance, 10);

    // A spell's elements are not counted twice after loading.
    Ref<Item> spell = GameData::createItemFromSaveItem(runtime::Value(game::SaveItem::create(item(10005))));
    EXPECT_EQ(spell->effectiveData->attFire, 25);

    EXPECT_FALSE(game::SaveItem::create(nullptr));
    EXPECT_FALSE(GameData::createItemFromSaveItem(runtime::Value()));
    // Absent keys read as 0 and false; an id no definition has gives no item.
    auto sparse = make<runtime::DynamicObject>();
    sparse->setField("id", runtime::Value(5));
    Ref<Item> plain = GameData::createItemFromSaveItem(runtime::Value(sparse));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->amount, 0);
    EXPECT_TRUE(plain->enchantments.empty());
    sparse->setField("id", runtime::Value(4242));
    EXPECT_FALSE(GameData::createItemFromSaveItem(runtime::Value(sparse)));
}
