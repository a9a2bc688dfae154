#include "FontSheetMaker.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace tools {

const std::string FontSheetMaker::CHARACTERS =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,;:!?+-*/=#%&()<>'\"";

namespace {
const std::vector<int> SANS_14 = {
    11, 19, 28, 37, 44, 51, 61, 68, 71, 79, 87, 94, 106, 114, 123, 131, 140, 148, 157, 166, 175, 184, 197, 206, 215, 223,
    7, 15, 22, 30, 37, 44, 52, 60, 63, 67, 74, 77, 90, 98, 106, 114, 122, 129, 136, 143, 151, 159, 172, 179, 187, 194,
    9, 13, 21, 29, 38, 46, 54, 62, 70, 79, 82, 86, 90, 93, 96, 104, 111, 119, 127, 135, 143, 153, 163, 172, 178, 184, 192, 200, 203, 209};
const std::vector<int> SANS_14_OUTLINE = {
    12, 21, 31, 41, 49, 57, 68, 76, 80, 89, 98, 106, 119, 128, 138, 147, 157, 166, 176, 186, 196, 206, 220, 230, 240, 249,
    8, 17, 25, 34, 42, 50, 59, 68, 72, 77, 85, 89, 103, 112, 121, 130, 139, 147, 155, 163, 172, 181, 195, 203, 212, 220,
    10, 15, 24, 33, 43, 52, 61, 70, 79, 89, 93, 98, 103, 107, 111, 120, 128, 137, 146, 155, 164, 175, 186, 196, 203, 210, 219, 228, 232, 239};
const std::vector<int> SANS_20 = {
    15, 26, 38, 51, 61, 71, 84, 94, 98, 109, 120, 129, 144, 156, 168, 179, 191, 202, 214, 226, 238, 250, 267, 279, 291, 302,
    9, 20, 30, 41, 51, 60, 71, 82, 86, 92, 102, 106, 125, 136, 147, 158, 169, 179, 188, 198, 209, 220, 238, 248, 259, 268,
    12, 18, 29, 41, 53, 64, 75, 86, 98, 110, 114, 119, 124, 128, 132, 143, 153, 163, 174, 184, 195, 208, 222, 234, 242, 250, 260, 270, 274, 278};
const std::vector<int> SANS_20_OUTLINE = {
    16, 28, 41, 55, 66, 77, 91, 102, 107, 119, 131, 141, 157, 170, 183, 195, 208, 220, 233, 246, 259, 272, 290, 303, 316, 328,
    10, 22, 33, 45, 56, 66, 78, 90, 95, 102, 113, 118, 138, 150, 162, 174, 186, 197, 207, 218, 230, 242, 261, 272, 284, 294,
    13, 20, 32, 45, 58, 70, 82, 94, 107, 120, 125, 131, 137, 142, 147, 159, 170, 181, 193, 204, 216, 230, 245, 258, 267, 276, 287, 298, 303, 312};

struct Glyph {
    int w = 0, h = 0, left = 0, top = 0;
    std::vector<uint8_t> alpha;
};
}  // namespace

std::vector<FontSheetRecipe> FontSheetMaker::sheets(const std::string& sans, const std::string& serif) {
    return {{"assets/fonts/mediSans14.png", 241, 42, 14, false, SANS_14, sans},
            {"assets/fonts/mediSansOutline14.png", 249, 48, 16, true, SANS_14_OUTLINE, sans},
            {"assets/fonts/mediSans20.png", 302, 60, 20, false, SANS_20, sans},
            {"assets/fonts/mediSansOutline20.png", 328, 66, 22, true, SANS_20_OUTLINE, sans},
            {"assets/fonts/medi14.png", 241, 42, 14, false, SANS_14, serif}};
}

Canvas FontSheetMaker::render(const FontSheetRecipe& recipe) {
    FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0) return {};
    FT_Face face;
    if (FT_New_Face(lib, recipe.fontFile.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(lib);
        return {};
    }
    const int pad = recipe.outlined ? 1 : 0;
    const int inner = recipe.rowHeight - 2 * pad;
    // Pixel size: capitals about 70 % of the row, leaving room for descenders.
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(inner * 0.95)));
    const int baseline = pad + static_cast<int>(std::lround(inner * 0.78));
    Canvas sheet(recipe.width, recipe.height);
    for (std::size_t i = 0; i < CHARACTERS.size(); ++i) {
        int row = i < 26 ? 0 : i < 52 ? 1 : 2;
        bool first = i == 0 || i == 26 || i == 52;
        int x0 = first ? 0 : recipe.edges[i - 1], x1 = recipe.edges[i];
        int avail = x1 - x0 - (recipe.outlined ? 2 : 1);
        if (FT_Load_Char(face, static_cast<unsigned char>(CHARACTERS[i]), FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot g = face->glyph;
        Glyph gl{static_cast<int>(g->bitmap.width), static_cast<int>(g->bitmap.rows), g->bitmap_left, g->bitmap_top, {}};
        for (int y = 0; y < gl.h; ++y)
            for (int x = 0; x < gl.w; ++x) gl.alpha.push_back(g->bitmap.buffer[y * g->bitmap.pitch + x]);
        // Squeeze horizontally when the glyph is wider than its cell.
        int drawW = std::min(gl.w, std::max(1, avail));
        Canvas cell(x1 - x0, recipe.rowHeight);
        int ox = pad + (avail - drawW) / 2 + (recipe.outlined ? 0 : 0);
        int oy = baseline - gl.top;
        for (int y = 0; y < gl.h; ++y)
            for (int x = 0; x < drawW; ++x) {
                int sx0 = x * gl.w / drawW, sx1 = std::max(sx0 + 1, (x + 1) * gl.w / drawW);
                int sum = 0;
                for (int sx = sx0; sx < sx1; ++sx) sum += gl.alpha[static_cast<std::size_t>(y * gl.w + sx)];
                int a = sum / (sx1 - sx0);
                if (a < 40) continue;
                int py = oy + y;
                if (py < pad || py >= recipe.rowHeight - pad) continue;
                uint32_t col = py > baseline - (inner * 0.3) ? rgb(219, 219, 219) : 0xFFFFFFFF;
                cell.set(ox + x, py, withAlpha(col, a >= 128 ? 255 : a * 2));
            }
        if (recipe.outlined) {
            // A black ring, thickened diagonally, around the glyph.
            Canvas ring(cell.width(), cell.height());
            for (int y = 0; y < cell.height(); ++y)
                for (int x = 0; x < cell.width(); ++x) {
                    if (alphaOf(cell.get(x, y)) >= 128) continue;
                    bool near = false;
                    for (int dy = -1; dy <= 1 && !near; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (alphaOf(cell.get(x + dx, y + dy)) >= 128) { near = true; break; }
                    if (near) ring.set(x, y, 0xFF000000);
                }
            ring.blit(cell, 0, 0);
            cell = ring;
        }
        sheet.blit(cell, x0, row * recipe.rowHeight);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return sheet;
}

}  // namespace tools
