#!/usr/bin/env python3
"""Checks that every shipped language is complete and in step with the sources.

  check.py SOURCE_DIR LUPDATE

For each language: the Qt Linguist file holds exactly the texts the sources hold now (none
missing, none left over), every one finished, with the same placeholders and accelerators as its
source text; the desktop entry's gettext file is complete; the help document keeps every anchor
and link of the English one. One line per fault; exit 1 on any."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("de", "fr", "es", "ja")
PLACEHOLDER = re.compile(r"%(?:L?\d{1,2}|n)")
ACCELERATOR = re.compile(r"&(?!&)(?=\S)")
HELP_REFERENCES = re.compile(r'\b(id|name|href|src|data-help-context)\s*=\s*"([^"]*)"')


def messages(path):
    """{(context, source, comment): (translation element, numerus)} of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = (message.find("translation"), message.get("numerus") == "yes")
    return found


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


def accelerators(text):
    return len(ACCELERATOR.findall((text or "").replace("&&", "")))


def check_ts(source_dir, lupdate, language, faults):
    path = os.path.join(source_dir, "translations", f"huemark_{language}.ts")
    shipped = messages(path)
    with tempfile.TemporaryDirectory() as scratch:
        fresh_path = os.path.join(scratch, os.path.basename(path))
        shutil.copy(path, fresh_path)
        run = subprocess.run([lupdate, "-locations", "none", "-no-obsolete",
                              os.path.join(source_dir, "src"), "-ts", fresh_path],
                             capture_output=True, text=True)
        for line in (run.stdout + run.stderr).splitlines():
            if "warning" in line.lower() or "cannot be called" in line or "lacks Q_OBJECT" in line:
                faults.append(f"lupdate: {line.strip()}")
        fresh = messages(fresh_path)
    for key in sorted(set(fresh) - set(shipped)):
        faults.append(f"{language}: missing [{key[0]}] {key[1]!r}")
    for key in sorted(set(shipped) - set(fresh)):
        faults.append(f"{language}: no longer in the sources [{key[0]}] {key[1]!r}")
    for (context, source, _), (translation, numerus) in sorted(shipped.items()):
        where = f"{language}: [{context}] {source!r}"
        if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where} is unfinished")
            continue
        forms = [f.text for f in translation.findall("numerusform")] if numerus else [translation.text]
        if not any(forms) or not all(forms):
            faults.append(f"{where} has an empty translation")
            continue
        for form in forms:
            if numerus:
                wanted = sorted(set(placeholders(source)) - {"%n"})
                got = sorted(set(placeholders(form)) - {"%n"})
            else:
                wanted, got = placeholders(source), placeholders(form)
            if wanted != got:
                faults.append(f"{where}: placeholders {got} instead of {wanted}")
            if accelerators(source) != accelerators(form):
                faults.append(f"{where}: {accelerators(form)} accelerators instead of "
                              f"{accelerators(source)}")


def check_po(source_dir, language, faults):
    path = os.path.join(source_dir, "translations", "desktop", f"{language}.po")
    run = subprocess.run(["msgfmt", "--check", "--statistics", "-o", os.devnull, path],
                         capture_output=True, text=True)
    report = run.stderr.strip()
    if run.returncode != 0 or "untranslated" in report or "fuzzy" in report:
        faults.append(f"{language}.po: {report}")


def check_help(source_dir, language, faults):
    folder = os.path.join(source_dir, "src", "help")
    with open(os.path.join(folder, "Huemark.html"), encoding="utf-8") as f:
        english = HELP_REFERENCES.findall(f.read())
    path = os.path.join(folder, f"Huemark.{language}.html")
    if not os.path.exists(path):
        faults.append(f"{language}: no help document {path}")
        return
    with open(path, encoding="utf-8") as f:
        translated = HELP_REFERENCES.findall(f.read())
    if translated != english:
        differ = [f"{a}≠{b}" for a, b in zip(english, translated) if a != b][:3]
        faults.append(f"Huemark.{language}.html: anchors and links differ from the English "
                      f"document ({len(translated)} against {len(english)}; {differ})")


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    faults = []
    for language in LANGUAGES:
        check_ts(source_dir, lupdate, language, faults)
        check_po(source_dir, language, faults)
        check_help(source_dir, language, faults)
    for fault in dict.fromkeys(faults):
        print(fault)
    if faults:
        print("Bring the files up to date with: cmake --build BUILD --target update_translations, "
              "then translate what is unfinished.")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
