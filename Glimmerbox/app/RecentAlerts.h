#pragma once

#include "GameAlert.h"
#include "platform/time/Clock.h"

#include <QHash>
#include <QString>

#include <deque>
#include <utility>

// The alerts raised lately, by what they read: league, kind, teams and, where the alert shows one, the
// score. A service that renumbers its events, or a proxy that rewrites them, presents a known game under a
// new id every reply; its alerts read the same and are not raised again within `window`. At most
// `capacity` readings are kept, the oldest going first, so that a reply of thousands of games changing
// every time costs no more.
class RecentAlerts {
public:
    RecentAlerts(std::chrono::seconds window, qsizetype capacity) : m_window(window), m_capacity(capacity) {}

    // Whether an alert reading the same was raised within the window.
    bool readsLikeRecent(const GameAlert& alert, MonotonicTime now);
    void note(const GameAlert& alert, MonotonicTime now);

private:
    static QString wording(const GameAlert& alert);
    void forgetOldest(MonotonicTime now);

    std::chrono::seconds m_window;
    qsizetype m_capacity;
    QHash<QString, MonotonicTime> m_raisedAt;
    // Each noting in turn; a reading noted again leaves its earlier turn behind, skipped when it comes up.
    std::deque<std::pair<QString, MonotonicTime>> m_inTurn;
};
