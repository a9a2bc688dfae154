#pragma once
// The one source of the battle's random numbers (damage spread, critical hits, dodges, drops,
// particles): uniform in [0, 1), drawn afresh at each use. Tests put a scripted or seeded source
// in its place so that fights replay.
#include "game/floor/FloorRandom.h"

namespace game {

class BattleRandom {
public:
    using Source = FloorRandom::Source;

    static double next();
    // Replaces the source; an empty one restores the default (seeded from the system).
    static void setSource(Source source);

private:
    static Source& source();
};

}  // namespace game
