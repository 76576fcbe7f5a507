#!/usr/bin/python3
"""Reads a saved palette with Python's own zipfile and XML parser, which owe nothing to the
program's code, and prints its rows as JSON: [[red, green, blue, name], ...] top row first.

Usage: read_swatches.py kpl|soc|scribus|hex FILE

- kpl: a zip (zipfile: every member's checksum tested) whose first member is "mimetype", stored
  uncompressed, holding "krita/x-colorset"; "colorset.xml" with a <Colorset> root and its
  <ColorSetEntry> elements, each with an <RGB> in Krita's sRGB profile (U8 entries exact
  multiples of 1/255) or in a profile "profiles.xml" lists (F32 entries); "profiles.xml" with a
  <Profiles> root whose <Profile> elements name RGB profiles the zip holds: ICC files whose
  header gives their length, "acsp", the RGB data space and the XYZ connection space, and whose
  description tag is the profile's name. An entry in such a profile is printed with a fifth
  item, {"space": the profile's name, "values": [r, g, b]}; its first three are then those
  values as 8-bit ones, not converted to sRGB.
- soc: an <ooo:color-table> whose <draw:color> elements have draw:name and draw:color="#rrggbb",
  with the namespaces LibreOffice uses.
- scribus: a <SCRIBUSCOLORS> root whose <COLOR> elements have NAME and RGB="#rrggbb".
- hex: one "rrggbb" a line, without "#", each line ended.
A file that breaks these rules ends the script with status 1 and the reason.
"""

import json
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

DRAW = "{urn:oasis:names:tc:opendocument:xmlns:drawing:1.0}"
OOO = "{http://openoffice.org/2004/office}"
CODE = re.compile(r"#[0-9a-f]{6}")


def fail(reason):
    sys.exit("not a valid palette: " + reason)


def channels(code):
    return [int(code[i:i + 2], 16) for i in (1, 3, 5)]


def icc_description(data):
    """The profile's description, from an ICC file checked as far as the header and tag table."""
    if len(data) < 132 or struct.unpack(">I", data[:4])[0] != len(data) or data[36:40] != b"acsp":
        fail("a profile's header is damaged")
    if data[16:20] != b"RGB " or data[20:24] != b"XYZ ":
        fail("a profile is not of RGB with the XYZ connection space")
    (count,) = struct.unpack(">I", data[128:132])
    for i in range(count):
        sig, offset, size = struct.unpack(">4sII", data[132 + 12 * i:144 + 12 * i])
        if offset + size > len(data):
            fail("a profile's tag runs beyond its end")
        if sig != b"desc":
            continue
        tag = data[offset:offset + size]
        if tag[:4] == b"desc":  # version 2: ASCII with its count
            (length,) = struct.unpack(">I", tag[8:12])
            return tag[12:12 + length].rstrip(b"\0").decode("ascii")
        if tag[:4] == b"mluc":  # version 4: the first record's UTF-16BE text
            length, at = struct.unpack(">II", tag[20:28])
            return tag[at:at + length].decode("utf-16-be")
        fail("a profile's description is of type %r" % tag[:4])
    fail("a profile has no description")


def kpl(path):
    with zipfile.ZipFile(path) as z:
        bad = z.testzip()
        if bad is not None:
            fail("member %s is damaged" % bad)
        first = z.infolist()[0]
        if first.filename != "mimetype" or first.compress_type != zipfile.ZIP_STORED:
            fail("the first member is %r, compression %d" % (first.filename, first.compress_type))
        if z.read("mimetype") != b"krita/x-colorset":
            fail("mimetype %r" % z.read("mimetype"))
        profiles = ET.fromstring(z.read("profiles.xml"))
        if profiles.tag != "Profiles":
            fail("profiles.xml has no <Profiles>")
        held = set()
        for profile in profiles:
            name = profile.get("name")
            if profile.tag != "Profile" or profile.get("colorModelId") != "RGBA":
                fail("profiles.xml lists %r" % profile.attrib)
            if icc_description(z.read(profile.get("filename"))) != name:
                fail("the profile %r describes itself otherwise" % name)
            held.add(name)
        root = ET.fromstring(z.read("colorset.xml"))
    if root.tag != "Colorset" or int(root.get("columns")) <= 0:
        fail("colorset.xml has no <Colorset> with columns")
    rows = []
    for entry in root.iter("ColorSetEntry"):
        rgb = entry.find("RGB")
        space = None if rgb is None else rgb.get("space")
        if space in held and entry.get("bitdepth") != "F32":
            fail("entry %r is in %r at %r" % (entry.get("name"), space, entry.get("bitdepth")))
        if space != "sRGB-elle-V2-srgbtrc.icc" and space not in held:
            fail("entry %r has no RGB in sRGB or a profile held" % entry.get("name"))
        values = [float(rgb.get(c)) for c in "rgb"]
        if entry.get("bitdepth") == "U8" and any(abs(v * 255 - round(v * 255)) > 1e-9
                                                 for v in values):
            fail("an 8-bit entry holds %r" % values)
        if entry.find("Position") is None:
            fail("entry %r has no position" % entry.get("name"))
        row = [round(min(max(v, 0.0), 1.0) * 255) for v in values] + [entry.get("name")]
        if space in held:
            row.append({"space": space, "values": values})
        rows.append(row)
    return rows


def soc(path):
    root = ET.parse(path).getroot()
    if root.tag != OOO + "color-table":
        fail("root %r" % root.tag)
    rows = []
    for color in root:
        code = color.get(DRAW + "color")
        if color.tag != DRAW + "color" or not code or not CODE.fullmatch(code):
            fail("element %r, colour %r" % (color.tag, code))
        rows.append(channels(code) + [color.get(DRAW + "name")])
    return rows


def scribus(path):
    root = ET.parse(path).getroot()
    if root.tag != "SCRIBUSCOLORS":
        fail("root %r" % root.tag)
    rows = []
    for color in root:
        code = color.get("RGB")
        if color.tag != "COLOR" or not code or not CODE.fullmatch(code):
            fail("element %r, colour %r" % (color.tag, code))
        rows.append(channels(code) + [color.get("NAME")])
    return rows


def hexlist(path):
    with open(path, "rb") as f:
        text = f.read().decode("ascii")
    if not text.endswith("\n"):
        fail("the last line is not ended")
    rows = []
    for line in text.split("\n")[:-1]:
        if not re.fullmatch(r"[0-9a-fA-F]{6}", line):
            fail("line %r" % line)
        rows.append(channels("#" + line) + [""])
    return rows


READERS = {"kpl": kpl, "soc": soc, "scribus": scribus, "hex": hexlist}

if __name__ == "__main__":
    json.dump(READERS[sys.argv[1]](sys.argv[2]), sys.stdout)
