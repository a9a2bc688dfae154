#include "Bytes.h"

#include <algorithm>

#include "Thrown.h"

namespace runtime {

namespace {
void checkRange(int pos, int len, int length) {
    if (pos < 0 || len < 0 || static_cast<int64_t>(pos) + len > length) Thrown::text(Bytes::OUTSIDE_BOUNDS);
}
}  // namespace

Ref<Bytes> Bytes::ofString(const std::string& text) {
    return make<Bytes>(std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> Bytes::data() const {
    std::size_t n = std::min(static_cast<std::size_t>(std::max(length_, 0)), b->bytes.size());
    std::vector<uint8_t> out(b->bytes.begin(), b->bytes.begin() + static_cast<std::ptrdiff_t>(n));
    out.resize(static_cast<std::size_t>(std::max(length_, 0)), 0);
    return out;
}

void Bytes::blit(int pos, const Bytes& src, int srcpos, int len) {
    checkRange(pos, len, length_);
    checkRange(srcpos, len, src.length_);
    if (len == 0) return;
    auto n = static_cast<std::size_t>(len);
    // Storage shorter than the length reads as zeros and grows to take what is written.
    std::vector<uint8_t> copy(n);
    for (std::size_t i = 0; i < n; ++i) copy[i] = src.b->at(static_cast<std::size_t>(srcpos) + i);
    auto& dst = b->bytes;
    if (dst.size() < static_cast<std::size_t>(pos) + n) dst.resize(static_cast<std::size_t>(pos) + n, 0);
    std::copy(copy.begin(), copy.end(), dst.begin() + pos);
}

Ref<Bytes> Bytes::sub(int pos, int len) const {
    checkRange(pos, len, length_);
    std::vector<uint8_t> out(static_cast<std::size_t>(len));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = b->at(static_cast<std::size_t>(pos) + i);
    return make<Bytes>(std::move(out));
}

std::string Bytes::getString(int pos, int len) const {
    checkRange(pos, len, length_);
    std::string out(static_cast<std::size_t>(len), '\0');
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<char>(b->at(static_cast<std::size_t>(pos) + i));
    return out;
}

Value Bytes::getField(std::string_view name, bool propertyAccess) {
    if (name == "length") return Value(length_);
    if (name == "b") return Value(b);
    return Object::getField(name, propertyAccess);
}

std::string Bytes::toString() const { return getString(0, std::max(length_, 0)); }

}  // namespace runtime
