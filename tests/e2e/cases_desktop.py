"""End-to-end cases of Huemark as an installed desktop program."""

import os
import time

import harness
from harness import E2EFailure, read_settings, write_settings


def case_installed(c):
    """The installed program (from the Debian package) starts, shows its window, finds its help
    document beside it when there is one, and writes its settings on Exit."""
    s = c.s
    program = os.path.realpath(s.binary)
    c.start()
    c.ok("the installed %s shows its window" % s.binary)
    help_file = os.path.join(os.path.dirname(program), "Huemark.html")
    if os.path.exists(help_file):
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
    # Headless Weston has no seat, so no clipboard: the paste finds no picture, promptly.
    started = time.monotonic()
    press(s, harness.PASTE_BUTTON)
    s.wait_for(s.title, "the title after Paste", expect="Pasted from clipboard")
    if time.monotonic() - started > 2:
        raise E2EFailure("Paste took %.1f s" % (time.monotonic() - started))
    c.ok("Paste with the compositor's (empty) clipboard returns at once")
    press(s, harness.EXIT_BUTTON)
    harness.wait_program_end(s, "Exit")
    written = read_settings(s)
    for key, value in remembered.items():
        if written.get(key) != value:
            raise E2EFailure("after Exit %s=%r, expected %r (all: %r)" % (key, written.get(key),
                                                                        value, written))
    if not {"Path", "PathFile"} <= set(written):
        raise E2EFailure("Exit did not write the folder and file name: %r" % (written,))
    c.ok("Exit writes the settings and keeps the remembered Left and Top")


CASES = {"installed": case_installed, "wayland": case_wayland}
