#include "framework/net/SharedObject.h"

#include <gtest/gtest.h>

#include "platform/runtime/Thrown.h"
#include <sys/stat.h>

#include <vector>

#include "framework/filesystem/File.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Trace.h"
#include "platform/system/FileSystem.h"

using framework::SharedObject;
using runtime::Value;

namespace framework_net_test {
class Relic : public runtime::Object {
    RUNTIME_CLASS(Relic)
public:
    Relic() = default;
    explicit Relic(runtime::NoInit) {}
    int power = 0;
};
class OldRelic : public runtime::Object {
    RUNTIME_CLASS(OldRelic)
public:
    OldRelic() = default;
    explicit OldRelic(runtime::NoInit) {}
    int power = 0;
};
}  // namespace framework_net_test
using framework_net_test::OldRelic;
using framework_net_test::Relic;
RUNTIME_DEFINE_CLASS(Relic, "framework.save.Relic", runtime::Object, (auto& b) {
    b.template field<&Relic::power>("power").emptyInstance();
})
RUNTIME_DEFINE_CLASS(OldRelic, "framework._native.save.OldRelic", runtime::Object, (auto& b) {
    b.template field<&OldRelic::power>("power").emptyInstance();
})

class SharedObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        media::FakeMediaModule::get().reset();
        storage = ::testing::TempDir() + "glv-so-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::system(("rm -rf '" + storage + "'").c_str());
        media::FakeMediaModule::get().on("media_native_filesystem_get_special_dir",
                                         [this](const std::vector<Value>& args) -> Value {
                                             return args.at(0).toInt() == 1 ? Value(storage) : Value();
                                         });
        runtime::Trace::setHandler([this](const Value& v, const runtime::Trace::Position&) { traces.push_back(v.toText()); });
    }
    void TearDown() override {
        runtime::Trace::setHandler(nullptr);
        std::system(("rm -rf '" + storage + "'").c_str());
    }
    std::string read(const std::string& path) { return sys::FileSystem::readFile(path).value_or("<missing>"); }
    void write(const std::string& path, const std::string& text) {
        SharedObject::mkdir(storage);
        sys::FileSystem::writeFileAtomic(path, text);
    }

    std::string storage;
    std::vector<std::string> traces;
};

TEST_F(SharedObjectTest, FlushOfAnEmptyObjectWritesOgUnderTheStorageFolder) {
    auto so = SharedObject::getLocal("engine", nullptr);
    EXPECT_EQ(so->localPath, runtime::String(""));
    EXPECT_EQ(so->name, runtime::String("engine"));
    EXPECT_EQ(SharedObject::getFilePath("engine", ""), storage + "//engine.sol");
    EXPECT_EQ(SharedObject::getFilePath("engine", nullptr), storage + "/null/engine.sol");
    EXPECT_EQ(so->flush(), framework::SharedObjectFlushStatus::FLUSHED);
    EXPECT_EQ(read(storage + "/engine.sol"), "og");
    EXPECT_EQ(so->get_size(), 0);
    EXPECT_EQ(Value(so).field("size").toInt(), 0);
    EXPECT_TRUE(traces.empty());
}

TEST_F(SharedObjectTest, MissingOrEmptyFileGivesEmptyDataWithoutTrace) {
    auto missing = SharedObject::getLocal("nothing");
    ASSERT_TRUE(missing->data);
    EXPECT_TRUE(missing->data->fieldNames().empty());
    write(storage + "/empty.sol", "");
    auto empty = SharedObject::getLocal("empty");
    EXPECT_TRUE(empty->data->fieldNames().empty());
    EXPECT_TRUE(traces.empty());
}

TEST_F(SharedObjectTest, RejectedFileTracesAndStaysUntilTheNextFlush) {
    struct Case {
        const char* text;
        const char* trace;
    } cases[] = {
        {"oy6:volumed0.5", "Could not unserialize SharedObject: Invalid object"},
        {"h", "Could not unserialize SharedObject: Invalid char h at position 0"},
        {"i5", "Could not unserialize SharedObject: Invalid object"},
        {"oy1:ar0g", "Could not unserialize SharedObject: Cyclic reference at position 5"},
    };
    for (const auto& c : cases) {
        traces.clear();
        write(storage + "/bad.sol", c.text);
        auto so = SharedObject::getLocal("bad");
        ASSERT_EQ(traces.size(), 1u) << c.text;
        EXPECT_EQ(traces[0], c.trace);
        EXPECT_TRUE(so->data->fieldNames().empty());
        EXPECT_EQ(read(storage + "/bad.sol"), c.text);
        so->setProperty("volume", 0.5);
        so->flush();
        EXPECT_EQ(read(storage + "/bad.sol"), "oy6:volumed0.5g");
    }
}

TEST_F(SharedObjectTest, RoundTripsDataAndSharesTheObject) {
    auto so = SharedObject::getLocal("GLV2Slot0");
    so->setProperty("volume", 0.5);
    so->setProperty("mute", true);
    so->data->setField("floor", 12);
    so->flush();
    EXPECT_EQ(read(storage + "/GLV2Slot0.sol"), "oy6:volumed0.5y4:mutety5:floori12g");
    auto again = SharedObject::getLocal("GLV2Slot0");
    EXPECT_NE(again->data.get(), so->data.get());  // every getLocal reads the file again
    EXPECT_EQ(again->data->getField("volume").toFloat(), 0.5);
    EXPECT_EQ(again->data->getField("floor").toInt(), 12);

    so->data = nullptr;
    so->setProperty("x", 1);  // no data: nothing happens
}

TEST_F(SharedObjectTest, LocalPathAndNamesWithSlashesMakeSubFolders) {
    auto so = SharedObject::getLocal("a/b/slot", "sub");
    so->flush();
    EXPECT_EQ(read(storage + "/sub/a/b/slot.sol"), "og");
}

TEST_F(SharedObjectTest, ClearDeletesTheFileOnly) {
    auto so = SharedObject::getLocal("gone");
    so->clear();  // never flushed: nothing to do
    so->setProperty("k", 1);
    so->flush();
    so->clear();
    EXPECT_FALSE(sys::FileSystem::exists(storage + "/gone.sol"));
    EXPECT_EQ(so->data->getField("k").toInt(), 1);
    EXPECT_TRUE(SharedObject::getLocal("gone")->data->fieldNames().empty());
}

TEST_F(SharedObjectTest, FailedWritesLeaveTheOldFileAndReachTheCaller) {
    auto so = SharedObject::getLocal("keep");
    so->setProperty("v", 1);
    so->flush();
    so->setProperty("f", Value(runtime::Function::of([] {})));
    try {
        so->flush();
        FAIL();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Cannot serialize function");
    }
    EXPECT_EQ(read(storage + "/keep.sol"), "oy1:vi1g");

    // The save's path is taken by a folder: the write fails and names the file.
    so->data = runtime::make<runtime::DynamicObject>();
    SharedObject::mkdir(storage + "/blocked.sol");
    auto blocked = SharedObject::getLocal("blocked");
    try {
        blocked->flush();
        FAIL();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText().rfind("Could not write file:" + storage + "//blocked.sol", 0), 0u);
    }
    // A folder that cannot be made.
    write(storage + "/plain", "x");
    auto under = SharedObject::getLocal("x", "plain/deeper");
    try {
        under->flush();
        FAIL();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText().rfind("Could not", 0), 0u) << t.value().toText();
    }
}

TEST_F(SharedObjectTest, MkdirCreatesEveryMissingFolderAndSkipsEmptyParts) {
    SharedObject::mkdir(storage + "//x/./y\\z/");
    EXPECT_TRUE(sys::FileSystem::isDirectory(storage + "/x/y/z"));
    std::string cwd = sys::FileSystem::getCwd();
    SharedObject::mkdir("");
    EXPECT_EQ(sys::FileSystem::getCwd(), cwd);
}

TEST_F(SharedObjectTest, ResolveClassRewritesOlderPackageNames) {
    EXPECT_EQ(SharedObject::resolveClass(nullptr), nullptr);
    EXPECT_EQ(SharedObject::resolveClass("flash.save.Relic"), &Relic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("native.save.Relic"), &Relic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("classic.save.Relic"), &Relic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("framework.save.Relic"), &Relic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("flash.save.OldRelic"), &OldRelic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("framework._old.save.OldRelic"), &OldRelic::staticClass());
    EXPECT_EQ(SharedObject::resolveClass("save.Relic"), nullptr);

    write(storage + "/relic.sol", "oy1:rcy16:flash.save.Relicy5:poweri7gg");
    auto so = SharedObject::getLocal("relic");
    Value r = so->data->getField("r");
    ASSERT_TRUE(r.as<Relic>());
    EXPECT_EQ(r.as<Relic>()->power, 7);
    EXPECT_TRUE(traces.empty());
}
