"""End-to-end case of the list leaving the program and coming back: picks described, their
contrast, a colour copied as oklch, the list saved through the real save dialog in all four
formats and read back by independent readers, and a palette opened again."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "palette"))

import read_list  # noqa: E402
from harness import E2EFailure, settings_path  # noqa: E402


def through_dialog(s, keys, path):
    """Opens a file dialog with the keys, types the full path into its name field, presses Enter
    and waits for the dialog to close."""
    before = set(s.program_windows())
    s.keys(keys)
    dialog = s.wait_for(lambda: sorted(set(s.program_windows()) - before), "the file dialog")[0]
    s.wait_for(lambda: s.top_level("dialog"), "the file dialog in the accessibility tree")
    s.type_text(path, window_id=dialog)
    s.keys("Return", window_id=dialog)
    s.wait_for(lambda: dialog not in s.program_windows(), "the file dialog to close")


def clipboard_text(s):
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=s.env,
                          capture_output=True, text=True, timeout=5).stdout


def options(s):
    values, group = {}, None
    with open(settings_path(s), encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith("["):
                group = line.strip("[]")
            elif "=" in line and group == "Options":
                key, value = line.split("=", 1)
                values[key] = value
    return values


def case_palette(c):
    s = c.s
    c.start()
    for px, py in ((20, 20), (150, 70)):  # red, then yellow on top
        s.click(*s.screen_point(px, py))
    s.wait_for(lambda: s.grid_row(1)[0], "two rows in the list", expect="#FF0000")
    x, y, w, h = s.extents(s.grid_cell(0, 5))
    s.click(x + w // 2, y + h // 2)
    described = 'Sun, "bright"'
    s.type_text(described)
    s.keys("Escape")
    s.wait_for(lambda: s.grid_cell(0, 5).get_name(), "the description", expect=described)
    c.ok("two picks, the top one described")

    # Dragged across the two rows: their contrast in the list's tooltip (and description).
    x0, y0, w0, h0 = s.extents(s.grid_cell(0, 2))
    x1, y1, w1, h1 = s.extents(s.grid_cell(1, 2))
    s.move_pointer(x0 + w0 // 2, y0 + h0 // 2)
    s.xdotool("mousedown", "1")
    s.xdotool("mousemove", "--sync", str(x1 + w1 // 2), str(y1 + min(h1 // 2, 3)))
    s.xdotool("mouseup", "1")
    s.wait_for(lambda: s.grid().get_description(), "the contrast of the two rows",
               expect="Contrast of #FFFF00 and #FF0000: 3.72:1\n"
                      "AA: normal text fail, large text pass\n"
                      "AAA: normal text fail, large text fail\n"
                      "APCA Lc -64.4 (#FFFF00 text on #FF0000)")
    c.ok("two selected rows show their WCAG contrast and verdicts")

    # Edit, Copy As, oklch(): the selected rows now, and the read-out with Ctrl+C from then on.
    s.keys("alt+e", "a", "o")
    s.wait_for(lambda: clipboard_text(s).split("\n")[-1], "the rows copied as oklch",
               expect="oklch(0.62796 0.25768 29.234)")
    s.click(*s.screen_point(20, 70))  # a blue pick; the picture has the keys again
    s.wait_for(lambda: s.grid_row(0)[0], "the blue pick", expect="#0000FF")
    s.keys("ctrl+c")
    s.wait_for(lambda: clipboard_text(s), "the read-out copied as oklch",
               expect="oklch(0.45201 0.31321 264.052)")
    c.ok("Copy As oklch: the selected rows at once, then Ctrl+C on the read-out")

    # Saved through the real dialog; a name without extension takes the chosen filter's.
    rows = [[0, 0, 255, ""], [255, 255, 0, described], [255, 0, 0, ""]]
    expected = {
        "gpl": [[0, 0, 255, "#0000FF"], [255, 255, 0, described], [255, 0, 0, "#FF0000"]],
        "css": [[0, 0, 255, "0000ff"], [255, 255, 0, "sun-bright"], [255, 0, 0, "ff0000"]],
        "csv": rows, "json": rows}
    for typed, fmt in (("palette", "gpl"), ("list.csv", "csv"), ("list.json", "json"),
                       ("list.css", "css")):
        path = os.path.join(s.tmp, typed if "." in typed else typed + "." + fmt)
        through_dialog(s, "ctrl+s", os.path.join(s.tmp, typed))
        s.wait_for(lambda: os.path.exists(path), "%s to be written" % path)
        got = read_list.READERS[fmt](path)
        if got != expected[fmt]:
            raise E2EFailure("%s read back as %r, expected %r" % (path, got, expected[fmt]))
        c.ok("saved as %s and read back by an independent reader" % os.path.basename(path))

    # The palette opened again: its colours above the list, as they were picked and described.
    before = [s.grid_row(r) for r in range(3)]
    through_dialog(s, "ctrl+o", os.path.join(s.tmp, "palette.gpl"))
    s.wait_for(lambda: s.Atspi.Table.get_n_rows(s.grid()), "the opened rows", expect=7)
    opened = [s.grid_row(r) for r in range(6)]
    if opened != before + before:
        raise E2EFailure("after opening the list reads %r" % (opened,))
    c.ok("the palette opens as the same rows, above those the list held")

    s.exit_program()
    remembered = options(s)
    if remembered.get("CopyNotation") != "oklch" or remembered.get("ListFolder") != s.tmp:
        raise E2EFailure("the options written: %r" % (remembered,))
    c.ok("Exit remembers the copy notation and the list's folder")


CASES = {"palette": case_palette}
