// Winged departures: the hero's flight up to its closing fade, a character's flight that leaves
// its tile, the lost kid's three gems handed over 30 frames apart, and the archaeologist's switch.
#include <chrono>
#include <thread>

#include "game/battle/Effects.h"
#include "game/data/SWITCH.h"
#include "game/floor/StatGem.h"
#include "game/map/NPC.h"
#include "game/shell/C.h"
#include "tests/game/map/MapStateFixture.h"

using game::GameData;
using game::MapState;
using game::NPC;
using runtime::make;
using runtime::Ref;

namespace {

class WingsTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        if (game::Effects::RAIN_SPLASHES.empty()) game::Effects::setup();
        buildFloor(3);
        openRoom();
        game::G::mapState = state;
    }
    // Updates the scene, and its tweens on the real clock, until done() holds; false after
    // `frames` updates.
    template <class Done>
    bool run(Done done, int frames = 400) {
        for (int i = 0; i < frames; ++i) {
            if (done()) return true;
            state->update();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            tween::SimpleActuator::stage_onEnterFrame(make<framework::Event>("enterFrame"));
        }
        return done();
    }
    Ref<NPC> characterAt(int x, int y, int id) {
        game::Tile* tile = state->mapData->tiles[x][y].get();
        auto npc = make<NPC>(tile, id);
        npc->set_x(x * game::C::TILE_SIZE);
        npc->set_y(y * game::C::TILE_SIZE);
        tile->tObj = npc;
        state->objectsSprite->addChild(npc);
        return npc;
    }
};

}  // namespace

TEST_F(WingsTest, TheHerosFlightLocksThePlayerSparksAndFadesTheHero) {
    state->useWings();
    EXPECT_TRUE(state->usingWings);
    EXPECT_TRUE(state->disableMovement);
    EXPECT_TRUE(game::G::disableMenu);
    ASSERT_TRUE(state->wingsBackAnim);
    EXPECT_EQ(state->wingsBackAnim->get_parent().get(), state->objectsSprite.get());
    EXPECT_EQ(state->wingsBackAnim->get_x(), state->hero->get_x() + 16 - 28);
    EXPECT_EQ(state->wingsBackAnim->get_y(), state->hero->get_y() - MapState::WINGS_Y_OFFSET);

    const std::size_t before = state->overSprite->get_numChildren();
    ASSERT_TRUE(run([&] { return state->wingsBackAnim->frame >= 4; }));
    // Sparks come in bursts of 20 while the under-wings show their third cell.
    const std::size_t sparks = state->overSprite->get_numChildren() - before;
    EXPECT_GT(sparks, 0u);
    EXPECT_EQ(sparks % 20, 0u);

    ASSERT_TRUE(run([&] { return state->wingsOverAdded; }));
    ASSERT_TRUE(run([&] { return state->hero->get_alpha() < 0.01; }));
    // The flight cannot be called back: the locks hold until the run ends.
    EXPECT_TRUE(state->usingWings);
    EXPECT_TRUE(state->disableMovement);
}

TEST_F(WingsTest, TheLostKidFliesAwayAndLeavesThreeGemsOneEveryThirtyFrames) {
    auto kid = characterAt(18, 16, NPC::LOST_KID);
    game::Tile* tile = kid->tile;
    const int hp = GameData::maxHP, mp = GameData::maxMP, attack = GameData::attack;
    state->wingOutNPC(kid);
    ASSERT_EQ(state->gemsToCredit.size(), 3u);
    EXPECT_EQ(state->gemsToCredit[0]->type, game::StatGem::TYPE_HP);
    EXPECT_EQ(state->gemsToCredit[1]->type, game::StatGem::TYPE_MP);
    EXPECT_EQ(state->gemsToCredit[2]->type, game::StatGem::TYPE_ATTACK);
    EXPECT_TRUE(state->gemsToCredit[0]->bought) << "a gift is no floor object to find";

    std::vector<int> creditedAt;
    int frame = 0;
    std::size_t waiting = 3;
    ASSERT_TRUE(run(
        [&] {
            if (state->gemsToCredit.size() < waiting) {
                creditedAt.push_back(frame);
                waiting = state->gemsToCredit.size();
            }
            ++frame;
            return waiting == 0 && !state->usingWings;
        },
        300));
    ASSERT_EQ(creditedAt.size(), 3u);
    EXPECT_EQ(creditedAt[1] - creditedAt[0], MapState::GEM_GIVE_TIME);
    EXPECT_EQ(creditedAt[2] - creditedAt[1], MapState::GEM_GIVE_TIME);
    ASSERT_TRUE(run([&] { return state->boughtGems.empty(); }, 300));
    EXPECT_GT(GameData::maxHP, hp);
    EXPECT_GT(GameData::maxMP, mp);
    EXPECT_GT(GameData::attack, attack);
    // The kid is gone from its tile and the player is free again.
    EXPECT_FALSE(tile->tObj);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_FALSE(game::G::disableMenu);
}

TEST_F(WingsTest, OnlyTheArchaeologistsFlightSetsHisSwitch) {
    for (int id : {NPC::ARCHAEOLOGIST, 3}) {
        GameData::setSwitch(game::SWITCH::ARCHAEOLOGIST_SAVED, false);
        auto npc = characterAt(18, 16, id);
        state->wingOutNPC(npc);
        EXPECT_EQ(GameData::getSwitch(game::SWITCH::ARCHAEOLOGIST_SAVED), id == NPC::ARCHAEOLOGIST) << id;
        EXPECT_TRUE(state->gemsToCredit.empty()) << id;
        ASSERT_TRUE(run([&] { return !state->usingWings; })) << id;
    }
}
