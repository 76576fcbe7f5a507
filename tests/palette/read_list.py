#!/usr/bin/python3
"""Reads a saved list with readers that owe nothing to the program's own code, and prints its
rows as JSON: [[red, green, blue, name], ...] top row first.

Usage: read_list.py gpl|css|json|csv FILE

- gpl: GIMP's palette grammar as its documentation states it (format version 2): the magic
  line, an optional "Name: " line, an optional "Columns: " line (0 to 255), then comment lines
  (starting with "#"), totally empty lines and colour lines "r g b name", the name stripped of
  its start and end spaces.
- css: the CSS tokenizer and parser tinycss2 (CSS Syntax Level 3): one ":root" rule whose
  declarations are custom properties holding hex colours.
- json, csv: Python's json and csv modules.
A file that breaks its format's rules ends the script with status 1 and the reason.
"""

import csv
import json
import re
import sys


def fail(reason):
    sys.exit("not a valid list: " + reason)


def gimp(path):
    with open(path, "rb") as f:
        text = f.read().decode("utf-8")  # names MUST be UTF-8
    lines = text.split("\n")
    if lines[0] != "GIMP Palette":
        fail("the first line is %r" % lines[0])
    at = 1
    if lines[at].startswith("Name: "):
        at += 1
        if lines[at].startswith("Columns: "):
            if not 0 <= int(lines[at][len("Columns: "):]) <= 255:
                fail("columns out of range")
            at += 1
    rows = []
    for line in lines[at:]:
        if line == "" or line.startswith("#"):
            continue
        m = re.fullmatch(r"\s*(\d+)\s+(\d+)\s+(\d+)(?:\s+(.*))?", line, re.S)
        if not m or any(int(v) > 255 for v in m.groups()[:3]):
            fail("bad colour line %r" % line[:80])
        rows.append([int(v) for v in m.groups()[:3]] + [(m.group(4) or "").strip(" ")])
    return rows


def css(path):
    import tinycss2
    with open(path, "rb") as f:
        rules, _encoding = tinycss2.parse_stylesheet_bytes(f.read(), skip_whitespace=True)
    if len(rules) != 1 or rules[0].type != "qualified-rule":
        fail("expected one rule, got %r" % rules)
    if tinycss2.serialize(rules[0].prelude).strip() != ":root":
        fail("the rule is not :root")
    rows = []
    for decl in tinycss2.parse_declaration_list(rules[0].content, skip_whitespace=True,
                                                skip_comments=True):
        if decl.type != "declaration" or not decl.name.startswith("--"):
            fail("not a custom property: %r" % decl)
        value = [t for t in decl.value if t.type != "whitespace"]
        if len(value) != 1 or value[0].type != "hash" or len(value[0].value) != 6:
            fail("not a hex colour: %r" % decl.value)
        hexcode = value[0].value
        rows.append([int(hexcode[i:i + 2], 16) for i in (0, 2, 4)] + [decl.name[2:]])
    return rows


def from_json(path):
    with open(path, encoding="utf-8") as f:
        # Python takes NaN and Infinity, which JSON does not have.
        data = json.load(f, parse_constant=lambda word: fail("%s is not JSON" % word))
    rows = []
    for item in data:
        rgb = [item["r"], item["g"], item["b"]]
        if item["web"] != "#%02X%02X%02X" % tuple(rgb):
            fail("web code %r is not %r" % (item["web"], rgb))
        rows.append(rgb + [item["description"]])
    return rows


def from_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        records = list(csv.reader(f, strict=True))
    if records[0] != ["WebColor", "WebBack", "Red", "Green", "Blue", "Description", "Source", "X",
                      "Y", "Radius", "Area", "Profile", "Stored", "Space", "sRGB",
                      "Clipped"]:
        fail("header %r" % records[0])
    rows = []
    for web, back, red, green, blue, description, *_origin in records[1:]:
        rgb = [int(red), int(green), int(blue)]
        if web != "#%02X%02X%02X" % tuple(rgb) or back != "#%02X%02X%02X" % tuple(
                255 - v for v in rgb):
            fail("codes %r %r do not match %r" % (web, back, rgb))
        rows.append(rgb + [description])
    return rows


READERS = {"gpl": gimp, "css": css, "json": from_json, "csv": from_csv}

if __name__ == "__main__":
    json.dump(READERS[sys.argv[1]](sys.argv[2]), sys.stdout)
