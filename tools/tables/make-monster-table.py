#!/usr/bin/env python3
"""Writes assets/xml/monsters.xml, the monster table.

Usage (from the project root): python3 tools/tables/make-monster-table.py [OUT]

The combat numbers of every monster (id, name, floors, hit points, attack, defence, weakness,
gold, experience, drops), its attack effect and whether it can bleed are the game's fixed design
and are listed in MONSTERS below. Everything else is derived here by the rules in `row()`:

- Sprite geometry comes from the generated pictures: the cell sizes, cell counts and the
  flyer's two-row attack sheet are read from tools/assetgen/inventory.txt, so the table always
  matches the strips the asset generator draws. A monster is `flying` exactly when its attack
  sheet is the flyer's (hovering pose on row 0, attack on row 1).
- The generator draws a monster with its feet at (cell width - size / 2 - 2, cell height - 2),
  size being the idle cell's edge; that is the attack cell's ground point. The idle sprite is
  centred on the tile, which puts the feet 2 pixels left of the tile's centre; the shadow
  follows (idle x -2, attack x 0) and sits on the foot line (y = round(0.06 h) - 2).
- Shadow size by cell edge: 32 "s", 40 "m", 48 "l", 56 "xl", 64 "xxl"; a flyer's is one size
  smaller; the two spiders have none.
- Timing at 60 frames per second: idle cells 8 updates each, attack cells 4; the blow lands on
  frame 3 of the swing (the lunge's deepest cell) and an effect starts on frame 2. The delay
  between swings grows with the body: 40 + cell edge. Monsters that throw an effect, and rooted
  plants, attack from where they stand. Bigger bodies stand further back: attack offset x is
  (size - 32) / 2.
- An effect is centred on the hero, who stands 24 pixels in front of the monster's feet; cells
  at least 48 high stand on the hero's foot line, smaller ones fly at body height (10 up).
- Elements: each monster has a nature element (or none). Its attack of that element is a
  quarter of its physical attack, and its defence of that element half its physical defence.
  A monster whose physical attack is under 20 strikes by its element alone: its element attack
  is 4 x its first floor. The sorcerer and the demon hold -1 in the elements they never use.
- Sound: the effect's sound for effect throwers, else one by the way the monster attacks.
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
INVENTORY = os.path.join(ROOT, "tools", "assetgen", "inventory.txt")
ELEMENTS = ["Fire", "Earth", "Wind", "Ice", "Dark", "Light"]

# id, name, min, max, hp, att, def, weak, gold, exp, drops [(item, chance)], effect, bleeds,
# nature element, way of attacking (picks the sound when there is no effect)
MONSTERS = [
    (0, "Rat", 1, 4, 12, 18, 5, "fire", 1, 2, [(9137, 20)], None, True, None, "bite"),
    (100, "Bat", 1, 6, 17, 26, 6, "earth", 1, 4, [], None, True, "Dark", "bite"),
    (200, "Angry Shroom", 2, 9, 25, 28, 7, None, 2, 6, [(5, 5), (9071, 10)], None, False, "Earth", "shroom"),
    (300, "Spider", 4, 14, 40, 35, 7, "fire", 2, 10, [], None, True, "Dark", "bite"),
    (400, "Goblin", 6, 16, 60, 48, 10, "wind", 3, 12, [(5, 5), (4010, 10)], None, True, None, "sword"),
    (500, "Salamander", 9, 19, 80, 48, 11, "ice", 3, 15, [], "firespit", True, "Fire", "bite"),
    (600, "Goo", 11, 21, 120, 60, 15, "light", 4, 18, [(20, 10), (9115, 15)], None, False, "Earth", "chomp"),
    (700, "Cave Scorpion", 14, 24, 110, 75, 20, "wind", 2, 20, [(9000, 7)], None, True, "Earth", "stab"),
    (800, "Goblin Chief", 16, 26, 160, 98, 21, None, 4, 25, [(3030, 5), (10, 6), (9105, 10)], None, True, None, "sword"),
    (900, "Swamp Toad", 19, 29, 180, 104, 22, None, 3, 28, [(9145, 12)], None, True, "Earth", "chomp"),
    (1000, "Acid Flower", 21, 31, 95, 102, 23, "fire", 3, 30, [(30, 5)], "acidspit", False, "Earth", "flower"),
    (1100, "Jungle Snake", 24, 34, 200, 97, 25, None, 3, 35, [], None, True, "Earth", "bite"),
    (1150, "Giant Jungle Spider", 25, 25, 600, 140, 29, "fire", 200, 500, [(8040, 50), (15, 50)], None, True, "Dark", "chomp"),
    (1200, "Mutant Dragonfly", 26, 36, 150, 100, 27, "earth", 5, 42, [], None, True, "Wind", "bite"),
    (1300, "Ancient Tortoise", 29, 39, 300, 110, 35, "wind", 6, 50, [(9165, 10)], None, True, "Earth", "chomp"),
    (1400, "Temple Spirit", 31, 41, 235, 120, 32, "light", 5, 55, [], None, False, "Dark", "spirit"),
    (1500, "Blood Spider", 34, 44, 115, 150, 30, "light", 6, 50, [(9100, 3), (5, 14)], None, True, "Dark", "bite"),
    (1600, "Stone Titan", 36, 46, 350, 142, 38, "ice", 8, 70, [(3045, 6)], None, False, "Earth", "punch"),
    (1700, "Undead Wolf", 39, 49, 270, 166, 31, "light", 6, 65, [(7060, 1)], None, False, "Dark", "chomp"),
    (1800, "Icy Eye", 41, 51, 320, 162, 42, "fire", 8, 82, [(25, 5)], None, True, "Ice", "spirit"),
    (1900, "Primitive Mage", 44, 54, 375, 150, 38, "fire", 10, 98, [(6065, 4)], "ice", True, "Ice", "staff"),
    (2000, "Undead Ice Viking", 46, 56, 380, 191, 43, "light", 6, 120, [], None, False, "Ice", "axe"),
    (2100, "Mimic", 49, 59, 400, 200, 40, None, 20, 102, [(200, 15), (1070, 3)], None, True, None, "chomp"),
    (2150, "Yeti", 50, 50, 1000, 203, 50, None, 500, 1400, [(2055, 100)], None, True, "Ice", "punch"),
    (2200, "Icy Goo", 51, 61, 600, 190, 42, "fire", 10, 114, [], None, False, "Ice", "chomp"),
    (2300, "Possessed Knight", 54, 64, 460, 225, 53, "light", 9, 130, [(1075, 8)], None, True, "Dark", "sword"),
    (2400, "Frost Giant", 56, 66, 615, 210, 60, "fire", 11, 136, [(10, 8), (4065, 8)], None, True, "Ice", "club"),
    (2450, "Plasma Wizard", 59, 69, 570, 220, 65, "earth", 13, 148, [(9040, 10)], "plasmablast", True, "Wind", "staff"),
    (2500, "Ancient Spearman", 61, 71, 305, 260, 66, None, 9, 155, [], None, True, None, "spear"),
    (2600, "Wisp", 64, 74, 460, 5, 60, "dark", 14, 153, [(25, 4)], "pixieblast", False, "Light", "spirit"),
    (2700, "Forest Spirit", 66, 76, 520, 210, 70, "ice", 10, 180, [(10, 4)], None, False, "Earth", "spirit"),
    (2800, "Troll", 69, 79, 820, 300, 70, None, 15, 200, [(9152, 10)], None, True, None, "club"),
    (2900, "Ghost Gnome", 71, 81, 745, 265, 55, None, 12, 232, [], "lightbeam", False, "Light", "staff"),
    (3000, "Crystal Golem", 74, 84, 920, 280, 68, None, 16, 250, [(7095, 2)], None, True, "Earth", "punch"),
    (3100, "Wyvern", 76, 86, 560, 325, 65, None, 15, 264, [(5, 3), (10, 2), (15, 1)], None, True, "Wind", "chomp"),
    (3200, "Light Dragon", 79, 89, 1150, 320, 84, None, 18, 284, [(9200, 5)], "lightbeam", True, "Light", "chomp"),
    (3300, "Sorcerer", 80, 80, 4000, 330, 90, None, None, None, [], "random", True, "Sorcerer", "staff"),
    (3400, "Demon Minion", 81, 91, 1200, 370, 90, "light", 20, 300, [(1140, 1)], None, True, "Fire", "spear"),
    (3500, "Golden Knight", 84, 94, 1100, 365, 80, None, 30, 330, [(1075, 8)], None, True, "Light", "sword"),
    (3600, "Lost Adventurer", 86, 96, 700, 400, 75, "light", 16, 344, [(9197, 3)], None, False, None, "sword"),
    (3700, "Dark Wyvern", 89, 99, 850, 355, 78, "light", 22, 370, [(10, 3), (15, 2)], None, True, "Dark", "chomp"),
    (3800, "Emerald Dragon", 91, 99, 1300, 390, 84, None, 25, 405, [(200, 5), (4100, 2)], "emeraldBreath", True, "Earth", "chomp"),
    (3900, "Tortured Spirit", 94, 104, 1000, 5, 60, "light", 24, 400, [(30, 3), (9197, 3)], "darkPixieBlast", False, "Dark", "spirit"),
    (4000, "Gold Dragon", 97, 107, 1500, 410, 94, None, 36, 450, [(9065, 3), (9200, 3)], "darkFireBreath", True, "Fire", "chomp"),
    (4050, "The Summoned", 100, 100, 15000, 440, 95, None, 2000, 0, [], None, True, "Demon", None),
]

# The sheet of each effect (its cell size is read from the inventory) and the sound it makes.
EFFECTS = {
    "firespit": ("x2/monsters/fireSpit.png", "tinyFire"),
    "acidspit": ("x2/monsters/acidSpit.png", "flowerAttack"),
    "ice": ("x2/magic/iceslash.png", "iceSlash"),
    "plasmablast": ("x2/monsters/plasmablast.png", "plasmaBlast"),
    "pixieblast": ("x2/monsters/pixieBlast.png", "lightBeam"),
    "lightbeam": ("x2/magic/lightbeam.png", "lightBeam"),
    "random": ("x2/magic/lightbeam.png", "magicFire"),
    "emeraldBreath": ("x2/monsters/EmeraldBreath.png", "windBlast"),
    "darkPixieBlast": ("x2/monsters/darkPixieBlast.png", "darkBurst"),
    "darkFireBreath": ("x2/monsters/DarkFireBreath.png", "magicFire"),
}
SOUNDS = {"bite": "smallBite", "chomp": "chomp", "shroom": "shroomAttack", "flower": "flowerAttack",
          "stab": "heavyStab", "sword": "quickStrike", "spear": "heavyStab", "club": "club", "axe": "axe",
          "punch": "golemPunch", "staff": "basicStrike", "spirit": "spiritSword"}
SHADOWS = {32: "s", 40: "m", 48: "l", 56: "xl", 64: "xxl"}
SMALLER = {"s": "xs", "m": "s", "l": "m", "xl": "l", "xxl": "xl"}
NO_SHADOW = {"Spider", "Blood Spider"}
ROOTED = {"Angry Shroom", "Acid Flower"}


def inventory():
    """id -> (sheet w, sheet h, cell w, cell h, cells, description) of every generated picture."""
    out = {}
    with open(INVENTORY, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cols = line.rstrip("\n").split("\t")
            cell = re.fullmatch(r"(\d+)x(\d+)", cols[4])
            if not cell:
                continue
            cw, ch = int(cell.group(1)), int(cell.group(2))
            out[cols[0]] = (int(cols[2]), int(cols[3]), cw, ch, int(cols[5]), cols[6])
    return out


def row(m, inv):
    (mid, name, lo, hi, hp, att, dfn, weak, gold, exp, drops, effect, bleeds, nature, way) = m
    a = {"name": name, "id": mid}
    if exp is not None:
        a["exp"] = exp
    if gold is not None:
        a["gold"] = gold
    a.update({"min": lo, "max": hi, "att": att, "hp": hp, "def": dfn})
    # Elements
    if nature == "Sorcerer":
        defs = {e: 30 for e in ELEMENTS}
        atts = {e: -1 for e in ELEMENTS}
        atts["Dark"] = 80
    elif nature == "Demon":
        defs = {e: 40 for e in ELEMENTS}
        defs.update({"Fire": 80, "Dark": 80})
        atts = {e: -1 for e in ELEMENTS}
        atts.update({"Fire": 60, "Dark": 60})
    else:
        defs = {e: 0 for e in ELEMENTS}
        atts = {e: 0 for e in ELEMENTS}
        if nature:
            defs[nature] = round(dfn * 0.5)
            atts[nature] = 4 * lo if att < 20 else round(att * 0.25)
    for e in ELEMENTS:
        a["def" + e] = defs[e]
    for e in ELEMENTS:
        a["att" + e] = atts[e]
    if weak:
        a["weak"] = weak
    a["attDelay"] = 100
    if name == "The Summoned":
        # No picture: the demon is drawn by its floor's own pieces, and its turns throw orbs.
        pass
    else:
        stem = name.replace(" ", "")
        iw, ih, w, h, idle_cells, _ = inv["assets/x2/monsters/" + stem + "Idle.png"]
        _, sh, aw, ah, _, desc = inv["assets/x2/monsters/" + stem + "Attack.png"]
        flyer = re.search(r"row 0 the hovering pose \((\d+) cells.*row 1 the attack \((\d+) cells from attStartX (\d+), attStartY (\d+)\)", desc)
        size = w
        a.update({"width": w, "height": h, "attWidth": aw, "attHeight": ah})
        a["attDelay"] = 40 + size
        a["dmgFrame"] = 3
        if flyer:
            a["flying"] = "true"
        if effect:
            a["effectFrame"] = 2
        a.update({"attackShadOffsetX": 2, "attackShadOffsetY": 0,
                  "idleShadOffsetX": -2, "idleShadOffsetY": round(0.06 * h) - 2,
                  "attackOffsetX": (size - 32) // 2, "attackOffsetY": 0})
        gx, gy = aw - size // 2 - 2, ah - 2
        if effect:
            _, _, ew, eh, _, _ = inv["assets/" + EFFECTS[effect][0]]
            a["effectX"] = gx - 24 - ew // 2
            a["effectY"] = gy + 4 - eh if eh >= 48 else gy - 10 - eh // 2
        if effect or name in ROOTED:
            a["stationary"] = "true"
    if not bleeds:
        a["bleed"] = "false"
    if name != "The Summoned":
        a["attSound"] = EFFECTS[effect][1] if effect else SOUNDS[way]
    if drops:
        a["drops"] = ",".join(str(d) for d, _ in drops)
        a["dropChances"] = ",".join(str(c) for _, c in drops)
    if name != "The Summoned":
        if name not in NO_SHADOW:
            shad = SHADOWS[size]
            a["shad"] = SMALLER[shad] if flyer else shad
        a.update({"groundX": gx, "groundY": gy})
        a.update({"idleFrames": idle_cells, "idleStep": 8})
        if flyer:
            a.update({"attIdleFrames": int(flyer.group(1)), "attIdleStep": 8,
                      "attStartX": int(flyer.group(3)), "attStartY": int(flyer.group(4)),
                      "attFrames": int(flyer.group(2)), "attStep": 4})
        else:
            _, _, _, _, att_cells, _ = inv["assets/x2/monsters/" + stem + "Attack.png"]
            a.update({"attFrames": att_cells - 1, "attStep": 4})
    if effect:
        a["effect"] = effect
    return a


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "assets", "xml", "monsters.xml")
    inv = inventory()
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/tables/make-monster-table.py, which states the rules of the values; edit it, not this file. -->",
             "<data>"]
    for m in MONSTERS:
        attrs = " ".join(f'{k}="{v}"' for k, v in row(m, inv).items())
        lines.append(f"  <monster {attrs}/>")
    lines.append("</data>")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
