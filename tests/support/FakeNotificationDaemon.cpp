#include "FakeNotificationDaemon.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {
const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString connectionName = QStringLiteral("glimmerbox-fake-notification-daemon");
constexpr uint closedByUser = 2;
} // namespace

FakeNotificationDaemon::FakeNotificationDaemon(QStringList capabilities)
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName)),
      m_capabilities(std::move(capabilities)) {
    m_registered =
        m_connection.isConnected() &&
        m_connection.registerObject(objectPath, this,
                                    QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
        m_connection.registerService(serviceName);
}

FakeNotificationDaemon::~FakeNotificationDaemon() {
    if (m_connection.isConnected()) {
        m_connection.unregisterService(serviceName);
        m_connection.unregisterObject(objectPath);
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

bool FakeNotificationDaemon::waitForNotifications(int count, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (m_notifications.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return m_notifications.size() >= count;
}

void FakeNotificationDaemon::invokeAction(uint id, const QString& actionKey) {
    emit ActionInvoked(id, actionKey);
}

void FakeNotificationDaemon::close(uint id) {
    emit NotificationClosed(id, closedByUser);
}

QStringList FakeNotificationDaemon::GetCapabilities() {
    return m_capabilities;
}

uint FakeNotificationDaemon::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int expireTimeout) {
    Notification notification{appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout, 0};
    if (m_refusal) {
        m_notifications.append(notification);
        sendErrorReply(QDBusError::AccessDenied, *m_refusal);
        return 0;
    }
    // As the specification of the interface says: a replacement keeps the id it replaces.
    notification.id = replacesId != 0 ? replacesId : ++m_lastId;
    m_notifications.append(notification);
    return notification.id;
}

void FakeNotificationDaemon::CloseNotification(uint id) {
    emit NotificationClosed(id, 3);
}

QString FakeNotificationDaemon::GetServerInformation(QString& vendor, QString& version,
                                                     QString& specVersion) {
    vendor = QStringLiteral("Glimmerbox tests");
    version = QStringLiteral("1.0");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("fake-notification-daemon");
}
