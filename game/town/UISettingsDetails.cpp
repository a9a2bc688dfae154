#include "UISettingsDetails.h"

#include <cmath>

#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"

namespace game {

using runtime::make;
using runtime::Ref;

namespace {

Ref<TextSprite> label(const char* text, const Ref<SpriteFont>& font = TextSprite::MEDIEVAL_SANS_20_OUTLINE) {
    return make<TextSprite>(font, text, false, -1, 2, false, 0, false, false, -5.0, 2, true);
}

template <auto Handler>
Ref<BasicButton> choiceButton(UISettingsDetails* panel, const char* text) {
    auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text, false, -1, 2, true, 0, false, false,
                                    -5.0, 2, true);
    auto button = make<BasicButton>(UISettingsDetails::BUTTON_WIDTH, UISettingsDetails::BUTTON_HEIGHT, 0,
                                    BasicButton::CORNER_SIZE_LARGE, BasicButton::COLOR_BLACK, true, caption);
    button->addEventListener("click", runtime::Function::method<Handler>(panel));
    return button;
}

// The button of a row that stands for the live value.
void selectLive(bool rightMeansTrue, bool value, const Ref<BasicButton>& left, const Ref<BasicButton>& right) {
    (value == rightMeansTrue ? right : left)->select();
}

}  // namespace

UISettingsDetails::UISettingsDetails() {
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Settings", false, -1, 2, true, 0, false,
                                  false, -5.0, 2, true);
    title->set_x(DETAILS_WIDTH * 0.5);
    addChild(title);

    auto musicLabel = label("Music:");
    musicLabel->set_y(40);
    addChild(musicLabel);
    musicSlider = make<UISlider>();
    musicSlider->set_x(220);
    musicSlider->set_y(musicLabel->get_y() + 2);
    musicSlider->setPercent(Audio::globalMusicVolume, true);
    addChild(musicSlider);

    auto sfxLabel = label("SFX:");
    sfxLabel->set_y(musicLabel->get_y() + 40);
    addChild(sfxLabel);
    sfxSlider = make<UISlider>();
    sfxSlider->set_x(musicSlider->get_x());
    sfxSlider->set_y(sfxLabel->get_y() + 2);
    sfxSlider->setPercent(Audio::globalSoundVolume, true);
    addChild(sfxSlider);

    displayLabel = label("Display:");
    displayWindowedButton = choiceButton<&UISettingsDetails::displayWindowedClick>(this, "Windowed");
    displayFullScreenButton = choiceButton<&UISettingsDetails::displayFullScreenClick>(this, "Fullscreen");
    selectLive(true, GameData::fullscreen, displayWindowedButton, displayFullScreenButton);

    guiLabel = label("GUI Size:");
    GUISizeLargeButton = choiceButton<&UISettingsDetails::GUISizeLargeClick>(this, "Large");
    GUISizeSmallButton = choiceButton<&UISettingsDetails::GUISizeSmallClick>(this, "Small");
    selectLive(false, GameData::guiSizeLarge, GUISizeLargeButton, GUISizeSmallButton);

    speedLabel = label("Battle Speed:");
    speedFastButton = choiceButton<&UISettingsDetails::speedFastClick>(this, "Fast");
    speedSlowButton = choiceButton<&UISettingsDetails::speedSlowClick>(this, "Slow");
    selectLive(true, GameData::slowSpeed, speedFastButton, speedSlowButton);

    stairsLabel = label("Stairs Confirm:");
    stairsYesButton = choiceButton<&UISettingsDetails::stairsYesClick>(this, "ON");
    stairsNoButton = choiceButton<&UISettingsDetails::stairsNoClick>(this, "OFF");
    selectLive(false, GameData::stairsConfirm, stairsYesButton, stairsNoButton);

    keyboardLabel = label("Keyboard:");
    keyboardQwertyButton = choiceButton<&UISettingsDetails::keyboardQwertyClick>(this, "QWERTY");
    keyboardAzertyButton = choiceButton<&UISettingsDetails::keyboardAzertyClick>(this, "AZERTY");
    selectLive(true, GameData::azerty, keyboardQwertyButton, keyboardAzertyButton);

    fpsLabel = label("FPS:");
    fps60Button = choiceButton<&UISettingsDetails::fps60Click>(this, "60");
    fps30Button = choiceButton<&UISettingsDetails::fps30Click>(this, "30");
    selectLive(false, GameData::fps60, fps60Button, fps30Button);

    fpsInfo = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "30fps will remove lag on some PCs", true, 140, 0,
                               true, -1, false, false, -5.0, 2, true);
    fpsInfo->set_alpha(0.5);

    positionEverything();
}

void UISettingsDetails::placeRow(const TextRef& label, const ButtonRef& left, const ButtonRef& right, double y) {
    label->set_y(y);
    right->set_x(DETAILS_WIDTH - right->buttonWidth);
    right->set_y(label->get_y() - 10);
    left->set_x(right->get_x() - left->buttonWidth - 20);
    left->set_y(right->get_y());
    addChild(label);
    addChild(left);
    addChild(right);
}

void UISettingsDetails::takeOutRow(const TextRef& label, const ButtonRef& left, const ButtonRef& right) {
    for (const Ref<framework::DisplayObject>& part : {Ref<framework::DisplayObject>(label),
                                                      Ref<framework::DisplayObject>(left),
                                                      Ref<framework::DisplayObject>(right)})
        if (part->get_parent().get() == this) removeChild(part);
}

void UISettingsDetails::positionEverything() {
    takeOutRow(displayLabel, displayWindowedButton, displayFullScreenButton);
    takeOutRow(guiLabel, GUISizeLargeButton, GUISizeSmallButton);
    double y = 120;
    if (!Game::mobile) {
        placeRow(displayLabel, displayWindowedButton, displayFullScreenButton, y);
        y = std::trunc(y + 40);
    }
    if (Game::screenWidth > 960 || Game::screenHeight > 540) {
        placeRow(guiLabel, GUISizeLargeButton, GUISizeSmallButton, y);
        y += 40;
    }
    placeRow(speedLabel, speedFastButton, speedSlowButton, y);
    placeRow(stairsLabel, stairsYesButton, stairsNoButton, speedLabel->get_y() + 40);
    if (!Game::mobile) {
        placeRow(keyboardLabel, keyboardQwertyButton, keyboardAzertyButton, stairsLabel->get_y() + 40);
        placeRow(fpsLabel, fps60Button, fps30Button, keyboardLabel->get_y() + 40);
        fpsInfo->set_x(fpsLabel->get_x() + fpsLabel->textWidth);
        fpsInfo->set_y(fpsLabel->get_y() - 5);
        addChild(fpsInfo);
    }
}

void UISettingsDetails::initializeSliders() {
    musicSlider->setPercent(Audio::globalMusicVolume, true);
    sfxSlider->setPercent(Audio::globalSoundVolume, true);
}

void UISettingsDetails::update() {
    musicSlider->update();
    if (musicSlider->dragging) Audio::set_globalMusicVolume(musicSlider->percent);
    sfxSlider->update();
    if (sfxSlider->dragging) {
        Audio::globalSoundVolume = sfxSlider->percent;
        if (G::frameCount % 10 == 0) Audio::playSound("simpleClick");
    }
}

bool UISettingsDetails::choose(bool current, bool wanted, const ButtonRef& chosen, const ButtonRef& other) {
    if (current == wanted) return false;
    chosen->select();
    other->deselect();
    return true;
}

void UISettingsDetails::displayFullScreenClick(const EventRef&) {
    if (choose(GameData::fullscreen, true, displayFullScreenButton, displayWindowedButton)) GameData::goFullscreen();
}

void UISettingsDetails::displayWindowedClick(const EventRef&) {
    if (choose(GameData::fullscreen, false, displayWindowedButton, displayFullScreenButton)) GameData::goWindowed();
}

void UISettingsDetails::GUISizeLargeClick(const EventRef&) {
    if (!choose(GameData::guiSizeLarge, true, GUISizeLargeButton, GUISizeSmallButton)) return;
    GameData::guiSizeLarge = true;
    if (G::mapState) G::mapState->changeGUISize();
}

void UISettingsDetails::GUISizeSmallClick(const EventRef&) {
    if (!choose(GameData::guiSizeLarge, false, GUISizeSmallButton, GUISizeLargeButton)) return;
    GameData::guiSizeLarge = false;
    if (G::mapState) G::mapState->changeGUISize();
}

// No row offers the filter; the handlers are kept for a control that may call them.
void UISettingsDetails::filterOnClick(const EventRef&) {
    if (PixelSmoother::smoothed) return;
    if (filterOnButton && filterOffButton) choose(false, true, filterOnButton, filterOffButton);
    if (G::mapState) G::mapState->setPixelFilter(true);
}

void UISettingsDetails::filterOffClick(const EventRef&) {
    if (!PixelSmoother::smoothed) return;
    if (filterOnButton && filterOffButton) choose(false, true, filterOffButton, filterOnButton);
    if (G::mapState) G::mapState->setPixelFilter(false);
}

void UISettingsDetails::speedFastClick(const EventRef&) {
    if (choose(GameData::slowSpeed, false, speedFastButton, speedSlowButton)) GameData::slowSpeed = false;
}

void UISettingsDetails::speedSlowClick(const EventRef&) {
    if (choose(GameData::slowSpeed, true, speedSlowButton, speedFastButton)) GameData::slowSpeed = true;
}

void UISettingsDetails::stairsYesClick(const EventRef&) {
    if (choose(GameData::stairsConfirm, true, stairsYesButton, stairsNoButton)) GameData::stairsConfirm = true;
}

void UISettingsDetails::stairsNoClick(const EventRef&) {
    if (choose(GameData::stairsConfirm, false, stairsNoButton, stairsYesButton)) GameData::stairsConfirm = false;
}

void UISettingsDetails::keyboardQwertyClick(const EventRef&) {
    if (choose(GameData::azerty, false, keyboardQwertyButton, keyboardAzertyButton)) GameData::azerty = false;
}

void UISettingsDetails::keyboardAzertyClick(const EventRef&) {
    if (choose(GameData::azerty, true, keyboardAzertyButton, keyboardQwertyButton)) GameData::azerty = true;
}

void UISettingsDetails::fps60Click(const EventRef&) {
    if (!choose(GameData::fps60, true, fps60Button, fps30Button)) return;
    UI::adjustConstantsFor60FPS();
    GameData::fps60 = true;
}

void UISettingsDetails::fps30Click(const EventRef&) {
    if (!choose(GameData::fps60, false, fps30Button, fps60Button)) return;
    UI::adjustConstantsFor30FPS();
    GameData::fps60 = false;
}

}  // namespace game

using game::UISettingsDetails;

RUNTIME_DEFINE_CLASS(UISettingsDetails, "UISettingsDetails", game::BitmapSprite, (auto& b) {
    b.template field<&UISettingsDetails::musicSlider>("musicSlider")
        .template field<&UISettingsDetails::sfxSlider>("sfxSlider")
        .template method<&UISettingsDetails::positionEverything>("positionEverything")
        .template method<&UISettingsDetails::initializeSliders>("initializeSliders")
        .template method<&UISettingsDetails::update>("update")
        .emptyInstance();
})
