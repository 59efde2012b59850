#pragma once

#include "platform/desktop/Notifier.h"

// Records what the notification service hands to the desktop's notification centre, and delivers it.
class RecordingNotifier final : public Notifier {
public:
    void setNotificationCategories(const QList<NotificationCategory>&) override {}
    void add(const NotificationRequest& request, Completion completion) override {
        requests.append(request);
        completion(std::nullopt);
    }
    QList<NotificationRequest> requests;
};
