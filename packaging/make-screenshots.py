#!/usr/bin/python3
"""Makes the screenshots the AppStream metadata shows, from the program just built.

Each runs the program on a private X server (the end-to-end tests' session) over a picture drawn
here with a fixed seed, so the files come out the same from run to run:
  pick-list.png         a photo's colours picked into the list, tags on the picture
  measure-area.png      an area of the photo measured, its figures beside the window
  screen-pick.png       the screen pick's loupe over the frozen screen
  palette-contrast.png  two rows of a palette and their contrast

Usage: packaging/make-screenshots.py OUT_FOLDER [path/to/huemark]   (default: build/huemark)
"""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import harness  # noqa: E402

# The window's size in the screenshots: AppStream asks for no more than 1000 x 700 of a window.
WINDOW = (560, 520)


def photo(path):
    subprocess.run([harness.CONVERT, "-seed", "7", "-size", "1400x900", "plasma:fractal",
                    "-blur", "0x6", "-modulate", "100,180", "-sigmoidal-contrast", "3x50%", path],
                   check=True)


def geometry(s, window_id):
    out = s.xdotool("getwindowgeometry", "--shell", window_id)
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def grab(s, out, x, y, w, h):
    """The screen's pixels in the rectangle, clipped to the screen and to 1000 x 700."""
    x, y = max(0, x), max(0, y)
    w = min(w, harness.SCREEN_W - x, 1000)
    h = min(h, harness.SCREEN_H - y, 700)
    subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                    out], env=s.env, check=True)
    print("wrote " + out)


def window_shown(s, path, args=()):
    s.start_program(args=[path] + list(args))
    s.xdotool("windowmove", "--sync", s.window_id, "0", "0")
    s.xdotool("windowsize", "--sync", s.window_id, str(WINDOW[0]), str(WINDOW[1]))
    time.sleep(0.5)


def pick_list(s, folder, picture):
    window_shown(s, picture)
    # The last two contrast well: a light green over a dark shade.
    for px, py in [(60, 40), (400, 200), (200, 100), (150, 330)]:
        s.click(*s.screen_point(px, py))
        time.sleep(0.2)
    s.move_pointer(*s.screen_point(300, 150))
    time.sleep(0.5)
    subprocess.run(["import", "-window", s.window_id, os.path.join(folder, "pick-list.png")],
                   env=s.env, check=True)
    print("wrote " + os.path.join(folder, "pick-list.png"))


def measure_area(s, folder):
    s.keys("alt+v")
    time.sleep(0.3)
    s.xdotool("key", "m")
    time.sleep(0.8)
    x0, y0 = s.screen_point(100, 60)
    x1, y1 = s.screen_point(300, 220)
    s.move_pointer(x0, y0)
    s.xdotool("mousedown", "1")
    for step in range(1, 6):
        s.xdotool("mousemove", "--sync", str(x0 + (x1 - x0) * step // 5),
                  str(y0 + (y1 - y0) * step // 5))
    s.xdotool("mouseup", "1")
    time.sleep(0.8)
    # The window and the panel beside it.
    windows = [geometry(s, w) for w in s.program_windows()]
    right = max(x + w for x, y, w, h in windows)
    bottom = max(y + h for x, y, w, h in windows)
    grab(s, os.path.join(folder, "measure-area.png"), 0, 0, right, bottom)
    s.keys("alt+v")
    time.sleep(0.3)
    s.xdotool("key", "m")
    time.sleep(0.3)


def palette_contrast(s, folder):
    x0, y0, w0, h0 = s.extents(s.grid_cell(0, 2))
    x1, y1, w1, h1 = s.extents(s.grid_cell(1, 2))
    s.move_pointer(x0 + w0 // 2, y0 + h0 // 2)
    s.xdotool("mousedown", "1")
    s.xdotool("mousemove", "--sync", str(x1 + w1 // 2), str(y1 + min(h1 // 2, 3)))
    s.xdotool("mouseup", "1")
    time.sleep(1.0)
    # The contrast's tooltip may reach beyond the window's right edge.
    x, y, w, h = geometry(s, s.window_id)
    grab(s, os.path.join(folder, "palette-contrast.png"), x, y, w + 160, h)


def screen_pick(s, folder):
    env = dict(s.env, QT_QPA_PLATFORM="xcb")
    pick = s._spawn("pick", [s.binary, "--pick", "--no-copy"], env=env, stdout=subprocess.PIPE)
    time.sleep(2.0)
    x, y = s.screen_point(250, 160)
    s.move_pointer(x, y)
    s.move_pointer(x + 1, y)
    time.sleep(0.8)
    grab(s, os.path.join(folder, "screen-pick.png"), *geometry(s, s.window_id))
    s.xdotool("key", "Escape")
    try:
        pick.wait(timeout=10)
    except subprocess.TimeoutExpired:
        pick.kill()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = os.path.abspath(sys.argv[1])
    binary = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "..", "build", "huemark")
    os.makedirs(folder, exist_ok=True)
    session = harness.Session(os.path.abspath(binary))
    try:
        session.start()
        # A desktop's quiet grey where the window and its panel leave the screen bare.
        subprocess.run(["xsetroot", "-solid", "#d6d9dc"], env=session.env, check=True)
        picture = os.path.join(session.tmp, "photo.png")
        photo(picture)
        pick_list(session, folder, picture)
        measure_area(session, folder)
        screen_pick(session, folder)
        palette_contrast(session, folder)
    finally:
        session.close()


if __name__ == "__main__":
    main()
