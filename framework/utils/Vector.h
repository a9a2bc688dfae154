#pragma once
// The typed vector: at run time a vector is the runtime's growable array itself (no wrapper).
// These operations forward to the array; the fixed flag is accepted and never stored.
#include <string>
#include <vector>

#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Vector : public runtime::Object {
    RUNTIME_CLASS(Vector)
public:
    using Ref = runtime::Ref<runtime::Array>;
    using Value = runtime::Value;

    // A new array of exactly length elements (0 when length is absent).
    static Ref _new(int length = 0, bool fixed = false);

    static int get_length(const Ref& v) { return v->length(); }
    // Resizes to exactly value elements, growing or truncating; returns value.
    static int set_length(const Ref& v, int value);
    static bool get_fixed(const Ref&) { return false; }
    static bool set_fixed(const Ref&, bool value) { return value; }

    static Value get(const Ref& v, int index) { return v->at(index); }
    // An element read as T (for example int for a pixel list).
    template <class T>
    static T getAs(const Ref& v, int index) {
        return runtime::ValueTraits<T>::from(v->at(index));
    }
    static Value set(const Ref& v, int index, const Value& value);
    static Ref concat(const Ref& v, const Ref& other = nullptr);
    static Ref copy(const Ref& v);
    // The elements, to iterate over.
    static const std::vector<Value>& iterator(const Ref& v) { return v->items; }
    static runtime::String join(const Ref& v, const runtime::String& separator);
    static Value pop(const Ref& v);
    static int push(const Ref& v, const Value& value);
    static void reverse(const Ref& v);
    static Value shift(const Ref& v);
    static void unshift(const Ref& v, const Value& value);
    // From start up to, not including, end; negative positions count from the end.
    static Ref slice(const Ref& v, const Value& start = Value(), const Value& end = Value());
    // compare(a, b) gives a negative, zero or positive number.
    static void sort(const Ref& v, const runtime::Ref<runtime::Function>& compare);
    static Ref splice(const Ref& v, int start, int count);
    static runtime::String toString(const Ref& v);
    static int indexOf(const Ref& v, const Value& value, int from = 0);
    // from absent: the last element.
    static int lastIndexOf(const Ref& v, const Value& value, const Value& from = Value());
    static Ref ofArray(const Ref& array);
    static Ref convert(const Ref& v) { return v; }
    static Ref toRuntimeVector(const Ref& v) { return v; }
    static Ref fromRuntimeVector(const Ref& v) { return v; }
};

}  // namespace framework
