#include "EngRandom.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace engine {

int32_t EngRandom::set_globalSeed(int32_t value) {
    if (value < 1) value = 1;
    globalSeed = value;
    _internalSeed = value;
    return value;
}

int32_t EngRandom::resetGlobalSeed() {
    static std::mt19937_64 source{std::random_device{}()};
    double u = std::uniform_real_distribution<double>(0.0, 1.0)(source);
    return set_globalSeed(static_cast<int32_t>(u * 2147483647.0));
}

int32_t EngRandom::generate() {
    // The product wraps to 32 bits before the remainder, as the generator always did.
    int32_t p = static_cast<int32_t>(static_cast<uint32_t>(_internalSeed) * static_cast<uint32_t>(MULTIPLIER));
    int32_t r = p % MODULUS;
    _internalSeed = r & 0x7FFFFFFF;
    return _internalSeed;
}

double EngRandom::float_() { return generate() / 2147483647.0; }

int32_t EngRandom::intRanged(int32_t min, int32_t max, const std::vector<int32_t>* excludes) {
    if (min == max) {
        _intHelper = min;
        return min;
    }
    if (min > max) std::swap(min, max);
    double span = static_cast<double>(static_cast<int64_t>(max) - min + 1);
    for (;;) {
        _intHelper = static_cast<int32_t>(std::floor(min + float_() * span));
        if (!excludes || std::find(excludes->begin(), excludes->end(), _intHelper) == excludes->end())
            return _intHelper;
    }
}

double EngRandom::floatRanged(double min, double max, const std::vector<double>* excludes) {
    if (min == max) {
        _floatHelper = min;
        return min;
    }
    if (min > max) std::swap(min, max);
    for (;;) {
        _floatHelper = min + float_() * (max - min);
        if (!excludes || std::find(excludes->begin(), excludes->end(), _floatHelper) == excludes->end())
            return _floatHelper;
    }
}

}  // namespace engine
