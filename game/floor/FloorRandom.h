#pragma once
// The one source of the floor's random numbers: uniform in [0, 1), drawn afresh at each use.
// Tests put a seeded or scripted source in its place.
#include <cstdint>
#include <functional>

namespace game {

class FloorRandom {
public:
    using Source = std::function<double()>;

    static double next();
    // Replaces the source; an empty one restores the default (seeded from the system).
    static void setSource(Source source);
    // A source of its own generator with the seed, for reproducible floors.
    static Source seeded(uint64_t seed);

private:
    static Source& source();
};

}  // namespace game
