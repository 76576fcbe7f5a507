#include "main/CommandLine.h"

#include "cli/Verbs.h"
#include "palette/Template.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <fcntl.h>
#include <unistd.h>

namespace CommandLine {

namespace {
// A word as it is quoted in a message: the system's decoding, replacements where it is no text.
QString Quoted(const QByteArray& word) {
    return QLatin1Char('\'') + QFile::decodeName(word) + QLatin1Char('\'');
}

Request Refused(const QString& error, int exitCode) {
    Request r;
    r.action = Request::Action::Refused;
    r.error = error;
    r.exitCode = exitCode;
    return r;
}

bool IsFileUri(const QByteArray& word) {
    return word.left(5).toLower() == "file:";
}

// What --format takes.
QString FormatWords() {
    QStringList words;
    for (const Notation n :
         {Notation::WebCode, Notation::Rgb, Notation::Hsl, Notation::Oklch, Notation::GimpLine,
          Notation::ColorSrgb, Notation::ColorStored, Notation::Name}) {
        words << NotationKey(n);
    }
    //: The words --format takes: %1 is the list of all but the last ("web, rgb, ..."). The
    //: words, "json" among them, stay as they are.
    return QCoreApplication::translate("CommandLine", "%1 or json")
        .arg(words.join(QStringLiteral(", ")));
}
} // namespace

Request Parse(const QList<QByteArray>& words, const QString& hostName) {
    bool options = true;
    QList<QByteArray> files;
    Request pick;
    pick.action = Request::Action::Pick;
    QList<QByteArray> pickOptions; // the options that only a pick takes
    std::optional<QByteArray> format;
    bool background = false;
    bool checkScreen = false;
    bool json = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray& word = words[i];
        if (options && word == "--") {
            options = false;
        } else if (options && word.startsWith('-') && word != "-") {
            if (word == "-h" || word == "--help") {
                return {Request::Action::Help, {}, {}, 0, {}, true};
            }
            if (word == "-v" || word == "--version") {
                return {Request::Action::Version, {}, {}, 0, {}, true};
            }
            if (word == "--pick") {
                pickOptions << word;
                continue;
            }
            if (word == "--background") {
                background = true;
                continue;
            }
            if (word == "--check-screen") {
                checkScreen = true;
                continue;
            }
            if (word == "--json") {
                json = true;
                continue;
            }
            if (word == "--no-copy") {
                pick.pick.copy = false;
                pickOptions << word;
                continue;
            }
            if (word == "--format" || word.startsWith("--format=")) {
                if (word == "--format" && i + 1 == words.size()) {
                    //: On standard error. %1: the words --format takes ("web, rgb, ... or json").
                    return Refused(
                        QCoreApplication::translate("CommandLine", "--format needs a notation: %1")
                            .arg(FormatWords()),
                        2);
                }
                format = word == "--format" ? words[++i] : word.mid(9);
                pickOptions << "--format";
                continue;
            }
            //: On standard error. %1: the option as given, in single quotes.
            return Refused(
                QCoreApplication::translate(
                    "CommandLine",
                    "unknown option %1 (a file name that starts with '-' goes after '--')")
                    .arg(Quoted(word)),
                2);
        } else {
            files << word;
        }
    }
    if (checkScreen) {
        if (background || !pickOptions.isEmpty() || !files.isEmpty()) {
            //: On standard error.
            return Refused(QCoreApplication::translate(
                               "CommandLine", "--check-screen takes no other option but --json, "
                                              "and no file"),
                           2);
        }
        Request r;
        r.action = Request::Action::CheckScreen;
        r.json = json;
        return r;
    }
    if (json) {
        //: On standard error.
        return Refused(
            QCoreApplication::translate("CommandLine", "--json goes with --check-screen"), 2);
    }
    if (background) {
        if (!pickOptions.isEmpty() || !files.isEmpty()) {
            //: On standard error.
            return Refused(QCoreApplication::translate(
                               "CommandLine", "--background takes no other option and no file"),
                           2);
        }
        Request r;
        r.action = Request::Action::Background;
        return r;
    }
    if (!pickOptions.isEmpty()) {
        if (!pickOptions.contains("--pick")) {
            //: On standard error. %1: an option that only a pick takes ("--format", "--no-copy").
            return Refused(QCoreApplication::translate("CommandLine", "%1 goes with --pick")
                               .arg(QString::fromLatin1(pickOptions.front())),
                           2);
        }
        if (!files.isEmpty()) {
            //: On standard error. %1: the file name given, in single quotes.
            return Refused(
                QCoreApplication::translate("CommandLine", "--pick takes no file, but %1 was given")
                    .arg(Quoted(files.front())),
                2);
        }
        if (format) {
            const QString name = QString::fromUtf8(*format);
            if (IsTemplateFormat(name)) {
                // Checked now: a fault in it is said before the screen is frozen.
                if (const ColorTemplate t(name); !t.valid()) {
                    Request r = Refused(t.error(), 2);
                    r.withUsage = false;
                    return r;
                }
                pick.pick.colorTemplate = name;
            } else if (name == QLatin1String("json")) {
                pick.pick.notation.reset();
            } else if (const std::optional<Notation> notation = NotationOfKey(name)) {
                pick.pick.notation = notation;
            } else {
                //: On standard error. %1: the word given, in single quotes; %2: the words --format
                //: takes.
                return Refused(QCoreApplication::translate("CommandLine",
                                                           "unknown notation %1 for --format: %2")
                                   .arg(Quoted(*format), FormatWords()),
                               2);
            }
        }
        return pick;
    }
    if (files.size() > 1) {
        //: On standard error. %n: how many files were named (two or more).
        return Refused(QCoreApplication::translate(
                           "CommandLine", "one picture file opens at a time, but %n were given",
                           nullptr, int(files.size())),
                       2);
    }
    Request r;
    if (files.isEmpty()) {
        return r;
    }
    if (files.front().isEmpty()) {
        return Refused(QCoreApplication::translate("CommandLine", "the file name is empty"), 2);
    }
    if (!IsFileUri(files.front())) {
        r.file = files.front();
        return r;
    }
    const LocalPath local = FromFileUri(QUrl::fromEncoded(files.front()), hostName);
    if (!local.otherHost.isEmpty()) {
        //: On standard error. %1: the file: address given, in single quotes; %2: the machine it
        //: names.
        return Refused(QCoreApplication::translate(
                           "CommandLine", "cannot open %1: the file lies on another machine (%2)")
                           .arg(Quoted(files.front()), local.otherHost),
                       1);
    }
    if (local.path.isEmpty()) {
        //: On standard error. %1: the file: address given, in single quotes.
        return Refused(
            QCoreApplication::translate("CommandLine", "cannot open %1: the address names no file")
                .arg(Quoted(files.front())),
            1);
    }
    r.file = local.path;
    return r;
}

QString UsageLine() {
    //: The command line's usage. The command, its options and the words in capitals stay as they
    //: are; keep the columns.
    return QCoreApplication::translate("CommandLine",
                                       "Usage: huemark [options] [--] [file]\n"
                                       "       huemark --pick [--format NOTATION] [--no-copy]\n"
                                       "       huemark --background\n"
                                       "       huemark --check-screen [--json]\n"
                                       "       huemark sample|stats|palette FILE ... (see --help)\n"
                                       "       huemark history [-n N] [--format F]");
}

QString HelpText() {
    //: The command line's --help. Options, notation words, keys and codes stay as they are; keep
    //: the lines within 80 columns and the descriptions in their column.
    return UsageLine() + QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine",
               "Reads the colour of any pixel of a picture.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Shows this help.\n"
               "  -v, --version  Shows the version.\n"
               "  --             Ends the options: a file name after it may start with '-'.\n"
               "\n"
               "Picking from the screen:\n"
               "  --pick         Freezes every monitor and picks one pixel: move the pointer (the\n"
               "                 arrow keys step one pixel, Shift ten), [ and ] change the\n"
               "                 averaging radius, + and - or the wheel the magnification; a\n"
               "                 click or Enter picks, Escape or a right click cancels. The code\n"
               "                 goes to standard output and to the clipboard; exit code 0, 1\n"
               "                 when cancelled, 2 when the screen cannot be captured.\n"
               "  --format NOTATION\n"
               "                 How the pick is written: web (#RRGGBB, the default), rgb, hsl,\n"
               "                 oklch, gpl, color-srgb, color-stored, name, or json (the code,\n"
               "                 the pixel on the desktop, the monitor, its scale and the\n"
               "                 radius; the clipboard gets the web code). A text with a\n"
               "                 brace is a template, such as '{hex}' or '{r} {g} {b}': see\n"
               "                 huemark sample.\n"
               "  --no-copy      Leaves the clipboard alone.\n"
               "  --background   Keeps Huemark at hand, windowless, one per session: it picks\n"
               "                 on Super+Shift+C (X11; changed in its Preferences), from its\n"
               "                 tray entry, and for --pick, which then answers at once. Every\n"
               "                 pick is kept in the history (huemark history) unless Keep a\n"
               "                 History is off.\n"
               "  --check-screen Checks every monitor for what makes a picked code differ from\n"
               "                 what is seen: its colour profile (X11's _ICC_PROFILE), its\n"
               "                 gamma ramps (a night light sets them), and a capture of a\n"
               "                 chart of known patches shown on it, compared pixel by pixel\n"
               "                 (X11). A verdict a monitor; exit code 0 when every capture\n"
               "                 is exact, 1 when one is not, 2 when it cannot check.\n"
               "  --json         With --check-screen: the same as one JSON document.\n"
               "\n"
               "Arguments:\n"
               "  file           A picture file to open instead of the clipboard's picture: a\n"
               "                 path, or a file: address on this machine.\n"
               "\n") +
           Verbs::HelpText();
}

NamedFile::NamedFile(const QByteArray& path)
    : m_name(QFileInfo(QFile::decodeName(path)).absoluteFilePath()) {
    if (QFile::encodeName(QFile::decodeName(path)) == path) {
        return;
    }
    // O_PATH: nothing is read yet, and a FIFO does not block; reading it later checks the
    // permissions and the kind of file as for any name.
    m_fd = ::open(path.constData(), O_PATH | O_CLOEXEC);
    if (m_fd >= 0) {
        m_readFrom = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    }
}

NamedFile::~NamedFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

} // namespace CommandLine
