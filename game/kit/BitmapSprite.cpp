#include "BitmapSprite.h"

#include <cmath>

#include "framework/geom/Rectangle.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Linear.h"

namespace game {

namespace {
// Landing exactly on the floor line after a flight sums velocities with rounding errors; only a
// real overshoot counts as passing the line.
constexpr double FLOOR_TOLERANCE = 1e-9;
}  // namespace

using framework::BitmapData;
using framework::Rectangle;
using runtime::Ref;

BitmapSprite::BitmapSprite(const Ref<BitmapData>& bmd, bool disposable, bool ignoreDestroy)
    : framework::Sprite("BitmapSprite") {
    set_bmd(bmd);
    this->disposable = disposable;
    this->ignoreDestroy = ignoreDestroy;
}

int BitmapSprite::scaledFrames(int frames60) {
    return Game::frameRate == 30 ? static_cast<int>(std::floor(frames60 * 0.5 + 0.5)) : frames60;
}

Ref<BitmapData> BitmapSprite::set_bmd(const Ref<BitmapData>& value) {
    if (value) {
        if (!bitmap) {
            bitmap = runtime::make<framework::Bitmap>(value);
            bitmap->set_smoothing(false);
            addChild(bitmap);
        } else {
            bitmap->set_bitmapData(value);
        }
    }
    bmd = value;
    return value;
}

bool BitmapSprite::set_flipped(bool value) {
    if (bitmap) {
        bitmap->set_scaleX(value ? -1 : 1);
        double cellWidth = 0;
        if (auto cell = bitmap->get_scrollRect()) cellWidth = cell->width;
        else if (auto data = bitmap->get_bitmapData()) cellWidth = data->get_width();
        bitmap->set_x(value ? cellWidth : 0);
    }
    flipped = value;
    return value;
}

void BitmapSprite::setNewAnim(const Ref<Anim>& newAnim, bool restart, int loops, bool backwardsStart) {
    backwards = backwardsStart ? -1 : 1;
    loopsLeft = loops;
    double x = newAnim->startX;
    if (restart) frame = 1;
    else x += (frame - 1) * newAnim->width;
    if (bitmap) {
        bitmap->set_scrollRect(runtime::make<Rectangle>(x, newAnim->startY, newAnim->width, newAnim->height));
        bitmap->set_x(flipped ? newAnim->width : 0);
    }
    frameOffset = G::frameCount % scaledFrames(newAnim->frameStep);
    anim = newAnim;
    animPaused = false;
    animCompleted = false;
}

void BitmapSprite::destroy(bool force) {
    if (!force && ignoreDestroy) return;
    destroyAndRemoveChildren();
    if (disposable && bmd) bmd->dispose();
    destroyed = true;
    bitmap = nullptr;
    set_bmd(nullptr);
    anim = nullptr;
}

void BitmapSprite::destroyAndRemoveChildren() {
    while (get_numChildren() > 0) {
        Ref<framework::DisplayObject> child = getChildAt(0);
        if (auto sprite = child.cast<BitmapSprite>()) sprite->destroy(false);
        removeChild(child);
    }
}

bool BitmapSprite::isAnimationTick() {
    return (frameOffset + G::frameCount) % scaledFrames(anim->frameStep) == 0;
}

int BitmapSprite::sheetWidth() {
    Ref<BitmapData> data = bitmap ? bitmap->get_bitmapData() : bmd;
    return data ? data->get_width() : 0;
}

void BitmapSprite::moveCell(double x, double y, double width, double height) {
    bitmap->set_scrollRect(runtime::make<Rectangle>(x, y, width, height));
}

void BitmapSprite::updateAnim() {
    // The tick that completes the animation skips physics and fade.
    if (anim && !animPaused && bitmap && isAnimationTick() && !stepFrame()) return;
    if (physics) stepPhysics();
    if (waitToRemove && fadeDelayFrames != 0) stepFade();
}

bool BitmapSprite::stepFrame() {
    Ref<Rectangle> cell = bitmap->get_scrollRect();
    const double cx = cell ? cell->x : anim->startX, cy = cell ? cell->y : anim->startY;
    const double cw = cell ? cell->width : anim->width, ch = cell ? cell->height : anim->height;
    const int hold = scaledFrames(anim->pauseFrames);
    if (!anim->backAndForth) {
        if (frame >= anim->frames) {
            if (!anim->loop && loopsLeft <= 0) {
                completeAnimation();
                return false;
            }
            --loopsLeft;
            frame = 1;
            moveCell(anim->startX, anim->startY, cw, ch);
            pauseFrame = hold;
        } else if (pauseFrame > 0) {
            --pauseFrame;
        } else {
            double nx = cx + anim->width, ny = cy;
            if (nx >= sheetWidth()) {
                nx = 0;
                ny = cy + anim->height;
            }
            moveCell(nx, ny, cw, ch);
            ++frame;
        }
    } else if (pauseFrame > 0) {
        --pauseFrame;
    } else {
        double nx = cx + anim->width * backwards, ny = cy;
        if (nx >= sheetWidth()) {
            nx = 0;
            ny = cy + anim->height;
        } else if (nx < 0) {
            nx = sheetWidth() - anim->width;
            ny = cy - anim->height;
        }
        moveCell(nx, ny, cw, ch);
        frame += backwards;
        if (frame == anim->frames) {
            frame = anim->frames - 1;
            backwards = -backwards;
            pauseFrame = hold;
        } else if (frame == 0) {
            if (!anim->loop && loopsLeft <= 0) {
                completeAnimation();
                return false;
            }
            --loopsLeft;
            frame = 1;
            backwards = -backwards;
            pauseFrame = hold;
        }
    }
    bitmap->set_x(flipped ? bitmap->get_scrollRect()->width : 0);
    return true;
}

void BitmapSprite::stepPhysics() {
    set_x(get_x() + velX);
    set_y(get_y() + velY);
    if (!grounded) {
        double y = get_y();
        if (std::abs(y - floorY) < 0.5 && std::abs(velY) < 0.5) {
            velY = 0;
            grounded = true;
            set_y(floorY);
        } else if (y > floorY + FLOOR_TOLERANCE) {
            set_y(floorY - (y - floorY) * bounceDamp);
            velY = -bounceDamp * velY;
            velX = friction * velX;
        }
    }
    if (grounded) {
        if (std::abs(velX) > 0.5) {
            velX = friction * velX;
            if (std::abs(velX) < 0.5) velX = 0;
        }
    } else {
        velY += GRAVITY;
    }
}

void BitmapSprite::stepFade() {
    if (++fadeDelayCounter < fadeDelayFrames) return;
    auto props = runtime::make<runtime::DynamicObject>();
    props->setField("alpha", runtime::Value(0));
    if (auto actuator = ::tween::Tweener::tween(Ref<BitmapSprite>(this), fadeTime, props, true)) {
        actuator->ease(::tween::Linear::get_easeNone());
        tween(actuator);
    }
    waitToRemove = false;
}

void BitmapSprite::completeAnimation() {
    animPaused = true;
    animCompleted = true;
    if (tweenOnComplete && !tweening) {
        Ref<runtime::Function> done = tweenOnComplete;
        tweenOnComplete = nullptr;
        (*done)();
    }
}

void BitmapSprite::tween(const Ref<::tween::IGenericActuator>& actuator) {
    // Marked first: a tween of no length completes inside onComplete.
    tweening = true;
    actuator->onComplete(runtime::Function::method<&BitmapSprite::endTween>(this));
}

void BitmapSprite::endTween() {
    tweening = false;
    if (tweenOnComplete && animCompleted) {
        Ref<runtime::Function> done = tweenOnComplete;
        tweenOnComplete = nullptr;
        (*done)();
    }
}

void BitmapSprite::updateAlphaForScroller(double position, int) {
    set_visible(true);
    set_alpha(1);
    if (position <= 0 || position >= 1) {
        set_visible(false);
        return;
    }
    if (position >= 0.1 && position <= 0.9) return;
    double ramp = position < 0.1 ? position / 0.1 : 1 - (position - 0.9) / 0.1;
    double a = std::max(0.0, ramp - 0.2);
    set_alpha(a * a);
}

bool BitmapSprite::equals(const Ref<BitmapSprite>& other) { return other.get() == this; }

}  // namespace game

using game::BitmapSprite;

RUNTIME_DEFINE_CLASS(BitmapSprite, "BitmapSprite", framework::Sprite, (auto& b) {
    b.template property<&BitmapSprite::get_bmd, &BitmapSprite::set_bmd>("bmd")
        .template field<&BitmapSprite::bitmap>("bitmap")
        .template field<&BitmapSprite::frame>("frame")
        .template field<&BitmapSprite::frameOffset>("frameOffset")
        .template field<&BitmapSprite::anim>("anim")
        .template field<&BitmapSprite::animPaused>("animPaused")
        .template field<&BitmapSprite::animCompleted>("animCompleted")
        .template field<&BitmapSprite::loopsLeft>("loopsLeft")
        .template property<&BitmapSprite::get_flipped, &BitmapSprite::set_flipped>("flipped")
        .template field<&BitmapSprite::tweening>("tweening")
        .template field<&BitmapSprite::removeEffect>("removeEffect")
        .template field<&BitmapSprite::tweenOnComplete>("tweenOnComplete")
        .template field<&BitmapSprite::physics>("physics")
        .template field<&BitmapSprite::floorY>("floorY")
        .template field<&BitmapSprite::velX>("velX")
        .template field<&BitmapSprite::velY>("velY")
        .template field<&BitmapSprite::bounceDamp>("bounceDamp")
        .template field<&BitmapSprite::friction>("friction")
        .template field<&BitmapSprite::grounded>("grounded")
        .template field<&BitmapSprite::fadeDelayFrames>("fadeDelayFrames")
        .template field<&BitmapSprite::fadeTime>("fadeTime")
        .template field<&BitmapSprite::waitToRemove>("waitToRemove")
        .template field<&BitmapSprite::ignoreDestroy>("ignoreDestroy")
        .template field<&BitmapSprite::destroyed>("destroyed")
        .template field<&BitmapSprite::backwards>("backwards")
        .template field<&BitmapSprite::disposable>("disposable")
        .template field<&BitmapSprite::pauseFrame>("pauseFrame")
        .template field<&BitmapSprite::fadeDelayCounter>("fadeDelayCounter")
        .template staticField<&BitmapSprite::GRAVITY>("GRAVITY")
        .template method<&BitmapSprite::updateAnim>("updateAnim")
        .template method<&BitmapSprite::destroy>("destroy")
        .template method<&BitmapSprite::completeAnimation>("completeAnimation")
        .template method<&BitmapSprite::endTween>("endTween")
        .emptyInstance();
})
