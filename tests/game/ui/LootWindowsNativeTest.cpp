// The run's loot summary panel and its two hosts: the menu's loot tab and the summary shown after
// a successful escape, opened and closed by the UI root.
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/EngG.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/media/Sound.h"
#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/BasicButton.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/LootDetails.h"
#include "game/ui/UI.h"
#include "game/ui/UIEscapeLoot.h"
#include "game/ui/UILoot.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"
#include "tests/game/kit/StagePicture.h"

using game::G;
using game::GameData;
using game::LootDetails;
using game::LootGemCounter;
using game::UI;
using game::UIEscapeLoot;
using runtime::make;
using runtime::Ref;

namespace {

// Keeps the names of the sounds played instead of playing them.
class SoundLog : public engine::SoundFrontEnd {
public:
    std::vector<std::string> played;
    Ref<engine::EngSound> play(const runtime::String& name, double, bool, bool, Ref<runtime::Function>) override {
        played.push_back(name.str());
        return nullptr;
    }
};

class LootWindowsTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::loadGameTablesOnce();
        setGameSize(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::currentFloor = 3;
        GameData::inCave = true;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::artifactsThisRun.clear();
        GameData::hpGemsThisRun = GameData::mpGemsThisRun = GameData::attGemsThisRun = GameData::defGemsThisRun =
            GameData::magGemsThisRun = 0;
        GameData::expThisRun = GameData::shopsFoundThisRun = 0;
        GameData::gold = GameData::runStartGold = 100;
        GameData::level = GameData::runStartLevel = 1;
        state = make<game::MapState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
        sounds = make<SoundLog>();
        engine::EngG::sound = sounds;
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        engine::EngG::sound = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::inCave = false;
        GameData::artifactsThisRun.clear();
        game::DataUI::install(nullptr);
        setGameSize(960, 540);
        KitFixture::TearDown();
    }

    static void setGameSize(int w, int h) {
        game::Game::screenWidth = game::Game::gameWidth = w;
        game::Game::screenHeight = game::Game::gameHeight = h;
        game::Game::gameCenter = make<framework::Point>(w * 0.5, h * 0.5);
    }

    void makeRoot() {
        ui = make<UI>();
        game::Game::ui = ui;
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click"));
    }

    // The first artifacts of the weapon table, by id.
    static std::vector<int> artifactIds(std::size_t n) {
        std::vector<int> ids;
        for (const auto& data : game::ItemData::WEAPONS)
            if (data->artifact && ids.size() < n) ids.push_back(data->id);
        return ids;
    }

    // The text sprites of a container, in child order.
    static std::vector<std::string> textsOf(const Ref<framework::DisplayObjectContainer>& parent) {
        std::vector<std::string> texts;
        for (int i = 0; i < parent->get_numChildren(); ++i)
            if (auto text = parent->getChildAt(i).cast<game::TextSprite>()) texts.push_back(text->get_text().str());
        return texts;
    }

    static Ref<game::BasicButton> buttonOf(const Ref<framework::DisplayObjectContainer>& parent) {
        for (int i = 0; i < parent->get_numChildren(); ++i)
            if (auto button = parent->getChildAt(i).cast<game::BasicButton>()) return button;
        return nullptr;
    }

    Ref<game::MapState> state;
    Ref<UI> ui;
    Ref<SoundLog> sounds;
};

}  // namespace

TEST_F(LootWindowsTest, ArtifactsAreListedOncePerKindWithoutCraftedPotionsOrUnknownIds) {
    const auto ids = artifactIds(2);
    ASSERT_EQ(ids.size(), 2u);
    GameData::artifactsThisRun = {ids[0], game::ItemData::CRAFTED_POTION_ID, ids[1], ids[0], 1999,
                                  game::ItemData::CRAFTED_POTION_ID};
    auto panel = make<LootDetails>(820, 290);
    panel->updateStats();
    // The scroller's icons, in list order.
    std::vector<Ref<game::ItemIcon>> icons;
    std::function<void(const Ref<framework::DisplayObjectContainer>&)> collect = [&](const auto& parent) {
        for (int i = 0; i < parent->get_numChildren(); ++i) {
            auto child = parent->getChildAt(i);
            if (auto icon = child.template cast<game::ItemIcon>()) icons.push_back(icon);
            else if (auto inner = child.template cast<framework::DisplayObjectContainer>()) collect(inner);
        }
    };
    collect(panel->artScroller);
    std::vector<std::pair<int, int>> shown;
    for (const auto& icon : icons) shown.emplace_back(icon->item->data->id, icon->item->amount);
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{ids[0], 2}, {ids[1], 1}}));

    // A second refresh starts from the run's list again instead of adding to the shown amounts.
    panel->updateStats();
    icons.clear();
    collect(panel->artScroller);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0]->item->amount, 2);
}

TEST_F(LootWindowsTest, EachGemKindShowsItsCountAndOnlyHPAndMPTheirBonus) {
    auto panel = make<LootDetails>(820, 290);
    struct Case {
        int* source;
        Ref<LootGemCounter> counter;
        const char* label;
        int count;
        const char* number;
        const char* bonus;
    };
    const Case cases[] = {{&GameData::hpGemsThisRun, panel->hpGemCounter, "HP", 3, "3", "(+30)"},
                          {&GameData::mpGemsThisRun, panel->mpGemCounter, "MP", 3, "3", "(+6)"},
                          {&GameData::attGemsThisRun, panel->attackGemCounter, "ATTACK", 3, "3", ""},
                          {&GameData::defGemsThisRun, panel->defenseGemCounter, "DEFENSE", 0, "", ""},
                          {&GameData::magGemsThisRun, panel->magicGemCounter, "MAGIC", 12, "12", ""}};
    for (const Case& c : cases) *c.source = c.count;
    panel->updateStats();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.counter->label->get_text().str(), c.label);
        EXPECT_EQ(c.counter->counter->get_text().str(), c.number);
        EXPECT_EQ(c.counter->effectiveValueCounter->get_text().str(), c.bonus);
        EXPECT_EQ(c.counter->get_alpha(), c.count ? 1.0 : 0.5);
    }
    // The bonus stands 6 pixels after the number.
    EXPECT_EQ(panel->hpGemCounter->effectiveValueCounter->get_x(),
              panel->hpGemCounter->counter->get_x() + panel->hpGemCounter->counter->textWidth + 6);

    // Back to none: dim again, without number or bonus.
    GameData::hpGemsThisRun = 0;
    panel->updateStats();
    EXPECT_EQ(panel->hpGemCounter->counter->get_text().str(), "");
    EXPECT_EQ(panel->hpGemCounter->effectiveValueCounter->get_text().str(), "");
    EXPECT_EQ(panel->hpGemCounter->get_alpha(), 0.5);

    // Only the kinds taken this run animate.
    const int magicFrame = panel->magicGemCounter->gem->frame, defenseFrame = panel->defenseGemCounter->gem->frame;
    for (int i = 0; i < 12; ++i) {
        ++G::frameCount;
        panel->update();
    }
    EXPECT_NE(panel->magicGemCounter->gem->frame, magicFrame);
    EXPECT_EQ(panel->defenseGemCounter->gem->frame, defenseFrame);
}

TEST_F(LootWindowsTest, TheOtherFiguresFollowTheRunAndShowDashesInTownUnlessForced) {
    auto panel = make<LootDetails>(820, 290);
    GameData::expThisRun = 340;
    GameData::level = 4;
    GameData::runStartLevel = 2;
    GameData::shopsFoundThisRun = 1;
    struct Case {
        int gold;
        const char* text;
        Ref<game::SpriteFont> font;
    };
    const Case golds[] = {{75, "-25", game::TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED},
                          {140, "+40", game::TextSprite::MEDIEVAL_SANS_14_OUTLINE},
                          {100, "0", game::TextSprite::MEDIEVAL_SANS_14_OUTLINE}};
    for (const Case& c : golds) {
        GameData::gold = c.gold;
        panel->updateStats();
        EXPECT_EQ(panel->goldValue->get_text().str(), c.text);
        EXPECT_EQ(panel->goldValue->font, c.font) << c.text;
    }
    EXPECT_EQ(panel->expValue->get_text().str(), "340");
    EXPECT_EQ(panel->levelValue->get_text().str(), "2");
    EXPECT_EQ(panel->shopValue->get_text().str(), "1");

    // In town the loot tab shows no figures; the escape summary always does.
    GameData::inCave = false;
    GameData::gold = 75;
    panel->updateStats();
    for (const auto& value : {panel->expValue, panel->levelValue, panel->goldValue, panel->shopValue})
        EXPECT_EQ(value->get_text().str(), "-");
    EXPECT_EQ(panel->goldValue->font, game::TextSprite::MEDIEVAL_SANS_14_OUTLINE);
    panel->updateStats(true);
    EXPECT_EQ(panel->expValue->get_text().str(), "340");
    EXPECT_EQ(panel->goldValue->get_text().str(), "-25");
    EXPECT_EQ(panel->goldValue->font, game::TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED);
}

TEST_F(LootWindowsTest, TheCaptionsEndBeforeTheOtherTitleAndTheValuesStartAfterIt) {
    auto panel = make<LootDetails>(820, 290);
    // "Other" is centred on 615; every caption ends 5 pixels left of it, every value starts 5 right.
    std::vector<Ref<game::TextSprite>> captions;
    for (int i = 0; i < panel->get_numChildren(); ++i)
        if (auto text = panel->getChildAt(i).cast<game::TextSprite>();
            text && text->font == game::TextSprite::MEDIEVAL_SANS_14 && !text->get_text().str().empty())
            captions.push_back(text);
    ASSERT_EQ(captions.size(), 4u);
    const double ys[] = {178, 204, 230, 256};
    const Ref<game::TextSprite> values[] = {panel->expValue, panel->levelValue, panel->goldValue, panel->shopValue};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(captions[i]->get_x() + captions[i]->textWidth + 5, 615) << captions[i]->get_text().str();
        EXPECT_EQ(captions[i]->get_y(), ys[i]);
        EXPECT_EQ(values[i]->get_x(), 620);
        EXPECT_EQ(values[i]->get_y(), ys[i]);
    }
    // The gems' top row is centred under "Stat Gems" (x 205): attack, defence, magic at 105, 205, 305.
    auto holder = panel->attackGemCounter->get_parent();
    EXPECT_EQ(holder->get_x() + panel->defenseGemCounter->get_x(), 205);
    EXPECT_EQ(holder->get_y(), 168);
    EXPECT_EQ(panel->mpGemCounter->get_y(), 56);
}

TEST_F(LootWindowsTest, TheLootTabOnANarrowGameAreaShrinksToItAndKeepsItsTextsOnTheTabArea) {
    setGameSize(800, 540);
    makeRoot();
    auto tab = ui->currentLootWindow;
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->winWidth, 800);
    EXPECT_EQ(tab->winHeight, 540);
    for (int i = 0; i < tab->get_numChildren(); ++i)
        if (auto text = tab->getChildAt(i).cast<game::TextSprite>())
            EXPECT_EQ(text->get_x(), 340) << text->get_text().str();
    EXPECT_EQ(textsOf(tab), (std::vector<std::string>{"LOOT THIS RUN",
                                                      "- displaying all items kept when using the escape wings -"}));

    GameData::hpGemsThisRun = 1;
    ui->openInventory();
    ui->openWindow(UI::WIN_LOOT);
    EXPECT_TRUE(ui->currentLootOpen);
    EXPECT_EQ(tab->get_parent(), ui->UIWinHolder.get());
    EXPECT_EQ(ui->lootDetails->get_parent(), tab.get());
    EXPECT_EQ(ui->lootDetails->get_x(), 10);
    EXPECT_EQ(ui->lootDetails->get_y(), 70);
    // The inventory stays over the tab's right and bottom edges.
    EXPECT_GT(ui->UIWinHolder->getChildIndex(ui->inventory), ui->UIWinHolder->getChildIndex(tab));
    EXPECT_EQ(ui->lootDetails->hpGemCounter->counter->get_text().str(), "1");

    // The paused update drives the panel while the tab is open.
    const int frame = ui->lootDetails->hpGemCounter->gem->frame;
    for (int i = 0; i < 12; ++i) {
        ++G::frameCount;
        ui->updatePausedStuff();
    }
    EXPECT_NE(ui->lootDetails->hpGemCounter->gem->frame, frame);

    ui->closeCurrentWindow();
    EXPECT_FALSE(ui->currentLootOpen);
    EXPECT_FALSE(tab->get_parent());
}

TEST_F(LootWindowsTest, ABeatenDemonSoundsOnceAndTheNextEscapeSoundsAsUsual) {
    makeRoot();
    state->escapeAfterKillingDemon = true;
    ui->openEscapeLoot();
    EXPECT_FALSE(state->escapeAfterKillingDemon);
    ui->closeEscapeLoot();
    ui->openEscapeLoot();
    ui->closeEscapeLoot();
    EXPECT_EQ(sounds->played, (std::vector<std::string>{"assets/audio/oggs/beatTheGame.ogg",
                                                        "assets/audio/oggs/escapeSuccess.ogg"}));
}

TEST_F(LootWindowsTest, TheEscapeSummaryPausesOverTheHUDAndItsCloseHandsControlBack) {
    setGameSize(1280, 720);
    makeRoot();
    GameData::inCave = false;  // the run has just left the dungeon
    GameData::expThisRun = 55;
    state->disableMovement = true;
    G::disableMenu = true;
    ui->disableButtons();
    ui->openEscapeLoot();

    auto window = ui->escapeLootWindow;
    ASSERT_TRUE(window);
    EXPECT_TRUE(ui->escapeLootOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_EQ(window->winWidth, 960);
    EXPECT_EQ(window->winHeight, 540);
    EXPECT_EQ(window->get_x(), 640 - 480);
    EXPECT_EQ(window->get_y(), 360 - 270);
    EXPECT_EQ(window->get_parent(), ui->overLayer.get());
    EXPECT_EQ(ui->lootDetails->get_parent(), window.get());
    EXPECT_EQ(ui->lootDetails->get_x(), 70);
    EXPECT_EQ(ui->lootDetails->get_y(), 125);
    EXPECT_EQ(ui->lootDetails->expValue->get_text().str(), "55");
    EXPECT_FALSE(ui->mainLayer->get_visible());
    EXPECT_EQ(textsOf(window), (std::vector<std::string>{"RUN SUCCESSFUL!", "SUMMARY OF LOOT FROM THIS RUN"}));
    EXPECT_TRUE(runTweensUntil([&] { return ui->overBlack->get_alpha() > 0.49 && window->get_alpha() > 0.99; }));
    EXPECT_EQ(ui->overLayer->getChildIndex(ui->overBlack) + 1, ui->overLayer->getChildIndex(window));

    // The headline keeps appearing while the map is paused.
    auto title = window->title;
    EXPECT_EQ(title->nextCharIndexToShow, 0);
    for (int i = 0; i < 4; ++i) ui->updatePausedStuff();
    EXPECT_EQ(title->nextCharIndexToShow, 8);

    auto close = buttonOf(window);
    ASSERT_TRUE(close);
    EXPECT_EQ(close->get_x(), 480 - 40);
    EXPECT_EQ(close->get_y(), 425);
    click(close);
    EXPECT_FALSE(ui->escapeLootOpen);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_FALSE(G::disableMenu);
    EXPECT_FALSE(state->disableMovement);
    EXPECT_FALSE(ui->itemsButton->disabled);
    EXPECT_FALSE(ui->escapeLootWindow);
    EXPECT_FALSE(ui->lootDetails->get_parent());
    EXPECT_EQ(window->get_numChildren(), 0);
    EXPECT_TRUE(ui->mainLayer->get_visible());
    EXPECT_EQ(ui->mainLayer->get_alpha(), 0);
    EXPECT_TRUE(runTweensUntil([&] { return !window->get_parent() && !ui->overBlack->get_parent(); }));
    EXPECT_TRUE(runTweensUntil([&] { return ui->mainLayer->get_alpha() == 1; }));

    // A second close repeats its steps harmlessly; the next summary is a new window, headline afresh.
    ui->closeEscapeLoot();
    ui->openEscapeLoot();
    ASSERT_TRUE(ui->escapeLootWindow);
    EXPECT_NE(ui->escapeLootWindow, window);
    EXPECT_EQ(ui->escapeLootWindow->title->nextCharIndexToShow, 0);
    ui->closeEscapeLoot();
}

TEST_F(LootWindowsTest, ARebuiltUIClosesTheLootWindowsAndMakesNewOnes) {
    makeRoot();
    // The loot tab open in the menu.
    auto tab = ui->currentLootWindow;
    auto panel = ui->lootDetails;
    ui->openMenu();
    ui->openWindow(UI::WIN_LOOT);
    ASSERT_EQ(panel->get_parent(), tab.get());
    ui->reCreateUI();
    EXPECT_FALSE(ui->menuOpen);
    EXPECT_FALSE(ui->currentLootOpen);
    EXPECT_FALSE(tab->get_parent());
    ASSERT_TRUE(ui->currentLootWindow && ui->lootDetails);
    EXPECT_NE(ui->currentLootWindow, tab);
    EXPECT_NE(ui->lootDetails, panel);

    // The escape summary open.
    panel = ui->lootDetails;
    ui->openEscapeLoot();
    ui->reCreateUI();
    EXPECT_FALSE(ui->escapeLootOpen);
    EXPECT_FALSE(ui->escapeLootWindow);
    EXPECT_FALSE(G::pauseGame);
    EXPECT_NE(ui->lootDetails, panel);
    ui->openMenu();
    ui->openWindow(UI::WIN_LOOT);
    EXPECT_EQ(ui->lootDetails->get_parent(), ui->currentLootWindow.get());
}

TEST_F(LootWindowsTest, TheEscapeSummaryIsDrawn) {
    const auto ids = artifactIds(2);
    GameData::artifactsThisRun = {ids.at(0), ids.at(1), ids.at(0)};
    GameData::hpGemsThisRun = 3;
    GameData::attGemsThisRun = 2;
    GameData::expThisRun = 1234;
    GameData::gold = 60;
    GameData::level = 3;
    GameData::shopsFoundThisRun = 2;
    auto picture = testing_game::StagePicture::of("escape-loot.png", [&] {
        onStage({[&] {
                     makeRoot();
                     framework::Lib::get_stage()->addChild(ui);
                     ui->openEscapeLoot();
                     ui->overBlack->set_alpha(0.5);
                     ui->escapeLootWindow->set_alpha(1);
                     for (int i = 0; i < 10; ++i) ui->updatePausedStuff();
                 },
                 [] {}, [] {}});
    });
    ASSERT_TRUE(picture.loaded()) << picture.path;
    auto bright = [&](int x0, int y0, int x1, int y1) { return picture.brighter(x0, y0, x1, y1, 400); };
    EXPECT_GT(bright(380, 55, 580, 85), 100) << "headline";
    EXPECT_GT(bright(70, 150, 890, 255), 200) << "artifacts";
    EXPECT_GT(bright(650, 300, 890, 400), 100) << "figures";
    EXPECT_GT(bright(440, 425, 520, 465), 20) << "Close";
}
