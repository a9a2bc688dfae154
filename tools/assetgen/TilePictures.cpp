// The game's pictures of zone tilesets, the town and bar sheets.
#include "PictureKinds.h"

#include "PictureBuilder.h"
#include "Sprites.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {

// ---- Tiles ----

struct TilePalette {
    uint32_t floor, floorDark, wallTop, wallFace, detail, hole;
};

// Wall pieces by (column, row): the neighbour pattern each one stands for (L R U D UL UR DL DR).
struct Mask { bool l, r, u, d, ul, ur, dl, dr; };

std::map<std::pair<int, int>, Mask> wallPieces() {
    std::map<std::pair<int, int>, Mask> m;
    auto add = [&](int c, int r, Mask k) { m.emplace(std::make_pair(c, r), k); };
    const bool Y = true, N = false;
    add(2, 0, {Y, Y, N, Y, N, N, Y, Y}); add(7, 6, {Y, Y, N, Y, N, N, Y, Y}); add(2, 8, {Y, Y, N, Y, N, N, Y, Y});
    add(2, 4, {Y, Y, N, Y, N, N, N, Y}); add(3, 4, {Y, Y, N, Y, N, N, Y, N}); add(1, 4, {Y, Y, N, Y, N, N, N, N});
    add(2, 3, {Y, Y, N, N, N, N, N, N});
    add(2, 2, {Y, Y, Y, N, Y, Y, N, N}); add(6, 7, {Y, Y, Y, N, Y, Y, N, N}); add(4, 8, {Y, Y, Y, N, Y, Y, N, N}); add(5, 8, {Y, Y, Y, N, Y, Y, N, N});
    add(1, 8, {Y, Y, Y, N, Y, Y, N, N});
    add(2, 5, {Y, Y, Y, N, N, Y, N, N}); add(3, 5, {Y, Y, Y, N, Y, N, N, N}); add(1, 5, {Y, Y, Y, N, N, N, N, N});
    add(2, 1, {Y, Y, Y, Y, Y, Y, Y, Y}); add(5, 0, {Y, Y, Y, Y, Y, Y, N, Y}); add(4, 0, {Y, Y, Y, Y, Y, Y, Y, N});
    add(6, 2, {Y, Y, Y, Y, Y, Y, N, N}); add(5, 1, {Y, Y, Y, Y, N, Y, Y, Y}); add(6, 3, {Y, Y, Y, Y, N, Y, N, Y});
    add(4, 2, {Y, Y, Y, Y, N, Y, Y, N}); add(4, 5, {Y, Y, Y, Y, N, Y, N, N}); add(4, 1, {Y, Y, Y, Y, Y, N, Y, Y});
    add(5, 2, {Y, Y, Y, Y, Y, N, N, Y}); add(7, 3, {Y, Y, Y, Y, Y, N, Y, N}); add(5, 5, {Y, Y, Y, Y, Y, N, N, N});
    add(6, 1, {Y, Y, Y, Y, N, N, Y, Y}); add(4, 4, {Y, Y, Y, Y, N, N, N, Y}); add(5, 4, {Y, Y, Y, Y, N, N, Y, N});
    add(3, 1, {Y, N, Y, Y, Y, N, Y, N}); add(7, 7, {Y, N, Y, Y, Y, N, Y, N}); add(3, 8, {Y, N, Y, Y, Y, N, Y, N});
    add(3, 7, {Y, N, Y, Y, Y, N, N, N}); add(3, 6, {Y, N, Y, Y, N, N, Y, N}); add(1, 6, {Y, N, Y, Y, N, N, N, N});
    add(3, 2, {Y, N, Y, N, Y, N, N, N}); add(7, 5, {Y, N, Y, N, N, N, N, N}); add(3, 0, {Y, N, N, Y, N, N, Y, N});
    add(7, 4, {Y, N, N, Y, N, N, N, N}); add(3, 3, {Y, N, N, N, N, N, N, N});
    add(1, 1, {N, Y, Y, Y, N, Y, N, Y}); add(6, 6, {N, Y, Y, Y, N, Y, N, Y}); add(0, 8, {N, Y, Y, Y, N, Y, N, Y});
    add(2, 7, {N, Y, Y, Y, N, Y, N, N}); add(2, 6, {N, Y, Y, Y, N, N, N, Y}); add(1, 7, {N, Y, Y, Y, N, N, N, N});
    add(1, 2, {N, Y, Y, N, N, Y, N, N}); add(6, 5, {N, Y, Y, N, N, N, N, N}); add(1, 0, {N, Y, N, Y, N, N, N, Y});
    add(6, 4, {N, Y, N, Y, N, N, N, N}); add(1, 3, {N, Y, N, N, N, N, N, N});
    add(7, 1, {N, N, Y, Y, N, N, N, N}); add(7, 2, {N, N, Y, N, N, N, N, N}); add(7, 0, {N, N, N, Y, N, N, N, N});
    add(6, 0, {N, N, N, N, N, N, N, N});
    return m;
}

// Hole pieces: which neighbours are holes (L R U D DL DR).
std::map<std::pair<int, int>, std::array<bool, 6>> holePieces() {
    return {{{7, 8}, {true, true, true, true, true, true}},  {{4, 3}, {true, true, true, true, true, false}},
            {{5, 3}, {true, true, true, true, false, true}}, {{6, 9}, {true, true, true, false, true, true}},
            {{1, 9}, {true, true, false, true, true, true}},  {{4, 9}, {true, false, true, true, true, true}},
            {{7, 9}, {true, false, true, false, true, true}}, {{2, 9}, {true, false, false, true, true, true}},
            {{3, 9}, {false, true, true, true, true, true}},  {{5, 9}, {false, true, true, false, true, true}},
            {{0, 9}, {false, true, false, true, true, true}}};
}

void floorTile(Canvas& c, int x, int y, const TilePalette& p, std::mt19937& r, int variant) {
    c.fillRect(x, y, 32, 32, p.floor);
    for (int i = 0; i < 40; ++i) {
        int px = x + static_cast<int>(uni(r) * 32), py = y + static_cast<int>(uni(r) * 32);
        c.fillRect(px, py, 1 + (i % 3 == 0), 1, uni(r) < 0.5 ? p.floorDark : shade(p.floor, 1.12));
    }
    if (variant == 1) c.line(x + 6, y + 10, x + 14, y + 16, p.floorDark);
    if (variant == 2) for (int i = 0; i < 4; ++i) c.strokeRect(x + (i % 2) * 16, y + (i / 2) * 16, 16, 16, withAlpha(p.floorDark, 90));
    if (variant == 3) c.fillEllipse(x + 20, y + 20, 4, 2, p.floorDark);
}

void wallTile(Canvas& c, int x, int y, const Mask& m, const TilePalette& p, std::mt19937& r, int deco) {
    const int in = 3, face = 14;
    int x0 = x + (m.l ? 0 : in), x1 = x + 32 - (m.r ? 0 : in);
    int y0 = y + (m.u ? 0 : in), y1 = y + 32;
    c.fillRect(x0, y0, x1 - x0, y1 - y0, p.wallTop);
    for (int i = 0; i < 25; ++i)
        c.set(x0 + static_cast<int>(uni(r) * (x1 - x0)), y0 + static_cast<int>(uni(r) * (y1 - y0)), shade(p.wallTop, uni(r) < 0.5 ? 0.85 : 1.15));
    // Inner corners where a diagonal neighbour is floor.
    if (m.l && m.u && !m.ul) c.fillRect(x, y, in, in, 0);
    if (m.r && m.u && !m.ur) c.fillRect(x + 32 - in, y, in, in, 0);
    for (int yy = y; yy < y + in; ++yy)
        for (int xx = x; xx < x + in; ++xx)
            if (m.l && m.u && !m.ul) c.set(xx, yy, 0);
    for (int yy = y; yy < y + in; ++yy)
        for (int xx = x + 32 - in; xx < x + 32; ++xx)
            if (m.r && m.u && !m.ur) c.set(xx, yy, 0);
    // Rim lines towards floor.
    uint32_t rim = shade(p.wallTop, 1.3);
    if (!m.u) c.fillRect(x0, y0, x1 - x0, 1, rim);
    if (!m.l) c.fillRect(x0, y0, 1, y1 - y0, rim);
    if (!m.r) c.fillRect(x1 - 1, y0, 1, y1 - y0, shade(p.wallTop, 0.7));
    // The face shows where the floor lies below.
    auto faceAt = [&](int fx0, int fx1) {
        c.fillRect(fx0, y + 32 - face, fx1 - fx0, face, p.wallFace);
        for (int row = 0; row < face; row += 5) {
            c.fillRect(fx0, y + 32 - face + row, fx1 - fx0, 1, shade(p.wallFace, 0.7));
            for (int bx = fx0 + ((row / 5) % 2) * 4; bx < fx1; bx += 8) c.fillRect(bx, y + 32 - face + row, 1, 5, shade(p.wallFace, 0.7));
        }
        c.fillRect(fx0, y + 32 - face, fx1 - fx0, 1, shade(p.wallFace, 1.3));
    };
    if (!m.d) faceAt(x0, x1);
    else {
        if (m.l && !m.dl) faceAt(x, x + in + 1);
        if (m.r && !m.dr) faceAt(x + 32 - in - 1, x + 32);
    }
    if (deco == 1) {  // moss or crystals
        for (int i = 0; i < 4; ++i) c.fillCircle(x + 6 + uni(r) * 20, y + 6 + uni(r) * 8, 1.5, p.detail);
    } else if (deco == 2) {  // a crack: the secret entrance
        c.line(x + 10, y + 32 - face, x + 14, y + 26, 0xFF101010);
        c.line(x + 14, y + 26, x + 12, y + 31, 0xFF101010);
        c.line(x + 14, y + 26, x + 19, y + 23, 0xFF101010);
    }
}

void holeTile(Canvas& c, int x, int y, const std::array<bool, 6>& h, const TilePalette& p) {
    c.fillRect(x, y, 32, 32, p.hole);
    // Lips of floor where the neighbour is ground, and a dark drop below an upper edge.
    if (!h[2]) {
        c.fillRect(x, y, 32, 4, p.floor);
        c.gradientRect(x, y + 4, 32, 10, p.floorDark, p.hole);
    }
    if (!h[0]) c.fillRect(x, y, 3, 32, p.floor);
    if (!h[1]) c.fillRect(x + 29, y, 3, 32, p.floor);
    if (!h[3]) c.fillRect(x, y + 29, 32, 3, shade(p.floor, 0.8));
    if (h[0] && h[3] && !h[4]) c.fillRect(x, y + 29, 3, 3, p.floor);
    if (h[1] && h[3] && !h[5]) c.fillRect(x + 29, y + 29, 3, 3, p.floor);
}

Paint zoneTileset(TilePalette p, int rows) {
    return [p, rows](Canvas& c, std::mt19937& r) {
        for (int v = 0; v < 4; ++v) floorTile(c, 0, v * 32, p, r, v);
        // Half-tile ground details: 2 columns x 4 rows of 16-pixel pieces in (0, 4)-(0, 5).
        for (int i = 0; i < 8; ++i) {
            int dx = (i % 2) * 16, dy = 128 + (i / 2) * 16;
            switch (i % 4) {
            case 0: for (int k = 0; k < 3; ++k) c.fillCircle(dx + 4 + k * 4, dy + 10 - (k % 2) * 3, 1.6, p.floorDark); break;
            case 1: c.line(dx + 2, dy + 12, dx + 8, dy + 6, p.floorDark); c.line(dx + 8, dy + 6, dx + 13, dy + 9, p.floorDark); break;
            case 2: for (int k = 0; k < 4; ++k) c.line(dx + 4 + k * 2, dy + 13, dx + 3 + k * 3, dy + 6, p.detail); break;
            default: c.fillEllipse(dx + 8, dy + 9, 4, 3, shade(p.floorDark, 0.8)); c.fillEllipse(dx + 7, dy + 8, 2, 1, shade(p.floor, 1.3)); break;
            }
        }
        // Chest base and secret-room floors.
        c.fillRect(0, 192, 32, 32, shade(p.floor, 0.8));
        c.strokeRect(2, 194, 28, 28, p.floorDark);
        for (auto [cx, cy] : {std::pair{4, 7}, {5, 6}, {5, 7}}) {
            c.fillRect(cx * 32, cy * 32, 32, 32, 0xFF6A4A2A);
            for (int k = 0; k < 4; ++k) c.fillRect(cx * 32, cy * 32 + k * 8, 32, 1, 0xFF4A3018);
            c.fillRect(cx * 32 + ((cx + cy) % 2) * 16, cy * 32, 1, 32, 0xFF4A3018);
        }
        int n = 0;
        for (const auto& [pos, m] : wallPieces()) {
            auto [col, row] = pos;
            if (row >= rows) continue;
            int deco = (pos == std::pair{2, 8} || pos == std::pair{1, 8} || pos == std::pair{3, 8} || pos == std::pair{0, 8}) ? 2
                       : (pos == std::pair{7, 6} || pos == std::pair{6, 7} || pos == std::pair{4, 8} || pos == std::pair{5, 8} ||
                          pos == std::pair{7, 7} || pos == std::pair{6, 6}) ? 1 : 0;
            wallTile(c, col * 32, row * 32, m, p, r, deco);
            ++n;
        }
        for (const auto& [pos, h] : holePieces())
            if (pos.second < rows) holeTile(c, pos.first * 32, pos.second * 32, h, p);
    };
}

// Rows of the town sheet (16 tiles a row): what each row holds; columns are variants.
const char* const TOWN_ROWS[24] = {
    "grass", "grass", "grass with flowers", "dirt path", "stone path", "water", "sand", "water's edge: top, bottom, left, right, corners",
    "stone house wall (columns 4-7 windows, 8-11 doors)", "stone house wall", "wooden house wall (columns 4-7 windows, 8-11 doors)",
    "wooden house wall", "red roof", "red roof ridge", "blue roof", "blue roof ridge", "tree tops", "tree trunks", "bushes",
    "fences", "well, crates, barrels and signs", "market stall awnings", "lamp posts and benches", "stone steps and cliff"};
const char* const BAR_ROWS[16] = {"wood floor", "wood floor", "wood floor, worn", "wood floor, dark", "wall", "wall with windows",
                                  "counter", "counter ends", "shelves with bottles", "shelves with bottles", "barrels", "tables",
                                  "chairs and stools", "rugs", "doors and stairs", "fireplace, lamps and plants"};

std::string rowsText(const char* const* rows, int n) {
    std::string out = "one kind per row, variants along it: ";
    for (int i = 0; i < n; ++i) out += (i ? "; " : "") + std::string("row ") + std::to_string(i) + " " + rows[i];
    return out;
}
std::string townRows() { return "town tileset, " + rowsText(TOWN_ROWS, 24); }
std::string barRows() { return "bar tileset, " + rowsText(BAR_ROWS, 16); }

void grass(Canvas& c, int x, int y, std::mt19937& r) {
    c.fillRect(x, y, 32, 32, 0xFF4A8A3A);
    for (int k = 0; k < 14; ++k) {
        int gx = x + static_cast<int>(uni(r) * 30), gy = y + 4 + static_cast<int>(uni(r) * 26);
        c.line(gx, gy, gx + static_cast<int>(uni(r) * 3) - 1, gy - 3, 0xFF5AA048);
    }
}

void townSheet(Canvas& c, std::mt19937& r) {
    for (int row = 0; row < 24; ++row)
        for (int col = 0; col < 16; ++col) {
            int x = col * 32, y = row * 32, v = col % 4;
            switch (row) {
            case 0: case 1: grass(c, x, y, r); break;
            case 2:
                grass(c, x, y, r);
                for (int k = 0; k < 4; ++k) c.fillCircle(x + 6 + k * 6, y + 8 + (k % 2) * 12, 1.8, (col + k) % 3 ? 0xFFF0E040 : 0xFFE04060);
                break;
            case 3: case 4: case 6: {
                uint32_t base = row == 3 ? 0xFFB89A6A : row == 4 ? 0xFF9A9AA0 : 0xFFE0D090;
                c.fillRect(x, y, 32, 32, base);
                if (row == 4)
                    for (int k = 0; k < 4; ++k) c.strokeRect(x + (k % 2) * 16 + (k / 2) * 8 % 16, y + (k / 2) * 16, 16, 16, shade(base, 0.75));
                else
                    for (int k = 0; k < 8; ++k) c.fillEllipse(x + uni(r) * 30, y + uni(r) * 30, 2, 1.5, shade(base, 0.8));
                break;
            }
            case 5:
                c.fillRect(x, y, 32, 32, 0xFF3A6AB0);
                for (int k = 0; k < 3; ++k) c.fillRect(x + 4 + (k * 9 + col * 5) % 20, y + 6 + k * 9, 8, 1, 0xFF8AB0E0);
                break;
            case 7: {
                grass(c, x, y, r);
                int e = col % 8;  // 0 top 1 bottom 2 left 3 right 4-7 corners
                int wx = e == 2 ? 8 : 0, wy = e == 0 ? 8 : 0, ww = e == 2 || e == 3 ? 24 : 32, wh = e == 0 || e == 1 ? 24 : 32;
                if (e >= 4) { wx = e % 2 ? 0 : 10; wy = e < 6 ? 10 : 0; ww = 22; wh = 22; }
                c.fillRect(x + wx, y + wy, ww, wh, 0xFF3A6AB0);
                c.strokeRect(x + wx, y + wy, ww, wh, 0xFFD0C080);
                break;
            }
            case 8: case 9: case 10: case 11: {
                bool stone = row < 10;
                uint32_t base = stone ? 0xFF8A8A90 : 0xFFA07040;
                c.fillRect(x, y, 32, 32, base);
                for (int k = 0; k < 32; k += 8) c.fillRect(x, y + k, 32, 1, shade(base, 0.7));
                if (stone) for (int k = 0; k < 4; ++k) c.fillRect(x + ((k % 2) * 16 + 8 * (k / 2)) % 32, y + k * 8, 1, 8, shade(base, 0.7));
                if (row % 2 == 0 && col >= 4 && col < 8) { c.fillRect(x + 8, y + 8, 16, 14, 0xFF2A3A5A); c.strokeRect(x + 8, y + 8, 16, 14, 0xFF4A3020); c.fillRect(x + 15, y + 8, 2, 14, 0xFF4A3020); }
                if (row % 2 == 0 && col >= 8 && col < 12) { c.fillRect(x + 7, y + 4, 18, 28, 0xFF6A4020); c.fillCircle(x + 21, y + 19, 1.5, 0xFFE0C040); }
                break;
            }
            case 12: case 13: case 14: case 15: {
                uint32_t base = row < 14 ? 0xFFA03A2A : 0xFF3A5A9A;
                c.fillRect(x, y, 32, 32, base);
                for (int k = 0; k < 32; k += 6) c.fillRect(x, y + k, 32, 2, shade(base, 0.75));
                if (row % 2) c.fillRect(x, y, 32, 6, shade(base, 1.3));
                break;
            }
            case 16:
                grass(c, x, y, r);
                c.fillCircle(x + 16, y + 18, 15, 0xFF2A6A2A);
                c.fillCircle(x + 11, y + 12, 6, 0xFF3A8A3A);
                break;
            case 17:
                grass(c, x, y, r);
                c.fillRect(x + 12, y, 8, 26, 0xFF6A4420);
                c.fillEllipse(x + 16, y + 27, 9, 3, 0x60000000);
                c.fillCircle(x + 16, y + 2, 12, 0xFF2A6A2A);
                break;
            case 18:
                grass(c, x, y, r);
                c.fillCircle(x + 16, y + 18, 10, v % 2 ? 0xFF3A7A30 : 0xFF2A6A2A);
                if (v >= 2) for (int k = 0; k < 3; ++k) c.fillCircle(x + 10 + k * 6, y + 14 + (k % 2) * 6, 1.6, 0xFFE04060);
                break;
            case 19:
                grass(c, x, y, r);
                c.fillRect(x, y + 12, 32, 3, 0xFF8A6A3A);
                c.fillRect(x, y + 22, 32, 3, 0xFF8A6A3A);
                c.fillRect(x + 4, y + 8, 4, 22, 0xFF7A5A2A);
                c.fillRect(x + 24, y + 8, 4, 22, 0xFF7A5A2A);
                break;
            case 20:
                c.fillRect(x, y, 32, 32, 0xFFB89A6A);
                if (v == 0) { c.fillCircle(x + 16, y + 16, 12, 0xFF8A8A90); c.fillCircle(x + 16, y + 16, 8, 0xFF1A2A4A); }
                else if (v == 1) { c.fillRect(x + 6, y + 6, 20, 20, 0xFF9A6A3A); c.line(x + 6, y + 6, x + 25, y + 25, 0xFF6A4420); c.line(x + 25, y + 6, x + 6, y + 25, 0xFF6A4420); }
                else if (v == 2) { c.fillEllipse(x + 16, y + 17, 10, 12, 0xFF7A4A22); c.fillRect(x + 6, y + 10, 20, 2, 0xFF404040); c.fillRect(x + 6, y + 22, 20, 2, 0xFF404040); }
                else { c.fillRect(x + 14, y + 14, 4, 18, 0xFF6A4420); c.fillRect(x + 5, y + 5, 22, 11, 0xFFC8A070); }
                break;
            case 21:
                c.fillRect(x, y, 32, 32, 0xFFB89A6A);
                for (int k = 0; k < 4; ++k) c.fillRect(x + k * 8, y, 8, 14, (k + v) % 2 ? 0xFFE0E0D0 : 0xFFC03030);
                c.fillRect(x + 2, y + 16, 28, 10, 0xFF8A5A2A);
                break;
            case 22:
                c.fillRect(x, y, 32, 32, 0xFF9A9AA0);
                if (v % 2 == 0) { c.fillRect(x + 14, y + 8, 4, 24, 0xFF303030); c.fillCircle(x + 16, y + 7, 5, 0xFFFFE080); }
                else { c.fillRect(x + 4, y + 14, 24, 5, 0xFF8A5A2A); c.fillRect(x + 5, y + 19, 3, 8, 0xFF6A4422); c.fillRect(x + 24, y + 19, 3, 8, 0xFF6A4422); }
                break;
            default:
                c.fillRect(x, y, 32, 32, 0xFF7A7A80);
                for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8, 32, 2, v < 2 ? 0xFFA0A0A8 : 0xFF5A5A60);
                break;
            }
        }
}

void barSheet(Canvas& c, std::mt19937& r) {
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 8; ++col) {
            int x = col * 32, y = row * 32, v = col % 4;
            uint32_t floorc = row == 3 ? 0xFF6A4424 : 0xFF8A5A2E;
            c.fillRect(x, y, 32, 32, floorc);
            for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8 + 7, 32, 1, shade(floorc, 0.65));
            c.fillRect(x + (col % 2) * 16 + 4, y + (row % 4) * 8, 1, 8, shade(floorc, 0.65));
            if (row == 2) for (int k = 0; k < 5; ++k) c.fillEllipse(x + uni(r) * 30, y + uni(r) * 30, 2, 1, shade(floorc, 1.2));
            switch (row) {
            case 4: case 5:
                c.fillRect(x, y, 32, 32, 0xFF6A5A4A);
                for (int k = 0; k < 32; k += 8) c.fillRect(x, y + k, 32, 1, 0xFF4A3A2A);
                if (row == 5) { c.fillRect(x + 8, y + 6, 16, 14, 0xFF2A3A5A); c.strokeRect(x + 8, y + 6, 16, 14, 0xFF3A2A1A); }
                break;
            case 6: case 7:
                c.fillRect(x, y + 8, 32, 24, 0xFF7A4A22);
                c.fillRect(x, y + 6, 32, 5, 0xFFA8743A);
                for (int k = 4; k < 32; k += 8) c.fillRect(x + k, y + 12, 1, 18, 0xFF5A3416);
                if (row == 7) c.fillRect(v % 2 ? x + 26 : x, y + 6, 6, 26, 0xFF5A3416);
                break;
            case 8: case 9:
                c.fillRect(x, y, 32, 32, 0xFF5A3A1E);
                for (int k = 0; k < 2; ++k) {
                    c.fillRect(x, y + 14 + k * 16, 32, 2, 0xFF8A5A2E);
                    for (int b = 0; b < 3; ++b) Sprites::potion(c, x + 1 + b * 10, y + k * 16, 12, (b + col + row) % 3 ? 0xFF60C040 : 0xFFC04030);
                }
                break;
            case 10:
                c.fillEllipse(x + 16, y + 17, 11, 13, 0xFF7A4A22);
                c.fillRect(x + 5, y + 10, 22, 2, 0xFF404040);
                c.fillRect(x + 5, y + 23, 22, 2, 0xFF404040);
                break;
            case 11:
                c.fillRect(x + 2, y + 4, 28, 18, 0xFFA8743A);
                c.strokeRect(x + 2, y + 4, 28, 18, 0xFF5A3416);
                c.fillRect(x + 5, y + 22, 3, 9, 0xFF6A4422);
                c.fillRect(x + 24, y + 22, 3, 9, 0xFF6A4422);
                if (v == 1) c.fillEllipse(x + 16, y + 12, 4, 3, 0xFFE8E0D0);
                break;
            case 12:
                c.fillRect(x + 9, y + 14, 14, 5, 0xFF7A4A22);
                c.fillRect(x + 10, y + 19, 3, 10, 0xFF6A4422);
                c.fillRect(x + 19, y + 19, 3, 10, 0xFF6A4422);
                if (v % 2) c.fillRect(x + 9, y + 2, 3, 14, 0xFF6A4422);
                break;
            case 13:
                c.fillRect(x, y, 32, 32, v % 2 ? 0xFF8A2A2A : 0xFF2A4A8A);
                c.strokeRect(x + 2, y + 2, 28, 28, 0xFFD0A040);
                break;
            case 14:
                if (v < 2) { c.fillRect(x + 4, y, 24, 32, 0xFF5A3416); c.fillCircle(x + 22, y + 17, 1.6, 0xFFE0C040); }
                else for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8, 32, 6, shade(0xFF8A5A2E, 1.0 - k * 0.1));
                break;
            case 15:
                if (v == 0) { c.fillRect(x + 2, y + 4, 28, 28, 0xFF6A6A70); c.fillRect(x + 8, y + 14, 16, 18, 0xFF200808); c.fillCircle(x + 16, y + 26, 5, 0xFFFF8020); }
                else if (v == 1) { c.fillRect(x + 15, y + 10, 2, 22, 0xFF303030); c.fillCircle(x + 16, y + 9, 5, 0xFFFFE080); }
                else { c.fillRect(x + 10, y + 20, 12, 10, 0xFF8A5A2A); c.fillCircle(x + 16, y + 14, 9, 0xFF3A8A3A); }
                break;
            default: break;
            }
        }
}

}  // namespace

void addTiles(PictureBuilder& b) {
    const char* layout = "tiles of 32x32, 8 columns: floors (0,0-3), half-tile details (0,4-5), chest base (0,6), secret floors (4,7) (5,6) (5,7), "
                         "walls by neighbour pattern elsewhere";
    b.add("x2/tilesets/cave.png", 256, 288, 32, 32, 72, std::string("cave tileset, brown rock; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF7A6650, 0xFF5A4A38, 0xFF3A322C, 0xFF6A5440, 0xFF8AA050, 0xFF050404}, 9));
    b.add("x2/tilesets/jungleRuins.png", 256, 288, 32, 32, 72, std::string("jungle ruins tileset, mossy stone; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF6A7A4A, 0xFF4A5A34, 0xFF3A4A2A, 0xFF8A8A70, 0xFF50C040, 0xFF050804}, 9));
    b.add("x2/tilesets/iceCave.png", 256, 288, 32, 32, 72, std::string("ice cave tileset, blue ice; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFFB8D0E4, 0xFF98B0C8, 0xFF4A6A90, 0xFF7A9AC0, 0xFFFFFFFF, 0xFF04060A}, 9));
    b.add("x2/tilesets/forest.png", 256, 288, 32, 32, 72, std::string("enchanted forest tileset, grass and hedges; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF5A9A4A, 0xFF427A36, 0xFF1E4A22, 0xFF5A4228, 0xFFE080F0, 0xFF040604}, 9));
    b.add("x2/tilesets/demonTiles.png", 256, 320, 32, 32, 80, std::string("demon tileset, red rock, with a tenth row of hole edges; ") + layout,
          "floor drawing: 8x10 tiles", zoneTileset({0xFF5A3030, 0xFF3E2020, 0xFF2A1010, 0xFF7A2A20, 0xFFFF6020, 0xFF000000}, 10));
    b.add("x2/tilesets/secretStuff.png", 160, 96, 32, 32, 0,
          "secret-room furniture: cobwebs at (0,0) (1,0, 48 high) (2,0) (0,1) (2,1) in tile units, bookshelf (96,0,32,48), desk (128,0,32,48), "
          "six 16x16 ornaments from (96,48), book spines 9 high from (96,80)",
          "shared bitmaps and cobweb rules", [](Canvas& c, std::mt19937& r) {
              auto web = [&](int x, int y, int w, int h, int corner) {
                  double ox = corner % 2 ? x + w : x, oy = corner / 2 ? y + h : y;
                  for (int k = 0; k < 5; ++k) {
                      double a = (corner % 2 ? PI : 0) + (corner % 2 ? -1 : 1) * k * PI / 8;
                      double ex = ox + std::cos(a) * w, ey = oy + (corner / 2 ? -1 : 1) * std::abs(std::sin(a == 0 ? 0.01 : a)) * h;
                      c.line(static_cast<int>(ox), static_cast<int>(oy), static_cast<int>(std::clamp(ex, double(x), double(x + w - 1))),
                             static_cast<int>(std::clamp(ey, double(y), double(y + h - 1))), 0xC0E8E8F0);
                  }
                  for (int ring = 1; ring < 4; ++ring) c.strokeEllipse(ox, oy, ring * w / 4.0, ring * h / 4.0, 0x90E8E8F0);
              };
              web(0, 0, 32, 32, 0);
              web(32, 0, 32, 48, 1);
              web(64, 0, 32, 32, 1);
              web(0, 32, 32, 32, 1);
              web(64, 32, 32, 32, 0);
              c.fillRect(0, 32, 32, 32, 0);
              c.fillRect(64, 32, 32, 32, 0);
              web(0, 32, 32, 32, 1);
              web(64, 32, 32, 32, 0);
              c.fillRect(96, 0, 32, 48, 0xFF6A4422);
              for (int k = 0; k < 3; ++k) c.fillRect(98, 4 + k * 14, 28, 10, 0xFF2A1A0E);
              c.fillRect(128, 16, 32, 14, 0xFF8A5A2A);
              c.fillRect(130, 30, 4, 18, 0xFF6A4422);
              c.fillRect(154, 30, 4, 18, 0xFF6A4422);
              c.fillRect(136, 10, 10, 6, 0xFFF0E8D0);
              for (int i = 0; i < 6; ++i) {
                  int x = 96 + (i % 3) * 16, y = 48 + (i / 3) * 16;
                  if (i % 3 == 0) Sprites::potion(c, x, y, 16, 0xFF40A0E0);
                  else if (i % 3 == 1) c.fillCircle(x + 8, y + 10, 5, 0xFFE8E0D0);
                  else Sprites::gem(c, x, y, 16, 0xFF40E080);
              }
              for (int x = 96; x < 160; x += 3) c.fillRect(x, 80, 2, 9, rgb(80 + static_cast<int>(uni(r) * 150), 40 + static_cast<int>(uni(r) * 80), 40));
          });
    b.add("x2/tilesets/holeBGGradient.png", 16, 64, 0, 0, 1, "dark red gradient behind the demon's floor, stretched over the screen", "chosen",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 16, 64, 0xFF000000, 0xFF400808); });
    b.add("x2/tilesets/bossRoomCliff.png", 96, 96, 0, 0, 1, "the rim of the demon's pit around the hero, 3x3 tiles", "chosen: 3x3 tiles from the tile up-left of the hero",
          [](Canvas& c, std::mt19937&) {
              c.fillRect(0, 32, 32, 64, 0xFF000000);
              c.fillRect(64, 32, 32, 64, 0xFF000000);
              c.gradientRect(0, 32, 32, 16, 0xFF4A2020, 0xFF000000);
              c.gradientRect(64, 32, 32, 16, 0xFF4A2020, 0xFF000000);
              c.fillRect(30, 32, 4, 64, 0xFF6A2A2A);
              c.fillRect(62, 32, 4, 64, 0xFF6A2A2A);
          });

    // Town and bar tile sheets (fixed maps): one kind of tile per row, variants along the row.
    b.add("tiled/town.png", 512, 768, 32, 32, 384, townRows(), "town map's tileset: 512x768", townSheet);
    b.add("x2/tiled/town.png", 512, 768, 32, 32, 384, townRows(), "town map's tileset: 512x768", townSheet);
    b.add("tiled/bar.png", 256, 512, 32, 32, 128, barRows(), "bar map's tileset: 256x512", barSheet);
    b.add("x2/tiled/bar.png", 256, 512, 32, 32, 128, barRows(), "bar map's tileset: 256x512", barSheet);
    auto hit = [](Canvas& c, std::mt19937&) {
        for (int i = 0; i < 16; ++i) {
            int x = (i % 4) * 32, y = (i / 4) * 32;
            uint32_t col = i == 0 ? 0x80FF0000 : withAlpha(rgb(60 * (i % 4), 255 - 15 * i, 40 * (i / 4)), 128);
            c.fillRect(x + 1, y + 1, 30, 30, col);
            Sprites::text(c, x + 4, y + 4, std::to_string(i), 0xFFFFFFFF, 2);
        }
    };
    auto objects = [](Canvas& c, std::mt19937&) {
        for (int i = 0; i < 64; ++i) {
            int x = (i % 8) * 32, y = (i / 8) * 32;
            c.fillRect(x + 2, y + 2, 28, 28, withAlpha(rgb(40 + (i * 37) % 200, 40 + (i * 71) % 200, 40 + (i * 113) % 200), 180));
            c.strokeRect(x + 2, y + 2, 28, 28, 0xFF000000);
            Sprites::text(c, x + 5, y + 9, std::to_string(i), 0xFFFFFFFF, 2);
        }
    };
    for (std::string dir : {"tiled/", "x2/tiled/"}) {
        b.add(dir + "hitTiles.png", 128, 128, 32, 32, 16, "collision markers: 16 numbered translucent squares (the first red)",
              "maps' Hit tileset: 128x128", hit);
        b.add(dir + "objectsTset.png", 256, 256, 32, 32, 64, "object markers: 64 numbered squares, the object id is the cell index",
              "maps' Objects tileset: 256x256, 8 per row", objects);
    }
}

namespace {
}  // namespace

Canvas PictureMaker::floorPreview(const Canvas& tiles) {
    const char* rows[] = {"WWWWWWWWWWWWWWWW", "W....WWWW......W", "W....WWWW..HH..W", "W.............WW", "WWW..WW...HHH..W",
                          "WWW..WW...HHH..W", "W.......W......W", "W..W....W..WWW.W", "W.......W......W", "WWWWWWWWWWWWWWWW"};
    const int H = 10, W = 16;
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= W || y >= H ? 'W' : rows[y][x]; };
    Canvas c(W * 32, H * 32, 0xFF000000);
    std::mt19937 r(5);
    auto piece = [&](int col, int row, int x, int y) { c.blit(tiles, col * 32, row * 32, 32, 32, x * 32, y * 32); };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) piece(0, static_cast<int>(r() % 4), x, y);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            char t = at(x, y);
            if (t == 'W') {
                auto w = [&](int dx, int dy) { return at(x + dx, y + dy) == 'W'; };
                Mask m{w(-1, 0), w(1, 0), w(0, -1), w(0, 1), w(-1, -1), w(1, -1), w(-1, 1), w(1, 1)};
                for (const auto& [pos, k] : wallPieces()) {
                    if (pos.second == 8 || pos == std::pair{7, 6} || pos == std::pair{6, 7} || pos == std::pair{7, 7} || pos == std::pair{6, 6}) continue;
                    bool diag = (!m.l || !m.u || k.ul == m.ul) && (!m.r || !m.u || k.ur == m.ur) && (!m.l || !m.d || k.dl == m.dl) &&
                                (!m.r || !m.d || k.dr == m.dr);
                    if (k.l == m.l && k.r == m.r && k.u == m.u && k.d == m.d && diag) {
                        piece(pos.first, pos.second, x, y);
                        break;
                    }
                }
            } else if (t == 'H') {
                auto h = [&](int dx, int dy) { return at(x + dx, y + dy) == 'H'; };
                bool L = h(-1, 0), R = h(1, 0), U = h(0, -1), D = h(0, 1), DL = h(-1, 1), DR = h(1, 1);
                std::pair<int, int> p = !L ? (U ? (D ? std::pair{3, 9} : std::pair{5, 9}) : std::pair{0, 9})
                                        : R ? (U ? (D ? (DL ? (DR ? std::pair{7, 8} : std::pair{4, 3}) : std::pair{5, 3}) : std::pair{6, 9}) : std::pair{1, 9})
                                            : (U ? (D ? std::pair{4, 9} : std::pair{7, 9}) : std::pair{2, 9});
                c.fillRect(x * 32, y * 32, 32, 32, 0xFF000000);
                if (p.second * 32 < tiles.height()) piece(p.first, p.second, x, y);
            }
        }
    return c;
}

}  // namespace tools
