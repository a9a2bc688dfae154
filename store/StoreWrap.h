#pragma once
// The program's one bridge to the store client: a static facade over the primitives of the
// native module "storewrap". It starts the client, pumps its callbacks, reports achievements and
// statistics and runs leaderboard requests one after another. While inactive (no module, or the
// client refused to start) every store operation does nothing and answers false.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/Function.h"
#include "platform/runtime/Primitive.h"
#include "platform/runtime/String.h"
#include "store/LeaderboardOp.h"
#include "store/LeaderboardScore.h"

namespace store {

class StoreWrap {
public:
    StoreWrap() = delete;

    static constexpr const char* MODULE = "storewrap";

    // True once the client has started; stays true for the rest of the run.
    static inline bool active = false;
    // Set when the client refuses to start.
    static inline bool wantQuit = false;
    // Called with the data text of every "UserAchievementStored" event.
    static inline runtime::Ref<runtime::Function> whenAchievementStored;
    // Called with each downloaded score, and with the uploaded one (a LeaderboardScore).
    static inline runtime::Ref<runtime::Function> whenLeaderboardScoreDownloaded;
    static inline runtime::Ref<runtime::Function> whenLeaderboardScoreUploaded;
    // Receives every trace line of the facade; when null they go to the program's trace output.
    static inline runtime::Ref<runtime::Function> whenTrace;
    // Success of the latest "GlobalStatsReceived" / "UserStatsReceived" event.
    static inline bool haveGlobalStats = false;
    static inline bool haveReceivedUserStats = false;
    // The latest store of statistics failed: the next pump retries it.
    static inline bool wantStoreStats = false;
    // Boards the client reported found, in arrival order; made by init.
    static inline std::optional<std::vector<runtime::String>> leaderboardIds;
    // Requests not started yet, oldest first; made by init.
    static inline std::optional<std::deque<LeaderboardOp>> leaderboardOps;

    // The module's primitives, filled by init in this order.
    static inline runtime::Primitive StoreWrap_Init;              // (event callback) → started
    static inline runtime::Primitive StoreWrap_Shutdown;          // ()
    static inline runtime::Primitive StoreWrap_RunCallbacks;      // () delivers pending events
    static inline runtime::Primitive StoreWrap_RequestStats;      // ()
    static inline runtime::Primitive StoreWrap_GetStat;           // (id)
    static inline runtime::Primitive StoreWrap_SetStat;           // (id, value) → success
    static inline runtime::Primitive StoreWrap_SetAchievement;    // (id) → success
    static inline runtime::Primitive StoreWrap_ClearAchievement;  // (id) → success
    static inline runtime::Primitive StoreWrap_StoreStats;        // () → success
    static inline runtime::Primitive StoreWrap_FindLeaderboard;   // (id) → accepted
    static inline runtime::Primitive StoreWrap_UploadScore;       // (id, score, detail) → accepted
    static inline runtime::Primitive StoreWrap_DownloadScores;    // (id, 0, 0) → accepted
    static inline runtime::Primitive StoreWrap_RequestGlobalStats;  // ()
    static inline runtime::Primitive StoreWrap_GetGlobalStat;     // (id)
    static inline runtime::Primitive StoreWrap_IsSteamRunning;    // () → running

    // Loads the primitives and starts the client; does nothing once active.
    static void init();
    // The pump: lets the client deliver its events and retries a failed store of statistics.
    static void onEnterFrame();
    // The event callback: a record with the fields type, success and data.
    static void onStoreEvent(const runtime::Value& event);

    static bool setAchievement(const runtime::String& id);
    static bool clearAchievement(const runtime::String& id);
    static bool setStat(const runtime::String& id, int value);
    static bool storeStats();
    static void shutdown();
    // The client's own answer, asked also while inactive; false before the primitive is loaded.
    static bool isSteamRunning();

    // The single way out for trace lines.
    static void customTrace(const std::string& text);
    // Traces "[STEAM] op(p1,p2)  SUCCEEDED" (or FAILED) and returns result.
    static bool report(const std::string& operation, const std::vector<std::string>& params, bool result);

    // Queue an upload or a download, finding the board first when needed; false only while
    // inactive. A request starts at once when the queue is empty.
    static bool uploadLeaderboardScore(const runtime::Ref<LeaderboardScore>& score);
    static bool downloadLeaderboardScore(const runtime::String& id);
    // Queues FIND(id) unless the board is found or a FIND(id) is queued. Before init: nothing.
    static void findLeaderboardIfNecessary(const runtime::String& id);
    // Starts queued requests until one is accepted (its event starts the next) or the queue is
    // empty. Before init: nothing.
    static void processNextLeaderboardOp();

private:
    static bool enqueue(const LeaderboardOp& op, const runtime::String& leaderboardId);
    // Present and not 0.
    static bool truth(const runtime::Value& result);
    // Calls a slot; an empty slot answers null, as a refusal.
    template <class... A>
    static runtime::Value call(const runtime::Primitive& slot, A&&... args) {
        if (!slot) return runtime::Value();
        return slot(std::forward<A>(args)...);
    }
};

}  // namespace store
