#!/usr/bin/env python3
"""Writes the town and bar map files (assets/tiled/town.tmx, bar.tmx, barHit.tmx) from the
plans below: one character a cell, each standing for the tiles of every drawn layer and for
whether the cell is solid, so the pictures and the collision layer cannot disagree.

Usage: tools/maps/make-maps.py [OUT_DIR, default assets/tiled]
"""
import base64, os, struct, sys, zlib

# ---- the town (tileset town.png: 16 tiles a row; see tools/assetgen's TOWN_ROWS) ----
def town_tile(row, col): return 1 + row * 16 + col

TOWN_PLAN = [
    "TTTTTTTTTTTTTTTTTTTTTTTTT",
    "T.b.....CCCCC.T..b.....bT",
    "T.rrrrr.CCCCC...uuuuuu..T",
    "T.RRRRR.CCCCC...BBBBBB..T",
    "T.SsSsS.CCCCC...WwWWwW.lT",
    "T.SSDSS.CCCCC...WWWEWW..T",
    "T...:...CCCCC......:..T.T",
    "T.l.:...CCCCC......:..,,T",
    "T.uuuuuuu=>=rrrrrrr:....T",
    "T.BBBBBBB===RRRRRRR:....T",
    "T.SsSSSsS===WwWWWwW:..l.T",
    "T.SSSDSSS===WWEWWWW:....T",
    "T....=..===========:....T",
    "T,,..=......T....=.:.b..T",
    "T....====:=======..:....T",
    "T.~~~~.....mmmmm...:..f.T",
    "T.~~~~~..x...T...y.:..f.T",
    "T.~~~~~....o.....n.:..f.T",
    "T..~~~....T........:..f.T",
    "T.,,,....l.....g...:....T",
    "T.....b.....,,,....:T...T",
    "T..T....T......T...:..T.T",
    "T...,,...T....,,...:....T",
    "T..b.......b....T..:..b.T",
    "TTTTTTTTTTTTTTTTTTTTTTTTT",
]

# Character: (ground, paths, walls, props, roofs above the hero, lamps, solid). Tiles are
# (row, col) of the town sheet, None for no tile; "grass" picks a grass variant by position.
GRASS = "grass"
TOWN_LEGEND = {
    ".": (GRASS, None, None, None, None, None, False),
    ",": ((2, 0), None, None, None, None, None, False),
    ":": (GRASS, (3, 0), None, None, None, None, False),
    "=": (GRASS, (4, 0), None, None, None, None, False),
    ">": (GRASS, (4, 0), (23, 0), None, None, None, False),   # steps down into the dungeon
    "~": ((5, 0), None, None, None, None, None, True),
    "T": (GRASS, None, (17, 0), None, (16, 0), None, True),    # trunk below, crown above
    "b": (GRASS, None, None, (18, 0), None, None, True),
    "f": (GRASS, None, (19, 0), None, None, None, True),
    "C": (GRASS, None, (23, 2), None, None, None, True),       # cliff around the dungeon's mouth
    "r": (GRASS, None, None, None, (13, 0), None, True),
    "R": (GRASS, None, None, None, (12, 0), None, True),
    "u": (GRASS, None, None, None, (15, 0), None, True),
    "B": (GRASS, None, None, None, (14, 0), None, True),
    "S": (GRASS, None, (8, 0), None, None, None, True),
    "s": (GRASS, None, (8, 4), None, None, None, True),
    "D": (GRASS, (4, 0), (8, 8), None, None, None, False),     # stone door (walked through)
    "W": (GRASS, None, (10, 0), None, None, None, True),
    "w": (GRASS, None, (10, 4), None, None, None, True),
    "E": (GRASS, (4, 0), (10, 8), None, None, None, False),    # wooden door (walked through)
    "o": ((3, 0), None, None, (20, 0), None, None, True),      # well
    "x": (GRASS, None, None, (20, 1), None, None, True),       # crate
    "y": (GRASS, None, None, (20, 2), None, None, True),       # barrel
    "g": (GRASS, None, None, (20, 3), None, None, True),       # sign
    "m": ((3, 0), None, None, (21, 0), None, None, True),      # market stall
    "l": ((4, 0), None, None, None, None, (22, 0), True),      # lamp post
    "n": ((4, 0), None, None, None, None, (22, 1), True),      # bench
}
TOWN_LAYERS = ["Ground", "Paths", "Walls", "Props", "Roofs Over", "Lamps"]

# Object ids on fixed cells: the hero's start and the dungeon entrance share (10, 8), so they
# go to the two object layers.
TOWN_FIXED = [((10, 8), 0, 0), ((10, 8), 2, 1), ((10, 9), 3, 0), ((11, 9), 11, 0), ((5, 11), 4, 0), ((14, 11), 14, 0)]
TOWN_NPCS = [12, 13, 23, 24, 27, 28, 37, 38, 39, 42, 43, 57, 58]
# Cells kept free of characters: the road the hero walks at start and through the doors.
TOWN_KEEP_FREE = {(9, 8), (10, 8), (11, 8), (10, 9), (9, 9), (10, 10), (14, 12), (14, 13), (5, 12), (4, 6), (19, 6)}

# ---- the bar (tileset bar.png: 8 tiles a row; see tools/assetgen's BAR_ROWS) ----
def bar_tile(row, col): return 1 + row * 8 + col

BAR_PLAN = [
    "####################",
    "#hhhhhh#wwwww#wwww##",
    "#......#....LF.....#",
    "#.[cc].#..t.....t..#",
    "#......#.kt.....tk.#",
    "#......#...........#",
    "#..y...........____#",
    "#..........t...____#",
    "###>####...t.k..p..#",
    "#.....y#.k.t...t.k.#",
    "#......#...........#",
    "#.t.t..#....____...#",
    "#...........____...#",
    "#.y..t..........t..#",
    "#p.....y....y.....p#",
    "#hhhh##wwwwww##hhhh#",
    "####################",
]
FLOOR = "floor"
# Character: (floor, rugs, furniture, furniture on top, wall tops above the hero, lamps above
# the hero, solid).
BAR_LEGEND = {
    ".": (FLOOR, None, None, None, None, None, False),
    "_": (FLOOR, (13, 0), None, None, None, None, False),
    "#": ((4, 0), None, None, None, None, None, True),
    "h": ((4, 0), None, (8, 0), None, (9, 0), None, True),
    "w": ((5, 0), None, None, None, None, None, True),
    "c": (FLOOR, None, (6, 0), None, None, None, True),
    "[": (FLOOR, None, (7, 0), None, None, None, True),
    "]": (FLOOR, None, (7, 1), None, None, None, True),
    "y": (FLOOR, None, (10, 0), None, None, None, True),
    "t": (FLOOR, None, (11, 0), (11, 1), None, None, True),
    "k": (FLOOR, None, (12, 0), None, None, None, False),
    "F": ((4, 0), None, (15, 0), None, None, None, True),
    "L": (FLOOR, None, None, None, None, (15, 1), True),       # standing lamp
    "p": (FLOOR, None, (15, 2), None, None, None, True),
    ">": ((3, 0), None, (14, 2), None, None, None, False),     # stairs up to the town
}
BAR_BELOW = ["Floor", "Rugs", "Furniture", "Furniture Top"]
BAR_FIXED = [((3, 8), 1, 0)]
BAR_NPCS = [15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 29, 30, 31, 32, 33, 34, 35, 36, 40, 41, 44, 45,
            47, 48, 49, 50, 51, 52, 53, 59, 61]
BAR_KEEP_FREE = {(3, 8), (3, 7), (2, 7), (4, 7), (3, 6), (7, 6), (7, 7), (7, 12), (8, 12)}
BAR_EXIT_OPEN_CODE = (3, 8)   # the one collision cell given the open marker (code 0)


def grid_check(plan, legend, w, h):
    assert len(plan) == h, f"{len(plan)} rows, want {h}"
    for y, row in enumerate(plan):
        assert len(row) == w, f"row {y} has {len(row)} cells, want {w}"
        for ch in row: assert ch in legend, f"row {y}: no legend entry for {ch!r}"


def open_cells(plan, legend):
    return {(x, y) for y, row in enumerate(plan) for x, ch in enumerate(row) if not legend[ch][6]}


def connected(cells):
    if not cells: return True
    start = next(iter(cells)); seen = {start}; todo = [start]
    while todo:
        x, y = todo.pop()
        for n in ((x - 1, y), (x, y - 1), (x + 1, y), (x, y + 1)):
            if n in cells and n not in seen: seen.add(n); todo.append(n)
    return len(seen) == len(cells)


def place_npcs(plan, legend, fixed, npcs, keep_free, step):
    """Spreads the characters over open cells by a fixed stride, keeping every open cell that is
    left joined to the others and the kept cells free."""
    free = open_cells(plan, legend)
    taken = {cell for cell, _, _ in fixed}
    cells = sorted(free - taken - keep_free, key=lambda c: (c[1], c[0]))
    chosen = []
    i = 0
    while len(chosen) < len(npcs):
        assert i < len(cells) * step, "no room for the characters"
        cell = cells[(i * step) % len(cells)]
        i += 1
        if cell in chosen: continue
        x, y = cell
        # Not beside another character, and the floor stays in one piece around it.
        if any(abs(x - cx) + abs(y - cy) <= 1 for cx, cy in chosen + [c for c, _, _ in fixed if c not in keep_free]): continue
        if not connected(free - set(chosen) - {cell} - {c for c, i2, _ in fixed if i2 >= 11}): continue
        chosen.append(cell)
    return [(cell, npc, 0) for cell, npc in zip(chosen, npcs)]


def layer_xml(name, ids, w, h):
    raw = struct.pack("<%dI" % len(ids), *ids)
    text = base64.b64encode(zlib.compress(raw, 9)).decode()
    return (f'  <layer name="{name}" width="{w}" height="{h}">\n'
            f'    <data encoding="base64" compression="zlib">\n      {text}\n    </data>\n  </layer>\n')


def tileset_xml(name, first, source, iw, ih):
    return (f'  <tileset firstgid="{first}" name="{name}" tilewidth="32" tileheight="32">\n'
            f'    <image source="../../../Art/tilesets/{source}" width="{iw}" height="{ih}"/>\n  </tileset>\n')


def map_xml(w, h, tilesets, layers, rain=()):
    out = (f'<?xml version="1.0" encoding="UTF-8"?>\n<map version="1.0" orientation="orthogonal" '
           f'width="{w}" height="{h}" tilewidth="32" tileheight="32">\n')
    out += "".join(tilesets) + "".join(layers)
    if rain:
        out += '  <objectgroup name="rain">\n'
        out += "".join(f'    <object x="{x}" y="{y}" width="{rw}" height="{rh}"/>\n' for x, y, rw, rh in rain)
        out += "  </objectgroup>\n"
    return out + "</map>\n"


def drawn_layers(plan, legend, w, h, tile, default_ground):
    layers = [[0] * (w * h) for _ in range(6)]
    for y, row in enumerate(plan):
        for x, ch in enumerate(row):
            for k in range(6):
                t = legend[ch][k]
                if t in (GRASS, FLOOR): t = default_ground(x, y)
                if t is not None: layers[k][y * w + x] = tile(*t)
    return layers


def object_layers(w, h, first, placed):
    layers = [[0] * (w * h), [0] * (w * h)]
    for (x, y), obj, k in placed:
        assert layers[k][y * w + x] == 0, f"two objects on ({x},{y})"
        layers[k][y * w + x] = first + obj
    return layers


def hit_layer(plan, legend, w, h, first, open_marker=None):
    ids = [0] * (w * h)
    for y, row in enumerate(plan):
        for x, ch in enumerate(row):
            if legend[ch][6]: ids[y * w + x] = first + 1
    if open_marker: ids[open_marker[1] * w + open_marker[0]] = first
    return ids


def rain_areas(plan, legend, w):
    """Rain falls wherever no roof or crown hangs over a cell: one area per run of such cells
    in a row, a tile high."""
    areas = []
    for y, row in enumerate(plan):
        x = 0
        while x < w:
            if legend[row[x]][4] is None:
                start = x
                while x < w and legend[row[x]][4] is None: x += 1
                areas.append((start * 32, y * 32, (x - start) * 32, 32))
            else:
                x += 1
    return areas


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "assets", "tiled")
    os.makedirs(out, exist_ok=True)

    w, h = 25, 25
    grid_check(TOWN_PLAN, TOWN_LEGEND, w, h)
    assert connected(open_cells(TOWN_PLAN, TOWN_LEGEND)), "the town's open cells are not joined"
    for (x, y), _, _ in TOWN_FIXED: assert not TOWN_LEGEND[TOWN_PLAN[y][x]][6], f"town object on solid ({x},{y})"
    placed = TOWN_FIXED + place_npcs(TOWN_PLAN, TOWN_LEGEND, TOWN_FIXED, TOWN_NPCS, TOWN_KEEP_FREE, 7)
    drawn = drawn_layers(TOWN_PLAN, TOWN_LEGEND, w, h, town_tile, lambda x, y: (0, (x * 7 + y * 3) % 4))
    objects = object_layers(w, h, 401, placed)
    layers = [layer_xml(n, d, w, h) for n, d in zip(TOWN_LAYERS, drawn)]
    layers.append(layer_xml("Hit", hit_layer(TOWN_PLAN, TOWN_LEGEND, w, h, 385), w, h))
    layers += [layer_xml("Objects", d, w, h) for d in objects]
    rain = rain_areas(TOWN_PLAN, TOWN_LEGEND, w)
    assert len(rain) == 43, f"{len(rain)} rain areas"
    town_sets = [tileset_xml("town tileset", 1, "town.png", 512, 768), tileset_xml("Hit", 385, "hitTiles.png", 128, 128),
                 tileset_xml("Objects", 401, "objectsTset.png", 256, 256)]
    open(os.path.join(out, "town.tmx"), "w").write(map_xml(w, h, town_sets, layers, rain))

    w, h = 20, 17
    grid_check(BAR_PLAN, BAR_LEGEND, w, h)
    assert connected(open_cells(BAR_PLAN, BAR_LEGEND)), "the bar's open cells are not joined"
    placed = BAR_FIXED + place_npcs(BAR_PLAN, BAR_LEGEND, BAR_FIXED, BAR_NPCS, BAR_KEEP_FREE, 5)
    drawn = drawn_layers(BAR_PLAN, BAR_LEGEND, w, h, bar_tile, lambda x, y: ((x + y) % 3 == 0 and 2 or 0, (x * 5 + y) % 4))
    below = [layer_xml(n, d, w, h) for n, d in zip(BAR_BELOW, drawn[:4])]
    # The bar's character layers: one for the exit and the first half, two more above.
    first_half = [p for p in placed if p[1] == 1] + [p for p in placed[1:1 + len(placed) // 2]]
    second = [p for p in placed[1 + len(placed) // 2:]]
    obj_a = object_layers(w, h, 145, first_half)[0]
    obj_b = object_layers(w, h, 145, second)[0]
    hit = hit_layer(BAR_PLAN, BAR_LEGEND, w, h, 129, BAR_EXIT_OPEN_CODE)
    layers = below + [layer_xml("Objects", obj_a, w, h), layer_xml("Wall Tops Over", drawn[4], w, h),
                      layer_xml("Lamps Over", drawn[5], w, h), layer_xml("Hit", hit, w, h),
                      layer_xml("Objects", obj_b, w, h), layer_xml("Objects", [0] * (w * h), w, h)]
    bar_sets = [tileset_xml("bar tileset", 1, "bar.png", 256, 512), tileset_xml("Hit", 129, "hitTiles.png", 128, 128),
                tileset_xml("Objects", 145, "objectsTset.png", 256, 256)]
    open(os.path.join(out, "bar.tmx"), "w").write(map_xml(w, h, bar_sets, layers))
    # The bar's collision on its own (not read by the game).
    open(os.path.join(out, "barHit.tmx"), "w").write(map_xml(w, h, bar_sets, [layer_xml("Hit", hit, w, h)]))


if __name__ == "__main__":
    main()
