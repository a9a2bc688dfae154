// The game's pictures of item icons and item rows.
#include "PictureKinds.h"

#include "PictureBuilder.h"
#include "Sprites.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace tools {

namespace {

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

}  // namespace

void addItems(PictureBuilder& b) {
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

namespace {
}  // namespace

}  // namespace tools
