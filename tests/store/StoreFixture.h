#pragma once
// Each test starts with a fresh facade, a fresh user data folder for the stand-in client and the
// facade's trace lines collected in `lines`; the client module is shut down afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/runtime/Function.h"
#include "platform/runtime/Trace.h"
#include "platform/system/ModuleLoader.h"
#include "store/StoreWrap.h"

class StoreFixture : public ::testing::Test {
protected:
    using StoreWrap = store::StoreWrap;

    void SetUp() override {
        char folder[] = "/tmp/glv-store-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dataHome = folder;
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        unsetenv("STORECLIENT_UNAVAILABLE");
        sys::ModuleLoader::setResolver(nullptr);
        resetFacade();
        StoreWrap::whenTrace = runtime::Function::of([this](std::string line) { lines.push_back(line); });
    }

    void TearDown() override {
        if (StoreWrap::StoreWrap_Shutdown) StoreWrap::StoreWrap_Shutdown();
        resetFacade();
        sys::ModuleLoader::setResolver(nullptr);
        unsetenv("STORECLIENT_UNAVAILABLE");
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(dataHome);
    }

    // Back to the state before the first start.
    static void resetFacade() {
        StoreWrap::active = false;
        StoreWrap::wantQuit = false;
        StoreWrap::whenAchievementStored = nullptr;
        StoreWrap::whenLeaderboardScoreDownloaded = nullptr;
        StoreWrap::whenLeaderboardScoreUploaded = nullptr;
        StoreWrap::whenTrace = nullptr;
        StoreWrap::haveGlobalStats = false;
        StoreWrap::haveReceivedUserStats = false;
        StoreWrap::wantStoreStats = false;
        StoreWrap::leaderboardIds.reset();
        StoreWrap::leaderboardOps.reset();
        for (runtime::Primitive* slot : slots()) *slot = nullptr;
    }

    static std::vector<runtime::Primitive*> slots() {
        return {&StoreWrap::StoreWrap_Init,          &StoreWrap::StoreWrap_Shutdown,
                &StoreWrap::StoreWrap_RunCallbacks,  &StoreWrap::StoreWrap_RequestStats,
                &StoreWrap::StoreWrap_GetStat,       &StoreWrap::StoreWrap_SetStat,
                &StoreWrap::StoreWrap_SetAchievement, &StoreWrap::StoreWrap_ClearAchievement,
                &StoreWrap::StoreWrap_StoreStats,    &StoreWrap::StoreWrap_FindLeaderboard,
                &StoreWrap::StoreWrap_UploadScore,   &StoreWrap::StoreWrap_DownloadScores,
                &StoreWrap::StoreWrap_RequestGlobalStats, &StoreWrap::StoreWrap_GetGlobalStat,
                &StoreWrap::StoreWrap_IsSteamRunning};
    }

    // Starts the facade over the stand-in client and lets it answer the start-up requests.
    void startActive() {
        StoreWrap::init();
        ASSERT_TRUE(StoreWrap::active);
        StoreWrap::onEnterFrame();
        lines.clear();
    }

    // Wraps a filled slot so that calls are counted and then passed on (or answered by `answer`).
    int* countCalls(runtime::Primitive& slot, const runtime::Value* answer = nullptr) {
        auto counter = std::make_shared<int>(0);
        counters.push_back(counter);
        runtime::Primitive inner = slot;
        bool fixed = answer != nullptr;
        runtime::Value fixedAnswer = fixed ? *answer : runtime::Value();
        slot = runtime::Primitive(runtime::make<runtime::Function>(
            [counter, inner, fixed, fixedAnswer](const runtime::Value* args, int argc) -> runtime::Value {
                ++*counter;
                return fixed ? fixedAnswer : inner.callArgs(args, argc);
            }));
        return counter.get();
    }

    std::string dataHome;
    std::vector<std::string> lines;
    std::vector<std::shared_ptr<int>> counters;
};
