// The game's pictures of monsters, heroes and townsfolk.
#include "PictureKinds.h"

#include "PictureBuilder.h"
#include "Sprites.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

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

Look heroLook(const std::string& name) {
    Look k;
    if (name == "girl") { k.top = 0xFFB03040; k.bottom = 0xFF602030; k.hair = 0xFFD89030; k.longHair = true; }
    else if (name == "monk") { k.top = 0xFFE08020; k.bottom = 0xFFC06010; k.bald = true; k.robe = true; k.skin = 0xFFD8A070; }
    else if (name == "velix") { k.top = 0xFF403060; k.bottom = 0xFF302040; k.hair = 0xFFE0E0F0; k.horns = true; k.skin = 0xFFB8A8D8; }
    else { k.top = 0xFF3050A0; k.bottom = 0xFF5A4030; k.hair = 0xFF5A3A1E; }
    k.accent = 0xFFD8D8E0;
    return k;
}

namespace {
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

}  // namespace

void addMonsters(PictureBuilder& b) {
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

namespace {

// ---- Heroes and people ----

}  // namespace

void addHeroes(PictureBuilder& b) {
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

namespace {

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

}  // namespace

void addNpcs(PictureBuilder& b) {
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
    // 32x32 cells: two limping walk cells, the dagger drawn at (64,0), then 13 cells of the stab
    // and the fall from (96,0).
    b.strip("x2/npcs/sorcerorSuicide.png", 32, 32, 16,
            "the dying sorcerer: cells 0-1 limping in, cell 2 the dagger drawn, cells 3-15 the stab and the fall",
            "dagger cell (64,0) and 13 death cells from (96,0), 32x32; the limp chosen",
            [sorc](Canvas& c, int i, std::mt19937&) {
                Look l = sorc;
                l.scale = 0.64;
                if (i < 2) {
                    Sprites::person(c, 16, 31, l, Facing::RIGHT, i, i * 0.5, 0.1, false, 0.15);
                } else if (i < 6) {
                    // The dagger raised, then driven down into his chest.
                    Sprites::person(c, 16, 31, l, Facing::DOWN, 0, 0, i == 2 ? 0.9 : 0.9 - (i - 2) * 0.25, false);
                    const int tipY = i == 2 ? 5 : 10 + (i - 3) * 2;
                    c.line(22, tipY, 22, tipY + 6, 0xFFD0D0E0, 2);
                    c.fillRect(21, tipY + 6, 3, 2, 0xFF6A4A2A);
                } else {
                    Sprites::lyingPerson(c, 16, 31, l, std::min(1.0, (i - 6) / 6.0));
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

namespace {
}  // namespace

}  // namespace tools
