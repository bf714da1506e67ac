#!/usr/bin/env python3
"""Fails on an include against the layer order, on a Qt header in the Qt-free core, or
on files that include each other in a cycle (a header and its .cpp count as one file).
tests/ and bench/ are not checked."""
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
# Layers at or below this height build without Qt.
CORE_HEIGHT = len(LAYERS) - 4
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
QT_INCLUDE = re.compile(r'^\s*#\s*include\s+[<"](Q[A-Za-z]|qt)')


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


def qt_includes(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if QT_INCLUDE.match(line):
                yield number, line.strip()


def unit(path):
    return os.path.splitext(path)[0]


def cycles(uses):
    """The strongly connected groups of more than one unit (Tarjan), each in a stable order."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(start):
        work = [(start, iter(sorted(uses.get(start, {}))))]
        index[start] = low[start] = len(index)
        stack.append(start)
        on_stack.add(start)
        while work:
            node, edges = work[-1]
            step = next(edges, None)
            if step is not None:
                if step not in index:
                    index[step] = low[step] = len(index)
                    stack.append(step)
                    on_stack.add(step)
                    work.append((step, iter(sorted(uses.get(step, {})))))
                elif step in on_stack:
                    low[node] = min(low[node], index[step])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                group = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.append(member)
                    if member == node:
                        break
                if len(group) > 1:
                    groups.append(sorted(group))

    for node in sorted(uses):
        if node not in index:
            visit(node)
    return groups


def cycle_path(uses, group):
    """One closed chain of includes through the group, from its first unit."""
    members = set(group)
    path, seen = [group[0]], {group[0]}
    while True:
        nexts = [b for b in sorted(uses.get(path[-1], {})) if b in members]
        back = [b for b in nexts if b == path[0]]
        if back and len(path) > 1:
            return path + [path[0]]
        fresh = [b for b in nexts if b not in seen]
        if not fresh:
            return path + [nexts[0]] if nexts else path
        path.append(fresh[0])
        seen.add(fresh[0])


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = 0
    uses = {}
    for src in sources(root):
        for number, target in includes(root, src):
            if unit(target) != unit(src):
                uses.setdefault(unit(src), {}).setdefault(unit(target), (src, number))
            below = rank(target)
            if os.path.dirname(target) == os.path.dirname(src) and below == rank(src):
                continue
            if below is None or below >= rank(src):
                print(f"{src}:{number}: includes {target} against the layer order")
                faults += 1
        if rank(src) <= CORE_HEIGHT:
            for number, line in qt_includes(root, src):
                print(f"{src}:{number}: the Qt-free core includes Qt ({line})")
                faults += 1
    for group in cycles(uses):
        chain = cycle_path(uses, group)
        links = []
        for a, b in zip(chain, chain[1:]):
            src, number = uses[a][b]
            links.append(f"{src}:{number} includes {b}")
        print("include cycle: " + ", ".join(links))
        faults += 1
    if faults:
        print("layer order (top to bottom): " + "; ".join(", ".join(layer) for layer in LAYERS))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
