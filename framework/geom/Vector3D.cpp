#include "Vector3D.h"

#include <cmath>

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::make;
using runtime::Ref;

Ref<Vector3D> Vector3D::add(const Ref<Vector3D>& a) { return make<Vector3D>(x + a->x, y + a->y, z + a->z); }

Ref<Vector3D> Vector3D::clone() { return make<Vector3D>(x, y, z, w); }

void Vector3D::copyFrom(const Ref<Vector3D>& s) { setTo(s->x, s->y, s->z); }

Ref<Vector3D> Vector3D::crossProduct(const Ref<Vector3D>& a) {
    return make<Vector3D>(y * a->z - z * a->y, z * a->x - x * a->z, x * a->y - y * a->x, 1);
}

void Vector3D::decrementBy(const Ref<Vector3D>& a) { setTo(x - a->x, y - a->y, z - a->z); }

double Vector3D::dotProduct(const Ref<Vector3D>& a) { return x * a->x + y * a->y + z * a->z; }

bool Vector3D::equals(const Ref<Vector3D>& o, bool allFour) {
    return x == o->x && y == o->y && z == o->z && (!allFour || w == o->w);
}

void Vector3D::incrementBy(const Ref<Vector3D>& a) { setTo(x + a->x, y + a->y, z + a->z); }

bool Vector3D::nearEquals(const Ref<Vector3D>& o, double tolerance, bool allFour) {
    // Written as "less than" so that a NaN difference fails.
    auto near = [tolerance](double a, double b) { return std::fabs(a - b) < tolerance; };
    return near(x, o->x) && near(y, o->y) && near(z, o->z) && (!allFour || near(w, o->w));
}

void Vector3D::negate() { setTo(-x, -y, -z); }

double Vector3D::normalize() {
    const double l = get_length();
    if (l != 0) setTo(x / l, y / l, z / l);
    return l;
}

void Vector3D::project() { setTo(x / w, y / w, z / w); }

void Vector3D::scaleBy(double s) { setTo(x * s, y * s, z * s); }

void Vector3D::setTo(double xa, double ya, double za) {
    x = xa;
    y = ya;
    z = za;
}

Ref<Vector3D> Vector3D::subtract(const Ref<Vector3D>& a) { return make<Vector3D>(x - a->x, y - a->y, z - a->z); }

double Vector3D::get_length() { return std::sqrt(get_lengthSquared()); }

double Vector3D::get_lengthSquared() { return x * x + y * y + z * z; }

std::string Vector3D::toString() const {
    using runtime::Numbers;
    return "Vector3D(" + Numbers::toText(x) + ", " + Numbers::toText(y) + ", " + Numbers::toText(z) + ")";
}

double Vector3D::angleBetween(const Ref<Vector3D>& a, const Ref<Vector3D>& b) {
    Ref<Vector3D> na = a->clone(), nb = b->clone();
    na->normalize();
    nb->normalize();
    return std::acos(na->dotProduct(nb));
}

double Vector3D::distance(const Ref<Vector3D>& a, const Ref<Vector3D>& b) {
    const double dx = b->x - a->x, dy = b->y - a->y, dz = b->z - a->z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Ref<Vector3D> Vector3D::get_X_AXIS() { return make<Vector3D>(1, 0, 0); }
Ref<Vector3D> Vector3D::get_Y_AXIS() { return make<Vector3D>(0, 1, 0); }
Ref<Vector3D> Vector3D::get_Z_AXIS() { return make<Vector3D>(0, 0, 1); }

}  // namespace framework

using framework::Vector3D;

namespace {
// A read-only static property whose every read runs the getter.
template <auto Getter>
runtime::Member staticGetter(const char* name) {
    runtime::Member m;
    m.name = name;
    m.kind = runtime::Member::Kind::Property;
    m.get = [](runtime::Object*) -> runtime::Value { return runtime::Value(Getter()); };
    return m;
}
}  // namespace

RUNTIME_DEFINE_CLASS(Vector3D, "framework._native.geom.Vector3D", runtime::Object, (auto& b) {
    using V = Vector3D;
    b.template field<&V::x>("x")
        .template field<&V::y>("y")
        .template field<&V::z>("z")
        .template field<&V::w>("w")
        .template property<&V::get_length>("length")
        .template property<&V::get_lengthSquared>("lengthSquared")
        .template method<&V::add>("add")
        .template method<&V::clone>("clone")
        .template method<&V::copyFrom>("copyFrom")
        .template method<&V::crossProduct>("crossProduct")
        .template method<&V::decrementBy>("decrementBy")
        .template method<&V::dotProduct>("dotProduct")
        .template method<&V::equals>("equals")
        .template method<&V::incrementBy>("incrementBy")
        .template method<&V::nearEquals>("nearEquals")
        .template method<&V::negate>("negate")
        .template method<&V::normalize>("normalize")
        .template method<&V::project>("project")
        .template method<&V::scaleBy>("scaleBy")
        .template method<&V::setTo>("setTo")
        .template method<&V::subtract>("subtract")
        .template method<&V::get_length>("get_length")
        .template method<&V::get_lengthSquared>("get_lengthSquared")
        .template staticMethod<&V::angleBetween>("angleBetween")
        .template staticMethod<&V::distance>("distance")
        .template staticMethod<&V::get_X_AXIS>("get_X_AXIS")
        .template staticMethod<&V::get_Y_AXIS>("get_Y_AXIS")
        .template staticMethod<&V::get_Z_AXIS>("get_Z_AXIS")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Vector3D>(a.number(0), a.number(1), a.number(2), a.number(3));
        });
    b.info().addStatic(staticGetter<&V::get_X_AXIS>("X_AXIS"));
    b.info().addStatic(staticGetter<&V::get_Y_AXIS>("Y_AXIS"));
    b.info().addStatic(staticGetter<&V::get_Z_AXIS>("Z_AXIS"));
})
