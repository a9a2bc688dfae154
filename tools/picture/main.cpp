// Writes the test picture: an 8 x 8 RGBA PNG in four quadrants (red, green, blue, and white at
// half alpha), for the asset tests.
#include "tools/png/PngWriter.h"

#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture-writer <out.png>\n");
        return 2;
    }
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels.push_back(y < 4 ? (x < 4 ? 0xFFFF0000u : 0xFF00FF00u) : (x < 4 ? 0xFF0000FFu : 0x80FFFFFFu));
    return tools::PngWriter::write(argv[1], 8, 8, pixels) ? 0 : 1;
}
