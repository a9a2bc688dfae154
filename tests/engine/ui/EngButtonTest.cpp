// Push buttons under the mouse through real stage records: the status machine and its events,
// the press and release within one step, swiping, the label's place and fading, and release after
// destroy.
#include <string>
#include <vector>

#include "../EngineFixture.h"
#include "engine/text/EngText.h"
#include "engine/ui/EngButton.h"
#include "engine/ui/EngTypedButton.h"

using engine::EngButton;
using engine::EngG;
using engine::EngTypedButton;
using runtime::make;
using runtime::Ref;

namespace {

class EngButtonTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        scriptPointer();
        // Text fields keep their text.
        fake.on("media_native_text_field_create", [](const std::vector<runtime::Value>&) {
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("text", runtime::Value(""));
            return runtime::Value(h);
        });
        fake.on("media_native_text_field_get_text", [](const std::vector<runtime::Value>& a) { return a[0].field("text"); });
        fake.on("media_native_text_field_set_text", [](const std::vector<runtime::Value>& a) {
            a[0].setField("text", a[1]);
            return runtime::Value();
        });
        startGame<engine::EngState>();
        step();
    }
    void mouse(bool down) { mouseButton(down); }
    void step() { frame(17); }
    void moveTo(double x, double y) {
        pointerX = x;
        pointerY = y;
    }
    // A button at (100, 100) in the running state, recording its events as letters.
    template <class B, class... A>
    Ref<B> button(A... args) {
        auto b = make<B>(100, 100, args...);
        for (auto [event, letter] : {std::pair{b->onUp, 'U'}, {b->onDown, 'D'}, {b->onOver, 'V'}, {b->onOut, 'O'}}) {
            char l = letter;
            event->callback = runtime::Function::of([this, l] { log += l; });
        }
        EngG::get_state()->add(b);
        return b;
    }
    std::string log;
};

}  // namespace

TEST_F(EngButtonTest, HighlightPressAndClick) {
    auto b = button<EngTypedButton>();
    EXPECT_EQ(b->get_width(), 80);
    EXPECT_EQ(b->get_height(), 20);
    moveTo(150, 110);
    step();
    EXPECT_EQ(b->status, EngTypedButton::HIGHLIGHT);
    EXPECT_EQ(b->animation->frameIndex, EngTypedButton::HIGHLIGHT);
    mouse(true);
    step();
    step();
    EXPECT_EQ(b->status, EngTypedButton::PRESSED);
    mouse(false);
    EXPECT_EQ(b->status, EngTypedButton::NORMAL);
    step();
    EXPECT_EQ(b->status, EngTypedButton::HIGHLIGHT);
    // Leaving; an edge is outside.
    moveTo(180, 110);
    step();
    EXPECT_EQ(b->status, EngTypedButton::NORMAL);
    EXPECT_EQ(log, "VDUVO");
}

TEST_F(EngButtonTest, PressAndReleaseInOneStep) {
    auto b = button<EngTypedButton>();
    moveTo(120, 105);
    step();
    mouse(true);
    mouse(false);  // reaches the listener first: not pressed yet
    EXPECT_EQ(log, "V");
    step();  // the fast press-release is a fresh press
    EXPECT_EQ(b->status, EngTypedButton::PRESSED);
    step();
    EXPECT_EQ(b->status, EngTypedButton::PRESSED);
    mouse(true);
    mouse(false);
    EXPECT_EQ(log, "VDU");
}

TEST_F(EngButtonTest, SwipingOntoTheButton) {
    for (bool swiping : {true, false}) {
        SCOPED_TRACE(swiping);
        log.clear();
        auto b = button<EngTypedButton>();
        b->allowSwiping = swiping;
        moveTo(10, 10);
        mouse(true);
        step();
        step();
        moveTo(150, 110);
        step();
        EXPECT_EQ(b->status, swiping ? EngTypedButton::PRESSED : EngTypedButton::HIGHLIGHT);
        mouse(false);
        step();
        EXPECT_EQ(log, swiping ? "DUV" : "V");
        b->destroy();
        EngG::get_state()->remove(b);
    }
}

TEST_F(EngButtonTest, LabelFollowsAndFades) {
    auto b = button<EngButton>(runtime::String("OK"));
    auto* label = b->textLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(b->get_text(), "OK");
    EXPECT_EQ(label->x, 99);
    EXPECT_EQ(label->y, 103);
    EXPECT_DOUBLE_EQ(label->alpha, 0.8);
    EXPECT_EQ(label->scrollFactor, b->scrollFactor);
    b->set_alpha(0.5);
    moveTo(150, 110);
    step();
    EXPECT_DOUBLE_EQ(label->alpha, 0.5);
    mouse(true);
    step();
    EXPECT_DOUBLE_EQ(label->alpha, 0.25);
    b->set_x(200);
    EXPECT_EQ(label->x, 199);
    EXPECT_EQ(label->y, 103);
    b->set_y(50);
    EXPECT_EQ(label->y, 54);  // the pressed offset
    mouse(false);
    EXPECT_EQ(label->y, 54);  // a status change does not move the label
    b->set_text("Go");
    EXPECT_EQ(b->get_text(), "Go");
}

TEST_F(EngButtonTest, DestroyedButtonIgnoresReleases) {
    auto b = button<EngTypedButton>();
    moveTo(150, 110);
    mouse(true);
    step();
    EXPECT_EQ(b->status, EngTypedButton::PRESSED);
    auto up = b->onUp;
    b->destroy();
    mouse(false);
    EXPECT_EQ(log, "D");
    EXPECT_EQ(b->onUp, nullptr);
    EXPECT_EQ(up->callback, nullptr);
    EngG::get_state()->remove(b);
}
