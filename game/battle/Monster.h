#pragma once
// The monster on a floor tile: its definition chosen from the monster table by the floor (or
// given by id), its current hit points, the idle picture with its shadow and the attack picture
// shown in battle, and the blood-splat death after which it leaves the floor.
#include "framework/display/Bitmap.h"
#include "game/data/MonsterData.h"
#include "game/floor/TileObject.h"

namespace game {

class Monster : public TileObject {
    RUNTIME_CLASS(Monster)
public:
    static constexpr int GIANT_SPIDER_ID = 1150;
    static constexpr int YETI_ID = 2150;
    static constexpr int SORCEROR_ID = 3300;
    static constexpr int DEMON_ID = 4050;
    // Pixels a flying monster's sprites are drawn above the ground; set by the monster table's
    // reader.
    static inline int FLY_HEIGHT = 0;
    static inline const runtime::Ref<Anim> BLOOD_SPLAT_ANIM = runtime::make<Anim>(0, 0, 32, 32, 9, false, 4);

    // monsterID -1 chooses by the current floor: the floor's boss with bossOfFloor, else a random
    // kind (never a boss) whose floor range holds the floor.
    explicit Monster(Tile* tile, int monsterID = -1, bool bossOfFloor = false);

    // The definition for the current floor as the constructor chooses it; null when the table
    // has none.
    static runtime::Ref<MonsterData> chooseData(int monsterID, bool bossOfFloor);

    // Stepping onto a monster is the exploration state's business.
    void activate() override {}
    void update() override;
    // Battle start and end: the attack sprite replaces the idle one (and back), the shadow
    // following the attack pose's offset.
    virtual void setToAttack();
    virtual void setToIdle();
    // Mirrors the attack sprite to face the hero; the ground point moves with it.
    virtual void setAttackSpriteFlip(bool flip);
    // The death: the splat replaces the attack sprite and the tile is freed at once.
    virtual void explode();
    // One frame of the splat; at its end the monster leaves its parent and the floor.
    virtual void updateExplosion();

    int hp = 0;
    runtime::Ref<MonsterData> data;
    runtime::Ref<BitmapSprite> animSprite;
    runtime::Ref<BitmapSprite> attackSprite;
    // Where the feet touch the ground, in the object's pixels.
    runtime::Ref<framework::Point> groundPoint;
    bool inBattle = false;
    bool isBoss = false;
    int attackSpriteX = 0;
    int attackSpriteXFlipped = 0;
    runtime::Ref<BitmapSprite> explosion;
    bool exploding = false;
    runtime::Ref<framework::Bitmap> shadow;
    double idleOriginY = 0;
    double attackOriginY = 0;
};

}  // namespace game
