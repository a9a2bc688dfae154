// The game's pictures of window skins, buttons, bars and icons of the interface.
#include "PictureKinds.h"

#include "PictureBuilder.h"
#include "Sprites.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {

// Paints with `f`, then outlines what it drew.
Paint outlined(std::function<void(Canvas&)> f) {
    return [f](Canvas& c, std::mt19937&) { f(c); c.outline(0xFF141014); };
}

// Button and window skins, the slider and the speech arrow.
void addSkins(PictureBuilder& b) {
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
}

// Small icons and the icon sheets.
void addIcons(PictureBuilder& b) {
    b.add("ui/goldIcon.png", 18, 15, 0, 0, 1, "a small stack of gold coins", "coin: 18x15", outlined([](Canvas& c) {
              Sprites::coin(c, 0, 1, 12);
              Sprites::coin(c, 5, 0, 12);
              Sprites::coin(c, 3, 3, 12);
          }));
    b.add("ui/heartIcon.png", 16, 16, 0, 0, 1, "a red heart", "chosen", outlined([](Canvas& c) { Sprites::heart(c, 0, 0, 15, 0xFFE02030); }));
    b.add("ui/questionMark.png", 16, 20, 0, 0, 1, "a question mark", "chosen", outlined([](Canvas& c) { Sprites::text(c, 2, 2, "?", 0xFFFFFFFF, 3); }));
    b.add("ui/guyHead.png", 12, 12, 0, 0, 1, "the hero's head, the large map's marker", "chosen", outlined([](Canvas& c) {
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
}

// HUD frames, stat symbols, portraits and the equipment figures.
void addHudPictures(PictureBuilder& b) {
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
}

// Pictures on buttons, and the title.
void addButtonPictures(PictureBuilder& b) {
    b.add("ui/backButton.png", 50, 19, 0, 0, 1, "the word BACK", "chosen", outlined([](Canvas& c) { Sprites::text(c, 2, 2, "BACK", 0xFFFFFFFF, 3); }));
    b.add("ui/craftButton.png", 40, 40, 0, 0, 1, "anvil and hammer: crafting", "chosen", outlined([](Canvas& c) {
              c.fillPolygon({{4, 16}, {36, 16}, {30, 24}, {26, 24}, {28, 34}, {12, 34}, {14, 24}, {10, 24}}, 0xFF6A6A72);
              c.line(20, 4, 32, 12, 0xFF8A5A2A, 3);
              c.fillRect(16, 2, 8, 6, 0xFFA0A0A8);
          }));
    b.add("ui/equipButton.png", 40, 40, 0, 0, 1, "a helmet: equipment", "chosen", outlined([](Canvas& c) { Sprites::helmet(c, 2, 2, 36, 0xFFB0B0B8); }));
    b.add("ui/itemsButton.png", 48, 48, 0, 0, 1, "a bag: items", "chosen", outlined([](Canvas& c) {
              c.fillEllipse(24, 30, 17, 15, 0xFF9A6A3A);
              c.fillRect(16, 8, 16, 8, 0xFF8A5A2A);
              c.line(14, 16, 34, 16, 0xFFE0C040, 2);
          }));
    b.add("ui/itemsButtonSmall.png", 32, 32, 0, 0, 1, "a small bag: items", "chosen", outlined([](Canvas& c) {
              c.fillEllipse(16, 20, 11, 10, 0xFF9A6A3A);
              c.fillRect(11, 5, 10, 6, 0xFF8A5A2A);
              c.line(9, 11, 23, 11, 0xFFE0C040, 2);
          }));
    b.add("ui/editSlotsIcon.png", 24, 24, 0, 0, 1, "a pencil: edit hotkeys", "chosen", outlined([](Canvas& c) {
              c.line(4, 20, 19, 5, 0xFFE0C040, 4);
              c.fillPolygon({{2, 22}, {4, 16}, {8, 20}}, 0xFFE8D0A0);
          }));
    b.add("ui/settingsBestiary.png", 91, 48, 0, 0, 2, "settings cog (0,0,46,48) and bestiary book (46,0,45,48)", "cuts (0,0,46,48) and (46,0,45,48)",
          outlined([](Canvas& c) {
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
    b.add("ui/statsButtonIcon.png", 36, 36, 0, 0, 1, "a scroll with bars: stats", "chosen", outlined([](Canvas& c) {
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
    b.add("ui/glv2logo.png", 366, 170, 0, 0, 1, "the title logo: GLINTVAULT II over a sword", "title screen places it at (297, 34)",
          [](Canvas& c, std::mt19937&) {
              Sprites::sword(c, 100, -20, 170, 0xFFC8C8D0, 0xFFC0A040);
              c.multiplyAlpha(0.6);
              Sprites::text(c, 10, 40, "GLINTVAULT", 0xFFF0C030, 9);
              Sprites::text(c, 150, 100, "II", 0xFFE04020, 9);
              c.outline(0xFF201008);
          });
}

// Credits, the stat choice and the skill-tree nodes.
void addMenuPictures(PictureBuilder& b) {
    auto names = [](int count, int perRow, int scale) {
        return [=](Canvas& c, std::mt19937& r) {
            static const char* syl[] = {"AR", "BEL", "COR", "DA", "EN", "FI", "GOR", "HA", "IL", "JO", "KA", "LIN", "MO", "NOR", "OS", "PER", "RA", "SIL", "TOR", "VA"};
            int colW = c.width() / perRow;
            for (int i = 0; i < count; ++i) {
                std::string n;
                int k = 2 + static_cast<int>(uni(r) * 2);
                for (int j = 0; j < k; ++j) n += syl[r() % 20];
                int x = (i % perRow) * colW + (colW - Sprites::textWidth(n, scale)) / 2, y = 4 + (i / perRow) * 8 * scale;
                Sprites::text(c, x, y, n, 0xFFE0E0E0, scale);
            }
        };
    };
    b.add("ui/creditsTested.png", 348, 193, 0, 0, 1, "credits: names of the testers", "credits layout (306, 424), item backers 20 below", names(24, 3, 2));
    b.add("ui/creditsItemBackers.png", 572, 946, 0, 0, 1, "credits: names of the item backers", "credits layout (229, 637), other backers at 1603", names(200, 4, 2));
    b.add("ui/creditsOtherBackers.png", 704, 600, 0, 0, 1, "credits: names of the other backers", "credits layout x 128; height chosen", names(280, 5, 2));
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

}  // namespace

void addUi(PictureBuilder& b) {
    addSkins(b);
    addIcons(b);
    addHudPictures(b);
    addButtonPictures(b);
    addMenuPictures(b);
}

}  // namespace tools
