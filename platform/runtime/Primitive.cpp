#include "Primitive.h"

namespace runtime {

std::string Primitive::toString() const { return fn_ ? "<primitive>" : "null"; }

}  // namespace runtime
