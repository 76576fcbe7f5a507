"""End-to-end case of `huemark --pick` on two X11 monitors at different scales: the frozen screen
shows every device pixel where it was, and a pick by pointer or by arrow steps names the device
pixel under the pointer, on either monitor, whatever the scale factors."""

import os
import subprocess
import time

import harness
from harness import E2EFailure, web

# The desktop: the primary monitor right of the other, so that one lies left of it.
LEFT = ("DUMMY1", 800, 600, 0, 0)
PRIMARY = ("DUMMY0", 1024, 768, 800, 0)
DESKTOP = (1824, 768)
# (primary, left) scale factors.
SCALES = [(2, 1), (1.5, 1), (1.75, 1.25)]


def pattern(x, y):
    """The background: unique within 256 x 256 tiles, with a one-pixel checkerboard in blue, so
    that a pixel off by one in any direction reads differently."""
    return (x % 256, y % 256, 90 if (x + y) % 2 == 0 else 170)


def set_up_monitors(s):
    """The dummy driver's second output gets a mode; the two are placed side by side."""
    def xrandr(*args):
        subprocess.run(["xrandr"] + list(args), env=s.env, check=True, capture_output=True,
                       timeout=10)
    name, w, h, x, y = LEFT
    xrandr("--newmode", "left", "40", str(w), str(w + 40), str(w + 168), str(w + 256), str(h),
           str(h + 1), str(h + 5), str(h + 28))
    xrandr("--addmode", name, "left")
    xrandr("--output", name, "--mode", "left", "--pos", "%dx%d" % (x, y),
           "--output", PRIMARY[0], "--mode", "%dx%d" % PRIMARY[1:3],
           "--pos", "%dx%d" % PRIMARY[3:5], "--primary")
    monitors = subprocess.run(["xrandr", "--listmonitors"], env=s.env, capture_output=True,
                              text=True, timeout=10).stdout
    if "Monitors: 2" not in monitors:
        raise E2EFailure("the X server did not make two monitors:\n" + monitors)
    tile = os.path.join(s.tmp, "tile.png")
    harness.write_png(tile, [[pattern(x, y) for x in range(256)] for y in range(256)])
    subprocess.run(["display", "-window", "root", tile], env=s.env, capture_output=True,
                   timeout=10)
    s.wait_for(lambda: s.screen_pixels(1500, 700, 1, 1)[0][0], "the background",
               expect=pattern(1500, 700))


class Pick:
    """`huemark --pick ARGS` with the scale factors given, once its frozen screen shows."""

    def __init__(self, s, scales, args=()):
        self.s = s
        env = dict(s.env, QT_QPA_PLATFORM="xcb",
                   QT_SCREEN_SCALE_FACTORS="%s=%s;%s=%s" % (PRIMARY[0], scales[0], LEFT[0],
                                                             scales[1]))
        self.proc = subprocess.Popen([s.binary, "--pick"] + list(args), env=env,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                     stdin=subprocess.DEVNULL)
        s.procs.append(("pick", self.proc))
        # One window on each monitor, and the keyboard taken.
        s.wait_for(lambda: len(s.xdotool("search", "--onlyvisible", "--class", "huemark",
                                         check=False).split()) >= 2, "the frozen screen")
        time.sleep(0.3)

    def end(self):
        try:
            out, err = self.proc.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            raise E2EFailure("huemark --pick did not end after the pick")
        return self.proc.returncode, out.decode(), err.decode()


def expect_pick(c, rc_out_err, at, monitor, scale, what):
    import json
    rc, out, err = rc_out_err
    if rc != 0:
        raise E2EFailure("%s: exit code %d, output %r, errors %r" % (what, rc, out, err))
    pick = json.loads(out)
    x, y = at
    name, _w, _h, mx, my = monitor
    expected = {"code": web(pattern(x, y)), "x": x, "y": y, "monitor": name, "scale": scale,
                "monitorX": x - mx, "monitorY": y - my, "radius": 0, "deviceResolution": True}
    if pick != expected or not out.endswith("}\n"):
        raise E2EFailure("%s: printed %r, expected %r" % (what, out, expected))
    c.ok("%s: %s at %r on %s at scale %s" % (what, pick["code"], at, name, scale))


def case_pick(c):
    s = c.s
    set_up_monitors(s)
    for n, scales in enumerate(SCALES):
        # By the pointer and arrow steps on the primary monitor.
        pick = Pick(s, scales, ["--format", "json"])
        start = (1301, 333)
        s.move_pointer(*start)
        # What shows is the screen itself, device pixel for device pixel on both monitors, but
        # for the loupe beside the pointer.
        time.sleep(0.3)
        expect_frozen_screen(c, start, scales)
        s.xdotool("key", "Right", "Right", "Down", "shift+Right", "shift+Down", "Up")
        s.xdotool("key", "Return")
        expect_pick(c, pick.end(), (start[0] + 12, start[1] + 10), PRIMARY, scales[0],
                    "arrow steps and Enter on the primary monitor")

        # A click on the monitor left of the primary.
        pick = Pick(s, scales, ["--format", "json"])
        at = (417, 251 + n)
        s.move_pointer(*at)
        time.sleep(0.2)
        s.xdotool("click", "1")
        expect_pick(c, pick.end(), at, LEFT, scales[1], "a click on the monitor left of it")

    # The web code by default, on the clipboard after the program has ended.
    pick = Pick(s, SCALES[0])
    s.move_pointer(900, 100)
    time.sleep(0.2)
    s.xdotool("key", "Return")
    rc, out, err = pick.end()
    if (rc, out) != (0, web(pattern(900, 100)) + "\n"):
        raise E2EFailure("the default pick printed %r with exit code %d (%r)" % (out, rc, err))
    clip = lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=s.env,
                                  capture_output=True, text=True, timeout=5).stdout
    s.wait_for(clip, "the clipboard after the program ended", expect=web(pattern(900, 100)))
    c.ok("huemark --pick prints %s and leaves it on the clipboard once it has ended" % out.strip())

    # --no-copy leaves the clipboard alone; Escape cancels with exit code 1 and prints nothing.
    pick = Pick(s, SCALES[0], ["--no-copy", "--format", "rgb"])
    s.move_pointer(1000, 500)
    time.sleep(0.2)
    s.xdotool("key", "Return")
    rc, out, _err = pick.end()
    r, g, b = pattern(1000, 500)
    if (rc, out) != (0, "rgb(%d %d %d)\n" % (r, g, b)) or clip() != web(pattern(900, 100)):
        raise E2EFailure("--no-copy --format rgb: %r, exit code %d, clipboard %r" % (
            out, rc, clip()))
    c.ok("--format rgb prints %s; --no-copy leaves the clipboard as it was" % out.strip())
    pick = Pick(s, SCALES[0])
    s.xdotool("key", "Escape")
    rc, out, err = pick.end()
    if (rc, out) != (1, ""):
        raise E2EFailure("Escape: exit code %d, output %r, errors %r" % (rc, out, err))
    c.ok("Escape cancels: exit code 1, nothing printed")

    # No display: one line on standard error, exit code 2.
    env = {k: v for k, v in s.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    r = subprocess.run([s.binary, "--pick"], env=env, capture_output=True, text=True, timeout=10)
    if r.returncode != 2 or r.stdout or len(r.stderr.splitlines()) != 1:
        raise E2EFailure("without a display: exit code %d, output %r, errors %r" % (
            r.returncode, r.stdout, r.stderr))
    c.ok("without a display: exit code 2 and %r" % r.stderr.strip())


def expect_frozen_screen(c, pointer, scales):
    """Every pixel of the screen is the background's but near the pointer, where the loupe
    stands (at most 300 x 400 device pixels beside it)."""
    s = c.s
    w, h = DESKTOP
    rows = s.screen_pixels(0, 0, w, h)
    px, py = pointer
    wrong = [(x, y) for y in range(0, h) for x in range(0, w)
             if rows[y][x] != pattern(x, y) and not (abs(x - px) < 420 and abs(y - py) < 520)]
    if wrong:
        raise E2EFailure("the frozen screen differs from the screen at %d pixels, first %r: %r" % (
            len(wrong), wrong[0], rows[wrong[0][1]][wrong[0][0]]))
    c.ok("at scales %s and %s the frozen screen shows every device pixel of both monitors where "
         "it was" % scales)


case_pick.x_server = "dummy"

CASES = {"pick": case_pick}


# ---------------------------------------------------------------------------------------------
# Wayland: sway with two outputs, one at scale 1 left of the primary at scale 2 (negative
# desktop coordinates), through the screenshot portal, whose picture is the desktop at scale 2:
# the primary at its own resolution, the other enlarged twice.

WAYLAND_OUTPUTS = [(800, 600, -800, 0, 1), (1024, 768, 0, 0, 2)]


def read_png_pixels(path):
    """A PNG's pixels as rows of (r, g, b), through ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                          check=True, timeout=10).stdout.split()
    w, h = int(size[0]), int(size[1])
    data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True, timeout=20).stdout
    return [[tuple(data[(j * w + i) * 3:(j * w + i) * 3 + 3]) for i in range(w)] for j in range(h)]


def case_pick_wayland(c):
    import json
    import cases_screen
    s = c.s
    tile = os.path.join(s.tmp, "tile.png")
    harness.write_png(tile, [[pattern(x, y) for x in range(256)] for y in range(256)])
    sway = cases_screen.Sway(s)
    sway.start(tile, WAYLAND_OUTPUTS)
    # What the screen holds: the whole desktop as grim gives it (as the portal does), and the
    # primary output at its own resolution.
    truth = {}
    for name, argv in [("desktop", []), ("primary", ["-o", "HEADLESS-2"])]:
        path = os.path.join(s.tmp, name + ".png")

        def drawn():
            # Once the background is drawn on both outputs: no longer sway's grey there.
            if subprocess.run(["grim"] + argv + [path], env=s.env, capture_output=True,
                              timeout=10).returncode != 0:
                return False
            truth[name] = read_png_pixels(path)
            rows = truth[name]
            return all(rows[y][x] != (0x3F, 0x3F, 0x3F)
                       for x, y in [(10, 10), (len(rows[0]) - 10, len(rows) - 10)])
        s.wait_for(drawn, "the background in grim's picture of the %s" % name)
    if (len(truth["desktop"][0]), len(truth["desktop"])) != (2624, 1200):
        raise E2EFailure("grim's desktop is %dx%d, not the layout at scale 2" % (
            len(truth["desktop"][0]), len(truth["desktop"])))

    env = dict(s.env, QT_QPA_PLATFORM="wayland")
    env.pop("DISPLAY")
    ipc = lambda: [n for n in os.listdir(sway.runtime) if n.startswith("sway-ipc.")]

    def views():
        """The program's views on sway: (app id, process id) each."""
        swaysock = os.path.join(sway.runtime, s.wait_for(ipc, "sway's IPC socket")[0])
        tree = json.loads(subprocess.run(["swaymsg", "-s", swaysock, "-t", "get_tree"],
                                         env=s.env, capture_output=True, text=True,
                                         timeout=10).stdout or "{}")
        found, nodes = [], [tree]
        while nodes:
            node = nodes.pop()
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
            if node.get("app_id") and "huemark" in node["app_id"].lower():
                found.append((node["app_id"], node.get("pid")))
        return found

    def pick(keys, what, shown_by=None):
        proc = subprocess.Popen([s.binary, "--pick", "--format", "json"], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                stdin=subprocess.DEVNULL)
        s.procs.append(("pick", proc))
        shown = s.wait_for(lambda: len(views()) >= 2 and views(), "the frozen screen on both outputs",
                           timeout=cases_screen.PORTAL_ALLOWANCE)
        if {app for app, _pid in shown} != {"example.huemark.Huemark"}:
            raise E2EFailure("%s: the frozen screen's surfaces say %r, not the application's id"
                             % (what, shown))
        if shown_by is not None and {pid for _app, pid in shown} != {shown_by}:
            raise E2EFailure("%s: the frozen screen is shown by %r, not by process %d" % (
                what, shown, shown_by))
        sway.keys(*keys)
        try:
            out, err = proc.communicate(timeout=20)
        except subprocess.TimeoutExpired:
            raise E2EFailure("%s: huemark --pick did not end" % what)
        if proc.returncode != 0:
            raise E2EFailure("%s: exit code %d, %r" % (what, proc.returncode, err.decode()))
        return json.loads(out)

    def check(got, monitor, exact, what):
        x, y = got["x"], got["y"]
        expected = web(truth["desktop"][y][x])
        # An output the portal enlarged is read from its enlarged picture, whose blends of
        # neighbours the portal's scaler and grim's may round apart.
        close = got["code"] == expected or not exact and all(
            abs(a - b) <= 2 for a, b in zip(harness.parse_web(got["code"]), truth["desktop"][y][x]))
        if got["monitor"] != monitor or got["deviceResolution"] != exact or not close:
            raise E2EFailure("%s: %r, expected %s on %s (device resolution: %s)" % (
                what, got, expected, monitor, exact))
        if exact and web(truth["primary"][got["monitorY"]][got["monitorX"]]) != expected:
            raise E2EFailure("%s: %r is not the output's own pixel %r" % (
                what, got, (got["monitorX"], got["monitorY"])))

    start = pick(["-k", "Return"], "Enter at once")
    check(start, start["monitor"], start["deviceResolution"], "Enter at once")
    pasted = lambda: subprocess.run(["wl-paste", "-n"], env=s.env, capture_output=True,
                                    text=True, timeout=5).stdout
    s.wait_for(pasted, "the Wayland clipboard after the pick", expect=start["code"])
    c.ok("huemark --pick on sway through the portal: %s at %r, on the clipboard after it ended"
         % (start["code"], (start["x"], start["y"])))
    # Onto the primary output, then steps of one device pixel there.
    keys = ["-M", "shift"] + ["-k", "Right"] * 2 + ["-m", "shift"]
    if start["monitor"] != "HEADLESS-2":
        keys = ["-M", "shift"] + ["-k", "Right"] * 170 + ["-m", "shift"]
    got = pick(keys + ["-k", "Right", "-k", "Down", "-k", "Down", "-k", "Return"],
               "steps on the primary output")
    check(got, "HEADLESS-2", True, "steps on the primary output")
    c.ok("arrow steps on the output at scale 2 pick its device pixel %r: %s" % (
        (got["monitorX"], got["monitorY"]), got["code"]))
    got = pick(["-M", "shift"] + ["-k", "Left"] * 30 + ["-m", "shift", "-k", "Return"],
               "steps onto the output left of it")
    check(got, "HEADLESS-1", False, "steps onto the output left of it")
    c.ok("steps onto the output at scale 1 left of it (negative x) pick the portal's pixel %r "
         "of its enlarged picture: %s" % ((got["x"], got["y"]), got["code"]))

    # With the instance in the background, the gesture is the instance's.
    instance = s._spawn("background", [s.binary, "--background"], env=env)
    bus = lambda: subprocess.run(["dbus-send", "--session", "--print-reply",
                                  "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.ListNames"], env=env,
                                 capture_output=True, text=True, timeout=10).stdout
    s.wait_for(lambda: "example.huemark.Huemark" in bus(), "the instance's name on the bus")
    got = pick(["-k", "Return"], "through the instance", shown_by=instance.pid)
    check(got, got["monitor"], got["deviceResolution"], "through the instance")
    c.ok("huemark --pick on sway goes through the instance in the background: %s at %r" % (
        got["code"], (got["x"], got["y"])))


CASES["pick-wayland"] = case_pick_wayland
