#include "ByteStorage.h"

namespace runtime {

ByteStorage::~ByteStorage() = default;

std::string ByteStorage::toString() const { return "[bytes " + std::to_string(bytes.size()) + "]"; }

}  // namespace runtime
