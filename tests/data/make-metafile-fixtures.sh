#!/usr/bin/env bash
# Makes the metafile fixtures in tests/data/metafile/: EMF and WMF exports of the SVG drawings
# there (needs Inkscape), and hand-written files with known shapes, bitmaps and damage (needs
# only python3). The tests depend on the exact content of the hand-written files.
set -euo pipefail
cd "$(dirname "$0")/metafile"

if command -v inkscape >/dev/null; then
    # A private profile, so text stays text and linear gradients become gradient records.
    profile=$(mktemp -d)
    trap 'rm -rf "$profile"' EXIT
    mkdir -p "$profile/inkscape"
    cat >"$profile/inkscape/preferences.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<inkscape version="1.2">
  <group id="extensions"
         org.inkscape.output.emf.textToPath="false"
         org.inkscape.output.emf.FixPPTLinGrad="true"
         org.inkscape.output.wmf.textToPath="false" />
</inkscape>
EOF
    for drawing in shapes features; do
        XDG_CONFIG_HOME="$profile" inkscape "$drawing.svg" --export-type=emf,wmf 2>/dev/null
    done
else
    echo "inkscape not found: keeping the existing Inkscape exports" >&2
fi

python3 - <<'EOF'
import struct

def pad(b, n):
    return b + b'\0' * (-len(b) % n)

def rgb(r, g, b):
    return r | g << 8 | b << 16

# ---- device-independent bitmaps ----------------------------------------------------------------

def dib(rows, bpp=24, palette=None, topdown=False, compression=0, bits=None):
    """rows: pixel rows top to bottom; (r, g, b) tuples, or palette indices up to 8 bits."""
    height, width = len(rows), len(rows[0])
    if bits is None:
        ordered = rows if topdown else rows[::-1]
        bits = b''
        for row in ordered:
            if bpp == 24:
                line = b''.join(bytes((b, g, r)) for r, g, b in row)
            elif bpp == 32:
                line = b''.join(bytes((b, g, r, 0)) for r, g, b in row)
            elif bpp == 8:
                line = bytes(row)
            elif bpp == 1:
                line = bytes(sum(bit << (7 - i) for i, bit in enumerate(row[k:k + 8]))
                             for k in range(0, width, 8))
            bits += pad(line, 4)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in (palette or []))
    header = struct.pack('<IiiHHIIiiII', 40, width, -height if topdown else height, 1, bpp,
                         compression, len(bits), 3780, 3780, len(palette or []), 0)
    return header + table, bits

# ---- WMF ---------------------------------------------------------------------------------------

def w(function, *words, raw=b''):
    payload = struct.pack('<%dh' % len(words), *words) + raw
    payload = pad(payload, 2)
    return struct.pack('<IH', 3 + len(payload) // 2, function) + payload

def wcolor(function, color, *words):
    return w(function, raw=struct.pack('<I', color) + struct.pack('<%dh' % len(words), *words))

def wmf(records, placeable=None, objects=8):
    body = b''.join(records) + w(0x0000)
    header = struct.pack('<HHHIHIH', 1, 9, 0x300, (18 + len(body)) // 2, objects,
                         max(len(r) // 2 for r in records), 0)
    data = header + body
    if placeable:
        words = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, *placeable, 0)
        checksum = 0
        for (word,) in struct.iter_unpack('<H', words):
            checksum ^= word
        data = words + struct.pack('<H', checksum) + data
    return data

def wbrush(style, color, hatch=0):
    return w(0x02FC, style, raw=struct.pack('<IH', color, hatch))

def wpen(style, width, color):
    return w(0x02FA, style, width, 0, raw=struct.pack('<I', color))

def wfont(height, face, weight=400):
    return w(0x02FB, height, 0, 0, 0, weight, raw=bytes(8) + pad(face.encode() + b'\0', 2))

SELECT, DELETE = 0x012D, 0x01F0

# Placeable, 1440 units per inch over 1500 x 900 units: 100 x 60 pixels at 96 DPI, 15 units
# per pixel.
info, bits = dib([[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (255, 255, 255)]])
placeable = wmf([
    w(0x020B, 0, 0), w(0x020C, 900, 1500),          # window origin, extent (y, x)
    w(0x0102, 1),                                   # transparent background
    wbrush(0, rgb(12, 34, 56)),                     # object 0
    wpen(5, 0, 0),                                  # object 1: null pen
    w(SELECT, 0), w(SELECT, 1),
    w(0x041B, 450, 600, 150, 150),                  # rectangle: pixels 10..40 x 10..30
    wbrush(0, rgb(200, 0, 0)),                      # object 2
    w(SELECT, 2),
    w(0x0418, 450, 1350, 150, 750),                 # ellipse: pixels 50..90 x 10..30
    w(DELETE, 0),
    wbrush(2, rgb(0, 0, 255), 3),                   # object 0 again: blue diagonal hatch
    w(SELECT, 0),
    w(0x0102, 2), wcolor(0x0201, rgb(255, 255, 0)), # opaque yellow background
    w(0x041B, 825, 600, 600, 150),                  # rectangle: pixels 10..40 x 40..55
    w(0x001E),                                      # save
    w(0x0416, 825, 1050, 600, 750),                 # clip to pixels 50..70 x 40..55
    w(SELECT, 2),
    w(0x041B, 825, 1125, 600, 750),                 # red, cut at pixel 70 instead of 75
    w(0x0127, -1),                                  # restore: no clip
    # 2 x 2 bitmap stretched over pixels 80..96 x 40..56
    w(0x0F43, 0x20, 0xCC, 0, 2, 2, 0, 0, 240, 240, 600, 1200, raw=info + bits),
], placeable=(0, 0, 1500, 900, 1440))
open('placeable.wmf', 'wb').write(placeable)

# Plain: no placeable header, so its size is its window, 200 x 100, at one pixel per unit.
square = lambda x, y, s: [x, y, x + s, y, x + s, y + s, x, y + s]
plain = wmf([
    w(0x0103, 8),                                   # anisotropic
    w(0x020B, -50, -100), w(0x020C, 100, 200),
    wbrush(0, rgb(0, 128, 0)), wpen(5, 0, 0), w(SELECT, 0), w(SELECT, 1),
    # squares inside squares; alternate filling leaves the inner one empty, winding does not
    w(0x0106, 1),
    w(0x0538, 2, 4, 4, *square(-90, -40, 80), *square(-70, -20, 40)),
    w(0x0106, 2),
    w(0x0538, 2, 4, 4, *square(10, -40, 80), *square(30, -20, 40)),
    wpen(0, 0, rgb(255, 0, 255)), w(SELECT, 2),
    w(0x0214, 45, -100), w(0x0213, 45, 100),        # line across at pixel row 95
    w(0x0102, 1), wcolor(0x0209, rgb(0, 0, 160)), wfont(-20, 'Liberation Sans'),
    w(SELECT, 3), w(0x012E, 0),                     # top-left aligned text
    w(0x0521, 2, raw=b'HI' + struct.pack('<hh', -48, -8)),  # at pixels (92, 2)
])
open('plain.wmf', 'wb').write(plain)

# ---- EMF ---------------------------------------------------------------------------------------

def e(kind, payload=b''):
    payload = pad(payload, 4)
    return struct.pack('<II', kind, 8 + len(payload)) + payload

def ints(*values):
    return struct.pack('<%di' % len(values), *values)

def emf(records, width, height, handles=8):
    """A 96 DPI reference device, so device units are pixels at 96 DPI."""
    records = records + [e(14, ints(0, 16, 20))]
    frame = (0, 0, round(width * 2540 / 96), round(height * 2540 / 96))
    size = 108 + sum(len(r) for r in records)
    header = ints(0, 0, width - 1, height - 1, *frame) + struct.pack(
        '<IIIIHHIIIiiiiIIIii', 0x464D4520, 0x10000, size, len(records) + 1, handles, 0, 0, 0, 0,
        960, 960, 254, 254, 0, 0, 0, 254000, 254000)
    return e(1, header) + b''.join(records)

# Bitmap records keep header and bits after their fixed fields; offsets count from the
# record's start.
def stretchdibits(x, y, cx, cy, info, bits, src=None, rop=0xCC0020):
    sx, sy, scx, scy = src or (0, 0, abs(struct.unpack_from('<i', info, 4)[0]),
                               abs(struct.unpack_from('<i', info, 8)[0]))
    off_info = 8 + 72
    fixed = ints(0, 0, 0, 0, x, y, sx, sy, scx, scy) + struct.pack(
        '<IIIIIIii', off_info, len(info), off_info + len(info), len(bits), 0, rop, cx, cy)
    return e(81, fixed + info + bits)

def stretchblt(x, y, cx, cy, info, bits, scx, scy):
    off_info = 8 + 100
    fixed = ints(0, 0, 0, 0, x, y, cx, cy) + struct.pack('<Iii', 0xCC0020, 0, 0) + \
        struct.pack('<6f', 1, 0, 0, 1, 0, 0) + struct.pack(
            '<IIIIIIii', 0, 0, off_info, len(info), off_info + len(info), len(bits), scx, scy)
    return e(77, fixed + info + bits)

def setdibits(x, y, info, bits, w_, h_):
    off_info = 8 + 68
    fixed = ints(0, 0, 0, 0, x, y, 0, 0, w_, h_) + struct.pack(
        '<IIIIIII', off_info, len(info), off_info + len(info), len(bits), 0, 0, h_)
    return e(80, fixed + info + bits)

def pattern_brush(index, info, bits):
    off_info = 8 + 24
    return e(94, struct.pack('<IIIIII', index, 0, off_info, len(info), off_info + len(info),
                             len(bits)) + info + bits)

def brush(index, color, style=0, hatch=0):
    return e(39, struct.pack('<IIII', index, style, color, hatch))

def pen(index, style, width, color):
    return e(38, struct.pack('<IIiiI', index, style, width, 0, color))

select = lambda i: e(37, struct.pack('<I', i))
NULL_PEN = 0x80000008

def rectangle(l, t, r, b):
    return e(43, ints(l, t, r, b))

def poly16(kind, points):
    return e(kind, ints(0, 0, 0, 0, len(points) // 2) + struct.pack('<%dh' % len(points), *points))

# Bitmaps: 3 x 2 true colour, 2 x 2 palette, 2 x 2 top-down 32-bit, a 1-bit pattern, RLE8.
true_info, true_bits = dib([[(255, 0, 0), (0, 255, 0), (0, 0, 255)],
                            [(255, 255, 0), (0, 255, 255), (255, 0, 255)]])
pal_info, pal_bits = dib([[0, 1], [1, 0]], bpp=8, palette=[(10, 20, 30), (40, 50, 60)])
top_info, top_bits = dib([[(1, 2, 3), (4, 5, 6)], [(7, 8, 9), (10, 11, 12)]], bpp=32,
                         topdown=True)
checker = [[(x + y) % 2 for x in range(8)] for y in range(8)]
mono_info, mono_bits = dib(checker, bpp=1, palette=[(0, 0, 0), (255, 255, 255)])
# RLE8, 4 x 2: bottom row a run of 4 x index 1; top row the literal indices 1, 0, 1, 0.
rle = bytes([4, 1, 0, 0, 0, 4, 1, 0, 1, 0, 0, 1])
rle_info, _ = dib([[0] * 4, [0] * 4], bpp=8, palette=[(90, 0, 0), (0, 90, 0)], compression=1,
                  bits=rle)
bitmaps = emf([
    stretchdibits(0, 0, 48, 32, true_info, true_bits),   # 16 x 16 pixel blocks
    stretchblt(56, 0, 16, 16, pal_info, pal_bits, 2, 2),  # 8 x 8 blocks
    setdibits(80, 0, top_info, top_bits, 2, 2),          # unscaled
    pattern_brush(1, mono_info, mono_bits), select(1), select(NULL_PEN),
    rectangle(0, 32, 32, 48),
    stretchdibits(48, 32, 16, 8, rle_info, rle),         # 4 x 4 blocks
], 96, 48)
open('bitmap.emf', 'wb').write(bitmaps)

# Coordinate spaces, world transform, paths and clipping on a 100 x 100 picture, where 10
# logical units make one pixel.
def xform(m11, m12, m21, m22, dx, dy):
    return struct.pack('<6f', m11, m12, m21, m22, dx, dy)

def region(*rects):
    data = ints(32, 1, len(rects), 16 * len(rects), 0, 0, 0, 0)
    return data + b''.join(ints(*r) for r in rects)

c, s = 0.7071067811865476, 0.7071067811865476
transform = emf([
    e(17, ints(8)), e(9, ints(1000, 1000)), e(11, ints(100, 100)),
    brush(1, rgb(0, 0, 200)), select(1), select(NULL_PEN),
    # a 400-unit square turned 45 degrees about the picture's centre: a diamond
    e(35, xform(c, s, -s, c, 500, 500)),
    rectangle(-200, -200, 200, 200),
    e(36, xform(1, 0, 0, 1, 0, 0) + ints(1)),            # back to identity
    # a triangle recorded as a path, then filled: pixels (5,70), (35,70), (5,95)
    brush(2, rgb(0, 150, 0)), select(2),
    e(59), e(27, ints(50, 700)), poly16(89, [350, 700, 50, 950]), e(61), e(60), e(62, ints(0, 0, -1, -1)),
    # clip to a path rectangle (pixels 60..90 x 10..40), then fill more than that
    e(33),
    e(59), e(27, ints(600, 100)), poly16(89, [900, 100, 900, 400, 600, 400]), e(61), e(60),
    e(67, ints(5)),
    brush(3, rgb(220, 0, 0)), select(3),
    rectangle(500, 0, 1000, 500),
    e(34, ints(-1)),
    # a device-unit region (pixels 60..70 x 60..70 and 80..90 x 80..90) clips the last fill
    e(75, ints(len(region((60, 60, 70, 70), (80, 80, 90, 90))), 5) +
      region((60, 60, 70, 70), (80, 80, 90, 90))),
    rectangle(550, 550, 1000, 1000),
], 100, 100)
open('transform.emf', 'wb').write(transform)

# Text with explicit spacing, over an opaque rectangle, and gradient fills.
def font(index, height, face, weight=400):
    name = face.encode('utf-16-le').ljust(64, b'\0')
    return e(82, struct.pack('<IiiiiiBBBBBBBB', index, height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0,
                             0, 0) + name)

def exttextoutw(x, y, text, dx, options=0, rect=(0, 0, 0, 0)):
    chars = text.encode('utf-16-le')
    off_string = 8 + 68
    off_dx = off_string + len(pad(chars, 4))
    return e(84, ints(0, 0, -1, -1, 1) + struct.pack('<ff', 1, 1) + ints(x, y, len(text)) +
             struct.pack('<II', off_string, options) + ints(*rect) + struct.pack('<I', off_dx) +
             pad(chars, 4) + ints(*dx))

def trivertex(x, y, r, g, b):
    return ints(x, y) + struct.pack('<HHHH', r << 8, g << 8, b << 8, 0)

text = emf([
    e(24, ints(rgb(0, 0, 0))), e(25, ints(rgb(255, 255, 160))), e(18, ints(1)),
    e(22, ints(0)),                                      # top-left
    font(1, -24, 'Liberation Sans', 700), select(1),
    # "HH" from (10, 10), 40 pixels apart, on a pale yellow rectangle 0..100 x 0..40
    exttextoutw(10, 10, 'HH', [40, 40], options=2, rect=(0, 0, 100, 40)),
    # left to right, black to white, over 0..256 x 50..60
    e(118, ints(0, 0, -1, -1, 2, 1, 0) + trivertex(0, 50, 0, 0, 0) + trivertex(256, 60, 255, 255, 255) +
      ints(0, 1)),
    # a triangle with red, green and blue corners
    e(118, ints(0, 0, -1, -1, 3, 1, 2) + trivertex(10, 70, 255, 0, 0) + trivertex(110, 70, 0, 255, 0) +
      trivertex(10, 120, 0, 0, 255) + ints(0, 1, 2)),
], 256, 128)
open('text-gradient.emf', 'wb').write(text)

# Arc directions and raster operations, on a 100 x 110 picture.
def pie(l, t, r, b, start, end):
    return e(47, ints(l, t, r, b, *start, *end))

def bitblt_pattern(x, y, cx, cy, rop):
    return e(76, ints(0, 0, 0, 0, x, y, cx, cy) + struct.pack('<Iii', rop, 0, 0) +
             struct.pack('<6f', 1, 0, 0, 1, 0, 0) + struct.pack('<IIIIII', 0, 0, 0, 0, 0, 0))

modes = emf([
    select(NULL_PEN), brush(1, rgb(0, 0, 200)), select(1),
    pie(0, 0, 40, 40, (40, 20), (20, 0)),                # counter-clockwise: the top-right quarter
    e(57, ints(2)),
    pie(50, 0, 90, 40, (90, 20), (70, 0)),               # clockwise: all but that quarter
    e(57, ints(1)),
    brush(2, rgb(255, 0, 0)), select(2), rectangle(0, 50, 40, 90),
    brush(3, rgb(255, 255, 255)), select(3),
    e(20, ints(7)), rectangle(20, 50, 60, 90),           # XOR: cyan on red, black on the page
    e(20, ints(11)), rectangle(70, 50, 90, 90),          # no operation
    e(20, ints(13)),
    bitblt_pattern(0, 100, 40, 10, 0x00000042),          # BLACKNESS
], 100, 110)
open('modes.emf', 'wb').write(modes)

# ---- metafiles as other programs write them ----------------------------------------------------

# The description string right after the 88-byte base header (offDescription 88), as many writers
# put it: the header's later fields (szlMicrometers at 100) are not there. A 270 x 203 mm,
# 1024 x 768 reference device and a 14.64 x 10.05 mm frame: 55 x 38 pixels at 96 DPI. An
# anisotropic window of 1464 x 1005 onto a 56 x 38 viewport holds a white polygon with a black
# outline inset by 100 units.
description = 'Drawing\0Chart 1 of the report\0\0'.encode('utf-16-le')
described_records = [
    e(17, ints(8)), e(9, ints(1464, 1005)), e(11, ints(56, 38)),
    brush(1, rgb(255, 255, 255)), pen(2, 0, 0, rgb(0, 0, 0)), select(1), select(2),
    poly16(86, [100, 100, 1364, 100, 1364, 905, 100, 905]),
    e(14, ints(0, 16, 20)),
]
header_size = 88 + len(description)
size = header_size + sum(len(r) for r in described_records)
header = ints(0, 0, 55, 37, 0, 0, 1464, 1005) + struct.pack(
    '<IIIIHHIIIiiii', 0x464D4520, 0x10000, size, len(described_records) + 1, 3, 0,
    len(description) // 2, 88, 0, 1024, 768, 270, 203) + description
open('described.emf', 'wb').write(struct.pack('<II', 1, header_size) + header +
                                  b''.join(described_records))

# A drawing of 3.2 x 4.1 metres, 12094 x 15496 pixels at 96 DPI, beyond any picture we make: a
# blue top-left quarter and a red bottom-right quarter.
large = emf([select(NULL_PEN),
             brush(1, rgb(0, 0, 255)), select(1), rectangle(0, 0, 6047, 7748),
             brush(2, rgb(255, 0, 0)), select(2), rectangle(6047, 7748, 12094, 15496)],
            12094, 15496)
open('large-frame.emf', 'wb').write(large)

# A plain WMF that never sets its window's extent, only its origin (10, 10): a green bar at
# logical (20, 30)-(220, 50), then 21 lines of text below it, 20 units apart, top-aligned.
lines = []
for i in range(21):
    text = ('Line %d of the formula' % (i + 1)).encode()
    lines.append(w(0x0A32, 60 + 20 * i, 20, len(text), 0, raw=pad(text, 2)))
no_extent = wmf([
    w(0x020B, 10, 10),                              # window origin only (y, x)
    wbrush(0, rgb(0, 128, 0)), wpen(5, 0, 0), w(SELECT, 0), w(SELECT, 1),
    w(0x041B, 50, 220, 30, 20),                     # rectangle (bottom, right, top, left)
    w(0x0102, 1), wcolor(0x0209, rgb(0, 0, 0)), wfont(-16, 'Liberation Sans'),
    w(SELECT, 2), w(0x012E, 0),
] + lines)
open('no-extent.wmf', 'wb').write(no_extent)

# ---- damage ------------------------------------------------------------------------------------

# Cut in the middle of the clipped red rectangle's record: what came before still draws.
cut = placeable.index(struct.pack('<IHhhhh', 7, 0x041B, 825, 1125, 600, 750))
open('truncated.wmf', 'wb').write(placeable[:cut + 8])

# The pattern-brush rectangle's record claims to run far past the end of the file.
lying = bytearray(bitmaps)
at = bytes(bitmaps).index(rectangle(0, 32, 32, 48))
struct.pack_into('<I', lying, at + 4, 0x7FFFFFF0)
open('lying-size.emf', 'wb').write(lying)

# A polygon claiming a billion points in a record holding three.
huge = emf([brush(1, rgb(12, 34, 56)), select(1), rectangle(0, 0, 20, 20),
            e(86, ints(0, 0, 0, 0, 1 << 30) + struct.pack('<6h', 0, 0, 10, 0, 10, 10)),
            rectangle(30, 0, 40, 10)], 40, 20)
open('huge-count.emf', 'wb').write(huge)

# A frame of a square kilometre.
small = emf([rectangle(0, 0, 10, 10)], 10, 10)
open('huge-frame.emf', 'wb').write(small[:32] + ints(100000000, 100000000) + small[40:])
EOF
