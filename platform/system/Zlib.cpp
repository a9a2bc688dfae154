#include "Zlib.h"

#include <zlib.h>

#include <string>

#include "platform/runtime/Thrown.h"

namespace sys {

namespace {
[[noreturn]] void fail(const z_stream& z, int code) {
    runtime::Thrown::text(z.msg ? std::string(z.msg) : std::string(zError(code)));
}
}  // namespace

std::vector<uint8_t> Zlib::compress(const uint8_t* data, std::size_t size, int level) {
    z_stream z{};
    int rc = deflateInit(&z, level);
    if (rc != Z_OK) fail(z, rc);
    std::vector<uint8_t> out(deflateBound(&z, static_cast<uLong>(size)));
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    rc = deflate(&z, Z_FINISH);
    bool complete = rc == Z_STREAM_END && z.avail_in == 0;
    out.resize(z.total_out);
    deflateEnd(&z);
    if (!complete) runtime::Thrown::text("Compression failed");
    return out;
}

std::vector<uint8_t> Zlib::uncompress(const uint8_t* data, std::size_t size) {
    z_stream z{};
    int rc = inflateInit(&z);
    if (rc != Z_OK) fail(z, rc);
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    std::vector<uint8_t> out;
    std::vector<uint8_t> chunk(INFLATE_CHUNK);
    for (;;) {
        z.next_out = chunk.data();
        z.avail_out = INFLATE_CHUNK;
        rc = inflate(&z, Z_SYNC_FLUSH);
        out.insert(out.end(), chunk.begin(), chunk.begin() + (INFLATE_CHUNK - z.avail_out));
        if (rc == Z_STREAM_END) break;
        // Z_BUF_ERROR with no input left: the stream ends early.
        if (rc != Z_OK || (z.avail_in == 0 && z.avail_out != 0)) {
            std::string message = z.msg ? std::string(z.msg) : rc == Z_OK || rc == Z_BUF_ERROR
                                                                     ? std::string("unexpected end of stream")
                                                                     : std::string(zError(rc));
            inflateEnd(&z);
            runtime::Thrown::text(message);
        }
    }
    inflateEnd(&z);
    return out;
}

}  // namespace sys
