#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// An in-process org.freedesktop.Notifications server for tests. It sits on its own connection to the session
// bus (ctest runs under dbus-run-session), so the code under test reaches it over the bus like a real one.
class FakeNotificationDaemon : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        uint replacesId = 0;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        uint id = 0; // what the daemon answered
    };

    explicit FakeNotificationDaemon(QStringList capabilities = {"actions", "body", "body-markup", "sound"});
    ~FakeNotificationDaemon() override;

    // False when no session bus is available or the name stayed taken for a minute.
    bool isRegistered() const { return m_registered; }
    const QList<Notification>& notifications() const { return m_notifications; }
    // Refuses every later Notify with this D-Bus error message.
    void refuseWith(const QString& message) { m_refusal = message; }
    // Spins the event loop until `count` Notify calls arrived or the time is up.
    bool waitForNotifications(int count, int timeoutMs = 5000) const;

    // A call from the application's connection to the server and back: whatever the server sent before its
    // answer (replies, signals) has reached the application by then.
    static void roundTrip();

    // As a server does when the user picks an action or dismisses a notification.
    void invokeAction(uint id, const QString& actionKey) { emit ActionInvoked(id, actionKey); }
    void close(uint id) { emit NotificationClosed(id, 2); }

public slots:
    QStringList GetCapabilities() { return m_capabilities; }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    QDBusConnection m_connection;
    QStringList m_capabilities;
    bool m_registered = false;
    QList<Notification> m_notifications;
    std::optional<QString> m_refusal;
    uint m_lastId = 0;
};
