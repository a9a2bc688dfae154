#include "SoundMaker.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <random>

namespace tools {

namespace {
constexpr double TAU = 2 * std::numbers::pi;

enum class Wave { SINE, SQUARE, SAW, TRIANGLE };

double wave(Wave w, double phase) {
    double p = phase - std::floor(phase);
    switch (w) {
    case Wave::SINE: return std::sin(TAU * p);
    case Wave::SQUARE: return p < 0.5 ? 0.6 : -0.6;
    case Wave::SAW: return 2 * p - 1;
    default: return 4 * std::abs(p - 0.5) - 1;
    }
}

double midi(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A mono buffer with additive drawing operations.
struct Track {
    int rate;
    std::vector<float> s;
    std::mt19937 rng;
    explicit Track(int r, double seconds, unsigned seed = 1) : rate(r), s(static_cast<std::size_t>(seconds * r)), rng(seed) {}

    double noise() { return std::uniform_real_distribution<double>(-1, 1)(rng); }
    void add(std::size_t i, double v) {
        if (i < s.size()) s[i] += static_cast<float>(v);
    }
    // A pitched sweep from f0 to f1 with an attack and an exponential decay.
    void tone(double at, double dur, double f0, double f1, Wave w, double amp, double attack = 0.005, double vibrato = 0) {
        double phase = 0;
        auto n = static_cast<std::size_t>(dur * rate);
        auto start = static_cast<std::size_t>(at * rate);
        for (std::size_t i = 0; i < n; ++i) {
            double t = static_cast<double>(i) / rate;
            double f = f0 * std::pow(f1 / f0, t / dur) * (1 + vibrato * std::sin(TAU * 5.5 * t));
            phase += f / rate;
            double env = std::min(1.0, t / attack) * std::exp(-4.0 * t / dur) * (1 - std::pow(t / dur, 8));
            add(start + i, amp * env * wave(w, phase));
        }
    }
    // Noise through a one-pole low-pass whose cutoff sweeps from c0 to c1 (Hz).
    void hiss(double at, double dur, double c0, double c1, double amp, double attack = 0.003, double decay = 4.0) {
        double y = 0;
        auto n = static_cast<std::size_t>(dur * rate);
        auto start = static_cast<std::size_t>(at * rate);
        for (std::size_t i = 0; i < n; ++i) {
            double t = static_cast<double>(i) / rate;
            double cut = c0 * std::pow(c1 / c0, t / dur);
            double a = 1 - std::exp(-TAU * cut / rate);
            y += a * (noise() - y);
            double env = std::min(1.0, t / attack) * std::exp(-decay * t / dur) * (1 - std::pow(t / dur, 8));
            add(start + i, amp * env * y * (1.5 + 2000 / (cut + 300)));
        }
    }
    void echo(double delay, double feedback) {
        auto d = static_cast<std::size_t>(delay * rate);
        for (std::size_t i = d; i < s.size(); ++i) s[i] += static_cast<float>(feedback * s[i - d]);
    }
    void normalise(double peak) {
        float m = 0;
        for (float v : s) m = std::max(m, std::abs(v));
        if (m > 0)
            for (float& v : s) v = static_cast<float>(v / m * peak);
        std::size_t fade = std::min<std::size_t>(s.size(), static_cast<std::size_t>(rate * 0.01));
        for (std::size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
};

using Recipe = std::function<void(Track&)>;

void clang(Track& t, double at, double f, double amp) {
    for (double k : {1.0, 2.76, 5.4, 8.9}) t.tone(at, 0.5, f * k, f * k * 0.995, Wave::SINE, amp / k, 0.001);
    t.hiss(at, 0.05, 6000, 3000, amp * 0.6);
}
void swish(Track& t, double at, double dur, double amp) { t.hiss(at, dur, 800, 5000, amp, dur * 0.4, 3); }
void thud(Track& t, double at, double f, double amp) {
    t.tone(at, 0.25, f, f * 0.4, Wave::SINE, amp, 0.002);
    t.hiss(at, 0.12, 900, 200, amp * 0.7);
}
void chime(Track& t, double at, const std::vector<double>& notes, double step, double amp) {
    for (std::size_t i = 0; i < notes.size(); ++i) {
        t.tone(at + i * step, 0.6, midi(notes[i]), midi(notes[i]), Wave::SINE, amp, 0.003);
        t.tone(at + i * step, 0.4, midi(notes[i] + 12), midi(notes[i] + 12), Wave::TRIANGLE, amp * 0.3, 0.003);
    }
}
void coins(Track& t, double at, int n, double amp) {
    for (int i = 0; i < n; ++i) {
        double f = 2400 + 900 * std::sin(i * 2.1);
        t.tone(at + i * 0.045, 0.18, f, f, Wave::SINE, amp, 0.001);
        t.tone(at + i * 0.045, 0.12, f * 1.5, f * 1.5, Wave::SINE, amp * 0.5, 0.001);
    }
}
void rustle(Track& t, double at, double amp, double c) {
    for (int i = 0; i < 3; ++i) t.hiss(at + i * 0.05, 0.09, c, c * 1.6, amp * (1 - i * 0.2), 0.01);
}
void creak(Track& t, double at, double dur, double f, double amp) {
    for (int i = 0; i < static_cast<int>(dur * 60); ++i) t.tone(at + i / 60.0, 0.03, f + 30 * std::sin(i * 0.7), f, Wave::SAW, amp * 0.5, 0.002);
}
void bubbles(Track& t, double at, int n, double f, double amp) {
    for (int i = 0; i < n; ++i) {
        double ff = f * (1 + 0.3 * std::sin(i * 1.7));
        t.tone(at + i * 0.06, 0.08, ff, ff * 1.8, Wave::SINE, amp, 0.002);
    }
}
void roar(Track& t, double at, double dur, double f0, double f1, double amp) {
    t.tone(at, dur, f0, f1, Wave::SAW, amp * 0.5, 0.05, 0.03);
    t.tone(at, dur, f0 * 1.01, f1 * 1.02, Wave::SQUARE, amp * 0.3, 0.05, 0.04);
    t.hiss(at, dur, 600, 300, amp * 0.6, 0.05, 2);
}
void zap(Track& t, double at, double f0, double f1, double dur, double amp) {
    t.tone(at, dur, f0, f1, Wave::SQUARE, amp * 0.6, 0.002, 0.05);
    t.tone(at, dur, f0 * 1.5, f1 * 1.5, Wave::SAW, amp * 0.3, 0.002);
}
void thunder(Track& t, double at, double amp, double len) {
    t.hiss(at, 0.25, 4000, 800, amp, 0.002);
    for (int i = 0; i < 5; ++i) t.hiss(at + 0.15 + i * 0.25, len, 300, 60, amp * (0.8 - i * 0.1), 0.05, 2.5);
}

const std::map<std::string, std::pair<double, Recipe>>& recipes() {
    static const std::map<std::string, std::pair<double, Recipe>> r = {
        {"axe", {0.6, [](Track& t) { swish(t, 0, 0.18, 0.5); thud(t, 0.16, 160, 0.9); clang(t, 0.16, 420, 0.3); }}},
        {"basicStrike", {0.45, [](Track& t) { swish(t, 0, 0.15, 0.6); thud(t, 0.13, 220, 0.6); }}},
        {"beatTheGame", {3.0, [](Track& t) { chime(t, 0, {60, 64, 67, 72, 67, 72, 76, 79}, 0.18, 0.5); t.tone(1.5, 1.4, midi(48), midi(48), Wave::SAW, 0.25, 0.05); }}},
        {"buy", {0.6, [](Track& t) { coins(t, 0, 5, 0.4); t.tone(0.25, 0.3, 1320, 1320, Wave::SINE, 0.3); }}},
        {"chestArtifactOpen", {1.6, [](Track& t) { creak(t, 0, 0.35, 180, 0.4); chime(t, 0.35, {72, 76, 79, 84, 88}, 0.09, 0.5); }}},
        {"chestCraftOpen", {1.0, [](Track& t) { creak(t, 0, 0.3, 200, 0.4); chime(t, 0.3, {67, 71, 74}, 0.08, 0.4); }}},
        {"chestNormalOpen", {0.8, [](Track& t) { creak(t, 0, 0.4, 160, 0.5); thud(t, 0.4, 180, 0.4); }}},
        {"chomp", {0.35, [](Track& t) { thud(t, 0, 300, 0.5); t.hiss(0.02, 0.1, 2000, 800, 0.5); thud(t, 0.14, 260, 0.4); }}},
        {"club", {0.5, [](Track& t) { swish(t, 0, 0.15, 0.4); thud(t, 0.14, 120, 1.0); }}},
        {"craftPotion", {1.0, [](Track& t) { bubbles(t, 0, 12, 500, 0.4); chime(t, 0.7, {79}, 0.1, 0.3); }}},
        {"daggerDraw", {0.5, [](Track& t) { t.hiss(0, 0.35, 3000, 9000, 0.5, 0.05); t.tone(0, 0.4, 2600, 3200, Wave::SINE, 0.2, 0.05); }}},
        {"darkBurst", {1.2, [](Track& t) { t.tone(0, 1.1, 90, 45, Wave::SAW, 0.5, 0.01, 0.05); t.hiss(0, 0.8, 1500, 150, 0.7); zap(t, 0, 400, 80, 0.5, 0.3); }}},
        {"deleteSlot", {0.6, [](Track& t) { t.tone(0, 0.5, 600, 150, Wave::SQUARE, 0.4); t.hiss(0, 0.4, 3000, 300, 0.3); }}},
        {"demonDie", {3.0, [](Track& t) { roar(t, 0, 2.6, 140, 40, 0.8); thunder(t, 0.5, 0.5, 1.5); }}},
        {"demonSummon", {2.5, [](Track& t) { t.tone(0, 2.4, 40, 80, Wave::SAW, 0.6, 0.8, 0.02); t.hiss(0, 2.4, 100, 900, 0.4, 1.0, 1.5); chime(t, 1.6, {49, 52, 55}, 0.15, 0.3); }}},
        {"demonYell", {1.8, [](Track& t) { roar(t, 0, 1.6, 110, 70, 0.9); roar(t, 0.05, 1.5, 165, 100, 0.4); }}},
        {"door", {0.9, [](Track& t) { creak(t, 0, 0.5, 140, 0.5); thud(t, 0.55, 110, 0.7); }}},
        {"earthSpike", {1.0, [](Track& t) { t.hiss(0, 0.9, 200, 80, 0.8, 0.05, 2); t.tone(0, 0.6, 70, 40, Wave::SINE, 0.7); for (int i = 0; i < 4; ++i) thud(t, 0.15 + i * 0.12, 200 - i * 20, 0.4); }}},
        {"enchant", {1.4, [](Track& t) { chime(t, 0, {67, 71, 74, 79, 83, 86}, 0.07, 0.35); t.hiss(0, 1.2, 4000, 9000, 0.15, 0.3, 2); }}},
        {"equipBody", {0.4, [](Track& t) { rustle(t, 0, 0.5, 1200); clang(t, 0.12, 600, 0.15); }}},
        {"equipBoots", {0.35, [](Track& t) { thud(t, 0, 200, 0.4); thud(t, 0.12, 180, 0.4); }}},
        {"equipHands", {0.3, [](Track& t) { rustle(t, 0, 0.4, 2000); }}},
        {"equipHead", {0.4, [](Track& t) { clang(t, 0.02, 700, 0.35); rustle(t, 0, 0.2, 1500); }}},
        {"equipLegs", {0.35, [](Track& t) { rustle(t, 0, 0.45, 1000); }}},
        {"equipRing", {0.5, [](Track& t) { t.tone(0, 0.45, 3100, 3100, Wave::SINE, 0.4, 0.001); t.tone(0.05, 0.4, 4650, 4650, Wave::SINE, 0.2, 0.001); }}},
        {"equipShield", {0.5, [](Track& t) { clang(t, 0, 330, 0.5); thud(t, 0, 150, 0.4); }}},
        {"equipWeapon", {0.6, [](Track& t) { t.hiss(0, 0.3, 3000, 8000, 0.4, 0.03); clang(t, 0.25, 880, 0.3); }}},
        {"escapeSuccess", {1.6, [](Track& t) { t.hiss(0, 0.8, 400, 4000, 0.4, 0.4, 2); chime(t, 0.6, {72, 79, 84}, 0.12, 0.4); }}},
        {"findArtifact", {1.8, [](Track& t) { chime(t, 0, {67, 72, 76, 79}, 0.12, 0.45); chime(t, 0.55, {84, 88, 91}, 0.1, 0.35); }}},
        {"flowerAttack", {0.6, [](Track& t) { t.hiss(0, 0.3, 1500, 600, 0.5, 0.05); t.tone(0.05, 0.3, 300, 500, Wave::TRIANGLE, 0.3); }}},
        {"forge", {1.0, [](Track& t) { clang(t, 0, 520, 0.6); clang(t, 0.35, 540, 0.5); t.hiss(0.1, 0.8, 500, 300, 0.2, 0.1, 1); }}},
        {"gainGold", {0.5, [](Track& t) { coins(t, 0, 3, 0.45); }}},
        {"gameOver", {2.8, [](Track& t) { chime(t, 0, {67, 63, 60, 55}, 0.35, 0.4); t.tone(1.2, 1.5, midi(43), midi(42), Wave::SAW, 0.25, 0.1); }}},
        {"gem", {0.8, [](Track& t) { chime(t, 0, {84, 88, 91}, 0.06, 0.4); }}},
        {"goldBag", {0.8, [](Track& t) { rustle(t, 0, 0.3, 900); coins(t, 0.1, 9, 0.35); }}},
        {"golemPunch", {0.7, [](Track& t) { thud(t, 0, 80, 1.0); t.hiss(0, 0.5, 600, 120, 0.6, 0.005, 2); }}},
        {"heal", {1.2, [](Track& t) { chime(t, 0, {72, 76, 79, 84}, 0.1, 0.35); t.tone(0, 1.0, 400, 800, Wave::SINE, 0.2, 0.3); }}},
        {"heavyStab", {0.6, [](Track& t) { swish(t, 0, 0.2, 0.6); t.hiss(0.18, 0.2, 1200, 400, 0.7); thud(t, 0.18, 150, 0.6); }}},
        {"iceSlash", {0.8, [](Track& t) { swish(t, 0, 0.2, 0.5); for (int i = 0; i < 6; ++i) t.tone(0.15 + i * 0.04, 0.3, 2000 + i * 330, 2100 + i * 330, Wave::SINE, 0.25, 0.001); }}},
        {"lightBeam", {1.2, [](Track& t) { t.tone(0, 1.1, 600, 2400, Wave::TRIANGLE, 0.4, 0.2, 0.02); t.hiss(0, 1.0, 3000, 9000, 0.3, 0.2, 2); chime(t, 0.5, {84, 91}, 0.1, 0.3); }}},
        {"magicFire", {1.0, [](Track& t) { t.hiss(0, 0.9, 300, 1800, 0.7, 0.1, 2); for (int i = 0; i < 8; ++i) t.hiss(0.1 + i * 0.09, 0.03, 5000, 3000, 0.4); }}},
        {"pickaxe", {0.8, [](Track& t) { clang(t, 0, 700, 0.6); t.hiss(0.05, 0.6, 1500, 200, 0.5, 0.01, 2); for (int i = 0; i < 4; ++i) thud(t, 0.2 + i * 0.1, 300, 0.2); }}},
        {"plasmaBlast", {0.9, [](Track& t) { zap(t, 0, 1500, 100, 0.7, 0.6); t.hiss(0.1, 0.6, 3000, 500, 0.4); }}},
        {"potionEffect", {0.8, [](Track& t) { bubbles(t, 0, 8, 700, 0.35); t.tone(0.2, 0.5, 500, 1000, Wave::SINE, 0.2, 0.1); }}},
        {"quickStrike", {0.3, [](Track& t) { swish(t, 0, 0.12, 0.6); t.hiss(0.1, 0.06, 3000, 1500, 0.4); }}},
        {"secret", {1.6, [](Track& t) { chime(t, 0, {62, 65, 69, 72, 76}, 0.12, 0.35); t.echo(0.18, 0.35); }}},
        {"shroomAttack", {0.5, [](Track& t) { t.hiss(0, 0.35, 800, 300, 0.6, 0.02); t.tone(0, 0.2, 200, 120, Wave::SINE, 0.4); }}},
        {"simpleClick", {0.08, [](Track& t) { t.tone(0, 0.06, 1200, 800, Wave::SQUARE, 0.4, 0.001); }}},
        {"simpleClickHighPitch", {0.08, [](Track& t) { t.tone(0, 0.06, 2400, 1800, Wave::SQUARE, 0.35, 0.001); }}},
        {"skillnode", {1.0, [](Track& t) { chime(t, 0, {76, 83}, 0.08, 0.45); t.echo(0.12, 0.3); }}},
        {"smallBite", {0.25, [](Track& t) { thud(t, 0, 400, 0.4); t.hiss(0, 0.08, 3000, 1000, 0.4); }}},
        {"soulCrystalFall", {2.0, [](Track& t) { for (int i = 0; i < 10; ++i) t.tone(i * 0.12, 0.5, midi(96 - i * 3), midi(96 - i * 3), Wave::SINE, 0.3, 0.002); thud(t, 1.4, 90, 0.6); }}},
        {"spiritSword", {1.0, [](Track& t) { t.tone(0, 0.9, 880, 880, Wave::SINE, 0.4, 0.002, 0.01); t.tone(0, 0.9, 1320, 1330, Wave::SINE, 0.25, 0.002); swish(t, 0, 0.2, 0.4); }}},
        {"splat", {0.4, [](Track& t) { t.hiss(0, 0.3, 1200, 200, 0.8, 0.002); t.tone(0, 0.15, 250, 90, Wave::SINE, 0.5); }}},
        {"stab", {0.4, [](Track& t) { swish(t, 0, 0.12, 0.5); t.hiss(0.1, 0.15, 1800, 500, 0.6); }}},
        {"thunder1", {3.0, [](Track& t) { thunder(t, 0, 0.9, 1.2); }}},
        {"thunder2", {3.5, [](Track& t) { t.hiss(0, 0.12, 6000, 2000, 0.7); thunder(t, 0.3, 0.8, 1.6); }}},
        {"tinyFire", {0.6, [](Track& t) { t.hiss(0, 0.5, 400, 1500, 0.4, 0.05); for (int i = 0; i < 4; ++i) t.hiss(0.05 + i * 0.1, 0.02, 5000, 4000, 0.3); }}},
        {"transmute", {1.3, [](Track& t) { t.tone(0, 1.2, 300, 1200, Wave::TRIANGLE, 0.35, 0.1, 0.05); coins(t, 0.8, 4, 0.3); }}},
        {"unequipBoots", {0.3, [](Track& t) { thud(t, 0, 170, 0.35); }}},
        {"unequipHeadBodyHands", {0.35, [](Track& t) { rustle(t, 0, 0.35, 900); }}},
        {"unequipLegs", {0.3, [](Track& t) { rustle(t, 0, 0.35, 800); }}},
        {"unequipRing", {0.4, [](Track& t) { t.tone(0, 0.35, 2600, 2500, Wave::SINE, 0.35, 0.001); }}},
        {"unequipShield", {0.4, [](Track& t) { clang(t, 0, 280, 0.35); }}},
        {"unequipWeapon", {0.5, [](Track& t) { t.hiss(0, 0.3, 8000, 3000, 0.35, 0.02); }}},
        {"windBlast", {1.0, [](Track& t) { t.hiss(0, 0.95, 300, 3000, 0.8, 0.2, 1.5); t.hiss(0.2, 0.7, 2000, 500, 0.4, 0.1, 2); }}},
        {"wings", {1.0, [](Track& t) { for (int i = 0; i < 4; ++i) t.hiss(i * 0.22, 0.18, 400, 1200, 0.6, 0.04); }}},
    };
    return r;
}

// ---- Music ----

struct Voice {
    double start, dur, note, amp;
    int instrument;  // 0 bass, 1 pad, 2 lead, 3 kick, 4 hat, 5 snare, 6 bell, 7 pluck
};

void render(std::vector<float>& out, int rate, int channels, const Voice& v, double length, bool wrap, std::mt19937& rng) {
    const double f = midi(v.note);
    auto n = static_cast<std::size_t>((v.dur + 0.6) * rate);
    auto start = static_cast<long>(v.start * rate);
    auto total = static_cast<long>(length * rate);
    double pan = v.instrument == 2 ? 0.35 : v.instrument == 6 ? 0.7 : v.instrument == 4 ? 0.6 : 0.5;
    double lp = 0, phase = 0, phase2 = 0, phase3 = 0;
    std::uniform_real_distribution<double> u(-1, 1);
    for (std::size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / rate;
        double s = 0;
        double rel = t > v.dur ? std::exp(-(t - v.dur) * 12) : 1.0;
        switch (v.instrument) {
        case 0:
            phase += f / rate;
            s = (0.7 * wave(Wave::SINE, phase) + 0.3 * wave(Wave::TRIANGLE, phase * 2)) * std::min(1.0, t / 0.01) * rel;
            break;
        case 1: {
            phase += f / rate;
            phase2 += f * 1.006 / rate;
            phase3 += f * 0.497 / rate;
            double raw = (wave(Wave::SAW, phase) + wave(Wave::SAW, phase2) + 0.5 * wave(Wave::SINE, phase3)) / 2.5;
            lp += 0.08 * (raw - lp);
            s = lp * std::min(1.0, t / 0.4) * rel;
            break;
        }
        case 2:
            phase += f * (1 + 0.006 * std::sin(TAU * 5 * t) * std::min(1.0, t / 0.3)) / rate;
            s = (0.6 * wave(Wave::TRIANGLE, phase) + 0.25 * wave(Wave::SQUARE, phase)) * std::min(1.0, t / 0.02) * std::exp(-t * 0.8) * rel;
            break;
        case 3:
            phase += (50 + 90 * std::exp(-t * 30)) / rate;
            s = wave(Wave::SINE, phase) * std::exp(-t * 9);
            break;
        case 4:
            lp += 0.9 * (u(rng) - lp);
            s = (u(rng) - lp) * std::exp(-t * 45) * 0.6;
            break;
        case 5:
            lp += 0.5 * (u(rng) - lp);
            phase += 190.0 / rate;
            s = (lp * 0.8 + 0.3 * wave(Wave::SINE, phase)) * std::exp(-t * 16);
            break;
        case 6:
            phase += f / rate;
            phase2 += f * 2.01 / rate;
            s = (wave(Wave::SINE, phase) + 0.4 * wave(Wave::SINE, phase2)) * std::exp(-t * 2.5) * std::min(1.0, t / 0.002);
            break;
        default:
            phase += f / rate;
            lp += 0.25 * (wave(Wave::SAW, phase) - lp);
            s = lp * std::exp(-t * 5) * std::min(1.0, t / 0.003) * rel;
            break;
        }
        if (t > v.dur + 0.5) s *= std::max(0.0, 1 - (t - v.dur - 0.5) * 10);
        long idx = start + static_cast<long>(i);
        if (wrap) idx %= total;
        else if (idx >= total) break;
        auto k = static_cast<std::size_t>(idx) * static_cast<std::size_t>(channels);
        double a = s * v.amp;
        if (channels == 2) {
            out[k] += static_cast<float>(a * (1 - pan) * 2 * 0.7);
            out[k + 1] += static_cast<float>(a * pan * 2 * 0.7);
        } else {
            out[k] += static_cast<float>(a);
        }
    }
}

// The voices of `bars` bars of the theme, starting with bar `firstBar` of its progression.
std::vector<Voice> compose(const MusicTheme& th, int bars, bool intro) {
    std::mt19937 rng(static_cast<unsigned>(std::hash<std::string>{}(th.name) & 0xFFFFFFFF));
    const double beat = 60.0 / th.tempo;
    const std::vector<int> scale = th.minor ? std::vector<int>{0, 2, 3, 5, 7, 8, 10} : std::vector<int>{0, 2, 4, 5, 7, 9, 11};
    // Chord roots as scale degrees, one per bar.
    std::vector<int> prog = th.minor ? std::vector<int>{0, 5, 2, 6, 0, 3, 4, 4} : std::vector<int>{0, 4, 5, 3, 0, 5, 3, 4};
    if (th.style == 5 || th.style == 6) prog = {0, 0, 5, 5, 3, 3, 4, 1};
    auto degree = [&](int d) { return th.root + scale[static_cast<std::size_t>(((d % 7) + 7) % 7)] + 12 * (d >= 0 ? d / 7 : (d - 6) / 7); };
    std::vector<Voice> v;
    int melodyDeg = 7;
    for (int bar = 0; bar < bars; ++bar) {
        int root = prog[static_cast<std::size_t>(bar) % prog.size()];
        double t0 = bar * 4 * beat;
        double fade = intro ? (bar + 1.0) / bars : 1.0;
        // Pad chord.
        for (int k : {0, 2, 4}) v.push_back({t0, 4 * beat - 0.05, static_cast<double>(degree(root + k) + 12), 0.10 * (intro ? 0.5 + fade : 1), 1});
        // Bass.
        if (!intro || bar >= bars / 2) {
            for (int b = 0; b < 4; ++b) {
                if (th.style == 3 && b % 2) continue;
                int n = degree(root) - 12 + (b == 2 && th.style != 5 ? 7 : 0);
                v.push_back({t0 + b * beat, beat * 0.9, static_cast<double>(n), 0.28, 0});
            }
        }
        // Percussion.
        bool drums = th.style == 0 || th.style == 2 || th.style == 6 || th.style == 7;
        if (drums && !intro) {
            for (int b = 0; b < 4; ++b) {
                if (b % 2 == 0 || th.style == 6) v.push_back({t0 + b * beat, 0.2, 0, 0.55, 3});
                if (b % 2 == 1) v.push_back({t0 + b * beat, 0.2, 0, 0.30, 5});
                v.push_back({t0 + b * beat + beat / 2, 0.05, 0, 0.18, 4});
                if (th.style == 2) v.push_back({t0 + b * beat + beat * 0.75, 0.05, 0, 0.12, 4});
            }
        }
        // Melody: eighth notes walking over the scale, chord tones on the beat; rests now and then.
        if (!intro) {
            for (int e = 0; e < 8; ++e) {
                if (rng() % 5 == 0 && e % 2) continue;
                if (e % 2 == 0) {
                    int target = root + 7 + static_cast<int>(rng() % 3) * 2;
                    melodyDeg = std::abs(target - melodyDeg) > 4 ? melodyDeg + (target > melodyDeg ? 2 : -2) : target;
                } else {
                    melodyDeg += static_cast<int>(rng() % 3) - 1;
                }
                melodyDeg = std::clamp(melodyDeg, 4, 13);
                double len = (e % 4 == 3 || rng() % 3 == 0) ? beat : beat / 2;
                int inst = th.style == 3 || th.style == 4 ? 6 : th.style == 7 ? 7 : 2;
                v.push_back({t0 + e * beat / 2, len * 0.95, static_cast<double>(degree(melodyDeg)), inst == 6 ? 0.22 : 0.17, inst});
                if (len > beat * 0.6) ++e;
            }
        } else if (bar == bars - 1) {
            v.push_back({t0 + 2 * beat, 2 * beat, static_cast<double>(degree(9)), 0.2, 6});
        }
        // Ice and forest: sparkling arpeggios.
        if ((th.style == 3 || th.style == 4 || th.style == 1) && !intro)
            for (int k = 0; k < 4; ++k) v.push_back({t0 + k * beat + beat / 4, beat / 2, static_cast<double>(degree(root + k * 2) + 24), 0.06, 6});
    }
    return v;
}

std::vector<float> renderVoices(const std::vector<Voice>& voices, double length, int rate, bool wrap) {
    std::vector<float> out(static_cast<std::size_t>(length * rate) * 2);
    std::mt19937 rng(7);
    for (const auto& v : voices) render(out, rate, 2, v, length, wrap, rng);
    float m = 0;
    for (float s : out) m = std::max(m, std::abs(s));
    if (m > 0.9f)
        for (float& s : out) s = s / m * 0.9f;
    return out;
}
}  // namespace

std::vector<SoundRecipe> SoundMaker::effects() {
    std::vector<SoundRecipe> out;
    for (const auto& [name, r] : recipes()) out.push_back({"assets/audio/oggs/" + name + ".ogg", 1, 44100, name});
    return out;
}

std::vector<MusicTheme> SoundMaker::themes() {
    return {{"MainTheme", 96, 57, true, 12, 2, 0, "heroic march in A minor"},
            {"BasicCave", 80, 50, true, 8, 2, 1, "slow, echoing D minor"},
            {"Jungle", 110, 55, false, 12, 2, 2, "busy drums in G major"},
            {"Ice", 72, 64, false, 8, 2, 3, "glassy bells in E major"},
            {"EnchantedForest", 88, 62, false, 10, 2, 4, "gentle bells in D major"},
            {"Undead", 70, 52, true, 8, 2, 5, "dark E minor dirge"},
            {"FinalBoss", 140, 45, true, 16, 2, 6, "driving A minor battle"},
            {"Shop", 104, 60, false, 10, 2, 7, "light plucked C major"}};
}

std::vector<float> SoundMaker::effect(const std::string& name, int rate) {
    auto it = recipes().find(name);
    if (it == recipes().end()) return {};
    Track t(rate, it->second.first, static_cast<unsigned>(std::hash<std::string>{}(name) & 0xFFFFFFFF));
    it->second.second(t);
    t.normalise(0.8);
    return t.s;
}

std::vector<float> SoundMaker::musicLoop(const MusicTheme& th, int rate) {
    double length = th.bars * 4 * 60.0 / th.tempo;
    return renderVoices(compose(th, th.bars, false), length, rate, true);
}

std::vector<float> SoundMaker::musicIntro(const MusicTheme& th, int rate) {
    double length = th.introBars * 4 * 60.0 / th.tempo;
    return renderVoices(compose(th, th.introBars, true), length, rate, false);
}

std::vector<float> SoundMaker::rain(int rate, double seconds) {
    Track l(rate, seconds, 11), r(rate, seconds, 12);
    for (Track* t : {&l, &r}) {
        t->hiss(0, seconds, 2500, 2500, 0.25, 0.001, 0.0001);
        for (int i = 0; i < static_cast<int>(seconds * 30); ++i) t->hiss(std::fmod(i * 0.0337 * 7.3, seconds - 0.05), 0.02, 6000, 3000, 0.15);
    }
    std::vector<float> out(l.s.size() * 2);
    // A crossfade between the end and the start makes the loop seamless.
    std::size_t fade = static_cast<std::size_t>(rate * 0.5);
    for (std::size_t i = 0; i < l.s.size(); ++i) {
        out[2 * i] = l.s[i];
        out[2 * i + 1] = r.s[i];
    }
    for (std::size_t i = 0; i < fade; ++i) {
        double a = static_cast<double>(i) / fade;
        std::size_t end = l.s.size() - fade + i;
        out[2 * i] = static_cast<float>(out[2 * i] * a + l.s[end] * (1 - a));
        out[2 * i + 1] = static_cast<float>(out[2 * i + 1] * a + r.s[end] * (1 - a));
    }
    out.resize((l.s.size() - fade) * 2);
    float m = 0;
    for (float s : out) m = std::max(m, std::abs(s));
    for (float& s : out) s = s / m * 0.5f;
    return out;
}

}  // namespace tools
