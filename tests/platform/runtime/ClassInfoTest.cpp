#include "platform/runtime/ClassInfo.h"

#include <gtest/gtest.h>

#include "platform/runtime/ClassBuilder.h"

namespace testclasses {

class Shape : public runtime::Object {
    RUNTIME_CLASS(Shape)
public:
    Shape() : name("shape") {}
    explicit Shape(runtime::NoInit) {}
    double get_width() const { return width; }
    double set_width(double w) {
        ++setterCalls;
        return width = w < 0 ? 0 : w;
    }
    int area() const { return static_cast<int>(width * 2); }

    runtime::String name;
    double width = 0;
    int setterCalls = 0;
    static inline int instances = 0;
};

class Box : public Shape {
    RUNTIME_CLASS(Box)
public:
    Box() = default;
    explicit Box(runtime::NoInit n) : Shape(n) {}
    int depth = 7;
    bool open = false;
};

class Bag : public Box {
    RUNTIME_CLASS(Bag)
public:
    Bag() = default;
};

}  // namespace testclasses

using namespace testclasses;

RUNTIME_DEFINE_CLASS(Shape, "tests.geom.Shape", runtime::Object, (auto& b) {
    b.template property<&Shape::get_width, &Shape::set_width>("width")
        .template field<&Shape::name>("name")
        .template method<&Shape::area>("area")
        .template staticField<&Shape::instances>("instances")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            auto s = runtime::make<Shape>();
            if (argc > 0) s->set_width(args[0].toFloat());
            return s;
        });
})
RUNTIME_DEFINE_CLASS(Box, "tests.geom.Box", Shape, (auto& b) {
    b.template field<&Box::depth>("depth").template field<&Box::open>("open");
})
RUNTIME_DEFINE_CLASS(Bag, "tests.geom.Bag", Box, (auto& b) { b.dynamic(); })

TEST(ClassInfo, RegistryFindsClassesByFullPath) {
    EXPECT_EQ(runtime::ClassInfo::find("tests.geom.Box"), &Box::staticClass());
    EXPECT_EQ(runtime::ClassInfo::find("tests.geom.Nope"), nullptr);
    EXPECT_EQ(Box::staticClass().shortName(), "Box");
    EXPECT_TRUE(Bag::staticClass().isSubclassOf(&Shape::staticClass()));
    EXPECT_FALSE(Shape::staticClass().isSubclassOf(&Box::staticClass()));
}

TEST(ClassInfo, FieldsAreListedOwnFirstThenBases) {
    auto box = runtime::make<Box>();
    EXPECT_EQ(box->fieldNames(), (std::vector<std::string>{"depth", "open", "width", "name"}));
}

TEST(ClassInfo, PropertyWritesByNameRunTheSetter) {
    auto box = runtime::make<Box>();
    runtime::Value v(box);
    v.setField("width", runtime::Value(-4));
    EXPECT_EQ(box->setterCalls, 1);
    EXPECT_EQ(v.field("width").toFloat(), 0);
    v.setField("depth", runtime::Value(3.9));
    EXPECT_EQ(box->depth, 3);
    v.setField("name", runtime::Value("crate"));
    EXPECT_EQ(box->name, runtime::String("crate"));
    EXPECT_EQ((*v.field("area").function())().toInt(), 0);
}

TEST(ClassInfo, NumericFastPathRunsTheSetter) {
    auto box = runtime::make<Box>();
    const runtime::Member* m = box->classInfo()->findMember("width");
    ASSERT_NE(m, nullptr);
    m->writeNumber(box.get(), 12.5);
    EXPECT_EQ(box->setterCalls, 1);
    EXPECT_EQ(m->readNumber(box.get()), 12.5);
}

TEST(ClassInfo, UndeclaredFieldsAreRejectedUnlessTheClassIsDynamic) {
    auto box = runtime::make<Box>();
    EXPECT_THROW(runtime::Value(box).setField("score", runtime::Value(5)), runtime::Thrown);
    auto bag = runtime::make<Bag>();
    runtime::Value(bag).setField("score", runtime::Value(5));
    EXPECT_EQ(runtime::Value(bag).field("score").toInt(), 5);
    EXPECT_TRUE(runtime::Value(box).field("score").isNull());
}

TEST(ClassInfo, InstancesWithoutConstructorAndByReflection) {
    auto empty = Shape::staticClass().createEmpty();
    ASSERT_TRUE(empty);
    EXPECT_TRUE(static_cast<Shape*>(empty.get())->name.isNull());  // constructor did not run
    runtime::Value args[] = {runtime::Value(3)};
    auto made = Shape::staticClass().create(args, 1);
    EXPECT_EQ(static_cast<Shape*>(made.get())->width, 3);
    EXPECT_FALSE(Bag::staticClass().createEmpty());
}

TEST(ClassInfo, StaticsAreReadableAndWritableByName) {
    const runtime::Member* m = Shape::staticClass().findStatic("instances");
    ASSERT_NE(m, nullptr);
    m->write(nullptr, runtime::Value(4), true);
    EXPECT_EQ(Shape::instances, 4);
    EXPECT_EQ(m->read(nullptr, true).toInt(), 4);
}
