#pragma once
// The hero's fifteen combat figures (attack, defence, magic and the six elements' attack and
// defence) as stored in GameData, equipment included and timed potion bonuses left out. Either
// plain, or adjusted for one item worn in place of another: every changed figure shows its
// would-be value, green when it rises and red when it falls.
#include "game/data/Item.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class UIStatsDetails : public BitmapSprite {
    RUNTIME_CLASS(UIStatsDetails)
public:
    // Builds the panel for an area of width x height; every figure reads "0" until updateStats.
    UIStatsDetails(int width, int height);
    explicit UIStatsDetails(runtime::NoInit n) : BitmapSprite(n) {}

    // The current figures in the plain fonts; a text already right is not laid out again.
    virtual void updateStats();
    // The figures with newItem worn in place of oldItem (null stands for an item of all zeros).
    virtual void showAdjustedStats(const runtime::Ref<Item>& newItem, const runtime::Ref<Item>& oldItem);

    runtime::Ref<TextSprite> fireAttackText;
    runtime::Ref<TextSprite> iceAttackText;
    runtime::Ref<TextSprite> earthAttackText;
    runtime::Ref<TextSprite> windAttackText;
    runtime::Ref<TextSprite> darknessAttackText;
    runtime::Ref<TextSprite> lightAttackText;
    runtime::Ref<TextSprite> fireDefenseText;
    runtime::Ref<TextSprite> iceDefenseText;
    runtime::Ref<TextSprite> earthDefenseText;
    runtime::Ref<TextSprite> windDefenseText;
    runtime::Ref<TextSprite> darknessDefenseText;
    runtime::Ref<TextSprite> lightDefenseText;
    runtime::Ref<TextSprite> attackText;
    runtime::Ref<TextSprite> defenseText;
    runtime::Ref<TextSprite> magicText;

private:
    struct Figure {
        runtime::Ref<TextSprite> UIStatsDetails::*text;
        int* stored;
        int ItemData::*field;
        bool main;
    };
    // In the order the figures are refreshed: main three, elemental attack, elemental defence.
    static const Figure FIGURES[15];
    // Changes text only when its font or content differ from what it should show.
    static void show(TextSprite& text, const runtime::Ref<SpriteFont>& font, const runtime::String& value);
};

}  // namespace game
