#include "desktop/EndRequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};
// [0] is written by the handler, [1] read by the event loop.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[3];

extern "C" void onEndSignal(int signum) {
    const int saved = errno;
    const char byte = static_cast<char>(signum);
    // Nothing else is safe here. A full socket already holds a request, so a lost byte loses none.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}
} // namespace

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        return; // the signals keep their default: the program ends as before
    }
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndRequests::readSignals);
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &EndRequests::endRequested);
    }
}

EndRequests::~EndRequests() {
    if (g_pipe[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void EndRequests::readSignals() {
    char bytes[16];
    bool any = false;
    while (::read(g_pipe[1], bytes, sizeof bytes) > 0) {
        any = true;
    }
    if (any) {
        emit endRequested();
    }
}
