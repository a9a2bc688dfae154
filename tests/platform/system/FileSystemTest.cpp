#include "platform/system/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/runtime/Thrown.h"

using sys::FileSystem;

namespace {
std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const runtime::Thrown& t) {
        return t.value().toText();
    }
    return "<no error>";
}
}  // namespace

TEST(FileSystem, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    std::string dir = ::testing::TempDir() + "glv-fs-" + std::to_string(getpid());
    std::filesystem::remove_all(dir);
    FileSystem::createDirectory(dir);
    EXPECT_TRUE(FileSystem::isDirectory(dir));
    std::string f = dir + "/save.sol";
    EXPECT_FALSE(FileSystem::readFile(f).has_value());
    FileSystem::writeFileAtomic(f, "first, longer text");
    FileSystem::writeFileAtomic(f, "second");
    EXPECT_EQ(FileSystem::readFile(f).value(), "second");
    FileSystem::writeFileAtomic(f, "");
    EXPECT_EQ(FileSystem::readFile(f).value(), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);

    EXPECT_EQ(errorOf([&] { FileSystem::createDirectory(dir); }), "Could not create directory:" + dir);
    EXPECT_EQ(errorOf([&] { FileSystem::deleteFile(dir + "/none"); }), "Could not delete file:" + dir + "/none");
    EXPECT_EQ(errorOf([&] { FileSystem::writeFileAtomic(dir + "/no/such", "x"); }).rfind("Could not write file:" + dir + "/no/such: ", 0), 0u);

    // A folder that refuses new files: the old save stays as it was, no temporary is left.
    if (geteuid() != 0) {
        chmod(dir.c_str(), 0500);
        EXPECT_NE(errorOf([&] { FileSystem::writeFileAtomic(f, "third"); }), "<no error>");
        chmod(dir.c_str(), 0700);
        EXPECT_EQ(FileSystem::readFile(f).value(), "");
    }
    FileSystem::deleteFile(f);
    EXPECT_FALSE(FileSystem::exists(f));
    std::filesystem::remove_all(dir);
}

TEST(FileSystem, FullDiskFailsTheWriteAndKeepsTheOldFile) {
    // /dev/full answers every write with "no space left".
    if (!FileSystem::exists("/dev/full")) GTEST_SKIP();
    std::string dir = ::testing::TempDir() + "glv-full-" + std::to_string(getpid());
    std::filesystem::remove_all(dir);
    FileSystem::createDirectory(dir);
    std::string f = dir + "/save.sol";
    FileSystem::writeFileAtomic(f, "old");
    // The temporary of this process is a link to /dev/full.
    std::string tmp = f + "." + std::to_string(getpid()) + ".tmp";
    ASSERT_EQ(symlink("/dev/full", tmp.c_str()), 0);
    std::string e = errorOf([&] { FileSystem::writeFileAtomic(f, std::string(100000, 'x')); });
    EXPECT_EQ(e.rfind("Could not write file:" + f + ": ", 0), 0u) << e;
    EXPECT_EQ(FileSystem::readFile(f).value(), "old");
    EXPECT_FALSE(FileSystem::exists(tmp));
    std::filesystem::remove_all(dir);
}
