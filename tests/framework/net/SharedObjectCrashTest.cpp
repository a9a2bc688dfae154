// Kills a process in the middle of its flushes: the save must always hold a whole text.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>

#include "framework/serialization/Serializer.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/system/FileSystem.h"
#include "platform/system/ModuleLoader.h"

namespace {
// True when text is one whole save as the helper (or the test) writes it.
::testing::AssertionResult wholeSave(const std::string& text) {
    framework::Unserializer u(text);
    runtime::Value v;
    try {
        v = u.unserialize();
    } catch (const runtime::Thrown& t) {
        return ::testing::AssertionFailure() << "unreadable: " << t.value().toText() << " (" << text.size() << " bytes)";
    }
    if (u.pos != text.size()) return ::testing::AssertionFailure() << "trailing bytes";
    int n = v.field("n").toInt();
    std::string pad = v.field("pad").toText();
    std::size_t want = n < 0 ? 5 : (n % 2 ? 150000 : 60000);
    if (pad.size() != want) return ::testing::AssertionFailure() << "pad of " << pad.size() << " for n " << n;
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(SharedObjectCrash, KilledWriterLeavesTheOldOrTheNewText) {
    std::string home = ::testing::TempDir() + "glv-crash-" + std::to_string(getpid());
    std::string folder = home + "/GlvTest/Saves";
    ASSERT_EQ(std::system(("mkdir -p " + folder).c_str()), 0);
    std::string file = folder + "//crash.sol";
    auto old = runtime::make<runtime::DynamicObject>();
    old->setField("n", -1);
    old->setField("pad", "older");
    sys::FileSystem::writeFileAtomic(file, framework::Serializer::run(old));

    std::string helper = sys::ModuleLoader::executableDir() + "save_flush_helper";
    std::mt19937 rng(12345);
    auto start = std::chrono::steady_clock::now();
    int kills = 0;
    // About four seconds of kills, but at least five even on a loaded machine.
    auto elapsed = [&] { return std::chrono::steady_clock::now() - start; };
    while (kills < 40 && (kills < 5 || elapsed() < std::chrono::seconds(4)) && elapsed() < std::chrono::seconds(60)) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            setenv("XDG_DATA_HOME", home.c_str(), 1);
            execl(helper.c_str(), helper.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char c;
        bool started = read(fds[0], &c, 1) == 1;  // the first flush is done
        usleep(std::uniform_int_distribution<int>(0, 20000)(rng));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        close(fds[0]);
        ASSERT_TRUE(started) << "the helper did not start (status " << status << ")";
        ASSERT_TRUE(WIFSIGNALED(status));
        auto text = sys::FileSystem::readFile(file);
        ASSERT_TRUE(text.has_value());
        ASSERT_TRUE(wholeSave(*text)) << "after kill " << kills;
        ++kills;
    }
    EXPECT_GE(kills, 5);
    std::system(("rm -rf " + home).c_str());
}
