#include "platform/desktop/QuitSignals.h"

#include "platform/Logging.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

// SIGHUP too: logind ends a session with SIGTERM and SIGHUP together, and a closed terminal hangs up; the
// default action of SIGHUP would end the process before the quit path has saved anything.
constexpr int quitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Async-signal-safe: only writes the signal number into the pipe, never blocking (a full pipe already holds
// a quit request).
void forwardSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {}

QuitSignals::~QuitSignals() {
    if (m_notifier) {
        for (int signal : quitSignals)
            std::signal(signal, SIG_DFL);
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
}

void QuitSignals::install() {
    if (m_notifier)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0) {
        qCWarning(generalLogger) << "Could not set up signal handling";
        return;
    }
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : quitSignals)
        sigaction(signal, &action, nullptr);

    // The session manager asks for the data before the session ends, and also at checkpoints and at a logout
    // that may still be cancelled: save, but do not quit here. Ending the session, it then tells the
    // application to die, which Qt turns into a quit, or the session's processes get SIGTERM and SIGHUP.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { emit saveRequested(); });
    }
}

void QuitSignals::readSignal() {
    char byte = 0;
    if (::read(g_signalPipe[1], &byte, 1) == 1) {
        qCInfo(generalLogger) << "Quitting on signal" << int(byte);
        emit quitRequested();
    }
}
