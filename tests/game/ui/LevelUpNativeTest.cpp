// The stat choice ring of a level-up and of a choose gem, its buttons, and the skill-points
// notice that follows a level-up choice.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <cmath>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/MouseEvent.h"
#include "framework/geom/Rectangle.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/floor/StatGem.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/StatGemChooseButton.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

using game::G;
using game::GameData;
using game::StatGem;
using game::StatGemChooseButton;
using game::UI;
using runtime::make;
using runtime::Ref;

namespace {

class LevelUpTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::level = 1;
        GameData::hp = GameData::maxHP = 100;
        GameData::mp = GameData::maxMP = 10;
        GameData::attack = GameData::defense = GameData::magic = 5;
        GameData::exp = 0;
        GameData::nextLevelAt = 10;
        GameData::skillPoints = 0;
        GameData::attGems = GameData::attGemsThisRun = 0;
        state = make<game::MapState>();
        state->hero = make<game::Hero>();
        state->hero->set_x(320);
        state->hero->set_y(256);
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        game::DataUI::install(nullptr);
        UI::adjustConstantsFor60FPS();
        KitFixture::TearDown();
    }

    Ref<StatGemChooseButton> button(int type) { return ui->chooseIcons.at(type).cast<StatGemChooseButton>(); }
    void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    bool shown(const Ref<framework::DisplayObject>& o) { return o->get_parent() && o->get_visible(); }

    Ref<game::MapState> state;
    Ref<UI> ui;
};

}  // namespace

TEST_F(LevelUpTest, EachChoiceButtonShowsItsBonusAndIconCell) {
    struct Case {
        int type;
        const char* caption;
        double cellX, cellY;
    };
    for (const Case& c : {Case{0, "HP + 10", 30, 0}, Case{1, "MP + 2", 30, 30}, Case{2, "ATK + 1", 0, 0},
                          Case{3, "DEF + 1", 0, 30}, Case{4, "MAG + 1", 0, 60}}) {
        auto b = make<StatGemChooseButton>(c.type);
        EXPECT_EQ(b->type, c.type);
        EXPECT_EQ(b->buttonWidth, 43);
        EXPECT_EQ(b->buttonHeight, 43);
        EXPECT_EQ(b->caption->text.str(), c.caption);
        EXPECT_TRUE(b->caption->centered);
        EXPECT_EQ(b->caption->get_x(), 21);
        EXPECT_EQ(b->caption->get_y(), 47);
        auto cell = b->icon->get_scrollRect();
        ASSERT_TRUE(cell) << c.type;
        EXPECT_EQ(cell->x, c.cellX) << c.type;
        EXPECT_EQ(cell->y, c.cellY) << c.type;
        EXPECT_EQ(cell->width, 30);
        // The icon lies over the look, the last child.
        EXPECT_EQ(b->getChildIndex(b->icon), b->get_numChildren() - 1);
        EXPECT_EQ(b->icon->get_x(), 7);
    }
    // A type outside the table: no caption, the whole sheet.
    auto other = make<StatGemChooseButton>(7);
    EXPECT_EQ(other->caption->text.str(), "");
    EXPECT_FALSE(other->icon->get_scrollRect());
}

TEST_F(LevelUpTest, TheRingFliesFromAboveTheCentreOntoAHalfCircleOfRadiusHundred) {
    GameData::level = 2;
    const auto start = std::chrono::steady_clock::now();
    ui->showStatChooseMenu();
    EXPECT_TRUE(ui->chooseMenuOpen);
    EXPECT_EQ(ui->statChooseMenu->get_parent(), ui->overLayer.get());
    EXPECT_EQ(ui->overLayer->getChildIndex(ui->overBlack), ui->overLayer->getChildIndex(ui->statChooseMenu) - 1);
    EXPECT_TRUE(ui->overBlack->get_visible());
    EXPECT_DOUBLE_EQ(ui->overBlack->get_alpha(), 0.5);
    EXPECT_TRUE(shown(ui->chooseMenuLevelUpText));
    EXPECT_EQ(ui->welcomeToLevelText->text.str(), "Welcome to level 2!");
    EXPECT_TRUE(shown(ui->welcomeToLevelText));
    EXPECT_EQ(ui->chooseMenuInstructions->text.str(), "Choose a bonus!");
    // Every button starts centred half a tile above the centre: (cx - 21.5, cy - 37.5).
    for (int type = 0; type < 5; ++type) {
        EXPECT_DOUBLE_EQ(button(type)->get_x(), 480 - 21.5) << type;
        EXPECT_DOUBLE_EQ(button(type)->get_y(), 270 - 37.5) << type;
    }
    // HP left, attack straight up, magic right; MP and defence on the diagonals.
    struct Rest {
        int type;
        double x, y;
    };
    const double d = 100 * std::sqrt(0.5);
    for (const Rest& r : {Rest{0, 358.5, 232.5}, Rest{1, 458.5 - d, 232.5 - d}, Rest{2, 458.5, 132.5},
                          Rest{3, 458.5 + d, 232.5 - d}, Rest{4, 558.5, 232.5}}) {
        EXPECT_NEAR(button(r.type)->targetPoint->x, r.x, 1e-9) << r.type;
        EXPECT_NEAR(button(r.type)->targetPoint->y, r.y, 1e-9) << r.type;
    }
    ASSERT_TRUE(runTweensUntil([&] {
        for (int type = 0; type < 5; ++type)
            if (button(type)->get_x() != button(type)->targetPoint->x ||
                button(type)->get_y() != button(type)->targetPoint->y)
                return false;
        return true;
    }));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.55) << "the flight takes 0.6 s";

    // Shown again for a gem: the buttons start from the middle again and the level texts stay hidden.
    ui->closeStatChooseMenu();
    EXPECT_FALSE(ui->chooseMenuOpen);
    EXPECT_FALSE(ui->statChooseMenu->get_parent());
    EXPECT_FALSE(ui->overBlack->get_visible());
    auto gem = make<StatGem>(nullptr, StatGem::TYPE_CHOOSE);
    ui->showStatChooseMenu(gem);
    EXPECT_DOUBLE_EQ(button(2)->get_y(), 232.5);
    EXPECT_FALSE(ui->chooseMenuLevelUpText->get_visible());
    EXPECT_FALSE(ui->welcomeToLevelText->get_visible());
    EXPECT_EQ(ui->chooseGem, gem);
}

TEST_F(LevelUpTest, AChoiceAppliesTheBonusUnpausesAndADoubleLevelUpReopensTheRing) {
    GameData::exp = 1000;
    GameData::checkForLevelUp();
    EXPECT_EQ(GameData::level, 2);
    EXPECT_TRUE(G::pauseGame);
    ASSERT_TRUE(ui->chooseMenuOpen);
    EXPECT_FALSE(ui->menuOpen);
    // The menu key and the items button do nothing while the ring is up.
    ui->itemsClick();
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_TRUE(game::MapState::modalWindowOpen());

    EXPECT_EQ(button(0)->caption->text.str(), "HP + 10");
    click(button(0));
    EXPECT_EQ(GameData::maxHP, 110);
    EXPECT_EQ(GameData::hp, 110);
    // Enough experience was left for a second level: the ring is back at once, paused again.
    EXPECT_EQ(GameData::level, 3);
    EXPECT_TRUE(ui->chooseMenuOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_EQ(ui->welcomeToLevelText->text.str(), "Welcome to level 3!");
    EXPECT_EQ(ui->skillPointsShowTime, UI::SKILL_POINTS_BUTTON_TIME);

    GameData::exp = 0;
    for (int i = 0; i < 100; ++i) ui->update();
    click(button(4));
    EXPECT_EQ(GameData::magic, 6);
    EXPECT_FALSE(ui->chooseMenuOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_FALSE(ui->statChooseMenu->get_parent());
    // The button's ten seconds start again with each choice.
    EXPECT_EQ(ui->skillPointsShowTime, 600);
    ASSERT_TRUE(runTweensUntil([&] { return ui->skillPointsButton->get_x() == 960 - 100; }));

    // One floating "Skill Points + n" per choice over the hero, in the map, as a menu effect.
    ASSERT_EQ(state->menuEffects.size(), 2u);
    auto text = state->menuEffects[1].cast<game::TextSprite>();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text.str(), "Skill Points + " + std::to_string(GameData::skillPointsPerLevel));
    EXPECT_EQ(text->get_parent(), state->mapCanvas.get());
    EXPECT_DOUBLE_EQ(text->get_x(), 320 + 16);
}

TEST_F(LevelUpTest, AChooseGemTakesTheChoiceWithoutLevelTextsOrSkillPoints) {
    auto gem = make<StatGem>(nullptr, StatGem::TYPE_CHOOSE);
    gem->activate();
    EXPECT_TRUE(state->openStatChooseMenu);
    EXPECT_EQ(state->chooseGem, gem);
    EXPECT_FALSE(ui->chooseMenuOpen) << "the map opens it once the hero stands still";
    gem->showChooseMenu();
    EXPECT_TRUE(ui->chooseMenuOpen);
    EXPECT_TRUE(G::pauseGame);
    click(button(StatGem::TYPE_ATTACK));
    EXPECT_FALSE(ui->chooseMenuOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_EQ(GameData::attack, 6);
    EXPECT_EQ(GameData::attGems, 1);
    EXPECT_EQ(GameData::attGemsThisRun, 1);
    EXPECT_TRUE(gem->exploding);
    EXPECT_EQ(ui->skillPointsShowTime, 0);
    EXPECT_TRUE(state->menuEffects.empty());
    EXPECT_EQ(ui->chooseGem, gem) << "kept until the next showing";
}

TEST_F(LevelUpTest, TheSkillPointsButtonHidesAfterTenSecondsPausedOrNot) {
    for (int rate : {60, 30}) {
        if (rate == 30) UI::adjustConstantsFor30FPS();
        ui->skillPointsShowTime = UI::SKILL_POINTS_BUTTON_TIME;
        ui->skillPointsButton->set_x(860);
        G::pauseGame = true;
        int frames = 0;
        while (ui->skillPointsShowTime > 0 && frames < 1000) {
            ui->update();
            ++frames;
        }
        EXPECT_EQ(frames, rate * 10) << rate;
        ASSERT_TRUE(runTweensUntil([&] { return ui->skillPointsButton->get_x() == 960; })) << rate;
    }
}

TEST_F(LevelUpTest, TheSkillPointsButtonFadesToBlackIntoTheSkillTreeAndTheScreenComesBack) {
    click(ui->skillPointsButton);
    EXPECT_TRUE(ui->overBlack->get_visible());
    EXPECT_FALSE(ui->skillTreeOpen);
    ASSERT_TRUE(runTweensUntil([&] { return ui->skillTreeOpen; }));
    EXPECT_TRUE(ui->unpauseAfterSkillTreeCloses);
    EXPECT_TRUE(G::pauseGame);
    // Closing the tree lifts the cover and, opened from the button, lets the game run again.
    ui->closeSkillTree();
    EXPECT_FALSE(ui->overBlack->get_visible());
    EXPECT_FALSE(G::pauseGame);
}

TEST_F(LevelUpTest, TheRingIsDrawnOverTheDimmedScreen) {
    const std::string png = (std::filesystem::path(GLV_KIT_SCENE_PNG).parent_path() / "levelup-ring.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        auto stage = framework::Lib::get_stage();
        auto floor = make<framework::BitmapData>(960, 540, false, static_cast<int>(0xFF6A5A40));
        for (int y = 0; y < 540; y += 32)
            for (int x = (y / 32) % 2 * 32; x < 960; x += 64)
                floor->fillRect(make<framework::Rectangle>(x, y, 32, 32), static_cast<int>(0xFF8A7A58));
        stage->addChild(make<framework::Bitmap>(floor));
        stage->addChild(ui);
        GameData::level = 4;
        ui->showStatChooseMenu();
    });
    for (int i = 0; i < 50; ++i) steps.push_back([&] { ui->updateChooseMenu(); });
    onStage(steps);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    auto blue = [&](int x, int y) { return pixels[(y * w + x) * 4 + 2]; };
    // The cover halves the floor's brightness; the attack button is drawn above the centre.
    EXPECT_NEAR(blue(20, 300 - 300 % 32 + 40), 0x58 / 2, 3);
    EXPECT_NE(blue(480, 132 + 10), blue(480 - 60, 132 + 10));
    stbi_image_free(pixels);
}
