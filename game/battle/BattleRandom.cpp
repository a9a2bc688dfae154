#include "BattleRandom.h"

#include <cmath>
#include <random>

namespace game {

BattleRandom::Source& BattleRandom::source() {
    static Source s = FloorRandom::seeded(std::random_device{}());
    return s;
}

double BattleRandom::next() {
    const double v = source()();
    return v < 1.0 ? (v < 0.0 ? 0.0 : v) : std::nextafter(1.0, 0.0);
}

void BattleRandom::setSource(Source s) {
    source() = s ? std::move(s) : FloorRandom::seeded(std::random_device{}());
}

}  // namespace game
