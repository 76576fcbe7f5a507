#pragma once
// The background instance: `huemark --background` keeps one windowless Huemark per session,
// which owns the application's name on the session bus and offers the screen pick there, picks
// on a shortcut (X11), and shows an entry in the desktop's tray where there is one. `huemark
// --pick` asks it when it runs, and picks in its own process when it does not.

#include "background/PickGesture.h"

#include <optional>

namespace Background {

// Whether an instance runs in this session.
bool Running();

// The pick made by the running instance: nothing where none answers (pick here then).
std::optional<PickAnswer> PickThrough(const PickWish& wish);

// `huemark --background` once the toolkit's options are out of the words: runs until Quit,
// SIGTERM or SIGINT, and gives the exit code (0, also when an instance runs already; 2 without a
// session bus).
int Run(int argc, char* argv[]);

} // namespace Background
