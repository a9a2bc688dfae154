#pragma once
// The framed panel behind every window: a nine-slice frame from the window-border skin (corner
// 6; translucent at (13, 0) by default, opaque at (0, 0)), and optional flat layers over it: a
// gold tint and, for selectable windows, a hover and a selection highlight.
#include "Scale9BitmapSprite.h"
#include "framework/events/Event.h"

namespace game {

class BasicWindow : public Scale9BitmapSprite {
    RUNTIME_CLASS(BasicWindow)
public:
    static constexpr int CORNER_SIZE_SMALL = 6;

    BasicWindow(int winWidth, int winHeight, bool opaque = false, int sides = 0, bool selectable = false,
                bool goldTint = false);
    explicit BasicWindow(runtime::NoInit n) : Scale9BitmapSprite(n) {}

    // Draws the frame anew at this size; the layers keep their size.
    virtual void drawWindow(int winWidth, int winHeight, bool opaque = false, int sides = 0);
    virtual void mouseOver(const runtime::Ref<framework::Event>& event);
    virtual void mouseOut(const runtime::Ref<framework::Event>& event);
    virtual void selectWindow();
    virtual void deselectWindow();
    virtual void disable();
    virtual void enable();

    // Runs an operation of the UI root (Game::ui), which lives above the kit and is reached by
    // name; nothing happens without a root or without that operation.
    static void askUIRoot(const char* operation);

    int winWidth = 0;
    int winHeight = 0;
    bool disabled = false;
    runtime::Ref<framework::Bitmap> hoverLayer;
    runtime::Ref<framework::Bitmap> selectedLayer;
};

}  // namespace game
