#include "EngCamera.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/EngG.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/util/EngDestroyUtil.h"
#include "engine/util/EngRandom.h"
#include "framework/display/Graphics.h"
#include "framework/geom/ColorTransform.h"
#include "framework/geom/Rectangle.h"
#include "framework/geom/Transform.h"

namespace engine {

using runtime::Ref;

Ref<DrawStackItem> EngCamera::_storageHead;

namespace {
constexpr double TINIEST = std::numeric_limits<double>::denorm_min();

void call(const Ref<runtime::Function>& fn) {
    if (fn) (*Ref<runtime::Function>(fn))();
}
}  // namespace

EngCamera::EngCamera(double X, double Y, int W, int H, double Zoom) {
    _scrollTarget = EngPoint::get();
    x = X;
    y = Y;
    set_width(W <= 0 ? EngG::width : W);
    set_height(H <= 0 ? EngG::height : H);
    scroll = EngPoint::get();
    followLead = EngPoint::get();
    _point = EngPoint::get();
    _flashOffset = EngPoint::get();
    canvas = runtime::make<framework::Sprite>();
    canvas->set_x(-width * 0.5);
    canvas->set_y(-height * 0.5);
    flashSprite = runtime::make<framework::Sprite>();
    set_zoom(Zoom);
    _flashOffset->set(width * 0.5 * zoom, height * 0.5 * zoom);
    flashSprite->set_x(_flashOffset->x + x);
    flashSprite->set_y(_flashOffset->y + y);
    flashSprite->addChild(canvas);
    _fxShakeOffset = EngPoint::get();
    canvas->set_scrollRect(runtime::make<framework::Rectangle>(0, 0, width, height));
    _headOfDrawStack = _currentStackItem = runtime::make<DrawStackItem>();
    bgColor = EngG::cameras ? EngG::cameras->get_bgColor() : static_cast<int>(0xFF000000);
}

EngCamera::~EngCamera() = default;

Ref<DrawStackItem> EngCamera::getDrawStackItem(const Ref<CachedGraphics>& graphic, bool colored, int blending,
                                               bool smooth) {
    Ref<DrawStackItem> item;
    if (!_currentStackItem->initialized) {
        item = _currentStackItem;
        _headOfDrawStack = item;
    } else if (_currentStackItem->graphics == graphic && _currentStackItem->colored == colored &&
               _currentStackItem->blending == blending && _currentStackItem->antialiasing == smooth) {
        return _currentStackItem;
    } else {
        if (_storageHead) {
            item = _storageHead;
            _storageHead = item->next;
            item->next = nullptr;
        } else {
            item = runtime::make<DrawStackItem>();
        }
        _currentStackItem->next = item;
        _currentStackItem = item;
    }
    item->graphics = graphic;
    item->antialiasing = smooth;
    item->colored = colored;
    item->blending = blending;
    item->initialized = true;
    return item;
}

void EngCamera::clearDrawStack() {
    if (!_headOfDrawStack) return;
    Ref<DrawStackItem> item = _headOfDrawStack->next;
    while (item) {
        Ref<DrawStackItem> next = item->next;
        item->reset();
        item->next = _storageHead;
        _storageHead = item;
        item = next;
    }
    _headOfDrawStack->reset();
    _headOfDrawStack->next = nullptr;
    _currentStackItem = _headOfDrawStack;
}

void EngCamera::render() {
    for (Ref<DrawStackItem> item = _headOfDrawStack; item; item = item->next) {
        if (item->position <= 0) continue;
        int flags = framework::Tilesheet::TILE_TRANS_2x2 | framework::Tilesheet::TILE_ALPHA;
        if (item->colored) flags |= framework::Tilesheet::TILE_RGB;
        flags |= item->blending;
        item->graphics->get_tilesheet()->tileSheet->drawTiles(canvas->get_graphics(), item->drawData,
                                                              antialiasing || item->antialiasing, flags, item->position);
        ++TileSheetExt::_DRAWCALLS;
    }
}

void EngCamera::updateFollow() {
    if (!deadzone) {
        target->getMidpoint(_point);
        focusOn(_point);
        return;
    }
    double tx = target->x, ty = target->y;
    if (style == STYLE_SCREEN_BY_SCREEN) {
        if (tx > scroll->x + width) _scrollTarget->set_x(_scrollTarget->x + width);
        else if (tx < scroll->x) _scrollTarget->set_x(_scrollTarget->x - width);
        if (ty > scroll->y + height) _scrollTarget->set_y(_scrollTarget->y + height);
        else if (ty < scroll->y) _scrollTarget->set_y(_scrollTarget->y - height);
    } else {
        double edge = tx - deadzone->x;
        if (_scrollTarget->x > edge) _scrollTarget->set_x(edge);
        edge = tx + target->get_width() - deadzone->x - deadzone->width;
        if (_scrollTarget->x < edge) _scrollTarget->set_x(edge);
        edge = ty - deadzone->y;
        if (_scrollTarget->y > edge) _scrollTarget->set_y(edge);
        edge = ty + target->get_height() - deadzone->y - deadzone->height;
        if (_scrollTarget->y < edge) _scrollTarget->set_y(edge);
    }
    // Lead applies to sprite targets only.
    static const runtime::ClassInfo* spriteClass = runtime::ClassInfo::find("engine.EngSprite");
    if (spriteClass && target->classInfo() && target->classInfo()->isSubclassOf(spriteClass)) {
        if (!_lastTargetPosition) _lastTargetPosition = EngPoint::get(target->x, target->y);
        _scrollTarget->set_x(_scrollTarget->x + (target->x - _lastTargetPosition->x) * followLead->x);
        _scrollTarget->set_y(_scrollTarget->y + (target->y - _lastTargetPosition->y) * followLead->y);
        _lastTargetPosition->set(target->x, target->y);
    }
    if (followLerp == 0) {
        scroll->set(_scrollTarget->x, _scrollTarget->y);
    } else {
        double e = EngG::elapsed;
        // No time (a time scale of 0): the view stays where it is.
        if (e == 0) return;
        scroll->set_x(scroll->x + (_scrollTarget->x - scroll->x) * e / (e + e * followLerp));
        scroll->set_y(scroll->y + (_scrollTarget->y - scroll->y) * e / (e + e * followLerp));
    }
}

void EngCamera::updateFlash() {
    if (_fxFlashAlpha <= 0) return;
    _fxFlashAlpha -= EngG::elapsed / _fxFlashDuration;
    if (_fxFlashAlpha <= 0) call(_fxFlashComplete);
}

void EngCamera::updateFade() {
    if (_fxFadeAlpha <= 0 || _fxFadeAlpha >= 1) return;
    if (_fxFadeIn) {
        _fxFadeAlpha -= EngG::elapsed / _fxFadeDuration;
        if (_fxFadeAlpha <= 0) {
            _fxFadeAlpha = 0;
            call(_fxFadeComplete);
        }
    } else {
        _fxFadeAlpha += EngG::elapsed / _fxFadeDuration;
        if (_fxFadeAlpha >= 1) {
            _fxFadeAlpha = 1;
            call(_fxFadeComplete);
        }
    }
}

void EngCamera::updateShake() {
    if (_fxShakeDuration <= 0) return;
    _fxShakeDuration -= EngG::elapsed;
    if (_fxShakeDuration <= 0) {
        _fxShakeOffset->set(0, 0);
        call(_fxShakeComplete);
    } else {
        if (_fxShakeDirection == SHAKE_BOTH_AXES || _fxShakeDirection == SHAKE_HORIZONTAL_ONLY)
            _fxShakeOffset->set_x(
                (EngRandom::float_() * _fxShakeIntensity * width * 2 - _fxShakeIntensity * width) * zoom);
        if (_fxShakeDirection == SHAKE_BOTH_AXES || _fxShakeDirection == SHAKE_VERTICAL_ONLY)
            _fxShakeOffset->set_y(
                (EngRandom::float_() * _fxShakeIntensity * height * 2 - _fxShakeIntensity * height) * zoom);
    }
    if (target && flashSprite) {
        flashSprite->set_x(x + _flashOffset->x);
        flashSprite->set_y(y + _flashOffset->y);
    }
}

void EngCamera::follow(const Ref<EngObject>& t, int s, const Ref<EngPoint>& offset, double lerp) {
    style = s;
    target = t;
    followLerp = lerp;
    _lastTargetPosition = nullptr;
    double W = width, H = height;
    double ox = offset ? offset->x : 0, oy = offset ? offset->y : 0;
    switch (s) {
    case STYLE_LOCKON: {
        double w = t ? t->get_width() + ox : 0, h = t ? t->get_height() + oy : 0;
        deadzone = EngRect::get((W - w) / 2, (H - h) / 2 - h * 0.25, w, h);
        break;
    }
    case STYLE_PLATFORMER: {
        double w = W * 0.125 + ox, h = H / 3 + oy;
        deadzone = EngRect::get((W - w) / 2, (H - h) / 2 - h * 0.25, w, h);
        break;
    }
    case STYLE_TOPDOWN: {
        double side = std::max(W, H) * 0.25;
        deadzone = EngRect::get((W - side) / 2, (H - side) / 2, side, side);
        break;
    }
    case STYLE_TOPDOWN_TIGHT: {
        double side = std::max(W, H) * 0.125;
        deadzone = EngRect::get((W - side) / 2, (H - side) / 2, side, side);
        break;
    }
    case STYLE_SCREEN_BY_SCREEN:
        deadzone = EngRect::get(0, 0, W, H);
        break;
    default:
        deadzone = nullptr;
        break;
    }
}

void EngCamera::focusOn(const Ref<EngPoint>& p) { scroll->set(p->x - width * 0.5, p->y - height * 0.5); }

void EngCamera::flash(int c, double duration, Ref<runtime::Function> done, bool force) {
    if (!force && _fxFlashAlpha > 0) return;
    _fxFlashColor = c;
    _fxFlashDuration = duration <= 0 ? TINIEST : duration;
    _fxFlashComplete = std::move(done);
    _fxFlashAlpha = 1;
}

void EngCamera::fade(int c, double duration, bool fadeIn, Ref<runtime::Function> done, bool force) {
    if (!force && _fxFadeAlpha > 0) return;
    _fxFadeColor = c;
    _fxFadeDuration = duration <= 0 ? TINIEST : duration;
    _fxFadeIn = fadeIn;
    _fxFadeComplete = std::move(done);
    _fxFadeAlpha = fadeIn ? 0.999999 : TINIEST;
}

void EngCamera::shake(double intensity, double duration, Ref<runtime::Function> done, bool force, int direction) {
    if (!force && (_fxShakeOffset->x != 0 || _fxShakeOffset->y != 0)) return;
    _fxShakeIntensity = intensity;
    _fxShakeDuration = duration;
    _fxShakeComplete = std::move(done);
    _fxShakeDirection = direction;
    _fxShakeOffset->set(0, 0);
}

void EngCamera::stopFX() {
    _fxFlashAlpha = 0;
    _fxFadeAlpha = 0;
    _fxShakeDuration = 0;
    if (flashSprite) {
        flashSprite->set_x(x + _flashOffset->x);
        flashSprite->set_y(y + _flashOffset->y);
    }
}

EngCamera* EngCamera::copyFrom(const Ref<EngCamera>& other) {
    if (!other->bounds) {
        bounds = nullptr;
    } else {
        if (!bounds) bounds = EngRect::get();
        bounds->copyFrom(other->bounds);
    }
    target = other->target;
    if (target) {
        if (!other->deadzone) {
            deadzone = nullptr;
        } else {
            if (!deadzone) deadzone = EngRect::get();
            deadzone->copyFrom(other->deadzone);
        }
    }
    return this;
}

void EngCamera::fill(int c, bool, double fxAlpha, Ref<framework::Graphics> graphics) {
    if (fxAlpha == 0) return;
    if (!graphics) graphics = canvas->get_graphics();
    graphics->beginFill(c & 0xFFFFFF, fxAlpha);
    graphics->drawRect(0, 0, width, height);
    graphics->endFill();
}

void EngCamera::drawFX() {
    auto paint = [&](int c, double strength) {
        int a = (c >> 24) & 0xFF;
        fill(c & 0xFFFFFF, true, (a <= 0 ? 255 : a) * strength / 255, canvas->get_graphics());
    };
    if (_fxFlashAlpha > 0) paint(_fxFlashColor, _fxFlashAlpha);
    if (_fxFadeAlpha > 0) paint(_fxFadeColor, _fxFadeAlpha);
    if (_fxShakeOffset->x != 0 || _fxShakeOffset->y != 0) {
        flashSprite->set_x(flashSprite->get_x() + _fxShakeOffset->x);
        flashSprite->set_y(flashSprite->get_y() + _fxShakeOffset->y);
    }
}

void EngCamera::setSize(int w, int h) {
    set_width(w);
    set_height(h);
}

void EngCamera::setPosition(double px, double py) {
    x = px;
    y = py;
}

void EngCamera::setBounds(double bx, double by, double bw, double bh, bool updateWorld) {
    if (!bounds) bounds = EngRect::get();
    bounds->set(bx, by, bw, bh);
    if (updateWorld && EngG::worldBounds) EngG::worldBounds->set(bx, by, bw, bh);
    update();
}

void EngCamera::setScale(double sx, double sy) {
    flashSprite->set_scaleX(sx);
    flashSprite->set_scaleY(sy);
    _flashOffset->set(width * 0.5 * sx, height * 0.5 * sy);
}

Ref<EngPoint> EngCamera::getScale() {
    _point->set(flashSprite->get_scaleX(), flashSprite->get_scaleY());
    return _point;
}

int EngCamera::set_width(int value) {
    if (value <= 0) return value;
    width = value;
    if (canvas) {
        Ref<framework::Rectangle> rect = canvas->get_scrollRect();
        if (rect) {
            rect->width = value;
            canvas->set_scrollRect(rect);
        }
        _flashOffset->set_x(width * 0.5 * zoom);
        canvas->set_x(-0.5 * width);
    }
    return value;
}

int EngCamera::set_height(int value) {
    if (value <= 0) return value;
    height = value;
    if (canvas) {
        Ref<framework::Rectangle> rect = canvas->get_scrollRect();
        if (rect) {
            rect->height = value;
            canvas->set_scrollRect(rect);
        }
        _flashOffset->set_y(height * 0.5 * zoom);
        canvas->set_y(-0.5 * height);
    }
    return value;
}

double EngCamera::set_zoom(double value) {
    zoom = value == 0 ? defaultZoom : value;
    setScale(zoom, zoom);
    return zoom;
}

double EngCamera::set_alpha(double value) {
    alpha = std::clamp(value, 0.0, 1.0);
    if (canvas) canvas->set_alpha(value);
    return value;
}

double EngCamera::set_angle(double value) {
    angle = value;
    if (flashSprite) flashSprite->set_rotation(value);
    return value;
}

int EngCamera::set_color(int value) {
    color = value & 0xFFFFFF;
    if (canvas) {
        Ref<framework::Transform> transform = canvas->get_transform();
        Ref<framework::ColorTransform> ct = transform->get_colorTransform();
        ct->redMultiplier = (color >> 16) / 255.0;
        ct->greenMultiplier = ((color >> 8) & 0xFF) / 255.0;
        ct->blueMultiplier = (color & 0xFF) / 255.0;
        transform->set_colorTransform(ct);
    }
    return value;
}

bool EngCamera::set_antialiasing(bool value) { return antialiasing = value; }

void EngCamera::update() {
    if (target) updateFollow();
    if (bounds) {
        scroll->set_x(std::max(scroll->x, bounds->get_left()));
        scroll->set_x(std::min(scroll->x, bounds->get_right() - width));
        scroll->set_y(std::max(scroll->y, bounds->get_top()));
        scroll->set_y(std::min(scroll->y, bounds->get_bottom() - height));
    }
    updateFlash();
    updateFade();
    updateShake();
}

void EngCamera::destroy() {
    if (canvas) {
        if (flashSprite) flashSprite->removeChild(canvas);
        for (int n = canvas->get_numChildren(); n > 0; --n) canvas->removeChildAt(0);
        canvas = nullptr;
    }
    clearDrawStack();
    if (_headOfDrawStack) {
        _headOfDrawStack->graphics = nullptr;
        _headOfDrawStack->drawData = nullptr;
        _headOfDrawStack->next = nullptr;
    }
    _headOfDrawStack = _currentStackItem = nullptr;
    scroll = EngDestroyUtil::destroy(scroll);
    deadzone = EngDestroyUtil::destroy(deadzone);
    bounds = EngDestroyUtil::destroy(bounds);
    target = nullptr;
    flashSprite = nullptr;
    _fxFlashComplete = _fxFadeComplete = _fxShakeComplete = nullptr;
    _fxShakeOffset = nullptr;
    EngBasic::destroy();
}

}  // namespace engine

using engine::EngCamera;

RUNTIME_DEFINE_CLASS(EngCamera, "engine.EngCamera", engine::EngBasic, (auto& b) {
    b.template field<&EngCamera::x>("x")
        .template field<&EngCamera::y>("y")
        .template field<&EngCamera::bgColor>("bgColor")
        .template property<&EngCamera::get_visible, &EngCamera::set_visible>("visible")
        .template method<&EngCamera::stopFX>("stopFX")
        .emptyInstance();
})
