#include "app/frmHuemark.h"
#include "background/Instance.h"
#include "cli/Verbs.h"
#include "controls/DesktopStyle.h"
#include "desktop/EndRequests.h"
#include "desktop/Languages.h"
#include "desktop/ToolkitStart.h"
#include "help/About.h"
#include "help/HelpViewer.h"
#include "main/CheckScreen.h"
#include "main/CommandLine.h"
#include "main/PickCommand.h"

#include <QApplication>
#include <QScreen>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {
// What a request that needs no window says, and its exit code.
int Answer(const CommandLine::Request& request) {
    using Action = CommandLine::Request::Action;
    if (request.action == Action::Refused) {
        QString text = QStringLiteral("huemark: ") + request.error + QLatin1Char('\n');
        if (request.exitCode == 2 && request.withUsage) {
            text += CommandLine::UsageLine() + QLatin1Char('\n');
        }
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return request.exitCode;
    }
    const QString text = request.action == Action::Help
                             ? CommandLine::HelpText()
                             : QStringLiteral("Huemark %1\n").arg(VersionText(ProgramVersion()));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

// The words without the toolkit's own options (-platform NAME, -reverse, ...), which it takes
// wherever they stand.
QList<QByteArray> WithoutToolkitOptions(const QList<QByteArray>& words) {
    static const QList<QByteArray> withValue{
        "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowicon",  "qwindowtitle",       "style",         "stylesheet", "session",
        "display",      "geometry",           "name",          "title",      "visual",
        "qmljsdebugger"};
    static const QList<QByteArray> alone{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QList<QByteArray> kept;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QByteArray name = words[i];
        if (name.startsWith("--")) {
            name.remove(0, 2);
        } else if (name.startsWith('-')) {
            name.remove(0, 1);
        } else {
            kept << words[i];
            continue;
        }
        if (withValue.contains(name)) {
            ++i;
        } else if (!alone.contains(name)) {
            kept << words[i];
        }
    }
    return kept;
}

// Standard error while a verb runs: the decoders' libraries (libpng, libjxl) print their own
// words there, which are not the verb's one line; they go to /dev/null meanwhile, the program's
// own words here.
int g_standardError = STDERR_FILENO;

// Reading a mapped file that another program cuts shorter meanwhile: the one line a failure of
// the input gets, instead of a crash.
extern "C" void FileCutShort(int) {
    static const char kText[] = "huemark: the file was changed while it was read\n";
    [[maybe_unused]] const ssize_t n = ::write(g_standardError, kText, sizeof kText - 1);
    ::_exit(1);
}

// Standard error to /dev/null while it lives, the program's own words to the real one.
class LibrariesSilenced {
public:
    LibrariesSilenced() {
        const int kept = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (kept >= 0 && null >= 0 && ::dup2(null, STDERR_FILENO) >= 0) {
            g_standardError = kept;
            m_kept = kept;
        } else if (kept >= 0) {
            ::close(kept);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~LibrariesSilenced() {
        if (m_kept >= 0) {
            std::fflush(stderr);
            ::dup2(m_kept, STDERR_FILENO);
            ::close(m_kept);
            g_standardError = STDERR_FILENO;
        }
    }
    LibrariesSilenced(const LibrariesSilenced&) = delete;
    LibrariesSilenced& operator=(const LibrariesSilenced&) = delete;

private:
    int m_kept = -1;
};

QByteArray ReadStandardInput(qint64 most, int& error) {
    // Until the end of the input, or one byte beyond the most a picture may have.
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= most) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = errno;
        }
        if (n <= 0) {
            break;
        }
        bytes.append(buffer, n);
    }
    return bytes;
}

// A verb that measures a file: no window, so no display. A drawing's text needs the toolkit's
// fonts: the offscreen platform gives them and talks to no display server; raster pictures
// start without it.
int RunVerb(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the verb's one line: the toolkit's remarks on the environment (no
    // runtime folder, no fonts configured) are not for a script to parse.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            const QByteArray line = QStringLiteral("huemark: %1\n").arg(text).toLocal8Bit();
            [[maybe_unused]] const ssize_t n =
                ::write(g_standardError, line.constData(), size_t(line.size()));
        }
    });
    std::signal(SIGBUS, FileCutShort);
    int noArgc = 1;
    // The verb's errors speak the desktop's language from the start; a verb that needs the
    // toolkit's fonts trades this small application object for the toolkit's.
    std::optional<SpeakingWithoutToolkit> speaking(std::in_place);
    std::unique_ptr<QGuiApplication> toolkit;
    std::optional<LibrariesSilenced> silenced(std::in_place);
    const Verbs::Outcome outcome =
        Verbs::Run(QList<QByteArray>(argv + 1, argv + argc),
                   {ReadStandardInput, [&] {
                        if (!toolkit) {
                            speaking.reset();
                            toolkit = std::make_unique<QGuiApplication>(noArgc, argv);
                            InstallTranslations();
                        }
                    }});
    silenced.reset();
    // A write that fails inside fwrite leaves nothing for fflush to fail on: each is asked.
    const bool written = std::fwrite(outcome.out.constData(), 1, std::size_t(outcome.out.size()),
                                     stdout) == std::size_t(outcome.out.size()) &&
                         std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    std::fwrite(outcome.err.constData(), 1, std::size_t(outcome.err.size()), stderr);
    if (!written && outcome.exitCode == 0) {
        Complain(
            QCoreApplication::translate("main", "cannot write the results to standard output"));
        return 1;
    }
    return outcome.exitCode;
}
} // namespace

int main(int argc, char* argv[]) {
    KeepStandardStreams();
    if (argc > 1 && Verbs::IsVerb(argv[1])) {
        return RunVerb(argc, argv);
    }
    // The toolkit takes options of its own (-name, -style, ...) wherever they stand: the words
    // after "--" are file names whatever they look like, so it never sees them.
    int qtArgc = 1;
    while (qtArgc < argc && std::strcmp(argv[qtArgc], "--") != 0) {
        ++qtArgc;
    }
    std::vector<char*> qtArgv(argv, argv + qtArgc);
    qtArgv.push_back(nullptr);
    const QList<QByteArray> afterOptions(argv + qtArgc, argv + argc);
    const QString host = QSysInfo::machineHostName();
    // Help and the version need no display.
    if (const CommandLine::Request early =
            CommandLine::Parse(QList<QByteArray>(argv + 1, argv + argc), host);
        early.action == CommandLine::Request::Action::Help ||
        early.action == CommandLine::Request::Action::Version) {
        const SpeakingWithoutToolkit speaking;
        return Answer(early);
    }

    // Without a display the toolkit would abort with a page of advice: one line says it.
    const bool platformNamed = std::any_of(argv + 1, argv + qtArgc,
                                           [](const char* word) {
                                               return std::strcmp(word, "-platform") == 0 ||
                                                      std::strcmp(word, "--platform") == 0;
                                           }) ||
                               !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") && !platformNamed;
    if (std::any_of(argv + 1, argv + qtArgc,
                    [](const char* word) { return std::strcmp(word, "--background") == 0; })) {
        const CommandLine::Request background = CommandLine::Parse(
            WithoutToolkitOptions(QList<QByteArray>(argv + 1, argv + qtArgc)) + afterOptions, host);
        const SpeakingWithoutToolkit speaking;
        if (background.action != CommandLine::Request::Action::Background) {
            return Answer(background);
        }
        if (noDisplay) {
            Complain(QCoreApplication::translate(
                "main", "no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)"));
            return 2;
        }
    }
    if (std::any_of(argv + 1, argv + qtArgc,
                    [](const char* word) { return std::strcmp(word, "--background") == 0; })) {
        // The toolkit's own options stay for it; --background is ours alone.
        std::vector<char*> words;
        for (int i = 0; i < qtArgc; ++i) {
            if (std::strcmp(qtArgv[size_t(i)], "--background") != 0) {
                words.push_back(qtArgv[size_t(i)]);
            }
        }
        words.push_back(nullptr);
        return Background::Run(int(words.size() - 1), words.data());
    }
    // A pick runs before the toolkit starts (PickCommand.h): its options are read apart from
    // the toolkit's.
    if (std::any_of(argv + 1, argv + qtArgc,
                    [](const char* word) { return std::strcmp(word, "--pick") == 0; })) {
        const CommandLine::Request pick = CommandLine::Parse(
            WithoutToolkitOptions(QList<QByteArray>(argv + 1, argv + qtArgc)) + afterOptions, host);
        if (pick.action != CommandLine::Request::Action::Pick || noDisplay) {
            const SpeakingWithoutToolkit speaking;
            if (pick.action != CommandLine::Request::Action::Pick) {
                return Answer(pick);
            }
            Complain(QCoreApplication::translate(
                "main", "no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)"));
            return 2;
        }
        return RunScreenPick(qtArgc, qtArgv.data(), pick);
    }
    // The screen's check runs without the window, on the display it checks.
    if (std::any_of(argv + 1, argv + qtArgc,
                    [](const char* word) { return std::strcmp(word, "--check-screen") == 0; })) {
        const CommandLine::Request check = CommandLine::Parse(
            WithoutToolkitOptions(QList<QByteArray>(argv + 1, argv + qtArgc)) + afterOptions, host);
        if (check.action != CommandLine::Request::Action::CheckScreen || noDisplay) {
            const SpeakingWithoutToolkit speaking;
            if (check.action != CommandLine::Request::Action::CheckScreen) {
                return Answer(check);
            }
            std::fputs(qPrintable(QStringLiteral("huemark --check-screen: %1\n")
                                      .arg(QCoreApplication::translate(
                                          "main", "no display to check (DISPLAY and "
                                                  "WAYLAND_DISPLAY are not set)"))),
                       stderr);
            return 2;
        }
        return RunCheckScreen(qtArgc, qtArgv.data(), check.json);
    }
    // Wrong usage is said before whether a display is there.
    if (const CommandLine::Request words = CommandLine::Parse(
            WithoutToolkitOptions(QList<QByteArray>(argv + 1, argv + qtArgc)) + afterOptions, host);
        words.action == CommandLine::Request::Action::Refused) {
        const SpeakingWithoutToolkit speaking;
        return Answer(words);
    }
    if (noDisplay) {
        const SpeakingWithoutToolkit speaking;
        Complain(QCoreApplication::translate(
            "main", "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
                    "the verbs sample, stats, palette and history need none"));
        return 2;
    }
    std::optional<ToolkitStart> starting(std::in_place);
    QApplication app(qtArgc, qtArgv.data());
    starting.reset();
    InstallTranslations();
    QApplication::setStyle(new DesktopStyle);
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    const VersionInfo version = ProgramVersion();
    QApplication::setApplicationVersion(VersionText(version));
    // Desktops (Wayland's above all) match the window to its desktop entry and icon by this.
    QGuiApplication::setDesktopFileName(DesktopName());

    // One optional picture file, as a file manager's "Open With" passes it (a path or a file URI).
    const CommandLine::Request request = CommandLine::Parse(
        QList<QByteArray>(qtArgv.data() + 1, qtArgv.data() + qtArgc) + afterOptions, host);
    if (request.action != CommandLine::Request::Action::Run) {
        return Answer(request);
    }
    // Made absolute here: start-up enters the remembered folder before it opens the file.
    std::optional<CommandLine::NamedFile> file;
    PictureAhead ahead;
    if (!request.file.isEmpty()) {
        file.emplace(request.file);
        // Loaded while the window is built. The picture control is not laid out yet: its first
        // look is made for the screen, which the control does not outgrow.
        const QScreen* screen = QGuiApplication::primaryScreen();
        ahead = PictureAhead(file->name(), file->readFrom(),
                             screen ? screen->availableSize() : QSize());
    }

    // The program's own help viewer stands in for the platform's.
    Services services = Services::qtDefaults();
    services.helpViewer = std::make_shared<HelpViewer>();
    frmHuemark window(std::move(services));
    if (file) {
        window.setStartupFile(file->name(), file->readFrom(), std::move(ahead));
    }
    // Ended from outside (a signal, the end of the session): the settings are kept as on Exit.
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &window, &frmHuemark::Form_Unload);
    window.Form_Load();
    // Told to end while start-up waited (on a message it showed, on the clipboard): the settings
    // are written, and the event loop that would have ended has not started yet.
    if (window.Unloaded()) {
        return 0;
    }
    file.reset();
    window.show();
    return QApplication::exec();
}
