#pragma once
// The base of every visual the game draws itself: a Sprite showing one BitmapData through a
// child Bitmap, with a frame-strip animation (the child's scroll rectangle moves from cell to
// cell), simple bounce physics, a delayed fade-out and bookkeeping that fires tweenOnComplete
// once both the animation and the registered tween are over. It has no frame hook: its owner
// calls updateAnim once per game update.
#include "Anim.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Sprite.h"
#include "platform/runtime/Function.h"
#include "tween/actuators/IGenericActuator.h"

namespace game {

class BitmapSprite : public framework::Sprite {
    RUNTIME_CLASS(BitmapSprite)
public:
    static inline const double GRAVITY_60FPS = 0.4;
    // Velocity gained per update under gravity; the frame-rate switch sets it.
    static inline double GRAVITY = 0.4;

    explicit BitmapSprite(const runtime::Ref<framework::BitmapData>& bmd = nullptr, bool disposable = false,
                          bool ignoreDestroy = false);
    explicit BitmapSprite(runtime::NoInit n) : framework::Sprite(n) {}

    // The animation step or hold length at the current frame rate: halved, rounded half up, at 30.
    static int scaledFrames(int frames60);

    runtime::Ref<framework::BitmapData> get_bmd() { return bmd; }
    // The first non-null value creates the child bitmap; null only forgets bmd (the bitmap keeps
    // its picture).
    virtual runtime::Ref<framework::BitmapData> set_bmd(const runtime::Ref<framework::BitmapData>& value);
    bool get_flipped() { return flipped; }
    // Mirrors the bitmap about its own cell so the cell stays in place.
    virtual bool set_flipped(bool value);
    virtual void setNewAnim(const runtime::Ref<Anim>& anim, bool restart = true, int loops = 0, bool backwards = false);
    // Unless ignoreDestroy (and not forced): empties the sprite, disposes an owned bmd and marks it
    // destroyed. The sprite stays on its parent.
    virtual void destroy(bool force = false);
    // Removes every child; BitmapSprite children are destroyed without force first.
    virtual void destroyAndRemoveChildren();
    // One game update: frame stepping, physics, delayed fade.
    virtual void updateAnim();
    virtual void completeAnimation();
    // Registers a tween whose end matters: tweening until it ends, then endTween.
    virtual void tween(const runtime::Ref<::tween::IGenericActuator>& actuator);
    virtual void endTween();
    // Edge fade for scrollers; position 0 is the window's left edge, 1 its right edge.
    virtual void updateAlphaForScroller(double position, int unused = 0);
    virtual bool equals(const runtime::Ref<BitmapSprite>& other);

    runtime::Ref<framework::BitmapData> bmd;
    runtime::Ref<framework::Bitmap> bitmap;
    // Position (from 1) of the shown cell within the animation.
    int frame = 0;
    int frameOffset = 0;
    runtime::Ref<Anim> anim;
    bool animPaused = false;
    bool animCompleted = true;
    int loopsLeft = 0;
    bool flipped = false;
    bool tweening = false;
    // Owners take a finished sprite off its parent and destroy it.
    bool removeEffect = true;
    runtime::Ref<runtime::Function> tweenOnComplete;
    bool physics = false;
    double floorY = 0;
    double velX = 0;
    double velY = 0;
    double bounceDamp = 0.7;
    double friction = 0.9;
    bool grounded = false;
    int fadeDelayFrames = 0;
    double fadeTime = 0;
    bool waitToRemove = false;
    bool ignoreDestroy = false;
    bool destroyed = false;
    int backwards = 1;
    bool disposable = false;
    int pauseFrame = 0;
    int fadeDelayCounter = 0;

private:
    bool isAnimationTick();
    // One animation tick; false when it completed the animation.
    bool stepFrame();
    void stepPhysics();
    void stepFade();
    // Shows the cell at (x, y) with the current cell's size.
    void moveCell(double x, double y, double width, double height);
    int sheetWidth();
};

}  // namespace game
