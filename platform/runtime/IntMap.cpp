#include "IntMap.h"

namespace runtime {

Value IntMap::get(int32_t key) const {
    auto it = entries.find(key);
    return it == entries.end() ? Value() : it->second;
}

std::string IntMap::toString() const {
    std::string s = "{";
    bool first = true;
    for (const auto& [k, v] : entries) {
        if (!first) s += ", ";
        first = false;
        s += std::to_string(k) + " => " + v.toText();
    }
    return s + "}";
}

}  // namespace runtime
