// Runs and the game reset: the start of a run, a successful escape, a death, clearing the game
// (with and without new game plus) and the display mode.
#include "SaveFixture.h"
#include "engine/EngG.h"
#include "game/kit/SpriteFont.h"
#include "game/kit/UIColor.h"
#include "game/data/MonsterData.h"
#include "game/data/SWITCH.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"

using game::GameData;
using game::ItemData;
using game::SWITCH;

class RunsTest : public SaveFixture {
protected:
    static std::vector<int> ids(const GameData::ItemList& list) {
        std::vector<int> out;
        for (auto& i : list) out.push_back(i ? i->data->id : -1);
        return out;
    }
    static int slotOf(const std::vector<runtime::Ref<ItemData>>& table) { return table.front()->slot; }
};

TEST_F(RunsTest, StartingARunGivesMissingDefaultGearAndDyingGivesTheSnapshotBack) {
    GameData::runStartFloor = 1;
    GameData::hp = 10;
    GameData::mp = 1;
    GameData::gold = 80;
    GameData::equipItem(item(1015), slotOf(ItemData::WEAPONS), false, false);
    recorder.calls.clear();
    GameData::startNewRun();
    EXPECT_EQ(GameData::equippedItems[slotOf(ItemData::WEAPONS)]->data->id, 1015);
    EXPECT_EQ(GameData::equippedItems[slotOf(ItemData::BODIES)]->data, ItemData::BODIES.front());
    EXPECT_EQ(GameData::equippedItems[slotOf(ItemData::LEGS)]->data, ItemData::LEGS.front());
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_EQ(recorder.calls.back(), "bars:-,-,-");
    EXPECT_EQ(recorder.count("equipmentData"), 1);
    EXPECT_EQ(GameData::currentFloor, 1);
    EXPECT_EQ(GameData::hp, GameData::maxHP);
    EXPECT_EQ(GameData::mp, GameData::maxMP);
    EXPECT_EQ(GameData::runStartGold, 80);
    EXPECT_TRUE(GameData::floorSaveExists);

    // The death rolls back to the run's start (one weapon, empty body and legs) and saves.
    GameData::inCave = true;
    GameData::gold = 5000;
    GameData::addItem(item(5), 2);
    game::Data::loadSaveData();
    GameData::youDied();
    EXPECT_EQ(GameData::gold, 80);
    EXPECT_EQ(GameData::hp, 10);
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_FALSE(GameData::equippedItems[slotOf(ItemData::BODIES)]);
    EXPECT_EQ(GameData::equippedItems[slotOf(ItemData::WEAPONS)]->data->id, 1015);
    EXPECT_FALSE(GameData::inCave);
    EXPECT_FALSE(GameData::floorSaveExists);
    EXPECT_EQ(GameData::currentFloor, 0);
    EXPECT_EQ(recorder.count("saveText"), 0);
    EXPECT_TRUE(exists("GLV2GameData"));
    // The next run gets the defaults again.
    GameData::startNewRun();
    EXPECT_TRUE(GameData::equippedItems[slotOf(ItemData::BODIES)]);
}

TEST_F(RunsTest, EscapingKeepsTheArtifactsOtherThanWingsAndEverySpell) {
    GameData::startNewRun();
    GameData::addItem(item(1015));
    GameData::addItem(item(1030));
    GameData::addItem(item(5), 3);
    GameData::addItem(item(10000));
    GameData::addItem(item(0));  // the wings, an artifact
    GameData::setSwitch(SWITCH::GIVE_BERRIES, true);
    GameData::hp = 3;
    GameData::useEscapeWings();
    auto kept = ids(GameData::items);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<int>{1015, 1030, 10000}));
    EXPECT_EQ(GameData::items.size(), GameData::itemIcons.size());
    EXPECT_TRUE(GameData::getSwitch(SWITCH::ESCAPED_WITH_ARTIFACT));
    EXPECT_TRUE(GameData::getSwitch(SWITCH::POTION_READY));
    EXPECT_EQ(recorder.count("submitEscaped"), 1);
    EXPECT_TRUE(GameData::artifactsThisRun.empty());
    EXPECT_EQ(GameData::hp, GameData::maxHP);
    EXPECT_FALSE(GameData::floorSaveExists);
    for (auto& e : GameData::equippedItems) EXPECT_TRUE(!e || e->artifact);

    // A run without artifacts found sets nothing.
    GameData::setSwitch(SWITCH::ESCAPED_WITH_ARTIFACT, false);
    GameData::startNewRun();
    GameData::addItem(item(5));
    GameData::useEscapeWings();
    EXPECT_FALSE(GameData::getSwitch(SWITCH::ESCAPED_WITH_ARTIFACT));
    EXPECT_EQ(recorder.count("submitEscaped"), 1);
}

TEST_F(RunsTest, NewGamePlusKeepsTheHeroAndRescalesTheMonstersEachTime) {
    using game::MonsterData;
    MonsterData::createMonsters();
    GameData::level = 30;
    GameData::gold = 999;
    GameData::successfulRuns = 4;
    GameData::addItem(item(1015));
    GameData::museumItems.push_back(item(1030));
    GameData::setSwitch(SWITCH::DEMON_KILLED, true);
    GameData::shopsUnlocked[3] = true;
    GameData::bestiaryMonsterIDs = {1, 2};
    GameData::clearAllGameData(true);
    EXPECT_EQ(GameData::newGamePlusNum, 1);
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 266);
    GameData::clearAllGameData(true);
    EXPECT_EQ(GameData::newGamePlusNum, 2);
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 523);
    EXPECT_EQ(recorder.count("ngpText"), 2);
    EXPECT_EQ(GameData::level, 30);
    EXPECT_EQ(GameData::gold, 999);
    EXPECT_EQ(GameData::items.size(), 1u);
    EXPECT_EQ(GameData::museumItems.size(), 1u);
    EXPECT_FALSE(GameData::getSwitch(SWITCH::DEMON_KILLED));
    EXPECT_EQ(GameData::shopsUnlocked.size(), 13u);
    EXPECT_FALSE(GameData::shopsUnlocked[3]);
    EXPECT_TRUE(GameData::bestiaryMonsterIDs.empty());
    EXPECT_EQ(GameData::successfulRuns, 0);
    EXPECT_EQ(GameData::runStartFloor, 1);

    // A plain clear resets the hero; from 0 it leaves the monster table alone.
    GameData::clearAllGameData();
    EXPECT_EQ(GameData::newGamePlusNum, 0);
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 12);
    EXPECT_EQ(GameData::level, 1);
    EXPECT_EQ(GameData::gold, 50);
    EXPECT_TRUE(GameData::items.empty());
    EXPECT_TRUE(GameData::museumItems.empty());
    MonsterData::findDataWithID(0)->maxHP = 1;
    GameData::clearAllGameData();
    EXPECT_EQ(MonsterData::findDataWithID(0)->maxHP, 1);
    MonsterData::createMonsters();
}

TEST_F(RunsTest, DisplayModeSwitchesAndLaysTheInterfaceOutEachTime) {
    using game::Game;
    // The UI root is built by the first layout: it needs the shared bitmaps and fonts.
    game::BMDCache::load();
    game::UIColor::createColors();
    GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
    game::SpriteFont::createFonts();
    Game::gameStage = runtime::make<game::BitmapSprite>();
    stageWidth = 1920;
    stageHeight = 1080;
    media::FakeMediaModule::get().returns("media_native_stage_get_stage_width", runtime::Value(stageWidth));
    media::FakeMediaModule::get().returns("media_native_stage_get_stage_height", runtime::Value(stageHeight));
    GameData::guiSizeLarge = true;
    Game::scaleFactor = 0;
    GameData::goWindowed();
    EXPECT_FALSE(GameData::fullscreen);
    EXPECT_FALSE(engine::EngG::fullscreen);
    EXPECT_DOUBLE_EQ(Game::scaleFactor, 2.0);
    Game::scaleFactor = 0;
    GameData::goWindowed();  // already windowed: laid out again all the same
    EXPECT_DOUBLE_EQ(Game::scaleFactor, 2.0);
    GameData::goFullscreen();
    EXPECT_TRUE(GameData::fullscreen);
    EXPECT_TRUE(engine::EngG::fullscreen);
    EXPECT_DOUBLE_EQ(Game::ui->get_scaleX(), 2.0);
    stage()->removeChild(Game::gameStage);
    stage()->removeChild(Game::ui);
    Game::gameStage = nullptr;
    Game::ui = nullptr;
    Game::gameCenter = nullptr;
    GameData::fullscreen = false;
    engine::EngG::fullscreen = false;
}
