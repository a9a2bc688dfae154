#include "ObjectMap.h"

namespace runtime {

void ObjectMap::set(const Value& key, const Value& v) {
    if (!key.object()) return;
    auto it = index_.find(key.object());
    if (it != index_.end()) {
        entries_[it->second].second = v;
        return;
    }
    index_[key.object()] = entries_.size();
    entries_.emplace_back(key, v);
}

Value ObjectMap::get(const Value& key) const {
    auto it = index_.find(key.object());
    return it == index_.end() ? Value() : entries_[it->second].second;
}

bool ObjectMap::exists(const Value& key) const { return key.object() && index_.count(key.object()) != 0; }

std::string ObjectMap::toString() const {
    std::string s = "{";
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i) s += ", ";
        s += entries_[i].first.toText() + " => " + entries_[i].second.toText();
    }
    return s + "}";
}

}  // namespace runtime
