#include "platform/runtime/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using runtime::Resources;

namespace {

std::string text(std::string_view name) {
    auto bytes = Resources::get(name);
    return bytes ? bytes->toString() : std::string("<absent>");
}

TEST(Resources, FilesOfAFolderAreNamedByPrefixAndRelativePath) {
    struct Case {
        const char* name;
        const char* content;
    };
    const Case cases[] = {
        {"test/hello.txt", "Hello, embedded world.\n"},
        {"test/nested/deeper/note.txt", "A note two folders down.\n"},
        {"test/with space.txt", "spaces and \"quotes\" survive\n"},
        {"test/empty.txt", ""},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Resources::exists(c.name)) << c.name;
        EXPECT_EQ(text(c.name), c.content) << c.name;
    }
    auto hello = Resources::get("test/hello.txt");
    EXPECT_EQ(hello->length(), 23);
    EXPECT_EQ(hello->getField("length").toInt(), 23);  // read by name, as the back end does

    auto empty = Resources::get("test/empty.txt");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->length(), 0);
    bool found = false;
    EXPECT_TRUE(Resources::data("test/empty.txt", &found).empty());
    EXPECT_TRUE(found);
}

TEST(Resources, UnknownNamesAndHiddenFilesAreAbsent) {
    for (const char* name : {"test/.hidden", "hello.txt", "test/hello", "test/nested", "", "test/HELLO.TXT"}) {
        EXPECT_FALSE(Resources::exists(name)) << name;
        EXPECT_FALSE(Resources::get(name)) << name;
        bool found = true;
        EXPECT_TRUE(Resources::data(name, &found).empty());
        EXPECT_FALSE(found) << name;
    }
}

TEST(Resources, NamesAreListedSorted) {
    std::vector<std::string> names = Resources::names();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    const std::vector<std::string> expected = {"__generated__:bytes", "__generated__:large", "test/empty.txt",
                                               "test/hello.txt", "test/nested/deeper/note.txt",
                                               "test/with space.txt"};
    EXPECT_EQ(names, expected);
}

TEST(Resources, BinaryFilesMadeByTheBuildKeepEveryByte) {
    auto all = Resources::data("__generated__:bytes");
    ASSERT_EQ(all.size(), 1024u);
    for (std::size_t i = 0; i < all.size(); ++i) ASSERT_EQ(all[i], static_cast<uint8_t>(i)) << i;

    auto large = Resources::data("__generated__:large");
    ASSERT_EQ(large.size(), 8u << 20);
    for (std::size_t i = 0; i < large.size(); ++i)
        ASSERT_EQ(large[i], static_cast<uint8_t>(i * 31 + i / 4096)) << i;
    // Copies are the program's own: changing one leaves the embedded bytes alone.
    auto copy = Resources::get("__generated__:bytes");
    copy->b->bytes[0] = 0xAB;
    EXPECT_EQ(Resources::data("__generated__:bytes")[0], 0);
}

TEST(Resources, ATableAddedLaterKeepsFirstNamesAndIsRemovedWhole) {
    static const uint8_t other[] = {1, 2, 3};
    static const Resources::Entry table[] = {
        {"test/hello.txt", other, sizeof other},
        {"later/added", other, sizeof other},
    };
    Resources::add(table, 2);
    EXPECT_EQ(text("test/hello.txt"), "Hello, embedded world.\n");
    EXPECT_EQ(Resources::data("later/added").size(), 3u);
    Resources::remove(table, 2);
    EXPECT_FALSE(Resources::exists("later/added"));
    EXPECT_EQ(text("test/hello.txt"), "Hello, embedded world.\n");  // not this table's entry
}

}  // namespace
