#pragma once
// The runtime's dynamic array of values.
#include <vector>

#include "Value.h"

namespace runtime {

class Array : public Object {
public:
    Array() = default;
    explicit Array(std::vector<Value> items) : items(std::move(items)) {}

    int length() const { return static_cast<int>(items.size()); }
    // Out-of-range reads give null; a write past the end grows the array with nulls.
    Value at(int i) const;
    void set(int i, const Value& v);
    void push(const Value& v) { items.push_back(v); }

    Value getField(std::string_view name, bool propertyAccess = true) override;
    std::string toString() const override;  // "[a,b,c]"

    std::vector<Value> items;
};

}  // namespace runtime
