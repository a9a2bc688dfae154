#pragma once
// Typed construction of a class's member table, and the macros that declare a registered class.
//
//   class Point : public runtime::Object {
//       RUNTIME_CLASS(Point)
//   public:
//       double x = 0, y = 0;
//   };
//   RUNTIME_DEFINE_CLASS(Point, "framework.geom.Point", runtime::Object, (b) {
//       b.template field<&Point::x>("x").template field<&Point::y>("y");
//   })
#include <type_traits>

#include "ClassInfo.h"
#include "Function.h"

namespace runtime {

// Tag of the constructor that leaves an instance's fields at their zero values.
struct NoInit {};

template <class T>
struct MemberPointerTraits;
template <class C, class T>
struct MemberPointerTraits<T C::*> {
    using Class = C;
    using Type = T;
};

// A number written through a numeric setter: floating-point members take it as it is (no Value
// round trip on the tween library's per-frame path); integers convert as Value does.
template <class T>
T numberAs(double v) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v);
    else return ValueTraits<T>::from(Value(v));
}

template <class B>
const ClassInfo* classInfoOf() {
    if constexpr (requires { B::staticClass(); }) return &B::staticClass();
    else return nullptr;
}

template <class C>
class ClassBuilder {
public:
    explicit ClassBuilder(ClassInfo& ci) : ci_(ci) {}
    ClassInfo& info() { return ci_; }

    // A plain data member.
    template <auto F>
    ClassBuilder& field(const char* name) {
        using T = typename MemberPointerTraits<decltype(F)>::Type;
        Member m;
        m.name = name;
        m.kind = Member::Kind::Field;
        m.get = [](Object* o) -> Value { return ValueTraits<T>::to(static_cast<C*>(o)->*F); };
        m.set = [](Object* o, const Value& v) { static_cast<C*>(o)->*F = ValueTraits<T>::from(v); };
        if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
            m.getNumber = [](Object* o) -> double { return static_cast<double>(static_cast<C*>(o)->*F); };
            m.setNumber = [](Object* o, double v) { static_cast<C*>(o)->*F = numberAs<T>(v); };
        }
        if constexpr (std::is_same_v<T, double>) m.doubleField = [](Object* o) { return &(static_cast<C*>(o)->*F); };
        ci_.addMember(std::move(m));
        return *this;
    }

    // A property with a getter and an optional setter (member functions). Pass nullptr as S
    // for a read-only property.
    template <auto G, auto S = nullptr>
    ClassBuilder& property(const char* name) {
        using T = std::remove_cvref_t<decltype((std::declval<C*>()->*G)())>;
        Member m;
        m.name = name;
        m.kind = Member::Kind::Property;
        m.get = [](Object* o) -> Value { return ValueTraits<T>::to((static_cast<C*>(o)->*G)()); };
        if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
            m.getNumber = [](Object* o) -> double { return static_cast<double>((static_cast<C*>(o)->*G)()); };
        if constexpr (!std::is_same_v<decltype(S), std::nullptr_t>) {
            m.set = [](Object* o, const Value& v) { (static_cast<C*>(o)->*S)(ValueTraits<T>::from(v)); };
            if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
                m.setNumber = [](Object* o, double v) { (static_cast<C*>(o)->*S)(numberAs<T>(v)); };
        }
        ci_.addMember(std::move(m));
        return *this;
    }

    // A read-only property whose name also has storage of its own: read with property access
    // it runs the getter; read without it it answers the object's shadow slot (null until a
    // write by name fills it); writes by name land in the shadow slot and change nothing else.
    template <auto G>
    ClassBuilder& readOnlyProperty(const char* name) {
        property<G>(name);
        Member m = *ci_.findMember(name);
        m.shadowed = true;
        ci_.addMember(std::move(m));
        return *this;
    }

    // An internal field: readable by name; a write by name is kept in the shadow slot and does
    // not touch the field.
    template <auto F>
    ClassBuilder& internalField(const char* name) {
        using T = typename MemberPointerTraits<decltype(F)>::Type;
        Member m;
        m.name = name;
        m.kind = Member::Kind::Field;
        m.get = [](Object* o) -> Value { return ValueTraits<T>::to(static_cast<C*>(o)->*F); };
        m.shadowed = true;
        ci_.addMember(std::move(m));
        return *this;
    }

    // An operation, readable by name as a callable bound to the object.
    template <auto M>
    ClassBuilder& method(const char* name) {
        Member m;
        m.name = name;
        m.kind = Member::Kind::Method;
        m.get = [](Object* o) -> Value { return Value(Function::method<M>(static_cast<C*>(o))); };
        ci_.addMember(std::move(m));
        return *this;
    }

    // A static variable, readable and writable by name.
    template <auto P>
    ClassBuilder& staticField(const char* name) {
        using T = std::remove_pointer_t<decltype(P)>;
        Member m;
        m.name = name;
        m.get = [](Object*) -> Value { return ValueTraits<T>::to(*P); };
        m.set = [](Object*, const Value& v) { *P = ValueTraits<T>::from(v); };
        ci_.addStatic(std::move(m));
        return *this;
    }

    // A static function F, readable by name as a callable.
    template <auto F>
    ClassBuilder& staticMethod(const char* name) {
        Member m;
        m.name = name;
        m.kind = Member::Kind::Method;
        m.get = [](Object*) -> Value { return Value(Function::of<F>()); };
        ci_.addStatic(std::move(m));
        return *this;
    }

    // Instances made without the constructor use C's constructor taking runtime::NoInit.
    ClassBuilder& emptyInstance() {
        ci_.setEmptyFactory([]() -> Ref<Object> { return make<C>(NoInit{}); });
        return *this;
    }
    ClassBuilder& constructor(ClassInfo::Factory f) {
        ci_.setFactory(std::move(f));
        return *this;
    }
    ClassBuilder& dynamic() {
        ci_.setDynamic(true);
        return *this;
    }

private:
    ClassInfo& ci_;
};

}  // namespace runtime

#define RUNTIME_CLASS(C)                                                                      \
public:                                                                                       \
    static const ::runtime::ClassInfo& staticClass();                                         \
    const ::runtime::ClassInfo* classInfo() const override { return &C::staticClass(); }     \
                                                                                              \
private:

#define RUNTIME_CONCAT_(a, b) a##b
#define RUNTIME_CONCAT(a, b) RUNTIME_CONCAT_(a, b)

// Defines C::staticClass() and registers the class at start-up. The last argument is a
// parenthesised parameter followed by a block that fills the member table through a ClassBuilder<C>.
#define RUNTIME_DEFINE_CLASS(C, PATH, BASE, ...)                                              \
    const ::runtime::ClassInfo& C::staticClass() {                                            \
        static ::runtime::ClassInfo* info = [] {                                              \
            auto* ci = new ::runtime::ClassInfo(PATH, ::runtime::classInfoOf<BASE>());        \
            ::runtime::ClassBuilder<C> builder(*ci);                                          \
            [] __VA_ARGS__(builder);                                                           \
            ::runtime::ClassInfo::registerClass(ci);                                          \
            return ci;                                                                        \
        }();                                                                                  \
        return *info;                                                                         \
    }                                                                                         \
    namespace {                                                                               \
    [[maybe_unused]] const bool RUNTIME_CONCAT(runtimeRegistered, __LINE__) =                 \
        (C::staticClass(), true);                                                             \
    }
