#pragma once
// Arguments of a call made by name (reflection factories, functions read as values): an absent
// argument and an explicit null both read as the declared default.
#include "Value.h"

namespace runtime {

class Args {
public:
    Args(const Value* values, int count) : values_(values), count_(count) {}

    int count() const { return count_; }
    // Null when absent.
    Value operator[](int i) const { return i < count_ ? values_[i] : Value(); }
    bool given(int i) const { return i < count_ && !values_[i].isNull(); }

    double number(int i, double def = 0) const { return given(i) ? values_[i].toFloat() : def; }
    int32_t integer(int i, int32_t def = 0) const { return given(i) ? values_[i].toInt() : def; }
    bool flag(int i, bool def = false) const { return given(i) ? values_[i].toBool() : def; }
    String text(int i, const String& def = String()) const { return given(i) ? values_[i].toStringValue() : def; }
    template <class T>
    Ref<T> object(int i) const {
        return i < count_ ? Ref<T>(dynamic_cast<T*>(values_[i].object())) : Ref<T>();
    }

private:
    const Value* values_;
    int count_;
};

}  // namespace runtime
