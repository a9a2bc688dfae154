#pragma once
// The engine's view onto the world: a display sprite (flashSprite) holding a drawing sprite
// (canvas); scrolls, follows a target through a dead zone, keeps to bounds, draws the sprites'
// tile batches and paints a flash, a fade and a shake.
#include "engine/EngBasic.h"
#include "engine/EngObject.h"
#include "engine/system/layer/DrawStackItem.h"
#include "engine/util/EngPoint.h"
#include "engine/util/EngRect.h"
#include "framework/display/Sprite.h"

namespace engine {

class EngCamera : public EngBasic {
    RUNTIME_CLASS(EngCamera)
public:
    static constexpr int STYLE_LOCKON = 0;
    static constexpr int STYLE_PLATFORMER = 1;
    static constexpr int STYLE_TOPDOWN = 2;
    static constexpr int STYLE_TOPDOWN_TIGHT = 3;
    static constexpr int STYLE_SCREEN_BY_SCREEN = 4;
    static constexpr int STYLE_NO_DEAD_ZONE = 5;
    static constexpr int SHAKE_BOTH_AXES = 0;
    static constexpr int SHAKE_HORIZONTAL_ONLY = 1;
    static constexpr int SHAKE_VERTICAL_ONLY = 2;

    // Zoom of a camera made with zoom 0; set by EngG::init.
    static inline double defaultZoom = 1;
    // Head of the free list of batches all cameras share.
    static runtime::Ref<DrawStackItem> _storageHead;

    // Width and height 0 take the engine's size; zoom 0 the default zoom.
    explicit EngCamera(double x = 0, double y = 0, int width = 0, int height = 0, double zoom = 0);
    explicit EngCamera(runtime::NoInit n) : EngBasic(n) {}
    ~EngCamera() override;

    virtual runtime::Ref<DrawStackItem> getDrawStackItem(const runtime::Ref<CachedGraphics>& graphic, bool colored,
                                                         int blending, bool antialiasing = false);
    virtual void clearDrawStack();
    virtual void render();
    virtual void updateFollow();
    virtual void updateFlash();
    virtual void updateFade();
    virtual void updateShake();
    virtual void follow(const runtime::Ref<EngObject>& target, int style = STYLE_LOCKON,
                        const runtime::Ref<EngPoint>& offset = nullptr, double lerp = 0);
    virtual void focusOn(const runtime::Ref<EngPoint>& point);
    virtual void flash(int color = static_cast<int>(0xFFFFFFFF), double duration = 1,
                       runtime::Ref<runtime::Function> onComplete = nullptr, bool force = false);
    virtual void fade(int color = static_cast<int>(0xFF000000), double duration = 1, bool fadeIn = false,
                      runtime::Ref<runtime::Function> onComplete = nullptr, bool force = false);
    virtual void shake(double intensity = 0.05, double duration = 0.5, runtime::Ref<runtime::Function> onComplete = nullptr,
                       bool force = true, int direction = SHAKE_BOTH_AXES);
    virtual void stopFX();
    virtual EngCamera* copyFrom(const runtime::Ref<EngCamera>& camera);
    // Paints the whole view; nothing when fxAlpha is 0. blendAlpha has no effect.
    virtual void fill(int color, bool blendAlpha = true, double fxAlpha = 1,
                      runtime::Ref<framework::Graphics> graphics = nullptr);
    virtual void drawFX();
    virtual void setSize(int width, int height);
    virtual void setPosition(double x = 0, double y = 0);
    virtual void setBounds(double x = 0, double y = 0, double width = 0, double height = 0, bool updateWorld = false);
    virtual void setScale(double x, double y);
    // The display sprite's scale, in the same point on every call.
    virtual runtime::Ref<EngPoint> getScale();
    virtual int set_width(int value);
    virtual int set_height(int value);
    virtual double set_zoom(double value);
    virtual double set_alpha(double value);
    virtual double set_angle(double value);
    virtual int set_color(int value);
    virtual bool set_antialiasing(bool value);

    void update() override;
    void destroy() override;

    double x = 0;
    double y = 0;
    int style = STYLE_LOCKON;
    runtime::Ref<EngObject> target;
    double followLerp = 0;
    runtime::Ref<EngRect> deadzone;
    runtime::Ref<EngRect> bounds;
    runtime::Ref<EngPoint> scroll;
    int bgColor = static_cast<int>(0xFF000000);
    bool useBgAlphaBlending = false;
    runtime::Ref<framework::Sprite> flashSprite;
    int width = 0;
    int height = 0;
    double zoom = 0;
    double alpha = 1;
    double angle = 0;
    int color = static_cast<int>(0xFFFFFFFF);
    bool antialiasing = false;
    runtime::Ref<EngPoint> followLead;
    runtime::Ref<EngPoint> _flashOffset;
    int _fxFlashColor = 0;
    double _fxFlashDuration = 0;
    runtime::Ref<runtime::Function> _fxFlashComplete;
    double _fxFlashAlpha = 0;
    int _fxFadeColor = 0;
    runtime::Ref<EngPoint> _lastTargetPosition;
    runtime::Ref<EngPoint> _scrollTarget;
    double _fxFadeDuration = 0;
    bool _fxFadeIn = false;
    runtime::Ref<runtime::Function> _fxFadeComplete;
    double _fxFadeAlpha = 0;
    double _fxShakeIntensity = 0;
    double _fxShakeDuration = 0;
    runtime::Ref<runtime::Function> _fxShakeComplete;
    runtime::Ref<EngPoint> _fxShakeOffset;
    int _fxShakeDirection = 0;
    runtime::Ref<EngPoint> _point;
    runtime::Ref<framework::Sprite> canvas;
    runtime::Ref<DrawStackItem> _currentStackItem;
    runtime::Ref<DrawStackItem> _headOfDrawStack;
};

}  // namespace engine
