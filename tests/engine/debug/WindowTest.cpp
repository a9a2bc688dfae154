// Debugger windows over the fake back end: layout, resizing and bounds, the shown state in the
// engine save, dragging and resizing by the pointer; the system button's clicks and toggle look.
#include <vector>

#include "../EngineFixture.h"
#include "engine/system/debug/Window.h"
#include "engine/ui/EngSystemButton.h"
#include "engine/util/EngSave.h"
#include "framework/events/MouseEvent.h"

using engine::EngG;
using engine::EngSystemButton;
using engine::Window;
using framework::MouseEvent;
using runtime::make;
using runtime::Ref;

namespace {

class WindowTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        // Every surface answers the grip picture's size.
        fake.returns("media_native_bitmap_data_width", runtime::Value(10));
        fake.returns("media_native_bitmap_data_height", runtime::Value(10));
        scriptPointer();
        Window::WINDOW_AMOUNT = 0;
        EngG::save->bind("engine-window-test");
        EngG::save->erase();
        EngG::save->bind("engine-window-test");
    }
    void TearDown() override {
        EngG::save->erase();
        EngineFixture::TearDown();
    }
    runtime::Ref<runtime::Array> settings() { return Ref<runtime::Array>(EngG::save->data->getField("windowSettings").as<runtime::Array>()); }
    Ref<Window> liveWindow(double w, double h, const Ref<framework::Rectangle>& bounds = nullptr) {
        auto win = make<Window>("Live", nullptr, w, h, true, bounds, true);
        holder = make<framework::Sprite>();
        stage()->addChild(holder);
        holder->addChild(win);
        win->dispatchEvent(make<framework::Event>(framework::Event::ENTER_FRAME));
        return win;
    }
    void pointer(const char* type, double x, double y, framework::EventDispatcher* target) {
        pointerX = x;
        pointerY = y;
        target->dispatchEvent(make<MouseEvent>(type));
    }
    Ref<framework::Sprite> holder;
};

}  // namespace

TEST_F(WindowTest, LaysOutItsBars) {
    auto win = make<Window>("Watch", nullptr, 300, 200);
    EXPECT_EQ(win->_width, 300);
    EXPECT_EQ(win->_height, 200);
    EXPECT_EQ(win->_background->get_scaleX(), 300);
    EXPECT_EQ(win->_background->get_scaleY(), 185);
    EXPECT_EQ(win->_background->get_y(), 15);
    EXPECT_EQ(win->_shadow->get_scaleX(), 300);
    EXPECT_EQ(win->_shadow->get_y(), 200);
    EXPECT_EQ(win->_header->get_scaleX(), 300);
    EXPECT_EQ(win->_handle->get_x(), 290);
    EXPECT_EQ(win->_handle->get_y(), 190);
    EXPECT_EQ(win->maxSize->x, 1.79e308);
    EXPECT_EQ(win->maxSize->y, 1.79e308);

    win->resize(-120.7, 10);
    EXPECT_EQ(win->_width, 120);
    EXPECT_EQ(win->_height, 30);

    auto empty = make<Window>("Empty");
    EXPECT_EQ(empty->_width, 0);
    EXPECT_EQ(empty->_height, 0);
    EXPECT_EQ(empty->_header->get_scaleX(), 1);
    win->destroy();
    empty->destroy();
}

TEST_F(WindowTest, StaysInsideItsBounds) {
    auto bounds = make<framework::Rectangle>(0, 0, 100, 100);
    auto small = make<Window>("Small", nullptr, 50, 30, true, bounds, true);
    small->reposition(90, -5);
    EXPECT_EQ(small->get_x(), 50);
    EXPECT_EQ(small->get_y(), 0);
    // Larger than the bounds: the right and bottom edges meet the bounds'.
    auto large = make<Window>("Large", nullptr, 300, 200, true, nullptr, true);
    large->updateBounds(bounds);
    large->reposition(10, 10);
    EXPECT_EQ(large->get_x(), -200);
    EXPECT_EQ(large->get_y(), -100);
    large->resize(300, 200);
    EXPECT_EQ(large->_width, 100);
    EXPECT_EQ(large->_height, 100);
}

TEST_F(WindowTest, ShownStateLivesInTheEngineSave) {
    EXPECT_TRUE(EngG::save->data->getField("windowSettings").isNull());
    auto closable = make<Window>("Closable", nullptr, 100, 100, true, nullptr, true);
    EXPECT_TRUE(EngG::save->data->getField("windowSettings").isNull());
    EXPECT_EQ(Window::WINDOW_AMOUNT, 0);

    auto first = make<Window>("First", nullptr, 100, 100);
    ASSERT_NE(settings(), nullptr);
    EXPECT_EQ(settings()->length(), 10);
    EXPECT_TRUE(first->get_visible());
    EXPECT_EQ(first->_id, 0);
    auto second = make<Window>("Second", nullptr, 100, 100);
    EXPECT_EQ(second->_id, 1);
    EXPECT_EQ(Window::WINDOW_AMOUNT, 2);

    auto toggle = make<EngSystemButton>(nullptr);
    second->toggleButton = toggle;
    second->setVisible(false);
    EXPECT_FALSE(second->get_visible());
    EXPECT_TRUE(toggle->toggled);
    EXPECT_FALSE(settings()->at(1).toBool());
    // Read back from the written entry.
    EngG::save->bind("engine-window-test");
    Window::WINDOW_AMOUNT = 1;
    auto again = make<Window>("Again", nullptr, 100, 100);
    EXPECT_FALSE(again->get_visible());
    // Beyond the stored entries a window reads as hidden.
    Window::WINDOW_AMOUNT = 12;
    EXPECT_FALSE(make<Window>("Far", nullptr, 100, 100)->get_visible());
}

TEST_F(WindowTest, DraggedByItsTitleAndResizedByItsGrip) {
    auto win = liveWindow(100, 80, make<framework::Rectangle>(0, 0, 400, 300));
    pointer("mouseMove", 20, 5, stage().get());
    EXPECT_TRUE(win->_overHeader);
    pointer("mouseDown", 20, 5, win.get());
    pointer("mouseMove", 30, 10, stage().get());
    EXPECT_EQ(win->get_x(), 10);
    EXPECT_EQ(win->get_y(), 5);
    pointer("mouseUp", 300, 300, stage().get());
    EXPECT_FALSE(win->_dragging);

    // Over the grip (window-local positions: the fake answers the same pointer for every object).
    win->reposition(0, 0);
    pointer("mouseMove", 95, 75, stage().get());
    EXPECT_FALSE(win->_overHeader);
    EXPECT_TRUE(win->_overHandle);
    pointer("mouseDown", 95, 75, win.get());
    pointer("mouseMove", 105, 80, stage().get());
    EXPECT_EQ(win->_width, 110);
    EXPECT_EQ(win->_height, 85);
    pointer("mouseMove", 10, 10, stage().get());
    EXPECT_EQ(win->_width, 50);
    EXPECT_EQ(win->_height, 30);
    pointer("mouseUp", 0, 0, stage().get());
    EXPECT_FALSE(win->_resizing);

    win->destroy();
    pointer("mouseMove", 20, 5, stage().get());
    EXPECT_FALSE(stage()->hasEventListener(MouseEvent::MOUSE_MOVE));
    stage()->removeChild(holder);
}

TEST_F(WindowTest, SystemButtonClicksAndToggles) {
    int clicks = 0;
    auto button = make<EngSystemButton>(nullptr, runtime::Function::of([&] { ++clicks; }), true);
    EXPECT_EQ(button->get_numChildren(), 0);
    auto press = [&](const char* type) { button->dispatchEvent(make<MouseEvent>(type)); };
    press("mouseOver");
    EXPECT_NEAR(button->get_alpha(), 0.8, 1e-9);
    press("mouseDown");
    press("mouseUp");
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->toggled);
    EXPECT_NEAR(button->get_alpha(), 0.3, 1e-9);
    press("mouseOut");
    EXPECT_NEAR(button->get_alpha(), 0.5, 1e-9);
    // A release without a press first is no click.
    press("mouseUp");
    EXPECT_EQ(clicks, 1);
    // Disabled: the release leaves the press pending for later.
    press("mouseDown");
    button->enabled = false;
    press("mouseUp");
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->_mouseDown);
    button->enabled = true;
    press("mouseUp");
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->toggled);
    EXPECT_NEAR(button->get_alpha(), 1.0, 1e-9);

    button->changeIcon(make<framework::BitmapData>(4, 4));
    EXPECT_EQ(button->get_numChildren(), 1);
    button->destroy();
    press("mouseDown");
    press("mouseUp");
    EXPECT_EQ(clicks, 2);
}
