#include "framework/geom/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/DynamicObject.h"

using framework::Matrix;
using framework::Point;
using framework::Vector3D;
using runtime::make;
using runtime::Ref;

namespace {
void expectMatrix(const Ref<Matrix>& m, double a, double b, double c, double d, double tx, double ty) {
    EXPECT_NEAR(m->a, a, 1e-12);
    EXPECT_NEAR(m->b, b, 1e-12);
    EXPECT_NEAR(m->c, c, 1e-12);
    EXPECT_NEAR(m->d, d, 1e-12);
    EXPECT_NEAR(m->tx, tx, 1e-12);
    EXPECT_NEAR(m->ty, ty, 1e-12);
}
}  // namespace

TEST(Matrix, InvertRegularAndSingular) {
    auto m = make<Matrix>(2, 1, 1, 3, 5, -7);
    auto inv = m->clone();
    EXPECT_EQ(inv->invert().get(), inv.get());
    inv->concat(m);
    expectMatrix(inv, 1, 0, 0, 1, 0, 0);

    auto singular = make<Matrix>(2, 4, 1, 2, 5, -7);
    singular->invert();
    EXPECT_EQ(singular->toString(), "(a=0, b=0, c=0, d=0, tx=-5, ty=7)");
}

TEST(Matrix, ConcatMultAndRotate) {
    auto m = make<Matrix>(1, 0, 0, 1, 10, 0);
    auto s = make<Matrix>(2, 0, 0, 3);
    auto product = m->mult(s);
    expectMatrix(m, 1, 0, 0, 1, 10, 0);  // mult leaves both operands alone
    expectMatrix(s, 2, 0, 0, 3, 0, 0);
    expectMatrix(product, 2, 0, 0, 3, 20, 0);
    m->concat(s);
    expectMatrix(m, 2, 0, 0, 3, 20, 0);

    auto r = make<Matrix>();
    r->rotate(M_PI / 2);
    auto p = r->transformPoint(make<Point>(1, 0));
    EXPECT_NEAR(p->x, 0, 1e-12);
    EXPECT_NEAR(p->y, 1, 1e-12);

    auto t = make<Matrix>(1, 0, 0, 1, 5, 5);
    EXPECT_EQ(t->deltaTransformPoint(make<Point>(1, 2))->toString(), "(1, 2)");
    EXPECT_EQ(t->transformPoint(make<Point>(1, 2))->toString(), "(6, 7)");
    t->scale(2, 3);
    EXPECT_EQ(t->toString(), "(a=2, b=0, c=0, d=3, tx=10, ty=15)");
    t->identity();
    EXPECT_EQ(t->toString(), "(a=1, b=0, c=0, d=1, tx=0, ty=0)");
}

TEST(Matrix, BoxesAndRotationConventions) {
    auto g = make<Matrix>();
    g->createGradientBox(1638.4, 3276.8);
    expectMatrix(g, 1, 0, 0, 2, 819.2, 1638.4);
    g->createGradientBox(1638.4, 1638.4, M_PI / 2, 10, 20);
    expectMatrix(g, 0, 1, -1, 0, 829.2, 839.2);

    auto box = make<Matrix>();
    box->createBox(2, 3, M_PI / 2, 4, 5);
    expectMatrix(box, 0, 3, -2, 0, 4, 5);

    // setRotation uses the opposite signs for b and c and keeps the translation.
    auto s = make<Matrix>(1, 0, 0, 1, 7, 8);
    s->setRotation(M_PI / 2, 2);
    expectMatrix(s, 0, -2, 2, 0, 7, 8);
}

TEST(Matrix, EqualsReadsFieldsByName) {
    auto m = make<Matrix>(1, 2, 3, 4, 5, 6);
    EXPECT_FALSE(m->equals(runtime::Value()));
    EXPECT_TRUE(m->equals(runtime::Value(m->clone())));
    auto record = make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, runtime::Value>>{
        {"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"tx", 5.0}, {"ty", 6}});
    EXPECT_TRUE(m->equals(runtime::Value(record)));
    record->setField("tx", "5");
    EXPECT_FALSE(m->equals(runtime::Value(record)));
}

TEST(Matrix, RowsAndColumns) {
    auto m = make<Matrix>(1, 2, 3, 4, 5, 6);
    auto v = make<Vector3D>(9, 9, 9);
    struct Case {
        void (Matrix::*op)(int, const Ref<Vector3D>&);
        int index;
        double x, y, z;
    };
    const Case cases[] = {
        {&Matrix::copyColumnTo, 0, 1, 3, 0}, {&Matrix::copyColumnTo, 1, 2, 4, 0}, {&Matrix::copyColumnTo, 2, 5, 6, 1},
        {&Matrix::copyColumnTo, -1, 5, 6, 1}, {&Matrix::copyRowTo, 0, 1, 2, 5}, {&Matrix::copyRowTo, 1, 3, 4, 6},
        {&Matrix::copyRowTo, 2, 0, 0, 1},
    };
    for (const Case& c : cases) {
        ((*m).*c.op)(c.index, v);
        EXPECT_EQ(v->x, c.x);
        EXPECT_EQ(v->y, c.y);
        EXPECT_EQ(v->z, c.z);
    }

    // copyRowFrom writes what copyColumnFrom writes.
    auto col = make<Matrix>(), row = make<Matrix>();
    for (int i : {0, 1, 2}) {
        auto src = make<Vector3D>(10 + i, 20 + i, 99);
        col->copyColumnFrom(i, src);
        row->copyRowFrom(i, src);
    }
    EXPECT_EQ(col->toString(), "(a=10, b=11, c=20, d=21, tx=12, ty=22)");
    EXPECT_EQ(row->toString(), col->toString());

    const std::pair<void (Matrix::*)(int, const Ref<Vector3D>&), const char*> throwing[] = {
        {&Matrix::copyColumnFrom, "Column 3 out of bounds (2)"},
        {&Matrix::copyColumnTo, "Column 3 out of bounds (2)"},
        {&Matrix::copyRowFrom, "Row 3 out of bounds (2)"},
        {&Matrix::copyRowTo, "Row 3 out of bounds (2)"},
    };
    for (const auto& [op, text] : throwing) {
        try {
            ((*m).*op)(3, v);
            ADD_FAILURE() << text;
        } catch (const runtime::Thrown& t) {
            EXPECT_TRUE(t.value().isString());
            EXPECT_EQ(t.value().str(), text);
        }
    }
}

TEST(Matrix, ByName) {
    auto ci = runtime::ClassInfo::find("framework._native.geom.Matrix");
    ASSERT_NE(ci, nullptr);
    const runtime::Value args[] = {runtime::Value(), runtime::Value(2)};
    auto m = ci->create(args, 2).cast<Matrix>();
    EXPECT_EQ(m->toString(), "(a=1, b=2, c=0, d=1, tx=0, ty=0)");
    runtime::Value(m).setField("tx", 0.5);
    EXPECT_EQ(runtime::Value(m).field("tx").toFloat(), 0.5);
}
