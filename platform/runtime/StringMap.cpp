#include "StringMap.h"

namespace runtime {

Value StringMap::get(const std::string& key) const {
    auto it = entries.find(key);
    return it == entries.end() ? Value() : it->second;
}

std::string StringMap::toString() const {
    std::string s = "{";
    bool first = true;
    for (const auto& [k, v] : entries) {
        if (!first) s += ", ";
        first = false;
        s += k + " => " + v.toText();
    }
    return s + "}";
}

}  // namespace runtime
