#include "OfflineStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sstream>
#include <utility>

#include "platform/runtime/DynamicObject.h"
#include "platform/system/FileSystem.h"

namespace storeclient {

namespace {
std::string home() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

// Creates path's folder and its missing parents; false when one cannot be made.
bool makeParents(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::string dir = path.substr(0, slash);
        if (sys::FileSystem::isDirectory(dir)) continue;
        try {
            sys::FileSystem::createDirectory(dir);
        } catch (...) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool OfflineStore::unavailable() {
    const char* v = std::getenv("STORECLIENT_UNAVAILABLE");
    return v && *v && std::string(v) != "0";
}

std::string OfflineStore::dataFile() {
    std::string base;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && x[0] == '/') base = x;
    else base = home() + "/.local/share";
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/storeclient/user-stats";
}

bool OfflineStore::validId(const std::string& id) {
    if (id.empty() || id.size() > 128) return false;
    for (unsigned char c : id)
        if (c <= ' ' || c == 0x7F || c == ',' || c == ';') return false;
    return true;
}

bool OfflineStore::init(const runtime::Ref<runtime::Function>& callback) {
    if (unavailable()) return false;
    if (!loaded_) load();
    callback_ = callback;
    started_ = true;
    return true;
}

void OfflineStore::shutdown() {
    started_ = false;
    loaded_ = false;
    callback_ = nullptr;
    pending_.clear();
    found_.clear();
}

void OfflineStore::runCallbacks() {
    if (!started_) return;
    std::vector<Event> due;
    due.swap(pending_);
    for (Event& e : due) {
        if (!started_) break;
        // A board's handle is known from the moment its answer arrives.
        if (e.type == "LeaderboardFound" && e.success) found_.insert(e.data);
        if (!callback_) continue;
        auto record = runtime::make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, runtime::Value>>{
            {"type", runtime::Value(e.type)}, {"success", runtime::Value(e.success ? 1 : 0)},
            {"data", runtime::Value(e.data)}});
        runtime::Ref<runtime::Function> callback = callback_;
        try {
            (*callback)(runtime::Value(record));
        } catch (const runtime::Thrown& t) {
            std::fprintf(stderr, "storeclient: event handler failed: %s\n", t.value().toText().c_str());
        } catch (const std::exception& x) {
            std::fprintf(stderr, "storeclient: event handler failed: %s\n", x.what());
        }
    }
}

bool OfflineStore::requestStats() {
    if (!started_) return false;
    post("UserStatsReceived", true, "local");
    return true;
}

bool OfflineStore::requestGlobalStats() {
    if (!started_) return false;
    post("GlobalStatsReceived", false, "offline");
    return true;
}

std::optional<int> OfflineStore::getStat(const std::string& id) const {
    if (!started_) return std::nullopt;
    auto it = stats_.find(id);
    if (it == stats_.end()) return std::nullopt;
    return it->second;
}

bool OfflineStore::setStat(const std::string& id, int value) {
    if (!started_ || !validId(id)) return false;
    stats_[id] = value;
    statsSet_.insert(id);
    return true;
}

bool OfflineStore::setAchievement(const std::string& id) {
    if (!started_ || !validId(id)) return false;
    if (!achievements_.insert(id).second) return true;
    unlocked_.insert(id);
    cleared_.erase(id);
    bool stored = save();
    post("UserStatsStored", stored, "");
    if (stored) post("UserAchievementStored", true, id);
    return true;
}

bool OfflineStore::clearAchievement(const std::string& id) {
    if (!started_ || !validId(id)) return false;
    if (achievements_.erase(id) == 0) return true;
    cleared_.insert(id);
    unlocked_.erase(id);
    post("UserStatsStored", save(), "");
    return true;
}

bool OfflineStore::storeStats() {
    if (!started_) return false;
    post("UserStatsStored", save(), "");
    return true;
}

bool OfflineStore::findLeaderboard(const std::string& id) {
    if (!started_) return false;
    post("LeaderboardFound", validId(id), id);
    return true;
}

bool OfflineStore::uploadScore(const std::string& id, int score, int detail) {
    if (!started_ || found_.count(id) == 0) return false;
    auto it = boards_.find(id);
    if (it == boards_.end() || score > it->second.score) boards_[id] = Entry{score, detail};
    bool stored = save();
    post("ScoreUploaded", stored, stored ? entryText(id, boards_[id], 1) : std::string());
    return true;
}

bool OfflineStore::downloadScores(const std::string& id, int first, int last) {
    if (!started_ || found_.count(id) == 0) return false;
    std::string data;
    auto it = boards_.find(id);
    const int rank = 1;  // the board holds this user alone
    bool whole = first == 0 && last == 0;
    if (it != boards_.end() && (whole || (rank >= first && rank <= last))) data = entryText(id, it->second, rank);
    post("ScoreDownloaded", true, data);
    return true;
}

std::string OfflineStore::entryText(const std::string& id, const Entry& e, int rank) const {
    return id + "," + std::to_string(e.score) + "," + std::to_string(e.detail) + "," + std::to_string(rank);
}

void OfflineStore::post(std::string type, bool success, std::string data) {
    pending_.push_back(Event{std::move(type), success, std::move(data)});
}

namespace {
// A whole token as a 32-bit decimal: no trailing characters, nothing out of range.
std::optional<int> wholeNumber(const std::string& s) {
    int value = 0;
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (s.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// Holds the lock file beside the data file while it lives.
class FileLock {
public:
    explicit FileLock(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
        if (fd_ >= 0) {
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};
}  // namespace

OfflineStore::Records OfflineStore::parse(const std::string& text) {
    Records r;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind, id, a, b, extra;
        words >> kind >> id >> a >> b >> extra;
        if (!validId(id) || !extra.empty()) continue;
        if (kind == "achievement" && a.empty()) {
            r.achievements.insert(id);
        } else if (kind == "stat" && b.empty() && wholeNumber(a)) {
            r.stats[id] = *wholeNumber(a);
        } else if (kind == "score" && wholeNumber(a) && wholeNumber(b)) {
            r.boards[id] = Entry{*wholeNumber(a), *wholeNumber(b)};
        }
    }
    return r;
}

std::string OfflineStore::format(const Records& r) {
    std::string text;
    for (const std::string& id : r.achievements) text += "achievement " + id + "\n";
    for (const auto& [id, value] : r.stats) text += "stat " + id + " " + std::to_string(value) + "\n";
    for (const auto& [id, e] : r.boards)
        text += "score " + id + " " + std::to_string(e.score) + " " + std::to_string(e.detail) + "\n";
    return text;
}

std::optional<OfflineStore::Records> OfflineStore::readFile(const std::string& path) {
    if (!sys::FileSystem::exists(path)) return Records{};
    std::string why;
    std::optional<std::string> text = sys::FileSystem::readFile(path, sys::FileSystem::MAX_READ_BYTES, &why);
    if (text && text->find('\0') != std::string::npos) {
        text.reset();
        why = "not text";
    }
    if (text) return parse(*text);
    // Kept for the user to look at; never overwritten as if it were empty.
    std::string aside = path + ".corrupt";
    if (::rename(path.c_str(), aside.c_str()) == 0)
        std::fprintf(stderr, "storeclient: %s could not be read (%s); moved to %s\n", path.c_str(), why.c_str(),
                     aside.c_str());
    else
        std::fprintf(stderr, "storeclient: %s could not be read (%s)\n", path.c_str(), why.c_str());
    return std::nullopt;
}

void OfflineStore::load() {
    loaded_ = true;
    unlocked_.clear();
    cleared_.clear();
    statsSet_.clear();
    const std::string path = dataFile();
    std::optional<Records> r;
    if (makeParents(path)) {
        FileLock lock(path + ".lock");
        r = readFile(path);
    } else {
        r = readFile(path);
    }
    Records records = r.value_or(Records{});
    achievements_ = std::move(records.achievements);
    stats_ = std::move(records.stats);
    boards_ = std::move(records.boards);
}

bool OfflineStore::save() {
    const std::string path = dataFile();
    if (!makeParents(path)) return false;
    FileLock lock(path + ".lock");
    // What other clients stored meanwhile, with this client's changes over it.
    Records merged = readFile(path).value_or(Records{});
    for (const std::string& id : unlocked_) merged.achievements.insert(id);
    for (const std::string& id : cleared_) merged.achievements.erase(id);
    for (const std::string& id : statsSet_) merged.stats[id] = stats_[id];
    for (const auto& [id, e] : boards_) {
        auto it = merged.boards.find(id);
        if (it == merged.boards.end() || e.score > it->second.score) merged.boards[id] = e;
    }
    try {
        sys::FileSystem::writeFileAtomic(path, format(merged));
    } catch (...) {
        return false;
    }
    achievements_ = merged.achievements;
    stats_ = merged.stats;
    boards_ = merged.boards;
    unlocked_.clear();
    cleared_.clear();
    statsSet_.clear();
    return true;
}

}  // namespace storeclient
