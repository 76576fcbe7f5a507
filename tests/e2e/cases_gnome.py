"""End-to-end case on a headless GNOME Shell session (Wayland, one virtual monitor) with its
screenshot portal: the first capture explains itself before GNOME asks, with the window still
shown; Allow lets the capture through; Deny is said as a refusal and Huemark offers to have the
desktop ask again; a question left unanswered is said after half a minute; `huemark --pick` picks
a pixel with the arrow keys, its surfaces carrying the application's id."""

import json
import os
import shutil
import subprocess
import time

import cases_languages
import harness
from harness import E2EFailure, web

MONITOR = (1920, 1080)
# How long the program waits for the desktop's question to be answered, and a little.
QUESTION_ALLOWANCE = 45
# The portal and its back end are started by the first call.
PORTAL_ALLOWANCE = 125
STORE = ("org.freedesktop.impl.portal.PermissionStore",
         "/org/freedesktop/impl/portal/PermissionStore")

SYSTEM_BUS = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:path=%s</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/>
<allow user="*"/></policy>
</busconfig>
"""


class Gnome:
    """gnome-shell on its headless back end, on the harness's session bus and a system bus of
    its own (gnome-shell 43 needs one); input through Mutter's remote desktop, pictures through
    GNOME Shell's own screenshot service."""

    def __init__(self, session):
        self.s = session
        self.root = os.path.join(session.tmp, "gnome")
        self.runtime = os.path.join(self.root, "runtime")
        self.remote = None

    def start(self):
        s = self.s
        os.makedirs(self.runtime, mode=0o700)
        system = os.path.join(self.root, "system-bus")
        config = os.path.join(self.root, "system.conf")
        with open(config, "w") as f:
            f.write(SYSTEM_BUS % system)
        s._spawn("system-bus", ["dbus-daemon", "--nofork", "--config-file=" + config])
        s.wait_for(lambda: os.path.exists(system), "the private system bus")
        s.env["DBUS_SYSTEM_BUS_ADDRESS"] = "unix:path=" + system
        env = {k: v for k, v in s.env.items() if k != "DISPLAY"}
        env.update(XDG_RUNTIME_DIR=self.runtime, XDG_CURRENT_DESKTOP="GNOME",
                   XDG_SESSION_TYPE="wayland")
        socket = os.path.join(self.runtime, "wayland-0")
        from gi.repository import Gio
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        # A start was once seen to hang (no answer on the bus for a minute, on a loaded
        # machine): the shell gets a second start before the case gives up on it.
        for attempt in (1, 2):
            shell = s._spawn("gnome-shell", ["gnome-shell", "--headless", "--wayland", "--no-x11",
                                             "--virtual-monitor", "%dx%d" % MONITOR], env=env)
            try:
                s.wait_for(lambda: os.path.exists(socket), "GNOME Shell's Wayland socket",
                           timeout=40)
                self.activation_environment(socket)
                self.remote = s.wait_for(lambda: self.call(
                    "org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                    "org.gnome.Mutter.RemoteDesktop", "CreateSession", timeout=5000)[0],
                    "Mutter's remote desktop", timeout=40)
                break
            except E2EFailure as e:
                if attempt == 2:
                    raise
                print("# GNOME Shell did not start (%s): once more" % e, flush=True)
                s._end(shell)
                for name in ("wayland-0", "wayland-0.lock"):
                    if os.path.exists(os.path.join(self.runtime, name)):
                        os.remove(os.path.join(self.runtime, name))
        s.env.update(WAYLAND_DISPLAY=socket, XDG_CURRENT_DESKTOP="GNOME")
        self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                  "org.gnome.Mutter.RemoteDesktop.Session", "Start")
        # Each device's first event is lost: a harmless one first. Then out of the overview
        # that a new session starts in.
        self.keys("Shift_L")
        time.sleep(0.3)
        self.leave_overview()
        # GNOME Shell lends its screenshots to the owner of this name.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", "(su)", ("org.gnome.Screenshot", 4))

    def overview_shown(self):
        return self.call("org.gnome.Shell", "/org/gnome/Shell", "org.freedesktop.DBus.Properties",
                         "Get", "(ss)", ("org.gnome.Shell", "OverviewActive"))[0]

    def leave_overview(self):
        """Out of the overview, where a window that maps does not get the keyboard. An Escape
        sent while the shell is still starting up goes unheard: it is sent until the shell says
        the overview is gone."""
        def gone():
            if not self.overview_shown():
                return True
            self.keys("Escape")
            time.sleep(0.5)
            return not self.overview_shown()
        self.s.wait_for(gone, "GNOME Shell to leave the overview", timeout=30)

    def activation_environment(self, socket):
        """The portals the bus starts on demand find the compositor and know the desktop."""
        s = self.s
        r = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.UpdateActivationEnvironment",
             "dict:string:string:WAYLAND_DISPLAY,%s,XDG_CURRENT_DESKTOP,GNOME,"
             "DBUS_SYSTEM_BUS_ADDRESS,%s" % (socket, s.env["DBUS_SYSTEM_BUS_ADDRESS"])],
            env=s.env, capture_output=True, text=True, timeout=10)
        if r.returncode != 0:
            raise E2EFailure("the bus's activation environment: %s" % r.stderr)

    def call(self, dest, path, interface, method, signature=None, args=None, timeout=10000):
        from gi.repository import GLib
        return self.bus.call_sync(dest, path, interface, method,
                                  GLib.Variant(signature, args) if signature else None, None, 0,
                                  timeout, None).unpack()

    def keys(self, *chords):
        """Presses each chord ("ctrl+shift+v", "Return") on the focused window."""
        for chord in chords:
            syms = [keysym(k) for k in chord.split("+")]
            for down in (True, False):
                for sym in (syms if down else reversed(syms)):
                    self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                              "org.gnome.Mutter.RemoteDesktop.Session", "NotifyKeyboardKeysym",
                              "(ub)", (sym, down))
            time.sleep(0.15)

    def pointer(self, x, y):
        """Puts the pointer at (x, y): into the bottom left corner first, where it stops (the
        top left one opens the overview)."""
        for dx, dy in ((-5000, 5000), (x, y - (MONITOR[1] - 1))):
            self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                      "org.gnome.Mutter.RemoteDesktop.Session", "NotifyPointerMotionRelative",
                      "(dd)", (float(dx), float(dy)))
            time.sleep(0.2)

    def click(self):
        for down in (True, False):
            self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                      "org.gnome.Mutter.RemoteDesktop.Session", "NotifyPointerButton", "(ib)",
                      (0x110, down))  # BTN_LEFT
        time.sleep(0.2)

    def screenshot(self, path):
        ok, _ = self.call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                          "org.gnome.Shell.Screenshot", "Screenshot", "(bbs)",
                          (False, False, path))
        if not ok:
            raise E2EFailure("GNOME Shell took no screenshot")
        return path

    def permission(self):
        """What the permission store keeps for screenshots: {app id: [answers]}."""
        try:
            return self.call(STORE[0], STORE[1], STORE[0], "Lookup", "(ss)",
                             ("screenshot", "screenshot"))[0]
        except Exception as e:
            if "NotFound" in str(e):
                return {}
            raise

    def forget_permission(self):
        if "" in self.permission():
            self.call(STORE[0], STORE[1], STORE[0], "DeletePermission", "(sss)",
                      ("screenshot", "screenshot", ""))


KEYSYMS = {"ctrl": 0xffe3, "shift": 0xffe1, "Shift_L": 0xffe1, "Return": 0xff0d,
           "Escape": 0xff1b, "Right": 0xff53, "Left": 0xff51, "Down": 0xff54, "Up": 0xff52,
           "Tab": 0xff09}


def keysym(name):
    return KEYSYMS.get(name) or ord(name)


def png_rows(path):
    """The pixels of a PNG as rows of (r, g, b), through ImageMagick."""
    out = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True, timeout=60).stdout
    w, h = MONITOR
    return [[tuple(out[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)]
            for y in range(h)]


def whole(path):
    """The pixels of a PNG, as bytes."""
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"],
                          capture_output=True, check=True, timeout=60).stdout


def start_wayland_window(s):
    """Starts the window on the session's Wayland desktop, read through the accessibility tree,
    and gives the environment it runs in."""
    env = dict(s.env, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    env.pop("DISPLAY")
    s.program = s._spawn("huemark", [s.binary], env=env, cwd=s.tmp)
    s.app = s.wait_for(s._find_app, "the program on the accessibility bus", timeout=60)
    s.app.set_cache_mask(s.Atspi.Cache.NONE)
    s.frame = s.wait_for(lambda: s.top_level("frame"), "the main window in the tree")
    s.wait_for(lambda: s.find(harness.PICTURE, showing=True), "the picture to be shown")
    return env


def message_saying(s, containing, timeout=harness.DEFAULT_TIMEOUT, keyboard=True):
    """Waits for a message box of the program's that says containing (and has the keyboard,
    where keyboard), and gives the texts in it that say it."""
    def look():
        for window in s.children(s.app):
            if s.is_showing(window) and window.get_name() == "Huemark":
                texts = [window.get_name()]
                todo = list(s.children(window))
                while todo:
                    acc = todo.pop()
                    texts.append(acc.get_name() or "")
                    todo.extend(s.children(acc))
                if any(containing in t for t in texts) and (is_active(s, window) or not keyboard):
                    return " ".join(t for t in texts if containing in t)
        return None
    return s.wait_for(look, "a message saying %r%s" % (
        containing, ", with the keyboard" if keyboard else ""), timeout=timeout)


def is_active(s, window):
    return window.get_state_set().contains(s.Atspi.StateType.ACTIVE)


def message_gone(s, containing):
    s.wait_for(lambda: not any(s.is_showing(w) and w.get_name() == "Huemark"
                               for w in s.children(s.app)),
               "the message %r to close" % containing)


def case_gnome(c):
    s = c.s
    for tool in ("gnome-shell", "convert"):
        if shutil.which(tool) is None:
            raise E2EFailure("%s is missing (scripts/bootstrap.sh installs it)" % tool)
    gnome = Gnome(s)
    gnome.start()
    s.screenshot = gnome.screenshot  # a failure's picture is GNOME's screen
    env = start_wayland_window(s)
    # The pointer has never been over the window: no read-out names a colour as if it were.
    time.sleep(1)
    if s.is_showing(s.readout()):
        raise E2EFailure("the read-out shows %r with the pointer away from the window" %
                         s.text_of(s.readout()))
    c.ok("the read-out stays hidden while the pointer has not come over the window")

    def message(containing, timeout=harness.DEFAULT_TIMEOUT, keyboard=True):
        return message_saying(s, containing, timeout, keyboard)

    def active(window):
        return is_active(s, window)

    def keys_to_window(*chords):
        """Keys for the main window, once it has the keyboard again (a window shown anew
        gets it a moment later)."""
        def ready():
            # The shell shows its overview once it has started up, which may come after the
            # window: out of it, the window has the keyboard.
            if gnome.overview_shown():
                gnome.keys("Escape")
                time.sleep(0.5)
            return active(s.frame)
        s.wait_for(ready, "the main window to have the keyboard")
        gnome.keys(*chords)

    def gone(containing):
        message_gone(s, containing)

    # The first capture: Huemark says what comes, the window stays while GNOME asks.
    keys_to_window("ctrl+shift+v")
    said = message("ask once", timeout=PORTAL_ALLOWANCE)
    gnome.keys("Return")
    gone("ask once")
    time.sleep(1.5)
    if not s.is_showing(s.frame) or gnome.permission():
        raise E2EFailure("while GNOME asks, the window shows: %s, the store keeps %r" % (
            s.is_showing(s.frame), gnome.permission()))
    gnome.screenshot(os.path.join(s.tmp, "asked.png"))
    gnome.keys("Right", "Return")  # Allow
    s.wait_for(s.title, "the title after Allow", expect="Screen capture", timeout=PORTAL_ALLOWANCE)
    if gnome.permission().get("") != ["yes"]:
        raise E2EFailure("after Allow the store keeps %r" % gnome.permission())
    c.ok("the first capture is announced (%r), GNOME asks with the window shown, Allow captures"
         % said)

    # Deny: said as a refusal; the next try offers to have the desktop ask again.
    gnome.forget_permission()
    keys_to_window("ctrl+shift+v")
    message("ask once")
    gnome.keys("Return")
    gone("ask once")
    time.sleep(1.5)
    gnome.keys("Return")  # Deny, GNOME's default
    said = message("refuses Huemark screenshots", timeout=PORTAL_ALLOWANCE)
    gnome.keys("Return")
    gone("refuses")
    if gnome.permission().get("") != ["no"]:
        raise E2EFailure("after Deny the store keeps %r" % gnome.permission())
    keys_to_window("ctrl+shift+v")
    message("Shall the desktop ask again?")
    gnome.keys("Return")  # No
    gone("ask again")
    if gnome.permission().get("") != ["no"]:
        raise E2EFailure("No to asking again changed the store: %r" % gnome.permission())
    c.ok("Deny is said as one (%r); the next capture offers to have GNOME ask again" % said)

    # No answer at all: said after half a minute, not two.
    gnome.forget_permission()
    asked = time.monotonic()
    keys_to_window("ctrl+shift+v")
    message("ask once")
    gnome.keys("Return")
    said = message("went unanswered", timeout=QUESTION_ALLOWANCE, keyboard=False)
    waited = time.monotonic() - asked
    # GNOME's question stays on the screen (portals before 1.17 forget it): it goes first.
    gnome.keys("Escape")
    message("went unanswered")
    gnome.keys("Return")
    gone("unanswered")
    c.ok("a question left unanswered is said after %.0f s: %r" % (waited, said))

    # huemark --pick: the pointer's pixel, then arrow steps, at the screen's own pixels.
    gnome.call(STORE[0], STORE[1], STORE[0], "SetPermission", "(sbssas)",
               ("screenshot", True, "screenshot", "", ["yes"]))
    truth = png_rows(gnome.screenshot(os.path.join(s.tmp, "before-pick.png")))
    pick = subprocess.Popen([s.binary, "--pick", "--format", "json"], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL)
    s.procs.append(("pick", pick))
    before = whole(os.path.join(s.tmp, "before-pick.png"))
    # The loupe stands at the pointer (in the middle of the screen until GNOME says where that is).
    s.wait_for(lambda: whole(gnome.screenshot(os.path.join(s.tmp, "picking.png"))) != before,
               "the loupe on GNOME's screen", timeout=PORTAL_ALLOWANCE)
    time.sleep(1)  # the desktop gives the frozen screen the keyboard a moment after it shows
    gnome.keys("shift+Right", "shift+Right", "shift+Down", "Right", "Down", "Return")
    out, err = pick.communicate(timeout=30)
    if pick.returncode != 0:
        raise E2EFailure("huemark --pick: exit code %d, %r" % (pick.returncode, err.decode()))
    got = json.loads(out)
    expected = web(truth[got["y"]][got["x"]])
    if got["code"] != expected:
        raise E2EFailure("huemark --pick gave %r; GNOME's screenshot holds %s there" % (
            got, expected))
    c.ok("huemark --pick on GNOME picks %s at %r with the arrow keys" % (
        got["code"], (got["x"], got["y"])))

    # Screenshots refused: GNOME's own colour picker picks the pixel clicked, and it is said
    # that the loupe needs the permission.
    gnome.call(STORE[0], STORE[1], STORE[0], "SetPermission", "(sbssas)",
               ("screenshot", True, "screenshot", "", ["no"]))
    gnome.pointer(100, 300)
    truth = png_rows(gnome.screenshot(os.path.join(s.tmp, "before-picker.png")))
    pick = subprocess.Popen([s.binary, "--pick", "--format", "json"], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL)
    s.procs.append(("picker", pick))
    time.sleep(3)  # GNOME's picker takes the pointer (nothing of ours shows to wait for)
    gnome.click()
    out, err = pick.communicate(timeout=30)
    got = json.loads(out or b"{}")
    if pick.returncode != 0 or got.get("code") != web(truth[300][100]) or got.get("x") is not None:
        raise E2EFailure("with screenshots refused, --pick gave %r (exit %d, %r); %s is there" % (
            got, pick.returncode, err.decode(), web(truth[300][100])))
    if "no loupe" not in err.decode():
        raise E2EFailure("--pick by GNOME's picker does not say the loupe is missing: %r" %
                         err.decode())
    c.ok("screenshots refused, --pick hands over to GNOME's colour picker: %s, and says %r" % (
        got["code"], err.decode().strip()))

    # The window in German says the same in German (the refusal is still kept).
    s.Atspi.Action.do_action(s.require(harness.EXIT_BUTTON), 0)
    harness.wait_program_end(s, "Exit")
    german = cases_languages.translated
    s.program = s._spawn("huemark-de", [s.binary], env=dict(env, LANGUAGE="de",
                                                             LC_ALL="de_DE.UTF-8"), cwd=s.tmp)
    s.app = s.wait_for(s._find_app, "the German window on the accessibility bus", timeout=60)
    s.app.set_cache_mask(s.Atspi.Cache.NONE)
    s.frame = s.wait_for(lambda: s.top_level("frame"), "the German window in the tree")
    gnome.leave_overview()  # GNOME shows the overview once no window is left
    keys_to_window("ctrl+shift+v")
    offer = german("de", "ScreenCapture",
                   "The desktop refuses Huemark screenshots: Deny was chosen when it asked.")
    said = message(offer)
    gnome.keys("Return")  # Nein
    gone(offer)
    c.ok("the German window says the refusal in German: %r" % said)


CASES = {"gnome": case_gnome}
