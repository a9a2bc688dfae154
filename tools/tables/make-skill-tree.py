#!/usr/bin/env python3
"""Writes assets/xml/skillTree.xml, the skill tree table.

Usage (from the project root): python3 tools/tables/make-skill-tree.py [OUT]

The game pairs the table with the position picture by order: the i-th <node> of a branch stands
on the i-th pixel of that branch's colour in row-major scan order. The pixels come from
tools/assetgen/skill-tree.txt (written beside the picture's painter), so both stay in step.

Fixed here: every node's id, the large nodes' types and colours, the links of the anchor nodes
and the type counts of each branch. Chosen here: the types of the other black nodes (each takes
the family of the nearest large node whose quota is not yet used up, HP nodes nearest the centre)
and the other links (per branch a shortest-link tree over the pixels, at most four links a node,
no crossing lines, plus two short extra links that close loops).
"""
import math
import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
LAYOUT = os.path.join(ROOT, "tools", "assetgen", "skill-tree.txt")
BRANCHES = ["magic", "combat", "misc"]
MAX_LINKS = 4
TOTAL_LINKS = 136

# Large nodes and the nodes beside the centre: id -> (type, colour).
FIXED = {
    "magic": {"4": ("revealer", "green"), "5": ("magX", "gold"), "9": ("mpX", "gold"), "14": ("light", "green"),
              "16": ("transmute", "green"), "19": ("earth", "green"), "24": ("dark", "green"),
              "29": ("telekinesis", "green"), "wind": ("wind", "green"), "37": ("magX", "gold"),
              "40": ("ice", "green"), "44": ("heal", "green"), "flamestrike": ("fire", "green"), "47": ("mag", None)},
    "combat": {"53": ("attX", "gold"), "54": ("att", None), "63": ("defX", "gold"), "68": ("expX", "gold"),
               "70": ("expX", "gold"), "78": ("critX", "gold"), "86": ("critX", "gold"), "87": ("attX", "gold"),
               "88": ("defX", "gold")},
    "misc": {"89": ("potDurX", "gold"), "90": ("potEffX", "gold"), "91": ("potDurX", "gold"), "98": ("goldX", "gold"),
             "101": ("gold", None), "118": ("dropX", "gold"), "125": ("goldX", "gold"), "131": ("dropX", "gold"),
             "132": ("potEffX", "gold")},
}
# Nodes whose declared links are fixed (empty: the node declares none; its links are declared at
# the other end).
FIXED_LINKS = {
    "4": [], "5": ["6"], "9": [], "14": [], "16": ["17"], "19": ["27"], "24": [], "29": ["30"], "wind": [],
    "37": ["32"], "40": ["41"], "44": ["45"], "flamestrike": [], "47": ["center"],
    "53": [], "54": ["56", "center"], "63": ["64"], "68": [], "70": ["71"], "78": [], "86": [], "87": [], "88": [],
    "89": ["93"], "90": ["94"], "91": ["92"], "98": ["100"], "101": ["105", "center"], "118": [], "125": [],
    "131": [], "132": [],
}
# Black nodes of each branch by type (the fixed black nodes above included).
BLACK_COUNTS = {
    "magic": {"mag": 15, "mp": 17, "hp": 4},
    "combat": {"att": 10, "def": 7, "crit": 6, "exp": 7, "hp": 3},
    "misc": {"gold": 8, "drop": 11, "potEff": 9, "potDur": 6, "hp": 2},
}
# Which family a large node lends to the black nodes around it.
FAMILY = {"magX": "mag", "mpX": "mp", "attX": "att", "defX": "def", "expX": "exp", "critX": "crit",
          "goldX": "gold", "dropX": "drop", "potEffX": "potEff", "potDurX": "potDur"}


def node_ids(branch, count):
    if branch == "magic":
        return [str(i + 1) for i in range(36)] + ["wind"] + [str(i) for i in range(37, 47)] + ["flamestrike", "47"]
    first = 48 if branch == "combat" else 89
    return [str(first + i) for i in range(count)]


def read_layout():
    pixels = {b: [] for b in BRANCHES}
    center = None
    with open(LAYOUT, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            branch, index, x, y, _size = line.split()
            if branch == "center":
                center = (int(x), int(y))
            else:
                assert int(index) == len(pixels[branch]), line
                pixels[branch].append((int(x), int(y)))
    return center, pixels


def dist(a, b):
    return math.hypot(a[0] - b[0], a[1] - b[1])


def crosses(p1, p2, q1, q2):
    """Proper crossing of two segments that share no end point."""
    if len({p1, p2, q1, q2}) < 4:
        return False

    def orient(a, b, c):
        v = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
        return (v > 0) - (v < 0)

    return (orient(p1, p2, q1) * orient(p1, p2, q2) < 0) and (orient(q1, q2, p1) * orient(q1, q2, p2) < 0)


def assign_types(branch, ids, pos, center):
    fixed = FIXED[branch]
    types = {i: fixed[i][0] for i in fixed}
    left = dict(BLACK_COUNTS[branch])
    for i, (t, colour) in fixed.items():
        if colour is None:
            left[t] -= 1
    free = [i for i in ids if i not in fixed]
    # HP nodes nearest the centre.
    for i in sorted(free, key=lambda i: (dist(pos[i], center), ids.index(i)))[:left.pop("hp")]:
        types[i] = "hp"
    free = [i for i in free if i not in types]
    anchors = [(pos[i], FAMILY[t]) for i, t in types.items() if t in FAMILY]
    # Nodes nearest an anchor choose first, so families gather round their large nodes.
    def nearest(i):
        return min(dist(pos[i], p) for p, _ in anchors)

    for i in sorted(free, key=lambda i: (nearest(i), ids.index(i))):
        ranked = sorted(anchors, key=lambda a: dist(pos[i], a[0]))
        family = next((fam for _, fam in ranked if left.get(fam, 0) > 0), None)
        if family is None:
            family = max(left, key=lambda k: left[k])
        types[i] = family
        left[family] -= 1
    assert all(v == 0 for v in left.values()), (branch, left)
    return types


def build():
    center, pixels = read_layout()
    pos = {"center": center}
    ids_of = {}
    for b in BRANCHES:
        ids_of[b] = node_ids(b, len(pixels[b]))
        assert len(ids_of[b]) == len(pixels[b]), b
        pos.update(zip(ids_of[b], pixels[b]))
    branch_of = {i: b for b in BRANCHES for i in ids_of[b]}

    declared = {i: [] for i in pos}  # links written inside each node element
    degree = {i: 0 for i in pos}
    edges = []

    def add(owner, other):
        declared[owner].append(other)
        degree[owner] += 1
        degree[other] += 1
        edges.append((owner, other))

    parent = {i: i for i in pos}

    def root(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    for owner, links in FIXED_LINKS.items():
        for other in links:
            add(owner, other)
            parent[root(owner)] = root(other)

    def can_declare(a, b):
        """Which end may carry a new link, or None."""
        for owner, other in ((a, b), (b, a)):
            if owner not in FIXED_LINKS and owner != "center":
                return owner, other
        return None

    def clear(a, b):
        return not any(crosses(pos[a], pos[b], pos[c], pos[d]) for c, d in edges)

    types = {}
    for b in BRANCHES:
        types.update(assign_types(b, ids_of[b], pos, center))
        ids = ids_of[b]
        pairs = sorted(((dist(pos[p], pos[q]), ids.index(p), ids.index(q), p, q)
                        for k, p in enumerate(ids) for q in ids[k + 1:]))
        for _, _, _, p, q in pairs:
            if root(p) == root(q) or degree[p] >= MAX_LINKS or degree[q] >= MAX_LINKS:
                continue
            ends = can_declare(p, q)
            if ends is None or not clear(p, q):
                continue
            add(*ends)
            parent[root(p)] = root(q)
    assert len({root(i) for i in pos}) == 1, "tree not connected"

    # Two short loops, one in combat and one in misc.
    for b in ("combat", "misc"):
        ids = ids_of[b]
        linked = {frozenset(e) for e in edges}
        pairs = sorted((dist(pos[p], pos[q]), ids.index(p), ids.index(q), p, q)
                       for k, p in enumerate(ids) for q in ids[k + 1:])
        for d, _, _, p, q in pairs:
            if frozenset((p, q)) in linked or degree[p] >= MAX_LINKS or degree[q] >= MAX_LINKS:
                continue
            ends = can_declare(p, q)
            if ends and clear(p, q) and d >= 3:
                add(*ends)
                break
    assert len(edges) == TOTAL_LINKS, len(edges)
    assert max(degree.values()) <= MAX_LINKS
    return ids_of, types, declared


def colour_of(branch, i):
    fixed = FIXED[branch].get(i)
    return fixed[1] if fixed else None


def write(out):
    ids_of, types, declared = build()
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Generated by tools/tables/make-skill-tree.py from tools/assetgen/skill-tree.txt; change them and run"
             " it again, do not edit this file. -->", "<data>"]
    for b in BRANCHES:
        lines.append(f"  <{b}>")
        for i in ids_of[b]:
            attrs = f'id="{i}" type="{types[i]}"'
            colour = colour_of(b, i)
            if colour:
                attrs += f' color="{colour}"'
            if declared[i]:
                lines.append(f"    <node {attrs}>")
                lines.extend(f'      <link id="{other}"/>' for other in declared[i])
                lines.append("    </node>")
            else:
                lines.append(f"    <node {attrs}/>")
        lines.append(f"  </{b}>")
    lines.append("</data>")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    write(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "assets", "xml", "skillTree.xml"))
