#!/usr/bin/env python3
"""The layers, as the build checks them: a file of a library includes only headers of its own
library and of the libraries that library links (directly or through others). A test under
tests/<folder> belongs to the library of src/<folder>; the window's tests (tests/app) also use
tests/support. The test helpers that stand on none of our libraries (they write files with a
format's own library) serve the tests of every layer.

Usage: check-layers.py LAYERS_FILE SOURCE_ROOT [STAMP]
LAYERS_FILE has a line per library: "name|folder under src|linked libraries, comma-separated",
written by src/CMakeLists.txt from the targets themselves, so the table is the build's own.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# Test helpers below every layer (tests/CMakeLists.txt: huemark_testjpeg).
HELPERS_BELOW_ALL = {"support/JpegWriting.h"}


def main():
    layers_file, root = sys.argv[1], sys.argv[2]
    stamp = sys.argv[3] if len(sys.argv) > 3 else None
    folders = {}  # folder under src -> library
    links = {}  # library -> libraries it may include
    with open(layers_file, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line:
                continue
            name, folder, linked = line.split("|")
            folders[folder] = name
            links[name] = {l for l in linked.split(",") if l} | {name}

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
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for match in INCLUDE.finditer(text):
                    included = match.group(1)
                    if "/" not in included:
                        continue  # a file beside it, or a generated moc file
                    head = included.split("/")[0]
                    if included in HELPERS_BELOW_ALL and top == "tests":
                        continue
                    if head == "support":
                        if top == "tests" and "huemark_app" in links[owner]:
                            continue
                        target = "huemark_testsupport"
                    else:
                        target = library_of(os.path.dirname(included))
                        if target is None:
                            continue  # not one of ours
                    if target not in links[owner]:
                        line = text.count("\n", 0, match.start()) + 1
                        where = os.path.relpath(path, root)
                        faults.append(
                            f'{where}:{line}: includes "{included}" of {target}, which {owner} '
                            f"does not link: a library includes only itself and the libraries "
                            f"below it that it links (the layers in src/CMakeLists.txt)"
                        )
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
