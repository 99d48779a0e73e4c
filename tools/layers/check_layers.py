#!/usr/bin/env python3
"""Checks that every include in src/ points down the layers or stays in its
own folder, and that no lesson kind includes another kind's files.

Layers, lowest first: platform, course, sound, elements, htmlview, users,
exercises, shell, app. Prints each include that points up (and each kind
that reaches into another kind) and exits with 1 when there is one; with
--summary it also prints how many includes go from each layer to each.
"""
import re
import sys
from collections import Counter
from pathlib import Path

LAYERS = ["platform", "course", "sound", "elements", "htmlview", "users", "exercises", "shell", "app"]
# The exercises' own folders that every kind may use.
SHARED_EXERCISE_FOLDERS = {"common"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def kind_of(parts):
    """The lesson-kind folder of a path under src/exercises, or None."""
    if len(parts) > 2 and parts[0] == "exercises" and parts[1] not in SHARED_EXERCISE_FOLDERS:
        return parts[1]
    return None


def main():
    src = Path(__file__).resolve().parents[2] / "src"
    faults = []
    arrows = Counter()
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or "template" in path.parts:
            continue
        own = path.relative_to(src).parts
        if own[0] not in LAYERS:
            continue
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            parts = Path(target).parts
            if parts[0] not in LAYERS:
                continue  # a file of its own folder, named without its layer
            arrows[(own[0], parts[0])] += 1
            if LAYERS.index(parts[0]) > LAYERS.index(own[0]):
                faults.append(f"{path.relative_to(src)}: includes {target}, a higher layer")
            own_kind, target_kind = kind_of(own), kind_of(parts)
            if own_kind and target_kind and own_kind != target_kind:
                faults.append(f"{path.relative_to(src)}: includes {target}, another lesson kind")
    if "--summary" in sys.argv:
        for (a, b), n in sorted(arrows.items(), key=lambda x: (LAYERS.index(x[0][0]), LAYERS.index(x[0][1]))):
            print(f"{a} -> {b}: {n}")
    for fault in faults:
        print(fault)
    print(f"{sum(arrows.values())} includes between layers, {len(faults)} pointing up or across kinds")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
