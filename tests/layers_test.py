#!/usr/bin/env python3
"""Fails when a source file includes from a layer above its own.

The layers are the source folders in the order the top-level CMakeLists.txt adds them, from the
bottom up: a file in src/<folder>/ may include from its own folder and the folders added before
it, never from one added after it.

    python3 tests/layers_test.py [source root]
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
top = (root / "CMakeLists.txt").read_text()
layers = re.findall(r"^add_subdirectory\(src/(\w+)\)", top, re.MULTILINE)
rank = {folder: i for i, folder in enumerate(layers)}
include = re.compile(r'^\s*#\s*include\s*"(\w+)/', re.MULTILINE)

faults = []
for folder in layers:
    for path in sorted((root / "src" / folder).glob("*.[ch]*")):
        for line_no, line in enumerate(path.read_text().splitlines(), 1):
            m = include.match(line)
            if m and rank.get(m.group(1), -1) > rank[folder]:
                faults.append(f"{path.relative_to(root)}:{line_no}: {folder} includes from "
                              f"{m.group(1)}, a layer above it")
unlisted = sorted(p.name for p in (root / "src").iterdir() if p.is_dir() and p.name not in rank)

for fault in faults:
    print(fault)
for name in unlisted:
    print(f"src/{name}/ is not added as a layer by the top-level CMakeLists.txt")
print(f"{len(layers)} layers checked: {' < '.join(layers)}")
sys.exit(1 if faults or unlisted or not layers else 0)
