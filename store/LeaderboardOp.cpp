#include "LeaderboardOp.h"

namespace store {

bool operator==(const LeaderboardOp& a, const LeaderboardOp& b) {
    if (a.kind_ != b.kind_) return false;
    if (a.kind_ != LeaderboardOp::Kind::UPLOAD) return a.id_ == b.id_;
    if (a.score_.get() == b.score_.get()) return true;
    if (!a.score_ || !b.score_) return false;
    const LeaderboardScore& x = *a.score_;
    const LeaderboardScore& y = *b.score_;
    return x.leaderboardId == y.leaderboardId && x.score == y.score && x.detail == y.detail && x.rank == y.rank;
}

std::string LeaderboardOp::toString() const {
    switch (kind_) {
        case Kind::FIND: return "FIND(" + id_.toText() + ")";
        case Kind::UPLOAD: return "UPLOAD(" + (score_ ? score_->toString() : std::string("null")) + ")";
        case Kind::DOWNLOAD: return "DOWNLOAD(" + id_.toText() + ")";
    }
    return "";
}

}  // namespace store
