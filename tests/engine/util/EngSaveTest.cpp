#include "engine/util/EngSave.h"

#include <gtest/gtest.h>

#include "platform/runtime/Thrown.h"

#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Trace.h"
#include "platform/system/FileSystem.h"

using engine::EngSave;
using runtime::Value;

class EngSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        media::FakeMediaModule::get().reset();
        storage = ::testing::TempDir() + "glv-engsave-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::system(("rm -rf '" + storage + "'").c_str());
        media::FakeMediaModule::get().returns("media_native_filesystem_get_special_dir", Value(storage));
    }
    void TearDown() override { std::system(("rm -rf '" + storage + "'").c_str()); }
    std::string file(const std::string& name) { return storage + "//" + name + ".sol"; }
    runtime::Ref<runtime::Function> recorder() {
        return runtime::Function::of([this](bool ok) { results.push_back(ok); });
    }

    std::string storage;
    std::vector<bool> results;
};

TEST_F(EngSaveTest, BindsEngineWithEmptyDataWhenNoFileExists) {
    auto save = runtime::make<EngSave>();
    EXPECT_FALSE(save->checkBinding());
    EXPECT_TRUE(save->data == nullptr);
    EXPECT_TRUE(save->bind("engine"));
    EXPECT_TRUE(save->checkBinding());
    EXPECT_EQ(save->name, runtime::String("engine"));
    ASSERT_TRUE(save->data);
    EXPECT_TRUE(save->data->getField("volume").isNull());
    // One object with the shared object's data.
    EXPECT_EQ(save->data.get(), save->_sharedObject->data.get());
}

TEST_F(EngSaveTest, FlushWritesAndCallsBackOnce) {
    auto save = runtime::make<EngSave>();
    EXPECT_FALSE(save->flush(0, recorder()));  // unbound: no callback
    EXPECT_TRUE(results.empty());
    save->bind("GLV2GameData");
    save->data->setField("volume", 0.5);
    EXPECT_TRUE(save->flush(0, recorder()));
    EXPECT_EQ(results, std::vector<bool>{true});
    EXPECT_EQ(sys::FileSystem::readFile(file("GLV2GameData")).value(), "oy6:volumed0.5g");
    EXPECT_TRUE(save->flush());  // a null callback replaces the earlier one
    EXPECT_EQ(results.size(), 1u);

    auto again = runtime::make<EngSave>();
    again->bind("GLV2GameData");
    EXPECT_EQ(again->data->getField("volume").toFloat(), 0.5);
}

TEST_F(EngSaveTest, CloseWritesThenUnbinds) {
    auto save = runtime::make<EngSave>();
    save->bind("GLV2Slot1");
    save->data->setField("floor", 3);
    EXPECT_TRUE(save->close(0, recorder()));
    EXPECT_EQ(results, std::vector<bool>{true});
    EXPECT_FALSE(save->checkBinding());
    EXPECT_TRUE(save->data == nullptr);
    EXPECT_TRUE(save->name.isNull());
    EXPECT_FALSE(save->flush());
    EXPECT_EQ(sys::FileSystem::readFile(file("GLV2Slot1")).value(), "oy5:floori3g");
    // Closing an unbound save answers false and keeps the request until the next bind.
    EXPECT_FALSE(save->close());
    EXPECT_TRUE(save->_closeRequested);
    save->bind("GLV2Slot1");
    EXPECT_FALSE(save->_closeRequested);
}

TEST_F(EngSaveTest, EraseThenFlushWritesTheOldDataBack) {
    auto save = runtime::make<EngSave>();
    EXPECT_FALSE(save->erase());
    save->bind("GLV2Slot2");
    save->data->setField("gold", 10);
    save->flush();
    EXPECT_TRUE(save->erase());
    EXPECT_FALSE(sys::FileSystem::exists(file("GLV2Slot2")));
    EXPECT_EQ(save->data->getField("gold").toInt(), 10);
    save->flush();
    EXPECT_EQ(sys::FileSystem::readFile(file("GLV2Slot2")).value(), "oy4:goldi10g");
}

TEST_F(EngSaveTest, FailedWriteAnswersFalseAndKeepsTheOldFile) {
    std::vector<std::string> traces;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position&) { traces.push_back(v.toText()); });
    auto save = runtime::make<EngSave>();
    save->bind("GLV2Slot3");
    save->data->setField("hp", 5);
    save->flush();
    // A value the writer refuses, then a save file whose path is taken by a folder.
    save->data->setField("cb", Value(runtime::Function::of([] {})));
    EXPECT_FALSE(save->flush(0, recorder()));
    EXPECT_EQ(results, std::vector<bool>{false});
    EXPECT_EQ(sys::FileSystem::readFile(file("GLV2Slot3")).value(), "oy2:hpi5g");

    auto blocked = runtime::make<EngSave>();
    blocked->bind("blocked");
    sys::FileSystem::createDirectory(file("blocked"));
    EXPECT_FALSE(blocked->close(0, recorder()));
    EXPECT_EQ(results, (std::vector<bool>{false, false}));
    EXPECT_FALSE(blocked->checkBinding());  // a pending close still unbinds
    runtime::Trace::setHandler(nullptr);
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_EQ(traces[0].rfind("Could not flush save GLV2Slot3: ", 0), 0u) << traces[0];
    EXPECT_EQ(traces[1].rfind("Could not flush save blocked: ", 0), 0u) << traces[1];
}
