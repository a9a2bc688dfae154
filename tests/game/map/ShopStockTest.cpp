// A shop floor's stock: the fixed lists of shops 3, 4 and 7 with their drawn amounts, the general
// rule by floor range for every other shop (floor 0, the entrance shop, included), and a rebuild
// that replaces the whole stock.
#include <functional>
#include <map>

#include "tests/game/data/DataFixture.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/map/MapState.h"

using game::GameData;
using game::ItemData;
using game::MapState;

class ShopStockTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        saved = MapState::random;
        state = runtime::make<MapState>();
    }
    void TearDown() override {
        MapState::random = saved;
        GameData::shopItems.clear();
        GameData::shopIcons.clear();
        DataFixture::TearDown();
    }

    // The stock for `floor` with every draw `r`, as id -> amount.
    std::map<int, int> stockFor(int floor, double r) {
        GameData::currentFloor = floor;
        MapState::random = [r] { return r; };
        state->setShopInventory();
        std::map<int, int> out;
        for (const auto& item : GameData::shopItems) out[item->data->id] = item->amount;
        return out;
    }

    std::function<double()> saved;
    runtime::Ref<MapState> state;
};

TEST_F(ShopStockTest, FixedListsDrawTheirAmounts) {
    struct Case {
        int floor;
        double r;
        std::map<int, int> some;  // ids and their amounts; 0 means not stocked
        size_t entries;
    };
    const Case cases[] = {
        // Shop 3: potions ceil(3r) + 5 and so on; the seven materials round2, gone below r = 0.25.
        {30, 0.2, {{5, 6}, {10, 4}, {20, 6}, {25, 4}, {9000, 0}, {9140, 0}}, 4},
        {30, 0.9, {{5, 8}, {10, 5}, {9000, 2}, {9140, 2}}, 11},
        // Shop 4: round1 leaves the large potions out below 0.5; Malachite and the like need round2.
        {40, 0.2, {{15, 0}, {30, 0}, {200, 4}, {9000, 1}, {9025, 0}, {9085, 0}, {9152, 0}}, 22},
        {40, 0.6, {{15, 1}, {30, 1}, {200, 5}, {9000, 2}, {9025, 1}, {9152, 1}}, 29},
        // Shop 7: rings one each, everything else at least 2.
        {70, 0.1, {{10, 3}, {15, 2}, {8070, 1}, {8105, 1}, {9190, 2}}, 53},
    };
    for (const Case& c : cases) {
        auto stock = stockFor(c.floor, c.r);
        for (auto [id, amount] : c.some) {
            auto it = stock.find(id);
            EXPECT_EQ(it == stock.end() ? 0 : it->second, amount) << "floor " << c.floor << " r " << c.r << " id " << id;
        }
        EXPECT_EQ(stock.size(), c.entries) << "floor " << c.floor << " r " << c.r;
        EXPECT_EQ(GameData::shopIcons.size(), GameData::shopItems.size());
    }
}

TEST_F(ShopStockTest, OtherShopsStockByFloorRange) {
    for (int floor : {0, 10, 60}) {
        for (double r : {0.2, 0.7}) {
            auto stock = stockFor(floor, r);
            std::map<int, int> expected;
            for (const auto& d : ItemData::ALL_ITEMS) {
                if (d->type == ItemData::TYPE_MAGIC || d->artifact || d->noShop) continue;
                if (d->maxFloor <= floor - 10 || d->minFloor > floor + 1) continue;
                expected[d->id] = d->type == ItemData::TYPE_CONSUMABLE ? (r < 0.5 ? 1 : 2) : 1;
            }
            EXPECT_FALSE(stock.empty()) << floor;
            EXPECT_EQ(stock, expected) << "floor " << floor << " r " << r;
        }
    }
    // The edges of the range: maxFloor exactly floor - 10 is out, minFloor floor + 1 is in.
    bool sawEdge = false;
    for (const auto& d : ItemData::ALL_ITEMS) {
        if (d->type == ItemData::TYPE_MAGIC || d->artifact || d->noShop || d->minFloor < 1) continue;
        auto stock = stockFor(d->minFloor - 1, 0.2);
        EXPECT_EQ(stock.count(d->id), d->maxFloor > d->minFloor - 11 ? 1u : 0u) << d->id;
        sawEdge = true;
        break;
    }
    EXPECT_TRUE(sawEdge);
}

TEST_F(ShopStockTest, ARebuildReplacesTheWholeStock) {
    stockFor(70, 0.9);
    GameData::addShopItem(runtime::make<game::Item>(ItemData::findDataWithID(9000)), 50);  // sold by the player
    auto stock = stockFor(30, 0.1);
    EXPECT_EQ(stock.size(), 4u) << "shop 3's potions only";
    EXPECT_EQ(stock.count(8070), 0u);
    EXPECT_EQ(stock.count(9000), 0u);
}
