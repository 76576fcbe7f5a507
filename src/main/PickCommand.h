#pragma once
// `huemark --pick`: one pick off the screen, written to standard output and left on the
// clipboard. The clipboard's text lives in the program that put it there, so a pick that copies
// runs in a child process that stays, with no window, until another program takes the clipboard
// (a clipboard manager takes it at once); the program itself ends as soon as the pick is made.

#include "main/CommandLine.h"

// argc and argv as the toolkit is to see them. The exit code: 0 for a pick, 1 when cancelled, 2
// when the screen cannot be captured.
int RunScreenPick(int argc, char* argv[], const CommandLine::Request& request);
