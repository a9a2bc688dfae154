#pragma once
// The hero's figure on the map and in battle: one of four looks, shown by one of three animated
// sprites (run: idle and running poses; attack: battle idle and swing; die: the death) picked by
// the mode. Leftward poses are the right-facing ones mirrored by the caller. A change from running
// to idle waits for a foot-down frame on which the hero no longer moves.
#include "framework/display/Sprite.h"
#include "framework/geom/Point.h"
#include "game/kit/Anim.h"
#include "game/kit/BitmapSprite.h"

namespace game {

class Hero : public BitmapSprite {
    RUNTIME_CLASS(Hero)
public:
    static constexpr int TYPE_GUY = 0;
    static constexpr int TYPE_GIRL = 1;
    static constexpr int TYPE_MONK = 2;
    static constexpr int TYPE_VELIX = 3;
    // The swing's cell on which the hit lands.
    static constexpr int DAMAGE_FRAME = 3;
    static constexpr int ATT_SPRITE_X = 4;
    static constexpr int ATT_SPRITE_X_FLIPPED = -6;

    static inline const runtime::Ref<Anim> IDLE_RIGHT = runtime::make<Anim>(0, 0, 32, 48, 1, false, 3);
    static inline const runtime::Ref<Anim> IDLE_DOWN = runtime::make<Anim>(0, 48, 32, 48, 1, false, 3);
    static inline const runtime::Ref<Anim> IDLE_UP = runtime::make<Anim>(0, 96, 32, 48, 1, false, 3);
    static inline const runtime::Ref<Anim> RUN_RIGHT = runtime::make<Anim>(32, 0, 32, 48, 8, true, 3);
    static inline const runtime::Ref<Anim> RUN_DOWN = runtime::make<Anim>(32, 48, 32, 48, 8, true, 3);
    static inline const runtime::Ref<Anim> RUN_UP = runtime::make<Anim>(32, 96, 32, 48, 8, true, 3);
    static inline const runtime::Ref<Anim> ATTACK_IDLE = runtime::make<Anim>(0, 0, 38, 37, 1, false, 3);
    static inline const runtime::Ref<Anim> ATTACK = runtime::make<Anim>(38, 0, 38, 37, 7, false, 4);
    static inline const runtime::Ref<Anim> DIE = runtime::make<Anim>(0, 0, 50, 37, 12, false, 5);

    // -1 takes GameData::heroType.
    explicit Hero(int heroType = -1);
    explicit Hero(runtime::NoInit n) : BitmapSprite(n) {}

    // The sheet name of a look: "girl", "monk", "velix", and "guy" for any other value.
    static const char* sheetName(int heroType);

    // One frame: advances the shown sprite; makes a waiting switch to idle on a foot-down frame.
    virtual void update();
    // A switch from a running pose to an idle one is deferred to update.
    virtual void setRunAnim(const runtime::Ref<Anim>& anim, bool keepFrame = false);
    // The idle pose of the current running direction; nothing unless a running pose shows.
    virtual void setToIdle();
    virtual void setToAttackMode();
    virtual void setToRunMode();
    virtual void setToDieMode();
    virtual void setAttackSpriteFlip(bool flip);

    int lev_x = 0;
    int lev_y = 0;
    runtime::Ref<BitmapSprite> runSprite;
    runtime::Ref<BitmapSprite> attackSprite;
    runtime::Ref<BitmapSprite> dieSprite;
    runtime::Ref<Anim> idleGoTo;
    bool idle = true;
    bool attackMode = false;
    bool dieMode = false;
    // Where the feet touch the ground, in the hero's own pixels.
    runtime::Ref<framework::Point> groundPoint;
    runtime::Ref<framework::Sprite> underLayer;
    // Holds the shadow and the shown pose.
    runtime::Ref<framework::Sprite> middleLayer;
    runtime::Ref<framework::Sprite> overLayer;
    bool goingToIdle = false;

private:
    static bool isRun(const runtime::Ref<Anim>& anim);
    static bool isIdle(const runtime::Ref<Anim>& anim);
    // The exploration state is moving the hero.
    static bool mapMoving();
    void removeFromMiddle(const runtime::Ref<BitmapSprite>& sprite);
};

}  // namespace game
