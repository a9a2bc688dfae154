#pragma once
// The inventory of the game's pictures (id, size, cell layout, what each shows) and the painters
// that make them.
#include "Canvas.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tools {

struct PictureRecipe {
    std::string id;
    int width = 0, height = 0;
    int cellWidth = 0, cellHeight = 0, cells = 1;
    std::string shows;   // what the picture shows
    std::string source;  // where the size comes from: its use in the game, or "chosen"
    std::function<void(Canvas&, std::mt19937&)> paint;
};

class PictureMaker {
public:
    // Every picture except the bitmap-font sheets.
    static std::vector<PictureRecipe> inventory();
    static Canvas render(const PictureRecipe& recipe);
    // A small dungeon floor laid from a zone tileset by its wall and hole pieces, for looking at.
    static Canvas floorPreview(const Canvas& tileset);
};

}  // namespace tools
