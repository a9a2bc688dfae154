// The achievement rules over the store facade: a recording store, then no store at all.
#include "DataFixture.h"
#include "game/data/Achievements.h"
#include "game/data/SWITCH.h"
#include "game/data/StoreAchievements.h"
#include "game/shell/Game.h"
#include "store/StoreWrap.h"

using game::Achievements;
using game::GameData;
using store::StoreWrap;

class AchievementsTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        reset();
        StoreWrap::whenTrace = runtime::Function::of([this](std::string line) { storeLines.push_back(line); });
    }
    void TearDown() override {
        reset();
        GameData::potionsCrafted = GameData::secretRoomsFound = GameData::newGamePlusNum = 0;
        DataFixture::TearDown();
    }
    static void reset() {
        StoreWrap::active = false;
        StoreWrap::whenTrace = nullptr;
        StoreWrap::whenAchievementStored = nullptr;
        StoreWrap::whenLeaderboardScoreDownloaded = nullptr;
        StoreWrap::StoreWrap_SetAchievement = nullptr;
        StoreWrap::leaderboardIds.reset();
        StoreWrap::leaderboardOps.reset();
    }
    // An active facade whose achievement calls are recorded.
    void recordingStore() {
        StoreWrap::active = true;
        StoreWrap::StoreWrap_SetAchievement = runtime::Primitive(runtime::Function::of([this](std::string id) {
            sent.push_back(id);
            return true;
        }));
    }
    std::vector<std::string> take() { return std::exchange(sent, {}); }

    std::vector<std::string> sent;
    std::vector<std::string> storeLines;
};

TEST_F(AchievementsTest, RulesSendTheirIdsWhenTheirConditionHolds) {
    recordingStore();
    using V = std::vector<std::string>;
    struct Case {
        int* field;
        int value;
        void (*rule)();
        V ids;
    };
    for (const Case& c : {Case{&GameData::level, 24, &Achievements::submitLevel, {}},
                          Case{&GameData::level, 25, &Achievements::submitLevel, {"seasonedWarrior"}},
                          Case{&GameData::potionsCrafted, 14, &Achievements::submitPotionsCrafted, {}},
                          Case{&GameData::potionsCrafted, 15, &Achievements::submitPotionsCrafted, {"noviceAlchemist"}},
                          Case{&GameData::potionsCrafted, 75, &Achievements::submitPotionsCrafted,
                               {"adeptAlchemist", "noviceAlchemist"}},
                          Case{&GameData::secretRoomsFound, 9, &Achievements::submitSecretRoomsFound, {}},
                          Case{&GameData::secretRoomsFound, 10, &Achievements::submitSecretRoomsFound,
                               {"moreThanMeetsTheEye"}}}) {
        *c.field = c.value;
        c.rule();
        EXPECT_EQ(take(), c.ids) << c.value;
    }
    // Sent again on every call.
    Achievements::submitLevel();
    Achievements::submitLevel();
    EXPECT_EQ(take(), (V{"seasonedWarrior", "seasonedWarrior"}));

    for (auto [rule, id] : {std::pair{&Achievements::submitFloorSweeper, "floorSweeper"},
                            std::pair{&Achievements::submitCombatFocus, "masterWarrior"},
                            std::pair{&Achievements::submitMagicFocus, "masterWizard"},
                            std::pair{&Achievements::submitCraftFocus, "masterEnchanter"},
                            std::pair{&Achievements::submitAmateurCollector, "amateurCollector"},
                            std::pair{&Achievements::submitCompletionist, "completionist"}}) {
        rule();
        EXPECT_EQ(take(), V{id});
    }
    // The empty rules send nothing whatever the state.
    GameData::setSwitch(game::SWITCH::SPIDER_DEAD, true);
    GameData::deepestFloor = 99;
    GameData::itemsEnchanted = 500;
    for (auto rule : {&Achievements::submitGiantSpiderKilled, &Achievements::submitDeepestFloor,
                      &Achievements::submitItemsEnchanted, &Achievements::submitRunsToBeatTheGame})
        rule();
    EXPECT_TRUE(take().empty());
    // The escape rule reads its switch.
    Achievements::submitEscapedWithArtifact();
    EXPECT_TRUE(take().empty());
    GameData::setSwitch(game::SWITCH::ESCAPED_WITH_ARTIFACT, true);
    Achievements::submitEscapedWithArtifact();
    EXPECT_EQ(take(), V{"newbieTreasureHunter"});
}

TEST_F(AchievementsTest, StartUpSendsWhatTheLoadedSlotEarnedAndTheBossRulesCountNewGamePlus) {
    recordingStore();
    using V = std::vector<std::string>;
    GameData::level = 30;
    GameData::potionsCrafted = 20;
    GameData::setSwitch(game::SWITCH::YETI_DEAD, true);
    Achievements::setupSteam();
    EXPECT_EQ(take(), (V{"minibossSlayer", "seasonedWarrior", "noviceAlchemist"}));
    ASSERT_TRUE(StoreWrap::whenAchievementStored);
    ASSERT_TRUE(StoreWrap::whenLeaderboardScoreDownloaded);
    (*StoreWrap::whenAchievementStored)(runtime::Value("champion"));
    EXPECT_EQ(tracesContaining("Achievement stored: champion"), 1);

    // New game plus: every boss, even with the switches off; 19 switches leave "champion" to it.
    GameData::level = 1;
    GameData::potionsCrafted = 0;
    GameData::gameSwitches.assign(19, false);
    GameData::newGamePlusNum = 1;
    Achievements::setupSteam();
    EXPECT_EQ(take(), (V{"minibossSlayer", "1000Souls", "champion"}));
    GameData::newGamePlusNum = 0;
    GameData::gameSwitches.assign(19, true);
    Achievements::submitDemonKilled();
    EXPECT_TRUE(take().empty());

    // The data model's level-up reaches the rule through the hook.
    game::DataAchievements::install(std::make_shared<game::StoreAchievements>());
    GameData::level = 24;
    GameData::exp = GameData::nextLevelAt;
    GameData::checkForLevelUp();
    EXPECT_EQ(take(), V{"seasonedWarrior"});
}

TEST_F(AchievementsTest, WithoutAStoreEveryRuleRunsAndNothingMoreIsPrinted) {
    GameData::level = 30;
    GameData::potionsCrafted = 80;
    GameData::secretRoomsFound = 12;
    GameData::newGamePlusNum = 2;
    traces.clear();
    Achievements::setupSteam();
    EXPECT_FALSE(StoreWrap::active);
    ASSERT_EQ(storeLines.size(), 1u);
    EXPECT_EQ(storeLines[0].rfind("Running non-Steam version (", 0), 0u);
    for (auto rule : {&Achievements::submitLevel, &Achievements::submitPotionsCrafted,
                      &Achievements::submitCompletionist, &Achievements::submitDemonKilled})
        rule();
    EXPECT_EQ(storeLines.size(), 1u);
    EXPECT_TRUE(traces.empty());
    EXPECT_TRUE(sent.empty());
}
