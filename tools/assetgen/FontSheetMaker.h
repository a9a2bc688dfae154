#pragma once
// Renders the bitmap-font atlases from a TrueType font: three rows (A-Z, a-z, digits and signs),
// each glyph centred in the cell its edge table gives it.
#include "Canvas.h"

#include <string>
#include <vector>

namespace tools {

struct FontSheetRecipe {
    std::string id;
    int width, height, rowHeight;
    bool outlined;
    std::vector<int> edges;  // right edge of each of the 82 cells
    std::string fontFile;
};

class FontSheetMaker {
public:
    static const std::string CHARACTERS;  // the 82 characters in atlas order
    // The five sheets, with `sansFont` for the four game fonts and `serifFont` for medi14.
    static std::vector<FontSheetRecipe> sheets(const std::string& sansFont, const std::string& serifFont);
    // Empty canvas when the font cannot be read.
    static Canvas render(const FontSheetRecipe& recipe);
};

}  // namespace tools
