#include "Effects.h"

#include <initializer_list>
#include <utility>

namespace game {

void Effects::setup() {
    const int puffSteps[] = {4, 5, 6};
    for (int i = 0; i < 3; ++i)
        POOFY_EXPLOSION_ANIMS.push_back(runtime::make<Anim>(0, i * 18, 18, 18, 6, false, puffSteps[i]));
    for (int i = 0; i < 4; ++i) RAIN_SPLASHES.push_back(runtime::make<Anim>(0, i * 8, 8, 8, 4, false, 2));

    using Line = std::initializer_list<std::pair<int, int>>;
    for (Line line : {Line{{15, 20}, {24, 11}}, Line{{4, 1}, {3, 9}}, Line{{8, 0}, {5, 8}},
                      Line{{6, 1}, {0, 7}, {6, 15}, {22, 22}, {25, 20}, {21, 16}}, Line{{31, 17}, {21, 16}}, Line{},
                      Line{{21, 20}, {25, 16}}, Line{{17, 21}, {28, 14}}}) {
        Points points;
        for (auto [x, y] : line) points.push_back(runtime::make<framework::Point>(x, y));
        GUY_SWORD_POINTS.push_back(std::move(points));
    }
}

}  // namespace game
