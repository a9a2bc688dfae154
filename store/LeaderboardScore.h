#pragma once
// One leaderboard entry, as it travels to and from the store client in its text form
// "id,score,detail,rank".
#include <string>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace store {

class LeaderboardScore : public runtime::Object {
    RUNTIME_CLASS(LeaderboardScore)
public:
    LeaderboardScore(runtime::String leaderboardId, int score, int detail, int rank = -1);

    runtime::String leaderboardId;
    int score = 0;
    int detail = 0;
    int rank = -1;  // place on the board; -1 when not given

    // "id,score,detail,rank" with the numbers in decimal.
    std::string toString() const override;
    // Reads the text form back: exactly four parts split at ","; the id is kept as it is, the
    // numbers are decimal (leading blanks and sign allowed) or "0x" hexadecimal and end at the
    // first character that does not fit. An unreadable score or detail is 0, rank -1. Null
    // when the part count is not four.
    static runtime::Ref<LeaderboardScore> fromString(const runtime::String& text);
};

}  // namespace store
