// Byte arrays: the framework's callbacks, whole-file reading and writing, native pointers.
// byte_array_read_file may be called from the URL-loading thread.
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "ByteArrayCallbacks.h"
#include "ByteArrayView.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/ByteStorage.h"

using runtime::Value;

MEDIA_EXPORT(media_native_byte_array_init, 4) {
    media::ByteArrayCallbacks::get().set(MEDIA_ARG(0), MEDIA_ARG(1), MEDIA_ARG(2), MEDIA_ARG(3));
    return {};
}

// The whole file as a new byte array; null when it cannot be read (or is a folder).
MEDIA_EXPORT(media_native_byte_array_read_file, 1) {
    Value path = MEDIA_ARG(0);
    if (!path.isString()) return {};
    struct stat st{};
    if (stat(path.str().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    std::ifstream in(path.str(), std::ios::binary);
    if (!in) return {};
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {};
    return media::ByteArrayCallbacks::get().create(bytes);
}

// Replaces the file's content with the byte array's valid bytes.
MEDIA_EXPORT(media_native_byte_array_overwrite_file, 2) {
    Value path = MEDIA_ARG(0);
    if (!path.isString()) return {};
    std::vector<uint8_t> bytes = media::ByteArrayView::copy(MEDIA_ARG(1));
    std::ofstream out(path.str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return {};
}

// The address of the byte array's storage as a number (valid until the storage is replaced or
// grows); null without storage.
MEDIA_EXPORT(media_native_byte_array_get_native_pointer, 1) {
    Value array = MEDIA_ARG(0);
    if (!array.isObject()) return {};
    auto* storage = array.field("b").as<runtime::ByteStorage>();
    if (!storage) return {};
    return Value(static_cast<double>(reinterpret_cast<uintptr_t>(storage->bytes.data())));
}
