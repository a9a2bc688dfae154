#include "ByteArrayCallbacks.h"

#include <algorithm>

#include "platform/runtime/ByteStorage.h"

namespace media {

namespace {
runtime::Ref<runtime::Function> functionOf(const runtime::Value& v) { return runtime::Ref<runtime::Function>(v.function()); }
}  // namespace

ByteArrayCallbacks& ByteArrayCallbacks::get() {
    static ByteArrayCallbacks instance;
    return instance;
}

void ByteArrayCallbacks::set(runtime::Value factory, runtime::Value lengthReader, runtime::Value resize,
                             runtime::Value storageReader) {
    std::lock_guard<std::mutex> guard(lock_);
    factory_ = functionOf(factory);
    lengthReader_ = functionOf(lengthReader);
    resize_ = functionOf(resize);
    storageReader_ = functionOf(storageReader);
}

bool ByteArrayCallbacks::ready() const {
    std::lock_guard<std::mutex> guard(lock_);
    return factory_ && storageReader_;
}

runtime::Value ByteArrayCallbacks::create(const std::vector<uint8_t>& bytes) const {
    runtime::Ref<runtime::Function> factory, storageReader;
    {
        std::lock_guard<std::mutex> guard(lock_);
        factory = factory_;
        storageReader = storageReader_;
    }
    if (!factory || !storageReader) return {};
    runtime::Value array = (*factory)(static_cast<int>(bytes.size()));
    auto* storage = (*storageReader)(array).as<runtime::ByteStorage>();
    if (!storage) return {};
    if (storage->bytes.size() < bytes.size()) storage->bytes.resize(bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), storage->bytes.begin());
    return array;
}

}  // namespace media
