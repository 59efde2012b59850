#include "AlertPacer.h"

#include "GameNotifier.h"
#include "platform/Logging.h"

#include <QHash>

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace {

// What matters most comes first: a final, then a close game, overtime, a start, a score.
int kindRank(GameAlert::Kind kind) {
    switch (kind) {
    case GameAlert::Kind::end:
        return 0;
    case GameAlert::Kind::closeGame:
        return 1;
    case GameAlert::Kind::overtime:
        return 2;
    case GameAlert::Kind::start:
        return 3;
    case GameAlert::Kind::scoreChange:
        return 4;
    }
    return 5;
}

int gameRank(const ChangedGame& changed) {
    int rank = kindRank(GameAlert::Kind::scoreChange);
    for (const GameAlert& alert : changed.alerts)
        rank = std::min(rank, kindRank(alert.kind));
    return rank;
}

const League& leagueOf(const ChangedGame& changed) {
    return changed.alerts.front().game.league;
}

// The indices of the games, most important first; within equal importance the leagues take turns, in the
// order they are met, and each league's games keep their order.
QList<qsizetype> inOrderOfImportance(const QList<ChangedGame>& changedGames) {
    using Rank = std::tuple<bool, int, int, int, qsizetype>;
    QHash<QString, int> leagueOrder;
    std::map<std::tuple<QString, bool, int>, int> turnsTaken;
    QList<Rank> ranks;
    for (qsizetype i = 0; i < changedGames.size(); ++i) {
        const ChangedGame& changed = changedGames.at(i);
        const QString league = leagueOf(changed).id;
        if (!leagueOrder.contains(league))
            leagueOrder.insert(league, int(leagueOrder.size()));
        const int rank = gameRank(changed);
        const int turn = turnsTaken[{league, changed.followed, rank}]++;
        ranks.append(Rank{!changed.followed, rank, turn, leagueOrder.value(league), i});
    }
    std::sort(ranks.begin(), ranks.end());
    QList<qsizetype> order;
    for (const Rank& rank : ranks)
        order.append(std::get<4>(rank));
    return order;
}

} // namespace

AlertPacer::AlertPacer(GameNotifier& notifier, const Clock& clock) : m_notifier(notifier), m_clock(clock) {}

void AlertPacer::dropRepeatedAlerts(QList<ChangedGame>& changedGames, MonotonicTime now) {
    for (ChangedGame& changed : changedGames) {
        changed.alerts.removeIf([&](const GameAlert& alert) {
            if (m_recent.readsLikeRecent(alert, now))
                return true;
            m_recent.note(alert, now);
            return false;
        });
    }
    changedGames.removeIf([](const ChangedGame& changed) { return changed.alerts.isEmpty(); });
}

QList<bool> AlertPacer::gamesThatFit(const QList<ChangedGame>& changedGames, int capacity) const {
    const qsizetype alertCount = std::accumulate(
        changedGames.cbegin(), changedGames.cend(), qsizetype(0),
        [](qsizetype sum, const ChangedGame& changed) { return sum + changed.alerts.size(); });
    if (m_untoldGames == 0 && alertCount <= capacity)
        return QList<bool>(changedGames.size(), true);

    // One slot stays free for the notification that tells of the rest.
    qsizetype room = std::max(0, capacity - 1);
    QList<bool> fits(changedGames.size(), false);
    for (const qsizetype index : inOrderOfImportance(changedGames)) {
        const qsizetype size = changedGames.at(index).alerts.size();
        if (size > room)
            break;
        room -= size;
        fits[index] = true;
    }
    return fits;
}

void AlertPacer::raise(QList<ChangedGame> changedGames) {
    const MonotonicTime now = m_clock.monotonicNow();
    dropRepeatedAlerts(changedGames, now);
    if (changedGames.isEmpty() && m_untoldGames == 0)
        return;

    const int capacity = std::min(maxNotificationsPerPass, m_budget.available(now));
    const QList<bool> fits = gamesThatFit(changedGames, capacity);
    int heldBack = 0;
    for (qsizetype i = 0; i < changedGames.size(); ++i) {
        const ChangedGame& changed = changedGames.at(i);
        if (fits.at(i)) {
            for (const GameAlert& alert : changed.alerts) {
                send(alert);
                m_budget.spend(now);
            }
            continue;
        }
        heldBack += int(changed.alerts.size());
        ++m_untoldGames;
        if (!m_untoldLeagues.contains(leagueOf(changed).abbreviation))
            m_untoldLeagues.append(leagueOf(changed).abbreviation);
    }
    if (heldBack > 0)
        qCWarning(notificationsLogger, "Held back %d notifications of one refresh", heldBack);

    if (m_untoldGames == 0 || m_budget.available(now) == 0)
        return;
    m_notifier.sendMoreGamesChangedNotification(m_untoldGames, m_untoldLeagues);
    m_budget.spend(now);
    m_untoldGames = 0;
    m_untoldLeagues.clear();
}

void AlertPacer::send(const GameAlert& alert) {
    switch (alert.kind) {
    case GameAlert::Kind::start:
        m_notifier.sendGameStartNotification(alert.game);
        break;
    case GameAlert::Kind::end:
        m_notifier.sendGameEndNotification(alert.game);
        break;
    case GameAlert::Kind::scoreChange:
        m_notifier.sendScoreChangeNotification(alert.game, alert.previous);
        break;
    case GameAlert::Kind::closeGame:
        m_notifier.sendCloseGameNotification(alert.game);
        break;
    case GameAlert::Kind::overtime:
        m_notifier.sendOvertimeNotification(alert.game);
        break;
    }
}
