#pragma once
// The title and credits pictures: the logo and the three name lists of the credits.
#include "PictureMaker.h"

namespace tools {

class TitlePictures {
public:
    // In inventory order: the logo, then the testers, item backers and other backers.
    static std::vector<PictureRecipe> recipes();
};

}  // namespace tools
