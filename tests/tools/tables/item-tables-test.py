#!/usr/bin/env python3
"""Checks the committed item tables (assets/xml) for what the game relies on beyond their fixed
rows: they are what tools/tables/make-item-tables.py writes, every chest kind finds at least
two items on every floor 1..100, every picture id is a drawn cell of its sheet, ids are unique,
the museum's 95 artifacts are there, texts keep to the bitmap fonts' glyphs, and price, stats and
floor range rise together down each equipment table.

Usage: item-tables-test.py [PROJECT_ROOT, default: three folders up]"""
import filecmp
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", ".."))
TABLES = ["consumables", "weapons", "shields", "helmets", "bodies", "legs", "boots", "hands", "accessories",
          "craftings", "magics"]
EQUIPMENT = TABLES[1:9]
TYPE_BASE = {t: 1000 * i for i, t in enumerate(TABLES)}
GLYPHS = set("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,;:!?+-*/=#%&()<>'\" ")


def number(text):
    """An integer attribute as the game reads it: a leading decimal or 0x number, else 0."""
    m = re.match(r"\s*([+-]?)(0[xX][0-9a-fA-F]+|\d+)", text or "")
    if not m:
        return 0
    v = int(m.group(2), 16) if m.group(2)[:2].lower() == "0x" else int(m.group(2))
    return -v if m.group(1) == "-" else v


def load():
    rows = {}
    for t in TABLES:
        root = ET.parse(os.path.join(ROOT, "assets", "xml", t + ".xml")).getroot()
        rows[t] = [dict(r.attrib, table=t, gid=TYPE_BASE[t] + number(r.get("id")), art=r.get("art") == "true",
                        wings=r.get("wings") == "true", lo=number(r.get("min")), hi=number(r.get("max")))
                   for r in root]
    return rows


def sheet_cells():
    """Cells drawn on each item sheet, from the asset generator's inventory."""
    cells = {}
    with open(os.path.join(ROOT, "tools", "assetgen", "inventory.txt"), encoding="utf-8") as f:
        for line in f:
            field = line.rstrip("\n").split("\t")
            m = re.fullmatch(r"assets/items/(\w+)\.png", field[0])
            if m and m.group(1) in TABLES:
                cells[m.group(1)] = int(field[5])
    return cells


def rank(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    ranks = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            ranks[order[k]] = (i + j) / 2
        i = j + 1
    return ranks


def spearman(values):
    """Rank correlation of values with their order."""
    n = len(values)
    r = rank(values)
    d = sum((r[i] - i) ** 2 for i in range(n))
    return 1 - 6 * d / (n * (n * n - 1))


class ItemTables(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.rows = load()
        cls.all = [r for t in TABLES for r in cls.rows[t]]

    def test_tables_are_what_the_generator_writes(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, os.path.join(ROOT, "tools", "tables", "make-item-tables.py"), out], check=True)
            for t in TABLES:
                with self.subTest(table=t):
                    self.assertTrue(filecmp.cmp(os.path.join(out, t + ".xml"), os.path.join(ROOT, "assets", "xml", t + ".xml"),
                                                shallow=False), t + ".xml differs from the generator's output")

    def test_every_chest_kind_has_two_candidates_on_every_floor(self):
        kinds = {
            "normal": lambda r: r["table"] in EQUIPMENT and not r["art"],
            "artifact": lambda r: r["table"] in EQUIPMENT and r["art"],
            "ingredient": lambda r: r["table"] == "craftings" and not r["art"],
            "consumable": lambda r: r["table"] == "consumables" and not r["art"] and not r["wings"],
        }
        for kind, fits in kinds.items():
            for floor in range(1, 101):
                n = sum(1 for r in self.all if fits(r) and r["lo"] <= floor <= r["hi"])
                with self.subTest(kind=kind, floor=floor):
                    self.assertGreaterEqual(n, 2)

    def test_picture_ids_are_drawn_cells_of_their_sheet(self):
        cells = sheet_cells()
        self.assertEqual(sorted(cells), sorted(TABLES))
        reserved = set(range(40, 61)) | set(range(70, 91))  # crafted potions' pictures
        for r in self.all:
            pic = number(r.get("picID"))
            with self.subTest(item=r["name"]):
                self.assertTrue(0 <= pic < cells[r["table"]], "picID %d outside its sheet" % pic)
                if r["table"] == "consumables":
                    self.assertNotIn(pic, reserved)

    def test_ids_are_unique_and_the_museum_has_95_artifacts(self):
        gids = [r["gid"] for r in self.all]
        self.assertEqual(len(gids), len(set(gids)))
        self.assertEqual(sum(1 for r in self.all if r["table"] in EQUIPMENT and r["art"]), 95)

    def test_texts_keep_to_the_font_glyphs(self):
        for r in self.all:
            for text in (r.get("name") or "", r.get("desc") or ""):
                with self.subTest(text=text):
                    self.assertFalse(set(text) - GLYPHS, "characters the fonts do not draw")

    def test_price_stats_and_floors_rise_down_each_equipment_table(self):
        for t in EQUIPMENT:
            for art in (False, True):
                rows = [r for r in self.rows[t] if r["art"] == art and r["hi"] > 0]
                with self.subTest(table=t, artifact=art):
                    lows = [r["lo"] for r in rows]
                    self.assertEqual(lows, sorted(lows))
                    if t != "accessories":
                        main = [number(r.get("att" if t == "weapons" else "def")) for r in rows]
                        self.assertGreater(spearman(main), 0.9)
                    self.assertGreater(spearman([number(r.get("value")) for r in rows]), 0.9)


if __name__ == "__main__":
    unittest.main()
