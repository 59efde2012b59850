#include "platform/desktop/SingleInstance.h"

#include "BuildInfo.h"
#include "platform/Logging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

#include <utility>

namespace {
const QByteArray showSettingsRequest = QByteArrayLiteral("show-settings\n");
constexpr int handshakeTimeoutMs = 2000;
// Far longer than a take-over lasts; a lock left by a crashed launch is recognised as stale at once.
constexpr int takeOverLockTimeoutMs = 10000;

// QLockFile::tryLock(timeout) sleeps twice as long after each failed try, up to seconds at a time, so the
// last of several launches could sleep past the whole timeout while the lock sat free. A take-over lasts
// milliseconds: try again every few.
bool lockWithin(QLockFile& lock, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(timeoutMs))
            return false;
        QThread::msleep(5);
    }
    return true;
}
} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    // Per user and per settings folder: a run with a throw-away configuration (the offline run, the tests)
    // does not hand over to the user's everyday instance.
    const QByteArray config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toUtf8();
    const QByteArray tag = QCryptographicHash::hash(config, QCryptographicHash::Sha1).toHex().left(8);
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(QString::fromLatin1(BuildInfo::appId))
                             .arg(::getuid())
                             .arg(QString::fromLatin1(tag));
    // In the user's private runtime folder, so that only the user reaches it without access options on the
    // socket (with them QLocalServer silently replaces a live socket instead of reporting it in use).
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

QString SingleInstance::lockFileName() const {
    const QString path =
        QDir::isAbsolutePath(m_serverName) ? m_serverName : QDir::temp().filePath(m_serverName);
    return path + QStringLiteral(".lock");
}

bool SingleInstance::claim() {
    if (notifyRunningInstance())
        return false;

    // Launches that race here, say after a crash left the socket behind, take over one at a time: each
    // asks again under the lock, so only the first removes the dead socket and the rest hand over to it.
    QLockFile takeOver(lockFileName());
    if (!lockWithin(takeOver, takeOverLockTimeoutMs))
        qCWarning(generalLogger) << "Could not take the single-instance lock; starting without it";
    if (notifyRunningInstance())
        return false;

    m_server = new QLocalServer(this);
    if (!m_server->listen(m_serverName)) {
        // Nobody answering means a crashed instance left its socket behind: clear it and retry.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            qCWarning(generalLogger).noquote()
                << "Could not listen for other launches:" << m_server->errorString();
            return true;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

bool SingleInstance::notifyRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(handshakeTimeoutMs))
        return false;
    // Someone listens, so an instance runs: never take its socket over, even when the request fails. Once
    // written, the request waits in the socket for the running instance after we have exited.
    socket.write(showSettingsRequest);
    if (!socket.waitForBytesWritten(handshakeTimeoutMs))
        qCWarning(generalLogger) << "Could not ask the running instance to show itself";
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine();
            if (line == showSettingsRequest)
                emit activationRequested();
        });
    }
}
