// The real back end's special folders.
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/system/ModuleLoader.h"

using runtime::Value;

TEST(SpecialDir, StorageIsTheXdgDataFolderOfThePackage) {
    auto dir = prim("media_native_filesystem_get_special_dir", 1);
    auto setPackage = prim("media_native_set_package", 4);
    ASSERT_TRUE(dir);
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data/x/", 1);
    setPackage("Maker", "Game", "pkg", "1.0");
    EXPECT_EQ(dir(1).toText(), "/data/x/Maker/Game");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dir(1).toText(), "/home/player/.local/share/Maker/Game");
    setenv("XDG_DATA_HOME", "relative", 1);  // only an absolute path counts
    EXPECT_EQ(dir(1).toText(), "/home/player/.local/share/Maker/Game");
    EXPECT_EQ(dir(4).toText(), "/home/player");
    EXPECT_EQ(dir(2).toText(), "/home/player/Desktop");
    EXPECT_EQ(dir(3).toText(), "/home/player/Documents");
    std::string app = dir(0).toText();
    EXPECT_EQ(app + "/", sys::ModuleLoader::executableDir());
    EXPECT_TRUE(dir(9).isNull());
    setPackage("", "", "", "");
    EXPECT_EQ(dir(1).toText(), "/home/player/.local/share/platform_tests");
    unsetenv("XDG_DATA_HOME");
}
