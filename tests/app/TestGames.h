#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QString>

// Games for the application-state tests: plain values that a test adjusts field by field.

inline League testLeague(const QString& id) {
    return League::withId(id).value_or(League{id, id, id.toUpper(), Sport::football, {}, {}, true, 0});
}

inline Team testTeam(const QString& id, const QString& leagueId) {
    Team team;
    team.id = id;
    team.name = QStringLiteral("Team ") + id;
    team.abbreviation = id.left(3).toUpper();
    team.league = testLeague(leagueId);
    return team;
}

// A scheduled game two hours after `now`, between the teams "home-<id>" and "away-<id>".
inline Game testGame(const QString& id, const QString& leagueId, const QDateTime& now) {
    Game game;
    game.id = id;
    game.league = testLeague(leagueId);
    game.homeTeam = testTeam(QStringLiteral("home-") + id, leagueId);
    game.awayTeam = testTeam(QStringLiteral("away-") + id, leagueId);
    game.status = GameStatus::scheduled;
    game.startTime = now.toUTC().addSecs(7200);
    game.lastUpdate = now.toUTC();
    return game;
}

inline Game withStatus(Game game, GameStatus status, qint64 homeScore = 0, qint64 awayScore = 0,
                       std::optional<QString> period = std::nullopt) {
    game.status = status;
    game.homeScore = homeScore;
    game.awayScore = awayScore;
    game.period = std::move(period);
    return game;
}

inline QStringList idsOf(const QList<Game>& games) {
    QStringList ids;
    for (const Game& game : games)
        ids.append(game.id);
    return ids;
}
