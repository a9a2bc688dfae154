#include "Array.h"

namespace runtime {

Value Array::at(int i) const {
    if (i < 0 || i >= length()) return Value();
    return items[static_cast<std::size_t>(i)];
}

void Array::set(int i, const Value& v) {
    if (i < 0) return;
    if (i >= length()) items.resize(static_cast<std::size_t>(i) + 1);
    items[static_cast<std::size_t>(i)] = v;
}

Value Array::getField(std::string_view name, bool propertyAccess) {
    if (name == "length") return Value(length());
    return Object::getField(name, propertyAccess);
}

std::string Array::toString() const {
    std::string s = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) s += ",";
        s += items[i].toText();
    }
    return s + "]";
}

}  // namespace runtime
