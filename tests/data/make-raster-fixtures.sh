#!/usr/bin/env bash
# Makes the small raster pictures in tests/data/raster that the loading tests read. GIF, JPEG and
# some BMP and ICO files come from ImageMagick, the region pictures' JPEGs from cjpeg
# (libjpeg-turbo-progs); the rest is written byte by byte below so that every pixel is known
# (palettes, RLE escapes, OS/2 headers, cursors, damaged files).
# Run it again after changing it; the files are committed.
set -euo pipefail

out="$(cd "$(dirname "$0")" && pwd)/raster"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# ImageMagick: no dates or other metadata, so the files stay the same from run to run.
im() { convert "$@"; }
strip=(-strip -define png:exclude-chunk=date,time)

# 7×5 quadrants: red top-left (4×2), lime top-right, blue bottom-left, white bottom-right,
# a yellow pixel at (1, 1). Odd width, so BMP rows need padding.
quad=(-size 7x5 xc:white -fill red -draw 'rectangle 0,0 3,1' -fill lime -draw 'rectangle 4,0 6,1'
      -fill blue -draw 'rectangle 0,2 3,4' -fill yellow -draw 'point 1,1')

# GIF
im -size 8x6 xc:white -fill red -draw 'rectangle 0,0 3,5' -fill blue -draw 'point 6,4' \
    "${strip[@]}" "$out/gif-static.gif"
im -delay 10 -size 8x6 xc:lime -size 8x6 xc:blue -loop 0 "${strip[@]}" "$out/gif-animated.gif"
im -size 8x6 xc:none -fill red -draw 'rectangle 0,0 3,5' "${strip[@]}" "$out/gif-transparent.gif"
im -size 64x48 gradient:red-blue -colors 64 "${strip[@]}" "$work/gradient.gif"

# JPEG: 8×8 blocks of one colour each, no chroma subsampling, so colours come back within 1-2.
im -size 16x16 xc:white -fill red -draw 'rectangle 0,0 7,7' -fill lime -draw 'rectangle 8,0 15,7' \
    -fill blue -draw 'rectangle 0,8 7,15' -sampling-factor 1x1 -quality 100 "${strip[@]}" \
    "$out/jpeg-blocks.jpg"
cp "$out/jpeg-blocks.jpg" "$out/jpeg-named-gif.gif"
im -size 16x8 xc:'gray(64)' -fill 'gray(192)' -draw 'rectangle 8,0 15,7' -colorspace Gray \
    -quality 100 "${strip[@]}" "$out/jpeg-gray.jpg"
im -size 16x16 xc:white -fill red -draw 'rectangle 0,0 7,7' -sampling-factor 1x1 -quality 100 \
    -interlace JPEG "${strip[@]}" "$out/jpeg-progressive.jpg"
im -size 16x16 xc:white -fill blue -draw 'rectangle 0,0 7,7' -colorspace CMYK -quality 100 \
    "${strip[@]}" "$out/jpeg-cmyk.jpg"
im -size 64x48 gradient:red-blue -quality 90 "${strip[@]}" "$work/gradient.jpg"

# BMP written by ImageMagick
im "${quad[@]}" "${strip[@]}" BMP3:"$out/bmp-24bit.bmp"
im "${quad[@]}" -alpha on "${strip[@]}" BMP:"$out/bmp-32bit-v5.bmp"
im "${quad[@]}" -define bmp:subtype=RGB565 "${strip[@]}" BMP:"$out/bmp-16bit-565.bmp"
im "${quad[@]}" "${strip[@]}" BMP2:"$out/bmp-os2-24bit.bmp"

# ICO: 16×16 red, 32×32 blue with a transparent 8×8 top-left corner, 24×24 lime. The largest is
# in the middle of the directory.
im -size 32x32 xc:blue -alpha on -fill none -draw 'color 0,0 reset' -fill blue \
    -draw 'rectangle 8,0 31,31' -draw 'rectangle 0,8 7,31' "${strip[@]}" "$work/ico32.png"
im -size 16x16 xc:red "$work/ico32.png" -size 24x24 xc:lime "$out/ico-sizes.ico"
im -size 64x64 xc:'#8040c0' "${strip[@]}" "$work/ico-entry.png"

python3 - "$out" "$work" <<'PY'
import struct, sys, pathlib

out, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])

def write(name, data):
    (out / name).write_bytes(data)

def bgr0(colors):
    return b''.join(bytes((b, g, r, 0)) for r, g, b in colors)

def bgr(colors):
    return b''.join(bytes((b, g, r)) for r, g, b in colors)

def info40(w, h, bits, comp=0, clr_used=0):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, comp, 0, 2835, 2835, clr_used, 0)

def bmp(info, palette, pixels, off_bits=None):
    off = 14 + len(info) + len(palette)
    return (b'BM' + struct.pack('<IHHI', off + len(pixels), 0, 0, off if off_bits is None else off_bits)
            + info + palette + pixels)

def pack_rows(rows, bits, top_down=False):
    """rows: top to bottom, each a list of palette indices or (r, g, b) / 16-bit values."""
    data = b''
    for row in (rows if top_down else reversed(rows)):
        if bits == 24:
            line = b''.join(bytes((b, g, r)) for r, g, b in row)
        elif bits == 16:
            line = b''.join(struct.pack('<H', v) for v in row)
        else:
            per = 8 // bits
            line = bytearray((len(row) + per - 1) // per)
            for x, v in enumerate(row):
                line[x // per] |= v << (8 - bits * (x % per + 1))
            line = bytes(line)
        data += line + b'\0' * (-len(line) % 4)
    return data

W, H = 7, 5

# 1 bit: index 1 left of x=3, 0 right; (5, 1) is 1, (0, 4) is 0.
rows = [[1 if x < 3 else 0 for x in range(W)] for y in range(H)]
rows[1][5], rows[4][0] = 1, 0
write('bmp-1bit.bmp', bmp(info40(W, H, 1), bgr0([(0x20, 0x40, 0x60), (0xF0, 0xE0, 0xD0)]),
                          pack_rows(rows, 1)))

# 4 bit: index (x + 3y) mod 16; palette i -> (17i, 255-17i, 40i mod 256).
pal4 = [(17 * i, 255 - 17 * i, (40 * i) % 256) for i in range(16)]
rows4 = [[(x + 3 * y) % 16 for x in range(W)] for y in range(H)]
write('bmp-4bit.bmp', bmp(info40(W, H, 4), bgr0(pal4), pack_rows(rows4, 4)))

# 8 bit: index (37x + 11y) mod 256; palette i -> (i, 255-i, 3i mod 256).
pal8 = [(i, 255 - i, (3 * i) % 256) for i in range(256)]
rows8 = [[(37 * x + 11 * y) % 256 for x in range(W)] for y in range(H)]
write('bmp-8bit.bmp', bmp(info40(W, H, 8), bgr0(pal8), pack_rows(rows8, 8)))

# 16 bit, 5-5-5: the quadrant colours at full strength of each 5-bit channel.
R, G, B, Wh, Y = 0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x7FE0
quad16 = [[(R if x < 4 else G) if y < 2 else (B if x < 4 else Wh) for x in range(W)] for y in range(H)]
quad16[1][1] = Y
write('bmp-16bit-555.bmp', bmp(info40(W, H, 16), b'', pack_rows(quad16, 16)))

# 24 bit, top-down (negative height).
red, lime, blue, white, yellow = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (255, 255, 0)
quad24 = [[(red if x < 4 else lime) if y < 2 else (blue if x < 4 else white) for x in range(W)]
          for y in range(H)]
quad24[1][1] = yellow
write('bmp-topdown.bmp', bmp(info40(W, -H, 24), b'', pack_rows(quad24, 24, top_down=True)))

# 32 bit BI_RGB: the fourth byte is unused (here 0x80) and must not become alpha.
px32 = b''
for row in reversed(quad24):
    px32 += b''.join(bytes((b, g, r, 0x80)) for r, g, b in row)
write('bmp-32bit.bmp', bmp(info40(W, H, 32), b'', px32))

# 32 bit with bit fields and an alpha mask (V4 header): left half half-transparent red.
v4 = struct.pack('<IiiHHIIiiII', 108, 4, 2, 1, 32, 3, 0, 2835, 2835, 0, 0)
v4 += struct.pack('<IIIII', 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, 0x73524742)
v4 += b'\0' * (108 - len(v4))
px = b''
for _ in range(2):
    px += bytes((0, 0, 0xFF, 0x80)) * 2 + bytes((0xFF, 0, 0, 0xFF)) * 2
write('bmp-32bit-alpha.bmp', bmp(v4, b'', px))

# Bit fields that are not whole bytes, with values between the ends, so that scaling to 0..255
# must round: 5-6-5 (16 bit) and 10-10-10 (32 bit), one row of four pixels each.
def bitfields(bits, masks, values):
    info = struct.pack('<IiiHHIIiiII', 40, len(values), 1, 1, bits, 3, 0, 2835, 2835, 0, 0)
    fmt = '<H' if bits == 16 else '<I'
    row = b''.join(struct.pack(fmt, v) for v in values)
    return bmp(info, struct.pack('<III', *masks), row + b'\0' * (-len(row) % 4))
write('bmp-bitfields-565.bmp', bitfields(16, (0xF800, 0x07E0, 0x001F), [
    10 << 11 | 33 << 5 | 1,      # (82, 134, 8)
    17 << 11 | 1 << 5 | 30,      # (140, 4, 247)
    31 << 11 | 63 << 5 | 31,     # white
    0]))                         # black
write('bmp-bitfields-101010.bmp', bitfields(32, (0x3FF00000, 0x000FFC00, 0x000003FF), [
    7 << 20 | 512 << 10 | 1021,  # (2, 128, 255): 7 rounds up, not down to 1
    3 << 20 | 100 << 10 | 6,     # (1, 25, 1)
    1023 << 20 | 1023 << 10 | 1023,
    0]))

# OS/2 2.x headers stop after any field: 16 bytes (24 bit quadrants) and 64 bytes (4 bit,
# 4-byte palette entries).
os2_16 = struct.pack('<IIIHH', 16, W, H, 1, 24)
write('bmp-os2v2-16.bmp', bmp(os2_16, b'', pack_rows(quad24, 24)))
os2_64 = struct.pack('<IiiHHIIiiII', 64, W, H, 1, 4, 0, 0, 2835, 2835, 16, 0)
os2_64 += b'\0' * (64 - len(os2_64))
write('bmp-os2v2-64.bmp', bmp(os2_64, bgr0(pal4), pack_rows(rows4, 4)))

# OS/2 1.x (BITMAPCOREHEADER), 4 bit, 3-byte palette entries.
core = struct.pack('<IHHHH', 12, W, H, 1, 4)
write('bmp-os2-4bit.bmp', bmp(core, bgr(pal4), pack_rows(rows4, 4)))

# RLE: 8×6, palette 0 = #123456 (what skipped pixels show), 1 red, 2 lime, 3 blue, 4 white.
pal_rle = [(0x12, 0x34, 0x56), red, lime, blue, white]
rle8 = bytes([
    3, 1, 0, 3, 2, 3, 4, 0, 2, 2, 0, 0,   # row 0: 1 1 1 | absolute 2 3 4 (+pad) | 2 2 | EOL
    2, 3, 0, 0,                           # row 1: 3 3, early end of line
    0, 2, 3, 1,                           # row 2: delta (+3, +1): rest of row 2 and 3 pixels skipped
    2, 4, 0, 0,                           # row 3: 4 4 at x 3..4
    8, 1, 0, 0,                           # row 4: eight 1
    1, 2, 0, 1,                           # row 5: 2, end of bitmap
])
write('bmp-rle8.bmp', bmp(info40(8, 6, 8, comp=1, clr_used=5), bgr0(pal_rle), rle8))

pal_rle4 = pal_rle + [(0x80, 0x80, 0x80)] * 11
rle4 = bytes([
    3, 0x12, 0, 3, 0x34, 0x20, 2, 0x44, 0, 0,   # row 0: 1 2 1 | absolute 3 4 2 | 4 4 | EOL
    2, 0x33, 0, 0,                              # row 1: 3 3, early end of line
    0, 2, 3, 1,                                 # row 2: delta (+3, +1)
    2, 0x44, 0, 0,                              # row 3: 4 4 at x 3..4
    0, 5, 0x12, 0x34, 0x10, 0, 3, 0x22, 0, 0,   # row 4: absolute 1 2 3 4 1 (+pad) | 2 2 2
    1, 0x20, 0, 1,                              # row 5: 2, end of bitmap
])
write('bmp-rle4.bmp', bmp(info40(8, 6, 4, comp=2), bgr0(pal_rle4), rle4))

# CUR: one 16×16 4-bit picture, hotspot (3, 4). Top half red, bottom half blue; the AND mask
# makes the bottom-left 8×8 transparent.
cw = ch = 16
cur_rows = [[1 if y < 8 else 2 for x in range(cw)] for y in range(ch)]
mask_rows = [[1 if (y >= 8 and x < 8) else 0 for x in range(cw)] for y in range(ch)]
for y in range(ch):
    for x in range(cw):
        if mask_rows[y][x]:
            cur_rows[y][x] = 0
dib = (struct.pack('<IiiHHIIiiII', 40, cw, 2 * ch, 1, 4, 0, 0, 0, 0, 0, 0)
       + bgr0([(0, 0, 0), red, blue] + [(0, 0, 0)] * 13)
       + pack_rows(cur_rows, 4) + pack_rows(mask_rows, 1))
cur = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', cw, ch, 0, 0, 3, 4, len(dib), 22) + dib
write('cur-4bit.cur', cur)

# ICO with a 16×16 32-bit green picture and a 64×64 PNG one (#8040C0).
green16 = (struct.pack('<IiiHHIIiiII', 40, 16, 32, 1, 32, 0, 0, 0, 0, 0, 0)
           + bytes((0, 0xFF, 0, 0xFF)) * 256 + b'\0' * (4 * 16))
png = (work / 'ico-entry.png').read_bytes()
entries = [(16, 16, 32, green16), (64, 64, 32, png)]
offset = 6 + 16 * len(entries)
head = struct.pack('<HHH', 0, 1, len(entries))
body = b''
for w, h, bits, data in entries:
    head += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, bits, len(data), offset + len(body))
    body += data
write('ico-png.ico', head + body)

# Damaged files.
gradient_jpg = (work / 'gradient.jpg').read_bytes()
write('damaged-jpeg-truncated.jpg', gradient_jpg[:len(gradient_jpg) * 2 // 3])
write('damaged-jpeg-header-only.jpg', gradient_jpg[:40])
gradient_gif = (work / 'gradient.gif').read_bytes()
write('damaged-gif-truncated.gif', gradient_gif[:len(gradient_gif) // 2])
write('damaged-gif-header-only.gif', gradient_gif[:13])
bmp24 = (out / 'bmp-24bit.bmp').read_bytes()
write('damaged-bmp-truncated.bmp', bmp24[:len(bmp24) - 2 * 24])   # the top two rows are missing
write('damaged-bmp-header-only.bmp', bmp24[:30])
lying = bytearray(bmp24)
struct.pack_into('<I', lying, 10, 100000)                          # pixels beyond the end
write('damaged-bmp-offset.bmp', bytes(lying))
lying = bytearray(bmp24)
struct.pack_into('<I', lying, 14, 1000)                            # no such info header
write('damaged-bmp-infosize.bmp', bytes(lying))
write('damaged-bmp-huge.bmp', bmp(info40(100000, 100000, 24), b'', b'\0' * 64))
write('damaged-rle8-huge.bmp', bmp(info40(100000, 100000, 8, comp=1, clr_used=5), bgr0(pal_rle),
                                   rle8))
gif = bytearray((out / 'gif-static.gif').read_bytes())
struct.pack_into('<HH', gif, 6, 65535, 65535)                      # logical screen
write('damaged-gif-huge.gif', bytes(gif))
# A JPEG whose frame header claims 65000×65000.
jpg = bytearray((out / 'jpeg-blocks.jpg').read_bytes())
sof = next(i for i in range(2, len(jpg) - 1) if jpg[i] == 0xFF and jpg[i + 1] in (0xC0, 0xC2))
struct.pack_into('>HH', jpg, sof + 5, 65000, 65000)
write('damaged-jpeg-huge.jpg', bytes(jpg))
ico = bytearray((out / 'ico-png.ico').read_bytes())
ihdr = ico.index(b'IHDR')
struct.pack_into('>II', ico, ihdr + 4, 100000, 100000)             # the PNG's own size
write('ico-png-oversized.ico', bytes(ico))                         # the 16×16 one opens
huge_png = bytes(ico[ico.index(b'\x89PNG'):])
write('damaged-ico-huge.ico', struct.pack('<HHH', 0, 1, 1)
      + struct.pack('<BBBBHHII', 0, 0, 0, 0, 1, 32, len(huge_png), 22) + huge_png)
# The 64×64 PNG cut after its header, beside the 16×16 bitmap: the bitmap opens.
ico = (out / 'ico-png.ico').read_bytes()
write('ico-png-truncated.ico', ico[:ico.index(b'IHDR') + 4 + 13 + 4])
# 16000 × 16000 fits the pixel limit but not with a progressive decoder's coefficients.
prog = bytearray((out / 'jpeg-progressive.jpg').read_bytes())
sof = prog.index(b'\xff\xc2')
struct.pack_into('>HH', prog, sof + 5, 16000, 16000)
write('damaged-jpeg-progressive-huge.jpg', bytes(prog[:sof + 400]))
# Headers of a 16000 × 16000 picture (within the pixel limit) and one byte of pixels.
write('damaged-bmp-1byte.bmp', bmp(info40(16000, 16000, 24), b'', b'\0'))
write('damaged-rle8-1byte.bmp', bmp(info40(16000, 16000, 8, comp=1, clr_used=5), bgr0(pal_rle),
                                    b'\0'))
ico = bytearray((out / 'ico-png.ico').read_bytes())
for k in range(2):
    struct.pack_into('<I', ico, 6 + 16 * k + 12, 0x7FFFFFF0)        # pictures beyond the end
write('damaged-ico-offsets.ico', bytes(ico))
write('not-a-picture.txt', b'This is a text file, not a picture.\n')
write('not-a-picture-named.bmp', b'BMW and other cars\n')
write('empty.gif', b'')
PY

# Region decoding: 75 × 101 photo-like pictures (gradients, stripes whose colour changes every few
# pixels, noise), several blocks wide and high and not a whole number of them: JPEGs in the four
# chroma subsamplings cjpeg (libjpeg-turbo-progs) writes, grey, and with a restart marker after
# every row of blocks; PNGs with rows of every filter type, opaque RGB, RGBA opaque down to row
# 60 and partly transparent below, and the RGBA one interlaced.
python3 - "$out" "$work" <<'PY'
import pathlib, struct, sys, zlib

out, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
W, H = 75, 101
seed = 2024

def noise():
    global seed
    seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
    return (seed >> 16) % 17 - 8

def clamp(v):
    return max(0, min(255, v))

rgb = []
for y in range(H):
    row = []
    for x in range(W):
        n = noise()
        stripe = 230 if (x // 5 + y // 7) % 2 else 30
        row.append((clamp(x * 255 // (W - 1) + n), clamp(y * 255 // (H - 1) - n), clamp(stripe + n)))
    rgb.append(row)
alpha = [[255 if y < 60 else (x * 7 + y * 3) % 256 for x in range(W)] for y in range(H)]

(work / 'region.ppm').write_bytes(b'P6 %d %d 255\n' % (W, H)
                                  + bytes(c for row in rgb for p in row for c in p))
(work / 'region.pgm').write_bytes(b'P5 %d %d 255\n' % (W, H)
                                  + bytes((r * 3 + g * 6 + b) // 10 for row in rgb for r, g, b in row))

def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c

def png(name, channels, rows):
    bpp = channels
    raw, prev = b'', bytes(W * bpp)
    for y, row in enumerate(rows):
        kind = y % 5
        out_row = bytearray()
        for i, v in enumerate(row):
            a = row[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            pred = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
            out_row.append((v - pred) & 255)
        raw += bytes((kind,)) + bytes(out_row)
        prev = bytes(row)
    def chunk(t, d):
        return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
    color_type = {3: 2, 4: 6}[channels]
    data = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, color_type, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
    (out / name).write_bytes(data)

png('region-rgb.png', 3, [bytes(c for p in row for c in p) for row in rgb])
png('region-rgba.png', 4, [bytes(c for p, a in zip(row, arow) for c in p + (a,))
                           for row, arow in zip(rgb, alpha)])

# A TIFF whose directory comes before its pixels, as scanners write them: RGB in strips of 8
# rows, uncompressed, so that a file cut short still says what it is.
def tiff(name):
    rows_each = 8
    strips = [bytes(c for row in rgb[y:y + rows_each] for p in row for c in p)
              for y in range(0, H, rows_each)]
    entries = 10
    ifd_size = 2 + 12 * entries + 4
    bits_at = 8 + ifd_size
    offsets_at = bits_at + 6
    counts_at = offsets_at + 4 * len(strips)
    data_at = counts_at + 4 * len(strips)
    offsets, at = [], data_at
    for strip in strips:
        offsets.append(at)
        at += len(strip)
    def entry(tag, kind, count, value):
        return struct.pack('<HHII', tag, kind, count, value) if kind == 4 or count != 1 \
            else struct.pack('<HHIHH', tag, kind, count, value, 0)
    ifd = struct.pack('<H', entries) + b''.join([
        entry(256, 3, 1, W), entry(257, 3, 1, H), entry(258, 3, 3, bits_at),
        entry(259, 3, 1, 1), entry(262, 3, 1, 2), entry(273, 4, len(strips), offsets_at),
        entry(277, 3, 1, 3), entry(278, 3, 1, rows_each), entry(279, 4, len(strips), counts_at),
        entry(284, 3, 1, 1)]) + struct.pack('<I', 0)
    data = (b'II*\0' + struct.pack('<I', 8) + ifd + struct.pack('<HHH', 8, 8, 8)
            + struct.pack('<%dI' % len(strips), *offsets)
            + struct.pack('<%dI' % len(strips), *map(len, strips)) + b''.join(strips))
    (out / name).write_bytes(data)

tiff('region-strips.tif')
PY
for s in 420:2x2 422:2x1 444:1x1 440:1x2; do
    cjpeg -quality 90 -sample "${s#*:}" -outfile "$out/region-${s%%:*}.jpg" "$work/region.ppm"
done
cjpeg -quality 90 -restart 1 -outfile "$out/region-restart.jpg" "$work/region.ppm"
cjpeg -quality 90 -grayscale -outfile "$out/region-grey.jpg" "$work/region.pgm"
im "$out/region-rgba.png" -interlace PNG "${strip[@]}" "$out/region-interlaced.png"
# The same picture in the other formats whose rows come from the top, for the files cut short.
cjpeg -quality 90 -progressive -outfile "$out/region-progressive.jpg" "$work/region.ppm"
im "$out/region-rgb.png" -colors 256 "${strip[@]}" "$out/region.gif"
im "$out/region-rgb.png" -colors 256 -interlace GIF "${strip[@]}" "$out/region-interlaced.gif"
cwebp -quiet -q 90 "$out/region-rgb.png" -o "$out/region-lossy.webp"
cwebp -quiet -lossless "$out/region-rgb.png" -o "$out/region-lossless.webp"
# Damaged below row 60 only: the RGB PNG cut at two thirds, and the 4:2:0 JPEG with a frame
# marker in place of two bytes of its scan at four fifths.
python3 - "$out" <<'PY'
import pathlib, sys
out = pathlib.Path(sys.argv[1])
png = (out / 'region-rgb.png').read_bytes()
(out / 'damaged-region-truncated.png').write_bytes(png[:len(png) * 2 // 3])
# The compressed pixels' own checksum (zlib's, the last four bytes of the last IDAT) wrong, every
# chunk's CRC right.
import struct, zlib
data = bytearray(png)
at, last = 8, None
while at < len(data):
    length = struct.unpack('>I', data[at:at + 4])[0]
    if data[at + 4:at + 8] == b'IDAT':
        last = (at, length)
    at += 12 + length
at, length = last
data[at + 8 + length - 1] ^= 0x01
data[at + 8 + length:at + 12 + length] = struct.pack(
    '>I', zlib.crc32(bytes(data[at + 4:at + 8 + length])) & 0xffffffff)
(out / 'damaged-region-checksum.png').write_bytes(bytes(data))
jpg = bytearray((out / 'region-420.jpg').read_bytes())
at = len(jpg) * 4 // 5
jpg[at:at + 2] = b'\xff\xc0'
(out / 'damaged-region-marker.jpg').write_bytes(bytes(jpg))
PY

echo "raster fixtures written to $out"
