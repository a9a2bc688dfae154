#pragma once
// A callable runtime value. Two functions are "the same function" when they are one object,
// or when both are the same method bound to the same object.
#include <functional>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "Thrown.h"
#include "Value.h"

namespace runtime {

class Function : public Object {
public:
    using Body = std::function<Value(const Value* args, int argc)>;

    explicit Function(Body body) : body_(std::move(body)) {}
    ~Function() override;

    Value callArgs(const Value* args, int argc) const { return body_(args, argc); }
    template <class... A>
    Value operator()(A&&... a) const {
        if constexpr (sizeof...(A) == 0) {
            return body_(nullptr, 0);
        } else {
            const Value args[] = {Value(std::forward<A>(a))...};
            return body_(args, static_cast<int>(sizeof...(A)));
        }
    }

    bool sameAs(const Function& other) const {
        if (this == &other) return true;
        return key_ && key_ == other.key_ && self_.get() == other.self_.get() && self_.get();
    }
    // The object a bound method belongs to (null when it is gone or for plain functions).
    Object* boundTo() const { return self_.get(); }

    std::string toString() const override { return "<function>"; }

    // A plain function from any callable taking typed arguments.
    template <class F>
    static Ref<Function> of(F f) {
        return make<Function>(wrap(std::move(f), &F::operator()));
    }

    // A plain function from a free or static function F with typed arguments.
    template <auto F>
    static Ref<Function> of() {
        return make<Function>(wrapPointer<F>(F));
    }

    // Method M bound to obj. The function holds obj weakly: a listener an object registers on
    // itself must not keep it alive. Calling it after obj is gone does nothing and gives null.
    template <auto M, class C>
    static Ref<Function> method(C* obj) {
        Weak<C> weak(obj);
        auto f = make<Function>(bindBody<M>(weak, M));
        f->key_ = &methodKey<M>;
        f->self_ = weak_cast(obj);
        return f;
    }

    // Method M bound to obj, keeping obj alive while the function lives. For callbacks that are
    // an object's only owner (a running timer's handler, say); beware of cycles.
    template <auto M, class C>
    static Ref<Function> methodStrong(const Ref<C>& obj) {
        Body body = bindBody<M>(Weak<C>(obj.get()), M);
        auto f = make<Function>([keep = obj, body](const Value* args, int argc) -> Value { return body(args, argc); });
        f->key_ = &methodKey<M>;
        f->self_ = weak_cast(obj.get());
        return f;
    }

private:
    template <auto M>
    static inline const char methodKey = 0;

    static Weak<Object> weak_cast(Object* o) { return Weak<Object>(o); }

    template <class T>
    using Bare = std::remove_cv_t<std::remove_reference_t<T>>;

    template <class R, class Tuple, std::size_t... I, class Call>
    static Value invoke(const Value* args, int argc, Call&& call, std::index_sequence<I...>) {
        auto arg = [&](std::size_t i) -> Value { return static_cast<int>(i) < argc ? args[i] : Value(); };
        if constexpr (std::is_void_v<R>) {
            call(ValueTraits<Bare<std::tuple_element_t<I, Tuple>>>::from(arg(I))...);
            return Value();
        } else {
            return ValueTraits<Bare<R>>::to(call(ValueTraits<Bare<std::tuple_element_t<I, Tuple>>>::from(arg(I))...));
        }
    }

    template <class F, class R, class L, class... A>
    static Body wrap(F f, R (L::*)(A...) const) {
        return [f = std::move(f)](const Value* args, int argc) -> Value {
            return invoke<R, std::tuple<A...>>(args, argc, f, std::index_sequence_for<A...>{});
        };
    }
    template <class F, class R, class L, class... A>
    static Body wrap(F f, R (L::*)(A...)) {
        return [f = std::move(f)](const Value* args, int argc) mutable -> Value {
            return invoke<R, std::tuple<A...>>(args, argc, f, std::index_sequence_for<A...>{});
        };
    }

    template <auto F, class R, class... A>
    static Body wrapPointer(R (*)(A...)) {
        return [](const Value* args, int argc) -> Value {
            return invoke<R, std::tuple<A...>>(args, argc, F, std::index_sequence_for<A...>{});
        };
    }

    template <auto M, class C, class R, class B, class... A>
    static Body bindBody(Weak<C> weak, R (B::*)(A...)) {
        return [weak](const Value* args, int argc) -> Value {
            C* obj = weak.get();
            if (!obj) return Value();
            Ref<C> keep(obj);
            return invoke<R, std::tuple<A...>>(
                args, argc, [&](auto&&... a) -> decltype(auto) { return (obj->*M)(std::forward<decltype(a)>(a)...); },
                std::index_sequence_for<A...>{});
        };
    }
    template <auto M, class C, class R, class B, class... A>
    static Body bindBody(Weak<C> weak, R (B::*)(A...) const) {
        return [weak](const Value* args, int argc) -> Value {
            C* obj = weak.get();
            if (!obj) return Value();
            Ref<C> keep(obj);
            return invoke<R, std::tuple<A...>>(
                args, argc, [&](auto&&... a) -> decltype(auto) { return (obj->*M)(std::forward<decltype(a)>(a)...); },
                std::index_sequence_for<A...>{});
        };
    }

    Body body_;
    const void* key_ = nullptr;
    Weak<Object> self_;
};

// Calls a function field that may be empty: an empty one throws "Null Function Pointer".
template <class... A>
Value call(const Ref<Function>& f, A&&... args) {
    if (!f) Thrown::text(Thrown::NULL_FUNCTION);
    return (*f)(std::forward<A>(args)...);
}

}  // namespace runtime
