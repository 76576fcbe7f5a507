"""End-to-end cases of the window's life: the settings after each way out and at the next start,
description editing and clearing, and a window manager's frame, close box, minimizing and
dragging (no creeping geometry over repeated runs)."""

import os
import signal
import subprocess

import harness
from harness import E2EFailure, frame_geometry, read_settings, write_settings

GEOMETRY = ("Left", "Top", "Width", "Height")
KEYS = GEOMETRY + ("Path", "PathFile", "Tags", "Average")


def expect_settings(c, expected, what):
    """The settings file holds exactly these keys with these values (None: any value)."""
    seen = read_settings(c.s)
    if sorted(seen) != sorted(expected) or any(
            v is not None and seen[k] != v for k, v in expected.items()):
        raise E2EFailure("%s: settings %r, expected %r" % (what, seen, expected))
    c.ok("%s: %s" % (what, ", ".join("%s=%s" % kv for kv in seen.items())))
    return seen


def expect_frame(c, rect, what):
    s = c.s
    s.wait_for(lambda: frame_geometry(s, s.window_id), "the window's frame %r" % (rect,), expect=rect)
    c.ok("%s: the window's frame is %r" % (what, rect))


def check_box(s, name):
    return s.require(("check box", name))


def is_checked(s, acc):
    return acc.get_state_set().contains(s.Atspi.StateType.CHECKED)


def case_settings(c):
    """A first run writes the eight settings on Exit; the next run opens with them and File, Exit
    writes them back."""
    s = c.s
    home = s.env["HOME"]
    c.start()
    expect_frame(c, (7, 7, 600, 200), "first run")
    s.exit_program()
    expect_settings(c, {"Left": "105", "Top": "105", "Width": "9000", "Height": "3000",
                        "Tags": "1", "Average": "0", "Path": home,
                        "PathFile": home + "/NoFile.gif"}, "the Exit button")

    remembered = {"Left": "1500", "Top": "750", "Width": "12000", "Height": "4500", "Tags": "0",
                  "Average": "3", "Path": s.tmp, "PathFile": s.tmp + "/last.gif"}
    write_settings(s, remembered)
    s.start_program()
    expect_frame(c, (100, 50, 800, 300), "second run")
    s.wait_for(lambda: s.text_of(s.radius_text()), "the radius text", expect=" 3")
    if is_checked(s, check_box(s, "Tags")):
        raise E2EFailure("the Tags option is on, though it was remembered off")
    c.ok("second run: radius ' 3', Tags off")
    s.keys("alt+f")
    s.keys("x")
    harness.wait_program_end(s, "File, Exit")
    expect_settings(c, remembered, "File, Exit")


def case_list(c):
    """A description typed into the list stays there; Clear empties the list and the tags go."""
    s = c.s
    c.start()
    for px, py in ((20, 20), (150, 70)):
        s.click(*s.screen_point(px, py))
    s.wait_for(lambda: s.grid_row(1)[0], "two rows in the list", expect="#FF0000")
    c.ok("two picks in the list")

    cell = s.grid_cell(0, 5)
    x, y, w, h = s.extents(cell)
    s.click(x + w // 2, y + h // 2)
    s.type_text("bright yellow")
    s.wait_for(lambda: s.grid_cell(0, 5).get_name(), "the description", expect="bright yellow")
    s.keys("Escape")
    s.wait_for(lambda: s.grid_cell(0, 5).get_name(), "the description after Escape",
               expect="bright yellow")
    c.ok("typed text reads back from the list's Description cell, also after Escape")

    # Text pasted with the middle button (the X11 selection) is kept without a key pressed.
    text = os.path.join(s.tmp, "primary.txt")
    with open(text, "wb") as f:
        f.write(b"Brand blue")
    s._spawn("xclip-primary", ["xclip", "-selection", "primary", "-quiet", "-i", text])
    s.wait_for(lambda: subprocess.run(["xclip", "-selection", "primary", "-o"], env=s.env,
                                      capture_output=True, timeout=5).stdout == b"Brand blue",
               "the primary selection")
    s.click(*s.screen_point(30, 30))  # a new pick on top, without a description
    s.wait_for(lambda: s.Atspi.Table.get_n_rows(s.grid()), "three picks", expect=4)
    x, y, w, h = s.extents(s.grid_cell(0, 5))
    s.click(x + w // 2, y + h // 2)
    s.click(x + w // 2, y + h // 2, button=2)
    s.click(*s.screen_point(20, 20))  # a pick closes the editor and adds a row on top
    s.wait_for(lambda: s.grid_cell(1, 5).get_name(), "the pasted description",
               expect="Brand blue")
    c.ok("a description pasted with the middle button stays when a pick closes the editor")

    tag = s.screen_point(21, 21)  # the first tag's line starts one pixel below right of the pick
    s.wait_for(lambda: s.screen_pixels(*tag, 1, 1)[0][0], "the tag", expect=(0, 255, 255))
    s.click_widget(("push button", "Clear"))
    s.wait_for(lambda: s.Atspi.Table.get_n_rows(s.grid()), "one row left", expect=1)
    s.wait_for(lambda: s.grid_row(0), "an empty list", expect=[""] * 6)
    s.wait_for(lambda: s.screen_pixels(*tag, 1, 1)[0][0], "the tag gone", expect=(255, 0, 0))
    c.ok("Clear empties the list and the tags vanish from the screen")
    s.exit_program()


def case_window_manager(c):
    """Under a window manager: the close box writes the settings, five runs leave the geometry
    exactly as the first wrote it, a frame dragged below the minimum snaps back, and closing a
    minimized window writes only the four other keys."""
    s = c.s
    harness.start_window_manager(s)

    c.start()
    expect_frame(c, (7, 7, 600, 200), "first run")
    first = None
    for run in range(1, 6):
        if run > 1:
            s.start_program()
        s.xdotool("sleep", "0.3")  # let the frame settle, as a user would look before closing
        harness.run_tool(s, ["wmctrl", "-ic", s.window_id])
        harness.wait_program_end(s, "the close box")
        seen = {k: read_settings(s).get(k) for k in KEYS}
        if first is None:
            first = seen
            expect_settings(c, {"Left": "105", "Top": "105", "Width": "9000", "Height": "3000",
                                "Tags": "1", "Average": "0", "Path": None, "PathFile": None},
                            "the close box")
        elif seen != first:
            raise E2EFailure("run %d wrote %r, the first run %r" % (run, seen, first))
    c.ok("five runs closed by the close box leave the geometry as the first wrote it")

    s.start_program()
    x, y, w, h = frame_geometry(s, s.window_id)
    s.move_pointer(x + w - 1, y + h - 1)  # the frame's bottom-right corner
    s.xdotool("mousedown", "1")
    for to in ((x + w - 100, y + h - 30), (x + 250, y + 80), (x + 200, y + 60)):
        s.xdotool("mousemove", "--sync", str(to[0]), str(to[1]))
        s.xdotool("sleep", "0.1")
    s.xdotool("mouseup", "1")
    expect_frame(c, (x, y, 580, 200), "dragged below the minimum, snapped back")
    s.xdotool("windowsize", s.window_id, "1", "1")
    expect_frame(c, (x, y, 580, 200), "resized to 1 x 1, kept at the minimum")
    s.exit_program()
    expect_settings(c, dict(first, Width="8700", Height="3000"), "after the drag")

    # A width that no whole number of pixels gives: written again, it would read 12000.
    write_settings(s, dict(first, Width="12007", Height="4500", Average="3"))
    s.start_program()
    s.keys("Prior")
    s.wait_for(lambda: s.text_of(s.radius_text()), "the radius text", expect=" 4")
    s.xdotool("windowminimize", "--sync", s.window_id)
    harness.run_tool(s, ["wmctrl", "-ic", s.window_id])
    harness.wait_program_end(s, "the close box of the minimized window")
    expect_settings(c, dict(first, Width="12007", Height="4500", Average="4"),
                    "closed while minimized, the geometry kept")


def case_density(c, env, twips_per_pixel, scale):
    """At a density or scale where twips are no whole number of pixels: the first run opens at
    the default size to within a pixel and writes it as such, a frame shrunk to 1 x 1 through the
    window manager stays at the minimum (the program keeps running), and what Exit writes reads
    back as itself at the next start."""
    s = c.s
    s.env.update(env)
    s.scale = scale
    harness.start_window_manager(s)

    def expect_size(twips, what):
        """The outer size in device pixels, to within the rounding of a fractional scale."""
        want = tuple(round(round(t / twips_per_pixel) * scale) for t in twips)
        seen = {}

        def close():
            seen["size"] = frame_geometry(s, s.window_id)[2:]
            return all(abs(a - b) <= 2 for a, b in zip(seen["size"], want))
        try:
            s.wait_for(close, "the outer size")
        except E2EFailure:
            raise E2EFailure("%s: outer size %r, wanted %r" % (what, seen.get("size"), want))
        c.ok("%s: outer size %r, %r wanted" % (what, seen["size"], want))

    c.start()
    expect_size((9000, 3000), "first run")
    s.exit_program()
    first = expect_settings(c, {"Left": "105", "Top": "105", "Width": "9000", "Height": "3000",
                                "Tags": "1", "Average": "0", "Path": None, "PathFile": None},
                            "the first run's Exit")

    s.start_program()
    s.xdotool("windowsize", s.window_id, "1", "1")
    expect_size((8700, 3000), "resized to 1 x 1, kept at the minimum")
    s.exit_program()
    shrunk = expect_settings(c, dict(first, Width="8700", Height="3000"), "Exit at the minimum")
    s.start_program()
    s.exit_program()
    expect_settings(c, shrunk, "the next run, unchanged")


def case_signal(c):
    """SIGTERM (a session that ends, a kill) ends the program as Exit does: the settings written,
    exit code 0."""
    s = c.s
    c.start()
    s.keys("Prior")
    s.wait_for(lambda: s.text_of(s.radius_text()), "the radius text", expect=" 1")
    s.program.send_signal(signal.SIGTERM)
    harness.wait_program_end(s, "SIGTERM")
    expect_settings(c, {"Left": "105", "Top": "105", "Width": "9000", "Height": "3000",
                        "Tags": "1", "Average": "1", "Path": None, "PathFile": None}, "SIGTERM")


def case_signal_at_startup(c):
    """SIGTERM while start-up shows a message (the file named on the command line is no picture):
    the program ends with code 0 and the settings written, the window never shown. The file is
    named after "--" with a name the toolkit takes as its own option, so the message also shows
    that the name reached the program."""
    s = c.s
    broken = os.path.join(s.tmp, "-reverse")
    with open(broken, "wb") as f:
        f.write(b"not a picture\n")
    s.program = s._spawn("huemark", [s.binary, "--", "-reverse"],
                         env=dict(s.env, QT_QPA_PLATFORM="xcb"), cwd=s.tmp)
    shown = s.wait_for(s.program_windows, "the start-up message")
    kinds = [harness.run_tool(s, ["xprop", "-id", w, "_NET_WM_WINDOW_TYPE"]) for w in shown]
    if len(shown) != 1 or "_NET_WM_WINDOW_TYPE_DIALOG" not in kinds[0]:
        raise E2EFailure("start-up shows %r, not one message box" % (kinds,))
    c.ok("start-up shows the message that the file cannot be opened, and nothing else")
    s.program.send_signal(signal.SIGTERM)
    harness.wait_program_end(s, "SIGTERM during the start-up message")
    expect_settings(c, {"Left": "105", "Top": "105", "Width": "9000", "Height": "3000",
                        "Tags": "1", "Average": "0", "Path": s.tmp, "PathFile": broken},
                    "SIGTERM during the start-up message")


CASES = {"settings": case_settings, "signal": case_signal, "startsignal": case_signal_at_startup, "list": case_list, "wm": case_window_manager,
         # Qt rounds to whole scale factors here, so 105 DPI is a density of its own.
         "density105": lambda c: case_density(
             c, {"QT_FONT_DPI": "105", "QT_ENABLE_HIGHDPI_SCALING": "0"}, 1440 / 105, 1),
         "scale1.75": lambda c: case_density(c, {}, 15, 1.75)}
