#pragma once
// A debugger panel: a dark translucent body under a title bar with a title and optional icon, a
// shadow strip below, an optional resize grip and close button. Dragged by its title bar, resized
// by its grip, kept inside its bounds and between its minimum and maximum size. A window without
// a close button keeps whether it is shown in the engine save ("windowSettings", by window id).
//
// Its owner keeps it in a container on the stage (it starts listening to the pointer on the first
// frame it is on the stage), binds the engine save before making a window without a close button,
// and calls destroy when it takes the window out.
#include "engine/ui/EngSystemButton.h"
#include "framework/display/Bitmap.h"
#include "framework/display/Sprite.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "framework/text/TextField.h"

namespace framework {
class Event;
class MouseEvent;
}  // namespace framework

namespace engine {

class Window : public framework::Sprite {
    RUNTIME_CLASS(Window)
public:
    static constexpr int BG_COLOR = static_cast<int>(0xDD5F5F5F);
    static constexpr int HEADER_COLOR = static_cast<int>(0xBB000000);
    static constexpr double HEADER_ALPHA = 0.8;
    static constexpr int HEADER_HEIGHT = 15;
    // Windows without a close button made so far; the next one's id.
    static inline int WINDOW_AMOUNT = 0;

    // Width and height are taken as absolute values truncated toward zero; a 0 x 0 window is not
    // laid out until its first resize.
    explicit Window(const runtime::String& title, const runtime::Ref<framework::BitmapData>& icon = nullptr,
                    double width = 0, double height = 0, bool resizable = true,
                    const runtime::Ref<framework::Rectangle>& bounds = nullptr, bool closable = false);
    explicit Window(runtime::NoInit n) : framework::Sprite(n) {}
    ~Window() override;

    virtual void destroy();
    virtual void resize(double width, double height);
    virtual void reposition(double x, double y);
    // maxSize follows the bounds' size (unbounded for null); size and place are not corrected.
    virtual void updateBounds(const runtime::Ref<framework::Rectangle>& bounds);
    virtual void setVisible(bool value);
    virtual void toggleVisible();
    // Does nothing for a window without a parent.
    virtual void putOnTop();
    virtual void loadSaveData();
    virtual void initSaveData();
    virtual void update() {}
    virtual void init(const runtime::Ref<framework::Event>& event);
    virtual void onMouseMove(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseDown(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseUp(const runtime::Ref<framework::MouseEvent>& event);
    virtual void bound();
    virtual void updateSize();
    virtual void close() { destroy(); }

    runtime::Ref<framework::Point> minSize;
    runtime::Ref<framework::Point> maxSize;
    // Not owned.
    runtime::Ref<EngSystemButton> toggleButton;
    int _width = 0;
    int _height = 0;
    runtime::Ref<framework::Rectangle> _bounds;
    runtime::Ref<framework::Bitmap> _background;
    runtime::Ref<framework::Bitmap> _header;
    runtime::Ref<framework::Bitmap> _shadow;
    runtime::Ref<framework::TextField> _title;
    runtime::Ref<framework::Bitmap> _handle;
    runtime::Ref<EngSystemButton> _closeButton;
    bool _overHeader = false;
    bool _overHandle = false;
    runtime::Ref<framework::Point> _drag;
    bool _dragging = false;
    bool _resizing = false;
    bool _resizable = false;
    int _id = 0;

private:
    // The entries of "windowSettings", null when the save has no data or no such array.
    runtime::Ref<runtime::Array> settings() const;
    // The bars are 1-pixel surfaces stretched by their scale.
    double headerWidth();
    int gripWidth();
    int gripHeight();
};

}  // namespace engine
