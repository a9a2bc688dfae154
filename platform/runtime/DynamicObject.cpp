#include "DynamicObject.h"

namespace runtime {

DynamicObject::DynamicObject(std::initializer_list<std::pair<std::string, Value>> fields) {
    for (const auto& f : fields) *dynamicSlot(f.first, true) = f.second;
}

Value* DynamicObject::dynamicSlot(std::string_view name, bool create) {
    for (auto& f : fields_)
        if (f.first == name) return &f.second;
    if (!create) return nullptr;
    fields_.emplace_back(std::string(name), Value());
    return &fields_.back().second;
}

void DynamicObject::dynamicNames(std::vector<std::string>& out) const {
    for (const auto& f : fields_) out.push_back(f.first);
}

bool DynamicObject::removeField(std::string_view name) {
    for (auto it = fields_.begin(); it != fields_.end(); ++it) {
        if (it->first == name) {
            fields_.erase(it);
            return true;
        }
    }
    return false;
}

std::string DynamicObject::toString() const {
    if (fields_.empty()) return "{}";
    std::string s = "{ ";
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i) s += ", ";
        s += fields_[i].first + " : " + fields_[i].second.toText();
    }
    return s + " }";
}

}  // namespace runtime
