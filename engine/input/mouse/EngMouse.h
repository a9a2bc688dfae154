#pragma once
// The engine's pointer input. As a point it holds the pointer's world position on the default
// camera; it also keeps the position on the engine game sprite and on the default camera's view,
// the left, middle and right buttons (settled once per step), the wheel, and the cursor: the
// window's system pointer or an engine cursor picture in a container that follows the pointer.
#include "engine/EngCamera.h"
#include "engine/input/IEngInput.h"
#include "engine/input/mouse/EngMouseButton.h"
#include "engine/system/replay/MouseRecord.h"
#include "engine/util/EngPoint.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"

namespace framework {
class Event;
class MouseEvent;
}  // namespace framework

namespace engine {

class EngMouse : public EngPoint, public IEngInput {
    RUNTIME_CLASS(EngMouse)
public:
    explicit EngMouse(const runtime::Ref<framework::Sprite>& cursorContainer);
    explicit EngMouse(runtime::NoInit n) : EngPoint(n) {}

    void destroy() override;

    // Puts a cursor picture in the container: a registered class made with no arguments
    // (a bitmap), a bitmap data, an asset id, or the default cursor for null and anything else.
    virtual void load(const runtime::Value& graphic = nullptr, double scale = 1, double xOffset = 0, double yOffset = 0);
    virtual void load(const runtime::ClassInfo* graphicClass, double scale = 1, double xOffset = 0, double yOffset = 0);
    virtual void unload();
    // Camera null: the default camera; point null: a new pool point.
    virtual runtime::Ref<EngPoint> getWorldPosition(const runtime::Ref<EngCamera>& camera = nullptr,
                                                     runtime::Ref<EngPoint> point = nullptr);
    virtual runtime::Ref<EngPoint> getScreenPosition(const runtime::Ref<EngCamera>& camera = nullptr,
                                                      runtime::Ref<EngPoint> point = nullptr);
    // Nothing else is recomputed until the next updateCursor.
    virtual void setGlobalScreenPositionUnsafe(double x, double y);
    void reset() override;
    void update() override;
    void onFocus() override;
    void onFocusLost() override;
    virtual void onGameStart();
    virtual void updateCursor();
    virtual void onMouseWheel(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseLeave(const runtime::Ref<framework::Event>& event);
    virtual bool get_pressed();
    virtual bool get_justPressed();
    virtual bool get_justReleased();
    virtual bool get_pressedRight();
    virtual bool get_justPressedRight();
    virtual bool get_justReleasedRight();
    virtual bool get_pressedMiddle();
    virtual bool get_justPressedMiddle();
    virtual bool get_justReleasedMiddle();
    virtual void showSystemCursor();
    virtual void hideSystemCursor();
    virtual bool set_useSystemCursor(bool value);
    virtual bool set_visible(bool value);
    // Null while the pointer, the wheel and a released left button are as last recorded.
    virtual runtime::Ref<MouseRecord> record();
    virtual void playback(const runtime::Ref<MouseRecord>& record);

    bool get_visible() const { return visible; }
    bool get_useSystemCursor() const { return useSystemCursor; }

    int wheel = 0;
    int screenX = 0;
    int screenY = 0;
    // Not owned: the engine game holds it.
    runtime::Weak<framework::Sprite> cursorContainer;
    bool visible = true;
    bool useSystemCursor = false;
    runtime::Ref<EngMouseButton> _leftButton;
    runtime::Ref<EngMouseButton> _middleButton;
    runtime::Ref<EngMouseButton> _rightButton;
    runtime::Ref<framework::Bitmap> _cursor;
    runtime::Ref<framework::BitmapData> _cursorBitmapData;
    bool _wheelUsed = false;
    bool _visibleWhenFocusLost = true;
    int _lastX = 0;
    int _lastY = 0;
    int _lastWheel = 0;
    runtime::Ref<EngPoint> _point;
    runtime::Ref<EngPoint> _globalScreenPosition;
    runtime::Weak<framework::Stage> _stage;

private:
    void setCursor(const runtime::Ref<framework::Bitmap>& cursor, double scale, double xOffset, double yOffset);
    void listen(bool add);
};

}  // namespace engine
