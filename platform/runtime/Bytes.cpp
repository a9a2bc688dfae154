#include "Bytes.h"

#include <algorithm>

namespace runtime {

std::vector<uint8_t> Bytes::data() const {
    std::size_t n = std::min(static_cast<std::size_t>(std::max(length_, 0)), b->bytes.size());
    return std::vector<uint8_t>(b->bytes.begin(), b->bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

Value Bytes::getField(std::string_view name, bool propertyAccess) {
    if (name == "length") return Value(length_);
    if (name == "b") return Value(b);
    return Object::getField(name, propertyAccess);
}

std::string Bytes::toString() const {
    std::vector<uint8_t> d = data();
    return std::string(d.begin(), d.end());
}

}  // namespace runtime
