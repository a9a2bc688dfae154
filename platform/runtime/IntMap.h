#pragma once
// A map from 32-bit integer keys to values; iterates in key order.
#include <cstdint>
#include <map>

#include "Value.h"

namespace runtime {

class IntMap : public Object {
public:
    IntMap() = default;

    void set(int32_t key, const Value& v) { entries[key] = v; }
    Value get(int32_t key) const;
    bool exists(int32_t key) const { return entries.count(key) != 0; }
    std::string toString() const override;  // "{1 => a, 2 => b}"

    std::map<int32_t, Value> entries;
};

}  // namespace runtime
