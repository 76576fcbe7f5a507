#pragma once
// The command line, apart from the window: `huemark [options] [--] [file]`. Its words are taken
// as the bytes the system gave, so a file name that is no text in the system's encoding still
// names its file.

#include "background/PickGesture.h"
#include "palette/Notations.h"
#include "sources/FileUri.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace CommandLine {

struct Request {
    enum class Action {
        Run,         // the window, with file opened instead of the clipboard's picture
        Help,        // HelpText() on standard output, exit code 0
        Version,     // the version on standard output, exit code 0
        Pick,        // one pick off the screen (pick), no window
        Background,  // the instance in the background (Instance.h)
        CheckScreen, // the screen's check (CheckScreen.h), as JSON where json is set
        Refused      // error (one line) and the usage on standard error, then exitCode
    };
    Action action = Action::Run;
    QByteArray file; // the path as the system spells it; empty for none
    QString error;
    int exitCode = 0; // 2 for wrong usage, 1 for a file that cannot be used
    PickWish pick;
    // Refused: whether the usage follows the error (not after a fault in a colour template,
    // which its one line says in full).
    bool withUsage = true;
    bool json = false; // CheckScreen: one JSON document instead of lines
};

// words: the arguments after the program's name, once the toolkit has taken its own. "--" ends
// the options; one file at most, a path or a file: URI.
Request Parse(const QList<QByteArray>& words, const QString& hostName);

QString UsageLine();
QString HelpText();

// A file reachable through a name Qt can hold. Qt keeps names as text, so a name whose bytes are
// no text in the system's encoding would name another file or none: such a file is opened by its
// bytes and read through its descriptor's name under /proc for as long as this lives.
class NamedFile {
public:
    explicit NamedFile(const QByteArray& path);
    ~NamedFile();
    NamedFile(const NamedFile&) = delete;
    NamedFile& operator=(const NamedFile&) = delete;

    // The absolute name to show (characters that are no text shown as replacements).
    QString name() const { return m_name; }
    // Where to read it: empty when name() itself reaches the file.
    QString readFrom() const { return m_readFrom; }

private:
    QString m_name;
    QString m_readFrom;
    int m_fd = -1;
};

} // namespace CommandLine
