#pragma once
// The runtime's dynamic value: null, Bool, Int (32-bit), Float (double), String, object, function.
// Used where values are read by name, thrown, serialized or passed to the native back end;
// everything else is statically typed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "Object.h"
#include "String.h"

namespace runtime {

class Function;

class Value {
public:
    enum class Kind : uint8_t { Null, Bool, Int, Float, String, Object, Function };

    Value() : i_(0) {}
    Value(std::nullptr_t) : Value() {}
    Value(bool b) : kind_(Kind::Bool), b_(b) {}
    template <class I, std::enable_if_t<std::is_integral_v<I> && !std::is_same_v<I, bool>, int> = 0>
    Value(I v) : kind_(Kind::Int), i_(static_cast<int32_t>(v)) {}
    Value(double f) : kind_(Kind::Float), f_(f) {}
    Value(float f) : Value(static_cast<double>(f)) {}
    Value(const char* s);
    Value(std::string_view s);
    Value(const std::string& s) : Value(std::string_view(s)) {}
    Value(const String& s);
    Value(Object* o);
    template <class T, std::enable_if_t<std::is_base_of_v<Object, T>, int> = 0>
    Value(const Ref<T>& r) : Value(static_cast<Object*>(r.get())) {}

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isBool() const { return kind_ == Kind::Bool; }
    bool isInt() const { return kind_ == Kind::Int; }
    bool isFloat() const { return kind_ == Kind::Float; }
    bool isNumber() const { return kind_ == Kind::Int || kind_ == Kind::Float; }
    bool isString() const { return kind_ == Kind::String; }
    bool isObject() const { return kind_ == Kind::Object; }
    bool isFunction() const { return kind_ == Kind::Function; }

    // Conversions: null reads as 0, false or null. A Bool is true when it is true or a
    // non-zero number. A Float becomes an Int by Numbers::floatToInt.
    bool toBool() const;
    int32_t toInt() const;
    double toFloat() const;
    String toStringValue() const;  // null stays null; other values take their text form
    std::string toText() const;    // "null", "true", "%.15g" numbers, text, object text

    // The string's characters, or empty when this is not a string.
    const std::string& str() const;
    Object* object() const { return ref_.get(); }  // objects and functions
    Ref<Object> ref() const { return ref_; }
    Function* function() const;
    template <class T>
    T* as() const { return dynamic_cast<T*>(ref_.get()); }

    // Field access on object values; null and non-objects read as null.
    Value field(std::string_view name, bool propertyAccess = true) const;
    void setField(std::string_view name, const Value& v, bool propertyAccess = true) const;

    // Physical equality: numbers by value across Int and Float, strings by content,
    // objects by identity, functions as Function::sameAs.
    friend bool operator==(const Value& a, const Value& b);

private:
    Kind kind_ = Kind::Null;
    union {
        bool b_;
        int32_t i_;
        double f_;
    };
    Ref<Object> ref_;
};

// Inline: tile and vertex arrays convert every element.
inline double Value::toFloat() const {
    switch (kind_) {
        case Kind::Bool: return b_ ? 1 : 0;
        case Kind::Int: return i_;
        case Kind::Float: return f_;
        default: return 0;
    }
}


// Conversions between static C++ types and Value, used by member tables and bound methods.
template <class T, class = void>
struct ValueTraits;

template <>
struct ValueTraits<Value> {
    static Value to(const Value& v) { return v; }
    static Value from(const Value& v) { return v; }
};
template <>
struct ValueTraits<bool> {
    static Value to(bool v) { return Value(v); }
    static bool from(const Value& v) { return v.toBool(); }
};
template <class I>
struct ValueTraits<I, std::enable_if_t<std::is_integral_v<I> && !std::is_same_v<I, bool>>> {
    static Value to(I v) { return Value(v); }
    static I from(const Value& v) { return static_cast<I>(v.toInt()); }
};
template <>
struct ValueTraits<double> {
    static Value to(double v) { return Value(v); }
    static double from(const Value& v) { return v.toFloat(); }
};
template <>
struct ValueTraits<float> {
    static Value to(float v) { return Value(v); }
    static float from(const Value& v) { return static_cast<float>(v.toFloat()); }
};
template <>
struct ValueTraits<String> {
    static Value to(const String& v) { return Value(v); }
    static String from(const Value& v) { return v.toStringValue(); }
};
template <>
struct ValueTraits<std::string> {
    static Value to(const std::string& v) { return Value(v); }
    static std::string from(const Value& v) { return v.isNull() ? std::string() : v.toText(); }
};
template <class T>
struct ValueTraits<Ref<T>, std::enable_if_t<std::is_base_of_v<Object, T>>> {
    static Value to(const Ref<T>& v) { return Value(v); }
    static Ref<T> from(const Value& v) { return Ref<T>(dynamic_cast<T*>(v.object())); }
};
// A borrowed object (methods that answer `this` for chaining): the value holds its own count.
template <class T>
struct ValueTraits<T*, std::enable_if_t<std::is_base_of_v<Object, T>>> {
    static Value to(T* v) { return Value(Ref<T>(v)); }
    static T* from(const Value& v) { return dynamic_cast<T*>(v.object()); }
};

// A value that may be absent: null both ways.
template <class T>
struct ValueTraits<std::optional<T>> {
    static Value to(const std::optional<T>& v) { return v ? ValueTraits<T>::to(*v) : Value(); }
    static std::optional<T> from(const Value& v) {
        if (v.isNull()) return std::nullopt;
        return ValueTraits<T>::from(v);
    }
};

}  // namespace runtime
