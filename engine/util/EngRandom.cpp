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

bool EngRandom::chanceRoll(double chance) { return floatRanged(0, 100) < chance; }

int32_t EngRandom::sign(double chance) { return floatRanged(0, 100) < chance ? 1 : -1; }

int32_t EngRandom::weightedPick(const std::vector<double>& weights) {
    _floatHelper = 0;
    for (double w : weights) _floatHelper += w;
    double r = floatRanged(0, _floatHelper);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] > r) {
            _intHelper = static_cast<int32_t>(i);
            return _intHelper;
        }
        r -= weights[i];
        _floatHelper = r;
    }
    return _intHelper;
}

namespace {
int32_t clampByte(int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
int32_t alphaByte(double a) { return static_cast<int32_t>(a > 1 ? a : a * 255.0); }
int32_t compose(int32_t a, int32_t r, int32_t g, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r & 0xFF) << 16 |
                                static_cast<uint32_t>(g & 0xFF) << 8 | static_cast<uint32_t>(b & 0xFF));
}
}  // namespace

int32_t EngRandom::color(int32_t min, int32_t max, int32_t alpha, bool greyScale) {
    min = clampByte(min);
    max = clampByte(max);
    alpha = clampByte(alpha);
    if (max < min) std::swap(min, max);
    _red = intRanged(min, max);
    if (greyScale) {
        _green = _red;
        _blue = _red;
    } else {
        _green = intRanged(min, max);
        _blue = intRanged(min, max);
    }
    return compose(alphaByte(alpha), _red, _green, _blue);
}

int32_t EngRandom::colorExt(int32_t minR, int32_t maxR, int32_t minG, int32_t maxG, int32_t minB, int32_t maxB,
                            int32_t alphaMin, int32_t alphaMax) {
    minR = clampByte(minR), maxR = clampByte(maxR), minG = clampByte(minG), maxG = clampByte(maxG);
    minB = clampByte(minB), maxB = clampByte(maxB);
    if (alphaMin == -1) alphaMin = 255;
    if (alphaMax == -1) alphaMax = 255;
    alphaMin = clampByte(alphaMin);
    alphaMax = clampByte(alphaMax);
    _red = intRanged(minR, maxR);
    _green = intRanged(minG, maxG);
    _blue = intRanged(minB, maxB);
    _alpha = intRanged(alphaMin, alphaMax);
    return compose(alphaByte(_alpha), _red, _green, _blue);
}

}  // namespace engine
