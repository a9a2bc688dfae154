#include "EngCollision.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/group/EngGroup.h"
#include "engine/tile/EngTileblock.h"
#include "engine/util/EngBitmapDataPool.h"
#include "engine/util/EngMath.h"
#include "platform/runtime/Bytes.h"

namespace engine {

using framework::BitmapData;
using runtime::Ref;

Ref<framework::Point> EngCollision::pointA = runtime::make<framework::Point>();
Ref<framework::Point> EngCollision::pointB = runtime::make<framework::Point>();
Ref<framework::Point> EngCollision::centerA = runtime::make<framework::Point>();
Ref<framework::Point> EngCollision::centerB = runtime::make<framework::Point>();
Ref<framework::Matrix> EngCollision::matrixA = runtime::make<framework::Matrix>();
Ref<framework::Matrix> EngCollision::matrixB = runtime::make<framework::Matrix>();
Ref<framework::Matrix> EngCollision::testMatrix = runtime::make<framework::Matrix>();
Ref<framework::Rectangle> EngCollision::boundsA = runtime::make<framework::Rectangle>();
Ref<framework::Rectangle> EngCollision::boundsB = runtime::make<framework::Rectangle>();

namespace {
void screenPoint(framework::Point& p, EngSprite* s, const EngPoint& scroll) {
    p.x = s->x - static_cast<int>(s->scrollFactor->x * scroll.x) - s->offset->x;
    p.y = s->y - static_cast<int>(s->scrollFactor->y * scroll.y) - s->offset->y;
}

void screenBounds(framework::Rectangle& bounds, framework::Point& center, const framework::Point& p, EngSprite* s,
                  bool turned) {
    if (!turned) {
        bounds.setTo(p.x, p.y, s->frameWidth, s->frameHeight);
        return;
    }
    center.setTo(s->origin->x, s->origin->y);
    double l = std::sqrt(center.x * center.x + center.y * center.y);
    bounds.setTo(center.x + p.x - l, center.y + p.y - l, 2 * l, 2 * l);
}

// The sprite's frame turned about its origin into a pooled bitmap the size of its square.
Ref<BitmapData> turnedCopy(EngSprite* s, const Ref<BitmapData>& pixels, const framework::Rectangle& bounds) {
    auto& m = *EngCollision::testMatrix;
    m.identity();
    m.translate(-s->origin->x, -s->origin->y);
    m.rotate(s->angle * M_PI / 180);
    m.translate(bounds.width * 0.5, bounds.height * 0.5);
    Ref<BitmapData> copy = EngBitmapDataPool::get(static_cast<int>(std::floor(bounds.width)),
                                                  static_cast<int>(std::floor(bounds.height)), true, 0x00000000, false);
    copy->draw(pixels, EngCollision::testMatrix);
    return copy;
}
}  // namespace

bool EngCollision::pixelPerfectCheck(EngSprite* a, EngSprite* b, int minAlpha, EngCamera* camera) {
    if (!camera) camera = EngG::camera.get();
    bool turned = a->angle != 0 || b->angle != 0;
    screenPoint(*pointA, a, *camera->scroll);
    screenPoint(*pointB, b, *camera->scroll);
    screenBounds(*boundsA, *centerA, *pointA, a, turned);
    screenBounds(*boundsB, *centerB, *pointB, b, turned);
    Ref<framework::Rectangle> overlap = boundsA->intersection(boundsB);
    if (!overlap || overlap->isEmpty() || overlap->width < 1 || overlap->height < 1) return false;
    matrixA->identity();
    matrixA->translate(-(overlap->x - boundsA->x), -(overlap->y - boundsA->y));
    matrixB->identity();
    matrixB->translate(-(overlap->x - boundsB->x), -(overlap->y - boundsB->y));
    a->calcFrame(true);
    b->calcFrame(true);
    Ref<BitmapData> pa = a->framePixels, pb = b->framePixels;
    int w = static_cast<int>(overlap->width), h = static_cast<int>(overlap->height);
    Ref<BitmapData> turnedA, turnedB;
    if (turned) {
        pa = turnedA = turnedCopy(a, pa, *boundsA);
        pb = turnedB = turnedCopy(b, pb, *boundsB);
    }
    boundsA->setTo(static_cast<int>(-matrixA->tx), static_cast<int>(-matrixA->ty), w, h);
    boundsB->setTo(static_cast<int>(-matrixB->tx), static_cast<int>(-matrixB->ty), w, h);
    Ref<runtime::Bytes> da = pa->getPixels(boundsA), db = pb->getPixels(boundsB);
    std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    auto alphaAt = [](const Ref<runtime::Bytes>& d, std::size_t pos) -> int {
        return d && pos < static_cast<std::size_t>(d->length()) ? d->b->bytes[pos] : 0;
    };
    bool result = false;
    for (std::size_t i = 0; i < (n + 1) / 2 && !result; ++i)
        result = alphaAt(da, 8 * i) >= minAlpha && alphaAt(db, 8 * i) >= minAlpha;
    for (std::size_t i = 0; i < n / 2 && !result; ++i)
        result = alphaAt(da, 8 * i + 4) >= minAlpha && alphaAt(db, 8 * i + 4) >= minAlpha;
    if (turned) {
        EngBitmapDataPool::put(turnedA);
        EngBitmapDataPool::put(turnedB);
    }
    return result;
}

bool EngCollision::pixelPerfectPointCheck(int pointX, int pointY, EngSprite* sprite, int minAlpha) {
    if (!EngMath::pointInCoordinates(pointX, pointY, std::floor(sprite->x), std::floor(sprite->y),
                                     static_cast<int>(sprite->get_width()), static_cast<int>(sprite->get_height())))
        return false;
    sprite->calcFrame(true);
    int p = sprite->framePixels->getPixel32(static_cast<int>(std::floor(pointX - sprite->x)),
                                            static_cast<int>(std::floor(pointY - sprite->y)));
    int a = static_cast<int>(((p >> 24) & 0xFF) * sprite->alpha);
    return a >= minAlpha;
}

Ref<EngGroup> EngCollision::createCameraWall(EngCamera* camera, int mode, int t, bool fitWorldBounds) {
    double cx = camera->x, cy = camera->y, cw = camera->width, ch = camera->height;
    auto block = [](double x, double y, double w, double h) {
        return runtime::make<EngTileblock>(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
                                           static_cast<int>(w), static_cast<int>(h));
    };
    Ref<EngTileblock> left, right, top, bottom;
    if (mode == CAMERA_WALL_OUTSIDE) {
        left = block(cx - t, cy + t, t, ch - 2 * t);
        right = block(cw + cx, cy + t, t, ch - 2 * t);
        top = block(cx - t, cy - t, cw + 2 * t, t);
        bottom = block(cx - t, cy + ch, cw + 2 * t, t);
        if (fitWorldBounds) EngG::worldBounds->set(cx - t, cy - t, cw + 2 * t, ch + 2 * t);
    } else if (mode == CAMERA_WALL_INSIDE) {
        left = block(cx, cy + t, t, ch - 2 * t);
        right = block(cx + cw - t, cy + t, t, ch - 2 * t);
        top = block(cx, cy, cw, t);
        bottom = block(cx, cy + ch - t, cw, t);
        if (fitWorldBounds) EngG::worldBounds->set(cx, cy, cw, ch);
    }
    auto result = runtime::make<EngGroup>(4);
    for (const auto& b : {left, right, top, bottom})
        if (b) result->add(b);
    return result;
}

}  // namespace engine
