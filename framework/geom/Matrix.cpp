#include "Matrix.h"

#include <cmath>

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::make;
using runtime::Ref;

namespace {
void setVector(const Ref<Vector3D>& v, double x, double y, double z) {
    v->x = x;
    v->y = y;
    v->z = z;
}
void outOfBounds(const char* what, int index) {
    runtime::Thrown::text(std::string(what) + " " + std::to_string(index) + " out of bounds (2)");
}
// Column i of the matrix from the vector's x and y; indexes other than 0 and 1 select the third.
void readColumn(Matrix& m, int i, const Ref<Vector3D>& v) {
    double& top = i == 0 ? m.a : i == 1 ? m.b : m.tx;
    double& bottom = i == 0 ? m.c : i == 1 ? m.d : m.ty;
    top = v->x;
    bottom = v->y;
}
}  // namespace

Ref<Matrix> Matrix::clone() { return make<Matrix>(a, b, c, d, tx, ty); }

void Matrix::concat(const Ref<Matrix>& m) {
    double a1 = a * m->a + b * m->c;
    double b1 = a * m->b + b * m->d;
    double c1 = c * m->a + d * m->c;
    double d1 = c * m->b + d * m->d;
    double tx1 = tx * m->a + ty * m->c + m->tx;
    double ty1 = tx * m->b + ty * m->d + m->ty;
    setTo(a1, b1, c1, d1, tx1, ty1);
}

void Matrix::copyColumnFrom(int column, const Ref<Vector3D>& v) {
    if (column > 2) outOfBounds("Column", column);
    readColumn(*this, column, v);
}

void Matrix::copyColumnTo(int column, const Ref<Vector3D>& v) {
    if (column > 2) outOfBounds("Column", column);
    if (column == 0) setVector(v, a, c, 0);
    else if (column == 1) setVector(v, b, d, 0);
    else setVector(v, tx, ty, 1);
}

void Matrix::copyFrom(const Ref<Matrix>& m) { setTo(m->a, m->b, m->c, m->d, m->tx, m->ty); }

void Matrix::copyRowFrom(int row, const Ref<Vector3D>& v) {
    if (row > 2) outOfBounds("Row", row);
    readColumn(*this, row, v);
}

void Matrix::copyRowTo(int row, const Ref<Vector3D>& v) {
    if (row > 2) outOfBounds("Row", row);
    if (row == 0) setVector(v, a, b, tx);
    else if (row == 1) setVector(v, c, d, ty);
    else setVector(v, 0, 0, 1);
}

void Matrix::createBox(double scaleX, double scaleY, double rotation, double txa, double tya) {
    if (rotation == 0) {
        a = scaleX;
        b = 0;
        c = 0;
        d = scaleY;
    } else {
        a = std::cos(rotation) * scaleX;
        b = std::sin(rotation) * scaleY;
        c = -std::sin(rotation) * scaleX;
        d = std::cos(rotation) * scaleY;
    }
    tx = txa;
    ty = tya;
}

void Matrix::createGradientBox(double width, double height, double rotation, double txa, double tya) {
    const double sx = width / 1638.4, sy = height / 1638.4;
    if (rotation == 0) {
        a = sx;
        b = 0;
        c = 0;
        d = sy;
    } else {
        a = sx * std::cos(rotation);
        b = sy * std::sin(rotation);
        c = -sx * std::sin(rotation);
        d = sy * std::cos(rotation);
    }
    tx = width * 0.5 + txa;
    ty = height * 0.5 + tya;
}

Ref<Point> Matrix::deltaTransformPoint(const Ref<Point>& p) { return make<Point>(a * p->x + c * p->y, b * p->x + d * p->y); }

bool Matrix::equals(const runtime::Value& m) {
    if (!m.isObject()) return false;
    static const char* const NAMES[] = {"tx", "ty", "a", "b", "c", "d"};
    const double mine[] = {tx, ty, a, b, c, d};
    for (int i = 0; i < 6; ++i) {
        runtime::Value v = m.field(NAMES[i]);
        if (!v.isNumber() || v.toFloat() != mine[i]) return false;
    }
    return true;
}

void Matrix::identity() { setTo(1, 0, 0, 1, 0, 0); }

Ref<Matrix> Matrix::invert() {
    const double det = a * d - b * c;
    if (det == 0) {
        setTo(0, 0, 0, 0, -tx, -ty);
    } else {
        const double k = 1 / det;
        const double a1 = k * d, d1 = k * a, b1 = -k * b, c1 = -k * c;
        const double tx1 = -tx * a1 - ty * c1, ty1 = -tx * b1 - ty * d1;
        setTo(a1, b1, c1, d1, tx1, ty1);
    }
    return Ref<Matrix>(this);
}

Ref<Matrix> Matrix::mult(const Ref<Matrix>& m) {
    Ref<Matrix> r = clone();
    r->concat(m);
    return r;
}

void Matrix::rotate(double theta) {
    const double cs = std::cos(theta), sn = std::sin(theta);
    concat(make<Matrix>(cs, sn, -sn, cs, 0, 0));
}

void Matrix::scale(double sx, double sy) {
    a *= sx;
    c *= sx;
    tx *= sx;
    b *= sy;
    d *= sy;
    ty *= sy;
}

void Matrix::setRotation(double theta, double s) {
    a = std::cos(theta) * s;
    c = std::sin(theta) * s;
    b = -c;
    d = a;
}

void Matrix::setTo(double aa, double ba, double ca, double da, double txa, double tya) {
    a = aa;
    b = ba;
    c = ca;
    d = da;
    tx = txa;
    ty = tya;
}

Ref<Point> Matrix::transformPoint(const Ref<Point>& p) {
    return make<Point>(a * p->x + c * p->y + tx, b * p->x + d * p->y + ty);
}

void Matrix::translate(double dx, double dy) {
    tx += dx;
    ty += dy;
}

std::string Matrix::toString() const {
    using runtime::Numbers;
    return "(a=" + Numbers::toText(a) + ", b=" + Numbers::toText(b) + ", c=" + Numbers::toText(c) +
           ", d=" + Numbers::toText(d) + ", tx=" + Numbers::toText(tx) + ", ty=" + Numbers::toText(ty) + ")";
}

}  // namespace framework

using framework::Matrix;

RUNTIME_DEFINE_CLASS(Matrix, "framework._native.geom.Matrix", runtime::Object, (auto& b) {
    b.template field<&Matrix::a>("a")
        .template field<&Matrix::b>("b")
        .template field<&Matrix::c>("c")
        .template field<&Matrix::d>("d")
        .template field<&Matrix::tx>("tx")
        .template field<&Matrix::ty>("ty")
        .template method<&Matrix::clone>("clone")
        .template method<&Matrix::concat>("concat")
        .template method<&Matrix::copyColumnFrom>("copyColumnFrom")
        .template method<&Matrix::copyColumnTo>("copyColumnTo")
        .template method<&Matrix::copyFrom>("copyFrom")
        .template method<&Matrix::copyRowFrom>("copyRowFrom")
        .template method<&Matrix::copyRowTo>("copyRowTo")
        .template method<&Matrix::createBox>("createBox")
        .template method<&Matrix::createGradientBox>("createGradientBox")
        .template method<&Matrix::deltaTransformPoint>("deltaTransformPoint")
        .template method<&Matrix::equals>("equals")
        .template method<&Matrix::identity>("identity")
        .template method<&Matrix::invert>("invert")
        .template method<&Matrix::mult>("mult")
        .template method<&Matrix::rotate>("rotate")
        .template method<&Matrix::scale>("scale")
        .template method<&Matrix::setRotation>("setRotation")
        .template method<&Matrix::setTo>("setTo")
        .template method<&Matrix::transformPoint>("transformPoint")
        .template method<&Matrix::translate>("translate")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Matrix>(a.number(0, 1), a.number(1), a.number(2), a.number(3, 1), a.number(4),
                                         a.number(5));
        });
})
