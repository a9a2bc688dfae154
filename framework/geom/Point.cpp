#include "Point.h"

#include <cmath>

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::make;
using runtime::Ref;

Ref<Point> Point::add(const Ref<Point>& v) { return make<Point>(x + v->x, y + v->y); }
Ref<Point> Point::clone() { return make<Point>(x, y); }
void Point::copyFrom(const Ref<Point>& s) {
    x = s->x;
    y = s->y;
}
bool Point::equals(const Ref<Point>& p) { return x == p->x && y == p->y; }

void Point::normalize(double thickness) {
    if (x == 0 && y == 0) return;
    double f = thickness / std::sqrt(x * x + y * y);
    x *= f;
    y *= f;
}

void Point::offset(double dx, double dy) {
    x += dx;
    y += dy;
}
void Point::setTo(double xa, double ya) {
    x = xa;
    y = ya;
}
Ref<Point> Point::subtract(const Ref<Point>& v) { return make<Point>(x - v->x, y - v->y); }
double Point::get_length() { return std::sqrt(x * x + y * y); }

std::string Point::toString() const {
    return "(" + runtime::Numbers::toText(x) + ", " + runtime::Numbers::toText(y) + ")";
}

double Point::distance(const Ref<Point>& a, const Ref<Point>& b) {
    double dx = a->x - b->x, dy = a->y - b->y;
    return std::sqrt(dx * dx + dy * dy);
}
Ref<Point> Point::interpolate(const Ref<Point>& a, const Ref<Point>& b, double f) {
    return make<Point>(b->x + f * (a->x - b->x), b->y + f * (a->y - b->y));
}
Ref<Point> Point::polar(double len, double angle) { return make<Point>(len * std::cos(angle), len * std::sin(angle)); }

}  // namespace framework

using framework::Point;

RUNTIME_DEFINE_CLASS(Point, "framework._native.geom.Point", runtime::Object, (auto& b) {
    b.template field<&Point::x>("x")
        .template field<&Point::y>("y")
        .template property<&Point::get_length>("length")
        .template method<&Point::add>("add")
        .template method<&Point::clone>("clone")
        .template method<&Point::copyFrom>("copyFrom")
        .template method<&Point::equals>("equals")
        .template method<&Point::normalize>("normalize")
        .template method<&Point::offset>("offset")
        .template method<&Point::setTo>("setTo")
        .template method<&Point::subtract>("subtract")
        .template staticMethod<&Point::distance>("distance")
        .template staticMethod<&Point::interpolate>("interpolate")
        .template staticMethod<&Point::polar>("polar")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Point>(a.number(0), a.number(1));
        });
})
