#include "FakeNotificationDaemon.h"

#include "TaskRunner.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace {
const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString connectionName = QStringLiteral("glimmerbox-fake-notification-daemon");
constexpr int nameTimeoutMs = 60000;
} // namespace

FakeNotificationDaemon::FakeNotificationDaemon(QStringList capabilities)
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName)),
      m_capabilities(std::move(capabilities)) {
    if (!m_connection.isConnected() ||
        !m_connection.registerObject(objectPath, this,
                                     QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals))
        return;
    // Test programs run in parallel on one bus: wait in the queue for the name instead of failing.
    QDBusConnectionInterface* bus = m_connection.interface();
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus->registerService(
        serviceName, QDBusConnectionInterface::QueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        return;
    const QDeadlineTimer deadline(nameTimeoutMs);
    while (!(m_registered = bus->serviceOwner(serviceName).value() == m_connection.baseService()) &&
           !deadline.hasExpired())
        QThread::msleep(20);
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

void FakeNotificationDaemon::roundTrip() {
    QDBusPendingCallWatcher watcher(QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
        serviceName, objectPath, serviceName, QStringLiteral("GetCapabilities"))));
    EXPECT_TRUE(spinUntil([&] { return watcher.isFinished(); }));
    processPendingEvents();
}

uint FakeNotificationDaemon::Notify(const QString& appName, uint replacesId, const QString&,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int) {
    Notification notification{appName, replacesId, summary, body, actions, hints, 0};
    if (m_refusal) {
        m_notifications.append(notification);
        sendErrorReply(QDBusError::AccessDenied, *m_refusal);
        return 0;
    }
    // As real servers do: a replacement keeps the id it replaces.
    notification.id = replacesId != 0 ? replacesId : ++m_lastId;
    m_notifications.append(notification);
    return notification.id;
}
