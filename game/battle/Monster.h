#pragma once
// The monster on a floor tile: the ids of the bosses it knows and the hover height of flyers.
namespace game {

class Monster {
public:
    static constexpr int GIANT_SPIDER_ID = 1150;
    static constexpr int YETI_ID = 2150;
    static constexpr int SORCEROR_ID = 3300;
    static constexpr int DEMON_ID = 4050;
    // Pixels a flying monster's sprites are drawn above the ground; set by the monster table's
    // reader.
    static inline int FLY_HEIGHT = 0;
};

}  // namespace game
