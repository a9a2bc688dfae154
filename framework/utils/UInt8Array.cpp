#include "UInt8Array.h"


namespace framework {

UInt8Array::UInt8Array(const runtime::Value& first, int start, std::optional<int> count) {
    length = initElements(first, start, count, 1, true, [](ArrayBufferView& view, int i, const runtime::Value& v) {
        static_cast<UInt8Array&>(view).set_(i, v.toInt());
    });
}

int UInt8Array::get_(int index) { return getUInt8(index); }

void UInt8Array::set_(int index, int value) { setUInt8(index, value); }

}  // namespace framework

using framework::UInt8Array;

RUNTIME_DEFINE_CLASS(UInt8Array, "framework._native.utils.UInt8Array", framework::ArrayBufferView,
                     (auto& b) { framework::typedArrayMembers<UInt8Array>(b); })
