#include "framework/geom/Matrix3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "framework/errors/Error.h"
#include "tests/support/ThrownText.h"

using framework::Matrix3D;
using framework::Vector3D;
using runtime::Array;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

Ref<Array> list(std::vector<double> values) {
    auto a = make<Array>();
    for (double v : values) a->push(v);
    return a;
}

Ref<Matrix3D> matrix(std::vector<double> values) { return make<Matrix3D>(list(std::move(values))); }

std::vector<double> entries(const Ref<Matrix3D>& m) {
    std::vector<double> e;
    for (const Value& v : m->rawData->items) e.push_back(v.toFloat());
    return e;
}

void expectNear(const Ref<Vector3D>& v, double x, double y, double z, double eps = 1e-12) {
    EXPECT_NEAR(v->x, x, eps);
    EXPECT_NEAR(v->y, y, eps);
    EXPECT_NEAR(v->z, z, eps);
}

void expectEntries(const Ref<Matrix3D>& m, const std::vector<double>& want, double eps = 1e-12) {
    auto got = entries(m);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], eps) << "entry " << i;
}

const std::vector<double> IDENTITY = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A matrix made of a rotation, an uneven scale and a translation: no two of its factors commute.
Ref<Matrix3D> skewed() {
    auto m = make<Matrix3D>();
    m->appendScale(2, 3, 4);
    m->appendRotation(30, make<Vector3D>(0, 0, 1));
    m->appendTranslation(5, -6, 7);
    return m;
}

}  // namespace

TEST(Matrix3D, ListSharingAndTheListRule) {
    auto raw = list({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    auto m = make<Matrix3D>(raw);
    m->appendTranslation(1, 1, 1);
    EXPECT_EQ(raw->at(12).toFloat(), 14);  // changes show in the caller's list...
    raw->set(0, Value(-1.0));
    EXPECT_EQ(m->transformVector(make<Vector3D>(1, 0, 0))->x, -1 + 14);  // ...and the other way
    m->identity();
    EXPECT_NE(m->rawData.get(), raw.get());
    EXPECT_EQ(raw->at(0).toFloat(), -1);

    expectEntries(make<Matrix3D>(list({1, 2, 3, 4, 5, 6, 7, 8, 9})), IDENTITY);
    expectEntries(make<Matrix3D>(), IDENTITY);

    // A short list reads as zeros past its end; a write extends it with zeros.
    auto shortList = make<Matrix3D>();
    shortList->rawData = list({2, 0, 0, 0, 0, 2});
    EXPECT_EQ(shortList->get_determinant(), 0);
    shortList->set_position(make<Vector3D>(7, 8, 9));
    expectEntries(shortList, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 7, 8, 9});
    EXPECT_EQ(shortList->get_position()->toString(), "Vector3D(7, 8, 9)");
}

TEST(Matrix3D, AppendActsAfterPrependActsBefore) {
    const auto v = make<Vector3D>(1, -2, 3);
    struct Case {
        const char* what;
        std::function<void(Matrix3D&)> op;
        // The same transform, step by step on a vector already transformed by skewed().
        std::function<Ref<Vector3D>(const Ref<Vector3D>& afterM, const Ref<Vector3D>& original)> expected;
    };
    const auto n = matrix({0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1});
    const Case cases[] = {
        {"append", [&](Matrix3D& m) { m.append(n); }, [&](auto& afterM, auto&) { return n->transformVector(afterM); }},
        {"prepend", [&](Matrix3D& m) { m.prepend(n); },
         [&](auto&, auto& original) { return skewed()->transformVector(n->transformVector(original)); }},
        {"appendScale", [](Matrix3D& m) { m.appendScale(2, 3, 4); },
         [](auto& afterM, auto&) { return make<Vector3D>(afterM->x * 2, afterM->y * 3, afterM->z * 4); }},
        {"prependScale", [](Matrix3D& m) { m.prependScale(2, 3, 4); },
         [](auto&, auto& o) { return skewed()->transformVector(make<Vector3D>(o->x * 2, o->y * 3, o->z * 4)); }},
        {"appendTranslation", [](Matrix3D& m) { m.appendTranslation(1, 2, 3); },
         [](auto& afterM, auto&) { return afterM->add(make<Vector3D>(1, 2, 3)); }},
        {"prependTranslation", [](Matrix3D& m) { m.prependTranslation(1, 2, 3); },
         [](auto&, auto& o) { return skewed()->transformVector(o->add(make<Vector3D>(1, 2, 3))); }},
        {"appendRotation", [](Matrix3D& m) { m.appendRotation(90, make<Vector3D>(0, 0, 1)); },
         [](auto& afterM, auto&) { return make<Vector3D>(-afterM->y, afterM->x, afterM->z); }},
        {"prependRotation", [](Matrix3D& m) { m.prependRotation(90, make<Vector3D>(1, 0, 0)); },
         [](auto&, auto& o) { return skewed()->transformVector(make<Vector3D>(o->x, -o->z, o->y)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto m = skewed();
        auto before = m->rawData;
        c.op(*m);
        EXPECT_EQ(m->rawData.get(), before.get());  // written in place
        auto want = c.expected(skewed()->transformVector(v), v);
        expectNear(m->transformVector(v), want->x, want->y, want->z, 1e-9);
    }

    // Both factors are read whole first: appending a matrix to itself squares it.
    auto sq = skewed();
    sq->append(sq);
    auto twice = skewed()->transformVector(skewed()->transformVector(v));
    expectNear(sq->transformVector(v), twice->x, twice->y, twice->z, 1e-9);

    // appendTranslation only adds to the translation, even when the fourth row is not (0, 0, 0, 1);
    // prependTranslation is a full product.
    auto projective = {1.0, 0.0, 0.0, 2.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0};
    auto a = matrix(projective), p = matrix(projective);
    a->appendTranslation(1, 2, 3);
    p->prependTranslation(1, 2, 3);
    expectEntries(a, {1, 0, 0, 2, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1});
    expectEntries(p, {1, 0, 0, 2, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 3});
}

TEST(Matrix3D, InvertAndDeterminant) {
    auto m = skewed();
    m->appendRotation(40, make<Vector3D>(0.6, 0.8, 0), make<Vector3D>(3, 2, 1));
    EXPECT_NEAR(m->get_determinant(), 24, 1e-9);
    auto inverse = m->clone();
    EXPECT_TRUE(inverse->invert());
    inverse->append(m);
    expectEntries(inverse, IDENTITY, 1e-12);

    // A full 4 × 4 matrix with a projective row.
    auto full = matrix({2, 1, 0, 1, 0, 3, 1, 0, 1, 0, 4, 2, 0, 1, 1, 5});
    const double det = full->get_determinant();
    auto fullInverse = full->clone();
    ASSERT_TRUE(fullInverse->invert());
    EXPECT_NEAR(fullInverse->get_determinant(), 1 / det, 1e-12);
    fullInverse->prepend(full);
    expectEntries(fullInverse, IDENTITY, 1e-12);

    const double nan = std::nan("");
    struct Case {
        std::vector<double> raw;
        bool inverts;
    };
    const Case cases[] = {
        {{1e-11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},  // |det| must exceed 1e-11
        {{-1e-11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
        {{2e-11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, true},
        {{1, 2, 3, 4, 2, 4, 6, 8, 0, 0, 1, 0, 0, 0, 0, 1}, false},  // two parallel columns
        {{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1}, false},  // a zero column
        {{nan, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
    };
    for (const Case& c : cases) {
        auto s = matrix(c.raw);
        auto before = s->rawData;
        SCOPED_TRACE(before->toString());
        EXPECT_EQ(s->invert(), c.inverts);
        EXPECT_EQ(s->rawData.get(), before.get());
        if (!c.inverts) {
            auto now = entries(s);
            for (std::size_t i = 0; i < 16; ++i)
                EXPECT_TRUE(now[i] == c.raw[i] || (std::isnan(now[i]) && std::isnan(c.raw[i])));
        } else {
            EXPECT_NEAR(entries(s)[0], 5e10, 1);
        }
    }
}

TEST(Matrix3D, RotationsAndStaticConstructors) {
    auto z90 = Matrix3D::getAxisRotation(0, 0, 1, 90);
    expectNear(z90->transformVector(make<Vector3D>(1, 0, 0)), 0, 1, 0);
    expectNear(Matrix3D::getAxisRotation(1, 0, 0, 90)->transformVector(make<Vector3D>(0, 1, 0)), 0, 0, 1);
    expectNear(Matrix3D::getAxisRotation(0, 1, 0, 90)->transformVector(make<Vector3D>(0, 0, 1)), 1, 0, 0);
    // The axis is used as given: entry 10 is c + 4t.
    EXPECT_NEAR(entries(Matrix3D::getAxisRotation(0, 0, 2, 90))[10], 4, 1e-12);

    // The pivot is only added to the rotation's translation.
    auto pivoted = make<Matrix3D>();
    pivoted->appendRotation(90, make<Vector3D>(0, 0, 1), make<Vector3D>(1, 0, 0));
    expectNear(pivoted->transformVector(make<Vector3D>(1, 0, 0)), 1, 1, 0);

    // create2D turns the other way round from getAxisRotation about z.
    auto r2 = Matrix3D::create2D(0, 0, 1, 90);
    EXPECT_NEAR(entries(r2)[1], -1, 1e-12);
    EXPECT_NEAR(entries(r2)[4], 1, 1e-12);
    expectEntries(Matrix3D::create2D(10, 20, 2), {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 10, 20, 0, 1});
    expectEntries(Matrix3D::createABCD(1, 2, 3, 4, 5, 6), {1, 2, 0, 0, 3, 4, 0, 0, 0, 0, 1, 0, 5, 6, 0, 1});

    // The orthographic projection maps its box onto the cube from −1 to 1 (z flipped).
    auto ortho = Matrix3D::createOrtho(0, 960, 540, 0, -1, 1);
    expectNear(ortho->transformVector(make<Vector3D>(0, 540, -1)), -1, -1, 1);
    expectNear(ortho->transformVector(make<Vector3D>(960, 0, 1)), 1, 1, -1);
    EXPECT_TRUE(std::isinf(entries(Matrix3D::createOrtho(1, 1, 0, 1, 0, 1))[0]));

    // Interpolation, as a new matrix and in place; entries past 16 take no part.
    auto a = matrix({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    auto b = matrix({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 8, 8, 8, 8});
    auto half = Matrix3D::interpolate(a, b, 0.25);
    expectEntries(half, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2});
    a->interpolateTo(b, 0.5);
    expectEntries(a, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 4, 4, 4, 4});
}

TEST(Matrix3D, VectorTransforms) {
    auto m = matrix({1, 0, 0, 5, 0, 1, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1});
    // transformVector adds the translation and uses entry 3 only for w′; deltaTransformVector adds
    // the fourth row instead of the translation.
    auto t = m->transformVector(make<Vector3D>(2, 3, 4, 99));
    EXPECT_EQ(t->toString(), "Vector3D(12, 23, 34)");
    EXPECT_EQ(t->w, 2 * 5 + 1);
    auto d = m->deltaTransformVector(make<Vector3D>(2, 3, 4, 99));
    EXPECT_EQ(d->toString(), "Vector3D(7, 3, 4)");
    EXPECT_EQ(d->w, 0);

    // Whole triples only; the seventh place of vout is left alone, and vin may be vout.
    auto vin = list({1, 2, 3, 4, 5, 6, 7});
    auto vout = list({0, 0, 0, 0, 0, 0, -1});
    m->transformVectors(vin, vout);
    EXPECT_EQ(vout->toString(), "[11,22,33,14,25,36,-1]");
    m->transformVectors(vin, vin);
    EXPECT_EQ(vin->toString(), "[11,22,33,14,25,36,7]");
    auto grown = make<Array>();
    m->transformVectors(list({0, 0, 0}), grown);
    EXPECT_EQ(grown->toString(), "[10,20,30]");
}

TEST(Matrix3D, RawCopies) {
    const std::vector<double> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const std::vector<double> transposed = {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16};

    auto t = matrix(values);
    t->transpose();
    expectEntries(t, transposed);

    // Into a list, transposed or not, at an offset; the matrix ends unchanged.
    auto m = matrix(values);
    auto out = list({-1});
    m->copyRawDataTo(out, 2, true);
    expectEntries(m, values);
    std::vector<double> want = {-1, 0};
    want.insert(want.end(), transposed.begin(), transposed.end());
    EXPECT_EQ(out->toString(), list(want)->toString());
    auto skipped = make<Array>();
    m->copyRawDataTo(skipped, -14);  // negative places are skipped
    EXPECT_EQ(skipped->toString(), "[15,16]");

    // From a list: the count follows the list.
    auto from = make<Matrix3D>();
    from->copyRawDataFrom(list({9, 9, 1, 2, 3}), 2);
    expectEntries(from, {1, 2, 3, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    auto tfrom = make<Matrix3D>();
    tfrom->copyRawDataFrom(list({1, 2, 3}), 0, true);  // the first three places of the transposed matrix
    expectEntries(tfrom, {1, 0, 0, 0, 2, 1, 0, 0, 3, 0, 1, 0, 0, 0, 0, 1});
    auto negative = matrix(values);
    negative->copyRawDataFrom(list({7, 8}), -1);  // zeros for the first −index places
    EXPECT_EQ(entries(negative)[0], 0);
    EXPECT_EQ(entries(negative)[1], 7);
    EXPECT_EQ(entries(negative)[2], 8);
    EXPECT_EQ(entries(negative)[3], 4);

    // A 20-entry list: rawData grows, clone gives the identity, copyFrom keeps all 20.
    std::vector<double> twenty(values);
    twenty.insert(twenty.end(), {17, 18, 19, 20});
    auto big = make<Matrix3D>();
    big->copyRawDataFrom(list(twenty));
    EXPECT_EQ(big->rawData->length(), 20);
    expectEntries(big->clone(), IDENTITY);
    auto copy = make<Matrix3D>();
    copy->copyFrom(big);
    expectEntries(copy, twenty);
    EXPECT_NE(copy->rawData.get(), big->rawData.get());
    auto dest = make<Matrix3D>();
    big->copyToMatrix3D(dest);
    expectEntries(dest, twenty);
}

TEST(Matrix3D, RowAndColumnCopies) {
    auto m = make<Matrix3D>();
    m->copyColumnFrom(3, make<Vector3D>(1, 2, 3, 4));
    m->copyRowFrom(1, make<Vector3D>(5, 6, 7, 8));
    expectEntries(m, {1, 5, 0, 0, 0, 6, 0, 0, 0, 7, 1, 0, 1, 8, 3, 4});
    auto v = make<Vector3D>();
    m->copyColumnTo(3, v);
    EXPECT_EQ(v->w, 4);
    EXPECT_EQ(v->toString(), "Vector3D(1, 8, 3)");
    m->copyRowTo(1, v);
    EXPECT_EQ(v->w, 8);
    EXPECT_EQ(v->toString(), "Vector3D(5, 6, 7)");

    struct Case {
        std::function<void()> run;
        const char* message;
    };
    const Case cases[] = {
        {[&] { m->copyRowFrom(4, v); }, "Error, Row 4 out of bounds [0, ..., 3]"},
        {[&] { m->copyRowFrom(static_cast<uint32_t>(-1), v); }, "Error, Row 4294967295 out of bounds [0, ..., 3]"},
        {[&] { m->copyRowTo(-1, v); }, "Error, Row -1 out of bounds [0, ..., 3]"},
        {[&] { m->copyColumnTo(-1, v); }, "Error, Column -1 out of bounds [0, ..., 3]"},
        {[&] { m->copyColumnFrom(4, v); }, "Error, Column 4 out of bounds [0, ..., 3]"},
    };
    const auto before = entries(m);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            c.run();
            ADD_FAILURE() << "nothing thrown";
        } catch (const runtime::Thrown& t) {
            auto* e = t.value().as<framework::Error>();
            ASSERT_TRUE(e);
            EXPECT_EQ(e->message, c.message);
            EXPECT_EQ(e->errorID, 0);
        }
    }
    EXPECT_EQ(entries(m), before);
    EXPECT_EQ(v->toString(), "Vector3D(5, 6, 7)");

    // By name, a row of −1 arrives as the unsigned 4294967295.
    Value call = Value(m).field("copyRowFrom");
    EXPECT_EQ(thrownText([&] { call.function()->operator()(-1, v); }),
              "Error, Row 4294967295 out of bounds [0, ..., 3]");
}
