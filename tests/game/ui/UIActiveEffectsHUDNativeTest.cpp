// The active-effects row: merging, layout, expiry and the 25 sums the battle reads.
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/ui/UIActiveEffectsHUD.h"
#include "tests/game/battle/BattleFixture.h"

using game::ActiveEffect;
using game::Enchantment;
using game::GameData;
using game::UIActiveEffectsHUD;

class UIActiveEffectsHUDTest : public BattleFixture {
protected:
    static runtime::Ref<ActiveEffect> effect(const runtime::String& code, int value, int duration) {
        return runtime::make<ActiveEffect>(runtime::make<Enchantment>(code, value), duration);
    }
};

TEST_F(UIActiveEffectsHUDTest, SameCodeMergesByWeightedAverage) {
    auto hud = runtime::make<UIActiveEffectsHUD>();
    hud->addNewEffect(effect(Enchantment::ATTACK, 10, 3));
    hud->addNewEffect(effect(Enchantment::ATTACK, 4, 5));
    ASSERT_EQ(GameData::activeEffects.size(), 1u);
    EXPECT_EQ(GameData::activeEffects[0]->enchantment->value, 6);
    EXPECT_EQ(GameData::activeEffects[0]->duration, 8);
    EXPECT_EQ(UIActiveEffectsHUD::attack, 6);
    EXPECT_EQ(hud->get_numChildren(), 1);
    EXPECT_EQ(hud->iconOf(GameData::activeEffects[0])->durationText->get_text().toText(), "8");
    // A zero-duration addition leaves the value as it was.
    hud->addNewEffect(effect(Enchantment::ATTACK, 100, 0));
    EXPECT_EQ(GameData::activeEffects[0]->enchantment->value, 6);
    EXPECT_EQ(GameData::activeEffects[0]->duration, 8);
    // Equal values of different codes never merge; codes compare exactly.
    hud->addNewEffect(effect(Enchantment::DEFENSE, 6, 8));
    hud->addNewEffect(effect("Att", 6, 8));
    EXPECT_EQ(GameData::activeEffects.size(), 3u);
    EXPECT_EQ(UIActiveEffectsHUD::attack, 6);
    EXPECT_EQ(UIActiveEffectsHUD::defense, 6);
}

TEST_F(UIActiveEffectsHUDTest, IconsStandFiveToARow) {
    auto hud = runtime::make<UIActiveEffectsHUD>();
    EXPECT_EQ(hud->get_numChildren(), 0);
    const runtime::String codes[] = {Enchantment::ATTACK, Enchantment::DEFENSE, Enchantment::FIRE_ATTACK,
                                     Enchantment::ICE_DEFENSE, Enchantment::CRIT_CHANCE, Enchantment::DODGE};
    for (const auto& code : codes) hud->addNewEffect(effect(code, 1, 2));
    ASSERT_EQ(hud->get_numChildren(), 6);
    auto fifth = hud->iconOf(GameData::activeEffects[4]);
    auto sixth = hud->iconOf(GameData::activeEffects[5]);
    EXPECT_EQ(fifth->get_x(), 88);
    EXPECT_EQ(fifth->get_y(), 0);
    EXPECT_EQ(sixth->get_x(), 0);
    EXPECT_EQ(sixth->get_y(), 27);
}

TEST_F(UIActiveEffectsHUDTest, ExpiryAndSums) {
    auto hud = runtime::make<UIActiveEffectsHUD>();
    // A new effect of no duration is appended and dropped by the same update.
    hud->addNewEffect(effect(Enchantment::GOLD, 50, 0));
    EXPECT_TRUE(GameData::activeEffects.empty());
    EXPECT_EQ(UIActiveEffectsHUD::goldMultiplier, 0);

    hud->addNewEffect(effect(Enchantment::GOLD, 50, 1));
    hud->addNewEffect(effect(Enchantment::DROP_CHANCE, 10, 2));
    hud->addNewEffect(effect(Enchantment::INSTA_KILL, 3, 2));
    hud->addNewEffect(effect(Enchantment::HP, 99, 2));  // shown, feeds no sum
    EXPECT_EQ(UIActiveEffectsHUD::goldMultiplier, 50);
    EXPECT_EQ(UIActiveEffectsHUD::dropBonus, 10);
    EXPECT_EQ(UIActiveEffectsHUD::killChance, 3);
    EXPECT_EQ(hud->get_numChildren(), 4);
    auto goldIcon = hud->iconOf(GameData::activeEffects[0]);

    hud->decrementDurations();
    EXPECT_EQ(GameData::activeEffects.size(), 3u);
    EXPECT_EQ(UIActiveEffectsHUD::goldMultiplier, 0);
    EXPECT_EQ(UIActiveEffectsHUD::dropBonus, 10);
    EXPECT_TRUE(goldIcon->destroyed);
    EXPECT_EQ(hud->get_numChildren(), 3);
    EXPECT_EQ(hud->getChildAt(0)->get_x(), 0);

    hud->decrementDurations();
    EXPECT_TRUE(GameData::activeEffects.empty());
    EXPECT_EQ(hud->get_numChildren(), 0);
    for (int sum : {UIActiveEffectsHUD::dropBonus, UIActiveEffectsHUD::killChance, UIActiveEffectsHUD::attack})
        EXPECT_EQ(sum, 0);
}

TEST_F(UIActiveEffectsHUDTest, EveryCodeFeedsItsOwnSum) {
    struct Row {
        const runtime::String& code;
        int& sum;
    };
    using H = UIActiveEffectsHUD;
    const Row rows[] = {
        {Enchantment::ATTACK, H::attack},        {Enchantment::DEFENSE, H::defense},
        {Enchantment::MAGIC, H::magic},          {Enchantment::FIRE_DEFENSE, H::defFire},
        {Enchantment::ICE_DEFENSE, H::defIce},   {Enchantment::EARTH_DEFENSE, H::defEarth},
        {Enchantment::WIND_DEFENSE, H::defWind}, {Enchantment::DARK_DEFENSE, H::defDark},
        {Enchantment::LIGHT_DEFENSE, H::defLight}, {Enchantment::FIRE_ATTACK, H::attFire},
        {Enchantment::ICE_ATTACK, H::attIce},    {Enchantment::EARTH_ATTACK, H::attEarth},
        {Enchantment::WIND_ATTACK, H::attWind},  {Enchantment::DARK_ATTACK, H::attDark},
        {Enchantment::LIGHT_ATTACK, H::attLight}, {Enchantment::HP_REGEN, H::hpRegen},
        {Enchantment::MP_REGEN, H::mpRegen},     {Enchantment::CRIT_CHANCE, H::critChance},
        {Enchantment::DROP_CHANCE, H::dropBonus}, {Enchantment::GOLD, H::goldMultiplier},
        {Enchantment::EXP, H::expMultiplier},    {Enchantment::DODGE, H::dodgeChance},
        {Enchantment::BLEED, H::bleed},          {Enchantment::LIFE_DRAIN, H::lifeDrain},
        {Enchantment::INSTA_KILL, H::killChance},
    };
    int value = 1;
    for (const Row& r : rows) GameData::activeEffects.push_back(effect(r.code, value++, 1));
    UIActiveEffectsHUD::recomputeSums();
    value = 1;
    for (const Row& r : rows) EXPECT_EQ(r.sum, value++) << r.code.toText();
}
