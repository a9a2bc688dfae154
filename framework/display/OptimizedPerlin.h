#pragma once
// Improved Perlin noise summed over octaves, written into a bitmap as opaque greys.
#include <array>
#include <vector>

#include "platform/runtime/ClassBuilder.h"

namespace framework {

class BitmapData;

class OptimizedPerlin : public runtime::Object {
    RUNTIME_CLASS(OptimizedPerlin)
public:
    explicit OptimizedPerlin(int seed = 123, int octaves = 4, double falloff = 0.5);
    explicit OptimizedPerlin(runtime::NoInit) {}

    // The reference permutation table, twice over.
    static const std::array<int, 512> P;

    int octaves = 0;
    std::vector<double> aOctFreq;
    std::vector<double> aOctPers;
    double fPersMax = 0;
    double iXoffset = 0, iYoffset = 0, iZoffset = 0;
    double baseFactor = 0;

    // Every pixel of bitmap, lattice origin shifted by (x, y, z) pixels. The last argument is
    // ignored.
    virtual void fill(const runtime::Ref<BitmapData>& bitmap, double x, double y, double z,
                      const runtime::Value& unused = runtime::Value());
    virtual void octFreqPers(double persistence);
    virtual void seedOffset(int seed);

    static double noise(double x, double y, double z);
};

}  // namespace framework
