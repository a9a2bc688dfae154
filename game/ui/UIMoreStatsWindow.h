#pragma once
// "More Stats": the hero's twelve secondary figures, one row each with an icon, a label and a
// value read from GameData when update() is called (timed potion bonuses not included).
#include "game/kit/BasicWindow.h"
#include "game/kit/TextSprite.h"

namespace game {

class UIMoreStatsWindow : public BasicWindow {
    RUNTIME_CLASS(UIMoreStatsWindow)
public:
    // Builds the window with empty values.
    UIMoreStatsWindow();
    explicit UIMoreStatsWindow(runtime::NoInit n) : BasicWindow(n) {}

    virtual void update();
    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);

    runtime::Ref<TextSprite> dodgeText;
    runtime::Ref<TextSprite> critText;
    runtime::Ref<TextSprite> dropText;
    runtime::Ref<TextSprite> goldText;
    runtime::Ref<TextSprite> expText;
    runtime::Ref<TextSprite> killText;
    runtime::Ref<TextSprite> hpRegenText;
    runtime::Ref<TextSprite> mpRegenText;
    runtime::Ref<TextSprite> bleedText;
    runtime::Ref<TextSprite> lifedrainText;
    runtime::Ref<TextSprite> potionDurationText;
    runtime::Ref<TextSprite> potionEfficiencyText;
};

}  // namespace game
