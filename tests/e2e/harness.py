"""Drives the real huemark binary on a private X server and reads what it shows.

Everything runs in a Session: its own Xvfb, a private session bus with the accessibility bus
beside it, the clipboard owner (xclip) and the program. What the window shows is read the way a
screen reader reads it (AT-SPI over D-Bus); colours that AT-SPI does not expose come from the
screen's pixels. Every process the session starts is ended by its PID, also on failure.
"""

import atexit
import ctypes
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import warnings
import zlib

SCREEN_W, SCREEN_H = 1024, 768
DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.05

# The offset of the read-out box from the pointer, in screen pixels.
READOUT_DX, READOUT_DY = 10, 20


def readout_place(pointer, offset, length, start, end):
    """One axis of the read-out box's place: offset after the pointer, or as far before it where
    the picture's far edge (end) would cut it off and less of it is cut off that way."""
    def cut(at):
        return max(0, start - at) + max(0, at + length - end)
    at = pointer + offset
    if at + length <= end:
        return at
    mirrored = pointer - offset - length + 1
    return mirrored if cut(mirrored) < cut(at) else at

# How the window's controls are found in the accessibility tree: (role, accessible name).
# The read-out box has no name of its own worth relying on: it is the text child of the picture.
PICTURE = ("filler", "Picture")
GRID = ("table", "Picked colours")
RADIUS_BAR = ("scroll bar", "Averaging radius")
PASTE_BUTTON = ("push button", "Paste")
EXIT_BUTTON = ("push button", "Exit")

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
CONVERT = "/usr/bin/convert"  # ImageMagick's; an earlier one on PATH may not be
TMP_PREFIX = "huemark-e2e-"


class E2EFailure(Exception):
    """An expected state was not reached; the message says what was seen instead."""


# ---------------------------------------------------------------------------------------------
# Fixtures: small pictures written without any imaging library.


def quadrant_pixels(width, height, colors):
    """A picture split into four quadrants: colors = (top-left, top-right, bottom-left, bottom-right)."""
    half_w, half_h = width // 2, height // 2

    def pixel(x, y):
        return colors[(x >= half_w) + 2 * (y >= half_h)]

    return [[pixel(x, y) for x in range(width)] for y in range(height)]


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) +
                chunk(b"IEND", b""))


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info)))
        f.write(info + pixels)


def write_ico(path, rows):
    """An icon with one 24-bit picture and an all-opaque mask."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    mask_stride = ((width + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    mask = b"\0" * (mask_stride * height)
    # In an icon the height counts the picture and its mask.
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 24, 0, len(pixels) + len(mask),
                       0, 0, 0, 0)
    image = info + pixels + mask
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 24, len(image), 22))
        f.write(image)


def write_picture(path, rows):
    """PNG, BMP and ICO are written directly; others are converted from a PNG by ImageMagick."""
    ext = os.path.splitext(path)[1].lower()
    if ext == ".png":
        write_png(path, rows)
    elif ext == ".bmp":
        write_bmp(path, rows)
    elif ext == ".ico":
        write_ico(path, rows)
    else:
        png = path + ".src.png"
        write_png(png, rows)
        # Best quality without chroma subsampling keeps flat areas within a step or two.
        extra = ["-quality", "100", "-sampling-factor", "1x1"] if ext in (".jpg", ".jpeg") else []
        subprocess.run([CONVERT, png] + extra + [path], check=True, capture_output=True)
        os.remove(png)


def web(rgb):
    return "#%02X%02X%02X" % tuple(rgb)


def parse_web(text):
    if not (isinstance(text, str) and len(text) == 7 and text[0] == "#"):
        return None
    try:
        return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))
    except ValueError:
        return None


# ---------------------------------------------------------------------------------------------
# Processes


def _set_pdeathsig():
    # Should the harness itself be killed outright, its children are told to end. SIGTERM lets
    # Xvfb remove its socket and lock and the bus launcher end the bus it started.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def _become_subreaper():
    # Orphaned grandchildren (the accessibility bus and its registry) become ours to reap.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(36, 1)  # PR_SET_CHILD_SUBREAPER


def _proc_stat(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            data = f.read()
    except OSError:
        return None
    fields = data[data.rindex(")") + 2:].split()
    return {"state": fields[0], "ppid": int(fields[1]), "start": fields[19]}


def _descendants(pid):
    children = {}
    for name in os.listdir("/proc"):
        if name.isdigit():
            st = _proc_stat(int(name))
            if st:
                children.setdefault(st["ppid"], []).append((int(name), st["start"]))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child[0])
    return found


def _alive(pid, start=None):
    st = _proc_stat(pid)
    if st is None or st["state"] in ("Z", "X"):
        try:
            os.waitpid(pid, os.WNOHANG)  # reap it if it is ours (see _become_subreaper)
        except ChildProcessError:
            pass
        return False
    return start is None or st["start"] == start


def _end_pid(pid, start=None, grace=3.0):
    if not _alive(pid, start):
        return
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline:
        if not _alive(pid, start):
            return
        time.sleep(0.02)
    if _alive(pid, start):
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        while _alive(pid, start):
            time.sleep(0.02)


def _remove_abandoned_dirs():
    # A harness killed outright (SIGKILL) cannot remove its folder; the next one does.
    root = tempfile.gettempdir()
    for name in os.listdir(root):
        if not name.startswith(TMP_PREFIX):
            continue
        owner = name[len(TMP_PREFIX):].split("-", 1)[0]
        if owner.isdigit() and not os.path.exists("/proc/" + owner):
            shutil.rmtree(os.path.join(root, name), ignore_errors=True)


class Session:
    """One private desktop with the program on it: start(), then close() in all cases."""

    def __init__(self, binary, xvfb_args=(), x_server="xvfb"):
        self.binary = os.path.abspath(binary)
        self.xvfb_args = list(xvfb_args)  # extra options for the X server
        # "xvfb", or "dummy": Xorg with its dummy driver, whose RandR outputs make monitors
        # (Xvfb's screens all lie at the same place, so Xvfb cannot give two side by side).
        self.x_server = x_server
        _remove_abandoned_dirs()
        self.tmp = tempfile.mkdtemp(prefix="%s%d-" % (TMP_PREFIX, os.getpid()))
        self.procs = []  # (label, Popen), in start order
        self.program = None
        self.clipboard_owner = None
        self.env = None
        self.app = None
        self.frame = None
        self.window_id = None
        self.startup_seconds = None
        self.Atspi = None
        self.scale = 1  # QT_SCALE_FACTOR the program runs with
        self.picture_key = PICTURE  # the picture control's role and name, in its language
        self.exit_key = EXIT_BUTTON

    # -- lifetime ---------------------------------------------------------------------------

    def start(self):
        """The X server and the buses; the program comes later, once its clipboard is set."""
        atexit.register(self.close)
        _become_subreaper()
        self._start_display()
        self._start_buses()

    def _spawn(self, label, argv, env=None, **kwargs):
        log = open(os.path.join(self.tmp, label + ".log"), "ab")
        kwargs.setdefault("stdout", log)
        kwargs.setdefault("stderr", log)
        proc = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                preexec_fn=_set_pdeathsig, **kwargs)
        log.close()
        self.procs.append((label, proc))
        return proc

    def _end(self, proc):
        """Ends a started process, then whatever it started and left behind."""
        kids = _descendants(proc.pid)
        if proc.poll() is None:
            proc.terminate()
            proc.send_signal(signal.SIGCONT)  # a stopped process ends only once it runs again
            try:
                proc.wait(timeout=3)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        for pid, start in kids:
            _end_pid(pid, start)

    def close(self):
        """Ends every process the session started and removes its files. Safe to call again,
        also after an interruption part-way."""
        # Newest first: the program before the buses it talks to, the X server last.
        while self.procs:
            self._end(self.procs[-1][1])
            self.procs.pop()
        # Orphans of started processes were handed to this process (a subreaper): end those too.
        for pid, start in _descendants(os.getpid()):
            _end_pid(pid, start)
        if os.path.isdir(self.tmp):
            shutil.rmtree(self.tmp, ignore_errors=True)

    def log_tail(self, label, limit=4000):
        try:
            with open(os.path.join(self.tmp, label + ".log"), "rb") as f:
                data = f.read()
        except OSError:
            return ""
        return data[-limit:].decode("utf-8", "replace")

    def _start_display(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(os.path.join(home, ".config"))
        os.makedirs(runtime, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER",
                            "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "QT_QPA_PLATFORMTHEME",
                            "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                            "XAUTHORITY")}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime,
                   MAGICK_TEMPORARY_PATH=self.tmp, LC_ALL="C.UTF-8")
        self.env = env

        read_fd, write_fd = os.pipe()
        try:
            if self.x_server == "dummy":
                self._spawn("xvfb", self._dummy_server_argv(write_fd), pass_fds=[write_fd])
            else:
                self._spawn("xvfb", ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                                     "%dx%dx24" % (SCREEN_W, SCREEN_H), "-dpi", "96",
                                     "-nolisten", "tcp", "-noreset"] + self.xvfb_args,
                            pass_fds=[write_fd])
        finally:
            os.close(write_fd)
        # Xvfb writes its display number once it accepts connections.
        number = b""
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        os.set_blocking(read_fd, False)
        try:
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self.procs[-1][1].poll() is not None:
                    raise E2EFailure("Xvfb did not start:\n" + self.log_tail("xvfb"))
                try:
                    chunk = os.read(read_fd, 16)
                except BlockingIOError:
                    time.sleep(0.02)
                    continue
                if not chunk:
                    time.sleep(0.02)
                    continue
                number += chunk
        finally:
            os.close(read_fd)
        env["DISPLAY"] = ":" + number.decode().strip()

    def _dummy_server_argv(self, write_fd):
        """Xorg on the dummy driver (root only), with room for monitors up to 4000 x 2200."""
        if os.geteuid() != 0:
            raise E2EFailure("the monitors case starts Xorg, which needs root")
        config = os.path.join(self.tmp, "xorg.conf")
        with open(config, "w") as f:
            f.write('Section "Device"\n  Identifier "dummy"\n  Driver "dummy"\n'
                    '  VideoRam 256000\nEndSection\n'
                    'Section "Screen"\n  Identifier "screen"\n  Device "dummy"\n'
                    '  DefaultDepth 24\n  SubSection "Display"\n    Depth 24\n'
                    '    Virtual 4000 2200\n  EndSubSection\nEndSection\n')
        return ["Xorg", "-displayfd", str(write_fd), "-config", config, "-logfile",
                os.path.join(self.tmp, "xorg.log"), "-noreset", "-nolisten", "tcp",
                "-novtswitch", "-sharevts"] + self.xvfb_args

    def _start_buses(self):
        bus = self._spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--print-address",
                                   "--address=unix:path=" + os.path.join(self.tmp, "session-bus")],
                          stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        bus.stdout.close()
        if not address:
            raise E2EFailure("dbus-daemon did not start:\n" + self.log_tail("dbus"))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        if not os.access(BUS_LAUNCHER, os.X_OK):
            raise E2EFailure(BUS_LAUNCHER + " is missing (package at-spi2-core)")
        self._spawn("atspi", [BUS_LAUNCHER, "--launch-immediately", "--a11y=1"])
        # Qt looks for the accessibility bus once, at start-up: it must be there before.
        self.wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True).returncode == 0,
            "the accessibility bus")

        # This process reads the tree, so it needs the same display and bus.
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        warnings.simplefilter("ignore", DeprecationWarning)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.Atspi = Atspi

    # -- polling ----------------------------------------------------------------------------

    def wait_for(self, probe, what, timeout=DEFAULT_TIMEOUT, expect=None):
        """Polls probe() until it returns something truthy (or equal to expect, when given).

        Returns that value. A probe that raises counts as "not yet". On timeout the failure
        names what was awaited and the last value seen.
        """
        deadline = time.monotonic() + timeout
        last = "<nothing>"
        while True:
            if self.program is not None and self.program.poll() is not None:
                raise E2EFailure("the program ended (exit code %s) while waiting for %s\n%s" % (
                    self.program.returncode, what, self.log_tail("huemark")))
            try:
                value = probe()
                last = repr(value)
                if (value == expect) if expect is not None else value:
                    return value
            except E2EFailure:
                raise
            except Exception as e:  # the tree changes under us; try again
                last = "%s: %s" % (type(e).__name__, e)
            if time.monotonic() > deadline:
                wanted = "" if expect is None else " (expected %r)" % (expect,)
                raise E2EFailure("timed out after %.0f s waiting for %s%s; last seen: %s" % (
                    timeout, what, wanted, last))
            time.sleep(POLL_INTERVAL)

    # -- clipboard --------------------------------------------------------------------------

    def set_clipboard_picture(self, path, mime="image/png"):
        """Makes a new xclip own the clipboard with the picture in the given format."""
        previous = self.clipboard_owner
        owner = self._spawn("xclip", ["xclip", "-selection", "clipboard", "-t", mime,
                                      "-i", path, "-quiet"])
        self.clipboard_owner = owner
        if previous is not None:
            # The old owner quits when it loses the selection: then the new one holds it.
            try:
                previous.wait(timeout=DEFAULT_TIMEOUT)
            except subprocess.TimeoutExpired:
                self._end(previous)
                raise E2EFailure("the new xclip did not take the clipboard over:\n" +
                                 self.log_tail("xclip"))
        self.wait_for(lambda: mime in subprocess.run(
            ["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], env=self.env,
            capture_output=True, text=True, timeout=5).stdout.split(),
            "the clipboard to offer " + mime)
        if owner.poll() is not None:
            raise E2EFailure("xclip quit early:\n" + self.log_tail("xclip"))

    # -- the program ------------------------------------------------------------------------

    def start_program(self, args=(), language=None, picture_key=PICTURE, exit_key=EXIT_BUTTON):
        """Starts the program; language (a locale such as "de_DE.UTF-8") is the desktop's, else
        the C locale's English; picture_key and exit_key are the picture control's and the Exit
        button's role and name in it."""
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        if language:
            env["LC_ALL"] = language
        self.picture_key = picture_key
        self.exit_key = exit_key
        if self.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        spawned = time.monotonic()
        self.program = self._spawn("huemark", [self.binary] + list(args), env=env, cwd=self.tmp)
        self.window_id = self.wait_for(self._program_window, "the program's window")
        # How long start-up (its paste included) kept the window from showing.
        self.startup_seconds = time.monotonic() - spawned
        self.app = self.wait_for(self._find_app, "the program on the accessibility bus")
        # Answers come straight from the program, never from a cache that only events refresh.
        self.app.set_cache_mask(self.Atspi.Cache.NONE)
        self.frame = self.wait_for(lambda: self.top_level("frame"), "the main window in the tree")
        self.wait_for(lambda: self.find(picture_key, showing=True), "the picture to be shown")

    def _program_window(self):
        ids = self.program_windows()
        return ids[0] if ids else None

    def _find_app(self):
        desktop = self.Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def program_windows(self):
        out = self.xdotool("search", "--onlyvisible", "--pid", str(self.program.pid), check=False)
        return out.split()

    def exit_program(self):
        """Ends the program as a user would, with its Exit button, and checks it ends cleanly."""
        self.click_widget(self.exit_key)
        try:
            code = self.program.wait(timeout=DEFAULT_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise E2EFailure("the program did not end after Exit")
        if code != 0:
            raise E2EFailure("the program ended with exit code %d\n%s" % (
                code, self.log_tail("huemark")))

    # -- X input ----------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        r = subprocess.run(["xdotool"] + list(args), env=self.env, capture_output=True, text=True,
                           timeout=DEFAULT_TIMEOUT)
        if check and r.returncode != 0:
            raise E2EFailure("xdotool %s failed: %s" % (" ".join(args), r.stderr.strip()))
        return r.stdout

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        if self.pointer() == (x, y):
            # The read-out follows motion: leave and come back so the program sees one.
            self.xdotool("mousemove", "--sync", str(x + 1 if x + 1 < SCREEN_W else x - 1), str(y))
        self.xdotool("mousemove", "--sync", str(x), str(y))

    def click(self, x, y, button=1):
        self.move_pointer(x, y)
        self.xdotool("click", str(button))

    def focus(self, window_id=None):
        # There is no window manager: give the window the input focus directly.
        self.xdotool("windowfocus", "--sync", window_id or self.window_id)

    def keys(self, *keys, window_id=None):
        self.focus(window_id)
        self.xdotool("key", "--delay", "20", *keys)

    def type_text(self, text, window_id=None):
        self.focus(window_id)
        self.xdotool("type", "--delay", "5", text)

    # -- the accessibility tree -------------------------------------------------------------

    def role(self, acc):
        return acc.get_role_name()

    def children(self, acc):
        result = []
        for i in range(acc.get_child_count()):
            child = acc.get_child_at_index(i)
            if child is not None:
                result.append(child)
        return result

    def top_level(self, role):
        for child in self.children(self.app):
            if self.role(child) == role and self.is_showing(child):
                return child
        return None

    def find(self, key, root=None, showing=False):
        """The first accessible below root (the main window) with the role and name of key."""
        role, name = key
        todo = [root or self.frame]
        while todo:
            acc = todo.pop(0)
            if self.role(acc) == role and acc.get_name() == name:
                if not showing or self.is_showing(acc):
                    return acc
            # Menus are not searched: they hold only actions.
            if self.role(acc) not in ("menu bar", "table"):
                todo.extend(self.children(acc))
        return None

    def require(self, key, root=None):
        return self.wait_for(lambda: self.find(key, root), "%s %r in the accessibility tree" % key)

    def is_showing(self, acc):
        states = acc.get_state_set()
        return states.contains(self.Atspi.StateType.SHOWING) and states.contains(
            self.Atspi.StateType.VISIBLE)

    def extents(self, acc):
        """A widget's rectangle on the screen in device pixels (the accessibility tree reports
        logical pixels, which a scaled screen multiplies)."""
        r = acc.get_extents(self.Atspi.CoordType.SCREEN)
        if self.scale == 1:
            return r.x, r.y, r.width, r.height
        left, top = round(r.x * self.scale), round(r.y * self.scale)
        return (left, top, round((r.x + r.width) * self.scale) - left,
                round((r.y + r.height) * self.scale) - top)

    def text_of(self, acc):
        return self.Atspi.Text.get_text(acc, 0, -1)

    def title(self):
        return self.frame.get_name()

    def readout(self):
        """The read-out box: the text box that floats on the picture."""
        picture = self.require(self.picture_key)
        for child in self.children(picture):
            if self.role(child) == "text":
                return child
        raise E2EFailure("the picture has no text box (the read-out) in the accessibility tree")

    def radius_text(self):
        """The averaging radius's text box: the text beside the radius scroll bar."""
        bar = self.require(RADIUS_BAR)
        for child in self.children(bar.get_parent()):
            if self.role(child) == "text":
                return child
        raise E2EFailure("no text box beside the radius scroll bar")

    def grid(self):
        return self.require(GRID)

    def grid_row(self, row):
        """A list row's cell texts; a cell's text is its accessible name."""
        table = self.grid()
        cols = self.Atspi.Table.get_n_columns(table)
        return [self.Atspi.Table.get_accessible_at(table, row, c).get_name() for c in range(cols)]

    def grid_cell(self, row, col):
        return self.Atspi.Table.get_accessible_at(self.grid(), row, col)

    def click_widget(self, key):
        x, y, w, h = self.extents(self.require(key))
        self.click(x + w // 2, y + h // 2)

    # -- the picture on screen --------------------------------------------------------------

    def picture_origin(self):
        x, y, w, h = self.extents(self.require(self.picture_key))
        if w <= 0 or h <= 0:
            raise E2EFailure("the picture has no area on screen: %r" % ((x, y, w, h),))
        return x, y, w, h

    def screen_point(self, px, py):
        """The screen point over pixel (px, py) of the picture (shown unscaled at its top-left)."""
        x, y, w, h = self.picture_origin()
        if not (0 <= px < w and 0 <= py < h):
            raise E2EFailure("picture pixel %r lies outside the picture surface %dx%d" % ((px, py), w, h))
        return x + px, y + py

    def view_area(self):
        """The part of the picture control that shows the picture: all of it but its scroll
        bars (screen)."""
        x, y, w, h = self.picture_origin()
        for child in self.children(self.require(self.picture_key)):
            if self.role(child) == "scroll bar" and self.is_showing(child):
                bx, by, bw, bh = self.extents(child)
                if bh > bw:
                    w = bx - x
                else:
                    h = by - y
        return x, y, w, h

    def readout_box_at(self, x, y):
        """Where the read-out box stands (screen) for the pointer at screen point (x, y): it
        keeps within the part of the control that shows the picture."""
        px, py, pw, ph = self.view_area()
        _, _, bw, bh = self.extents(self.readout())
        return (readout_place(x, READOUT_DX, bw, px, px + pw),
                readout_place(y, READOUT_DY, bh, py, py + ph))

    def screen_pixels(self, x, y, w, h):
        """The screen's RGB pixels in a rectangle, as rows of (r, g, b)."""
        r = subprocess.run(["import", "-silent", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                            "-depth", "8", "rgb:-"], env=self.env, capture_output=True,
                           timeout=DEFAULT_TIMEOUT)
        if r.returncode != 0 or len(r.stdout) != w * h * 3:
            raise E2EFailure("screen grab failed: %s" % r.stderr.decode(errors="replace"))
        data = r.stdout
        return [[tuple(data[(j * w + i) * 3:(j * w + i) * 3 + 3]) for i in range(w)] for j in range(h)]

    def dominant_color(self, acc, inset=2):
        """The most common colour inside a widget's area: a cell's background behind its text."""
        x, y, w, h = self.extents(acc)
        if w <= 2 * inset or h <= 2 * inset:
            raise E2EFailure("area too small to sample: %r" % ((x, y, w, h),))
        counts = {}
        for row in self.screen_pixels(x + inset, y + inset, w - 2 * inset, h - 2 * inset):
            for p in row:
                counts[p] = counts.get(p, 0) + 1
        return max(counts, key=counts.get)

    def screenshot(self, path):
        subprocess.run(["import", "-silent", "-window", "root", path], env=self.env,
                       capture_output=True, timeout=DEFAULT_TIMEOUT)


# ---------------------------------------------------------------------------------------------
# A private print service: its own cupsd on a unix socket in the session's folder (no TCP port),
# with CUPS-PDF queues. Needs root, as cupsd and the cups-pdf backend do.

CUPS_PDF_CONF = "/etc/cups/cups-pdf.conf"
CUPS_PDF_MODEL = "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"


class PrintService:
    """cupsd for one session: start() before the program starts, which then prints to it."""

    def __init__(self, session):
        self.s = session
        self.root = os.path.join(session.tmp, "cups")
        self.socket = os.path.join(self.root, "cups.sock")
        self.proc = None

    def start(self, queues):
        import random
        if os.geteuid() != 0:
            raise E2EFailure("the print service needs root (cupsd and the cups-pdf backend)")
        # The filters run as the user lp: they must reach the spool below the session's folder.
        os.chmod(self.s.tmp, 0o711)
        for sub in ("", "spool", "cache", "state", "log", "ppd"):
            os.makedirs(os.path.join(self.root, sub), exist_ok=True)
        os.chmod(self.root, 0o755)
        with open(os.path.join(self.root, "cups-files.conf"), "w") as f:
            f.write("ServerRoot %s\nRequestRoot %s/spool\nCacheDir %s/cache\nStateDir %s/state\n"
                    "AccessLog %s/log/access_log\nErrorLog %s/log/error_log\n"
                    "PageLog %s/log/page_log\nSystemGroup root\n" % ((self.root,) * 7))
        with open(os.path.join(self.root, "cupsd.conf"), "w") as f:
            f.write("Listen %s\nLogLevel info\nBrowsing No\nWebInterface No\n"
                    "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                    "</Location>\n" % self.socket)
        # Job numbers name the PDFs (...-job_N.pdf) in a folder other sessions share: start this
        # server's numbers somewhere no other is likely to be.
        with open(os.path.join(self.root, "cache", "job.cache"), "w") as f:
            f.write("NextJobId %d\n" % random.randint(100000, 2000000000))
        self.s.env["CUPS_SERVER"] = self.socket
        self.proc = self.s._spawn("cupsd", ["cupsd", "-f", "-c", os.path.join(self.root, "cupsd.conf"),
                                            "-s", os.path.join(self.root, "cups-files.conf")])
        self.s.wait_for(lambda: self.lp("lpstat", "-r").startswith("scheduler is running"),
                        "the print service to run")
        for queue in queues:
            self.lp("lpadmin", "-p", queue, "-E", "-v", "cups-pdf:/", "-m", CUPS_PDF_MODEL)
        self.lp("lpadmin", "-d", queues[0])
        self.s.wait_for(lambda: self.lp("lpstat", "-d").strip().endswith(queues[0]),
                        "%s to be the default printer" % queues[0])

    def stop(self):
        if self.proc is not None:
            self.s._end(self.proc)

    def lp(self, *argv, check=True):
        r = subprocess.run(list(argv), env=self.s.env, capture_output=True, text=True,
                           timeout=DEFAULT_TIMEOUT)
        if check and r.returncode != 0:
            raise E2EFailure("%s failed: %s" % (" ".join(argv), (r.stderr or r.stdout).strip()))
        return r.stdout

    def completed_jobs(self, queue):
        """The numbers of the queue's completed jobs."""
        out = self.lp("lpstat", "-W", "completed", "-o", queue, check=False)
        return {int(line.split()[0].rsplit("-", 1)[1]) for line in out.splitlines() if line.strip()}

    def output_folder(self):
        """Where cups-pdf writes a job of this user, as its configuration says."""
        import pwd
        user = pwd.getpwuid(os.getuid())
        out = "/var/spool/cups-pdf/${USER}"  # cups-pdf's own default
        try:
            with open(CUPS_PDF_CONF) as f:
                for line in f:
                    words = line.split(None, 1)
                    if len(words) == 2 and words[0] == "Out":
                        out = words[1].strip()
        except OSError:
            pass
        return out.replace("${HOME}", user.pw_dir).replace("${USER}", user.pw_name)

    def wait_for_pdf(self, queue, before):
        """Waits for one new completed job on the queue and its PDF; returns the PDF's path."""
        jobs = self.s.wait_for(lambda: self.completed_jobs(queue) - before,
                               "a print job on %s to complete" % queue, timeout=30)
        if len(jobs) != 1:
            raise E2EFailure("expected one new job on %s, found %r" % (queue, sorted(jobs)))
        job = jobs.pop()
        folder = self.output_folder()

        def pdf():
            for name in os.listdir(folder):
                if name.endswith("-job_%d.pdf" % job):
                    path = os.path.join(folder, name)
                    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True)
                    return path if info.returncode == 0 else None
            return None
        return self.s.wait_for(pdf, "the PDF of job %d in %s" % (job, folder), timeout=30)


def install_signal_handlers(deadline_seconds):
    """Turns termination signals and an overall deadline into exceptions, so cleanup runs.

    The deadline lies below CTest's timeout, which would kill the harness outright.
    """
    def terminate(signum, frame):
        raise SystemExit(128 + signum)

    def overdue(signum, frame):
        raise E2EFailure("the case ran past its deadline of %d s" % deadline_seconds)

    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(sig, terminate)
    signal.signal(signal.SIGALRM, overdue)
    signal.alarm(deadline_seconds)


# ---------------------------------------------------------------------------------------------
# A window manager, window frames and the settings file (the window's lifecycle).


def start_window_manager(session):
    """Openbox on the session's display, so windows get frames, a close box and minimizing."""
    session._spawn("openbox", ["openbox", "--sm-disable"])
    session.wait_for(lambda: subprocess.run(["wmctrl", "-m"], env=session.env, capture_output=True,
                                            timeout=5).returncode == 0, "the window manager")


def frame_geometry(session, window_id):
    """The window's outer rectangle (x, y, width, height) on the screen: the client area as X
    reports it, grown by the frame the window manager says it drew (none without one)."""
    info = subprocess.run(["xwininfo", "-id", window_id], env=session.env, capture_output=True,
                          text=True, timeout=5).stdout
    fields = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        fields[key] = value.strip()
    x, y = int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"])
    w, h = int(fields["Width"]), int(fields["Height"])
    extents = subprocess.run(["xprop", "-id", window_id, "_NET_FRAME_EXTENTS"], env=session.env,
                             capture_output=True, text=True, timeout=5).stdout
    left = right = top = bottom = 0
    if "=" in extents:
        left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return x - left, y - top, w + left + right, h + top + bottom


def settings_path(session):
    return os.path.join(session.env["XDG_CONFIG_HOME"], "Huemark", "Huemark.ini")


def read_settings(session, wanted="Settings"):
    """A group of the settings file ([Settings] unless told) as a dict, in the file's order."""
    values, group = {}, None
    try:
        with open(settings_path(session), encoding="utf-8") as f:
            for line in f.read().splitlines():
                if line.startswith("["):
                    group = line.strip("[]")
                elif "=" in line and group == wanted:
                    key, value = line.split("=", 1)
                    values[key] = value
    except FileNotFoundError:
        pass
    return values


def expect_written_at_exit(session, expected):
    """After Exit: the settings hold the expected values and the folder and file name."""
    written = read_settings(session)
    for key, value in expected.items():
        if written.get(key) != value:
            raise E2EFailure("after Exit %s=%r, expected %r (all: %r)" % (key, written.get(key),
                                                                        value, written))
    if not {"Path", "PathFile"} <= set(written):
        raise E2EFailure("Exit did not write the folder and file name: %r" % (written,))


def write_settings(session, values):
    os.makedirs(os.path.dirname(settings_path(session)), exist_ok=True)
    with open(settings_path(session), "w", encoding="utf-8") as f:
        f.write("[Settings]\n" + "".join("%s=%s\n" % kv for kv in values.items()))


def wait_program_end(session, what):
    """Waits for the program to end by itself and checks it ended cleanly."""
    try:
        code = session.program.wait(timeout=DEFAULT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise E2EFailure("the program did not end after %s" % what)
    if code != 0:
        raise E2EFailure("the program ended with exit code %d after %s\n%s" % (
            code, what, session.log_tail("huemark")))
    session.program = None


def run_tool(session, argv):
    """Runs a desktop tool (wmctrl, xdotool, ...) on the session's display; it must succeed."""
    r = subprocess.run(argv, env=session.env, capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
    if r.returncode != 0:
        raise E2EFailure("%s failed: %s" % (" ".join(argv), r.stderr.strip()))
    return r.stdout
