#pragma once
// The engine's one seeded pseudo-random generator (multiplier 48271, modulus 2^31 - 1), shared by
// the whole program so that a run can be repeated from its seed.
#include <cstdint>
#include <vector>

#include "platform/runtime/Ref.h"

namespace engine {

class EngRandom {
public:
    static constexpr int32_t MULTIPLIER = 48271;
    static constexpr int32_t MODULUS = 2147483647;

    static inline int32_t globalSeed = 1;
    static inline int32_t _internalSeed = 1;
    static inline int32_t _intHelper = 0;
    static inline int32_t _intHelper2 = 0;
    static inline int32_t _intHelper3 = 0;
    static inline double _floatHelper = 0;
    static inline int32_t _red = 0;
    static inline int32_t _green = 0;
    static inline int32_t _blue = 0;
    static inline int32_t _alpha = 0;

    // Seeds below 1 become 1; sets both the seed and the generator state.
    static int32_t set_globalSeed(int32_t value);
    // A new seed from the platform's uniform source.
    static int32_t resetGlobalSeed();
    // One generator step; the new state.
    static int32_t generate();
    static int32_t int_() { return generate(); }
    // One step scaled to [0, 1).
    static double float_();
    // An integer from min to max, both included, never one of excludes.
    static int32_t intRanged(int32_t min = 0, int32_t max = 2147483647, const std::vector<int32_t>* excludes = nullptr);
    // A float from min (included) towards max (excluded), never one of excludes.
    static double floatRanged(double min = 0, double max = 1, const std::vector<double>* excludes = nullptr);

    // True with chance per cent (one draw).
    static bool chanceRoll(double chance = 50);
    // 1 with chance per cent, else -1.
    static int32_t sign(double chance = 50);
    // An index drawn in proportion to its weight; when none is chosen, the last integer result.
    static int32_t weightedPick(const std::vector<double>& weights);
    // A random colour, each component from min to max; greyScale draws once for all three.
    static int32_t color(int32_t min = 0, int32_t max = 255, int32_t alpha = 255, bool greyScale = false);
    // A random colour with a range per component; an alpha bound of -1 means 255.
    static int32_t colorExt(int32_t minR = 0, int32_t maxR = 255, int32_t minG = 0, int32_t maxG = 255,
                            int32_t minB = 0, int32_t maxB = 255, int32_t alphaMin = -1, int32_t alphaMax = -1);

    // howManyTimes swaps of two random positions, in place.
    template <class T>
    static std::vector<T>& shuffleArray(std::vector<T>& objects, int howManyTimes) {
        int length = static_cast<int>(objects.size());
        for (int n = 0; n < howManyTimes; ++n) {
            _intHelper2 = intRanged(0, length - 1);
            _intHelper3 = intRanged(0, length - 1);
            if (_intHelper2 < 0 || _intHelper3 < 0 || _intHelper2 >= length || _intHelper3 >= length) continue;
            T saved = objects[_intHelper2];
            objects[_intHelper2] = objects[_intHelper3];
            objects[_intHelper3] = saved;
        }
        return objects;
    }

    // Null for an empty list; otherwise a random entry between the two indices (both included,
    // put in order, the upper one clamped to the last index when below 1 or past it).
    template <class T>
    static runtime::Ref<T> getObject(const std::vector<runtime::Ref<T>>& objects, int startIndex = 0,
                                     int endIndex = 0) {
        int length = static_cast<int>(objects.size());
        if (length == 0) return nullptr;
        if (startIndex < 0) startIndex = 0;
        if (endIndex < startIndex) std::swap(startIndex, endIndex);
        if (endIndex <= 0 || endIndex > length - 1) endIndex = length - 1;
        int i = intRanged(startIndex, endIndex);
        return i >= 0 && i < length ? objects[i] : nullptr;
    }
};

}  // namespace engine
