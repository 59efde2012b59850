#pragma once

#include "GameAlert.h"
#include "platform/time/Clock.h"

#include <QHash>
#include <QString>

// The alerts raised lately, by what they read: league, kind, teams and, where the alert shows one, the
// score. A service that renumbers its events, or a proxy that rewrites them, presents a known game under a
// new id every reply; its alerts read the same and are not raised again within `window`.
class RecentAlerts {
public:
    explicit RecentAlerts(std::chrono::seconds window) : m_window(window) {}

    // Whether an alert reading the same was raised within the window.
    bool readsLikeRecent(const GameAlert& alert, MonotonicTime now);
    void note(const GameAlert& alert, MonotonicTime now);

private:
    static QString wording(const GameAlert& alert);
    void forgetOlderThanWindow(MonotonicTime now);

    std::chrono::seconds m_window;
    QHash<QString, MonotonicTime> m_raisedAt;
};
