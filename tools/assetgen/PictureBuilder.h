#pragma once
// Collects picture recipes, and the drawing helpers every kind of picture shares: cell strips,
// nine-slice skins, button faces, frames and element colours.
#include "PictureMaker.h"

#include <cstdint>
#include <numbers>

namespace tools {

inline constexpr double PI = std::numbers::pi;
using Paint = std::function<void(Canvas&, std::mt19937&)>;
using CellPaint = std::function<void(Canvas&, int index, std::mt19937&)>;

// A uniform draw in [0, 1).
double uni(std::mt19937& r);
// Draws `n` cells of cw x ch, left to right, wrapping at the canvas width.
Paint cellsOf(int cw, int ch, int n, CellPaint fn, bool outline = true);

// A nine-slice skin: outer line, rim and middle.
void skin(Canvas& c, int x, int y, int w, int h, uint32_t middle, uint32_t line, uint32_t rim, int radius = 2);
// A 13 x 13 window skin at (x, 0): a black outline, a two-pixel light grey rim with rounded
// corners, a dark grey ornament inside each corner and the middle colour (alpha included).
void windowSkin(Canvas& c, int x, uint32_t middle);
Paint buttonSkin(uint32_t middle, bool yellow);
void frameBox(Canvas& c, int x, int y, int w, int h, uint32_t line, uint32_t inner);
uint32_t elementColour(int e);

class PictureBuilder {
public:
    std::vector<PictureRecipe> recipes;
    void add(std::string id, int w, int h, int cw, int ch, int n, std::string shows, std::string source, Paint p);
    // A strip of n cells on one row.
    void strip(std::string id, int cw, int ch, int n, std::string shows, std::string source, CellPaint fn, bool outline = true);
};

}  // namespace tools
