"""End-to-end cases of Huemark as an installed desktop program."""

import os
import time

import harness
from harness import E2EFailure, read_settings, write_settings


def case_installed(c):
    """The installed program (from the Debian package) starts, shows its window, finds its help
    document beside it, and writes its settings on Exit."""
    s = c.s
    program = os.path.realpath(s.binary)
    c.start()
    c.ok("the installed %s shows its window" % s.binary)
    help_file = os.path.join(os.path.dirname(program), "Huemark.html")
    if not os.path.isfile(help_file):
        raise E2EFailure("the package installed no help document at %s" % help_file)
    before = set(s.program_windows())
    s.keys("F1")
    viewer = s.wait_for(lambda: sorted(set(s.program_windows()) - before),
                        "the help viewer's window")[0]
    help_window = s.wait_for(lambda: next((a for a in s.children(s.app)
                                           if a.get_name() == "Huemark Help"), None),
                             "the help viewer in the accessibility tree")
    text = s.wait_for(lambda: s.find(("label", "Help text"), root=help_window), "the help text")
    s.wait_for(lambda: "How to pick a colour exactly" in s.text_of(text), "the how-to section")
    c.ok("F1 opens the help viewer on the installed %s" % help_file)
    # Without a window manager the viewer lies over the main window: close it first.
    s.keys("Escape", window_id=viewer)
    s.wait_for(lambda: viewer not in s.program_windows(), "the help viewer to close")
    s.exit_program()
    written = read_settings(s)
    if sorted(written) != sorted(["Left", "Top", "Width", "Height", "Path", "PathFile", "Tags",
                                  "Average"]):
        raise E2EFailure("Exit wrote %r" % (written,))
    c.ok("Exit writes the eight settings")


def start_on_wayland(s, socket="wl-huemark"):
    """A headless Weston and the program on Qt's Wayland platform; found through the
    accessibility tree only (there is no X window to wait for)."""
    s._spawn("weston", ["weston", "--backend=headless-backend.so", "--socket=" + socket,
                        "--idle-time=0", "--width=1024", "--height=768"])
    s.wait_for(lambda: os.path.exists(os.path.join(s.env["XDG_RUNTIME_DIR"], socket)),
               "the Wayland compositor's socket")
    env = dict(s.env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=socket,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("DISPLAY")
    s.program = s._spawn("huemark", [s.binary], env=env, cwd=s.tmp)
    s.app = s.wait_for(s._find_app, "the program on the accessibility bus")
    s.app.set_cache_mask(s.Atspi.Cache.NONE)
    s.frame = s.wait_for(lambda: s.top_level("frame"), "the main window in the tree")
    s.wait_for(lambda: s.find(harness.PICTURE, showing=True), "the picture to be shown")


def press(s, key):
    """Presses a button through the accessibility tree (no input can be sent to Wayland)."""
    button = s.require(key)
    s.Atspi.Action.do_action(button, 0)


def case_wayland(c):
    """On a Wayland compositor the window shows, Paste works as far as the compositor lets a
    clipboard exist, and Exit writes the settings while keeping the remembered position: a
    Wayland client never learns where its window is."""
    s = c.s
    remembered = {"Left": "1500", "Top": "750", "Width": "12000", "Height": "4500", "Tags": "0",
                  "Average": "2"}
    write_settings(s, remembered)
    start_on_wayland(s)
    c.ok("the window shows on Weston, titled %r" % s.title())
    # Headless Weston has no seat, so no clipboard: the paste finds no picture and returns.
    started = time.monotonic()
    press(s, harness.PASTE_BUTTON)
    s.wait_for(s.title, "the title after Paste", expect="Pasted from clipboard")
    c.ok("Paste with the compositor's (empty) clipboard returns (after %.1f s)" % (
        time.monotonic() - started))
    press(s, harness.EXIT_BUTTON)
    harness.wait_program_end(s, "Exit")
    harness.expect_written_at_exit(s, remembered)
    c.ok("Exit writes the settings and keeps the remembered Left and Top")


# A picture where every pixel has a colour of its own: red from x, green from y.
HIDPI_W, HIDPI_H = 32, 12


def hidpi_color(x, y):
    return (8 * x, 20 * y, 200)


def case_hidpi(c, factor):
    """On a screen scaled by factor, every picture pixel shows as a crisp block, and the
    read-out, a click, its tag, the arrow keys and Enter all name the picture pixel under the
    pointer, device pixel by device pixel."""
    s = c.s
    s.scale = factor
    picture = os.path.join(s.tmp, "pixels.png")
    harness.write_png(picture, [[hidpi_color(x, y) for x in range(HIDPI_W)] for y in range(HIDPI_H)])
    s.set_clipboard_picture(picture)
    s.start_program()

    # The picture's first device pixel: its own colour, near where its logical place says.
    x0, y0, _, _ = s.extents(s.require(harness.PICTURE))
    area = s.screen_pixels(x0 - 3, y0 - 3, 8, 8)
    found = [(i, j) for j, row in enumerate(area) for i, p in enumerate(row) if p == hidpi_color(0, 0)]
    if not found:
        raise E2EFailure("the picture's first pixel is not near %r" % ((x0, y0),))
    left, top = x0 - 3 + min(found)[0], y0 - 3 + min(found, key=lambda p: p[1])[1]
    pixel_of = lambda w: int((w + 0.001) // factor)  # the picture pixel device pixel w shows

    width = int(HIDPI_W * factor)
    row = s.screen_pixels(left, top, width, 1)[0]
    wrong = [w for w in range(width) if row[w] != hidpi_color(pixel_of(w), 0)]
    if wrong:
        raise E2EFailure("device pixels %r do not show their picture pixel unblended: %r" % (
            wrong[:5], [row[w] for w in wrong[:5]]))
    c.ok("%s x: each picture pixel is a crisp block of the picture's own colour" % factor)

    box = s.readout()
    for w in range(int(10 * factor)):
        s.move_pointer(left + w, top)
        expected = harness.web(row[w])
        s.wait_for(lambda: s.text_of(box), "the read-out at device pixel %d" % w, expect=expected)
    c.ok("%s x: the read-out names the picture pixel under each device pixel" % factor)

    # A click on the last device pixel of picture pixel 4: its row, and its tag from pixel (5, 1).
    w = int(5 * factor - 0.001)
    s.click(left + w, top)
    s.wait_for(lambda: s.grid_row(0)[0], "the pick", expect=harness.web(hidpi_color(4, 0)))
    tag_x, tag_y = left + int(5 * factor + 0.999), top + int(1 * factor + 0.999)
    inverse = tuple(255 - v for v in hidpi_color(4, 0))
    s.wait_for(lambda: s.screen_pixels(tag_x, tag_y, 1, 1)[0][0], "the tag", expect=inverse)
    c.ok("%s x: a click picks the pixel under it and tags it from the pixel below right" % factor)

    # Arrow steps from picture pixel (20, 8): one picture pixel each, then Enter picks there.
    s.move_pointer(left + int(20 * factor + 0.999), top + int(8 * factor + 0.999))
    s.wait_for(lambda: s.text_of(box), "the read-out at (20, 8)",
               expect=harness.web(hidpi_color(20, 8)))
    for key, (x, y) in [("Right", (21, 8)), ("Right", (22, 8)), ("Down", (22, 9)),
                        ("Left", (21, 9)), ("Up", (21, 8))]:
        s.keys(key)
        s.wait_for(lambda: s.text_of(box), "the read-out after %s" % key,
                   expect=harness.web(hidpi_color(x, y)))
    s.keys("Return")
    s.wait_for(lambda: s.grid_row(0)[0], "the pick by Enter", expect=harness.web(hidpi_color(21, 8)))
    c.ok("%s x: each arrow moves one picture pixel, and Enter picks the one under the pointer" %
         factor)
    s.exit_program()


CASES = {"installed": case_installed, "wayland": case_wayland,
         "hidpi2": lambda c: case_hidpi(c, 2), "hidpi1.5": lambda c: case_hidpi(c, 1.5),
         # At 1.75 only every fourth logical pixel starts on a device pixel.
         "hidpi1.75": lambda c: case_hidpi(c, 1.75)}
