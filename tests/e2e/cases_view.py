"""End-to-end cases of the picture's view: scrolling, zoom and the loupe, on a picture of
unique colours large enough to scroll in, at scale factors 1 and 1.5.

Every pixel of the picture has a colour of its own, so where a picture pixel shows on the screen
is found by its colour: the case needs nothing from the program but what it paints and says.
"""

import os
import struct
import subprocess
import zlib

import harness
from harness import E2EFailure, web

WIDTH, HEIGHT = 3000, 2000
LOUPE = ("filler", "Loupe")


def unique_color(x, y):
    """Red and green the low bits of x and y, blue their high bits."""
    return (x & 255, y & 255, ((x >> 8) & 15) | ((y >> 8) << 4))


def decode(rgb):
    """The picture pixel of a colour."""
    r, g, b = rgb
    return r | ((b & 15) << 8), g | ((b >> 4) << 8)


def write_unique_png(path, width, height):
    """The picture as a PNG whose rows use the Sub filter: red rises by one from pixel to pixel,
    so the file stays small however large the picture is."""
    red = b"\x01" * width
    blue_steps = bytes(((x >> 8) - ((x - 1) >> 8)) & 255 if x else 0 for x in range(width))
    raw = bytearray()
    for y in range(height):
        row = bytearray(3 * width)
        row[0::3] = red
        row[2::3] = blue_steps
        row[0], row[1], row[2] = 0, y & 255, (y >> 8) << 4
        raw += b"\x01" + row

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))


class Screen:
    """A grab of a screen rectangle as raw RGB bytes, searched by colour."""

    def __init__(self, s, rect):
        self.x, self.y, self.w, self.h = rect
        r = subprocess.run(["import", "-silent", "-window", "root", "-crop",
                            "%dx%d+%d+%d" % (self.w, self.h, self.x, self.y), "-depth", "8", "rgb:-"],
                           env=s.env, capture_output=True, timeout=harness.DEFAULT_TIMEOUT)
        if r.returncode != 0 or len(r.stdout) != self.w * self.h * 3:
            raise E2EFailure("screen grab failed: %s" % r.stderr.decode(errors="replace"))
        self.data = r.stdout

    def pixel(self, x, y):
        i = ((y - self.y) * self.w + (x - self.x)) * 3
        return tuple(self.data[i:i + 3])

    def block(self, rgb, exclude=None):
        """The screen rectangle (x, y, w, h) of the device pixels showing the colour, but for
        those in the excluded rectangle; None when none does."""
        needle = bytes(rgb)
        xs, ys = [], []
        at = self.data.find(needle)
        while at >= 0:
            if at % 3 == 0:
                i = at // 3
                x, y = self.x + i % self.w, self.y + i // self.w
                if not (exclude and exclude[0] <= x < exclude[0] + exclude[2] and
                        exclude[1] <= y < exclude[1] + exclude[3]):
                    xs.append(i % self.w)
                    ys.append(i // self.w)
            at = self.data.find(needle, at + 1)
        if not xs:
            return None
        return (self.x + min(xs), self.y + min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def view_rect(s, grow=0):
    """The part of the picture control that shows the picture: all of it but its scroll bars.
    On a scaled screen the tree's logical rectangles name device pixels to within one: grow
    widens the rectangle by that much on each side."""
    x, y, w, h = s.view_area()
    return x - grow, y - grow, w + 2 * grow, h + 2 * grow


def readout_text(s):
    return s.text_of(s.readout())


def find_block(s, pixel, what):
    """Waits until the picture pixel shows in the view; returns its block on the screen. The
    loupe, which shows the pixel too, does not count."""
    loupe = s.find(LOUPE, root=s.require(harness.PICTURE), showing=True)
    exclude = s.extents(loupe) if loupe else None
    return s.wait_for(lambda: Screen(s, view_rect(s, 2)).block(unique_color(*pixel), exclude),
                      "%s, pixel %r, to show" % (what, pixel))


def point_at(s, pixel, what):
    """Moves the pointer onto the middle of the pixel's block and waits for the read-out to
    name it."""
    bx, by, bw, bh = find_block(s, pixel, what)
    s.move_pointer(bx + (bw - 1) // 2, by + (bh - 1) // 2)
    s.wait_for(lambda: readout_text(s), "the read-out at %s" % what,
               expect=web(unique_color(*pixel)))
    # Found again now that the read-out box has moved off whatever of it it covered.
    return find_block(s, pixel, what)


def check_view_in_order(s):
    """Every device pixel of the view, but under the read-out box, shows a picture pixel, and
    along a row the pixels follow one another: nothing is left over from before a scroll."""
    vx, vy, vw, vh = view_rect(s, -1)
    grab = Screen(s, (vx, vy, vw, vh))
    bx, by, bw, bh = s.extents(s.readout())
    for j in range(vy, vy + vh, 7):
        previous = None
        for i in range(vx, vx + vw):
            if bx - 1 <= i <= bx + bw and by - 1 <= j <= by + bh:
                previous = None
                continue
            x, y = decode(grab.pixel(i, j))
            if x >= WIDTH or y >= HEIGHT or (previous is not None and (
                    x - previous[0] not in (0, 1) or y != previous[1])):
                raise E2EFailure("device pixel %r shows %r after %r: not the picture in order" % (
                    (i, j), (x, y), previous))
            previous = (x, y)


def keys_and_expect(s, keys, pixel, what):
    s.keys(*keys)
    s.wait_for(lambda: readout_text(s), "the read-out after %s" % what,
               expect=web(unique_color(*pixel)))


def case_zoom(c, factor):
    """A picture larger than the control: scrolled with the wheel to its bottom-right pixel,
    which is read and picked; Ctrl+wheel to 8x keeps the pixel under the pointer, shows crisp
    blocks, and the read-out, a click, the arrow keys (which scroll on at the view's edge) and
    Enter name the picture's pixels; the loupe shows the pixel under the pointer."""
    s = c.s
    s.scale = factor
    # A window as large as the screen holds at this scale; radius 0.
    width, height = int(900 / factor), int(620 / factor)
    harness.write_settings(s, {"Left": "0", "Top": "0", "Width": str(width * 15),
                               "Height": str(height * 15), "Average": "0"})
    picture = os.path.join(s.tmp, "unique.png")
    write_unique_png(picture, WIDTH, HEIGHT)
    s.set_clipboard_picture(picture)
    s.start_program()

    # 100 %: the picture from the view's top-left corner (pixel (1, 1) rather than the black
    # (0, 0), which the read-out's text shares).
    vx, vy, vw, vh = view_rect(s)
    bx, by, bw, bh = find_block(s, (1, 1), "the pixel at (1, 1)")
    if not (1 <= bx - vx <= 2 and 1 <= by - vy <= 2 and max(bw, bh) <= 2):
        raise E2EFailure("pixel (1, 1) shows at %r, the view starts at %r" % ((bx, by, bw, bh),
                                                                             (vx, vy)))
    c.ok("%s x: the picture shows at 100 %% from the view's top-left corner" % factor)

    # The wheel scrolls down, Shift+wheel sideways, as far as the picture goes.
    s.move_pointer(vx + vw // 2, vy + vh // 2)
    s.xdotool("click", "--repeat", "60", "--delay", "4", "5")
    s.xdotool("keydown", "shift", "click", "--repeat", "80", "--delay", "4", "5", "keyup", "shift")
    corner = (WIDTH - 1, HEIGHT - 1)
    bx, by, bw, bh = point_at(s, corner, "the bottom-right pixel")
    if bx + bw < vx + vw - 2 or by + bh < vy + vh - 2:
        raise E2EFailure("the bottom-right pixel shows at %r, not at the view's end %r" % (
            (bx, by, bw, bh), (vx + vw, vy + vh)))
    s.click(bx + (bw - 1) // 2, by + (bh - 1) // 2)
    s.wait_for(lambda: s.grid_row(0)[0], "the pick", expect=web(unique_color(*corner)))
    c.ok("%s x: wheel and Shift+wheel scroll to the bottom-right pixel, read and picked" % factor)
    check_view_in_order(s)
    c.ok("%s x: the scrolled view shows the picture in order, nothing left over" % factor)

    # Ctrl+wheel: five notches in, to 8x, around the pixel under the pointer, near the view's
    # left edge so that the picture goes on to the right of what 8x shows.
    vx, vy, vw, vh = view_rect(s)
    target = decode(Screen(s, (vx + 60, vy + vh // 2, 1, 1)).pixel(vx + 60, vy + vh // 2))
    point_at(s, target, "the pixel to zoom at")
    px, py = s.pointer()
    s.xdotool("keydown", "ctrl", "click", "--repeat", "5", "--delay", "40", "4", "keyup", "ctrl")
    block = int(round(8 * factor))
    s.wait_for(lambda: Screen(s, view_rect(s)).block(unique_color(*target))[2:],
               "a block of %d device pixels" % block, expect=(block, block))
    bx, by, bw, bh = Screen(s, view_rect(s)).block(unique_color(*target))
    if not (bx <= px < bx + bw and by <= py < by + bh):
        raise E2EFailure("after zooming, pixel %r shows at %r, not under the pointer %r" % (
            target, (bx, by, bw, bh), (px, py)))
    s.wait_for(lambda: readout_text(s), "the read-out after zooming",
               expect=web(unique_color(*target)))
    right = Screen(s, (bx + bw, by, 1, 1)).pixel(bx + bw, by)
    if right != unique_color(target[0] + 1, target[1]):
        raise E2EFailure("the block right of %r shows %r" % (target, right))
    c.ok("%s x: Ctrl+wheel zooms to 8x around the pixel under the pointer, in crisp %d-pixel "
         "blocks" % (factor, block))

    # The read-out and a click three pixels right and two down; the tag starts at the block of
    # the pixel below right, drawn in picture pixels.
    other = (target[0] + 3, target[1] + 2)
    bx, by, bw, bh = point_at(s, other, "a pixel beside it")
    s.click(bx + (bw - 1) // 2, by + (bh - 1) // 2)
    s.wait_for(lambda: s.grid_row(0)[0], "the pick at 8x", expect=web(unique_color(*other)))
    inverse = tuple(255 - v for v in unique_color(*other))
    s.wait_for(lambda: Screen(s, (bx + bw, by + bh, block, block)).block(inverse)[2:],
               "the tag's first pixel, a whole block", expect=(block, block))
    c.ok("%s x: at 8x the read-out and a click name the pixel under the pointer; its tag "
         "scales with the view" % factor)

    # Arrow keys, away from the tag: one picture pixel each; Enter picks where they lead.
    x, y = other
    for key, (dx, dy) in [("Left", (-1, 0)), ("Left", (-1, 0)), ("Up", (0, -1)),
                          ("Right", (1, 0)), ("Down", (0, 1))]:
        x, y = x + dx, y + dy
        keys_and_expect(s, [key], (x, y), key)
    s.keys("Return")
    s.wait_for(lambda: s.grid_row(0)[0], "the pick by Enter", expect=web(unique_color(x, y)))
    c.ok("%s x: at 8x each arrow moves one picture pixel and Enter picks there" % factor)

    # At the view's right edge, the arrows scroll on and keep the pointer on the stepped pixel.
    vx, vy, vw, vh = view_rect(s)
    x, y = decode(Screen(s, (vx, vy, vw, vh)).pixel(vx + vw - block - 2, vy + vh // 2))
    point_at(s, (x, y), "a pixel at the view's right edge")
    for _ in range(4):
        x += 1
        keys_and_expect(s, ["Right"], (x, y), "Right at the edge")
    px, py = s.pointer()
    s.wait_for(lambda: Screen(s, (px, py, 1, 1)).pixel(px, py), "the stepped pixel under the pointer",
               expect=unique_color(x, y))
    c.ok("%s x: arrows past the view's edge scroll it and the pointer stays on the pixel" % factor)

    # View, Measure Area (Ctrl+M): a drag from one pixel's block to another's outlines exactly
    # the pixels between at this zoom and scale; Enter adds their mean, described by the area.
    first, last = (x - 7, y - 1), (x - 4, y + 1)
    fx, fy, fw, fh = find_block(s, first, "the area's first pixel")
    lx, ly, lw, lh = find_block(s, last, "the area's last pixel")
    s.keys("ctrl+m")
    s.xdotool("mousemove", str(fx + (fw - 1) // 2), str(fy + (fh - 1) // 2), "mousedown", "1",
              "mousemove", str(lx), str(ly), "mousemove", str(lx + (lw - 1) // 2),
              str(ly + (lh - 1) // 2), "mouseup", "1")
    s.keys("Return")
    s.wait_for(lambda: s.grid_row(0)[5], "the area's mean",
               expect="mean of 4 x 3 at %d,%d" % first)
    s.keys("Escape")
    c.ok("%s x: at 8x a drag in Measure Area names exactly the pixels between, Enter adds "
         "their mean" % factor)

    # The loupe, from the View menu: its middle shows the pixel under the pointer.
    before = set(s.program_windows())
    s.keys("alt+v")
    s.wait_for(lambda: set(s.program_windows()) - before, "the View menu")
    s.keys("l")
    loupe = s.wait_for(lambda: s.find(LOUPE, showing=True), "the loupe")
    point_at(s, (x - 2, y), "a pixel for the loupe")
    lx, ly, lw, lh = s.extents(loupe)
    middle = (lx + lw // 2, ly + lh // 2)
    s.wait_for(lambda: Screen(s, middle + (1, 1)).pixel(*middle), "the loupe's middle",
               expect=unique_color(x - 2, y))
    c.ok("%s x: the loupe beside the read-out shows the pixel under the pointer" % factor)

    s.exit_program()
    c.ok("Exit ends the program with code 0")


CASES = {"zoom": lambda c: case_zoom(c, 1), "zoom1.5": lambda c: case_zoom(c, 1.5)}
