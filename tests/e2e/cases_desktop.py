"""End-to-end cases of Huemark as an installed desktop program."""

import os

import harness
from harness import E2EFailure, read_settings


def case_installed(c):
    """The installed program (from the Debian package) starts, shows its window, finds its help
    document beside it when there is one, and writes its settings on Exit."""
    s = c.s
    program = os.path.realpath(s.binary)
    c.start()
    c.ok("the installed %s shows its window" % s.binary)
    help_file = os.path.join(os.path.dirname(program), "Huemark.html")
    if os.path.exists(help_file):
        before = set(s.program_windows())
        s.keys("F1")
        s.wait_for(lambda: set(s.program_windows()) - before, "the help viewer's window")
        c.ok("F1 opens the help viewer on the installed %s" % help_file)
    s.exit_program()
    written = read_settings(s)
    if sorted(written) != sorted(["Left", "Top", "Width", "Height", "Path", "PathFile", "Tags",
                                  "Average"]):
        raise E2EFailure("Exit wrote %r" % (written,))
    c.ok("Exit writes the eight settings")


CASES = {"installed": case_installed}
