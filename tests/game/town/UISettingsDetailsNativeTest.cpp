// The settings panel: its rows by screen size, one selected button per row matching the live
// value, clicks that change the value (and nothing when it is already set) and the sliders.
#include "game/data/GameData.h"
#include "game/shell/Audio.h"
#include "game/shell/Game.h"
#include "game/town/UISettingsDetails.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

using game::GameData;
using game::UISettingsDetails;
using runtime::make;
using runtime::Ref;

namespace {

class SettingsPanelTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        saved = {GameData::fullscreen, GameData::guiSizeLarge, GameData::slowSpeed,
                 GameData::stairsConfirm, GameData::azerty, GameData::fps60};
        GameData::fullscreen = false;
        GameData::guiSizeLarge = true;
        GameData::slowSpeed = false;
        GameData::stairsConfirm = true;
        GameData::azerty = false;
        GameData::fps60 = true;
        game::Game::mobile = false;
    }
    void TearDown() override {
        GameData::fullscreen = saved[0];
        GameData::guiSizeLarge = saved[1];
        GameData::slowSpeed = saved[2];
        GameData::stairsConfirm = saved[3];
        GameData::azerty = saved[4];
        GameData::fps60 = saved[5];
        game::UI::adjustConstantsFor60FPS();
        KitFixture::TearDown();
    }
    static void screen(int w, int h) {
        game::Game::screenWidth = w;
        game::Game::screenHeight = h;
    }
    std::array<bool, 6> saved{};
};

}  // namespace

TEST_F(SettingsPanelTest, RowsStandWhereTheScreenSizeAllowsThem) {
    struct Case {
        int w, h;
        bool guiRow;
        std::vector<double> labelYs;  // display, [gui], speed, stairs, keyboard, fps
    };
    for (const Case& c : {Case{1280, 720, true, {120, 160, 200, 240, 280, 320}},
                          Case{960, 540, false, {120, 160, 200, 240, 280}},
                          Case{961, 540, true, {120, 160, 200, 240, 280, 320}}}) {
        screen(c.w, c.h);
        auto panel = make<UISettingsDetails>();
        std::vector<Ref<game::TextSprite>> labels = {panel->displayLabel};
        if (c.guiRow) labels.push_back(panel->guiLabel);
        for (const auto& l : {panel->speedLabel, panel->stairsLabel, panel->keyboardLabel, panel->fpsLabel})
            labels.push_back(l);
        ASSERT_EQ(labels.size(), c.labelYs.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i]->get_y(), c.labelYs[i]) << c.w << " row " << i;
            EXPECT_EQ(labels[i]->get_parent().get(), panel.get());
        }
        EXPECT_EQ(panel->guiLabel->get_parent().get() == panel.get(), c.guiRow) << c.w;
        EXPECT_EQ(panel->speedFastButton->get_x(), 180);
        EXPECT_EQ(panel->speedSlowButton->get_x(), 330);
        EXPECT_EQ(panel->speedSlowButton->get_y(), panel->speedLabel->get_y() - 10);
        EXPECT_EQ(panel->fpsInfo->get_y(), panel->fpsLabel->get_y() - 5);
        // Laying out again does not add a row twice.
        const int children = panel->get_numChildren();
        panel->positionEverything();
        EXPECT_EQ(panel->get_numChildren(), children);
    }
    screen(1280, 720);
    game::Game::mobile = true;
    auto phone = make<UISettingsDetails>();
    EXPECT_FALSE(phone->displayLabel->get_parent());
    EXPECT_FALSE(phone->keyboardLabel->get_parent());
    EXPECT_EQ(phone->guiLabel->get_y(), 120);
    game::Game::mobile = false;
}

TEST_F(SettingsPanelTest, EachRowSelectsTheLiveValueAndClicksChangeIt) {
    screen(1280, 720);
    GameData::slowSpeed = true;
    GameData::azerty = true;
    auto panel = make<UISettingsDetails>();
    EXPECT_TRUE(panel->displayWindowedButton->selected);
    EXPECT_FALSE(panel->displayFullScreenButton->selected);
    EXPECT_TRUE(panel->GUISizeLargeButton->selected);
    EXPECT_TRUE(panel->speedSlowButton->selected);
    EXPECT_FALSE(panel->speedFastButton->selected);
    EXPECT_TRUE(panel->stairsYesButton->selected);
    EXPECT_TRUE(panel->keyboardAzertyButton->selected);
    EXPECT_TRUE(panel->fps60Button->selected);

    struct Click {
        void (UISettingsDetails::*handler)(const UISettingsDetails::EventRef&);
        bool* value;
        bool after;
    };
    for (const Click& c : {Click{&UISettingsDetails::speedFastClick, &GameData::slowSpeed, false},
                           Click{&UISettingsDetails::speedSlowClick, &GameData::slowSpeed, true},
                           Click{&UISettingsDetails::stairsNoClick, &GameData::stairsConfirm, false},
                           Click{&UISettingsDetails::stairsYesClick, &GameData::stairsConfirm, true},
                           Click{&UISettingsDetails::keyboardQwertyClick, &GameData::azerty, false},
                           Click{&UISettingsDetails::keyboardAzertyClick, &GameData::azerty, true}}) {
        ((*panel).*c.handler)(nullptr);
        EXPECT_EQ(*c.value, c.after);
    }
    EXPECT_TRUE(panel->speedSlowButton->selected);
    EXPECT_FALSE(panel->speedFastButton->selected);
    EXPECT_TRUE(panel->keyboardAzertyButton->selected);

    // The frame-rate row switches the game's constants, and back.
    panel->fps30Click(nullptr);
    EXPECT_FALSE(GameData::fps60);
    EXPECT_EQ(game::Game::frameRate, 30);
    EXPECT_TRUE(panel->fps30Button->selected);
    EXPECT_FALSE(panel->fps60Button->selected);
    panel->fps60Click(nullptr);
    EXPECT_TRUE(GameData::fps60);
    EXPECT_EQ(game::Game::frameRate, 60);
    EXPECT_TRUE(panel->fps60Button->selected);

    // A click on the selected button changes nothing: the rate stays put even if set aside.
    game::Game::frameRate = 45;
    panel->fps60Click(nullptr);
    EXPECT_EQ(game::Game::frameRate, 45);
    game::Game::frameRate = 60;
}

TEST_F(SettingsPanelTest, SlidersShowTheVolumesAndDraggingSetsThem) {
    screen(960, 540);
    const double music = game::Audio::globalMusicVolume, sfx = game::Audio::globalSoundVolume;
    game::Audio::globalMusicVolume = 0.25;
    game::Audio::globalSoundVolume = 0.75;
    auto panel = make<UISettingsDetails>();
    EXPECT_DOUBLE_EQ(panel->musicSlider->percent, 0.25);
    EXPECT_DOUBLE_EQ(panel->sfxSlider->percent, 0.75);
    EXPECT_EQ(panel->musicSlider->get_y(), 42);
    EXPECT_EQ(panel->sfxSlider->get_y(), 82);

    // Not dragged: the volumes stay whatever the sliders show.
    panel->musicSlider->percent = 0.5;
    panel->update();
    EXPECT_DOUBLE_EQ(game::Audio::globalMusicVolume, 0.25);
    // Held handles: each step the volumes take the sliders' values.
    panel->musicSlider->handleDown(nullptr);
    panel->sfxSlider->handleDown(nullptr);
    panel->musicSlider->percent = 0.5;
    panel->sfxSlider->percent = 0.1;
    panel->update();
    EXPECT_NEAR(game::Audio::globalMusicVolume, panel->musicSlider->percent, 1e-9);
    EXPECT_NEAR(game::Audio::globalSoundVolume, panel->sfxSlider->percent, 1e-9);

    game::Audio::globalMusicVolume = 0.4;
    panel->musicSlider->dragging = panel->sfxSlider->dragging = false;
    panel->initializeSliders();
    EXPECT_DOUBLE_EQ(panel->musicSlider->percent, 0.4);
    game::Audio::set_globalMusicVolume(music);
    game::Audio::globalSoundVolume = sfx;
}
