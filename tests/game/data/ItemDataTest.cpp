// The item tables and their reader: counts and lookups over the shipped tables, articles, special
// powers and crafting properties, the attribute rules on a small table, and the start-up failure
// for a table that cannot be read.
#include <set>

#include "DataFixture.h"
#include "game/data/ItemData.h"
#include "game/town/CraftingProperty.h"
#include "platform/runtime/Thrown.h"

using game::ItemData;
using runtime::Ref;

class ItemDataTest : public DataFixture {};

TEST_F(ItemDataTest, TheElevenTablesLoadInOrderWithUniqueIds) {
    const std::pair<ItemData::List*, std::size_t> tables[] = {
        {&ItemData::CONSUMABLES, 10}, {&ItemData::WEAPONS, 40}, {&ItemData::SHIELDS, 23}, {&ItemData::HELMETS, 27},
        {&ItemData::BODIES, 25},      {&ItemData::LEGS, 25},    {&ItemData::BOOTS, 28},   {&ItemData::HANDS, 26},
        {&ItemData::ACCESSORIES, 30}, {&ItemData::CRAFTINGS, 52}, {&ItemData::MAGICS, 10}};
    const int slots[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, -1, -1};
    std::size_t at = 0;
    std::set<int> ids;
    for (int t = 0; t < 11; ++t) {
        auto& [list, rows] = tables[t];
        ASSERT_EQ(list->size(), rows) << "table " << t;
        for (const Ref<ItemData>& d : *list) {
            EXPECT_EQ(d->type, t * 1000);
            EXPECT_EQ(d->slot, slots[t]);
            EXPECT_EQ(d->id / 1000, t) << d->name.str();
            EXPECT_TRUE(ids.insert(d->id).second) << "repeated id " << d->id;
            ASSERT_LT(at, ItemData::ALL_ITEMS.size());
            EXPECT_EQ(ItemData::ALL_ITEMS[at++], d);
        }
    }
    EXPECT_EQ(ItemData::ALL_ITEMS.size(), 296u);
    EXPECT_EQ(*ids.rbegin(), 10045);
    ASSERT_TRUE(game::Item::ZERO);
    EXPECT_TRUE(game::Item::ZERO->enchantments.empty());
    EXPECT_EQ(game::Item::ZERO->effectiveData->attack, 0);
    EXPECT_EQ(game::Item::ZERO->effectiveData->value, 0);

    int wings = 0;
    std::set<int> noShop;
    for (const Ref<ItemData>& d : ItemData::ALL_ITEMS) {
        wings += d->wings;
        if (d->noShop) noShop.insert(d->id);
    }
    EXPECT_EQ(wings, 1);
    EXPECT_EQ(noShop, (std::set<int>{17, 500, 9220}));
}

TEST_F(ItemDataTest, LookupsByIdAndSpellKey) {
    const std::pair<int, const char*> found[] = {
        {0, "Escape Wings"}, {500, "Question Mark"}, {1165, "Ragnarok"}, {10045, "Transmute"}, {9220, "Agony Stone"}};
    for (auto& [id, name] : found) {
        Ref<ItemData> d = ItemData::findDataWithID(id);
        ASSERT_TRUE(d) << id;
        EXPECT_EQ(d->name.str(), name);
    }
    for (int id : {1, 11000, -5, 1001, 10046}) EXPECT_FALSE(ItemData::findDataWithID(id)) << id;

    const char* keys[] = {"heal", "fire", "ice", "earth", "wind", "dark", "light", "revealer", "telekinesis",
                          "transmute"};
    for (const char* key : keys) {
        Ref<ItemData> d = ItemData::findMagicDataByName(key);
        ASSERT_TRUE(d) << key;
        EXPECT_EQ(d->idName.str(), key);
    }
    EXPECT_EQ(ItemData::findMagicDataByName("fire")->name.str(), "Flamestrike");
    EXPECT_FALSE(ItemData::findMagicDataByName("Heal"));
    EXPECT_FALSE(ItemData::findMagicDataByName(runtime::String()));
}

TEST_F(ItemDataTest, ArticlesFollowTypeThenNameRules) {
    for (auto* list : {&ItemData::LEGS, &ItemData::BOOTS, &ItemData::HANDS})
        for (const Ref<ItemData>& d : *list) EXPECT_EQ(d->an.str(), "some ") << d->name.str();
    EXPECT_EQ(ItemData::findDataWithID(0)->an.str(), "The ");
    EXPECT_EQ(ItemData::findDataWithID(7000)->an.str(), "some ");  // Old Gloves
    struct Case {
        int type;
        const char* name;
        const char* an;
    } made[] = {{3000, "Iron Helmet", "an "}, {2000, "Oak Shield", "an "}, {0, "Ultimate HP Potion", "an "},
                {10000, "Heal", "a "},       {0, "Crafted Potion", "a "}, {0, "", "a "},
                {1000, "iron sword", "a "},   {6000, "Escape Wings", "some "}, {8000, "Escape Wings", "The "}};
    for (const Case& c : made)
        EXPECT_EQ(runtime::make<ItemData>(c.type, -1, c.name)->an.str(), c.an) << c.name;
}

TEST_F(ItemDataTest, SpecialPowersAndCraftingProperties) {
    for (const Ref<ItemData>& d : ItemData::ALL_ITEMS) {
        int expected = 0;
        bool chooseTile = false;
        if (d->id == 200) expected = 1, chooseTile = true;
        if (d->id == 10040) expected = 2, chooseTile = true;
        if (d->id == 10035) expected = 3;
        if (d->id == 10045) expected = 4;
        EXPECT_EQ(d->specialType, expected) << d->name.str();
        EXPECT_EQ(d->chooseTileItem, chooseTile) << d->name.str();
    }
    Ref<ItemData> talc = ItemData::findDataWithID(9020);
    ASSERT_TRUE(talc);
    EXPECT_EQ(talc->craftProps.size(), 1u);
    EXPECT_EQ(talc->craftPropPowers.size(), 1u);
    EXPECT_EQ(talc->craftPropLabels.size(), 1u);
    EXPECT_EQ(talc->craftPropGemRects.size(), 1u);
    EXPECT_EQ(talc->craftPropPicIDs, std::vector<int>{53});

    Ref<ItemData> geode = ItemData::findDataWithID(9010);
    ASSERT_TRUE(geode);
    ASSERT_EQ(geode->craftProps.size(), 2u);
    EXPECT_EQ(geode->craftProps[0].str(), "def");
    EXPECT_EQ(geode->craftProps[1].str(), "mag");
    EXPECT_EQ(geode->craftPropPowers, (std::vector<int>{4, 1}));
    EXPECT_EQ(geode->craftPropLabels[0].str(), "Defense");
    EXPECT_EQ(geode->craftPropLabels[1].str(), "Magic");
    EXPECT_EQ(geode->craftPropPicIDs, (std::vector<int>{43, 44}));
    EXPECT_EQ(geode->craftPropGemRects[0], game::CraftingProperty::GEMRECT_DEFENSE);
    EXPECT_EQ(geode->craftPropGemRects[1], game::CraftingProperty::GEMRECT_MAGIC);
}

TEST_F(ItemDataTest, AttributesAreReadByTheTableRules) {
    ItemData::List list;
    ItemData::readItemsOfType(9000, -1, list, "fixture.xml", R"(<?xml version="1.0" encoding="utf-8"?>
<data>
  <!-- a row left out <item id="3" name="Gone"/> -->
  <item id=" +12abc" picID="0x1F" name="First" value="-7" att="x5" art="True" spell="true" min="0X10"
        special="Pickaxe" e1="unknown" e1power="3" loot="2"/>
  -->
  <row name="Second" inBattle="true" noShop="TRUE" wings="" special="telekinesis" e2="hp" e2power="2" desc="d"/>
  <item name="Third" e1="att" e1power="5" e2="kill" e2power="9" special="revealer"/>
</data>)");
    ASSERT_EQ(list.size(), 3u);
    const ItemData& first = *list[0];
    EXPECT_EQ(first.id, 9012);
    EXPECT_EQ(first.picID, 31);
    EXPECT_EQ(first.value, -7);
    EXPECT_EQ(first.attack, 0);
    EXPECT_FALSE(first.artifact);
    EXPECT_TRUE(first.spell);
    EXPECT_EQ(first.minFloor, 16);
    EXPECT_EQ(first.specialType, ItemData::SPECIAL_NONE);
    EXPECT_EQ(first.description.str(), "");
    ASSERT_EQ(first.craftProps.size(), 1u);
    EXPECT_EQ(first.craftPropPowers, std::vector<int>{3});
    EXPECT_TRUE(first.craftPropLabels.empty());

    const ItemData& second = *list[1];
    EXPECT_EQ(second.id, 9000);
    EXPECT_TRUE(second.usableInBattle);
    EXPECT_FALSE(second.noShop);
    EXPECT_FALSE(second.wings);
    EXPECT_TRUE(second.chooseTileItem);
    EXPECT_EQ(second.description.str(), "d");
    // An absent e1 still takes the first place; e2 fills the second.
    ASSERT_EQ(second.craftProps.size(), 2u);
    EXPECT_TRUE(second.craftProps[0].isNull());
    EXPECT_EQ(second.craftProps[1].str(), "hp");
    EXPECT_EQ(second.craftPropPowers, (std::vector<int>{0, 2}));
    ASSERT_EQ(second.craftPropPicIDs.size(), 2u);
    EXPECT_EQ(second.craftPropPicIDs[1], 40);
    EXPECT_EQ(second.craftPropLabels[1].str(), "HP Restore");

    EXPECT_EQ(list[2]->craftPropPicIDs, (std::vector<int>{42, 60}));
    EXPECT_EQ(list[2]->specialType, ItemData::SPECIAL_REVEALER);
    EXPECT_FALSE(list[2]->chooseTileItem);

    // Only the crafting table reads properties.
    ItemData::List weapons;
    ItemData::readItemsOfType(1000, 0, weapons, "w.xml", R"(<data><item id="5" e1="att" e1power="2"/></data>)");
    ASSERT_EQ(weapons.size(), 1u);
    EXPECT_TRUE(weapons[0]->craftProps.empty());
    EXPECT_EQ(weapons[0]->id, 1005);
}

TEST_F(ItemDataTest, IntegerTexts) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},    {"  -8", -8},  {"+3", 3},     {"0x1f", 31}, {"0XFF", 255},  {"12.9", 12},
        {"7 days", 7}, {"abc", 0},    {"", 0},       {"-", 0},     {"0x", 0},      {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1}};
    for (auto& [text, value] : cases) EXPECT_EQ(ItemData::parseInteger(text), value) << '"' << text << '"';
    EXPECT_EQ(ItemData::parseInteger(nullptr), 0);
}

TEST_F(ItemDataTest, ATableThatCannotBeReadStopsWithItsNameAndPosition) {
    ItemData::List list;
    std::size_t all = ItemData::ALL_ITEMS.size();
    try {
        ItemData::readItemsOfType(0, -1, list, "assets/xml/broken.xml",
                                  "<?xml version=\"1.0\"?>\n<data>\n  <item id=\"5\" name=\"A\"/>\n  <item id=\"6\"></itemx>\n</data>\n");
        FAIL() << "no error";
    } catch (const runtime::Thrown& e) {
        std::string message = e.what();
        EXPECT_NE(message.find("assets/xml/broken.xml"), std::string::npos) << message;
        EXPECT_NE(message.find("line 4"), std::string::npos) << message;
    }
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(ItemData::ALL_ITEMS.size(), all);

    EXPECT_THROW(ItemData::readItemsOfType(0, -1, list, "empty.xml", ""), runtime::Thrown);
    try {
        ItemData::createItemsOfType(0, -1, list, "assets/xml/none.xml");
        FAIL() << "no error";
    } catch (const runtime::Thrown& e) {
        EXPECT_NE(std::string(e.what()).find("assets/xml/none.xml"), std::string::npos) << e.what();
    }
}
