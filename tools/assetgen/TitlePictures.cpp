#include "TitlePictures.h"

#include "Sprites.h"

namespace tools {

namespace {

// Made-up names from syllables, centred in perRow columns, one row every 8 x scale pixels,
// as many rows as fit the picture.
PictureRecipe nameList(std::string id, int width, int height, int perRow, std::string shows, std::string source) {
    constexpr int scale = 2;
    auto paint = [perRow](Canvas& c, std::mt19937& r) {
        static const char* syl[] = {"AR", "BEL", "COR", "DA",  "EN", "FI",  "GOR", "HA", "IL",  "JO",
                                    "KA", "LIN", "MO",  "NOR", "OS", "PER", "RA",  "SIL", "TOR", "VA"};
        const int colW = c.width() / perRow;
        const int rows = (c.height() - 4) / (8 * scale);
        for (int i = 0; i < rows * perRow; ++i) {
            std::string n;
            const int k = 2 + static_cast<int>(std::uniform_real_distribution<double>(0, 1)(r) * 2);
            for (int j = 0; j < k; ++j) n += syl[r() % 20];
            const int x = (i % perRow) * colW + (colW - Sprites::textWidth(n, scale)) / 2;
            const int y = 4 + (i / perRow) * 8 * scale;
            Sprites::text(c, x, y, n, 0xFFE0E0E0, scale);
        }
    };
    return {"assets/" + std::move(id), width, height, 0, 0, 1, std::move(shows), std::move(source), paint};
}

}  // namespace

std::vector<PictureRecipe> TitlePictures::recipes() {
    std::vector<PictureRecipe> out;
    out.push_back({"assets/ui/glv2logo.png", 366, 168, 0, 0, 1, "the title logo: GLINTVAULT II over a sword",
                   "366x168; the title screen places it at (297, 34)", [](Canvas& c, std::mt19937&) {
                       Sprites::sword(c, 100, -20, 168, 0xFFC8C8D0, 0xFFC0A040);
                       c.multiplyAlpha(0.6);
                       Sprites::text(c, 10, 40, "GLINTVAULT", 0xFFF0C030, 9);
                       Sprites::text(c, 150, 100, "II", 0xFFE04020, 9);
                       c.outline(0xFF201008);
                   }});
    out.push_back(nameList("ui/creditsTested.png", 347, 193, 3, "credits: names of the testers",
                           "347x193; credits layout (306, 424), item backers 20 below"));
    out.push_back(nameList("ui/creditsItemBackers.png", 571, 946, 4, "credits: names of the item backers",
                           "571x946; credits layout (229, 637), other backers at 1603"));
    out.push_back(nameList("ui/creditsOtherBackers.png", 703, 2238, 5, "credits: names of the other backers",
                           "703x2238; credits layout x 128"));
    return out;
}

}  // namespace tools
