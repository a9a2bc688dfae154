#pragma once
// The panel that slides in from the left during a battle (or while the pointer rests on a
// monster's tile) and describes the monster: picture, name, HP bar, gold and experience, attack
// and defence, every non-zero elemental value, its weakness and, for a boss, that the hero cannot
// run. It sizes itself to its content on every fill, and records the monster as met.
#include <optional>

#include "game/battle/Monster.h"
#include "game/kit/BasicProgressBar.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/TextSprite.h"

namespace game {

class EnemyDetailsWindow : public BasicWindow {
    RUNTIME_CLASS(EnemyDetailsWindow)
public:
    static constexpr int WIDTH = 200;
    static constexpr int HEIGHT = 100;
    static constexpr int ELEM_VERT_SPACING = 26;
    static constexpr double SLIDE_SECONDS = 0.5;
    static constexpr int SHOWN_X = 5;

    EnemyDetailsWindow();
    explicit EnemyDetailsWindow(runtime::NoInit n) : BasicWindow(n) {}

    virtual void setMonster(const runtime::Ref<Monster>& monster);
    virtual void show();
    virtual void hide();
    // change: the HP just lost (negative) for a flash over that part; null redraws only.
    virtual void updateHP(std::optional<int> change);

    runtime::Ref<Monster> monster;
    bool showing = false;
    runtime::Ref<BitmapSprite> monsterPic;
    runtime::Ref<framework::Sprite> picHolder;
    runtime::Ref<framework::Sprite> basicDetailsHolder;
    runtime::Ref<framework::Sprite> combatStatsHolder;
    runtime::Ref<TextSprite> nameText;
    runtime::Ref<BasicProgressBar> hpBar;
    runtime::Ref<framework::Sprite> allAttackHolder, allDefenseHolder;
    runtime::Ref<TextSprite> attackText, defenseText;
    // One row per element, in the order fire, ice, earth, wind, dark, light.
    runtime::Ref<framework::Sprite> defHolders[6], attHolders[6];
    runtime::Ref<TextSprite> defTexts[6], attTexts[6];
    runtime::Ref<framework::Sprite> weaknessHolder;
    runtime::Ref<TextSprite> weaknessNoneText;
    runtime::Ref<framework::Bitmap> weaknessIcon;
    runtime::Ref<framework::Sprite> expHolder;
    runtime::Ref<TextSprite> expText;
    runtime::Ref<framework::Sprite> goldHolder;
    runtime::Ref<TextSprite> goldText;
    runtime::Ref<TextSprite> bossText;
};

}  // namespace game
