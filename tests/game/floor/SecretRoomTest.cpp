// Secret rooms on generated floors: sealed behind their entrance, drawn as fake walls, furnished
// invisibly, and reachable once the entrance is revealed.
#include <set>

#include "ObjectFixture.h"
#include "game/floor/Chest.h"
#include "game/floor/SecretEntrance.h"
#include "game/floor/Stairs.h"
#include "game/floor/Tile.h"
#include "game/map/NPC.h"
#include "platform/media/fake/FakeMediaModule.h"

using game::Tile;
using game::TileObject;

namespace {
runtime::Ref<framework::Point> pt(int x, int y) { return runtime::make<framework::Point>(x, y); }
bool visibleGround(const Tile* t) { return t && !t->wall && !t->hidden; }
}  // namespace

TEST_F(ObjectFixture, ThousandSecretRoomsAreSealedUntilRevealedAndThenReachable) {
    int rooms = 0;
    for (int n = 0; n < 1000; ++n) {
        media::FakeMediaModule::get().forgetCalls();
        game::FloorRandom::setSource(game::FloorRandom::seeded(5000 + n));
        GameData::secretTheseFiveFloors = false;
        auto floor = generate(1 + n % 4);
        SCOPED_TRACE("seed " + std::to_string(5000 + n));
        ASSERT_TRUE(floor->hasSecret);
        if (!floor->secretEntranceTile) continue;
        ++rooms;
        Tile* entrance = floor->secretEntranceTile.get();
        auto secret = entrance->tObj.template cast<game::SecretEntrance>();
        ASSERT_TRUE(secret);

        // The entrance touches visible ground; no other hidden cell does along a side.
        int touching = 0;
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y) {
                Tile* t = floor->tileAt(x, y);
                if (!t->hidden) continue;
                for (Tile* s : {floor->tileAt(x - 1, y), floor->tileAt(x + 1, y), floor->tileAt(x, y - 1),
                                floor->tileAt(x, y + 1)})
                    if (visibleGround(s)) {
                        EXPECT_EQ(t, entrance) << "the room leaks at " << x << "," << y;
                        ++touching;
                    }
            }
        EXPECT_GE(touching, 1);

        // Fake walls: every wall around a hidden cell once and flagged; hidden cells listed unflagged.
        std::multiset<Tile*> listed;
        for (const auto& t : floor->fakeWalls) listed.insert(t.get());
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y) {
                Tile* t = floor->tileAt(x, y);
                bool nearHidden = false;
                for (int i = x - 1; i <= x + 1; ++i)
                    for (int j = y - 1; j <= y + 1; ++j)
                        if (Tile* h = floor->tileAt(i, j); h && h->hidden) nearHidden = true;
                if (t->hidden) {
                    EXPECT_EQ(listed.count(t), 1u);
                    EXPECT_FALSE(t->fakeWall);
                } else if (t->wall && nearHidden) {
                    EXPECT_EQ(listed.count(t), 1u) << x << "," << y;
                    EXPECT_TRUE(t->fakeWall);
                } else {
                    EXPECT_EQ(listed.count(t), 0u) << x << "," << y;
                }
            }

        // Sealed: nothing hidden is reachable from the start before the reveal.
        for (const auto& o : floor->hiddenObjects) {
            EXPECT_EQ(o->get_alpha(), 0);
            EXPECT_FALSE(floor->pathBetween(floor->startPoint, pt(o->tile->lev_x, o->tile->lev_y)));
        }

        // The room's artifact chest and stairs, reachable once the entrance lets the hero through.
        Tile* chest = nullptr;
        Tile* stairs = nullptr;
        for (const auto& o : floor->hiddenObjects) {
            if (!chest && o.template cast<game::Chest>()) chest = o->tile;
            if (o.template cast<game::Stairs>()) stairs = o->tile;
        }
        ASSERT_TRUE(chest);
        EXPECT_EQ(chest->tObj.template cast<game::Chest>()->type, game::Chest::TYPE_ARTIFACT);
        secret->activate();
        EXPECT_TRUE(floor->pathBetween(floor->startPoint, pt(chest->lev_x, chest->lev_y)));
        if (stairs) EXPECT_TRUE(floor->pathBetween(floor->startPoint, pt(stairs->lev_x, stairs->lev_y)));
    }
    EXPECT_GT(rooms, 900);
}

TEST_F(ObjectFixture, TheArchaeologistWaitsInRoomsPastFloorTwentyFiveWhileTheWingsAreHeld) {
    GameData::items.push_back(runtime::make<game::Item>(game::ItemData::findDataWithID(0)));
    GameData::gameSwitches[game::SWITCH::LOST_KID_DONE] = true;
    int withArchaeologist = 0, rooms = 0;
    for (int n = 0; n < 30; ++n) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(300 + n));
        GameData::secretTheseFiveFloors = false;
        auto floor = generate(29);
        if (!floor->secretEntranceTile) continue;
        ++rooms;
        int chests = 0, numbered = 0;
        for (const auto& o : floor->hiddenObjects) {
            if (auto npc = o.template cast<game::NPC>(); npc && npc->npcData->id == game::NPC::ARCHAEOLOGIST)
                ++withArchaeologist;
            chests += static_cast<bool>(o.template cast<game::Chest>());
        }
        for (const auto& o : floor->tileObjects) numbered += o->objType <= TileObject::TYPE_GOLD && o->objType >= 0;
        EXPECT_GE(chests, 1);
        EXPECT_EQ(floor->numFloorObjects, numbered) << "the room's chest counts, its furniture does not";
    }
    EXPECT_GT(rooms, 0);
    EXPECT_GT(withArchaeologist, 0);
}
