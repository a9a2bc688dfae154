#include "framework/Lib.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Trace.h"
#include "platform/system/ModuleLoader.h"

using framework::Lib;

namespace {
void marker(const runtime::Value*, int, runtime::Value* r) { *r = runtime::Value("marker"); }

// Modules by path: a module maps symbols to functions; a path absent from the map cannot load.
struct FakeModules {
    std::map<std::string, std::map<std::string, runtime::PrimitiveFn>> modules;
    std::vector<std::string> attempts;

    void install() {
        sys::ModuleLoader::setResolver([this](const std::string& path, const std::string& symbol) -> runtime::PrimitiveFn {
            attempts.push_back(path + " " + symbol);
            auto m = modules.find(path);
            if (m == modules.end()) runtime::Thrown::text("no module " + path);
            auto s = m->second.find(symbol);
            return s == m->second.end() ? nullptr : s->second;
        });
    }
};

class LibLoad : public ::testing::Test {
protected:
    void SetUp() override {
        Lib::resetModuleNames();
        setenv("FRAMEWORK_LOAD_DEBUG", "", 1);
        fake.install();
        ::testing::internal::CaptureStdout();
    }
    void TearDown() override {
        output();
        unsetenv("FRAMEWORK_LOAD_DEBUG");
        Lib::resetModuleNames();
        media::FakeMediaModule::install();
    }
    std::string output() {
        if (!captured) {
            captured = true;
            out = ::testing::internal::GetCapturedStdout();
        }
        return out;
    }
    FakeModules fake;
    bool captured = false;
    std::string out;
};
}  // namespace

TEST_F(LibLoad, MediaIsSearchedAsMediaNativeAndTheFoundPathIsReused) {
    fake.modules[".\\media-native"] = {{"prim_a__2", &marker}, {"prim_b__MULT", &marker}};
    auto a = Lib::load("media", "prim_a", 2);
    EXPECT_EQ(a().toText(), "marker");
    EXPECT_EQ(fake.attempts, (std::vector<std::string>{"media-native prim_a__2", "./media-native prim_a__2",
                                                        ".\\media-native prim_a__2"}));
    EXPECT_EQ(Lib::moduleNames()->at("media-native"), ".\\media-native");

    fake.attempts.clear();
    auto b = Lib::load("media-native", "prim_b", -1);
    EXPECT_TRUE(b);
    EXPECT_EQ(fake.attempts, (std::vector<std::string>{".\\media-native prim_b__MULT"}));
    EXPECT_EQ(output(), "Failed to load : media-native\nFailed to load : ./media-native\nGot result .\\media-native\n"
                        "Result : <primitive>\n");
}

TEST_F(LibLoad, AModuleWithoutTheSymbolIsPassedSilently) {
    fake.modules["media-native"] = {};
    fake.modules["./media-native"] = {{"prim__0", &marker}};
    auto p = Lib::load("media-native", "prim", 0);
    EXPECT_TRUE(p);
    EXPECT_EQ(Lib::moduleNames()->at("media-native"), "./media-native");
    EXPECT_EQ(output(), "Got result ./media-native\nResult : <primitive>\n");
}

TEST_F(LibLoad, TheModuleBesideTheProgramWinsOverOneInTheCurrentFolder) {
    fake.modules["media-native"] = {{"prim__0", &marker}};
    fake.modules["./media-native"] = {{"prim__0", &marker}};
    EXPECT_TRUE(Lib::load("media-native", "prim", 0));
    EXPECT_EQ(fake.attempts, (std::vector<std::string>{"media-native prim__0"}));
    EXPECT_EQ(Lib::moduleNames()->at("media-native"), "media-native");
}

TEST_F(LibLoad, ALibraryFoundNowhereKeepsItsOwnNameAndLaterLookupsGoStraightThere) {
    auto p = Lib::load("storewrap", "start", 1);
    EXPECT_FALSE(p);
    EXPECT_EQ(Lib::moduleNames()->at("storewrap"), "storewrap");
    EXPECT_EQ(output(),
              "Failed to load : storewrap\nFailed to load : ./storewrap\nFailed to load : .\\storewrap\nResult : null\n");
    fake.attempts.clear();
    // The remembered path is asked once; the loader's failure is not caught on this path.
    EXPECT_THROW(Lib::load("storewrap", "other", 0), runtime::Thrown);
    EXPECT_EQ(fake.attempts, (std::vector<std::string>{"storewrap other__0"}));
}

TEST_F(LibLoad, TracesOnlyWhileTheVariableIsSet) {
    unsetenv("FRAMEWORK_LOAD_DEBUG");
    fake.modules["media-native"] = {{"prim__1", &marker}};
    EXPECT_TRUE(Lib::load("media-native", "prim", 1));
    Lib::loaderTrace("hello");
    EXPECT_EQ(output(), "");
}

TEST(Lib, NullSlotThrowsNullFunctionPointer) {
    runtime::Primitive slot = Lib::load("media-native", "media_native_not_in_any_list", 3);
    EXPECT_FALSE(slot);
    try {
        slot(1, 2, 3);
        FAIL() << "no exception";
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Null Function Pointer");
    }
}

TEST(Lib, NotImplementedTracesOncePerName) {
    std::vector<std::string> lines;
    runtime::Trace::setHandler([&](const runtime::Value& v, const runtime::Trace::Position& pos) {
        lines.push_back(std::string(pos.file) + "|" + v.toText());
    });
    Lib::notImplemented("Graphics.lineGradientStyle");
    Lib::notImplemented("Graphics.lineGradientStyle");
    Lib::notImplemented("TextField.condenseWhite");
    runtime::Trace::setHandler(nullptr);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Lib.cpp|Warning: Graphics.lineGradientStyle is not implemented");
    EXPECT_EQ(lines[1], "Lib.cpp|Warning: TextField.condenseWhite is not implemented");
}

TEST(Lib, SetPackageStoresAndForwardsTheIdentity) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    Lib::setPackage("quorvane", "Glintvault 2", "com.quorvane.glintvault2", "0.1");
    EXPECT_EQ(Lib::packageName, runtime::String("com.quorvane.glintvault2"));
    auto calls = fake.callsTo("media_native_set_package");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[1].toText(), "Glintvault 2");
    Lib::pause();
    Lib::resume();
    EXPECT_EQ(fake.count("media_native_pause_animation"), 1);
    EXPECT_EQ(fake.count("media_native_resume_animation"), 1);
    EXPECT_EQ(Lib::as(7), 7);
    EXPECT_EQ(Lib::sysName(), runtime::String("Linux"));
}
