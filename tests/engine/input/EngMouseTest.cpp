// The engine mouse through real stage mouse records: button states settled per step, the fast
// press-release, swipes made on release, the wheel, positions per camera and the cursor modes.
#include <cmath>
#include <string>
#include <vector>

#include "../EngineFixture.h"
#include "engine/input/mouse/EngMouseButton.h"
#include "engine/input/touch/EngSwipe.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "engine/util/EngPoint.h"
#include "framework/events/Event.h"

using engine::EngG;
using engine::EngMouseButton;
using engine::EngSwipe;
using runtime::make;
using runtime::Ref;

namespace {

// Keeps a copy of the swipes it sees in each of its updates.
class SwipeWatchState : public engine::EngState {
    RUNTIME_CLASS(SwipeWatchState)
public:
    SwipeWatchState() = default;
    explicit SwipeWatchState(runtime::NoInit n) : EngState(n) {}
    void update() override {
        seen.emplace_back();
        for (const auto& s : EngG::swipes) seen.back().push_back(Ref<EngSwipe>(dynamic_cast<EngSwipe*>(s.get())));
    }
    static inline std::vector<std::vector<Ref<EngSwipe>>> seen;
};

class EngMouseTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        SwipeWatchState::seen.clear();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_display_object_get_mouse_x", [this](const std::vector<runtime::Value>&) { return runtime::Value(px); });
        fake.on("media_native_display_object_get_mouse_y", [this](const std::vector<runtime::Value>&) { return runtime::Value(py); });
        startGame<SwipeWatchState>();
        mouse = EngG::mouse.get();
        ASSERT_NE(mouse, nullptr);
    }
    void TearDown() override {
        SwipeWatchState::seen.clear();
        EngineFixture::TearDown();
    }
    // A native mouse record on the stage: button 0..2, or 3 / 4 on release for the wheel.
    void button(bool down, int index) {
        using F = media::RecordField;
        stage()->processStageEvent_(media::FakeMediaModule::record(
            down ? media::RecordType::etMouseDown : media::RecordType::etMouseUp,
            {{F::id, stage()->id_}, {F::x, px}, {F::y, py}, {F::value, index}, {F::flags, 0}}));
    }
    void step() { frame(17); }
    const std::vector<Ref<EngSwipe>>& lastSwipes() { return SwipeWatchState::seen.back(); }

    engine::EngMouse* mouse = nullptr;
    double px = 0, py = 0;
};

}  // namespace

RUNTIME_DEFINE_CLASS(SwipeWatchState, "tests.engine.SwipeWatchState", engine::EngState, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value*, int) -> Ref<runtime::Object> { return make<SwipeWatchState>(); });
})

TEST_F(EngMouseTest, ButtonStatesLastOneStepAndReleaseMakesOneSwipe) {
    step();
    px = 10, py = 10;
    button(true, 0);
    step();
    EXPECT_TRUE(mouse->get_justPressed());
    EXPECT_TRUE(mouse->get_pressed());
    EXPECT_FALSE(mouse->get_pressedRight());
    EXPECT_TRUE(lastSwipes().empty());
    double pressTicks = mouse->_leftButton->_justPressedTimeInTicks;
    EXPECT_EQ(pressTicks, game->ticks);
    button(true, 0);  // a second down while held stays a plain press
    step();
    EXPECT_FALSE(mouse->get_justPressed());
    EXPECT_TRUE(mouse->get_pressed());

    px = 13, py = 14;
    button(false, 0);
    step();
    EXPECT_TRUE(mouse->get_justReleased());
    EXPECT_FALSE(mouse->get_pressed());
    ASSERT_EQ(lastSwipes().size(), 1u);
    const Ref<EngSwipe>& swipe = lastSwipes()[0];
    EXPECT_EQ(swipe->ID, EngMouseButton::LEFT);
    EXPECT_EQ(swipe->startPosition, mouse->_leftButton->_justPressedPosition);  // shared, not copied
    EXPECT_DOUBLE_EQ(swipe->get_distance(), 5);
    EXPECT_DOUBLE_EQ(swipe->get_duration(), game->ticks - pressTicks);
    EXPECT_TRUE(EngG::swipes.empty());  // dropped at the end of the step

    step();
    EXPECT_FALSE(mouse->get_justReleased());
    EXPECT_TRUE(lastSwipes().empty());
    button(false, 0);  // an up while released stays released and makes no swipe
    step();
    EXPECT_EQ(mouse->_leftButton->current, EngMouseButton::RELEASED);
    EXPECT_TRUE(lastSwipes().empty());
}

TEST_F(EngMouseTest, FastPressReleaseIsBothJustStatesWithoutSwipe) {
    button(true, 2);
    button(false, 2);
    EXPECT_EQ(mouse->_rightButton->current, EngMouseButton::FAST_PRESS_RELEASE);
    step();
    EXPECT_TRUE(mouse->get_justPressedRight());
    EXPECT_TRUE(mouse->get_justReleasedRight());
    EXPECT_FALSE(mouse->get_pressedRight());
    EXPECT_TRUE(lastSwipes().empty());
    step();
    EXPECT_EQ(mouse->_rightButton->current, EngMouseButton::RELEASED);

    // A release in the step after the one that saw the press is still a fast press-release.
    button(true, 0);
    step();
    button(false, 0);
    EXPECT_EQ(mouse->_leftButton->current, EngMouseButton::FAST_PRESS_RELEASE);
    step();
    EXPECT_TRUE(lastSwipes().empty());

    // Two buttons released in one step: two swipes, middle before right.
    button(true, 1);
    button(true, 2);
    step();
    step();
    button(false, 2);
    button(false, 1);
    step();
    ASSERT_EQ(lastSwipes().size(), 2u);
    EXPECT_EQ(lastSwipes()[0]->ID, EngMouseButton::MIDDLE);
    EXPECT_EQ(lastSwipes()[1]->ID, EngMouseButton::RIGHT);
}

TEST_F(EngMouseTest, MouseLeaveReleasesMiddleAndRightOnly) {
    for (int b : {0, 1, 2}) button(true, b);
    step();
    stage()->dispatchEvent(make<framework::Event>(framework::Event::MOUSE_LEAVE));
    step();
    EXPECT_TRUE(mouse->get_pressed());
    EXPECT_TRUE(mouse->get_justReleasedMiddle());
    EXPECT_TRUE(mouse->get_justReleasedRight());
}

TEST_F(EngMouseTest, WheelHoldsLatestDeltaForOneStep) {
    button(false, 3);
    button(false, 4);
    step();
    EXPECT_EQ(mouse->wheel, -1);
    step();
    EXPECT_EQ(mouse->wheel, 0);
    button(false, 3);
    step();
    EXPECT_EQ(mouse->wheel, 1);
}

TEST_F(EngMouseTest, PositionsOnTheEngineGameAndPerCamera) {
    EngG::camera->x = 0;
    EngG::camera->y = 0;
    EngG::camera->zoom = 2;
    EngG::camera->scroll->set(100, 50);
    px = 200.7, py = 120.2;
    mouse->update();
    EXPECT_DOUBLE_EQ(mouse->_globalScreenPosition->x, 200);
    EXPECT_DOUBLE_EQ(game->_inputContainer->get_x(), 200);  // the cursor container follows
    EXPECT_EQ(mouse->screenX, 100);
    EXPECT_EQ(mouse->screenY, 60);
    EXPECT_DOUBLE_EQ(mouse->x, 200);
    EXPECT_DOUBLE_EQ(mouse->y, 110);

    // Another camera, into a caller's point.
    auto other = make<engine::EngCamera>(40, 20, 100, 100, 1);
    other->scroll->set(5, 5);
    auto p = engine::EngPoint::get();
    EXPECT_EQ(mouse->getWorldPosition(other, p).get(), p.get());
    EXPECT_DOUBLE_EQ(p->x, 165);
    EXPECT_DOUBLE_EQ(p->y, 105);
    p->put();

    // Screen coordinates are truncated toward zero; the global position is rounded down.
    EngG::camera->zoom = 1;
    EngG::camera->scroll->set(0, 0);
    EngG::camera->x = 0;
    px = -2.5;
    mouse->update();
    EXPECT_DOUBLE_EQ(mouse->_globalScreenPosition->x, -3);
    EngG::camera->x = 0.5;
    mouse->updateCursor();
    EXPECT_EQ(mouse->screenX, -3);
    EngG::camera->x = -0.5;
    mouse->updateCursor();
    EXPECT_EQ(mouse->screenX, -2);
}

TEST_F(EngMouseTest, SystemPointerAndContainerFollowTheCursorMode) {
    auto& fake = media::FakeMediaModule::get();
    auto lastShown = [&] {
        auto calls = fake.callsTo("media_native_stage_show_cursor");
        return calls.empty() ? runtime::Value() : calls.back().args.back();
    };
    auto container = game->_inputContainer;
    // The game start made the mouse visible in engine-cursor mode: the default cursor is in place.
    ASSERT_NE(mouse->_cursor, nullptr);
    EXPECT_EQ(mouse->_cursor->get_parent().get(), container.get());
    mouse->set_useSystemCursor(true);
    EXPECT_EQ(lastShown(), runtime::Value(true));
    EXPECT_FALSE(container->get_visible());
    mouse->set_visible(false);  // hides the system pointer too
    EXPECT_EQ(lastShown(), runtime::Value(false));
    mouse->set_visible(true);
    EXPECT_EQ(lastShown(), runtime::Value(true));
    EXPECT_FALSE(container->get_visible());

    mouse->set_useSystemCursor(false);
    EXPECT_EQ(lastShown(), runtime::Value(false));
    EXPECT_TRUE(container->get_visible());

    // Focus loss shows the system pointer and hides the cursor; focus gain restores both and
    // resets the buttons.
    button(true, 0);
    mouse->onFocusLost();
    EXPECT_EQ(lastShown(), runtime::Value(true));
    EXPECT_FALSE(mouse->visible);
    EXPECT_FALSE(container->get_visible());
    mouse->onFocus();
    EXPECT_TRUE(mouse->visible);
    EXPECT_TRUE(container->get_visible());
    EXPECT_EQ(lastShown(), runtime::Value(false));
    EXPECT_EQ(mouse->_leftButton->current, EngMouseButton::RELEASED);

    // Unloading while the container shows puts the default cursor back.
    mouse->unload();
    EXPECT_NE(mouse->_cursor, nullptr);
    container->set_visible(false);
    mouse->unload();
    EXPECT_EQ(mouse->_cursor, nullptr);
}

TEST_F(EngMouseTest, RecordOnlyWhatChangedAndPlayItBack) {
    step();
    EXPECT_EQ(mouse->record(), nullptr);
    px = 30, py = 40;
    step();
    auto rec = mouse->record();
    ASSERT_NE(rec, nullptr);
    EXPECT_DOUBLE_EQ(rec->x, 30);
    EXPECT_EQ(mouse->record(), nullptr);
    button(true, 0);
    step();
    EXPECT_NE(mouse->record(), nullptr);
    EXPECT_NE(mouse->record(), nullptr);  // a held left button records every step

    mouse->playback(make<engine::MouseRecord>(7, 9, EngMouseButton::JUST_RELEASED, 1));
    EXPECT_TRUE(mouse->get_justReleased());
    EXPECT_EQ(mouse->wheel, 1);
    EXPECT_EQ(mouse->screenX, 7);
    EXPECT_EQ(mouse->screenY, 9);
}

TEST_F(EngMouseTest, StateSwitchResetsButtonsAndDestroyStopsListening) {
    button(true, 0);
    step();
    EngG::switchState(make<SwipeWatchState>());
    step();
    EXPECT_FALSE(mouse->get_pressed());

    // A replacing mouse destroys the old one, which no longer hears the stage.
    Ref<engine::EngMouse> old(mouse);
    Ref<engine::EngMouseButton> oldLeft = old->_leftButton;
    auto fresh = make<engine::EngMouse>(game->_inputContainer);
    EngG::set_mouse(fresh);
    EXPECT_EQ(old->_leftButton, nullptr);
    button(true, 0);
    EXPECT_EQ(oldLeft->current, EngMouseButton::RELEASED);
    EXPECT_EQ(fresh->_leftButton->current, EngMouseButton::JUST_PRESSED);
}

TEST(EngSwipeAngle, ClockwiseFromUp) {
    struct Case {
        double dx, dy, angle;
    } cases[] = {{0, 0, 0}, {0, -5, 0}, {5, 0, 90}, {0, 5, 180}, {-5, 0, -90}, {3, -3, 45}, {-3, 3, -135}};
    for (const auto& c : cases) {
        auto start = make<engine::EngPoint>(10, 10);
        auto end = make<engine::EngPoint>(10 + c.dx, 10 + c.dy);
        EngSwipe swipe(-1, start, end, 0);
        EXPECT_NEAR(swipe.get_angle(), c.angle, 1e-9) << c.dx << "," << c.dy;
    }
    auto timed = make<EngSwipe>(-1, make<engine::EngPoint>(10, 10), make<engine::EngPoint>(13, 14), 0);
    timed->_startTimeInTicks = 1000;
    timed->_endTimeInTicks = 1250;
    EXPECT_DOUBLE_EQ(timed->get_duration(), 250);
    std::string text = timed->toString();
    EXPECT_NE(text.find("distance: 5 | "), std::string::npos) << text;
    EXPECT_NE(text.find("duration: 0.25)"), std::string::npos) << text;

    // Between axis and diagonal the approximation stays within about 4 degrees.
    auto swipe = make<EngSwipe>(-1, make<engine::EngPoint>(0, 0), make<engine::EngPoint>(1, -3), 0);
    EXPECT_NEAR(swipe->get_angle(), std::atan2(1, 3) * 180 / 3.14159265358979, 4.1);
}
