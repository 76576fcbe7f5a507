#!/usr/bin/python3
"""Makes huemark-window.png, the picture of the window in the help document.

The program runs on a private X server (the end-to-end tests' session) with a colourful picture
pasted at start-up; three colours are picked with tags on and the pointer rests on the picture so
the read-out shows.

Usage: src/help/make-screenshot.py [path/to/huemark]     (default: build/huemark)
"""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

import harness  # noqa: E402


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "build", "huemark")
    out = os.path.join(HERE, "huemark-window.png")
    session = harness.Session(binary)
    try:
        session.start()
        picture = os.path.join(session.tmp, "picture.png")
        # A fixed seed keeps the picture the same from run to run.
        subprocess.run([harness.CONVERT, "-seed", "11", "-size", "800x300", "plasma:fractal",
                        "-blur", "0x2", "-modulate", "105,220", picture], check=True)
        session.set_clipboard_picture(picture)
        session.start_program()
        session.xdotool("windowmove", "--sync", session.window_id, "0", "0")
        for px, py in [(70, 12), (250, 30), (430, 8)]:
            session.click(*session.screen_point(px, py))
            time.sleep(0.2)
        session.move_pointer(*session.screen_point(330, 22))
        time.sleep(0.5)
        subprocess.run(["import", "-window", session.window_id, out], env=session.env, check=True)
        print("wrote " + out)
    finally:
        session.close()


if __name__ == "__main__":
    main()
