#include "RecentAlerts.h"

#include <QStringList>

namespace {
QString teamWording(const Team& team) {
    return team.id + u'\x1f' + team.name + u'\x1f' + team.abbreviation;
}

bool showsScore(GameAlert::Kind kind) {
    return kind == GameAlert::Kind::end || kind == GameAlert::Kind::scoreChange ||
           kind == GameAlert::Kind::closeGame;
}
} // namespace

QString RecentAlerts::wording(const GameAlert& alert) {
    const Game& game = alert.game;
    QStringList parts{game.league.id, QString::number(int(alert.kind)), teamWording(game.homeTeam),
                      teamWording(game.awayTeam)};
    if (showsScore(alert.kind))
        parts << QString::number(game.homeScore) << QString::number(game.awayScore);
    return parts.join(u'\x1e');
}

void RecentAlerts::forgetOldest(MonotonicTime now) {
    while (!m_inTurn.empty() &&
           (now - m_inTurn.front().second >= m_window || m_raisedAt.size() > m_capacity)) {
        const auto [reading, notedAt] = m_inTurn.front();
        m_inTurn.pop_front();
        if (const auto latest = m_raisedAt.constFind(reading);
            latest != m_raisedAt.cend() && *latest == notedAt)
            m_raisedAt.erase(latest);
    }
}

bool RecentAlerts::readsLikeRecent(const GameAlert& alert, MonotonicTime now) {
    forgetOldest(now);
    return m_raisedAt.contains(wording(alert));
}

void RecentAlerts::note(const GameAlert& alert, MonotonicTime now) {
    QString reading = wording(alert);
    m_raisedAt.insert(reading, now);
    m_inTurn.emplace_back(std::move(reading), now);
    forgetOldest(now);
}
