#include "Rectangle.h"

#include <algorithm>

#include "Matrix.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::make;
using runtime::Ref;

Ref<Rectangle> Rectangle::clone() { return make<Rectangle>(x, y, width, height); }

bool Rectangle::contains(double px, double py) { return px >= x && py >= y && px < x + width && py < y + height; }

bool Rectangle::containsPoint(const Ref<Point>& p) { return contains(p->x, p->y); }

bool Rectangle::containsRect(const Ref<Rectangle>& r) {
    const double rr = r->x + r->width, rb = r->y + r->height;
    if (r->isEmpty()) return r->x > x && r->y > y && rr < x + width && rb < y + height;
    return r->x >= x && r->y >= y && rr <= x + width && rb <= y + height;
}

void Rectangle::copyFrom(const Ref<Rectangle>& s) { setTo(s->x, s->y, s->width, s->height); }

bool Rectangle::equals(const Ref<Rectangle>& r) {
    return x == r->x && y == r->y && width == r->width && height == r->height;
}

void Rectangle::extendBounds(const Ref<Rectangle>& r) {
    double dx = x - r->x;
    if (dx > 0) {
        x = r->x;
        width += dx;
    }
    double dy = y - r->y;
    if (dy > 0) {
        y = r->y;
        height += dy;
    }
    if (r->get_right() > get_right()) set_right(r->get_right());
    if (r->get_bottom() > get_bottom()) set_bottom(r->get_bottom());
}

void Rectangle::inflate(double dx, double dy) {
    x -= dx;
    y -= dy;
    width += dx * 2;
    height += dy * 2;
}

void Rectangle::inflatePoint(const Ref<Point>& p) { inflate(p->x, p->y); }

// Where two compared values are equal or not comparable, the receiver's value is taken.
Ref<Rectangle> Rectangle::intersection(const Ref<Rectangle>& r) {
    double x0 = r->x > x ? r->x : x;
    double x1 = r->get_right() < get_right() ? r->get_right() : get_right();
    if (x0 >= x1) return make<Rectangle>();
    double y0 = r->y > y ? r->y : y;
    double y1 = r->get_bottom() < get_bottom() ? r->get_bottom() : get_bottom();
    if (y0 >= y1) return make<Rectangle>();
    return make<Rectangle>(x0, y0, x1 - x0, y1 - y0);
}

bool Rectangle::intersects(const Ref<Rectangle>& r) {
    double x0 = r->x > x ? r->x : x;
    double x1 = r->get_right() < get_right() ? r->get_right() : get_right();
    if (x0 >= x1) return false;
    double y0 = r->y > y ? r->y : y;
    double y1 = r->get_bottom() < get_bottom() ? r->get_bottom() : get_bottom();
    return y0 < y1;
}

bool Rectangle::isEmpty() { return width <= 0 || height <= 0; }

void Rectangle::offset(double dx, double dy) {
    x += dx;
    y += dy;
}

void Rectangle::offsetPoint(const Ref<Point>& p) { offset(p->x, p->y); }

void Rectangle::setEmpty() { setTo(0, 0, 0, 0); }

void Rectangle::setTo(double xa, double ya, double wa, double ha) {
    x = xa;
    y = ya;
    width = wa;
    height = ha;
}

Ref<Rectangle> Rectangle::transform(const Ref<Matrix>& m) {
    const double px[4] = {x, x + width, x + width, x};
    const double py[4] = {y, y, y + height, y + height};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        double tx = m->a * px[i] + m->c * py[i];
        double ty = m->b * px[i] + m->d * py[i];
        if (i == 0 || tx < minX) minX = tx;
        if (i == 0 || tx > maxX) maxX = tx;
        if (i == 0 || ty < minY) minY = ty;
        if (i == 0 || ty > maxY) maxY = ty;
    }
    return make<Rectangle>(minX + m->tx, minY + m->ty, maxX - minX, maxY - minY);
}

Ref<Rectangle> Rectangle::union_(const Ref<Rectangle>& r) {
    double x0 = x > r->x ? r->x : x;
    double x1 = r->get_right() > get_right() ? r->get_right() : get_right();
    double y0 = y > r->y ? r->y : y;
    double y1 = r->get_bottom() > get_bottom() ? r->get_bottom() : get_bottom();
    return make<Rectangle>(x0, y0, x1 - x0, y1 - y0);
}

double Rectangle::set_bottom(double v) {
    height = v - y;
    return v;
}
Ref<Point> Rectangle::get_bottomRight() { return make<Point>(x + width, y + height); }
Ref<Point> Rectangle::set_bottomRight(const Ref<Point>& v) {
    width = v->x - x;
    height = v->y - y;
    return v->clone();
}
double Rectangle::set_left(double v) {
    width -= v - x;
    x = v;
    return v;
}
double Rectangle::set_right(double v) {
    width = v - x;
    return v;
}
Ref<Point> Rectangle::get_size() { return make<Point>(width, height); }
Ref<Point> Rectangle::set_size(const Ref<Point>& v) {
    width = v->x;
    height = v->y;
    return v->clone();
}
double Rectangle::set_top(double v) {
    height -= v - y;
    y = v;
    return v;
}
Ref<Point> Rectangle::get_topLeft() { return make<Point>(x, y); }
Ref<Point> Rectangle::set_topLeft(const Ref<Point>& v) {
    x = v->x;
    y = v->y;
    return v->clone();
}

std::string Rectangle::toString() const {
    using runtime::Numbers;
    return "(x=" + Numbers::toText(x) + ", y=" + Numbers::toText(y) + ", width=" + Numbers::toText(width) +
           ", height=" + Numbers::toText(height) + ")";
}

}  // namespace framework

using framework::Rectangle;

RUNTIME_DEFINE_CLASS(Rectangle, "framework._native.geom.Rectangle", runtime::Object, (auto& b) {
    b.template field<&Rectangle::x>("x")
        .template field<&Rectangle::y>("y")
        .template field<&Rectangle::width>("width")
        .template field<&Rectangle::height>("height")
        .template property<&Rectangle::get_left, &Rectangle::set_left>("left")
        .template property<&Rectangle::get_right, &Rectangle::set_right>("right")
        .template property<&Rectangle::get_top, &Rectangle::set_top>("top")
        .template property<&Rectangle::get_bottom, &Rectangle::set_bottom>("bottom")
        .template property<&Rectangle::get_topLeft, &Rectangle::set_topLeft>("topLeft")
        .template property<&Rectangle::get_bottomRight, &Rectangle::set_bottomRight>("bottomRight")
        .template property<&Rectangle::get_size, &Rectangle::set_size>("size")
        .template method<&Rectangle::clone>("clone")
        .template method<&Rectangle::contains>("contains")
        .template method<&Rectangle::containsPoint>("containsPoint")
        .template method<&Rectangle::containsRect>("containsRect")
        .template method<&Rectangle::copyFrom>("copyFrom")
        .template method<&Rectangle::equals>("equals")
        .template method<&Rectangle::extendBounds>("extendBounds")
        .template method<&Rectangle::inflate>("inflate")
        .template method<&Rectangle::inflatePoint>("inflatePoint")
        .template method<&Rectangle::intersection>("intersection")
        .template method<&Rectangle::intersects>("intersects")
        .template method<&Rectangle::isEmpty>("isEmpty")
        .template method<&Rectangle::offset>("offset")
        .template method<&Rectangle::offsetPoint>("offsetPoint")
        .template method<&Rectangle::setEmpty>("setEmpty")
        .template method<&Rectangle::setTo>("setTo")
        .template method<&Rectangle::transform>("transform")
        .template method<&Rectangle::union_>("union")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Rectangle>(a.number(0), a.number(1), a.number(2), a.number(3));
        });
})
