// A generated floor written into a slot save and rebuilt from it: cells, fog, objects and their
// states come back; a revealed secret room comes back without its entrance.
#include "ObjectFixture.h"
#include "game/battle/Monster.h"
#include "game/data/Data.h"
#include "game/data/DataFloor.h"
#include "game/floor/Chest.h"
#include "game/floor/GoldBag.h"
#include "game/floor/SecretEntrance.h"
#include "game/floor/Tile.h"
#include "game/map/NPC.h"
#include "platform/runtime/DynamicObject.h"

using game::MapData;
using game::Tile;
using game::TileObject;

namespace {

// The save's view of a floor, read straight from the floor record.
class FloorView : public game::DataFloor {
public:
    explicit FloorView(MapData& floor, bool revealed) : floor(floor), revealed(revealed) {}
    Tile tile(int i, int j) override {
        game::Tile* c = floor.tileAt(i, j);
        Tile t;
        t.wall = c->wall;
        t.hole = c->hole;
        t.hidden = c->hidden;
        t.fakeWall = c->fakeWall;
        t.visibility = floor.fogTilesOpacity[i][j];
        if (!c->tObj) return t;
        TileObject& o = *c->tObj;
        t.objType = o.objType;
        t.activated = o.activated;
        if (auto* m = dynamic_cast<game::Monster*>(&o)) t.monsterID = m->data->id, t.hp = m->hp;
        if (auto* g = dynamic_cast<game::StatGem*>(&o)) t.statGemType = g->type;
        if (auto* ch = dynamic_cast<game::Chest*>(&o)) {
            t.chestType = ch->type;
            if (ch->item) t.itemID = ch->item->data->id;
        }
        if (auto* b = dynamic_cast<game::GoldBag*>(&o)) t.amount = b->amount;
        if (auto* n = dynamic_cast<game::NPC*>(&o)) t.npcID = n->npcData->id;
        return t;
    }
    bool secretRevealed() override { return revealed; }
    int heroX() override { return static_cast<int>(floor.startPoint->x); }
    int heroY() override { return static_cast<int>(floor.startPoint->y); }
    int numFloorObjects() override { return floor.numFloorObjects; }
    int foundFloorObjects() override { return 3; }

    MapData& floor;
    bool revealed;
};

}  // namespace

class FloorRestoreTest : public ObjectFixture {
protected:
    // Writes the floor into a fresh slot object and rebuilds a floor from it.
    runtime::Ref<MapData> saveAndRestore(MapData& floor, bool revealed) {
        game::DataFloor::install(std::make_shared<FloorView>(floor, revealed));
        GameData::inCave = true;
        auto save = runtime::make<runtime::DynamicObject>();
        game::Data::saveSlotDataToObject(save);
        game::DataFloor::install(nullptr);
        game::Data::slotData = runtime::make<engine::EngSave>();
        game::Data::slotData->data = save;
        auto restored = runtime::make<MapData>(state.get(), nullptr, true);
        game::Data::slotData = nullptr;
        return restored;
    }
};

TEST_F(FloorRestoreTest, AGeneratedFloorComesBackAsItWasLeft) {
    int checkedFloors = 0;
    for (int n = 0; n < 12; ++n) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(700 + n));
        GameData::secretTheseFiveFloors = false;
        auto floor = generate(1 + n * 7 % 60);
        SCOPED_TRACE("seed " + std::to_string(700 + n));
        // Leave marks: an opened chest, an opened bag, a wounded monster, a fog pattern.
        bool chestOpened = false, bagOpened = false, wounded = false;
        for (const auto& o : floor->tileObjects) {
            if (o->tile->hidden) continue;
            if (!chestOpened && o.template cast<game::Chest>()) o->activate(), chestOpened = true;
            else if (!bagOpened && o.template cast<game::GoldBag>()) o->activate(), bagOpened = true;
            else if (auto m = o.template cast<game::Monster>(); m && !wounded) m->hp = 1, wounded = true;
        }
        for (int x = 0; x < 32; ++x) floor->fogTilesOpacity[x][x] = 0.25;
        auto back = saveAndRestore(*floor, false);
        ++checkedFloors;
        EXPECT_TRUE(back->startPoint->equals(floor->startPoint));
        EXPECT_EQ(back->numFloorObjects, floor->numFloorObjects);
        EXPECT_EQ(state->foundFloorObjects, 3);
        EXPECT_EQ(back->hasSecret, static_cast<bool>(floor->secretEntranceTile));
        EXPECT_EQ(back->stairsTiles.size(), floor->stairsTiles.size());
        // The restored list also holds the entrance, which stands on a hidden cell.
        const size_t entrance = floor->secretEntranceTile && floor->secretEntranceTile->hidden ? 1 : 0;
        EXPECT_EQ(back->hiddenObjects.size(), floor->hiddenObjects.size() + entrance);
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y) {
                Tile* a = floor->tileAt(x, y);
                Tile* b = back->tileAt(x, y);
                ASSERT_EQ(std::tuple(a->wall, a->hole, a->hidden, a->fakeWall),
                          std::tuple(b->wall, b->hole, b->hidden, b->fakeWall)) << x << "," << y;
                EXPECT_EQ(back->fogTilesOpacity[x][y], floor->fogTilesOpacity[x][y]);
                ASSERT_EQ(static_cast<bool>(a->tObj), static_cast<bool>(b->tObj)) << x << "," << y;
                if (!a->tObj) continue;
                EXPECT_EQ(a->tObj->objType, b->tObj->objType);
                EXPECT_EQ(a->tObj->activated, b->tObj->activated);
                EXPECT_EQ(a->tObj->get_alpha(), b->tObj->get_alpha()) << x << "," << y;
                if (auto m = a->tObj.template cast<game::Monster>()) {
                    auto mb = b->tObj.template cast<game::Monster>();
                    EXPECT_EQ(mb->data->id, m->data->id);
                    EXPECT_EQ(mb->hp, m->hp);
                }
                if (auto c = a->tObj.template cast<game::Chest>()) {
                    auto cb = b->tObj.template cast<game::Chest>();
                    EXPECT_EQ(cb->type, c->type);
                    EXPECT_EQ(static_cast<bool>(cb->item), !c->activated);
                    if (c->item && cb->item) EXPECT_EQ(cb->item->data->id, c->item->data->id);
                }
                if (auto g = a->tObj.template cast<game::GoldBag>())
                    EXPECT_EQ(b->tObj.template cast<game::GoldBag>()->amount, g->amount);
                if (auto s = a->tObj.template cast<game::StatGem>())
                    EXPECT_EQ(b->tObj.template cast<game::StatGem>()->type, s->type);
            }
    }
    EXPECT_EQ(checkedFloors, 12);
}

TEST_F(FloorRestoreTest, ARevealedSecretRoomComesBackOpen) {
    runtime::Ref<MapData> floor;
    for (int seed = 40; !floor || !floor->secretEntranceTile; ++seed) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(static_cast<uint64_t>(seed)));
        GameData::secretTheseFiveFloors = false;
        floor = generate(2);
    }
    auto back = saveAndRestore(*floor, true);
    EXPECT_FALSE(back->hasSecret);
    EXPECT_FALSE(back->secretEntranceTile);
    Tile* mouth = back->tileAt(floor->secretEntranceTile->lev_x, floor->secretEntranceTile->lev_y);
    EXPECT_FALSE(mouth->tObj) << "the entrance is gone";
    EXPECT_TRUE(state->secretRevealed);
    ASSERT_FALSE(back->hiddenObjects.empty());
    for (const auto& o : back->hiddenObjects) EXPECT_EQ(o->get_alpha(), 1);
    EXPECT_EQ(back->fakeWalls.size(), floor->fakeWalls.size());
}

TEST_F(FloorRestoreTest, SavedRecordsRebuildTheirObjects) {
    auto record = [](std::initializer_list<std::pair<const char*, runtime::Value>> fields) {
        auto r = runtime::make<runtime::DynamicObject>();
        r->setField("wall", runtime::Value(false));
        for (auto& [k, v] : fields) r->setField(k, v);
        return runtime::Value(r);
    };
    auto grid = runtime::make<runtime::Array>();
    for (int x = 0; x < 32; ++x) {
        auto column = runtime::make<runtime::Array>();
        for (int y = 0; y < 32; ++y) column->push(record({}));
        grid->push(runtime::Value(column));
    }
    using V = runtime::Value;
    auto put = [&](int x, int y, runtime::Value r) { grid->at(x).as<runtime::Array>()->items[static_cast<size_t>(y)] = r; };
    put(1, 1, record({{"objType", V(1)}, {"chestType", V(1)}, {"activated", V(true)}}));
    put(2, 1, record({{"objType", V("1")}, {"chestType", V(0)}, {"itemID", V(game::ItemData::ALL_ITEMS[5]->id)},
                      {"activated", V(false)}}));
    put(3, 1, record({{"objType", V(0)}, {"monsterID", V(100)}, {"hp", V(7)}}));
    put(4, 1, record({{"objType", V(0)}, {"monsterID", V(100)}}));
    put(5, 1, record({{"objType", V(8)}, {"id", V(46)}}));
    put(6, 1, record({{"objType", V(42)}}));
    put(7, 1, record({{"objType", V(3)}, {"activated", V(true)}, {"amount", V(9)}}));
    auto save = runtime::make<runtime::DynamicObject>();
    save->setField("floorTiles", V(grid));
    save->setField("sorcerorPhase", V(3));
    save->setField("startPoint", V());
    game::Data::slotData = runtime::make<engine::EngSave>();
    game::Data::slotData->data = save;
    auto floor = runtime::make<MapData>(state.get(), nullptr, true);
    game::Data::slotData = nullptr;

    auto opened = floor->tileAt(1, 1)->tObj.template cast<game::Chest>();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->activated);
    EXPECT_EQ(opened->type, game::Chest::TYPE_ARTIFACT);
    EXPECT_FALSE(opened->item);
    auto closed = floor->tileAt(2, 1)->tObj.template cast<game::Chest>();
    ASSERT_TRUE(closed && closed->item);
    EXPECT_EQ(closed->item->data, game::ItemData::ALL_ITEMS[5]);
    auto wounded = floor->tileAt(3, 1)->tObj.template cast<game::Monster>();
    ASSERT_TRUE(wounded);
    EXPECT_EQ(wounded->hp, 7);
    auto whole = floor->tileAt(4, 1)->tObj.template cast<game::Monster>();
    EXPECT_EQ(whole->hp, whole->data->maxHP);
    auto sorcerer = floor->tileAt(5, 1)->tObj.template cast<game::Monster>();
    ASSERT_TRUE(sorcerer) << "at phase 3 the sorcerer is the monster";
    EXPECT_EQ(sorcerer->data->id, game::Monster::SORCEROR_ID);
    EXPECT_EQ(floor->sorcererMonster, sorcerer);
    EXPECT_FALSE(floor->tileAt(6, 1)->tObj);
    auto bag = floor->tileAt(7, 1)->tObj.template cast<game::GoldBag>();
    ASSERT_TRUE(bag);
    EXPECT_EQ(bag->amount, 9);
    EXPECT_TRUE(bag->activated);
    EXPECT_EQ(floor->numFloorObjects, 0);
    EXPECT_EQ(state->sorcererPhase, 3);
    EXPECT_EQ(recorder.count("bars:-,-,-"), 1);
    // No saved start: the first free cell.
    EXPECT_TRUE(floor->startPoint->equals(runtime::make<framework::Point>(0, 0)));
}

TEST_F(FloorRestoreTest, ASaveWithoutAFloorGeneratesOne) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(21));
    GameData::currentFloor = 3;
    game::Data::slotData = runtime::make<engine::EngSave>();
    game::Data::slotData->data = runtime::make<runtime::DynamicObject>();
    auto floor = runtime::make<MapData>(state.get(), nullptr, true);
    game::Data::slotData = nullptr;
    ASSERT_TRUE(floor->startPoint);
    EXPECT_EQ(floor->stairsTiles.empty(), false);
}
