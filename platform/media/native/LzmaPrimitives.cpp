// LZMA compression of byte-array storage, in the xz container format.
#include <lzma.h>

#include <cstdint>
#include <vector>

#include "platform/media/MediaExport.h"
#include "platform/runtime/ByteStorage.h"

using runtime::Value;

namespace {
constexpr uint32_t PRESET = 6;
constexpr uint64_t DECODER_MEMORY_LIMIT = 256ull << 20;
// A hostile stream must not make the decoder fill memory.
constexpr std::size_t MAX_OUTPUT = 512u << 20;

// Runs a set-up stream over the input to its end; false on any error.
bool run(lzma_stream& s, const std::vector<uint8_t>& in, std::vector<uint8_t>& out) {
    s.next_in = in.data();
    s.avail_in = in.size();
    out.resize(in.size() < 4096 ? 4096 : in.size());
    std::size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            if (out.size() >= MAX_OUTPUT) return false;
            out.resize(out.size() * 2 > MAX_OUTPUT ? MAX_OUTPUT : out.size() * 2);
        }
        s.next_out = out.data() + done;
        s.avail_out = out.size() - done;
        lzma_ret r = lzma_code(&s, LZMA_FINISH);
        done = out.size() - s.avail_out;
        if (r == LZMA_STREAM_END) break;
        if (r != LZMA_OK) return false;
    }
    out.resize(done);
    return true;
}

Value code(const Value& storageValue, bool encode) {
    auto* storage = storageValue.as<runtime::ByteStorage>();
    if (!storage) return {};
    lzma_stream s = LZMA_STREAM_INIT;
    lzma_ret init = encode ? lzma_easy_encoder(&s, PRESET, LZMA_CHECK_CRC64)
                           : lzma_stream_decoder(&s, DECODER_MEMORY_LIMIT, 0);
    if (init != LZMA_OK) return {};
    std::vector<uint8_t> out;
    bool ok = run(s, storage->bytes, out);
    lzma_end(&s);
    if (!ok) return {};
    return Value(runtime::make<runtime::ByteStorage>(std::move(out)));
}
}  // namespace

// The storage's bytes compressed; null on failure.
MEDIA_EXPORT(media_native_lzma_encode, 1) { return code(MEDIA_ARG(0), true); }

// The storage's bytes decompressed; null for data that is not a complete stream.
MEDIA_EXPORT(media_native_lzma_decode, 1) { return code(MEDIA_ARG(0), false); }
