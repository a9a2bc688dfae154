// The hero's figure: its three sprites and their modes, the deferred switch from running to idle,
// mirroring of the attack and die sprites, and the sheets chosen by look.
#include "game/battle/Hero.h"
#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/PixelSmoother.h"
#include "tests/game/kit/KitFixture.h"

using game::Anim;
using game::G;
using game::Hero;
using runtime::make;
using runtime::Ref;

namespace {

class HeroTest : public KitFixture {
protected:
    // One exploration frame.
    static void step(Hero& hero, int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            ++G::frameCount;
            hero.update();
        }
    }
    static bool shows(Hero& hero, const Ref<game::BitmapSprite>& sprite) {
        return sprite->get_parent().get() == hero.middleLayer.get();
    }
};

}  // namespace

TEST_F(HeroTest, ConstructionLayersTheShadowAndTheIdleRunPose) {
    auto hero = make<Hero>(Hero::TYPE_GUY);
    ASSERT_EQ(hero->get_numChildren(), 3);
    EXPECT_EQ(hero->getChildAt(0).get(), hero->underLayer.get());
    EXPECT_EQ(hero->getChildAt(1).get(), hero->middleLayer.get());
    EXPECT_EQ(hero->getChildAt(2).get(), hero->overLayer.get());
    ASSERT_EQ(hero->middleLayer->get_numChildren(), 2);
    auto shadow = hero->middleLayer->getChildAt(0);
    EXPECT_EQ(shadow->get_y(), 15);
    EXPECT_EQ(hero->middleLayer->getChildAt(1).get(), hero->runSprite.get());
    EXPECT_EQ(hero->runSprite->get_y(), -25);
    EXPECT_EQ(hero->runSprite->anim, Hero::IDLE_DOWN);
    EXPECT_EQ(hero->attackSprite->get_parent(), nullptr);
    EXPECT_EQ(hero->dieSprite->get_parent(), nullptr);
    EXPECT_EQ(hero->attackSprite->get_x(), Hero::ATT_SPRITE_X);
    EXPECT_EQ(hero->attackSprite->get_y(), -16);
    EXPECT_EQ(hero->attackSprite->anim, Hero::ATTACK_IDLE);
    EXPECT_EQ(hero->groundPoint->x, 16);
    EXPECT_EQ(hero->groundPoint->y, 19);
    EXPECT_TRUE(hero->idle);
    EXPECT_FALSE(hero->get_mouseEnabled());
    EXPECT_FALSE(hero->get_mouseChildren());
    // Not destroyed unless forced.
    hero->destroy();
    EXPECT_FALSE(hero->destroyed);
}

TEST_F(HeroTest, EachLookLoadsItsThreeSheetsAndUnknownLooksAreTheGuy) {
    struct Case {
        int type;
        const char* name;
    };
    const Case cases[] = {{Hero::TYPE_GUY, "guy"}, {Hero::TYPE_GIRL, "girl"}, {Hero::TYPE_MONK, "monk"},
                          {Hero::TYPE_VELIX, "velix"}, {7, "guy"}, {-5, "guy"}};
    for (const Case& c : cases) {
        auto hero = make<Hero>(c.type);
        const std::string base = std::string("assets/x2/heroes/") + c.name;
        EXPECT_EQ(hero->runSprite->bmd, game::PixelSmoother::smoothAsset(runtime::String(base + ".png"))) << c.type;
        EXPECT_EQ(hero->attackSprite->bmd, game::PixelSmoother::smoothAsset(runtime::String(base + "Attack.png")))
            << c.type;
        EXPECT_EQ(hero->dieSprite->bmd, game::PixelSmoother::smoothAsset(runtime::String(base + "Die.png"))) << c.type;
        // The sheets hold every cell the animations read.
        EXPECT_GE(hero->runSprite->bmd->get_width(), 9 * 32);
        EXPECT_GE(hero->runSprite->bmd->get_height(), 3 * 48);
        EXPECT_GE(hero->attackSprite->bmd->get_width(), 8 * 38);
        EXPECT_GE(hero->dieSprite->bmd->get_width(), 12 * 50);
    }
    // -1 takes the chosen look of the game data.
    game::GameData::heroType = Hero::TYPE_MONK;
    auto chosen = make<Hero>();
    EXPECT_EQ(chosen->runSprite->bmd, game::PixelSmoother::smoothAsset("assets/x2/heroes/monk.png"));
    game::GameData::heroType = 0;
}

TEST_F(HeroTest, StoppingWhileRunningWaitsForTheNextFootDownFrame) {
    auto hero = make<Hero>(Hero::TYPE_GUY);
    hero->setRunAnim(Hero::RUN_DOWN);
    EXPECT_FALSE(hero->idle);
    // Run on to frame 3 (a cell every 3 updates).
    while (hero->runSprite->frame != 3) step(*hero);
    hero->setRunAnim(Hero::IDLE_DOWN);
    EXPECT_TRUE(hero->goingToIdle);
    EXPECT_EQ(hero->runSprite->anim, Hero::RUN_DOWN);
    // While the exploration state still moves the hero, the run goes on past foot-down frames.
    auto state = make<game::MapState>();
    G::mapState = state;
    state->moving = true;
    step(*hero, 30);
    EXPECT_EQ(hero->runSprite->anim, Hero::RUN_DOWN);
    EXPECT_TRUE(hero->goingToIdle);
    while (hero->runSprite->frame != 3) step(*hero);
    state->moving = false;
    std::vector<int> framesSeen;
    while (hero->runSprite->anim == Hero::RUN_DOWN && framesSeen.size() < 40) {
        step(*hero);
        framesSeen.push_back(hero->runSprite->frame);
    }
    EXPECT_EQ(hero->runSprite->anim, Hero::IDLE_DOWN);
    EXPECT_TRUE(hero->idle);
    EXPECT_FALSE(hero->goingToIdle);
    // It ran through frame 4 and turned idle on reaching frame 5.
    ASSERT_GE(framesSeen.size(), 2u);
    EXPECT_EQ(framesSeen[framesSeen.size() - 2], 4);
    G::mapState = nullptr;
}

TEST_F(HeroTest, IdleToRunSwitchesAtOnceAndKeepFrameContinuesTheCycle) {
    auto hero = make<Hero>(Hero::TYPE_GUY);
    hero->setRunAnim(Hero::RUN_UP);
    EXPECT_EQ(hero->runSprite->anim, Hero::RUN_UP);
    EXPECT_EQ(hero->runSprite->frame, 1);
    EXPECT_FALSE(hero->idle);
    while (hero->runSprite->frame != 4) step(*hero);
    // A change of direction in mid-run keeps the frame index when asked.
    hero->setRunAnim(Hero::RUN_RIGHT, true);
    EXPECT_EQ(hero->runSprite->anim, Hero::RUN_RIGHT);
    EXPECT_EQ(hero->runSprite->frame, 4);
    EXPECT_EQ(hero->runSprite->bitmap->get_scrollRect()->x, 32 + 3 * 32);
    EXPECT_EQ(hero->runSprite->bitmap->get_scrollRect()->y, 0);
    hero->setRunAnim(Hero::RUN_DOWN);
    EXPECT_EQ(hero->runSprite->frame, 1);

    // setToIdle picks the running direction's idle pose (deferred), and does nothing when idle.
    hero->setToIdle();
    EXPECT_TRUE(hero->goingToIdle);
    EXPECT_EQ(hero->idleGoTo, Hero::IDLE_DOWN);
    auto still = make<Hero>(Hero::TYPE_GIRL);
    still->setToIdle();
    EXPECT_FALSE(still->goingToIdle);
    EXPECT_EQ(still->runSprite->anim, Hero::IDLE_DOWN);
}

TEST_F(HeroTest, ModesShowOneSpriteAndOnlyItAnimates) {
    auto hero = make<Hero>(Hero::TYPE_GUY);
    hero->setRunAnim(Hero::RUN_RIGHT);
    hero->setToAttackMode();
    EXPECT_TRUE(hero->attackMode);
    EXPECT_TRUE(shows(*hero, hero->attackSprite));
    EXPECT_FALSE(shows(*hero, hero->runSprite));
    hero->attackSprite->setNewAnim(Hero::ATTACK);
    const int runFrame = hero->runSprite->frame;
    step(*hero, 8);
    EXPECT_EQ(hero->attackSprite->frame, Hero::DAMAGE_FRAME);
    EXPECT_EQ(hero->runSprite->frame, runFrame);
    step(*hero, 40);
    EXPECT_TRUE(hero->attackSprite->animCompleted);

    hero->setToRunMode();
    EXPECT_FALSE(hero->attackMode);
    EXPECT_TRUE(shows(*hero, hero->runSprite));
    EXPECT_FALSE(shows(*hero, hero->attackSprite));
    // The shadow stays under the pose.
    EXPECT_EQ(hero->middleLayer->getChildIndex(hero->runSprite), 1);

    hero->setToAttackMode();
    hero->setToDieMode();
    EXPECT_TRUE(hero->dieMode);
    EXPECT_FALSE(hero->attackMode);
    EXPECT_TRUE(shows(*hero, hero->dieSprite));
    EXPECT_FALSE(shows(*hero, hero->attackSprite));
    EXPECT_EQ(hero->dieSprite->anim, Hero::DIE);
    EXPECT_EQ(hero->dieSprite->get_x(), Hero::ATT_SPRITE_X);
    EXPECT_FALSE(hero->dieSprite->flipped);
    step(*hero, 12 * 5 + 5);
    EXPECT_TRUE(hero->dieSprite->animCompleted);
    EXPECT_EQ(hero->dieSprite->frame, 12);
}

TEST_F(HeroTest, MirroredAttackStandsLeftAndTheDeathFollowsTwelvePixelsFurther) {
    auto hero = make<Hero>(Hero::TYPE_VELIX);
    hero->setToAttackMode();
    hero->setAttackSpriteFlip(true);
    EXPECT_TRUE(hero->attackSprite->flipped);
    EXPECT_EQ(hero->attackSprite->get_x(), Hero::ATT_SPRITE_X_FLIPPED);
    hero->setToDieMode();
    EXPECT_TRUE(hero->dieSprite->flipped);
    EXPECT_EQ(hero->dieSprite->get_x(), Hero::ATT_SPRITE_X_FLIPPED - 12);
    EXPECT_EQ(hero->dieSprite->get_y(), hero->attackSprite->get_y());
    hero->setAttackSpriteFlip(false);
    EXPECT_EQ(hero->attackSprite->get_x(), Hero::ATT_SPRITE_X);
}
