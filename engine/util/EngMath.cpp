#include "EngMath.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "EngPoint.h"
#include "EngRect.h"
#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/input/mouse/EngMouse.h"
#include "framework/geom/Rectangle.h"
#include "platform/runtime/Numbers.h"

namespace engine {

double EngMath::roundDecimal(double value, int precision) {
    double m = 1.0;
    for (int i = 0; i < precision; ++i) m *= 10.0;
    return runtime::Numbers::floatToInt(std::floor(value * m + 0.5)) / m;
}

double EngMath::bound(double value, double min, double max) {
    double lower = value < min ? min : value;
    return lower > max ? max : lower;
}

bool EngMath::isOdd(double n) { return (runtime::Numbers::floatToInt(n) & 1) != 0; }

int EngMath::numericComparison(double num1, double num2) {
    if (num1 < num2) return -1;
    if (num1 > num2) return 1;
    return 0;
}

bool EngMath::pointInCoordinates(double pointX, double pointY, double rectX, double rectY, double rectWidth,
                                 double rectHeight) {
    return pointX >= rectX && pointX <= rectX + rectWidth && pointY >= rectY && pointY <= rectY + rectHeight;
}

bool EngMath::pointInEngRect(double pointX, double pointY, const EngRect& rect) {
    return pointInCoordinates(pointX, pointY, rect.x, rect.y, rect.width, rect.height);
}

bool EngMath::pointInRectangle(double pointX, double pointY, framework::Rectangle& rect) {
    return pointX >= rect.x && pointX <= rect.get_right() && pointY >= rect.y && pointY <= rect.get_bottom();
}

int32_t EngMath::maxAdd(int32_t value, int32_t amount, int32_t max, int32_t min) {
    int32_t s = value + amount;
    if (s > max) return max;
    return s > min ? s : min;
}

int32_t EngMath::wrapValue(int32_t value, int32_t amount, int32_t max) {
    return (std::abs(value) + std::abs(amount)) % std::abs(max);
}

double EngMath::vectorLength(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

double EngMath::getDistance(const runtime::Ref<EngPoint>& pointA, const runtime::Ref<EngPoint>& pointB) {
    double dx = pointA->x - pointB->x, dy = pointA->y - pointB->y;
    double d = std::sqrt(dx * dx + dy * dy);
    pointA->putWeak();
    pointB->putWeak();
    return d;
}

int EngMath::getDecimals(double n) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, n);
    std::string text(buf, res.ptr);
    std::size_t dot = text.find('.');
    if (dot == std::string::npos) return 0;
    std::size_t end = text.find_first_of("eE", dot);
    if (end == std::string::npos) end = text.size();
    return static_cast<int>(end - dot - 1);
}

bool EngMath::equal(double aValueA, double aValueB, double aDiff) { return std::fabs(aValueA - aValueB) <= aDiff; }

namespace {
double squaredDistance(const EngSprite* s, double tx, double ty) {
    double dx = s->x + s->origin->x - tx, dy = s->y + s->origin->y - ty;
    return dx * dx + dy * dy;
}

bool within(double squared, double distance, bool includeEqual) {
    return includeEqual ? squared <= distance * distance : squared < distance * distance;
}

int truncated(double squared) { return static_cast<int>(std::trunc(std::sqrt(squared))); }
}  // namespace

bool EngMath::mouseInEngRect(bool useWorldCoords, const EngRect* rect) {
    if (!rect) return true;
    if (useWorldCoords) return pointInEngRect(std::floor(EngG::mouse->x), std::floor(EngG::mouse->y), *rect);
    return pointInEngRect(EngG::mouse->screenX, EngG::mouse->screenY, *rect);
}

int EngMath::distanceBetween(const EngSprite* a, const EngSprite* b) {
    return truncated(squaredDistance(a, b->x + b->origin->x, b->y + b->origin->y));
}

bool EngMath::isDistanceWithin(const EngSprite* a, const EngSprite* b, double distance, bool includeEqual) {
    return within(squaredDistance(a, b->x + b->origin->x, b->y + b->origin->y), distance, includeEqual);
}

int EngMath::distanceToPoint(const EngSprite* s, const runtime::Ref<EngPoint>& target) {
    int result = truncated(squaredDistance(s, target->x, target->y));
    target->putWeak();
    return result;
}

bool EngMath::isDistanceToPointWithin(const EngSprite* s, const runtime::Ref<EngPoint>& target, double distance,
                                      bool includeEqual) {
    bool result = within(squaredDistance(s, target->x, target->y), distance, includeEqual);
    target->putWeak();
    return result;
}

int EngMath::distanceToMouse(const EngSprite* s) {
    return truncated(squaredDistance(s, EngG::mouse->screenX, EngG::mouse->screenY));
}

bool EngMath::isDistanceToMouseWithin(const EngSprite* s, double distance, bool includeEqual) {
    return within(squaredDistance(s, EngG::mouse->screenX, EngG::mouse->screenY), distance, includeEqual);
}

}  // namespace engine
