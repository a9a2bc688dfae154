#pragma once
// The list of running potion effects opened from the HUD row: per effect its icon with the
// remaining battles, its name and its amount, in a frame sized to the list and centred
// vertically on the game area. The effect icons are the HUD row's own, borrowed while shown.
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"

namespace game {

class ActiveEffectsWindow : public BitmapSprite {
    RUNTIME_CLASS(ActiveEffectsWindow)
public:
    static constexpr int WIN_WIDTH = 240;
    static constexpr int ICON_SPACING = 34;

    ActiveEffectsWindow();
    explicit ActiveEffectsWindow(runtime::NoInit n) : BitmapSprite(n) {}

    // Rebuilds the list from GameData::activeEffects and resizes the frame.
    virtual void update();
    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);

    runtime::Ref<BasicWindow> winBack;
    runtime::Ref<BitmapSprite> winBackLayer;
    runtime::Ref<BitmapSprite> iconHolder;
    runtime::Ref<BitmapSprite> labelHolder;
    runtime::Ref<BasicButton> closeButton;
};

}  // namespace game
