#include "PictureMaker.h"

#include "PictureKinds.h"

namespace tools {

std::vector<PictureRecipe> PictureMaker::inventory() {
    PictureBuilder b;
    addMonsters(b);
    addHeroes(b);
    addNpcs(b);
    addTiles(b);
    addItems(b);
    addUi(b);
    addEffects(b);
    return std::move(b.recipes);
}

Canvas PictureMaker::render(const PictureRecipe& recipe) {
    Canvas c(recipe.width, recipe.height);
    std::seed_seq seq(recipe.id.begin(), recipe.id.end());
    std::mt19937 rng(seq);
    if (recipe.paint) recipe.paint(c, rng);
    return c;
}

}  // namespace tools
