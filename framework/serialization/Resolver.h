#pragma once
// Turns the class and enumeration names met in serialized text into registered types.
#include <functional>
#include <string>

#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/EnumInfo.h"

namespace framework {

class Resolver {
public:
    using ClassLookup = std::function<const runtime::ClassInfo*(const std::string& name)>;
    using EnumLookup = std::function<const runtime::EnumInfo*(const std::string& name)>;

    // A resolver that knows no name.
    Resolver() = default;
    Resolver(ClassLookup classes, EnumLookup enums) : classes_(std::move(classes)), enums_(std::move(enums)) {}

    // The registered type of that full dotted name, or null.
    const runtime::ClassInfo* resolveClass(const std::string& name) const { return classes_ ? classes_(name) : nullptr; }
    const runtime::EnumInfo* resolveEnum(const std::string& name) const { return enums_ ? enums_(name) : nullptr; }

    // The class and enumeration registry itself.
    static Resolver registry() {
        return Resolver([](const std::string& n) { return runtime::ClassInfo::find(n); },
                        [](const std::string& n) { return runtime::EnumInfo::find(n); });
    }

private:
    ClassLookup classes_;
    EnumLookup enums_;
};

}  // namespace framework
