#include "Matrix3D.h"

#include <cmath>
#include <string>

#include "framework/errors/Error.h"
#include "platform/runtime/Args.h"

namespace framework {

using runtime::Array;
using runtime::make;
using runtime::Ref;

namespace {

constexpr double PI = 3.141592653589793;
constexpr double IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

using Entries = double[16];

Ref<Array> listOf(const double* e, int n) {
    auto list = make<Array>();
    list->items.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) list->push(e[i]);
    return list;
}

Ref<Array> copyOf(const Ref<Array>& list) { return list ? make<Array>(list->items) : make<Array>(); }

double number(const Array& list, int i) { return list.at(i).toFloat(); }

// A write by the list rule: dropped at a negative place, zeros fill a gap before the place.
void store(Array& list, int i, double v) {
    if (i < 0) return;
    if (i >= list.length()) list.items.resize(static_cast<std::size_t>(i) + 1, runtime::Value(0.0));
    list.items[static_cast<std::size_t>(i)] = runtime::Value(v);
}

// p := a × b, element (r, c) at 4c + r.
void product(const Entries& a, const Entries& b, Entries& p) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            p[4 * c + r] =
                a[r] * b[4 * c] + a[4 + r] * b[4 * c + 1] + a[8 + r] * b[4 * c + 2] + a[12 + r] * b[4 * c + 3];
}

// The 2 × 2 minors of the first two and of the last two rows, from which both the determinant
// and the adjugate are built.
struct Minors {
    double s0, s1, s2, s3, s4, s5, c0, c1, c2, c3, c4, c5;
    explicit Minors(const Entries& e)
        : s0(e[0] * e[5] - e[4] * e[1]),
          s1(e[0] * e[9] - e[8] * e[1]),
          s2(e[0] * e[13] - e[12] * e[1]),
          s3(e[4] * e[9] - e[8] * e[5]),
          s4(e[4] * e[13] - e[12] * e[5]),
          s5(e[8] * e[13] - e[12] * e[9]),
          c0(e[2] * e[7] - e[6] * e[3]),
          c1(e[2] * e[11] - e[10] * e[3]),
          c2(e[2] * e[15] - e[14] * e[3]),
          c3(e[6] * e[11] - e[10] * e[7]),
          c4(e[6] * e[15] - e[14] * e[7]),
          c5(e[10] * e[15] - e[14] * e[11]) {}
    double determinant() const { return s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0; }
};

[[noreturn]] void outOfBounds(const std::string& what) {
    throw runtime::Thrown(runtime::Value(make<Error>("Error, " + what + " out of bounds [0, ..., 3]", 0)));
}

}  // namespace

Matrix3D::Matrix3D(const Ref<Array>& v) { rawData = v && v->length() == 16 ? v : listOf(IDENTITY, 16); }

double Matrix3D::at(int i) const { return rawData ? number(*rawData, i) : 0.0; }

void Matrix3D::put(int i, double v) {
    if (!rawData) rawData = make<Array>();
    store(*rawData, i, v);
}

void Matrix3D::putAll(const Entries& e) {
    for (int i = 0; i < 16; ++i) put(i, e[i]);
}

// --- products ------------------------------------------------------------------------------

void Matrix3D::entries(double (&e)[16]) const {
    for (int i = 0; i < 16; ++i) e[i] = at(i);
}

void Matrix3D::setProduct(const double (&a)[16], const double (&b)[16]) {
    Entries p;
    product(a, b, p);
    putAll(p);
}

void Matrix3D::append(const Ref<Matrix3D>& lhs) {
    Entries a, b;
    lhs->entries(a);
    entries(b);
    setProduct(a, b);
}

void Matrix3D::prepend(const Ref<Matrix3D>& rhs) {
    Entries a, b;
    entries(a);
    rhs->entries(b);
    setProduct(a, b);
}

void Matrix3D::appendScale(double x, double y, double z) {
    const Entries s = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
    Entries m;
    entries(m);
    setProduct(s, m);
}

void Matrix3D::prependScale(double x, double y, double z) {
    const Entries s = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
    Entries m;
    entries(m);
    setProduct(m, s);
}

void Matrix3D::appendTranslation(double x, double y, double z) {
    put(12, at(12) + x);
    put(13, at(13) + y);
    put(14, at(14) + z);
}

void Matrix3D::prependTranslation(double x, double y, double z) {
    const Entries t = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    Entries m;
    entries(m);
    setProduct(m, t);
}

namespace {
Ref<Matrix3D> rotationAbout(const Ref<Vector3D>& axis, double degrees, const Ref<Vector3D>& pivot) {
    Ref<Matrix3D> r = Matrix3D::getAxisRotation(axis->x, axis->y, axis->z, degrees);
    if (pivot) r->appendTranslation(pivot->x, pivot->y, pivot->z);
    return r;
}
}  // namespace

void Matrix3D::appendRotation(double degrees, const Ref<Vector3D>& axis, const Ref<Vector3D>& pivot) {
    append(rotationAbout(axis, degrees, pivot));
}

void Matrix3D::prependRotation(double degrees, const Ref<Vector3D>& axis, const Ref<Vector3D>& pivot) {
    prepend(rotationAbout(axis, degrees, pivot));
}

// --- whole matrix --------------------------------------------------------------------------

Ref<Matrix3D> Matrix3D::clone() { return make<Matrix3D>(copyOf(rawData)); }

void Matrix3D::copyFrom(const Ref<Matrix3D>& other) { rawData = copyOf(other->rawData); }

void Matrix3D::copyToMatrix3D(const Ref<Matrix3D>& dest) { dest->rawData = copyOf(rawData); }

void Matrix3D::identity() { rawData = listOf(IDENTITY, 16); }

void Matrix3D::interpolateTo(const Ref<Matrix3D>& target, double percent) {
    for (int i = 0; i < 16; ++i) put(i, at(i) + (target->at(i) - at(i)) * percent);
}

void Matrix3D::transpose() {
    static constexpr int PAIRS[6][2] = {{1, 4}, {2, 8}, {3, 12}, {6, 9}, {7, 13}, {11, 14}};
    for (const auto& p : PAIRS) {
        const double a = at(p[0]), b = at(p[1]);
        put(p[0], b);
        put(p[1], a);
    }
}

double Matrix3D::get_determinant() {
    Entries e;
    entries(e);
    return Minors(e).determinant();
}

bool Matrix3D::invert() {
    Entries e;
    entries(e);
    const Minors m(e);
    const double d = m.determinant();
    if (!(std::fabs(d) > 1e-11)) return false;
    const double k = 1 / d;
    const Entries inv = {
        (e[5] * m.c5 - e[9] * m.c4 + e[13] * m.c3) * k,   (-e[1] * m.c5 + e[9] * m.c2 - e[13] * m.c1) * k,
        (e[1] * m.c4 - e[5] * m.c2 + e[13] * m.c0) * k,   (-e[1] * m.c3 + e[5] * m.c1 - e[9] * m.c0) * k,
        (-e[4] * m.c5 + e[8] * m.c4 - e[12] * m.c3) * k,  (e[0] * m.c5 - e[8] * m.c2 + e[12] * m.c1) * k,
        (-e[0] * m.c4 + e[4] * m.c2 - e[12] * m.c0) * k,  (e[0] * m.c3 - e[4] * m.c1 + e[8] * m.c0) * k,
        (e[7] * m.s5 - e[11] * m.s4 + e[15] * m.s3) * k,  (-e[3] * m.s5 + e[11] * m.s2 - e[15] * m.s1) * k,
        (e[3] * m.s4 - e[7] * m.s2 + e[15] * m.s0) * k,   (-e[3] * m.s3 + e[7] * m.s1 - e[11] * m.s0) * k,
        (-e[6] * m.s5 + e[10] * m.s4 - e[14] * m.s3) * k, (e[2] * m.s5 - e[10] * m.s2 + e[14] * m.s1) * k,
        (-e[2] * m.s4 + e[6] * m.s2 - e[14] * m.s0) * k,  (e[2] * m.s3 - e[6] * m.s1 + e[10] * m.s0) * k,
    };
    putAll(inv);
    return true;
}

// --- vectors -------------------------------------------------------------------------------

Ref<Vector3D> Matrix3D::transformVector(const Ref<Vector3D>& v) {
    const double x = v->x, y = v->y, z = v->z;
    return make<Vector3D>(x * at(0) + y * at(4) + z * at(8) + at(12), x * at(1) + y * at(5) + z * at(9) + at(13),
                          x * at(2) + y * at(6) + z * at(10) + at(14), x * at(3) + y * at(7) + z * at(11) + at(15));
}

Ref<Vector3D> Matrix3D::deltaTransformVector(const Ref<Vector3D>& v) {
    const double x = v->x, y = v->y, z = v->z;
    return make<Vector3D>(x * at(0) + y * at(4) + z * at(8) + at(3), x * at(1) + y * at(5) + z * at(9) + at(7),
                          x * at(2) + y * at(6) + z * at(10) + at(11));
}

void Matrix3D::transformVectors(const Ref<Array>& vin, const Ref<Array>& vout) {
    if (!vin || !vout) return;
    for (int i = 0; i + 3 <= vin->length(); i += 3) {
        const double x = number(*vin, i), y = number(*vin, i + 1), z = number(*vin, i + 2);
        store(*vout, i, x * at(0) + y * at(4) + z * at(8) + at(12));
        store(*vout, i + 1, x * at(1) + y * at(5) + z * at(9) + at(13));
        store(*vout, i + 2, x * at(2) + y * at(6) + z * at(10) + at(14));
    }
}

Ref<Vector3D> Matrix3D::get_position() { return make<Vector3D>(at(12), at(13), at(14)); }

Ref<Vector3D> Matrix3D::set_position(const Ref<Vector3D>& v) {
    put(12, v->x);
    put(13, v->y);
    put(14, v->z);
    return v;
}

// --- copies --------------------------------------------------------------------------------

void Matrix3D::copyRawDataFrom(const Ref<Array>& list, int index, bool transposed) {
    if (!list) return;
    if (transposed) transpose();
    const int n = list->length() - index;
    for (int i = 0; i < n; ++i) put(i, number(*list, index + i));
    if (transposed) transpose();
}

void Matrix3D::copyRawDataTo(const Ref<Array>& list, int index, bool transposed) {
    if (!list) return;
    if (transposed) transpose();
    const int n = rawData ? rawData->length() : 0;
    for (int i = 0; i < n; ++i) store(*list, index + i, at(i));
    if (transposed) transpose();
}

void Matrix3D::copyColumnFrom(int column, const Ref<Vector3D>& v) {
    if (column < 0 || column > 3) outOfBounds("Column " + std::to_string(column));
    put(4 * column, v->x);
    put(4 * column + 1, v->y);
    put(4 * column + 2, v->z);
    put(4 * column + 3, v->w);
}

void Matrix3D::copyColumnTo(int column, const Ref<Vector3D>& v) {
    if (column < 0 || column > 3) outOfBounds("Column " + std::to_string(column));
    v->x = at(4 * column);
    v->y = at(4 * column + 1);
    v->z = at(4 * column + 2);
    v->w = at(4 * column + 3);
}

void Matrix3D::copyRowFrom(uint32_t row, const Ref<Vector3D>& v) {
    if (row > 3) outOfBounds("Row " + std::to_string(row));
    const int r = static_cast<int>(row);
    put(r, v->x);
    put(r + 4, v->y);
    put(r + 8, v->z);
    put(r + 12, v->w);
}

void Matrix3D::copyRowTo(int row, const Ref<Vector3D>& v) {
    if (row < 0 || row > 3) outOfBounds("Row " + std::to_string(row));
    v->x = at(row);
    v->y = at(row + 4);
    v->z = at(row + 8);
    v->w = at(row + 12);
}

// --- decomposition -------------------------------------------------------------------------

Ref<Array> Matrix3D::decompose(std::optional<Orientation3D> orientation) {
    // Through the constructor, so that only a 16-entry list is decomposed as it is.
    Entries q;
    make<Matrix3D>(copyOf(rawData))->entries(q);

    auto translation = make<Vector3D>(q[12], q[13], q[14]);
    q[12] = q[13] = q[14] = 0;

    auto scale = make<Vector3D>(std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2]),
                                std::sqrt(q[4] * q[4] + q[5] * q[5] + q[6] * q[6]),
                                std::sqrt(q[8] * q[8] + q[9] * q[9] + q[10] * q[10]));
    const double det3 =
        q[0] * (q[5] * q[10] - q[6] * q[9]) - q[1] * (q[4] * q[10] - q[6] * q[8]) + q[2] * (q[4] * q[9] - q[5] * q[8]);
    if (det3 < 0) scale->z = -scale->z;
    for (int i = 0; i < 3; ++i) {
        q[i] /= scale->x;
        q[4 + i] /= scale->y;
        q[8 + i] /= scale->z;
    }

    auto rotation = make<Vector3D>();
    switch (orientation.value_or(Orientation3D::EULER_ANGLES)) {
        case Orientation3D::EULER_ANGLES:
            rotation->y = std::asin(-q[2]);
            if (q[2] != 1 && q[2] != -1) {
                rotation->x = std::atan2(q[6], q[10]);
                rotation->z = std::atan2(q[1], q[0]);
            } else {
                // Gimbal lock: only x + z (y = −π/2) or x − z (y = π/2) is known; z is taken as 0.
                rotation->z = 0;
                rotation->x = q[2] == 1 ? std::atan2(-q[4], q[5]) : std::atan2(q[4], q[5]);
            }
            break;
        case Orientation3D::QUATERNION: {
            const double t = q[0] + q[5] + q[10];
            Vector3D& r = *rotation;
            if (t > 0) {
                r.w = std::sqrt(t + 1) * 0.5;
                r.x = (q[6] - q[9]) / (4 * r.w);
                r.y = (q[8] - q[2]) / (4 * r.w);
                r.z = (q[1] - q[4]) / (4 * r.w);
            } else if (q[0] > q[5] && q[0] > q[10]) {
                r.x = std::sqrt(q[0] + 1 - q[5] - q[10]) * 0.5;
                r.w = (q[6] - q[9]) / (4 * r.x);
                r.y = (q[1] + q[4]) / (4 * r.x);
                r.z = (q[8] + q[2]) / (4 * r.x);
            } else if (q[5] > q[10]) {
                r.y = std::sqrt(q[5] + 1 - q[0] - q[10]) * 0.5;
                r.x = (q[1] + q[4]) / (4 * r.y);
                r.w = (q[8] - q[2]) / (4 * r.y);
                r.z = (q[6] + q[9]) / (4 * r.y);
            } else {
                r.z = std::sqrt(q[10] + 1 - q[0] - q[5]) * 0.5;
                r.x = (q[8] + q[2]) / (4 * r.z);
                r.y = (q[6] + q[9]) / (4 * r.z);
                r.w = (q[1] - q[4]) / (4 * r.z);
            }
            break;
        }
        case Orientation3D::AXIS_ANGLE: {
            rotation->w = std::acos((q[0] + q[5] + q[10] - 1) * 0.5);
            const double ax = q[6] - q[9], ay = q[8] - q[2], az = q[1] - q[4];
            const double l = std::sqrt(ax * ax + ay * ay + az * az);
            if (l != 0) rotation->setTo(ax / l, ay / l, az / l);
            break;
        }
    }
    return make<Array>(std::vector<runtime::Value>{translation, rotation, scale});
}

bool Matrix3D::recompose(const Ref<Array>& components, std::optional<Orientation3D> orientation) {
    if (!components || components->length() < 3) return false;
    auto* t = components->at(0).as<Vector3D>();
    auto* r = components->at(1).as<Vector3D>();
    auto* s = components->at(2).as<Vector3D>();
    // A missing component fails like a missing entry.
    if (!t || !r || !s) return false;
    if (s->x == 0 || s->y == 0 || s->z == 0) return false;

    const double kx = s->x, ky = s->y, kz = s->z;
    Entries e = {};
    if (orientation.value_or(Orientation3D::EULER_ANGLES) == Orientation3D::EULER_ANGLES) {
        const double cx = std::cos(r->x), cy = std::cos(r->y), cz = std::cos(r->z);
        const double sx = std::sin(r->x), sy = std::sin(r->y), sz = std::sin(r->z);
        e[0] = cz * cy * kx;
        e[1] = sz * cy * kx;
        e[2] = -sy * kx;
        e[4] = (cz * sy * sx - sz * cx) * ky;
        e[5] = (sz * sy * sx + cz * cx) * ky;
        e[6] = sx * cy * ky;
        e[8] = (sz * sx + cz * sy * cx) * kz;
        e[9] = (sz * sy * cx - cz * sx) * kz;
        e[10] = cy * cx * kz;
    } else {
        double x = r->x, y = r->y, z = r->z, w = r->w;
        if (orientation == Orientation3D::AXIS_ANGLE) {
            const double h = w * 0.5, sh = std::sin(h);
            x *= sh;
            y *= sh;
            z *= sh;
            w = std::cos(h);
        }
        e[0] = (1 - 2 * y * y - 2 * z * z) * kx;
        e[1] = (2 * x * y + 2 * w * z) * kx;
        e[2] = (2 * x * z - 2 * w * y) * kx;
        e[4] = (2 * x * y - 2 * w * z) * ky;
        e[5] = (1 - 2 * x * x - 2 * z * z) * ky;
        e[6] = (2 * y * z + 2 * w * x) * ky;
        e[8] = (2 * x * z + 2 * w * y) * kz;
        e[9] = (2 * y * z - 2 * w * x) * kz;
        e[10] = (1 - 2 * x * x - 2 * y * y) * kz;
    }
    e[12] = t->x;
    e[13] = t->y;
    e[14] = t->z;
    e[15] = 1;
    rawData = listOf(e, 16);
    return true;
}

void Matrix3D::pointAt(const Ref<Vector3D>& pos, const Ref<Vector3D>& atTarget, const Ref<Vector3D>& upVector) {
    const Ref<Vector3D> target = atTarget ? atTarget : make<Vector3D>(0, 0, -1);
    const Ref<Vector3D> up = upVector ? upVector : make<Vector3D>(0, -1, 0);

    auto dir = make<Vector3D>(target->x - pos->x, target->y - pos->y, target->z - pos->z);
    Ref<Vector3D> u = up->clone();
    dir->normalize();
    u->normalize();
    Ref<Vector3D> along = dir->clone();
    along->scaleBy(u->dotProduct(dir));
    u = u->subtract(along);
    if (u->get_length() > 0) u->normalize();
    else if (dir->x != 0) u = make<Vector3D>(-dir->y, dir->x, 0);
    else u = make<Vector3D>(1, 0, 0);
    Ref<Vector3D> right = u->crossProduct(dir);
    right->normalize();

    const Entries e = {right->x, u->x, dir->x, pos->x, right->y, u->y, dir->y, pos->y,
                       right->z, u->z, dir->z, pos->z, 0,        0,    0,      1};
    putAll(e);
}

// --- static constructors -------------------------------------------------------------------

Ref<Matrix3D> Matrix3D::createABCD(double a, double b, double c, double d, double tx, double ty) {
    const Entries e = {a, b, 0, 0, c, d, 0, 0, 0, 0, 1, 0, tx, ty, 0, 1};
    return make<Matrix3D>(listOf(e, 16));
}

Ref<Matrix3D> Matrix3D::create2D(double x, double y, double scale, double rotation) {
    const double r = rotation * PI / 180;
    const double c = std::cos(r) * scale, s = std::sin(r) * scale;
    const Entries e = {c, -s, 0, 0, s, c, 0, 0, 0, 0, 1, 0, x, y, 0, 1};
    return make<Matrix3D>(listOf(e, 16));
}

Ref<Matrix3D> Matrix3D::createOrtho(double x0, double x1, double y0, double y1, double zNear, double zFar) {
    const double sx = 1 / (x1 - x0), sy = 1 / (y1 - y0), sz = 1 / (zFar - zNear);
    const Entries e = {2 * sx, 0, 0, 0, 0, 2 * sy, 0, 0, 0, 0, -2 * sz, 0,
                       -(x1 + x0) * sx, -(y1 + y0) * sy, -(zFar + zNear) * sz, 1};
    return make<Matrix3D>(listOf(e, 16));
}

Ref<Matrix3D> Matrix3D::getAxisRotation(double x, double y, double z, double degrees) {
    const double theta = -(PI / 180 * degrees);
    const double c = std::cos(theta), s = std::sin(theta), t = 1 - c;
    Entries e = {};
    e[0] = c + t * x * x;
    e[5] = c + t * y * y;
    e[10] = c + t * z * z;
    e[4] = t * x * y + s * z;
    e[1] = t * x * y - s * z;
    e[8] = t * x * z - s * y;
    e[2] = t * x * z + s * y;
    e[9] = t * y * z + s * x;
    e[6] = t * y * z - s * x;
    e[15] = 1;
    return make<Matrix3D>(listOf(e, 16));
}

Ref<Matrix3D> Matrix3D::interpolate(const Ref<Matrix3D>& a, const Ref<Matrix3D>& b, double percent) {
    Entries e;
    for (int i = 0; i < 16; ++i) e[i] = a->at(i) + (b->at(i) - a->at(i)) * percent;
    return make<Matrix3D>(listOf(e, 16));
}

}  // namespace framework

using framework::Matrix3D;

RUNTIME_DEFINE_CLASS(Matrix3D, "framework._native.geom.Matrix3D", runtime::Object, (auto& b) {
    using M = Matrix3D;
    b.template field<&M::rawData>("rawData")
        .template property<&M::get_determinant>("determinant")
        .template property<&M::get_position, &M::set_position>("position")
        .template method<&M::append>("append")
        .template method<&M::appendRotation>("appendRotation")
        .template method<&M::appendScale>("appendScale")
        .template method<&M::appendTranslation>("appendTranslation")
        .template method<&M::clone>("clone")
        .template method<&M::copyColumnFrom>("copyColumnFrom")
        .template method<&M::copyColumnTo>("copyColumnTo")
        .template method<&M::copyFrom>("copyFrom")
        .template method<&M::copyRawDataFrom>("copyRawDataFrom")
        .template method<&M::copyRawDataTo>("copyRawDataTo")
        .template method<&M::copyRowFrom>("copyRowFrom")
        .template method<&M::copyRowTo>("copyRowTo")
        .template method<&M::copyToMatrix3D>("copyToMatrix3D")
        .template method<&M::decompose>("decompose")
        .template method<&M::deltaTransformVector>("deltaTransformVector")
        .template method<&M::identity>("identity")
        .template method<&M::interpolateTo>("interpolateTo")
        .template method<&M::invert>("invert")
        .template method<&M::pointAt>("pointAt")
        .template method<&M::prepend>("prepend")
        .template method<&M::prependRotation>("prependRotation")
        .template method<&M::prependScale>("prependScale")
        .template method<&M::prependTranslation>("prependTranslation")
        .template method<&M::recompose>("recompose")
        .template method<&M::transformVector>("transformVector")
        .template method<&M::transformVectors>("transformVectors")
        .template method<&M::transpose>("transpose")
        .template method<&M::get_determinant>("get_determinant")
        .template method<&M::get_position>("get_position")
        .template method<&M::set_position>("set_position")
        .template staticMethod<&M::create2D>("create2D")
        .template staticMethod<&M::createABCD>("createABCD")
        .template staticMethod<&M::createOrtho>("createOrtho")
        .template staticMethod<&M::interpolate>("interpolate")
        .template staticMethod<&M::getAxisRotation>("getAxisRotation")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<Matrix3D>(runtime::Args(v, n).object<runtime::Array>(0));
        });
})
