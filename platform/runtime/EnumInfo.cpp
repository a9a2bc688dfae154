#include "EnumInfo.h"

#include <map>

#include "Thrown.h"

namespace runtime {

namespace {
std::map<std::string, const EnumInfo*, std::less<>>& registry() {
    static std::map<std::string, const EnumInfo*, std::less<>> r;
    return r;
}
}  // namespace

const std::string& EnumValue::name() const { return enum_->nameOf(index_); }

std::string EnumValue::toString() const { return enum_->name() + "." + name(); }

EnumInfo::EnumInfo(std::string path, std::vector<std::string> names) : path_(std::move(path)), names_(std::move(names)) {
    auto dot = path_.rfind('.');
    shortName_ = dot == std::string::npos ? path_ : path_.substr(dot + 1);
    for (int i = 0; i < size(); ++i) values_.push_back(make<EnumValue>(this, i));
    registry()[path_] = this;
}

const std::string& EnumInfo::nameOf(int index) const {
    byIndex(index);
    return names_[static_cast<std::size_t>(index)];
}

EnumValue* EnumInfo::byIndex(int index) const {
    if (index < 0 || index >= size()) Thrown::text(std::to_string(index) + " is not a valid enum constructor index");
    return values_[static_cast<std::size_t>(index)].get();
}

EnumValue* EnumInfo::byName(std::string_view name) const {
    int i = indexOf(name);
    if (i < 0) Thrown::text("No such constructor " + std::string(name));
    return values_[static_cast<std::size_t>(i)].get();
}

int EnumInfo::indexOf(std::string_view name) const {
    for (int i = 0; i < size(); ++i)
        if (names_[static_cast<std::size_t>(i)] == name) return i;
    return -1;
}

const EnumInfo* EnumInfo::find(std::string_view path) {
    auto& r = registry();
    auto it = r.find(path);
    return it == r.end() ? nullptr : it->second;
}

}  // namespace runtime
