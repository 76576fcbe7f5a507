"""End-to-end: the window in German and in Japanese, and what a screen reader hears."""

import os
import subprocess
import time
import xml.etree.ElementTree as ET

import harness
from harness import E2EFailure

GREEN = (0, 255, 0)  # the start picture's top-right quadrant

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")


def translated(language, context, source):
    """The shipped translation of a source text, as the accessibility tree names it (no '&')."""
    root = ET.parse(os.path.join(TRANSLATIONS, "huemark_%s.ts" % language)).getroot()
    for ctx in root.iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation").replace("&&", "\0").replace(
                    "&", "").replace("\0", "&")
    raise E2EFailure("no translation of %r in %s" % (source, language))


def menu_titles(s):
    bar = next((a for a in s.children(s.frame) if s.role(a) == "menu bar"), None)
    if bar is None:
        raise E2EFailure("the window has no menu bar in the accessibility tree")
    return [m.get_name() for m in s.children(bar)]


# The desktop's locale for each shipped translation; each runs at scale 1 and 2
# (QT_SCALE_FACTOR).
LOCALES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8", "ja": "ja_JP.UTF-8"}
SCALES = (1, 2)


def shipped_languages():
    """The translations the program ships, with their locales: a new one without a locale here
    fails the case rather than go unchecked."""
    names = sorted(f[len("huemark_"):-len(".ts")] for f in os.listdir(TRANSLATIONS)
                   if f.startswith("huemark_") and f.endswith(".ts"))
    unknown = [n for n in names if n not in LOCALES]
    if unknown or not names:
        raise E2EFailure("no locale known for the shipped translations %r" % (unknown or names))
    return [(n, LOCALES[n]) for n in names]

# What a control draws beside its text, in logical pixels: a button's frame on either side (its
# line and a pixel's gap), a check box's indicator and the gap after it (the style's 14 and 6).
BESIDE_TEXT = {"push button": 4, "check box": 20, "label": 0}
# How far the measure below may be from the program's own layout of the same text.
MEASURE_SLACK = 2


class TextWidths:
    """How wide a text is in the program's controls, measured apart from the program: Pango lays
    it out in the font the toolkit takes for the desktop's sans serif in the language
    (fontconfig's first choice for it), at the 8.25 pt of the window's controls, 96 DPI, glyph
    positions unrounded; in logical pixels, which a scale factor leaves alone."""

    def __init__(self, language):
        import gi
        gi.require_version("Pango", "1.0")
        gi.require_version("PangoFT2", "1.0")
        from gi.repository import Pango, PangoFT2
        self.Pango = Pango
        self.family = subprocess.run(
            ["fc-match", "-f", "%{family[0]}", "Sans Serif:lang=%s" % language],
            capture_output=True, text=True, timeout=30).stdout.strip()
        if not self.family:
            raise E2EFailure("fontconfig names no sans serif font for %s" % language)
        fonts = PangoFT2.FontMap.new()
        fonts.set_resolution(96, 96)
        self.context = Pango.FontMap.create_context(fonts)
        self.context.set_round_glyph_positions(False)

    def __call__(self, text):
        layout = self.Pango.Layout.new(self.context)
        layout.set_font_description(
            self.Pango.FontDescription.from_string("%s 8.25" % self.family))
        layout.set_text(text, -1)
        return layout.get_extents()[1].width / self.Pango.SCALE


def logical_extents(s, acc):
    r = acc.get_extents(s.Atspi.CoordType.SCREEN)
    return r.x, r.y, r.width, r.height


def showing_controls(s):
    """The showing accessibles below the main window, menus and the list left out, as
    (accessible, role, name)."""
    found = []
    todo = [s.frame]
    while todo:
        acc = todo.pop(0)
        role = s.role(acc)
        if role in ("menu bar", "table"):
            continue
        todo.extend(s.children(acc))
        if s.is_showing(acc):
            found.append((acc, role, acc.get_name()))
    return found


def measure_agrees(s, measure, controls):
    """The measure against the program's own layout: the text boxes' texts (the radius, the
    read-out), whose extents the tree gives. Returns what was compared."""
    compared = []
    for acc, role, _name in controls:
        if role != "text":
            continue
        text = s.Atspi.Text.get_text(acc, 0, -1)
        if not text.strip():
            continue
        laid = s.Atspi.Text.get_range_extents(acc, 0, s.Atspi.Text.get_character_count(acc),
                                              s.Atspi.CoordType.SCREEN).width
        if abs(measure(text) - laid) > MEASURE_SLACK:
            raise E2EFailure("the program lays %r out %d px wide, %s measures it %.1f px: the "
                             "test measures in another font than the program's" % (
                                 text, laid, measure.family, measure(text)))
        compared.append("%r %d/%.1f" % (text, laid, measure(text)))
    if not compared:
        raise E2EFailure("no text box with text to check the measure against")
    return compared


def cut_off(s, measure, controls):
    """The buttons, check boxes, labels and frame captions whose text needs more width than the
    control gives it: the control's extents in the tree, less what it draws beside the text. A
    frame's caption starts right of a text box laid over the frame's top-left corner (the radius
    over its frame), else at its left edge, and ends at its right edge."""
    boxes = [logical_extents(s, acc) for acc, role, _name in controls if role == "text"]
    found = []
    for acc, role, name in controls:
        if role not in ("push button", "check box", "label", "panel") or not name:
            continue
        x, y, w, h = logical_extents(s, acc)
        if role == "panel":
            left = max([bx + bw for bx, by, bw, bh in boxes
                        if bx <= x < bx + bw and by <= y < by + bh], default=x)
            room = x + w - left
        else:
            room = w - BESIDE_TEXT[role]
        needs = measure(name)
        if needs > room:
            found.append("%s %r needs %.1f px, has %d, at %r" % (role, name, needs, room,
                                                                 (x, y, w, h)))
    return found


class Announcements:
    """The notifications the program shows for a screen reader, as AT-SPI events."""

    def __init__(self, s):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.heard = []

        def heard(event):
            try:
                if event.detail1 == 1 and event.source.get_role_name() == "notification":
                    self.heard.append(event.source.get_name())
            except Exception:  # noqa: BLE001 - a source gone before it was read
                pass

        self.listener = s.Atspi.EventListener.new(heard)
        self.listener.register("object:state-changed:showing")

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)
        return list(self.heard)

    def wait(self, s, what, count):
        return s.wait_for(lambda: self.pump()[count - 1] if len(self.pump()) >= count else None,
                          what)


def case_languages(c):
    """Each shipped language at scale 1 and 2: the menus carry the shipped translations, no
    button, check box, label or frame caption is cut off; in German a screen reader hears the
    read-out once the pointer rests (not on every move), after an arrow step, and each pick with
    its code and row."""
    s = c.s
    # A verb, which starts no window, speaks the language too.
    missing = os.path.join(s.tmp, "missing.png")
    verb = subprocess.run([s.binary, "stats", missing], capture_output=True, text=True,
                          env=dict(os.environ, LANGUAGE="de", LC_ALL="de_DE.UTF-8"), timeout=30)
    want = "huemark stats: " + translated("de", "Verbs", "cannot read '%1': %2").split("%2")[0]
    if verb.returncode != 1 or not verb.stderr.startswith(want.replace("%1", missing)):
        raise E2EFailure("stats in German answered %d, %r" % (verb.returncode, verb.stderr))
    c.ok("a verb's error in German: %r" % verb.stderr.strip())
    languages = shipped_languages()
    for language, locale in languages:
        measure = TextWidths(language)
        for scale in SCALES:
            s.scale = scale
            c.start(language=locale,
                    picture_key=("filler", translated(language, "frmHuemark", "Picture")),
                    exit_key=("push button", translated(language, "frmHuemark", "Exit")))
            want = [translated(language, "frmHuemark", t)
                    for t in ("&File", "&Edit", "&View", "&Help")]
            s.wait_for(lambda: menu_titles(s) == want or None, "the menus %r" % want)
            c.ok("%s at scale %s: the menus read %s" % (language, scale, " ".join(want)))
            controls = showing_controls(s)
            compared = measure_agrees(s, measure, controls)
            clipped = cut_off(s, measure, controls)
            if clipped:
                s.screenshot(os.path.join(s.tmp, "cut-off-%s-%s.png" % (language, scale)))
                raise E2EFailure("texts cut off in %s at scale %s: %s" % (
                    language, scale, "; ".join(clipped)))
            c.ok("%s at scale %s: no button, check box, label or caption is cut off (text "
                 "measured in %s, laid out by the program/measured: %s)" % (
                     language, scale, measure.family, ", ".join(compared)))
            if (language, scale) == ("de", 1):
                screen_reader(c, language)  # once, in German
            s.exit_program()
            s.program = None


def screen_reader(c, language):
    """What a screen reader hears: the read-out once the pointer rests, an arrow step at once,
    each pick with its code and row."""
    s = c.s
    heard = Announcements(s)
    box = s.readout()
    # Quick moves across the edge between the top two quadrants (the start picture is 200
    # wide), a new colour on the way, then a rest: said once, not on a move nor on a new
    # colour. The moves are one xdotool run, 30 ms apart: each reaches the program on its
    # own, all well within the rest the program waits for. (An announcement's text is read
    # when its event is handled, so it names what the announcer holds by then: the count is
    # what tells how often it was said.)
    x, y = s.screen_point(97, 3)
    moves = 6
    steps = []
    for dx in range(moves):
        steps += ["mousemove", str(x + dx), str(y)]
        if dx < moves - 1:
            steps += ["sleep", "0.03"]
    s.xdotool(*steps)
    said = heard.wait(s, "the read-out said once the pointer rests", 1)
    code = s.text_of(box)
    if code != harness.web(GREEN):
        raise E2EFailure("the pointer rests over the green quadrant, the read-out shows %r" % (
            code,))
    if not said.startswith(code):
        raise E2EFailure("the pointer rests on %s but the screen reader heard %r" % (code, said))
    time.sleep(1.0)  # twice the rest: anything else said about these moves has come by now
    if len(heard.pump()) != 1:
        raise E2EFailure("%d quick moves and a rest were said %d times, not once: %r" % (
            moves, len(heard.pump()), heard.pump()))
    c.ok("%d quick moves, then a rest: said once, %r" % (moves, said))
    count = len(heard.pump())

    def expect_pick(count, code):
        said = heard.wait(s, "the pick said", count)
        want = translated(language, "frmHuemark", "Picked %1, row %2").replace(
            "%1", code).replace("%2", "1")
        if said != want:
            raise E2EFailure("the pick was said as %r, not %r" % (said, want))
        return said

    s.click(x + moves - 1, y)
    said = expect_pick(count + 1, code)
    s.keys("Right")
    stepped = heard.wait(s, "the read-out said after an arrow step", count + 2)
    if not stepped.startswith(s.text_of(box)):
        raise E2EFailure("the arrow step was said as %r, the read-out shows %r" % (
            stepped, s.text_of(box)))
    s.keys("Return")
    expect_pick(count + 3, s.text_of(box))
    c.ok("a pick is said with its code and row (%r), an arrow step at once (%r)" % (
        said, stepped))


CASES = {"languages": case_languages}
