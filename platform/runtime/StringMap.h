#pragma once
// A map from text keys to values; iterates in key order.
#include <map>

#include "Value.h"

namespace runtime {

class StringMap : public Object {
public:
    StringMap() = default;

    void set(const std::string& key, const Value& v) { entries[key] = v; }
    Value get(const std::string& key) const;
    bool exists(const std::string& key) const { return entries.count(key) != 0; }
    std::string toString() const override;  // "{a => 1, b => 2}"

    std::map<std::string, Value, std::less<>> entries;
};

}  // namespace runtime
