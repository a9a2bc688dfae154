// Hostile save files read in a child process under a memory and a time limit: each one reads
// as an empty save, quickly, and is left as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/system/ModuleLoader.h"

namespace {
constexpr long MEMORY_LIMIT_KB = 1024 * 1024;  // resident size at which the child is killed
constexpr int TIME_LIMIT_MS = 120000;  // a read that never ends (as /dev/zero once did)

struct Outcome {
    int status = -1;
    std::string output;
    double seconds = 0;
    long peakKb = 0;
    bool killed = false;
};

long residentKb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

Outcome readInChild(const std::string& home, const std::string& name) {
    std::string helper = sys::ModuleLoader::executableDir() + "save_read_helper";
    std::string out = home + "/" + name + ".out";
    std::fflush(stdout);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        FILE* f = std::freopen(out.c_str(), "w", stdout);
        (void)f;
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        execl(helper.c_str(), helper.c_str(), name.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Outcome o;
    int status = 0;
    rusage usage{};
    while (true) {
        pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid) break;
        auto elapsed = std::chrono::steady_clock::now() - start;
        if (residentKb(pid) > MEMORY_LIMIT_KB || elapsed > std::chrono::milliseconds(TIME_LIMIT_MS)) {
            o.killed = true;
            kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    o.peakKb = usage.ru_maxrss;
    // The last line: the reader's trace comes before it.
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);) o.output = line;
    return o;
}

void writeRepeated(const std::string& path, const std::string& head, const std::string& unit, std::size_t bytes,
                   const std::string& tail) {
    std::ofstream f(path, std::ios::binary);
    f << head;
    std::string block;
    while (block.size() < (1u << 20)) block += unit;
    std::size_t written = head.size();
    while (written < bytes) {
        f << block;
        written += block.size();
    }
    f << tail;
}
}  // namespace

TEST(SharedObjectHostile, HostileSavesReadAsEmptyQuicklyAndStayAsTheyWere) {
    std::string home = ::testing::TempDir() + "glv-hostile-" + std::to_string(getpid());
    std::string folder = home + "/GlvTest/Saves/";
    ASSERT_EQ(std::system(("mkdir -p " + folder).c_str()), 0);
    std::string thousand(1000, 'a');
    // 50 MB of references to one string: larger than any save may be.
    writeRepeated(folder + "huge.sol", "ay1000:" + thousand, "R0", 50u << 20, "h");
    // 15 MB of the same: small enough to read, but the strings it would build are not.
    writeRepeated(folder + "refs.sol", "ay1000:" + thousand, "R0", 15u << 20, "h");
    // Millions of values, and millions of empty objects.
    writeRepeated(folder + "nulls.sol", "a", "n", 15u << 20, "h");
    writeRepeated(folder + "objects.sol", "a", "oh", 15u << 20, "h");
    ASSERT_EQ(symlink("/dev/zero", (folder + "zero.sol").c_str()), 0);
    ASSERT_EQ(mkfifo((folder + "pipe.sol").c_str(), 0600), 0);

    // A save that does not exist: the cost of starting the helper at all.
    Outcome base = readInChild(home, "none");
    ASSERT_EQ(base.output, "fields=0");
    for (const char* name : {"huge", "refs", "nulls", "objects", "zero", "pipe"}) {
        std::string file = folder + name + ".sol";
        struct stat before{};
        lstat(file.c_str(), &before);
        Outcome o = readInChild(home, name);
        EXPECT_FALSE(o.killed) << name << ": killed after " << o.seconds << " s at " << o.peakKb << " KB";
        EXPECT_EQ(o.status, 0) << name;
        EXPECT_EQ(o.output, "fields=0") << name;
        // Close to an empty start (an optimised build reads each in well under a second; this
        // allows for the sanitizers on a loaded machine), and well under the memory limit.
        EXPECT_LT(o.seconds, base.seconds * 3 + 10.0) << name;
        EXPECT_LT(o.peakKb, MEMORY_LIMIT_KB / 2) << name;
        struct stat after{};
        lstat(file.c_str(), &after);
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_size, before.st_size) << name;
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec) << name;
        std::printf("%s: %.2f s, %ld KB (empty start: %.2f s, %ld KB)\n", name, o.seconds, o.peakKb, base.seconds,
                    base.peakKb);
    }
    std::system(("rm -rf " + home).c_str());
}
