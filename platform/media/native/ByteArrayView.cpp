#include "ByteArrayView.h"

#include <algorithm>

#include "platform/runtime/ByteStorage.h"

namespace media {

std::vector<uint8_t> ByteArrayView::copy(const runtime::Value& byteArray, int64_t count) {
    if (!byteArray.isObject()) return {};
    auto* storage = byteArray.field("b").as<runtime::ByteStorage>();
    if (!storage) return {};
    int64_t length = std::max<int64_t>(byteArray.field("length").toInt(), 0);
    int64_t n = count < 0 ? length : std::min(count, length);
    std::vector<uint8_t> out(static_cast<std::size_t>(n), 0);
    std::size_t have = std::min(out.size(), storage->bytes.size());
    std::copy_n(storage->bytes.begin(), have, out.begin());
    return out;
}

}  // namespace media
