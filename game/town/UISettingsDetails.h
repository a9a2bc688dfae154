#pragma once
// The settings panel: music and sound volume sliders and two-button rows for display mode, GUI
// size, battle speed, stairs confirmation, keyboard layout and frame rate. Shown inside the menu's
// settings tab and the title's options window; every choice changes the live setting at once.
#include "framework/events/Event.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"
#include "game/kit/UISlider.h"

namespace game {

class UISettingsDetails : public BitmapSprite {
    RUNTIME_CLASS(UISettingsDetails)
public:
    using EventRef = runtime::Ref<framework::Event>;
    using ButtonRef = runtime::Ref<BasicButton>;
    using TextRef = runtime::Ref<TextSprite>;

    static constexpr int DETAILS_WIDTH = 460;
    static constexpr int DETAILS_HEIGHT = 336;
    static constexpr int BUTTON_WIDTH = 130;
    static constexpr int BUTTON_HEIGHT = 30;

    UISettingsDetails();
    explicit UISettingsDetails(runtime::NoInit n) : BitmapSprite(n) {}

    // Places the option rows; the display and GUI-size rows only where they apply.
    virtual void positionEverything();
    virtual void initializeSliders();
    // Per frame while shown: the sliders' drags reach the volumes.
    virtual void update();
    virtual void displayFullScreenClick(const EventRef& event = nullptr);
    virtual void displayWindowedClick(const EventRef& event = nullptr);
    virtual void GUISizeLargeClick(const EventRef& event = nullptr);
    virtual void GUISizeSmallClick(const EventRef& event = nullptr);
    virtual void filterOnClick(const EventRef& event = nullptr);
    virtual void filterOffClick(const EventRef& event = nullptr);
    virtual void speedFastClick(const EventRef& event = nullptr);
    virtual void speedSlowClick(const EventRef& event = nullptr);
    virtual void stairsYesClick(const EventRef& event = nullptr);
    virtual void stairsNoClick(const EventRef& event = nullptr);
    virtual void keyboardQwertyClick(const EventRef& event = nullptr);
    virtual void keyboardAzertyClick(const EventRef& event = nullptr);
    virtual void fps60Click(const EventRef& event = nullptr);
    virtual void fps30Click(const EventRef& event = nullptr);

    ButtonRef displayFullScreenButton;
    ButtonRef displayWindowedButton;
    ButtonRef GUISizeLargeButton;
    ButtonRef GUISizeSmallButton;
    ButtonRef filterOnButton;
    ButtonRef filterOffButton;
    ButtonRef speedFastButton;
    ButtonRef speedSlowButton;
    ButtonRef stairsYesButton;
    ButtonRef stairsNoButton;
    ButtonRef keyboardQwertyButton;
    ButtonRef keyboardAzertyButton;
    ButtonRef fps60Button;
    ButtonRef fps30Button;
    runtime::Ref<UISlider> musicSlider;
    runtime::Ref<UISlider> sfxSlider;
    TextRef displayLabel;
    TextRef guiLabel;
    TextRef speedLabel;
    TextRef stairsLabel;
    TextRef keyboardLabel;
    TextRef fpsLabel;
    TextRef fpsInfo;

private:
    // Selects `chosen` and deselects `other` unless the live value already means `chosen`;
    // answers whether the row changed.
    static bool choose(bool current, bool wanted, const ButtonRef& chosen, const ButtonRef& other);
    void placeRow(const TextRef& label, const ButtonRef& left, const ButtonRef& right, double y);
    void takeOutRow(const TextRef& label, const ButtonRef& left, const ButtonRef& right);
};

}  // namespace game
