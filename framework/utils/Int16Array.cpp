#include "Int16Array.h"


namespace framework {

Int16Array::Int16Array(const runtime::Value& first, int start, std::optional<int> count) {
    length = initElements(first, start, count, 2, false, [](ArrayBufferView& view, int i, const runtime::Value& v) {
        static_cast<Int16Array&>(view).set_(i, v.toInt());
    });
}

int Int16Array::get_(int index) { return load<int16_t>(static_cast<int64_t>(index) * 2); }

void Int16Array::set_(int index, int value) {
    store<uint16_t>(static_cast<int64_t>(index) * 2, static_cast<uint16_t>(value));
}

}  // namespace framework

using framework::Int16Array;

RUNTIME_DEFINE_CLASS(Int16Array, "framework._native.utils.Int16Array", framework::ArrayBufferView,
                     (auto& b) { framework::typedArrayMembers<Int16Array>(b); })
