#include "EngAngle.h"

#include <cmath>
#include <numbers>

#include "EngPoint.h"
#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/input/mouse/EngMouse.h"

namespace engine {

namespace {
constexpr double PI = std::numbers::pi;

double fastSin(double t) {
    double q = t >= 0 ? 1.27323954 * t - 0.405284735 * t * t : 1.27323954 * t + 0.405284735 * t * t;
    return q + 0.225 * (q * std::fabs(q) - q);
}
}  // namespace

double EngAngle::get_TO_DEG() { return 180 / PI; }
double EngAngle::get_TO_RAD() { return PI / 180; }
double EngAngle::asDegrees(double radians) { return radians * (180 / PI); }
double EngAngle::asRadians(double degrees) { return degrees * (PI / 180); }

double EngAngle::wrapAngle(double angle) {
    if (angle > 180) return -180;
    if (angle < -180) return 180;
    return angle;
}

double EngAngle::angleLimit(double angle, double min, double max) {
    if (angle > max) return max;
    if (angle < min) return min;
    return angle;
}

double EngAngle::getAngle(const runtime::Ref<EngPoint>& point1, const runtime::Ref<EngPoint>& point2) {
    double x = point2->x - point1->x, y = point2->y - point1->y;
    double result = 0;
    if (x != 0 || y != 0) {
        double c1 = PI * 0.25, c2 = 3.0 * c1, ay = std::fabs(y), a;
        if (x >= 0) {
            double r = (x - ay) / (x + ay);
            a = c1 - c1 * r;
        } else {
            double r = (x + ay) / (ay - x);
            a = c2 - c1 * r;
        }
        if (y < 0) a = -a;
        a = (180 / PI) * a;
        result = a > 90 ? a - 270 : a + 90;
    }
    point1->putWeak();
    point2->putWeak();
    return result;
}

runtime::Ref<EngPoint> EngAngle::rotatePoint(double x, double y, double pivotX, double pivotY, double angle,
                                             runtime::Ref<EngPoint> point) {
    double r = -((PI / 180) * angle);
    while (r < -PI) r += 2 * PI;
    while (r > PI) r -= 2 * PI;
    double s = fastSin(r);
    r += PI * 0.5;
    if (r > PI) r -= 2 * PI;
    double c = fastSin(r);
    double dx = x - pivotX, dy = y - pivotY;
    if (!point) point = EngPoint::get();
    point->x = pivotX + dx * c - dy * s;
    point->y = pivotY + dy * c + dx * s;
    return point;
}

runtime::Ref<EngPoint> EngAngle::getCartesianCoords(double radius, double angle, runtime::Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    double a = (PI / 180) * angle;
    point->x = std::cos(a) * radius;
    point->y = std::sin(a) * radius;
    return point;
}

runtime::Ref<EngPoint> EngAngle::getPolarCoords(double x, double y, runtime::Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    point->x = std::sqrt(x * x + y * y);
    point->y = std::atan2(y, x) * (180 / PI);
    return point;
}

void EngAngle::sinCosGenerator(int length, double sinAmplitude, double cosAmplitude, double frequency) {
    double s = sinAmplitude, c = cosAmplitude, k = frequency * PI / length;
    cosTable = {};
    sinTable = {};
    for (int i = 0; i < length; ++i) {
        c = c - s * k;
        s = s + c * k;
        cosTable.push_back(c);
        sinTable.push_back(s);
    }
}

namespace {
double angleFrom(double x0, double y0, double x1, double y1, bool asDegrees) {
    double a = std::atan2(y1 - y0, x1 - x0);
    return asDegrees ? a * (180 / std::numbers::pi) : a;
}
}  // namespace

double EngAngle::angleBetween(const EngSprite* a, const EngSprite* b, bool asDegrees) {
    return angleFrom(a->x + a->origin->x, a->y + a->origin->y, b->x + b->origin->x, b->y + b->origin->y, asDegrees);
}

double EngAngle::angleBetweenPoint(const EngSprite* s, const runtime::Ref<EngPoint>& target, bool asDegrees) {
    return angleFrom(s->x + s->origin->x, s->y + s->origin->y, target->x, target->y, asDegrees);
}

double EngAngle::angleBetweenMouse(EngObject* object, bool asDegrees) {
    if (!object) return 0;
    runtime::Ref<EngPoint> p = object->getScreenXY();
    return angleFrom(p->x, p->y, EngG::mouse->screenX, EngG::mouse->screenY, asDegrees);
}

}  // namespace engine
