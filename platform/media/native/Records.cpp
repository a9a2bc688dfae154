#include "Records.h"

#include <array>

namespace media {

using runtime::Value;

namespace {
constexpr const char* COLOR_FIELDS[8] = {"redMultiplier", "greenMultiplier", "blueMultiplier", "alphaMultiplier",
                                         "redOffset",     "greenOffset",     "blueOffset",     "alphaOffset"};

template <class CT>
auto colorSlots(CT& ct) {
    return std::array{&ct.redMultiplier, &ct.greenMultiplier, &ct.blueMultiplier, &ct.alphaMultiplier,
                      &ct.redOffset,     &ct.greenOffset,     &ct.blueOffset,     &ct.alphaOffset};
}
}  // namespace

Rect2D Records::rect(const Value& v) {
    return {v.field("x").toFloat(), v.field("y").toFloat(), v.field("width").toFloat(), v.field("height").toFloat()};
}

void Records::writeRect(const Value& target, const Rect2D& r) {
    target.setField("x", Value(r.x));
    target.setField("y", Value(r.y));
    target.setField("width", Value(r.width));
    target.setField("height", Value(r.height));
}

Matrix2D Records::matrix(const Value& m) {
    if (m.isNull()) return {};
    return {m.field("a").toFloat(), m.field("b").toFloat(), m.field("c").toFloat(),
            m.field("d").toFloat(), m.field("tx").toFloat(), m.field("ty").toFloat()};
}

void Records::writeMatrix(const Value& target, const Matrix2D& m) {
    target.setField("a", Value(m.a));
    target.setField("b", Value(m.b));
    target.setField("c", Value(m.c));
    target.setField("d", Value(m.d));
    target.setField("tx", Value(m.tx));
    target.setField("ty", Value(m.ty));
}

ColorTransform8 Records::colorTransform(const Value& v) {
    ColorTransform8 ct;
    if (v.isNull()) return ct;
    auto slots = colorSlots(ct);
    for (int i = 0; i < 8; ++i) *slots[static_cast<std::size_t>(i)] = v.field(COLOR_FIELDS[i]).toFloat();
    return ct;
}

void Records::writeColorTransform(const Value& target, const ColorTransform8& ct) {
    auto slots = colorSlots(ct);
    for (int i = 0; i < 8; ++i) target.setField(COLOR_FIELDS[i], Value(*slots[static_cast<std::size_t>(i)]));
}

}  // namespace media
