#pragma once
// The resource block of the play screen: HP, MP and experience as three bars in one framed
// picture, each with its "current/maximum" text, read from GameData at every refresh. The HP
// fill flashes white every 25th frame while the exploration state reports low health.
#include <optional>

#include "game/kit/BasicProgressBar.h"
#include "game/kit/TextSprite.h"

namespace game {

class HPMPHud : public BitmapSprite {
    RUNTIME_CLASS(HPMPHud)
public:
    static constexpr int BAR_WIDTH = 120;
    static constexpr int BAR_HEIGHT_LARGE = 15;
    // Frames between two low-HP flashes, at either frame rate.
    static constexpr int LOW_HP_FLASH_FRAMES = 25;

    HPMPHud();
    explicit HPMPHud(runtime::NoInit n) : BitmapSprite(n) {}

    // One bar picture: body colour with a three-row highlight on top and shade at the bottom.
    static runtime::Ref<framework::BitmapData> barPicture(int body, int highlight, int shade);
    static runtime::Ref<framework::BitmapData> hpBarPicture();
    static runtime::Ref<framework::BitmapData> mpBarPicture();
    static runtime::Ref<framework::BitmapData> expBarPicture();
    // A centred number text for a bar at (barX, barY).
    static runtime::Ref<TextSprite> barText(int barX, int barY);

    // Each change is the amount just gained (or lost, negative); null when unchanged.
    virtual void update(std::optional<int> hpChange, std::optional<int> mpChange, std::optional<int> expChange);
    virtual void updateLowHPAnim();
    virtual void setSize(bool large);

    runtime::Ref<BasicProgressBar> largeHealth;
    runtime::Ref<BasicProgressBar> largeMagic;
    runtime::Ref<BasicProgressBar> largeExp;
    runtime::Ref<BitmapSprite> largeHUD;
    bool largeVisible = true;
    runtime::Ref<BitmapSprite> largeHolder;
    runtime::Ref<TextSprite> hpText;
    runtime::Ref<TextSprite> mpText;
    runtime::Ref<TextSprite> expText;
};

}  // namespace game
