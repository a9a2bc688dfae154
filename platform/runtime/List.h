#pragma once
// The runtime's linked list of values.
#include <list>

#include "Value.h"

namespace runtime {

class List : public Object {
public:
    List() = default;

    int length() const { return static_cast<int>(items.size()); }
    void add(const Value& v) { items.push_back(v); }
    std::string toString() const override;  // "{a, b}"

    std::list<Value> items;
};

}  // namespace runtime
