"""End-to-end: a picture with a colour profile, opened from the command line, reads in the sRGB
colours a colour-managed program shows, and in its stored values once View asks for them."""

import os
import shutil

from harness import E2EFailure, read_settings

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "modern")


def case_colors(c):
    """huemark FILE opens a Display P3 PNG instead of pasting; its #123456 block reads #003559
    (lcms2's transicc gives the same); View, Colours as stored in the file reads #123456; the
    choice is written under [Options] at Exit."""
    s = c.s
    path = os.path.join(s.tmp, "display-p3 screenshot.png")
    shutil.copy(os.path.join(DATA, "png-p3.png"), path)
    c.start(args=[path])
    s.wait_for(s.title, "the window title", expect=path)
    c.ok("the file named on the command line opens instead of the clipboard's picture")
    c.expect_readout_at(4, 4, (0x00, 0x35, 0x59))
    c.expect_readout_at(12, 12, (0xFF, 0xFF, 0xFF))
    c.ok("the Display P3 block reads #003559, as a colour-managed program shows it")

    s.keys("alt+v")
    s.keys("s")  # Colours as &stored in the file
    c.expect_readout_at(4, 4, (0x12, 0x34, 0x56))
    c.ok("View, Colours as stored in the file: the block reads its stored #123456")

    s.exit_program()
    options = read_settings(s, "Options")
    if options.get("StoredColours") != "1":
        raise E2EFailure("Exit did not remember the stored colours: %r" % (options,))
    c.ok("Exit writes StoredColours=1 under [Options]")


CASES = {"colors": case_colors}
