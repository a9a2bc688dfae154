#pragma once
// zlib-format streams (header and checksum) over byte ranges.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sys {

class Zlib {
public:
    static constexpr int INFLATE_CHUNK = 65536;

    // Compresses the range at the given level. Throws the text "Compression failed" when zlib
    // does not finish the stream or leaves input unconsumed; other zlib failures throw zlib's
    // own message.
    static std::vector<uint8_t> compress(const uint8_t* data, std::size_t size, int level);
    // Inflates a whole stream, gathering output INFLATE_CHUNK bytes at a time. A damaged or
    // truncated stream throws zlib's message.
    static std::vector<uint8_t> uncompress(const uint8_t* data, std::size_t size);
};

}  // namespace sys
