#pragma once
// The definition of one kind of monster, read from the monster table: combat numbers, floor
// range, rewards and drops, and what its sprites need (frame strips, animations, shadow, attack
// effect, offsets). MONSTERS holds every definition in table order; new game plus rewrites their
// combat numbers in place after each reading.
#include <vector>

#include "framework/display/BitmapData.h"
#include "framework/geom/Point.h"
#include "game/kit/Anim.h"

namespace game {

class MonsterData : public runtime::Object {
    RUNTIME_CLASS(MonsterData)
public:
    using BMD = runtime::Ref<framework::BitmapData>;
    using AnimRef = runtime::Ref<Anim>;
    using List = std::vector<runtime::Ref<MonsterData>>;

    static constexpr const char* TABLE = "assets/xml/monsters.xml";

    // Every definition, in table order; a new list on every createMonsters.
    static inline List MONSTERS;
    // Stands in for every animation of a monster without a picture.
    static inline const AnimRef MISSING_GRAPHIC_ANIM = runtime::make<Anim>(0, 0, 1, 1, 1, false);

    // Sets the defaults and loads the two frame strips ("assets/x2/monsters/" + the name without
    // spaces + "Idle.png" / "Attack.png"); the demon gets the invisible pixel for both.
    MonsterData(const runtime::String& name, int id);
    explicit MonsterData(runtime::NoInit) {}

    BMD bmd;
    BMD attackBMD;
    BMD shadowBMD;
    AnimRef idleAnim;
    int idleFrames = 0;
    AnimRef attackAnim;
    AnimRef attackIdleAnim;
    int attackFrameWidth = 0;
    int attackFrameHeight = 0;
    int attackDelay = 0;
    int damageFrame = 0;
    runtime::Ref<framework::Point> groundPoint;
    // 0 marks a monster without a picture.
    int frameWidth = 0;
    int frameHeight = 0;
    bool flying = false;
    bool attIdleAnim = false;
    AnimRef effectAnim;
    BMD effectBMD;
    int effectFrame = 0;
    int idleShadOffsetX = 0;
    int idleShadOffsetY = 0;
    int attackShadOffsetX = 0;
    int attackShadOffsetY = 0;
    int attackOffsetX = 0;
    int attackOffsetY = 0;
    int effectX = 0;
    int effectY = 0;
    bool stationary = false;
    bool attackHasIdleAnim = false;
    // The stem of a sound under "assets/audio/oggs/"; null when the table names none.
    runtime::String attackSound = "";
    bool randomAtack = false;
    int id = 0;
    runtime::String name;
    int minFloor = 0;
    int maxFloor = 0;
    int maxHP = 0;
    int attack = 0;
    int defense = 0;
    int defFire = 0, defEarth = 0, defWind = 0, defIce = 0, defDark = 0, defLight = 0;
    int attFire = 0, attEarth = 0, attWind = 0, attIce = 0, attDark = 0, attLight = 0;
    // An Element type.
    int weak = 0;
    bool bleed = true;
    // Item ids, and one chance in percent per entry.
    std::vector<int> drops;
    std::vector<int> dropChances;
    int exp = 0;
    int gold = 0;

    // Builds MONSTERS anew from the monster table and sets Monster::FLY_HEIGHT. A table that is
    // missing or is not XML stops with an error naming it.
    static void createMonsters();
    // Builds MONSTERS from table text; path names the table in errors.
    static void readMonsters(const runtime::String& path, const runtime::String& source);
    // Gives data the attack effect of that name; other names (and null) change nothing.
    static void setEffect(const runtime::Ref<MonsterData>& data, const runtime::String& effectName);
    // The first definition with that id, or null.
    static runtime::Ref<MonsterData> findDataWithID(int id);
    // "fire", "ice", "earth", "wind", "dark", "light" to their Element type; anything else TYPE_NONE.
    static int getWeaknessType(const runtime::String& text);
    // Scales every definition for the current new-game-plus count (GameData::newGamePlusNum).
    static void adjustForNewGamePlus();
    // Scales every definition for new game plus number n; 0 changes nothing. Results outside the
    // 32-bit range are held at its ends.
    static void adjustForNewGamePlus(int n);
    // A table integer: optional sign, then decimal digits up to the first other character; 0
    // when there are none (or for null).
    static int parseInteger(const runtime::String& text);
};

}  // namespace game
