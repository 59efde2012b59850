#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// A button of a notification.
struct NotificationAction {
    QString identifier;
    QString title;
    bool foreground = false; // choosing it brings the application forward
};

// A named set of actions that requests refer to.
struct NotificationCategory {
    QString identifier;
    QList<NotificationAction> actions;
    // The action that a click on the notification itself chooses, one of `actions`; none leaves the click to
    // the server.
    std::optional<QString> bodyActionIdentifier;
};

// One notification for immediate delivery. A later request with the same identifier replaces it.
struct NotificationRequest {
    QString identifier;
    QString title;
    QString body; // plain text
    bool defaultSound = true;
    std::optional<QString> categoryIdentifier;
    QMap<QString, QString> userInfo;
};

// The desktop's notification centre: categories of actions, and delivery with an asynchronous report.
class Notifier : public QObject {
    Q_OBJECT
public:
    // Called once per request, on the GUI thread, with the error text when delivery failed or was refused.
    using Completion = std::function<void(const std::optional<QString>& error)>;

    using QObject::QObject;

    // Replaces the whole set of categories.
    virtual void setNotificationCategories(const QList<NotificationCategory>& categories) = 0;
    // Returns at once; `completion` runs when the notification centre has answered.
    virtual void add(const NotificationRequest& request, Completion completion) = 0;

signals:
    // The user chose an action of a delivered notification, or clicked a notification whose category has a
    // body action (reported as that action); `userInfo` is that request's.
    void actionInvoked(const QString& actionIdentifier, const QMap<QString, QString>& userInfo);
};
