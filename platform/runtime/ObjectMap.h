#pragma once
// A map from objects (by identity) to values; iterates in insertion order.
#include <unordered_map>
#include <utility>
#include <vector>

#include "Value.h"

namespace runtime {

class ObjectMap : public Object {
public:
    ObjectMap() = default;

    // A key that is not an object is ignored by set and reads as absent.
    void set(const Value& key, const Value& v);
    Value get(const Value& key) const;
    bool exists(const Value& key) const;
    int size() const { return static_cast<int>(entries_.size()); }
    const std::vector<std::pair<Value, Value>>& entries() const { return entries_; }
    std::string toString() const override;  // "{k => v}"

private:
    std::vector<std::pair<Value, Value>> entries_;
    std::unordered_map<const Object*, std::size_t> index_;
};

}  // namespace runtime
