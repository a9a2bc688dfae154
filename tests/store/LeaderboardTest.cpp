#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "platform/runtime/DynamicObject.h"

using runtime::make;
using runtime::Ref;
using runtime::Value;
using store::LeaderboardOp;
using store::LeaderboardScore;
using store::StoreWrap;

namespace {

Value event(const char* type, int success, const char* data) {
    return Value(make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, Value>>{
        {"type", type}, {"success", success}, {"data", data}}));
}

struct ScoreCase {
    const char* text;
    bool reads;
    const char* id;
    int score, detail, rank;
};

TEST(LeaderboardScoreTest, TextFormReadsBack) {
    const ScoreCase cases[] = {
        {"b,10,0,3", true, "b", 10, 0, 3},
        {"b,10,0", false, "", 0, 0, 0},
        {"b,10,0,3,4", false, "", 0, 0, 0},
        {"", false, "", 0, 0, 0},
        {"b,ten,0,x", true, "b", 0, 0, -1},
        {" b ,0x1F, -5,0X10", true, " b ", 31, -5, 16},
        {"b, 0x10,7abc,+2", true, "b", 0, 7, 2},  // "0x" counts only at the very start
        {"b,0x,0xg,-", true, "b", 0, 0, -1},
        {"b,4294967297,-2147483648,0xFFFFFFFF", true, "b", 1, -2147483647 - 1, -1},
        {",1,2,3", true, "", 1, 2, 3},
    };
    for (const ScoreCase& c : cases) {
        SCOPED_TRACE(c.text);
        Ref<LeaderboardScore> s = LeaderboardScore::fromString(c.text);
        ASSERT_EQ(bool(s), c.reads);
        if (!s) continue;
        EXPECT_EQ(s->leaderboardId, runtime::String(c.id));
        EXPECT_EQ(s->score, c.score);
        EXPECT_EQ(s->detail, c.detail);
        EXPECT_EQ(s->rank, c.rank);
    }
    EXPECT_EQ(make<LeaderboardScore>("b", 10, 0, 3)->toString(), "b,10,0,3");
    EXPECT_EQ(make<LeaderboardScore>("b", -1, -20)->toString(), "b,-1,-20,-1");
    EXPECT_FALSE(LeaderboardScore::fromString(make<LeaderboardScore>("a,b", 1, 2)->toString()));
    EXPECT_EQ(Value(make<LeaderboardScore>("b", 7, 1)).field("score"), Value(7));
}

class LeaderboardQueueTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        StoreWrap::whenLeaderboardScoreUploaded =
            runtime::Function::of([this](Ref<LeaderboardScore> s) { uploaded.push_back(s->toString()); });
        StoreWrap::whenLeaderboardScoreDownloaded =
            runtime::Function::of([this](Ref<LeaderboardScore> s) { downloaded.push_back(s->toString()); });
    }

    static std::vector<std::string> queue() {
        std::vector<std::string> out;
        for (const LeaderboardOp& op : *StoreWrap::leaderboardOps) out.push_back(op.toString());
        return out;
    }
    static std::vector<std::string> ids() {
        std::vector<std::string> out;
        for (const runtime::String& id : *StoreWrap::leaderboardIds) out.push_back(id.toText());
        return out;
    }

    std::vector<std::string> uploaded, downloaded;
};

TEST_F(LeaderboardQueueTest, RequestsRunOneAfterAnotherAndEachEventStartsTheNext) {
    startActive();
    using V = std::vector<std::string>;

    // A download makes the queue busy: its FIND is in flight.
    EXPECT_TRUE(StoreWrap::downloadLeaderboardScore("depth"));
    EXPECT_EQ(lines, V{"[STEAM] Leaderboard.FIND(depth)  SUCCEEDED"});
    EXPECT_EQ(queue(), V{"DOWNLOAD(depth)"});

    // Two uploads to an unfound board while busy: one FIND, two UPLOADs.
    EXPECT_TRUE(StoreWrap::uploadLeaderboardScore(make<LeaderboardScore>("gold", 50, 1)));
    EXPECT_TRUE(StoreWrap::uploadLeaderboardScore(make<LeaderboardScore>("gold", 80, 2)));
    EXPECT_EQ(queue(), (V{"DOWNLOAD(depth)", "FIND(gold)", "UPLOAD(gold,50,1,-1)", "UPLOAD(gold,80,2,-1)"}));

    lines.clear();
    StoreWrap::onEnterFrame();  // depth found: its download starts
    EXPECT_EQ(ids(), V{"depth"});
    EXPECT_EQ(lines, (V{"[STEAM] LeaderboardFound SUCCESS (depth)", "[STEAM] Leaderboard.DOWNLOAD(depth)  SUCCEEDED"}));
    StoreWrap::onEnterFrame();  // the empty board answers; gold's FIND starts
    StoreWrap::onEnterFrame();  // gold found: the first upload starts
    StoreWrap::onEnterFrame();  // uploaded: the second starts
    StoreWrap::onEnterFrame();
    EXPECT_EQ(ids(), (V{"depth", "gold"}));
    EXPECT_EQ(uploaded, (V{"gold,50,1,1", "gold,80,2,1"}));
    EXPECT_TRUE(downloaded.empty());
    EXPECT_TRUE(queue().empty());

    // A known board needs no FIND; an idle queue starts at once.
    lines.clear();
    EXPECT_TRUE(StoreWrap::downloadLeaderboardScore("gold"));
    EXPECT_EQ(lines, V{"[STEAM] Leaderboard.DOWNLOAD(gold)  SUCCEEDED"});
    StoreWrap::onEnterFrame();
    EXPECT_EQ(downloaded, V{"gold,80,2,1"});
}

TEST_F(LeaderboardQueueTest, AFindInFlightDoesNotCountAsQueued) {
    startActive();
    StoreWrap::uploadLeaderboardScore(make<LeaderboardScore>("gold", 1, 0));
    StoreWrap::uploadLeaderboardScore(make<LeaderboardScore>("gold", 2, 0));
    EXPECT_EQ(queue(), (std::vector<std::string>{"UPLOAD(gold,1,0,-1)", "FIND(gold)", "UPLOAD(gold,2,0,-1)"}));
}

TEST_F(LeaderboardQueueTest, RefusedRequestsAreDroppedAndTheNextStartsAtOnce) {
    startActive();
    Value refuse(false);
    int* finds = countCalls(StoreWrap::StoreWrap_FindLeaderboard, &refuse);

    // The FIND is refused; the upload is still tried, and the client refuses it (board not found).
    EXPECT_TRUE(StoreWrap::uploadLeaderboardScore(make<LeaderboardScore>("gold", 5, 1)));
    EXPECT_EQ(*finds, 1);
    EXPECT_EQ(lines, (std::vector<std::string>{"[STEAM] Leaderboard.FIND(gold)  FAILED",
                                               "[STEAM] Leaderboard.UPLOAD(gold,5,1,-1)  FAILED"}));
    EXPECT_TRUE(queue().empty());
    EXPECT_TRUE(ids().empty());
}

TEST_F(LeaderboardQueueTest, FailedEventsRecordNothingButStartTheNextRequest) {
    startActive();
    // The client cannot find a board whose id would break the score text.
    EXPECT_TRUE(StoreWrap::downloadLeaderboardScore("a;b"));
    lines.clear();
    StoreWrap::onEnterFrame();
    EXPECT_EQ(lines, (std::vector<std::string>{"[STEAM] LeaderboardFound FAIL (a;b)",
                                               "[STEAM] Leaderboard.DOWNLOAD(a;b)  FAILED"}));
    EXPECT_TRUE(ids().empty());

    // Score events: entries that do not read are skipped; a failed event delivers nothing. Each
    // event, failed or not, starts the next request.
    Value accept(true);
    int* downloads = countCalls(StoreWrap::StoreWrap_DownloadScores, &accept);
    for (const char* id : {"w", "x", "y", "z", "last"}) StoreWrap::leaderboardOps->push_back(LeaderboardOp::DOWNLOAD(id));
    StoreWrap::onStoreEvent(event("ScoreDownloaded", 1, "b,1,0,1;junk;c,2,0,2;"));
    EXPECT_EQ(*downloads, 1);
    StoreWrap::onStoreEvent(event("ScoreDownloaded", 0, "b,9,0,1"));
    StoreWrap::onStoreEvent(event("ScoreUploaded", 0, "b,9,0,1"));
    StoreWrap::onStoreEvent(event("ScoreUploaded", 1, "b,9,0"));
    EXPECT_EQ(*downloads, 4);
    EXPECT_EQ(downloaded, (std::vector<std::string>{"b,1,0,1", "c,2,0,2"}));
    EXPECT_TRUE(uploaded.empty());
    EXPECT_EQ(queue(), std::vector<std::string>{"DOWNLOAD(last)"});
    StoreWrap::onStoreEvent(event("ScoreUploaded", 1, "b,9,0,1"));
    EXPECT_EQ(uploaded, std::vector<std::string>{"b,9,0,1"});
    EXPECT_TRUE(queue().empty());
}

TEST(LeaderboardBeforeStartTest, QueueOperationsBeforeTheFirstStartDoNothing) {
    StoreWrap::leaderboardIds.reset();
    StoreWrap::leaderboardOps.reset();
    std::vector<std::string> lines;
    StoreWrap::whenTrace = runtime::Function::of([&](std::string line) { lines.push_back(line); });
    StoreWrap::findLeaderboardIfNecessary("b");
    StoreWrap::processNextLeaderboardOp();
    StoreWrap::onStoreEvent(Value());  // traced, nothing else
    StoreWrap::onStoreEvent(event("LeaderboardFound", 1, "b"));
    StoreWrap::whenTrace = nullptr;
    EXPECT_EQ(lines, (std::vector<std::string>{"[STEAM] null FAIL (null)", "[STEAM] LeaderboardFound SUCCESS (b)"}));
    EXPECT_FALSE(StoreWrap::leaderboardOps.has_value());
    EXPECT_FALSE(StoreWrap::leaderboardIds.has_value());
}

}  // namespace
