#include "EngMath.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "EngPoint.h"
#include "EngRect.h"
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

}  // namespace engine
