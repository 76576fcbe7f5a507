#!/usr/bin/env bash
# Makes the small pictures in tests/data/modern that the loading tests read: PNG in its depths and
# colour types, WebP, TIFF, SVG, HEIC, AVIF and JPEG XL, with and without colour profiles, and
# damaged ones. Made with Debian's tools: python3 (PNG written byte by byte, the Display P3 ICC
# profile), ImageMagick (convert: JPEG, TIFF), tiffcp (libtiff-tools: BigTIFF),
# cwebp/img2webp/webpmux (webp), heif-enc (libheif-examples), cjxl (libjxl-tools). The sRGB values
# that profiled pictures must show come from lcms2's own transicc (liblcms2-utils) and, for PNG's
# gAMA and cHRM, from the formulas below; they are printed at the end and written into
# expected-srgb.txt.
# Run it again after changing it; the files are committed. webp-icc-unknown-space.webp,
# webp-lossless-alpha-unused.webp and jpeg-icc-piece-beyond-count.jpg are not made here: the
# fuzzer found them (a profile whose colour space signature names none; alpha values in a picture
# whose header says it has none; a profile's piece numbered beyond their count), and they are
# kept as found.
set -euo pipefail

out="$(cd "$(dirname "$0")" && pwd)/modern"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
strip=(-strip -define png:exclude-chunk=date,time)

python3 - "$out" "$work" <<'PY'
import struct, sys, zlib, pathlib

out, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

def png(name, width, height, depth, colour, rows, extra=(), plte=None, trns=None, where=out):
    """rows: bytes of each scan line without the filter byte."""
    data = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, depth,
                                                             colour, 0, 0, 0))
    for kind, body in extra:
        data += chunk(kind, body)
    if plte is not None:
        data += chunk(b'PLTE', b''.join(bytes(c) for c in plte))
    if trns is not None:
        data += chunk(b'tRNS', trns)
    data += chunk(b'IDAT', zlib.compress(b''.join(b'\0' + r for r in rows)))
    data += chunk(b'IEND', b'')
    (where / name).write_bytes(data)

# 16×16 in four 8×8 blocks: #123456 top-left, #FF0000 top-right, #808080 bottom-left,
# #FFFFFF bottom-right (the blocks line up with JPEG's, so lossy coders keep them nearly flat).
BLOCKS = [(0x12, 0x34, 0x56), (0xFF, 0x00, 0x00), (0x80, 0x80, 0x80), (0xFF, 0xFF, 0xFF)]
def block_rows():
    rows = []
    for y in range(16):
        row = b''
        for x in range(16):
            row += bytes(BLOCKS[(y // 8) * 2 + x // 8])
        rows.append(row)
    return rows

png('png-rgb8.png', 16, 16, 8, 2, block_rows())
png('blocks.png', 16, 16, 8, 2, block_rows(), where=work)
png('blocks16.png', 16, 16, 16, 2, [bytes(b for v in r for b in (v, v)) for r in block_rows()],
    where=work)

# 16 bits a channel: 385 rounds to 1 and 128 to 0 (385 × 255 / 65535 = 1.498, 128 × ... = 0.498).
def rgba16(*pixels):
    return b''.join(struct.pack('>4H', *p) for p in pixels)
png('png-rgba16.png', 3, 1, 16, 6,
    [rgba16((385, 128, 65535, 65535), (0x1234, 0x8080, 0xFFFF, 65535),
            (65535, 0, 0, 0x8080))])
png('png-grey16.png', 2, 1, 16, 0, [struct.pack('>2H', 385, 0x8080)])
# Two bits of palette, the last entry transparent; one bit of grey; grey with alpha.
png('png-palette2.png', 4, 1, 2, 3, [bytes([0b00011011])],
    plte=[(255, 0, 0), (0, 255, 0), (0, 0, 255), (9, 9, 9)], trns=bytes([255, 255, 255, 0]))
png('png-grey1.png', 8, 1, 1, 0, [bytes([0b10100000])])
png('png-grey-alpha8.png', 2, 1, 8, 4, [bytes([64, 255, 192, 128])])
png('rgba8.png', 16, 16, 8, 6, [bytes(v for x in range(16) for v in (
    (255, 0, 0, 255) if x < 8 else (0, 0, 255, 128))) for y in range(16)], where=work)

# A Display P3 profile (ICC v4, matrix and sRGB curves), as phones and laptops write it.
def s15(v):
    return struct.pack('>i', int(round(v * 65536)))
def xyz(x, y, z):
    return b'XYZ \0\0\0\0' + s15(x) + s15(y) + s15(z)
def mluc(text):
    body = text.encode('utf-16-be')
    return b'mluc\0\0\0\0' + struct.pack('>II', 1, 12) + b'enUS' + struct.pack('>II', len(body), 28) + body
def para_srgb():
    return b'para\0\0\0\0' + struct.pack('>H2x', 3) + b''.join(
        s15(v) for v in (2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045))
def sf32(m):
    return b'sf32\0\0\0\0' + b''.join(s15(v) for row in m for v in row)

def mat_mul(a, b):
    return [[sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)] for i in range(3)]
def mat_vec(a, v):
    return [sum(a[i][k] * v[k] for k in range(3)) for i in range(3)]
def inverse(m):
    (a, b, c), (d, e, f), (g, h, i) = m
    det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g)
    return [[(e * i - f * h) / det, (c * h - b * i) / det, (b * f - c * e) / det],
            [(f * g - d * i) / det, (a * i - c * g) / det, (c * d - a * f) / det],
            [(d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det]]
def xy_to_xyz(x, y):
    return [x / y, 1.0, (1 - x - y) / y]
def rgb_to_xyz(primaries, white):
    cols = [xy_to_xyz(*p) for p in primaries]
    m = [[cols[j][i] for j in range(3)] for i in range(3)]
    s = mat_vec(inverse(m), xy_to_xyz(*white))
    return [[m[i][j] * s[j] for j in range(3)] for i in range(3)]

D65 = (0.3127, 0.3290)
D50 = [0.9642, 1.0, 0.8249]
BRADFORD = [[0.8951, 0.2664, -0.1614], [-0.7502, 1.7135, 0.0367], [0.0389, -0.0685, 1.0296]]
def adapt(src_white_xyz, dst_white_xyz):
    s = mat_vec(BRADFORD, src_white_xyz)
    d = mat_vec(BRADFORD, dst_white_xyz)
    scale = [[d[0] / s[0], 0, 0], [0, d[1] / s[1], 0], [0, 0, d[2] / s[2]]]
    return mat_mul(inverse(BRADFORD), mat_mul(scale, BRADFORD))

P3 = [(0.680, 0.320), (0.265, 0.690), (0.150, 0.060)]
SRGB = [(0.640, 0.330), (0.300, 0.600), (0.150, 0.060)]
def icc_profile(name, primaries):
    chad = adapt(xy_to_xyz(*D65), D50)
    m = mat_mul(chad, rgb_to_xyz(primaries, D65))
    tags = [(b'desc', mluc(name)), (b'cprt', mluc('No copyright, use freely')),
            (b'wtpt', xyz(*D50)), (b'chad', sf32(chad)),
            (b'rXYZ', xyz(m[0][0], m[1][0], m[2][0])), (b'gXYZ', xyz(m[0][1], m[1][1], m[2][1])),
            (b'bXYZ', xyz(m[0][2], m[1][2], m[2][2])),
            (b'rTRC', para_srgb()), (b'gTRC', para_srgb()), (b'bTRC', para_srgb())]
    offset = 128 + 4 + 12 * len(tags)
    table, body = b'', b''
    for sig, data in tags:
        while len(data) % 4:
            data += b'\0'
        table += sig + struct.pack('>II', offset + len(body), len(data))
        body += data
    size = offset + len(body)
    header = struct.pack('>I4sI', size, b'lcms', 0x04300000) + b'mntrRGB XYZ ' + \
        struct.pack('>6H', 2024, 1, 1, 0, 0, 0) + b'acspAPPL' + struct.pack('>I', 0) + \
        b'\0' * 8 + b'\0' * 8 + struct.pack('>I', 0) + s15(0.9642) + s15(1.0) + s15(0.8249) + \
        b'lcms' + b'\0' * 16 + b'\0' * 28
    assert len(header) == 128
    return header + struct.pack('>I', len(tags)) + table + body

p3 = icc_profile('Display P3', P3)
(work / 'p3.icc').write_bytes(p3)
iccp = b'Display P3\0\0' + zlib.compress(p3)
png('png-p3.png', 16, 16, 8, 2, block_rows(), extra=[(b'iCCP', iccp)])
png('png-cicp-p3.png', 16, 16, 8, 2, block_rows(), extra=[(b'cICP', bytes([12, 13, 0, 1]))])
# 16 bits through the P3 profile: P3's own red and a blue, which sRGB cannot show, and a grey.
png('png-p3-16.png', 3, 1, 16, 2,
    [struct.pack('>9H', 65535, 0, 0, 4660, 22136, 39612, 30000, 30000, 30000)],
    extra=[(b'iCCP', iccp)])
# 10-bit values (each widened to 16 bits by repeating its top bits) for a lossless 10-bit HEIC:
# two 8 × 8 blocks. heif-enc's own step to 10 bits makes the 512 511; libheif's heif-convert reads
# back (1023, 0, 511) and (37, 700, 1000).
DEEP10 = [(1023, 0, 512), (37, 700, 1000)]
png('deep10.png', 16, 8, 16, 2, [b''.join(struct.pack('>3H', *((v << 6) | (v >> 4) for v in p))
                                          for p in DEEP10 for x in range(8))] * 8, where=work)
# The sRGB chunk wins over a gAMA beside it; a gAMA of 1/1.8 alone is a pure power curve.
png('png-srgb-chunk.png', 16, 16, 8, 2, block_rows(),
    extra=[(b'sRGB', b'\0'), (b'gAMA', struct.pack('>I', 55556))])
png('png-gama18.png', 16, 16, 8, 2, block_rows(), extra=[(b'gAMA', struct.pack('>I', 55556))])
# A profile chunk whose compressed data is damaged: the picture opens, its values as stored.
png('png-damaged-iccp.png', 16, 16, 8, 2, block_rows(),
    extra=[(b'iCCP', b'Broken\0\0' + b'\x78\x9c' + b'not deflate at all')])
# Pure power 1.8 to linear light, then the sRGB curve: the second implementation for gAMA.
def srgb_encode(v):
    v = max(0.0, min(1.0, v))
    return 12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
with open(work / 'expected-gama.txt', 'w') as f:
    for r, g, b in BLOCKS:
        f.write(' '.join('%d' % round(255 * srgb_encode((c / 255) ** (1 / 0.55556))) for c in (r, g, b)) + '\n')
# cHRM and gAMA, no profile: ColorMatch RGB's primaries, its D50 white and gamma 1.8, and the
# same with gamma 2.2 (a pure power: only with sRGB's own primaries is 1/2.2 read as sRGB's
# curve). The second implementation for cHRM: the power to linear light, the chromaticities'
# matrix, Bradford from that white to D65, then sRGB's inverse matrix and curve.
CHRM, D50_XY = [(0.630, 0.340), (0.295, 0.605), (0.150, 0.075)], (0.3457, 0.3585)
to_srgb = mat_mul(inverse(rgb_to_xyz(SRGB, D65)), mat_mul(
    adapt(xy_to_xyz(*D50_XY), xy_to_xyz(*D65)), rgb_to_xyz(CHRM, D50_XY)))
with open(work / 'expected-chrm.txt', 'w') as f:
    for name, gama in (('png-chrm-gama.png', 55556), ('png-chrm-gama22.png', 45455)):
        png(name, 16, 16, 8, 2, block_rows(), extra=[
            (b'gAMA', struct.pack('>I', gama)),
            (b'cHRM', struct.pack('>8I', *(round(v * 100000) for xy in [D50_XY] + CHRM for v in xy)))])
        for rgb in BLOCKS:
            linear = mat_vec(to_srgb, [(c / 255) ** (100000 / gama) for c in rgb])
            f.write(' '.join('%d' % round(255 * srgb_encode(v)) for v in linear) + '\n')
# Headers that claim 100000 × 100000 pixels.
png('png-huge.png', 100000, 100000, 8, 2, [b'\0\0\0'])
PY

# WebP: lossy and lossless blocks, a lossless picture with the P3 profile, an animation (its first
# frame lime), and a canvas that claims 100000 × 100000 pixels.
cwebp -quiet -q 100 -sharp_yuv "$work/blocks.png" -o "$out/webp-lossy.webp"
cwebp -quiet -lossless -exact "$work/blocks.png" -o "$out/webp-lossless.webp"
webpmux -set icc "$work/p3.icc" "$out/webp-lossless.webp" -o "$out/webp-p3.webp"
convert -size 16x16 xc:lime "${strip[@]}" "$work/lime.png"
convert -size 16x16 xc:blue "${strip[@]}" "$work/blue.png"
img2webp -loop 0 -lossless "$work/lime.png" -d 100 "$work/blue.png" -o "$out/webp-animated.webp" >/dev/null
python3 - "$out" <<'PY'
import struct, sys, pathlib
out = pathlib.Path(sys.argv[1])
data = bytearray((out / 'webp-animated.webp').read_bytes())
# The VP8X chunk's canvas width and height minus one, 24 bits each.
at = data.index(b'VP8X') + 8 + 4
data[at:at + 6] = (99999).to_bytes(3, 'little') + (99999).to_bytes(3, 'little')
(out / 'damaged-webp-huge.webp').write_bytes(bytes(data))
PY

# TIFF: 8 bits LZW, 16 bits deflate, JPEG inside TIFF, two pages (the first lime), P3 profile,
# and the same as BigTIFF.
convert "$work/blocks.png" "${strip[@]}" -compress LZW "$out/tiff-lzw8.tif"
convert "$work/blocks.png" "${strip[@]}" -depth 16 -compress Zip "$out/tiff-deflate16.tif"
convert "$work/blocks.png" "${strip[@]}" -compress JPEG -quality 100 -sampling-factor 1x1 "$out/tiff-jpeg.tif"
convert "$work/lime.png" "$work/blue.png" "${strip[@]}" -compress LZW "$out/tiff-pages.tif"
convert "$work/blocks.png" "${strip[@]}" -compress LZW -profile "$work/p3.icc" "$out/tiff-p3.tif"
tiffcp -8 "$out/tiff-p3.tif" "$out/tiff-bigtiff-p3.tif" # BigTIFF: 8-byte offsets
# 32-bit floating point, #123456 (Qt reads it as floats).
# (ImageMagick writes it whole but exits with 1 over a predictor tag it cannot set.)
convert -size 2x1 xc:"rgb(18,52,86)" -define quantum:format=floating-point -depth 32 "${strip[@]}" "$out/tiff-float.tif" 2>/dev/null || test -s "$out/tiff-float.tif"
# JPEG with the P3 profile (no chroma subsampling, so the blocks keep their colours closely).
convert "$work/blocks.png" "${strip[@]}" -quality 100 -sampling-factor 1x1 -profile "$work/p3.icc" "$out/jpeg-p3.jpg"

# SVG: a stated size, none at all, and one far larger than any picture may be.
cat > "$out/svg-sized.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10">
  <rect x="0" y="0" width="10" height="10" fill="#123456"/>
  <rect x="10" y="0" width="10" height="10" fill="#ff0000"/>
</svg>
SVG
cat > "$out/svg-nosize.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg">
  <rect x="0" y="0" width="1000" height="1000" fill="#00ff00"/>
</svg>
SVG
cat > "$out/svg-huge.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="1000000" height="500000" viewBox="0 0 2 1">
  <rect x="0" y="0" width="1" height="1" fill="#0000ff"/>
  <rect x="1" y="0" width="1" height="1" fill="#ffff00"/>
</svg>
SVG

# HEIC and AVIF: lossless blocks, lossy ones, the P3 profile carried over from the PNG, AVIF
# with colour code points naming Display P3, and HEIC at 10 bits a channel (Debian's libaom
# cannot write 10-bit AVIF from here).
heif-enc -L -o "$out/heic-lossless.heic" "$work/blocks.png" >/dev/null
heif-enc -q 90 -o "$out/heic-lossy.heic" "$work/blocks.png" >/dev/null
heif-enc -L -o "$out/heic-p3.heic" "$out/png-p3.png" >/dev/null
heif-enc -A -L -o "$out/avif-lossless.avif" "$work/blocks.png" >/dev/null
heif-enc -A -L -o "$out/avif-alpha.avif" "$work/rgba8.png" >/dev/null
# heif-enc 1.15 writes its own code points whatever it is told: they are set in the colr box.
python3 - "$out" <<'PY'
import sys, pathlib
out = pathlib.Path(sys.argv[1])
data = bytearray((out / 'avif-lossless.avif').read_bytes())
at = data.index(b'colrnclx') + 8
data[at:at + 4] = (12).to_bytes(2, 'big') + (13).to_bytes(2, 'big')
(out / 'avif-nclx-p3.avif').write_bytes(bytes(data))
# A picture that states 100000 × 100000 pixels (ispe: version and flags, width, height).
data = bytearray((out / 'avif-lossless.avif').read_bytes())
at = data.index(b'ispe') + 8
data[at:at + 8] = (100000).to_bytes(4, 'big') * 2
(out / 'damaged-avif-huge.avif').write_bytes(bytes(data))
PY
# Larger than a small view and carrying a thumbnail (100 x 66, the encoder rounding its height
# down to even): the first look shows it.
convert -seed 7 -size 300x203 plasma:fractal -depth 8 "$work/plasma.png"
heif-enc -q 60 -t 100 -o "$out/heic-thumbnail.heic" "$work/plasma.png" >/dev/null
heif-enc -q 90 -b 10 -o "$out/heic-10bit.heic" "$work/blocks16.png" >/dev/null
heif-enc -L -b 10 -o "$out/heic-10bit-lossless.heic" "$work/deep10.png" >/dev/null

# JPEG XL: lossless blocks, lossless with the P3 profile, lossy.
cjxl "$work/blocks.png" "$out/jxl-lossless.jxl" -d 0 --quiet 2>/dev/null
cjxl "$out/png-p3.png" "$out/jxl-p3.jxl" -d 0 --quiet 2>/dev/null
cjxl "$work/blocks.png" "$out/jxl-lossy.jxl" -d 0.5 --quiet 2>/dev/null
cjxl "$out/png-grey-alpha8.png" "$out/jxl-grey-alpha.jxl" -d 0 --quiet 2>/dev/null

# Damaged files: cut short halfway.
for f in webp-lossless.webp tiff-lzw8.tif heic-lossless.heic avif-lossless.avif jxl-lossless.jxl; do
    head -c $(($(stat -c %s "$out/$f") / 2)) "$out/$f" > "$out/damaged-truncated-${f}"
done

# The sRGB values the blocks show through the P3 profile: lcms2's own transicc, relative
# colorimetric. And the gAMA 1/1.8 picture's, from the formulas above.
{
    echo "# Display P3 blocks in sRGB (transicc -t1), then gAMA 1/1.8 blocks, then cHRM blocks"
    for rgb in "18 52 86" "255 0 0" "128 128 128" "255 255 255"; do
        # Unbounded values, clipped to 0..255 and rounded as 8-bit values are.
        echo "$rgb" | transicc -i "$work/p3.icc" -o '*sRGB' -t1 -n 2>/dev/null | tail -1 |
            awk '{ for (i = 1; i <= 3; i++) { v = $i < 0 ? 0 : ($i > 255 ? 255 : $i);
                   printf "%d%s", int(v + 0.5), i < 3 ? " " : "\n" } }'
    done
    cat "$work/expected-gama.txt" "$work/expected-chrm.txt"
} | tee "$out/expected-srgb.txt"

# The exact sRGB values of png-p3-16.png's three pixels, unbounded (transicc -n prints them on a
# scale of 0 to 255, unclipped), for the values kept at full precision.
for rgb in "255 0 0" "18.13229572 86.13229572 154.13229572" "116.73151751 116.73151751 116.73151751"; do
    echo "$rgb" | transicc -i "$work/p3.icc" -o '*sRGB' -t1 -n 2>/dev/null | tail -1
done | tee "$out/expected-precise.txt"
