// Writes the engine's own pictures: the 16 x 16 picture a sprite shows without a graphic, and the
// two 128 x 8 strips of auto-tile shapes (tile k outlines the sides whose bit is 0 in k: 1 up,
// 2 right, 4 down, 8 left; the alternative strip gives tiles 1, 2, 4 and 8 an outlined notch in one
// corner instead).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/png/PngWriter.h"

namespace {

constexpr uint32_t BLACK = 0xFF000000u;
constexpr uint32_t GREY = 0xFF5E5E5Eu;
constexpr uint32_t CLEAR = 0x00000000u;

std::vector<uint32_t> defaultPicture() {
    // A framed diamond on a transparent ground.
    std::vector<uint32_t> p(16 * 16, CLEAR);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int d = (x < 8 ? 7 - x : x - 8) + (y < 8 ? 7 - y : y - 8);
            if (x == 0 || y == 0 || x == 15 || y == 15) p[y * 16 + x] = 0xFF2A2A40u;
            else if (d <= 6) p[y * 16 + x] = d >= 5 ? 0xFFFFFFFFu : 0xFF3FA7E0u;
        }
    return p;
}

void autoTile(std::vector<uint32_t>& strip, int k, bool alternative) {
    auto set = [&](int x, int y, uint32_t c) { strip[y * 128 + k * 8 + x] = c; };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) set(x, y, BLACK);
    bool notch = alternative && (k == 1 || k == 2 || k == 4 || k == 8);
    if (notch) {
        // The open inner corner: bottom-left for 1, top-left for 2, top-right for 4, bottom-right for 8.
        int cx = (k == 4 || k == 8) ? 5 : 0, cy = (k == 1 || k == 8) ? 5 : 0;
        for (int y = cy; y < cy + 3; ++y)
            for (int x = cx; x < cx + 3; ++x) set(x, y, CLEAR);
        int ix = cx == 0 ? 3 : 4, iy = cy == 0 ? 3 : 4;
        for (int y = cy; y < cy + 3; ++y) set(ix, y, GREY);
        for (int x = cx; x < cx + 3; ++x) set(x, iy, GREY);
        set(ix, iy, GREY);
        return;
    }
    for (int i = 0; i < 8; ++i) {
        if (!(k & 1)) set(i, 1, GREY);
        if (!(k & 2)) set(6, i, GREY);
        if (!(k & 4)) set(i, 6, GREY);
        if (!(k & 8)) set(1, i, GREY);
    }
    // Corners outside an outline stay open.
    if (!(k & 1)) for (int x = 0; x < 8; ++x) set(x, 0, CLEAR);
    if (!(k & 2)) for (int y = 0; y < 8; ++y) set(7, y, CLEAR);
    if (!(k & 4)) for (int x = 0; x < 8; ++x) set(x, 7, CLEAR);
    if (!(k & 8)) for (int y = 0; y < 8; ++y) set(0, y, CLEAR);
}

std::vector<uint32_t> autoStrip(bool alternative) {
    std::vector<uint32_t> strip(128 * 8, CLEAR);
    for (int k = 0; k < 16; ++k) autoTile(strip, k, alternative);
    return strip;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: engine-pictures <out-dir>\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = tools::PngWriter::write(dir + "/default.png", 16, 16, defaultPicture()) &&
              tools::PngWriter::write(dir + "/auto.png", 128, 8, autoStrip(false)) &&
              tools::PngWriter::write(dir + "/autoalt.png", 128, 8, autoStrip(true));
    return ok ? 0 : 1;
}
