#!/usr/bin/env python3
"""The layer check fails the build on each way a library can reach above or beside itself: an
include that runs upward, one that runs sideways into a library not linked, a link that runs
upward (and the cycle it makes), an include that climbs out of its folder, and an include in
angle brackets; and it passes a tree whose includes and links all run down.

Each case is a small tree of its own: a layers file as src/CMakeLists.txt writes it, and a few
source files. Usage: test_checklayers.py CHECK_LAYERS_PY
"""
import os
import subprocess
import sys
import tempfile

# Bottom up: the ground, a helper on it, a library beside the helper, and the top.
LAYERS = [
    "lib_ground|ground|",
    "lib_helper|helper|lib_ground",
    "lib_beside|beside|lib_ground",
    "lib_top|top|lib_helper",
]

CASES = [
    # name, layers (None: LAYERS), files, what the one fault says (None: no fault)
    ("every include and link runs down", None,
     {"src/top/Top.cpp": '#include "top/Top.h"\n#include "helper/Helper.h"\n'
                         '#include "ground/Ground.h"\n#include <QString>\n#include "Top.moc"\n',
      "src/helper/Helper.h": '#include <ground/Ground.h>\n',
      "tests/helper/test_helper.cpp": '#include "helper/Helper.h"\n'},
     None),
    ("an include that runs upward", None,
     {"src/helper/Helper.cpp": '#include "top/Top.h"\n'},
     'src/helper/Helper.cpp:1: includes "top/Top.h" of lib_top, which runs upward: it is above '
     'lib_helper'),
    ("an include that runs sideways", None,
     {"src/top/Top.cpp": '#include "helper/Helper.h"\n#include "beside/Beside.h"\n'},
     'src/top/Top.cpp:2: includes "beside/Beside.h" of lib_beside, which runs sideways: it is '
     'not linked by lib_top'),
    ("a test reaching above its library", None,
     {"tests/ground/test_ground.cpp": '#include "helper/Helper.h"\n'},
     'tests/ground/test_ground.cpp:1: includes "helper/Helper.h" of lib_helper, which runs '
     'upward'),
    ("an include in angle brackets that runs upward", None,
     {"src/ground/Ground.h": '#pragma once\n#include <helper/Helper.h>\n'},
     'src/ground/Ground.h:2: includes <helper/Helper.h> of lib_helper, which runs upward'),
    ("an include that climbs out of its folder", None,
     {"src/top/Top.cpp": '#include "../helper/Helper.h"\n'},
     'src/top/Top.cpp:1: includes "../helper/Helper.h" by a path that climbs out of its folder'),
    ("a link that runs upward", ["lib_ground|ground|lib_top"] + LAYERS[1:],
     {},
     "lib_ground links lib_top, which is not below it"),
    ("links in a cycle", ["lib_ground|ground|", "lib_helper|helper|lib_top",
                          "lib_top|top|lib_helper"],
     {},
     "the libraries link in a cycle: lib_helper -> lib_top -> lib_helper"),
]


def run(check, layers, files):
    with tempfile.TemporaryDirectory() as root:
        layers_file = os.path.join(root, "layers.txt")
        with open(layers_file, "w", encoding="utf-8") as f:
            f.write("\n".join(layers) + "\n")
        for path, text in files.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
        stamp = os.path.join(root, "checked")
        done = subprocess.run([sys.executable, check, layers_file, root, stamp],
                              capture_output=True, text=True)
        return done.returncode, done.stderr, os.path.exists(stamp)


def main():
    check = sys.argv[1]
    failures = 0
    for name, layers, files, says in CASES:
        code, err, stamped = run(check, layers or LAYERS, files)
        if says is None:
            ok = code == 0 and stamped and not err
        else:
            ok = code == 1 and not stamped and says in err
        print(("PASS" if ok else "FAIL") + f": {name}")
        if not ok:
            failures += 1
            print(f"  exit {code}, stamp {'written' if stamped else 'not written'}, said:\n"
                  + "".join("    " + line + "\n" for line in err.splitlines())
                  + (f"  expected to say: {says}" if says else "  expected no fault"))
    print(f"{len(CASES) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
