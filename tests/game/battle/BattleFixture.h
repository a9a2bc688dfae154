#pragma once
// Battle pieces over the widget kit's fixture (real back end, fonts and shared bitmaps), with
// the hero's combat stats zeroed, no potion effects and a scripted random source: each draw
// takes the next scripted number; drawing past the script fails the test.
#include <deque>
#include <memory>

#include "game/battle/BattleRandom.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/ui/UIActiveEffectsHUD.h"
#include "tests/game/kit/KitFixture.h"

class BattleFixture : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        zeroHero();
        game::GameData::activeEffects.clear();
        game::UIActiveEffectsHUD::recomputeSums();
        game::BattleRandom::setSource([this] {
            if (draws->empty()) {
                ADD_FAILURE() << "a draw past the script";
                return 0.5;
            }
            double r = draws->front();
            draws->pop_front();
            return r;
        });
    }

    void TearDown() override {
        game::BattleRandom::setSource({});
        game::GameData::activeEffects.clear();
        game::UIActiveEffectsHUD::recomputeSums();
        KitFixture::TearDown();
    }

    void script(std::initializer_list<double> values) { draws->assign(values.begin(), values.end()); }
    size_t drawsLeft() const { return draws->size(); }

    static void zeroHero() {
        using G = game::GameData;
        for (int* v : {&G::attack, &G::defense, &G::magic, &G::defFire, &G::defEarth, &G::defWind, &G::defIce,
                       &G::defDark, &G::defLight, &G::attFire, &G::attEarth, &G::attWind, &G::attIce, &G::attDark,
                       &G::attLight, &G::dodgeChance, &G::critChance, &G::dropBonus, &G::hpRegen, &G::mpRegen,
                       &G::bleed, &G::lifeDrain, &G::killChance})
            *v = 0;
        G::critMultiplier = 1.5;
        G::goldMultiplier = 100;
        G::expMultiplier = 100;
    }

    // A monster definition with every combat number 0 and no weakness.
    static runtime::Ref<game::MonsterData> blankMonster() {
        auto m = runtime::make<game::MonsterData>(runtime::NoInit{});
        m->name = "Blank";
        return m;
    }

    std::shared_ptr<std::deque<double>> draws = std::make_shared<std::deque<double>>();
};
