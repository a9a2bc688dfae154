#pragma once
// Enumerations: one shared value per constructor, looked up by name or index, with the text
// form "Enum.VALUE". C++ enums declare their EnumInfo through EnumTraits.
#include <string>
#include <string_view>
#include <vector>

#include "Value.h"

namespace runtime {

class EnumInfo;

class EnumValue : public Object {
public:
    EnumValue(const EnumInfo* e, int index) : enum_(e), index_(index) {}
    const EnumInfo* enumInfo() const { return enum_; }
    int index() const { return index_; }
    const std::string& name() const;
    std::string toString() const override;  // "Enum.VALUE"

private:
    const EnumInfo* enum_;
    int index_;
};

class EnumInfo {
public:
    // path: full dotted path; the text form uses its last component.
    EnumInfo(std::string path, std::vector<std::string> names);
    EnumInfo(const EnumInfo&) = delete;

    const std::string& path() const { return path_; }
    const std::string& name() const { return shortName_; }
    int size() const { return static_cast<int>(names_.size()); }
    const std::vector<std::string>& names() const { return names_; }
    const std::string& nameOf(int index) const;

    // The shared value; an index outside the enumeration throws
    // "<n> is not a valid enum constructor index".
    EnumValue* byIndex(int index) const;
    // The shared value; a name the enumeration lacks throws "No such constructor <name>".
    EnumValue* byName(std::string_view name) const;
    // -1 when absent.
    int indexOf(std::string_view name) const;

    static const EnumInfo* find(std::string_view path);

private:
    std::string path_;
    std::string shortName_;
    std::vector<std::string> names_;
    std::vector<Ref<EnumValue>> values_;
};

// Specialise for a C++ enum E (values 0..n-1 in declaration order):
//   template <> struct runtime::EnumTraits<BlendMode> { static const EnumInfo& info(); };
template <class E>
struct EnumTraits;

template <class E>
concept RegisteredEnum = std::is_enum_v<E> && requires { EnumTraits<E>::info(); };

template <RegisteredEnum E>
std::string enumText(E e) {
    return EnumTraits<E>::info().byIndex(static_cast<int>(e))->toString();
}
template <RegisteredEnum E>
E enumFromIndex(int index) {
    return static_cast<E>(EnumTraits<E>::info().byIndex(index)->index());
}
template <RegisteredEnum E>
E enumFromName(std::string_view name) {
    return static_cast<E>(EnumTraits<E>::info().byName(name)->index());
}

template <RegisteredEnum E>
struct ValueTraits<E> {
    static Value to(E e) { return Value(EnumTraits<E>::info().byIndex(static_cast<int>(e))); }
    static E from(const Value& v) {
        if (auto* ev = v.as<EnumValue>()) return static_cast<E>(ev->index());
        if (v.isString()) return enumFromName<E>(v.str());
        return static_cast<E>(0);
    }
};

}  // namespace runtime

#define RUNTIME_ENUM_CONCAT_(a, b) a##b
#define RUNTIME_ENUM_CONCAT(a, b) RUNTIME_ENUM_CONCAT_(a, b)

// Declares, after a C++ enum E, that it has a registered EnumInfo (use at global scope).
#define RUNTIME_DECLARE_ENUM(E)                \
    template <>                                \
    struct runtime::EnumTraits<E> {            \
        static const ::runtime::EnumInfo& info(); \
    };

// Defines E's EnumInfo with its full path and value names, registered at start-up.
#define RUNTIME_DEFINE_ENUM(E, PATH, ...)                                               \
    const ::runtime::EnumInfo& runtime::EnumTraits<E>::info() {                         \
        static const ::runtime::EnumInfo e(PATH, {__VA_ARGS__});                        \
        return e;                                                                       \
    }                                                                                   \
    namespace {                                                                         \
    [[maybe_unused]] const bool RUNTIME_ENUM_CONCAT(enumRegistered, __LINE__) =         \
        (::runtime::EnumTraits<E>::info(), true);                                       \
    }
