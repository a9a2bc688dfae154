#include "LeaderboardScore.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace store {

namespace {
// A number part: "0x"/"0X" then hexadecimal digits, or blanks, a sign and decimal digits.
// Values past 32 bits keep their low 32 bits. Empty when no digit was read.
std::optional<int> readInt(std::string_view s) {
    uint32_t acc = 0;
    bool any = false;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        for (std::size_t i = 2; i < s.size(); ++i) {
            char c = s[i];
            uint32_t d;
            if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
            else break;
            acc = acc * 16u + d;
            any = true;
        }
        if (!any) return std::nullopt;
        return static_cast<int>(acc);
    }
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r' || s[i] == '\v' || s[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        acc = acc * 10u + static_cast<uint32_t>(s[i] - '0');
        any = true;
    }
    if (!any) return std::nullopt;
    return static_cast<int>(negative ? 0u - acc : acc);
}
}  // namespace

LeaderboardScore::LeaderboardScore(runtime::String leaderboardId, int score, int detail, int rank)
    : leaderboardId(std::move(leaderboardId)), score(score), detail(detail), rank(rank) {}

std::string LeaderboardScore::toString() const {
    return leaderboardId.toText() + "," + std::to_string(score) + "," + std::to_string(detail) + "," +
           std::to_string(rank);
}

runtime::Ref<LeaderboardScore> LeaderboardScore::fromString(const runtime::String& text) {
    std::vector<std::string_view> parts;
    std::string_view rest = text.isNull() ? std::string_view("null") : std::string_view(text.str());
    for (;;) {
        std::size_t comma = rest.find(',');
        parts.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (parts.size() != 4) return nullptr;
    return runtime::make<LeaderboardScore>(runtime::String(parts[0]), readInt(parts[1]).value_or(0),
                                           readInt(parts[2]).value_or(0), readInt(parts[3]).value_or(-1));
}

}  // namespace store

using store::LeaderboardScore;

RUNTIME_DEFINE_CLASS(LeaderboardScore, "store.LeaderboardScore", runtime::Object, (auto& b) {
    b.template field<&LeaderboardScore::leaderboardId>("leaderboardId")
        .template field<&LeaderboardScore::score>("score")
        .template field<&LeaderboardScore::detail>("detail")
        .template field<&LeaderboardScore::rank>("rank");
})
