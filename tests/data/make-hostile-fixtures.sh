#!/usr/bin/env bash
# Makes the hostile files in tests/data/hostile that the loading tests read: SVG drawings that
# name files outside themselves (by absolute path, by a path relative to where they are read, a
# FIFO, through an entity), that ask for more drawing than any picture needs, or that embed
# pictures beyond the pixel limit; and pictures whose colour profile or channels do not match.
# Made with python3 alone (PNG and ICC profiles written byte by byte) and ImageMagick (TIFF).
# The drawings name /proc/self/cwd/..., so a test decides what they would reach by the folder it
# runs in. Run it again after changing it; the files are committed.
set -euo pipefail

out="$(cd "$(dirname "$0")" && pwd)/hostile"
mkdir -p "$out"

python3 - "$out" <<'PY'
import base64, struct, sys, zlib, pathlib

out = pathlib.Path(sys.argv[1])

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

def png(width, height, colour_type, depth, rows, extra=b''):
    raw = b''.join(b'\0' + r for r in rows)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, depth, colour_type, 0, 0, 0))
            + extra + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

def svg(body, head=''):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n' + head +
            '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"'
            ' width="20" height="10">\n'
            '  <rect width="20" height="10" fill="#ffffff"/>\n' + body + '</svg>\n')

def write(name, text):
    (out / name).write_text(text)

image = '  <image x="0" y="0" width="20" height="10" {}="{}"/>\n'
write('svg-image-absolute.svg', svg(image.format('xlink:href', '/proc/self/cwd/red.png')))
write('svg-image-relative.svg', svg(image.format('xlink:href', 'red.png')))
write('svg-image-fifo.svg', svg(image.format('xlink:href', '/proc/self/cwd/fifo')))
write('svg-image-entity.svg',
      svg(image.format('xlink:href', '&outside;'),
          '<!DOCTYPE svg [<!ENTITY outside "/proc/self/cwd/red.png">]>\n'))
write('svg-image-file-uri.svg', svg(image.format('xlink:href', 'file:///proc/self/cwd/red.png')))

# What the drawing holds itself is drawn: a red picture as a data URI.
red = png(2, 2, 2, 8, [b'\xff\0\0' * 2] * 2)
write('svg-image-data.svg',
      svg(image.format('xlink:href', 'data:image/png;base64,' + base64.b64encode(red).decode())))

# Five 8192 x 8192 pictures of 1-bit grey, 256 MiB each once decoded: 1.25 GiB together.
side = 8192
big = png(side, side, 0, 1, [bytes(side // 8)] * side)
uri = 'data:image/png;base64,' + base64.b64encode(big).decode()
write('svg-embedded-too-large.svg',
      svg(''.join(image.format('xlink:href', uri) for _ in range(5))))

# 2000 rectangles over the whole drawing, which states a size beyond the pixel limit: drawn at
# the limit, each would fill it all.
rects = ''.join('  <rect width="100" height="100" fill="#%06x"/>\n' % (i * 2521 % 0xffffff)
                for i in range(2000))
(out / 'svg-drawing-storm.svg').write_text(
    '<svg xmlns="http://www.w3.org/2000/svg" width="100000" height="100000" viewBox="0 0 100 100">\n'
    + rects + '</svg>\n')

# A grey ICC profile (gamma 1.0) in an RGB picture that is pure red.
def s15(v):
    return struct.pack('>i', round(v * 65536))

def icc(space, tags):
    count = len(tags)
    offset = 128 + 4 + 12 * count
    table, data = b'', b''
    for sig, body in tags:
        while len(body) % 4:
            body += b'\0'
        table += sig + struct.pack('>II', offset + len(data), len(body))
        data += body
    size = offset + len(data)
    header = (struct.pack('>I', size) + b'\0\0\0\0' + b'\x04\x20\0\0' + b'mntr' + space +
              b'XYZ ' + bytes(12) + b'acsp' + bytes(28) + s15(0.9642) + s15(1.0) + s15(0.8249) +
              bytes(48))
    assert len(header) == 128
    return header + struct.pack('>I', count) + table + data

xyz = b'XYZ \0\0\0\0' + s15(0.9642) + s15(1.0) + s15(0.8249)
curve = b'curv\0\0\0\0' + struct.pack('>I', 1) + struct.pack('>H', 256)
desc = b'desc\0\0\0\0' + struct.pack('>I', 5) + b'grey\0' + bytes(79)
grey = icc(b'GRAY', [(b'desc', desc), (b'wtpt', xyz), (b'kTRC', curve)])
iccp = chunk(b'iCCP', b'grey\0\0' + zlib.compress(grey))
(out / 'png-rgb-grey-profile.png').write_bytes(
    png(2, 2, 2, 8, [b'\xff\0\0' * 2] * 2, iccp))
PY

# TIFF grey with alpha: grey 128 at half coverage, 8 and 16 bits.
for depth in 8 16; do
    convert -size 2x2 xc:"graya(50.19608%,0.5019608)" -depth "$depth" -define tiff:alpha=unassociated \
        -compress none "$out/tiff-grey-alpha$depth.tif"
done
echo "made $(ls "$out" | wc -l) files in $out"
