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
    static inline double _floatHelper = 0;

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
