#!/usr/bin/env python3
"""The layers, as the build checks them.

The libraries stand in a declared order, bottom up (HUEMARK_LAYERS in src/CMakeLists.txt). A
library links only libraries below it in that order, so the libraries form no cycle; and a file
of a library includes only headers of its own library and of the libraries it links, directly or
through others. Every include of one of our headers counts, however it is spelled: "pixels/Color.h",
<pixels/Color.h>, or a path that climbs out of its folder ("../pixels/Color.h"), which is refused
as such: our headers are named by their path from src/.

A test under tests/<folder> belongs to the library of src/<folder>. The window's test helpers
(tests/support) stand above the window; the test helpers that stand on none of our libraries
(they write files with a format's own library) serve the tests of every layer.

Usage: check-layers.py LAYERS_FILE SOURCE_ROOT [STAMP]
LAYERS_FILE has a line per library, bottom up: "name|folder under src|the libraries it links,
comma-separated", written by src/CMakeLists.txt from the targets themselves.
Every fault is printed on standard error, "layers: " and the file and line (or the library),
and the check exits 1; with none it writes STAMP and exits 0.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
# Test helpers below every layer (tests/CMakeLists.txt: huemark_testjpeg).
HELPERS_BELOW_ALL = {"support/JpegWriting.h"}
# The window's test helpers link the window.
SUPPORT = "huemark_testsupport"
SUPPORT_NEEDS = "huemark_app"


def read_layers(layers_file):
    order = []  # bottom up
    folders = {}  # folder under src -> library
    links = {}  # library -> the libraries it links itself
    with open(layers_file, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line:
                continue
            name, folder, linked = line.split("|")
            order.append(name)
            folders[folder] = name
            links[name] = [l for l in linked.split(",") if l]
    return order, folders, links


def link_faults(order, links):
    faults = []
    place = {name: i for i, name in enumerate(order)}
    for name in order:
        for other in links[name]:
            if place[other] >= place[name]:
                faults.append(
                    f"{name} links {other}, which is not below it: a library links only the "
                    f"libraries declared before it (HUEMARK_LAYERS in src/CMakeLists.txt)"
                )
    # A cycle runs upward somewhere, which the rule above reports; it is named too.
    state = {}

    def visit(name, path):
        state[name] = "open"
        for other in links[name]:
            if state.get(other) == "open":
                cycle = path[path.index(other):] + [other]
                faults.append("the libraries link in a cycle: " + " -> ".join(cycle))
            elif other not in state:
                visit(other, path + [other])
        state[name] = "done"

    for name in order:
        if name not in state:
            visit(name, [name])
    return faults


def closure(links):
    reach = {}
    for name in links:
        seen = {name}
        pending = list(links[name])
        while pending:
            other = pending.pop()
            if other not in seen:
                seen.add(other)
                pending.extend(links[other])
        reach[name] = seen
    return reach


def include_faults(root, order, folders, links):
    place = {name: i for i, name in enumerate(order)}
    reach = closure(links)

    def library_of(folder):
        # The longest folder that is a library's: src/input/cms is huemark_cms, not decoders.
        parts = folder.split("/")
        while parts:
            candidate = "/".join(parts)
            if candidate in folders:
                return folders[candidate]
            parts.pop()
        return None

    faults = []
    for top in ("src", "tests"):
        for dirpath, _, files in os.walk(os.path.join(root, top)):
            rel = os.path.relpath(dirpath, os.path.join(root, top)).replace(os.sep, "/")
            rel = "" if rel == "." else rel
            if top == "tests" and rel.split("/")[0] in ("support", "e2e", "data"):
                continue
            owner = library_of(rel)
            if owner is None:
                continue
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                where_file = os.path.relpath(path, root)
                for match in INCLUDE.finditer(text):
                    bracket, included = match.group(1), match.group(2)
                    line = text.count("\n", 0, match.start()) + 1
                    where = f"{where_file}:{line}"
                    spelled = f"<{included}>" if bracket == "<" else f'"{included}"'
                    if ".." in included.split("/"):
                        faults.append(
                            f"{where}: includes {spelled} by a path that climbs out of its "
                            f"folder: name our headers by their path from src/"
                        )
                        continue
                    if "/" not in included:
                        continue  # a file beside it, a generated moc file, or the system's
                    head = included.split("/")[0]
                    if top == "tests" and included in HELPERS_BELOW_ALL:
                        continue
                    if head == "support":
                        if top == "tests" and SUPPORT_NEEDS in reach[owner]:
                            continue
                        target = SUPPORT
                    else:
                        target = library_of(os.path.dirname(included))
                        if target is None:
                            continue  # not one of ours
                    if target in reach[owner]:
                        continue
                    if target != SUPPORT and place[target] > place[owner]:
                        how = "runs upward: it is above"
                    else:
                        how = "runs sideways: it is not linked by"
                    faults.append(
                        f"{where}: includes {spelled} of {target}, which {how} {owner}; a "
                        f"library includes only itself and the libraries below it that it links "
                        f"(HUEMARK_LAYERS in src/CMakeLists.txt)"
                    )
    return faults


def main():
    layers_file, root = sys.argv[1], sys.argv[2]
    stamp = sys.argv[3] if len(sys.argv) > 3 else None
    order, folders, links = read_layers(layers_file)
    faults = link_faults(order, links) + include_faults(root, order, folders, links)
    for fault in faults:
        print("layers: " + fault, file=sys.stderr)
    if faults:
        return 1
    if stamp:
        with open(stamp, "w", encoding="utf-8") as f:
            f.write("ok\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
