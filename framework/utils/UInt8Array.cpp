#include "UInt8Array.h"

#include "platform/runtime/Args.h"

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

RUNTIME_DEFINE_CLASS(UInt8Array, "framework._native.utils.UInt8Array", framework::ArrayBufferView, (auto& b) {
    using V = UInt8Array;
    b.template field<&V::BYTES_PER_ELEMENT>("BYTES_PER_ELEMENT")
        .template field<&V::length>("length")
        .template staticField<&V::SBYTES_PER_ELEMENT>("SBYTES_PER_ELEMENT")
        .template method<&V::get_>("__get")
        .template method<&V::set_>("__set")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            std::optional<int> length;
            if (a.given(2)) length = a.integer(2);
            return runtime::make<V>(a[0], a.integer(1), length);
        });
})
