#!/usr/bin/env bash
# Makes the small TIFF pictures in tests/data/tiff that the TIFF reading tests open: every sample
# format (unsigned and signed integers, IEEE floats of 16, 24, 32 and 64 bits) at depths from 2 to
# 64 bits, grey (min-is-black and min-is-white), RGB and palette, with alpha associated or not, in
# strips and tiles, with the planes together and apart, in both byte orders; the floating-point
# ones hold NaN, both infinities and values beyond 0 to 1. Then kinds that are not read (16-bit
# CMYK, CMYK with three channels, complex samples, 12-bit floats, a signed palette, 16-bit YCbCr,
# RGB with two channels) and a picture cut short.
# Written byte by byte with python3 (no encoder writes all of these), then checked with libtiff's
# own tiffinfo (libtiff-tools), which must read every one without an error.
# Run it again after changing it; the files are committed.
set -euo pipefail

out="$(cd "$(dirname "$0")" && pwd)/tiff"
rm -rf "$out"
mkdir -p "$out"

python3 - "$out" <<'PY'
import math, struct, sys, zlib, pathlib

out = pathlib.Path(sys.argv[1])
NAN, INF = float('nan'), float('inf')
UINT, INT, FLOAT, COMPLEXFLOAT = 1, 2, 3, 6
MINISWHITE, MINISBLACK, RGB, PALETTE, SEPARATED, YCBCR = 0, 1, 2, 3, 5, 6
UNSPECIFIED, ASSOCIATED, UNASSOCIATED = 0, 1, 2


def float24(v):
    """1 sign bit, 7 exponent bits (bias 63), 16 mantissa bits."""
    if math.isnan(v):
        return 0x7f8000
    sign = 0x800000 if math.copysign(1, v) < 0 else 0
    v = abs(v)
    if v == INF:
        return sign | 0x7f0000
    if v == 0:
        return sign
    m, e = math.frexp(v)  # v = m × 2^e, 0.5 <= m < 1
    exponent = e - 1 + 63
    assert 0 < exponent < 127
    mantissa = round((m * 2 - 1) * 65536)
    assert mantissa < 65536
    return sign | exponent << 16 | mantissa


def encode(values, bits, fmt, order):
    """One row of samples (of a plane, or of every plane together), padded to whole bytes."""
    if fmt in (FLOAT, COMPLEXFLOAT) and bits in (16, 32, 64):
        return struct.pack(order + {16: 'e', 32: 'f', 64: 'd'}[bits] * len(values), *values)
    if fmt == FLOAT and bits == 24:
        values = [float24(v) for v in values]
    elif fmt == FLOAT:
        values = [0 for v in values]  # never read
    if bits % 8 == 0:
        # Integers of whole bytes (and 24-bit floats) in the file's byte order.
        return b''.join((v % (1 << bits)).to_bytes(bits // 8, 'little' if order == '<' else 'big')
                        for v in values)
    # Other depths: a stream of bits, most significant first.
    stream, count = 0, 0
    for v in values:
        assert 0 <= v < 1 << bits
        stream = stream << bits | v
        count += bits
    pad = -count % 8
    return (stream << pad).to_bytes((count + pad) // 8, 'big')


def tiff(name, rows, bits, fmt=UINT, photometric=MINISBLACK, extras=(), planar=1, tile=None,
         strip_rows=None, colormap=None, order='<', compress=False, more=()):
    """rows: the pixels, each a tuple of its samples. tile: (width, height) of each tile.
    more: further tags, (tag, type, values)."""
    height, width, samples = len(rows), len(rows[0]), len(rows[0][0])
    planes = [list(range(samples))] if planar == 1 else [[s] for s in range(samples)]
    pad = [0.0 if fmt in (FLOAT, COMPLEXFLOAT) else 0] * samples
    blocks = []
    if tile is None:
        strip_rows = strip_rows or height
        for plane in planes:
            for top in range(0, height, strip_rows):
                blocks.append(b''.join(encode([p[s] for p in row for s in plane], bits, fmt, order)
                                       for row in rows[top:top + strip_rows]))
    else:
        tw, th = tile
        for plane in planes:
            for top in range(0, height, th):
                for left in range(0, width, tw):
                    data = b''
                    for y in range(top, top + th):
                        row = [rows[y][x] if y < height and x < width else pad
                               for x in range(left, left + tw)]
                        data += encode([p[s] for p in row for s in plane], bits, fmt, order)
                    blocks.append(data)
    if compress:
        blocks = [zlib.compress(b) for b in blocks]
    SHORT, LONG = 3, 4
    tags = [(256, LONG, [width]), (257, LONG, [height]), (258, SHORT, [bits] * samples),
            (259, SHORT, [8 if compress else 1]), (262, SHORT, [photometric]),
            (277, SHORT, [samples]), (284, SHORT, [planar]),
            (339, SHORT, [fmt] * samples)]
    if tile is None:
        tags += [(273, LONG, None), (278, LONG, [strip_rows]),
                 (279, LONG, [len(b) for b in blocks])]
    else:
        tags += [(322, LONG, [tile[0]]), (323, LONG, [tile[1]]), (324, LONG, None),
                 (325, LONG, [len(b) for b in blocks])]
    if extras:
        tags.append((338, SHORT, list(extras)))
    if colormap is not None:
        tags.append((320, SHORT, [c[i] for i in range(3) for c in colormap]))
    tags += list(more)
    tags.sort()
    magic = b'II*\0' if order == '<' else b'MM\0*'

    def layout(offsets):
        """The header, the values of more than four bytes, the directory; the pixels after it."""
        data = bytearray(magic + b'\0\0\0\0')
        entries = []
        for tag, kind, values in tags:
            values = offsets if values is None else values
            body = struct.pack(order + ('H' if kind == SHORT else 'I') * len(values), *values)
            if len(body) <= 4:
                entries.append(struct.pack(order + 'HHI', tag, kind, len(values)) +
                               body.ljust(4, b'\0'))
            else:
                entries.append(struct.pack(order + 'HHII', tag, kind, len(values), len(data)))
                data += body
                if len(data) % 2:
                    data += b'\0'
        data[4:8] = struct.pack(order + 'I', len(data))
        return data + struct.pack(order + 'H', len(entries)) + b''.join(entries) + b'\0\0\0\0'

    at = len(layout([0] * len(blocks)))
    offsets = []
    for b in blocks:
        offsets.append(at)
        at += len(b)
    data = layout(offsets) + b''.join(blocks)
    (out / name).write_bytes(bytes(data))


def grey(values, columns):
    """Grey pixels, `columns` to a row."""
    return [[(v,) for v in values[i:i + columns]] for i in range(0, len(values), columns)]


# Floating-point grey: the values shown clamp (NaN and −∞ to black, +∞ to white).
FLOATS = [0.25, 1.5, -0.5, NAN, INF, -INF, 0.0, 0.5, 1.0, 0.75, 2.0, -2.0]
tiff('grey-float32.tif', grey(FLOATS, 6), 32, FLOAT, strip_rows=1)
tiff('grey-float16-be.tif', grey(FLOATS, 6), 16, FLOAT, order='>')
tiff('grey-float64-tiled.tif', grey(FLOATS, 6), 64, FLOAT, tile=(16, 16), compress=True)
tiff('grey-float24.tif', grey(FLOATS, 6), 24, FLOAT)
tiff('grey-float32-miniswhite.tif', grey(FLOATS, 6), 32, FLOAT, photometric=MINISWHITE)
# Grey with an alpha of NaN, +∞, −∞, 2 and −1, a NaN grey, and half coverage.
tiff('greyalpha-float32.tif',
     [[(0.5, NAN), (0.5, INF), (0.5, -INF), (0.5, 2.0), (0.5, -1.0), (NAN, 1.0), (0.25, 0.5)]],
     32, FLOAT, extras=[UNASSOCIATED])

# Floating-point RGB: 64 bits, 16 bits (big-endian), with associated alpha (half floats) and
# unassociated alpha in separate planes of tiles (64 bits).
RGB_FLOATS = [[(0.25, 0.5, 1.0), (NAN, INF, -INF), (1.5, -0.5, 0.75)],
              [(0.0, 0.0, 0.0), (1.0, 1.0, 1.0), (0.5, 0.25, 0.125)]]
tiff('rgb-float64.tif', RGB_FLOATS, 64, FLOAT, photometric=RGB)
tiff('rgb-float16-be.tif', RGB_FLOATS, 16, FLOAT, photometric=RGB, order='>')
tiff('rgba-float16-associated.tif',
     [[(0.25, 0.125, 0.5, 0.5), (INF, 0.5, NAN, INF), (0.5, 0.5, 0.5, NAN),
       (2.0, -1.0, 0.25, 2.0), (0.75, 0.75, 0.75, 0.5)]],
     16, FLOAT, photometric=RGB, extras=[ASSOCIATED])
tiff('rgba-float64-planes-tiled.tif',
     [[(0.25, 0.5, 0.75, NAN), (1.0, 0.0, 0.0, INF)], [(0.0, 1.0, 0.0, -INF), (0.0, 0.0, 1.0, 0.5)]],
     64, FLOAT, photometric=RGB, extras=[UNASSOCIATED], planar=2, tile=(16, 16), compress=True)

# Integer grey beyond what Qt's reader takes: 2, 12, 24, 32 and 64 bits unsigned, 16 bits
# min-is-white, signed integers of 8, 16 (big-endian, tiled), 32 and 64 bits.
tiff('grey-uint2.tif', grey([0, 1, 2, 3], 4), 2)
tiff('grey-uint12-be.tif', grey([0, 4095, 2048, 1], 4), 12, order='>')
tiff('grey-uint16-miniswhite.tif', grey([0, 65535, 385, 0x8080], 4), 16, photometric=MINISWHITE)
tiff('grey-uint24-be.tif', grey([0, (1 << 24) - 1, 1 << 23, 0x123456], 4), 24, order='>')
tiff('grey-uint32.tif', grey([0, (1 << 32) - 1, 1 << 31, 0x12345678], 4), 32)
tiff('grey-uint64.tif', grey([0, (1 << 64) - 1, 1 << 63, 0x1234567890abcdef], 4), 64)
tiff('grey-int8.tif', grey([-128, 127, 0, -1], 4), 8, INT)
tiff('grey-int16-be-tiled.tif', grey([-32768, 32767, 0, -1], 4), 16, INT, order='>',
     tile=(16, 16))
tiff('grey-int32.tif', grey([-(1 << 31), (1 << 31) - 1, 0, -1], 4), 32, INT)
tiff('grey-int64.tif', grey([-(1 << 63), (1 << 63) - 1, 0, -(1 << 62)], 4), 64, INT)
# Grey with alpha at 12 bits, associated, in separate planes.
tiff('greyalpha-uint12-associated-planes.tif', [[(2048, 4095), (1024, 2048), (4095, 0)]], 12,
     extras=[ASSOCIATED], planar=2)

# Integer RGB: 16 bits in separate planes, 10 bits, 32 bits, 8-bit signed, and 16 bits with an
# alpha and one more sample beside it.
DEEP = [[(0x1234, 0x8080, 0xffff), (385, 128, 0)]]
tiff('rgb-uint16-planes.tif', DEEP, 16, photometric=RGB, planar=2)
tiff('rgb-uint10.tif', [[(1023, 0, 512), (37, 700, 1000)]], 10, photometric=RGB)
tiff('rgb-uint32-be.tif', [[(0xffffffff, 0, 0x80000000), (0x12345678, 0x9abcdef0, 1)]], 32,
     photometric=RGB, order='>')
tiff('rgb-int8.tif', [[(-128, 0, 127), (-1, 64, -64)]], 8, INT, photometric=RGB)
tiff('rgba-uint16-extra.tif',
     [[(0x1234, 0x8080, 0xffff, 0xffff, 7), (65535, 0, 0, 0x8080, 7)]], 16, photometric=RGB,
     extras=[UNASSOCIATED, UNSPECIFIED])

# Tiled 8-bit RGB, and CMYK (which libtiff's RGBA interface turns into RGB, tile by tile).
tiff('rgb-uint8-tiled.tif', [[(255, 0, 0), (0, 255, 0), (0x12, 0x34, 0x56)]], 8, photometric=RGB,
     tile=(16, 16), compress=True)
tiff('cmyk-uint8-tiled.tif', [[(0, 0, 0, 0), (255, 0, 0, 0), (0, 0, 0, 255), (0, 0, 255, 128)]], 8,
     photometric=SEPARATED, tile=(16, 16), compress=True)

# Palettes: 10 bits (its colours at 16 bits) and 4 bits, tiled.
colours = [(0, 0, 0)] * 1024
colours[0], colours[1], colours[1023] = (65535, 0, 0), (0, 4660, 65535), (385, 128, 32896)
tiff('palette-uint10.tif', [[(0,), (1,), (1023,)]], 10, photometric=PALETTE, colormap=colours)
colours = [(i * 4369, 0, 65535 - i * 4369) for i in range(16)]
tiff('palette-uint4-tiled.tif', [[(0,), (15,), (5,)]], 4, photometric=PALETTE, colormap=colours,
     tile=(16, 16))

# Kinds that are not read.
tiff('cmyk-uint16.tif', [[(0, 0, 0, 0), (65535, 0, 0, 0)]], 16, photometric=SEPARATED)
tiff('cmyk-3channels.tif', [[(0, 0, 0), (255, 0, 0)]], 8, photometric=SEPARATED)
tiff('grey-complex64.tif', [[(0.5,)]], 64, COMPLEXFLOAT)
tiff('grey-float12.tif', grey([0, 0], 2), 12, FLOAT)
tiff('palette-int8.tif', [[(0,), (1,)]], 8, INT, photometric=PALETTE,
     colormap=[(i * 257, i * 257, i * 257) for i in range(256)])
tiff('ycbcr-uint16.tif', [[(0, 32768, 32768)]], 16, photometric=YCBCR, more=[(530, 3, [1, 1])])
tiff('rgb-2channels.tif', [[(0, 0), (255, 255)]], 8, photometric=RGB)

# Cut short: the first of the two strips is whole, the second (the file's end) halved.
data = (out / 'grey-float32.tif').read_bytes()
(out / 'damaged-grey-float32.tif').write_bytes(data[:len(data) - 12])
PY

for f in "$out"/*.tif; do
    case "$(basename "$f")" in
    damaged-*) ;;
    *) tiffinfo -D "$f" >/dev/null ;;
    esac
done
echo "made $(ls "$out" | wc -l) files in $out"
