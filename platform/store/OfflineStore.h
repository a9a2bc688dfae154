#pragma once
// An offline store client: it keeps the user's achievements, integer statistics and leaderboard
// entries in a small file under the user's data folder, and answers each request with an event
// record {type, success, data} delivered on the next runCallbacks, as a networked client would.
// With STORECLIENT_UNAVAILABLE set (to anything but "" or "0") it acts as a client that is not
// running: it refuses to start.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/runtime/Function.h"

namespace storeclient {

class OfflineStore {
public:
    struct Event {
        std::string type;
        bool success;
        std::string data;
    };
    struct Entry {
        int score = 0;
        int detail = 0;
    };

    // Starts the client; events go to callback from then on. The stored state is read on the
    // first start after construction or shutdown. False while the client is unavailable.
    bool init(const runtime::Ref<runtime::Function>& callback);
    // Stops the client: pending events are dropped and found leaderboards forgotten.
    void shutdown();
    bool started() const { return started_; }
    // Delivers the events pending at the call; events raised meanwhile wait for the next call.
    void runCallbacks();

    // Each request below answers false when the client is not started or an id is invalid.
    // Statistics change in memory and reach the file with storeStats; an achievement change is
    // stored at once ("UserStatsStored", then "UserAchievementStored" for an unlock).
    bool requestStats();         // "UserStatsReceived"
    bool requestGlobalStats();   // "GlobalStatsReceived", always failing: there is no server
    std::optional<int> getStat(const std::string& id) const;
    bool setStat(const std::string& id, int value);
    bool setAchievement(const std::string& id);
    bool clearAchievement(const std::string& id);
    bool hasAchievement(const std::string& id) const { return achievements_.count(id) != 0; }
    bool storeStats();           // "UserStatsStored"
    // "LeaderboardFound" with the id; an invalid id is accepted and then reported as not found.
    // A found leaderboard is made when it does not exist yet; it can be used once the event
    // has been delivered.
    bool findLeaderboard(const std::string& id);
    // Need the leaderboard found first. The board keeps the best score of the user;
    // "ScoreUploaded" carries the entry it holds afterwards.
    bool uploadScore(const std::string& id, int score, int detail);
    // "ScoreDownloaded" with the entries ranked first to last ("id,score,detail,rank", joined by
    // ";"); first and last both 0 take the whole board.
    bool downloadScores(const std::string& id, int first, int last);

    const std::vector<Event>& pending() const { return pending_; }

    // Whether STORECLIENT_UNAVAILABLE says the client is not running.
    static bool unavailable();
    // $XDG_DATA_HOME (when absolute) or ~/.local/share, then "storeclient/user-stats".
    static std::string dataFile();
    // Ids are 1 to 128 characters without blanks, control characters, "," or ";".
    static bool validId(const std::string& id);

    // One record a line: "achievement <id>", "stat <id> <value>", "score <board> <score>
    // <detail>"; numbers are whole 32-bit decimals. Lines that do not read wholly as one of
    // these are skipped.
    struct Records {
        std::set<std::string> achievements;
        std::map<std::string, int> stats;
        std::map<std::string, Entry> boards;
    };
    static Records parse(const std::string& text);
    static std::string format(const Records& records);

private:
    // Reads the file into memory. A file that cannot be read as text is moved aside
    // (".corrupt" added to its name) and the client starts empty.
    void load();
    // Writes this client's changes under the file's lock, merged into what the file holds now,
    // so clients running at once keep each other's records.
    bool save();
    // The file's records; nothing when it exists but cannot be read as text (moved aside then).
    static std::optional<Records> readFile(const std::string& path);
    void post(std::string type, bool success, std::string data);
    std::string entryText(const std::string& id, const Entry& e, int rank) const;

    bool started_ = false;
    bool loaded_ = false;
    runtime::Ref<runtime::Function> callback_;
    std::vector<Event> pending_;
    std::set<std::string> achievements_;
    std::map<std::string, int> stats_;
    std::map<std::string, Entry> boards_;  // one entry per board: this user's best
    // What this client changed since it last wrote, to merge into the file's newer state.
    std::set<std::string> unlocked_;
    std::set<std::string> cleared_;
    std::set<std::string> statsSet_;
    std::set<std::string> found_;
};

}  // namespace storeclient
