#pragma once
// Fast typed access to the storage of one selected byte array, little-endian, by byte offset.
// Nothing is checked: the caller keeps 0 <= addr and addr + width <= len. Each access goes
// through the selected array's current storage, so growing the array after selection never
// leaves a dangling base; len is still the length at selection.
#include <bit>
#include <cstring>

#include "ByteArray.h"

namespace framework {

class Memory : public runtime::Object {
    RUNTIME_CLASS(Memory)
public:
    static inline runtime::Ref<ByteArray> gcRef;
    static inline int len = 0;

    static void select(const runtime::Ref<ByteArray>& bytes) {
        gcRef = bytes;
        len = bytes ? bytes->length() : 0;
    }

    static int getByte(int addr) { return base()[addr]; }
    static int getUI16(int addr) { return load<uint16_t>(addr); }
    static int getI32(int addr) { return static_cast<int32_t>(load<uint32_t>(addr)); }
    static double getFloat(int addr) { return load<float>(addr); }
    static double getDouble(int addr) { return load<double>(addr); }
    static void setByte(int addr, int value) { base()[addr] = static_cast<uint8_t>(value); }
    static void setI16(int addr, int value) { store(addr, static_cast<uint16_t>(value)); }
    static void setI32(int addr, int value) { store(addr, static_cast<uint32_t>(value)); }
    static void setFloat(int addr, double value) { store(addr, static_cast<float>(value)); }
    static void setDouble(int addr, double value) { store(addr, value); }

private:
    static uint8_t* base() { return gcRef->b->bytes.data(); }
    // The host is little-endian, as the values are.
    template <class T>
    static T load(int addr) {
        T v;
        std::memcpy(&v, base() + addr, sizeof v);
        return v;
    }
    template <class T>
    static void store(int addr, T v) {
        std::memcpy(base() + addr, &v, sizeof v);
    }
    static_assert(std::endian::native == std::endian::little);
};

}  // namespace framework
