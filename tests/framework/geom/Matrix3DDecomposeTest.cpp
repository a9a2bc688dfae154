#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/geom/Matrix3D.h"

using framework::Matrix3D;
using framework::Orientation3D;
using framework::Vector3D;
using runtime::Array;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

constexpr double DEG = M_PI / 180;

std::vector<double> entries(const Ref<Matrix3D>& m) {
    std::vector<double> e;
    for (const Value& v : m->rawData->items) e.push_back(v.toFloat());
    return e;
}

void expectSameMatrix(const Ref<Matrix3D>& got, const Ref<Matrix3D>& want, double eps = 1e-9) {
    auto g = entries(got), w = entries(want);
    ASSERT_EQ(g.size(), w.size());
    for (std::size_t i = 0; i < w.size(); ++i) EXPECT_NEAR(g[i], w[i], eps) << "entry " << i;
}

void expectVector(const Value& v, double x, double y, double z, double w, double eps = 1e-9) {
    auto* p = v.as<Vector3D>();
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, x, eps);
    EXPECT_NEAR(p->y, y, eps);
    EXPECT_NEAR(p->z, z, eps);
    EXPECT_NEAR(p->w, w, eps);
}

Ref<Array> components(const Ref<Vector3D>& t, const Ref<Vector3D>& r, const Ref<Vector3D>& s) {
    return make<Array>(std::vector<Value>{t, r, s});
}

// Scale, then rotations about x, y and z (degrees), then translation, built step by step.
Ref<Matrix3D> built(const double t[3], const double r[3], const double s[3]) {
    auto m = make<Matrix3D>();
    m->appendScale(s[0], s[1], s[2]);
    m->appendRotation(r[0], Vector3D::get_X_AXIS());
    m->appendRotation(r[1], Vector3D::get_Y_AXIS());
    m->appendRotation(r[2], Vector3D::get_Z_AXIS());
    m->appendTranslation(t[0], t[1], t[2]);
    return m;
}

}  // namespace

TEST(Matrix3DDecompose, IdentityInEachStyle) {
    struct Case {
        std::optional<Orientation3D> style;
        double x, y, z, w;
    };
    const Case cases[] = {
        {std::nullopt, 0, 0, 0, 0},
        {Orientation3D::EULER_ANGLES, 0, 0, 0, 0},
        {Orientation3D::QUATERNION, 0, 0, 0, 1},
        {Orientation3D::AXIS_ANGLE, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        auto parts = make<Matrix3D>()->decompose(c.style);
        ASSERT_EQ(parts->length(), 3);
        expectVector(parts->at(0), 0, 0, 0, 0, 0);
        expectVector(parts->at(1), c.x, c.y, c.z, c.w, 0);
        expectVector(parts->at(2), 1, 1, 1, 0, 0);
    }
}

TEST(Matrix3DDecompose, RoundTripsInEachStyle) {
    struct Case {
        double t[3], r[3], s[3];
    };
    // The rotations reach every branch of the quaternion extraction: small angles (positive
    // trace), and half turns about x, y and z (each diagonal entry largest in turn).
    const Case cases[] = {
        {{1, 2, 3}, {10, 20, 30}, {1, 2, 3}},
        {{0, 0, 0}, {180, 0, 0}, {1, 1, 1}},
        {{0, 0, 0}, {0, 180, 0}, {2, 2, 2}},
        {{0, 0, 0}, {0, 0, 180}, {1, 1, 1}},
        {{-5, 0, 8}, {-120, 45, 170}, {0.5, 4, 2}},
        {{4, 4, 4}, {30, -20, 60}, {2, 3, -4}},  // a mirror
        {{0, 0, 0}, {25, 90, 70}, {1, 1, 1}},    // gimbal lock, y = +90°
        {{0, 0, 0}, {25, -90, 70}, {1, 1, 1}},   // gimbal lock, y = −90°
    };
    const Orientation3D styles[] = {Orientation3D::EULER_ANGLES, Orientation3D::QUATERNION, Orientation3D::AXIS_ANGLE};
    for (const Case& c : cases) {
        auto m = built(c.t, c.r, c.s);
        for (Orientation3D style : styles) {
            SCOPED_TRACE(runtime::enumText(style) + " " + m->rawData->toString());
            const auto before = entries(m);
            auto parts = m->decompose(style);
            EXPECT_EQ(entries(m), before);  // decompose changes nothing
            expectVector(parts->at(0), c.t[0], c.t[1], c.t[2], 0);
            auto rebuilt = make<Matrix3D>();
            ASSERT_TRUE(rebuilt->recompose(parts, style));
            expectSameMatrix(rebuilt, m);
        }
    }
}

TEST(Matrix3DDecompose, WhatEachStyleReports) {
    // Euler angles come back as given inside their principal ranges.
    const double t[3] = {1, 2, 3}, r[3] = {-120, 45, 170}, s[3] = {0.5, 4, 2};
    auto parts = built(t, r, s)->decompose(Orientation3D::EULER_ANGLES);
    expectVector(parts->at(1), -120 * DEG, 45 * DEG, 170 * DEG, 0);
    expectVector(parts->at(2), 0.5, 4, 2, 0);

    // A rotation by 120° about (1, 1, 1) as a quaternion and as an axis with an angle.
    auto m = make<Matrix3D>();
    m->appendRotation(120, make<Vector3D>(1 / std::sqrt(3.0), 1 / std::sqrt(3.0), 1 / std::sqrt(3.0)));
    const double k = std::sin(60 * DEG) / std::sqrt(3.0);
    expectVector(m->decompose(Orientation3D::QUATERNION)->at(1), k, k, k, 0.5);
    const double u = 1 / std::sqrt(3.0);
    expectVector(m->decompose(Orientation3D::AXIS_ANGLE)->at(1), u, u, u, 120 * DEG);

    // A mirror of x is reported in the z scale, with a half turn about y.
    auto mirror = make<Matrix3D>();
    mirror->appendScale(-1, 1, 1);
    parts = mirror->decompose();
    expectVector(parts->at(2), 1, 1, -1, 0, 0);
    expectVector(parts->at(1), M_PI, 0, M_PI, 0);

    // A zero column gives NaN or infinite values; it does not fail.
    auto flat = make<Matrix3D>();
    flat->appendScale(0, 1, 1);
    parts = flat->decompose();
    EXPECT_EQ(parts->at(2).as<Vector3D>()->x, 0);
    auto* rot = parts->at(1).as<Vector3D>();
    EXPECT_TRUE(std::isnan(rot->x) || std::isnan(rot->y) || std::isnan(rot->z));

    // A list that is not 16 long decomposes as the identity, and stays as it was.
    auto longer = make<Matrix3D>();
    longer->copyRawDataFrom(make<Array>(std::vector<Value>(20, Value(7.0))));
    parts = longer->decompose(Orientation3D::QUATERNION);
    expectVector(parts->at(0), 0, 0, 0, 0, 0);
    expectVector(parts->at(1), 0, 0, 0, 1, 0);
    EXPECT_EQ(longer->rawData->length(), 20);
}

TEST(Matrix3DDecompose, Recompose) {
    // Failures leave the same list with the same values.
    auto m = make<Matrix3D>();
    m->appendTranslation(1, 2, 3);
    const auto list = m->rawData;
    const auto before = entries(m);
    auto t = make<Vector3D>(), r = make<Vector3D>();
    const Ref<Array> failing[] = {
        make<Array>(std::vector<Value>{t, r}),
        components(t, r, make<Vector3D>(2, 0, 2)),
        components(t, r, make<Vector3D>(0, 1, 1)),
        make<Array>(std::vector<Value>{t, r, Value(5)}),
        nullptr,
    };
    for (const auto& c : failing) {
        EXPECT_FALSE(m->recompose(c));
        EXPECT_EQ(m->rawData.get(), list.get());
        EXPECT_EQ(entries(m), before);
    }

    // Success installs a new list; the one shared so far keeps its values.
    auto shared = make<Array>(std::vector<Value>(16, Value(0.0)));
    auto s = make<Matrix3D>(shared);
    ASSERT_TRUE(s->recompose(
        components(make<Vector3D>(1, 2, 3), make<Vector3D>(0, 0, M_PI / 2), make<Vector3D>(2, 2, 2))));
    EXPECT_NE(s->rawData.get(), shared.get());
    EXPECT_EQ(shared->at(15).toFloat(), 0);
    auto p = s->transformVector(make<Vector3D>(1, 0, 0));
    EXPECT_NEAR(p->x, 1, 1e-12);
    EXPECT_NEAR(p->y, 4, 1e-12);
    EXPECT_NEAR(p->z, 3, 1e-12);

    // The axis of an axis-angle rotation is not normalized: (0, 0, 2) is no pure rotation.
    auto a = make<Matrix3D>();
    ASSERT_TRUE(a->recompose(components(make<Vector3D>(), make<Vector3D>(0, 0, 2, M_PI / 2), make<Vector3D>(1, 1, 1)),
                             Orientation3D::AXIS_ANGLE));
    EXPECT_GT(std::fabs(a->get_determinant() - 1), 0.5);
    auto unit = make<Matrix3D>();
    ASSERT_TRUE(unit->recompose(
        components(make<Vector3D>(), make<Vector3D>(0, 0, 1, M_PI / 2), make<Vector3D>(1, 1, 1)),
        Orientation3D::AXIS_ANGLE));
    expectSameMatrix(unit, Matrix3D::getAxisRotation(0, 0, 1, 90), 1e-12);
}

TEST(Matrix3DDecompose, PointAt) {
    auto m = make<Matrix3D>();
    m->appendScale(3, 3, 3);
    auto list = m->rawData;
    m->pointAt(make<Vector3D>());
    EXPECT_EQ(m->rawData.get(), list.get());  // rewritten in place
    expectSameMatrix(m, make<Matrix3D>(make<Array>(std::vector<Value>{1.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0,
                                                                       0.0, -1.0, 0.0, 0.0, 0.0, 0.0, 1.0})),
                     0);

    struct Case {
        double pos[3], at[3], up[3];
        double wantUp[3];  // row 1
    };
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 1}, {0, 0, 5}, {1, 0, 0}},                    // up along the direction, dir.x = 0
        {{0, 0, 0}, {3, 4, 0}, {6, 8, 0}, {-0.8, 0.6, 0}},              // up along it, fallback not normalized
        {{5, 6, 7}, {5, 6, 17}, {0, 2, 2}, {0, 1, 0}},                   // the part of up along dir is removed
    };
    for (const Case& c : cases) {
        auto p = make<Matrix3D>();
        p->pointAt(make<Vector3D>(c.pos[0], c.pos[1], c.pos[2]), make<Vector3D>(c.at[0], c.at[1], c.at[2]),
                   make<Vector3D>(c.up[0], c.up[1], c.up[2]));
        auto e = entries(p);
        SCOPED_TRACE(p->rawData->toString());
        EXPECT_NEAR(e[1], c.wantUp[0], 1e-12);
        EXPECT_NEAR(e[5], c.wantUp[1], 1e-12);
        EXPECT_NEAR(e[9], c.wantUp[2], 1e-12);
        // The position sits in the fourth row; the translation is 0.
        EXPECT_EQ(e[3], c.pos[0]);
        EXPECT_EQ(e[7], c.pos[1]);
        EXPECT_EQ(e[11], c.pos[2]);
        EXPECT_EQ(p->get_position()->toString(), "Vector3D(0, 0, 0)");
        EXPECT_EQ(e[15], 1);
        // Row 0 is up × direction, normalized.
        auto up = make<Vector3D>(e[1], e[5], e[9]), dir = make<Vector3D>(e[2], e[6], e[10]);
        auto right = up->crossProduct(dir);
        right->normalize();
        EXPECT_NEAR(e[0], right->x, 1e-12);
        EXPECT_NEAR(e[4], right->y, 1e-12);
        EXPECT_NEAR(e[8], right->z, 1e-12);
    }
}
