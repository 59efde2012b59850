#include "platform/desktop/DesktopNotifier.h"

#include "BuildInfo.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString applicationName = QStringLiteral("Glimmerbox");
// The freedesktop sound theme's name for an incoming message: the desktop's default alert.
const QString defaultSoundName = QStringLiteral("message-new-instant");
constexpr int serverDefaultTimeout = -1;
// The action key the server reports for a click on the notification itself.
const QString bodyClickKey = QStringLiteral("default");

// Servers that read bodies as markup would swallow "<" and mangle "&".
QString escapeMarkup(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QLatin1String("&amp;");
        else if (c == u'<')
            escaped += QLatin1String("&lt;");
        else if (c == u'>')
            escaped += QLatin1String("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

QString describe(const QDBusError& error) {
    return error.message().isEmpty() ? error.name() : error.message();
}
} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection connection, QObject* parent)
    : Notifier(parent), m_connection(std::move(connection)) {
    m_connection.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                         SLOT(onNotificationClosed(uint, uint)));
    m_connection.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                         SLOT(onActionInvoked(uint, QString)));
}

void DesktopNotifier::setNotificationCategories(const QList<NotificationCategory>& categories) {
    m_categories.clear();
    for (const NotificationCategory& category : categories)
        m_categories.insert(category.identifier, category);
}

void DesktopNotifier::add(const NotificationRequest& request, Completion completion) {
    Pending pending{request, std::move(completion)};
    if (!m_bodyMarkup) {
        m_waitingForCapabilities.append(std::move(pending));
        requestCapabilities();
        return;
    }
    dispatch(std::move(pending));
}

void DesktopNotifier::requestCapabilities() {
    if (m_capabilitiesRequested)
        return;
    m_capabilitiesRequested = true;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QStringList> reply = *finished;
        // Without an answer, assume plain text; the notifications themselves will report the failure.
        m_bodyMarkup = !reply.isError() && reply.value().contains(QStringLiteral("body-markup"));
        const QList<Pending> waiting = std::exchange(m_waitingForCapabilities, {});
        for (const Pending& pending : waiting)
            dispatch(pending);
    });
}

void DesktopNotifier::dispatch(Pending pending) {
    const QString identifier = pending.request.identifier;
    if (m_inFlight.contains(identifier)) {
        m_waitingForIdentifier[identifier].append(std::move(pending));
        return;
    }
    notify(std::move(pending));
}

std::optional<NotificationCategory> DesktopNotifier::categoryOf(const NotificationRequest& request) const {
    if (!request.categoryIdentifier || !m_categories.contains(*request.categoryIdentifier))
        return std::nullopt;
    return m_categories.value(*request.categoryIdentifier);
}

QStringList DesktopNotifier::actionsFor(const NotificationRequest& request) const {
    QStringList actions;
    const std::optional<NotificationCategory> category = categoryOf(request);
    if (!category)
        return actions;
    for (const NotificationAction& action : category->actions) {
        actions << action.identifier << action.title;
        // The body click is offered under the title of the button it stands for.
        if (action.identifier == category->bodyActionIdentifier)
            actions << bodyClickKey << action.title;
    }
    return actions;
}

void DesktopNotifier::notify(Pending pending) {
    const NotificationRequest& request = pending.request;
    QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(BuildInfo::appId)}};
    if (request.defaultSound)
        hints.insert(QStringLiteral("sound-name"), defaultSoundName);

    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << applicationName << m_serverIds.value(request.identifier, 0u)
         << QString::fromLatin1(BuildInfo::appId) << request.title
         << (*m_bodyMarkup ? escapeMarkup(request.body) : request.body) << actionsFor(request) << hints
         << serverDefaultTimeout;

    m_inFlight.insert(request.identifier);
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, pending = std::move(pending)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                finish(pending.request.identifier, finished, pending);
            });
}

void DesktopNotifier::finish(const QString& identifier, QDBusPendingCallWatcher* watcher,
                             const Pending& pending) {
    const QDBusPendingReply<uint> reply = *watcher;
    m_inFlight.remove(identifier);
    if (reply.isError()) {
        pending.completion(describe(reply.error()));
    } else {
        const uint id = reply.value();
        if (const uint earlier = m_serverIds.value(identifier, 0u); earlier != 0 && earlier != id)
            forget(earlier);
        // The server may report the close before QtDBus hands us the reply; such a notification is gone.
        if (!m_closedBeforeReply.remove(id)) {
            m_serverIds.insert(identifier, id);
            m_identifiers.insert(id, identifier);
            m_delivered.insert(id, pending.request);
        }
        pending.completion(std::nullopt);
    }
    // With no reply outstanding, no recorded close can be one of ours any more (servers that broadcast the
    // signal report other applications' closes too).
    if (m_inFlight.isEmpty())
        m_closedBeforeReply.clear();
    QList<Pending> waiting = m_waitingForIdentifier.take(identifier);
    if (!waiting.isEmpty()) {
        notify(waiting.takeFirst());
        if (!waiting.isEmpty())
            m_waitingForIdentifier.insert(identifier, waiting);
    }
}

void DesktopNotifier::forget(uint id) {
    const QString identifier = m_identifiers.take(id);
    if (m_serverIds.value(identifier) == id)
        m_serverIds.remove(identifier);
    m_delivered.remove(id);
}

void DesktopNotifier::onNotificationClosed(uint id, uint /*reason*/) {
    if (!m_identifiers.contains(id) && !m_inFlight.isEmpty())
        m_closedBeforeReply.insert(id);
    forget(id);
}

void DesktopNotifier::onActionInvoked(uint id, const QString& actionKey) {
    const auto delivered = m_delivered.constFind(id);
    if (delivered == m_delivered.cend())
        return;
    if (actionKey != bodyClickKey) {
        emit actionInvoked(actionKey, delivered->userInfo);
        return;
    }
    const std::optional<NotificationCategory> category = categoryOf(*delivered);
    if (category && category->bodyActionIdentifier)
        emit actionInvoked(*category->bodyActionIdentifier, delivered->userInfo);
}
