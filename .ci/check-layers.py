#!/usr/bin/env python3
"""Fails on an include against the layer order, or on two files that include each
other (a header and its .cpp count as one file). tests/ and bench/ are not checked."""
import os
import re
import sys

# Top to bottom. A file includes its own folder and the layers below its own.
LAYERS = [
    ["app"],
    ["printing", "preferences/ui"],
    ["platform", "common/ui"],
    ["printing/layout", "*_logic"],
    ["files"],
    ["solver"],
    ["preferences"],
    ["units"],
    ["common"],
    ["equations"],
]
FOLDERS = sorted(n for names in LAYERS for n in names if "*" not in n)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def rank(path):
    """Height of a file's layer: 0 for the bottom one, None outside the order."""
    if os.path.splitext(os.path.basename(path))[0].endswith("_logic"):
        names = "*_logic"
    else:
        names = os.path.dirname(path)
    for height, layer in enumerate(reversed(LAYERS)):
        if names in layer:
            return height
    return None


def sources(root):
    for folder in FOLDERS:
        full = os.path.join(root, folder)
        if os.path.isdir(full):
            for name in sorted(os.listdir(full)):
                if name.endswith((".cpp", ".h")):
                    yield f"{folder}/{name}"


def includes(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m and "/" in m.group(1):
                yield number, m.group(1)


def unit(path):
    return os.path.splitext(path)[0]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = 0
    uses = {}
    for src in sources(root):
        for number, target in includes(root, src):
            if unit(target) != unit(src):
                uses.setdefault(unit(src), {}).setdefault(unit(target), (src, number))
            if os.path.dirname(target) == os.path.dirname(src):
                continue
            below = rank(target)
            if below is None or below >= rank(src):
                print(f"{src}:{number}: includes {target} against the layer order")
                faults += 1
    for a, targets in sorted(uses.items()):
        for b, (src, number) in sorted(targets.items()):
            if a < b and a in uses.get(b, {}):
                back, back_line = uses[b][a]
                print(f"{src}:{number}: includes {b}, while {back}:{back_line} includes {a}")
                faults += 1
    if faults:
        print("layer order (top to bottom): " + "; ".join(", ".join(layer) for layer in LAYERS))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
