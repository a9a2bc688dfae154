#pragma once
// Parametric pixel-art figures: people, beasts, fliers, blobs, plants, spirits, and small
// pictograms (weapons, armour, icons), drawn into a Canvas.
#include "Canvas.h"

#include <cstdint>
#include <random>
#include <string>

namespace tools {

struct Look {
    uint32_t skin = 0xFFE8B88A, hair = 0xFF5A3A1E, top = 0xFF3050A0, bottom = 0xFF403020, shoes = 0xFF2A1E14;
    uint32_t accent = 0xFFC0C0C8;  // weapon, armour trim
    bool longHair = false, bald = false, helmet = false, hood = false, horns = false, robe = false, beard = false;
    bool hat = false, ears = false, spikes = false;
    double scale = 1.0;  // 1 = 32 x 48 hero proportions
    double bulk = 1.0;   // body width
    int weaponKind = 0;  // 0 sword, 1 club, 2 spear, 3 staff, 4 claws
};

enum class Facing { RIGHT, DOWN, UP };

class Sprites {
public:
    // A standing or walking person with feet centred on (fx, fy). `step` in 0..7 moves the legs,
    // `bob` lifts the body; `arm` 0..1 raises the weapon arm; `weapon` draws a sword.
    static void person(Canvas& c, double fx, double fy, const Look& look, Facing facing, int step, double bob,
                       double arm = 0, bool weapon = false, double lean = 0);
    static void sittingPerson(Canvas& c, double fx, double fy, const Look& look, Facing facing);
    static void lyingPerson(Canvas& c, double fx, double fy, const Look& look, double progress);
    static void quadruped(Canvas& c, double fx, double fy, double size, uint32_t body, uint32_t belly, double phase,
                          double lunge, bool tail, bool horns, bool shell);
    static void flier(Canvas& c, double cx, double cy, double size, uint32_t body, uint32_t wing, double flap,
                      double lunge, bool dragon, bool insect);
    static void blob(Canvas& c, double fx, double fy, double size, uint32_t body, double squash, double lunge, bool chest);
    static void spider(Canvas& c, double fx, double fy, double size, uint32_t body, double phase, double lunge, bool scorpion);
    static void plant(Canvas& c, double fx, double fy, double size, uint32_t head, uint32_t stem, double sway,
                      double lunge, bool mushroom);
    static void spirit(Canvas& c, double cx, double cy, double size, uint32_t glow, double pulse, double lunge, bool eye);
    static void snake(Canvas& c, double fx, double fy, double size, uint32_t body, double phase, double lunge);

    // Pictograms inside a box of `s` pixels at (x, y).
    static void sword(Canvas& c, int x, int y, int s, uint32_t blade, uint32_t hilt, int variant = 0);
    static void shield(Canvas& c, int x, int y, int s, uint32_t face, uint32_t rim, int variant = 0);
    static void staff(Canvas& c, int x, int y, int s, uint32_t wood, uint32_t orb);
    static void heart(Canvas& c, int x, int y, int s, uint32_t colour);
    static void gem(Canvas& c, int x, int y, int s, uint32_t colour);
    static void coin(Canvas& c, int x, int y, int s);
    static void potion(Canvas& c, int x, int y, int s, uint32_t liquid, int variant = 0);
    static void helmet(Canvas& c, int x, int y, int s, uint32_t metal, int variant = 0);
    static void armour(Canvas& c, int x, int y, int s, uint32_t colour, int variant = 0);
    static void legs(Canvas& c, int x, int y, int s, uint32_t colour, int variant = 0);
    static void boots(Canvas& c, int x, int y, int s, uint32_t colour, int variant = 0);
    static void glove(Canvas& c, int x, int y, int s, uint32_t colour, int variant = 0);
    static void ring(Canvas& c, int x, int y, int s, uint32_t band, uint32_t stone, int variant = 0);
    static void axe(Canvas& c, int x, int y, int s, uint32_t head, int variant = 0);
    static void element(Canvas& c, int x, int y, int s, int element);  // 0 fire .. 5 light
    static void star(Canvas& c, double cx, double cy, double r, uint32_t colour, int points = 5);
    static void wings(Canvas& c, int x, int y, int s, uint32_t colour);
    static void book(Canvas& c, int x, int y, int s, uint32_t colour);
    static void pickaxe(Canvas& c, int x, int y, int s);

    // Blocky 3 x 5 letters (A-Z, 0-9, a few signs) at `scale`.
    static void text(Canvas& c, int x, int y, const std::string& s, uint32_t colour, int scale = 1);
    static int textWidth(const std::string& s, int scale = 1) { return static_cast<int>(s.size()) * 4 * scale - scale; }
};

}  // namespace tools
