#pragma once
// One 4 x 4 spark of an attack spell: it starts with a random velocity, drifts and animates
// through 8 cells of "assets/misc/particles.png"; its owner calls update once a frame and removes
// it when its animation has completed. Sword sparks slow sideways and rise ever faster; ice
// sparks glide to a stop.
#include <vector>

#include "game/kit/BitmapSprite.h"

namespace game {

class Particle : public BitmapSprite {
    RUNTIME_CLASS(Particle)
public:
    static constexpr int FIRE = 0;
    static constexpr int ICE_SLOW = 1;
    static constexpr int EARTH = 2;
    static constexpr int WIND = 3;
    static constexpr int DARK = 4;
    static constexpr int LIGHT = 5;
    static constexpr int ICE_FAST = 6;
    static constexpr int ICE_SWORD = 7;

    static inline const runtime::Ref<Anim> ANIM_FIRE = runtime::make<Anim>(0, 0, 4, 4, 8, false, 3);
    static inline const runtime::Ref<Anim> ANIM_ICE_SLOW = runtime::make<Anim>(0, 4, 4, 4, 8, false, 9);
    static inline const runtime::Ref<Anim> ANIM_EARTH = runtime::make<Anim>(0, 8, 4, 4, 8, false, 3);
    static inline const runtime::Ref<Anim> ANIM_WIND = runtime::make<Anim>(0, 12, 4, 4, 8, false, 3);
    static inline const runtime::Ref<Anim> ANIM_DARK = runtime::make<Anim>(0, 16, 4, 4, 8, false, 3);
    static inline const runtime::Ref<Anim> ANIM_LIGHT = runtime::make<Anim>(0, 20, 4, 4, 8, false, 3);
    static inline const runtime::Ref<Anim> ANIM_ICE_FAST = runtime::make<Anim>(0, 4, 4, 4, 8, false, 6);
    static inline const runtime::Ref<Anim> ANIM_ICE_SWORD = runtime::make<Anim>(0, 4, 4, 4, 8, false, 3);
    // The animations indexed by type value; filled by setupAnims.
    static inline std::vector<runtime::Ref<Anim>> ANIMS;

    // burst doubles the starting velocity (the first frame of a spell).
    explicit Particle(int type, bool burst = false);
    explicit Particle(runtime::NoInit n) : BitmapSprite(n) {}

    static void setupAnims();
    // One frame of motion and animation.
    virtual void update();

    int type = FIRE;
    double xMovement = 0;
    double yMovement = 0;

private:
    bool isIce() const { return type == ICE_SLOW || type == ICE_FAST; }
};

}  // namespace game
