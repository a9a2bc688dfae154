#include "FloorRandom.h"

#include <cmath>
#include <memory>
#include <random>

namespace game {

FloorRandom::Source FloorRandom::seeded(uint64_t seed) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::generate_canonical<double, 53>(*engine); };
}

FloorRandom::Source& FloorRandom::source() {
    static Source s = seeded(std::random_device{}());
    return s;
}

double FloorRandom::next() {
    const double v = source()();
    // generate_canonical may round up to 1 on some libraries.
    return v < 1.0 ? v : std::nextafter(1.0, 0.0);
}

void FloorRandom::setSource(Source s) { source() = s ? std::move(s) : seeded(std::random_device{}()); }

}  // namespace game
