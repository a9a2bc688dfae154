#include "Function.h"

namespace runtime {

Function::~Function() = default;

}  // namespace runtime
