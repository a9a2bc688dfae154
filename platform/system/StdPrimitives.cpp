#include "StdPrimitives.h"

#include <cstring>

#include "platform/runtime/ByteStorage.h"

namespace sys {

namespace {
runtime::Value arg(const runtime::Value* args, int argc, int i) { return i < argc ? args[i] : runtime::Value(); }

template <class U>
runtime::Value encode(U bits, bool bigEndian) {
    constexpr int n = sizeof(U);
    std::vector<uint8_t> out(n);
    for (int i = 0; i < n; ++i) {
        auto byte = static_cast<uint8_t>(bits >> (8 * i));
        out[bigEndian ? n - 1 - i : i] = byte;
    }
    return runtime::Value(runtime::make<runtime::ByteStorage>(std::move(out)));
}

template <class U>
U decode(const runtime::Value& storage, bool bigEndian) {
    constexpr int n = sizeof(U);
    auto* s = storage.as<runtime::ByteStorage>();
    U bits = 0;
    for (int i = 0; i < n; ++i) {
        U byte = s ? s->at(static_cast<std::size_t>(bigEndian ? n - 1 - i : i)) : 0;
        bits |= byte << (8 * i);
    }
    return bits;
}
}  // namespace

void StdPrimitives::doubleBytes(const runtime::Value* args, int argc, runtime::Value* result) {
    double d = arg(args, argc, 0).toFloat();
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    *result = encode(bits, arg(args, argc, 1).toBool());
}

void StdPrimitives::doubleOfBytes(const runtime::Value* args, int argc, runtime::Value* result) {
    uint64_t bits = decode<uint64_t>(arg(args, argc, 0), arg(args, argc, 1).toBool());
    double d;
    std::memcpy(&d, &bits, 8);
    *result = runtime::Value(d);
}

void StdPrimitives::floatBytes(const runtime::Value* args, int argc, runtime::Value* result) {
    auto f = static_cast<float>(arg(args, argc, 0).toFloat());
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    *result = encode(bits, arg(args, argc, 1).toBool());
}

void StdPrimitives::floatOfBytes(const runtime::Value* args, int argc, runtime::Value* result) {
    uint32_t bits = decode<uint32_t>(arg(args, argc, 0), arg(args, argc, 1).toBool());
    float f;
    std::memcpy(&f, &bits, 4);
    *result = runtime::Value(static_cast<double>(f));
}

}  // namespace sys
