// The rain over the town and the screen flashes of the UI root: the rain cells for the game
// area, the four-step lightning and the white flashes.
#include "game/battle/Effects.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/kit/UIColor.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

using game::G;
using game::GameData;
using game::UI;
using runtime::make;
using runtime::Ref;

namespace {

class WeatherTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        if (game::Effects::RAIN_SPLASHES.empty()) game::Effects::setup();
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        state = make<game::MapState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
    }
    std::function<double()> savedRandom = game::MapState::random;
    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        game::MapState::random = savedRandom;
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    Ref<game::MapState> state;
    Ref<UI> ui;
};

}  // namespace

TEST_F(WeatherTest, RainCellsCoverTheGameAreaOnA128Grid) {
    struct Case {
        int w, h;
        std::size_t cells;
    };
    for (const Case& c : {Case{960, 540, 8 * 5}, Case{1024, 540, 8 * 5}, Case{1025, 540, 9 * 5}, Case{1280, 720, 10 * 6}}) {
        gameArea(c.w, c.h);
        ui->createRain(false);
        EXPECT_EQ(ui->rainTiles.size(), c.cells) << c.w;
        // Made again for a new size, the old cells and flash are gone (the tint stays).
        EXPECT_EQ(static_cast<std::size_t>(ui->rainLayer->get_numChildren()), c.cells + 2) << c.w;
        EXPECT_EQ(ui->lightningFlash->get_width(), c.w);
        EXPECT_FALSE(ui->lightningFlash->get_visible());
    }
    EXPECT_TRUE(ui->rainCreated);
    const auto& last = ui->rainTiles.back();
    EXPECT_EQ(last->get_x(), 1152);
    EXPECT_EQ(last->get_y(), 640);
    EXPECT_EQ(last->get_scaleX(), 2);
    // Column by column: the second cell is below the first.
    EXPECT_EQ(ui->rainTiles[1]->get_x(), 0);
    EXPECT_EQ(ui->rainTiles[1]->get_y(), 128);
    EXPECT_TRUE(state->rainSplashes.empty());
    ui->createRain();
    EXPECT_EQ(state->rainSplashes.size(), 160u);
}

TEST_F(WeatherTest, LightningFlashesInFourStepsAndEndsClear) {
    ui->createRain(false);
    game::MapState::random = [] { return 0.99; };
    ui->flashLightning();
    EXPECT_TRUE(ui->lightningFlash->get_visible());
    EXPECT_EQ(ui->lightningFlash->get_alpha(), 0);
    double brightest = 0;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runTweensUntil([&] {
        brightest = std::max(brightest, ui->lightningFlash->get_alpha());
        return brightest > 0.1 && ui->lightningFlash->get_alpha() == 0;
    }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
    EXPECT_LE(brightest, 0.6 + 1e-9);
    // The flash stays on the layer, clear, for the next one.
    EXPECT_EQ(ui->lightningFlash->get_parent().get(), ui->rainLayer.get());
}

TEST_F(WeatherTest, WhiteFlashesCoverTheScreenThenFade) {
    bool done = false;
    ui->flashWhite(runtime::Function::of([&] { done = true; }));
    EXPECT_EQ(ui->overWhite->get_parent().get(), ui->overLayer.get());
    EXPECT_EQ(ui->overWhite->get_alpha(), 0);
    ASSERT_TRUE(runTweensUntil([&] { return done; }));
    EXPECT_EQ(ui->overWhite->get_alpha(), 1);

    // The sorcerer's flash: white in half a second, then a one-second fade that takes it away.
    ui->sorcerorKilledFlash();
    EXPECT_EQ(ui->overWhite->get_alpha(), 0);
    ASSERT_TRUE(runTweensUntil([&] { return ui->overWhite->get_alpha() > 0.99; }));
    ASSERT_TRUE(runTweensUntil([&] { return !ui->overWhite->get_parent(); }));
}
