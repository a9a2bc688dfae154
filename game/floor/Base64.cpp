#include "Base64.h"

namespace game {

const std::array<char, 64> Base64::encodeChars = [] {
    std::array<char, 64> a{};
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 64; ++i) a[i] = alphabet[i];
    return a;
}();

const std::array<int, 128> Base64::decodeChars = [] {
    std::array<int, 128> a{};
    a.fill(-1);
    for (int i = 0; i < 64; ++i) a[static_cast<unsigned char>(encodeChars[i])] = i;
    return a;
}();

runtime::Ref<framework::ByteArray> Base64::decode(std::string_view text) {
    auto out = runtime::make<framework::ByteArray>();
    const size_t n = text.size();
    size_t i = 0;
    // The next sextet from i on, skipping characters outside the alphabet; -1 at the end of the
    // text, or at "=" when padding ends the group here.
    auto next = [&](bool padEnds) {
        while (i < n) {
            const unsigned char c = static_cast<unsigned char>(text[i++]);
            if (padEnds && c == '=') return -1;
            const int v = c < 128 ? decodeChars[c] : -1;
            if (v >= 0) return v;
        }
        return -1;
    };
    while (i < n) {
        const int c1 = next(false);
        if (c1 < 0) break;
        const int c2 = next(false);
        if (c2 < 0) break;
        out->writeByte(((c1 << 2) | ((c2 >> 4) & 3)) & 0xFF);
        const int c3 = next(true);
        if (c3 < 0) break;
        out->writeByte((((c2 & 15) << 4) | ((c3 >> 2) & 15)) & 0xFF);
        const int c4 = next(true);
        if (c4 < 0) break;
        out->writeByte((((c3 & 3) << 6) | c4) & 0xFF);
    }
    return out;
}

std::string Base64::encode(const runtime::Ref<framework::ByteArray>& bytes) {
    std::string out;
    if (!bytes) return out;
    const int n = bytes->getLength();
    for (int k = 0; k < n; k += 3) {
        const int left = n - k;
        const uint32_t v = (static_cast<uint32_t>(bytes->get_(k)) << 16) |
                           (left > 1 ? static_cast<uint32_t>(bytes->get_(k + 1)) << 8 : 0u) |
                           (left > 2 ? static_cast<uint32_t>(bytes->get_(k + 2)) : 0u);
        out += encodeChars[(v >> 18) & 63];
        out += encodeChars[(v >> 12) & 63];
        out += left > 1 ? encodeChars[(v >> 6) & 63] : '=';
        out += left > 2 ? encodeChars[v & 63] : '=';
    }
    return out;
}

}  // namespace game
