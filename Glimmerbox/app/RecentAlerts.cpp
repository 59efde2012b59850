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

void RecentAlerts::forgetOlderThanWindow(MonotonicTime now) {
    m_raisedAt.removeIf([&](const auto& entry) { return now - entry.value() >= m_window; });
}

bool RecentAlerts::readsLikeRecent(const GameAlert& alert, MonotonicTime now) {
    forgetOlderThanWindow(now);
    return m_raisedAt.contains(wording(alert));
}

void RecentAlerts::note(const GameAlert& alert, MonotonicTime now) {
    m_raisedAt.insert(wording(alert), now);
}
