#include "StoreWrap.h"

#include <string_view>

#include "platform/runtime/Trace.h"
#include "platform/system/ModuleLoader.h"

namespace store {

using runtime::Primitive;
using runtime::String;
using runtime::Value;

void StoreWrap::init() {
    if (active) return;
    leaderboardIds.emplace();
    leaderboardOps.emplace();

    struct Slot {
        Primitive* slot;
        const char* name;
        int argCount;
    };
    const Slot slots[] = {
        {&StoreWrap_Init, "StoreWrap_Init", 1},
        {&StoreWrap_Shutdown, "StoreWrap_Shutdown", 0},
        {&StoreWrap_RunCallbacks, "StoreWrap_RunCallbacks", 0},
        {&StoreWrap_RequestStats, "StoreWrap_RequestStats", 0},
        {&StoreWrap_GetStat, "StoreWrap_GetStat", 1},
        {&StoreWrap_SetStat, "StoreWrap_SetStat", 2},
        {&StoreWrap_SetAchievement, "StoreWrap_SetAchievement", 1},
        {&StoreWrap_ClearAchievement, "StoreWrap_ClearAchievement", 1},
        {&StoreWrap_StoreStats, "StoreWrap_StoreStats", 0},
        {&StoreWrap_FindLeaderboard, "StoreWrap_FindLeaderboard", 1},
        {&StoreWrap_UploadScore, "StoreWrap_UploadScore", 3},
        {&StoreWrap_DownloadScores, "StoreWrap_DownloadScores", 3},
        {&StoreWrap_RequestGlobalStats, "StoreWrap_RequestGlobalStats", 0},
        {&StoreWrap_GetGlobalStat, "StoreWrap_GetGlobalStat", 1},
        {&StoreWrap_IsSteamRunning, "StoreWrap_IsSteamRunning", 0},
    };
    try {
        for (const Slot& s : slots) *s.slot = Primitive(sys::ModuleLoader::find(MODULE, s.name, s.argCount));
    } catch (const runtime::Thrown& t) {
        customTrace("Running non-Steam version (" + t.value().toText() + ")");
        return;
    }

    if (truth(call(StoreWrap_Init, runtime::Function::of<&StoreWrap::onStoreEvent>()))) {
        active = true;
        customTrace("Steam active");
        call(StoreWrap_RequestStats);
        call(StoreWrap_RequestGlobalStats);
    } else {
        active = false;
        customTrace("Steam failed to activate");
        wantQuit = true;
    }
}

void StoreWrap::onEnterFrame() {
    if (!active) return;
    call(StoreWrap_RunCallbacks);
    if (wantStoreStats) {
        wantStoreStats = false;
        call(StoreWrap_StoreStats);
    }
}

void StoreWrap::onStoreEvent(const Value& event) {
    const std::string type = event.field("type").toText();
    const Value successField = event.field("success");
    const bool success = successField.isNumber() || successField.isBool() ? successField.toInt() != 0 : false;
    const std::string data = event.field("data").toText();

    customTrace("[STEAM] " + type + (success ? " SUCCESS" : " FAIL") + " (" + data + ")");

    if (type == "UserStatsReceived") {
        haveReceivedUserStats = success;
    } else if (type == "UserStatsStored") {
        wantStoreStats = !success;
    } else if (type == "UserAchievementStored") {
        if (whenAchievementStored) (*whenAchievementStored)(Value(data));
    } else if (type == "GlobalStatsReceived") {
        haveGlobalStats = success;
    } else if (type == "LeaderboardFound") {
        if (success && leaderboardIds) leaderboardIds->push_back(String(data));
        processNextLeaderboardOp();
    } else if (type == "ScoreDownloaded") {
        if (success) {
            std::string_view rest(data);
            for (;;) {
                std::size_t cut = rest.find(';');
                auto score = LeaderboardScore::fromString(String(rest.substr(0, cut)));
                if (score && whenLeaderboardScoreDownloaded) (*whenLeaderboardScoreDownloaded)(Value(score));
                if (cut == std::string_view::npos) break;
                rest.remove_prefix(cut + 1);
            }
        }
        processNextLeaderboardOp();
    } else if (type == "ScoreUploaded") {
        if (success) {
            auto score = LeaderboardScore::fromString(String(data));
            if (score && whenLeaderboardScoreUploaded) (*whenLeaderboardScoreUploaded)(Value(score));
        }
        processNextLeaderboardOp();
    }
}

bool StoreWrap::setAchievement(const String& id) {
    if (!active) return false;
    return report("setAchievement", {id.toText()}, truth(call(StoreWrap_SetAchievement, id)));
}

bool StoreWrap::clearAchievement(const String& id) {
    if (!active) return false;
    return report("clearAchievement", {id.toText()}, truth(call(StoreWrap_ClearAchievement, id)));
}

bool StoreWrap::setStat(const String& id, int value) {
    if (!active) return false;
    return report("setStat", {id.toText(), std::to_string(value)}, truth(call(StoreWrap_SetStat, id, value)));
}

bool StoreWrap::storeStats() {
    if (!active) return false;
    return report("storeStats", {}, truth(call(StoreWrap_StoreStats)));
}

void StoreWrap::shutdown() {
    if (active) call(StoreWrap_Shutdown);
}

bool StoreWrap::isSteamRunning() { return truth(call(StoreWrap_IsSteamRunning)); }

void StoreWrap::customTrace(const std::string& text) {
    if (whenTrace) (*whenTrace)(Value(text));
    else RUNTIME_TRACE(Value(text));
}

bool StoreWrap::report(const std::string& operation, const std::vector<std::string>& params, bool result) {
    std::string line = "[STEAM] " + operation + "(";
    for (std::size_t i = 0; i < params.size(); ++i) {
        if (i > 0) line += ",";
        line += params[i];
    }
    line += ") ";
    line += result ? " SUCCEEDED" : " FAILED";
    customTrace(line);
    return result;
}

bool StoreWrap::uploadLeaderboardScore(const runtime::Ref<LeaderboardScore>& score) {
    if (!active || !score) return false;
    return enqueue(LeaderboardOp::UPLOAD(score), score->leaderboardId);
}

bool StoreWrap::downloadLeaderboardScore(const String& id) {
    if (!active) return false;
    return enqueue(LeaderboardOp::DOWNLOAD(id), id);
}

bool StoreWrap::enqueue(const LeaderboardOp& op, const String& leaderboardId) {
    const bool idle = leaderboardOps->empty();
    findLeaderboardIfNecessary(leaderboardId);
    leaderboardOps->push_back(op);
    if (idle) processNextLeaderboardOp();
    return true;
}

void StoreWrap::findLeaderboardIfNecessary(const String& id) {
    if (!leaderboardIds || !leaderboardOps) return;
    for (const String& known : *leaderboardIds)
        if (known == id) return;
    const LeaderboardOp find = LeaderboardOp::FIND(id);
    for (const LeaderboardOp& queued : *leaderboardOps)
        if (queued == find) return;
    leaderboardOps->push_back(find);
}

void StoreWrap::processNextLeaderboardOp() {
    while (leaderboardOps && !leaderboardOps->empty()) {
        const LeaderboardOp op = leaderboardOps->front();
        leaderboardOps->pop_front();
        bool accepted = false;
        switch (op.kind()) {
            case LeaderboardOp::Kind::FIND:
                accepted = report("Leaderboard.FIND", {op.id().toText()}, truth(call(StoreWrap_FindLeaderboard, op.id())));
                break;
            case LeaderboardOp::Kind::UPLOAD: {
                const LeaderboardScore& s = *op.score();
                accepted = report("Leaderboard.UPLOAD", {s.toString()},
                                  truth(call(StoreWrap_UploadScore, s.leaderboardId, s.score, s.detail)));
                break;
            }
            case LeaderboardOp::Kind::DOWNLOAD:
                accepted = report("Leaderboard.DOWNLOAD", {op.id().toText()},
                                  truth(call(StoreWrap_DownloadScores, op.id(), 0, 0)));
                break;
        }
        if (accepted) return;
    }
}

bool StoreWrap::truth(const Value& result) { return !result.isNull() && result.toInt() != 0; }

}  // namespace store
