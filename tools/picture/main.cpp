// Writes the test picture: an 8 x 8 RGBA PNG in four quadrants (red, green, blue, and white at
// half alpha), for the asset tests.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    put32(out, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

uint32_t quadrant(int x, int y) {
    if (y < 4) return x < 4 ? 0xFFFF0000u : 0xFF00FF00u;
    return x < 4 ? 0xFF0000FFu : 0x80FFFFFFu;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture-writer <out.png>\n");
        return 2;
    }
    const int w = 8, h = 8;
    std::vector<uint8_t> raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < w; ++x) {
            uint32_t argb = quadrant(x, y);
            raw.push_back(static_cast<uint8_t>(argb >> 16));
            raw.push_back(static_cast<uint8_t>(argb >> 8));
            raw.push_back(static_cast<uint8_t>(argb));
            raw.push_back(static_cast<uint8_t>(argb >> 24));
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) return 1;
    packed.resize(size);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put32(ihdr, w);
    put32(ihdr, h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});

    FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 1;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok ? 0 : 1;
}
