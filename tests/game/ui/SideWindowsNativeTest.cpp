// The UI root's side windows over the real back end: the choose-tile prompt, the diary page,
// the active-effects list and the resize notice that a change of the window size brings up.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/kit/UIColor.h"
#include "game/shell/G.h"
#include "game/ui/ActiveEffectsWindow.h"
#include "game/ui/DiaryEntry.h"
#include "game/ui/UI.h"
#include "game/ui/UIActiveEffectsHUD.h"
#include "game/ui/UIMoreStatsWindow.h"
#include "tests/game/kit/KitFixture.h"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

using game::ActiveEffect;
using game::ActiveEffectsWindow;
using game::DiaryEntry;
using game::Enchantment;
using game::G;
using game::GameData;
using game::UI;
using game::UIActiveEffectsHUD;
using game::UIMoreStatsWindow;
using runtime::make;
using runtime::Ref;

namespace {

class ChoosingState : public game::MapState {
public:
    int tileModeEnds = 0;
    void endChooseTileMode() override { ++tileModeEnds; }
};

class SideWindowsTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::currentFloor = 0;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::hp = GameData::maxHP = 100;
        GameData::mp = GameData::maxMP = 10;
        GameData::activeEffects.clear();
        DiaryEntry::initialize();
        state = make<ChoosingState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
    }

    void makeRoot() {
        ui = make<UI>();
        game::Game::ui = ui;
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::activeEffects.clear();
        UIActiveEffectsHUD::recomputeSums();
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }
    bool onOverLayer(const Ref<framework::DisplayObject>& o) { return o && o->get_parent() == ui->overLayer.get(); }

    // The children of a window of one type, in order.
    template <class T>
    static std::vector<Ref<T>> childrenOf(const Ref<framework::DisplayObjectContainer>& parent) {
        std::vector<Ref<T>> found;
        for (int i = 0; i < parent->get_numChildren(); ++i)
            if (auto child = parent->getChildAt(i).cast<T>()) found.push_back(child);
        return found;
    }

    static Ref<ActiveEffect> effect(const runtime::String& code, int value, int duration) {
        return make<ActiveEffect>(make<Enchantment>(code, value), duration);
    }

    Ref<ChoosingState> state;
    Ref<UI> ui;
};

}  // namespace

TEST_F(SideWindowsTest, TheChooseTilePromptFadesInAndOutAndItsCancelEndsTheMode) {
    makeRoot();
    EXPECT_EQ(ui->chooseTileText->get_text().str(), "Choose a tile!");
    EXPECT_EQ(ui->chooseTileText->get_x(), 480 - 70);
    EXPECT_EQ(ui->chooseTileText->get_y(), 540 - 92);
    EXPECT_EQ(ui->chooseTileCancel->get_x(), 480 + 25);
    EXPECT_FALSE(onOverLayer(ui->chooseTileText));

    ui->showChooseTileStuff();
    EXPECT_TRUE(onOverLayer(ui->chooseTileText));
    EXPECT_TRUE(onOverLayer(ui->chooseTileCancel));
    // No dark cover and no pause: the map stays playable for the choice.
    EXPECT_FALSE(onOverLayer(ui->overBlack));
    EXPECT_FALSE(G::pauseGame);
    EXPECT_TRUE(runTweensUntil([&] { return ui->chooseTileText->get_alpha() > 0.99; }));
    EXPECT_GT(ui->chooseTileCancel->get_alpha(), 0.99);

    click(ui->chooseTileCancel);
    EXPECT_EQ(state->tileModeEnds, 1);

    ui->closeChooseTileStuff();
    EXPECT_TRUE(runTweensUntil([&] { return !ui->chooseTileText->get_parent() && !ui->chooseTileCancel->get_parent(); }));
}

TEST_F(SideWindowsTest, TheDiaryShowsOnePagePerFiveFloors) {
    struct Case {
        int floor;
        const char* date;
    };
    for (const Case& c : {Case{0, "DAY 1"}, Case{4, "DAY 1"}, Case{5, "DAY 3"}, Case{49, "YEAR 2, DAY ???"},
                          Case{64, "YEAR 7"}, Case{99, "YEAR 24. DAY 25"},
                          // Past the last page the last one stays.
                          Case{100, "YEAR 24. DAY 25"}, Case{250, "YEAR 24. DAY 25"}}) {
        GameData::currentFloor = c.floor;
        auto page = make<DiaryEntry>();
        auto texts = childrenOf<game::TextSprite>(page);
        ASSERT_EQ(texts.size(), 2u) << c.floor;
        EXPECT_EQ(texts[0]->get_text().str(), c.date) << c.floor;
        EXPECT_EQ(texts[1]->get_text().str(), DiaryEntry::ENTRIES[DiaryEntry::pageFor(c.floor)].str()) << c.floor;
    }
}

TEST_F(SideWindowsTest, EveryDiaryPageHasItsLengthAndOpening) {
    struct Page {
        int length;
        const char* opening;
    };
    const Page pages[] = {{268, "THE FOOLS"},
                          {242, "After exploring"},
                          {254, "Just as I expected!"},
                          {350, "Was attacked"},
                          {334, "Over a month"},
                          {304, "This gold and silver"},
                          {377, "Everything is finally"},
                          {341, "It's been a while"},
                          {373, "Finally I feel"},
                          {379, "I've lost track"},
                          {370, "Checkpoints!"},
                          {242, "I've conjured"},
                          {412, "An entire town"},
                          {184, "Found my old diary."},
                          {262, "Things slowed"},
                          {252, "I don't know"},
                          {118, "980!"},
                          {236, "996..."},
                          {20, "998."},
                          {183, "999 today."}};
    for (int i = 0; i < DiaryEntry::PAGE_COUNT; ++i) {
        const std::string text = DiaryEntry::ENTRIES[i].str();
        EXPECT_EQ(static_cast<int>(text.size()), pages[i].length) << i;
        EXPECT_EQ(text.rfind(pages[i].opening, 0), 0u) << i;
        EXPECT_EQ(text.find('\n'), std::string::npos) << i;
    }
}

TEST_F(SideWindowsTest, TheDiaryWindowGrowsWithItsPageAndKeepsCloseNearTheBottom) {
    auto layout = [&](int floor) {
        GameData::currentFloor = floor;
        auto page = make<DiaryEntry>();
        auto texts = childrenOf<game::TextSprite>(page);
        auto buttons = childrenOf<game::BasicButton>(page);
        EXPECT_EQ(page->winWidth, 300);
        EXPECT_EQ(page->winHeight, texts.at(1)->textHeight + 110);
        EXPECT_EQ(page->get_x(), 330);
        EXPECT_EQ(page->get_y(), static_cast<int>((540 - page->winHeight) * 0.5));
        EXPECT_EQ(texts.at(0)->get_x(), 20);
        EXPECT_EQ(texts.at(0)->get_y(), 20);
        EXPECT_EQ(texts.at(1)->get_x(), 20);
        EXPECT_EQ(texts.at(1)->get_y(), 50);
        EXPECT_TRUE(texts.at(1)->wrap);
        EXPECT_LE(texts.at(1)->textWidth, 260);
        EXPECT_EQ(buttons.at(0)->get_x(), 100);
        EXPECT_EQ(buttons.at(0)->get_y(), page->winHeight - 45);
        return page;
    };
    auto shortest = layout(90);
    auto longest = layout(60);
    // One line against many.
    EXPECT_LT(shortest->winHeight, 110 + 30);
    EXPECT_GT(longest->winHeight, shortest->winHeight + 100);
}

TEST_F(SideWindowsTest, TheDiaryPausesTheGameUntilItsCloseIsClicked) {
    makeRoot();
    GameData::currentFloor = 12;
    state->activateDiary();
    EXPECT_TRUE(ui->diaryOpen);
    EXPECT_TRUE(G::pauseGame);
    auto first = ui->diaryEntry;
    ASSERT_TRUE(first);
    EXPECT_TRUE(onOverLayer(first));
    EXPECT_TRUE(onOverLayer(ui->overBlack));
    EXPECT_LT(ui->overLayer->getChildIndex(ui->overBlack), ui->overLayer->getChildIndex(first));
    EXPECT_TRUE(runTweensUntil([&] { return first->get_alpha() > 0.99 && ui->overBlack->get_alpha() > 0.49; }));

    click(childrenOf<game::BasicButton>(first).at(0));
    EXPECT_FALSE(ui->diaryOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_TRUE(runTweensUntil([&] { return !first->get_parent() && !ui->overBlack->get_parent(); }));

    // Every opening makes a fresh page.
    ui->showDiaryEntry();
    EXPECT_NE(ui->diaryEntry, first);
    EXPECT_TRUE(onOverLayer(ui->diaryEntry));
    ui->closeDiaryEntry();
}

TEST_F(SideWindowsTest, TheActiveEffectsWindowSizesItselfToTheList) {
    makeRoot();
    auto window = ui->activeEffectsWindow.cast<ActiveEffectsWindow>();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->get_x(), 360);
    EXPECT_EQ(ui->activeEffectsHUD->get_x(), ui->hpmpHud->get_x() + 154);
    EXPECT_EQ(ui->activeEffectsHUD->get_parent(), ui->caveLayer.get());

    ui->openActiveEffects();
    EXPECT_EQ(window->winBack->winHeight, 90);
    EXPECT_EQ(window->winBack->winWidth, 240);
    EXPECT_EQ(window->closeButton->get_y(), 48);
    EXPECT_EQ(window->get_y(), 270 - 45);
    EXPECT_EQ(window->iconHolder->get_numChildren(), 0);
    ui->closeActiveEffects();

    auto hud = ui->activeEffectsHUD.cast<UIActiveEffectsHUD>();
    auto attack = effect(Enchantment::ATTACK, 3, 4);
    auto gold = effect(Enchantment::GOLD, 10, 2);
    gold->enchantment->isPercent = true;
    hud->addNewEffect(attack);
    hud->addNewEffect(gold);
    hud->addNewEffect(effect(Enchantment::DEFENSE, 5, 1));
    ui->openActiveEffects();
    EXPECT_EQ(window->winBack->winHeight, 192);
    EXPECT_EQ(window->closeButton->get_y(), 150);
    EXPECT_EQ(window->get_y(), 270 - 96);
    // The frame lies under the holders.
    EXPECT_LT(window->winBackLayer->getChildIndex(window->winBack), window->winBackLayer->getChildIndex(window->iconHolder));
    ASSERT_EQ(window->iconHolder->get_numChildren(), 3);
    for (int i = 0; i < 3; ++i) {
        auto icon = window->iconHolder->getChildAt(i);
        EXPECT_EQ(icon, hud->iconOf(GameData::activeEffects[i])) << i;
        EXPECT_EQ(icon->get_x(), 20);
        EXPECT_EQ(icon->get_y(), 34 * i);
    }
    EXPECT_EQ(hud->get_numChildren(), 0);
    auto labels = childrenOf<game::TextSprite>(window->labelHolder);
    ASSERT_EQ(labels.size(), 6u);
    EXPECT_EQ(labels[0]->get_text().str(), attack->enchantment->label.str());
    EXPECT_EQ(labels[0]->get_x(), 65);
    EXPECT_EQ(labels[0]->get_y(), 12 - labels[0]->textHeight * 0.5);
    EXPECT_EQ(labels[1]->get_text().str(), "+3");
    EXPECT_EQ(labels[1]->get_x(), 185);
    EXPECT_EQ(labels[1]->get_y(), 3);
    EXPECT_EQ(labels[3]->get_text().str(), "+10%");
    EXPECT_EQ(labels[3]->get_y(), 34 + 3);
}

TEST_F(SideWindowsTest, ClosingTheActiveEffectsHandsTheIconsBackToTheHUD) {
    makeRoot();
    auto hud = ui->activeEffectsHUD.cast<UIActiveEffectsHUD>();
    hud->addNewEffect(effect(Enchantment::ATTACK, 3, 4));
    hud->addNewEffect(effect(Enchantment::MAGIC, 2, 5));
    auto window = ui->activeEffectsWindow.cast<ActiveEffectsWindow>();
    for (int round = 0; round < 2; ++round) {
        click(hud);  // a click on the HUD row opens the list
        EXPECT_TRUE(ui->activeEffectsOpen) << round;
        EXPECT_FALSE(G::pauseGame);
        EXPECT_TRUE(onOverLayer(window));
        EXPECT_TRUE(onOverLayer(ui->overBlack));
        EXPECT_TRUE(ui->overBlack->get_visible());
        EXPECT_EQ(ui->overBlack->get_alpha(), 0.5);
        EXPECT_EQ(window->iconHolder->get_numChildren(), 2) << round;
        EXPECT_EQ(childrenOf<game::TextSprite>(window->labelHolder).size(), 4u) << round;
        // The first round closes by the dark cover, the second by the window's button.
        click(round == 0 ? Ref<framework::DisplayObject>(ui->overBlack) : Ref<framework::DisplayObject>(window->closeButton));
        EXPECT_FALSE(ui->activeEffectsOpen) << round;
        EXPECT_FALSE(window->get_parent());
        EXPECT_FALSE(ui->overBlack->get_parent());
        EXPECT_EQ(hud->get_numChildren(), 2) << round;
        EXPECT_EQ(window->iconHolder->get_numChildren(), 0) << round;
    }
    // The cover's listener went with the window: a later click on the cover closes nothing.
    ui->overLayer->addChild(ui->overBlack);
    click(ui->overBlack);
    EXPECT_TRUE(onOverLayer(ui->overBlack));
}

TEST_F(SideWindowsTest, ADrunkPotionsEffectKeepsTheItemsOwnValue) {
    makeRoot();
    auto strong = make<Enchantment>(Enchantment::ATTACK, 10);
    auto weak = make<Enchantment>(Enchantment::ATTACK, 4);
    game::DataUI::get().addNewEffect(strong, 3);
    game::DataUI::get().addNewEffect(weak, 5);
    ASSERT_EQ(GameData::activeEffects.size(), 1u);
    EXPECT_EQ(GameData::activeEffects[0]->enchantment->value, 6);
    EXPECT_EQ(GameData::activeEffects[0]->duration, 8);
    EXPECT_EQ(UIActiveEffectsHUD::attack, 6);
    // The merge rewrote the effect's copy, not the enchantment of the potions still carried.
    EXPECT_EQ(strong->value, 10);
    EXPECT_EQ(weak->value, 4);
}

TEST_F(SideWindowsTest, AWindowSizeChangeOpensTheResizeNoticeOnce) {
    bool resized = false;
    int stageWidth = 0, stageHeight = 0;
    onStage({[&] {
                 game::Game::gameStage = make<game::BitmapSprite>();
                 makeRoot();
                 framework::Lib::get_stage()->addChild(ui);
                 state->instantResize = false;
                 state->checkForScreenResize();
                 EXPECT_FALSE(ui->resizeScreenOpen);
                 framework::Lib::get_stage()->resize(1100, 700);
             },
             [&] {
                 auto stage = framework::Lib::get_stage();
                 resized = stage->get_stageWidth() == 1100;
                 if (!resized) return;
                 state->checkForScreenResize();
                 EXPECT_TRUE(ui->resizeScreenOpen);
                 EXPECT_TRUE(onOverLayer(ui->resizeScreen));
                 EXPECT_TRUE(state->disableMovement);
                 EXPECT_TRUE(G::disableMenu);
                 const int children = ui->overLayer->get_numChildren();
                 state->checkForScreenResize();
                 EXPECT_EQ(ui->overLayer->get_numChildren(), children);
                 // The cover fills the window.
                 EXPECT_EQ(ui->resizeScreen->back->get_width(), 1100);
                 EXPECT_EQ(ui->resizeScreen->back->get_height(), 700);
                 // Too small a window snaps back to at least 960 x 540.
                 stage->resize(800, 400);
             },
             [&] {
                 if (!resized) return;
                 state->checkForScreenResize();
             },
             [&] {
                 if (!resized) return;
                 auto stage = framework::Lib::get_stage();
                 stageWidth = stage->get_stageWidth();
                 stageHeight = stage->get_stageHeight();
                 state->checkForScreenResize();
                 EXPECT_EQ(ui->resizeScreen->back->get_width(), stageWidth);
                 // A click anywhere takes the new size and lifts the notice.
                 click(ui->resizeScreen);
                 EXPECT_FALSE(ui->resizeScreenOpen);
                 EXPECT_FALSE(ui->resizeScreen->get_parent());
                 EXPECT_EQ(game::Game::screenWidth, stageWidth);
                 EXPECT_FALSE(state->disableMovement);
             }});
    if (!resized) GTEST_SKIP() << "the window size does not change under this video driver";
    EXPECT_GE(stageWidth, 960);
    EXPECT_GE(stageHeight, 540);
}

TEST_F(SideWindowsTest, TheFirstSizeChangeOfAFullScreenStartRebuildsAtOnce) {
    bool resized = false;
    onStage({[&] {
                 game::Game::gameStage = make<game::BitmapSprite>();
                 makeRoot();
                 framework::Lib::get_stage()->addChild(ui);
                 state->instantResize = true;
                 framework::Lib::get_stage()->resize(1280, 720);
             },
             [&] {
                 resized = framework::Lib::get_stage()->get_stageWidth() == 1280;
                 if (!resized) return;
                 state->checkForScreenResize();
                 EXPECT_FALSE(ui->resizeScreenOpen);
                 EXPECT_FALSE(state->instantResize);
                 EXPECT_EQ(game::Game::screenWidth, 1280);
                 EXPECT_EQ(game::Game::screenHeight, 720);
                 EXPECT_EQ(game::Game::ui, ui);
             }});
    if (!resized) GTEST_SKIP() << "the window size does not change under this video driver";
}

TEST_F(SideWindowsTest, ADiaryPageBesideTheEffectsListIsDrawn) {
    const std::string png = (std::filesystem::temp_directory_path() / "glv-side-windows.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    onStage({[&] {
                 makeRoot();
                 framework::Lib::get_stage()->addChild(ui);
                 auto hud = ui->activeEffectsHUD.cast<UIActiveEffectsHUD>();
                 auto gold = effect(Enchantment::GOLD, 25, 6);
                 gold->enchantment->isPercent = true;
                 hud->addNewEffect(effect(Enchantment::ATTACK, 3, 4));
                 hud->addNewEffect(gold);
                 ui->openActiveEffects();
                 ui->activeEffectsWindow->set_x(40);
                 GameData::currentFloor = 61;
                 auto page = make<DiaryEntry>();
                 page->set_x(560);
                 ui->overLayer->addChild(page);
             },
             [] {}, [] {}});
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_TRUE(pixels) << png;
    auto bright = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = pixels + 4 * (y * w + x);
                if (p[0] + p[1] + p[2] > 300) ++count;
            }
        return count;
    };
    // Text is drawn inside both windows; the dimmed strip between them stays dark.
    EXPECT_GT(bright(560, 60, 860, 480), 500);
    EXPECT_GT(bright(40, 200, 280, 340), 100);
    EXPECT_EQ(bright(300, 150, 540, 450), 0);
    stbi_image_free(pixels);
}

TEST_F(SideWindowsTest, MoreStatsWritesEachFigureAsTheRowsSay) {
    GameData::dodgeChance = 4;
    GameData::critChance = 7;
    GameData::dropBonus = 2;
    GameData::killChance = 1;
    GameData::mpRegen = 3;
    GameData::bleed = 5;
    GameData::lifeDrain = -2;
    GameData::expMultiplier = 100;
    auto window = make<UIMoreStatsWindow>();
    EXPECT_EQ(window->winWidth, 370);
    EXPECT_EQ(window->winHeight, 480);
    EXPECT_EQ(window->dodgeText->get_text().str(), "");
    EXPECT_EQ(window->dodgeText->get_x(), 260);
    EXPECT_EQ(window->dodgeText->get_y(), 50 + 7);
    EXPECT_EQ(window->potionEfficiencyText->get_y(), 380 + 7);
    auto buttons = childrenOf<game::BasicButton>(window);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->get_x(), 145);
    EXPECT_EQ(buttons[0]->get_y(), 433);

    struct Case {
        int gold, hpRegen, duration;
        double efficiency;
        const char *goldText, *hpRegenText, *durationText, *efficiencyText;
    };
    for (const Case& c : {Case{100, 0, 1, 1.0, "0%", "+0", "1 battle", "100%"},
                          Case{115, 6, 3, 1.256, "15%", "+6", "3 battles", "126%"},
                          Case{90, 1, 0, 1.254, "-10%", "+1", "0 battle", "125%"},
                          Case{100, 0, 2, 1.255, "0%", "+0", "2 battles", "125%"}}) {
        GameData::goldMultiplier = c.gold;
        GameData::hpRegen = c.hpRegen;
        GameData::potionDuration = c.duration;
        GameData::potionEfficiency = c.efficiency;
        window->update();
        EXPECT_EQ(window->goldText->get_text().str(), c.goldText);
        EXPECT_EQ(window->hpRegenText->get_text().str(), c.hpRegenText);
        EXPECT_EQ(window->potionDurationText->get_text().str(), c.durationText);
        EXPECT_EQ(window->potionEfficiencyText->get_text().str(), c.efficiencyText) << c.efficiency;
    }
    EXPECT_EQ(window->dodgeText->get_text().str(), "4%");
    EXPECT_EQ(window->critText->get_text().str(), "7%");
    EXPECT_EQ(window->dropText->get_text().str(), "2%");
    EXPECT_EQ(window->expText->get_text().str(), "0%");
    EXPECT_EQ(window->killText->get_text().str(), "1%");
    EXPECT_EQ(window->mpRegenText->get_text().str(), "+3");
    EXPECT_EQ(window->bleedText->get_text().str(), "5");
    EXPECT_EQ(window->lifedrainText->get_text().str(), "-2");
    GameData::potionDuration = 1;
    GameData::potionEfficiency = 1.0;
    GameData::goldMultiplier = GameData::expMultiplier = 0;
}

TEST_F(SideWindowsTest, MoreStatsOpensOverTheSecondCoverAndIsRebuiltOnEveryOpening) {
    makeRoot();
    GameData::critChance = 3;
    ui->openMoreStatsWin();
    auto first = ui->moreStatsWindow.cast<UIMoreStatsWindow>();
    ASSERT_TRUE(first);
    EXPECT_TRUE(ui->moreStatsOpen);
    EXPECT_EQ(first->get_x(), 480 - 185);
    EXPECT_EQ(first->get_y(), 30);
    EXPECT_TRUE(onOverLayer(ui->overBlack2));
    EXPECT_TRUE(onOverLayer(first));
    EXPECT_LT(ui->overLayer->getChildIndex(ui->overBlack2), ui->overLayer->getChildIndex(first));
    EXPECT_EQ(first->critText->get_text().str(), "3%");

    click(ui->overBlack2);
    EXPECT_FALSE(ui->moreStatsOpen);
    EXPECT_FALSE(ui->moreStatsWindow);
    // Destroyed at once: nothing of it shows while the cover fades.
    EXPECT_EQ(first->get_numChildren(), 0);
    EXPECT_TRUE(runTweensUntil([&] { return !first->get_parent() && !ui->overBlack2->get_parent(); }));

    GameData::critChance = 9;
    ui->openMoreStatsWin();
    auto second = ui->moreStatsWindow.cast<UIMoreStatsWindow>();
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->critText->get_text().str(), "9%");
    // Closed by its own button, the cover no longer answers for it.
    click(childrenOf<game::BasicButton>(second).at(0));
    EXPECT_FALSE(ui->moreStatsOpen);
    ui->openYesNoWin(make<game::YesNoWindow>("Sure?", nullptr, nullptr));
    click(ui->overBlack2);
    EXPECT_TRUE(ui->yesNoWinOpen);
    EXPECT_TRUE(runTweensUntil([&] { return ui->overBlack2->get_alpha() > 0.49; }));
    EXPECT_TRUE(onOverLayer(ui->overBlack2));
    GameData::critChance = 0;
}

TEST_F(SideWindowsTest, TheMoreStatsWindowIsDrawn) {
    const std::string png = (std::filesystem::temp_directory_path() / "glv-more-stats.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    onStage({[&] {
                 makeRoot();
                 framework::Lib::get_stage()->addChild(ui);
                 GameData::potionDuration = 2;
                 ui->openMoreStatsWin();
                 ui->overBlack2->set_alpha(0.5);
                 ui->moreStatsWindow->set_alpha(1);
             },
             [] {}, [] {}});
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    GameData::potionDuration = 1;
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_TRUE(pixels) << png;
    // Labels on the left and values on the right of every row.
    for (int row = 0; row < 12; ++row) {
        int left = 0, right = 0;
        const int y0 = 30 + 50 + 30 * row;
        for (int y = y0; y < y0 + 27; ++y)
            for (int x = 295 + 60; x < 295 + 370; ++x) {
                const unsigned char* p = pixels + 4 * (y * w + x);
                if (p[0] + p[1] + p[2] > 400) ++(x < 295 + 255 ? left : right);
            }
        EXPECT_GT(left, 20) << row;
        EXPECT_GT(right, 5) << row;
    }
    stbi_image_free(pixels);
}
