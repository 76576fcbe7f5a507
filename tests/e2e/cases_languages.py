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


def cut_off(s):
    """The buttons, check boxes and frames whose text runs into their right edge: the ink of a
    text too wide for its control reaches the edge where it is clipped."""
    found = []
    todo = [s.frame]
    while todo:
        acc = todo.pop(0)
        role = s.role(acc)
        if role in ("menu bar", "table"):
            continue
        todo.extend(s.children(acc))
        if role not in ("push button", "check box", "panel") or not acc.get_name():
            continue
        if not s.is_showing(acc):
            continue
        x, y, w, h = s.extents(acc)
        if w < 8 or h < 8:
            continue
        # The two columns inside the right edge, below a frame's caption line and above the
        # bottom border.
        rows = s.screen_pixels(x + w - 3, y + 2, 2, max(1, min(h, 24 * s.scale) - 4))
        ink = [p for row in rows for p in row if sum(p) < 3 * 110]
        if ink:
            found.append("%s %r at %r" % (role, acc.get_name(), (x, y, w, h)))
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
    """German at scale 1 and Japanese at scale 2: the menus carry the shipped translations, no
    button, check box or frame caption is cut off; a screen reader hears the read-out once the
    pointer rests (not on every move), after an arrow step, and each pick with its code and row."""
    s = c.s
    # A verb, which starts no window, speaks the language too.
    missing = os.path.join(s.tmp, "missing.png")
    verb = subprocess.run([s.binary, "stats", missing], capture_output=True, text=True,
                          env=dict(os.environ, LANGUAGE="de", LC_ALL="de_DE.UTF-8"), timeout=30)
    want = "huemark stats: " + translated("de", "Verbs", "cannot read '%1': %2").split("%2")[0]
    if verb.returncode != 1 or not verb.stderr.startswith(want.replace("%1", missing)):
        raise E2EFailure("stats in German answered %d, %r" % (verb.returncode, verb.stderr))
    c.ok("a verb's error in German: %r" % verb.stderr.strip())
    for language, locale, scale in (("de", "de_DE.UTF-8", 1), ("ja", "ja_JP.UTF-8", 2)):
        s.scale = scale
        c.start(language=locale,
                picture_key=("filler", translated(language, "frmHuemark", "Picture")),
                exit_key=("push button", translated(language, "frmHuemark", "Exit")))
        want = [translated(language, "frmHuemark", t) for t in ("&File", "&Edit", "&View", "&Help")]
        s.wait_for(lambda: menu_titles(s) == want or None, "the menus %r" % want)
        c.ok("%s at scale %s: the menus read %s" % (language, scale, " ".join(want)))
        clipped = cut_off(s)
        if clipped:
            s.screenshot(os.path.join(s.tmp, "cut-off-%s.png" % language))
            raise E2EFailure("texts cut off in %s: %s" % (language, "; ".join(clipped)))
        c.ok("%s at scale %s: no button, check box or caption is cut off" % (language, scale))
        if language == "ja":
            break  # the screen reader's part once, in German

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
        s.exit_program()
        s.program = None
    s.exit_program()


CASES = {"languages": case_languages}
