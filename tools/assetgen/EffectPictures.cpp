// The game's pictures of effects and map objects.
#include "PictureKinds.h"

#include "PictureBuilder.h"
#include "Sprites.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {

// ---- Effects and objects ----

}  // namespace

void addEffects(PictureBuilder& b) {
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

namespace {
}  // namespace

}  // namespace tools
