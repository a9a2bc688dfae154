#pragma once
// One fight between the hero and one monster, played on the map: the two swing clocks, the moves
// of both sprites between fixed points around the monster's tile, the hits and their numbers,
// spells on the hero's weapon, bleeding, running away, victory and death. The exploration state
// makes one per fight and calls update once a frame while the hero is not walking; the battle
// hands back through MapState::endBattle.
#include <array>
#include <vector>

#include "Damage.h"
#include "DemonOrb.h"
#include "Hero.h"
#include "Monster.h"
#include "Particle.h"
#include "game/kit/BasicMeter.h"
#include "game/kit/TextSprite.h"

namespace game {

class MapState;

class Battle : public runtime::Object {
    RUNTIME_CLASS(Battle)
public:
    using PointRef = runtime::Ref<framework::Point>;

    static constexpr int REST_VERTICAL_DISTANCE = 10;
    static constexpr int REST_VERTICAL_HORIZONTAL_DISTANCE = 12;
    static constexpr int REST_HORIZONTAL_DISTANCE = 15;
    static constexpr int ATTACK_VERTICAL_DISTANCE = 2;
    static constexpr int ATTACK_VERTICAL_HORIZONTAL_DISTANCE = 5;
    static constexpr int ATTACK_HORIZONTAL_DISTANCE = 7;
    // A horizontal approach shifts the fight this far toward the side the hero came from.
    static constexpr int HORIZONTAL_SHIFT = 20;
    static constexpr int BLEED_DRAIN_FRAMES_60FPS = 40;
    static inline int BLEED_DRAIN_FRAMES = 40;
    static constexpr int RUN_AWAY_FRAMES_60FPS = 80;
    static inline int RUN_AWAY_FRAMES = 80;
    static constexpr int RUN_AWAY_METER_WIDTH = 30;
    static constexpr int RUN_AWAY_METER_HEIGHT = 3;
    // Pixels per update the hero walks back to its tile after a victory.
    static constexpr double END_WALK_SPEED = 5;
    static inline const runtime::String NO_EFFECT = "No Effect";
    static inline const runtime::String FIRE_SWORD = "Flamestrike";
    static inline const runtime::String ICE_SWORD = "Iceslash";
    static inline const runtime::String EARTH_SWORD = "Earthspike";
    static inline const runtime::String WIND_SWORD = "Windblast";
    static inline const runtime::String DARK_BURST = "Darkburst";
    static inline const runtime::String LIGHT_BEAM = "Lightbeam";

    // direction: the hero's step onto the monster's tile (a MapState MOVE_ constant).
    Battle(const runtime::Ref<MapState>& mapState, const runtime::Ref<Monster>& monster, int direction);
    explicit Battle(runtime::NoInit) {}

    virtual void cameraDoneSettingUp();
    virtual void update();
    virtual void orbExplode(bool darkFire);
    virtual void updateBleedDrain();
    virtual int getMonsterCenterX();
    virtual void updateParticles();
    virtual void resetMonsterToIdle();
    virtual void giveDamage();
    virtual void takeDamage(const runtime::String& attackSound);
    virtual void monsterDead();
    virtual void updateEndingBattle();
    virtual void useAttackSpell(const runtime::Ref<Item>& item);
    virtual void heroDead();
    virtual void showDeathText();
    virtual void startRunAway();
    virtual void endBattle();
    // Removes every orb in flight and destroys it; update drops them from orbs.
    virtual void destroyOrbs();
    virtual void stopRunAway();

    // The slow-battle factor (2 with slow battles, else 1) and the frame-rate factor (0.5 at 30).
    static int slowFactor();
    static double rateFactor();
    // The item id a beaten monster drops (two draws: whether, then which), or -1.
    static int chooseDrop(const MonsterData& data);

    bool runningAway = false;
    runtime::String magicEffect = NO_EFFECT;
    // The exploration state, which owns the battle.
    runtime::Weak<MapState> mapState;
    runtime::Ref<Hero> hero;
    PointRef heroStartPoint, heroRestPoint, heroAttackPoint;
    bool heroFirstAttack = true;
    int heroMoveFrame = 0;
    bool heroGaveDamage = false;
    runtime::Ref<Monster> monster;
    PointRef monsterStartPoint, monsterRestPoint, monsterAttackPoint;
    int monsterMoveFrame = 0;
    bool monsterGaveDamage = false;
    bool monsterGettingInPostion = true;
    int heroTime = 0;
    int monsterTime = 0;
    bool heroAttacking = true;
    bool monsterAttacking = false;
    bool battleEnding = false;
    PointRef endPoint;
    bool cameraSet = false;
    std::vector<runtime::Ref<Particle>> particles;
    // The demon's orbs in flight; empty for every other monster.
    std::vector<runtime::Ref<DemonOrb>> orbs;
    bool magicEffectJustStarted = false;
    runtime::Ref<Item> itemBonus;
    bool monsterEffectAdded = false;
    bool dieing = false;
    int bleed = 0;
    int lifeDrain = 0;
    bool bleedDrainStarted = false;
    int bleedDrainTime = 0;
    int runAwayTime = 0;
    runtime::Ref<BasicMeter> runAwayMeter;
    runtime::Ref<TextSprite> runAwayText;
    bool victory = false;
    int monsterBonusFire = 0, monsterBonusIce = 0, monsterBonusEarth = 0, monsterBonusWind = 0, monsterBonusDark = 0,
        monsterBonusLight = 0;
    runtime::Ref<BitmapSprite> heroAttackSprite;
    runtime::Ref<BitmapSprite> monsterAttackSprite;
    bool firstHit = false;
    // Element of a random-element monster's current strike (as written into the definition
    // before; kept here so other monsters of the kind stay as the table made them).
    runtime::String monsterAttackSound;
    int monsterEffectX = 0;
    int monsterEffectY = 0;

private:
    MapState& map() const { return *mapState.get(); }
    void updateHeroPhase();
    bool updateMonsterPhase();
    void showSpellAtMonster();
    void showMonsterAttackEffect();
    // The demon's turn: one hand opens and throws a big orb.
    void throwDemonOrb();
    void emitSwordParticles();
    // A short text over the map that floats up by rise and fades out over seconds.
    void floatText(const runtime::Ref<TextSprite>& text, double x, double y, double seconds, double rise,
                   const runtime::Ref<::tween::IEasing>& ease, bool menuEffect);
    // Adds a sprite to the map's top layer and its effect list.
    void addMapEffect(const runtime::Ref<BitmapSprite>& sprite);
    void addDamageText(int amount, int type, double x, double y, bool leftward, bool crit, int floorOffset);
    Damage::Elements monsterBonus() const;
    void clearParticles();
    void showRegenText(int amount, const runtime::Ref<SpriteFont>& font, double y, double rise);
    void rollDrop();
    void enemyPanel(const char* operation, std::optional<int> change = std::nullopt);
    void placeSprite(const runtime::Ref<framework::DisplayObject>& sprite, const PointRef& from, const PointRef& to,
                     double t);
};

}  // namespace game
