#pragma once

#include "platform/desktop/Notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>

class QDBusPendingCallWatcher;

// Notifications through org.freedesktop.Notifications. Every call is asynchronous. The server's
// capabilities are asked once, before the first notification, to learn whether bodies are read as markup.
// A category's body action is offered as the server's "default" action, which a click on the notification
// chooses.
class DesktopNotifier final : public Notifier {
    Q_OBJECT
public:
    explicit DesktopNotifier(QDBusConnection connection = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    void setNotificationCategories(const QList<NotificationCategory>& categories) override;
    void add(const NotificationRequest& request, Completion completion) override;

private slots:
    void onNotificationClosed(uint id, uint reason);
    void onActionInvoked(uint id, const QString& actionKey);

private:
    struct Pending {
        NotificationRequest request;
        Completion completion;
    };

    void requestCapabilities();
    void dispatch(Pending pending);
    void notify(Pending pending);
    void finish(const QString& identifier, QDBusPendingCallWatcher* watcher, const Pending& pending);
    std::optional<NotificationCategory> categoryOf(const NotificationRequest& request) const;
    QStringList actionsFor(const NotificationRequest& request) const;
    void forget(uint id);

    QDBusConnection m_connection;
    QHash<QString, NotificationCategory> m_categories;
    std::optional<bool> m_bodyMarkup; // unknown until the server answered
    bool m_capabilitiesRequested = false;
    QList<Pending> m_waitingForCapabilities;
    // A request whose identifier is still in flight waits, so that it can replace the earlier notification.
    QSet<QString> m_inFlight;
    QHash<QString, QList<Pending>> m_waitingForIdentifier;
    QHash<QString, uint> m_serverIds;             // request identifier -> server id
    QHash<uint, QString> m_identifiers;           // server id -> request identifier
    QHash<uint, NotificationRequest> m_delivered; // server id -> the request it shows
    QSet<uint> m_closedBeforeReply;               // closes that overtook the reply to their Notify
};
