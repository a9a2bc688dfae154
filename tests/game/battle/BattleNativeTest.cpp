// The battle on the map: swing clocks at both speeds and frame rates, running away, victory with
// its rewards and drop, bleeding, the random-element strike, the hero's death, and the demon's orbs.
#include <cstdlib>
#include <filesystem>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
#include "game/battle/DemonOrb.h"
#include "game/battle/Effects.h"
#include "game/data/DataSnapshot.h"
#include "game/data/DataUI.h"
#include "game/data/ItemData.h"
#include "game/floor/MapData.h"
#include "game/floor/TiledMap.h"
#include "game/map/MapState.h"
#include "game/ui/UI.h"

using game::Battle;
using game::Effects;
using game::GameData;
using game::Hero;
using game::MapState;
using game::Monster;
using game::MonsterData;
using game::UIActiveEffectsHUD;
using runtime::make;
using runtime::Ref;

namespace {

class HotkeyRecorder : public game::DataUI {
public:
    void putItemInFirstOpenSlot(const Ref<game::Item>& item) override { hotkeyed.push_back(item); }
    std::vector<Ref<game::Item>> hotkeyed;
};

}  // namespace

class BattleTest : public BattleFixture {
protected:
    void SetUp() override {
        BattleFixture::SetUp();
        saveDir = std::filesystem::temp_directory_path() / ("battle-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(saveDir);
        ::setenv("XDG_DATA_HOME", saveDir.c_str(), 1);
        game::ItemData::createItems();
        MonsterData::createMonsters();
        if (Effects::GUY_SWORD_POINTS.empty()) Effects::setup();
        game::BattleRandom::setSource([] { return 0.5; });
        GameData::maxHP = GameData::hp = 1000000;
        GameData::maxMP = GameData::mp = 100;
        GameData::attackDelay = 60;
        GameData::slowSpeed = false;
        GameData::attack = 1;
        GameData::gold = 0;
        GameData::exp = 0;
        GameData::level = 1;
        GameData::nextLevelAt = 1000000;
        auto blank = make<game::TiledMap>(32, 32, std::vector<Ref<game::TiledTileset>>{},
                                          std::vector<Ref<game::TiledLayer>>{}, std::vector<Ref<game::RainRect>>{});
        state = make<MapState>();
        game::G::mapState = state;
        floor = make<game::MapData>(state.get(), blank);
        state->mapData = floor;
        state->overSprite = make<game::BitmapSprite>();
        state->mapCanvas = make<game::BitmapSprite>();
        hero = make<Hero>();
        state->hero = hero;
    }

    void TearDown() override {
        battle = nullptr;
        game::G::mapState = nullptr;
        game::DataUI::install(nullptr);
        game::Game::ui = nullptr;
        MonsterData::MONSTERS.clear();
        game::UI::adjustConstantsFor60FPS();
        GameData::slowSpeed = false;
        BattleFixture::TearDown();
        std::filesystem::remove_all(saveDir);
    }

    // A monster of the table's first kind on (5, 5), the hero arriving from (5, 6) moving up.
    void fight(int delay = 60, int direction = MapState::MOVE_UP, Ref<MonsterData> data = nullptr) {
        if (!data) data = MonsterData::MONSTERS.at(0);
        data->attackDelay = delay;
        monster = make<Monster>(floor->tiles[5][5].get(), MonsterData::MONSTERS.at(0)->id);
        monster->data = data;
        monster->hp = 1000000000;
        const int hx = direction == MapState::MOVE_LEFT ? 6 : 5, hy = direction == MapState::MOVE_UP ? 6 : 5;
        hero->lev_x = hx;
        hero->lev_y = hy;
        hero->set_x(hx * 32);
        hero->set_y(hy * 32);
        battle = make<Battle>(state, monster, direction);
        state->battle = battle;
        state->inBattle = true;
        state->battleEntryTilePoint = make<framework::Point>(hx, hy);
        battle->cameraDoneSettingUp();
    }

    // One map frame of a battle: the monster's sprite, the battle, the hero's sprite.
    void step() {
        ++game::G::frameCount;
        monster->update();
        battle->update();
        hero->update();
    }

    static Ref<MonsterData> demonData() {
        for (const auto& d : MonsterData::MONSTERS)
            if (d && d->id == Monster::DEMON_ID) return d;
        return nullptr;
    }

    // The demon's two hands, open and closed, as the demon sequence shows them before the fight.
    void raiseHands() {
        auto hand = [this](double x, double y, bool visible) {
            auto s = make<game::BitmapSprite>();
            s->set_x(x);
            s->set_y(y);
            s->set_visible(visible);
            state->overSprite->addChild(s);
            return s;
        };
        state->demonLeftHandOpen = hand(100, 40, false);
        state->demonLeftHandClosed = hand(100, 40, true);
        state->demonRightHandOpen = hand(300, 44, false);
        state->demonRightHandClosed = hand(300, 44, true);
    }

    // The demon's fight, every draw 0.5. Unless it may throw, its clock is set far back so that
    // only the test's own orbs fly.
    void fightTheDemon(bool throws = true) {
        game::BattleRandom::setSource([] { return 0.5; });
        auto demon = demonData();
        ASSERT_TRUE(demon) << "the monster table has the demon";
        raiseHands();
        fight(demon->attackDelay, MapState::MOVE_UP, demon);
        monster->isBoss = true;
        if (!throws) battle->monsterTime = -1000000;
    }

    std::vector<Ref<game::DemonOrb>> orbsWhere(bool small) {
        std::vector<Ref<game::DemonOrb>> out;
        for (const auto& o : battle->orbs)
            if (o->small == small && !o->destroyed) out.push_back(o);
        return out;
    }

    std::filesystem::path saveDir;
    Ref<MapState> state;
    Ref<game::MapData> floor;
    Ref<Hero> hero;
    Ref<Monster> monster;
    Ref<Battle> battle;
};

TEST_F(BattleTest, SwingClocks) {
    struct Case {
        const char* name;
        bool slow;
        int rate;
        int heroGap;
        int monsterFirst;
    };
    for (const Case& c : {Case{"normal", false, 60, 61, 32}, Case{"slow battles", true, 60, 121, 92},
                          Case{"30 frames per second", false, 30, 31, 0}}) {
        GameData::slowSpeed = c.slow;
        if (c.rate == 30) game::UI::adjustConstantsFor30FPS();
        else game::UI::adjustConstantsFor60FPS();
        fight();
        std::vector<int> heroStarts, monsterStarts, hits;
        bool wasAttacking = true, monsterWas = false;
        int hp = monster->hp;
        for (int u = 1; u <= 400; ++u) {
            step();
            if (battle->heroAttacking && !wasAttacking) heroStarts.push_back(u);
            if (battle->monsterAttacking && !monsterWas) monsterStarts.push_back(u);
            if (monster->hp != hp) hits.push_back(u);
            hp = monster->hp;
            wasAttacking = battle->heroAttacking;
            monsterWas = battle->monsterAttacking;
            if (u == 1 && !c.slow && c.rate == 60) {
                // Half way along the approach on the first update.
                const double mid = (battle->monsterStartPoint->y + battle->monsterRestPoint->y) / 2;
                EXPECT_NEAR(monster->get_y(), mid, 0.01) << c.name;
            }
        }
        ASSERT_GE(heroStarts.size(), 3u) << c.name;
        for (size_t i = 1; i < heroStarts.size(); ++i) EXPECT_EQ(heroStarts[i] - heroStarts[i - 1], c.heroGap) << c.name;
        ASSERT_GE(hits.size(), 3u) << c.name;
        // One hit per swing, the first on the opening swing.
        EXPECT_LT(hits[0], heroStarts[0]) << c.name;
        for (size_t i = 1; i < hits.size() && i <= heroStarts.size(); ++i) {
            EXPECT_GT(hits[i], heroStarts[i - 1]) << c.name;
            EXPECT_LT(hits[i] - heroStarts[i - 1], 12 / (c.rate == 30 ? 2 : 1) + 2) << c.name;
        }
        ASSERT_FALSE(monsterStarts.empty()) << c.name;
        if (c.monsterFirst) EXPECT_EQ(monsterStarts[0], c.monsterFirst) << c.name;
        GameData::hp = GameData::maxHP;
    }
}

TEST_F(BattleTest, RunningAwayAndItsRefusalAndCancel) {
    fight();
    for (int u = 0; u < 10; ++u) step();
    battle->startRunAway();
    ASSERT_TRUE(battle->runningAway);
    ASSERT_TRUE(battle->runAwayMeter);
    EXPECT_EQ(battle->runAwayText->get_text().toText(), "Running away...");
    const int heroClock = battle->heroTime;
    int updates = 0;
    while (state->inBattle && updates < 200) {
        step();
        ++updates;
        if (state->inBattle) EXPECT_EQ(battle->heroTime, heroClock);
    }
    EXPECT_EQ(updates, 80);
    EXPECT_TRUE(state->forcedMove);  // endBattle(ranAway = true)
    EXPECT_FALSE(battle->runAwayMeter->get_parent());
    EXPECT_FALSE(battle->victory);

    // Cancelled: text and meter go, the hero's clock resumes where it stood.
    state->forcedMove = false;
    state->inBattle = true;
    fight();
    battle->startRunAway();
    for (int u = 0; u < 5; ++u) step();
    battle->stopRunAway();
    EXPECT_FALSE(battle->runAwayText->get_parent());
    EXPECT_FALSE(battle->runAwayMeter->get_parent());
    const int clock = battle->heroTime;
    step();
    EXPECT_TRUE(battle->heroTime == clock + 1 || battle->heroTime == 0);

    // A boss refuses: "Can't Run!" floats up and no meter shows.
    fight();
    monster->isBoss = true;
    const size_t effects = state->menuEffects.size();
    battle->startRunAway();
    EXPECT_FALSE(battle->runningAway);
    EXPECT_FALSE(battle->runAwayMeter);
    ASSERT_EQ(state->menuEffects.size(), effects + 1);
    auto text = runtime::Ref<game::TextSprite>(dynamic_cast<game::TextSprite*>(state->menuEffects.back().get()));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->get_text().toText(), "Can't Run!");
}

TEST_F(BattleTest, VictoryGivesRewardsDropAndCountsEffectsDown) {
    auto recorder = std::make_shared<HotkeyRecorder>();
    game::DataUI::install(recorder);
    fight();
    auto& d = *monster->data;
    d.gold = 7;
    d.exp = 11;
    auto potion = game::ItemData::CONSUMABLES.at(0);
    d.drops = {potion->id};
    d.dropChances = {100};
    GameData::activeEffects.push_back(
        make<game::ActiveEffect>(make<game::Enchantment>(game::Enchantment::GOLD, 50), 2));
    UIActiveEffectsHUD::recomputeSums();
    monster->hp = 1;
    GameData::attack = 100;
    const int gold = GameData::gold, exp = GameData::exp;
    int updates = 0;
    while (!battle->victory && updates < 50) {
        step();
        ++updates;
    }
    ASSERT_TRUE(battle->victory);
    EXPECT_EQ(GameData::gold - gold, 10);  // int(150 / 100 * 7)
    EXPECT_EQ(GameData::exp - exp, 11);
    EXPECT_EQ(GameData::activeEffects.at(0)->duration, 1);
    ASSERT_EQ(recorder->hotkeyed.size(), 1u);  // a consumable lands in the hotkey bar
    EXPECT_EQ(recorder->hotkeyed[0]->data, potion);
    EXPECT_EQ(state->animatedItemIcons.size(), 1u);
    // The hero walks back to its tile, then the battle hands back.
    while (state->inBattle && updates < 200) {
        step();
        ++updates;
    }
    EXPECT_FALSE(state->inBattle);
    EXPECT_FALSE(state->forcedMove);
    EXPECT_EQ(hero->get_x(), 5 * 32);
    EXPECT_EQ(hero->get_y(), 6 * 32);
}

TEST_F(BattleTest, DropsOverTenThousandFights) {
    auto d = make<MonsterData>(runtime::NoInit{});
    d->drops = {101, 202};
    d->dropChances = {5, 15};
    for (int bonus : {0, 10}) {
        GameData::dropBonus = bonus;
        game::BattleRandom::setSource(game::FloorRandom::seeded(2024 + bonus));
        int a = 0, b = 0;
        const int fights = 10000;
        for (int i = 0; i < fights; ++i) {
            const int id = Battle::chooseDrop(*d);
            a += id == 101;
            b += id == 202;
        }
        EXPECT_NEAR((a + b) / double(fights), (20 + bonus) / 100.0, 0.01) << bonus;
        EXPECT_NEAR(a / double(a + b), 0.25, 0.02) << bonus;
    }
    // Chances that sum to 0 drop only by a bonus, and then the first item.
    d->dropChances = {0, 0};
    GameData::dropBonus = 100;
    game::BattleRandom::setSource([] { return 0.5; });
    EXPECT_EQ(Battle::chooseDrop(*d), 101);
    GameData::dropBonus = 0;
    EXPECT_EQ(Battle::chooseDrop(*d), -1);
}

TEST_F(BattleTest, BleedTicksEvery40UpdatesOnlyOnBleedableMonsters) {
    for (bool bleeds : {true, false}) {
        fight(100000);
        monster->data->bleed = bleeds;
        GameData::bleed = 3;
        GameData::lifeDrain = 0;
        std::vector<int> ticks;
        int hp = monster->hp, hits = 0;
        for (int u = 1; u <= 140; ++u) {
            const bool hitBefore = battle->heroGaveDamage;
            step();
            if (battle->heroGaveDamage && !hitBefore) {
                ++hits;
                hp = monster->hp;
                continue;
            }
            if (monster->hp == hp - 3) ticks.push_back(u);
            hp = monster->hp;
        }
        ASSERT_GE(hits, 1);
        if (bleeds) {
            ASSERT_GE(ticks.size(), 2u);
            EXPECT_EQ(ticks[1] - ticks[0], 40);
        } else {
            EXPECT_TRUE(ticks.empty());
            EXPECT_FALSE(battle->bleedDrainStarted);
        }
    }
    // Life drain starts the clock even on a monster that cannot bleed.
    fight(100000);
    monster->data->bleed = false;
    GameData::lifeDrain = 2;
    for (int u = 0; u < 20; ++u) step();
    EXPECT_TRUE(battle->bleedDrainStarted);
    EXPECT_EQ(battle->bleed, 0);
    EXPECT_EQ(battle->lifeDrain, 2);
}

TEST_F(BattleTest, RandomElementStrikeLeavesTheDefinitionAlone) {
    fight(10);
    auto& d = *monster->data;
    d.randomAtack = true;
    d.effectAnim = Effects::LIGHTBEAM_ANIM;
    d.effectFrame = 1;
    d.attackSound = "original";
    d.effectX = 3;
    d.effectY = 4;
    fight(10);
    game::BattleRandom::setSource([] { return 0.1; });  // k = 0: fire
    for (int u = 0; u < 40 && !battle->monsterEffectAdded; ++u) step();
    ASSERT_TRUE(battle->monsterEffectAdded);
    EXPECT_EQ(battle->monsterBonusFire, 50);
    EXPECT_EQ(battle->monsterAttackSound.toText(), "magicFire");
    EXPECT_EQ(d.attackSound.toText(), "original");
    EXPECT_EQ(d.effectX, 3);
    EXPECT_EQ(d.effectY, 4);
}

TEST_F(BattleTest, DeathFadesHidesTheHudAndRollsTheRunBack) {
    auto root = make<game::UI>();
    root->overLayer = make<game::BitmapSprite>();
    root->mainLayer = make<game::BitmapSprite>();
    root->overBlack = make<game::BitmapSprite>();
    game::Game::ui = root;
    GameData::beforeRunSnapshot = make<game::DataSnapshot>();
    GameData::gold = 40;
    GameData::beforeRunSnapshot->takeSnapshot();
    GameData::gold = 900;
    GameData::inCave = true;
    fight(10);
    monster->data->attack = 10000000;
    GameData::hp = 5;
    for (int u = 0; u < 60 && !battle->dieing; ++u) step();
    ASSERT_TRUE(battle->dieing);
    EXPECT_TRUE(hero->dieMode);
    EXPECT_EQ(root->mainLayer->get_alpha(), 0);
    EXPECT_TRUE(root->overBlack->get_visible());
    EXPECT_EQ(root->overBlack->get_parent().get(), root->overLayer.get());
    EXPECT_EQ(GameData::gold, 40);
    EXPECT_FALSE(GameData::inCave);
    // Dying, the battle only puts the monster back to idle; it never ends itself.
    for (int u = 0; u < 100; ++u) step();
    EXPECT_TRUE(state->inBattle);
    EXPECT_FALSE(battle->monsterAttacking && battle->monster->attackSprite->frame > monster->data->attackAnim->frames);
}

TEST_F(BattleTest, TheDemonThrowsAnOrbFromOneHandInsteadOfSwinging) {
    // Every draw 0.2 until the first throw (the left hand), then 0.7 (the right hand).
    fightTheDemon();
    game::BattleRandom::setSource([] { return 0.2; });
    const int limit = monster->data->attackDelay;
    int firstThrow = 0;
    Ref<game::DemonOrb> second;
    for (int u = 1; u <= 3 * limit && !second; ++u) {
        const size_t before = battle->orbs.size();
        step();
        EXPECT_FALSE(battle->monsterAttacking) << "the demon never swings";
        if (battle->orbs.size() > before && !firstThrow) {
            firstThrow = u;
            auto orb = battle->orbs.back();
            EXPECT_FALSE(orb->darkFire) << "r < 0.5: a dark orb";
            EXPECT_FALSE(orb->small);
            EXPECT_EQ(orb->time, game::DemonOrb::BIG_TIME);
            EXPECT_DOUBLE_EQ(orb->get_x(), 100 - 30 - 32);
            EXPECT_DOUBLE_EQ(orb->get_y(), 50);
            EXPECT_EQ(orb->get_parent().get(), state->overSprite.get());
            EXPECT_TRUE(state->demonLeftHandOpen->get_visible());
            EXPECT_FALSE(state->demonLeftHandClosed->get_visible());
            EXPECT_TRUE(state->demonRightHandClosed->get_visible()) << "the other hand stays closed";
            game::BattleRandom::setSource([] { return 0.7; });
        }
        for (const auto& o : battle->orbs)
            if (!o->small && o->darkFire) second = o;
    }
    ASSERT_GT(firstThrow, 0);
    ASSERT_TRUE(second) << "r >= 0.5: a dark-fire orb";
    EXPECT_EQ(battle->orbs.size(), 6u) << "the first orb's five and the second big one";
    EXPECT_DOUBLE_EQ(second->get_x(), 300 + 30);
    EXPECT_DOUBLE_EQ(second->get_y(), 54);
    EXPECT_TRUE(state->demonRightHandOpen->get_visible());
    EXPECT_FALSE(state->demonRightHandClosed->get_visible());
}

TEST_F(BattleTest, ABigOrbBurstsIntoFiveAndOnlyOneBlastOfABurstHurts) {
    for (int rate : {60, 30}) {
        SCOPED_TRACE(rate);
        if (rate == 30) game::UI::adjustConstantsFor30FPS();
        else game::UI::adjustConstantsFor60FPS();
        fightTheDemon(false);
        game::DemonOrb::nextID = 0;
        game::DemonOrb::damageIDs.clear();
        auto big = make<game::DemonOrb>(false);
        big->set_x(200);
        big->set_y(100);
        battle->orbs.push_back(big);
        state->overSprite->addChild(big);
        state->demonLeftHandOpen->set_visible(true);
        state->demonLeftHandClosed->set_visible(false);
        const int wait = rate == 60 ? 60 : 30;  // one second either way
        for (int u = 1; u < wait; ++u) battle->update();
        EXPECT_FALSE(big->destroyed) << "still hovering after " << wait - 1 << " updates";
        battle->update();
        EXPECT_TRUE(big->destroyed);
        EXPECT_EQ(big->get_parent(), nullptr);
        auto smalls = orbsWhere(true);
        ASSERT_EQ(smalls.size(), 5u);
        EXPECT_EQ(battle->orbs.size(), 5u) << "the burst orb left the list";
        for (const auto& o : smalls) {
            EXPECT_EQ(o->id, 0);
            EXPECT_FALSE(o->darkFire);
            EXPECT_EQ(o->get_parent().get(), state->overSprite.get());
        }
        EXPECT_EQ(game::DemonOrb::nextID, 1);
        EXPECT_TRUE(state->demonLeftHandClosed->get_visible()) << "the hand closes at the burst";
        EXPECT_FALSE(state->demonLeftHandOpen->get_visible());

        // The first blast of the burst hurts; the other four are only seen.
        GameData::hp = GameData::maxHP;
        int hurt = 0;
        for (const auto& o : smalls) {
            const int before = GameData::hp;
            o->explode();
            EXPECT_TRUE(o->exploding);
            hurt += GameData::hp < before ? 1 : 0;
        }
        EXPECT_EQ(hurt, 1);
        EXPECT_GT(battle->monsterBonusDark, 0) << "a dark orb strikes with the dark bonus";
        // The blasts play out and the orbs leave.
        for (int u = 0; u < 60 && !battle->orbs.empty(); ++u) battle->update();
        EXPECT_TRUE(battle->orbs.empty());
        battle = nullptr;
        state->battle = nullptr;
    }
}

TEST_F(BattleTest, BurstIdsWrapAfterElevenAndTheReusedIdHurtsAgain) {
    fightTheDemon(false);
    game::DemonOrb::nextID = 0;
    game::DemonOrb::damageIDs.clear();
    std::vector<int> ids;
    std::vector<bool> hurtByBurst;
    for (int b = 0; b < 12; ++b) {
        auto big = make<game::DemonOrb>(b % 2 == 1);
        battle->orbs.push_back(big);
        state->overSprite->addChild(big);
        while (!big->destroyed) battle->update();
        auto smalls = orbsWhere(true);
        ASSERT_EQ(smalls.size(), 5u);
        ids.push_back(smalls[0]->id);
        GameData::hp = GameData::maxHP;
        for (const auto& o : smalls) o->explode();
        hurtByBurst.push_back(GameData::hp < GameData::maxHP);
        battle->destroyOrbs();
        battle->update();
        EXPECT_TRUE(battle->orbs.empty());
    }
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));
    EXPECT_EQ(hurtByBurst, std::vector<bool>(12, true));
}

TEST_F(BattleTest, SmallOrbsSprayThenDiveAtTheHeroUnlessDestroyed) {
    fightTheDemon(false);
    game::DemonOrb::damageIDs.clear();
    auto burst = [this](bool darkFire) {
        auto big = make<game::DemonOrb>(darkFire);
        big->set_x(160);
        big->set_y(64);
        battle->orbs.push_back(big);
        state->overSprite->addChild(big);
        while (!big->destroyed) battle->update();
        return orbsWhere(true);
    };
    // Spray and dive on the tween clock; each small orb ends on the hero's tile and blasts.
    auto smalls = burst(true);
    ASSERT_EQ(smalls.size(), 5u);
    const int hp = GameData::hp;
    ASSERT_TRUE(KitFixture::runTweensUntil([&] {
        for (const auto& o : smalls)
            if (!o->exploding) return false;
        return true;
    })) << "every small orb reached the hero";
    for (const auto& o : smalls) {
        EXPECT_NEAR(o->get_x(), hero->lev_x * 32 + 8, 0.5);
        EXPECT_NEAR(o->get_y(), hero->lev_y * 32 - 16, 0.5);
    }
    EXPECT_LT(GameData::hp, hp);
    EXPECT_EQ(battle->monsterBonusFire, 60);
    EXPECT_EQ(battle->monsterBonusDark, 60);
    battle->destroyOrbs();
    battle->update();

    // Destroyed mid-spray (the demon's death), the orbs never dive nor blast.
    smalls = burst(false);
    ASSERT_EQ(smalls.size(), 5u);
    battle->destroyOrbs();
    GameData::hp = GameData::maxHP;
    KitFixture::runTweensUntil([] { return false; });
    for (const auto& o : smalls) {
        EXPECT_TRUE(o->destroyed);
        EXPECT_FALSE(o->exploding);
        EXPECT_EQ(o->get_parent(), nullptr);
    }
    EXPECT_EQ(GameData::hp, GameData::maxHP);
    battle->update();
    EXPECT_TRUE(battle->orbs.empty());
}
