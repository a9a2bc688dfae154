#include "OptimizedPerlin.h"

#include <cmath>

#include "BitmapData.h"
#include "platform/runtime/Numbers.h"

namespace framework {

namespace {
constexpr int PERM[256] = {
    151, 160, 137, 91,  90,  15,  131, 13,  201, 95,  96,  53,  194, 233, 7,   225, 140, 36,  103, 30,  69,  142,
    8,   99,  37,  240, 21,  10,  23,  190, 6,   148, 247, 120, 234, 75,  0,   26,  197, 62,  94,  252, 219, 203,
    117, 35,  11,  32,  57,  177, 33,  88,  237, 149, 56,  87,  174, 20,  125, 136, 171, 168, 68,  175, 74,  165,
    71,  134, 139, 48,  27,  166, 77,  146, 158, 231, 83,  111, 229, 122, 60,  211, 133, 230, 220, 105, 92,  41,
    55,  46,  245, 40,  244, 102, 143, 54,  65,  25,  63,  161, 1,   216, 80,  73,  209, 76,  132, 187, 208, 89,
    18,  169, 200, 196, 135, 130, 116, 188, 159, 86,  164, 100, 109, 198, 173, 186, 3,   64,  52,  217, 226, 250,
    124, 123, 5,   202, 38,  147, 118, 126, 255, 82,  85,  212, 207, 206, 59,  227, 47,  16,  58,  17,  182, 189,
    28,  42,  223, 183, 170, 213, 119, 248, 152, 2,   44,  154, 163, 70,  221, 153, 101, 155, 167, 43,  172, 9,
    129, 22,  39,  253, 19,  98,  108, 110, 79,  113, 224, 232, 178, 185, 112, 104, 218, 246, 97,  228, 251, 34,
    242, 193, 238, 210, 144, 12,  191, 179, 162, 241, 81,  51,  145, 235, 249, 14,  239, 107, 49,  192, 214, 31,
    181, 199, 106, 157, 184, 84,  204, 176, 115, 121, 50,  45,  127, 4,   150, 254, 138, 236, 205, 93,  222, 114,
    67,  29,  24,  72,  243, 141, 128, 195, 78,  66,  215, 61,  156, 180};

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double lerp(double t, double a, double b) { return a + t * (b - a); }
double grad(int h, double x, double y, double z) {
    h &= 15;
    double a = h < 8 ? x : y;
    double b = h < 4 ? y : (h == 12 || h == 14) ? x : z;
    return ((h & 1) ? -a : a) + ((h & 2) ? -b : b);
}
int toInt(double v) { return runtime::Value(v).toInt(); }
int p(int i) { return i >= 0 && i < 512 ? OptimizedPerlin::P[i] : 0; }
}  // namespace

const std::array<int, 512> OptimizedPerlin::P = [] {
    std::array<int, 512> a{};
    for (int i = 0; i < 512; ++i) a[i] = PERM[i & 255];
    return a;
}();

OptimizedPerlin::OptimizedPerlin(int seed, int octaves, double falloff) : octaves(octaves), baseFactor(1.0 / 64) {
    seedOffset(seed);
    octFreqPers(falloff);
}

void OptimizedPerlin::seedOffset(int seed) {
    iXoffset = toInt(std::fmod(seed * 16807.0, 2147483647.0));
    iYoffset = toInt(std::fmod(iXoffset * 16807.0, 2147483647.0));
    iZoffset = toInt(std::fmod(iYoffset * 16807.0, 2147483647.0));
}

void OptimizedPerlin::octFreqPers(double persistence) {
    aOctFreq.clear();
    aOctPers.clear();
    fPersMax = 0;
    for (int i = 0; i < octaves; ++i) {
        double freq = std::pow(2.0, i), pers = std::pow(persistence, i);
        fPersMax += pers;
        aOctFreq.push_back(freq);
        aOctPers.push_back(pers);
    }
    fPersMax = 1 / fPersMax;
}

double OptimizedPerlin::noise(double x, double y, double z) {
    int X = toInt(x - std::fmod(x, 1.0)) & 255, Y = toInt(y - std::fmod(y, 1.0)) & 255,
        Z = toInt(z - std::fmod(z, 1.0)) & 255;
    x = std::fmod(x, 1.0);
    y = std::fmod(y, 1.0);
    z = std::fmod(z, 1.0);
    double u = fade(x), v = fade(y), w = fade(z);
    int A = p(X) + Y, AA = p(A) + Z, AB = p(A + 1) + Z, B = p(X + 1) + Y, BA = p(B) + Z, BB = p(B + 1) + Z;
    return lerp(w,
                lerp(v, lerp(u, grad(p(AA), x, y, z), grad(p(BA), x - 1, y, z)),
                     lerp(u, grad(p(AB), x, y - 1, z), grad(p(BB), x - 1, y - 1, z))),
                lerp(v, lerp(u, grad(p(AA + 1), x, y, z - 1), grad(p(BA + 1), x - 1, y, z - 1)),
                     lerp(u, grad(p(AB + 1), x, y - 1, z - 1), grad(p(BB + 1), x - 1, y - 1, z - 1))));
}

void OptimizedPerlin::fill(const runtime::Ref<BitmapData>& bitmap, double x, double y, double z, const runtime::Value&) {
    double x0 = x * baseFactor + iXoffset, py = y * baseFactor + iYoffset, pz = z * baseFactor + iZoffset;
    int width = bitmap->get_width(), height = bitmap->get_height();
    const int n = octaves;
    for (int row = 0; row < height; ++row) {
        double px = x0;
        for (int col = 0; col < width; ++col) {
            double s = 0;
            for (int i = 0; i < n; ++i) {
                double f = i < static_cast<int>(aOctFreq.size()) ? aOctFreq[i] : 0;
                double w = i < static_cast<int>(aOctPers.size()) ? aOctPers[i] : 0;
                s += noise(px * f, py * f, pz * f) * w;
            }
            int c = toInt((s * fPersMax + 1) * 128);
            uint32_t word = ((((static_cast<uint32_t>(c) | 0xFFFFFF00u) << 8) | static_cast<uint32_t>(c)) << 8) |
                            static_cast<uint32_t>(c);
            bitmap->setPixel32(col, row, static_cast<int>(word));
            px += baseFactor;
        }
        py += baseFactor;
    }
}

}  // namespace framework

using framework::OptimizedPerlin;

namespace {
runtime::Ref<runtime::Array> P_ = [] {
    auto a = runtime::make<runtime::Array>();
    for (int v : OptimizedPerlin::P) a->push(v);
    return a;
}();
}

RUNTIME_DEFINE_CLASS(OptimizedPerlin, "framework._native.display.OptimizedPerlin", runtime::Object, (auto& b) {
    b.template field<&OptimizedPerlin::octaves>("octaves")
        .template field<&OptimizedPerlin::fPersMax>("fPersMax")
        .template field<&OptimizedPerlin::iXoffset>("iXoffset")
        .template field<&OptimizedPerlin::iYoffset>("iYoffset")
        .template field<&OptimizedPerlin::iZoffset>("iZoffset")
        .template field<&OptimizedPerlin::baseFactor>("baseFactor")
        .template method<&OptimizedPerlin::fill>("fill")
        .template method<&OptimizedPerlin::octFreqPers>("octFreqPers")
        .template method<&OptimizedPerlin::seedOffset>("seedOffset")
        .template staticField<&P_>("P")
        .emptyInstance();
})
