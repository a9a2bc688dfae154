#include "System.h"

#include <limits>

#include "framework/Lib.h"
#include "platform/runtime/Heap.h"

namespace framework {

void System::initClass() {
    static const bool done = [] {
        media_get_unique_device_identifier = MEDIA_LOAD(media_native_get_unique_device_identifier);
        return true;
    }();
    (void)done;
}

runtime::String System::get_deviceID() {
    initClass();
    return media_get_unique_device_identifier().toStringValue();
}

int32_t System::get_totalMemory() {
    std::size_t bytes = runtime::Heap::bytesInUse();
    constexpr auto most = static_cast<std::size_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(bytes < most ? bytes : most);
}

void System::exit(int32_t code) { Lib::close(); }

void System::gc() { runtime::Heap::collect(); }

}  // namespace framework

using framework::System;

namespace {
// A static property read by name through its getter, with plain storage of the same name
// that a write by name (or a read without property access) reaches.
template <auto Getter, auto Storage>
runtime::Member staticProperty(const char* name) {
    using T = std::remove_pointer_t<decltype(Storage)>;
    runtime::Member m;
    m.name = name;
    m.kind = runtime::Member::Kind::Property;
    m.get = [](runtime::Object*) -> runtime::Value { return runtime::ValueTraits<T>::to(Getter()); };
    m.set = [](runtime::Object*, const runtime::Value& v) { *Storage = runtime::ValueTraits<T>::from(v); };
    m.rawGet = [](runtime::Object*) -> runtime::Value { return runtime::ValueTraits<T>::to(*Storage); };
    m.rawSet = m.set;
    return m;
}
}  // namespace

RUNTIME_DEFINE_CLASS(System, "framework._native.system.System", runtime::Object, (auto& b) {
    b.info().addStatic(staticProperty<&System::get_deviceID, &System::deviceID>("deviceID"));
    b.info().addStatic(staticProperty<&System::get_totalMemory, &System::totalMemory>("totalMemory"));
    b.template staticMethod<&System::get_deviceID>("get_deviceID")
        .template staticMethod<&System::get_totalMemory>("get_totalMemory")
        .template staticMethod<&System::exit>("exit")
        .template staticMethod<&System::gc>("gc");
})
