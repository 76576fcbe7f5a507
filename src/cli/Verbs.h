#pragma once
// The verbs that measure a picture file from the command line, with no window and no display:
//   huemark sample FILE X,Y [X,Y ...] [--radius R] [--format F] [--stored]
//   huemark stats FILE [--rect X,Y,W,H] [--json] [--stored]
//   huemark palette FILE [-n N] [--rect X,Y,W,H] [--format
//   gpl|css|json|csv|hex|ase|aco|kpl|soc|scribus] [--stored]
// FILE "-" reads standard input. Results go to standard output; an error is one line on standard
// error, with exit code 2 for wrong usage and 1 for a file that cannot be read or a point or
// rectangle outside the picture.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace Verbs {

// Whether a word (the first after the program's name) names a verb.
bool IsVerb(const QByteArray& word);

struct Outcome {
    int exitCode = 0;
    QByteArray out; // for standard output
    QByteArray err; // for standard error
};

struct Environment {
    // Standard input's bytes, at most the number asked for plus one (so that a longer input
    // shows as too long); error: the system's error number when reading failed (EISDIR, EBADF).
    std::function<QByteArray(qint64 most, int& error)> readInput;
    // Called before a drawing (SVG, a metafile) is decoded: its text needs the toolkit's fonts,
    // which raster pictures do without.
    std::function<void()> startToolkit;
};

// words: the verb and its arguments.
Outcome Run(const QList<QByteArray>& words, const Environment& environment);

// The verbs' part of `huemark --help`.
QString HelpText();

} // namespace Verbs
