#pragma once
// A queued leaderboard request: find a board, upload a score to it, or download its scores.
#include <string>
#include <utility>

#include "platform/runtime/String.h"
#include "store/LeaderboardScore.h"

namespace store {

class LeaderboardOp {
public:
    // Constructor numbers in this order.
    enum class Kind { FIND, UPLOAD, DOWNLOAD };

    static LeaderboardOp FIND(const runtime::String& id) { return LeaderboardOp(Kind::FIND, id, nullptr); }
    static LeaderboardOp UPLOAD(const runtime::Ref<LeaderboardScore>& score) {
        return LeaderboardOp(Kind::UPLOAD, nullptr, score);
    }
    static LeaderboardOp DOWNLOAD(const runtime::String& id) { return LeaderboardOp(Kind::DOWNLOAD, id, nullptr); }

    Kind kind() const { return kind_; }
    // The board of a FIND or DOWNLOAD.
    const runtime::String& id() const { return id_; }
    // The score of an UPLOAD.
    const runtime::Ref<LeaderboardScore>& score() const { return score_; }

    // Same constructor and equal arguments (texts by content, scores by their fields).
    friend bool operator==(const LeaderboardOp& a, const LeaderboardOp& b);
    // "FIND(id)", "UPLOAD(id,score,detail,rank)", "DOWNLOAD(id)".
    std::string toString() const;

private:
    LeaderboardOp(Kind kind, runtime::String id, runtime::Ref<LeaderboardScore> score)
        : kind_(kind), id_(std::move(id)), score_(std::move(score)) {}

    Kind kind_;
    runtime::String id_;
    runtime::Ref<LeaderboardScore> score_;
};

}  // namespace store
