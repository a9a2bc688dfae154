#include "Bytes.h"

namespace runtime {

std::string Bytes::toString() const { return std::string(data.begin(), data.end()); }

}  // namespace runtime
