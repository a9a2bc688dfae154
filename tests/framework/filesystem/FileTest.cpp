#include "framework/filesystem/File.h"

#include <gtest/gtest.h>

#include "platform/media/fake/FakeMediaModule.h"

using framework::File;
using runtime::Value;

TEST(File, UrlEscapesOnlySpaces) {
    File f("/home/a b/c d+e");
    EXPECT_EQ(f.nativePath, runtime::String("/home/a b/c d+e"));
    EXPECT_EQ(f.url, runtime::String("file:/home/a%20b/c%20d+e"));
    File none;
    EXPECT_TRUE(none.nativePath.isNull());
    EXPECT_TRUE(none.url.isNull());
    File null(nullptr);
    EXPECT_TRUE(null.url.isNull());
}

TEST(File, SpecialFoldersAskTheBackEndEveryTime) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    fake.on("media_native_filesystem_get_special_dir",
            [](const std::vector<Value>& args) { return Value("/dir" + std::to_string(args.at(0).toInt())); });
    auto a = File::get_applicationStorageDirectory();
    auto b = File::get_applicationStorageDirectory();
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(a->nativePath, runtime::String("/dir1"));
    EXPECT_EQ(b->nativePath, runtime::String("/dir1"));
    EXPECT_EQ(File::get_applicationDirectory()->nativePath, runtime::String("/dir0"));
    EXPECT_EQ(File::get_desktopDirectory()->nativePath, runtime::String("/dir2"));
    EXPECT_EQ(File::get_documentsDirectory()->nativePath, runtime::String("/dir3"));
    EXPECT_EQ(File::get_userDirectory()->url, runtime::String("file:/dir4"));
    EXPECT_EQ(fake.count("media_native_filesystem_get_special_dir"), 6);
}
