#include "app/CommandLine.h"

#include "cli/Verbs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <fcntl.h>
#include <unistd.h>

namespace CommandLine {

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

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
} // namespace

Request Parse(const QList<QByteArray>& words, const QString& hostName) {
    bool options = true;
    QList<QByteArray> files;
    for (const QByteArray& word : words) {
        if (options && word == "--") {
            options = false;
        } else if (options && word.startsWith('-') && word != "-") {
            if (word == "-h" || word == "--help") {
                return {Request::Action::Help, {}, {}, 0};
            }
            if (word == "-v" || word == "--version") {
                return {Request::Action::Version, {}, {}, 0};
            }
            return Refused(
                tr("unknown option %1 (a file name that starts with '-' goes after '--')")
                    .arg(Quoted(word)),
                2);
        } else {
            files << word;
        }
    }
    if (files.size() > 1) {
        return Refused(tr("one picture file opens at a time, but %1 were given").arg(files.size()),
                       2);
    }
    Request r;
    if (files.isEmpty()) {
        return r;
    }
    if (files.front().isEmpty()) {
        return Refused(tr("the file name is empty"), 2);
    }
    if (!IsFileUri(files.front())) {
        r.file = files.front();
        return r;
    }
    const LocalPath local = FromFileUri(QUrl::fromEncoded(files.front()), hostName);
    if (!local.otherHost.isEmpty()) {
        return Refused(tr("cannot open %1: the file lies on another machine (%2)")
                           .arg(Quoted(files.front()), local.otherHost),
                       1);
    }
    if (local.path.isEmpty()) {
        return Refused(tr("cannot open %1: the address names no file").arg(Quoted(files.front())),
                       1);
    }
    r.file = local.path;
    return r;
}

LocalPath FromFileUri(const QUrl& url, const QString& hostName) {
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0 &&
        host.compare(hostName, Qt::CaseInsensitive) != 0) {
        return {{}, host};
    }
    // Percent-escapes are the name's bytes, whatever encoding they are in.
    return {QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()), {}};
}

QString UsageLine() {
    return tr("Usage: huemark [options] [--] [file]\n"
              "       huemark sample|stats|palette FILE ... (see --help)");
}

QString HelpText() {
    return UsageLine() + QLatin1Char('\n') +
           tr("Reads the colour of any pixel of a picture.\n"
              "\n"
              "Options:\n"
              "  -h, --help     Shows this help.\n"
              "  -v, --version  Shows the version.\n"
              "  --             Ends the options: a file name after it may start with '-'.\n"
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
