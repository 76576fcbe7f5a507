"""End-to-end cases of the Screen command: on X11 (the root window under Xvfb) and on a real
Wayland session (sway with its screenshot portal, a clipboard and a keyboard)."""

import os
import pwd
import re
import shutil
import subprocess
import time
import urllib.parse

import harness
from harness import E2EFailure, parse_web, web, write_settings

# The background both desktops show: a 256 x 256 tile whose pixel (x, y) is (x, y, 90), repeated
# from the screen's top-left, so a pixel's colour names where on the screen it is.
TILE_BLUE = 90


def tile_color(x, y):
    return (x % 256, y % 256, TILE_BLUE)


def write_tile(path):
    harness.write_png(path, [[tile_color(x, y) for x in range(256)] for y in range(256)])


# A window of one colour over the background on X11: ImageMagick's display, at a known place.
BLOCK = (10, 200, 30)
BLOCK_AT = (300, 10)  # its outer corner; a border of a few pixels lies inside
BLOCK_SIZE = (80, 50)


def show_background(s):
    """The root window tiled with the pattern."""
    tile = os.path.join(s.tmp, "tile.png")
    write_tile(tile)
    # display ends with status 1 even when it has set the background: the screen tells.
    subprocess.run(["display", "-window", "root", tile], env=s.env, capture_output=True, timeout=10)
    s.wait_for(lambda: s.screen_pixels(300, 7, 1, 1)[0][0], "the background", expect=tile_color(300, 7))


def case_screen_x11(c):
    """On X11 the Screen command (Ctrl+Shift+V) hides the window, captures the root window with
    the windows stacked on it, and shows the capture as the picture: the read-out names the
    background's pixels where our own window stood, and the other window's colour."""
    s = c.s
    show_background(s)
    block = os.path.join(s.tmp, "block.png")
    harness.write_png(block, [[BLOCK] * BLOCK_SIZE[0]] * BLOCK_SIZE[1])
    s._spawn("display", ["display", "-geometry", "+%d+%d" % BLOCK_AT, "-title", "block", block])
    s.wait_for(lambda: s.xdotool("search", "--name", "^block$", check=False).split(),
               "the other window")
    c.start()
    # Our window stands over the screen's top-left corner, which the capture shows first.
    x, y, _, _ = s.extents(s.frame)
    if x > 20 or y > 20:
        raise E2EFailure("the window does not cover the screen's corner: it is at %r" % ((x, y),))

    s.keys("ctrl+shift+v")
    s.wait_for(s.title, "the title after Ctrl+Shift+V", expect="Screen capture")
    c.ok("Ctrl+Shift+V titles the window 'Screen capture'")
    bx, by = BLOCK_AT
    w, h = BLOCK_SIZE
    for px, py, color, what in [
            (5, 20, tile_color(5, 20), "the background where our own window stood"),
            (x + 30, y + 40, tile_color(x + 30, y + 40), "the background under our own picture"),
            (bx - 4, by + 25, tile_color(bx - 4, by + 25), "the background beside the other window"),
            (bx + w // 2, by + h // 2, BLOCK, "the other window")]:
        c.expect_readout_at(px, py, color)
        c.ok("the read-out at screen pixel %r names %s (%s)" % ((px, py), what, web(color)))

    # A pick takes the captured pixel into the list, as on any picture.
    sx, sy = s.screen_point(bx + w // 2, by + h // 2)
    s.click(sx, sy)
    s.wait_for(lambda: s.grid_row(0)[0], "the pick", expect=web(BLOCK))
    c.ok("a click on the capture picks %s" % web(BLOCK))
    s.exit_program()
    c.ok("Exit ends the program with code 0")


def case_screen_without_shm(c):
    """On an X server without shared memory (MIT-SHM turned off, as over a network) the Screen
    command reads the screen through the connection: the capture shows, where our window stood."""
    s = c.s
    show_background(s)
    c.start()
    s.keys("ctrl+shift+v")
    s.wait_for(s.title, "the title after Ctrl+Shift+V", expect="Screen capture")
    c.expect_readout_at(5, 20, tile_color(5, 20))
    c.ok("without MIT-SHM, Ctrl+Shift+V captures the screen: the read-out names the background")
    s.exit_program()


case_screen_without_shm.xvfb_args = ["-extension", "MIT-SHM"]


# ---------------------------------------------------------------------------------------------
# Wayland: sway on its headless backend with one virtual output, its screenshot portal
# (xdg-desktop-portal with the wlroots and GTK back ends, the former asking PipeWire at start)
# on the session's private bus, wl-copy for the clipboard and wtype for the keyboard.

SWAY_OUTPUT = (1024, 768)
# How long the program waits for the screenshot portal's answer (PortalCapture.cpp), and a little.
PORTAL_ALLOWANCE = 125


class Sway:
    """A sway session in the harness's session: start(), then the session's close() ends it."""

    def __init__(self, session):
        self.s = session
        self.root = os.path.join(session.tmp, "sway")
        self.runtime = os.path.join(self.root, "runtime")
        self.socket = None

    def start(self, background, outputs=((SWAY_OUTPUT[0], SWAY_OUTPUT[1], 0, 0, 1),)):
        """outputs: (width, height, x, y, scale) of each, HEADLESS-1 first; a scale above 1
        makes the output's logical size its pixels' divided by it."""
        s = self.s
        os.makedirs(self.runtime)
        config = os.path.join(self.root, "config")
        with open(config, "w") as f:
            for n, (w, h, x, y, scale) in enumerate(outputs):
                f.write("output HEADLESS-%d resolution %dx%d position %d %d scale %s bg %s tile\n"
                        % (n + 1, w, h, x, y, scale, background))
            f.write("xwayland disable\ndefault_border none\ndefault_floating_border none\n")
        env = {k: v for k, v in s.env.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        env.update(XDG_RUNTIME_DIR=self.runtime, HOME=self.runtime, WLR_BACKENDS="headless",
                   WLR_HEADLESS_OUTPUTS=str(len(outputs)), WLR_LIBINPUT_NO_DEVICES="1",
                   WLR_RENDERER="pixman")
        argv = ["sway", "-c", config]
        if os.geteuid() == 0:
            # sway refuses to run as root: it runs as nobody, in folders that user can reach.
            nobody = pwd.getpwnam("nobody")
            os.chmod(s.tmp, 0o711)
            os.chmod(self.root, 0o755)
            for name in (config, background):
                os.chmod(name, 0o644)
            os.chown(self.runtime, nobody.pw_uid, nobody.pw_gid)
            argv = ["setpriv", "--reuid=%d" % nobody.pw_uid, "--regid=%d" % nobody.pw_gid,
                    "--clear-groups"] + argv
        os.chmod(self.runtime, 0o700)
        s._spawn("sway", argv, env=env)

        def socket():
            names = [n for n in os.listdir(self.runtime)
                     if n.startswith("wayland-") and not n.endswith(".lock")]
            return os.path.join(self.runtime, names[0]) if names else None
        # Clients find the compositor by the socket's full path: their own runtime folder stays.
        self.socket = s.wait_for(socket, "sway's Wayland socket")
        s.env["WAYLAND_DISPLAY"] = self.socket
        s.env["XDG_CURRENT_DESKTOP"] = "sway"

        # The screenshot portal's back end gives up at start without PipeWire.
        s._spawn("pipewire", ["pipewire"])
        s.wait_for(lambda: os.path.exists(os.path.join(s.env["XDG_RUNTIME_DIR"], "pipewire-0")),
                   "PipeWire's socket")
        # The portals the bus starts on demand find the compositor and know the desktop.
        r = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.UpdateActivationEnvironment",
             "dict:string:string:WAYLAND_DISPLAY,%s,XDG_CURRENT_DESKTOP,sway" % self.socket],
            env=s.env, capture_output=True, text=True, timeout=10)
        if r.returncode != 0:
            raise E2EFailure("the bus's activation environment: %s" % r.stderr)

    def watch_portal_answers(self):
        """Records the screenshot portal's answers as they pass on the session's bus; returns
        a probe for the file named by the latest, None until there is one."""
        s = self.s
        log = os.path.join(s.tmp, "portal-answers.log")
        s._spawn("portal-answers", ["dbus-monitor", "--session", "type='signal',"
                                    "interface='org.freedesktop.portal.Request',member='Response'"])

        def text():
            with open(log, errors="replace") as f:
                return f.read()
        # A monitor loses its name on the bus once it watches.
        s.wait_for(lambda: "member=NameLost" in text(), "dbus-monitor to watch the bus")

        def named_file():
            uris = re.findall(r'string "uri"\s+variant\s+string "([^"]*)"', text())
            if not uris:
                return None
            uri = urllib.parse.urlparse(uris[-1])
            if uri.scheme != "file":
                raise E2EFailure("the portal's answer names %s, not a local file" % uris[-1])
            return urllib.parse.unquote(uri.path)
        return named_file

    def keys(self, *args):
        """Presses keys on the focused window through a virtual keyboard. The keyboard appears
        to the program as a new device: the first key waits until it has been taken in."""
        r = subprocess.run(["wtype", "-s", "250"] + list(args), env=self.s.env,
                           capture_output=True, text=True, timeout=10)
        if r.returncode != 0:
            raise E2EFailure("wtype %s failed: %s" % (" ".join(args), r.stderr.strip()))

    def copy_picture(self, path):
        """A wl-copy that serves the picture as the clipboard until it is ended."""
        owner = self.s._spawn("wl-copy", ["sh", "-c", 'exec wl-copy --foreground --type image/png < "$0"',
                                          path])
        self.s.wait_for(lambda: "image/png" in subprocess.run(
            ["wl-paste", "--list-types"], env=self.s.env, capture_output=True, text=True,
            timeout=5).stdout.split(), "the Wayland clipboard to offer image/png")
        if owner.poll() is not None:
            raise E2EFailure("wl-copy quit early:\n" + self.s.log_tail("wl-copy"))


def step_readout(c, sway, key):
    """Presses an arrow key and returns the read-out's colour once it has changed."""
    s = c.s
    box = s.readout()
    before = s.text_of(box) if s.is_showing(box) else None
    sway.keys("-k", key)
    text = s.wait_for(lambda: s.text_of(box) if s.is_showing(box) and s.text_of(box) != before
                      else None, "the read-out after %s" % key)
    color = parse_web(text)
    if color is None:
        raise E2EFailure("the read-out shows %r" % text)
    return color


# The picture pasted on Wayland: pixel (x, y) is (200, 4x, 4y).
PASTE_W, PASTE_H = 48, 40


def paste_color(x, y):
    return (200, 4 * x, 4 * y)


def case_sway(c):
    """On a wlroots desktop with a seat (sway): the window shows; a PNG put on the clipboard with
    wl-copy is pasted with Ctrl+V; Ctrl+Shift+V captures the screen through the desktop's
    screenshot portal, without our window, and the read-out names the background's pixels; the
    file the portal's answer named is gone afterwards; Exit writes the settings and keeps the
    remembered Left and Top. There is no pointer: the arrow keys step the read-out's point."""
    s = c.s
    for tool in ("sway", "pipewire", "wl-copy", "wtype", "grim"):
        if shutil.which(tool) is None:
            raise E2EFailure("%s is missing (scripts/bootstrap.sh installs it)" % tool)
    tile = os.path.join(s.tmp, "tile.png")
    write_tile(tile)
    sway = Sway(s)
    sway.start(tile)
    picture = os.path.join(s.tmp, "paste.png")
    harness.write_png(picture, [[paste_color(x, y) for x in range(PASTE_W)] for y in range(PASTE_H)])
    sway.copy_picture(picture)

    remembered = {"Left": "1500", "Top": "750", "Width": "12000", "Height": "4500", "Tags": "1",
                  "Average": "0"}
    write_settings(s, remembered)
    env = dict(s.env, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    env.pop("DISPLAY")
    s.program = s._spawn("huemark", [s.binary], env=env, cwd=s.tmp)
    s.app = s.wait_for(s._find_app, "the program on the accessibility bus")
    s.app.set_cache_mask(s.Atspi.Cache.NONE)
    s.frame = s.wait_for(lambda: s.top_level("frame"), "the main window in the tree")
    s.wait_for(lambda: s.find(harness.PICTURE, showing=True), "the picture to be shown")
    c.ok("the window shows on sway, titled %r" % s.title())

    sway.keys("-M", "ctrl", "-k", "v", "-m", "ctrl")
    s.wait_for(s.title, "the title after Ctrl+V", expect="Pasted from clipboard")
    # The first step puts the read-out's point on the picture; where depends on where the
    # desktop last saw a pointer, so each later step is checked against the one before.
    x0, y0 = [v // 4 for v in step_readout(c, sway, "Right")[1:]]
    if step_readout(c, sway, "Right") != paste_color(x0 + 1, y0):
        raise E2EFailure("the read-out does not follow Right from %r" % ((x0, y0),))
    if step_readout(c, sway, "Down") != paste_color(x0 + 1, y0 + 1):
        raise E2EFailure("the read-out does not follow Down from %r" % ((x0 + 1, y0),))
    c.ok("Ctrl+V pastes wl-copy's PNG: the read-out names its pixels from (%d, %d) on" % (x0, y0))

    portal_file = sway.watch_portal_answers()
    # The portal is started by its first call, with its back ends, and the program gives it
    # PORTAL_ALLOWANCE seconds: so does the test (a loaded machine was seen to take over 25 s).
    asked = time.monotonic()
    sway.keys("-M", "ctrl", "-M", "shift", "-k", "v", "-m", "shift", "-m", "ctrl")
    s.wait_for(s.title, "the title after Ctrl+Shift+V", expect="Screen capture",
               timeout=PORTAL_ALLOWANCE)
    c.ok("Ctrl+Shift+V captures the screen through the portal in %.1f s, titled 'Screen capture'"
         % (time.monotonic() - asked))
    first = step_readout(c, sway, "Right")
    if first[2] != TILE_BLUE:
        raise E2EFailure("the capture shows %s, not the background, at the read-out's point" %
                         web(first))
    x, y = first[0], first[1]
    for key, (dx, dy) in [("Right", (1, 0)), ("Down", (1, 1)), ("Left", (0, 1))]:
        seen = step_readout(c, sway, key)
        if seen != tile_color(x + dx, y + dy):
            raise E2EFailure("after %s the read-out shows %s, expected %s" % (
                key, web(seen), web(tile_color(x + dx, y + dy))))
    c.ok("the read-out names the screen's own pixels (%s on), our window not among them" %
         web(first))
    out = s.wait_for(portal_file, "the portal's answer on the session's bus")
    if os.path.exists(out):
        raise E2EFailure("the portal's file %s is still there" % out)
    c.ok("the portal's file %s was read and deleted" % out)

    button = s.require(harness.EXIT_BUTTON)
    s.Atspi.Action.do_action(button, 0)
    harness.wait_program_end(s, "Exit")
    # sway tiles the window over the whole output; where it stands, a Wayland client never
    # learns, so the remembered place stays.
    expected = dict(remembered, Width=str(SWAY_OUTPUT[0] * 15), Height=str(SWAY_OUTPUT[1] * 15))
    harness.expect_written_at_exit(s, expected)
    c.ok("Exit writes the eight settings, the size sway gave and the remembered Left and Top")


CASES = {"screen": case_screen_x11, "screen-noshm": case_screen_without_shm, "sway": case_sway}
