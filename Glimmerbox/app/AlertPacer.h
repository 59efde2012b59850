#pragma once

#include "GameAlert.h"
#include "NotificationBudget.h"
#include "RecentAlerts.h"

#include <QList>
#include <QString>
#include <QStringList>

class Clock;
class GameNotifier;

// The most notifications one pass raises: a few real games change together, while a reply naming
// thousands of games would bury the desktop in alerts and sounds.
inline constexpr int maxNotificationsPerPass = 10;
// The most that reach the desktop within a minute, whatever the replies.
inline constexpr int maxNotificationsPerMinute = 20;
// How long an alert keeps one reading the same from being raised again.
inline constexpr std::chrono::seconds recentAlertWindow{600};
// The most alert readings kept for that: far more than reach the desktop in the window.
inline constexpr qsizetype maxRecentAlerts = 5000;

// Paces what change detection finds before it reaches the desktop. An alert that reads like one raised
// lately is dropped. What fits the pass's bound and the minute's budget is raised, whole games at a time:
// followed games first, then finals, close games, overtime, starts and scores, leagues taking turns; each
// game's alerts keep their order, and the games theirs. The games that do not fit are not dropped
// silently: one notification says how many more changed, and in which leagues, as soon as the budget has
// room for it.
class AlertPacer {
public:
    AlertPacer(GameNotifier& notifier, const Clock& clock);

    void raise(QList<ChangedGame> changedGames);

private:
    // Drops the alerts that read like one raised or told of lately, or earlier in this pass, and the games
    // left without any; notes the others.
    void dropRepeatedAlerts(QList<ChangedGame>& changedGames, MonotonicTime now);
    // Which games fit `capacity` notifications, the summary of the rest included.
    QList<bool> gamesThatFit(const QList<ChangedGame>& changedGames, int capacity) const;
    void send(const GameAlert& alert);

    GameNotifier& m_notifier;
    const Clock& m_clock;
    NotificationBudget m_budget{maxNotificationsPerMinute, std::chrono::seconds(60)};
    RecentAlerts m_recent{recentAlertWindow, maxRecentAlerts};
    // The changed games not raised and not yet told of, and their leagues in the order met.
    qint64 m_untoldGames = 0;
    QStringList m_untoldLeagues;
};
