#include <gtest/gtest.h>

#include <fstream>

#include "StoreFixture.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/store/OfflineStore.h"

using runtime::Value;
using store::StoreWrap;

namespace {

using StoreWrapAchievementTest = StoreFixture;

TEST_F(StoreWrapAchievementTest, AchievementsAreReportedStoredAndSurviveARestart) {
    startActive();
    std::vector<std::string> stored;
    StoreWrap::whenAchievementStored = runtime::Function::of([&](std::string name) { stored.push_back(name); });

    EXPECT_TRUE(StoreWrap::setAchievement("seasonedWarrior"));
    EXPECT_TRUE(StoreWrap::setAchievement("1000Souls"));
    EXPECT_TRUE(StoreWrap::clearAchievement("1000Souls"));
    EXPECT_FALSE(StoreWrap::setAchievement(""));
    EXPECT_FALSE(StoreWrap::clearAchievement("two words"));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "[STEAM] setAchievement(seasonedWarrior)  SUCCEEDED",
                         "[STEAM] setAchievement(1000Souls)  SUCCEEDED",
                         "[STEAM] clearAchievement(1000Souls)  SUCCEEDED",
                         "[STEAM] setAchievement()  FAILED",
                         "[STEAM] clearAchievement(two words)  FAILED",
                     }));
    EXPECT_TRUE(stored.empty());  // the client answers at the pump

    lines.clear();
    StoreWrap::onEnterFrame();
    EXPECT_EQ(stored, (std::vector<std::string>{"seasonedWarrior", "1000Souls"}));
    EXPECT_EQ(lines.front(), "[STEAM] UserStatsStored SUCCESS ()");
    EXPECT_EQ(lines[1], "[STEAM] UserAchievementStored SUCCESS (seasonedWarrior)");
    EXPECT_FALSE(StoreWrap::wantStoreStats);

    // A restart of the client reads back what was unlocked.
    StoreWrap::shutdown();
    storeclient::OfflineStore restarted;
    ASSERT_TRUE(restarted.init(nullptr));
    EXPECT_TRUE(restarted.hasAchievement("seasonedWarrior"));
    EXPECT_FALSE(restarted.hasAchievement("1000Souls"));
}

TEST_F(StoreWrapAchievementTest, StatisticsAreKeptAndStoredOnRequest) {
    startActive();
    EXPECT_TRUE(StoreWrap::setStat("kills", -12));
    EXPECT_FALSE(StoreWrap::setStat("", 1));
    EXPECT_EQ(StoreWrap::StoreWrap_GetStat("kills"), Value(-12));
    EXPECT_TRUE(StoreWrap::StoreWrap_GetStat("unknown").isNull());
    EXPECT_TRUE(StoreWrap::storeStats());
    EXPECT_EQ(lines, (std::vector<std::string>{"[STEAM] setStat(kills,-12)  SUCCEEDED", "[STEAM] setStat(,1)  FAILED",
                                               "[STEAM] storeStats()  SUCCEEDED"}));

    StoreWrap::shutdown();
    storeclient::OfflineStore restarted;
    ASSERT_TRUE(restarted.init(nullptr));
    EXPECT_EQ(restarted.getStat("kills"), -12);
}

TEST_F(StoreWrapAchievementTest, AFailedStoreIsRetriedOnceAtEachPumpUntilItSucceeds) {
    startActive();
    // The data folder cannot be made: its parent is a file.
    std::string blocked = dataHome + "/file";
    std::ofstream(blocked) << "x";
    setenv("XDG_DATA_HOME", blocked.c_str(), 1);
    std::vector<std::string> stored;
    StoreWrap::whenAchievementStored = runtime::Function::of([&](std::string name) { stored.push_back(name); });

    EXPECT_TRUE(StoreWrap::setAchievement("champion"));  // kept, but not stored
    int* stores = countCalls(StoreWrap::StoreWrap_StoreStats);
    const std::vector<std::string> failed{"[STEAM] UserStatsStored FAIL ()"};

    // Each pump delivers the failure and then retries once, without a trace line of its own.
    lines.clear();
    StoreWrap::onEnterFrame();
    EXPECT_EQ(lines, failed);
    EXPECT_EQ(*stores, 1);
    EXPECT_FALSE(StoreWrap::wantStoreStats);
    lines.clear();
    StoreWrap::onEnterFrame();
    EXPECT_EQ(lines, failed);
    EXPECT_EQ(*stores, 2);
    EXPECT_TRUE(stored.empty());

    // Once the folder can be made, the retry succeeds and the retries stop.
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    StoreWrap::onEnterFrame();
    EXPECT_EQ(*stores, 3);
    lines.clear();
    StoreWrap::onEnterFrame();
    EXPECT_EQ(lines, std::vector<std::string>{"[STEAM] UserStatsStored SUCCESS ()"});
    EXPECT_FALSE(StoreWrap::wantStoreStats);
    StoreWrap::onEnterFrame();
    EXPECT_EQ(*stores, 3);

    StoreWrap::shutdown();
    storeclient::OfflineStore restarted;
    ASSERT_TRUE(restarted.init(nullptr));
    EXPECT_TRUE(restarted.hasAchievement("champion"));
}

struct EventCase {
    const char* name;
    std::vector<std::pair<std::string, Value>> fields;
    const char* line;
    bool userStats, globalStats, wantStore;
    std::vector<std::string> stored;
};

TEST_F(StoreWrapAchievementTest, EventRecordsAreReadByNameAndMatchedExactly) {
    const std::vector<EventCase> cases = {
        {"stats", {{"type", "UserStatsReceived"}, {"success", 1}, {"data", "x"}},
         "[STEAM] UserStatsReceived SUCCESS (x)", true, false, false, {}},
        {"no data", {{"type", "GlobalStatsReceived"}, {"success", 2.9}},
         "[STEAM] GlobalStatsReceived SUCCESS (null)", false, true, false, {}},
        {"fraction", {{"type", "GlobalStatsReceived"}, {"success", 0.7}, {"data", ""}},
         "[STEAM] GlobalStatsReceived FAIL ()", false, false, false, {}},
        {"no success", {{"type", "UserStatsStored"}, {"data", 5}},
         "[STEAM] UserStatsStored FAIL (5)", false, false, true, {}},
        {"failed achievement", {{"type", "UserAchievementStored"}, {"success", 0}, {"data", "champion"}},
         "[STEAM] UserAchievementStored FAIL (champion)", false, false, false, {"champion"}},
        {"case", {{"type", "userstatsreceived"}, {"success", 1}, {"data", "x"}},
         "[STEAM] userstatsreceived SUCCESS (x)", false, false, false, {}},
        {"no type", {{"success", 1}}, "[STEAM] null SUCCESS (null)", false, false, false, {}},
    };
    startActive();
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.name);
        StoreWrap::haveReceivedUserStats = StoreWrap::haveGlobalStats = StoreWrap::wantStoreStats = false;
        std::vector<std::string> stored;
        StoreWrap::whenAchievementStored = runtime::Function::of([&](std::string name) { stored.push_back(name); });
        auto record = runtime::make<runtime::DynamicObject>();
        for (const auto& [field, value] : c.fields) Value(record).setField(field, value);
        lines.clear();

        StoreWrap::onStoreEvent(Value(record));

        EXPECT_EQ(lines, std::vector<std::string>{c.line});
        EXPECT_EQ(StoreWrap::haveReceivedUserStats, c.userStats);
        EXPECT_EQ(StoreWrap::haveGlobalStats, c.globalStats);
        EXPECT_EQ(StoreWrap::wantStoreStats, c.wantStore);
        EXPECT_EQ(stored, c.stored);
    }
    StoreWrap::whenAchievementStored = nullptr;
}

}  // namespace
