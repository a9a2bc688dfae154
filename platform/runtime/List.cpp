#include "List.h"

namespace runtime {

std::string List::toString() const {
    std::string s = "{";
    bool first = true;
    for (const Value& v : items) {
        if (!first) s += ", ";
        first = false;
        s += v.toText();
    }
    return s + "}";
}

}  // namespace runtime
