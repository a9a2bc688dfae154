// The battle on the map: swing clocks at both speeds and frame rates, running away, victory with
// its rewards and drop, bleeding, the random-element strike, and the hero's death.
#include <cstdlib>
#include <filesystem>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
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
    void fight(int delay = 60, int direction = MapState::MOVE_UP) {
        auto data = MonsterData::MONSTERS.at(0);
        data->attackDelay = delay;
        monster = make<Monster>(floor->tiles[5][5].get(), data->id);
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
