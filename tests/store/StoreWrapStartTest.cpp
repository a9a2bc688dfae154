#include <gtest/gtest.h>

#include "StoreFixture.h"

using runtime::Value;
using store::LeaderboardScore;
using store::StoreWrap;

namespace {

using StoreWrapStartTest = StoreFixture;

TEST_F(StoreWrapStartTest, WithoutTheModuleTheFacadeStaysInactiveAndSilent) {
    sys::ModuleLoader::setResolver([](const std::string&, const std::string& symbol) {
        return sys::ModuleLoader::systemResolve("./no-such-storewrap", symbol);
    });
    StoreWrap::init();

    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Running non-Steam version (Could not load module ./no-such-storewrap", 0), 0u)
        << lines[0];
    EXPECT_EQ(lines[0].back(), ')');
    EXPECT_FALSE(StoreWrap::active);
    EXPECT_FALSE(StoreWrap::wantQuit);
    for (runtime::Primitive* slot : slots()) EXPECT_FALSE(*slot);

    lines.clear();
    EXPECT_FALSE(StoreWrap::setAchievement("seasonedWarrior"));
    EXPECT_FALSE(StoreWrap::clearAchievement("seasonedWarrior"));
    EXPECT_FALSE(StoreWrap::setStat("kills", 3));
    EXPECT_FALSE(StoreWrap::storeStats());
    EXPECT_FALSE(StoreWrap::uploadLeaderboardScore(runtime::make<LeaderboardScore>("b", 1, 0)));
    EXPECT_FALSE(StoreWrap::downloadLeaderboardScore("b"));
    EXPECT_FALSE(StoreWrap::isSteamRunning());
    StoreWrap::onEnterFrame();
    StoreWrap::shutdown();
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(StoreWrap::leaderboardOps->empty());
}

TEST_F(StoreWrapStartTest, ARefusedStartLoadsEverythingAndCanBeRepeated) {
    setenv("STORECLIENT_UNAVAILABLE", "1", 1);
    StoreWrap::init();

    EXPECT_EQ(lines, std::vector<std::string>{"Steam failed to activate"});
    EXPECT_FALSE(StoreWrap::active);
    EXPECT_TRUE(StoreWrap::wantQuit);
    for (runtime::Primitive* slot : slots()) EXPECT_TRUE(*slot);

    // Inactive: nothing reaches the client except the running test.
    int* shutdowns = countCalls(StoreWrap::StoreWrap_Shutdown);
    int* achievements = countCalls(StoreWrap::StoreWrap_SetAchievement);
    int* running = countCalls(StoreWrap::StoreWrap_IsSteamRunning);
    lines.clear();
    EXPECT_FALSE(StoreWrap::setAchievement("champion"));
    StoreWrap::shutdown();
    StoreWrap::onEnterFrame();
    EXPECT_FALSE(StoreWrap::isSteamRunning());
    EXPECT_EQ(*achievements, 0);
    EXPECT_EQ(*shutdowns, 0);
    EXPECT_EQ(*running, 1);
    EXPECT_TRUE(lines.empty());

    // Once the client runs, a later start succeeds.
    unsetenv("STORECLIENT_UNAVAILABLE");
    StoreWrap::leaderboardOps->push_back(store::LeaderboardOp::FIND("stale"));
    StoreWrap::init();
    EXPECT_TRUE(StoreWrap::active);
    EXPECT_TRUE(StoreWrap::isSteamRunning());
    EXPECT_TRUE(StoreWrap::leaderboardOps->empty());
    EXPECT_EQ(lines, (std::vector<std::string>{"Steam active"}));
}

TEST_F(StoreWrapStartTest, AStartAsksForStatisticsAndTheAnswersArriveAtThePump) {
    StoreWrap::init();
    ASSERT_TRUE(StoreWrap::active);
    EXPECT_EQ(lines, std::vector<std::string>{"Steam active"});
    EXPECT_FALSE(StoreWrap::haveReceivedUserStats);

    StoreWrap::onEnterFrame();
    EXPECT_EQ(lines, (std::vector<std::string>{"Steam active", "[STEAM] UserStatsReceived SUCCESS (local)",
                                               "[STEAM] GlobalStatsReceived FAIL (offline)"}));
    EXPECT_TRUE(StoreWrap::haveReceivedUserStats);
    EXPECT_FALSE(StoreWrap::haveGlobalStats);

    // A second start loads nothing and sends nothing.
    int* starts = countCalls(StoreWrap::StoreWrap_Init);
    runtime::Primitive before = StoreWrap::StoreWrap_Init;
    lines.clear();
    StoreWrap::init();
    EXPECT_EQ(*starts, 0);
    EXPECT_EQ(StoreWrap::StoreWrap_Init.function(), before.function());
    EXPECT_TRUE(lines.empty());
}

TEST_F(StoreWrapStartTest, TraceLinesGoToTheHookOrElseToTheTraceOutput) {
    std::vector<std::string> traced;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position&) { traced.push_back(v.toText()); });
    StoreWrap::init();
    EXPECT_EQ(lines, std::vector<std::string>{"Steam active"});
    EXPECT_TRUE(traced.empty());

    StoreWrap::whenTrace = nullptr;
    StoreWrap::setAchievement("floorSweeper");
    runtime::Trace::setHandler(nullptr);
    EXPECT_EQ(traced, std::vector<std::string>{"[STEAM] setAchievement(floorSweeper)  SUCCEEDED"});
}

}  // namespace
