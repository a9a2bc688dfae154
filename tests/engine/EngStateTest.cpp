// Sub-states: opening and closing at the defined point of the parent's step, persistence flags,
// kept sub-states and the background colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngG.h"
#include "engine/EngSubState.h"
#include "engine/input/IEngInput.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/frontEnds/InputFrontEnd.h"

using engine::EngG;
using engine::EngState;
using engine::EngSubState;
using runtime::make;
using runtime::Ref;

namespace {

std::vector<std::string> events;

class Parent : public EngState {
public:
    void update() override {
        events.push_back("parent update");
        if (onUpdate) onUpdate();
    }
    void draw() override {
        events.push_back("parent draw");
        EngState::draw();
    }
    std::function<void()> onUpdate;
};

class Child : public EngSubState {
public:
    explicit Child(std::string name) : name(std::move(name)) {}
    void create() override { events.push_back(name + " create"); }
    void update() override { events.push_back(name + " update"); }
    void destroy() override {
        events.push_back(name + " destroy");
        EngSubState::destroy();
    }
    std::string name;
};

class ResetInput : public runtime::Object, public engine::IEngInput {
public:
    void reset() override { events.push_back("inputs reset"); }
    void update() override {}
    void onFocus() override {}
    void onFocusLost() override {}
    void destroy() override {}
};

class EngStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.clear();
        EngG::staticInit();
        EngG::inputs->list.push_back(make<ResetInput>());
    }
    void TearDown() override { EngG::staticInit(); }
};

}  // namespace

TEST_F(EngStateTest, OpeningDuringUpdateTakesEffectRightAfterIt) {
    auto parent = make<Parent>();
    EXPECT_FALSE(parent->persistentUpdate);
    EXPECT_TRUE(parent->persistentDraw);
    EXPECT_TRUE(parent->destroySubStates);
    auto child = make<Child>("child");
    child->closeCallback = runtime::Function::of([] { events.push_back("closed"); });
    parent->onUpdate = [&] { parent->openSubState(child); };
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"parent update", "inputs reset", "child create"}));
    EXPECT_EQ(parent->subState, child);
    events.clear();
    parent->onUpdate = nullptr;
    parent->tryUpdate();  // the parent no longer updates
    parent->draw();       // but still draws its members
    EXPECT_EQ(events, (std::vector<std::string>{"child update", "parent draw"}));

    // Opening another closes the first (callback, then destroy); close twice acts once.
    events.clear();
    auto second = make<Child>("second");
    parent->openSubState(second);
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"closed", "child destroy", "inputs reset", "second create"}));
    events.clear();
    second->close();
    second->close();
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"second destroy"}));
    EXPECT_EQ(parent->subState, nullptr);
    second->close();  // no parent any more: nothing
}

TEST_F(EngStateTest, PersistentUpdateAndKeptSubStates) {
    auto parent = make<Parent>();
    parent->persistentUpdate = true;
    parent->destroySubStates = false;
    auto child = make<Child>("child");
    parent->openSubState(child);
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"parent update", "child create"}));  // no inputs reset
    events.clear();
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"parent update", "child update"}));
    parent->closeSubState();
    parent->tryUpdate();
    parent->openSubState(child);
    events.clear();
    parent->tryUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"parent update"}));  // reopened without a second create
    EXPECT_EQ(parent->subState, child);
    parent->openSubState(nullptr);  // opening null closes
    parent->tryUpdate();
    EXPECT_EQ(parent->subState, nullptr);
    EXPECT_TRUE(child->exists);
}

TEST_F(EngStateTest, BackgroundColours) {
    auto state = make<EngState>();
    EXPECT_EQ(static_cast<uint32_t>(state->get_bgColor()), 0xFF000000u);  // no main camera
    auto sub = make<EngSubState>();
    EXPECT_EQ(sub->get_bgColor(), 0);
    sub->set_bgColor(0x80FF0000);
    EXPECT_EQ(static_cast<uint32_t>(sub->get_bgColor()), 0x80FF0000u);
    EXPECT_EQ(static_cast<uint32_t>(state->get_bgColor()), 0xFF000000u);  // the cameras' colour is untouched
}
