#pragma once
// The demon's attack: a big orb hovers at his hand for BIG_TIME frames, then bursts into five small
// orbs that spray out and dive at the hero, each ending in a blast. The five orbs of one burst share
// an id and only the first blast of that id hurts the hero (through the running battle's
// orbExplode) and makes a sound. Dark orbs come from the left hand, dark-fire orbs from the right.
// The battle updates every orb in its list once a frame and drops destroyed ones.
#include <vector>

#include "game/kit/BitmapSprite.h"

namespace game {

class DemonOrb : public BitmapSprite {
    RUNTIME_CLASS(DemonOrb)
public:
    static constexpr int BIG_TIME_60FPS = 60;
    static inline int BIG_TIME = 60;
    static constexpr int SMALL_ORBS = 5;
    // Burst ids run 0 to MAX_ID and wrap.
    static constexpr int MAX_ID = 10;
    static inline int nextID = 0;
    // Indexed by burst id: an orb of that burst has dealt its damage.
    static inline std::vector<bool> damageIDs;

    explicit DemonOrb(bool darkFire, bool small = false);
    explicit DemonOrb(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void update();
    // The dive of a small orb at the hero's tile, after its spray.
    virtual void tweenToHero();
    // The blast at the end of the dive.
    virtual void explode();

    int time = 0;
    bool small = false;
    bool darkFire = false;
    bool exploding = false;
    runtime::Ref<BitmapSprite> explosion;
    int id = 0;

private:
    void burst();
};

}  // namespace game
