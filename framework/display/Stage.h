#pragma once
// The root of the display list and the program's entry after start-up: the back end calls its
// one handler for every native event; it runs the frame clock, timers and polls, renders, and
// tells the back end how long it may sleep.
#include <map>

#include "DisplayObjectContainer.h"
#include "StageAlign.h"
#include "StageDisplayState.h"
#include "StageQuality.h"
#include "StageScaleMode.h"
#include "TouchInfo.h"

namespace framework {

class MouseEvent;
class ScreenMode;
class Sprite;

// Slot name, primitive; in the order the stage loads them.
#define FRAMEWORK_STAGE_PRIMITIVES(X)                                                   \
    X(media_set_stage_handler, media_native_set_stage_handler)                          \
    X(media_render_stage, media_native_render_stage)                                    \
    X(media_stage_get_autos3d, media_native_stage_get_autos3d)                          \
    X(media_stage_set_autos3d, media_native_stage_set_autos3d)                          \
    X(media_stage_get_focus_id, media_native_stage_get_focus_id)                        \
    X(media_stage_set_focus, media_native_stage_set_focus)                              \
    X(media_stage_get_focus_rect, media_native_stage_get_focus_rect)                    \
    X(media_stage_set_focus_rect, media_native_stage_set_focus_rect)                    \
    X(media_stage_is_opengl, media_native_stage_is_opengl)                              \
    X(media_stage_get_stage_width, media_native_stage_get_stage_width)                  \
    X(media_stage_get_stage_height, media_native_stage_get_stage_height)                \
    X(media_stage_get_dpi_scale, media_native_stage_get_dpi_scale)                      \
    X(media_stage_get_scale_mode, media_native_stage_get_scale_mode)                    \
    X(media_stage_set_scale_mode, media_native_stage_set_scale_mode)                    \
    X(media_stage_get_align, media_native_stage_get_align)                              \
    X(media_stage_set_align, media_native_stage_set_align)                              \
    X(media_stage_get_quality, media_native_stage_get_quality)                          \
    X(media_stage_set_quality, media_native_stage_set_quality)                          \
    X(media_stage_get_display_state, media_native_stage_get_display_state)              \
    X(media_stage_set_display_state, media_native_stage_set_display_state)              \
    X(media_stage_set_next_wake, media_native_stage_set_next_wake)                      \
    X(media_stage_request_render, media_native_stage_request_render)                    \
    X(media_stage_resize_window, media_native_stage_resize_window)                      \
    X(media_stage_set_resolution, media_native_stage_set_resolution)                    \
    X(media_stage_set_screenmode, media_native_stage_set_screenmode)                    \
    X(media_stage_set_fullscreen, media_native_stage_set_fullscreen)                    \
    X(media_stage_show_cursor, media_native_stage_show_cursor)                          \
    X(media_stage_set_fixed_orientation, media_native_stage_set_fixed_orientation)      \
    X(media_stage_get_orientation, media_native_stage_get_orientation)                  \
    X(media_stage_get_normal_orientation, media_native_stage_get_normal_orientation)

class Stage : public DisplayObjectContainer {
    RUNTIME_CLASS(Stage)
public:
#define FRAMEWORK_DECLARE_SLOT(slot, primitive) static inline runtime::Primitive slot;
    FRAMEWORK_STAGE_PRIMITIVES(FRAMEWORK_DECLARE_SLOT)
#undef FRAMEWORK_DECLARE_SLOT
    static void initClass();

    // Native event type codes and flag bits, from the records list.
    enum EventType {
#define MEDIA_RECORD_TYPE(name, number) name = number,
#include "platform/media/MediaRecords.def"
    };
#define MEDIA_RECORD_FLAG(name, value) static constexpr int name = value;
#include "platform/media/MediaRecords.def"

    static constexpr int OrientationPortrait = 1, OrientationPortraitUpsideDown = 2, OrientationLandscapeRight = 3,
                         OrientationLandscapeLeft = 4, OrientationFaceUp = 5, OrientationFaceDown = 6,
                         OrientationPortraitAny = 7, OrientationLandscapeAny = 8, OrientationAny = 9;

    // Seconds by which the stage wakes before a frame is due.
    static inline double earlyWakeup_ = 0.005;
    // Set by Lib::close; stops the poll tick.
    static inline bool exiting_ = false;
    // Replaceable orientation functions.
    static inline runtime::Ref<runtime::Function> getOrientation;
    static inline runtime::Ref<runtime::Function> getNormalOrientation;
    static inline runtime::Ref<runtime::Function> shouldRotateInterface;
    static void setFixedOrientation(int orientation);

    Stage(const runtime::Value& handle, int width, int height);
    explicit Stage(runtime::NoInit n) : DisplayObjectContainer(n) {}
    ~Stage() override;

    runtime::Ref<Stage> get_stage() override { return runtime::Ref<Stage>(this); }

    // Operations.
    virtual void invalidate() { invalid_ = true; }
    virtual void resize(int width, int height);
    virtual void setResolution(int width, int height);
    virtual void setScreenMode(const runtime::Ref<ScreenMode>& mode);
    virtual void setFullscreen(bool full);
    virtual void showCursor(bool show);

    // The event pump.
    runtime::Value processStageEvent_(const runtime::Value& event);
    virtual double doProcessStageEvent_(const runtime::Value& event);
    virtual void pollTimers_();
    virtual void checkRender_();
    virtual void render_(bool sendEnterFrame);
    virtual double nextFrameDue_(double otherTimers);
    virtual double updateNextWake_();
    virtual void setActive_(bool newActive);
    virtual void onChange_(const runtime::Value& event);
    virtual void onResize_(double width, double height);
    virtual void onRenderContext_(bool restored);
    virtual void onSysWM_(const runtime::Value& event);

    // Input translation (pointer, touch, keyboard, focus, controllers, dragging).
    // An interactive chain lists the object a record names (when interactive) and its interactive
    // ancestors up to the stage, innermost first; stored chains are outermost first.
    using Chain = std::vector<runtime::Ref<InteractiveObject>>;
    Chain interactiveChain_(const runtime::Value& event);
    virtual void onKey_(const runtime::Value& event, const runtime::String& type);
    virtual void onMouse_(const runtime::Value& event, const runtime::String& type, bool fromMouse);
    virtual void onTouch_(const runtime::Value& event, const runtime::String& type,
                          const runtime::Ref<TouchInfo>& info);
    virtual void onFocus_(const runtime::Value& event);
    virtual void onJoystick_(const runtime::Value& event, const runtime::String& type);
    // Hover tracking for the pointer (no info) or one touch point; chain is outermost first.
    virtual void checkInOuts_(const runtime::Ref<MouseEvent>& event, const Chain& chain,
                              const runtime::Ref<TouchInfo>& info = nullptr);
    virtual void checkFocusInOuts_(const runtime::Value& event, const Chain& chain);
    virtual void startDrag_(Sprite* sprite, bool lockCenter, const runtime::Ref<Rectangle>& bounds);
    virtual void stopDrag_(Sprite* sprite);
    virtual void drag_(const runtime::Ref<Point>& point);

    // Event types by button (0 primary, 1 middle, 2 secondary).
    static inline const runtime::String sDownEvents[3] = {"mouseDown", "middleMouseDown", "rightMouseDown"};
    static inline const runtime::String sUpEvents[3] = {"mouseUp", "middleMouseUp", "rightMouseUp"};
    static inline const runtime::String sClickEvents[3] = {"click", "middleClick", "rightClick"};
    // Out, over, roll out, roll over.
    static inline const runtime::String mouseChanges_[4] = {"mouseOut", "mouseOver", "rollOut", "rollOver"};
    static inline const runtime::String touchChanges_[4] = {"touchOut", "touchOver", "touchRollOut",
                                                            "touchRollOver"};

    // Properties.
    virtual StageAlign get_align();
    virtual StageAlign set_align(StageAlign v);
    virtual int get_color();
    virtual int set_color(int v);
    virtual StageDisplayState get_displayState();
    virtual StageDisplayState set_displayState(StageDisplayState v);
    virtual double get_dpiScale();
    virtual runtime::Ref<InteractiveObject> get_focus();
    virtual runtime::Ref<InteractiveObject> set_focus(const runtime::Ref<InteractiveObject>& v);
    virtual double set_frameRate(double rate);
    virtual bool get_isOpenGL();
    virtual StageQuality get_quality();
    virtual StageQuality set_quality(StageQuality v);
    virtual StageScaleMode get_scaleMode();
    virtual StageScaleMode set_scaleMode(StageScaleMode v);
    virtual runtime::Ref<Rectangle> get_softKeyboardRect();
    virtual bool get_stageFocusRect();
    virtual bool set_stageFocusRect(bool v);
    virtual bool get_autos3d();
    virtual bool set_autos3d(bool v);
    virtual int get_stageHeight();
    virtual int get_stageWidth();

    bool active = true;
    bool pauseWhenDeactivated = true;
    bool allowsFullScreen = true;
    double frameRate = 100;
    double framePeriod_ = 0.01;
    double lastRender_ = 0;
    double nextRender_ = 0;
    bool invalid_ = false;
    runtime::Ref<runtime::Function> renderRequest;
    runtime::Ref<runtime::Function> onKey;
    runtime::Ref<runtime::Function> onQuit;
    runtime::Ref<runtime::Array> stage3Ds;
    // Input state. Hover, focus and press memories are weak: they do not keep objects alive that
    // have left the tree (and the stage, which is in every chain, does not own itself).
    std::map<int, runtime::Ref<TouchInfo>> touchInfo_;
    std::map<int, std::vector<double>> joyAxisData_;
    std::vector<runtime::Weak<InteractiveObject>> mouseOverObjects_;
    std::vector<runtime::Weak<InteractiveObject>> focusOverObjects_;
    std::vector<runtime::Weak<InteractiveObject>> lastDown_;
    int lastClickTime_ = 0;
    runtime::Ref<Rectangle> dragBounds_;
    runtime::Weak<Sprite> dragObject_;
    double dragOffsetX_ = 0;
    double dragOffsetY_ = 0;
    runtime::Ref<Rectangle> softKeyboardRect_;

private:
    static int sizeOf(const runtime::Value& v);
};

}  // namespace framework
