#include "PictureMaker.h"

#include "Sprites.h"
#include "TitlePictures.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {
constexpr double PI = std::numbers::pi;
using Paint = std::function<void(Canvas&, std::mt19937&)>;
using CellPaint = std::function<void(Canvas&, int index, std::mt19937&)>;

double uni(std::mt19937& r) { return std::uniform_real_distribution<double>(0, 1)(r); }

// Draws `n` cells of cw x ch, left to right, wrapping at the canvas width.
Paint cellsOf(int cw, int ch, int n, CellPaint fn, bool outline = true) {
    return [=](Canvas& c, std::mt19937& r) {
        int cols = std::max(1, c.width() / cw);
        for (int i = 0; i < n; ++i) {
            Canvas cell(cw, ch);
            fn(cell, i, r);
            if (outline) cell.outline(0xFF141014);
            c.blit(cell, (i % cols) * cw, (i / cols) * ch);
        }
    };
}

struct Builder {
    std::vector<PictureRecipe> recipes;
    void add(std::string id, int w, int h, int cw, int ch, int n, std::string shows, std::string source, Paint p) {
        recipes.push_back({"assets/" + std::move(id), w, h, cw, ch, n, std::move(shows), std::move(source), std::move(p)});
    }
    // A strip of n cells on one row.
    void strip(std::string id, int cw, int ch, int n, std::string shows, std::string source, CellPaint fn, bool outline = true) {
        add(std::move(id), cw * n, ch, cw, ch, n, std::move(shows), std::move(source), cellsOf(cw, ch, n, std::move(fn), outline));
    }
};

// ---- UI pieces ----

// A nine-slice skin: outer line, rim and middle.
void skin(Canvas& c, int x, int y, int w, int h, uint32_t middle, uint32_t line, uint32_t rim, int radius = 2) {
    c.fillRect(x + radius, y, w - 2 * radius, h, line);
    c.fillRect(x, y + radius, w, h - 2 * radius, line);
    c.fillRect(x + 1, y + 1, w - 2, h - 2, line);
    c.fillRect(x + 1, y + radius, w - 2, h - 2 * radius, rim);
    c.fillRect(x + radius, y + 1, w - 2 * radius, h - 2, rim);
    c.fillRect(x + 3, y + 3, w - 6, h - 6, middle);
}

// A 13 x 13 window skin at (x, 0): a black outline, a two-pixel light grey rim with rounded
// corners, a dark grey ornament inside each corner and the middle colour (alpha included).
void windowSkin(Canvas& c, int x, uint32_t middle) {
    for (int py = 0; py < 13; ++py)
        for (int px = 0; px < 13; ++px) {
            const int dx = std::min(px, 12 - px), dy = std::min(py, 12 - py), d = std::min(dx, dy);
            uint32_t col = middle;
            if (dx + dy <= 1) continue;  // the outline's rounded corner
            if (d == 0 || (dx == 1 && dy == 1)) col = 0xFF000000;
            else if (d <= 2 || (dx == 3 && dy == 3)) col = 0xFFA7A7A7;
            else if ((dx == 4 && dy == 4) || (dx == 5 && dy == 4) || (dx == 4 && dy == 5)) col = 0xFF525252;
            c.set(x + px, py, col);
        }
}

Paint buttonSkin(uint32_t middle, bool yellow) {
    return [=](Canvas& c, std::mt19937&) {
        if (yellow) {
            c.fillRect(1, 0, c.width() - 2, c.height(), middle);
            c.fillRect(0, 1, c.width(), c.height() - 2, middle);
            c.strokeRect(1, 1, c.width() - 2, c.height() - 2, shade(middle, 0.7));
        } else {
            skin(c, 0, 0, c.width(), c.height(), middle, shade(mix(middle, 0xFFFFFFFF, 0.35), 1.0), shade(middle, 1.25), 2);
        }
    };
}

void frameBox(Canvas& c, int x, int y, int w, int h, uint32_t line, uint32_t inner) {
    c.strokeRect(x, y, w, h, line);
    c.strokeRect(x + 1, y + 1, w - 2, h - 2, inner);
}

uint32_t elementColour(int e) {
    static const uint32_t cols[] = {0xFFE84A20, 0xFF7ED8FF, 0xFF9A7040, 0xFF90E8A0, 0xFF8040B0, 0xFFFFF080};
    return cols[e % 6];
}

// ---- Monsters ----

enum class Plan { PERSON, BEAST, FLIER, BLOB, SPIDER, PLANT, SPIRIT, SNAKE };

struct MonsterArt {
    std::string stem;
    Plan plan;
    int size;  // cell edge of the idle strip
    uint32_t a, b;
    bool flying;
    Look look;
};

Look person(uint32_t skin, uint32_t top, uint32_t bottom, uint32_t accent, double scale) {
    Look k;
    k.skin = skin;
    k.top = top;
    k.bottom = bottom;
    k.accent = accent;
    k.hair = shade(top, 0.5);
    k.scale = scale;
    return k;
}

std::vector<MonsterArt> monsterArt() {
    auto helm = [](Look k) { k.helmet = true; return k; };
    auto hood = [](Look k) { k.hood = true; return k; };
    auto horn = [](Look k) { k.horns = true; k.bald = true; return k; };
    auto bald = [](Look k) { k.bald = true; return k; };
    auto robe = [](Look k) { k.robe = true; k.hood = true; k.weaponKind = 3; return k; };
    auto big = [](Look k, double bulk, int weapon) { k.bulk = bulk; k.weaponKind = weapon; return k; };
    auto ears = [](Look k) { k.ears = true; k.weaponKind = 1; return k; };
    return {
        {"Rat", Plan::BEAST, 32, 0xFF8A7A70, 0xFFC8A8A0, false, {}},
        {"Bat", Plan::FLIER, 32, 0xFF4A3A5A, 0xFF6A4A7A, true, {}},
        {"AngryShroom", Plan::PLANT, 32, 0xFFC83030, 0xFFE8DCC0, false, {}},
        {"Spider", Plan::SPIDER, 32, 0xFF3A3A44, 0, false, {}},
        {"Goblin", Plan::PERSON, 40, 0, 0, false, ears(bald(person(0xFF6AB040, 0xFF7A5A30, 0xFF5A4020, 0xFFB0B0B8, 0.8)))},
        {"Salamander", Plan::BEAST, 40, 0xFFD04A20, 0xFFF0A040, false, {}},
        {"Goo", Plan::BLOB, 32, 0xFF50C040, 0, false, {}},
        {"CaveScorpion", Plan::SPIDER, 40, 0xFF9A6A30, 0, false, {}},
        {"GoblinChief", Plan::PERSON, 48, 0, 0, false, big(ears(helm(person(0xFF5AA038, 0xFF8A3020, 0xFF4A3020, 0xFFC8A040, 1.0))), 1.2, 0)},
        {"SwampToad", Plan::BLOB, 40, 0xFF4A7A30, 0, false, {}},
        {"AcidFlower", Plan::PLANT, 40, 0xFFA0E040, 0xFF3A8A30, false, {}},
        {"JungleSnake", Plan::SNAKE, 40, 0xFF3A9A40, 0, false, {}},
        {"GiantJungleSpider", Plan::SPIDER, 64, 0xFF2A5A2A, 0, false, {}},
        {"MutantDragonfly", Plan::FLIER, 40, 0xFF3A8AA0, 0xFFB0F0FF, true, {}},
        {"AncientTortoise", Plan::BEAST, 48, 0xFF7A8A50, 0xFFC0C090, false, {}},
        {"TempleSpirit", Plan::SPIRIT, 40, 0xFFF0D060, 0, true, {}},
        {"BloodSpider", Plan::SPIDER, 40, 0xFF9A1A1A, 0, false, {}},
        {"StoneTitan", Plan::PERSON, 56, 0, 0, false, big(bald(person(0xFF8A8A90, 0xFF6A6A70, 0xFF5A5A60, 0xFF9A9AA0, 1.2)), 1.6, 1)},
        {"UndeadWolf", Plan::BEAST, 48, 0xFF8A9090, 0xFFB8C0C0, false, {}},
        {"IcyEye", Plan::SPIRIT, 40, 0xFF60B8F0, 1, true, {}},
        {"PrimitiveMage", Plan::PERSON, 40, 0, 0, false, big(hood(person(0xFFD8A070, 0xFF8A5A2A, 0xFF6A4020, 0xFF60C0FF, 0.85)), 1.0, 3)},
        {"UndeadIceViking", Plan::PERSON, 48, 0, 0, false, helm(person(0xFFA8C8D0, 0xFF506880, 0xFF3A4A5A, 0xFFD0E0F0, 1.0))},
        {"Mimic", Plan::BLOB, 40, 0xFF7A4A22, 1, false, {}},
        {"Yeti", Plan::PERSON, 64, 0, 0, false, big(bald(person(0xFFE8F0F8, 0xFFD8E4F0, 0xFFC8D4E0, 0xFF90A0B0, 1.45)), 1.7, 4)},
        {"IcyGoo", Plan::BLOB, 40, 0xFF80D8F0, 0, false, {}},
        {"PossessedKnight", Plan::PERSON, 48, 0, 0, false, helm(person(0xFF9090A0, 0xFF404058, 0xFF303040, 0xFF8A60C0, 1.0))},
        {"FrostGiant", Plan::PERSON, 56, 0, 0, false, big([] { Look k = person(0xFF90C0E0, 0xFF4A6A9A, 0xFF3A4A6A, 0xFFE0F0FF, 1.25); k.beard = true; k.hair = 0xFFE0F0FF; return k; }(), 1.4, 1)},
        {"PlasmaWizard", Plan::PERSON, 48, 0, 0, false, robe(person(0xFFD8B0E0, 0xFF6A30A0, 0xFF5A2090, 0xFFE060FF, 1.0))},
        {"AncientSpearman", Plan::PERSON, 48, 0, 0, false, big(helm(person(0xFFC8B890, 0xFF8A7040, 0xFF6A5030, 0xFFD0C080, 1.0)), 1.0, 2)},
        {"Wisp", Plan::SPIRIT, 32, 0xFF80F0FF, 0, true, {}},
        {"ForestSpirit", Plan::SPIRIT, 40, 0xFF80E070, 0, true, {}},
        {"Troll", Plan::PERSON, 56, 0, 0, false, big(ears(bald(person(0xFF7A9A6A, 0xFF6A5030, 0xFF5A4028, 0xFF8A7A60, 1.25))), 1.6, 1)},
        {"GhostGnome", Plan::PERSON, 40, 0, 0, false, [] { Look k = person(0xFFC0E8F0, 0xFF90C0D0, 0xFF80B0C0, 0xFFFFFFFF, 0.75); k.hat = true; k.beard = true; k.hair = 0xFFE8F8FF; return k; }()},
        {"CrystalGolem", Plan::PERSON, 56, 0, 0, false, big([] { Look k = person(0xFFA0F0F0, 0xFF60C8D8, 0xFF50A8B8, 0xFFE0FFFF, 1.2); k.bald = true; k.spikes = true; return k; }(), 1.6, 4)},
        {"Wyvern", Plan::FLIER, 56, 0xFF5A8A40, 0xFF8AAA60, true, {}},
        {"LightDragon", Plan::FLIER, 64, 0xFFF0E8C0, 0xFFFFF8E0, true, {}},
        {"Sorcerer", Plan::PERSON, 48, 0, 0, false, robe(person(0xFFE0C8B0, 0xFF2A2A6A, 0xFF1A1A50, 0xFFFFD040, 1.0))},
        {"DemonMinion", Plan::PERSON, 48, 0, 0, false, big(horn(person(0xFFC03020, 0xFF5A1A1A, 0xFF3A1010, 0xFFFF8040, 1.0)), 1.2, 2)},
        {"GoldenKnight", Plan::PERSON, 48, 0, 0, false, helm(person(0xFFE0C060, 0xFFD0A830, 0xFFB08820, 0xFFFFE080, 1.0))},
        {"LostAdventurer", Plan::PERSON, 48, 0, 0, false, person(0xFFB8A8A0, 0xFF4A5A4A, 0xFF3A3A3A, 0xFFA0A0A8, 1.0)},
        {"DarkWyvern", Plan::FLIER, 56, 0xFF3A2A4A, 0xFF5A3A6A, true, {}},
        {"EmeraldDragon", Plan::FLIER, 64, 0xFF20A060, 0xFF60D090, true, {}},
        {"TorturedSpirit", Plan::SPIRIT, 48, 0xFFB060E0, 0, true, {}},
        {"GoldDragon", Plan::FLIER, 64, 0xFFE0B030, 0xFFF0D070, true, {}},
    };
}

constexpr int IDLE_FRAMES = 4, ATTACK_FRAMES = 6, ATTACK_EXTRA = 16;

// Draws monster `m` into a cell: idle (lunge 0) or attacking (lunge > 0), frame phase t.
void drawMonster(Canvas& c, const MonsterArt& m, double phase, double lunge) {
    double s = m.size / 32.0;
    double fx = c.width() - m.size * 0.5 - 2, fy = c.height() - 2;
    switch (m.plan) {
    case Plan::PERSON: {
        // Drawn facing right, then mirrored so that it faces the hero on the left.
        Look k = m.look;
        k.scale = m.size / 48.0 * (k.scale < 1 ? 0.8 : k.bulk > 1.3 ? 1.0 : 0.92);
        Canvas right(c.width(), c.height());
        // Attacking (lunge > 0), `phase` is the attack cell: wind up, raise, strike forward and down, recover.
        static const double ARM[] = {0.1, 0.7, 1.0, 0.55, 0.25, 0.2, 0.1};
        static const double STEP[] = {0, 0, -1, 4, 7, 5, 2};
        int cell = std::clamp(static_cast<int>(phase), 0, 6);
        double arm = lunge > 0 ? ARM[cell] : 0.1;
        double lean = lunge > 0 ? STEP[cell] : 0;
        Sprites::person(right, c.width() - fx, fy, k, Facing::RIGHT, 0, lunge > 0 ? 0 : std::sin(phase) * 0.6 * s, arm, true, lean);
        c.blit(right, 0, 0, true);
        break;
    }
    case Plan::BEAST: Sprites::quadruped(c, fx, fy, s, m.a, m.b, phase, lunge, m.stem != "AncientTortoise", m.stem == "Salamander", m.stem == "AncientTortoise"); break;
    case Plan::FLIER:
        Sprites::flier(c, fx, fy - c.height() * 0.45, s * (m.size >= 56 ? 0.9 : 1.0), m.a, m.b, phase, lunge, m.size >= 56, m.stem == "MutantDragonfly");
        break;
    case Plan::BLOB: Sprites::blob(c, fx, fy, s, m.a, std::sin(phase), lunge, m.b == 1); break;
    case Plan::SPIDER: Sprites::spider(c, fx, fy, s, m.a, phase, lunge, m.stem == "CaveScorpion"); break;
    case Plan::PLANT: Sprites::plant(c, fx, fy, s, m.a, m.b, std::sin(phase) * 1.5, lunge, m.stem == "AngryShroom"); break;
    case Plan::SPIRIT: Sprites::spirit(c, fx, fy - c.height() * 0.45, s, m.a, std::sin(phase), lunge, m.b == 1); break;
    case Plan::SNAKE: Sprites::snake(c, fx, fy, s, m.a, phase, lunge); break;
    }
}

void addMonsters(Builder& b) {
    for (const auto& m : monsterArt()) {
        int w = m.size, h = m.size, aw = m.size + ATTACK_EXTRA, ah = m.size;
        std::string note = "frame " + std::to_string(w) + "x" + std::to_string(h) + ", idleFrames " + std::to_string(IDLE_FRAMES) +
                           "; attack frame " + std::to_string(aw) + "x" + std::to_string(ah) + ", attFrames " + std::to_string(ATTACK_FRAMES);
        b.strip("x2/monsters/" + m.stem + "Idle.png", w, h, IDLE_FRAMES, m.stem + " idle strip, facing left (" + note + ")",
                "chosen; the monster table's width, height and idleFrames must match",
                [m](Canvas& c, int i, std::mt19937&) { drawMonster(c, m, i * PI / 2, 0); });
        if (m.flying) {
            b.add("x2/monsters/" + m.stem + "Attack.png", aw * ATTACK_FRAMES, ah * 2, aw, ah, IDLE_FRAMES + ATTACK_FRAMES,
                  m.stem + " attack sheet: row 0 the hovering pose (" + std::to_string(IDLE_FRAMES) + " cells, attIdleFrames), row 1 the attack (" +
                      std::to_string(ATTACK_FRAMES) + " cells from attStartX 0, attStartY " + std::to_string(ah) + ")",
                  "chosen; flying monster",
                  [m, aw, ah](Canvas& c, std::mt19937&) {
                      for (int i = 0; i < IDLE_FRAMES; ++i) {
                          Canvas cell(aw, ah);
                          drawMonster(cell, m, i * PI / 2, 0);
                          cell.outline(0xFF141014);
                          c.blit(cell, i * aw, 0);
                      }
                      for (int i = 0; i < ATTACK_FRAMES; ++i) {
                          Canvas cell(aw, ah);
                          drawMonster(cell, m, i * PI / 3, std::sin(i * PI / (ATTACK_FRAMES - 1)) * 14);
                          cell.outline(0xFF141014);
                          c.blit(cell, i * aw, ah);
                      }
                  });
        } else {
            b.strip("x2/monsters/" + m.stem + "Attack.png", aw, ah, ATTACK_FRAMES + 1,
                    m.stem + " attack strip: the pose between attacks, then " + std::to_string(ATTACK_FRAMES) + " attack cells", "chosen",
                    [m](Canvas& c, int i, std::mt19937&) {
                        if (m.plan == Plan::PERSON) drawMonster(c, m, i, i == 0 ? 0 : 1);
                        else drawMonster(c, m, 0, i == 0 ? 0 : std::sin((i - 1) * PI / (ATTACK_FRAMES - 1)) * 14 + 0.6);
                    });
        }
    }
    auto rgbaOrb = [](uint32_t core, uint32_t glow) {
        return [=](Canvas& c, int i, std::mt19937&) {
            double r = c.width() * (0.28 + 0.05 * std::sin(i * 1.3));
            c.fillCircle(c.width() / 2.0, c.height() / 2.0, r * 1.4, withAlpha(glow, 80));
            c.fillCircle(c.width() / 2.0, c.height() / 2.0, r, glow);
            c.fillCircle(c.width() / 2.0 - r * 0.3, c.height() / 2.0 - r * 0.3, r * 0.45, core);
        };
    };
    auto blast = [](uint32_t col, int n) {
        return [=](Canvas& c, int i, std::mt19937& r) {
            double t = (i + 1.0) / n;
            double cx = c.width() / 2.0, cy = c.height() / 2.0;
            c.fillCircle(cx, cy, c.width() * 0.45 * t, withAlpha(col, static_cast<int>(200 * (1 - t * 0.7))));
            for (int k = 0; k < 8; ++k) {
                double a = k * PI / 4 + uni(r) * 0.3, d = c.width() * 0.4 * t;
                c.fillCircle(cx + std::cos(a) * d, cy + std::sin(a) * d, 2 + 2 * (1 - t), shade(col, 1.4));
            }
            c.fillCircle(cx, cy, c.width() * 0.18 * (1 - t * 0.8), 0xFFFFFFFF);
        };
    };
    auto spit = [](uint32_t col) {
        return [=](Canvas& c, int i, std::mt19937&) {
            double x = c.width() * (0.35 + 0.05 * i);
            c.fillEllipse(x, c.height() / 2.0, c.width() * 0.3, c.height() * 0.3, col);
            c.fillEllipse(x + c.width() * 0.3, c.height() / 2.0, c.width() * 0.2, c.height() * 0.15, withAlpha(col, 140));
            c.fillCircle(x - 2, c.height() / 2.0 - 1, 1.5, shade(col, 1.6));
        };
    };
    auto breath = [](uint32_t col, uint32_t hot) {
        return [=](Canvas& c, int i, std::mt19937& r) {
            double t = (i + 1) / 15.0;
            for (int k = 0; k < 10; ++k) {
                double x = c.width() * (1 - t) + uni(r) * c.width() * t * 0.9;
                double y = c.height() * 0.5 + (uni(r) - 0.5) * c.height() * 0.6 * t;
                c.fillCircle(x, y, 3 + uni(r) * 6 * (1 - t * 0.5), withAlpha(k % 3 ? col : hot, 200));
            }
        };
    };
    b.strip("x2/monsters/fireSpit.png", 24, 14, 4, "fire spit projectile", "battle effect: 24x14, 4 frames", spit(0xFFFF7020), false);
    b.strip("x2/monsters/acidSpit.png", 20, 12, 4, "acid spit projectile", "battle effect: 20x12, 4 frames", spit(0xFF90F030), false);
    b.strip("x2/monsters/gooSpit.png", 20, 12, 4, "goo spit projectile", "chosen, like the acid spit", spit(0xFF50C040), false);
    b.strip("x2/monsters/plasmablast.png", 48, 48, 4, "plasma blast", "battle effect: 48x48, 4 frames", blast(0xFFE060FF, 4), false);
    b.strip("x2/monsters/pixieBlast.png", 48, 48, 4, "pixie blast", "battle effect: 48x48, 4 frames", blast(0xFF80F0FF, 4), false);
    b.strip("x2/monsters/darkPixieBlast.png", 48, 48, 4, "dark pixie blast", "battle effect: 48x48, 4 frames", blast(0xFF7030A0, 4), false);
    b.strip("x2/monsters/EmeraldBreath.png", 48, 48, 15, "emerald breath", "battle effect: 48x48, 15 frames", breath(0xFF30C070, 0xFFB0FFD0), false);
    b.strip("x2/monsters/DarkFireBreath.png", 48, 48, 15, "dark fire breath", "battle effect: 48x48, 15 frames", breath(0xFF6020A0, 0xFFFF6020), false);
    b.strip("x2/monsters/darkOrb.png", 32, 32, 5, "big dark orb", "battle effect: 32x32, 5 frames", rgbaOrb(0xFFE0B0FF, 0xFF6020A0), false);
    b.strip("x2/monsters/darkFireOrb.png", 32, 32, 5, "big dark fire orb", "battle effect: 32x32, 5 frames", rgbaOrb(0xFFFFE080, 0xFFD04010), false);
    b.strip("x2/monsters/darkOrbSmall.png", 16, 16, 5, "small dark orb", "battle effect: 16x16, 5 frames", rgbaOrb(0xFFE0B0FF, 0xFF6020A0), false);
    b.strip("x2/monsters/darkFireOrbSmall.png", 16, 16, 5, "small dark fire orb", "battle effect: 16x16, 5 frames", rgbaOrb(0xFFFFE080, 0xFFD04010), false);
    b.strip("x2/monsters/bloodSplat.png", 32, 32, 9, "blood splat", "battle effect: 32x32, 9 frames", [](Canvas& c, int i, std::mt19937& r) {
        double t = (i + 1) / 9.0;
        for (int k = 0; k < 9; ++k) {
            double a = uni(r) * 2 * PI, d = 12 * t * (0.5 + uni(r));
            c.fillCircle(16 + std::cos(a) * d, 16 + std::sin(a) * d + t * 4, 3 * (1 - t) + 1, 0xFFB01010);
        }
    }, false);
    auto demonHead = [](bool black) {
        return [=](Canvas& c, std::mt19937&) {
            uint32_t skinc = black ? 0xFF101010 : 0xFF9A1A1A;
            double cx = c.width() / 2.0;
            c.fillEllipse(cx, c.height() * 0.55, c.width() * 0.42, c.height() * 0.45, skinc);
            c.fillPolygon({{cx - 40, 50}, {cx - 20, 40}, {cx - 70, 0}}, black ? 0xFF202020 : 0xFFE8E0C8);
            c.fillPolygon({{cx + 40, 50}, {cx + 20, 40}, {cx + 70, 0}}, black ? 0xFF202020 : 0xFFE8E0C8);
            c.fillEllipse(cx - 25, 85, 12, 6, black ? 0xFF303030 : 0xFFFFE040);
            c.fillEllipse(cx + 25, 85, 12, 6, black ? 0xFF303030 : 0xFFFFE040);
            c.fillRect(static_cast<int>(cx - 30), 130, 60, 12, black ? 0xFF000000 : 0xFF300808);
            for (int i = 0; i < 6; ++i) c.fillPolygon({{cx - 28 + i * 10, 130}, {cx - 20 + i * 10, 130}, {cx - 24 + i * 10, 138}}, 0xFFF0F0E0);
            c.outline(0xFF000000);
        };
    };
    b.add("x2/monsters/DemonHead.png", 240, 180, 0, 0, 1, "the demon's head rising from the pit",
          "chosen: 180 rows (the rising's clip); 240 wide, centred between the hands like the glow", demonHead(false));
    b.add("x2/monsters/DemonHeadBlack.png", 240, 180, 0, 0, 1, "the demon's head blackened, laid over the head as it dies", "chosen, as the head", demonHead(true));
    auto hand = [](bool open) {
        return [=](Canvas& c, std::mt19937&) {
            uint32_t col = 0xFF9A1A1A;
            c.fillEllipse(32, open ? 60 : 55, 26, 26, col);
            for (int i = 0; i < 4; ++i) {
                double x = 12 + i * 13;
                if (open) {
                    c.fillRect(static_cast<int>(x), 8, 9, 40, col);
                    c.fillPolygon({{x, 8}, {x + 9, 8}, {x + 4.5, 0}}, 0xFFE8E0C8);
                } else {
                    c.fillEllipse(x + 4, 34, 6, 8, shade(col, 0.85));
                }
            }
            c.fillRect(20, 70, 26, 19, shade(col, 0.8));
            c.outline(0xFF000000);
        };
    };
    b.add("x2/monsters/demonHandClosed.png", 64, 80, 0, 0, 1, "the demon's closed hand (right; flipped for the left)", "chosen; clip height 80", hand(false));
    b.add("x2/monsters/demonHandOpen.png", 64, 89, 0, 0, 1, "the demon's open hand", "chosen; clip height 89", hand(true));
    b.add("x2/monsters/demonGradient.png", 16, 64, 0, 0, 1, "red glow rising from the pit, stretched to 12 tiles wide", "chosen",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 16, 64, 0x00FF2000, 0xC0FF3010); });
    auto still = [](const MonsterArt& m) { return [m](Canvas& c, std::mt19937&) { drawMonster(c, m, 0, 0); c.outline(0xFF141014); }; };
    b.add("x2/monsters/CrystalGolem.png", 56, 56, 0, 0, 1, "the crystal golem, one still picture", "chosen, the golem's cell size", still(monsterArt()[33]));
    b.add("x2/monsters/Idle.png", 32, 32, 32, 32, 1, "a stand-in monster cell (a grey blob)", "chosen",
          [](Canvas& c, std::mt19937&) { Sprites::blob(c, 16, 30, 1, 0xFF909090, 0, 0, false); c.outline(0xFF141014); });
    b.add("x2/monsters/Attack.png", 64, 32, 32, 32, 2, "a stand-in attack strip (pose and one attack cell)", "chosen", [](Canvas& c, std::mt19937&) {
        Sprites::blob(c, 16, 30, 1, 0xFF909090, 0, 0, false);
        Sprites::blob(c, 48, 30, 1, 0xFF909090, 1, 3, false);
        c.outline(0xFF141014);
    });
}

// ---- Heroes and people ----

Look heroLook(const std::string& name) {
    Look k;
    if (name == "girl") { k.top = 0xFFB03040; k.bottom = 0xFF602030; k.hair = 0xFFD89030; k.longHair = true; }
    else if (name == "monk") { k.top = 0xFFE08020; k.bottom = 0xFFC06010; k.bald = true; k.robe = true; k.skin = 0xFFD8A070; }
    else if (name == "velix") { k.top = 0xFF403060; k.bottom = 0xFF302040; k.hair = 0xFFE0E0F0; k.horns = true; k.skin = 0xFFB8A8D8; }
    else { k.top = 0xFF3050A0; k.bottom = 0xFF5A4030; k.hair = 0xFF5A3A1E; }
    k.accent = 0xFFD8D8E0;
    return k;
}

void addHeroes(Builder& b) {
    for (std::string name : {"girl", "guy", "monk", "velix"}) {
        Look k = heroLook(name);
        b.add("x2/heroes/" + name + ".png", 288, 144, 32, 48, 27,
              "the " + name + " hero walking: rows right, down, up; each the idle pose then 8 running cells", "hero run animations: 32x48 cells",
              [k](Canvas& c, std::mt19937&) {
                  Facing fs[] = {Facing::RIGHT, Facing::DOWN, Facing::UP};
                  for (int row = 0; row < 3; ++row)
                      for (int i = 0; i < 9; ++i) {
                          Canvas cell(32, 48);
                          int step = i == 0 ? 0 : i - 1;
                          Sprites::person(cell, 16, 46, k, fs[row], i == 0 ? 0 : step, i == 0 ? 0 : std::abs(std::sin(step * PI / 4)) * 1.5, 0.05, false);
                          cell.outline(0xFF141014);
                          c.blit(cell, i * 32, row * 48);
                      }
              });
        b.strip("x2/heroes/" + name + "Attack.png", 38, 37, 8,
                "the " + name + " hero in battle: the ready pose, then 7 sword-swing cells; the blade lies on the battle's sword points",
                "hero attack animations: 38x37 cells", [k](Canvas& c, int i, std::mt19937&) {
                    // The blade of each cell runs through the points the battle scatters spell
                    // sparks along: base (held) first, then the tip.
                    static const std::vector<std::vector<std::pair<int, int>>> BLADE = {
                        {{15, 20}, {24, 11}}, {{3, 9}, {4, 1}}, {{5, 8}, {8, 0}}, {{21, 16}, {25, 20}},
                        {{21, 16}, {31, 17}}, {}, {{21, 20}, {25, 16}}, {{17, 21}, {28, 14}}};
                    Look l = k;
                    l.scale = 0.72;
                    double lean = i >= 3 && i <= 6 ? 2 : 0;
                    Sprites::person(c, 12 + lean, 36, l, Facing::RIGHT, 0, 0, -0.2, false);
                    double sx = 12 + lean + 5 * 0.72, sy = 36 - 27 * 0.72 + 0.7;
                    const auto& blade = BLADE[static_cast<std::size_t>(i)];
                    if (i == 3) {  // the swing's trail through the arc
                        const std::pair<int, int> arc[] = {{6, 1}, {0, 7}, {6, 15}, {22, 22}, {25, 20}};
                        for (int a = 0; a + 1 < 5; ++a) c.line(arc[a].first, arc[a].second, arc[a + 1].first, arc[a + 1].second, 0x90FFFFFF, 2);
                    }
                    if (i == 5) {  // the blade moves too fast to see: a blur
                        c.fillEllipse(26, 18, 9, 3, 0x60FFFFFF);
                        c.line(static_cast<int>(sx), static_cast<int>(sy), 22, 19, shade(l.top, 1.1), 2);
                        return;
                    }
                    auto [bx, by] = blade[0];
                    auto [tx, ty] = blade[1];
                    c.line(static_cast<int>(sx), static_cast<int>(sy), bx, by, shade(l.top, 1.1), 2);
                    c.line(bx, by, tx, ty, 0xFFE0E0E8, 2);
                    c.line(bx, by, tx, ty, 0xFFFFFFFF);
                    double dx = tx - bx, dy = ty - by, len = std::hypot(dx, dy);
                    c.line(static_cast<int>(bx - dy / len * 2), static_cast<int>(by + dx / len * 2), static_cast<int>(bx + dy / len * 2),
                           static_cast<int>(by - dx / len * 2), 0xFFC0A040);
                    c.fillCircle(bx, by, 1.3, l.skin);
                });
        b.strip("x2/heroes/" + name + "Die.png", 50, 37, 12, "the " + name + " hero falling and lying still", "hero die animation: 50x37 cells",
                [k](Canvas& c, int i, std::mt19937&) {
                    Look l = k;
                    l.scale = 0.72;
                    if (i < 2) Sprites::person(c, 20, 36, l, Facing::RIGHT, 0, -i * 2.0, 0.1, false, -i * 2.0);
                    else Sprites::lyingPerson(c, 28, 36, l, std::min(1.0, (i - 2) / 5.0));
                });
    }
}

struct NpcArt {
    std::string name;
    int kind;  // 0 stand, 1 sit, 2 lie, 3 furniture/other
    Facing facing;
    Look look;
};

Look npcLook(std::mt19937& r, uint32_t top) {
    static const uint32_t skins[] = {0xFFF0C8A0, 0xFFD8A070, 0xFF9A6A40, 0xFF6A4428, 0xFFE8B88A};
    static const uint32_t hairs[] = {0xFF3A2410, 0xFF8A5A20, 0xFFE0C060, 0xFF202020, 0xFF909090, 0xFFA03010};
    static const uint32_t bottoms[] = {0xFF3A3A5A, 0xFF5A4030, 0xFF2A2A2A, 0xFF6A6A50};
    Look k;
    k.skin = skins[r() % 5];
    k.hair = hairs[r() % 6];
    k.top = top;
    k.bottom = bottoms[r() % 4];
    k.scale = 0.85;
    return k;
}

void addNpcs(Builder& b) {
    std::mt19937 r(1234);
    auto L = [&](uint32_t top) { return npcLook(r, top); };
    auto mod = [](Look k, auto f) { f(k); return k; };
    std::vector<NpcArt> people = {
        {"archaeologist", 0, Facing::DOWN, mod(L(0xFFB09060), [](Look& k) { k.hat = true; k.accent = 0xFF8A6A3A; })},
        {"bartender", 0, Facing::DOWN, L(0xFFF0F0F0)},
        {"beardGuy", 1, Facing::DOWN, mod(L(0xFF6A3A2A), [](Look& k) { k.beard = true; })},
        {"bigHatSit", 1, Facing::DOWN, mod(L(0xFF3A6A3A), [](Look& k) { k.hat = true; k.accent = 0xFF4A2A1A; })},
        {"blackGuySitDown", 1, Facing::DOWN, mod(L(0xFFC0A040), [](Look& k) { k.skin = 0xFF6A4428; })},
        {"blondeArrogant", 0, Facing::DOWN, mod(L(0xFF8A2AA0), [](Look& k) { k.hair = 0xFFF0D870; })},
        {"blueShirtSitUp", 1, Facing::UP, L(0xFF3060C0)},
        {"bronzeTableSit", 1, Facing::DOWN, mod(L(0xFFB07A40), [](Look& k) { k.helmet = true; k.accent = 0xFFB07A40; })},
        {"buttcrackGuy", 1, Facing::UP, L(0xFFE0E0D0)},
        {"curlyHairWomanSitLeft", 1, Facing::RIGHT, mod(L(0xFFC04060), [](Look& k) { k.longHair = true; })},
        {"dragonArmorGuy", 0, Facing::DOWN, mod(L(0xFF208050), [](Look& k) { k.helmet = true; k.accent = 0xFF30A060; })},
        {"fireDaggerGuy", 0, Facing::DOWN, L(0xFFD04020)},
        {"greenShirtStand", 0, Facing::DOWN, L(0xFF40A040)},
        {"lostKid", 0, Facing::DOWN, mod(L(0xFF60A0E0), [](Look& k) { k.scale = 0.6; })},
        {"museumMan", 0, Facing::DOWN, mod(L(0xFF5A3A6A), [](Look& k) { k.bald = true; k.beard = true; k.hair = 0xFFC0C0C0; })},
        {"normalGuy", 0, Facing::DOWN, L(0xFF6A8AB0)},
        {"normalLady", 0, Facing::DOWN, mod(L(0xFFD06A8A), [](Look& k) { k.longHair = true; k.robe = true; k.bottom = k.top; })},
        {"normalLadyAlone", 0, Facing::DOWN, mod(L(0xFF8AD06A), [](Look& k) { k.longHair = true; k.robe = true; k.bottom = k.top; })},
        {"oldGuyBar", 1, Facing::RIGHT, mod(L(0xFF7A6A5A), [](Look& k) { k.hair = 0xFFE0E0E0; k.beard = true; })},
        {"pearlRingWoman", 0, Facing::DOWN, mod(L(0xFFF0F0FF), [](Look& k) { k.longHair = true; k.robe = true; k.bottom = 0xFFE0E0F0; })},
        {"scientist", 0, Facing::DOWN, mod(L(0xFFF8F8F8), [](Look& k) { k.hair = 0xFFE0E0E0; })},
        {"shadyGuy", 0, Facing::DOWN, mod(L(0xFF2A2A30), [](Look& k) { k.hood = true; })},
        {"shopkeep0", 0, Facing::DOWN, mod(L(0xFF8A5A2A), [](Look& k) { k.beard = true; })},
        {"shopkeep1", 0, Facing::DOWN, mod(L(0xFF2A6A8A), [](Look& k) { k.hat = true; k.accent = 0xFF2A6A8A; })},
        {"shopkeep2", 0, Facing::DOWN, mod(L(0xFF6A2A8A), [](Look& k) { k.hood = true; })},
        {"shopkeep3", 0, Facing::DOWN, mod(L(0xFFA0A0A8), [](Look& k) { k.helmet = true; })},
        {"shopkeep6", 0, Facing::DOWN, mod(L(0xFF40A0A0), [](Look& k) { k.longHair = true; })},
        {"shopkeep7", 0, Facing::DOWN, mod(L(0xFFA04040), [](Look& k) { k.bald = true; })},
        {"shopkeep8", 0, Facing::DOWN, mod(L(0xFF3A3A8A), [](Look& k) { k.robe = true; k.hood = true; k.bottom = k.top; })},
        {"shopkeep9", 0, Facing::DOWN, mod(L(0xFFC0A030), [](Look& k) { k.hat = true; k.accent = 0xFF6A3A1A; })},
        {"silverHelmetSitRight", 1, Facing::RIGHT, mod(L(0xFF8A8A90), [](Look& k) { k.helmet = true; })},
        {"sittingBoy", 1, Facing::DOWN, mod(L(0xFFE0A040), [](Look& k) { k.scale = 0.65; })},
        {"sorcererWings", 0, Facing::DOWN, mod(L(0xFF2A2A6A), [](Look& k) { k.robe = true; k.hood = true; k.bottom = k.top; })},
        {"standingGuy", 0, Facing::DOWN, L(0xFF8A7A4A)},
        {"standingGuy2", 0, Facing::RIGHT, L(0xFF4A7A8A)},
        {"statGemSalesman", 0, Facing::DOWN, mod(L(0xFF30A0C0), [](Look& k) { k.hat = true; k.accent = 0xFFE040A0; })},
        {"taloran", 0, Facing::DOWN, mod(L(0xFF506040), [](Look& k) { k.helmet = true; k.accent = 0xFFC0C0C8; })},
        {"tealShirtSitLeft", 1, Facing::RIGHT, L(0xFF30A090)},
        {"tealShirtSitUp", 1, Facing::UP, L(0xFF30A090)},
        {"turban", 1, Facing::DOWN, mod(L(0xFFE0D0B0), [](Look& k) { k.hood = true; k.top = 0xFFC09040; })},
        {"womanPorch", 1, Facing::DOWN, mod(L(0xFFA06AD0), [](Look& k) { k.longHair = true; })},
        {"yellowDressSitUp", 1, Facing::UP, mod(L(0xFFF0D040), [](Look& k) { k.longHair = true; })},
        {"sleepingGuy", 2, Facing::DOWN, L(0xFF7A8A9A)},
        {"sleepingGuyAwake", 1, Facing::DOWN, L(0xFF7A8A9A)},
    };
    for (const auto& n : people) {
        int w = 32, h = n.kind == 2 ? 24 : 48;
        std::string what = n.kind == 0 ? "standing" : n.kind == 1 ? "sitting" : "sleeping";
        b.add("x2/npcs/" + n.name + ".png", w, h, 0, 0, 1, "town character " + n.name + ", " + what + " (one still picture, feet at the bottom)",
              "chosen; shown whole (no anim attributes)", [n](Canvas& c, std::mt19937&) {
                  if (n.kind == 0) Sprites::person(c, c.width() / 2.0, c.height() - 1, n.look, n.facing, 0, 0, 0.05, false);
                  else if (n.kind == 1) {
                      // On a stool whose seat shows at both sides.
                      c.fillRect(4, c.height() - 14, 24, 4, 0xFF8A5A2A);
                      c.fillRect(5, c.height() - 10, 3, 10, 0xFF6A4422);
                      c.fillRect(24, c.height() - 10, 3, 10, 0xFF6A4422);
                      Sprites::sittingPerson(c, c.width() / 2.0, c.height() - 4, n.look, n.facing);
                  } else {
                      // Asleep on a bench, head on a bundle, a blanket over him.
                      c.fillRect(0, 14, 32, 5, 0xFF8A5A2A);
                      c.fillRect(1, 19, 3, 5, 0xFF6A4422);
                      c.fillRect(28, 19, 3, 5, 0xFF6A4422);
                      c.fillEllipse(6, 10, 5, 3, 0xFFE0D8C0);
                      c.fillCircle(8, 8, 4.5, n.look.skin);
                      c.fillEllipse(7, 5.5, 4.5, 2.5, n.look.hair);
                      c.fillRect(12, 6, 19, 8, n.look.top);
                      c.fillRect(12, 6, 19, 2, shade(n.look.top, 1.3));
                      Sprites::text(c, 14, 0, "Z", 0xFFFFFFFF);
                  }
                  c.outline(0xFF141014);
              });
    }
    Look guard = L(0xFF6A6A78);
    guard.helmet = true;
    guard.scale = 0.72;
    b.add("x2/npcs/guard.png", 108, 70, 36, 35, 6, "the town guard: row 0 standing then two cells stepping into the way; row 1 three cells stepping back",
          "guard animations: 36x35 cells", [guard](Canvas& c, std::mt19937&) {
              double xs[] = {18, 14, 10, 10, 14, 18};
              for (int i = 0; i < 6; ++i) {
                  Canvas cell(36, 35);
                  Sprites::person(cell, xs[i], 34, guard, Facing::DOWN, 0, 0, i == 2 || i == 3 ? 0.5 : 0.1, true);
                  cell.outline(0xFF141014);
                  c.blit(cell, (i % 3) * 36, (i / 3) * 35);
              }
          });
    Look sorc = L(0xFF2A2A6A);
    sorc.robe = true;
    sorc.hood = true;
    sorc.bottom = sorc.top;
    sorc.scale = 0.78;
    b.add("x2/npcs/sorcerorNPC.png", 96, 78, 24, 39, 8, "the sorcerer: row 0 four hovering cells, row 1 four casting cells", "sorcerer animations: 24x39 cells",
          [sorc](Canvas& c, std::mt19937&) {
              for (int i = 0; i < 8; ++i) {
                  Canvas cell(24, 39);
                  Sprites::person(cell, 12, 38, sorc, Facing::DOWN, 0, std::sin(i * PI / 2), i >= 4 ? (i - 3) * 0.25 : 0.1, false);
                  if (i >= 4) cell.fillCircle(20, 14 - (i - 4) * 2, 1.5 + (i - 4), withAlpha(0xFFE060FF, 200));
                  cell.outline(0xFF141014);
                  c.blit(cell, (i % 4) * 24, (i / 4) * 39);
              }
          });
    b.strip("x2/npcs/sorcerorSuicide.png", 24, 39, 8, "the dying sorcerer sinking to the ground", "chosen, the sorcerer's cell size",
            [sorc](Canvas& c, int i, std::mt19937&) {
                if (i < 3) Sprites::person(c, 12, 38, sorc, Facing::DOWN, 0, -i * 1.0, 0.1, false);
                else {
                    Look l = sorc;
                    l.scale = 0.6;
                    Sprites::lyingPerson(c, 12, 38, l, std::min(1.0, (i - 3) / 4.0));
                }
            });
    Look keep4 = L(0xFF8A6A2A);
    keep4.beard = true;
    keep4.scale = 0.78;
    b.strip("x2/npcs/shopkeep4.png", 23, 39, 5, "shop keeper 4 polishing (5 cells)", "shop keeper 4 animation: 23x39 cells, 5 frames",
            [keep4](Canvas& c, int i, std::mt19937&) { Sprites::person(c, 11, 38, keep4, Facing::DOWN, 0, 0, 0.2 + i * 0.12, false); });
    b.add("x2/npcs/missingSign.png", 148, 102, 37, 34, 12, "a notice board whose tally grows: cell n shows n marks (n 0 to 9)",
          "missing sign: cells 37x34, 4 per row", [](Canvas& c, std::mt19937&) {
              for (int n = 0; n < 12; ++n) {
                  Canvas cell(37, 34);
                  cell.fillRect(16, 20, 4, 14, 0xFF6A4420);
                  cell.fillRect(2, 2, 33, 20, 0xFFC8A070);
                  cell.strokeRect(2, 2, 33, 20, 0xFF6A4420);
                  Sprites::text(cell, 5, 4, "LOST", 0xFF3A2410);
                  for (int k = 0; k < std::min(n, 9); ++k) cell.fillRect(5 + k * 3, 12 + (k == 4 || k == 8 ? 0 : 0), 1, 6, 0xFFA02010);
                  c.blit(cell, (n % 4) * 37, (n / 4) * 34);
              }
          });
    auto furniture = [](int kind) {
        return [kind](Canvas& c, std::mt19937& r) {
            uint32_t wood = 0xFF8A5A2A, top = 0xFFA8743A;
            switch (kind) {
            case 0:  // bar counter piece
                c.fillRect(0, 6, c.width(), c.height() - 6, wood);
                c.fillRect(0, 4, c.width(), 6, top);
                for (int x = 4; x < c.width(); x += 8) c.fillRect(x, 12, 1, c.height() - 14, shade(wood, 0.7));
                if (uni(r) < 0.5) Sprites::potion(c, c.width() / 2 - 6, -4, 12, 0xFFC07020);
                break;
            case 1:  // table top
                c.fillRect(0, 2, c.width(), c.height() - 8, top);
                c.strokeRect(0, 2, c.width(), c.height() - 8, shade(wood, 0.6));
                c.fillRect(3, c.height() - 6, 3, 6, wood);
                c.fillRect(c.width() - 6, c.height() - 6, 3, 6, wood);
                c.fillEllipse(c.width() / 2.0, 10, 4, 3, 0xFFE8E0D0);
                break;
            default:  // storm window
                c.fillRect(2, 2, c.width() - 4, c.height() - 4, 0xFF2A3A5A);
                for (int i = 0; i < 10; ++i) {
                    int x = static_cast<int>(uni(r) * c.width());
                    c.line(x, 4, x - 3, 12, 0xFF90B0E0);
                }
                c.strokeRect(1, 1, c.width() - 2, c.height() - 2, wood);
                c.fillRect(c.width() / 2, 2, 2, c.height() - 4, wood);
                c.fillRect(2, c.height() / 2, c.width() - 4, 2, wood);
                break;
            }
        };
    };
    for (std::string n : {"barTopEnd", "barTopLeft", "barTopMid1", "barTopMid2", "barTopMiddle", "barTopRight"})
        b.add("x2/npcs/" + n + ".png", 32, 32, 0, 0, 1, "a piece of the bar counter (" + n + ")", "chosen: one tile", furniture(0));
    for (std::string n : {"tableTop", "tableTopRight", "tableTopRight2"})
        b.add("x2/npcs/" + n + ".png", 32, 32, 0, 0, 1, "a tavern table top (" + n + ")", "chosen: one tile", furniture(1));
    b.add("x2/npcs/stormWindow.png", 32, 32, 0, 0, 1, "a window with rain outside", "chosen: one tile", furniture(2));
}

// ---- Tiles ----

struct TilePalette {
    uint32_t floor, floorDark, wallTop, wallFace, detail, hole;
};

// Wall pieces by (column, row): the neighbour pattern each one stands for (L R U D UL UR DL DR).
struct Mask { bool l, r, u, d, ul, ur, dl, dr; };

std::map<std::pair<int, int>, Mask> wallPieces() {
    std::map<std::pair<int, int>, Mask> m;
    auto add = [&](int c, int r, Mask k) { m.emplace(std::make_pair(c, r), k); };
    const bool Y = true, N = false;
    add(2, 0, {Y, Y, N, Y, N, N, Y, Y}); add(7, 6, {Y, Y, N, Y, N, N, Y, Y}); add(2, 8, {Y, Y, N, Y, N, N, Y, Y});
    add(2, 4, {Y, Y, N, Y, N, N, N, Y}); add(3, 4, {Y, Y, N, Y, N, N, Y, N}); add(1, 4, {Y, Y, N, Y, N, N, N, N});
    add(2, 3, {Y, Y, N, N, N, N, N, N});
    add(2, 2, {Y, Y, Y, N, Y, Y, N, N}); add(6, 7, {Y, Y, Y, N, Y, Y, N, N}); add(4, 8, {Y, Y, Y, N, Y, Y, N, N}); add(5, 8, {Y, Y, Y, N, Y, Y, N, N});
    add(1, 8, {Y, Y, Y, N, Y, Y, N, N});
    add(2, 5, {Y, Y, Y, N, N, Y, N, N}); add(3, 5, {Y, Y, Y, N, Y, N, N, N}); add(1, 5, {Y, Y, Y, N, N, N, N, N});
    add(2, 1, {Y, Y, Y, Y, Y, Y, Y, Y}); add(5, 0, {Y, Y, Y, Y, Y, Y, N, Y}); add(4, 0, {Y, Y, Y, Y, Y, Y, Y, N});
    add(6, 2, {Y, Y, Y, Y, Y, Y, N, N}); add(5, 1, {Y, Y, Y, Y, N, Y, Y, Y}); add(6, 3, {Y, Y, Y, Y, N, Y, N, Y});
    add(4, 2, {Y, Y, Y, Y, N, Y, Y, N}); add(4, 5, {Y, Y, Y, Y, N, Y, N, N}); add(4, 1, {Y, Y, Y, Y, Y, N, Y, Y});
    add(5, 2, {Y, Y, Y, Y, Y, N, N, Y}); add(7, 3, {Y, Y, Y, Y, Y, N, Y, N}); add(5, 5, {Y, Y, Y, Y, Y, N, N, N});
    add(6, 1, {Y, Y, Y, Y, N, N, Y, Y}); add(4, 4, {Y, Y, Y, Y, N, N, N, Y}); add(5, 4, {Y, Y, Y, Y, N, N, Y, N});
    add(3, 1, {Y, N, Y, Y, Y, N, Y, N}); add(7, 7, {Y, N, Y, Y, Y, N, Y, N}); add(3, 8, {Y, N, Y, Y, Y, N, Y, N});
    add(3, 7, {Y, N, Y, Y, Y, N, N, N}); add(3, 6, {Y, N, Y, Y, N, N, Y, N}); add(1, 6, {Y, N, Y, Y, N, N, N, N});
    add(3, 2, {Y, N, Y, N, Y, N, N, N}); add(7, 5, {Y, N, Y, N, N, N, N, N}); add(3, 0, {Y, N, N, Y, N, N, Y, N});
    add(7, 4, {Y, N, N, Y, N, N, N, N}); add(3, 3, {Y, N, N, N, N, N, N, N});
    add(1, 1, {N, Y, Y, Y, N, Y, N, Y}); add(6, 6, {N, Y, Y, Y, N, Y, N, Y}); add(0, 8, {N, Y, Y, Y, N, Y, N, Y});
    add(2, 7, {N, Y, Y, Y, N, Y, N, N}); add(2, 6, {N, Y, Y, Y, N, N, N, Y}); add(1, 7, {N, Y, Y, Y, N, N, N, N});
    add(1, 2, {N, Y, Y, N, N, Y, N, N}); add(6, 5, {N, Y, Y, N, N, N, N, N}); add(1, 0, {N, Y, N, Y, N, N, N, Y});
    add(6, 4, {N, Y, N, Y, N, N, N, N}); add(1, 3, {N, Y, N, N, N, N, N, N});
    add(7, 1, {N, N, Y, Y, N, N, N, N}); add(7, 2, {N, N, Y, N, N, N, N, N}); add(7, 0, {N, N, N, Y, N, N, N, N});
    add(6, 0, {N, N, N, N, N, N, N, N});
    return m;
}

// Hole pieces: which neighbours are holes (L R U D DL DR).
std::map<std::pair<int, int>, std::array<bool, 6>> holePieces() {
    return {{{7, 8}, {true, true, true, true, true, true}},  {{4, 3}, {true, true, true, true, true, false}},
            {{5, 3}, {true, true, true, true, false, true}}, {{6, 9}, {true, true, true, false, true, true}},
            {{1, 9}, {true, true, false, true, true, true}},  {{4, 9}, {true, false, true, true, true, true}},
            {{7, 9}, {true, false, true, false, true, true}}, {{2, 9}, {true, false, false, true, true, true}},
            {{3, 9}, {false, true, true, true, true, true}},  {{5, 9}, {false, true, true, false, true, true}},
            {{0, 9}, {false, true, false, true, true, true}}};
}

void floorTile(Canvas& c, int x, int y, const TilePalette& p, std::mt19937& r, int variant) {
    c.fillRect(x, y, 32, 32, p.floor);
    for (int i = 0; i < 40; ++i) {
        int px = x + static_cast<int>(uni(r) * 32), py = y + static_cast<int>(uni(r) * 32);
        c.fillRect(px, py, 1 + (i % 3 == 0), 1, uni(r) < 0.5 ? p.floorDark : shade(p.floor, 1.12));
    }
    if (variant == 1) c.line(x + 6, y + 10, x + 14, y + 16, p.floorDark);
    if (variant == 2) for (int i = 0; i < 4; ++i) c.strokeRect(x + (i % 2) * 16, y + (i / 2) * 16, 16, 16, withAlpha(p.floorDark, 90));
    if (variant == 3) c.fillEllipse(x + 20, y + 20, 4, 2, p.floorDark);
}

void wallTile(Canvas& c, int x, int y, const Mask& m, const TilePalette& p, std::mt19937& r, int deco) {
    const int in = 3, face = 14;
    int x0 = x + (m.l ? 0 : in), x1 = x + 32 - (m.r ? 0 : in);
    int y0 = y + (m.u ? 0 : in), y1 = y + 32;
    c.fillRect(x0, y0, x1 - x0, y1 - y0, p.wallTop);
    for (int i = 0; i < 25; ++i)
        c.set(x0 + static_cast<int>(uni(r) * (x1 - x0)), y0 + static_cast<int>(uni(r) * (y1 - y0)), shade(p.wallTop, uni(r) < 0.5 ? 0.85 : 1.15));
    // Inner corners where a diagonal neighbour is floor.
    if (m.l && m.u && !m.ul) c.fillRect(x, y, in, in, 0);
    if (m.r && m.u && !m.ur) c.fillRect(x + 32 - in, y, in, in, 0);
    for (int yy = y; yy < y + in; ++yy)
        for (int xx = x; xx < x + in; ++xx)
            if (m.l && m.u && !m.ul) c.set(xx, yy, 0);
    for (int yy = y; yy < y + in; ++yy)
        for (int xx = x + 32 - in; xx < x + 32; ++xx)
            if (m.r && m.u && !m.ur) c.set(xx, yy, 0);
    // Rim lines towards floor.
    uint32_t rim = shade(p.wallTop, 1.3);
    if (!m.u) c.fillRect(x0, y0, x1 - x0, 1, rim);
    if (!m.l) c.fillRect(x0, y0, 1, y1 - y0, rim);
    if (!m.r) c.fillRect(x1 - 1, y0, 1, y1 - y0, shade(p.wallTop, 0.7));
    // The face shows where the floor lies below.
    auto faceAt = [&](int fx0, int fx1) {
        c.fillRect(fx0, y + 32 - face, fx1 - fx0, face, p.wallFace);
        for (int row = 0; row < face; row += 5) {
            c.fillRect(fx0, y + 32 - face + row, fx1 - fx0, 1, shade(p.wallFace, 0.7));
            for (int bx = fx0 + ((row / 5) % 2) * 4; bx < fx1; bx += 8) c.fillRect(bx, y + 32 - face + row, 1, 5, shade(p.wallFace, 0.7));
        }
        c.fillRect(fx0, y + 32 - face, fx1 - fx0, 1, shade(p.wallFace, 1.3));
    };
    if (!m.d) faceAt(x0, x1);
    else {
        if (m.l && !m.dl) faceAt(x, x + in + 1);
        if (m.r && !m.dr) faceAt(x + 32 - in - 1, x + 32);
    }
    if (deco == 1) {  // moss or crystals
        for (int i = 0; i < 4; ++i) c.fillCircle(x + 6 + uni(r) * 20, y + 6 + uni(r) * 8, 1.5, p.detail);
    } else if (deco == 2) {  // a crack: the secret entrance
        c.line(x + 10, y + 32 - face, x + 14, y + 26, 0xFF101010);
        c.line(x + 14, y + 26, x + 12, y + 31, 0xFF101010);
        c.line(x + 14, y + 26, x + 19, y + 23, 0xFF101010);
    }
}

void holeTile(Canvas& c, int x, int y, const std::array<bool, 6>& h, const TilePalette& p) {
    c.fillRect(x, y, 32, 32, p.hole);
    // Lips of floor where the neighbour is ground, and a dark drop below an upper edge.
    if (!h[2]) {
        c.fillRect(x, y, 32, 4, p.floor);
        c.gradientRect(x, y + 4, 32, 10, p.floorDark, p.hole);
    }
    if (!h[0]) c.fillRect(x, y, 3, 32, p.floor);
    if (!h[1]) c.fillRect(x + 29, y, 3, 32, p.floor);
    if (!h[3]) c.fillRect(x, y + 29, 32, 3, shade(p.floor, 0.8));
    if (h[0] && h[3] && !h[4]) c.fillRect(x, y + 29, 3, 3, p.floor);
    if (h[1] && h[3] && !h[5]) c.fillRect(x + 29, y + 29, 3, 3, p.floor);
}

Paint zoneTileset(TilePalette p, int rows) {
    return [p, rows](Canvas& c, std::mt19937& r) {
        for (int v = 0; v < 4; ++v) floorTile(c, 0, v * 32, p, r, v);
        // Half-tile ground details: 2 columns x 4 rows of 16-pixel pieces in (0, 4)-(0, 5).
        for (int i = 0; i < 8; ++i) {
            int dx = (i % 2) * 16, dy = 128 + (i / 2) * 16;
            switch (i % 4) {
            case 0: for (int k = 0; k < 3; ++k) c.fillCircle(dx + 4 + k * 4, dy + 10 - (k % 2) * 3, 1.6, p.floorDark); break;
            case 1: c.line(dx + 2, dy + 12, dx + 8, dy + 6, p.floorDark); c.line(dx + 8, dy + 6, dx + 13, dy + 9, p.floorDark); break;
            case 2: for (int k = 0; k < 4; ++k) c.line(dx + 4 + k * 2, dy + 13, dx + 3 + k * 3, dy + 6, p.detail); break;
            default: c.fillEllipse(dx + 8, dy + 9, 4, 3, shade(p.floorDark, 0.8)); c.fillEllipse(dx + 7, dy + 8, 2, 1, shade(p.floor, 1.3)); break;
            }
        }
        // Chest base and secret-room floors.
        c.fillRect(0, 192, 32, 32, shade(p.floor, 0.8));
        c.strokeRect(2, 194, 28, 28, p.floorDark);
        for (auto [cx, cy] : {std::pair{4, 7}, {5, 6}, {5, 7}}) {
            c.fillRect(cx * 32, cy * 32, 32, 32, 0xFF6A4A2A);
            for (int k = 0; k < 4; ++k) c.fillRect(cx * 32, cy * 32 + k * 8, 32, 1, 0xFF4A3018);
            c.fillRect(cx * 32 + ((cx + cy) % 2) * 16, cy * 32, 1, 32, 0xFF4A3018);
        }
        int n = 0;
        for (const auto& [pos, m] : wallPieces()) {
            auto [col, row] = pos;
            if (row >= rows) continue;
            int deco = (pos == std::pair{2, 8} || pos == std::pair{1, 8} || pos == std::pair{3, 8} || pos == std::pair{0, 8}) ? 2
                       : (pos == std::pair{7, 6} || pos == std::pair{6, 7} || pos == std::pair{4, 8} || pos == std::pair{5, 8} ||
                          pos == std::pair{7, 7} || pos == std::pair{6, 6}) ? 1 : 0;
            wallTile(c, col * 32, row * 32, m, p, r, deco);
            ++n;
        }
        for (const auto& [pos, h] : holePieces())
            if (pos.second < rows) holeTile(c, pos.first * 32, pos.second * 32, h, p);
    };
}

// Rows of the town sheet (16 tiles a row): what each row holds; columns are variants.
const char* const TOWN_ROWS[24] = {
    "grass", "grass", "grass with flowers", "dirt path", "stone path", "water", "sand", "water's edge: top, bottom, left, right, corners",
    "stone house wall (columns 4-7 windows, 8-11 doors)", "stone house wall", "wooden house wall (columns 4-7 windows, 8-11 doors)",
    "wooden house wall", "red roof", "red roof ridge", "blue roof", "blue roof ridge", "tree tops", "tree trunks", "bushes",
    "fences", "well, crates, barrels and signs", "market stall awnings", "lamp posts and benches", "stone steps and cliff"};
const char* const BAR_ROWS[16] = {"wood floor", "wood floor", "wood floor, worn", "wood floor, dark", "wall", "wall with windows",
                                  "counter", "counter ends", "shelves with bottles", "shelves with bottles", "barrels", "tables",
                                  "chairs and stools", "rugs", "doors and stairs", "fireplace, lamps and plants"};

std::string rowsText(const char* const* rows, int n) {
    std::string out = "one kind per row, variants along it: ";
    for (int i = 0; i < n; ++i) out += (i ? "; " : "") + std::string("row ") + std::to_string(i) + " " + rows[i];
    return out;
}
std::string townRows() { return "town tileset, " + rowsText(TOWN_ROWS, 24); }
std::string barRows() { return "bar tileset, " + rowsText(BAR_ROWS, 16); }

void grass(Canvas& c, int x, int y, std::mt19937& r) {
    c.fillRect(x, y, 32, 32, 0xFF4A8A3A);
    for (int k = 0; k < 14; ++k) {
        int gx = x + static_cast<int>(uni(r) * 30), gy = y + 4 + static_cast<int>(uni(r) * 26);
        c.line(gx, gy, gx + static_cast<int>(uni(r) * 3) - 1, gy - 3, 0xFF5AA048);
    }
}

void townSheet(Canvas& c, std::mt19937& r) {
    for (int row = 0; row < 24; ++row)
        for (int col = 0; col < 16; ++col) {
            int x = col * 32, y = row * 32, v = col % 4;
            switch (row) {
            case 0: case 1: grass(c, x, y, r); break;
            case 2:
                grass(c, x, y, r);
                for (int k = 0; k < 4; ++k) c.fillCircle(x + 6 + k * 6, y + 8 + (k % 2) * 12, 1.8, (col + k) % 3 ? 0xFFF0E040 : 0xFFE04060);
                break;
            case 3: case 4: case 6: {
                uint32_t base = row == 3 ? 0xFFB89A6A : row == 4 ? 0xFF9A9AA0 : 0xFFE0D090;
                c.fillRect(x, y, 32, 32, base);
                if (row == 4)
                    for (int k = 0; k < 4; ++k) c.strokeRect(x + (k % 2) * 16 + (k / 2) * 8 % 16, y + (k / 2) * 16, 16, 16, shade(base, 0.75));
                else
                    for (int k = 0; k < 8; ++k) c.fillEllipse(x + uni(r) * 30, y + uni(r) * 30, 2, 1.5, shade(base, 0.8));
                break;
            }
            case 5:
                c.fillRect(x, y, 32, 32, 0xFF3A6AB0);
                for (int k = 0; k < 3; ++k) c.fillRect(x + 4 + (k * 9 + col * 5) % 20, y + 6 + k * 9, 8, 1, 0xFF8AB0E0);
                break;
            case 7: {
                grass(c, x, y, r);
                int e = col % 8;  // 0 top 1 bottom 2 left 3 right 4-7 corners
                int wx = e == 2 ? 8 : 0, wy = e == 0 ? 8 : 0, ww = e == 2 || e == 3 ? 24 : 32, wh = e == 0 || e == 1 ? 24 : 32;
                if (e >= 4) { wx = e % 2 ? 0 : 10; wy = e < 6 ? 10 : 0; ww = 22; wh = 22; }
                c.fillRect(x + wx, y + wy, ww, wh, 0xFF3A6AB0);
                c.strokeRect(x + wx, y + wy, ww, wh, 0xFFD0C080);
                break;
            }
            case 8: case 9: case 10: case 11: {
                bool stone = row < 10;
                uint32_t base = stone ? 0xFF8A8A90 : 0xFFA07040;
                c.fillRect(x, y, 32, 32, base);
                for (int k = 0; k < 32; k += 8) c.fillRect(x, y + k, 32, 1, shade(base, 0.7));
                if (stone) for (int k = 0; k < 4; ++k) c.fillRect(x + ((k % 2) * 16 + 8 * (k / 2)) % 32, y + k * 8, 1, 8, shade(base, 0.7));
                if (row % 2 == 0 && col >= 4 && col < 8) { c.fillRect(x + 8, y + 8, 16, 14, 0xFF2A3A5A); c.strokeRect(x + 8, y + 8, 16, 14, 0xFF4A3020); c.fillRect(x + 15, y + 8, 2, 14, 0xFF4A3020); }
                if (row % 2 == 0 && col >= 8 && col < 12) { c.fillRect(x + 7, y + 4, 18, 28, 0xFF6A4020); c.fillCircle(x + 21, y + 19, 1.5, 0xFFE0C040); }
                break;
            }
            case 12: case 13: case 14: case 15: {
                uint32_t base = row < 14 ? 0xFFA03A2A : 0xFF3A5A9A;
                c.fillRect(x, y, 32, 32, base);
                for (int k = 0; k < 32; k += 6) c.fillRect(x, y + k, 32, 2, shade(base, 0.75));
                if (row % 2) c.fillRect(x, y, 32, 6, shade(base, 1.3));
                break;
            }
            case 16:
                grass(c, x, y, r);
                c.fillCircle(x + 16, y + 18, 15, 0xFF2A6A2A);
                c.fillCircle(x + 11, y + 12, 6, 0xFF3A8A3A);
                break;
            case 17:
                grass(c, x, y, r);
                c.fillRect(x + 12, y, 8, 26, 0xFF6A4420);
                c.fillEllipse(x + 16, y + 27, 9, 3, 0x60000000);
                c.fillCircle(x + 16, y + 2, 12, 0xFF2A6A2A);
                break;
            case 18:
                grass(c, x, y, r);
                c.fillCircle(x + 16, y + 18, 10, v % 2 ? 0xFF3A7A30 : 0xFF2A6A2A);
                if (v >= 2) for (int k = 0; k < 3; ++k) c.fillCircle(x + 10 + k * 6, y + 14 + (k % 2) * 6, 1.6, 0xFFE04060);
                break;
            case 19:
                grass(c, x, y, r);
                c.fillRect(x, y + 12, 32, 3, 0xFF8A6A3A);
                c.fillRect(x, y + 22, 32, 3, 0xFF8A6A3A);
                c.fillRect(x + 4, y + 8, 4, 22, 0xFF7A5A2A);
                c.fillRect(x + 24, y + 8, 4, 22, 0xFF7A5A2A);
                break;
            case 20:
                c.fillRect(x, y, 32, 32, 0xFFB89A6A);
                if (v == 0) { c.fillCircle(x + 16, y + 16, 12, 0xFF8A8A90); c.fillCircle(x + 16, y + 16, 8, 0xFF1A2A4A); }
                else if (v == 1) { c.fillRect(x + 6, y + 6, 20, 20, 0xFF9A6A3A); c.line(x + 6, y + 6, x + 25, y + 25, 0xFF6A4420); c.line(x + 25, y + 6, x + 6, y + 25, 0xFF6A4420); }
                else if (v == 2) { c.fillEllipse(x + 16, y + 17, 10, 12, 0xFF7A4A22); c.fillRect(x + 6, y + 10, 20, 2, 0xFF404040); c.fillRect(x + 6, y + 22, 20, 2, 0xFF404040); }
                else { c.fillRect(x + 14, y + 14, 4, 18, 0xFF6A4420); c.fillRect(x + 5, y + 5, 22, 11, 0xFFC8A070); }
                break;
            case 21:
                c.fillRect(x, y, 32, 32, 0xFFB89A6A);
                for (int k = 0; k < 4; ++k) c.fillRect(x + k * 8, y, 8, 14, (k + v) % 2 ? 0xFFE0E0D0 : 0xFFC03030);
                c.fillRect(x + 2, y + 16, 28, 10, 0xFF8A5A2A);
                break;
            case 22:
                c.fillRect(x, y, 32, 32, 0xFF9A9AA0);
                if (v % 2 == 0) { c.fillRect(x + 14, y + 8, 4, 24, 0xFF303030); c.fillCircle(x + 16, y + 7, 5, 0xFFFFE080); }
                else { c.fillRect(x + 4, y + 14, 24, 5, 0xFF8A5A2A); c.fillRect(x + 5, y + 19, 3, 8, 0xFF6A4422); c.fillRect(x + 24, y + 19, 3, 8, 0xFF6A4422); }
                break;
            default:
                c.fillRect(x, y, 32, 32, 0xFF7A7A80);
                for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8, 32, 2, v < 2 ? 0xFFA0A0A8 : 0xFF5A5A60);
                break;
            }
        }
}

void barSheet(Canvas& c, std::mt19937& r) {
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 8; ++col) {
            int x = col * 32, y = row * 32, v = col % 4;
            uint32_t floorc = row == 3 ? 0xFF6A4424 : 0xFF8A5A2E;
            c.fillRect(x, y, 32, 32, floorc);
            for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8 + 7, 32, 1, shade(floorc, 0.65));
            c.fillRect(x + (col % 2) * 16 + 4, y + (row % 4) * 8, 1, 8, shade(floorc, 0.65));
            if (row == 2) for (int k = 0; k < 5; ++k) c.fillEllipse(x + uni(r) * 30, y + uni(r) * 30, 2, 1, shade(floorc, 1.2));
            switch (row) {
            case 4: case 5:
                c.fillRect(x, y, 32, 32, 0xFF6A5A4A);
                for (int k = 0; k < 32; k += 8) c.fillRect(x, y + k, 32, 1, 0xFF4A3A2A);
                if (row == 5) { c.fillRect(x + 8, y + 6, 16, 14, 0xFF2A3A5A); c.strokeRect(x + 8, y + 6, 16, 14, 0xFF3A2A1A); }
                break;
            case 6: case 7:
                c.fillRect(x, y + 8, 32, 24, 0xFF7A4A22);
                c.fillRect(x, y + 6, 32, 5, 0xFFA8743A);
                for (int k = 4; k < 32; k += 8) c.fillRect(x + k, y + 12, 1, 18, 0xFF5A3416);
                if (row == 7) c.fillRect(v % 2 ? x + 26 : x, y + 6, 6, 26, 0xFF5A3416);
                break;
            case 8: case 9:
                c.fillRect(x, y, 32, 32, 0xFF5A3A1E);
                for (int k = 0; k < 2; ++k) {
                    c.fillRect(x, y + 14 + k * 16, 32, 2, 0xFF8A5A2E);
                    for (int b = 0; b < 3; ++b) Sprites::potion(c, x + 1 + b * 10, y + k * 16, 12, (b + col + row) % 3 ? 0xFF60C040 : 0xFFC04030);
                }
                break;
            case 10:
                c.fillEllipse(x + 16, y + 17, 11, 13, 0xFF7A4A22);
                c.fillRect(x + 5, y + 10, 22, 2, 0xFF404040);
                c.fillRect(x + 5, y + 23, 22, 2, 0xFF404040);
                break;
            case 11:
                c.fillRect(x + 2, y + 4, 28, 18, 0xFFA8743A);
                c.strokeRect(x + 2, y + 4, 28, 18, 0xFF5A3416);
                c.fillRect(x + 5, y + 22, 3, 9, 0xFF6A4422);
                c.fillRect(x + 24, y + 22, 3, 9, 0xFF6A4422);
                if (v == 1) c.fillEllipse(x + 16, y + 12, 4, 3, 0xFFE8E0D0);
                break;
            case 12:
                c.fillRect(x + 9, y + 14, 14, 5, 0xFF7A4A22);
                c.fillRect(x + 10, y + 19, 3, 10, 0xFF6A4422);
                c.fillRect(x + 19, y + 19, 3, 10, 0xFF6A4422);
                if (v % 2) c.fillRect(x + 9, y + 2, 3, 14, 0xFF6A4422);
                break;
            case 13:
                c.fillRect(x, y, 32, 32, v % 2 ? 0xFF8A2A2A : 0xFF2A4A8A);
                c.strokeRect(x + 2, y + 2, 28, 28, 0xFFD0A040);
                break;
            case 14:
                if (v < 2) { c.fillRect(x + 4, y, 24, 32, 0xFF5A3416); c.fillCircle(x + 22, y + 17, 1.6, 0xFFE0C040); }
                else for (int k = 0; k < 4; ++k) c.fillRect(x, y + k * 8, 32, 6, shade(0xFF8A5A2E, 1.0 - k * 0.1));
                break;
            case 15:
                if (v == 0) { c.fillRect(x + 2, y + 4, 28, 28, 0xFF6A6A70); c.fillRect(x + 8, y + 14, 16, 18, 0xFF200808); c.fillCircle(x + 16, y + 26, 5, 0xFFFF8020); }
                else if (v == 1) { c.fillRect(x + 15, y + 10, 2, 22, 0xFF303030); c.fillCircle(x + 16, y + 9, 5, 0xFFFFE080); }
                else { c.fillRect(x + 10, y + 20, 12, 10, 0xFF8A5A2A); c.fillCircle(x + 16, y + 14, 9, 0xFF3A8A3A); }
                break;
            default: break;
            }
        }
}

void addTiles(Builder& b) {
    const char* layout = "tiles of 32x32, 8 columns: floors (0,0-3), half-tile details (0,4-5), chest base (0,6), secret floors (4,7) (5,6) (5,7), "
                         "walls by neighbour pattern elsewhere";
    b.add("x2/tilesets/cave.png", 256, 288, 32, 32, 72, std::string("cave tileset, brown rock; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF7A6650, 0xFF5A4A38, 0xFF3A322C, 0xFF6A5440, 0xFF8AA050, 0xFF050404}, 9));
    b.add("x2/tilesets/jungleRuins.png", 256, 288, 32, 32, 72, std::string("jungle ruins tileset, mossy stone; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF6A7A4A, 0xFF4A5A34, 0xFF3A4A2A, 0xFF8A8A70, 0xFF50C040, 0xFF050804}, 9));
    b.add("x2/tilesets/iceCave.png", 256, 288, 32, 32, 72, std::string("ice cave tileset, blue ice; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFFB8D0E4, 0xFF98B0C8, 0xFF4A6A90, 0xFF7A9AC0, 0xFFFFFFFF, 0xFF04060A}, 9));
    b.add("x2/tilesets/forest.png", 256, 288, 32, 32, 72, std::string("enchanted forest tileset, grass and hedges; ") + layout, "floor drawing: 8x9 tiles",
          zoneTileset({0xFF5A9A4A, 0xFF427A36, 0xFF1E4A22, 0xFF5A4228, 0xFFE080F0, 0xFF040604}, 9));
    b.add("x2/tilesets/demonTiles.png", 256, 320, 32, 32, 80, std::string("demon tileset, red rock, with a tenth row of hole edges; ") + layout,
          "floor drawing: 8x10 tiles", zoneTileset({0xFF5A3030, 0xFF3E2020, 0xFF2A1010, 0xFF7A2A20, 0xFFFF6020, 0xFF000000}, 10));
    b.add("x2/tilesets/secretStuff.png", 160, 96, 32, 32, 0,
          "secret-room furniture: cobwebs at (0,0) (1,0, 48 high) (2,0) (0,1) (2,1) in tile units, bookshelf (96,0,32,48), desk (128,0,32,48), "
          "six 16x16 ornaments from (96,48), book spines 9 high from (96,80)",
          "shared bitmaps and cobweb rules", [](Canvas& c, std::mt19937& r) {
              auto web = [&](int x, int y, int w, int h, int corner) {
                  double ox = corner % 2 ? x + w : x, oy = corner / 2 ? y + h : y;
                  for (int k = 0; k < 5; ++k) {
                      double a = (corner % 2 ? PI : 0) + (corner % 2 ? -1 : 1) * k * PI / 8;
                      double ex = ox + std::cos(a) * w, ey = oy + (corner / 2 ? -1 : 1) * std::abs(std::sin(a == 0 ? 0.01 : a)) * h;
                      c.line(static_cast<int>(ox), static_cast<int>(oy), static_cast<int>(std::clamp(ex, double(x), double(x + w - 1))),
                             static_cast<int>(std::clamp(ey, double(y), double(y + h - 1))), 0xC0E8E8F0);
                  }
                  for (int ring = 1; ring < 4; ++ring) c.strokeEllipse(ox, oy, ring * w / 4.0, ring * h / 4.0, 0x90E8E8F0);
              };
              web(0, 0, 32, 32, 0);
              web(32, 0, 32, 48, 1);
              web(64, 0, 32, 32, 1);
              web(0, 32, 32, 32, 1);
              web(64, 32, 32, 32, 0);
              c.fillRect(0, 32, 32, 32, 0);
              c.fillRect(64, 32, 32, 32, 0);
              web(0, 32, 32, 32, 1);
              web(64, 32, 32, 32, 0);
              c.fillRect(96, 0, 32, 48, 0xFF6A4422);
              for (int k = 0; k < 3; ++k) c.fillRect(98, 4 + k * 14, 28, 10, 0xFF2A1A0E);
              c.fillRect(128, 16, 32, 14, 0xFF8A5A2A);
              c.fillRect(130, 30, 4, 18, 0xFF6A4422);
              c.fillRect(154, 30, 4, 18, 0xFF6A4422);
              c.fillRect(136, 10, 10, 6, 0xFFF0E8D0);
              for (int i = 0; i < 6; ++i) {
                  int x = 96 + (i % 3) * 16, y = 48 + (i / 3) * 16;
                  if (i % 3 == 0) Sprites::potion(c, x, y, 16, 0xFF40A0E0);
                  else if (i % 3 == 1) c.fillCircle(x + 8, y + 10, 5, 0xFFE8E0D0);
                  else Sprites::gem(c, x, y, 16, 0xFF40E080);
              }
              for (int x = 96; x < 160; x += 3) c.fillRect(x, 80, 2, 9, rgb(80 + static_cast<int>(uni(r) * 150), 40 + static_cast<int>(uni(r) * 80), 40));
          });
    b.add("x2/tilesets/holeBGGradient.png", 16, 64, 0, 0, 1, "dark red gradient behind the demon's floor, stretched over the screen", "chosen",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 16, 64, 0xFF000000, 0xFF400808); });
    b.add("x2/tilesets/bossRoomCliff.png", 96, 96, 0, 0, 1, "the rim of the demon's pit around the hero, 3x3 tiles", "chosen: 3x3 tiles from the tile up-left of the hero",
          [](Canvas& c, std::mt19937&) {
              c.fillRect(0, 32, 32, 64, 0xFF000000);
              c.fillRect(64, 32, 32, 64, 0xFF000000);
              c.gradientRect(0, 32, 32, 16, 0xFF4A2020, 0xFF000000);
              c.gradientRect(64, 32, 32, 16, 0xFF4A2020, 0xFF000000);
              c.fillRect(30, 32, 4, 64, 0xFF6A2A2A);
              c.fillRect(62, 32, 4, 64, 0xFF6A2A2A);
          });

    // Town and bar tile sheets (fixed maps): one kind of tile per row, variants along the row.
    b.add("tiled/town.png", 512, 768, 32, 32, 384, townRows(), "town map's tileset: 512x768", townSheet);
    b.add("x2/tiled/town.png", 512, 768, 32, 32, 384, townRows(), "town map's tileset: 512x768", townSheet);
    b.add("tiled/bar.png", 256, 512, 32, 32, 128, barRows(), "bar map's tileset: 256x512", barSheet);
    b.add("x2/tiled/bar.png", 256, 512, 32, 32, 128, barRows(), "bar map's tileset: 256x512", barSheet);
    auto hit = [](Canvas& c, std::mt19937&) {
        for (int i = 0; i < 16; ++i) {
            int x = (i % 4) * 32, y = (i / 4) * 32;
            uint32_t col = i == 0 ? 0x80FF0000 : withAlpha(rgb(60 * (i % 4), 255 - 15 * i, 40 * (i / 4)), 128);
            c.fillRect(x + 1, y + 1, 30, 30, col);
            Sprites::text(c, x + 4, y + 4, std::to_string(i), 0xFFFFFFFF, 2);
        }
    };
    auto objects = [](Canvas& c, std::mt19937&) {
        for (int i = 0; i < 64; ++i) {
            int x = (i % 8) * 32, y = (i / 8) * 32;
            c.fillRect(x + 2, y + 2, 28, 28, withAlpha(rgb(40 + (i * 37) % 200, 40 + (i * 71) % 200, 40 + (i * 113) % 200), 180));
            c.strokeRect(x + 2, y + 2, 28, 28, 0xFF000000);
            Sprites::text(c, x + 5, y + 9, std::to_string(i), 0xFFFFFFFF, 2);
        }
    };
    for (std::string dir : {"tiled/", "x2/tiled/"}) {
        b.add(dir + "hitTiles.png", 128, 128, 32, 32, 16, "collision markers: 16 numbered translucent squares (the first red)",
              "maps' Hit tileset: 128x128", hit);
        b.add(dir + "objectsTset.png", 256, 256, 32, 32, 64, "object markers: 64 numbered squares, the object id is the cell index",
              "maps' Objects tileset: 256x256, 8 per row", objects);
    }
}

// ---- Items ----

void itemIcon(Canvas& c, int sheet, int index, std::mt19937& r) {
    static const uint32_t metals[] = {0xFFB0B0B8, 0xFFC08040, 0xFF8A8A90, 0xFFE0C040, 0xFF60C0E0, 0xFF9040C0, 0xFF40C070, 0xFFE04030, 0xFFF0F0F0, 0xFF303038};
    uint32_t m = metals[(index + index / 10) % 10];
    int v = index;
    switch (sheet) {
    case 0: {  // consumables: the cells the consumables table and crafted potions name
        // Crafted-potion colour of each property's picture number 40..60 (hp, mp, att, def, mag,
        // gold, hpregen, mpregen, exp, drop, lifedrain, bleed, crit, dodge, six elements, kill).
        static const uint32_t crafted[] = {0xFFE03030, 0xFF3060E0, 0xFFE08020, 0xFF8A8A98, 0xFF9040C0, 0xFFE0C040, 0xFFF080A0,
                                           0xFF60D0F0, 0xFF40C040, 0xFF9A6A3A, 0xFF801830, 0xFFB01010, 0xFFF0F0F0, 0xFF30A090,
                                           elementColour(0), elementColour(1), elementColour(2), elementColour(3), elementColour(4),
                                           elementColour(5), 0xFF202028};
        if (index == 0) Sprites::wings(c, 8, 8, 32, 0xFFF0F0FF);
        else if (index >= 1 && index <= 3) Sprites::potion(c, 8 + (3 - index) * 2, 8 + (3 - index) * 4, 32 - (3 - index) * 4, 0xFFE03030, index);
        else if (index >= 4 && index <= 6) Sprites::potion(c, 8 + (6 - index) * 2, 8 + (6 - index) * 4, 32 - (6 - index) * 4, 0xFF3060E0, index);
        else if (index == 7) { Sprites::potion(c, 8, 8, 32, 0xFFE0C040, 0); Sprites::star(c, 24, 30, 4, 0xFFFFFFFF, 4); }
        else if (index == 20) Sprites::pickaxe(c, 8, 8, 32);
        else if (index == 21) Sprites::text(c, 15, 9, "?", 0xFFF0F0F0, 6);
        else if (index >= 40 && index <= 60) Sprites::potion(c, 8, 8, 32, crafted[index - 40], 0);
        else if (index >= 70 && index <= 90) {  // second property: a stopper-side seal drawn over the base
            c.fillCircle(34, 14, 6, 0xFF101010);
            c.fillCircle(34, 14, 5, crafted[index - 70]);
        } else {
            int k = (index * 7 + index / 10) % 10;
            if (k < 6) Sprites::potion(c, 8, 8, 32, index % 3 == 0 ? 0xFFE03030 : index % 3 == 1 ? 0xFF3060E0 : 0xFF40C040, index);
            else if (k < 8) Sprites::book(c, 8, 8, 32, metals[(index + 5 * (k - 6)) % 10]);
            else if (k == 8) { c.fillCircle(24, 26, 10, 0xFFE04040); c.fillRect(23, 12, 2, 6, 0xFF3A8A30); }
            else Sprites::gem(c, 12, 12, 24, metals[(index * 3) % 10]);
        }
        break;
    }
    case 1: if (index % 4 == 3) Sprites::axe(c, 8, 8, 32, m, index / 4); else Sprites::sword(c, 8, 8, 32, m, metals[(index + 3) % 10], v); break;
    case 2: Sprites::shield(c, 8, 8, 32, m, shade(m, 0.6), v); break;
    case 3: Sprites::helmet(c, 8, 8, 32, m, v); break;
    case 4: Sprites::armour(c, 8, 8, 32, m, v); break;
    case 5: Sprites::legs(c, 8, 8, 32, m, v); break;
    case 6: Sprites::boots(c, 8, 8, 32, shade(m, 0.8), v); break;
    case 7: Sprites::glove(c, 8, 8, 32, m, v); break;
    case 8: Sprites::ring(c, 8, 8, 32, index % 3 ? 0xFFE0C040 : 0xFFC0C0C8, metals[(index * 7) % 10], v); break;
    case 9: {  // crafting materials
        int k = index % 5;
        if (k == 0) Sprites::gem(c, 12, 12, 24, metals[index % 10]);
        else if (k == 1) { c.fillEllipse(24, 28, 12, 8, shade(m, 0.7)); c.fillEllipse(20, 25, 4, 3, m); }
        else if (k == 2) { for (int i = 0; i < 3; ++i) c.fillEllipse(16 + i * 8, 24 - i * 3, 3, 9, 0xFF40A040); }
        else if (k == 3) { c.fillRect(14, 22, 20, 5, 0xFFE8E0D0); c.fillCircle(14, 22, 3, 0xFFE8E0D0); c.fillCircle(34, 26, 3, 0xFFE8E0D0); }
        else { c.fillCircle(24, 24, 9, withAlpha(m, 200)); Sprites::star(c, 24, 24, 6, 0xFFFFFFFF, 4); }
        break;
    }
    default:  // spells: heal, the six elements from fire to light, revealer, telekinesis, transmute
        if (index >= 1 && index <= 6) {
            c.fillCircle(24, 24, 16, withAlpha(elementColour(index - 1), 120));
            Sprites::element(c, 12, 12, 24, index - 1);
        } else if (index == 0) {
            c.fillCircle(24, 24, 16, withAlpha(0xFF40D060, 120));
            Sprites::heart(c, 12, 12, 24, 0xFFE03040);
        } else if (index == 7) {
            c.fillCircle(24, 24, 16, withAlpha(0xFFF0F0A0, 120));
            c.fillEllipse(24, 24, 12, 7, 0xFFF8F8F8);
            c.fillCircle(24, 24, 5, 0xFF3060C0);
            c.fillCircle(24, 24, 2, 0xFF101010);
        } else if (index == 8) {
            c.fillCircle(24, 24, 16, withAlpha(0xFF9060E0, 120));
            Sprites::gem(c, 16, 8, 16, 0xFF60C0E0);
            for (int i = 0; i < 3; ++i) c.fillRect(17 + i * 6, 28 + (i % 2) * 3, 2, 8, 0xFFE0D0FF);
        } else {
            c.fillCircle(24, 24, 16, withAlpha(0xFFE0C040, 120));
            Sprites::star(c, 24, 24, 11, 0xFFFFE060, 5);
        }
        break;
    }
    (void)r;
}

void addItems(Builder& b) {
    struct Sheet { const char* name; int rows; const char* what; };
    const Sheet sheets[] = {{"consumables", 10, "escape wings 0, health potions 1-3, magic potions 4-6, ultimate potion 7, pickaxe 20, question mark 21, crafted potions 40-60 with their second-property seals 70-90, the rest potions, books, food and gems"}, {"weapons", 4, "swords, axes and maces"},
                            {"shields", 3, "shields"}, {"helmets", 3, "helmets"}, {"bodies", 3, "body armour"}, {"legs", 3, "leg armour"},
                            {"boots", 3, "boots"}, {"hands", 3, "gloves"}, {"accessories", 4, "rings and amulets"},
                            {"craftings", 10, "crafting materials: gems, ores, herbs, bones, essences"}, {"magics", 1, "spell orbs: heal, fire, ice, earth, wind, dark, light, revealer, telekinesis, transmute"}};
    for (int s = 0; s < 11; ++s) {
        const Sheet& sh = sheets[s];
        b.add(std::string("items/") + sh.name + ".png", 480, 48 * sh.rows, 48, 48, 10 * sh.rows,
              std::string("item icons, cell picID of the item table: ") + sh.what, "item sheets: 480 wide, 48-pixel cells, ten per row",
              cellsOf(48, 48, 10 * sh.rows, [s](Canvas& c, int i, std::mt19937& r) { itemIcon(c, s, i, r); }));
    }
    auto border = [](uint32_t line, uint32_t inner) {
        return [=](Canvas& c, std::mt19937&) {
            frameBox(c, 0, 0, c.width(), c.height(), line, inner);
            c.set(0, 0, 0);
            c.set(c.width() - 1, 0, 0);
            c.set(0, c.height() - 1, 0);
            c.set(c.width() - 1, c.height() - 1, 0);
        };
    };
    b.add("items/itemBorder.png", 48, 48, 0, 0, 1, "frame of an item icon", "item frames: 48x48", border(0xFF101010, 0xFF6A6A6A));
    b.add("items/itemBorderArtifact.png", 48, 48, 0, 0, 1, "frame of an artifact icon (gold)", "item frames: 48x48", border(0xFF101010, 0xFFE0B030));
    b.add("items/magicBorder.png", 48, 48, 0, 0, 1, "frame of a spell icon (violet)", "item frames: 48x48", border(0xFF101010, 0xFF9050D0));
    auto sel = [](uint32_t col) {
        return [=](Canvas& c, std::mt19937&) {
            c.strokeRect(0, 0, c.width(), c.height(), col);
            c.strokeRect(1, 1, c.width() - 2, c.height() - 2, shade(col, 0.8));
            c.strokeRect(2, 2, c.width() - 4, c.height() - 4, withAlpha(col, 120));
        };
    };
    b.add("items/itemBorderSelected.png", 54, 54, 0, 0, 1, "selection frame around an item", "selection frames: 54x54", sel(0xFFFFF080));
    b.add("items/itemBorderArtifactSelected.png", 54, 54, 0, 0, 1, "selection frame around an artifact", "chosen, like the item selection frame", sel(0xFFFFB030));
    b.add("items/magicBorderSelected.png", 54, 54, 0, 0, 1, "selection frame around a spell", "selection frames: 54x54", sel(0xFFD090FF));
    b.add("items/itemBorderValueSelected.png", 66, 62, 0, 0, 1, "selection frame around a priced item and its tag", "selection frames: 66x62", sel(0xFFFFF080));
    b.add("items/magicBorderBackUnselected.png", 46, 46, 0, 0, 1, "background of a spell slot", "spell backgrounds: 46x46",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 46, 46, 0xFF2A1A40, 0xFF140A20); });
    b.add("items/magicBorderBackSelected.png", 46, 46, 0, 0, 1, "background of a selected spell slot", "spell backgrounds: 46x46",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 46, 46, 0xFF6A3AA0, 0xFF3A1A60); });
    b.strip("items/magicQueued.png", 54, 54, 4, "pulsing ring over a queued spell", "queued spell animation: 4 cells of 54x54",
            [](Canvas& c, int i, std::mt19937&) {
                uint32_t col = withAlpha(0xFFC080FF, 140 + i * 30);
                c.strokeRect(i % 2, i % 2, 54 - 2 * (i % 2), 54 - 2 * (i % 2), col);
                c.strokeRect(2 + i % 2, 2 + i % 2, 50 - 2 * (i % 2), 50 - 2 * (i % 2), withAlpha(col, 100));
            }, false);
    auto ench = [](uint32_t col) {
        return [=](Canvas& c, std::mt19937&) {
            for (int k = 0; k < 2; ++k) {
                c.strokeRect(k * 10, 0, 10, 12, 0xFF101010);
                c.strokeRect(k * 10 + 1, 1, 8, 10, col);
            }
        };
    };
    b.add("items/enchantmentBorder.png", 20, 12, 10, 12, 2, "frame around an item's enchantment gems", "enchantment frames: 20x12", ench(0xFF7A7A7A));
    b.add("items/enchantmentBorderArtifact.png", 20, 12, 10, 12, 2, "frame around an artifact's gems", "enchantment frames: 20x12", ench(0xFFE0B030));
    auto tag = [](uint32_t col) {
        return [=](Canvas& c, std::mt19937&) {
            c.strokeRect(0, 0, 60, 20, 0xFF101010);
            c.strokeRect(1, 0, 58, 20, col);
            c.set(0, 0, 0);
            c.set(59, 0, 0);
        };
    };
    b.add("items/itemValueBG.png", 60, 20, 0, 0, 1, "price tag frame", "tag frames: 60x20", tag(0xFF7A7A7A));
    b.add("items/itemValueBGArtifact.png", 60, 20, 0, 0, 1, "price tag frame of an artifact", "tag frames: 60x20", tag(0xFFE0B030));
    b.add("items/itemBlankIcons.png", 416, 64, 32, 32, 26,
          "inventory tab and empty slot pictograms: everything, items, weapons, shields, helmets, body, legs, boots, hands, accessories, crafting, "
          "artifacts, magic; row 1 highlighted",
          "item tabs: 416x64, 13 columns of 32", [](Canvas& c, std::mt19937& r) {
              for (int row = 0; row < 2; ++row)
                  for (int i = 0; i < 13; ++i) {
                      Canvas cell(32, 32);
                      uint32_t col = row ? 0xFFFFF0A0 : 0xFF8A8A8A;
                      switch (i) {
                      case 0: for (int k = 0; k < 4; ++k) cell.fillRect(6 + (k % 2) * 11, 6 + (k / 2) * 11, 9, 9, col); break;
                      case 1: Sprites::potion(cell, 0, 0, 32, col); break;
                      case 2: Sprites::sword(cell, 0, 0, 32, col, col); break;
                      case 3: Sprites::shield(cell, 0, 0, 32, col, shade(col, 0.7)); break;
                      case 4: Sprites::helmet(cell, 0, 0, 32, col); break;
                      case 5: Sprites::armour(cell, 0, 0, 32, col); break;
                      case 6: Sprites::legs(cell, 0, 0, 32, col); break;
                      case 7: Sprites::boots(cell, 0, 0, 32, col); break;
                      case 8: Sprites::glove(cell, 0, 0, 32, col); break;
                      case 9: Sprites::ring(cell, 0, 0, 32, col, shade(col, 1.3)); break;
                      case 10: Sprites::gem(cell, 4, 4, 24, col); break;
                      case 11: Sprites::star(cell, 16, 16, 12, col); break;
                      default: Sprites::staff(cell, 0, 0, 32, col, shade(col, 1.3)); break;
                      }
                      c.blit(cell, i * 32, row * 32);
                  }
              (void)r;
          });
    // Quest pictures: single items shown above a speech.
    struct Q { const char* n; int sheet, idx; };
    for (Q q : {Q{"dragonScaleMail", 4, 6}, Q{"eaglesTalon", 8, 3}, Q{"emeraldBoots", 6, 6}, Q{"fireDagger", 1, 27}, Q{"jungleBerries", 0, 8},
                Q{"obsidianShield", 2, 9}, Q{"pearlRing", 8, 8}, Q{"pixiePants", 5, 4}, Q{"regenerationRing", 8, 6}, Q{"wolfGloves", 7, 2}})
        b.add(std::string("quests/") + q.n + ".png", 48, 48, 0, 0, 1, std::string("the quest item ") + q.n + ", shown above a character's words",
              "chosen: one item cell", [q](Canvas& c, std::mt19937& r) { itemIcon(c, q.sheet, q.idx, r); c.outline(0xFF141014); });
    b.add("help/escapeWingsItemIcon.png", 48, 48, 0, 0, 1, "the escape wings item in its frame, for the help text", "chosen: one item cell",
          [](Canvas& c, std::mt19937&) {
              frameBox(c, 0, 0, 48, 48, 0xFF101010, 0xFF6A6A6A);
              Sprites::wings(c, 8, 8, 32, 0xFFF0F0FF);
          });
    auto row = [](bool kept) {
        return [kept](Canvas& c, std::mt19937& r) {
            for (int i = 0; i < 4; ++i) {
                frameBox(c, 2 + i * 52, 6, 48, 48, 0xFF101010, kept ? 0xFFE0B030 : 0xFF6A6A6A);
                Canvas cell(48, 48);
                itemIcon(cell, kept ? 8 : 1 + i, i * 3, r);
                c.blit(cell, 2 + i * 52, 6);
                if (!kept) c.line(4 + i * 52, 8, 48 + i * 52, 52, 0xFFE03030, 2);
            }
        };
    };
    b.add("help/keptItems.png", 210, 60, 0, 0, 1, "a row of artifacts that stay after death", "chosen", row(true));
    b.add("help/normalItems.png", 210, 60, 0, 0, 1, "a row of ordinary items, struck through: lost on death", "chosen", row(false));
}

// ---- UI ----

void addUi(Builder& b) {
    struct Btn { const char* id; int size; uint32_t col; bool yellow; };
    for (Btn k : {Btn{"buttonBlack", 25, 0xFF000000, false}, Btn{"buttonBlackOver", 25, 0xFF202020, false}, Btn{"buttonBlackSelected", 25, 0xFF474747, false},
                  Btn{"buttonRed", 25, 0xFF361212, false}, Btn{"buttonRedOver", 25, 0xFF75272C, false}, Btn{"buttonRedSelected", 25, 0xFF9F3535, false},
                  Btn{"buttonBlackSmall", 19, 0xFF000000, false}, Btn{"buttonBlackSmallOver", 19, 0xFF202020, false},
                  Btn{"buttonBlackSmallSelected", 19, 0xFF474747, false}, Btn{"buttonYellowSmall", 19, 0xFFF0C600, true},
                  Btn{"buttonYellowSmallOver", 19, 0xFFFFFD73, true}, Btn{"buttonYellowSmallSelected", 19, 0xFFFFFFFF, true}})
        b.add(std::string("ui/") + k.id + ".png", k.size, k.size, 0, 0, 1, "nine-slice button skin", "button skins", buttonSkin(k.col, k.yellow));
    b.add("ui/windowBorder.png", 26, 13, 13, 13, 2,
          "window frames, nine-slice with corner 6: the opaque frame at (0,0), the usual translucent one at (13,0)",
          "window: corner 6, cells 13 pixels apart; outline, rim, ornaments and middles given", [](Canvas& c, std::mt19937&) {
              windowSkin(c, 0, 0xFF000000);
              windowSkin(c, 13, 0xCD000000);
          });
    b.add("ui/sliderBorder.png", 13, 13, 0, 0, 1, "meter frame, nine-slice with corner 6", "meter skin: 13x13",
          [](Canvas& c, std::mt19937&) { skin(c, 0, 0, 13, 13, 0x00000000, 0xFF9A9A9A, 0xFF3A3A3A, 2); });
    b.strip("ui/blackSliderHandle.png", 9, 19, 3, "slider handle: normal, over, pressed", "slider handle: three 9x19 frames",
            [](Canvas& c, int i, std::mt19937&) { skin(c, 0, 0, 9, 19, rgb(30 + i * 30, 30 + i * 30, 30 + i * 30), 0xFFB0B0B0, 0xFF5A5A5A, 1); }, false);
    b.add("ui/windowArrow.png", 18, 10, 0, 0, 1, "speech bubble arrow pointing down", "chosen: placed 9 left of the speaker",
          [](Canvas& c, std::mt19937&) {
              c.fillPolygon({{0, 0}, {18, 0}, {9, 10}}, 0xFFC8A060);
              c.fillPolygon({{2, 0}, {16, 0}, {9, 7.5}}, 0xE0201A16);
          });
    auto icon = [](std::function<void(Canvas&)> f) { return [f](Canvas& c, std::mt19937&) { f(c); c.outline(0xFF141014); }; };
    b.add("ui/goldIcon.png", 18, 15, 0, 0, 1, "a small stack of gold coins", "coin: 18x15", icon([](Canvas& c) {
              Sprites::coin(c, 0, 1, 12);
              Sprites::coin(c, 5, 0, 12);
              Sprites::coin(c, 3, 3, 12);
          }));
    b.add("ui/heartIcon.png", 16, 16, 0, 0, 1, "a red heart", "chosen", icon([](Canvas& c) { Sprites::heart(c, 0, 0, 15, 0xFFE02030); }));
    b.add("ui/questionMark.png", 16, 20, 0, 0, 1, "a question mark", "chosen", icon([](Canvas& c) { Sprites::text(c, 2, 2, "?", 0xFFFFFFFF, 3); }));
    b.add("ui/guyHead.png", 12, 12, 0, 0, 1, "the hero's head, the large map's marker", "chosen", icon([](Canvas& c) {
              c.fillCircle(6, 6, 5, 0xFFE8B88A);
              c.fillEllipse(6, 3, 5, 3, 0xFF5A3A1E);
              c.set(4, 7, 0xFF1A1410);
              c.set(8, 7, 0xFF1A1410);
          }));
    b.add("ui/statIconsSmall.png", 20, 60, 20, 20, 3, "stat symbols: sword, shield, staff", "20x20 cuts at y 0, 20, 40", [](Canvas& c, std::mt19937&) {
        Sprites::sword(c, 0, 0, 20, 0xFFD0D0D8, 0xFFC0A040);
        Sprites::shield(c, 0, 20, 20, 0xFF3A5AA0, 0xFFC0C0C8);
        Sprites::staff(c, 0, 40, 20, 0xFF8A5A2A, 0xFF60C0FF);
        c.outline(0xFF141014);
    });
    b.add("ui/statIcons.png", 60, 90, 30, 30, 6,
          "stat symbols: column 0 sword (attack), shield (defence), staff (magic), as in the small sheet; column 1 heart (HP), gem (MP), star",
          "60x90 sheet of 30x30 icons; the stat choice's cells", [](Canvas& c, std::mt19937&) {
              Sprites::sword(c, 0, 0, 30, 0xFFD0D0D8, 0xFFC0A040);
              Sprites::shield(c, 0, 30, 30, 0xFF3A5AA0, 0xFFC0C0C8);
              Sprites::staff(c, 0, 60, 30, 0xFF8A5A2A, 0xFF60C0FF);
              Sprites::heart(c, 33, 3, 24, 0xFFE02030);
              Sprites::gem(c, 33, 33, 24, 0xFF3070E0);
              Sprites::star(c, 45, 75, 11, 0xFFFFE040);
              c.outline(0xFF141014);
          });
    b.add("ui/elemIcons.png", 60, 150, 0, 25, 12, "element symbols, one 25-pixel row per element (fire, ice, earth, wind, dark, light): plain at x 0 (19 wide), with a sword at x 19 (22 wide)",
          "element icon rectangles", [](Canvas& c, std::mt19937&) {
              for (int e = 0; e < 6; ++e) {
                  Sprites::element(c, 1, e * 25 + 3, 17, e);
                  Sprites::element(c, 19, e * 25 + 3, 17, e);
                  Sprites::sword(c, 27, e * 25 + 6, 14, 0xFFD0D0D8, 0xFFC0A040);
              }
              c.outline(0xFF141014);
          });
    b.add("ui/elemIconsPlain.png", 57, 40, 19, 20, 6, "element symbols in a 3x2 grid of 19x20 cells: fire, ice, earth / wind, dark, light", "element weakness rectangles",
          [](Canvas& c, std::mt19937&) {
              for (int e = 0; e < 6; ++e) Sprites::element(c, (e % 3) * 19 + 1, (e / 3) * 20 + 2, 17, e);
              c.outline(0xFF141014);
          });
    b.add("ui/skillIcons.png", 135, 162, 27, 27, 30,
          "stat icons, 27x27, five per row: hp, mp, attack, defence, magic, hp regen, mp regen, crit, exp, gold, drop, potion efficiency, potion "
          "duration, dodge, bleed, life drain, kill, three blanks, fire, ice, earth, wind, dark, light, telekinesis, revealer, two blanks",
          "stat icon rectangles: 135x162", [](Canvas& c, std::mt19937&) {
              for (int k = 0; k < 30; ++k) {
                  Canvas cell(27, 27);
                  int s = 23;
                  switch (k) {
                  case 0: Sprites::heart(cell, 2, 2, s, 0xFFE02030); break;
                  case 1: Sprites::gem(cell, 2, 2, s, 0xFF3070E0); break;
                  case 2: Sprites::sword(cell, 0, 0, 27, 0xFFD0D0D8, 0xFFC0A040); break;
                  case 3: Sprites::shield(cell, 0, 0, 27, 0xFF3A5AA0, 0xFFC0C0C8); break;
                  case 4: Sprites::staff(cell, 0, 0, 27, 0xFF8A5A2A, 0xFF60C0FF); break;
                  case 5: Sprites::heart(cell, 2, 2, s, 0xFFE02030); Sprites::text(cell, 17, 2, "+", 0xFF60FF60, 2); break;
                  case 6: Sprites::gem(cell, 2, 2, s, 0xFF3070E0); Sprites::text(cell, 17, 2, "+", 0xFF60FF60, 2); break;
                  case 7: Sprites::star(cell, 13.5, 13.5, 11, 0xFFFF6020, 6); break;
                  case 8: Sprites::text(cell, 2, 8, "XP", 0xFF80E0FF, 3); break;
                  case 9: Sprites::coin(cell, 2, 2, s); break;
                  case 10: Sprites::gem(cell, 4, 6, 18, 0xFF40E080); Sprites::text(cell, 1, 1, "+", 0xFFFFFFFF, 2); break;
                  case 11: Sprites::potion(cell, 0, 0, 27, 0xFFE03030); break;
                  case 12: Sprites::potion(cell, 0, 0, 27, 0xFF40C040, 1); break;
                  case 13: for (int i = 0; i < 3; ++i) cell.line(4 + i * 3, 6 + i * 6, 22, 6 + i * 6, 0xFFE0E0E0, 2); break;
                  case 14: cell.fillCircle(13, 16, 7, 0xFFC01010); cell.fillPolygon({{6, 15}, {20, 15}, {13, 3}}, 0xFFC01010); break;
                  case 15: Sprites::heart(cell, 2, 2, s, 0xFF8A1A50); break;
                  case 16: cell.fillCircle(13, 12, 8, 0xFFE8E0D0); cell.fillRect(9, 18, 9, 5, 0xFFE8E0D0); cell.fillCircle(10, 12, 2, 0xFF101010); cell.fillCircle(16, 12, 2, 0xFF101010); break;
                  case 20: case 21: case 22: case 23: case 24: case 25: Sprites::element(cell, 2, 2, s, k - 20); break;
                  case 26: cell.fillCircle(13, 13, 9, 0xFF9050D0); Sprites::star(cell, 13, 13, 6, 0xFFFFFFFF, 4); break;
                  case 27: cell.fillCircle(13, 13, 9, 0xFFE0C040); cell.fillCircle(13, 13, 4, 0xFF101010); break;
                  default: break;
                  }
                  cell.outline(0xFF141014);
                  c.blit(cell, (k % 5) * 27, (k / 5) * 27);
              }
          });
    b.add("ui/skillIcons50.png", 160, 120, 40, 40, 10,
          "spell node icons, 40x40, four per row: heal, fire, ice, earth / wind, dark, light, revealer / telekinesis, transmute",
          "skill node spell icon cells: 40x40 at x 0-120, y 0-80",
          [](Canvas& c, std::mt19937&) {
              for (int k = 0; k < 10; ++k) {
                  Canvas cell(40, 40);
                  if (k == 0) Sprites::heart(cell, 4, 4, 32, 0xFF40E060);
                  else if (k <= 6) Sprites::element(cell, 4, 4, 32, k - 1);
                  else if (k == 7) { cell.fillCircle(20, 20, 13, 0xFFE0C040); cell.fillCircle(20, 20, 6, 0xFF101010); }
                  else if (k == 8) { cell.fillCircle(20, 20, 13, 0xFF9050D0); Sprites::star(cell, 20, 20, 9, 0xFFFFFFFF, 4); }
                  else { Sprites::coin(cell, 4, 10, 20); Sprites::gem(cell, 18, 6, 20, 0xFF40E080); }
                  cell.outline(0xFF141014);
                  c.blit(cell, (k % 4) * 40, (k / 4) * 40);
              }
          });
    b.add("ui/enchantmentGems.png", 40, 48, 8, 8, 30, "enchantment gems, 8x8, five per row, one colour per enchantment kind", "gem sheet: 40x48",
          [](Canvas& c, std::mt19937&) {
              for (int k = 0; k < 30; ++k) {
                  uint32_t col = mix(rgb((k * 97) % 256, (k * 57 + 80) % 256, (k * 151 + 40) % 256), 0xFFFFFFFF, 0.15);
                  int x = (k % 5) * 8, y = (k / 5) * 8;
                  c.fillPolygon({{x + 4.0, y + 0.5}, {x + 7.5, y + 4.0}, {x + 4.0, y + 7.5}, {x + 0.5, y + 4.0}}, col);
                  c.set(x + 3, y + 2, shade(col, 1.6));
              }
          });
    b.add("ui/craftStatBorder.png", 55, 12, 0, 0, 1, "frame of a crafting stat row: gem box and bar", "55x12", [](Canvas& c, std::mt19937&) {
        c.strokeRect(0, 0, 12, 12, 0xFF9A9A9A);
        c.strokeRect(10, 0, 45, 12, 0xFF9A9A9A);
    });
    b.add("ui/craftStatBar.png", 41, 8, 0, 0, 1, "crafting power bar, green to gold", "41x8",
          [](Canvas& c, std::mt19937&) { for (int x = 0; x < 41; ++x) c.fillRect(x, 0, 1, 8, mix(0xFF30C040, 0xFFF0C030, x / 40.0)); });
    b.add("ui/enemyhpBar.png", 93, 6, 0, 0, 1, "frame over the enemy's HP bar", "93x6",
          [](Canvas& c, std::mt19937&) { c.strokeRect(0, 0, 93, 6, 0xFF101010); });
    auto hud = [](int bars) {
        return [bars](Canvas& c, std::mt19937&) {
            int h = c.height();
            c.fillRect(0, 0, c.width(), h, 0x00000000);
            for (int i = 0; i < bars; ++i) {
                int y = 3 + i * 20;
                c.strokeRect(26, y + 4, c.width() - 28, 12, 0xFF101010);
                c.strokeRect(27, y + 5, c.width() - 30, 10, 0xFF8A8A8A);
            }
            if (bars == 3) {
                Sprites::heart(c, 2, 5, 18, 0xFFE02030);
                Sprites::gem(c, 2, 25, 18, 0xFF3070E0);
                Sprites::text(c, 3, 48, "XP", 0xFF80E0FF, 2);
            } else Sprites::gem(c, 2, 4, 18, 0xFF3070E0);
        };
    };
    b.add("ui/hpmphudLarge.png", 148, 65, 0, 0, 1, "HUD frame: heart, gem and XP badge with three bar openings", "148x65", hud(3));
    b.add("ui/hpmphud.png", 148, 45, 0, 0, 1, "smaller HUD frame: heart and gem with two openings", "chosen", hud(2));
    b.add("ui/mpHUD.png", 148, 25, 0, 0, 1, "HUD frame: gem badge with one opening", "148x25", hud(1));
    auto symbols = [](int cell) {
        return [cell](Canvas& c, std::mt19937&) {
            const uint32_t cols[] = {0xFFA0702A, 0xFFE0B030, 0xFF40C060, 0xFFE04040, 0xFFF0D040, 0xFFE03030, 0xFF3070E0, 0xFFE08030,
                                     0xFF6090E0, 0xFFC060E0, 0xFFFFFFFF, 0xFFFF2020, 0xFFFF8020, 0xFFFFFFFF, 0, 0};
            for (int k = 0; k < 14; ++k) {
                int x = (k % 4) * cell, y = (k / 4) * cell;
                if (cell < 6) c.fillRect(x, y, cell, cell, cols[k]);
                else if (k < 4) { c.fillRect(x + 2, y + 4, cell - 4, cell - 6, cols[k]); c.strokeRect(x + 2, y + 4, cell - 4, cell - 6, 0xFF101010); }
                else if (k == 4) Sprites::coin(c, x + 1, y + 1, cell - 2);
                else if (k < 11) Sprites::gem(c, x + 1, y + 1, cell - 2, cols[k]);
                else if (k == 11) { c.fillCircle(x + cell / 2.0, y + cell / 2.0, cell * 0.4, cols[k]); }
                else if (k == 12) { c.fillRect(x + 2, y + cell / 2, cell - 4, cell / 2 - 1, 0xFF505050); c.fillCircle(x + cell / 2.0, y + cell / 2.0, cell * 0.25, cols[k]); }
                else for (int s = 0; s < 4; ++s) c.fillRect(x + 1 + s * cell / 5, y + 1 + s * cell / 5, cell - 2 - s * cell / 5, cell / 5 + 1, shade(0xFFC0C0C0, 1 - s * 0.15));
            }
        };
    };
    b.add("ui/minimapSymbols.png", 12, 12, 3, 3, 14, "minimap symbols, 4x4 grid of 3-pixel cells (chests, gold, gems, monster, forge, stairs)", "minimap: 3-pixel cells", symbols(3));
    b.add("ui/largeMapSymbols.png", 48, 48, 12, 12, 14, "large map symbols, 4x4 grid of 12-pixel cells, same order", "map window: 12-pixel cells", symbols(12));
    b.add("ui/minimapShades.png", 12, 3, 3, 3, 4, "minimap ground shades: wall, floor, hidden floor, hole", "chosen",
          [](Canvas& c, std::mt19937&) {
              const uint32_t cols[] = {0xFF4A4A4A, 0xFF9A8A70, 0xFF6A5A8A, 0xFF101010};
              for (int k = 0; k < 4; ++k) c.fillRect(k * 3, 0, 3, 3, cols[k]);
          });
    b.add("ui/demonDetailsPic.png", 36, 57, 0, 0, 1, "the demon's portrait for the bestiary", "36x57", [](Canvas& c, std::mt19937&) {
        Look k = person(0xFFC03020, 0xFF5A1A1A, 0xFF3A1010, 0xFFFF8040, 1.05);
        k.horns = true;
        k.bald = true;
        Sprites::person(c, 18, 56, k, Facing::DOWN, 0, 0, 0.3, false);
        c.outline(0xFF141014);
    });
    auto equipFigure = [](bool girl) {
        return [girl](Canvas& c, std::mt19937&) {
            Look k = heroLook(girl ? "girl" : "guy");
            k.scale = 5.9;
            Sprites::person(c, 49, c.height() - 2, k, Facing::DOWN, 0, 0, 0.05, false);
            c.multiplyAlpha(0.55);
            c.outline(0xFF303030);
        };
    };
    b.add("ui/equipGuy.png", 100, 240, 0, 0, 1, "a faded hero figure behind the equipment slots, centred on x 49: head, body, legs, feet",
          "chosen to fit the slots: helmet, body, legs and boots at x 25 (48 wide), y -15 to 238", equipFigure(false));
    b.add("ui/equipGirl.png", 100, 240, 0, 0, 1, "a faded heroine figure, like the hero's", "chosen, as the hero's figure", equipFigure(true));
    auto btnIcon = [](std::function<void(Canvas&)> f) { return [f](Canvas& c, std::mt19937&) { f(c); c.outline(0xFF141014); }; };
    b.add("ui/backButton.png", 50, 19, 0, 0, 1, "the word BACK", "chosen", btnIcon([](Canvas& c) { Sprites::text(c, 2, 2, "BACK", 0xFFFFFFFF, 3); }));
    b.add("ui/craftButton.png", 40, 40, 0, 0, 1, "anvil and hammer: crafting", "chosen", btnIcon([](Canvas& c) {
              c.fillPolygon({{4, 16}, {36, 16}, {30, 24}, {26, 24}, {28, 34}, {12, 34}, {14, 24}, {10, 24}}, 0xFF6A6A72);
              c.line(20, 4, 32, 12, 0xFF8A5A2A, 3);
              c.fillRect(16, 2, 8, 6, 0xFFA0A0A8);
          }));
    b.add("ui/equipButton.png", 40, 40, 0, 0, 1, "a helmet: equipment", "chosen", btnIcon([](Canvas& c) { Sprites::helmet(c, 2, 2, 36, 0xFFB0B0B8); }));
    b.add("ui/itemsButton.png", 48, 48, 0, 0, 1, "a bag: items", "chosen", btnIcon([](Canvas& c) {
              c.fillEllipse(24, 30, 17, 15, 0xFF9A6A3A);
              c.fillRect(16, 8, 16, 8, 0xFF8A5A2A);
              c.line(14, 16, 34, 16, 0xFFE0C040, 2);
          }));
    b.add("ui/itemsButtonSmall.png", 32, 32, 0, 0, 1, "a small bag: items", "chosen", btnIcon([](Canvas& c) {
              c.fillEllipse(16, 20, 11, 10, 0xFF9A6A3A);
              c.fillRect(11, 5, 10, 6, 0xFF8A5A2A);
              c.line(9, 11, 23, 11, 0xFFE0C040, 2);
          }));
    b.add("ui/editSlotsIcon.png", 24, 24, 0, 0, 1, "a pencil: edit hotkeys", "chosen", btnIcon([](Canvas& c) {
              c.line(4, 20, 19, 5, 0xFFE0C040, 4);
              c.fillPolygon({{2, 22}, {4, 16}, {8, 20}}, 0xFFE8D0A0);
          }));
    b.add("ui/settingsBestiary.png", 91, 48, 0, 0, 2, "settings cog (0,0,46,48) and bestiary book (46,0,45,48)", "cuts (0,0,46,48) and (46,0,45,48)",
          btnIcon([](Canvas& c) {
              for (int i = 0; i < 8; ++i) {
                  double a = i * PI / 4;
                  c.fillCircle(23 + std::cos(a) * 15, 24 + std::sin(a) * 15, 5, 0xFF9A9AA2);
              }
              c.fillCircle(23, 24, 15, 0xFF9A9AA2);
              c.fillCircle(23, 24, 6, 0);
              for (int y = 18; y < 31; ++y)
                  for (int x = 17; x < 30; ++x)
                      if ((x - 23) * (x - 23) + (y - 24) * (y - 24) < 36) c.set(x, y, 0);
              Sprites::book(c, 52, 6, 36, 0xFF8A2A2A);
          }));
    b.add("ui/skillsButtonIcon.png", 78, 38, 39, 38, 2, "skill tree icon (0,0,39,38) and its gold glow (39,0,39,38)", "cuts of 39x38",
          [](Canvas& c, std::mt19937&) {
              for (int k = 0; k < 2; ++k) {
                  int x = k * 39;
                  uint32_t col = k ? 0xFFFFD040 : 0xFF60C0FF;
                  c.line(x + 19, 30, x + 19, 10, col, 3);
                  c.line(x + 19, 20, x + 8, 10, col, 2);
                  c.line(x + 19, 20, x + 30, 10, col, 2);
                  for (auto [px, py] : {std::pair{19, 8}, {7, 9}, {31, 9}, {19, 32}}) c.fillCircle(x + px, py, 4, col);
              }
          });
    b.add("ui/statsButtonIcon.png", 36, 36, 0, 0, 1, "a scroll with bars: stats", "chosen", btnIcon([](Canvas& c) {
              c.fillRect(6, 4, 24, 28, 0xFFE8D8B0);
              for (int i = 0; i < 4; ++i) c.fillRect(10, 9 + i * 6, 6 + i * 4, 3, 0xFF6A4A2A);
          }));
    b.add("ui/elementsPanel.png", 100, 126, 0, 0, 1,
          "panel of the six elements: a symbol per row (y 5, 25, ... 105) and two value columns, attack at x 40 and defence at x 70",
          "stats panel: values at x 40 and 70, rows 20 apart from y 5", [](Canvas& c, std::mt19937&) {
              skin(c, 0, 0, 100, 126, 0xC0101014, 0xFF8A8A8A, 0xFF3A3A3A, 2);
              for (int e = 0; e < 6; ++e) {
                  Sprites::element(c, 5, 4 + e * 20, 16, e);
                  if (e) c.fillRect(4, 2 + e * 20, 92, 1, 0x40FFFFFF);
                  c.fillRect(55, 4 + e * 20, 1, 16, 0x40FFFFFF);
              }
          });
    b.add("ui/comingSoon.png", 120, 40, 0, 0, 1, "a banner reading COMING SOON", "chosen", [](Canvas& c, std::mt19937&) {
        skin(c, 0, 0, 120, 40, 0xFF361212, 0xFFC8A060, 0xFF75272C, 2);
        Sprites::text(c, 10, 14, "COMING SOON", 0xFFFFF0C0, 2);
    });
    for (PictureRecipe& recipe : TitlePictures::recipes()) b.recipes.push_back(std::move(recipe));
    b.add("ui/statChooseBack.png", 43, 43, 0, 0, 1, "stat choice button, unselected", "43x43", buttonSkin(0xFF000000, false));
    b.add("ui/statChooseBackOver.png", 43, 43, 0, 0, 1, "stat choice button, hovered", "43x43", buttonSkin(0xFF202020, false));
    b.add("ui/statChooseBackSelected.png", 43, 43, 0, 0, 1, "stat choice button, selected", "43x43", buttonSkin(0xFF474747, false));
    auto nodeSkins = [](int size, uint32_t col) {
        return [size, col](Canvas& c, std::mt19937&) {
            // Row 0 a node not yet learnt (dim), row 1 a learnt one (lit); columns resting, hover, selected.
            for (int row = 0; row < 2; ++row)
                for (int k = 0; k < 3; ++k) {
                    uint32_t look = shade(col, row ? 1.25 : 0.6);
                    double cx = k * size + size / 2.0, cy = row * size + size / 2.0;
                    c.fillCircle(cx, cy, size / 2.0 - 1, 0xFF101010);
                    c.fillCircle(cx, cy, size / 2.0 - 2, k == 0 ? look : k == 1 ? shade(look, 1.3) : 0xFFF0F0F0);
                    c.fillCircle(cx, cy, size / 2.0 - (k == 2 ? 4 : 5), shade(look, 0.6));
                }
        };
    };
    b.add("ui/skillButtonBlack.png", 105, 70, 35, 35, 6, "skill node skins, 35 pixels: row 0 not learnt, row 1 learnt; columns resting, hover, selected",
          "skill node skin 105x70", nodeSkins(35, 0xFF3A3A3A));
    b.add("ui/skillButtonGold.png", 150, 100, 50, 50, 6, "gold skill node skins, 50 pixels: row 0 not learnt, row 1 learnt; columns resting, hover, selected", "150x100", nodeSkins(50, 0xFFC09020));
    b.add("ui/skillButtonGreen.png", 150, 100, 50, 50, 6, "green skill node skins, 50 pixels: row 0 not learnt, row 1 learnt; columns resting, hover, selected", "150x100", nodeSkins(50, 0xFF30A040));
    b.add("ui/skillButtonBlackOver.png", 35, 35, 0, 0, 1, "skill node, hovered", "chosen: node size 35", nodeSkins(35, 0xFF5A5A5A));
    b.add("ui/skillButtonBlackSelected.png", 35, 35, 0, 0, 1, "skill node, selected", "chosen: node size 35", nodeSkins(35, 0xFF7A7A7A));
    b.add("ui/skillButtonCenter.png", 35, 35, 0, 0, 1, "the skill tree's centre node, a white star", "35x35", [](Canvas& c, std::mt19937&) {
        c.fillCircle(17.5, 17.5, 16.5, 0xFF101010);
        c.fillCircle(17.5, 17.5, 15, 0xFFE0E0E0);
        Sprites::star(c, 17.5, 17.5, 11, 0xFFFFFFFF);
        Sprites::star(c, 17.5, 17.5, 6, 0xFFFFE060);
    });
    auto disabled = [](int size, uint32_t col) {
        return [size, col](Canvas& c, std::mt19937&) { c.fillCircle(size / 2.0, size / 2.0, size / 2.0 - 1, withAlpha(col, 170)); };
    };
    b.add("ui/skillButtonDisabled35.png", 35, 35, 0, 0, 1, "dark veil over a locked 35-pixel node", "node size 35", disabled(35, 0xFF000000));
    b.add("ui/skillButtonDisabled50.png", 50, 50, 0, 0, 1, "dark veil over a locked 50-pixel node", "node size 50", disabled(50, 0xFF000000));
    b.add("ui/skillButtonDisabledGreen35.png", 35, 35, 0, 0, 1, "green-dark veil over a locked 35-pixel node", "node size 35", disabled(35, 0xFF0A200A));
    b.add("ui/skillButtonDisabledGreen50.png", 50, 50, 0, 0, 1, "green-dark veil over a locked 50-pixel node", "node size 50", disabled(50, 0xFF0A200A));
    auto ring = [](uint32_t col) {
        return [col](Canvas& c, std::mt19937&) {
            for (double r = 22; r <= 26; r += 0.5) c.strokeEllipse(26.5, 26.5, r, r, withAlpha(col, static_cast<int>(255 - (26 - r) * 40)));
        };
    };
    b.add("ui/skillButtonActivation.png", 53, 53, 0, 0, 1, "expanding ring when a node is learnt", "53x53", ring(0xFF80E0FF));
    b.add("ui/skillButtonActivationGold.png", 53, 53, 0, 0, 1, "gold ring when a gold node is learnt", "chosen, as the plain ring", ring(0xFFFFD040));
    b.add("ui/skillTreeBG.png", 256, 256, 0, 0, 1, "the skill tree's backdrop: a dim radial glow with faint rings", "chosen; stretched",
          [](Canvas& c, std::mt19937&) {
              for (int y = 0; y < 256; ++y)
                  for (int x = 0; x < 256; ++x) {
                      double d = std::hypot(x - 127.5, y - 127.5) / 128;
                      int a = static_cast<int>(std::max(0.0, 1 - d) * 150);
                      uint32_t col = std::fmod(d * 8, 1.0) < 0.05 ? 0xFF4A6AA0 : 0xFF1A2A4A;
                      c.set(x, y, withAlpha(col, a));
                  }
          });
    b.add("ui/skillTreeLine.png", 8, 4, 0, 0, 1, "a link between skill nodes, stretched", "chosen",
          [](Canvas& c, std::mt19937&) { c.gradientRect(0, 0, 8, 4, 0xFFB0B0B0, 0xFF5A5A5A); });
    b.add("ui/skillTreeMap.png", 70, 70, 1, 1, 135, "skill tree positions: one pixel per node, blue magic, red combat, green misc, white centre",
          "skill tree picture: 70x70, centre (34, 35); see skill-tree.txt for every node's pixel", nullptr);  // painted by SkillTreeLayout
}

// ---- Effects and objects ----

void addEffects(Builder& b) {
    auto column = [](uint32_t col, uint32_t core, int n, int kind) {
        return [=](Canvas& c, int i, std::mt19937& r) {
            double t = (i + 1.0) / n, rise = std::sin(t * PI);
            int w = c.width(), h = c.height();
            switch (kind) {
            case 0:  // flames rising
                for (int k = 0; k < 12; ++k) {
                    double x = w / 2.0 + (uni(r) - 0.5) * w * 0.7, y = h - uni(r) * h * rise;
                    c.fillCircle(x, y, 2 + uni(r) * 5 * rise, withAlpha(k % 3 ? col : core, 220));
                }
                break;
            case 1:  // slashes
                for (int k = 0; k < 3; ++k) c.line(static_cast<int>(w * 0.1 + k * 5), static_cast<int>(h * (0.2 + t * 0.5)), static_cast<int>(w * 0.9 - k * 3),
                                                   static_cast<int>(h * (0.1 + t * 0.3) + k * 6), k == 1 ? core : col, 2);
                break;
            case 2:  // spikes
                for (int k = 0; k < 4; ++k) {
                    double x = 4 + k * (w - 8) / 3.0, top = h - h * rise * (0.5 + 0.15 * (k % 2));
                    c.fillPolygon({{x - 4, double(h)}, {x + 4, double(h)}, {x, top}}, k % 2 ? col : shade(col, 0.8));
                }
                break;
            case 3:  // whirl
                for (int k = 0; k < 3; ++k) c.strokeEllipse(w / 2.0, h - 6 - k * h * 0.25 * rise, w * 0.35 * (1 - k * 0.2), 4, withAlpha(col, 200));
                break;
            case 4:  // burst
                c.fillCircle(w / 2.0, h / 2.0, w * 0.45 * t, withAlpha(col, static_cast<int>(220 * (1 - t * 0.6))));
                c.fillCircle(w / 2.0, h / 2.0, w * 0.2 * (1 - t), core);
                break;
            default:  // beam
                c.fillRect(static_cast<int>(w / 2.0 - w * 0.35 * rise), 0, static_cast<int>(w * 0.7 * rise) + 1, h, withAlpha(col, 150));
                c.fillRect(static_cast<int>(w / 2.0 - w * 0.12 * rise), 0, static_cast<int>(w * 0.24 * rise) + 1, h, withAlpha(core, 230));
                break;
            }
        };
    };
    b.strip("x2/magic/flamestrike.png", 32, 48, 15, "fire spell: flames rising", "spell effect: 32x48, 15 frames", column(0xFFFF6020, 0xFFFFE060, 15, 0), false);
    b.strip("x2/magic/iceslash.png", 40, 48, 13, "ice spell: icy slashes", "spell effect: 40x48, 13 frames", column(0xFF80D8FF, 0xFFFFFFFF, 13, 1), false);
    b.strip("x2/magic/earthspike.png", 38, 48, 16, "earth spell: rock spikes", "spell effect: 38x48, 16 frames", column(0xFF9A7040, 0xFFC0A070, 16, 2), false);
    b.strip("x2/magic/windblast.png", 32, 40, 13, "wind spell: a whirlwind", "spell effect: 32x40, 13 frames", column(0xFFB8F0C0, 0xFFFFFFFF, 13, 3), false);
    b.strip("x2/magic/darkburst.png", 48, 48, 12, "dark spell: a violet burst", "spell effect: 48x48, 12 frames", column(0xFF7030A0, 0xFF200830, 12, 4), false);
    b.strip("x2/magic/lightbeam.png", 48, 96, 10, "light spell: a beam from above", "spell effect: 48x96, 10 frames", column(0xFFFFF0A0, 0xFFFFFFFF, 10, 5), false);
    b.strip("misc/demonExplodeDark.png", 48, 48, 12, "the demon's dark death burst", "the dark spell's cells: 48x48, 12 frames", column(0xFF400010, 0xFF000000, 12, 4), false);
    b.strip("misc/demonExplodeBright.png", 48, 48, 12, "the demon's bright death burst", "the dark spell's cells: 48x48, 12 frames", column(0xFFFFC040, 0xFFFFFFFF, 12, 4), false);
    auto heal = [](uint32_t col, bool front) {
        return [=](Canvas& c, int i, std::mt19937& r) {
            double t = (i + 1) / 12.0;
            for (int k = 0; k < 6; ++k) {
                double x = 4 + uni(r) * 20, y = 30 - t * 28 - uni(r) * 6;
                if (front) Sprites::text(c, static_cast<int>(x), static_cast<int>(y), "+", withAlpha(col, static_cast<int>(255 * (1 - t * 0.7))));
                else c.fillCircle(x, y, 2, withAlpha(col, static_cast<int>(160 * (1 - t))));
            }
        };
    };
    b.strip("x2/magic/healBack.png", 28, 32, 12, "healing sparkles behind the hero", "heal effect: 28x32, 12 frames", heal(0xFF60FF80, false), false);
    b.strip("x2/magic/healFront.png", 28, 32, 12, "healing crosses in front of the hero", "heal effect: 28x32, 12 frames", heal(0xFF80FF90, true), false);
    b.strip("x2/magic/healMagicBack.png", 28, 32, 12, "magic-restoring sparkles behind the hero", "chosen, as the heal effect", heal(0xFF60A0FF, false), false);
    b.strip("x2/magic/healMagicFront.png", 28, 32, 12, "magic-restoring crosses in front of the hero", "chosen, as the heal effect", heal(0xFF80C0FF, true), false);
    auto wing = [](bool over) {
        return [over](Canvas& c, int i, std::mt19937&) {
            // One wing, a fan of feathers from the shoulder, beating down and up.
            double beat = std::cos(i * PI / 6);  // 1 up, -1 down
            double sx = over ? 31 : 25, sy = 24, dir = over ? 1 : -1;
            for (int f = 0; f < 6; ++f) {
                double a = (-0.15 - beat * 0.55) * PI + f * 0.13 * PI * dir * 0 - f * 0.12;
                double len = 22 - f * 2.2;
                double ex = sx + dir * std::cos(a) * len, ey = sy + std::sin(a) * len;
                std::vector<std::pair<double, double>> feather = {{sx, sy - 2}, {ex, ey - 1.5}, {ex + dir * 1.5, ey + 1.5}, {sx, sy + 3}};
                c.fillPolygon(feather, shade(0xFFF8F8FF, 1.0 - f * 0.04));
                c.line(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(ex), static_cast<int>(ey), 0xFFC8C8D8);
            }
            if (!over) c.multiplyAlpha(0.85);
        };
    };
    b.strip("x2/misc/wingsAnimUnder.png", 56, 45, 12, "white wings beating, the far wing", "wings animation: 56x45, 12 frames", wing(false));
    b.strip("x2/misc/wingsAnimOver.png", 56, 45, 12, "white wings beating, the near wing", "wings animation: 56x45, 12 frames", wing(true));
    b.strip("misc/slotFlash.png", 54, 54, 3, "a white flash around a hotkey slot", "slot flash: 54x54, 3 frames", [](Canvas& c, int i, std::mt19937&) {
        for (int k = 0; k <= i; ++k) c.strokeRect(k, k, 54 - 2 * k, 54 - 2 * k, withAlpha(0xFFFFFFFF, 230 - k * 50));
    }, false);
    b.add("misc/particles.png", 32, 24, 4, 4, 48, "spark particles, 8 fading cells of 4x4 per row: fire, ice, earth, wind, dark, light", "particles: 4x4 cells, 8 frames, rows 0-20",
          [](Canvas& c, std::mt19937&) {
              for (int e = 0; e < 6; ++e)
                  for (int f = 0; f < 8; ++f) {
                      double rr = 2.0 - f * 0.2;
                      c.fillCircle(f * 4 + 2, e * 4 + 2, rr, withAlpha(elementColour(e), 255 - f * 28));
                      if (f < 4) c.set(f * 4 + 2, e * 4 + 2, 0xFFFFFFFF);
                  }
          });
    b.add("misc/fogTemplate.png", 13, 13, 0, 0, 1,
          "fog left around the hero, one pixel per tile of the 13x13 square: alpha 0 (clear) in the middle rising to 255 (fog) at the rim",
          "fog reveal: indexed [6 + dx][6 + dy], the fog opacity", [](Canvas& c, std::mt19937&) {
              for (int y = 0; y < 13; ++y)
                  for (int x = 0; x < 13; ++x) {
                      double d = std::hypot(x - 6, y - 6);
                      c.set(x, y, withAlpha(0xFF000000, static_cast<int>(std::clamp((d - 2.5) / 3.0, 0.0, 1.0) * 255)));
                  }
          });
    b.add("misc/missingAsset.png", 32, 32, 0, 0, 1, "a magenta and black check: a missing picture", "chosen", [](Canvas& c, std::mt19937&) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) c.set(x, y, ((x / 8) + (y / 8)) % 2 ? 0xFFFF00FF : 0xFF000000);
    });
    b.add("x2/misc/blankPixel.png", 1, 1, 0, 0, 1, "one transparent pixel", "chosen", [](Canvas&, std::mt19937&) {});
    b.add("x2/misc/forestHole.png", 56, 56, 0, 0, 1, "a pit torn in the ground where the soul crystal fell", "56x56", [](Canvas& c, std::mt19937& r) {
        c.fillEllipse(28, 30, 26, 22, 0xFF4A3A20);
        c.fillEllipse(28, 31, 21, 17, 0xFF000000);
        for (int k = 0; k < 12; ++k) {
            double a = uni(r) * 2 * PI;
            c.fillCircle(28 + std::cos(a) * 25, 30 + std::sin(a) * 21, 2.5, 0xFF6A5A30);
        }
    });
    b.add("x2/misc/poofyExplosion.png", 108, 54, 18, 18, 18, "three dust puffs, 6 cells each, one per row", "puffs: 18x18, 6 frames, rows 0, 18, 36",
          cellsOf(18, 18, 18, [](Canvas& c, int i, std::mt19937& r) {
              double t = (i % 6 + 1) / 6.0;
              for (int k = 0; k < 4; ++k) c.fillCircle(9 + (uni(r) - 0.5) * 8 * t, 9 + (uni(r) - 0.5) * 8 * t, 3 + 4 * t, withAlpha(0xFFB0A898, static_cast<int>(230 * (1.1 - t))));
          }, false));
    b.add("x2/misc/rainSplash.png", 32, 32, 8, 8, 16, "four rain splashes, 4 cells each, one per row", "splashes: 8x8, 4 frames, rows 0-24",
          cellsOf(8, 8, 16, [](Canvas& c, int i, std::mt19937&) {
              double t = (i % 4 + 1) / 4.0;
              c.strokeEllipse(4, 5, 1 + 2.5 * t, 0.6 + 1.2 * t, withAlpha(0xFFC0D8FF, static_cast<int>(230 * (1.2 - t))));
              if (i % 4 < 2) c.set(4 - (i / 4) % 2, 3 - i % 4, 0xFFE0F0FF);
          }, false));
    b.add("x2/misc/rainTile.png", 256, 128, 64, 64, 8, "falling rain, 8 cells of 64x64 (4 per row)", "rain: 64x64, 8 frames, looping",
          [](Canvas& c, std::mt19937& r) {
              std::vector<std::pair<double, double>> drops;
              for (int k = 0; k < 24; ++k) drops.emplace_back(uni(r) * 64, uni(r) * 64);
              for (int f = 0; f < 8; ++f)
                  for (auto [x, y] : drops) {
                      double yy = std::fmod(y + f * 8, 64), xx = std::fmod(x - f * 2 + 64, 64);
                      int ox = (f % 4) * 64, oy = (f / 4) * 64;
                      for (int k = 0; k < 5; ++k) c.blend(ox + static_cast<int>(std::fmod(xx - k * 0.25 + 64, 64)), oy + static_cast<int>(std::fmod(yy + k, 64)), withAlpha(0xFFC8D8F8, 110));
                  }
          });
    b.add("x2/misc/secretFlash.png", 18, 18, 6, 6, 9, "a sparkle growing through nine 6x6 cells", "secret flash: 18x18, nine 6x6 cells",
          cellsOf(6, 6, 9, [](Canvas& c, int i, std::mt19937&) {
              double rr = 0.5 + i * 0.3;
              c.fillRect(3 - static_cast<int>(rr), 2, 1 + 2 * static_cast<int>(rr), 1, 0xFFFFFFC0);
              c.fillRect(2, 3 - static_cast<int>(rr), 1, 1 + 2 * static_cast<int>(rr), 0xFFFFFFC0);
              c.set(2, 2, 0xFFFFFFFF);
          }, false));
    b.add("x2/misc/shadows.png", 32, 64, 0, 0, 6, "six shadow ellipses, largest first: rows 0-19, 20-33, 34-44, 45-53, 54-59, 60-63", "shadow sheet: 32x64",
          [](Canvas& c, std::mt19937&) {
              int tops[] = {0, 20, 34, 45, 54, 60, 64};
              for (int k = 0; k < 6; ++k) {
                  int h = tops[k + 1] - tops[k];
                  double rx = 15.5 - k * 1.8;
                  c.fillEllipse(16, tops[k] + h / 2.0, rx, h / 2.0, 0x60000000);
              }
          });
    b.add("x2/misc/soulCrystal.png", 130, 122, 26, 61, 10, "a floating soul crystal turning, 10 cells of 26x61", "soul crystal: 130x122",
          cellsOf(26, 61, 10, [](Canvas& c, int i, std::mt19937&) {
              double w = 9 * std::abs(std::cos(i * PI / 10)) + 3;
              c.fillPolygon({{13, 2}, {13 + w, 24}, {13, 58}, {13 - w, 24}}, 0xFF9A50E0);
              c.fillPolygon({{13, 2}, {13 + w * 0.4, 24}, {13, 58}}, 0xFFD0A0FF);
              c.fillCircle(13, 24, 2, 0xFFFFFFFF);
          }));
    b.add("x2/misc/soulCrystalBlack.png", 26, 61, 0, 0, 1, "the soul crystal darkened", "26x61", [](Canvas& c, std::mt19937&) {
        c.fillPolygon({{13, 2}, {25, 24}, {13, 58}, {1, 24}}, 0xFF181020);
    });
    b.add("x2/misc/tileFlash.png", 160, 128, 32, 32, 20, "tile highlight squares pulsing: rows 0-1 white (9 cells), rows 2-3 red (9 cells)", "tile flash: 32x32 cells, 5 per row",
          [](Canvas& c, std::mt19937&) {
              for (int k = 0; k < 20; ++k) {
                  int x = (k % 5) * 32, y = (k / 5) * 32, f = k % 10;
                  uint32_t col = k < 10 ? 0xFFFFFFFF : 0xFFFF3030;
                  int a = f < 3 ? 80 + f * 50 : std::max(40, 230 - (f - 3) * 30);
                  c.strokeRect(x + 1, y + 1, 30, 30, withAlpha(col, a));
                  c.strokeRect(x + 2, y + 2, 28, 28, withAlpha(col, a / 2));
              }
          });
    b.strip("x2/misc/woodDoor.png", 23, 37, 5, "a wooden door opening, closed first", "door: 5 cells of 23x37", [](Canvas& c, int i, std::mt19937&) {
        int w = 21 - i * 4;
        c.fillRect(1, 0, 21, 37, 0xFF101010);
        c.fillRect(1, 0, std::max(2, w), 37, 0xFF8A5A2A);
        for (int k = 4; k < w; k += 5) c.fillRect(1 + k, 0, 1, 37, 0xFF5A3A1A);
        if (w > 6) c.fillCircle(w - 3, 19, 1.5, 0xFFE0C040);
    });
    b.strip("x2/treasure/forge.png", 32, 27, 3, "a forge with its fire flickering", "forge: three cells of 32x27", [](Canvas& c, int i, std::mt19937& r) {
        c.fillRect(2, 8, 28, 19, 0xFF5A5A62);
        c.fillRect(6, 12, 20, 10, 0xFF200808);
        for (int k = 0; k < 6; ++k) c.fillCircle(10 + uni(r) * 12, 20 - uni(r) * (6 + i * 2), 2.5, k % 2 ? 0xFFFF8020 : 0xFFFFE040);
        c.fillRect(0, 6, 32, 3, 0xFF7A7A82);
    });
    b.add("x2/treasure/chests.png", 80, 88, 20, 22, 16, "treasure chests opening: rows normal (brown), artifact (gold), ingredient (green), consumable (blue); closed then 3 opening cells",
          "chests: 80x88, 20x22 cells", [](Canvas& c, std::mt19937&) {
              const uint32_t cols[] = {0xFF8A5A2A, 0xFFD0A030, 0xFF3A8A40, 0xFF3A5AA0};
              for (int row = 0; row < 4; ++row)
                  for (int f = 0; f < 4; ++f) {
                      Canvas cell(20, 22);
                      uint32_t col = cols[row];
                      cell.fillRect(2, 10, 16, 11, col);
                      cell.fillRect(2, 14, 16, 1, shade(col, 0.6));
                      int lift = f * 3;
                      cell.fillRect(1, 6 - lift, 18, 5, shade(col, 1.2));
                      if (f > 0) cell.fillRect(3, 10, 14, 2, 0xFF201008);
                      if (f == 3) cell.fillCircle(10, 9, 2.5, 0xFFFFF080);
                      cell.fillRect(9, 9 - (f > 0 ? 0 : 0), 2, 3, 0xFFE0D060);
                      cell.outline(0xFF141014);
                      c.blit(cell, f * 20, row * 22);
                  }
          });
    b.add("x2/treasure/goldbag.png", 60, 40, 20, 20, 6, "a gold sack: closed, then opening until empty", "gold bag: 60x40, two rows of three", cellsOf(20, 20, 6, [](Canvas& c, int i, std::mt19937&) {
        double fill = 1 - i / 5.0;
        c.fillEllipse(10, 13, 7.5, 6 * (0.5 + fill * 0.5) + 1, 0xFFA07A40);
        if (i == 0) c.fillRect(8, 3, 4, 4, 0xFF8A6A30);
        else for (int k = 0; k < 5 - i; ++k) Sprites::coin(c, 4 + k * 2, 6 + (k % 2), 6);
        c.line(6, 7, 14, 7, 0xFFE0C040);
    }));
    b.add("x2/treasure/statgems.png", 84, 102, 14, 17, 36, "stat gems turning, six rows of six: HP red, MP blue, attack orange, defence grey, magic violet, choice white",
          "stat gems: 84x102, 14x17 cells", cellsOf(14, 17, 36, [](Canvas& c, int i, std::mt19937&) {
              const uint32_t cols[] = {0xFFE03030, 0xFF3070E0, 0xFFF08020, 0xFFA0A0A8, 0xFF9050D0, 0xFFF0F0F0};
              double w = 5.5 * std::abs(std::cos((i % 6) * PI / 6)) + 1.5;
              uint32_t col = cols[i / 6];
              c.fillPolygon({{7, 1}, {7 + w, 8}, {7, 16}, {7 - w, 8}}, col);
              c.fillPolygon({{7, 1}, {7 + w * 0.5, 8}, {7, 8}}, shade(col, 1.5));
          }));
    b.add("x2/treasure/statGemDots.png", 64, 48, 8, 8, 48, "fading dots flying from a stat gem, eight 8x8 cells per row, one row per gem kind",
          "dots: 8x8, 8 frames (rows chosen per kind)", cellsOf(8, 8, 48, [](Canvas& c, int i, std::mt19937&) {
              const uint32_t cols[] = {0xFFE03030, 0xFF3070E0, 0xFFF08020, 0xFFA0A0A8, 0xFF9050D0, 0xFFF0F0F0};
              c.fillCircle(4, 4, 3.5 - (i % 8) * 0.35, withAlpha(cols[i / 8], 255 - (i % 8) * 25));
              c.set(3, 3, 0xFFFFFFFF);
          }, false));
}

}  // namespace

std::vector<PictureRecipe> PictureMaker::inventory() {
    Builder b;
    addMonsters(b);
    addHeroes(b);
    addNpcs(b);
    addTiles(b);
    addItems(b);
    addUi(b);
    addEffects(b);
    return std::move(b.recipes);
}

Canvas PictureMaker::floorPreview(const Canvas& tiles) {
    const char* rows[] = {"WWWWWWWWWWWWWWWW", "W....WWWW......W", "W....WWWW..HH..W", "W.............WW", "WWW..WW...HHH..W",
                          "WWW..WW...HHH..W", "W.......W......W", "W..W....W..WWW.W", "W.......W......W", "WWWWWWWWWWWWWWWW"};
    const int H = 10, W = 16;
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= W || y >= H ? 'W' : rows[y][x]; };
    Canvas c(W * 32, H * 32, 0xFF000000);
    std::mt19937 r(5);
    auto piece = [&](int col, int row, int x, int y) { c.blit(tiles, col * 32, row * 32, 32, 32, x * 32, y * 32); };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) piece(0, static_cast<int>(r() % 4), x, y);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            char t = at(x, y);
            if (t == 'W') {
                auto w = [&](int dx, int dy) { return at(x + dx, y + dy) == 'W'; };
                Mask m{w(-1, 0), w(1, 0), w(0, -1), w(0, 1), w(-1, -1), w(1, -1), w(-1, 1), w(1, 1)};
                for (const auto& [pos, k] : wallPieces()) {
                    if (pos.second == 8 || pos == std::pair{7, 6} || pos == std::pair{6, 7} || pos == std::pair{7, 7} || pos == std::pair{6, 6}) continue;
                    bool diag = (!m.l || !m.u || k.ul == m.ul) && (!m.r || !m.u || k.ur == m.ur) && (!m.l || !m.d || k.dl == m.dl) &&
                                (!m.r || !m.d || k.dr == m.dr);
                    if (k.l == m.l && k.r == m.r && k.u == m.u && k.d == m.d && diag) {
                        piece(pos.first, pos.second, x, y);
                        break;
                    }
                }
            } else if (t == 'H') {
                auto h = [&](int dx, int dy) { return at(x + dx, y + dy) == 'H'; };
                bool L = h(-1, 0), R = h(1, 0), U = h(0, -1), D = h(0, 1), DL = h(-1, 1), DR = h(1, 1);
                std::pair<int, int> p = !L ? (U ? (D ? std::pair{3, 9} : std::pair{5, 9}) : std::pair{0, 9})
                                        : R ? (U ? (D ? (DL ? (DR ? std::pair{7, 8} : std::pair{4, 3}) : std::pair{5, 3}) : std::pair{6, 9}) : std::pair{1, 9})
                                            : (U ? (D ? std::pair{4, 9} : std::pair{7, 9}) : std::pair{2, 9});
                c.fillRect(x * 32, y * 32, 32, 32, 0xFF000000);
                if (p.second * 32 < tiles.height()) piece(p.first, p.second, x, y);
            }
        }
    return c;
}

Canvas PictureMaker::render(const PictureRecipe& recipe) {
    Canvas c(recipe.width, recipe.height);
    std::seed_seq seq(recipe.id.begin(), recipe.id.end());
    std::mt19937 rng(seq);
    if (recipe.paint) recipe.paint(c, rng);
    return c;
}

}  // namespace tools
