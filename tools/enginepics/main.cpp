// Writes the engine's own pictures: the 16 x 16 picture a sprite shows without a graphic, the
// two 128 x 8 strips of auto-tile shapes (tile k outlines the sides whose bit is 0 in k: 1 up,
// 2 right, 4 down, 8 left; the alternative strip gives tiles 1, 2, 4 and 8 an outlined notch in one
// corner instead), the debugger window's close cross and resize grip, the push button's strip of
// three looks and the five-coloured logo of the splash.
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

std::vector<uint32_t> closeCross() {
    // A white diagonal cross, smoothed through its alpha.
    static const uint8_t alpha[8][8] = {
        {0x5B, 0xB8, 0x08, 0x00, 0x00, 0x00, 0x84, 0x5B}, {0x76, 0xFF, 0xB8, 0x07, 0x00, 0x8D, 0xFF, 0xB1},
        {0x00, 0x7F, 0xFF, 0xB3, 0x94, 0xFF, 0xB3, 0x07}, {0x00, 0x00, 0x85, 0xFF, 0xFF, 0xB0, 0x05, 0x00},
        {0x00, 0x01, 0x9B, 0xFF, 0xFF, 0xAC, 0x03, 0x00}, {0x02, 0x9F, 0xFF, 0xA7, 0x93, 0xFF, 0xA5, 0x02},
        {0xA1, 0xFF, 0xA3, 0x03, 0x00, 0x96, 0xFF, 0x9E}, {0x7F, 0x9E, 0x02, 0x00, 0x00, 0x01, 0x9A, 0x7F}};
    std::vector<uint32_t> p(8 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) p[y * 8 + x] = (uint32_t(alpha[y][x]) << 24) | 0xFFFFFFu;
    return p;
}

std::vector<uint32_t> windowGrip() {
    // Diagonal stripes in the lower-right triangle: black where x + y is 9, 12, 15 or 18, white
    // where it is 10, 13 or 16, both at alpha 0xA6.
    std::vector<uint32_t> p(10 * 10, CLEAR);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            int s = x + y;
            if (s == 9 || s == 12 || s == 15 || s == 18) p[y * 10 + x] = 0xA6000000u;
            else if (s == 10 || s == 13 || s == 16) p[y * 10 + x] = 0xA6FFFFFFu;
        }
    return p;
}

std::vector<uint32_t> buttonStrip() {
    // Three 80 x 20 bevelled grey boxes (normal, highlight, pressed) with a black outline and open
    // corner pixels; the pressed box has its light and dark bevels swapped.
    std::vector<uint32_t> p(80 * 60, CLEAR);
    const int faces[3] = {192, 211, 161};
    auto grey = [](int level) { return 0xFF000000u | uint32_t(level) << 16 | uint32_t(level) << 8 | uint32_t(level); };
    for (int f = 0; f < 3; ++f) {
        int face = faces[f];
        uint32_t light = grey(face + 40 > 255 ? 255 : face + 40), dark = grey(face - 60);
        if (f == 2) std::swap(light, dark);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 80; ++x) {
                bool corner = (x == 0 || x == 79) && (y == 0 || y == 19);
                uint32_t c;
                if (corner) c = CLEAR;
                else if (x == 0 || x == 79 || y == 0 || y == 19) c = BLACK;
                else if (x == 1 || y == 1) c = light;
                else if (x == 78 || y == 18) c = dark;
                else c = grey(face);
                p[(f * 20 + y) * 80 + x] = c;
            }
    }
    return p;
}

std::vector<uint32_t> logo() {
    // The five pieces of the splash on a transparent ground, centre at (50, 50): a square standing
    // on its corner, and one piece in each corner of the square around it, leaving a notch in the
    // middle of every side.
    std::vector<uint32_t> p(100 * 100, CLEAR);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            double cx = x + 0.5 - 50, cy = y + 0.5 - 50;
            double ax = cx < 0 ? -cx : cx, ay = cy < 0 ? -cy : cy;
            uint32_t c = CLEAR;
            if (ax + ay <= 37.5) c = 0xFF00B922u;
            // A corner piece: outside the square and outside the side notches, whose edges run from
            // the square's corners (0, 37) and (37, 0) to (25, 50) and (50, 25).
            else if (25 * ay <= 925 + 13 * ax && 25 * ax <= 925 + 13 * ay)
                c = cy < 0 ? (cx < 0 ? 0xFFFFC132u : 0xFFF5274Eu) : (cx < 0 ? 0xFF3B41FFu : 0xFF04CDFBu);
            p[y * 100 + x] = c;
        }
    return p;
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
              tools::PngWriter::write(dir + "/autoalt.png", 128, 8, autoStrip(true)) &&
              tools::PngWriter::write(dir + "/close.png", 8, 8, closeCross()) &&
              tools::PngWriter::write(dir + "/grip.png", 10, 10, windowGrip()) &&
              tools::PngWriter::write(dir + "/button.png", 80, 60, buttonStrip()) &&
              tools::PngWriter::write(dir + "/logo.png", 100, 100, logo());
    return ok ? 0 : 1;
}
