#pragma once
// The framework's byte-array callbacks, registered once by media_native_byte_array_init: a
// factory, a length reader, a resize callback and a storage reader. Primitives that answer
// bytes make framework byte arrays through them. Safe to use from any thread.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/runtime/Function.h"

namespace media {

class ByteArrayCallbacks {
public:
    static ByteArrayCallbacks& get();

    void set(runtime::Value factory, runtime::Value lengthReader, runtime::Value resize, runtime::Value storageReader);
    bool ready() const;
    // A new framework byte array holding bytes; null before registration or when the factory
    // gives nothing usable.
    runtime::Value create(const std::vector<uint8_t>& bytes) const;

private:
    mutable std::mutex lock_;
    runtime::Ref<runtime::Function> factory_, lengthReader_, resize_, storageReader_;
};

}  // namespace media
