#pragma once
// A back-end primitive as the framework holds it in a static slot. Every primitive has the
// one C signature below; the exported symbol's "__N" or "__MULT" suffix tells its arity.
#include <utility>

#include "Function.h"
#include "Thrown.h"
#include "Value.h"

namespace runtime {

extern "C" {
typedef void (*PrimitiveFn)(const Value* args, int argc, Value* result);
}

class Primitive {
public:
    Primitive() = default;
    Primitive(std::nullptr_t) {}
    explicit Primitive(PrimitiveFn fn) : fn_(fn) {}
    // A slot replaced by name holds a runtime function instead.
    explicit Primitive(Ref<Function> f) : function_(std::move(f)) {}

    PrimitiveFn fn() const { return fn_; }
    const Ref<Function>& function() const { return function_; }
    explicit operator bool() const { return fn_ != nullptr || function_; }

    // Calls the primitive; an empty slot throws "Null Function Pointer".
    template <class... A>
    Value operator()(A&&... a) const {
        if (function_) return (*function_)(std::forward<A>(a)...);
        if (!fn_) Thrown::text(Thrown::NULL_FUNCTION);
        Value result;
        if constexpr (sizeof...(A) == 0) {
            fn_(nullptr, 0, &result);
        } else {
            const Value args[] = {Value(std::forward<A>(a))...};
            fn_(args, static_cast<int>(sizeof...(A)), &result);
        }
        return result;
    }
    Value callArgs(const Value* args, int argc) const {
        if (function_) return function_->callArgs(args, argc);
        if (!fn_) Thrown::text(Thrown::NULL_FUNCTION);
        Value result;
        fn_(args, argc, &result);
        return result;
    }

    std::string toString() const;  // "null" or "<primitive>"

private:
    PrimitiveFn fn_ = nullptr;
    Ref<Function> function_;
};

// A primitive slot read by name is a callable (null when empty); writing a function replaces it.
template <>
struct ValueTraits<Primitive> {
    static Value to(const Primitive& p);
    static Primitive from(const Value& v) { return Primitive(Ref<Function>(v.function())); }
};

}  // namespace runtime
