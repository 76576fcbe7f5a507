#include "main/PickCommand.h"

#include "background/Instance.h"
#include "background/PickGesture.h"

#include "desktop/IniSettingsStore.h"
#include "desktop/Languages.h"
#include "desktop/Services.h"
#include "desktop/ToolkitStart.h"
#include "desktop/capture/ScreenCapture.h"
#include "help/About.h"
#include "list/Pick.h"
#include "screenpick/ScreenPick.h"
#include "settings/Settings.h"
#include "settings/SettingsForms.h"

#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <optional>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The answer through a pipe: the exit code, then each text with its length before it.
QByteArray Encoded(const PickAnswer& a) {
    QByteArray bytes(1, char(a.exitCode));
    for (const QByteArray& text : {a.out, a.err}) {
        const quint32 n = quint32(text.size());
        bytes.append(reinterpret_cast<const char*>(&n), sizeof n).append(text);
    }
    return bytes;
}

std::optional<PickAnswer> Decoded(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    PickAnswer a;
    a.exitCode = static_cast<unsigned char>(bytes[0]);
    qsizetype at = 1;
    for (QByteArray* text : {&a.out, &a.err}) {
        quint32 n = 0;
        if (bytes.size() < at + qsizetype(sizeof n)) {
            return std::nullopt;
        }
        std::memcpy(&n, bytes.constData() + at, sizeof n);
        at += sizeof n;
        if (bytes.size() < at + qsizetype(n)) {
            return std::nullopt;
        }
        *text = bytes.mid(at, n);
        at += n;
    }
    return a;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

QByteArray ReadAll(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return bytes;
        }
        bytes.append(buffer, n);
    }
}

int Told(const PickAnswer& a) {
    const bool written =
        std::fwrite(a.out.constData(), 1, size_t(a.out.size()), stdout) == size_t(a.out.size()) &&
        std::fflush(stdout) == 0;
    std::fwrite(a.err.constData(), 1, size_t(a.err.size()), stderr);
    if (!written && a.exitCode == 0) {
        std::optional<SpeakingWithoutToolkit> speaking;
        if (QCoreApplication::instance() == nullptr) {
            speaking.emplace();
        }
        Complain(
            QCoreApplication::translate("PickCommand", "cannot write the pick to standard output"));
        return 1;
    }
    return a.exitCode;
}

void Redirect(int fd) {
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, fd);
        ::close(null);
    }
}

// A capture made before the toolkit started, handed to the pick as the capture's answer.
class Captured : public ScreenCaptureService {
public:
    explicit Captured(ScreenCaptureResult result) : m_result(std::move(result)) {}
    ScreenCaptureResult capture(QWidget* /*window*/) override { return m_result; }

private:
    ScreenCaptureResult m_result;
};

// Where the toolkit will run on X11: the screen is then captured on a thread while it starts
// (the program has no window yet), a good part of the time to the frozen screen.
bool StartsOnX11(int argc, char* argv[]) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool named = std::any_of(argv + 1, argv + argc, [](const char* word) {
        return std::strcmp(word, "-platform") == 0 || std::strcmp(word, "--platform") == 0;
    });
    return !named && !qEnvironmentVariableIsEmpty("DISPLAY") &&
           (platform.startsWith("xcb") ||
            (platform.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")));
}

using EarlyCapture = std::future<std::optional<ScreenCaptureResult>>;

// On X11 the screen freezes at once, before the toolkit starts; it thaws when the returned
// object ends, after the gesture.
std::unique_ptr<FrozenX11Screen> Freeze(int argc, char* argv[]) {
    return StartsOnX11(argc, argv) ? FrozenX11Screen::Freeze() : nullptr;
}

EarlyCapture StartCapture(int argc, char* argv[]) {
    return StartsOnX11(argc, argv) ? std::async(std::launch::async, CaptureX11RootEarly)
                                   : EarlyCapture();
}

// The gesture, in the process that shows it (the screen frozen already on X11).
PickAnswer PickOnce(const PickWish& wish, bool* copied, EarlyCapture early,
                    FrozenX11Screen* frozen) {
    Services services = Services::qtDefaults();
    std::shared_ptr<ScreenCaptureService> capture = services.screen;
    if (early.valid()) {
        // Taken only where the toolkit did start on X11, whose screens it then describes.
        std::optional<ScreenCaptureResult> shot = early.get();
        if (shot && QGuiApplication::platformName() == QLatin1String("xcb")) {
            capture = std::make_shared<Captured>(std::move(*shot));
        }
    }
    return PickGesture(wish, *capture, *services.pointer, services.history.get(), frozen, copied);
}

std::unique_ptr<QApplication> Toolkit(int& argc, char* argv[]) {
    std::optional<ToolkitStart> starting(std::in_place);
    auto app = std::make_unique<QApplication>(argc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    QGuiApplication::setDesktopFileName(DesktopName());
    QApplication::setQuitOnLastWindowClosed(false);
    InstallTranslations();
    return app;
}

// Until another program owns the clipboard.
void KeepClipboard(QApplication& app) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard()) {
        return;
    }
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            QCoreApplication::quit();
        }
    });
    QApplication::exec();
}
} // namespace

int RunScreenPick(int argc, char* argv[], const CommandLine::Request& request) {
    // The instance in the background picks at once, where one runs.
    if (const std::optional<PickAnswer> answer = Background::PickThrough(request.pick)) {
        return Told(*answer);
    }
    GestureLock lock;
    if (!lock.held()) {
        return Told(GestureLock::Refusal());
    }
    if (!request.pick.copy) {
        auto frozen = Freeze(argc, argv);
        EarlyCapture early = StartCapture(argc, argv);
        const auto app = Toolkit(argc, argv);
        bool copied = false;
        const PickAnswer answer = PickOnce(request.pick, &copied, std::move(early), frozen.get());
        frozen.reset();
        return Told(answer);
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        const SpeakingWithoutToolkit speaking;
        //: %1: the system's reason.
        Complain(
            QCoreApplication::translate("PickCommand", "cannot start the pick: %1").arg(reason));
        return 2;
    }
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        const SpeakingWithoutToolkit speaking;
        //: %1: the system's reason.
        Complain(
            QCoreApplication::translate("PickCommand", "cannot start the pick: %1").arg(reason));
        return 2;
    }
    if (child > 0) {
        // This process only tells what the child picked, and ends.
        ::close(pipe[1]);
        const std::optional<PickAnswer> answer = Decoded(ReadAll(pipe[0]));
        ::close(pipe[0]);
        if (answer) {
            return Told(*answer);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        const SpeakingWithoutToolkit speaking;
        if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
            return WEXITSTATUS(status); // it said why itself (the display was gone)
        }
        if (WIFSIGNALED(status)) {
            //: %1: the signal's number, %2: its name.
            Complain(QCoreApplication::translate("PickCommand", "the pick ended on signal %1 (%2)")
                         .arg(WTERMSIG(status))
                         .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status)))));
        } else {
            Complain(
                QCoreApplication::translate("PickCommand", "the pick ended without an answer"));
        }
        return 2;
    }
    // The child: it ends with its parent until it has answered; its results go through the pipe,
    // so that nothing it leaves open keeps a reader of the program's output waiting.
    ::close(pipe[0]);
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) {
        ::_exit(2);
    }
    Redirect(STDIN_FILENO);
    Redirect(STDOUT_FILENO);
    auto frozen = Freeze(argc, argv);
    EarlyCapture early = StartCapture(argc, argv);
    const auto app = Toolkit(argc, argv);
    bool copied = false;
    const PickAnswer answer = PickOnce(request.pick, &copied, std::move(early), frozen.get());
    frozen.reset();
    lock.release();
    // From here it lives on its own, whenever its parent ends, until the clipboard passes to
    // another program.
    if (copied) {
        ::prctl(PR_SET_PDEATHSIG, 0);
    }
    const bool told = WriteAll(pipe[1], Encoded(answer));
    ::close(pipe[1]);
    if (told && copied) {
        ::setsid();
        Redirect(STDERR_FILENO);
        KeepClipboard(*app);
    }
    return 0;
}
