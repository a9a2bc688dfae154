#include "Sprites.h"

#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {
constexpr double PI = std::numbers::pi;
const uint32_t INK = 0xFF1A1410;

void limb(Canvas& c, double x0, double y0, double x1, double y1, double w, uint32_t col) {
    int n = static_cast<int>(std::max(std::abs(x1 - x0), std::abs(y1 - y0)) * 2) + 1;
    for (int i = 0; i <= n; ++i) {
        double t = static_cast<double>(i) / n;
        c.fillEllipse(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, w / 2, w / 2, col);
    }
}
}  // namespace

void Sprites::person(Canvas& c, double fx, double fy, const Look& k, Facing f, int step, double bob, double arm,
                     bool weapon, double lean) {
    const double s = k.scale;
    double swing = std::sin(step * PI / 4.0);
    double hipY = fy - 14 * s - bob;
    double shoulderY = fy - 27 * s - bob;
    double headY = fy - 34 * s - bob;
    double cx = fx + lean * s;
    // Legs.
    double legSpread = f == Facing::RIGHT ? 5 * s * swing : 0;
    double liftL = f == Facing::RIGHT ? 0 : std::max(0.0, swing) * 4.5 * s;
    double liftR = f == Facing::RIGHT ? 0 : std::max(0.0, -swing) * 4.5 * s;
    if (k.robe) {
        c.fillPolygon({{cx - 5 * s, shoulderY + 4 * s}, {cx + 5 * s, shoulderY + 4 * s}, {cx + 8 * s, fy - 2 * s}, {cx - 8 * s, fy - 2 * s}},
                      k.bottom);
        limb(c, cx - 3 * s + legSpread, fy - 3 * s, cx - 3 * s + legSpread, fy - 1 * s - liftL, 3.5 * s, k.shoes);
        limb(c, cx + 3 * s - legSpread, fy - 3 * s, cx + 3 * s - legSpread, fy - 1 * s - liftR, 3.5 * s, k.shoes);
    } else {
        limb(c, cx - 2.5 * s, hipY, cx - 2.5 * s + legSpread, fy - 2 * s - liftL, 4.5 * s, k.bottom);
        limb(c, cx + 2.5 * s, hipY, cx + 2.5 * s - legSpread, fy - 2 * s - liftR, 4.5 * s, k.bottom);
        c.fillEllipse(cx - 2.5 * s + legSpread + (f == Facing::RIGHT ? 1 : 0), fy - 1.5 * s - liftL, 3 * s, 1.8 * s, k.shoes);
        c.fillEllipse(cx + 2.5 * s - legSpread + (f == Facing::RIGHT ? 1 : 0), fy - 1.5 * s - liftR, 3 * s, 1.8 * s, k.shoes);
    }
    // Back arm.
    double armSwing = f == Facing::RIGHT ? -swing * 4 * s : 0;
    limb(c, cx - 5 * s * k.bulk, shoulderY + 1 * s, cx - 6 * s * k.bulk + armSwing, hipY + 1 * s, 3.2 * s * k.bulk, shade(k.top, 0.8));
    // Torso.
    const double b = k.bulk;
    c.fillPolygon({{cx - 6 * s * b, shoulderY}, {cx + 6 * s * b, shoulderY}, {cx + 5 * s * b, hipY + 2 * s}, {cx - 5 * s * b, hipY + 2 * s}}, k.top);
    if (k.spikes)
        for (int i = -1; i <= 1; ++i)
            c.fillPolygon({{cx + (i * 4 - 2) * s, shoulderY + 1 * s}, {cx + (i * 4 + 2) * s, shoulderY + 1 * s}, {cx + i * 5 * s, shoulderY - 6 * s}},
                          shade(k.accent, 1.1));
    c.fillRect(static_cast<int>(cx - 5 * s), static_cast<int>(hipY), static_cast<int>(10 * s), static_cast<int>(std::max(1.0, 2 * s)),
               shade(k.bottom, 0.7));
    if (k.helmet) c.fillRect(static_cast<int>(cx - 6 * s), static_cast<int>(shoulderY), static_cast<int>(12 * s), static_cast<int>(2 * s), k.accent);
    // Head.
    c.fillEllipse(cx, headY, 5.5 * s, 6 * s, k.skin);
    if (k.hood) {
        c.fillEllipse(cx, headY - 1 * s, 6.5 * s, 6.5 * s, k.top);
        c.fillEllipse(cx + (f == Facing::RIGHT ? 2 * s : 0), headY + 1 * s, 4 * s, 4 * s, f == Facing::UP ? k.top : k.skin);
    } else if (k.helmet) {
        c.fillEllipse(cx, headY - 2 * s, 6 * s, 5 * s, k.accent);
        c.fillRect(static_cast<int>(cx - 6 * s), static_cast<int>(headY - 1 * s), static_cast<int>(12 * s), static_cast<int>(2 * s), shade(k.accent, 0.7));
    } else if (!k.bald) {
        c.fillEllipse(cx, headY - 3 * s, 6 * s, 4 * s, k.hair);
        if (f == Facing::UP) c.fillEllipse(cx, headY, 5.5 * s, 5.5 * s, k.hair);
        if (f == Facing::RIGHT) c.fillEllipse(cx - 3 * s, headY - 1 * s, 3 * s, 4 * s, k.hair);
        if (k.longHair) c.fillPolygon({{cx - 6 * s, headY - 2 * s}, {cx + 6 * s, headY - 2 * s}, {cx + 6 * s, shoulderY + 5 * s}, {cx - 6 * s, shoulderY + 5 * s}},
                                      f == Facing::DOWN ? withAlpha(k.hair, 0) : k.hair);
        if (k.longHair && f == Facing::DOWN) {
            c.fillRect(static_cast<int>(cx - 6 * s), static_cast<int>(headY - 2 * s), static_cast<int>(2 * s), static_cast<int>(9 * s), k.hair);
            c.fillRect(static_cast<int>(cx + 4 * s), static_cast<int>(headY - 2 * s), static_cast<int>(2 * s), static_cast<int>(9 * s), k.hair);
        }
    }
    if (k.hat) {
        c.fillRect(static_cast<int>(cx - 7 * s), static_cast<int>(headY - 4 * s), static_cast<int>(14 * s), static_cast<int>(2 * s), k.accent);
        c.fillPolygon({{cx - 4 * s, headY - 4 * s}, {cx + 4 * s, headY - 4 * s}, {cx + 1 * s, headY - 12 * s}}, k.accent);
    }
    if (k.horns) {
        c.fillPolygon({{cx - 5 * s, headY - 3 * s}, {cx - 3 * s, headY - 4 * s}, {cx - 7 * s, headY - 9 * s}}, 0xFFE8E0C8);
        c.fillPolygon({{cx + 5 * s, headY - 3 * s}, {cx + 3 * s, headY - 4 * s}, {cx + 7 * s, headY - 9 * s}}, 0xFFE8E0C8);
    }
    if (k.ears) {
        c.fillPolygon({{cx - 5 * s, headY - 1 * s}, {cx - 5 * s, headY + 2 * s}, {cx - 10 * s, headY - 3 * s}}, k.skin);
        c.fillPolygon({{cx + 5 * s, headY - 1 * s}, {cx + 5 * s, headY + 2 * s}, {cx + 10 * s, headY - 3 * s}}, k.skin);
    }
    if (k.beard && f != Facing::UP) c.fillEllipse(cx + (f == Facing::RIGHT ? 2 * s : 0), headY + 4 * s, 4 * s, 3 * s, k.hair);
    // Eyes.
    if (f == Facing::DOWN && !k.hood) {
        c.set(static_cast<int>(cx - 2 * s), static_cast<int>(headY + 1 * s), INK);
        c.set(static_cast<int>(cx + 2 * s), static_cast<int>(headY + 1 * s), INK);
    } else if (f == Facing::RIGHT) {
        c.set(static_cast<int>(cx + 3 * s), static_cast<int>(headY + 1 * s), INK);
    }
    // Front arm with optional weapon.
    double ang = (-0.3 + arm * 2.2) * PI / 2;  // 0: hanging, 1: raised forward/up
    double ax = cx + 5 * s * k.bulk, ay = shoulderY + 1 * s;
    double hx = ax + std::sin(ang) * 9 * s + (f == Facing::RIGHT ? swing * 3 * s : 0);
    double hy = ay + std::cos(ang) * 9 * s;
    limb(c, ax, ay, hx, hy, 3.2 * s * k.bulk, shade(k.top, 1.1));
    c.fillCircle(hx, hy, 1.8 * s * k.bulk, k.skin);
    if (weapon) {
        double wa = ang + PI * 0.55;
        auto along = [&](double d) { return std::pair{hx + std::sin(wa) * d * s, hy + std::cos(wa) * d * s}; };
        int thick = std::max(1, static_cast<int>(2 * s));
        switch (k.weaponKind) {
        case 1: {  // club
            auto [ex, ey] = along(12);
            c.line(static_cast<int>(hx), static_cast<int>(hy), static_cast<int>(ex), static_cast<int>(ey), 0xFF7A5228, thick);
            c.fillCircle(ex, ey, 3.2 * s, 0xFF6A4420);
            break;
        }
        case 2: {  // spear
            auto [bx, by] = along(-6);
            auto [ex, ey] = along(18);
            c.line(static_cast<int>(bx), static_cast<int>(by), static_cast<int>(ex), static_cast<int>(ey), 0xFF8A6A3A, std::max(1, thick / 2));
            c.fillCircle(ex, ey, 1.8 * s, k.accent);
            break;
        }
        case 3: {  // staff with a glowing orb
            auto [bx, by] = along(-8);
            auto [ex, ey] = along(12);
            c.line(static_cast<int>(bx), static_cast<int>(by), static_cast<int>(ex), static_cast<int>(ey), 0xFF7A5228, thick);
            c.fillCircle(ex, ey, 2.6 * s, k.accent);
            c.fillCircle(ex, ey, 1.2 * s, 0xFFFFFFFF);
            break;
        }
        case 4:  // claws
            for (int i = -1; i <= 1; ++i) {
                auto [ex, ey] = along(4);
                c.line(static_cast<int>(hx + i * s), static_cast<int>(hy), static_cast<int>(ex + i * s), static_cast<int>(ey), 0xFFF0F0E0);
            }
            break;
        default: {  // sword
            auto [bx, by] = along(13);
            c.line(static_cast<int>(hx), static_cast<int>(hy), static_cast<int>(bx), static_cast<int>(by), k.accent, thick);
            c.line(static_cast<int>(hx - std::cos(wa) * 3 * s), static_cast<int>(hy + std::sin(wa) * 3 * s),
                   static_cast<int>(hx + std::cos(wa) * 3 * s), static_cast<int>(hy - std::sin(wa) * 3 * s), 0xFF8A6A2A,
                   std::max(1, static_cast<int>(1.5 * s)));
            break;
        }
        }
    }
}

void Sprites::sittingPerson(Canvas& c, double fx, double fy, const Look& k, Facing f) {
    const double s = k.scale;
    double hipY = fy - 10 * s, shoulderY = fy - 22 * s, headY = fy - 29 * s;
    c.fillRect(static_cast<int>(fx - 6 * s), static_cast<int>(hipY), static_cast<int>(12 * s), static_cast<int>(4 * s), k.bottom);
    limb(c, fx - 3 * s, hipY + 3 * s, fx - 3 * s, fy - 1 * s, 4 * s, k.bottom);
    limb(c, fx + 3 * s, hipY + 3 * s, fx + 3 * s, fy - 1 * s, 4 * s, k.bottom);
    c.fillPolygon({{fx - 6 * s, shoulderY}, {fx + 6 * s, shoulderY}, {fx + 5 * s, hipY + 2 * s}, {fx - 5 * s, hipY + 2 * s}}, k.top);
    c.fillEllipse(fx, headY, 5.5 * s, 6 * s, k.skin);
    if (!k.bald) c.fillEllipse(fx, headY - 3 * s, 6 * s, 4 * s, k.hair);
    if (f == Facing::UP) c.fillEllipse(fx, headY, 5.5 * s, 5.5 * s, k.hair);
    if (f == Facing::DOWN) {
        c.set(static_cast<int>(fx - 2 * s), static_cast<int>(headY + 1 * s), INK);
        c.set(static_cast<int>(fx + 2 * s), static_cast<int>(headY + 1 * s), INK);
    } else if (f == Facing::RIGHT) {
        c.set(static_cast<int>(fx + 3 * s), static_cast<int>(headY + 1 * s), INK);
    }
    if (k.hat) c.fillRect(static_cast<int>(fx - 8 * s), static_cast<int>(headY - 5 * s), static_cast<int>(16 * s), static_cast<int>(3 * s), k.accent);
    limb(c, fx + 5 * s, shoulderY + 1 * s, fx + 8 * s, hipY, 3 * s, shade(k.top, 1.1));
}

void Sprites::lyingPerson(Canvas& c, double fx, double fy, const Look& k, double p) {
    // p 0: kneeling; 1: flat on the ground.
    const double s = k.scale;
    double tilt = p * PI / 2;
    double bx = fx, by = fy - 2 * s;
    double tx = bx - std::sin(tilt) * 14 * s, ty = by - std::cos(tilt) * 14 * s;
    limb(c, bx + 6 * s * p, by, bx + 12 * s * p + 2, by, 4.5 * s, k.bottom);
    limb(c, bx, by, tx, ty, 9 * s, k.top);
    c.fillEllipse(tx - std::sin(tilt) * 6 * s, ty - std::cos(tilt) * 6 * s, 5.5 * s, 5.5 * s, k.skin);
    if (!k.bald) c.fillEllipse(tx - std::sin(tilt) * 8 * s, ty - std::cos(tilt) * 8 * s, 5 * s, 4 * s, k.hair);
}

void Sprites::quadruped(Canvas& c, double fx, double fy, double s, uint32_t body, uint32_t belly, double ph,
                        double lunge, bool tail, bool horns, bool shell) {
    double cx = fx - lunge * s;
    double by = fy - 7 * s - std::abs(std::sin(ph)) * 1 * s;
    for (int i = 0; i < 4; ++i) {
        double lx = cx - 7 * s + i * 4.5 * s + std::sin(ph + i * 1.6) * 1.5 * s;
        limb(c, lx, by + 2 * s, lx - lunge * 0.3 * s, fy - 1, 2.6 * s, shade(body, 0.75));
    }
    if (tail) limb(c, cx + 9 * s, by, cx + 15 * s, by - 4 * s + std::sin(ph) * 2 * s, 1.6 * s, shade(body, 0.85));
    c.fillEllipse(cx + 1 * s, by, 10 * s, 5.5 * s, body);
    c.fillEllipse(cx + 1 * s, by + 2.5 * s, 8 * s, 2.5 * s, belly);
    if (shell) {
        c.fillEllipse(cx + 2 * s, by - 3 * s, 10 * s, 7 * s, 0xFF6A7A3A);
        for (int i = -1; i <= 1; ++i) c.strokeEllipse(cx + 2 * s + i * 5 * s, by - 4 * s, 2.5 * s, 2.5 * s, 0xFF3E4A20);
    }
    double hx = cx - 10 * s, hy = by - 3 * s;
    c.fillEllipse(hx, hy, 5 * s, 4 * s, body);
    c.fillEllipse(hx - 4 * s, hy + 1.5 * s, 2.5 * s, 2 * s, belly);
    c.fillCircle(hx - 1 * s, hy - 1 * s, std::max(0.8, 0.9 * s), 0xFFFFE060);
    c.set(static_cast<int>(hx - 1 * s), static_cast<int>(hy - 1 * s), INK);
    c.fillPolygon({{hx + 1 * s, hy - 3 * s}, {hx + 3 * s, hy - 3 * s}, {hx + 2.5 * s, hy - 7 * s}}, shade(body, 0.8));
    if (horns) c.fillPolygon({{hx - 2 * s, hy - 3 * s}, {hx, hy - 3.5 * s}, {hx - 4 * s, hy - 8 * s}}, 0xFFE8E0C8);
    if (lunge > 0.5) c.fillPolygon({{hx - 6 * s, hy + 2 * s}, {hx - 3 * s, hy + 2 * s}, {hx - 4 * s, hy + 4 * s}}, 0xFFFFFFFF);
}

void Sprites::flier(Canvas& c, double cx, double cy, double s, uint32_t body, uint32_t wing, double flap, double lunge,
                    bool dragon, bool insect) {
    cx -= lunge * s;
    double wy = std::sin(flap) * 7 * s;
    uint32_t wc = insect ? withAlpha(wing, 150) : wing;
    c.fillPolygon({{cx + 1 * s, cy - 2 * s}, {cx + 13 * s, cy - 6 * s - wy}, {cx + 10 * s, cy + 2 * s - wy * 0.4}, {cx + 3 * s, cy + 2 * s}}, wc);
    if (dragon) {
        limb(c, cx + 4 * s, cy + 2 * s, cx + 14 * s, cy + 6 * s, 3 * s, shade(body, 0.8));
        c.fillPolygon({{cx + 14 * s, cy + 4 * s}, {cx + 18 * s, cy + 6 * s}, {cx + 14 * s, cy + 8 * s}}, shade(body, 0.8));
    }
    if (insect) limb(c, cx + 2 * s, cy, cx + 13 * s, cy + 1 * s, 2.5 * s, body);
    c.fillEllipse(cx, cy, (dragon ? 8 : 5) * s, (dragon ? 5 : 4.5) * s, body);
    c.fillEllipse(cx, cy + 1.5 * s, (dragon ? 6 : 3) * s, 2 * s, shade(body, 1.3));
    double hx = cx - (dragon ? 9 : 4) * s, hy = cy - (dragon ? 4 : 2) * s;
    c.fillEllipse(hx, hy, (dragon ? 4.5 : 3.5) * s, 3.5 * s, body);
    if (dragon) {
        c.fillEllipse(hx - 4 * s, hy + 1 * s, 3 * s, 2 * s, body);
        c.fillPolygon({{hx + 1 * s, hy - 3 * s}, {hx + 3 * s, hy - 2 * s}, {hx + 4 * s, hy - 7 * s}}, 0xFFE8E0C8);
    } else if (!insect) {
        c.fillPolygon({{hx - 2 * s, hy - 2 * s}, {hx, hy - 2 * s}, {hx - 2 * s, hy - 6 * s}}, body);
        c.fillPolygon({{hx + 1 * s, hy - 2 * s}, {hx + 3 * s, hy - 2 * s}, {hx + 3 * s, hy - 6 * s}}, body);
    }
    c.fillCircle(hx - 1.5 * s, hy - 0.5 * s, std::max(0.8, 1 * s), insect ? 0xFFFF3030 : 0xFFFFE040);
    c.fillPolygon({{cx - 1 * s, cy - 2 * s}, {cx - 12 * s, cy - 7 * s - wy}, {cx - 6 * s, cy + 1 * s - wy * 0.4}}, shade(wc, 1.15));
}

void Sprites::blob(Canvas& c, double fx, double fy, double s, uint32_t body, double sq, double lunge, bool chest) {
    double cx = fx - lunge * s;
    if (chest) {
        double open = lunge > 0 ? std::min(1.0, lunge / 4) : 0;
        c.fillRect(static_cast<int>(cx - 10 * s), static_cast<int>(fy - 12 * s), static_cast<int>(20 * s), static_cast<int>(12 * s), 0xFF7A4A22);
        c.fillRect(static_cast<int>(cx - 10 * s), static_cast<int>(fy - 12 * s), static_cast<int>(20 * s), static_cast<int>(2 * s), 0xFFC8A040);
        double lidY = fy - 12 * s - open * 8 * s;
        c.fillRect(static_cast<int>(cx - 11 * s), static_cast<int>(lidY - 6 * s), static_cast<int>(22 * s), static_cast<int>(6 * s), 0xFF8A5A2A);
        c.fillRect(static_cast<int>(cx - 11 * s), static_cast<int>(lidY - 1 * s), static_cast<int>(22 * s), static_cast<int>(1 * s), 0xFFC8A040);
        if (open > 0) {
            c.fillRect(static_cast<int>(cx - 9 * s), static_cast<int>(lidY), static_cast<int>(18 * s), static_cast<int>(fy - 12 * s - lidY), 0xFF400010);
            for (int i = 0; i < 5; ++i)
                c.fillPolygon({{cx - 8 * s + i * 4 * s, lidY}, {cx - 6 * s + i * 4 * s, lidY}, {cx - 7 * s + i * 4 * s, lidY + 3 * s}}, 0xFFFFFFF0);
        }
        c.fillCircle(cx - 4 * s, fy - 7 * s, 1.2 * s, 0xFFFF2020);
        c.fillCircle(cx + 4 * s, fy - 7 * s, 1.2 * s, 0xFFFF2020);
        return;
    }
    double rx = (10 + sq * 1.5) * s, ry = (8 - sq * 1.5) * s;
    c.fillEllipse(cx, fy - ry, rx, ry, withAlpha(body, 220));
    c.fillEllipse(cx - 3 * s, fy - ry * 1.5, 3 * s, 2 * s, withAlpha(0xFFFFFFFF, 120));
    c.fillCircle(cx - 4 * s, fy - ry, 1.6 * s, INK);
    c.fillCircle(cx + 2 * s, fy - ry, 1.6 * s, INK);
    if (lunge > 0.5) c.fillEllipse(cx - 1 * s, fy - ry * 0.5, 4 * s, 2 * s, 0xFF301010);
}

void Sprites::spider(Canvas& c, double fx, double fy, double s, uint32_t body, double ph, double lunge, bool scorpion) {
    double cx = fx - lunge * s, by = fy - 6 * s;
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 4; ++i) {
            double kx = cx + (i - 1.5) * 4 * s, ky = by - 6 * s + std::sin(ph + i) * 1.5 * s;
            limb(c, cx + (i - 1.5) * 2 * s, by, kx + side * 0.5 * s, ky, 1.5 * s, shade(body, 0.7));
            limb(c, kx, ky, kx + (i - 1.5) * 3 * s, fy - 1, 1.5 * s, shade(body, 0.7));
        }
    if (scorpion) {
        limb(c, cx + 7 * s, by, cx + 13 * s, by - 6 * s, 3 * s, body);
        limb(c, cx + 13 * s, by - 6 * s, cx + 9 * s - lunge * 0.5 * s, by - 12 * s, 2.5 * s, body);
        c.fillPolygon({{cx + 9 * s - lunge * 0.5 * s, by - 12 * s}, {cx + 5 * s - lunge * s, by - 10 * s}, {cx + 8 * s, by - 9 * s}}, 0xFFE0D080);
        c.fillEllipse(cx - 11 * s, by, 3 * s, 2 * s, body);
    }
    c.fillEllipse(cx + 4 * s, by - 1 * s, 7 * s, 5.5 * s, body);
    c.fillEllipse(cx - 5 * s, by, 4.5 * s, 4 * s, shade(body, 1.15));
    c.fillEllipse(cx + 5 * s, by - 3 * s, 3 * s, 1.5 * s, shade(body, 1.4));
    for (int i = 0; i < 3; ++i) c.set(static_cast<int>(cx - 7 * s + i * 1.5 * s), static_cast<int>(by - 1 * s), 0xFFFF3030);
}

void Sprites::plant(Canvas& c, double fx, double fy, double s, uint32_t head, uint32_t stem, double sway, double lunge,
                    bool mushroom) {
    double top = fy - 16 * s;
    double hx = fx - lunge * s + sway * s;
    if (mushroom) {
        c.fillRect(static_cast<int>(fx - 4 * s), static_cast<int>(fy - 10 * s), static_cast<int>(8 * s), static_cast<int>(10 * s), stem);
        c.fillEllipse(hx, fy - 11 * s, 11 * s, 6 * s, head);
        for (int i = 0; i < 4; ++i) c.fillCircle(hx - 6 * s + i * 4 * s, fy - 13 * s + (i % 2) * 2 * s, 1.3 * s, 0xFFF8F0E0);
        c.line(static_cast<int>(fx - 3 * s), static_cast<int>(fy - 6 * s), static_cast<int>(fx - 1 * s), static_cast<int>(fy - 5 * s), INK);
        c.line(static_cast<int>(fx + 3 * s), static_cast<int>(fy - 6 * s), static_cast<int>(fx + 1 * s), static_cast<int>(fy - 5 * s), INK);
        c.fillRect(static_cast<int>(fx - 2 * s), static_cast<int>(fy - 3 * s), static_cast<int>(4 * s), static_cast<int>(std::max(1.0, s)), INK);
        return;
    }
    limb(c, fx, fy, hx, top, 2.5 * s, stem);
    c.fillEllipse(fx - 5 * s, fy - 3 * s, 5 * s, 2 * s, stem);
    c.fillEllipse(fx + 5 * s, fy - 4 * s, 5 * s, 2 * s, stem);
    for (int i = 0; i < 6; ++i) {
        double a = i * PI / 3 + sway * 0.1;
        c.fillEllipse(hx + std::cos(a) * 5 * s, top + std::sin(a) * 5 * s, 3.5 * s, 3.5 * s, head);
    }
    c.fillCircle(hx, top, 3.5 * s, lunge > 0.5 ? 0xFF301010 : 0xFFF0E040);
}

void Sprites::spirit(Canvas& c, double cx, double cy, double s, uint32_t glow, double pulse, double lunge, bool eye) {
    cx -= lunge * s;
    double r = (7 + pulse) * s;
    c.fillCircle(cx, cy, r + 4 * s, withAlpha(glow, 50));
    c.fillCircle(cx, cy, r + 2 * s, withAlpha(glow, 90));
    if (eye) {
        c.fillCircle(cx, cy, r, 0xFFF0F4FF);
        c.fillCircle(cx - 2 * s, cy, r * 0.5, glow);
        c.fillCircle(cx - 2.5 * s, cy, r * 0.25, INK);
        for (int i = 0; i < 5; ++i) {
            double a = PI * 0.3 + i * PI * 0.35;
            limb(c, cx + std::cos(a) * r, cy + std::sin(a) * r, cx + std::cos(a) * (r + 5 * s), cy + std::sin(a) * (r + 5 * s) + pulse * s,
                 1.5 * s, shade(glow, 0.7));
        }
    } else {
        c.fillPolygon({{cx - r, cy}, {cx + r, cy}, {cx + r * 0.6, cy + r * 2}, {cx, cy + r * 1.4}, {cx - r * 0.6, cy + r * 2}}, withAlpha(glow, 170));
        c.fillCircle(cx, cy, r, withAlpha(glow, 200));
        c.fillCircle(cx, cy, r * 0.55, withAlpha(0xFFFFFFFF, 200));
        c.fillCircle(cx - 2.5 * s, cy - 1 * s, 1.2 * s, INK);
        c.fillCircle(cx + 2 * s, cy - 1 * s, 1.2 * s, INK);
    }
}

void Sprites::snake(Canvas& c, double fx, double fy, double s, uint32_t body, double ph, double lunge) {
    double prevX = fx + 12 * s, prevY = fy - 3 * s;
    for (int i = 1; i <= 12; ++i) {
        double t = i / 12.0;
        double x = fx + 12 * s - t * 20 * s - lunge * t * t * s;
        double y = fy - 3 * s - std::sin(t * PI * 2 + ph) * 2 * s - t * t * 12 * s;
        limb(c, prevX, prevY, x, y, (3 + t * 2) * s, i % 2 ? body : shade(body, 0.85));
        prevX = x;
        prevY = y;
    }
    c.fillEllipse(prevX - 2 * s, prevY, 4 * s, 3 * s, body);
    c.set(static_cast<int>(prevX - 3 * s), static_cast<int>(prevY - 1 * s), 0xFFFFE040);
    c.line(static_cast<int>(prevX - 6 * s), static_cast<int>(prevY + 1 * s), static_cast<int>(prevX - 9 * s), static_cast<int>(prevY + 2 * s), 0xFFE02020);
}

void Sprites::sword(Canvas& c, int x, int y, int s, uint32_t blade, uint32_t hilt, int v) {
    double k = s / 32.0;
    double len = (v % 3 == 2 ? 14 : v % 3 == 1 ? 22 : 26) * k;
    double tipX = x + s - 4 * k, tipY = y + 4 * k;
    double baseX = tipX - len * 0.707, baseY = tipY + len * 0.707;
    double w = (v % 2 ? 2.5 : 3.5) * k;
    c.fillPolygon({{tipX, tipY}, {baseX + w, baseY + w * 0.2}, {baseX - w * 0.2, baseY - w}}, blade);
    c.line(static_cast<int>(tipX), static_cast<int>(tipY), static_cast<int>(baseX), static_cast<int>(baseY), shade(blade, 1.4));
    c.line(static_cast<int>(baseX - 5 * k), static_cast<int>(baseY - 5 * k), static_cast<int>(baseX + 5 * k), static_cast<int>(baseY + 5 * k), hilt,
           std::max(1, static_cast<int>(2.5 * k)));
    c.line(static_cast<int>(baseX), static_cast<int>(baseY), static_cast<int>(baseX - 6 * k), static_cast<int>(baseY + 6 * k), 0xFF6A4420,
           std::max(1, static_cast<int>(2.5 * k)));
    c.fillCircle(baseX - 7 * k, baseY + 7 * k, 1.8 * k, hilt);
}

void Sprites::axe(Canvas& c, int x, int y, int s, uint32_t head, int v) {
    double k = s / 32.0;
    c.line(static_cast<int>(x + 8 * k), static_cast<int>(y + s - 4 * k), static_cast<int>(x + s - 8 * k), static_cast<int>(y + 6 * k), 0xFF6A4420,
           std::max(1, static_cast<int>(2.5 * k)));
    double hx = x + s - 10 * k, hy = y + 9 * k;
    if (v % 2 == 0) c.fillPolygon({{hx - 2 * k, hy - 4 * k}, {hx + 8 * k, hy - 8 * k}, {hx + 10 * k, hy + 4 * k}, {hx + 2 * k, hy + 4 * k}}, head);
    else c.fillCircle(hx + 2 * k, hy, 6 * k, head);  // mace
    if (v % 2) for (int i = 0; i < 4; ++i) c.fillCircle(hx + 2 * k + std::cos(i * PI / 2) * 7 * k, hy + std::sin(i * PI / 2) * 7 * k, 1.5 * k, shade(head, 0.7));
}

void Sprites::shield(Canvas& c, int x, int y, int s, uint32_t face, uint32_t rim, int v) {
    double k = s / 32.0;
    double cx = x + s / 2.0;
    if (v % 3 == 1) {
        c.fillCircle(cx, y + s / 2.0, 12 * k, rim);
        c.fillCircle(cx, y + s / 2.0, 10 * k, face);
        c.fillCircle(cx, y + s / 2.0, 3 * k, rim);
        return;
    }
    std::vector<std::pair<double, double>> pts = {{cx - 11 * k, y + 4 * k}, {cx + 11 * k, y + 4 * k}, {cx + 11 * k, y + 14 * k}, {cx, y + 28 * k}, {cx - 11 * k, y + 14 * k}};
    c.fillPolygon(pts, rim);
    std::vector<std::pair<double, double>> in = {{cx - 9 * k, y + 6 * k}, {cx + 9 * k, y + 6 * k}, {cx + 9 * k, y + 14 * k}, {cx, y + 25.5 * k}, {cx - 9 * k, y + 14 * k}};
    c.fillPolygon(in, face);
    if (v % 3 == 2) c.fillRect(static_cast<int>(cx - 1.5 * k), static_cast<int>(y + 6 * k), static_cast<int>(3 * k), static_cast<int>(18 * k), rim);
    else c.fillRect(static_cast<int>(cx - 9 * k), static_cast<int>(y + 12 * k), static_cast<int>(18 * k), static_cast<int>(2.5 * k), rim);
}

void Sprites::staff(Canvas& c, int x, int y, int s, uint32_t wood, uint32_t orb) {
    double k = s / 32.0;
    c.line(static_cast<int>(x + 6 * k), static_cast<int>(y + s - 3 * k), static_cast<int>(x + s - 9 * k), static_cast<int>(y + 9 * k), wood,
           std::max(1, static_cast<int>(2.5 * k)));
    c.fillCircle(x + s - 8 * k, y + 7 * k, 4.5 * k, orb);
    c.fillCircle(x + s - 9.5 * k, y + 5.5 * k, 1.5 * k, 0xFFFFFFFF);
}

void Sprites::heart(Canvas& c, int x, int y, int s, uint32_t col) {
    double k = s / 16.0;
    c.fillCircle(x + 5 * k, y + 6 * k, 3.6 * k, col);
    c.fillCircle(x + 11 * k, y + 6 * k, 3.6 * k, col);
    c.fillPolygon({{x + 1.6 * k, y + 7.5 * k}, {x + 14.4 * k, y + 7.5 * k}, {x + 8 * k, y + 14.5 * k}}, col);
    c.fillCircle(x + 4.5 * k, y + 5 * k, 1.2 * k, shade(col, 1.6));
}

void Sprites::gem(Canvas& c, int x, int y, int s, uint32_t col) {
    double k = s / 16.0;
    c.fillPolygon({{x + 4 * k, y + 2 * k}, {x + 12 * k, y + 2 * k}, {x + 15 * k, y + 6 * k}, {x + 8 * k, y + 15 * k}, {x + 1 * k, y + 6 * k}}, col);
    c.fillPolygon({{x + 4 * k, y + 2 * k}, {x + 12 * k, y + 2 * k}, {x + 10 * k, y + 6 * k}, {x + 6 * k, y + 6 * k}}, shade(col, 1.5));
    c.fillPolygon({{x + 6 * k, y + 6 * k}, {x + 10 * k, y + 6 * k}, {x + 8 * k, y + 15 * k}}, shade(col, 0.8));
}

void Sprites::coin(Canvas& c, int x, int y, int s) {
    double k = s / 16.0;
    c.fillCircle(x + 8 * k, y + 8 * k, 7 * k, 0xFFB08010);
    c.fillCircle(x + 8 * k, y + 7.5 * k, 6 * k, 0xFFF0C630);
    c.fillRect(static_cast<int>(x + 7 * k), static_cast<int>(y + 4 * k), static_cast<int>(std::max(1.0, 2 * k)), static_cast<int>(7 * k), 0xFFB08010);
}

void Sprites::potion(Canvas& c, int x, int y, int s, uint32_t liquid, int v) {
    double k = s / 32.0, cx = x + s / 2.0;
    uint32_t glass = 0xC0D8E8F0;
    if (v % 3 == 1) {
        c.fillRect(static_cast<int>(cx - 6 * k), static_cast<int>(y + 8 * k), static_cast<int>(12 * k), static_cast<int>(19 * k), glass);
        c.fillRect(static_cast<int>(cx - 5 * k), static_cast<int>(y + 13 * k), static_cast<int>(10 * k), static_cast<int>(13 * k), liquid);
    } else {
        c.fillCircle(cx, y + 19 * k, 9 * k, glass);
        c.fillEllipse(cx, y + 21 * k, 8 * k, 6.5 * k, liquid);
    }
    c.fillRect(static_cast<int>(cx - 2.5 * k), static_cast<int>(y + 3 * k), static_cast<int>(5 * k), static_cast<int>(7 * k), glass);
    c.fillRect(static_cast<int>(cx - 3 * k), static_cast<int>(y + 2 * k), static_cast<int>(6 * k), static_cast<int>(3 * k), 0xFF8A5A30);
    c.fillCircle(cx - 3 * k, y + 17 * k, 1.5 * k, 0xC0FFFFFF);
}

void Sprites::helmet(Canvas& c, int x, int y, int s, uint32_t m, int v) {
    double k = s / 32.0, cx = x + s / 2.0;
    c.fillEllipse(cx, y + 16 * k, 11 * k, 11 * k, m);
    c.fillRect(static_cast<int>(cx - 12 * k), static_cast<int>(y + 16 * k), static_cast<int>(24 * k), static_cast<int>(10 * k), m);
    c.fillRect(static_cast<int>(cx - 8 * k), static_cast<int>(y + 17 * k), static_cast<int>(16 * k), static_cast<int>(3 * k), 0xFF202020);
    if (v % 2 == 0) c.fillRect(static_cast<int>(cx - 1.5 * k), static_cast<int>(y + 17 * k), static_cast<int>(3 * k), static_cast<int>(9 * k), shade(m, 0.7));
    if (v % 3 == 2) c.fillPolygon({{cx - 2 * k, y + 5 * k}, {cx + 2 * k, y + 5 * k}, {cx + 6 * k, y}, {cx, y + 2 * k}}, 0xFFD03030);
    c.fillEllipse(cx - 4 * k, y + 10 * k, 3 * k, 2 * k, shade(m, 1.4));
}

void Sprites::armour(Canvas& c, int x, int y, int s, uint32_t col, int v) {
    double k = s / 32.0, cx = x + s / 2.0;
    c.fillPolygon({{cx - 12 * k, y + 6 * k}, {cx - 5 * k, y + 4 * k}, {cx, y + 8 * k}, {cx + 5 * k, y + 4 * k}, {cx + 12 * k, y + 6 * k},
                   {cx + 13 * k, y + 14 * k}, {cx + 9 * k, y + 14 * k}, {cx + 9 * k, y + 28 * k}, {cx - 9 * k, y + 28 * k}, {cx - 9 * k, y + 14 * k},
                   {cx - 13 * k, y + 14 * k}},
                  col);
    c.fillRect(static_cast<int>(cx - 9 * k), static_cast<int>(y + 21 * k), static_cast<int>(18 * k), static_cast<int>(2 * k), shade(col, 0.6));
    if (v % 2) c.line(static_cast<int>(cx), static_cast<int>(y + 9 * k), static_cast<int>(cx), static_cast<int>(y + 20 * k), shade(col, 1.4));
}

void Sprites::legs(Canvas& c, int x, int y, int s, uint32_t col, int v) {
    double k = s / 32.0, cx = x + s / 2.0;
    c.fillRect(static_cast<int>(cx - 9 * k), static_cast<int>(y + 4 * k), static_cast<int>(18 * k), static_cast<int>(5 * k), shade(col, 0.8));
    c.fillPolygon({{cx - 9 * k, y + 8 * k}, {cx, y + 8 * k}, {cx - 1 * k, y + 28 * k}, {cx - 8 * k, y + 28 * k}}, col);
    c.fillPolygon({{cx, y + 8 * k}, {cx + 9 * k, y + 8 * k}, {cx + 8 * k, y + 28 * k}, {cx + 1 * k, y + 28 * k}}, col);
    if (v % 2) {
        c.fillRect(static_cast<int>(cx - 8 * k), static_cast<int>(y + 16 * k), static_cast<int>(7 * k), static_cast<int>(3 * k), shade(col, 1.3));
        c.fillRect(static_cast<int>(cx + 1 * k), static_cast<int>(y + 16 * k), static_cast<int>(7 * k), static_cast<int>(3 * k), shade(col, 1.3));
    }
}

void Sprites::boots(Canvas& c, int x, int y, int s, uint32_t col, int v) {
    double k = s / 32.0;
    for (int i = 0; i < 2; ++i) {
        double bx = x + 5 * k + i * 12 * k;
        c.fillRect(static_cast<int>(bx), static_cast<int>(y + 8 * k), static_cast<int>(7 * k), static_cast<int>(15 * k), col);
        c.fillEllipse(bx + 6 * k, y + 24 * k, 7 * k, 3.5 * k, col);
        c.fillRect(static_cast<int>(bx), static_cast<int>(y + 8 * k), static_cast<int>(7 * k), static_cast<int>(2 * k), shade(col, v % 2 ? 1.5 : 0.6));
    }
}

void Sprites::glove(Canvas& c, int x, int y, int s, uint32_t col, int v) {
    double k = s / 32.0;
    c.fillRect(static_cast<int>(x + 9 * k), static_cast<int>(y + 18 * k), static_cast<int>(12 * k), static_cast<int>(10 * k), shade(col, 0.8));
    c.fillEllipse(x + 15 * k, y + 15 * k, 8 * k, 7 * k, col);
    for (int i = 0; i < 4; ++i) c.fillRect(static_cast<int>(x + 8 * k + i * 4 * k), static_cast<int>(y + 4 * k + (i == 0 || i == 3 ? 2 : 0) * k),
                                           static_cast<int>(3 * k), static_cast<int>(10 * k), col);
    c.fillEllipse(x + 23 * k, y + 16 * k, 2 * k, 5 * k, col);
    if (v % 2) c.fillRect(static_cast<int>(x + 9 * k), static_cast<int>(y + 20 * k), static_cast<int>(12 * k), static_cast<int>(2 * k), 0xFFE0C040);
}

void Sprites::ring(Canvas& c, int x, int y, int s, uint32_t band, uint32_t stone, int v) {
    double k = s / 32.0, cx = x + s / 2.0;
    if (v % 2) {  // amulet
        c.strokeEllipse(cx, y + 10 * k, 9 * k, 8 * k, band);
        c.fillCircle(cx, y + 20 * k, 6 * k, band);
        c.fillCircle(cx, y + 20 * k, 4 * k, stone);
        return;
    }
    for (double r = 7 * k; r <= 9 * k; r += 0.7) c.strokeEllipse(cx, y + 19 * k, r, r * 0.9, band);
    c.fillCircle(cx, y + 9 * k, 4.5 * k, stone);
    c.fillCircle(cx - 1.5 * k, y + 7.5 * k, 1.3 * k, 0xFFFFFFFF);
}

void Sprites::element(Canvas& c, int x, int y, int s, int e) {
    double k = s / 16.0, cx = x + s / 2.0, cy = y + s / 2.0;
    switch (e) {
    case 0:  // fire
        c.fillPolygon({{cx, y + 1 * k}, {cx + 6 * k, cy + 2 * k}, {cx + 4 * k, y + 15 * k}, {cx - 4 * k, y + 15 * k}, {cx - 6 * k, cy + 2 * k}}, 0xFFE83A10);
        c.fillPolygon({{cx, y + 6 * k}, {cx + 3 * k, cy + 4 * k}, {cx, y + 14 * k}, {cx - 3 * k, cy + 4 * k}}, 0xFFFFD040);
        break;
    case 1:  // ice
        for (int i = 0; i < 3; ++i) {
            double a = i * PI / 3;
            c.line(static_cast<int>(cx - std::cos(a) * 7 * k), static_cast<int>(cy - std::sin(a) * 7 * k), static_cast<int>(cx + std::cos(a) * 7 * k),
                   static_cast<int>(cy + std::sin(a) * 7 * k), 0xFF9EE8FF, std::max(1, static_cast<int>(2 * k)));
        }
        c.fillCircle(cx, cy, 2 * k, 0xFFFFFFFF);
        break;
    case 2:  // earth
        c.fillPolygon({{x + 1 * k, y + 14 * k}, {x + 5 * k, y + 4 * k}, {cx, y + 9 * k}, {x + 11 * k, y + 2 * k}, {x + 15 * k, y + 14 * k}}, 0xFF8A6A3A);
        c.fillPolygon({{x + 9 * k, y + 5 * k}, {x + 11 * k, y + 2 * k}, {x + 13 * k, y + 7 * k}}, 0xFF5AB040);
        break;
    case 3:  // wind
        for (int i = 0; i < 3; ++i) c.strokeEllipse(cx - 1 * k + i, cy - 4 * k + i * 4 * k, (6 - i) * k, 1.8 * k, 0xFFB8F0C0);
        break;
    case 4:  // dark
        c.fillCircle(cx, cy, 6.5 * k, 0xFF6A2A9A);
        c.fillCircle(cx + 2.5 * k, cy - 1.5 * k, 5 * k, 0xFF200830);
        break;
    default:  // light
        star(c, cx, cy, 7 * k, 0xFFFFF4A0, 8);
        c.fillCircle(cx, cy, 3 * k, 0xFFFFFFFF);
        break;
    }
}

void Sprites::star(Canvas& c, double cx, double cy, double r, uint32_t col, int n) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < n * 2; ++i) {
        double a = -PI / 2 + i * PI / n, rr = i % 2 ? r * 0.45 : r;
        pts.emplace_back(cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    c.fillPolygon(pts, col);
}

void Sprites::wings(Canvas& c, int x, int y, int s, uint32_t col) {
    double k = s / 32.0;
    for (int side = -1; side <= 1; side += 2) {
        double cx = x + s / 2.0;
        for (int i = 0; i < 4; ++i)
            c.fillEllipse(cx + side * (5 + i * 2.5) * k, y + (10 + i * 3) * k, 5 * k, 3 * k, shade(col, 1.0 - i * 0.08));
    }
}

void Sprites::book(Canvas& c, int x, int y, int s, uint32_t col) {
    double k = s / 32.0;
    c.fillRect(static_cast<int>(x + 6 * k), static_cast<int>(y + 4 * k), static_cast<int>(20 * k), static_cast<int>(24 * k), col);
    c.fillRect(static_cast<int>(x + 8 * k), static_cast<int>(y + 6 * k), static_cast<int>(16 * k), static_cast<int>(20 * k), shade(col, 1.2));
    c.fillRect(static_cast<int>(x + 6 * k), static_cast<int>(y + 24 * k), static_cast<int>(20 * k), static_cast<int>(3 * k), 0xFFF0E8D0);
    c.fillRect(static_cast<int>(x + 12 * k), static_cast<int>(y + 10 * k), static_cast<int>(8 * k), static_cast<int>(2 * k), 0xFFE0C040);
}

void Sprites::pickaxe(Canvas& c, int x, int y, int s) {
    double k = s / 32.0;
    c.line(static_cast<int>(x + 6 * k), static_cast<int>(y + s - 4 * k), static_cast<int>(x + s - 9 * k), static_cast<int>(y + 9 * k), 0xFF7A5228,
           std::max(1, static_cast<int>(2.5 * k)));
    c.fillPolygon({{x + 8 * k, y + 6 * k}, {x + 16 * k, y + 3 * k}, {x + 26 * k, y + 7 * k}, {x + 29 * k, y + 16 * k}, {x + 22 * k, y + 10 * k}, {x + 14 * k, y + 8 * k}},
                  0xFFA8A8B0);
}

void Sprites::text(Canvas& c, int x, int y, const std::string& s, uint32_t col, int scale) {
    static const std::map<char, const char*> glyphs = {
        {'A', "010101111101101"}, {'B', "110101110101110"}, {'C', "011100100100011"}, {'D', "110101101101110"},
        {'E', "111100110100111"}, {'F', "111100110100100"}, {'G', "011100101101011"}, {'H', "101101111101101"},
        {'I', "111010010010111"}, {'J', "001001001101010"}, {'K', "101101110101101"}, {'L', "100100100100111"},
        {'M', "101111111101101"}, {'N', "110101101101101"}, {'O', "010101101101010"}, {'P', "110101110100100"},
        {'Q', "010101101110011"}, {'R', "110101110101101"}, {'S', "011100010001110"}, {'T', "111010010010010"},
        {'U', "101101101101111"}, {'V', "101101101101010"}, {'W', "101101111111101"}, {'X', "101101010101101"},
        {'Y', "101101010010010"}, {'Z', "111001010100111"}, {'0', "111101101101111"}, {'1', "010110010010111"},
        {'2', "110001010100111"}, {'3', "110001010001110"}, {'4', "101101111001001"}, {'5', "111100110001110"},
        {'6', "011100110101010"}, {'7', "111001010010010"}, {'8', "010101010101010"}, {'9', "010101011001110"},
        {'!', "010010010000010"}, {'?', "110001010000010"}, {'.', "000000000000010"}, {'-', "000000111000000"},
        {':', "000010000010000"}, {'+', "000010111010000"}, {'/', "001001010100100"}, {'\'', "010010000000000"},
    };
    int cx = x;
    for (char ch : s) {
        char u = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        auto it = glyphs.find(u);
        if (it != glyphs.end())
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 3; ++i)
                    if (it->second[j * 3 + i] == '1') c.fillRect(cx + i * scale, y + j * scale, scale, scale, col);
        cx += 4 * scale;
    }
}

}  // namespace tools
