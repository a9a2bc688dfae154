// Gamepads through real stage joystick records: created on first mention, buttons settled per
// step, axes through the dead zone, hat and ball, focus loss and the manager's queries.
#include <vector>

#include "../EngineFixture.h"
#include "engine/input/gamepad/EngGamepad.h"
#include "engine/input/gamepad/EngGamepadManager.h"
#include "engine/util/EngPoint.h"

using engine::EngG;
using engine::EngGamepad;
using runtime::make;
using runtime::Ref;

namespace {
class EngGamepadTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        startGame<engine::EngState>();
        pads = EngG::gamepads.get();
        ASSERT_NE(pads, nullptr);
    }
    void joy(framework::Stage::EventType type, int device, int code, int value = 0, double x = 0, double y = 0) {
        using F = media::RecordField;
        stage()->processStageEvent_(media::FakeMediaModule::record(
            static_cast<media::RecordType>(type),
            {{F::id, device}, {F::code, code}, {F::value, value}, {F::x, x}, {F::y, y}, {F::flags, 0}}));
    }
    void buttonEvent(int device, int button, bool down) {
        joy(down ? framework::Stage::etJoyButtonDown : framework::Stage::etJoyButtonUp, device, button);
    }
    void step() { frame(17); }
    engine::EngGamepadManager* pads = nullptr;
};
}  // namespace

TEST_F(EngGamepadTest, FirstEventCreatesTheGamepadAndButtonsCycleOverSteps) {
    buttonEvent(3, 5, true);
    EXPECT_EQ(pads->get_numActiveGamepads(), 1);
    ASSERT_EQ(pads->_gamepads.size(), 4u);
    EXPECT_EQ(pads->_gamepads[0], nullptr);
    Ref<EngGamepad> pad = pads->_gamepads[3];
    EXPECT_EQ(pads->firstActive, pad);
    EXPECT_EQ(pads->lastActive, pad);

    step();
    EXPECT_TRUE(pad->justPressed(5));
    EXPECT_TRUE(pad->pressed(5));
    EXPECT_FALSE(pad->checkStatus(5, EngGamepad::PRESSED));  // exact comparison
    EXPECT_TRUE(pads->anyJustPressed(5));
    EXPECT_EQ(pad->firstJustPressedButtonID(), 5);
    step();
    EXPECT_TRUE(pad->checkStatus(5, EngGamepad::PRESSED));
    EXPECT_FALSE(pad->justPressed(5));
    buttonEvent(3, 5, false);
    step();
    EXPECT_TRUE(pad->justReleased(5));
    EXPECT_EQ(pads->getFirstActiveGamepadID(), -1);
    step();
    EXPECT_TRUE(pad->checkStatus(5, EngGamepad::RELEASED));

    // Pressed and released before one step: only just released, then released.
    buttonEvent(3, 1, true);
    buttonEvent(3, 1, false);
    step();
    EXPECT_TRUE(pad->justReleased(1));
    EXPECT_FALSE(pad->justPressed(1));
    EXPECT_FALSE(pad->pressed(1));
    step();
    EXPECT_TRUE(pad->checkStatus(1, EngGamepad::RELEASED));

    // Queries do not create buttons; getButton does.
    EXPECT_FALSE(pad->pressed(9));
    EXPECT_FALSE(pad->checkStatus(9, EngGamepad::RELEASED));
    EXPECT_EQ(pad->buttons.size(), 6u);
    pad->getButton(9);
    EXPECT_EQ(pad->buttons.size(), 10u);

    // A second joystick becomes the last active one, not the first.
    buttonEvent(0, 0, true);
    EXPECT_EQ(pads->firstActive, pad);
    EXPECT_EQ(pads->lastActive, pads->_gamepads[0]);
    EXPECT_EQ(pads->get_numActiveGamepads(), 2);
    std::vector<int> ids = pads->getActiveGamepadIDs({7});
    EXPECT_EQ(ids, (std::vector<int>{7, 0}));
}

TEST_F(EngGamepadTest, AxesHatAndBallFromJoystickRecords) {
    joy(framework::Stage::etJoyAxisMove, 1, 1, -32767);
    Ref<EngGamepad> pad = pads->getByID(1);
    ASSERT_GE(pad->axis.size(), 4u);
    EXPECT_DOUBLE_EQ(pad->getAxisValue(1), -1);
    EXPECT_EQ(pad->getAxisValue(0), 0);
    EXPECT_EQ(pad->getAxisValue(-1), 0);
    EXPECT_EQ(pad->getAxisValue(99), 0);
    EXPECT_TRUE(pad->anyInput());
    EXPECT_EQ(pads->getFirstActiveGamepad(), pad);

    // The dead zone keeps only values strictly beyond it.
    pad->axis = {0.15, 0.151, -0.15};
    EXPECT_EQ(pad->getAxisValue(0), 0);
    EXPECT_DOUBLE_EQ(pad->getAxisValue(1), 0.151);
    EXPECT_EQ(pad->getAxisValue(2), 0);

    joy(framework::Stage::etJoyHatMove, 1, 0, 1 | 2);  // up and right
    EXPECT_TRUE(pad->get_dpadUp());
    EXPECT_TRUE(pad->get_dpadRight());
    EXPECT_FALSE(pad->get_dpadDown());
    EXPECT_FALSE(pad->get_dpadLeft());
    joy(framework::Stage::etJoyHatMove, 1, 0, 4 | 8);
    EXPECT_TRUE(pad->get_dpadDown());
    EXPECT_TRUE(pad->get_dpadLeft());

    // A ball motion of exactly the dead zone is kept, a smaller one is 0.
    joy(framework::Stage::etJoyBallMove, 1, 0, 0, 0.15, 0.1);
    EXPECT_DOUBLE_EQ(pad->ball->x, 0.15);
    EXPECT_EQ(pad->ball->y, 0);

    // The update settles buttons only.
    step();
    EXPECT_DOUBLE_EQ(pad->ball->x, 0.15);
    EXPECT_TRUE(pad->get_dpadDown());
}

TEST_F(EngGamepadTest, FocusLossResetsEveryGamepad) {
    buttonEvent(0, 2, true);
    joy(framework::Stage::etJoyAxisMove, 0, 0, 20000);
    joy(framework::Stage::etJoyHatMove, 0, 0, 1);
    joy(framework::Stage::etJoyBallMove, 0, 0, 0, 3, 4);
    step();
    Ref<EngGamepad> pad = pads->getByID(0);
    EXPECT_TRUE(pads->anyInput());
    game->onFocusLost(make<framework::Event>("focusOut"));
    EXPECT_FALSE(pads->anyInput());
    EXPECT_FALSE(pad->pressed(2));
    EXPECT_EQ(pad->hat->y, 0);
    EXPECT_EQ(pad->ball->x, 0);
    pads->onFocus();  // changes nothing
    EXPECT_FALSE(pads->anyInput());
    // A held button's next down is a fresh press.
    buttonEvent(0, 2, true);
    EXPECT_EQ(pad->getButton(2)->current, EngGamepad::JUST_PRESSED);
}

TEST_F(EngGamepadTest, GlobalDeadZoneAndDestroy) {
    Ref<EngGamepad> before = pads->getByID(0);
    pads->set_globalDeadZone(0.5);
    EXPECT_EQ(before->deadZone, 0.5);
    EXPECT_EQ(pads->getByID(1)->deadZone, 0.5);
    pads->set_globalDeadZone(0);
    EXPECT_EQ(before->deadZone, 0);
    EXPECT_EQ(pads->getByID(2)->deadZone, EngGamepad::DEFAULT_DEAD_ZONE);

    pads->destroy();
    EXPECT_EQ(before->hat, nullptr);
    EXPECT_EQ(pads->firstActive, nullptr);
    buttonEvent(4, 0, true);  // ignored after destroy
    EXPECT_EQ(pads->get_numActiveGamepads(), 0);
}
