#!/usr/bin/env python3
"""Checks the committed dialogue table (assets/xml/npcs.xml) for what the game relies on: it is
what tools/tables/make-npc-table.py writes, every label a speech uses reaches a speech of its
speaker, every item id is an item, every picture is in the asset manifest, events are ones the
exploration state runs, talking to a character at any run count it stands at finds a speech,
and texts keep to the bitmap fonts' glyphs.

Usage: npc-table-test.py [PROJECT_ROOT, default: three folders up]"""
import filecmp
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", ".."))
TABLE = os.path.join(ROOT, "assets", "xml", "npcs.xml")
ITEM_TABLES = ["consumables", "weapons", "shields", "helmets", "bodies", "legs", "boots", "hands", "accessories",
               "craftings", "magics"]
GLYPHS = set("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,;:!?+-*/=#%&()<>'\" ")
EVENTS = {"sorcerorSpawnMonster", "sorcerorSpawnMonsterPickaxe", "sorcerorDoneTalking", "sorcererSacrifice",
          "wingOutNPC", "demonExpandWalls"}
ACTIONS = {"openShop", "openGemShop", "buyItem", "sellItem", "tradeItem"}
SHOP_LINES = ["welcome", "shopSelect", "invSelect", "buyOne", "buyAll", "sellOne", "sellAll", "sellJunk", "noGold",
              "cantBuy"]
MAX_PROGRESS = 10


def number(text, default=0):
    if text is None:
        return default
    m = re.match(r"\s*([+-]?)(0[xX][0-9a-fA-F]+|\d+)", text)
    if not m:
        return 0
    v = int(m.group(2), 16) if m.group(2)[:2].lower() == "0x" else int(m.group(2))
    return -v if m.group(1) == "-" else v


def item_ids():
    ids = set()
    for i, t in enumerate(ITEM_TABLES):
        for row in ET.parse(os.path.join(ROOT, "assets", "xml", t + ".xml")).getroot():
            ids.add(1000 * i + number(row.get("id")))
    return ids


def manifest_images():
    with open(os.path.join(ROOT, "game", "shell", "DefaultAssetLibrary.cpp"), encoding="utf-8") as f:
        return set(re.findall(r'\{"(assets/[^"]+\.png)", AssetType::IMAGE\}', f.read()))


def in_range(progress, lo, hi):
    return (lo == -1 or progress >= lo) and (hi == -1 or progress <= hi)


class NpcTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.npcs = list(ET.parse(TABLE).getroot())

    def speeches(self):
        for npc in self.npcs:
            for s in npc:
                yield npc, s

    def test_generator_writes_the_committed_table(self):
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "npcs.xml")
            subprocess.run([sys.executable, os.path.join(ROOT, "tools", "tables", "make-npc-table.py"), out], check=True)
            self.assertTrue(filecmp.cmp(out, TABLE, shallow=False), "npcs.xml differs from the generator's output")

    def test_labels_and_answers_reach_a_speech_of_the_speaker(self):
        for npc in self.npcs:
            types = {s.get("type") for s in npc}
            for s in npc:
                with self.subTest(npc=npc.get("id"), text=s.get("text")):
                    wanted = [s.get("continueLabel")] + [s.get(k) for k in ("label1", "label2")
                                                         if s.get(k) not in ACTIONS]
                    label = s.get("label1")
                    if label in ("buyItem", "sellItem", "tradeItem"):
                        wanted.append(label[:-4] + str(number(s.get("itemID"))))
                    if label == "buyItem":
                        wanted.append("notEnoughGold")
                    for w in filter(None, wanted):
                        self.assertIn(w, types)
                    if label in ("sellItem", "tradeItem"):
                        self.assertEqual(number(s.get("needItem"), -1), number(s.get("itemID")),
                                         "a sale or trade is offered only while the item is held")
                    self.assertFalse(s.get("continueLabel") and s.get("addItem"), "a continuation never gives")
                    self.assertIn(s.get("event", "wingOutNPC"), EVENTS)

    def test_items_and_pictures_exist(self):
        ids, images = item_ids(), manifest_images()
        for npc, s in self.speeches():
            for k in ("itemID", "itemID2", "needItem", "addItem", "removeItem"):
                if s.get(k) is not None:
                    self.assertIn(number(s.get(k)), ids, "%s of npc %s" % (k, npc.get("id")))
            if s.get("image"):
                self.assertIn("assets/" + s.get("image") + ".png", images)
        for npc in self.npcs:
            if npc.get("blank") != "true":
                self.assertIn("assets/x2/npcs/" + npc.get("name") + ".png", images)

    def test_every_character_speaks_at_every_run_count_it_stands_at(self):
        # Townsfolk and frozen characters with no switch or item: one untyped speech must match.
        for npc in self.npcs:
            untyped = [s for s in npc if s.get("type") is None]
            if not untyped or npc.get("decor") == "true":
                continue
            lo, hi = number(npc.get("minRuns"), -1), number(npc.get("maxRuns"), -1)
            for p in range(MAX_PROGRESS + 1):
                if not in_range(p, lo, hi):
                    continue
                plain = [s for s in untyped if s.get("needSwitch") is None and s.get("needItem") is None]
                with self.subTest(npc=npc.get("id"), progress=p):
                    self.assertTrue(any(in_range(p, number(s.get("minRuns"), -1), number(s.get("maxRuns"), -1))
                                        for s in plain))

    def test_shopkeepers_carry_every_shop_line(self):
        keepers = [n for n in self.npcs if n.get("shop") == "true"]
        self.assertEqual([number(n.get("id")) for n in keepers], [0, 1, 2, 3, 4, 6, 7, 8, 9])
        for n in keepers:
            for k in SHOP_LINES:
                self.assertTrue(n.get(k), "%s of keeper %s" % (k, n.get("id")))

    def test_texts_keep_to_the_font_glyphs(self):
        for npc in self.npcs:
            texts = [npc.get(k) or "" for k in SHOP_LINES]
            texts += [re.sub(r"\[[A-Z]+:[A-Z]+\]", "", s.get("text")) for s in npc]
            texts += [s.get(k) or "" for s in npc for k in ("option1", "option2")]
            for t in texts:
                self.assertFalse(set(t) - GLYPHS - {"|"}, "%r: characters the fonts do not draw" % t)


if __name__ == "__main__":
    unittest.main()
