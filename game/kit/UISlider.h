#pragma once
// The settings slider: a meter as the track, a handle the player drags along it and the value as
// a whole percentage above the handle. The owner calls update every update while it is shown.
#include "BasicMeter.h"
#include "TextSprite.h"
#include "framework/events/Event.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace game {

class UISlider : public BitmapSprite {
    RUNTIME_CLASS(UISlider)
public:
    static constexpr int DEFAULT_WIDTH = 200;
    static constexpr int DEFAULT_HEIGHT = 13;
    static constexpr int HANDLE_WIDTH = 9;
    static const runtime::Ref<framework::Rectangle> HANDLE_DEFAULT_RECT;
    static const runtime::Ref<framework::Rectangle> HANDLE_OVER_RECT;
    static const runtime::Ref<framework::Rectangle> HANDLE_SELECTED_RECT;

    // -1 gives the default: a white track of 200 x 13.
    explicit UISlider(int color = -1, int sliderWidth = -1, int sliderHeight = -1);
    explicit UISlider(runtime::NoInit n) : BitmapSprite(n) {}

    // Track and label follow; the handle only with moveHandle.
    virtual void setPercent(double percent, bool moveHandle = false);
    // One drag step while the handle is held.
    virtual void update();
    virtual void handleOver(const runtime::Ref<framework::Event>& event);
    virtual void handleOut(const runtime::Ref<framework::Event>& event);
    virtual void handleDown(const runtime::Ref<framework::Event>& event);
    // Any release on the stage lets go of the handle.
    virtual void mouseUp(const runtime::Ref<framework::Event>& event);

    int sliderWidth = DEFAULT_WIDTH;
    int sliderHeight = DEFAULT_HEIGHT;
    double percent = 1.0;
    bool dragging = false;
    runtime::Ref<BasicMeter> meter;
    runtime::Ref<BitmapSprite> handle;
    runtime::Ref<framework::Bitmap> handlePic;
    runtime::Ref<framework::Point> handleMousePoint;
    int minPos = 3;
    int maxPos = 0;
    runtime::Ref<TextSprite> textLabel;
    runtime::Ref<BitmapSprite> hitArea;
};

}  // namespace game
