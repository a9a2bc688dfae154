#pragma once
// A hovering gem that raises one of the hero's stats for good when he steps onto it: it bursts
// into ten dots that fly into the hero. The choose gem first lets the player pick the stat.
#include <vector>

#include "TileObject.h"
#include "framework/geom/Point.h"

namespace game {

class StatGem : public TileObject {
    RUNTIME_CLASS(StatGem)
public:
    static constexpr int TYPE_HP = 0;
    static constexpr int TYPE_MP = 1;
    static constexpr int TYPE_ATTACK = 2;
    static constexpr int TYPE_DEFENSE = 3;
    static constexpr int TYPE_MAGIC = 4;
    static constexpr int TYPE_CHOOSE = 5;
    static constexpr int HOVER_PERIOD_60FPS = 10;
    // The hover's divisor in use; the frame-rate switch sets it (5 at 30 frames per second).
    static inline int HOVER_PERIOD = 10;
    static constexpr double DOT_ANIM_MOVEMENT = 0.3;

    using AnimRef = runtime::Ref<Anim>;
    static inline const AnimRef HP = runtime::make<Anim>(0, 0, 14, 17, 6, true, 5);
    static inline const AnimRef MP = runtime::make<Anim>(0, 17, 14, 17, 6, true, 5);
    static inline const AnimRef ATTACK = runtime::make<Anim>(0, 34, 14, 17, 6, true, 5);
    static inline const AnimRef DEFENSE = runtime::make<Anim>(0, 51, 14, 17, 6, true, 5);
    static inline const AnimRef MAGIC = runtime::make<Anim>(0, 68, 14, 17, 6, true, 5);
    static inline const AnimRef CHOOSE = runtime::make<Anim>(0, 85, 14, 17, 6, true, 5);
    static inline const AnimRef DOT_ANIM_HP = runtime::make<Anim>(0, 0, 8, 8, 8, false, 6);
    static inline const AnimRef DOT_ANIM_MP = runtime::make<Anim>(0, 8, 8, 8, 8, false, 6);
    static inline const AnimRef DOT_ANIM_ATTACK = runtime::make<Anim>(0, 16, 8, 8, 8, false, 6);
    static inline const AnimRef DOT_ANIM_DEFENSE = runtime::make<Anim>(0, 24, 8, 8, 8, false, 6);
    static inline const AnimRef DOT_ANIM_MAGIC = runtime::make<Anim>(0, 32, 8, 8, 8, false, 6);
    static inline const AnimRef DOT_ANIM_CHOOSE = runtime::make<Anim>(0, 40, 8, 8, 8, false, 6);

    // type -1 rolls the kind.
    explicit StatGem(Tile* tile, int type = -1);

    // The kind a roll n (0 to 99) gives: 18 % for each stat, 10 % for the choose gem.
    static int typeForRoll(int n);

    void activate() override;
    // The burst: the stat rises and the dots start.
    virtual void explode();
    // Opens the stat-choice ring and pauses the map.
    virtual void showChooseMenu();
    // The player's pick from the ring.
    virtual void statChosen(int type);
    void update() override;

    int type = TYPE_HP;
    runtime::Ref<BitmapSprite> gem;
    std::vector<runtime::Ref<BitmapSprite>> dots;
    std::vector<runtime::Ref<framework::Point>> dotVelocities;
    int dotFrame = 0;
    bool exploding = false;
    // Bought in the gem shop: set off on the hero's cell, it is no object of the floor to find.
    bool bought = false;
};

}  // namespace game
