#include "Primitive.h"

namespace runtime {

std::string Primitive::toString() const { return (fn_ || function_) ? "<primitive>" : "null"; }

Value ValueTraits<Primitive>::to(const Primitive& p) {
    if (p.function()) return Value(p.function());
    if (!p) return Value();
    return Value(make<Function>([p](const Value* args, int argc) { return p.callArgs(args, argc); }));
}

}  // namespace runtime
