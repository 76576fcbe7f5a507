"""End-to-end case of the instance in the background on Xvfb with a window manager and a private
session bus: one instance however often it is started, its tray entry registered with a watcher
of the test's own, the shortcut picking onto the clipboard and into the history with a click
pressed right after it, `huemark --pick` answered by it, a second pick refused while one runs, and
SIGTERM during a gesture leaving no window and no bus name behind."""

import json
import os
import signal
import subprocess
import sys
import time

import harness
from harness import E2EFailure, web

NAME = "example.huemark.Huemark"


def pattern(x, y):
    """Unique within 256 x 256 tiles, so a pick one pixel off reads differently."""
    return (x % 256, y % 256, 90 if (x + y) % 2 == 0 else 170)


def bus_names(s):
    r = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                        "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"], env=s.env,
                       capture_output=True, text=True, timeout=10)
    return r.stdout


def surfaces_of(s, pid):
    """The visible windows of the process."""
    ids = s.xdotool("search", "--onlyvisible", "--pid", str(pid), check=False).split()
    return ids


def clipboard(s):
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=s.env,
                          capture_output=True, text=True, timeout=5).stdout


def history(s, *args):
    r = subprocess.run([s.binary, "history"] + list(args), env=s.env, capture_output=True,
                       text=True, timeout=20)
    return r.returncode, r.stdout, r.stderr


def case_background(c):
    s = c.s
    harness.start_window_manager(s)
    env = dict(s.env, QT_QPA_PLATFORM="xcb", XDG_DATA_HOME=os.path.join(s.tmp, "data"))
    s.env = env
    tile = os.path.join(s.tmp, "tile.png")
    harness.write_png(tile, [[pattern(x, y) for x in range(256)] for y in range(256)])
    subprocess.run(["display", "-window", "root", tile], env=env, capture_output=True, timeout=10)
    s.wait_for(lambda: s.screen_pixels(700, 500, 1, 1)[0][0], "the background",
               expect=pattern(700, 500))

    # The tray's watcher first, as a desktop has it before any program starts.
    items = os.path.join(s.tmp, "tray-items")
    watcher = s._spawn("watcher", [sys.executable, os.path.join(os.path.dirname(__file__),
                                                                 "tray_watcher.py"), items],
                       stdout=subprocess.PIPE)
    if watcher.stdout.readline().decode().strip() != "ready":
        raise E2EFailure("the tray's watcher did not start:\n" + s.log_tail("watcher"))

    instance = s._spawn("huemark", [s.binary, "--background"])
    s.program = instance
    s.wait_for(lambda: NAME in bus_names(s), "the instance's name on the bus")
    second = subprocess.run([s.binary, "--background"], env=env, capture_output=True, text=True,
                            timeout=20)
    if second.returncode != 0 or instance.poll() is not None:
        raise E2EFailure("a second --background: exit code %d (%r); the first %s" % (
            second.returncode, second.stderr, "ended" if instance.poll() is not None else "runs"))
    c.ok("a second --background finds the first and exits 0; one instance owns %s" % NAME)
    item = s.wait_for(lambda: open(items).read().strip() if os.path.exists(items) else "",
                      "the tray entry registered with the watcher")
    c.ok("its tray entry registered with the desktop's watcher as %s" % item.split()[0])

    # The shortcut, and a click pressed at once, before the loupe can have been drawn.
    at = (613, 419)
    s.move_pointer(*at)
    s.xdotool("key", "super+shift+c", "click", "1")
    s.wait_for(lambda: clipboard(s), "the pick on the clipboard", expect=web(pattern(*at)))
    rc, out, err = s.wait_for(lambda: (lambda r: r if r[1] else None)(history(s, "-n", "1")),
                              "the pick in the history")
    if (rc, out) != (0, web(pattern(*at)) + "\n"):
        raise E2EFailure("huemark history -n 1: exit code %d, %r (%r)" % (rc, out, err))
    c.ok("Super+Shift+C and a click right after it pick %s onto the clipboard and into the "
         "history" % out.strip())

    # `--pick` through the instance: its windows are the instance's.
    pick = subprocess.Popen([s.binary, "--pick", "--no-copy", "--format", "json"], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL)
    s.wait_for(lambda: surfaces_of(s, instance.pid), "the instance's frozen screen")
    if surfaces_of(s, pick.pid):
        raise E2EFailure("huemark --pick showed windows of its own beside the instance's")
    # A second pick while this one runs is refused, in one line.
    refused = subprocess.run([s.binary, "--pick"], env=env, capture_output=True, text=True,
                             timeout=20)
    if refused.returncode != 2 or refused.stdout or len(refused.stderr.splitlines()) != 1:
        raise E2EFailure("a second pick: exit code %d, %r, %r" % (
            refused.returncode, refused.stdout, refused.stderr))
    c.ok("a second pick while one runs: exit code 2, %r" % refused.stderr.strip())
    at = (1001, 37)
    s.xdotool("mousemove", "--sync", str(at[0]), str(at[1]))
    time.sleep(0.2)
    s.xdotool("key", "Return")
    out, err = pick.communicate(timeout=20)
    picked = json.loads(out.decode() or "{}")
    if pick.returncode != 0 or picked.get("code") != web(pattern(*at)) or \
            (picked.get("x"), picked.get("y")) != at:
        raise E2EFailure("--pick through the instance: exit code %d, %r, %r" % (
            pick.returncode, out, err))
    c.ok("huemark --pick --format json is answered by the instance: %s at %r" % (
        picked["code"], at))

    # A --pick that ends during its gesture takes the gesture with it.
    pick = subprocess.Popen([s.binary, "--pick"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
    s.wait_for(lambda: surfaces_of(s, instance.pid), "the gesture for --pick")
    pick.send_signal(signal.SIGINT)
    pick.wait(timeout=10)
    s.wait_for(lambda: not surfaces_of(s, instance.pid), "the gesture given up with its caller")
    c.ok("a --pick ended during its gesture (SIGINT) takes the instance's gesture with it")

    # SIGTERM during a gesture: it ends with 0, its windows and its name gone.
    s.xdotool("key", "super+shift+c")
    s.wait_for(lambda: surfaces_of(s, instance.pid), "the gesture on the shortcut")
    instance.send_signal(signal.SIGTERM)
    try:
        code = instance.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise E2EFailure("the instance did not end on SIGTERM")
    s.program = None
    if code != 0:
        raise E2EFailure("the instance ended on SIGTERM with exit code %d" % code)
    if s.xdotool("search", "--onlyvisible", "--class", "huemark", check=False).split():
        raise E2EFailure("a window of the gesture stayed after SIGTERM")
    s.wait_for(lambda: NAME not in bus_names(s), "the name released")
    c.ok("SIGTERM during the gesture: exit code 0, no window left, the name released")


CASES = {"background": case_background}


def case_background_wayland(c):
    """On sway, through a portal of the test's own: the instance asks it for Super+Shift+C, picks
    when the portal says the shortcut was pressed, and says so when the desktop binds none."""
    import cases_pick
    import cases_screen
    s = c.s
    tile = os.path.join(s.tmp, "tile.png")
    harness.write_png(tile, [[pattern(x, y) for x in range(256)] for y in range(256)])
    sway = cases_screen.Sway(s)
    sway.start(tile)
    truth_path = os.path.join(s.tmp, "truth.png")

    def drawn():
        if subprocess.run(["grim", truth_path], env=s.env, capture_output=True,
                          timeout=10).returncode != 0:
            return None
        rows = cases_pick.read_png_pixels(truth_path)
        return rows if rows[10][10] != (0x3F, 0x3F, 0x3F) else None
    truth = s.wait_for(drawn, "the background drawn")

    env = dict(s.env, QT_QPA_PLATFORM="wayland", XDG_DATA_HOME=os.path.join(s.tmp, "data"))
    env.pop("DISPLAY", None)
    s.env = env
    calls = os.path.join(s.tmp, "portal-calls")

    def start_portal(mode):
        portal = s._spawn("portal-" + mode, [sys.executable, os.path.join(
            os.path.dirname(__file__), "fake_portal.py"), calls, mode], stdout=subprocess.PIPE)
        if portal.stdout.readline().decode().strip() != "ready":
            raise E2EFailure("the test's portal did not start:\n" + s.log_tail("portal-" + mode))
        return portal

    def logged():
        if not os.path.exists(calls):
            return []
        with open(calls) as f:
            return [json.loads(line) for line in f if line.strip()]

    portal = start_portal("bind")
    instance = s._spawn("huemark", [s.binary, "--background"])
    s.program = instance
    binds = s.wait_for(lambda: [e for e in logged() if e["call"] == "BindShortcuts"],
                       "the instance's request for a shortcut")
    shortcut = binds[0]["shortcuts"]
    if len(shortcut) != 1 or shortcut[0][1].get("preferred_trigger") != "LOGO+SHIFT+c":
        raise E2EFailure("the portal was asked for %r" % shortcut)
    c.ok("the instance asks the desktop's portal for %s" % shortcut[0][1]["preferred_trigger"])

    subprocess.run(["dbus-send", "--session", "--print-reply",
                    "--dest=org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                    "org.huemark.test.Portal.Press"], env=env, capture_output=True, timeout=10,
                   check=True)
    s.wait_for(lambda: [e for e in logged() if e["call"] == "Screenshot"],
               "the gesture's screenshot", timeout=cases_screen.PORTAL_ALLOWANCE)
    time.sleep(1.0)
    sway.keys("-k", "Return")

    def kept():
        rc, out, _err = history(s, "-n", "1", "--format", "json")
        return json.loads(out) if rc == 0 and out.strip() else None
    got = s.wait_for(kept, "the pick in the history")
    expected = web(truth[got["y"]][got["x"]])
    if got["web"] != expected:
        raise E2EFailure("the pick on the portal's shortcut is %r, the screen has %s there" % (
            got, expected))
    pasted = lambda: subprocess.run(["wl-paste", "-n"], env=env, capture_output=True, text=True,
                                    timeout=5).stdout
    s.wait_for(pasted, "the pick on the clipboard", expect=expected)
    c.ok("the portal's Activated picks %s at %r onto the clipboard and into the history" % (
        expected, (got["x"], got["y"])))

    # A desktop that binds nothing: the instance says what to do instead, and runs on.
    instance.send_signal(signal.SIGTERM)
    instance.wait(timeout=10)
    s.program = None
    portal.send_signal(signal.SIGTERM)
    portal.wait(timeout=10)
    s.wait_for(lambda: "org.freedesktop.portal.Desktop" not in bus_names(s), "the portal gone")
    start_portal("none")
    instance = s._spawn("huemark-none", [s.binary, "--background"])
    s.program = instance
    said = s.wait_for(lambda: "huemark --pick" in s.log_tail("huemark-none") and
                      s.log_tail("huemark-none"), "the instance's word on a shortcut refused")
    if instance.poll() is not None or len(said.strip().splitlines()) != 1:
        raise E2EFailure("with no shortcut bound: %r, the instance %s" % (
            said, "ended" if instance.poll() is not None else "runs"))
    c.ok("a desktop that binds no shortcut: %r, and the instance runs on" % said.strip())


CASES["background-wayland"] = case_background_wayland
