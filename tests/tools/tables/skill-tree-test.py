#!/usr/bin/env python3
"""Checks the committed skill tree table (assets/xml/skillTree.xml): it is what
tools/tables/make-skill-tree.py writes, it holds the fixed ids, types, colours and links, the type
counts of each branch, and its links make one tree round the centre with at most four links a node.

Usage: skill-tree-test.py [PROJECT_ROOT, default: three folders up]"""
import collections
import filecmp
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", ".."))
TABLE = os.path.join(ROOT, "assets", "xml", "skillTree.xml")
LAYOUT = os.path.join(ROOT, "tools", "assetgen", "skill-tree.txt")
BRANCHES = ["magic", "combat", "misc"]

COUNTS = {
    "magic": {"mag": 15, "mp": 17, "hp": 4, "magX": 2, "mpX": 1, "heal": 1, "fire": 1, "ice": 1, "earth": 1,
              "wind": 1, "dark": 1, "light": 1, "revealer": 1, "telekinesis": 1, "transmute": 1},
    "combat": {"att": 10, "def": 7, "crit": 6, "exp": 7, "hp": 3, "attX": 2, "defX": 2, "expX": 2, "critX": 2},
    "misc": {"gold": 8, "drop": 11, "potEff": 9, "potDur": 6, "hp": 2, "goldX": 2, "dropX": 2, "potEffX": 2,
             "potDurX": 2},
}
# (branch, id, type, colour, pixel, declared links)
ANCHORS = [
    ("magic", "4", "revealer", "green", (51, 13), []), ("magic", "5", "magX", "gold", (20, 14), ["6"]),
    ("magic", "9", "mpX", "gold", (32, 14), []), ("magic", "14", "light", "green", (50, 16), []),
    ("magic", "16", "transmute", "green", (17, 18), ["17"]), ("magic", "19", "earth", "green", (32, 18), ["27"]),
    ("magic", "24", "dark", "green", (49, 19), []), ("magic", "29", "telekinesis", "green", (14, 22), ["30"]),
    ("magic", "wind", "wind", "green", (50, 24), []), ("magic", "37", "magX", "gold", (21, 25), ["32"]),
    ("magic", "40", "ice", "green", (26, 27), ["41"]), ("magic", "44", "heal", "green", (28, 30), ["45"]),
    ("magic", "flamestrike", "fire", "green", (40, 30), []), ("magic", "47", "mag", None, (34, 32), ["center"]),
    ("combat", "53", "attX", "gold", (58, 35), []), ("combat", "54", "att", None, (37, 37), ["56", "center"]),
    ("combat", "63", "defX", "gold", (36, 44), ["64"]), ("combat", "68", "expX", "gold", (60, 44), []),
    ("combat", "70", "expX", "gold", (37, 49), ["71"]), ("combat", "78", "critX", "gold", (57, 53), []),
    ("combat", "86", "critX", "gold", (37, 62), []), ("combat", "87", "attX", "gold", (54, 62), []),
    ("combat", "88", "defX", "gold", (43, 63), []),
    ("misc", "89", "potDurX", "gold", (7, 30), ["93"]), ("misc", "90", "potEffX", "gold", (11, 30), ["94"]),
    ("misc", "91", "potDurX", "gold", (19, 32), ["92"]), ("misc", "98", "goldX", "gold", (20, 36), ["100"]),
    ("misc", "101", "gold", None, (31, 37), ["105", "center"]), ("misc", "118", "dropX", "gold", (7, 48), []),
    ("misc", "125", "goldX", "gold", (29, 51), []), ("misc", "131", "dropX", "gold", (25, 60), []),
    ("misc", "132", "potEffX", "gold", (13, 61), []),
]


def expected_ids(branch):
    if branch == "magic":
        return [str(i) for i in range(1, 37)] + ["wind"] + [str(i) for i in range(37, 47)] + ["flamestrike", "47"]
    return [str(i) for i in (range(48, 89) if branch == "combat" else range(89, 133))]


class SkillTreeTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        root = ET.parse(TABLE).getroot()
        cls.nodes = {b: list(root.find(b)) for b in BRANCHES}
        cls.pixels = collections.defaultdict(list)
        with open(LAYOUT, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    b, _, x, y, size = line.split()
                    cls.pixels[b].append(((int(x), int(y)), size))

    def all_nodes(self):
        return [n for b in BRANCHES for n in self.nodes[b]]

    def test_generator_writes_the_committed_table(self):
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "skillTree.xml")
            subprocess.run([sys.executable, os.path.join(ROOT, "tools", "tables", "make-skill-tree.py"), out],
                           check=True)
            self.assertTrue(filecmp.cmp(out, TABLE, shallow=False), "skillTree.xml differs from the generator's output")

    def test_ids_in_document_order_and_type_counts(self):
        for b in BRANCHES:
            with self.subTest(branch=b):
                self.assertEqual([n.get("id") for n in self.nodes[b]], expected_ids(b))
                self.assertEqual(dict(collections.Counter(n.get("type") for n in self.nodes[b])), COUNTS[b])
                self.assertEqual(len(self.nodes[b]), len(self.pixels[b]), "one node element per pixel")
        self.assertEqual(len(self.all_nodes()), 134)

    def test_anchor_rows(self):
        by_id = {(b, n.get("id")): (i, n) for b in BRANCHES for i, n in enumerate(self.nodes[b])}
        for b, node_id, node_type, colour, pixel, links in ANCHORS:
            with self.subTest(id=node_id):
                index, n = by_id[(b, node_id)]
                self.assertEqual(n.get("type"), node_type)
                self.assertEqual(n.get("color"), colour)
                self.assertEqual(self.pixels[b][index][0], pixel)
                self.assertEqual([l.get("id") for l in n], links)

    def test_large_nodes_stand_on_large_pixels(self):
        for b in BRANCHES:
            for n, (pixel, size) in zip(self.nodes[b], self.pixels[b]):
                large = n.get("color") in ("gold", "green")
                with self.subTest(id=n.get("id")):
                    self.assertEqual(size == "large", large or n.get("id") == "47")

    def test_links_form_one_tree_round_the_centre_with_two_loops(self):
        ids = {n.get("id") for n in self.all_nodes()} | {"center"}
        edges = [(n.get("id"), l.get("id")) for n in self.all_nodes() for l in n]
        self.assertEqual(len(edges), 136)
        self.assertEqual(len({frozenset(e) for e in edges}), 136, "a link is declared once, at one end")
        degree = collections.Counter()
        adjacent = collections.defaultdict(set)
        for a, b in edges:
            self.assertIn(b, ids)
            self.assertNotEqual(a, b)
            degree[a] += 1
            degree[b] += 1
            adjacent[a].add(b)
            adjacent[b].add(a)
        self.assertLessEqual(max(degree.values()), 4)
        seen, todo = {"center"}, ["center"]
        while todo:
            for m in adjacent[todo.pop()] - seen:
                seen.add(m)
                todo.append(m)
        self.assertEqual(seen, ids, "every node reaches the centre")

    def test_spell_types_are_magic_table_names(self):
        names = {i.get("idName") for i in ET.parse(os.path.join(ROOT, "assets", "xml", "magics.xml")).getroot()}
        spells = {n.get("type") for n in self.nodes["magic"] if n.get("color") == "green"}
        self.assertEqual(len(spells), 10)
        self.assertLessEqual(spells, names)


if __name__ == "__main__":
    unittest.main()
