"""End-to-end case on a headless KDE Plasma session (KWin on its virtual back end, one monitor)
with KDE's screenshot portal: a capture without the Pictures folder that the portal saves into is
said to be the desktop's failure, naming the folder; with it the capture goes through; the
installed desktop entry lets KWin serve Huemark's pick its screen without the pointer, so that a
pick where the pointer stands, over the window, reads the screen's pixel, not the arrow's."""

import json
import os
import shutil
import socket
import struct
import subprocess
import threading
import time

import cases_gnome
from harness import E2EFailure, web

MONITOR = (1920, 1080)
# The portal and its KDE back end are started by the first call.
PORTAL_ALLOWANCE = 125
# Linux input key codes, as KWin's fake input takes them.
KEYS = {"ctrl": 29, "shift": 42, "v": 47, "Return": 28, "Escape": 1, "Right": 106, "Down": 108}
SCREENSHOT = ("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2")


class FakeInput:
    """KWin's fake-input protocol spoken on the Wayland wire: enough for a pointer and keys."""

    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2
        self.buf = b""
        registry = self.new_id()
        self.send(1, 1, struct.pack("<I", registry))  # wl_display.get_registry
        found = {}
        done = self.sync()
        while True:
            obj, op, body = self.read()
            if obj == registry and op == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                version, = struct.unpack_from("<I", body, 8 + ((length + 3) & ~3))
                found[interface] = (name, version)
            elif obj == done:
                break
        if "org_kde_kwin_fake_input" not in found:
            raise E2EFailure("KWin offers no fake input")
        name, version = found["org_kde_kwin_fake_input"]
        self.fake = self.new_id()
        self.send(registry, 0, struct.pack("<I", name) + self.string("org_kde_kwin_fake_input") +
                  struct.pack("<II", min(version, 4), self.fake))
        self.send(self.fake, 0, self.string("huemark-e2e") + self.string("end-to-end tests"))
        self.roundtrip()

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    def send(self, obj, op, body):
        self.sock.sendall(struct.pack("<II", obj, ((8 + len(body)) << 16) | op) + body)

    def read(self):
        while len(self.buf) < 8 or len(self.buf) < struct.unpack_from("<I", self.buf, 4)[0] >> 16:
            data = self.sock.recv(65536)
            if not data:
                raise E2EFailure("KWin closed the fake input's connection")
            self.buf += data
        obj, size_op = struct.unpack_from("<II", self.buf)
        body, self.buf = self.buf[8:size_op >> 16], self.buf[size_op >> 16:]
        if obj == 1 and size_op & 0xffff == 0:
            raise E2EFailure("KWin's fake input: protocol error %r" % body)
        return obj, size_op & 0xffff, body

    def sync(self):
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        return callback

    def roundtrip(self):
        callback = self.sync()
        while self.read()[0] != callback:
            pass

    def pointer(self, x, y):
        self.send(self.fake, 9, struct.pack("<ii", int(x * 256), int(y * 256)))
        self.roundtrip()
        time.sleep(0.2)

    def keys(self, *chords):
        for chord in chords:
            codes = [KEYS[k] for k in chord.split("+")]
            for code in codes:
                self.send(self.fake, 10, struct.pack("<II", code, 1))
            for code in reversed(codes):
                self.send(self.fake, 10, struct.pack("<II", code, 0))
            self.roundtrip()
            time.sleep(0.15)


class Kde:
    """KWin on the harness's session bus; the test's eyes are KWin's own screenshots, which it
    lends to a copy of the interpreter that a desktop entry names."""

    def __init__(self, session):
        self.s = session
        self.root = os.path.join(session.tmp, "kde")
        self.applications = os.path.join(session.env["HOME"], ".local", "share", "applications")

    def start(self):
        s = self.s
        os.makedirs(self.root)
        os.makedirs(self.applications)
        # The packaged compositor carries a file capability that a container may not grant;
        # a copy carries none.
        kwin = os.path.join(self.root, "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), kwin)
        self.eyes = os.path.join(self.root, "e2e-eyes")
        shutil.copy(os.path.realpath("/usr/bin/python3"), self.eyes)
        self.entry("e2e-eyes.desktop", "[Desktop Entry]\nType=Application\nName=Eyes\n"
                   "Exec=%s\nNoDisplay=true\n"
                   "X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2\n" % self.eyes)
        self.socket = os.path.join(s.env["XDG_RUNTIME_DIR"], "wayland-kde")
        env = {k: v for k, v in s.env.items() if k != "DISPLAY"}
        env.update(XDG_CURRENT_DESKTOP="KDE", XDG_SESSION_TYPE="wayland",
                   KWIN_WAYLAND_NO_PERMISSION_CHECKS="1", XCURSOR_THEME="Adwaita")
        s._spawn("kwin", [kwin, "--virtual", "--no-lockscreen", "--socket", "wayland-kde",
                          "--width", str(MONITOR[0]), "--height", str(MONITOR[1])], env=env)
        s.wait_for(lambda: os.path.exists(self.socket), "KWin's Wayland socket", timeout=40)
        r = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.UpdateActivationEnvironment",
             "dict:string:string:WAYLAND_DISPLAY,%s,XDG_CURRENT_DESKTOP,KDE,"
             "QT_QPA_PLATFORM,wayland" % self.socket],
            env=s.env, capture_output=True, text=True, timeout=10)
        if r.returncode != 0:
            raise E2EFailure("the bus's activation environment: %s" % r.stderr)
        s.env.update(WAYLAND_DISPLAY=self.socket, XDG_CURRENT_DESKTOP="KDE")
        self.input = s.wait_for(lambda: FakeInput(self.socket), "KWin's fake input")

    def entry(self, name, text):
        """A desktop entry of the user's, made known to KWin."""
        with open(os.path.join(self.applications, name), "w") as f:
            f.write(text)
        subprocess.run(["kbuildsycoca5"], env=self.s.env, capture_output=True, timeout=60)

    def screen(self):
        """The screen's pixels without the pointer: BGRA rows."""
        out = subprocess.run([self.eyes, __file__, "--eyes"], env=self.s.env,
                             capture_output=True, timeout=30)
        if out.returncode != 0 or len(out.stdout) != MONITOR[0] * MONITOR[1] * 4:
            raise E2EFailure("KWin took no screenshot: %s" % out.stderr.decode()[-300:])
        return out.stdout

    def screenshot(self, path):
        """For a failure's picture: the screen as a PNG."""
        subprocess.run(["convert", "-size", "%dx%d" % MONITOR, "-depth", "8", "bgra:-", path],
                       input=self.screen(), timeout=60)
        return path


def pixel(screen, x, y):
    """The web code of a pixel of BGRA rows."""
    at = (y * MONITOR[0] + x) * 4
    return web((screen[at + 2], screen[at + 1], screen[at]))


def eyes():
    """Writes KWin's screenshot of the workspace, without the pointer, as BGRA rows to standard
    output (run by the interpreter's copy that KWin lends its screenshots to)."""
    import sys
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    read_end, write_end = os.pipe()
    fds = Gio.UnixFDList.new()
    fds.append(write_end)
    os.close(write_end)
    chunks = []

    def drain():
        while True:
            chunk = os.read(read_end, 1 << 20)
            if not chunk:
                return
            chunks.append(chunk)
            if sum(map(len, chunks)) >= MONITOR[0] * MONITOR[1] * 4:
                return
    reader = threading.Thread(target=drain, daemon=True)
    reader.start()
    reply, _ = bus.call_with_unix_fd_list_sync(
        *SCREENSHOT, "CaptureWorkspace",
        GLib.Variant("(a{sv}h)", ({"include-cursor": GLib.Variant("b", False),
                                   "native-resolution": GLib.Variant("b", True)}, 0)),
        GLib.VariantType("(a{sv})"), 0, 10000, fds, None)
    meta = reply.unpack()[0]
    reader.join(10)
    data = b"".join(chunks)
    stride = meta["stride"]
    sys.stdout.buffer.write(b"".join(data[y * stride:y * stride + meta["width"] * 4]
                                     for y in range(meta["height"])))


def case_kde(c):
    s = c.s
    for tool in ("kwin_wayland", "kbuildsycoca5", "convert"):
        if shutil.which(tool) is None:
            raise E2EFailure("%s is missing (scripts/bootstrap.sh installs it)" % tool)
    kde = Kde(s)
    kde.start()
    s.screenshot = kde.screenshot
    env = cases_gnome.start_wayland_window(s)

    def keys_to_window(*chords):
        s.wait_for(lambda: cases_gnome.is_active(s, s.frame),
                   "the main window to have the keyboard")
        kde.input.keys(*chords)

    # No Pictures folder: KDE's portal cannot save its screenshot and says "cancelled".
    pictures = os.path.join(s.env["HOME"], "Pictures")
    keys_to_window("ctrl+shift+v")
    said = cases_gnome.message_saying(s, "Pictures folder", timeout=PORTAL_ALLOWANCE)
    if "declined" in said or pictures not in said:
        raise E2EFailure("without the Pictures folder Huemark says %r" % said)
    kde.input.keys("Return")
    cases_gnome.message_gone(s, "Pictures folder")
    c.ok("without the Pictures folder the failure is the desktop's, and named: %r" % said)

    os.makedirs(pictures)
    keys_to_window("ctrl+shift+v")
    s.wait_for(s.title, "the title after Edit, Screen", expect="Screen capture",
               timeout=PORTAL_ALLOWANCE)
    c.ok("with the Pictures folder, Edit, Screen captures through KDE's portal")

    # The installed desktop entry lets KWin serve Huemark its screenshots: the build's own
    # entry, naming this binary.
    with open(os.path.join(os.path.dirname(s.binary), "packaging",
                           "example.huemark.Huemark.desktop")) as f:
        entry = f.read().replace("Exec=huemark", "Exec=" + os.path.realpath(s.binary))
    kde.entry("example.huemark.Huemark.desktop", entry)

    # huemark --pick with the pointer standing still over the window (KWin tells the new surface
    # where the pointer is only once something happens): the frozen screen holds the screen's
    # pixel there, not KDE's arrow.
    start = (901, 600)
    kde.input.pointer(*start)
    truth = kde.screen()
    def pick_with(label, *chords):
        """huemark --pick, answered with the keys once its loupe shows: (exit code, output,
        standard error)."""
        pick = subprocess.Popen([s.binary, "--pick", "--format", "json"], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                stdin=subprocess.DEVNULL)
        s.procs.append((label, pick))
        s.wait_for(lambda: kde.screen() != truth, "the loupe on KDE's screen",
                   timeout=PORTAL_ALLOWANCE)
        time.sleep(1)  # KWin gives the frozen screen the keyboard a moment after it shows
        kde.input.keys(*chords)
        out, err = pick.communicate(timeout=30)
        return pick.returncode, out, err

    returncode, out, err = pick_with("pick", "Return")
    if returncode != 0:
        raise E2EFailure("huemark --pick: exit code %d, %r" % (returncode, err.decode()))
    got = json.loads(out)
    if (got["x"], got["y"]) != start or got["code"] != pixel(truth, *start):
        raise E2EFailure("huemark --pick gave %r with the pointer at %r over %s" % (
            got, start, pixel(truth, *start)))
    if os.listdir(pictures):
        raise E2EFailure("the pick went through the portal: %r" % os.listdir(pictures))
    c.ok("huemark --pick where the pointer stands reads %s, the screen's pixel, from KWin's "
         "screenshot without the pointer" % got["code"])

    # And a step with the arrow keys from there.
    returncode, out, err = pick_with("pick-arrows", "Right", "Down", "Return")
    got = json.loads(out or b"{}")
    if returncode != 0 or (got.get("x"), got.get("y")) != (start[0] + 1, start[1] + 1):
        raise E2EFailure("huemark --pick with arrows gave %r (exit %d, %r)" % (
            got, returncode, err.decode()))
    c.ok("the arrow keys step from the pointer's pixel: %r" % ((got["x"], got["y"]),))


CASES = {"kde": case_kde}

if __name__ == "__main__":
    eyes()
